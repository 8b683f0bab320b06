// A line of partition fimbriated: a narrow band of another tincture laid along the line, over
// both parts of the field.

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"

namespace esc {

using namespace shapes;

namespace {
// The band's breadth across the line.
constexpr int kLineFimbriationWidth = 12;
}  // namespace

void DrawLineFimbriation(PaintState& s, int tincture) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom, w = Px(s, kLineFimbriationWidth);
    if (s.lineCode != kPlainLine) {
        s.messages.Show(msg::kLineFimbriationNotDrawn);
        return;
    }
    const int saved = s.levelTincture[s.level];
    const int treatment = s.ordinaryTreatment;
    s.ordinaryTreatment = 0;
    Colour(s, tincture);
    switch (s.partitionCode) {
        case kFess: Band(s, 0, H / 2, W + 1, H / 2, w); break;
        case kPale: Band(s, W / 2, 0, W / 2, B, w); break;
        case kBend: Band(s, 0, 0, W, H, w); break;
        case kBendSinister: Band(s, W, 0, 0, H, w); break;
        case kChevron:
            BandFrom(s, W / 2, H / 2, 220, Px(s, 400), w);
            BandFrom(s, W / 2, H / 2, 320, Px(s, 400), w);
            break;
        case kChevronInverted:
            BandFrom(s, W / 2, H / 2, 140, Px(s, 400), w);
            BandFrom(s, W / 2, H / 2, 40, Px(s, 400), w);
            break;
        case kCross:  // quarterly
            Band(s, W / 2, 0, W / 2, B, w);
            Band(s, 0, H / 2, W + 1, H / 2, w);
            break;
        case kSaltire:
            Band(s, 0, 0, W, H, w);
            Band(s, W, 0, 0, H, w);
            break;
        case kPall:
            Band(s, 0, 0, W / 2, H / 2, w);
            Band(s, W, 0, W / 2, H / 2, w);
            Band(s, W / 2, H / 2, W / 2, B, w);
            break;
        default: s.messages.Show(msg::kLineFimbriationNotDrawn); break;
    }
    s.ordinaryTreatment = treatment;
    s.levelTincture[s.level] = saved;
}

}  // namespace esc
