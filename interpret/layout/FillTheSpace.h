#pragma once
// Charges set in the room that other charges or an ordinary leave ("between in pale a crown and
// a rose" round a crossing, "in chief a star" above a heron, "in base a cat" under a chevron
// inverted) are fitted to what is actually free there: the pixels the charges before painted,
// the ordinary with its margin, and the shield's outline, measured against the new charge's own
// drawing, not against the square a charge of its scale could take. A square was the fault:
// crossed swords leave the corners of their square empty, and a cat lying down is a third as
// high as it is wide, so both were drawn far smaller than their space. The same measure lets
// charges of a fixed table grow where they stand until their drawings meet (lions passant two
// and one), and one charge on a fess or pale fill the band.

#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "interpret/phrase/DrawingState.h"

namespace esc {

class FreeSpace;

// How far the current level's drawing reaches from its placement point at scale 1, across (each
// side) and up and down (each way). False when the level draws nothing.
struct DrawnReach {
    float across = 0.0f, upDown = 0.0f;
};
bool CurrentDrawnReach(DrawingState& state, DrawnReach& reach);
// The same for the level's charge turned as `turn` says rather than as its words say.
bool DrawnReachTurned(DrawingState& state, ChargeTurn turn, DrawnReach& reach);

// The box joining what `count` placements painted, the latest `skip` placements left out
// (empty when they painted nothing or the ring no longer holds them).
Rect PaintedBoxOfPlaced(const DrawingState& state, int skip, int count);

// A row of charges of the current level at one height and one scale: charge j centred at
// xs[j], its drawing kept within `band` pixels across round xs[j] and inside `room`, on free
// pixels of `space` and off each of `taken`, with a margin all round. The height is chosen where
// the scale is largest (up to `largest`); scale 0 when nothing fits.
struct RoomFit {
    int y = 0;
    float scale = 0.0f;
};
RoomFit LargestRowInRoom(DrawingState& state, const FreeSpace& space, std::span<const int> xs, int band, Rect room,
                         std::span<const Rect> taken, float largest);

// The largest scale, up to `largest`, at which the current level's drawing centred at (x, y) lies
// on free pixels of `space`, off each of `taken`, and where `allowed` says of its box (the margin
// included); 0 when not even the smallest scale does.
float LargestScaleAt(DrawingState& state, const FreeSpace& space, int x, int y, std::span<const Rect> taken,
                     const std::function<bool(const Rect&)>& allowed, float largest);

// Whether the current level's drawing is long and low or tall and thin (one way at least this
// many times the other): a table's scale, made for a square cell, leaves much of its room empty.
inline constexpr float kLongDrawing = 1.2f;
bool CurrentDrawingIsLong(DrawingState& state);

// One scale for charges at the fixed centres `spots` (x, y pairs), grown from `from` up to
// `largest` while every drawing stays on free pixels of `space` and off the others' (with a
// margin): how large charges of a table may be drawn where their drawings, not their cells, meet.
float LargestCommonScale(DrawingState& state, const FreeSpace& space, std::span<const std::pair<int, int>> spots,
                         float from, float largest, int top = 0);

// Where charges laid out now may grow to, given the pieces the blazon names after them at the
// shield's edge: the first row below a chief (0 without one, or when the state's room top
// presses the charges below it already); false when a bordure, orle,
// tressure, canton, quarter, escutcheon or any other ordinary is named, whose room the tables keep,
// or charges or cotises between which they stand.
bool RoomLeftByLaterEdges(const DrawingState& state, int& top);

// Whether a box lies wholly in the part of a parted field that holds (x, y): every pixel of it
// bears the tincture painted there (per chevron, the chief's part above the line; quarterly,
// the quarter). For charges grown in their part of the field; false for a box past the picture.
std::function<bool(const Rect&)> InTheFieldPartAt(const DrawingState& state, int x, int y);

// The boxes painted by every placement of the shield still in the ring.
std::vector<Rect> PaintedBoxesSoFar(const DrawingState& state);

}  // namespace esc
