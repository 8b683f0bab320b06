// The edge profiles of the line styles. Each comment names the outline one repeat draws.

#include <algorithm>
#include <array>

#include "engine/OrdinaryShapes.h"
#include "engine/PartitionLine.h"

namespace esc {
namespace {

// 0: a narrow round-topped tooth.
constexpr std::uint16_t kStyle0[] = {0x0180, 0x0180, 0x03C0, 0x07E0, 0x07E0, 0x1FF8, 0xFFFE};

// 1: a half-round scallop.
constexpr std::uint16_t kStyle1[] = {0x07C0, 0x0FE0, 0x1FF0, 0x3FF8, 0x7FFC, 0x7FFC, 0xFFFE, 0xFFFE};

// 2, 3 and 16: a square merlon 20 wide (columns 15 to 34) with gaps of 25.
constexpr std::uint16_t kStyle2[] = {
    0x0001, 0xFFFF, 0xE000, 0x0001, 0xFFFF, 0xE000, 0x0001, 0xFFFF, 0xE000, 0x0001, 0xFFFF, 0xE000,
    0x0001, 0xFFFF, 0xE000, 0x0001, 0xFFFF, 0xE000, 0x0001, 0xFFFF, 0xE000, 0x0001, 0xFFFF, 0xE000,
    0x0001, 0xFFFF, 0xE000, 0xFFFF, 0xFFFF, 0xFFFC};

// 4 and 5: a triangle 31 wide and 16 deep, its apex at column 15.
constexpr std::uint16_t kStyle4[] = {
    0x0001, 0x0000, 0x0003, 0x8000, 0x0007, 0xC000, 0x000F, 0xE000, 0x001F, 0xF000, 0x003F, 0xF800,
    0x007F, 0xFC00, 0x00FF, 0xFE00, 0x01FF, 0xFF00, 0x03FF, 0xFF80, 0x07FF, 0xFFC0, 0x0FFF, 0xFFE0,
    0x1FFF, 0xFFF0, 0x3FFF, 0xFFF8, 0x7FFF, 0xFFFC, 0xFFFF, 0xFFFE};

// 6: a low wide arch; with the far edge its complement, the band waves.
constexpr std::uint16_t kStyle6[] = {
    0x0000, 0x003F, 0xFC00, 0x0000, 0x0000, 0x03FF, 0xFFC0, 0x0000, 0x0000, 0x1FFF, 0xFFF8, 0x0000,
    0x0001, 0xFFFF, 0xFFFF, 0x8000, 0x000F, 0xFFFF, 0xFFFF, 0xF000, 0x001F, 0xFFFF, 0xFFFF, 0xF800,
    0x00FF, 0xFFFF, 0xFFFF, 0xFF00, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};

// 7: a round head on a narrow neck.
constexpr std::uint16_t kStyle7[] = {
    0x01F8, 0x0000, 0x07FE, 0x0000, 0x0FFF, 0x0000, 0x0FFF, 0x0000, 0x1FFF, 0x8000, 0x1FFF, 0x8000,
    0x1FFF, 0x8000, 0x0FFF, 0x0000, 0x07FE, 0x0000, 0x01F8, 0x0000, 0x01F8, 0x0000, 0x03FC, 0x0000,
    0xFFFF, 0xF000};

// 8: a block 31 wide leaning one column per row.
constexpr std::uint16_t kStyle8[] = {
    0x00FF, 0xFFFF, 0xFE00, 0x0000, 0x007F, 0xFFFF, 0xFF00, 0x0000, 0x003F, 0xFFFF, 0xFF80, 0x0000,
    0x001F, 0xFFFF, 0xFFC0, 0x0000, 0x000F, 0xFFFF, 0xFFE0, 0x0000, 0x0007, 0xFFFF, 0xFFF0, 0x0000,
    0x0003, 0xFFFF, 0xFFF8, 0x0000, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};

// 9: a T: a head 16 wide on a stem 10 wide.
constexpr std::uint16_t kStyle9[] = {
    0x0001, 0xFFFE, 0x0000, 0x0001, 0xFFFE, 0x0000, 0x0001, 0xFFFE, 0x0000, 0x0001, 0xFFFE, 0x0000,
    0x0001, 0xFFFE, 0x0000, 0x0001, 0xFFFE, 0x0000, 0x0000, 0x3FF0, 0x0000, 0x0000, 0x3FF0, 0x0000,
    0x0000, 0x3FF0, 0x0000, 0xFFFF, 0xFFFF, 0xFFFC};

// 10: a dovetail, 30 wide at the outside and 14 at the base.
constexpr std::uint16_t kStyle10[] = {
    0x03FF, 0xFFFF, 0xF000, 0x01FF, 0xFFFF, 0xE000, 0x00FF, 0xFFFF, 0xC000, 0x007F, 0xFFFF, 0x8000,
    0x003F, 0xFFFF, 0x0000, 0x001F, 0xFFFE, 0x0000, 0x000F, 0xFFFC, 0x0000, 0x0007, 0xFFF8, 0x0000,
    0x0003, 0xFFF0, 0x0000, 0xFFFF, 0xFFFF, 0xFFC0};

// 12: a narrow flame-shaped spike.
constexpr std::uint16_t kStyle12[] = {0x0800, 0x0C00, 0x1C00, 0x1E00, 0x3E00, 0x3E00, 0x3C00, 0x7C00,
                                      0x7C00, 0x7C00, 0x3C00, 0x3C00, 0x3C00, 0x7E00, 0x7E00, 0xFF00};

// 17: one arch the whole repeat wide, its foot at both ends and its crown at the body: the edge
// of a chief enarched rising to the middle.
constexpr std::uint16_t kStyle17[] = {
    0x8000, 0x0001,
    0x8000, 0x0001,
    0x8000, 0x0001,
    0x8000, 0x0001,
    0x8000, 0x0001,
    0xC000, 0x0003,
    0xC000, 0x0003,
    0xE000, 0x0007,
    0xE000, 0x0007,
    0xF000, 0x000F,
    0xF800, 0x001F,
    0xFC00, 0x003F,
    0xFE00, 0x007F,
    0xFF80, 0x01FF,
    0xFFF0, 0x0FFF,
    0xFFFF, 0xFFFF,
};

constexpr std::array<LineStyle, kLineStyleCount> kStyles = {{
    {7, 1, 15, true, kStyle0},
    {8, 1, 15, true, kStyle1},
    {10, 3, 45, true, kStyle2},
    {10, 3, 45, true, kStyle2},
    {16, 2, 31, false, kStyle4},
    {16, 2, 31, false, kStyle4, 3},  // dancetty: three large teeth across the shield
    {8, 4, 64, false, kStyle6},
    {13, 2, 20, true, kStyle7},
    {8, 4, 64, true, kStyle8},
    {10, 3, 46, true, kStyle9},
    {10, 3, 42, true, kStyle10},
    {},  // 11: plain
    {16, 1, 8, true, kStyle12},
    {},  // 13: plain
    {},  // 14: plain
    {},  // 15: plain with a gap
    // 16: the merlons of style 2 on both edges, those of the far edge over the near one's gaps.
    {10, 3, 45, true, kStyle2, 0, true},
    {16, 2, 32, false, kStyle17, 1},  // one arch across the shield
}};

}  // namespace

const LineStyle* FindLineStyle(int lineCode) {
    if (lineCode <= kPlainLine || lineCode >= kLineStyleCount) return nullptr;
    const LineStyle& style = kStyles[static_cast<std::size_t>(lineCode)];
    return style.rows != nullptr ? &style : nullptr;
}

int LineRepeats(int lineCode, int repeats) {
    const LineStyle* style = FindLineStyle(lineCode);
    if (style == nullptr) return 0;
    return std::min(repeats > 0 ? repeats : style->defaultRepeats, kMaxLineRepeats);
}

bool LineStyleMirrored(int lineCode, ShapeCode shapeCode, ShapeCode partitionCode, BandEdges edges) {
    const LineStyle* style = FindLineStyle(lineCode);
    if (style == nullptr) return false;
    if (style->alwaysMirrored) return true;
    const bool chiefBordureOrLastBar = shapeCode == ShapeCode::kChief || shapeCode == ShapeCode::kBordure ||
                                       (partitionCode == ShapeCode::kBarry && edges == BandEdges::kNearEdge);
    if (lineCode == kWavyLine) return chiefBordureOrLastBar || (shapeCode == ShapeCode::kPaly && edges == BandEdges::kFarEdge);
    return chiefBordureOrLastBar;
}

}  // namespace esc
