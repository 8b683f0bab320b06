#pragma once
// Fills the model of the arms as the phrase interpreter reads: the field once it is painted,
// then each level as it is completed, as a group of its own or as a member of the group before,
// with the relations its words and flags name.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Starts the model of this drawing: the field as it was painted.
void RecordField(DrawingState& state);
// Adds the current level, just laid out, to the model.
void RecordLevel(DrawingState& state);
// Adds the cotises just read to the ordinary of the level before, whose group is already recorded.
void RecordCotises(DrawingState& state);

}  // namespace esc
