#pragma once
// Measuring composed pictures: the box of the pixels of one colour, and of those that differ
// from the ground.

#include <algorithm>
#include <functional>

#include "engine/Bitmap.h"

namespace esc::testing {

inline Rect BoxWhere(const Bitmap& b, const std::function<bool(Rgb)>& match, Rect within = {0, 0, 0, 0}) {
    if (within.Width() <= 0) within = {0, 0, b.Width(), b.Height()};
    Rect box{within.right, within.bottom, within.left, within.top};
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x)
            if (match(b.Pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

inline Rect BoxOf(const Bitmap& b, Rgb colour, Rect within = {0, 0, 0, 0}) {
    return BoxWhere(b, [colour](Rgb c) { return c == colour; }, within);
}

// Dark pixels: glyphs painted in black, antialiased edges included.
inline Rect InkBox(const Bitmap& b, Rect within = {0, 0, 0, 0}) {
    return BoxWhere(b, [](Rgb c) { return c.r < 128 && c.g < 128 && c.b < 128; }, within);
}

inline constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255}, kGreen{0, 160, 0}, kLime{0, 255, 0};

}  // namespace esc::testing
