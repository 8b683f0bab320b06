#include "interpret/phrase/HalvesWithCharges.h"

#include <string_view>
#include <vector>

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {


// An article or a count: where a half's charges begin.
bool ChargesBegin(const DrawingState& s, int i) {
    return WordIs(s, i, "a") || WordIs(s, i, "an") || (i < s.wordCount && s.Type(i) == kTypeNumber);
}

// Whether the phrase from `from` up to `to` (not included) names charges and no ordinary, or
// (`oneOrdinary`) one ordinary alone ("argent a cross gules"), which is drawn within its part.
bool HalfHoldsOneOrdinaryAlone(const DrawingState& s, int from, int to) {
    if (!(WordIs(s, from, "a") || WordIs(s, from, "an")) || s.Type(from + 1) != kTypeOrdinary) return false;
    for (int i = from + 2; i < to; ++i)
        if (s.Type(i) != kTypeTincture && s.Type(i) != kTypeLine) return false;
    return true;
}

bool OnlyCharges(const DrawingState& s, int from, int to, bool oneOrdinary) {
    if (oneOrdinary && HalfHoldsOneOrdinaryAlone(s, from, to)) return true;
    bool named = false;
    for (int i = from; i < to; ++i) {
        const int type = s.Type(i);
        // An ordinary's word after "charged with" names a charge lying on one: "a roundel charged
        // with a cross".
        const bool onACharge = named && type == kTypeOrdinary && (WordIs(s, i - 1, "a") || WordIs(s, i - 1, "an")) &&
                               WordIs(s, i - 2, "with") && WordIs(s, i - 3, "charged");
        if ((type == kTypeOrdinary && !onACharge) || type == kTypeNotFound) return false;
        if (type == kTypeCharge || type == kTypeRoundel || IsOtherChargeWord(type)) named = true;
    }
    return named;
}

// "of the first", "of the second", "of the last" right after "and": a tincture named before
// `at`, its word; empty when the words name none.
std::string_view OfTheNamed(const DrawingState& s, int at) {
    if (!WordIs(s, at + 1, "of") || !WordIs(s, at + 2, "the")) return {};
    std::vector<std::string_view> named;
    for (int i = 0; i < at; ++i)
        if (s.Type(i) == kTypeTincture) named.push_back(s.Word(i));
    const std::string_view places[] = {"first", "second", "third"};
    for (std::size_t k = 0; k < 3; ++k)
        if (WordIs(s, at + 3, places[k])) return k < named.size() ? named[k] : std::string_view{};
    return WordIs(s, at + 3, "last") && !named.empty() ? named.back() : std::string_view{};
}

// The places of the two halves of a field parted in two, as the words after "per" name the
// partition; the number of those words, 0 when they name no partition of two halves.
struct HalfPlaces {
    int words = 0;
    std::string_view first, second;
    bool ordinaryWithin = false;  // an ordinary alone in a part is drawn within it
};

HalfPlaces PlacesOfTheHalves(const DrawingState& s) {
    if (!WordIs(s, 0, "per") || s.wordCount < 2 || s.Type(1) != kTypeOrdinary) return {};
    switch (static_cast<ShapeCode>(s.Sub1(1))) {
        case ShapeCode::kPale: return {2, "dexterhalf", "sinisterhalf", true};
        case ShapeCode::kFess: return {2, "chief", "base", true};
        case ShapeCode::kChevron: return {2, "chief", "base"};
        case ShapeCode::kBend:
            // The first tincture lies above the line of the bend, the second below it.
            if (s.wordCount > 2 && s.Type(2) == kTypeOrdinary && static_cast<ShapeCode>(s.Sub1(2)) == ShapeCode::kBendSinister)
                return {3, "dexterchief", "sinisterbase"};
            return {2, "sinisterchief", "dexterbase"};
        default: return {};
    }
}

}  // namespace

std::optional<HalvesRewritten> HalvesWithTheirCharges(const DrawingState& s) {
    // "per pale" (fess, bend, bend sinister, chevron), its line if any, the first half's
    // tincture, then its charges.
    const HalfPlaces places = PlacesOfTheHalves(s);
    if (places.words == 0) return std::nullopt;
    int first = places.words;
    while (first < s.wordCount && s.Type(first) == kTypeLine) ++first;
    if (first >= s.wordCount || s.Type(first) != kTypeTincture || !ChargesBegin(s, first + 1)) return std::nullopt;
    // The "and" that opens the second half: a tincture (or one named before) and its charges.
    for (int j = first + 2; j < s.wordCount; ++j) {
        if (!WordIs(s, j, "and")) continue;
        const std::string_view named = OfTheNamed(s, j);
        const bool tincture = j + 1 < s.wordCount && s.Type(j + 1) == kTypeTincture;
        const int after = named.empty() ? j + 2 : j + 4;
        if (!(tincture || !named.empty()) || !ChargesBegin(s, after)) continue;
        if (!OnlyCharges(s, first + 1, j, places.ordinaryWithin)) return std::nullopt;
        // The second half's charges run to the next "and" or "within", or the end.
        int end = after;
        while (end < s.wordCount && !WordIs(s, end, "within") && !(end > after && WordIs(s, end, "and"))) ++end;
        if (!OnlyCharges(s, after, end, places.ordinaryWithin)) return std::nullopt;
        HalvesRewritten rewritten;
        rewritten.ordinaryAlone = places.ordinaryWithin && (HalfHoldsOneOrdinaryAlone(s, first + 1, j) ||
                                                            HalfHoldsOneOrdinaryAlone(s, after, end));
        // A third "and" with a tincture and charges: a field of two halves cannot hold it, so
        // which "and" opens the second half is in doubt.
        for (int k = end; k + 2 < s.wordCount; ++k)
            if (WordIs(s, k, "and") && s.Type(k + 1) == kTypeTincture && ChargesBegin(s, k + 2)) {
                rewritten.doubts.push_back(msg::kPartsNotToldApart);
                break;
            }
        std::string& out = rewritten.words;
        auto add = [&](std::string_view word) {
            if (!out.empty()) out += ' ';
            out += word;
        };
        for (int i = 0; i <= first; ++i) add(s.Word(i));
        add("and");
        add(named.empty() ? s.Word(j + 1) : named);
        add("in");
        add(places.first);
        for (int i = first + 1; i < j; ++i) add(s.Word(i));
        add("in");
        add(places.second);
        for (int i = after; i < s.wordCount; ++i) add(s.Word(i));
        return rewritten;
    }
    return std::nullopt;
}

}  // namespace esc
