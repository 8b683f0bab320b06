#pragma once
// Levels of two tinctures: parted ("per pale gules and sable"), a charge of a pattern ("a lion
// barry of ten argent and gules"), a detail parted ("ducally crowned per pale argent and gules"),
// or an ordinary fretty.

#include <vector>

#include "engine/Bitmap.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The partitions a charge's tincture can be parted by: per pale and per fess.
bool PartedTinctureShape(ShapeCode shapeCode);
// The patterns a charge can be painted in: barry, paly and bendy.
bool ChargePatternShape(ShapeCode shapeCode);

// The piece of a pattern that the point (x, y) of `box` lies in, counted from 0 at the chief
// (barry), the dexter (paly, per pale) or the dexter chief (bendy); even pieces take the first
// tincture. Per pale and per fess have two pieces whatever `pieces` says.
int PatternPiece(ShapeCode shapeCode, int pieces, Rect box, int x, int y);

// The boxes of the separate charges in a mask of width * height pixels: the rows are cut where a
// gap of empty rows runs across, then each band's columns where a gap of empty columns runs
// down, and so on in turn, so that charges set in rows, in pale or in fess each get their own box.
std::vector<Rect> ChargeBoxes(const std::vector<bool>& mask, int width, int height);

namespace phrase {

// W0 starts "barry (of N) argent and gules" after a charge named but not yet tinctured: the
// pattern is read as the charge's two tinctures. The cursor ends on the second tincture and the
// tincture's follow-up goes on from there. Whether it was read.
bool PatternedChargeRule(DrawingState& state);
// W0 is "and" and a tincture after "a bordure nebuly argent": the bordure is of the two
// tinctures divided along its line, the first outside. The cursor ends after them. Whether read.
bool BordureOfTwoRule(DrawingState& state);
// At word `at`, after a detail word: "per pale argent and gules" (or "... and second", a named
// tincture by its place). The detail is drawn in both, split down the middle of each detail (or
// across it, per fess). Returns the index of the last word read, or -1 when the words do not
// say that; `first` is then the detail's tincture.
int ReadPartedDetail(DrawingState& state, int at, int& first);

}  // namespace phrase

// Draws the current level (as ArrangeLevel does) in its tincture and in partedTincture, each
// kept in its own part: the halves of the shield, the pieces of a pattern across each charge, or
// the halves of each charge's detail; clears partedTincture.
void DrawPartedLevel(DrawingState& state);
// Places the current level on each charge of the level before ("a dragon charged with a bowl
// per pale Or and gules"); with a partedTincture each placed charge is parted through its own
// middle (it was painted in the first tincture alone), and partedTincture is cleared.
void PlaceOnPreviousChargesParted(DrawingState& state);
// Draws the current level, an ordinary, and over it fretty in frettyTincture, kept to the
// ordinary's pixels; clears frettyTincture.
void DrawFrettyOrdinary(DrawingState& state);

}  // namespace esc
