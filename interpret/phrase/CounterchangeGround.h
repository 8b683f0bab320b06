#pragma once
// What a counterchanged charge exchanges: the two parts of the surface it lies on. Over a
// parted field that is the field's two tinctures wherever else in the blazon a tincture was
// named first ("per pale argent and gules, a bordure sable, three roundels counterchanged");
// a charge lying on a parted ordinary or on parted charges takes that host's two instead ("on a
// chief per pale gules and azure three mullets counterchanged"). On a plain field with no parted
// host the two are the first two tinctures named: the field and what lies on it.

#include <array>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The pair for the level about to be drawn, from the model read so far: the parted host it lies
// on, else the parted field, else the first two tinctures named.
std::array<int, 2> CounterchangeGroundOfLevel(const DrawingState& state);
// The pair for what lies on the field itself: the parted field's two, else the first two named.
std::array<int, 2> CounterchangeGroundOfField(const DrawingState& state);

}  // namespace esc
