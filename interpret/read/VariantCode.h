#pragma once
// The part of a picture's variant that one attitude or variant word adds (the Sub2 of its Type 9
// row): decimal digits ("rampant" 1, "guardant" 2: lion.12), or a code of one or two letters
// of its own. The forms of the cross are coded by letters ("pommy" po: cros.po, "pommy fitchy"
// cros.po7) so that no form's code is what two others compose: with digits only, "crosslet" 1
// and "anchory" 0 made the code of a form numbered 10.
//
// The word lists write a letter code as its letters; the vocabulary table holds it as a number
// from kLetterCodeBase up, which no digit code reaches.

#include <string>
#include <string_view>

namespace esc {

inline constexpr int kLetterCodeBase = 1000;
inline constexpr int kLetters = 27;  // 0 for no second letter, then a to z

// The table's number for one or two lower-case letters; -1 for anything else.
constexpr int LetterCode(std::string_view letters) {
    if (letters.empty() || letters.size() > 2) return -1;
    int code = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        int value = 0;
        if (i < letters.size()) {
            if (letters[i] < 'a' || letters[i] > 'z') return -1;
            value = letters[i] - 'a' + 1;
        }
        code = code * kLetters + value;
    }
    return kLetterCodeBase + code;
}

constexpr bool IsLetterCode(int sub2) { return sub2 >= kLetterCodeBase + kLetters && sub2 < kLetterCodeBase + kLetters * kLetters; }

// What a Sub2 adds to a variant: its letters, or its decimal digits.
inline std::string VariantText(int sub2) {
    if (!IsLetterCode(sub2)) return std::to_string(sub2);
    const int code = sub2 - kLetterCodeBase;
    std::string text(1, static_cast<char>('a' + code / kLetters - 1));
    if (code % kLetters != 0) text += static_cast<char>('a' + code % kLetters - 1);
    return text;
}

}  // namespace esc
