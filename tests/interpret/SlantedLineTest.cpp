// A line on a slanting ordinary is laid along the ordinary's edge: its teeth stand at right angles
// to the edge and repeat at the same period along it as across a fess.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// A straight run of an ordinary: its middle line from (x1, y1) toward (x2, y2), read from share
// `from` to share `to` of that length.
struct SlantedRun {
    double x1, y1, x2, y2, from, to;
};

// How far the ordinary's tincture reaches from its middle line at right angles, one reading per
// pixel along the run.
std::vector<int> ReachAlong(const Drawing& d, const SlantedRun& run, int tincture) {
    const ShieldGeometry& g = d.state->geometry;
    const double length = std::hypot(run.x2 - run.x1, run.y2 - run.y1);
    const double ux = (run.x2 - run.x1) / length, uy = (run.y2 - run.y1) / length;
    // Read toward the chief, away from a chevron's other limb.
    const double nx = ux > 0 ? uy : -uy, ny = ux > 0 ? -ux : ux;
    std::vector<int> reach;
    for (double u = run.from * length; u < run.to * length; u += 1.0) {
        const double cx = run.x1 + u * ux, cy = run.y1 + u * uy;
        int r = 0;
        while (r < 400) {
            const int x = static_cast<int>(std::lround(cx + (r + 1) * nx)), y = static_cast<int>(std::lround(cy + (r + 1) * ny));
            if (x < 0 || y < 0 || x >= g.W || y >= g.straightBottom || d.At(x, y) != Colour(tincture)) break;
            ++r;
        }
        reach.push_back(r);
    }
    return reach;
}

// The middles of the teeth: the runs of readings that reach into the outer third of their range,
// each lasting until the reading falls back into the inner third (a thin point is not split by
// a pixel of the field beside it); and the range's breadth.
std::vector<double> ToothMiddles(const std::vector<int>& reach, int& depth) {
    const auto [low, high] = std::minmax_element(reach.begin(), reach.end());
    depth = *high - *low;
    const int outer = *low + 2 * depth / 3, inner = *low + depth / 3;
    std::vector<double> middles;
    int start = -1, last = -1;
    for (int i = 0; i < static_cast<int>(reach.size()); ++i) {
        const int r = reach[static_cast<std::size_t>(i)];
        if (r >= outer) {
            if (start < 0) start = i;
            last = i;
        } else if (r <= inner && start >= 0) {
            middles.push_back((start + last) / 2.0);
            start = -1;
        }
    }
    if (start >= 0) middles.push_back((start + last) / 2.0);
    return middles;
}

// Draws "Or a SHAPE LINE COUNT sable" and expects the teeth along `run` spaced by the period the
// count gives: the shield's width over the repeats, as on a fess.
void ExpectTeethAtPeriod(Drawing& d, const std::string& shape, const SlantedRun& run, const std::string& line, bool fewest = true) {
    const ShieldGeometry& g = d.s().geometry;
    struct Width {
        const char* words;
        int repeats;
    };
    // The curved lines have a width of their own (eight repeats); the others repeat their small
    // profile when no count is given.
    // A short run has too few of the widest teeth to space (`fewest` false leaves them out).
    std::vector<Width> widths{{" of ten", 10}, {" of twelve", 12}};
    if (fewest) widths.push_back({" of five", 5});
    if (line == "engrailed" || line == "invected") widths.push_back({"", 8});
    for (const Width& w : widths) {
        SCOPED_TRACE(testing::Message() << shape << " " << line << w.words);
        d.DrawClean("Or a " + shape + " " + line + w.words + " sable");
        const std::vector<int> reach = ReachAlong(d, run, kSable);
        int depth = 0;
        const std::vector<double> teeth = ToothMiddles(reach, depth);
        const double period = static_cast<double>(g.W) / w.repeats;
        ASSERT_GE(teeth.size(), 2u);
        EXPECT_NEAR(static_cast<double>(teeth.size()), reach.size() / period, 1.5);
        // The end runs may be cut by the ends of the reading: only whole ones are spaced.
        for (std::size_t i = 2; i + 1 < teeth.size(); ++i) EXPECT_NEAR(teeth[i] - teeth[i - 1], period, period * 0.12);
        EXPECT_GE(depth, g.Px(4));
    }
}

TEST(SlantedLine, BendTeethRepeatAlongTheEdge) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const SlantedRun bend{1, 1, static_cast<double>(g.W), static_cast<double>(g.H), 0.15, 0.85};
    for (const char* line : {"engrailed", "invected", "indented", "embattled"}) ExpectTeethAtPeriod(d, "bend", bend, line);
}

TEST(SlantedLine, SaltireTeethRepeatAlongEachLimb) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    // Short of the crossing, where the limbs' edges meet.
    const SlantedRun dexterLimb{0, 0, static_cast<double>(g.W), static_cast<double>(g.H), 0.12, 0.4};
    const SlantedRun sinisterLimb{static_cast<double>(g.W), 0, 0, static_cast<double>(g.H), 0.12, 0.4};
    for (const char* line : {"engrailed", "invected"}) {
        ExpectTeethAtPeriod(d, "saltire", dexterLimb, line, false);
        ExpectTeethAtPeriod(d, "saltire", sinisterLimb, line, false);
    }
}

TEST(SlantedLine, ChevronTeethRepeatAlongEachLimb) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    // The limbs fall from the apex at 40 degrees to the flanks.
    const double apexX = g.W / 2, apexY = g.chiefDepth / 2 + g.H / 3;
    const double reach = g.W / 2 / std::cos(40 * 3.14159265 / 180);
    const double dx = reach * std::cos(40 * 3.14159265 / 180), dy = reach * std::sin(40 * 3.14159265 / 180);
    const SlantedRun dexterLimb{apexX, apexY, apexX - dx, apexY + dy, 0.15, 0.8};
    const SlantedRun sinisterLimb{apexX, apexY, apexX + dx, apexY + dy, 0.15, 0.8};
    for (const char* line : {"engrailed", "indented"}) {
        ExpectTeethAtPeriod(d, "chevron", dexterLimb, line, false);
        ExpectTeethAtPeriod(d, "chevron", sinisterLimb, line, false);
    }
}

}  // namespace
}  // namespace esc
