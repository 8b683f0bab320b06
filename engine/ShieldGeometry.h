#pragma once
// The measures of the shield, recomputed from the image size before each drawing.

#include <cmath>
#include <vector>

namespace esc {

inline constexpr int kBaseBoundsCount = 81;  // rows baseTop .. baseTop+80 at the design size
// The shield image at its design size (paint scale 1).
inline constexpr int kDesignImageWidth = 415, kDesignImageHeight = 520;
// The paint scale a picture may be drawn at: 1 is the design size, 8 a poster.
inline constexpr double kMinPaintScale = 1.0, kMaxPaintScale = 8.0;

struct BaseBound {
    int left = 0, right = 0;  // first and last column inside the outline
    bool operator==(const BaseBound&) const = default;
};

struct ShieldGeometry {
    // The paint scale: picture pixels per pixel of the design size. Every measure of the shield
    // that is not a fraction of W or H is a design measure turned into picture pixels by Px, so
    // a shield at k = 4 is the same shield drawn four times finer.
    double k = 1.0;
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
    std::vector<BaseBound> baseBounds = std::vector<BaseBound>(kBaseBoundsCount);
    // The image at the design size: the whole shield's, or a marshalled part's drawn in the
    // shape of its cell (a narrower or a lower rectangle; never larger than the shield's).
    int designWidth = kDesignImageWidth, designHeight = kDesignImageHeight;

    bool operator==(const ShieldGeometry&) const = default;

    // A design measure (pixels at k = 1) in picture pixels; exactly `design` at k = 1.
    int Px(int design) const { return k == 1.0 ? design : static_cast<int>(std::lround(design * k)); }
    // The same for a fractional measure (a charge scale, a slope's run).
    double Scaled(double design) const { return design * k; }
    // A picture position back at the design size (tiles and patterns repeat in design pixels).
    double Design(double picture) const { return picture / k; }
    int BaseBoundsCount() const { return static_cast<int>(baseBounds.size()); }
    int ImageWidth() const { return Px(designWidth); }
    int ImageHeight() const { return Px(designHeight); }

    void Compute(int imageWidth, int imageHeight, bool marshalling) {
        W = imageWidth;
        H = imageHeight - Px(40);
        W2 = W / 2; W3 = W / 3; W4 = W / 4; W5 = W / 5; W6 = W / 6;
        H2 = H / 2; H3 = H / 3; H4 = H / 4; H5 = H / 5; H6 = H / 6;
        chiefDepth = H * 24 / 100;
        baseTop = marshalling ? Px(1000) : H - Px(40);
        shieldBottom = marshalling ? H : H + Px(34);
        straightBottom = marshalling ? H : baseTop;
        const auto bounds = static_cast<std::size_t>(Px(kBaseBoundsCount));
        if (baseBounds.size() != bounds) baseBounds.assign(bounds, BaseBound{});
    }
};

}  // namespace esc
