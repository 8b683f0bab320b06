#include "interpret/read/PassiveHold.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {

namespace {

// Not "supported by": after the arms it names their supporters.
constexpr std::array<std::string_view, 5> kPassiveHoldVerbs = {"grasped", "held", "maintained", "sustained", "gripped"};
// The words that open a phrase of charges: the held phrase begins at the last one before the verb.
constexpr std::array<std::string_view, 14> kPassiveHoldOpeners = {"a",    "an",   "one",  "two",  "three", "four", "five",
                                                                  "six",  "seven", "eight", "nine", "ten", "1",    "2"};
// Words that end the holder's phrase: another phrase, a place of the group, a joining word.
constexpr std::array<std::string_view, 14> kPassiveHoldStops = {"a",       "an",     "and",     "between", "within", "on",
                                                                "overall", "over",   "all",     "in",      "charged", "surmounted",
                                                                "each",    "holding"};
// At most this many words ("at the hilt", "by the blade") between the verb and "by".
constexpr std::size_t kPassiveHoldGripWords = 4;

template <std::size_t N>
bool PassiveHoldIn(std::string_view word, const std::array<std::string_view, N>& list) {
    for (std::string_view w : list)
        if (EqualsIgnoringCase(word, w)) return true;
    return false;
}

bool IsOpener(std::string_view word) {
    if (PassiveHoldIn(word, kPassiveHoldOpeners)) return true;
    return !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string> PassiveHoldWords(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text) {
        if (c == ' ') {
            if (!word.empty()) out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

// Rewrites the first passive hold found at or after `from`; the index past it, or 0.
std::size_t TurnOne(std::vector<std::string>& words, std::size_t from) {
    for (std::size_t verb = from; verb < words.size(); ++verb) {
        if (verb == 0 || !PassiveHoldIn(words[verb], kPassiveHoldVerbs)) continue;
        std::size_t by = verb + 1;
        while (by < words.size() && by <= verb + kPassiveHoldGripWords && !EqualsIgnoringCase(words[by], "by")) ++by;
        if (by >= words.size() || !EqualsIgnoringCase(words[by], "by")) continue;
        const std::size_t holderStart = by + 1;
        if (holderStart >= words.size() || !IsOpener(words[holderStart])) continue;
        std::size_t heldStart = verb;
        while (heldStart > 0 && !IsOpener(words[heldStart - 1])) --heldStart;
        if (heldStart == 0) continue;
        --heldStart;
        std::size_t holderEnd = holderStart + 1;
        while (holderEnd < words.size() && !PassiveHoldIn(words[holderEnd], kPassiveHoldStops)) ++holderEnd;
        if (holderEnd == holderStart + 1) continue;  // "by a" and nothing named
        std::vector<std::string> turned(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(heldStart));
        turned.insert(turned.end(), words.begin() + static_cast<std::ptrdiff_t>(holderStart),
                      words.begin() + static_cast<std::ptrdiff_t>(holderEnd));
        turned.emplace_back("grasping");
        // The words of the grip ("at the hilt") follow the verb, as the held phrase's own
        // words and tincture end it: "a hand grasping at the hilt a sword gules".
        turned.insert(turned.end(), words.begin() + static_cast<std::ptrdiff_t>(verb + 1),
                      words.begin() + static_cast<std::ptrdiff_t>(by));
        turned.insert(turned.end(), words.begin() + static_cast<std::ptrdiff_t>(heldStart),
                      words.begin() + static_cast<std::ptrdiff_t>(verb));
        const std::size_t next = turned.size();
        turned.insert(turned.end(), words.begin() + static_cast<std::ptrdiff_t>(holderEnd), words.end());
        words = std::move(turned);
        return next;
    }
    return 0;
}

}  // namespace

bool TurnPassiveHold(std::string& text) {
    std::vector<std::string> words = PassiveHoldWords(text);
    bool turned = false;
    for (std::size_t from = 0; (from = TurnOne(words, from)) != 0;) turned = true;
    if (!turned) return false;
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out += ' ';
        out += w;
    }
    text = out;
    return true;
}

}  // namespace esc
