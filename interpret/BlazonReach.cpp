#include "interpret/BlazonReach.h"

#include "engine/Messages.h"
#include "interpret/marshal/MarshalledGrid.h"
#include "interpret/marshal/Marshalling.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/read/BlazonPieces.h"

namespace esc {

BlazonBound BoundOf(std::string_view blazon) {
    // A text with "Quarterly" and a colon, an impalement or an escutcheon over all is marshalled
    // and read as one text, each part in pieces of its own; only what stands outside brackets
    // decides it.
    if (MarshalledRoadOf(blazon.substr(0, kMaxMarshalledChars)) != MarshalledRoad::Single) {
        const BlazonReach reach = blazon.size() > static_cast<std::size_t>(kMaxMarshalledChars) ? BlazonReach::PastTheMarshalledText
                                                                                               : BlazonReach::Whole;
        return {reach, static_cast<std::size_t>(kMaxMarshalledChars)};
    }
    const BlazonBound whole{BlazonReach::Whole, static_cast<std::size_t>(kMaxReadBlazonChars)};
    if (FitsOneReading(blazon, kMaxBlazonChars, kMaxWords)) return whole;
    const PieceFits fits = [](std::string_view piece) { return FitsOneReading(piece, kMaxBlazonChars, kMaxWords); };
    if (CutIntoPieces(blazon, fits, kMaxBlazonPieces).unread.empty()) return whole;
    return {BlazonReach::PastThePieces, whole.maxChars};
}

std::string PastTheBoundMessage(std::string_view blazon, PastTheBound what) {
    const BlazonBound bound = BoundOf(blazon);
    std::string text;
    switch (bound.reach) {
        case BlazonReach::Whole: return text;
        case BlazonReach::PastThePieces: text = msg::BlazonPastThePieces(blazon.size(), kMaxBlazonPieces); break;
        case BlazonReach::PastTheMarshalledText: text = msg::MarshalledTextPastItsBound(blazon.size(), bound.maxChars); break;
    }
    if (what == PastTheBound::Refused) text += msg::kShortenAndDrawAgain;
    return text;
}

}  // namespace esc
