#pragma once
// Text operations on blazon texts. Case folding is plain single-byte folding of a..z; every
// operation that grows a text refuses to pass its capacity and reports that it did nothing.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

// One byte in ASCII upper or lower case (other bytes as they are), and whether it is a digit.
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

inline constexpr std::size_t kNoCapacityLimit = static_cast<std::size_t>(-1);

std::optional<std::size_t> FindIgnoringCase(std::string_view text, std::string_view pattern, std::size_t from = 0);
std::optional<std::size_t> FindExact(std::string_view text, std::string_view pattern, std::size_t from = 0);
bool ContainsIgnoringCase(std::string_view text, std::string_view pattern);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Whether the word is one of the alternatives written "with|by|of", ignoring case.
bool EqualsOneOfIgnoringCase(std::string_view word, std::string_view alternatives);
std::string ToLower(std::string_view text);

bool DeleteFirstIgnoringCase(std::string& text, std::string_view pattern);
bool DeleteFirstExact(std::string& text, std::string_view pattern);
bool DeleteAllExact(std::string& text, std::string_view pattern);
bool InsertText(std::string& text, std::string_view insert, std::size_t offset, std::size_t capacity = kNoCapacityLimit);
bool ReplaceFirstIgnoringCase(std::string& text, std::size_t from, std::string_view pattern,
                              std::string_view replacement, std::size_t capacity = kNoCapacityLimit);
// Replaces every occurrence, searching on from the start of each inserted replacement. An
// occurrence whose replacement would pass the capacity is left as it is.
bool ReplaceAllIgnoringCase(std::string& text, std::string_view pattern, std::string_view replacement,
                            std::size_t capacity = kNoCapacityLimit);
// As ReplaceAllIgnoringCase, but only where the pattern stands as whole words: a pattern that
// begins with a letter or digit begins a word (or follows "demi" at the start of one, a prefix
// the hyphen joined to it), and one that ends with a letter or digit ends a word, or is followed
// only by a plural "s" or "es" (which stays). "star" is met in "stars" but not in "starfish".
bool ReplaceWholeWordsIgnoringCase(std::string& text, std::string_view pattern, std::string_view replacement,
                                   std::size_t capacity = kNoCapacityLimit);

// The words of a respelled text, which blanks (spaces and tabs) part.
std::vector<std::string_view> BlankPartedWords(std::string_view text);

}  // namespace esc
