// The room a later label leaves on the field.

#include "interpret/BelowTheLabel.h"

#include "engine/OrdinaryShapes.h"
#include "interpret/Vocabulary.h"

namespace esc {

int RoomTopBelowALaterLabel(const DrawingState& s) {
    // One charge alone keeps the whole field, the label lying over its head as heralds draw it.
    if (s.level != 0 || s.levels[0].levelCount < 2 || s.levels[0].levelLine == kSemeLevelLine) return 0;
    for (int i = s.levelFirstWord + 1; i < s.wordCount; ++i) {
        if (s.Type(i) != kTypeOrdinary) continue;
        // A label on a chief lies within the chief, whatever room the chief leaves.
        if (s.Sub1(i) == ShapeCode::kChief) return 0;
        if (s.Sub1(i) == ShapeCode::kLabel) return shapes::LabelShapeOf(s.geometry, kDefaultLabelPoints).pointBottom + kClearOfTheLabel;
    }
    return 0;
}

}  // namespace esc
