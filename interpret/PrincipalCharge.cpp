#include "interpret/PrincipalCharge.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "interpret/FitLayout.h"
#include "interpret/Layouts.h"
#include "interpret/Placement.h"
#include "interpret/TextOps.h"
#include "interpret/Vocabulary.h"

namespace esc {

namespace {

constexpr float kPictureScaleFactor = 0.5f;  // a picture at scale s is painted at s / 2 of its size
constexpr int kNoField = -1;                 // partitionCode of a plain field

}  // namespace

int CountBetweenAfter(const DrawingState& s) {
    for (int i = std::max(s.levelFirstWord, 0); i < s.wordCount; ++i) {
        if (!EqualsIgnoringCase(s.Word(i), "between")) continue;
        if (s.Type(i + 1) == kTypeNumber) return s.Sub1(i + 1);
        if (EqualsIgnoringCase(s.Word(i + 1), "a") || EqualsIgnoringCase(s.Word(i + 1), "an")) return 1;
        return 0;
    }
    return 0;
}

float PrincipalChargeScale(DrawingState& s) {
    if (s.partitionCode != kNoField) return kBetweenOthersScale;
    const ShieldGeometry& g = s.geometry;
    std::vector<LayoutSpot> others;
    switch (CountBetweenAfter(s)) {
        case 3: {
            const auto spots = TwoAndOneSpots(g, false);
            others.assign(spots.begin(), spots.end());
            break;
        }
        case 4: {
            const auto spots = FourCornerSpots(g, 1.0f);
            others.assign(spots.begin(), spots.end());
            break;
        }
        default: return kBetweenOthersScale;
    }
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    if (!known) return kBetweenOthersScale;
    // The box of the charge at scale k reaches k * width / 4 either side of the fess point
    // (pictures are painted at half their size), and k * height / 4 above and below.
    const float quarterWide = static_cast<float>(picture.width) * kPictureScaleFactor / 2.0f;
    const float quarterHigh = static_cast<float>(picture.height) * kPictureScaleFactor / 2.0f;
    float scale = kAloneScale;
    // Within the shield: its sides, its top and the foot of its straight sides.
    scale = std::min(scale, static_cast<float>(g.W2 - kClearOfOthers) / quarterWide);
    scale = std::min(scale, static_cast<float>(std::min(g.H2, g.straightBottom - g.H2) - kClearOfOthers) / quarterHigh);
    // Clear of each other charge's box: apart across or apart up and down.
    for (const LayoutSpot& other : others) {
        const float reach = static_cast<float>(kChargeExtentAtScaleOne) * other.scale / 2.0f + kClearOfOthers;
        const float across = (static_cast<float>(std::abs(other.x - g.W2)) - reach) / quarterWide;
        const float down = (static_cast<float>(std::abs(other.y - g.H2)) - reach) / quarterHigh;
        scale = std::min(scale, std::max(across, down));
    }
    return std::max(scale, kBetweenOthersScale);
}

}  // namespace esc
