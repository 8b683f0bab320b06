// Fur, semé and vair patterns, and the row painter.
//
//   28-row tile: 48 columns. Word 2 covers columns 0-15, word 1 columns 17-32, word 0
//   columns 33-47; alternate 28-row bands are shifted by 24 columns.
//   Vair: 16-row bands, 19-column repeat, alternate bands shifted by 10 columns.

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace esc {
namespace {

constexpr int kTileRows = 28, kFirstTileRow = 4, kLastTileRow = 24;
using TileRows = std::array<std::array<std::uint16_t, 3>, kLastTileRow - kFirstTileRow + 1>;

// Rows 4 to 24 of each tile (word 0, word 1, word 2); all other rows are empty.
constexpr std::size_t kTileCount = 6;
constexpr std::array<TileRows, kTileCount> kTiles = {{
    // ErmineSpot
    {{
        {0x0380, 0x0000, 0x0000},  // row 4
        {0x07C0, 0x0000, 0x0000},  // row 5
        {0x0380, 0x0000, 0x0000},  // row 6
        {0x0000, 0x0000, 0x0000},  // row 7
        {0x1010, 0x0000, 0x0000},  // row 8
        {0x3938, 0x0000, 0x0000},  // row 9
        {0x1390, 0x0000, 0x0000},  // row 10
        {0x0380, 0x0000, 0x0000},  // row 11
        {0x0380, 0x0000, 0x0000},  // row 12
        {0x07C0, 0x0000, 0x0000},  // row 13
        {0x07C0, 0x0000, 0x0000},  // row 14
        {0x07C0, 0x0000, 0x0000},  // row 15
        {0x07C0, 0x0000, 0x0000},  // row 16
        {0x0FE0, 0x0000, 0x0000},  // row 17
        {0x0FE0, 0x0000, 0x0000},  // row 18
        {0x07C0, 0x0000, 0x0000},  // row 19
        {0x07C0, 0x0000, 0x0000},  // row 20
        {0x0380, 0x0000, 0x0000},  // row 21
        {0x0380, 0x0000, 0x0000},  // row 22
        {0x0380, 0x0000, 0x0000},  // row 23
        {0x0100, 0x0000, 0x0000},  // row 24
    }},
    // Guttee
    {{
        {0x0000, 0x0100, 0x0000},  // row 4
        {0x0000, 0x0300, 0x0000},  // row 5
        {0x0000, 0x0600, 0x0000},  // row 6
        {0x0000, 0x0E00, 0x0000},  // row 7
        {0x0000, 0x0E00, 0x0000},  // row 8
        {0x0000, 0x0700, 0x0000},  // row 9
        {0x0000, 0x0700, 0x0000},  // row 10
        {0x0000, 0x0780, 0x0000},  // row 11
        {0x0000, 0x0F80, 0x0000},  // row 12
        {0x0000, 0x0FC0, 0x0000},  // row 13
        {0x0000, 0x1FC0, 0x0000},  // row 14
        {0x0000, 0x1FC0, 0x0000},  // row 15
        {0x0000, 0x3FE0, 0x0000},  // row 16
        {0x0000, 0x3FE0, 0x0000},  // row 17
        {0x0000, 0x1FC0, 0x0000},  // row 18
        {0x0000, 0x1FC0, 0x0000},  // row 19
        {0x0000, 0x0F80, 0x0000},  // row 20
        {0x0000, 0x0600, 0x0000},  // row 21
        {0x0000, 0x0000, 0x0000},  // row 22
        {0x0000, 0x0000, 0x0000},  // row 23
        {0x0000, 0x0000, 0x0000},  // row 24
    }},
    // Billettee
    {{
        {0x0000, 0xFFF0, 0x0000},  // row 4
        {0x0000, 0xFFF0, 0x0000},  // row 5
        {0x0000, 0xFFF0, 0x0000},  // row 6
        {0x0000, 0xFFF0, 0x0000},  // row 7
        {0x0000, 0xFFF0, 0x0000},  // row 8
        {0x0000, 0xFFF0, 0x0000},  // row 9
        {0x0000, 0xFFF0, 0x0000},  // row 10
        {0x0000, 0xFFF0, 0x0000},  // row 11
        {0x0000, 0xFFF0, 0x0000},  // row 12
        {0x0000, 0xFFF0, 0x0000},  // row 13
        {0x0000, 0xFFF0, 0x0000},  // row 14
        {0x0000, 0xFFF0, 0x0000},  // row 15
        {0x0000, 0xFFF0, 0x0000},  // row 16
        {0x0000, 0xFFF0, 0x0000},  // row 17
        {0x0000, 0xFFF0, 0x0000},  // row 18
        {0x0000, 0xFFF0, 0x0000},  // row 19
        {0x0000, 0xFFF0, 0x0000},  // row 20
        {0x0000, 0xFFF0, 0x0000},  // row 21
        {0x0000, 0x0000, 0x0000},  // row 22
        {0x0000, 0x0000, 0x0000},  // row 23
        {0x0000, 0x0000, 0x0000},  // row 24
    }},
    // Bezantee
    {{
        {0x0000, 0x0000, 0x0000},  // row 4
        {0x0FF0, 0x0000, 0x0000},  // row 5
        {0x1FF8, 0x0000, 0x0000},  // row 6
        {0x3FFC, 0x0000, 0x0000},  // row 7
        {0x7FFE, 0x0000, 0x0000},  // row 8
        {0xFFFF, 0x0000, 0x0000},  // row 9
        {0xFFFF, 0x0000, 0x0000},  // row 10
        {0xFFFF, 0x0000, 0x0000},  // row 11
        {0xFFFF, 0x0000, 0x0000},  // row 12
        {0x7FFE, 0x0000, 0x0000},  // row 13
        {0x3FFC, 0x0000, 0x0000},  // row 14
        {0x1FF8, 0x0000, 0x0000},  // row 15
        {0x0FF0, 0x0000, 0x0000},  // row 16
        {0x0000, 0x0000, 0x0000},  // row 17
        {0x0000, 0x0000, 0x0000},  // row 18
        {0x0000, 0x0000, 0x0000},  // row 19
        {0x0000, 0x0000, 0x0000},  // row 20
        {0x0000, 0x0000, 0x0000},  // row 21
        {0x0000, 0x0000, 0x0000},  // row 22
        {0x0000, 0x0000, 0x0000},  // row 23
        {0x0000, 0x0000, 0x0000},  // row 24
    }},
    // Crusilly
    {{
        {0x0180, 0x0000, 0x0000},  // row 4
        {0x0180, 0x0000, 0x0000},  // row 5
        {0x07E0, 0x0000, 0x0000},  // row 6
        {0x07E0, 0x0000, 0x0000},  // row 7
        {0x0180, 0x0000, 0x0000},  // row 8
        {0x318C, 0x0000, 0x0000},  // row 9
        {0x318C, 0x0000, 0x0000},  // row 10
        {0xFFFF, 0x8000, 0x0000},  // row 11
        {0xFFFF, 0x8000, 0x0000},  // row 12
        {0x318C, 0x0000, 0x0000},  // row 13
        {0x318C, 0x0000, 0x0000},  // row 14
        {0x0180, 0x0000, 0x0000},  // row 15
        {0x07E0, 0x0000, 0x0000},  // row 16
        {0x07E0, 0x0000, 0x0000},  // row 17
        {0x0180, 0x0000, 0x0000},  // row 18
        {0x0180, 0x0000, 0x0000},  // row 19
        {0x0000, 0x0000, 0x0000},  // row 20
        {0x0000, 0x0000, 0x0000},  // row 21
        {0x0000, 0x0000, 0x0000},  // row 22
        {0x0000, 0x0000, 0x0000},  // row 23
        {0x0000, 0x0000, 0x0000},  // row 24
    }},
    // Crusilly fitchy: the crosslet's foot drawn out to a point instead of its last crossbar
    {{
        {0x0180, 0x0000, 0x0000},  // row 4
        {0x0180, 0x0000, 0x0000},  // row 5
        {0x07E0, 0x0000, 0x0000},  // row 6
        {0x07E0, 0x0000, 0x0000},  // row 7
        {0x0180, 0x0000, 0x0000},  // row 8
        {0x318C, 0x0000, 0x0000},  // row 9
        {0x318C, 0x0000, 0x0000},  // row 10
        {0xFFFF, 0x8000, 0x0000},  // row 11
        {0xFFFF, 0x8000, 0x0000},  // row 12
        {0x318C, 0x0000, 0x0000},  // row 13
        {0x318C, 0x0000, 0x0000},  // row 14
        {0x0180, 0x0000, 0x0000},  // row 15
        {0x0180, 0x0000, 0x0000},  // row 16
        {0x0180, 0x0000, 0x0000},  // row 17
        {0x0180, 0x0000, 0x0000},  // row 18
        {0x0180, 0x0000, 0x0000},  // row 19
        {0x0180, 0x0000, 0x0000},  // row 20
        {0x0100, 0x0000, 0x0000},  // row 21
        {0x0100, 0x0000, 0x0000},  // row 22
        {0x0000, 0x0000, 0x0000},  // row 23
        {0x0000, 0x0000, 0x0000},  // row 24
    }},}};

constexpr std::array<std::array<std::uint16_t, 2>, 16> kVairRows = {{
    {0x00E0, 0x0000}, {0x01F0, 0x0000}, {0x01F0, 0x0000}, {0x03F8, 0x0000},
    {0x03F8, 0x0000}, {0x07FC, 0x0000}, {0x07FC, 0x0000}, {0x07FC, 0x0000},
    {0x0FFE, 0x0000}, {0x0FFE, 0x0000}, {0x0FFE, 0x0000}, {0x1FFF, 0x0000},
    {0x1FFF, 0x0000}, {0x3FFF, 0x8000}, {0x3FFF, 0x8000}, {0xFFFF, 0xC000},
}};

constexpr bool Bit(std::uint16_t word, int n) { return n >= 0 && n < 16 && (word & (0x8000u >> n)) != 0; }

// The bit of tile column `column` (0..47): n starts at the column and word 2, and moves one word
// down for every 16 it exceeds 16.
constexpr bool TileWordBit(Tile tile, int row, int column) {
    if (row < kFirstTileRow || row > kLastTileRow || column < 0 || column >= 48) return false;
    int n = column, w = 2;
    while (n > 16) { --w; n -= 16; }
    return Bit(kTiles[static_cast<std::size_t>(tile)][static_cast<std::size_t>(row - kFirstTileRow)][static_cast<std::size_t>(w)], n);
}

constexpr bool VairWordBit(int row, int column) {
    if (row < 0 || row >= 16 || column < 0 || column >= 19) return false;
    int n = column, w = 0;
    if (n > 15) { w = 1; n -= 16; }
    return Bit(kVairRows[static_cast<std::size_t>(row)][static_cast<std::size_t>(w)], n);
}

// The tables spelled out one flag per pixel, so the painter looks each pixel up directly.
using TileMask = std::array<std::array<bool, 48>, kTileRows>;
constexpr std::array<TileMask, kTileCount> kTileMasks = [] {
    std::array<TileMask, kTileCount> masks{};
    for (int t = 0; t < static_cast<int>(kTileCount); ++t)
        for (int r = 0; r < kTileRows; ++r)
            for (int c = 0; c < 48; ++c)
                masks[static_cast<std::size_t>(t)][static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = TileWordBit(static_cast<Tile>(t), r, c);
    return masks;
}();
constexpr std::array<std::array<bool, 19>, 16> kVairMask = [] {
    std::array<std::array<bool, 19>, 16> mask{};
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 19; ++c) mask[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = VairWordBit(r, c);
    return mask;
}();

}  // namespace

bool TileBit(Tile tile, int row, int column) {
    if (row < 0 || row >= kTileRows || column < 0 || column >= 48) return false;
    return kTileMasks[static_cast<std::size_t>(tile)][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

bool VairBit(int row, int column) {
    if (row < 0 || row >= 16 || column < 0 || column >= 19) return false;
    return kVairMask[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace esc
