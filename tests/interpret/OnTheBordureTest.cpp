// Charges on a bordure: any number from one to twenty stands on the bordure's middle, evenly
// round it and symmetrical about the pale line, each charge painted where it is placed.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Palette.h"
#include "interpret/layout/OnTheBordure.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

const char* const kCounts[] = {"",      "a",     "two",   "three", "four",     "five",    "six",
                               "seven", "eight", "nine",  "ten",   "eleven",   "twelve",  "thirteen",
                               "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};

TEST(OnTheBordure, AnyNumberStandsEvenlyRoundTheBordure) {
    // One state draws them all, as the window does: the bordure's middle line found for the first
    // count serves the others.
    Drawing d;
    for (int n = 2; n <= kMaxChargesOnBordure; ++n) {
        const std::string blazon = std::string("Gules a bordure argent charged with ") + kCounts[n] + " pellets";
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<BordureSpot> spots = BordureSpots(g, n);
        ASSERT_EQ(static_cast<int>(spots.size()), n);
        ASSERT_EQ(d.trace.levels.size(), 2u);  // the bordure, then its charges
        ASSERT_EQ(static_cast<int>(d.trace.levels[1].placements.size()), n);
        double least = 1e9, most = 0;
        for (int k = 0; k < n; ++k) {
            const BordureSpot& p = spots[static_cast<std::size_t>(k)];
            // A pellet is painted at its spot, and the spot lies on the bordure: argent a little
            // further in on the way to the centre, and the field further still.
            EXPECT_EQ(d.At(p.x, p.y), Colour(kSable)) << "spot " << k << " at (" << p.x << ", " << p.y << ")";
            const double dx = g.W2 - p.x, dy = g.H2 - p.y, r = std::hypot(dx, dy);
            auto towardCentre = [&](double t) {
                return d.At(static_cast<int>(p.x + dx * t / r), static_cast<int>(p.y + dy * t / r));
            };
            EXPECT_EQ(towardCentre(60), Colour(kGules)) << "spot " << k;
            if (n == 8) continue;  // eight stand at their table's places, in its order
            // Mirror pairs about the pale line: the k-th from the point on the dexter side and on
            // the sinister side.
            const BordureSpot& mirror = spots[static_cast<std::size_t>((n - k) % n)];
            EXPECT_NEAR(p.x + mirror.x, g.W - 1, 2) << "spot " << k;
            EXPECT_NEAR(p.y, mirror.y, 2) << "spot " << k;
            const BordureSpot& next = spots[static_cast<std::size_t>((k + 1) % n)];
            const double gap = std::hypot(next.x - p.x, next.y - p.y);
            least = std::min(least, gap);
            most = std::max(most, gap);
        }
        if (n == 8) continue;
        // Even distances along the bordure: straight-line gaps differ only where the way turns a
        // corner between two charges.
        EXPECT_GT(least, most * 0.7);
        // The first stands at the point, and with an even number one in the middle of the chief.
        EXPECT_NEAR(spots[0].x, g.W2, 2);
        EXPECT_GT(spots[0].y, g.H - 20);
        if (n % 2 == 0) {
            EXPECT_NEAR(spots[static_cast<std::size_t>(n / 2)].x, g.W2, 2);
            EXPECT_LT(spots[static_cast<std::size_t>(n / 2)].y, 20);
        }
    }
}

// The middle line a state keeps is found again when the shield's outline changes: a marshalled
// part's rectangle after a whole shield puts the charges at the part's own corners.
TEST(OnTheBordure, TheMiddleLineFollowsTheOutline) {
    Drawing d;
    d.DrawClean("Gules a bordure argent charged with ten pellets");
    const ShieldGeometry shield = d.s().geometry;
    d.s().marshallingMode = true;  // the outline is drawn as a part's rectangle
    d.Draw("Gules a bordure argent charged with ten pellets");
    const ShieldGeometry part = d.s().geometry;
    ASSERT_NE(part.baseTop, shield.baseTop);
    const std::vector<BordureSpot> onShield = BordureSpots(shield, 10), onPart = BordureSpots(part, 10);
    ASSERT_EQ(d.trace.levels.size(), 2u);
    const std::vector<PlacementTrace>& placed = d.trace.levels[1].placements;
    ASSERT_EQ(placed.size(), 10u);
    // The point of a shield lies lower than the foot of the rectangle's bordure.
    EXPECT_GT(onShield[0].y, onPart[0].y + 10);
    for (std::size_t k = 0; k < placed.size(); ++k) {
        EXPECT_EQ(placed[k].x, onPart[k].x) << "spot " << k;
        EXPECT_EQ(placed[k].y, onPart[k].y) << "spot " << k;
    }
}

}  // namespace
}  // namespace esc
