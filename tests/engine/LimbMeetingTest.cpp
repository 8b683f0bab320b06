// Lined limbs where they meet (a saltire's and a cross's crossing, a chevron's inner angle), plain
// and counterchanged, and a lined bordure round the shield's corners. Each limb's straight
// outline is measured from the picture (the tips of its teeth), and the meeting computed from
// those outlines.

#include <algorithm>
#include <cmath>

#include "ShapeTestSupport.h"
#include "engine/OrdinaryPosition.h"

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

TEST_F(LimbMeetingTest, ArcsOnALimbSinkAQuarterOfItsBreadthAtMost) {
    // Engrailed and invected limbs, broad and narrow: each edge's arcs sink no further than a
    // quarter of the breadth the limb keeps whole between them.
    struct Case {
        ShapeCode shape;
        int count;
        double x1, y1, x2, y2;  // the limb measured, in shares of W and H
    };
    const Case cases[] = {{kSaltire, 1, 0, 0, 1, 1}, {kCross, 1, 0.5, 0, 0.5, 1}, {kBendlets, 3, 0, 0, 1, 1}, {kBend, 1, 0, 0, 1, 1}};
    for (const int line : {0, 1})
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << "shape " << static_cast<int>(c.shape) << ", line " << line);
            Ordinary(c.shape, line, c.count);
            const double W = g().W, H = g().H;
            const Reach r = Measure(c.x1 * W, c.y1 * H, c.x2 * W, c.y2 * H, 0.12, 0.32);
            const int whole = r.nearLeast + r.farLeast;
            ASSERT_GT(whole, 0);
            EXPECT_LE(4 * (r.nearMost - r.nearLeast), whole + 4) << r.nearLeast << ".." << r.nearMost;
            EXPECT_LE(4 * (r.farMost - r.farLeast), whole + 4) << r.farLeast << ".." << r.farMost;
        }
}

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

// Counterchanged over a field per pale: each pixel of the ordinary takes the field's other
// tincture, and none of the field's own shows inside the meeting of the limbs.
class CounterchangedMeetingTest : public LimbMeetingTest {
protected:
    void Counterchanged(ShapeCode shape, int line) {
        Partition(kPale, kPlainLine);
        s().shapeCode = s().partitionCode = shape;
        s().lineCode = line;
        s().levelTincture[0] = kCounterchanged;
        DrawOrdinary(s(), {shape, false});
    }
    // Whether (x, y) shows the ordinary: the tincture of the other half of the field.
    bool Turned(double x, double y) const {
        const int X = static_cast<int>(std::lround(x)), Y = static_cast<int>(std::lround(y));
        return Code(X, Y) == (X < g().W / 2 ? kSecond : kFirst);
    }
    // As ExpectWholeToward, for the counterchanged ordinary; the column on the partition line
    // belongs to either half.
    void ExpectTurnedToward(double cx, double cy, double dx, double dy, double reach, const char* where) {
        const double length = std::hypot(dx, dy);
        for (double d = 0; d <= reach - 4; d += 0.5)
            for (const double side : {-1.0, 0.0, 1.0}) {
                const double x = cx + dx / length * d - dy / length * side, y = cy + dy / length * d + dx / length * side;
                if (std::abs(std::lround(x) - g().W / 2) <= 1) continue;
                ASSERT_TRUE(Turned(x, y)) << where << ": field at (" << x << ", " << y << "), " << d << " of " << reach;
            }
    }
};

TEST_F(CounterchangedMeetingTest, SaltireAndCrossCloseTheirMeeting) {
    for (const int line : kMeetingLines) {
        SCOPED_TRACE(line);
        const double W = g().W, H = g().H;
        Counterchanged(kSaltire, line);
        // The limb's half breadth from its least reach, which the straight outline exceeds.
        Reach r;
        for (int i = 0; i <= 60; ++i) {
            const double t = 0.12 + 0.2 * i / 60, cx = W * t, cy = H * t, length = std::hypot(W, H);
            int near = 0, far = 0;
            while (near < 200 && Turned(cx + (near + 1) * H / length, cy - (near + 1) * W / length)) ++near;
            while (far < 200 && Turned(cx - (far + 1) * H / length, cy + (far + 1) * W / length)) ++far;
            r.nearMost = std::max(r.nearMost, near);
            r.farMost = std::max(r.farMost, far);
        }
        const double half = r.Breadth() / 2.0, slope = std::atan2(H, W);
        ExpectTurnedToward(W / 2, H / 2, -1, 0, half / std::sin(slope), "saltire's dexter angle");
        ExpectTurnedToward(W / 2, H / 2, 1, 0, half / std::sin(slope), "saltire's sinister angle");
        Counterchanged(kCross, line);
        int a = 0;
        for (int y = g().H / 20; y < g().H / 4; ++y) {
            int x = g().W / 2 + 2;
            while (x < g().W && Turned(x, y)) ++x;
            a = std::max(a, x - g().W / 2);
        }
        for (const double sx : {-1.0, 1.0})
            for (const double sy : {-1.0, 1.0}) ExpectTurnedToward(W / 2, H / 2, sx, sy, a * std::sqrt(2.0) * 0.9, "cross's angle");
    }
}

// A lined bordure follows the shield's outline: its reach in from the edge is the same round the
// curved lower corners as down the flanks.
class LinedBordureTest : public ShapesTest {
protected:
    // How far the bordure reaches in from the edge: the least and the most over the samples.
    struct Reach {
        int least = 1 << 20, most = 0;
        void Take(int r) {
            least = std::min(least, r);
            most = std::max(most, r);
        }
    };
    // The gules pixels counted from (x, y) one step (dx, dy) at a time.
    int GulesFrom(double x, double y, double dx, double dy) const {
        int n = 0;
        while (n < 200) {
            const int X = static_cast<int>(std::lround(x + n * dx)), Y = static_cast<int>(std::lround(y + n * dy));
            if (X < 0 || Y < 0 || X >= g().W || Y > g().shieldBottom || Code(X, Y) != kGules) break;
            ++n;
        }
        return n;
    }
};

TEST_F(LinedBordureTest, ItsInnerEdgeFollowsTheCurvedCorners) {
    for (const int line : {0, 1, kIndentedLine, kWavyLine, kEmbattledLine}) {
        SCOPED_TRACE(line);
        Ordinary(kBordure, line);
        const ShieldGeometry& G = g();
        // Down the dexter flank, over many repeats: in from the outline's pen.
        Reach flank;
        for (int y = G.H / 4; y < G.H * 3 / 4; ++y) flank.Take(GulesFrom(G.Px(3), y, 1, 0));
        // Round the dexter lower corner: rays from the centre of its quarter circle out to the
        // outline, counted back inward from just inside the pen.
        const double r = G.Px(40), cx = G.Px(40), cy = G.H - G.Px(42);
        Reach corner;
        for (double degrees = 100; degrees <= 170; degrees += 1) {
            const double a = degrees * 3.14159265358979 / 180, ux = std::cos(a), uy = std::sin(a);
            const double from = r - G.Px(3);
            corner.Take(GulesFrom(cx + ux * from, cy + uy * from, -ux, -uy) + G.Px(1));
        }
        // The pattern's points and hollows may fall differently on the short corner, but the
        // bordure's solid breadth and its furthest reach are those of the flank.
        EXPECT_NEAR(corner.least, flank.least, G.Px(4));
        EXPECT_LE(corner.most, flank.most + G.Px(4));
        EXPECT_GE(corner.least, G.Px(kBordureBreadth) / 3);
    }
}

// A lined pile lowered off the chief: its lined sides end square at its foot, a straight line
// across, with nothing of them above it.
TEST_F(LimbMeetingTest, AnAbasedLinedPileHasAStraightFoot) {
    for (const int line : {0, kIndentedLine, kWavyLine}) {
        SCOPED_TRACE(line);
        shield_.Reset(kArgent);
        s().shapeCode = s().partitionCode = kPiles;
        s().lineCode = line;
        s().levels[0].levelCount = 1;
        s().position = OrdinaryPosition::Abased;
        s().levelTincture[0] = kGules;
        DrawOrdinary(s(), {kPiles, false});
        const int foot = g().Px(2) + PlaceOf(g(), OrdinaryPosition::Abased).shift;
        ASSERT_GT(foot, g().Px(20));
        for (int y = g().Px(3); y < foot; ++y)
            for (int x = g().Px(3); x < g().W - g().Px(3); ++x) ASSERT_NE(Code(x, y), kGules) << "above the foot at (" << x << ", " << y << ")";
        for (int x = g().W * 3 / 8; x <= g().W * 5 / 8; ++x) EXPECT_EQ(Code(x, foot + 1), kGules) << "the foot at " << x;
    }
}

}  // namespace
}  // namespace esc::testing
