#pragma once
// Which way the point of a pointed charge goes: as its picture is drawn (a sword point up, an
// arrow point down; the pictures are drawn point up or point down), or as the words turn it
// ("points upward", "point to the dexter"). The table of pointed pictures (a .points list in
// data/vocabulary, built into the vocabulary file by make_vocabulary) holds one code a charge word.

#include <cstdint>
#include <string_view>

namespace esc {

enum class PointWay : std::uint8_t { kNone = 0, kUp = 1, kDown = 2, kDexter = 3, kSinister = 4 };

// The way a picture is drawn as a .points list names it ("up", "down"); kNone for any other word.
constexpr PointWay DrawnPointNamed(std::string_view name) {
    if (name == "up") return PointWay::kUp;
    if (name == "down") return PointWay::kDown;
    return PointWay::kNone;
}

// The way a picture is drawn for a table's code; kNone for a code that is not up or down.
constexpr PointWay DrawnPointOfCode(int code) {
    return code == static_cast<int>(PointWay::kUp) || code == static_cast<int>(PointWay::kDown) ? static_cast<PointWay>(code)
                                                                                               : PointWay::kNone;
}

}  // namespace esc
