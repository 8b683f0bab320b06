#pragma once
// The fixed texts the drawing code shows the user.

#include <string_view>

namespace esc::msg {

inline constexpr std::string_view kColorOrPartitionRequired = "Color or partition required.";
inline constexpr std::string_view kPartitionExpected = "Partition expected.";
inline constexpr std::string_view kExpectingAColor = "Expecting a color.";
inline constexpr std::string_view kExpectingAnd = "Expecting 'and'.";
inline constexpr std::string_view kExpectingSecondColor = "Expecting second color.";
inline constexpr std::string_view kExpectingANumber = "Expecting a number.";
inline constexpr std::string_view kMarshallingNotDrawn = "Marshalled arms (impaled or quartered) cannot be drawn yet.";
inline constexpr std::string_view kTooManyRepeatedOrdinaries =
    "At most six bars, pallets, bendlets, chevronels or piles can be drawn.";
// "{}" stands for the count.
inline constexpr std::string_view kNoLayoutForCount = "No layout places {} charges here.";
inline constexpr std::string_view kOutOfMemoryPicbuf = "Out of memory - picbuf";
inline constexpr std::string_view kNoColorbuf = "NO colorbuf";
inline constexpr std::string_view kOutOfBounds2 = "Out of bounds 2";
inline constexpr std::string_view kOutOfBounds3 = "Out of bounds 3";
inline constexpr std::string_view kOutOfBounds5 = "Out of bounds 5";

}  // namespace esc::msg
