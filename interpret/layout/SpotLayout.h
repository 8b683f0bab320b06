#pragma once
// Layouts as geometry: a region of the shield, a count and an arrangement give the spots the
// charges stand on. Nothing here reads the blazon or paints; the spots go to PlaceSpots.

#include <span>
#include <vector>

#include "engine/Bitmap.h"
#include "engine/ShieldGeometry.h"
#include "engine/ChargeSpot.h"

namespace esc {

// How a group of charges is set out. kInRows is rows top first ("two and one", "3, 3 and 1"),
// the usual rows for the count when none are written.
enum class Arrangement {
    kInPale,
    kInFess,
    kInBend,
    kInBendSinister,
    kInSaltire,
    kInCross,
    kInChevron,
    kInChevronInverted,
    kInPall,
    kInPile,
    kInOrle,
    kInAnnulo,
    kInRows,
};

// The parts of the shield a group may be set in.
enum class RegionKind {
    kField,
    kChief,
    kBase,
    kDexterFlank,
    kSinisterFlank,
    kDexterChief,
    kSinisterChief,
    kDexterBase,
    kSinisterBase,
    kDexterHalf,  // the dexter half of the field, from the chief to the base
    kSinisterHalf,
    kCanton,
    kBetweenChevronArms,          // under the point of a chevron, between its limbs
    kBetweenChevronInvertedArms,  // above the point of a chevron inverted
};

// A region: its box, and the row where its sides stop running straight (the curve of the base
// below it takes room from spots near the sides).
struct LayoutRegion {
    Rect box;
    int straightBottom = 0;
    // How far a column of charges is set down, clear of the point at the foot of the shield, in a
    // region that reaches it.
    int baseClearance = 0;
};
LayoutRegion RegionOf(const ShieldGeometry& geometry, RegionKind kind);

struct LayoutRequest {
    LayoutRegion region;
    int count = 0;
    Arrangement arrangement = Arrangement::kInRows;
    std::span<const int> rows;  // kInRows: the charges of each row, top first; empty: the usual rows
};

// The spots, in the order charges are placed, each scaled to the room it has among the others
// and inside the region. `nearest`: the count is not one the arrangement sets out whole (five in
// cross is the centre and one on each arm; six is not), so the nearest form was used; the caller
// tells the user.
struct SpotLayout {
    std::vector<ChargeSpot> spots;
    bool nearest = false;
};
SpotLayout LayoutSpots(const LayoutRequest& request);

// The usual rows for `count` charges set out alone in a region ("two and one" for three); empty
// past what the rows hold.
std::vector<int> UsualRows(int count);

// Point `i` of `n` spaced evenly round the edges of `path`, clockwise from the middle of its top
// edge: where charges stand in orle, or on an orle.
struct PathPoint {
    int x = 0, y = 0;
};
PathPoint PointRoundRectangle(const Rect& path, int i, int n);

// A charge's scale when it fills `cell` pixels (a square) with a small margin, never above `largest`.
float ScaleForCell(int cell, float largest);

}  // namespace esc
