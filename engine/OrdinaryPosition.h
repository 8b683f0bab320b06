#pragma once
// Where an ordinary or a line of partition stands when the blazon moves it from its usual place:
// raised (enhanced), lowered (abased), turned over (reversed), reaching every edge (throughout),
// cut short of the edges (couped, humetty) or, upright, set toward one flank (in dexter, in
// sinister). The shapes draw their usual outline moved by the
// one measure PlaceOf gives, so no shape keeps a second table of positions.

#include <cstdint>
#include <string_view>

#include "engine/ShapeCode.h"
#include "engine/ShieldGeometry.h"

namespace esc {

enum class OrdinaryPosition : std::uint8_t { Usual, Enhanced, Abased, Reversed, Throughout, Couped, InDexter, InSinister };

// How a positioned shape is moved: `shift` rows down (negative: up) for its middle line,
// `inset` pixels that a couped shape stops short of each edge of the field it crosses, and
// `across` columns to the sinister (negative: the dexter) for the middle line of an upright one.
struct PositionPlace {
    int shift = 0;
    int inset = 0;
    int across = 0;
};

// An enhanced or abased ordinary is moved a sixth of the shield's height; a couped one stops an
// eighth of the shield's width short of the edges; one in dexter or sinister stands a quarter of
// the shield's width toward that flank. All grow with the shield.
inline PositionPlace PlaceOf(const ShieldGeometry& g, OrdinaryPosition position) {
    switch (position) {
        case OrdinaryPosition::Enhanced: return {-g.H / 6, 0};
        case OrdinaryPosition::Abased: return {g.H / 6, 0};
        case OrdinaryPosition::Couped: return {0, g.W / 8, 0};
        case OrdinaryPosition::InDexter: return {0, 0, -g.W / 4};
        case OrdinaryPosition::InSinister: return {0, 0, g.W / 4};
        default: return {};
    }
}

// Whether the shape of shapeCode is drawn in `position` as an ordinary (partition false) or as a
// line of partition (partition true). Reversed and throughout are read elsewhere (the chevron
// and the pall reversed have shapes of their own); everything else is left to the reader to say.
bool ShapeTakesPosition(ShapeCode shapeCode, bool partition, OrdinaryPosition position);

std::string_view PositionName(OrdinaryPosition position);

// Whether the ordinary of shapeCode can carry a different line on each of its two sides.
bool ShapeTakesTwoLines(ShapeCode shapeCode);

}  // namespace esc
