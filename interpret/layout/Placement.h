#pragma once
// Putting one charge on the shield: the picture file of the current level, or a disc for a
// roundel, at the placement point and charge scale; and the placement ring that charges upon
// charges read.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/ChargeSpot.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

inline constexpr float kMinChargeScale = 0.1f;  // the smallest scale a row of many charges gets
// A charge picture at scale s is painted at s / 2 of its natural size.
inline constexpr float kPictureScaleFactor = 0.5f;
// A roundel's radius at charge scale 1, in pixels of the shield at paint scale 1.
inline constexpr float kRoundelRadiusAtScaleOne = 55.0f;

// Places one charge of the current level on the spot, turned, mirrored and flipped exactly as the
// spot says. A level of kind 0 places nothing.
void PlaceCharge(DrawingState& state, const ChargeSpot& spot);
// The same in `tincture` when one is given (a member's own: "three mullets azure, gules and
// vert"), else in the level's.
void PlaceChargeIn(DrawingState& state, const ChargeSpot& spot, std::optional<int> tincture);
// Places one charge of the current level at (x, y) and scale, turned as the level's words say,
// mirrored when asked (and for left hands), upside down when reversed.
void Place(DrawingState& state, int x, int y, float scale, bool mirror = false);
// The same, turned as `turn` says whatever the level's words say: the layouts that lay charges
// along a line of their own (crossed in saltire, along a bend) hand the turn over here.
void PlaceTurned(DrawingState& state, int x, int y, float scale, ChargeTurn turn, bool mirror = false);
// How the level's words turn its charges ("bendwise", "fesswise"), as read so far.
ChargeTurn WordsTurn(const DrawingState& state);
// Places one charge of the current level on each spot, in order, turned, mirrored and flipped as
// the spot says on top of what the level's words say ("a sword reversed" on a spot flipped for
// the foot of a ring stands point up). Nothing of a spot outlives its charge.
void PlaceSpots(DrawingState& state, std::span<const ChargeSpot> spots);
// n charges (n at least 3) spread across the shield on row y; scale 0 means 1 - 0.1n.
void PlaceRow(DrawingState& state, int n, int y, float scale);
// A filled disc of radius r in the level's tincture, with a one-pixel sable rim at the top and
// bottom of every column; also drawn into layerImage (d by d, centred on the disc) when given.
void DrawDisc(DrawingState& state, int x, int y, int r, int d = 0, Bitmap* layerImage = nullptr);
// One charge of the current level on each charge the previous level placed, at half its scale.
void PlaceOnPreviousCharges(DrawingState& state);
// The current level's picture as PlaceCharge would draw it, in its own pixels (before the half
// scale of painting): its size, and the first and last rows that hold any of the drawing (the
// rest is background). False when no such picture exists.
struct PictureExtent {
    int width = 0, height = 0;
    int firstRow = 0, lastRow = 0;
    int drawnPixels = 0;  // how many pixels the drawing paints, for its mean width
    // The mean column of the upper half's drawn pixels less the lower half's: far from 0 for a
    // drawing that leans (a quill drawn bendwise sinister leans right).
    int lean = 0;
    int firstColumn = 0, lastColumn = 0;  // the first and last columns that hold any of the drawing
};
// The first and last drawn columns of one row of a picture (first > last: the row is empty).
struct RowSpan {
    int first = 0, last = -1;
};
// A picture's extent and rows as measured, with the picture measured (its size and colour
// indices): a measure serves again only a picture that is the same pixel for pixel.
struct PictureMeasure {
    int PW = 0, PH = 0;
    std::vector<std::uint8_t> pixels;
    PictureExtent extent;
    std::vector<RowSpan> rows;
};
// The measures a drawing state keeps from one drawing to the next, by picture file and paint
// scale, and the one last found the same in this drawing (file empty: none yet).
struct MeasuredPicture {
    std::map<std::pair<std::string, double>, PictureMeasure> byFile;
    std::string file;
    double k = 1.0;
    const PictureMeasure* last = nullptr;
};
// With `rows`, also each row's drawn span, one entry a row of the picture.
bool LevelPictureExtent(DrawingState& state, PictureExtent& extent, std::vector<RowSpan>* rows = nullptr);
// Whether the current level's picture paints colour index `index` (10 the second part, 14 the
// detail): the picture read as LevelPictureExtent reads it.
enum class PicturePart { Drawn, NotDrawn, NoPicture };
PicturePart LevelPictureHasPart(DrawingState& state, std::uint8_t index);
// Whether a picture's colour index is painted (outline, second part, body, detail), not background.
bool IsDrawnIndex(std::uint8_t index);

// The picture files tried, in order, for a charge name (its final "s" dropped) and a variant.
std::array<std::string, 3> PictureFileNames(std::string_view name, std::string_view extension);
// 1 - 0.1n, never below kMinChargeScale.
float ShrinkingScale(int n);
// Whether charge `index` (0 or 1) of a pair is mirrored for the level's line code: 98 mirrors
// the first, 99 the second.
bool MirroredInPair(int lineCode, int index);

}  // namespace esc
