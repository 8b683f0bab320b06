// Conjoined lozenges and rings: the spacing comes from the tip-to-tip size of the charge's
// picture, so that neighbouring charges meet at their points (or, interlaced, cross) instead of
// standing apart in the usual layout.

#include "interpret/layout/Conjoined.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"

namespace esc {

using phrase::Current;

namespace {

// The tip-to-tip width and height of each lozenge picture (the outline's corner points in its
// drawing, times the factor the build resized the drawing by to fill its box: 1.5714 for the
// lozenge and the mascle, 1.4505 for the fusil). A charge placed at scale s is painted s / 2
// times that size.
struct LozengeReach {
    std::string_view name;
    double across, tall;
};
constexpr std::array<LozengeReach, 3> kLozenges = {{
    {"mascle", 171.6, 257.4},
    {"lozenge", 171.6, 257.4},
    {"fusil", 115.5, 256.2},
}};
// The annulet's outer width (and height), measured as the lozenges' are.
constexpr LozengeReach kRing = {"annulet", 222.0, 222.0};
// Interlaced charges stand closer than touching: each crosses a quarter of the next.
constexpr double kInterlacedStep = 0.75;
// Rows of rings of the same count's parity stand apart by a fifth of a ring.
constexpr double kRingRowStep = 1.2;
constexpr int kMargin = 12;            // pixels kept between the outermost points and the edge
constexpr double kBendwiseDegrees = 39.0;  // the turn of a picture drawn bendwise
constexpr float kLargestConjoinedScale = 2.4f;  // as large as one charge alone on the field
constexpr ShapeCode kInFess = kFess, kInBend = kBend, kInPale = kPale, kInBendSinister = kBendSinister,
                    kInChevron = kChevron, kInCross = kCross, kInSaltire = kSaltire;

const LozengeReach* LozengeReachOf(DrawingState& s) {
    const auto name = Current(s).levelName.view();
    for (const LozengeReach& r : kLozenges)
        if (EqualsIgnoringCase(name.substr(0, r.name.size()), r.name)) return &r;
    return IsRingCharge(name) ? &kRing : nullptr;
}

// The step from one charge to the next along a row, in widths of one charge.
double AlongStep(const DrawingState& s) { return s.interlaced ? kInterlacedStep : 1.0; }

// n lozenges conjoined in chevron: with an odd count one upright at the apex, the rest shared by
// the two limbs, each turned along its limb (bendwise, the dexter limb's mirrored; falling as a
// turned picture falls) and
// meeting the one before point to point; an even count's limbs meet at the apex.
bool ConjoinedInChevron(DrawingState& s, const LozengeReach& reach, int n) {
    const ShieldGeometry& g = s.geometry;
    const double a = kBendwiseDegrees * std::acos(-1.0) / 180.0;
    const double ux = std::sin(a), uy = std::cos(a);
    const bool apexOne = n % 2 == 1;
    const int limb = apexOne ? (n - 1) / 2 : n / 2;
    // At scale 1: half the picture's breadth and length; the first limb lozenge's centre from
    // the apex (from the upright one's centre, past its outline and half a lozenge).
    const double halfAcross = reach.across * kPictureScaleFactor / 2, halfTall = reach.tall * kPictureScaleFactor / 2;
    // The first of each limb meets the upright one at its side point, or (no upright one) the
    // other limb's first at the apex.
    const double sideX = apexOne ? halfAcross : 0.0;
    const double first = halfTall, lastAlong = first + 2 * halfTall * (limb - 1);
    // The run's reach at scale 1: from the apex's top to the lowest point, and either side.
    const double top = apexOne ? -halfTall : 0.0, bottom = (lastAlong + halfTall) * uy;
    const double halfWidth = sideX + (lastAlong + halfTall) * ux;
    const double scale = std::min({(g.W - 2.0 * g.Px(kMargin)) / (2 * halfWidth), (g.H - 2.0 * g.Px(kMargin)) / (bottom - top),
                                   static_cast<double>(kLargestConjoinedScale)});
    const double apexY = g.H2 - (top + bottom) / 2 * scale;
    NoteLayout(s, "Conjoined in chevron");
    if (apexOne) Place(s, g.W2, static_cast<int>(std::lround(apexY)), static_cast<float>(scale));
    for (int i = 0; i < limb; ++i) {
        const double along = (first + 2 * halfTall * i) * scale, out = sideX * scale + along * ux;
        const int y = static_cast<int>(std::lround(apexY + along * uy));
        PlaceTurned(s, static_cast<int>(std::lround(g.W2 - out)), y, static_cast<float>(scale), ChargeTurn::kBendwise, true);
        PlaceTurned(s, static_cast<int>(std::lround(g.W2 + out)), y, static_cast<float>(scale), ChargeTurn::kBendwise);
    }
    s.bendwiseFlag = s.bendwiseSinisterFlag = false;
    return true;
}

// n lozenges conjoined in cross or in saltire, n one more than a multiple of four: one upright at
// the crossing, each limb's run from its outline outward, the limbs of a cross upright and
// fesswise, of a saltire bendwise (those to the sinister chief and dexter base mirrored).
// False (nothing placed) for any other count.
bool ConjoinedInCross(DrawingState& s, const LozengeReach& reach, int n, bool saltire) {
    if (n < 5 || (n - 1) % 4 != 0) return false;
    const ShieldGeometry& g = s.geometry;
    const int limb = (n - 1) / 4;
    const double halfAcross = reach.across * kPictureScaleFactor / 2, halfTall = reach.tall * kPictureScaleFactor / 2;
    const double a = kBendwiseDegrees * std::acos(-1.0) / 180.0;
    struct Way {
        double ux, uy;
        ChargeTurn turn;
        bool mirror;
    };
    const std::array<Way, 4> ways =
        saltire ? std::array<Way, 4>{{{-std::sin(a), -std::cos(a), ChargeTurn::kBendwise, false},
                                      {std::sin(a), std::cos(a), ChargeTurn::kBendwise, false},
                                      {std::sin(a), -std::cos(a), ChargeTurn::kBendwise, true},
                                      {-std::sin(a), std::cos(a), ChargeTurn::kBendwise, true}}}
                : std::array<Way, 4>{{{0, -1, ChargeTurn::kAsDrawn, false},
                                      {0, 1, ChargeTurn::kAsDrawn, false},
                                      {-1, 0, ChargeTurn::kFesswise, false},
                                      {1, 0, ChargeTurn::kFesswise, false}}};
    // At scale 1, each limb's reach from the crossing: past the upright one's outline, then
    // whole lozenges; the run must fit the shield's width and height.
    double reachX = halfAcross, reachY = halfTall;
    for (const Way& w : ways) {
        const double out = 1.0 / (std::abs(w.ux) / halfAcross + std::abs(w.uy) / halfTall) + 2 * halfTall * limb;
        reachX = std::max(reachX, std::abs(w.ux) * out + (w.ux == 0 ? halfAcross : 0.0));
        reachY = std::max(reachY, std::abs(w.uy) * out + (w.uy == 0 ? halfAcross : 0.0));
    }
    const double scale = std::min({(g.W2 - g.Px(kMargin)) / reachX, (g.H2 - g.Px(kMargin)) / reachY,
                                   static_cast<double>(kLargestConjoinedScale)});
    NoteLayout(s, saltire ? "Conjoined in saltire" : "Conjoined in cross");
    Place(s, g.W2, g.H2, static_cast<float>(scale));
    for (const Way& w : ways) {
        const double start = 1.0 / (std::abs(w.ux) / halfAcross + std::abs(w.uy) / halfTall);
        for (int i = 0; i < limb; ++i) {
            const double along = (start + halfTall + 2 * halfTall * i) * scale;
            PlaceTurned(s, static_cast<int>(std::lround(g.W2 + along * w.ux)), static_cast<int>(std::lround(g.H2 + along * w.uy)),
                        static_cast<float>(scale), w.turn, w.mirror);
        }
    }
    s.bendwiseFlag = s.bendwiseSinisterFlag = false;
    return true;
}

}  // namespace

bool IsLozengeCharge(std::string_view name) {
    for (const LozengeReach& r : kLozenges)
        if (EqualsIgnoringCase(name.substr(0, r.name.size()), r.name)) return true;
    return false;
}

bool IsRingCharge(std::string_view name) {
    return EqualsIgnoringCase(name.substr(0, kRing.name.size()), kRing.name) && name.size() <= kRing.name.size() + 1;
}

bool ConjoinedRows(DrawingState& s, std::span<const int> rows, float oneChargeScale) {
    const LozengeReach* reach = LozengeReachOf(s);
    if (!s.conjoined || reach == nullptr || rows.empty()) return false;
    const ShieldGeometry& g = s.geometry;
    // A row under a row of the other parity sits in its notches (half a height lower); under one
    // of the same parity its charges stand point to point on those above.
    const bool ring = reach == &kRing;
    std::vector<double> steps;  // in heights of one charge
    int widest = 0;
    double span = 1.0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        widest = std::max(widest, rows[i]);
        if (i > 0) {
            const bool sameParity = (rows[i] - rows[i - 1]) % 2 == 0;
            // A ring row of the other parity sits in the notches, each ring on the two above it.
            const double notched = ring ? AlongStep(s) * std::sqrt(0.75) : 0.5;
            steps.push_back(sameParity ? (ring ? kRingRowStep : 1.0) : notched);
            span += steps.back();
        }
    }
    const double unitAcross = reach->across * kPictureScaleFactor, unitTall = reach->tall * kPictureScaleFactor;
    const double rowWidth = 1.0 + (widest - 1) * AlongStep(s);  // in widths of one charge
    const double largest = oneChargeScale > 0.0f ? oneChargeScale / std::max(rowWidth, span) : kLargestConjoinedScale;
    const double scale = std::min({(g.W - 2.0 * g.Px(kMargin)) / (rowWidth * unitAcross), (g.H - 2.0 * g.Px(kMargin)) / (span * unitTall),
                                   largest});
    const double w = unitAcross * scale * AlongStep(s), h = unitTall * scale;
    NoteLayout(s, s.interlaced ? "Interlaced rows" : "Conjoined rows");
    double y = g.H2 - (span - 1.0) * h / 2.0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) y += steps[i - 1] * h;
        const int k = rows[i];
        for (int j = 0; j < k; ++j)
            Place(s, static_cast<int>(std::lround(g.W2 + (j - (k - 1) / 2.0) * w)), static_cast<int>(std::lround(y)),
                  static_cast<float>(scale));
    }
    return true;
}

bool ConjoinedLineDrawn(ShapeCode line, int n) {
    if (n < 2) return false;
    if (line == kInCross || line == kInSaltire) return n >= 5 && (n - 1) % 4 == 0;
    return line == kInFess || line == kInPale || line == kInBend || line == kInBendSinister || line == kInChevron;
}

bool ConjoinedInLine(DrawingState& s, ShapeCode line, int n) {
    const LozengeReach* reach = LozengeReachOf(s);
    if (!s.conjoined || reach == nullptr || n < 2) return false;
    const ShieldGeometry& g = s.geometry;
    const double unitAcross = reach->across * kPictureScaleFactor, unitTall = reach->tall * kPictureScaleFactor;
    const double room = std::min(g.W - 2.0 * g.Px(kMargin), g.H - 2.0 * g.Px(kMargin));
    switch (line) {
        case kInFess:
        case kInPale: {
            const bool fess = line == kInFess;
            // Along the line the charges touch; across it one charge must fit.
            const double run = 1.0 + (n - 1) * AlongStep(s);  // in lengths of one charge
            const double scale = std::min({fess ? (g.W - 2.0 * g.Px(kMargin)) / (run * unitAcross) : (g.H - 2.0 * g.Px(kMargin)) / (run * unitTall),
                                           room / (fess ? unitTall : unitAcross),
                                           static_cast<double>(kLargestConjoinedScale)});
            const double step = (fess ? unitAcross : unitTall) * scale * AlongStep(s);
            NoteLayout(s, fess ? "Conjoined in fess" : "Conjoined in pale");
            for (int i = 0; i < n; ++i) {
                const double along = (i - (n - 1) / 2.0) * step;
                Place(s, static_cast<int>(std::lround(fess ? g.W2 + along : g.W2)),
                      static_cast<int>(std::lround(fess ? g.H2 : g.H2 + along)), static_cast<float>(scale));
            }
            return true;
        }
        case kInChevron: return ConjoinedInChevron(s, *reach, n);
        case kInCross:
        case kInSaltire: return ConjoinedInCross(s, *reach, n, line == kInSaltire);
        case kInBendSinister:
        case kInBend: {
            // Each charge is turned bendwise and meets the next at its long points, so the run
            // follows the turned picture's axis through the middle of the shield.
            const double a = kBendwiseDegrees * std::acos(-1.0) / 180.0;
            const double dx = std::sin(a), dy = std::cos(a);
            const double halfRoomX = (g.W2 - g.Px(kMargin)) / dx, halfRoomY = (g.H2 - g.Px(kMargin)) / dy;
            const double run = 1.0 + (n - 1) * AlongStep(s);
            const double scale = std::min(2.0 * std::min(halfRoomX, halfRoomY) / (run * unitTall),
                                          static_cast<double>(kLargestConjoinedScale));
            const double step = unitTall * scale * AlongStep(s);
            NoteLayout(s, line == kInBendSinister ? "Conjoined in bend sinister" : "Conjoined in bend");
            // Along the bend sinister: the bend's run mirrored, each picture mirrored with it.
            const bool sinister = line == kInBendSinister;
            const ChargeTurn turn = s.bendwiseSinisterFlag && !sinister ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
            for (int i = 0; i < n; ++i) {
                const double along = (i - (n - 1) / 2.0) * step;
                PlaceTurned(s, static_cast<int>(std::lround(g.W2 + (sinister ? -along : along) * dx)),
                            static_cast<int>(std::lround(g.H2 + along * dy)),
                            static_cast<float>(scale), turn, sinister);
            }
            s.bendwiseFlag = s.bendwiseSinisterFlag = false;  // the words' turn is spent on the run
            return true;
        }
        default: return false;
    }
}

}  // namespace esc
