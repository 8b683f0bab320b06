#pragma once
// Charges set on the charges painted before them rather than on the field: held in a paw, a beak
// or a hand, set above them (ensigned), round their middle (enfiled), and the whole group of a
// phrase laid on each of them ("each charged with as many mullets").

#include <string_view>
#include <vector>

#include "engine/Bitmap.h"
#include "interpret/phrase/AttachedPhrase.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/read/HoldingPoint.h"

namespace esc {

// Where a bearer's limb is on its picture, from the picture's centre in pixels per unit of its
// charge scale, for a bearer of a kind, picture and attitude: the first of the holding points
// (the vocabulary's) that fits; false when none does.
struct LimbPlace {
    float dx = 0.0f, dy = 0.0f;
};
bool FindLimbPlace(const std::vector<HoldingPoint>& rows, int kind, std::string_view name, std::string_view variant, Limb limb,
                   bool sinister, LimbPlace& out);

// Lays out the current level when the reader attached it to the charges before it; false when it
// did not. A held charge whose bearer has no known place to hold it is not drawn, and the user
// is told.
bool AttachedLayout(DrawingState& state);

// The current level's whole group on each charge of the level before (the count on each), inside
// the middle of each one's painted box. False, placing nothing, when the level is not so read.
bool GroupOnEachLayout(DrawingState& state);

}  // namespace esc
