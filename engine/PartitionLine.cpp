// DrawPartitionLine: a straight band whose long edges carry the line style.
//
// The band is walked along its major axis, one cross-section of 2h+1 pixels per step:
//
//   mostly horizontal            steep, vertical             steep, diagonal
//   (column x, rows y-h..y+h)    (row y, columns x-h..x+h)   (pixel k at (x+k*lx, y-k))
//        near edge  k=-h                                          near
//        ...middle...            near | middle | far                 \  middle
//        far edge   k=+h                                               \   far
//
// Within a cross-section the first t pixels form the near edge zone and the last t the far edge
// zone; their pixels are solid where the style's profile says so, read across the band, with
// the profile's column advancing one step per cross-section.
//
// Every pixel is, in effect, one call PaintSpan(x, y, x+1) (plain colours paint x and x+1 from
// such a call, patterns only x, and only x is stored in the picture buffer). When the band is
// painted in one tincture that is neither counterchanged nor chequy, in the shield view and with
// no layer target, the order of those calls cannot change the picture: every call stores the same
// code and plots the same colour at the same places. The band then collects the calls' columns
// row by row and hands each run of columns to PaintSpan once, which stores and plots exactly what
// the single calls would. In every other case (ordinary treatment 2, counterchanging, chequy, the
// achievement view, a layer target) the calls are made one by one.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "engine/PartitionLine.h"

namespace esc {
namespace {

struct BandPlan {
    int x = 0, y = 0;  // where the walk starts
    int adx = 0, ady = 0, sx = 0, sy = 0, lx = 1;
    bool steep = false, vertical = false;
    int kind = 0;             // edge kind: 0 both edges, 2 and 3 one edge
    bool reflect = false;     // kind 5: a copy reflected top to bottom (steep: left to right)
    bool centreCopy = false;  // kind 1: a copy reflected in the shield's centre line
    const LineStyle* style = nullptr;
    bool mirrored = false;
    bool gap = false;
    int h = 0, t = 0;
    int nearEnd = 0, farStart = 0;  // last k of the near zone, first k of the far zone
    int treatment = 0;
    bool fillToLeft = false;
    int saved = 0, second = 0;
    int W = 0, H = 0, M = 0;
};

void RecordCrossing(PaintState& state, int x, int y) {
    if (y < 0 || y > state.geometry.shieldBottom || y >= kCrossingRows) return;
    Crossing& c = state.crossings[static_cast<std::size_t>(y)];
    if (c.first == -1) c.first = x;
    else c.second = x;
}

// The single calls, one by one.
class DirectPainter {
public:
    explicit DirectPainter(PaintState& state) : state_(state) {}
    void Span(int x1, int y, int x2) { PaintSpan(state_, x1, y, x2); }
    void Tincture(int code) { state_.levelTincture[state_.level] = code; }

private:
    PaintState& state_;
};

// The columns of the single calls, row by row, painted as runs afterwards. A call
// PaintSpan(x1, y, x2) in the shield view stands for the columns x1..x2-1: it paints nothing when
// y is outside 0..shieldBottom or x1 < 0, and a column at or past W stores and plots nothing
// (codes other than chequy). The band never makes a call with x2 <= x1 that could show: such
// calls come only from the fills to the edges, at column 0 or at W and beyond, where the painter
// clips the one pixel they plot.
class RunCollector {
public:
    RunCollector(int width, int firstRow, int lastRow)
        : width_(width), wordsPerRow_((width + 63) / 64), firstRow_(firstRow),
          rows_(std::max(lastRow - firstRow + 1, 0)),
          bits_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(wordsPerRow_), 0) {}

    void Span(int x1, int y, int x2) {
        const int r = y - firstRow_;
        if (r < 0 || r >= rows_ || x1 < 0) return;
        if (x2 > width_) x2 = width_;
        if (x2 <= x1) return;
        std::uint64_t* row = &bits_[static_cast<std::size_t>(r) * static_cast<std::size_t>(wordsPerRow_)];
        if (x2 == x1 + 1) {
            row[x1 >> 6] |= std::uint64_t{1} << (x1 & 63);
            return;
        }
        SetRange(row, x1, x2);
    }
    void Tincture(int) {}

    void Emit(PaintState& state) const {
        for (int r = 0; r < rows_; ++r) {
            const std::uint64_t* row = &bits_[static_cast<std::size_t>(r) * static_cast<std::size_t>(wordsPerRow_)];
            int x = NextSet(row, 0);
            while (x < width_) {
                const int end = NextClear(row, x);
                PaintSpan(state, x, firstRow_ + r, end);
                x = NextSet(row, end);
            }
        }
    }

private:
    static void SetRange(std::uint64_t* row, int x1, int x2) {
        int w1 = x1 >> 6;
        const int w2 = (x2 - 1) >> 6;
        const std::uint64_t first = ~std::uint64_t{0} << (x1 & 63);
        const std::uint64_t last = ~std::uint64_t{0} >> (63 - ((x2 - 1) & 63));
        if (w1 == w2) {
            row[w1] |= first & last;
            return;
        }
        row[w1++] |= first;
        while (w1 < w2) row[w1++] = ~std::uint64_t{0};
        row[w2] |= last;
    }
    int NextSet(const std::uint64_t* row, int from) const {
        for (int w = from >> 6; w < wordsPerRow_; ++w) {
            std::uint64_t word = row[w];
            if (w == (from >> 6)) word &= ~std::uint64_t{0} << (from & 63);
            if (word != 0) return std::min(w * 64 + std::countr_zero(word), width_);
        }
        return width_;
    }
    int NextClear(const std::uint64_t* row, int from) const {
        for (int w = from >> 6; w < wordsPerRow_; ++w) {
            std::uint64_t word = ~row[w];
            if (w == (from >> 6)) word &= ~std::uint64_t{0} << (from & 63);
            if (word != 0) return std::min(w * 64 + std::countr_zero(word), width_);
        }
        return width_;
    }

    int width_, wordsPerRow_, firstRow_, rows_;
    std::vector<std::uint64_t> bits_;
};

template <typename Out>
class BandWalker {
public:
    BandWalker(PaintState& state, const BandPlan& plan, Out& out) : state_(state), p_(plan), out_(out) {}

    void Walk() {
        const int period = p_.style != nullptr ? p_.style->period : 1;
        int x = p_.x, y = p_.y, e = 0, step = 0;
        if (!p_.steep) {
            for (int j = 0; j <= p_.adx; ++j) {
                e += p_.ady;
                if (e > p_.adx) {
                    e -= p_.adx;
                    y += p_.sy;
                }
                CrossSection(x, y, step);
                x += p_.sx;
                if (++step == period) step = 0;
            }
        } else {
            for (int j = 0; j <= p_.ady; ++j) {
                e += p_.adx;
                if (e > p_.ady) {
                    e -= p_.ady;
                    x += p_.sx;
                }
                CrossSection(x, y, step);
                y += p_.sy;
                if (++step == period) step = 0;
            }
        }
    }

private:
    void CrossSection(int x, int y, int step) {
        for (int k = -p_.h; k <= p_.h; ++k) {
            const int X = p_.steep ? x + k * p_.lx : x;
            if (p_.style != nullptr && (k <= p_.nearEnd || k >= p_.farStart)) EdgePixel(k, x, y, X, step);
            else MiddlePixel(k, x, y, X);
        }
    }

    // One pixel of the band itself: a middle pixel closes the gaps between slanted
    // cross-sections with four calls, an edge pixel uses two.
    void PaintMain(int k, int x, int y, int X, bool middle) {
        if (!p_.steep) {
            out_.Span(x, y + k, x + 1);
        } else if (p_.vertical) {
            out_.Span(X, y, X + 1);
        } else {
            const int Y = y - k;
            if (middle) {
                out_.Span(X - 1, Y, X);
                out_.Span(X + 1, Y - 1, X + 2);
            }
            out_.Span(X, Y, X + 1);
            out_.Span(X, Y - 1, X + 1);
        }
    }

    void PaintReflected(int k, int x, int y, int X) {
        if (!p_.steep) {
            out_.Span(x, p_.H - (y + k), x + 1);
            return;
        }
        const int R = p_.W - X;
        if (p_.vertical) {
            out_.Span(R, y, R + 1);
        } else {
            out_.Span(R, y - k, R + 1);
            out_.Span(R, y - k - 1, R + 1);
        }
        if (k == 0 && y >= 0) RecordCrossing(state_, R, y);
    }

    void PaintCentreCopy(int k, int x, int y) {
        if (!p_.steep) out_.Span(p_.M - x, y + k, p_.M - x + 1);
        else out_.Span(p_.M - x + k, y, p_.M - x + k + 1);
    }

    void MiddlePixel(int k, int x, int y, int X) {
        if (p_.steep && k == 0 && y >= 0) RecordCrossing(state_, x, y);
        if (p_.treatment != 0 && k > p_.nearEnd && k < p_.farStart) {
            if (p_.treatment == 1) return;
            if (p_.treatment == 2) out_.Tincture(p_.saved);
        }
        if (p_.gap && !p_.steep && std::abs(k) < 3) return;
        PaintMain(k, x, y, X, true);
        if (p_.reflect) PaintReflected(k, x, y, X);
        const int fillRow = p_.steep ? y : y + k;
        if (p_.fillToLeft) out_.Span(0, fillRow, p_.steep ? X : x);
        if (p_.centreCopy) {
            PaintCentreCopy(k, x, y);
            if (p_.fillToLeft) out_.Span(p_.M - x, fillRow, p_.W);
        }
        if (p_.treatment == 2) out_.Tincture(p_.second);
    }

    void EdgePixel(int k, int x, int y, int X, int step) {
        const LineStyle& style = *p_.style;
        // The far zone is side 1 whatever the style: a one-sided band keeps one edge straight
        // with the styles whose far edge is the complement of the near one too.
        int row = k + p_.h, side = 0;
        if (k >= p_.farStart) {
            row = p_.mirrored ? p_.h - k : k - p_.farStart;
            side = 1;
        }
        bool solid = style.Solid(row, step);
        if (k > 0 && !p_.mirrored) solid = !solid;
        if (k == 0 && y >= 0) RecordCrossing(state_, x, y);
        if (!p_.steep) solid = solid || (p_.kind == 2 && side == 0) || (p_.kind == 3 && side == 1);
        else solid = solid || (p_.kind == 2 && side == 1) || (p_.kind == 3 && side == 0);
        if (!solid) return;
        PaintMain(k, x, y, X, false);
        if (p_.reflect) PaintReflected(k, x, y, X);
        if (p_.centreCopy) {
            PaintCentreCopy(k, x, y);
            if (!p_.steep && k == 0 && y >= 0) RecordCrossing(state_, p_.M - x, y);
        }
    }

    PaintState& state_;
    const BandPlan& p_;
    Out& out_;
};

bool WithinReach(long long v) { return v >= -kBandReach && v <= kBandReach; }

int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace

void DrawPartitionLine(PaintState& state, int x1, int y1, int x2, int y2, int width, int kind, int length, int angle) {
    const ShieldGeometry& g = state.geometry;
    BandPlan p;
    p.W = g.W;
    p.H = g.H;
    p.M = 2 * (g.W / 2);

    // The line style first: style 15 affects one band, drawn or not.
    const int lineCode = state.lineCode;
    if (lineCode == kGapLineStyle) {
        p.gap = true;
        state.lineCode = kPlainLine;
    }

    // A band given by length and angle, and every band that strays far from the picture: bands
    // beyond kBandReach are not drawn (no shape comes near; it bounds a band's work to about
    // (2 * kBandReach)^2 pixels and keeps every sum below in range).
    if (length != 0) {
        const double radians = angle * 0.017453292;
        const double ex = std::trunc(x1 + length * std::cos(radians));
        const double ey = std::trunc(y1 - length * std::sin(radians));
        if (!WithinReach(static_cast<long long>(std::clamp(ex, -1e9, 1e9))) ||
            !WithinReach(static_cast<long long>(std::clamp(ey, -1e9, 1e9))))
            return;
        x2 = static_cast<int>(ex);
        y2 = static_cast<int>(ey);
    }
    if (!WithinReach(x1) || !WithinReach(y1) || !WithinReach(x2) || !WithinReach(y2) || !WithinReach(width)) return;

    p.saved = state.levelTincture[state.level];
    p.second = state.CurrentLevel().levelSecondTincture;
    p.treatment = state.ordinaryTreatment;
    p.fillToLeft = state.fillToLeft;

    const int dx = x2 - x1, dy = y2 - y1;
    p.sx = Sign(dx);
    p.sy = Sign(dy);
    p.lx = x1 > x2 ? -1 : 1;
    p.vertical = dx == 0;
    if (dx != 0 && dy != 0) {
        // Slanted cross-sections are longer than they are wide; a line that starts on the top or
        // the left edge (not at the corner) is lengthened so that its ends leave the shield.
        if (width > 25) width -= 20;
        if ((x1 == 0) != (y1 == 0)) {
            const int h = width / 2;
            x1 -= h * p.lx;
            y1 -= h;
            x2 += h * p.lx;
            y2 += h;
        }
    }
    p.adx = std::abs(x2 - x1);
    p.ady = std::abs(y2 - y1);
    p.x = x1;
    p.y = y1;

    // Kind 1 keeps its copy in the centre line whatever the style makes of its edges, so that an
    // embattled flaunch still has its fellow on the other side.
    if (kind == 5) {
        kind = 2;
        p.reflect = true;
    } else if (kind == 1) {
        kind = 0;
        p.centreCopy = true;
    }
    p.style = FindLineStyle(lineCode);
    p.mirrored = LineStyleMirrored(lineCode, state.shapeCode, state.partitionCode, kind);
    if (lineCode == 2 && kind != 2) kind = 3;

    if (p.style != nullptr) {
        // A band narrower than its two edge zones would start the far zone inside the near one
        // and cut the near edge's profile short (its teeth float free of the band, or holes
        // open in it): such a band, and any narrower than the style's depth, is drawn twice the
        // depth wide.
        p.t = p.style->depth;
        if (state.partitionCode == 1 || state.partitionCode == 4) width -= p.t;
        if (width < 2 * p.t) width = 2 * p.t;
    } else if (p.treatment != 0) {
        p.t = 5;
    }
    p.h = width / 2;
    p.nearEnd = -p.h + p.t - 1;
    p.farStart = p.h - p.t + 1;

    p.steep = p.adx < p.ady;
    if (p.steep && state.shapeCode == 19) kind = 3;
    p.kind = kind;

    const bool oneTincture = p.treatment != 2 && p.saved != kCounterchanged && p.saved != kChequy;
    if (oneTincture && state.view == OutputView::Shield && state.layerTarget.index < 0) {
        // Every row the band, its copies and its fills can reach. The walk moves y by sy, |dy|
        // times in all (after the lengthening of a slanted line, y2 can lie on the other side).
        const int reachH = std::abs(p.h) + 3;
        const int yEnd = p.y + p.sy * p.ady;
        int top = std::min(p.y, yEnd) - reachH, bottom = std::max(p.y, yEnd) + reachH;
        if (p.reflect && !p.steep) {
            const int reflectedTop = p.H - bottom, reflectedBottom = p.H - top;
            top = std::min(top, reflectedTop);
            bottom = std::max(bottom, reflectedBottom);
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, g.shieldBottom);
        RunCollector runs(g.W, top, bottom);
        BandWalker<RunCollector>(state, p, runs).Walk();
        runs.Emit(state);
    } else {
        DirectPainter direct(state);
        BandWalker<DirectPainter>(state, p, direct).Walk();
    }
    state.levelTincture[state.level] = p.saved;
}

}  // namespace esc
