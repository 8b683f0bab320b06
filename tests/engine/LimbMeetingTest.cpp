// Lined limbs where they meet (a saltire's and a cross's crossing, a chevron's inner angle). Each
// limb's straight outline is measured from the picture (the tips of its teeth), and the meeting
// computed from those outlines.

#include <algorithm>
#include <cmath>

#include "ShapeTestSupport.h"

namespace esc::testing {
namespace {

class LimbMeetingTest : public ShapesTest {
protected:
    bool Red(double x, double y) const {
        const int X = static_cast<int>(std::lround(x)), Y = static_cast<int>(std::lround(y));
        if (X < 0 || Y < 0 || X >= g().W || Y > g().shieldBottom) return false;
        return Code(X, Y) == kGules;
    }

    // A limb along the line from (x1, y1) to (x2, y2), measured at right angles to it over the
    // share [t0, t1] of the line: how far its pixels reach on either side, least and most.
    struct Reach {
        int nearLeast = 1 << 20, nearMost = 0, farLeast = 1 << 20, farMost = 0;
        int Breadth() const { return nearMost + farMost; }
    };
    Reach Measure(double x1, double y1, double x2, double y2, double t0, double t1) const {
        const double length = std::hypot(x2 - x1, y2 - y1), nx = -(y2 - y1) / length, ny = (x2 - x1) / length;
        Reach r;
        for (int i = 0; i <= 120; ++i) {
            const double t = t0 + (t1 - t0) * i / 120, cx = x1 + (x2 - x1) * t, cy = y1 + (y2 - y1) * t;
            int near = 0, far = 0;
            while (near < 400 && Red(cx - (near + 1) * nx, cy - (near + 1) * ny)) ++near;
            while (far < 400 && Red(cx + (far + 1) * nx, cy + (far + 1) * ny)) ++far;
            r.nearLeast = std::min(r.nearLeast, near);
            r.nearMost = std::max(r.nearMost, near);
            r.farLeast = std::min(r.farLeast, far);
            r.farMost = std::max(r.farMost, far);
        }
        return r;
    }

    // Every pixel from the centre (cx, cy) toward (dx, dy) up to `reach` (less a margin for the
    // outline's rounding) is the ordinary's.
    void ExpectWholeToward(double cx, double cy, double dx, double dy, double reach, const char* where) {
        const double length = std::hypot(dx, dy);
        for (double d = 0; d <= reach - 4; d += 0.5)
            for (const double side : {-1.0, 0.0, 1.0}) {
                const double x = cx + dx / length * d - dy / length * side, y = cy + dy / length * d + dx / length * side;
                ASSERT_TRUE(Red(x, y)) << where << ": field at (" << x << ", " << y << "), " << d << " of " << reach;
            }
    }
};

constexpr int kMeetingLines[] = {0, 1, kIndentedLine, 10};  // engrailed, invected, indented, dovetailed

TEST_F(LimbMeetingTest, SaltireCrossingHasNoFieldInsideItsAngles) {
    for (const int line : kMeetingLines) {
        SCOPED_TRACE(line);
        Ordinary(kSaltire, line);
        const double W = g().W, H = g().H;
        // The limb's half breadth at its tooth tips, away from the crossing.
        const Reach r = Measure(0, 0, W, H, 0.12, 0.32);
        const double half = r.Breadth() / 2.0, slope = std::atan2(H, W);
        // Each inner angle's point lies on the bisector where the two outlines meet.
        ExpectWholeToward(W / 2, H / 2, -1, 0, half / std::sin(slope), "dexter angle");
        ExpectWholeToward(W / 2, H / 2, 1, 0, half / std::sin(slope), "sinister angle");
        ExpectWholeToward(W / 2, H / 2, 0, -1, half / std::cos(slope), "chief angle");
        ExpectWholeToward(W / 2, H / 2, 0, 1, half / std::cos(slope), "base angle");
    }
}

TEST_F(LimbMeetingTest, CrossCrossingHasNoFieldInsideItsAngles) {
    for (const int line : kMeetingLines) {
        SCOPED_TRACE(line);
        Ordinary(kCross, line);
        const double W = g().W, H = g().H;
        const Reach upright = Measure(W / 2, 0, W / 2, H, 0.05, 0.3), level = Measure(0, H / 2, W, H / 2, 0.05, 0.3);
        const double a = upright.Breadth() / 2.0, b = level.Breadth() / 2.0;
        for (const double sx : {-1.0, 1.0})
            for (const double sy : {-1.0, 1.0}) ExpectWholeToward(W / 2, H / 2, sx * a, sy * b, std::hypot(a, b), "angle");
    }
}

TEST_F(LimbMeetingTest, ChevronInnerAngleHasNoFieldSpike) {
    for (const int line : kMeetingLines) {
        SCOPED_TRACE(line);
        Ordinary(kChevron, line);
        const int W = g().W;
        // The limbs fall at 40 degrees; the lower outline is the line through the lowest teeth.
        const double slope = std::tan(40 * 3.14159265358979 / 180);
        auto lowest = [&](int x) {
            int y = g().shieldBottom;
            while (y > 0 && Code(x, y) != kGules) --y;
            return y;
        };
        double innerY = 0, apexBottom = 0;
        for (int x = W / 2 - 160; x <= W / 2 - 50; ++x) innerY = std::max(innerY, lowest(x) - slope * (W / 2 - x));
        apexBottom = innerY - 60;  // well inside the chevron, below its upper edge
        for (double y = apexBottom; y <= innerY - 3; y += 1)
            for (const int x : {W / 2 - 1, W / 2, W / 2 + 1}) ASSERT_TRUE(Red(x, y)) << "field at (" << x << ", " << y << ") above " << innerY;
    }
}

}  // namespace
}  // namespace esc::testing
