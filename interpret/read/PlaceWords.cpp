#include "interpret/read/PlaceWords.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {

// "of the second and first": two tinctures named by their places share one "of the". The
// second is given its own ("of the second and of the first") so that each is read as a tincture.
// True when the text changed.
bool GiveEachPlaceItsOfThe(std::string& text, std::size_t capacity) {
    static constexpr std::string_view kPlaces[] = {"first", "second", "third", "field", "last", "same"};
    static constexpr std::string_view kOfThe = "of the ";
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    // The place word at `at`, its length; 0 when none stands there as a whole word.
    const auto placeAt = [&](std::size_t at) -> std::size_t {
        for (std::string_view place : kPlaces) {
            const std::size_t end = at + place.size();
            if (end <= text.size() && EqualsIgnoringCase(std::string_view(text).substr(at, place.size()), place) &&
                (end == text.size() || !isLetter(text[end])))
                return place.size();
        }
        return 0;
    };
    bool any = false;
    for (std::size_t from = 0;;) {
        const auto at = FindIgnoringCase(text, kOfThe, from);
        if (!at) break;
        from = *at + kOfThe.size();
        if (*at > 0 && isLetter(text[*at - 1])) continue;
        const std::size_t first = placeAt(from);
        if (first == 0) continue;
        const std::size_t andAt = from + first + 1;
        static constexpr std::string_view kAnd = "and ";
        if (andAt + kAnd.size() > text.size() || text[andAt - 1] != ' ' ||
            !EqualsIgnoringCase(std::string_view(text).substr(andAt, kAnd.size()), kAnd))
            continue;
        const std::size_t second = andAt + kAnd.size();
        if (placeAt(second) == 0 || text.size() + kOfThe.size() > capacity) continue;
        text.insert(second, kOfThe);
        any = true;
    }
    return any;
}

// "in the first quarter a salmon, in the second a beacon, in the third ...": once a quarter is
// named with its word, the ordinals after "in the" name the quarters that follow, and each is
// written as the place that quarter is (the second quarter the sinister chief, the third the
// dexter base, the fourth the sinister base), as the first quarter is. Ordinals joined by "and"
// keep their one word at the end. True when the text changed.
bool GiveEachOrdinalItsQuarter(std::string& text, std::size_t capacity) {
    struct Quarter {
        std::string_view ordinal, place;
    };
    static constexpr Quarter kQuarters[] = {
        {"first", "dexterchief"}, {"second", "sinisterchief"}, {"third", "dexterbase"}, {"fourth", "sinisterbase"}};
    const auto quarterOf = [](std::string_view word) -> const Quarter* {
        for (const Quarter& q : kQuarters)
            if (EqualsIgnoringCase(word, q.ordinal)) return &q;
        return nullptr;
    };
    const auto isQuarter = [](std::string_view word) {
        return EqualsIgnoringCase(word, "quarter") || EqualsIgnoringCase(word, "quarters");
    };
    // The words as spans of the text: where each begins and how long it is.
    std::vector<std::pair<std::size_t, std::size_t>> words;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        words.emplace_back(i, end - i);
        i = end;
    }
    const auto word = [&](std::size_t k) {
        return k < words.size() ? std::string_view(text).substr(words[k].first, words[k].second) : std::string_view{};
    };
    bool quarterNamed = false;
    struct Rewrite {
        std::size_t from, length;  // "the" up to the end of the ordinal
        std::string_view place;
    };
    std::vector<Rewrite> rewrites;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (isQuarter(word(k)) && k > 0 && quarterOf(word(k - 1))) quarterNamed = true;
        if (!quarterNamed || !EqualsIgnoringCase(word(k), "in") || !EqualsIgnoringCase(word(k + 1), "the")) continue;
        const Quarter* quarter = quarterOf(word(k + 2));
        const std::string_view next = word(k + 3);
        if (!quarter || next.empty() || isQuarter(next) || EqualsIgnoringCase(next, "and")) continue;
        const std::size_t from = words[k + 1].first;
        rewrites.push_back({from, words[k + 2].first + words[k + 2].second - from, quarter->place});
    }
    // From the end, so that the spans before stay where they are; each as long as the text has room.
    bool any = false;
    for (auto r = rewrites.rbegin(); r != rewrites.rend(); ++r) {
        if (text.size() - r->length + r->place.size() > capacity) continue;
        text.replace(r->from, r->length, r->place);
        any = true;
    }
    return any;
}

}  // namespace esc
