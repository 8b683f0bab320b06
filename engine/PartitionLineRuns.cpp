// A band painted as runs. In one tincture that is neither counterchanged nor chequy, in the
// shield view with no layer target, every single call PaintSpan(x, y, x+1) of the band stores the
// same code at column x and plots the same colours at x (and x+1 for plain colours): the order of
// the calls cannot matter, only the set of their columns. So the columns are collected row by row
// in a bit set, whole ranges of them at once where the single calls would cover a range, and
// each run of columns is handed to PaintSpan once, which stores and plots exactly what the single
// calls would have.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "engine/PartitionLineBand.h"
#include "engine/Painter.h"

namespace esc::band {
namespace {

// The columns of the band's calls, row by row. In the shield view a call PaintSpan(x1, y, x2)
// paints nothing when y is outside 0..shieldBottom or x1 < 0, and a column at or past W stores
// and plots nothing (codes other than chequy), so only columns 0..W-1 of those rows are kept.
class RunCollector {
public:
    RunCollector(int width, int firstRow, int lastRow)
        : width_(width), wordsPerRow_((width + 63) / 64), firstRow_(firstRow),
          rows_(std::max(lastRow - firstRow + 1, 0)),
          bits_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(wordsPerRow_), 0) {}

    // One call PaintSpan(x, y, x + 1).
    void Pixel(int x, int y) {
        const int r = y - firstRow_;
        if (r < 0 || r >= rows_ || x < 0 || x >= width_) return;
        Row(r)[x >> 6] |= std::uint64_t{1} << (x & 63);
    }
    // The calls PaintSpan(x + i, y, x + i + 1) for i = 0 .. n-1 (n at most 4).
    void Few(int x, int y, int n) {
        const int r = y - firstRow_;
        if (r >= 0 && r < rows_ && x >= 0 && x + n <= width_ && (x & 63) <= 64 - n) {
            Row(r)[x >> 6] |= ((std::uint64_t{1} << n) - 1) << (x & 63);
            return;
        }
        Pixels(x, y, x + n - 1);
    }
    // The calls PaintSpan(x, y0 + i, x + 1) for every bit i of mask.
    void ColumnBits(int x, int y0, std::uint64_t mask) {
        if (x < 0 || x >= width_) return;
        const std::uint64_t bit = std::uint64_t{1} << (x & 63);
        while (mask != 0) {
            const int r = y0 + std::countr_zero(mask) - firstRow_;
            mask &= mask - 1;
            if (r >= 0 && r < rows_) Row(r)[x >> 6] |= bit;
        }
    }
    // The calls PaintSpan(x, y, x + 1) for x = lo .. hi.
    void Pixels(int lo, int y, int hi) {
        const int r = y - firstRow_;
        lo = std::max(lo, 0);
        hi = std::min(hi, width_ - 1);
        if (r < 0 || r >= rows_ || lo > hi) return;
        SetRange(Row(r), lo, hi + 1);
    }
    // The calls PaintSpan(x, y, x + 1) for y = y1 .. y2.
    void Column(int x, int y1, int y2) {
        if (x < 0 || x >= width_) return;
        const int r1 = std::max(y1 - firstRow_, 0), r2 = std::min(y2 - firstRow_, rows_ - 1);
        const std::uint64_t bit = std::uint64_t{1} << (x & 63);
        for (int r = r1; r <= r2; ++r) Row(r)[x >> 6] |= bit;
    }
    // One call PaintSpan(x1, y, x2): columns x1 .. x2-1, nothing when x1 < 0. (A call with
    // x2 <= x1 plots one pixel at x1, which the band only makes at column 0 or at W and beyond,
    // where the painter clips it.)
    void Span(int x1, int y, int x2) {
        if (x1 < 0) return;
        Pixels(x1, y, x2 - 1);
    }

    void Emit(PaintState& state) const {
        for (int r = 0; r < rows_; ++r) {
            const std::uint64_t* row = Row(r);
            int x = Next(row, 0, false);
            while (x < width_) {
                const int end = Next(row, x, true);
                PaintSpan(state, x, firstRow_ + r, end);
                x = Next(row, end, false);
            }
        }
    }

private:
    std::uint64_t* Row(int r) { return &bits_[static_cast<std::size_t>(r) * static_cast<std::size_t>(wordsPerRow_)]; }
    const std::uint64_t* Row(int r) const {
        return &bits_[static_cast<std::size_t>(r) * static_cast<std::size_t>(wordsPerRow_)];
    }
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
    // The first column from `from` on that is clear (clear == true) or set.
    int Next(const std::uint64_t* row, int from, bool clear) const {
        for (int w = from >> 6; w < wordsPerRow_; ++w) {
            std::uint64_t word = clear ? ~row[w] : row[w];
            if (w == (from >> 6)) word &= ~std::uint64_t{0} << (from & 63);
            if (word != 0) return std::min(w * 64 + std::countr_zero(word), width_);
        }
        return width_;
    }

    int width_, wordsPerRow_, firstRow_, rows_;
    std::vector<std::uint64_t> bits_;
};

// The band's calls, cross-section by cross-section, collected. The edge zones are read from
// masks made once per band: bit i of nearMask[step] says whether offset -h+i is painted, bit i
// of farMask[step] offset farStart+i, with the one-sided kinds already applied. The middle zone
// is handed over as ranges.
class RunWalker {
public:
    RunWalker(PaintState& state, const BandPlan& plan, RunCollector& out) : s_(state), p_(plan), out_(out) {
        if (p_.style == nullptr) return;
        nearMasks_.assign(static_cast<std::size_t>(p_.style->period), 0);
        farMasks_.assign(static_cast<std::size_t>(p_.style->period), 0);
        const bool nearSolid = p_.steep ? p_.edges == BandEdges::kNearEdge : p_.edges == BandEdges::kFarEdge;
        const bool farSolid = p_.steep ? p_.edges == BandEdges::kFarEdge : p_.edges == BandEdges::kNearEdge;
        for (int step = 0; step < p_.style->period; ++step) {
            std::uint64_t nearMask = 0, farMask = 0;
            for (int i = 0; i < p_.t; ++i) {
                if (nearSolid || p_.style->Solid(i, p_.ProfileColumn(step, -p_.h + i))) nearMask |= std::uint64_t{1} << i;
                // The far zone lies at k > 0: its rows run backward when mirrored, else it is the
                // complement of the profile.
                const int row = p_.mirrored ? p_.t - 1 - i : i;
                const int farColumn = p_.style->FarStep(p_.ProfileColumn(step, p_.farStart + i));
                if (farSolid || p_.style->Solid(row, farColumn) == p_.mirrored) farMask |= std::uint64_t{1} << i;
            }
            nearMasks_[static_cast<std::size_t>(step)] = nearMask;
            farMasks_[static_cast<std::size_t>(step)] = farMask;
        }
    }

    void CrossSection(int x, int y, int step) {
        if (p_.style == nullptr) {
            Middle(-p_.h, p_.h, x, y);
            return;
        }
        Edge(-p_.h, nearMasks_[static_cast<std::size_t>(step)], x, y);
        Middle(p_.nearEnd + 1, p_.farStart - 1, x, y);
        Edge(p_.farStart, farMasks_[static_cast<std::size_t>(step)], x, y);
    }

private:
    // The painted offsets of an edge zone starting at k0. A band with a style is at least twice
    // its depth wide, so k = 0 is never in an edge zone and the edges record no crossings.
    void Edge(int k0, std::uint64_t mask, int x, int y) {
        if (!p_.steep && !p_.reflect) {
            out_.ColumnBits(x, y + k0, mask);
            if (p_.centreCopy) out_.ColumnBits(p_.M - x, y + k0, mask);
            return;
        }
        while (mask != 0) {
            const int k = k0 + std::countr_zero(mask);
            mask &= mask - 1;
            if (!p_.steep) {
                out_.Pixel(x, y + k);
                if (p_.reflect) out_.Pixel(x, p_.H - (y + k));
                if (p_.centreCopy) out_.Pixel(p_.M - x, y + k);
                continue;
            }
            const int X = x + k * p_.lx;
            if (p_.vertical) {
                out_.Pixel(X, y);
                if (p_.reflect) out_.Pixel(p_.W - X, y);
            } else {
                out_.Pixel(X, y - k);
                out_.Pixel(X, y - k - 1);
                if (p_.reflect) {
                    out_.Pixel(p_.W - X, y - k);
                    out_.Pixel(p_.W - X, y - k - 1);
                }
            }
            if (p_.centreCopy) out_.Pixel(p_.M - x + k, y);
        }
    }

    // Offsets a..b painted as middle pixels: the steep band's centre column recorded first, then
    // the pixels that neither a voided band's middle zone nor the gap (|k| < 3) leaves out.
    void Middle(int a, int b, int x, int y) {
        if (a > b) return;
        if (p_.steep && a <= 0 && b >= 0 && y >= 0) RecordCrossing(s_, x, y);
        int lo[3], hi[3], n = 0;
        auto add = [&](int from, int to) {
            if (from <= to) {
                lo[n] = from;
                hi[n] = to;
                ++n;
            }
        };
        if (p_.treatment == OrdinaryTreatment::kVoided) {
            add(a, std::min(b, p_.nearEnd));
            add(std::max(a, p_.farStart), b);
        } else {
            add(a, b);
        }
        if (p_.gap && !p_.steep) {  // split each range around the gap (-2..2 at the design size)
            int lo2[3], hi2[3], m = 0;
            const int g = p_.gapHalf;
            for (int i = 0; i < n; ++i) {
                if (lo[i] <= -g) { lo2[m] = lo[i]; hi2[m] = std::min(hi[i], -g); ++m; }
                if (hi[i] >= g) { lo2[m] = std::max(lo[i], g); hi2[m] = hi[i]; ++m; }
            }
            n = m;
            std::copy(lo2, lo2 + m, lo);
            std::copy(hi2, hi2 + m, hi);
        }
        for (int i = 0; i < n; ++i) MiddleRange(lo[i], hi[i], x, y);
    }

    void MiddleRange(int a, int b, int x, int y) {
        const int W = p_.W, M = p_.M;
        if (!p_.steep) {
            out_.Column(x, y + a, y + b);
            if (p_.reflect) out_.Column(x, p_.H - (y + b), p_.H - (y + a));
            if (p_.fillToLeft) {
                for (int row = y + a; row <= y + b; ++row) out_.Span(0, row, x);
            }
            if (p_.centreCopy) {
                out_.Column(M - x, y + a, y + b);
                if (p_.fillToLeft) {
                    for (int row = y + a; row <= y + b; ++row) out_.Span(M - x, row, W);
                }
            }
            return;
        }
        const int xa = x + a * p_.lx, xb = x + b * p_.lx;
        const int left = std::min(xa, xb), right = std::max(xa, xb);
        if (p_.vertical) {
            out_.Pixels(left, y, right);
            if (p_.reflect) out_.Pixels(W - right, y, W - left);
        } else {
            // Offset k paints (X-1, Y), (X, Y), (X, Y-1) and (X+1, Y-1), with X = x + k*lx and
            // Y = y - k: the pair on row Y-1 meets the first pair of offset k+1 there.
            const int lastX = x + b * p_.lx;
            if (p_.lx > 0) {
                for (int k = a; k <= b; ++k) out_.Few(x + k - 1, y - k, 2);
            } else {
                out_.Few(x - a - 1, y - a, 2);
                for (int k = a; k < b; ++k) out_.Few(x - k - 2, y - k - 1, 4);
            }
            out_.Few(lastX, y - b - 1, 2);
            for (int k = a; k <= b && p_.reflect; ++k) {
                const int X = x + k * p_.lx, Y = y - k;
                out_.Pixel(W - X, Y);
                out_.Pixel(W - X, Y - 1);
            }
        }
        if (p_.reflect && a <= 0 && b >= 0 && y >= 0) RecordCrossing(s_, W - x, y);
        if (p_.fillToLeft) out_.Span(0, y, right);  // the union of the fills up to each pixel
        if (p_.centreCopy) {
            out_.Pixels(M - x + a, y, M - x + b);
            if (p_.fillToLeft) out_.Span(M - x, y, W);
        }
    }

    PaintState& s_;
    const BandPlan& p_;
    RunCollector& out_;
    std::vector<std::uint64_t> nearMasks_, farMasks_;  // one per step of the period
};

}  // namespace

void PaintAsRuns(PaintState& state, const BandPlan& p) {
    // Every row the band, its copies and its fills can reach. The walk moves y by sy, |dy| times
    // in all (after the lengthening of a slanted line, its end can lie on the other side).
    const int reach = std::abs(p.h) + 3;
    const int yEnd = p.y + p.sy * p.ady;
    int top = std::min(p.y, yEnd) - reach, bottom = std::max(p.y, yEnd) + reach;
    if (p.reflect && !p.steep) {
        const int reflectedTop = p.H - bottom, reflectedBottom = p.H - top;
        top = std::min(top, reflectedTop);
        bottom = std::max(bottom, reflectedBottom);
    }
    RunCollector runs(p.W, std::max(top, 0), std::min(bottom, state.geometry.shieldBottom));
    RunWalker walker(state, p, runs);
    Walk(p, [&](int x, int y, int step) { walker.CrossSection(x, y, step); });
    runs.Emit(state);
}

}  // namespace esc::band
