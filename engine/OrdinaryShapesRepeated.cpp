// The ordinaries that come several to a shield, spread across it as one group: chevronels
// (also inverted and interlaced), bendlets (also sinister and enhanced) and piles (also
// reversed). Bars and pallets are drawn with the pieces of the field.

#include <algorithm>
#include <cmath>

#include "engine/Diminutives.h"
#include "engine/OrdinaryPosition.h"
#include "engine/OrdinaryShapes.h"

namespace esc::shapes {
// Chevronels are stacked down the pale, apex above apex. The arms fall at 40 degrees, so two
// apexes dy apart leave dy * cos 40 between the arms: the pieces are spread in that measure.
namespace {

// Two or three chevrons (not chevronels) are as broad as the span lets them be, up to one
// chevron's breadth, with field between them a quarter of a piece wide.
constexpr int kWholeChevronsSpanPercent = 34;
constexpr double kWholeChevronsGapPerPiece = 1.0 / 4;

Spread WholeChevronsSpread(int n, int reach, int chevronBreadth) {
    Spread out;
    if (n < 1 || reach <= 0) return out;
    const double span = 2.0 * reach;
    const double unit = span / (n + (n + 1) * kWholeChevronsGapPerPiece);
    out.width = std::max(1, std::min(chevronBreadth, static_cast<int>(unit)));
    const double gap = (span - n * out.width) / (n + 1);
    for (int i = 0; i < n; ++i)
        out.centres.push_back(-reach + static_cast<int>(gap * (i + 1) + out.width * i + out.width / 2.0));
    return out;
}

void ChevronelsOf(PaintState& s, const ShapeOutline& o, bool inverted) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, w = g.chiefDepth + Px(s, 10);
    constexpr double kAcrossPerDown = 0.766;  // cos 40
    const bool whole = NamesWholeChevrons(s.CurrentLevel().levelName.view());
    const int spanPercent = whole ? kWholeChevronsSpanPercent : kChevronelSpanPercent;
    const int reach = static_cast<int>(spanPercent * H / 100 * kAcrossPerDown);
    const Spread spread = whole ? WholeChevronsSpread(RepeatCount(s), reach, g.chiefDepth + Px(s, 50))
                                : SpreadPieces(RepeatCount(s), -reach, reach, w / 2);
    const int width = SlantedPieceWidth(s, spread.width);
    for (int c : spread.centres) {
        const int y = H / 2 + static_cast<int>(std::lround(c / kAcrossPerDown));
        // Turned over about the fess line, as the chevron inverted is: the points toward the
        // base, the limbs rising to the chief's corners.
        if (inverted) {
            BandFrom(s, o, W / 2, H - y, 140, Px(s, 300), width);
            BandFrom(s, o, W / 2, H - y, 40, Px(s, 300), width);
        } else {
            BandFrom(s, o, W / 2, y, 220, Px(s, 300), width);
            BandFrom(s, o, W / 2, y, 320, Px(s, 300), width);
        }
    }
}

}  // namespace

void Chevronels(PaintState& s, const ShapeOutline& o) { ChevronelsOf(s, o, false); }
void ChevronelsInverted(PaintState& s, const ShapeOutline& o) { ChevronelsOf(s, o, true); }

// Chevronels interlaced: the apexes in a row across the shield at kInterlacedApexPercent of its
// height, kInterlacedStepPercent of its width apart, each chevronel a third of a chevron wide, so
// that each limb crosses the next chevronel's limb below its apex.
void ChevronelsInterlaced(PaintState& s, const ShapeOutline& o) {
    constexpr int kInterlacedApexPercent = 36, kInterlacedStepPercent = 22;
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, n = RepeatCount(s);
    const int width = std::max(1, (g.chiefDepth + Px(s, 10)) / 3), step = W * kInterlacedStepPercent / 100;
    const int y = H * kInterlacedApexPercent / 100;
    for (int i = 0; i < n; ++i) {
        const int x = W / 2 + (2 * i - (n - 1)) * step / 2;
        // Long enough for every limb to run off the shield's flank or base.
        BandFrom(s, o, x, y, 220, Px(s, 480), width);
        BandFrom(s, o, x, y, 320, Px(s, 480), width);
    }
}

// Bendlets lie parallel to the bend through the dexter chief corner (or, sinister, through the
// sinister chief corner), spread across it: each band is the diagonal moved sideways and drawn
// from the top row to row H.
namespace {

enum class BendSide { Dexter, Sinister };
// Enhanced: the pieces set higher, toward the sinister chief, as a group no wider than centred.
enum class BendHeight { Centred, Enhanced };

void BendletsOf(PaintState& s, const ShapeOutline& o, BendSide side, BendHeight height = BendHeight::Centred) {
    const bool sinister = side == BendSide::Sinister;
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    const double length = std::hypot(W, H);
    const double nx = -H / length, ny = W / length;  // across the bend, towards the dexter base
    // A diagonal band of width w is length / W times w thick across: the pieces are spread in
    // that measure and drawn with the width that gives it.
    const double thickPerWidth = length / W;
    const int reach = static_cast<int>(kBendletSpanPercent * (W * H / length) / 100);
    // Enhanced, the span moves its own half-width toward the sinister chief (across the bend,
    // negative is up and to sinister).
    const int shift = height == BendHeight::Enhanced ? reach * 3 / 4 : 0;
    const Spread spread = SpreadPieces(RepeatCount(s), -reach - shift, reach - shift,
                                       static_cast<int>(g.chiefDepth / 2 * thickPerWidth));
    const int width = SlantedPieceWidth(s, std::max(1, static_cast<int>(spread.width / thickPerWidth)));
    auto x = [&](double at) { return static_cast<int>(std::lround(sinister ? W - at : at)); };
    // Couped (the baton is a bendlet sinister couped), each piece stops where the couped bend
    // does, the position's inset in from either flank, its ends cut square.
    const double cut = static_cast<double>(PlaceOf(g, s.position).inset) / W;
    for (int c : spread.centres) {
        const double dx = c * nx, dy = c * ny;
        double t0 = -dy / H, t1 = (H - dy) / H;
        if (cut > 0) t0 = std::max(t0, cut), t1 = std::min(t1, 1.0 - cut);
        if (t1 <= t0) continue;
        // Uncut, the piece runs from the top row to row H exactly.
        auto y = [&](double t) { return cut > 0 ? static_cast<int>(std::lround(dy + t * H)) : (t == t0 ? 0 : H); };
        Band(s, o, x(dx + t0 * W), y(t0), x(dx + t1 * W), y(t1), width);
    }
}

}  // namespace

void Bendlets(PaintState& s, const ShapeOutline& o) { BendletsOf(s, o, BendSide::Dexter); }
void BendletsEnhanced(PaintState& s, const ShapeOutline& o) { BendletsOf(s, o, BendSide::Dexter, BendHeight::Enhanced); }
void BendletsSinister(PaintState& s, const ShapeOutline& o) { BendletsOf(s, o, BendSide::Sinister); }

namespace {

// While it lives, the rows above `foot` of the picture being painted (the shield's or the
// achievement's) and of the picture buffer are kept as they were: what is painted there meanwhile
// is put back when it ends. A foot of 0 keeps nothing.
class PileFootClip {
public:
    PileFootClip(PaintState& state, int foot) : state_(state), foot_(foot) {
        if (foot_ <= 0) return;
        target_ = state.view == OutputView::Achievement ? state.achievement : &state.picture;
        offsetY_ = state.view == OutputView::Achievement ? state.achievementOffsetY : 0;
        if (target_ != nullptr) picture_ = *target_;
        codes_ = state.pictureBuffer;
    }
    ~PileFootClip() {
        if (foot_ <= 0) return;
        if (target_ != nullptr && target_->Width() == picture_.Width())
            for (int y = 0; y < foot_; ++y) {
                const int ty = y - offsetY_;
                if (ty < 0 || ty >= picture_.Height() || ty >= target_->Height()) continue;
                std::copy(picture_.Row(ty), picture_.Row(ty) + picture_.Width(), target_->Row(ty));
            }
        const std::size_t end = std::min({static_cast<std::size_t>(foot_) * static_cast<std::size_t>(state_.geometry.W),
                                          codes_.size(), state_.pictureBuffer.size()});
        std::copy(codes_.begin(), codes_.begin() + static_cast<std::ptrdiff_t>(end), state_.pictureBuffer.begin());
    }
    PileFootClip(const PileFootClip&) = delete;
    PileFootClip& operator=(const PileFootClip&) = delete;

private:
    PaintState& state_;
    int foot_;
    Bitmap* target_ = nullptr;
    int offsetY_ = 0;
    Bitmap picture_;
    std::vector<std::int8_t> codes_;
};

// Piles from their foot row to their point row, the one routine for piles and piles reversed:
// levelLine 96 makes them meet in the point. One pile with a line is a band and its reflection,
// from bandFoot to bandPoint, whose recorded centres bound the fill. Several stand side by side
// with feet as wide as the gaps between them.
void PilesBetween(PaintState& s, const ShapeOutline& o, int foot, int point, int bandFoot, int bandPoint) {
    const int W = s.geometry.W;
    const bool meet = s.CurrentLevel().levelLine == kPilesInPoint;
    const int n = RepeatCount(s);
    if (n == 0) return;
    if (n == 1) {
        if (s.lineCode == kPlainLine || s.lineCode >= kFirstLevelMark) {
            Area(s, {{W / 5, foot, W / 2 - 1, point}, {W - W / 5, foot, W / 2 + 1, point}});
        } else {
            // The lined sides run on past the foot, so that their square-cut ends lie beyond it;
            // a pile lowered off the chief (abased) then has what they painted above its foot put
            // back, and its foot is a straight line across.
            const int left = Px(s, 60), reach = Px(s, 20);
            const double length = std::hypot(static_cast<double>(W / 2 - left), static_cast<double>(bandPoint - bandFoot));
            const int dx = length > 0 ? static_cast<int>(std::lround((W / 2 - left) * reach / length)) : 0;
            const int dy = length > 0 ? static_cast<int>(std::lround((bandPoint - bandFoot) * reach / length)) : 0;
            const bool downward = bandPoint > bandFoot;
            const PileFootClip clip(s, downward && foot > Px(s, 2) ? foot : 0);
            ResetCrossings(s);
            Band(s, o, downward ? left - dx : left, downward ? bandFoot - dy : bandFoot, W / 2, bandPoint, reach,
                 BandEdges::kFarEdgeReflected);
            FillCrossings(s);
        }
        return;
    }
    const int kMargin = Px(s, 10);
    const int base = (W - 2 * kMargin) / (2 * n - 1);
    for (int i = 0; i < n; ++i) {
        const int left = kMargin + 2 * i * base, right = left + base;
        const int tip = meet ? W / 2 : (left + right) / 2;
        Area(s, {{left, foot, tip, point}, {right, foot, tip, point}});
    }
}

}  // namespace

// Piles issue from the chief and point downward; enhanced, the point is raised by the shift;
// abased, the foot is lowered by it off the chief (the point already stands near the base), as
// the pale abased is.
void Piles(PaintState& s, const ShapeOutline& o) {
    const int shift = PlaceOf(s.geometry, s.position).shift;
    const int B = s.geometry.shieldBottom + std::min(0, shift), foot = Px(s, 2) + std::max(0, shift);
    PilesBetween(s, o, foot, B - Px(s, 25), foot, B - Px(s, 35));
}

// Piles reversed (inverted) issue from the base and point to the chief: each is the pile turned
// over, its foot on the shield's lowest row (the outline cuts it where the base curves in) and
// its point kPileReversedPointPercent of the height from the top.
void PilesInverted(PaintState& s, const ShapeOutline& o) {
    constexpr int kPileReversedPointPercent = 12;
    const ShieldGeometry& g = s.geometry;
    const int B = g.shieldBottom, top = g.H * kPileReversedPointPercent / 100;
    PilesBetween(s, o, B, top, B - Px(s, 2), top + Px(s, 10));
}

}  // namespace esc::shapes
