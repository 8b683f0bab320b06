#pragma once
// An ordinary nowy: a round boss on it where its middle is, standing out past its edges: at the
// crossing of a saltire or a cross, at the middle of a fess, a pale or a bend, hanging from the
// middle of a chief's lower edge. The reader marks it by the level's variant; each shape draws
// its boss.

#include <string_view>

#include "engine/ShapeCode.h"

namespace esc {

inline constexpr std::string_view kNowyVariant = "no";

// Whether the ordinary of shapeCode is drawn with a boss when nowy.
constexpr bool ShapeTakesNowy(ShapeCode shapeCode) {
    return shapeCode == ShapeCode::kSaltire || shapeCode == ShapeCode::kCross || shapeCode == ShapeCode::kFess ||
           shapeCode == ShapeCode::kPale || shapeCode == ShapeCode::kChief || shapeCode == ShapeCode::kBend ||
           shapeCode == ShapeCode::kBendSinister;
}

}  // namespace esc
