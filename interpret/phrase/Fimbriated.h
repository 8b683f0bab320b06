#pragma once
// "fimbriated": the narrow edge of another tincture round an ordinary or a charge.

#include <string>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At "fimbriated" under the cursor: marks the ordinary fimbriated and moves past the word, the
// tincture after it left to the caller (false). After a charge the edge's tincture is read here,
// the one after the word or else the next named, and true returned when the word after was that
// tincture; a roundel, drawn as a disc, gets no edge, and the word is left unread so that the
// drawing says so.
bool ReadFimbriated(DrawingState& state);
// After the edge's tincture: "and" and a second tincture give a second edge outside the first
// ("a saltire gules fimbriated argent and or"), read here.
void ReadOuterFimbriation(DrawingState& state);
// "a pale azure fimbriated between two foxes Or", "on a pale gules fimbriated, a rapier Or": no
// tincture after the word, so the edge takes the next tincture the blazon names.
void FimbriationFromLaterTincture(DrawingState& state);

// Paints the edge of the current level's charge at the placement point, when it is fimbriated:
// the picture's silhouette in the edge's tincture, shifted a few pixels each way, under the
// charge that is painted next. `name` is the picture's name as PlaceCharge tries it.
void PaintChargeFimbriation(DrawingState& state, const ChargeSpot& spot, const std::string& name);

}  // namespace esc
