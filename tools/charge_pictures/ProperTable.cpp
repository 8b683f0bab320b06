#include "ProperTable.h"

#include <array>
#include <sstream>
#include <vector>

namespace charge_pictures {

namespace {

// The tinctures a part can be painted in, by their codes.
constexpr std::array<std::string_view, 7> kTinctures = {"or", "argent", "gules", "azure", "sable", "vert", "purpure"};

Checked<std::uint8_t> PartByte(const std::string& word) {
    Checked<std::uint8_t> result;
    if (word == "-") return result;
    for (std::size_t code = 0; code < kTinctures.size(); ++code) {
        if (word == kTinctures[code]) {
            result.value = static_cast<std::uint8_t>(code + 1);
            return result;
        }
    }
    result.error = "\"" + word + "\" is not a tincture (or, argent, gules, azure, sable, vert, purpure) nor \"-\"";
    return result;
}

}  // namespace

Checked<ProperTable> ParseProperTable(std::string_view text) {
    Checked<ProperTable> result;
    std::istringstream lines{std::string(text)};
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (const std::size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;) words.push_back(word);
        if (words.empty()) continue;
        auto fail = [&](const std::string& why) {
            result.error = "line " + std::to_string(number) + ": " + why;
            return result;
        };
        if (words.size() != 4) return fail("wants a drawing and three parts, found " + std::to_string(words.size()) + " words");
        ProperColours colours;
        std::uint8_t* const parts[] = {&colours.o1, &colours.o2, &colours.o3};
        for (int i = 0; i < 3; ++i) {
            const Checked<std::uint8_t> byte = PartByte(words[static_cast<std::size_t>(i) + 1]);
            if (!byte.ok()) return fail(byte.error);
            *parts[i] = byte.value;
        }
        if (!result.value.emplace(words[0], colours).second) return fail("the drawing " + words[0] + " is named twice");
    }
    return result;
}

}  // namespace charge_pictures
