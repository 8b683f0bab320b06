#pragma once
// "Argent a cross patonce voided gules", "a mullet voided sable": a charge voided shows the field
// through it, leaving a narrow edge of its tincture (the word was read and the charge painted
// solid).

#include "engine/Bitmap.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The edge left round a charge voided: its smaller side divided by this, and never narrower than
// the minimum, in pixels.
inline constexpr int kVoidedChargeEdgeDivisor = 30;
inline constexpr int kMinVoidedChargeEdge = 6;
// The voided field mark of a charge voided over a field of more than one tincture ("per bend
// azure and argent, a Latin cross voided and counterchanged"): through the inside shows what lay
// under each of its pixels before the charge was painted.
inline constexpr int kVoidedOverWhatLiesUnder = -2;

// At "voided" under the cursor after a charge: reads it when the charge can be voided here (a
// picture on a plain field of one tincture, no ordinary under it), so that each charge of the
// level is voided as it is painted; leaves it unread otherwise, for the drawing to say so. The
// cursor stays on the word.
void ReadVoidedCharge(DrawingState& state);
// "a mullet voided and interlaced": after a charge read voided, the strokes of its outline
// woven over and under each other, which no picture shows. The words are read, the charge drawn
// voided and that told. False, reading nothing, anywhere else.
bool InterlacedAfterVoidedRule(DrawingState& state);
// Voids the charge just painted (its box in paintedBox) when its level was read voided: the
// pixels of its drawing farther than the edge from its outside are painted in the field's
// tincture, with the charge's outline round them. Over a field of several tinctures `under` is
// the picture as it was before the charge was painted: the charge's pixels are those that
// changed, and its inside takes back the tincture each pixel had.
void VoidPaintedCharge(DrawingState& state, const Bitmap* under = nullptr);

}  // namespace esc
