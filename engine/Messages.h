#pragma once
// The fixed texts the drawing code shows the user.

#include <string_view>

namespace esc::msg {

inline constexpr std::string_view kColorOrPartitionRequired = "Color or partition required.";
// "{}" stands for the first word, which the vocabulary does not hold.
inline constexpr std::string_view kFieldWordNotRead = "Color or partition required: '{}' was not read.";
inline constexpr std::string_view kPartitionExpected = "Partition expected.";
inline constexpr std::string_view kExpectingAColor = "Expecting a color.";
inline constexpr std::string_view kExpectingAnd = "Expecting 'and'.";
inline constexpr std::string_view kExpectingSecondColor = "Expecting second color.";
inline constexpr std::string_view kExpectingANumber = "Expecting a number.";
// Marshalled texts ("X impaling: Y", "Quarterly 1&4: A 2&3: B"). The labels are compared exactly.
inline constexpr std::string_view kExpectingColon = "Improper format! - Expecting':'";
inline constexpr std::string_view kExpectingSecondColon = "Improper format! - Expecting second':'";
inline constexpr std::string_view kExpectingLabel1 = "Improper format! - Expecting '1:' or '1&4:'";
inline constexpr std::string_view kExpectingLabel2 = "Improper format! - Expecting '2:' or '2&3:'";
// A label "2" (or "1") calls for a third (or fourth) part that the text does not hold.
inline constexpr std::string_view kExpectingLabel3 = "Improper format! - Expecting '3:'";
inline constexpr std::string_view kExpectingLabel4 = "Improper format! - Expecting '4:'";
inline constexpr std::string_view kEmptyPart = "Improper format! - A part has no blazon";
inline constexpr std::string_view kPartTooLong = "Improper format! - A part is longer than 199 characters";
inline constexpr std::string_view kTooManyRepeatedOrdinaries =
    "At most six bars, pallets, bendlets, chevronels or piles can be drawn.";
// "{}" stands for the count.
inline constexpr std::string_view kNoLayoutForCount = "No layout places {} charges here.";
// "{}" stands for the charge's name: a pair combatant is drawn rampant, and this one has no
// rampant picture.
inline constexpr std::string_view kNoRampantPicture = "No picture of the {} rampant: the pair is drawn standing.";
inline constexpr std::string_view kOutOfMemoryPicbuf = "Out of memory - picbuf";
inline constexpr std::string_view kNoColorbuf = "NO colorbuf";
inline constexpr std::string_view kOutOfBounds2 = "Out of bounds 2";
inline constexpr std::string_view kOutOfBounds3 = "Out of bounds 3";
inline constexpr std::string_view kOutOfBounds5 = "Out of bounds 5";

}  // namespace esc::msg
