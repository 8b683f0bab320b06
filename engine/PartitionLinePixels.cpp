// A band painted with one PaintSpan call per pixel, in the order the pixels are walked: the way
// for bands whose calls do not all paint the same (a fimbriated ordinary switches tinctures,
// counterchanging reads the picture buffer and the visited pixels, chequy stores past the row's
// end), and for the achievement view and a layer target.

#include <cstdlib>

#include "engine/PartitionLineBand.h"
#include "engine/Painter.h"

namespace esc::band {
namespace {

class PixelWalker {
public:
    PixelWalker(PaintState& state, const BandPlan& plan) : s_(state), p_(plan) {}

    void CrossSection(int x, int y, int step) {
        for (int k = -p_.h; k <= p_.h; ++k) {
            const int X = p_.steep ? x + k * p_.lx : x;
            if (p_.style != nullptr && (k <= p_.nearEnd || k >= p_.farStart)) EdgePixel(k, x, y, X, step);
            else MiddlePixel(k, x, y, X);
        }
    }

private:
    void Span(int x1, int y, int x2) { PaintSpan(s_, x1, y, x2); }

    // The pixel itself: a middle pixel of a slanted cross-section closes the gaps to the next
    // cross-section with four calls, an edge pixel uses two.
    void PaintMain(int k, int x, int y, int X, bool middle) {
        if (!p_.steep) {
            Span(x, y + k, x + 1);
        } else if (p_.vertical) {
            Span(X, y, X + 1);
        } else {
            const int Y = y - k;
            if (middle) {
                Span(X - 1, Y, X);
                Span(X + 1, Y - 1, X + 2);
            }
            Span(X, Y, X + 1);
            Span(X, Y - 1, X + 1);
        }
    }

    void PaintReflected(int k, int y, int x, int X) {
        if (!p_.steep) {
            Span(x, p_.H - (y + k), x + 1);
            return;
        }
        const int R = p_.W - X;
        if (p_.vertical) {
            Span(R, y, R + 1);
        } else {
            Span(R, y - k, R + 1);
            Span(R, y - k - 1, R + 1);
        }
        if (k == 0 && y >= 0) RecordCrossing(s_, R, y);
    }

    void PaintCentreCopy(int k, int x, int y) {
        if (!p_.steep) Span(p_.M - x, y + k, p_.M - x + 1);
        else Span(p_.M - x + k, y, p_.M - x + k + 1);
    }

    void MiddlePixel(int k, int x, int y, int X) {
        if (p_.steep && k == 0 && y >= 0) RecordCrossing(s_, x, y);
        if (p_.treatment != OrdinaryTreatment::kNone && p_.InMiddleZone(k)) {
            if (p_.treatment == OrdinaryTreatment::kVoided) return;
            if (p_.treatment == OrdinaryTreatment::kFimbriated) s_.levelTincture[s_.level] = p_.saved;
        }
        if (p_.gap && !p_.steep && std::abs(k) < p_.gapHalf) return;
        if (p_.outer >= 0 && !p_.InMiddleZone(k) && std::abs(k) > p_.h - p_.t / 2) s_.levelTincture[s_.level] = p_.outer;
        PaintMain(k, x, y, X, true);
        if (p_.reflect) PaintReflected(k, y, x, X);
        const int fillRow = p_.steep ? y : y + k;
        if (p_.fillToLeft) Span(0, fillRow, p_.steep ? X : x);
        if (p_.centreCopy) {
            PaintCentreCopy(k, x, y);
            if (p_.fillToLeft) Span(p_.M - x, fillRow, p_.W);
        }
        if (p_.treatment == OrdinaryTreatment::kFimbriated) s_.levelTincture[s_.level] = p_.second;
    }

    void EdgePixel(int k, int x, int y, int X, int step) {
        // The far zone is side 1 whatever the style: a one-sided band keeps one edge straight
        // with the styles whose far edge is the complement of the near one too.
        int row = k + p_.h, side = 0;
        step = p_.ProfileColumn(step, k);
        if (k >= p_.farStart) {
            row = p_.mirrored ? p_.h - k : k - p_.farStart;
            side = 1;
            step = p_.style->FarStep(step);
        }
        bool solid = p_.style->Solid(row, step);
        if (k > 0 && !p_.mirrored) solid = !solid;
        if (k == 0 && y >= 0) RecordCrossing(s_, x, y);
        if (!p_.steep) solid = solid || (p_.edges == BandEdges::kFarEdge && side == 0) || (p_.edges == BandEdges::kNearEdge && side == 1);
        else solid = solid || (p_.edges == BandEdges::kFarEdge && side == 1) || (p_.edges == BandEdges::kNearEdge && side == 0);
        if (!solid) return;
        PaintMain(k, x, y, X, false);
        if (p_.reflect) PaintReflected(k, y, x, X);
        if (p_.centreCopy) {
            PaintCentreCopy(k, x, y);
            if (!p_.steep && k == 0 && y >= 0) RecordCrossing(s_, p_.M - x, y);
        }
    }

    PaintState& s_;
    const BandPlan& p_;
};

}  // namespace

void PaintPixelByPixel(PaintState& state, const BandPlan& plan) {
    PixelWalker walker(state, plan);
    Walk(plan, [&](int x, int y, int step) { walker.CrossSection(x, y, step); });
}

}  // namespace esc::band
