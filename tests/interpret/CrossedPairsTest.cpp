// "three pairs of keys in saltire": each counted member is two charges crossed on the spot one
// charge would stand on; "a sword throughout": one long charge reaching the field's edges.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "TestDrawing.h"
#include "engine/BordureRing.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/trace/Trace.h"

namespace esc::test {
namespace {

// Whether `colour` lies within `reach` pixels of (x, y): shafts and blades are narrow.
bool ColourNear(const Drawing& d, int x, int y, int reach, Rgb colour) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (d.At(x + dx, y + dy) == colour) return true;
    return false;
}

Rect RingDrawn(const Drawing& d, int k) { return d.state->placementRing[static_cast<std::size_t>(k)].drawn; }

struct PairsCase {
    const char* pairs;
    const char* singles;  // the same count of single charges: the spots the pairs stand on
    int count, charge, field;
    // Slender charges, symmetric about their axis, are looked at pixel by pixel; a key's bow
    // stands wide of its shaft.
    bool slender;
};

TEST(CrossedPairs, EachPairCrossedOnItsSpot) {
    const PairsCase cases[] = {
        {"Argent three pairs of keys in saltire gules", "Argent three keys gules", 3, kGules, kArgent, false},
        {"Azure two pairs of swords in saltire or", "Azure two swords or", 2, kOr, kAzure, true},
        {"Vert three pair of arrows in saltire argent", "Vert three arrows argent", 3, kArgent, kVert, true},
        {"Gules three pairs of arrows inverted in saltire or", "Gules three arrows inverted or", 3, kOr, kGules, true},
        {"Or four pairs of keys in cross sable", "Or four keys sable", 4, kSable, kOr, false},
        {"Azure three pairs of arrows in cross argent", "Azure three arrows argent", 3, kArgent, kAzure, true},
    };
    for (const PairsCase& k : cases) {
        SCOPED_TRACE(k.pairs);
        Drawing pairs, singles;
        pairs.DrawClean(k.pairs);
        singles.DrawClean(k.singles);
        const std::vector<PlacementTrace> crossed = AllPlacements(pairs), alone = AllPlacements(singles);
        ASSERT_EQ(alone.size(), static_cast<std::size_t>(k.count));
        ASSERT_EQ(crossed.size(), 2 * alone.size());
        ASSERT_EQ(pairs.state->ringWritten, 2 * k.count);
        const bool inSaltire = crossed[0].bendwise;
        for (int i = 0; i < k.count; ++i) {
            const PlacementTrace& a = crossed[static_cast<std::size_t>(2 * i)];
            const PlacementTrace& b = crossed[static_cast<std::size_t>(2 * i + 1)];
            // Both on the spot the single charge stood on.
            EXPECT_EQ(a.x, b.x);
            EXPECT_EQ(a.y, b.y);
            EXPECT_NEAR(a.x, alone[static_cast<std::size_t>(i)].x, 2);
            EXPECT_NEAR(a.y, alone[static_cast<std::size_t>(i)].y, 2);
            if (inSaltire) {
                EXPECT_NE(a.mirrored, b.mirrored);
            }
            if (!k.slender) continue;
            // The charge's tincture along each arm of the crossing, a quarter of the pair's box
            // out from its centre; the field between the arms, at the middles of the box's upper
            // and side edges (the hilts below may close the lower angle).
            Rect box = RingDrawn(pairs, 2 * i);
            const Rect other = RingDrawn(pairs, 2 * i + 1);
            box = {std::min(box.left, other.left), std::min(box.top, other.top), std::max(box.right, other.right),
                   std::max(box.bottom, other.bottom)};
            const int q = std::min(box.Width(), box.Height()) / 4, reach = 3;
            const Rgb charge = Colour(k.charge), field = Colour(k.field);
            if (inSaltire) {
                for (const int sx : {-1, 1})
                    for (const int sy : {-1, 1}) EXPECT_TRUE(ColourNear(pairs, a.x + sx * q, a.y + sy * q, reach, charge));
                EXPECT_EQ(pairs.At(a.x, a.y - 3 * q / 2), field);
                EXPECT_EQ(pairs.At(a.x - 3 * q / 2, a.y), field);
                EXPECT_EQ(pairs.At(a.x + 3 * q / 2, a.y), field);
            } else {
                EXPECT_TRUE(ColourNear(pairs, a.x, a.y - q, reach, charge));
                EXPECT_TRUE(ColourNear(pairs, a.x, a.y + q, reach, charge));
                EXPECT_TRUE(ColourNear(pairs, a.x - q, a.y, reach, charge));
                EXPECT_TRUE(ColourNear(pairs, a.x + q, a.y, reach, charge));
                for (const int sx : {-1, 1})
                    for (const int sy : {-1, 1}) EXPECT_EQ(pairs.At(a.x + sx * q, a.y + sy * q), field);
            }
        }
    }
    // With no crossing after it, "pairs of" keys is not read as crossed pairs: addorsed, the two
    // of each pair stand side by side, never on one spot.
    Drawing addorsed;
    addorsed.DrawClean("Azure three pairs of keys addorsed or");
    const std::vector<PlacementTrace>& sideBySide = addorsed.trace.levels.at(0).placements;
    ASSERT_EQ(sideBySide.size(), 6u);
    for (std::size_t i = 0; i < sideBySide.size(); i += 2) EXPECT_NE(sideBySide[i].x, sideBySide[i + 1].x);
}

struct ThroughoutCase {
    const char* blazon;
    const char* plain;  // the same charge not throughout
    int charge;
    bool upright, fesswise;
};

TEST(ChargeThroughout, ReachesTheEdgesAlongItsAxis) {
    const ThroughoutCase cases[] = {
        {"Argent a sword throughout gules", "Argent a sword gules", kGules, true, false},
        {"Argent a key throughout azure", "Argent a key azure", kAzure, true, false},
        {"Or a key fesswise throughout sable", "Or a key fesswise sable", kSable, false, true},
        {"Argent a sword bendwise throughout vert", "Argent a sword bendwise vert", kVert, false, false},
    };
    for (const ThroughoutCase& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing through, plain;
        through.DrawClean(k.blazon);
        plain.DrawClean(k.plain);
        const ShieldGeometry& g = through.state->geometry;
        const Rect r = PaintedExtent(through, Colour(k.charge));
        const Rect alone = PaintedExtent(plain, Colour(k.charge));
        ASSERT_GE(r.right, r.left);
        const int near = g.Px(8);
        if (k.upright) {
            EXPECT_LE(r.top, near);
            EXPECT_GE(r.bottom, g.shieldBottom - near);
            EXPECT_GT(r.Height(), alone.Height());
        } else if (k.fesswise) {
            EXPECT_LE(r.left, near);
            EXPECT_GE(r.right, g.W - 1 - near);
            EXPECT_GT(r.Width(), alone.Width());
        } else {
            // Bendwise: cut by the outline at the dexter chief corner (the flank or the top) and
            // low on the sinister side.
            // A pointed blade's tincture ends inside the black edge of its point, a little short of
            // the corner the point is cut at (the same sword not throughout stops far inside).
            EXPECT_LE(std::min(r.left, r.top), 3 * near);
            EXPECT_GT(std::min(alone.left, alone.top), 6 * near);
            EXPECT_LT(r.top, g.H2 - g.W2 + near);
            EXPECT_GE(r.right, g.W - 1 - near);
            EXPECT_GT(r.Width(), alone.Width());
        }
    }
}

}  // namespace
}  // namespace esc::test
