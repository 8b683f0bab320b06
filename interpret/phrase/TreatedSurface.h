#pragma once
// Surfaces whose treatment is more than one tincture: a field whose parts are divided or
// patterned in turn ("per fess azure and paly or and gules"), and an ordinary divided or
// patterned ("a canton per fess or and gules", "a cross quarterly or and gules", "a pall barry
// argent and azure", "a bordure gobony argent and azure"). The treatment is read by
// ReadTreatment and painted by PaintSurface within the surface's own pixels.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The field at word 0, when it is a division or pattern with a part that is itself divided or
// patterned (the field parser's own forms draw the rest). Whether it was read and painted; the
// cursor then stands after it.
bool TreatedField(DrawingState& state);

namespace phrase {

// W0 begins the treatment of the current level, an ordinary or charges not yet tinctured (for
// charges, one the parted charges' own means do not draw): the treatment is kept for the level
// and its first tincture becomes the level's. Whether it was read.
bool TreatedLevelRule(DrawingState& state);

}  // namespace phrase

struct TreatmentReading;
// A treatment read from word `at` whose words broke off is said, naming the word no part could take.
void TellUnplaced(DrawingState& state, const TreatmentReading& reading, int at);

// Whether the current level carries a treatment of more than one tincture.
bool LevelIsTreated(const DrawingState& state);
// A treatment the current level kept that no drawing used is said and forgotten.
void ForgetUndrawnTreatment(DrawingState& state);
// Draws the current level (as ArrangeLevel does) in its first tincture, then its treatment over
// exactly the pixels of the ordinary, or of each charge's body laid in that charge's box; the
// level's treatment is then cleared.
void DrawTreatedLevel(DrawingState& state);

}  // namespace esc
