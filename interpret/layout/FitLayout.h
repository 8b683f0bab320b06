#pragma once
// Layouts computed from the free space of the shield instead of fixed tables: any number of
// charges alone on the field in rows, and any number between an ordinary. Each charge gets a
// square cell of the free space (inside the outline, off the ordinary) and fills most of it, so
// charges never overlap each other, the ordinary or the shield's edge, and grow as large as the
// space allows.

#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The most charges laid out alone on the field, and between an ordinary.
inline constexpr int kMaxChargesOnField = 20;
inline constexpr int kMaxChargesBetween = 20;

// A charge's share of its cell, and the extent of the largest charge picture at scale 1 (its
// pictures are at most 270 pixels, the drawing filling 228 across or 264 down with a margin of 3,
// painted at half their size).
inline constexpr float kChargeShareOfCell = 0.85f;
inline constexpr int kChargeExtentAtScaleOne = 135;

struct FitSpot {
    int x = 0, y = 0;
};
struct Fit {
    int cell = 0;  // 0: nothing fits
    std::vector<FitSpot> spots;
    float Scale(float largest) const;
};

// The pixels a charge may cover: inside the outline and, for charges between an ordinary, off
// the ordinary and its cotises. Free space falls into regions (above and below a fess, the four
// angles of a cross), ordered top to bottom, then dexter to sinister.
//
// "Is this square free" is answered at once from prefix sums: of the pixels outside the outline
// (made once per shield geometry and shared), and of the ordinary's own pixels, counted over the
// square grown by the margin kept round the ordinary.
class FreeSpace {
public:
    // The whole field: made once for the state's shield geometry and kept in the state.
    static const FreeSpace& Field(DrawingState& state);
    // The field around the ordinary of level 0 (shapeCode, its line, its cotises). Without
    // `regions` only BoxFree with no region may be asked (no regions are found, which is most of
    // the work). Round an ordinary it is kept in the state and given again while the ordinary,
    // its shape, line and cotises and the picture's size stay the same.
    static std::shared_ptr<const FreeSpace> AroundOrdinary(DrawingState& state, bool regions = true);

    int Regions() const { return static_cast<int>(regionTop_.size()); }
    // Whether a square of side `cell` centred at (x, y) is free and lies in region `region`
    // (-1: any region).
    bool BoxFree(int x, int y, int cell, int region = -1) const;
    // BoxFree for every centre of row y at once: free[x] is 1 where it holds, for x from 0 to
    // Width() - 1.
    void FreeCentres(int y, int cell, int region, std::vector<char>& free) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Top(int region) const { return regionTop_[static_cast<std::size_t>(region)]; }
    int Bottom(int region) const { return regionBottom_[static_cast<std::size_t>(region)]; }
    int CentreY(int region) const { return regionCentreY_[static_cast<std::size_t>(region)]; }
    // The side of the largest square whose pixels all lie in `region`, or `atMost` when that is
    // smaller: BoxFree holds for no larger cell centred in the region, since a free square lies
    // wholly in its centre's region.
    int LargestSquare(int region, int atMost = std::numeric_limits<int>::max()) const;
    // The most columns any row has inside the outline.
    int WidestRow() const;

    // What the mask round an ordinary is drawn from: the same key draws the same mask
    // (the mask of the charges lying on the ordinary is keyed alike, without the cotises).
    struct OrdinaryKey {
        ShieldGeometry geometry;
        int width = 0, height = 0;
        bool marshallingMode = false;
        LevelRecord first;
        ShapeCode shapeCode = kNoShape, partitionCode = kNoShape;
        int cotises = 0, cotiseLine = -1;
        OrdinaryPosition position = OrdinaryPosition::Usual;
        bool operator==(const OrdinaryKey&) const = default;
    };
    static OrdinaryKey KeyOf(const DrawingState& state);

private:
    struct Outline;  // the pixels inside the outline and the prefix sums of those outside
    struct Box {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    bool HasRegions() const { return !region_.empty(); }
    void FindLargestSquares() const;
    int BlockedIn(int x1, int y1, int x2, int y2) const;
    void FindRegions();

    ShieldGeometry geometry_;
    int width_ = 0, height_ = 0;
    std::shared_ptr<const Outline> outline_;
    // (width+1) * (height+1), shared by the spaces made from one mask; null when no ordinary is
    // marked
    std::shared_ptr<const std::vector<int>> markSums_;
    OrdinaryKey key_;  // what markSums_ was drawn from
    std::vector<Box> boxes_;     // squares kept for the charges that others stand between
    std::vector<int> region_;    // per pixel, -1 where blocked or in a sliver; empty without regions
    std::vector<int> regionTop_, regionBottom_, regionCentreY_;
    std::vector<int> regionLeft_, regionRight_;
    // The side of each region's largest square, found at the first question (a space belongs to
    // one drawing state, and a state draws on one thread).
    mutable std::vector<int> largestSquares_;
};

// Makes `mask` ready for level 0's ordinary to be drawn on it alone in `mark`, as it was drawn on
// the shield: a picture of the state's size with the outline, every code unmarked, and level 0
// with the shape, partition and line it was drawn with.
void PrepareOrdinaryMask(const DrawingState& state, PaintState& mask, std::int8_t mark);

// Where the ordinary of level 0 stands ("a fess enhanced") while the level after it is laid
// out (the position of the level completed last); its usual place for later levels.
inline OrdinaryPosition FirstOrdinaryPosition(const DrawingState& state) {
    return state.level == 1 ? state.completedPosition : OrdinaryPosition::Usual;
}

// `count` charges in one region, in as few rows as give them the largest cells.
Fit FitInRegion(const FreeSpace& space, int region, int count, int largestCell);
// Rows of charges over the whole free space, top row first, spread over its height; each row
// centred, with one column pitch for all rows so that "three, two and one" interlock.
Fit FitRows(const FreeSpace& space, std::span<const int> rows, int largestCell);

// The rows heralds use for `count` charges alone on the field (1 to kMaxChargesOnField).
std::vector<int> FieldRows(int count);

// Lays the current level's charges out in rows over the field; a count past what the rows hold
// draws nothing and says so.
void FieldRowsLayout(DrawingState& state);
// Lays the current level's charges out round the ordinary of level 0: split between its regions
// as heralds do (above and below a fess or chevron, either side of a bend or pale, round the
// four angles of a cross or saltire).
void BetweenLayout(DrawingState& state);
// One charge on a field that an ordinary drawn before it takes part of ("a point pointed vert,
// a mullet or", "a base azure, a rose gules"): in the free space the ordinary leaves, in the
// region a group between it would fill first, as large as its drawing fits there. False,
// placing nothing, when the ordinary leaves no room.
bool OneInTheRoomLeft(DrawingState& state);
// A fixed message text with its "{}" replaced by the charges counted ("one charge", "3 charges").
std::string WithCount(std::string_view text, int count);
// Places a fit's charges at its scale.
void PlaceFit(DrawingState& state, const Fit& fit, float largestScale);

}  // namespace esc
