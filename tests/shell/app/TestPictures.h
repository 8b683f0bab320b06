#pragma once
// What the shell's tests paint and look for: pure colours, which no tincture of the palette is,
// and where two pictures first differ, for a failure's message.

#include <string>

#include "engine/Bitmap.h"

namespace esc::app {

inline constexpr Rgb kPureRed{255, 0, 0}, kPureBlue{0, 0, 255}, kPureYellow{255, 255, 0};

inline std::string FirstDifference(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return "first difference at " + std::to_string(x) + "," + std::to_string(y);
    return "none";
}

}  // namespace esc::app
