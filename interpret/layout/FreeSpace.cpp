// The free space of the shield: a mask of the pixels a charge may cover, inside the outline and
// off an ordinary with its margin, and the regions it falls into. A prefix sum of the blocked
// pixels answers "is this square free" at once.

#include "interpret/layout/FitLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>

#include "engine/Diminutives.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

constexpr std::int8_t kOrdinaryMark = kGules;  // the code the ordinary is painted in on the mask
constexpr int kEdgeMargin = 4;                 // pixels kept clear inside the outline
constexpr int kOrdinaryMargin = 6;             // pixels kept clear round the ordinary
constexpr int kRegionMinPercent = 3;           // smaller pieces of free space are slivers
constexpr int kSameRowTolerance = 24;          // regions this close in height are side by side

// The columns of row y inside the outline, kEdgeMargin within it: one span a row (left > right
// when the row has none), clipped to a picture `width` wide.
struct Span {
    int left = 0, right = -1;
};
Span InsideOutline(const ShieldGeometry& g, int y, int width) {
    const int margin = g.Px(kEdgeMargin);
    if (y < margin || y > g.shieldBottom - margin) return {};
    Span span{margin, g.W - 1 - margin};
    if (y >= g.baseTop) {
        const int row = y - g.baseTop;
        if (row >= g.BaseBoundsCount()) return {};
        const BaseBound& b = g.baseBounds[static_cast<std::size_t>(row)];
        span.left = std::max(span.left, b.left + margin);
        span.right = std::min(span.right, b.right - margin);
    }
    span.left = std::max(span.left, 0);
    span.right = std::min(span.right, width - 1);
    return span;
}

}  // namespace

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

namespace {

// The level of the ordinary the charges now laid out stand about: the one laid over all just
// before them ("a bend or, over all a bend sinister between four mullets"), else level 0's.
int OrdinaryAboutLevel(const DrawingState& s) {
    const bool aboutTheOneOverAll = s.overAllLevel > 0 && s.overAllLevel == s.level - 1 &&
                                    s.levels[static_cast<std::size_t>(s.overAllLevel)].levelKind == kTypeOrdinary &&
                                    s.shapeCode != ShapeCode::kNoShape;
    return aboutTheOneOverAll ? s.overAllLevel : 0;
}

// The shape that ordinary was drawn with: for level 0 a later word ("sinister hands") may have
// changed shapeCode since; the one over all was read just before.
ShapeCode OrdinaryMaskShape(const DrawingState& s) {
    if (OrdinaryAboutLevel(s) > 0) return s.shapeCode;
    return s.firstOrdinaryShape != ShapeCode::kNoShape ? s.firstOrdinaryShape : s.shapeCode;
}

}  // namespace

FreeSpace::OrdinaryKey FreeSpace::KeyOf(const DrawingState& s) {
    OrdinaryKey key;
    key.geometry = s.geometry;
    key.width = s.picture.Width();
    key.height = s.picture.Height();
    key.marshallingMode = s.marshallingMode;
    key.first = s.levels[static_cast<std::size_t>(OrdinaryAboutLevel(s))];
    key.shapeCode = OrdinaryMaskShape(s);
    key.partitionCode = s.partitionCode;
    key.cotises = s.betweenCotises;
    key.cotiseLine = s.betweenCotiseLine;
    key.position = FirstOrdinaryPosition(s);
    return key;
}

void PrepareOrdinaryMask(const DrawingState& s, PaintState& mask, std::int8_t mark) {
    const LevelRecord& first = s.levels[static_cast<std::size_t>(OrdinaryAboutLevel(s))];
    mask.marshallingMode = s.marshallingMode;
    // Drawn at the drawing's paint scale: the ordinary's measures are design measures.
    if (mask.geometry.k != s.geometry.k) mask.ApplyPaintScale(s.geometry.k);
    // The mask's picture is left as the last mask left it (a mask is read by its codes alone);
    // only a picture of another size is made anew.
    if (mask.picture.Width() != s.picture.Width() || mask.picture.Height() != s.picture.Height()) {
        (void)mask.picture.Resize(s.picture.Width(), s.picture.Height());
        mask.picture.Fill(kTeal);
    }
    DrawShieldOutline(mask);
    std::fill(mask.pictureBuffer.begin(), mask.pictureBuffer.end(), static_cast<std::int8_t>(-100));
    mask.level = 0;
    mask.levels[0] = first;
    mask.levelTincture[0] = mark;
    mask.shapeCode = OrdinaryMaskShape(s);
    mask.partitionCode = s.partitionCode;
    mask.lineCode = first.levelLine;
    mask.position = FirstOrdinaryPosition(s);
}

std::shared_ptr<const FreeSpace> FreeSpace::AroundOrdinary(DrawingState& s, bool regions) {
    const FreeSpace& field = Field(s);
    const LevelRecord& first = s.levels[static_cast<std::size_t>(OrdinaryAboutLevel(s))];
    const bool piecesOrdinary = NamesBars(first.levelName) || NamesPallets(first.levelName);
    const bool ordinary = first.levelKind == kTypeOrdinary || piecesOrdinary;
    OrdinaryKey key;
    if (ordinary) {
        key = KeyOf(s);
        const std::shared_ptr<const FreeSpace>& kept = s.ordinarySpace;
        if (kept && kept->key_ == key && kept->outline_ == field.outline_) {
            if (!regions || kept->HasRegions()) return kept;
            // The same mask, now with its regions: the sums are shared, not drawn again.
            auto space = std::make_shared<FreeSpace>(*kept);
            space->FindRegions();
            s.ordinarySpace = space;
            return space;
        }
    }
    auto made = std::make_shared<FreeSpace>();
    FreeSpace& space = *made;
    space.geometry_ = field.geometry_;
    space.width_ = field.width_;
    space.height_ = field.height_;
    space.outline_ = field.outline_;
    if (ordinary) {
        // The ordinary drawn alone on an empty mask, as it was drawn on the shield.
        NullSink sink;
        std::unique_ptr<PaintState> taken = s.spareMask.Take(sink);
        PaintState& mask = *taken;
        PrepareOrdinaryMask(s, mask, kOrdinaryMark);
        if (NamesBars(first.levelName)) {
            DrawBars(mask, PiecesPlacement::kOnTheField);
        } else if (NamesPallets(first.levelName)) {
            DrawPallets(mask, PiecesPlacement::kOnTheField);
        } else {
            DrawOrdinary(mask, {mask.shapeCode, false});
        }
        if (s.betweenCotises > 0) {
            CotiseRequest cotises = CotisesOf(mask);
            cotises.count = s.betweenCotises;
            cotises.tincture = kOrdinaryMark;
            cotises.line = {s.betweenCotiseLine, 0, 0};
            DrawCotises(mask, cotises);
        }
        space.markSums_ = std::make_shared<const std::vector<int>>(MarkSums(mask.pictureBuffer, space.width_, space.height_));
        s.spareMask.Give(std::move(taken));
        space.key_ = key;
    } else {
        // Charges between a charge: the squares its pictures were given.
        const int n = std::min({first.levelCount, s.ringWritten, kPlacementRingSize});
        for (int k = 0; k < n; ++k) {
            const int index = ((s.ringNext - n + k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
            const RingEntry& e = s.placementRing[static_cast<std::size_t>(index)];
            const int half = static_cast<int>(space.geometry_.Scaled(e.scale * kChargeExtentAtScaleOne) / 2) +
                             space.geometry_.Px(kOrdinaryMargin);
            const Box box{std::max(0, e.x - half), std::max(0, e.y - half), std::min(space.width_ - 1, e.x + half),
                          std::min(space.height_ - 1, e.y + half)};
            if (box.x1 <= box.x2 && box.y1 <= box.y2) space.boxes_.push_back(box);
        }
    }
    if (regions) space.FindRegions();
    if (ordinary) s.ordinarySpace = made;
    return made;
}

int FreeSpace::BlockedIn(int x1, int y1, int x2, int y2) const {
    int blocked = SumIn(outline_->outsideSums, width_, x1, y1, x2, y2);
    if (markSums_) {
        // Every pixel within kOrdinaryMargin of the ordinary is blocked.
        const int margin = geometry_.Px(kOrdinaryMargin);
        blocked += SumIn(*markSums_, width_, std::max(0, x1 - margin), std::max(0, y1 - margin),
                         std::min(width_ - 1, x2 + margin), std::min(height_ - 1, y2 + margin));
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
    largestSquares_.clear();
    // Regions: 4-connected pieces of free space, slivers dropped, ordered top to bottom and then
    // dexter to sinister. The free pixels of each row are found as runs, and runs that overlap
    // the row above join its piece.
    struct Run {
        int y = 0, a = 0, b = 0;  // columns a..b of row y
    };
    std::vector<Run> runs;
    std::vector<std::size_t> rowFirst(static_cast<std::size_t>(h) + 1, 0);
    const bool outlineOnly = !markSums_ && boxes_.empty();
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
    if (markSums_) {
        // The marked pixels of the band of rows the margin reaches, summed up to each column.
        const int margin = geometry_.Px(kOrdinaryMargin);
        const int m1 = std::max(0, y1 - margin), m2 = std::min(h - 1, y2 + margin);
        const int* below = markSums_->data() + static_cast<std::size_t>(m2 + 1) * (w + 1);
        const int* above = markSums_->data() + static_cast<std::size_t>(m1) * (w + 1);
        // The square grown by the margin spans columns x - reachLeft .. x + reachRight - 1.
        const int reachLeft = half + margin, reachRight = cell - half + margin;
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
    if (largestSquares_.size() != regionTop_.size()) FindLargestSquares();
    return std::min(largestSquares_[static_cast<std::size_t>(region)], atMost);
}

void FreeSpace::FindLargestSquares() const {
    // side[x - left + 1] is the side of the largest square of one region whose lower right corner
    // is (x, y), row by row over the bounds of every region; diagonal holds the row above's value
    // at x - 1. One pass serves every region: the pixels above and to the left of a region's
    // pixel are of the same region or of none (regions are 4-connected pieces), and the square
    // on the diagonal counts only when both of them are in it.
    largestSquares_.assign(regionTop_.size(), 0);
    if (regionTop_.empty()) return;
    const int left = *std::min_element(regionLeft_.begin(), regionLeft_.end());
    const int right = *std::max_element(regionRight_.begin(), regionRight_.end());
    const int top = *std::min_element(regionTop_.begin(), regionTop_.end());
    const int bottom = *std::max_element(regionBottom_.begin(), regionBottom_.end());
    std::vector<int> side(static_cast<std::size_t>(right - left) + 2, 0);
    int* largest = largestSquares_.data();
    for (int y = top; y <= bottom; ++y) {
        const int* labels = region_.data() + static_cast<std::size_t>(y) * width_;
        int diagonal = 0;
        for (int x = left; x <= right; ++x) {
            int* here = &side[static_cast<std::size_t>(x - left) + 1];
            const int above = *here;
            const int label = labels[x];
            *here = label < 0 ? 0 : 1 + std::min({above, here[-1], diagonal});
            diagonal = above;
            if (label >= 0) largest[label] = std::max(largest[label], *here);
        }
    }
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

}  // namespace esc
