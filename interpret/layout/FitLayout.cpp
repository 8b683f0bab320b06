// Layouts from the free space of the shield. The space is a mask of the pixels a charge may
// cover; a prefix sum of the blocked pixels answers "is this square free" at once, so the
// fitting can try every cell size from the largest down and keep the first that holds all the
// charges.

#include "interpret/layout/FitLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;

namespace {

constexpr std::int8_t kOrdinaryMark = kGules;  // the code the ordinary is painted in on the mask
constexpr int kEdgeMargin = 4;                 // pixels kept clear inside the outline
constexpr int kOrdinaryMargin = 6;             // pixels kept clear round the ordinary
constexpr int kSmallestCell = 12;
constexpr int kLopsidedPenalty = 10000;
constexpr int kUsefulRegionDivisor = 2;        // a region holding half the roomiest's charge
constexpr int kRegionMinPercent = 3;           // smaller pieces of free space are slivers
constexpr int kSameRowTolerance = 24;          // regions this close in height are side by side
constexpr float kWidestPitchPerCell = 1.6f;    // charges in a long row stay a group
constexpr int kLargestCellBetween = 130;       // scale 1.0
constexpr int kLargestCellOnField = 160;
constexpr float kLargestScaleBetween = 1.0f;
constexpr float kLargestScaleOnField = 1.2f;

// The columns of row y inside the outline, kEdgeMargin within it: one span a row (left > right
// when the row has none), clipped to a picture `width` wide.
struct Span {
    int left = 0, right = -1;
};
Span InsideOutline(const ShieldGeometry& g, int y, int width) {
    if (y < kEdgeMargin || y > g.shieldBottom - kEdgeMargin) return {};
    Span span{kEdgeMargin, g.W - 1 - kEdgeMargin};
    if (y >= g.baseTop) {
        const int row = y - g.baseTop;
        if (row >= g.BaseBoundsCount()) return {};
        const BaseBound& b = g.baseBounds[static_cast<std::size_t>(row)];
        span.left = std::max(span.left, b.left + kEdgeMargin);
        span.right = std::min(span.right, b.right - kEdgeMargin);
    }
    span.left = std::max(span.left, 0);
    span.right = std::min(span.right, width - 1);
    return span;
}

// Every row from `top` on at which rows of `cell` pixels can be centred, with the free x
// intervals of the centres there.
struct Interval {
    int a = 0, b = 0;
    int Capacity(int cell) const { return (b - a) / cell + 1; }
};
using RowIntervals = std::vector<Interval>;

RowIntervals IntervalsAt(const FreeSpace& space, int y, int cell, int region, std::vector<char>& centres) {
    space.FreeCentres(y, cell, region, centres);
    RowIntervals out;
    // The runs of free centres, found a byte search at a time.
    const auto begin = centres.begin(), end = centres.begin() + space.Width();
    for (auto at = std::find(begin, end, 1); at != end;) {
        const auto stop = std::find(at, end, 0);
        out.push_back({static_cast<int>(at - begin), static_cast<int>(stop - begin) - 1});
        at = std::find(stop, end, 1);
    }
    return out;
}

int Capacity(const RowIntervals& row, int cell) {
    int n = 0;
    for (const Interval& i : row) n += i.Capacity(cell);
    return n;
}

// k charges in one interval, centred, at most kWidestPitchPerCell cells apart.
void SpreadInInterval(const Interval& in, int k, int y, int cell, std::vector<FitSpot>& out) {
    const double mid = (in.a + in.b) / 2.0;
    if (k == 1) {
        out.push_back({static_cast<int>(std::lround(mid)), y});
        return;
    }
    const double pitch = std::min(static_cast<double>(in.b - in.a) / (k - 1), static_cast<double>(cell) * kWidestPitchPerCell);
    for (int j = 0; j < k; ++j) out.push_back({static_cast<int>(std::lround(mid + (j - (k - 1) / 2.0) * pitch)), y});
}

// k charges in a row of several intervals: each next charge goes where most room is left, so a
// row split by the ordinary (the arms of a chevron) is filled evenly on both sides.
void SpreadInRow(const RowIntervals& row, int k, int y, int cell, std::vector<FitSpot>& out) {
    std::vector<int> given(row.size(), 0);
    for (int n = 0; n < k; ++n) {
        std::size_t best = 0;
        int room = -1;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int left = row[i].Capacity(cell) - given[i];
            if (left > room) {
                room = left;
                best = i;
            }
        }
        ++given[best];
    }
    for (std::size_t i = 0; i < row.size(); ++i)
        if (given[i] > 0) SpreadInInterval(row[i], given[i], y, cell, out);
}

// count split over rows with the given capacities: evenly, the upper rows taking the remainder,
// and what a row cannot hold moved to the rows with room.
std::vector<int> Shares(int count, const std::vector<int>& capacities) {
    const int rows = static_cast<int>(capacities.size());
    std::vector<int> share(capacities.size());
    for (int i = 0; i < rows; ++i) share[static_cast<std::size_t>(i)] = count / rows + (i < count % rows ? 1 : 0);
    int excess = 0;
    for (std::size_t i = 0; i < share.size(); ++i) {
        if (share[i] > capacities[i]) {
            excess += share[i] - capacities[i];
            share[i] = capacities[i];
        }
    }
    for (std::size_t i = 0; excess > 0 && i < share.size(); ++i) {
        const int room = std::min(excess, capacities[i] - share[i]);
        share[i] += room;
        excess -= room;
    }
    return share;
}

}  // namespace

std::string WithCount(std::string_view text, int count) { return msg::WithCountedCharges(text, count); }

float Fit::Scale(float largest) const {
    return std::min(largest, static_cast<float>(cell) * kChargeShareOfCell / kChargeExtentAtScaleOne);
}

struct FreeSpace::Outline {
    std::vector<int> left, right;  // per row, the columns inside (left > right: none)
    std::vector<int> outsideSums;  // (width+1) * (height+1)
};

namespace {

// Prefix sums of a per-pixel count: sums[(y+1)*(w+1) + x+1] counts the pixels in [0, x] x [0, y].
template <typename Count>
std::vector<int> PrefixSums(int w, int h, Count count) {
    std::vector<int> sums(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y) {
        int rowSum = 0;
        const int* above = &sums[static_cast<std::size_t>(y) * (w + 1) + 1];
        int* here = &sums[static_cast<std::size_t>(y + 1) * (w + 1) + 1];
        for (int x = 0; x < w; ++x) {
            rowSum += count(x, y);
            here[x] = above[x] + rowSum;
        }
    }
    return sums;
}

// PrefixSums of the pixels of `codes` (w a row) marked with the ordinary's code; pixels past
// the end of `codes` are not marked. A row with no mark, most of them, repeats the sums above.
std::vector<int> MarkSums(const std::vector<std::int8_t>& codes, int w, int h) {
    std::vector<int> sums(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y) {
        const int* above = &sums[static_cast<std::size_t>(y) * (w + 1) + 1];
        int* here = &sums[static_cast<std::size_t>(y + 1) * (w + 1) + 1];
        const std::size_t start = std::min(codes.size(), static_cast<std::size_t>(y) * w);
        const std::size_t end = std::min(codes.size(), start + static_cast<std::size_t>(w));
        const std::int8_t* row = codes.data() + start;
        const int length = static_cast<int>(end - start);
        if (std::find(row, row + length, kOrdinaryMark) == row + length) {
            std::copy(above, above + w, here);
            continue;
        }
        int rowSum = 0;
        for (int x = 0; x < w; ++x) {
            rowSum += x < length && row[x] == kOrdinaryMark ? 1 : 0;
            here[x] = above[x] + rowSum;
        }
    }
    return sums;
}

int SumIn(const std::vector<int>& sums, int w, int x1, int y1, int x2, int y2) {
    auto at = [&](int x, int y) { return sums[static_cast<std::size_t>(y) * (w + 1) + x]; };
    return at(x2 + 1, y2 + 1) - at(x1, y2 + 1) - at(x2 + 1, y1) + at(x1, y1);
}

}  // namespace

const FreeSpace& FreeSpace::Field(DrawingState& s) {
    const int w = s.picture.Width(), h = s.picture.Height();
    if (s.fieldSpace && s.fieldSpace->geometry_ == s.geometry && s.fieldSpace->width_ == w && s.fieldSpace->height_ == h)
        return *s.fieldSpace;
    auto space = std::make_shared<FreeSpace>();
    space->geometry_ = s.geometry;
    space->width_ = w;
    space->height_ = h;
    auto outline = std::make_shared<Outline>();
    outline->left.resize(static_cast<std::size_t>(h));
    outline->right.resize(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const Span span = InsideOutline(s.geometry, y, w);
        outline->left[static_cast<std::size_t>(y)] = span.left;
        outline->right[static_cast<std::size_t>(y)] = span.right;
    }
    outline->outsideSums = PrefixSums(w, h, [&](int x, int y) {
        return x < outline->left[static_cast<std::size_t>(y)] || x > outline->right[static_cast<std::size_t>(y)] ? 1 : 0;
    });
    space->outline_ = std::move(outline);
    space->FindRegions();
    s.fieldSpace = std::move(space);
    return *s.fieldSpace;
}

void PrepareOrdinaryMask(const DrawingState& s, PaintState& mask, std::int8_t mark) {
    const LevelRecord& first = s.levels[0];
    mask.marshallingMode = s.marshallingMode;
    // The mask's own picture is already teal; only a picture of another size is made anew.
    if (mask.picture.Width() != s.picture.Width() || mask.picture.Height() != s.picture.Height()) {
        (void)mask.picture.Resize(s.picture.Width(), s.picture.Height());
        mask.picture.Fill(kTeal);
    }
    DrawShieldOutline(mask);
    std::fill(mask.pictureBuffer.begin(), mask.pictureBuffer.end(), static_cast<std::int8_t>(-100));
    mask.level = 0;
    mask.levels[0] = first;
    mask.levelTincture[0] = mark;
    // The shape level 0 was drawn with: a later word ("sinister hands") may have changed
    // shapeCode since.
    mask.shapeCode = s.firstOrdinaryShape != ShapeCode::kNoShape ? s.firstOrdinaryShape : s.shapeCode;
    mask.partitionCode = s.partitionCode;
    mask.lineCode = first.levelLine;
}

FreeSpace FreeSpace::AroundOrdinary(DrawingState& s, bool regions) {
    const FreeSpace& field = Field(s);
    FreeSpace space;
    space.geometry_ = field.geometry_;
    space.width_ = field.width_;
    space.height_ = field.height_;
    space.outline_ = field.outline_;
    const LevelRecord& first = s.levels[0];
    const bool piecesOrdinary = first.levelName == "bars" || first.levelName == "pallets";
    if (first.levelKind == kTypeOrdinary || piecesOrdinary) {
        // The ordinary drawn alone on an empty mask, as it was drawn on the shield.
        NullSink sink;
        PaintState mask(sink);
        PrepareOrdinaryMask(s, mask, kOrdinaryMark);
        if (first.levelName == "bars") {
            DrawBars(mask, 0);
        } else if (first.levelName == "pallets") {
            DrawPallets(mask, 0);
        } else {
            DrawOrdinary(mask, 0);
        }
        if (s.betweenCotises > 0) {
            mask.cotiseCount = s.betweenCotises;
            mask.cotiseTincture = kOrdinaryMark;
            mask.cotiseLine = s.betweenCotiseLine;
            DrawCotises(mask);
        }
        space.markSums_ = MarkSums(mask.pictureBuffer, space.width_, space.height_);
    } else {
        // Charges between a charge: the squares its pictures were given.
        const int n = std::min({first.levelCount, s.ringWritten, kPlacementRingSize});
        for (int k = 0; k < n; ++k) {
            const int index = ((s.ringNext - n + k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
            const RingEntry& e = s.placementRing[static_cast<std::size_t>(index)];
            const int half = static_cast<int>(e.scale * kChargeExtentAtScaleOne / 2) + kOrdinaryMargin;
            const Box box{std::max(0, e.x - half), std::max(0, e.y - half), std::min(space.width_ - 1, e.x + half),
                          std::min(space.height_ - 1, e.y + half)};
            if (box.x1 <= box.x2 && box.y1 <= box.y2) space.boxes_.push_back(box);
        }
    }
    if (regions) space.FindRegions();
    return space;
}

int FreeSpace::BlockedIn(int x1, int y1, int x2, int y2) const {
    int blocked = SumIn(outline_->outsideSums, width_, x1, y1, x2, y2);
    if (!markSums_.empty()) {
        // Every pixel within kOrdinaryMargin of the ordinary is blocked.
        blocked += SumIn(markSums_, width_, std::max(0, x1 - kOrdinaryMargin), std::max(0, y1 - kOrdinaryMargin),
                         std::min(width_ - 1, x2 + kOrdinaryMargin), std::min(height_ - 1, y2 + kOrdinaryMargin));
    }
    for (const Box& b : boxes_)
        if (b.x1 <= x2 && x1 <= b.x2 && b.y1 <= y2 && y1 <= b.y2) ++blocked;
    return blocked;
}

void FreeSpace::FindRegions() {
    const int w = width_, h = height_;
    regionTop_.clear();
    regionBottom_.clear();
    regionLeft_.clear();
    regionRight_.clear();
    regionCentreY_.clear();
    // Regions: 4-connected pieces of free space, slivers dropped, ordered top to bottom and then
    // dexter to sinister. The free pixels of each row are found as runs, and runs that overlap
    // the row above join its piece.
    struct Run {
        int y = 0, a = 0, b = 0;  // columns a..b of row y
    };
    std::vector<Run> runs;
    std::vector<std::size_t> rowFirst(static_cast<std::size_t>(h) + 1, 0);
    const bool outlineOnly = markSums_.empty() && boxes_.empty();
    std::vector<char> free;  // a pixel is free where a square of one pixel on it is
    for (int y = 0; y < h; ++y) {
        rowFirst[static_cast<std::size_t>(y)] = runs.size();
        const int left = outline_->left[static_cast<std::size_t>(y)], right = outline_->right[static_cast<std::size_t>(y)];
        if (outlineOnly) {
            if (left <= right) runs.push_back({y, left, right});
            continue;
        }
        if (left > right) continue;
        FreeCentres(y, 1, -1, free);
        for (int x = left; x <= right;) {
            while (x <= right && free[static_cast<std::size_t>(x)] == 0) ++x;
            if (x > right) break;
            const int a = x;
            while (x <= right && free[static_cast<std::size_t>(x)] != 0) ++x;
            runs.push_back({y, a, x - 1});
        }
    }
    rowFirst[static_cast<std::size_t>(h)] = runs.size();

    // Union-find over the runs; a piece's root is its first run in raster order, so the pieces
    // come in the order of their first pixel.
    std::vector<std::size_t> parent(runs.size());
    for (std::size_t i = 0; i < parent.size(); ++i) parent[i] = i;
    auto find = [&parent](std::size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    for (int y = 1; y < h; ++y) {
        std::size_t i = rowFirst[static_cast<std::size_t>(y - 1)], j = rowFirst[static_cast<std::size_t>(y)];
        const std::size_t iEnd = rowFirst[static_cast<std::size_t>(y)], jEnd = rowFirst[static_cast<std::size_t>(y) + 1];
        while (i < iEnd && j < jEnd) {
            if (runs[i].a <= runs[j].b && runs[j].a <= runs[i].b) {
                const std::size_t ri = find(i), rj = find(j);
                if (ri != rj) parent[std::max(ri, rj)] = std::min(ri, rj);
            }
            if (runs[i].b < runs[j].b) {
                ++i;
            } else {
                ++j;
            }
        }
    }

    struct Piece {
        std::size_t root = 0;
        int area = 0, top = 0, bottom = 0, left = 0, right = 0;
        long long sumX = 0, sumY = 0;
    };
    std::vector<Piece> pieces;
    std::vector<int> pieceOfRoot(runs.size(), -1);
    std::vector<int> pieceOfRun(runs.size(), -1);
    int total = 0;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const std::size_t root = find(k);
        if (pieceOfRoot[root] < 0) {
            pieceOfRoot[root] = static_cast<int>(pieces.size());
            pieces.push_back({root, 0, runs[k].y, runs[k].y, runs[k].a, runs[k].b, 0, 0});
        }
        Piece& p = pieces[static_cast<std::size_t>(pieceOfRoot[root])];
        pieceOfRun[k] = pieceOfRoot[root];
        const Run& r = runs[k];
        const int length = r.b - r.a + 1;
        p.area += length;
        p.sumX += static_cast<long long>(r.a + r.b) * length / 2;
        p.sumY += static_cast<long long>(r.y) * length;
        p.top = std::min(p.top, r.y);
        p.bottom = std::max(p.bottom, r.y);
        p.left = std::min(p.left, r.a);
        p.right = std::max(p.right, r.b);
        total += length;
    }
    std::vector<Piece> kept;
    std::vector<int> keptLabel;
    for (std::size_t label = 0; label < pieces.size(); ++label) {
        if (pieces[label].area * 100 < total * kRegionMinPercent) continue;
        kept.push_back(pieces[label]);
        keptLabel.push_back(static_cast<int>(label));
    }
    std::vector<std::size_t> byPlace(kept.size());
    for (std::size_t k = 0; k < byPlace.size(); ++k) byPlace[k] = k;
    std::sort(byPlace.begin(), byPlace.end(), [&kept](std::size_t i, std::size_t j) {
        const Piece& a = kept[i];
        const Piece& b = kept[j];
        const long long ay = a.sumY / a.area, by = b.sumY / b.area;
        if (std::llabs(ay - by) > kSameRowTolerance) return ay < by;
        return a.sumX / a.area < b.sumX / b.area;
    });
    std::vector<int> order(pieces.size(), -1);
    for (std::size_t k = 0; k < byPlace.size(); ++k) {
        const Piece& p = kept[byPlace[k]];
        order[static_cast<std::size_t>(keptLabel[byPlace[k]])] = static_cast<int>(k);
        regionTop_.push_back(p.top);
        regionBottom_.push_back(p.bottom);
        regionLeft_.push_back(p.left);
        regionRight_.push_back(p.right);
        regionCentreY_.push_back(static_cast<int>(p.sumY / p.area));
    }
    region_.assign(static_cast<std::size_t>(w) * h, -1);
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const Run& r = runs[k];
        const int region = order[static_cast<std::size_t>(pieceOfRun[k])];
        if (region < 0) continue;
        std::fill_n(region_.begin() + static_cast<std::ptrdiff_t>(r.y) * w + r.a, r.b - r.a + 1, region);
    }
}

void FreeSpace::FreeCentres(int y, int cell, int region, std::vector<char>& free) const {
    // The answers of BoxFree for the whole row, from what holds for every square on it: the rows
    // it covers, the band of rows round it that the ordinary's margin reaches, and the boxes
    // whose rows it meets.
    const int w = width_, h = height_, half = cell / 2;
    free.assign(static_cast<std::size_t>(std::max(w, 0)), 0);
    const int y1 = y - half, y2 = y1 + cell - 1;
    if (y1 < 0 || y2 >= h || cell < 1) return;
    // Inside the outline on every row: the square's columns within the narrowest span.
    int left = 0, right = w - 1;
    for (int row = y1; row <= y2; ++row) {
        left = std::max(left, outline_->left[static_cast<std::size_t>(row)]);
        right = std::min(right, outline_->right[static_cast<std::size_t>(row)]);
    }
    // Centres whose square lies in the picture and inside the outline, and in the region: the
    // columns of the row that are not in it are left out before the margin is looked at.
    int first = left + half, last = right - (cell - 1) + half;
    const std::size_t rowStart = static_cast<std::size_t>(y) * w;
    if (region >= 0) {
        while (first <= last && region_[rowStart + first] != region) ++first;
        while (first <= last && region_[rowStart + last] != region) --last;
    }
    if (first > last) return;
    std::fill(free.begin() + first, free.begin() + last + 1, 1);
    if (!markSums_.empty()) {
        // The marked pixels of the band of rows the margin reaches, summed up to each column.
        const int m1 = std::max(0, y1 - kOrdinaryMargin), m2 = std::min(h - 1, y2 + kOrdinaryMargin);
        const int* below = markSums_.data() + static_cast<std::size_t>(m2 + 1) * (w + 1);
        const int* above = markSums_.data() + static_cast<std::size_t>(m1) * (w + 1);
        // The square grown by the margin spans columns x - reachLeft .. x + reachRight - 1.
        const int reachLeft = half + kOrdinaryMargin, reachRight = cell - half + kOrdinaryMargin;
        auto blocked = [&](int a, int b) { return (below[b] - above[b]) != (below[a] - above[a]); };
        // Where the grown square stays within the picture no column needs clipping, and the
        // loop is a plain one over the row.
        const int inFrom = std::max(first, reachLeft), inTo = std::min(last, w - reachRight);
        char* out = free.data();
        for (int x = inFrom; x <= inTo; ++x) out[x] = static_cast<char>(out[x] & !blocked(x - reachLeft, x + reachRight));
        for (int x = first; x <= last; ++x) {
            if (x >= inFrom && x <= inTo) {
                x = inTo;
                continue;
            }
            const int a = std::max(0, x - reachLeft), b = std::min(w, x + reachRight);
            if (blocked(a, b)) free[static_cast<std::size_t>(x)] = 0;
        }
    }
    for (const Box& b : boxes_) {
        if (b.y1 > y2 || y1 > b.y2) continue;
        // The square [x - half, x - half + cell - 1] meets the box's columns.
        const int from = std::max(first, b.x1 - (cell - 1) + half), to = std::min(last, b.x2 + half);
        if (from <= to) std::fill(free.begin() + from, free.begin() + to + 1, 0);
    }
    if (region >= 0) {
        for (int x = first; x <= last; ++x)
            if (region_[rowStart + x] != region) free[static_cast<std::size_t>(x)] = 0;
    }
}

int FreeSpace::LargestSquare(int region, int atMost) const {
    // side[x - left + 1] is the side of the largest square of the region whose lower right
    // corner is (x, y), row by row over the region's bounds; diagonal holds the row above's
    // value at x - 1.
    const std::size_t index = static_cast<std::size_t>(region);
    const int left = regionLeft_[index], right = regionRight_[index];
    std::vector<int> side(static_cast<std::size_t>(right - left) + 2, 0);
    int largest = 0;
    for (int y = Top(region); y <= Bottom(region); ++y) {
        const int* labels = region_.data() + static_cast<std::size_t>(y) * width_;
        int diagonal = 0;
        for (int x = left; x <= right; ++x) {
            int* here = &side[static_cast<std::size_t>(x - left) + 1];
            const int above = *here;
            *here = labels[x] != region ? 0 : 1 + std::min({above, here[-1], diagonal});
            diagonal = above;
            largest = std::max(largest, *here);
        }
        if (largest >= atMost) return atMost;
    }
    return largest;
}

int FreeSpace::WidestRow() const {
    int widest = 0;
    for (std::size_t y = 0; y < outline_->left.size(); ++y) widest = std::max(widest, outline_->right[y] - outline_->left[y] + 1);
    return widest;
}

bool FreeSpace::BoxFree(int x, int y, int cell, int region) const {
    const int x1 = x - cell / 2, y1 = y - cell / 2, x2 = x1 + cell - 1, y2 = y1 + cell - 1;
    if (x1 < 0 || y1 < 0 || x2 >= width_ || y2 >= height_) return false;
    if (BlockedIn(x1, y1, x2, y2) != 0) return false;
    return region < 0 || region_[static_cast<std::size_t>(y) * width_ + x] == region;
}

Fit FitInRegion(const FreeSpace& space, int region, int count, int largestCell) {
    Fit fit;
    if (count < 1 || region < 0 || region >= space.Regions()) return fit;
    const int top = space.Top(region), bottom = space.Bottom(region);
    std::vector<char> centres;
    // No cell larger than the region's largest square has a free centre: those are passed over
    // without looking at their rows.
    const int start = space.LargestSquare(region, largestCell);
    for (int cell = start - start % 2; cell >= kSmallestCell; cell -= 2) {
        // Candidate rows every two pixels, and the charges each can hold.
        const int first = top + cell / 2, last = bottom - cell / 2;
        if (last < first) continue;
        std::vector<RowIntervals> rows;
        std::vector<int> capacity;
        for (int y = first; y <= last; y += 2) {
            rows.push_back(IntervalsAt(space, y, cell, region, centres));
            capacity.push_back(Capacity(rows.back(), cell));
        }
        const int step = cell / 2;  // rows `cell` apart are `step` candidates apart
        for (int r = 1; r <= count; ++r) {
            int bestStart = -1, bestScore = 0;
            for (int s = 0; s + (r - 1) * step < static_cast<int>(rows.size()); ++s) {
                int total = 0;
                bool each = true;
                for (int j = 0; j < r; ++j) {
                    const int c = capacity[static_cast<std::size_t>(s + j * step)];
                    each = each && c > 0;
                    total += c;
                }
                if (!each || total < count) continue;
                const int middle = first + 2 * s + (r - 1) * cell / 2;
                int score = std::abs(middle - space.CentreY(region));
                // An odd number in a row the ordinary splits (the arms of a chevron) would stand
                // lopsided: any window where each row is whole or evenly split comes first.
                std::vector<int> caps;
                for (int j = 0; j < r; ++j) caps.push_back(capacity[static_cast<std::size_t>(s + j * step)]);
                const std::vector<int> share = Shares(count, caps);
                for (int j = 0; j < r; ++j)
                    if (rows[static_cast<std::size_t>(s + j * step)].size() > 1 && share[static_cast<std::size_t>(j)] % 2 == 1)
                        score += kLopsidedPenalty;
                if (bestStart < 0 || score < bestScore) {
                    bestStart = s;
                    bestScore = score;
                }
            }
            if (bestStart < 0) continue;
            std::vector<int> caps;
            for (int j = 0; j < r; ++j) caps.push_back(capacity[static_cast<std::size_t>(bestStart + j * step)]);
            const std::vector<int> share = Shares(count, caps);
            fit.cell = cell;
            for (int j = 0; j < r; ++j) {
                const std::size_t row = static_cast<std::size_t>(bestStart + j * step);
                SpreadInRow(rows[row], share[static_cast<std::size_t>(j)], first + 2 * static_cast<int>(row), cell, fit.spots);
            }
            return fit;
        }
    }
    return fit;
}

Fit FitRows(const FreeSpace& space, std::span<const int> rows, int largestCell) {
    Fit fit;
    const int r = static_cast<int>(rows.size());
    if (r == 0 || space.Regions() == 0) return fit;
    int top = space.Top(0), bottom = space.Bottom(0);
    for (int i = 1; i < space.Regions(); ++i) {
        top = std::min(top, space.Top(i));
        bottom = std::max(bottom, space.Bottom(i));
    }
    const int centre = space.Width() / 2;
    // A row of n cells needs n cells' width inside the outline (its end squares stay inside), so
    // cells wider than the widest row allows for the longest row are passed over.
    const int longest = *std::max_element(rows.begin(), rows.end());
    const int widest = space.WidestRow();
    std::vector<char> free;  // a row's free centres, for rows of more than one charge
    for (int cell = largestCell - largestCell % 2; cell >= kSmallestCell; cell -= 2) {
        if (longest * cell > widest) continue;
        // The rows fill the field; where the narrowing base will not take the lowest row, the
        // rows close up from the bottom before the charges get smaller.
        for (int cut = bottom; cut - top >= r * cell; cut -= 8) {
            const double pitchY = static_cast<double>(cut - top) / r;
            double pitchX = cell * kWidestPitchPerCell;
            bool fits = true;
            // The lowest row, where the base narrows, is the one that fails most often: it is
            // asked first. The answer does not depend on the order (the pitch is the least any
            // row allows).
            for (int i = r - 1; i >= 0 && fits; --i) {
                const int n = rows[static_cast<std::size_t>(i)];
                const int y = top + static_cast<int>(pitchY * (i + 0.5));
                if (n < 1) continue;
                if (n == 1) {
                    fits = space.BoxFree(centre, y, cell);
                    continue;
                }
                // How far the row reaches on each side of the centre: the whole row's answers at
                // once, where asking square by square walked its width.
                space.FreeCentres(y, cell, -1, free);
                if (centre < 0 || centre >= space.Width() || free[static_cast<std::size_t>(centre)] == 0) {
                    fits = false;
                    break;
                }
                int left = centre, right = centre;
                while (left > 0 && free[static_cast<std::size_t>(left - 1)] != 0) --left;
                while (right + 1 < space.Width() && free[static_cast<std::size_t>(right + 1)] != 0) ++right;
                pitchX = std::min(pitchX, 2.0 * std::min(centre - left, right - centre) / (n - 1));
                fits = pitchX >= cell;
            }
            if (!fits) continue;
            fit.cell = cell;
            for (int i = 0; i < r; ++i) {
                const int n = rows[static_cast<std::size_t>(i)];
                const int y = top + static_cast<int>(pitchY * (i + 0.5));
                for (int j = 0; j < n; ++j)
                    fit.spots.push_back({static_cast<int>(std::lround(centre + (j - (n - 1) / 2.0) * pitchX)), y});
            }
            return fit;
        }
    }
    return fit;
}

std::vector<int> FieldRows(int count) {
    // As heralds set them: 4 is two and two, 5 in saltire, 6 three, two and one, and beyond ten
    // rows that fill the field, narrowing toward the base.
    static constexpr std::array<std::array<int, 5>, kMaxChargesOnField + 1> kRows = {{
        {0},          {1},          {2},          {2, 1},       {2, 2},       {2, 1, 2},    {3, 2, 1},
        {3, 3, 1},    {3, 3, 2},    {3, 3, 3},    {4, 3, 2, 1}, {4, 4, 3},    {4, 4, 3, 1}, {4, 4, 3, 2},
        {5, 4, 3, 2}, {5, 4, 3, 2, 1}, {5, 5, 4, 2}, {5, 5, 4, 3}, {5, 5, 4, 3, 1}, {5, 5, 4, 3, 2},
        {6, 5, 4, 3, 2},
    }};
    std::vector<int> out;
    if (count < 1 || count > kMaxChargesOnField) return out;
    for (int n : kRows[static_cast<std::size_t>(count)])
        if (n > 0) out.push_back(n);
    return out;
}

void PlaceFit(DrawingState& s, const Fit& fit, float largestScale) {
    const float scale = fit.Scale(largestScale);
    for (const FitSpot& spot : fit.spots) Place(s, spot.x, spot.y, scale);
}

void FieldRowsLayout(DrawingState& s) {
    const int n = Current(s).levelCount;
    NoteLayout(s, "FieldRows");
    const std::vector<int> rows = FieldRows(n);
    const Fit fit = rows.empty() ? Fit{} : FitRows(FreeSpace::Field(s), rows, kLargestCellOnField);
    if (fit.cell == 0) {
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    PlaceFit(s, fit, kLargestScaleOnField);
}

void BetweenLayout(DrawingState& s) {
    const int n = Current(s).levelCount;
    NoteLayout(s, "BetweenLayout");
    const FreeSpace space = FreeSpace::AroundOrdinary(s);
    const int regions = space.Regions();
    if (n < 1 || n > kMaxChargesBetween || regions == 0) {
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    // Only regions that hold a charge about as large as the roomiest one: the narrow gaps
    // between chevronels or bendlets are part of the ordinary to the eye.
    std::vector<int> single(static_cast<std::size_t>(regions), 0);
    for (int r = 0; r < regions; ++r) single[static_cast<std::size_t>(r)] = FitInRegion(space, r, 1, kLargestCellBetween).cell;
    const int roomiest = *std::max_element(single.begin(), single.end());
    std::vector<int> usable;
    for (int r = 0; r < regions; ++r)
        if (single[static_cast<std::size_t>(r)] * kUsefulRegionDivisor >= roomiest) usable.push_back(r);
    // Round the regions in their order, so the first (above, dexter, in chief) takes the odd one.
    std::vector<int> share(static_cast<std::size_t>(regions), 0);
    const bool oneGroup = s.splitGroup > 0 && usable.size() == 2 && n == (s.splitGroup == 1 ? s.splitChief : s.splitBase);
    if (s.splitGroup > 0 && !oneGroup) {
        // The two groups want a side each, and there are not two sides.
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    if (oneGroup || (s.splitChief > 0 && usable.size() == 2 && s.splitChief + s.splitBase == n)) {
        // "six in chief and four in base": the written split, the upper region first.
        share[static_cast<std::size_t>(usable[0])] = s.splitChief;
        share[static_cast<std::size_t>(usable[1])] = s.splitBase;
    } else {
        for (int i = 0; i < n && !usable.empty(); ++i) ++share[static_cast<std::size_t>(usable[static_cast<std::size_t>(i) % usable.size()])];
    }
    // One cell for all: the smallest that every region needs.
    int cell = kLargestCellBetween;
    for (int r = 0; r < regions; ++r) {
        if (share[static_cast<std::size_t>(r)] == 0) continue;
        cell = std::min(cell, FitInRegion(space, r, share[static_cast<std::size_t>(r)], cell).cell);
    }
    if (cell == 0) {
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    Fit all;
    all.cell = cell;
    for (int r = 0; r < regions; ++r) {
        if (share[static_cast<std::size_t>(r)] == 0) continue;
        // One group of two: both shares sized the cell, alike; this group's side alone is placed.
        if (oneGroup && r != usable[static_cast<std::size_t>(s.splitGroup - 1)]) continue;
        const Fit part = FitInRegion(space, r, share[static_cast<std::size_t>(r)], cell);
        all.spots.insert(all.spots.end(), part.spots.begin(), part.spots.end());
    }
    PlaceFit(s, all, kLargestScaleBetween);
}

}  // namespace esc
