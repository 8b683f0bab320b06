#pragma once
// Text encodings, in one place for every reader and writer of text: UTF-8 checked, decoded and
// written, and the Windows Western code page (the encoding of older text files) read into UTF-8.
// Well-formed UTF-8 has no overlong forms, no surrogates and nothing past U+10FFFF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The length (1 to 4) of the well-formed UTF-8 sequence that `text` begins with, or 0 when it
// begins with none (empty, a continuation byte, a malformed or cut-short sequence).
[[nodiscard]] std::size_t Utf8SequenceLength(std::string_view text);
[[nodiscard]] bool IsValidUtf8(std::string_view text);
[[nodiscard]] inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
// Number of characters (code points) of valid UTF-8 text.
[[nodiscard]] std::size_t Utf8Length(std::string_view text);

// The characters of `text`; each byte that does not belong to a well-formed sequence becomes
// U+FFFD, and `invalid`, when given, says whether there was one.
[[nodiscard]] std::vector<char32_t> DecodeUtf8(std::string_view text, bool* invalid = nullptr);
// Appends `c` as UTF-8; a surrogate or a value past U+10FFFF is written as U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

// The character a byte stands for in the Windows Western code page. The five bytes the page
// leaves unused are read as the control character of the same value.
[[nodiscard]] char32_t FromWindows1252(unsigned char byte);
[[nodiscard]] bool IsUnusedInWindows1252(unsigned char byte);
// Every byte of `text` read in the Western code page, as UTF-8.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view text);
// Text as valid UTF-8: kept as it is when it already is, otherwise read in the Western code page.
[[nodiscard]] std::string TextAsUtf8(std::string_view text);

}  // namespace esc
