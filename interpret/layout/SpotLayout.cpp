// Spots of a group of charges by arrangement, in any region of the shield.
//
// Each arrangement is a set of lines through its region (a pale's upright, a saltire's two
// diagonals, a chevron's two limbs from its point) with the charges spread evenly along them.
// A charge's scale comes from the room round its spot: the nearest neighbour (measured as squares
// meet: the larger of the two distances across and down) and the region's edges.

#include "interpret/layout/SpotLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "engine/Ordinaries.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Placement.h"

namespace esc {

namespace {

constexpr float kLargestInArrangement = 1.0f;
constexpr int kRegionEdgeMargin = 6;  // between a charge's cell and the region's edge
constexpr int kNoNeighbour = 1 << 20;
// The chevron's limbs: its point a little above the middle, the limbs ending near the flanks.
constexpr double kChevronPointShare = 0.36, kChevronEndShare = 0.14, kChevronSlope = 0.84;
// The cross and saltire reach this share of the way from the centre to the region's edge.
constexpr double kArmReach = 0.62;
// The pall: its centre, and where its upper arms end.
constexpr double kPallCentreShare = 0.42, kPallArmTopShare = 0.12, kPallArmSideShare = 0.16;
// The pile's rows start a tenth down and span four fifths of the width.
constexpr int kPileTopDivisor = 10;
// The ring of in annulo: its centre a little above the middle, its radius a share of the width.
constexpr double kRingCentreShare = 0.45, kRingRadiusShare = 0.28;
constexpr float kLargestInAnnulo = 0.7f;
// Two or more round a ring: each as large as the chord to its neighbours allows, up to this. Few
// charges have long chords and make the ring between them ("two fish naiant in annulo"), so they
// are drawn larger than one charge alone at the ring's middle.
constexpr float kLargestRoundTheRing = 1.1f;
// In orle: the path runs this far inside the region's edges.
constexpr int kOrleInset = 40, kOrleBaseInset = 48;
constexpr float kLargestInOrle = 0.5f;
// The chevrons' points as the shapes draw them, as shares of the height: the upper edge of a
// chevron inverted's point and the lower edge of a chevron's; their limbs fall this steeply.
constexpr double kInvertedPointShare = 0.4, kChevronUnderPointShare = 0.6, kLimbSlope = 0.85;
constexpr int kBetweenArmsMargin = 10;
// A column reaching the foot of the shield is set down this share of its height.
constexpr int kBaseClearanceDivisor = 24;

struct SpotPoint {
    int x, y;
};

int Lround(double v) { return static_cast<int>(std::lround(v)); }

// `n` points evenly along the segment from (x1, y1) to (x2, y2), the first `from` steps out
// and the last at the far end.
void AlongSegment(std::vector<SpotPoint>& out, double x1, double y1, double x2, double y2, int n, double from) {
    for (int i = 0; i < n; ++i) {
        const double t = n + from - 1 <= 0 ? 1.0 : (from + i) / (from + n - 1);
        out.push_back({Lround(x1 + t * (x2 - x1)), Lround(y1 + t * (y2 - y1))});
    }
}

int SquareSpacing(const std::vector<SpotPoint>& points) {
    int best = kNoNeighbour;
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j)
            best = std::min(best, std::max(std::abs(points[i].x - points[j].x), std::abs(points[i].y - points[j].y)));
    return best;
}

// One cell for all: the spacing, and no cell past the region's edges (the base's curve gives a
// twelfth of the height back below the straight sides).
int CommonCell(const LayoutRegion& region, const std::vector<SpotPoint>& points) {
    const Rect& b = region.box;
    int cell = SquareSpacing(points);
    for (const SpotPoint& p : points) {
        const int room = std::min({p.x - b.left, b.right - p.x, p.y - b.top, region.straightBottom - p.y + b.Height() / 12}) -
                         kRegionEdgeMargin;
        cell = std::min(cell, 2 * room);
    }
    return cell;
}

// A cross or saltire: the centre when the count is odd, the rest shared among the four arms; what
// does not share evenly goes to the upright arms (the upper ones of a saltire).
bool CrossPoints(std::vector<SpotPoint>& points, const LayoutRegion& region, int n, bool saltire) {
    const Rect& b = region.box;
    const bool centre = n % 2 == 1;
    const int rest = n - (centre ? 1 : 0), each = rest / 4, extra = rest % 4;
    const int cx = b.left + b.Width() / 2, cy = b.top + b.Height() / 2;
    if (centre) points.push_back({cx, cy});
    const double reachX = b.Width() / 2 * kArmReach, reachY = b.Height() / 2 * kArmReach;
    // Up, left, right, down; and the saltire's upper left, upper right, lower left, lower right.
    static constexpr int kCross[4][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
    static constexpr int kSaltire[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (int arm = 0; arm < 4; ++arm) {
        const int* d = saltire ? kSaltire[arm] : kCross[arm];
        const bool takesExtra = saltire ? arm < 2 : (arm == 0 || arm == 3);
        const int k = each + (takesExtra && extra > 0 ? 1 : 0);
        if (k > 0) AlongSegment(points, cx, cy, cx + d[0] * reachX, cy + d[1] * reachY, k, centre ? 1.0 : 0.5);
    }
    return extra == 0 && n >= 4;
}

// A chevron: the point when the count is odd and as many down each limb. Inverted, the same
// turned over about the middle of the region's straight part.
bool ChevronPoints(std::vector<SpotPoint>& points, const LayoutRegion& region, int n, bool inverted) {
    const Rect& b = region.box;
    const int W = b.Width(), H = b.Height(), cx = b.left + W / 2;
    const int k = n / 2;
    const bool point = n % 2 == 1;
    const double apexY = b.top + H * kChevronPointShare, endX = b.left + W * kChevronEndShare;
    // In a region wider than deep (a chief) the limbs fall less steeply, to end within it.
    const double slope = std::min(kChevronSlope, (region.straightBottom - apexY - kRegionEdgeMargin) / std::max(1.0, cx - endX));
    const double endY = apexY + (cx - endX) * slope;
    const std::size_t first = points.size();
    if (point) points.push_back({cx, static_cast<int>(apexY)});
    AlongSegment(points, cx, apexY, endX, endY, k, point ? 1.0 : 0.5);
    // The sinister limb mirrors the dexter one about the point.
    const std::size_t dexter = points.size() - static_cast<std::size_t>(k);
    for (std::size_t i = dexter; i < dexter + static_cast<std::size_t>(k); ++i) points.push_back({2 * cx - points[i].x, points[i].y});
    if (inverted)
        for (std::size_t i = first; i < points.size(); ++i) points[i].y = b.top + region.straightBottom - points[i].y;
    return n >= 3;
}

// A pall: the centre when the count leaves one over, the rest shared among its three arms, the
// lower arm taking what does not share evenly.
bool PallPoints(std::vector<SpotPoint>& points, const LayoutRegion& region, int n) {
    const Rect& b = region.box;
    const int W = b.Width(), H = b.Height(), cx = b.left + W / 2;
    const bool centre = n % 3 == 1;
    const int rest = n - (centre ? 1 : 0), each = rest / 3, extra = rest % 3;
    const double cy = b.top + H * kPallCentreShare, topY = b.top + H * kPallArmTopShare;
    if (centre) points.push_back({cx, static_cast<int>(cy)});
    const double from = centre ? 1.0 : 0.5;
    if (each > 0) {
        AlongSegment(points, cx, cy, b.left + W * kPallArmSideShare, topY, each, from);
        AlongSegment(points, cx, cy, b.right - W * kPallArmSideShare, topY, each, from);
    }
    AlongSegment(points, cx, cy, cx, region.straightBottom - (region.straightBottom - cy) / 6, each + extra, from);
    return extra == 0 && n >= 3;
}

// Rows narrowing to the base: 2 and 1, 3 2 and 1, ...; a count that is no such triangle loses
// charges from its lowest rows (four is three and one, five three and two).
bool PilePoints(std::vector<SpotPoint>& points, const LayoutRegion& region, int n) {
    const Rect& b = region.box;
    int rows = 1;
    while (rows * (rows + 1) / 2 < n) ++rows;
    std::vector<int> inRow;
    for (int r = 0; r < rows; ++r) inRow.push_back(rows - r);
    int deficit = rows * (rows + 1) / 2 - n;
    for (int r = rows - 1; r >= 0 && deficit > 0; --r) {
        const int take = std::min(deficit, inRow[static_cast<std::size_t>(r)]);
        inRow[static_cast<std::size_t>(r)] -= take;
        deficit -= take;
    }
    while (!inRow.empty() && inRow.back() == 0) inRow.pop_back();
    const int used = static_cast<int>(inRow.size());
    const int top = b.top + b.Height() / kPileTopDivisor, rowHeight = (region.straightBottom - top) / std::max(used, 1);
    const int pitch = b.Width() * 4 / 5 / std::max(inRow.empty() ? 1 : inRow.front(), 1);
    const int cx = b.left + b.Width() / 2;
    for (int r = 0; r < used; ++r) {
        const int k = inRow[static_cast<std::size_t>(r)];
        for (int j = 0; j < k; ++j) points.push_back({cx + (2 * j - k + 1) * pitch / 2, top + rowHeight * r + rowHeight / 2});
    }
    return rows * (rows + 1) / 2 == n && rows >= 2;
}

// Evenly round a path inside the region's edges, from the middle of the top edge clockwise.
void OrlePoints(std::vector<SpotPoint>& points, const LayoutRegion& region, int n) {
    const Rect& b = region.box;
    const int left = b.left + kOrleInset * b.Width() / 415, right = b.right - kOrleInset * b.Width() / 415;
    const int top = b.top + kOrleInset * b.Height() / 480, bottom = b.bottom - kOrleBaseInset * b.Height() / 480;
    for (int i = 0; i < n; ++i) {
        const PathPoint p = PointRoundRectangle(Rect{left, top, right, bottom}, i, n);
        points.push_back({p.x, p.y});
    }
}

// Rows top first, each centred, all on one pitch so that "two and one" interlock.
void RowPoints(std::vector<SpotPoint>& points, const LayoutRegion& region, std::span<const int> rows) {
    const Rect& b = region.box;
    const int k = static_cast<int>(rows.size());
    if (k == 0) return;
    const int widest = *std::max_element(rows.begin(), rows.end());
    const int bottom = std::min(b.bottom, region.straightBottom);
    const int rowHeight = (bottom - b.top) / k, pitch = b.Width() / std::max(widest, 1);
    const int cx = b.left + b.Width() / 2;
    for (int r = 0; r < k; ++r) {
        const int inRow = rows[static_cast<std::size_t>(r)];
        for (int j = 0; j < inRow; ++j) points.push_back({cx + (2 * j - inRow + 1) * pitch / 2, b.top + rowHeight * r + rowHeight / 2});
    }
}

// Each charge in annulo is turned to follow the ring, all going round it one way: the charge at
// the top faces dexter, as drawn, so they go round against the clock, and the one k eighths of
// the ring further clockwise is turned k eighths clockwise. Half round is mirrored and upside
// down; the other eighths are the painter's turns, with half a round where they pass a quarter.
struct RingTurn {
    ChargeTurn turn;
    bool over;
};
constexpr std::array<RingTurn, 8> kTurnsRound = {{
    {ChargeTurn::kAsDrawn, false},
    {ChargeTurn::kBendwiseSinister, false},  // an eighth
    {ChargeTurn::kFesswise, true},           // a quarter: a quarter back and half round
    {ChargeTurn::kBendwise, true},           // three eighths: an eighth back and half round
    {ChargeTurn::kAsDrawn, true},            // half round
    {ChargeTurn::kBendwiseSinister, true},   // five eighths
    {ChargeTurn::kFesswise, false},          // three quarters: a quarter back
    {ChargeTurn::kBendwise, false},          // seven eighths: an eighth back
}};

SpotLayout RingSpots(const LayoutRegion& region, int n) {
    SpotLayout out;
    const Rect& b = region.box;
    // The radius a share of the region's narrower side: of the width on a shield, of the depth on a chief.
    const double cx = b.left + b.Width() / 2, cy = b.top + b.Height() * kRingCentreShare;
    const double r = std::min(b.Width(), b.Height()) * kRingRadiusShare;
    if (n < 2) {
        out.spots.push_back({Lround(cx), Lround(cy), ScaleForCell(static_cast<int>(r), kLargestInAnnulo)});
        out.nearest = true;
        return out;
    }
    // Neighbours on the ring are a chord apart; each charge takes its share of that.
    const double chord = 2.0 * r * std::sin(std::numbers::pi / n);
    const float scale = std::max(kMinChargeScale, std::min(kLargestRoundTheRing, static_cast<float>(chord) * kChargeShareOfCell /
                                                                                     kChargeExtentAtScaleOne));
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * std::numbers::pi * i / n;
        const RingTurn t = kTurnsRound[static_cast<std::size_t>(std::lround(8.0 * i / n) % 8)];
        out.spots.push_back({Lround(cx + r * std::sin(a)), Lround(cy - r * std::cos(a)), scale, t.turn, t.over, t.over});
    }
    return out;
}

}  // namespace

float ScaleForCell(int cell, float largest) {
    return std::max(kMinChargeScale, std::min(largest, static_cast<float>(cell) * kChargeShareOfCell /
                                                           static_cast<float>(kChargeExtentAtScaleOne)));
}

std::vector<int> UsualRows(int count) { return FieldRows(count); }

LayoutRegion RegionOf(const ShieldGeometry& g, RegionKind kind) {
    const int W = g.W, H = g.H, sb = g.straightBottom;
    auto region = [&](int left, int top, int right, int bottom) { return LayoutRegion{{left, top, right, bottom}, std::min(bottom, sb)}; };
    switch (kind) {
        case RegionKind::kField: return {{0, 0, W, H}, sb, H / kBaseClearanceDivisor};
        case RegionKind::kChief: return region(0, 0, W, g.chiefDepth);
        case RegionKind::kBase: return {{0, H - g.chiefDepth, W, H}, sb, H / kBaseClearanceDivisor};
        case RegionKind::kDexterFlank: return region(0, g.H5, g.W3, H - g.H4);
        case RegionKind::kSinisterFlank: return region(W - g.W3, g.H5, W, H - g.H4);
        case RegionKind::kDexterChief: return region(0, 0, g.W2, g.H2);
        case RegionKind::kSinisterChief: return region(g.W2, 0, W, g.H2);
        case RegionKind::kDexterBase: return {{0, g.H2, g.W2, H}, sb};
        case RegionKind::kSinisterBase: return {{g.W2, g.H2, W, H}, sb};
        case RegionKind::kDexterHalf: return {{0, 0, g.W2, H}, sb, H / kBaseClearanceDivisor};
        case RegionKind::kSinisterHalf: return {{g.W2, 0, W, H}, sb, H / kBaseClearanceDivisor};
        case RegionKind::kCanton: return region(CantonArea(g).left, CantonArea(g).top, CantonArea(g).right, CantonArea(g).bottom);
        case RegionKind::kBetweenChevronInvertedArms: {
            // The largest square in the V above the point: its foot as wide as the V there.
            const double point = H * kInvertedPointShare;
            const int side = static_cast<int>((point - kBetweenArmsMargin) / (1.0 + 0.5 * kLimbSlope));
            return region(g.W2 - side / 2, kBetweenArmsMargin, g.W2 + side / 2, kBetweenArmsMargin + side);
        }
        case RegionKind::kBetweenChevronArms: {
            // The largest square under the point, its head as wide as the limbs leave there.
            const double point = H * kChevronUnderPointShare;
            const int side = static_cast<int>((sb - point) / (1.0 + 0.5 * kLimbSlope));
            const int top = static_cast<int>(point + 0.5 * kLimbSlope * side);
            return region(g.W2 - side / 2, top, g.W2 + side / 2, top + side);
        }
    }
    return {{0, 0, W, H}, sb};
}

SpotLayout LayoutSpots(const LayoutRequest& request) {
    const LayoutRegion& region = request.region;
    const Rect& b = region.box;
    const int n = request.count;
    SpotLayout out;
    if (n < 1 || b.Width() <= 0 || b.Height() <= 0) return out;
    const int W = b.Width(), H = b.Height();
    std::vector<SpotPoint> points;
    bool whole = true;
    switch (request.arrangement) {
        case Arrangement::kInFess:
            for (int i = 0; i < n; ++i) points.push_back({b.left + W * (2 * i + 1) / (2 * n), b.top + H / 2});
            break;
        case Arrangement::kInPale:
            // One column down the middle, clear of the base point where the region reaches it.
            for (int i = 0; i < n; ++i)
                points.push_back({b.left + W / 2, b.top + (region.straightBottom - b.top) * (2 * i + 1) / (2 * n) + region.baseClearance});
            break;
        case Arrangement::kInBend:
        case Arrangement::kInBendSinister: {
            const bool sinister = request.arrangement == Arrangement::kInBendSinister;
            for (int i = 1; i <= n; ++i) {
                const int x = W * i / (n + 1), y = H * i / (n + 1);
                points.push_back({sinister ? b.right - x : b.left + x, b.top + y});
            }
            break;
        }
        case Arrangement::kInCross: whole = CrossPoints(points, region, n, false); break;
        case Arrangement::kInSaltire: whole = CrossPoints(points, region, n, true); break;
        case Arrangement::kInChevron: whole = ChevronPoints(points, region, n, false); break;
        case Arrangement::kInChevronInverted: whole = ChevronPoints(points, region, n, true); break;
        case Arrangement::kInPall: whole = PallPoints(points, region, n); break;
        case Arrangement::kInPile: whole = PilePoints(points, region, n); break;
        case Arrangement::kInOrle: {
            OrlePoints(points, region, n);
            const int spacing = SquareSpacing(points);
            for (const SpotPoint& p : points) out.spots.push_back({p.x, p.y, ScaleForCell(spacing, kLargestInOrle)});
            out.nearest = n < 3;
            return out;
        }
        case Arrangement::kInAnnulo: return RingSpots(region, n);
        case Arrangement::kInRows: {
            const std::vector<int> usual = request.rows.empty() ? UsualRows(n) : std::vector<int>{};
            std::span<const int> rows = request.rows.empty() ? std::span<const int>(usual) : request.rows;
            int total = 0;
            for (int r : rows) total += r;
            if (rows.empty() || total != n) {
                // Rows that do not make up the count: one row of them all.
                const int one[] = {n};
                RowPoints(points, region, one);
                whole = false;
            } else {
                RowPoints(points, region, rows);
            }
            break;
        }
    }
    const float scale = ScaleForCell(CommonCell(region, points), kLargestInArrangement);
    for (const SpotPoint& p : points) out.spots.push_back({p.x, p.y, scale});
    out.nearest = !whole;
    return out;
}

PathPoint PointRoundRectangle(const Rect& path, int i, int n) {
    const int across = path.right - path.left, down = path.bottom - path.top, perimeter = 2 * (across + down);
    if (n < 1 || perimeter <= 0) return {path.left, path.top};
    int along = (across / 2 + perimeter * i / n) % perimeter;
    if (along <= across) return {path.left + along, path.top};
    if ((along -= across) <= down) return {path.right, path.top + along};
    if ((along -= down) <= across) return {path.right - along, path.bottom};
    return {path.left, path.bottom - (along - across)};
}

}  // namespace esc
