#pragma once
// "Or, a crown within a laurel wreath vert", "a battleaxe environed of a maunch", "within a vol
// an eagle's head": the charge about takes the space one charge alone would have, and the
// charges within stand in its free interior (a wreath's middle, the room between a crescent's
// horns), as large as it holds them. An annulet has a layout of its own.

#include <optional>
#include <string>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The picture named by the charge words that begin at word `first` ("laurel wreath", "vol"),
// when one exists and is not an annulet's: the name a level reading those words takes.
std::optional<std::string> SurroundingPictureAt(const DrawingState& state, int first);

// Whether the phrase being read when "within" a picture is met can be drawn so: one to
// kMaxWithinTheRing charges standing free as the first phrase, or no phrase yet (the charge
// about written first). Charges on an ordinary, in a part of the field or after other phrases
// are not, and the relation words are left unread.
bool CanStandWithinAPicture(const DrawingState& state);

// Whether level 1 is being read after a charge about written first ("within a vol an
// eagle's head"): level 0 is that charge, opened by the relation words.
bool ChargeAboutWrittenFirst(const DrawingState& state);

// Whether the phrase before the one about to open is one charge whose picture declares a room
// to hold what follows ("a birdcage Or, therein a bird azure").
bool HoldsWhatFollowsInItsRoom(const DrawingState& state);

// Draws the current level when it is one of a pair joined by "within" (or "environed of",
// "encircled by") whose outer charge is a picture with a free interior: the charges within in
// that interior, the outer charge about them. When the outer charge is reached and cannot hold
// the charges before it, says so (the pair is then drawn as other layouts draw it). False,
// drawing nothing, for any other level.
bool WithinAChargeLayout(DrawingState& state, int nextWord);

}  // namespace esc
