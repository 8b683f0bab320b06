// Conjoined lozenges: the spacing comes from the tip-to-tip size of the charge's picture, so
// that neighbouring charges meet at their points instead of standing apart in the usual layout.

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
constexpr int kMargin = 12;            // pixels kept between the outermost points and the edge
constexpr double kBendwiseDegrees = 39.0;  // the turn of a picture drawn bendwise
constexpr float kLargestConjoinedScale = 2.4f;  // as large as one charge alone on the field
constexpr ShapeCode kInFess = kFess, kInBend = kBend, kInPale = kPale;

const LozengeReach* LozengeReachOf(DrawingState& s) {
    const auto name = Current(s).levelName.view();
    for (const LozengeReach& r : kLozenges)
        if (EqualsIgnoringCase(name.substr(0, r.name.size()), r.name)) return &r;
    return nullptr;
}

}  // namespace

bool IsLozengeCharge(std::string_view name) {
    for (const LozengeReach& r : kLozenges)
        if (EqualsIgnoringCase(name.substr(0, r.name.size()), r.name)) return true;
    return false;
}

bool ConjoinedRows(DrawingState& s, std::span<const int> rows) {
    const LozengeReach* reach = LozengeReachOf(s);
    if (!s.conjoined || reach == nullptr || rows.empty()) return false;
    const ShieldGeometry& g = s.geometry;
    // A row under a row of the other parity sits in its notches (half a height lower); under one
    // of the same parity its charges stand point to point on those above.
    std::vector<double> steps;  // in heights of one charge
    int widest = 0;
    double span = 1.0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        widest = std::max(widest, rows[i]);
        if (i > 0) {
            steps.push_back((rows[i] - rows[i - 1]) % 2 == 0 ? 1.0 : 0.5);
            span += steps.back();
        }
    }
    const double unitAcross = reach->across * kPictureScaleFactor, unitTall = reach->tall * kPictureScaleFactor;
    const double scale = std::min({(g.W - 2.0 * g.Px(kMargin)) / (widest * unitAcross), (g.H - 2.0 * g.Px(kMargin)) / (span * unitTall),
                                   static_cast<double>(kLargestConjoinedScale)});
    const double w = unitAcross * scale, h = unitTall * scale;
    NoteLayout(s, "Conjoined rows");
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
            const double scale = std::min({fess ? (g.W - 2.0 * g.Px(kMargin)) / (n * unitAcross) : (g.H - 2.0 * g.Px(kMargin)) / (n * unitTall),
                                           room / (fess ? unitTall : unitAcross),
                                           static_cast<double>(kLargestConjoinedScale)});
            const double step = (fess ? unitAcross : unitTall) * scale;
            NoteLayout(s, fess ? "Conjoined in fess" : "Conjoined in pale");
            for (int i = 0; i < n; ++i) {
                const double along = (i - (n - 1) / 2.0) * step;
                Place(s, static_cast<int>(std::lround(fess ? g.W2 + along : g.W2)),
                      static_cast<int>(std::lround(fess ? g.H2 : g.H2 + along)), static_cast<float>(scale));
            }
            return true;
        }
        case kInBend: {
            // Each charge is turned bendwise and meets the next at its long points, so the run
            // follows the turned picture's axis through the middle of the shield.
            const double a = kBendwiseDegrees * std::acos(-1.0) / 180.0;
            const double dx = std::sin(a), dy = std::cos(a);
            const double halfRoomX = (g.W2 - g.Px(kMargin)) / dx, halfRoomY = (g.H2 - g.Px(kMargin)) / dy;
            const double scale = std::min(2.0 * std::min(halfRoomX, halfRoomY) / (n * unitTall),
                                          static_cast<double>(kLargestConjoinedScale));
            const double step = unitTall * scale;
            NoteLayout(s, "Conjoined in bend");
            const ChargeTurn turn = s.bendwiseSinisterFlag ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
            for (int i = 0; i < n; ++i) {
                const double along = (i - (n - 1) / 2.0) * step;
                PlaceTurned(s, static_cast<int>(std::lround(g.W2 + along * dx)), static_cast<int>(std::lround(g.H2 + along * dy)),
                            static_cast<float>(scale), turn);
            }
            s.bendwiseFlag = false;  // the words' turn is spent on the run
            return true;
        }
        default: return false;
    }
}

}  // namespace esc
