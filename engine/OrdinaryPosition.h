#pragma once
// Where an ordinary or a line of partition stands when the blazon moves it from its usual place:
// raised (enhanced), lowered (abased), turned over (reversed), reaching every edge (throughout)
// or cut short of the edges (couped, humetty). The shapes draw their usual outline moved by the
// one measure PlaceOf gives, so no shape keeps a second table of positions.

#include <cstdint>
#include <string_view>

#include "engine/ShapeCode.h"
#include "engine/ShieldGeometry.h"

namespace esc {

enum class OrdinaryPosition : std::uint8_t { Usual, Enhanced, Abased, Reversed, Throughout, Couped };

// How a positioned shape is moved: `shift` rows down (negative: up) for its middle line, and
// `inset` pixels that a couped shape stops short of each edge of the field it crosses.
struct PositionPlace {
    int shift = 0;
    int inset = 0;
};

// An enhanced or abased ordinary is moved a sixth of the shield's height; a couped one stops an
// eighth of the shield's width short of the edges. Both grow with the shield.
inline PositionPlace PlaceOf(const ShieldGeometry& g, OrdinaryPosition position) {
    switch (position) {
        case OrdinaryPosition::Enhanced: return {-g.H / 6, 0};
        case OrdinaryPosition::Abased: return {g.H / 6, 0};
        case OrdinaryPosition::Couped: return {0, g.W / 8};
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
