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
    // The band itself is never voided or fimbriated, whatever the ordinary before it was.
    const ShapeOutline o{s.shapeCode, s.partitionCode, OrdinaryTreatment::kNone};
    Colour(s, tincture);
    switch (s.partitionCode) {
        case kFess: Band(s, o, 0, H / 2, W + 1, H / 2, w); break;
        case kPale: Band(s, o, W / 2, 0, W / 2, B, w); break;
        case kBend: Band(s, o, 0, 0, W, H, w); break;
        case kBendSinister: Band(s, o, W, 0, 0, H, w); break;
        case kChevron:
            BandFrom(s, o, W / 2, H / 2, 220, Px(s, 400), w);
            BandFrom(s, o, W / 2, H / 2, 320, Px(s, 400), w);
            break;
        case kChevronInverted:
            BandFrom(s, o, W / 2, H / 2, 140, Px(s, 400), w);
            BandFrom(s, o, W / 2, H / 2, 40, Px(s, 400), w);
            break;
        case kCross:  // quarterly
            Band(s, o, W / 2, 0, W / 2, B, w);
            Band(s, o, 0, H / 2, W + 1, H / 2, w);
            break;
        case kSaltire:
            Band(s, o, 0, 0, W, H, w);
            Band(s, o, W, 0, 0, H, w);
            break;
        case kPall:
            Band(s, o, 0, 0, W / 2, H / 2, w);
            Band(s, o, W, 0, W / 2, H / 2, w);
            Band(s, o, W / 2, H / 2, W / 2, B, w);
            break;
        default: s.messages.Show(msg::kLineFimbriationNotDrawn); break;
    }
    s.levelTincture[s.level] = saved;
}

}  // namespace esc
