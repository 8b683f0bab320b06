#pragma once
// The measures of the shield, recomputed from the image size before each drawing.

#include <array>

namespace esc {

inline constexpr int kBaseBoundsCount = 81;  // rows baseTop .. baseTop+80

struct BaseBound {
    int left = 0, right = 0;  // first and last column inside the outline
    bool operator==(const BaseBound&) const = default;
};

struct ShieldGeometry {
    int W = 415, H = 480;
    int W2 = 0, W3 = 0, W4 = 0, W5 = 0, W6 = 0;
    int H2 = 0, H3 = 0, H4 = 0, H5 = 0, H6 = 0;
    int chiefDepth = 0;
    int baseTop = 0;       // first row of the curved base
    int shieldBottom = 0;  // last row that runs may reach
    // The foot of the field's straight sides: where the base begins to curve on a shield, the
    // foot itself on the rectangle of a marshalled part. Layouts and bands that keep clear of
    // the base measure from here (baseTop lies past the picture on a rectangle).
    int straightBottom = 0;
    std::array<BaseBound, kBaseBoundsCount> baseBounds{};

    bool operator==(const ShieldGeometry&) const = default;

    void Compute(int imageWidth, int imageHeight, bool marshalling) {
        W = imageWidth;
        H = imageHeight - 40;
        W2 = W / 2; W3 = W / 3; W4 = W / 4; W5 = W / 5; W6 = W / 6;
        H2 = H / 2; H3 = H / 3; H4 = H / 4; H5 = H / 5; H6 = H / 6;
        chiefDepth = H * 24 / 100;
        baseTop = marshalling ? 1000 : H - 40;
        shieldBottom = marshalling ? H : H + 34;
        straightBottom = marshalling ? H : baseTop;
    }
};

}  // namespace esc
