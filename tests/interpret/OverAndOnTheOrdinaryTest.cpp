// A charge over one ordinary ("surmounted by"), counterchanged across it, and a charge on an
// ordinary that was itself drawn within a chief: each checked at points taken from the drawing
// of the same shield without that charge.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "TestDrawing.h"

namespace esc {
namespace {

struct OverTheOrdinaryCase {
    const char* withCharge;
    const char* without;
    int field, ordinary;  // palette entries
};

// Whether the pixel and its four neighbours are alike in the drawing without the charge: the
// point lies clear of the ordinary's edge.
bool ClearOfAnEdge(const test::Drawing& d, int x, int y) {
    const Rgb c = d.At(x, y);
    return d.At(x - 1, y) == c && d.At(x + 1, y) == c && d.At(x, y - 1) == c && d.At(x, y + 1) == c;
}

TEST(OverAndOnTheOrdinary, ChargeSurmountingOneOrdinaryLiesAtTheFessPointCounterchanged) {
    const std::array<OverTheOrdinaryCase, 4> cases{{
        {"Sable, a cross Or surmounted by a roundel counterchanged", "Sable, a cross Or", kSable, kOr},
        {"Azure a pale argent surmounted by a roundel counterchanged", "Azure a pale argent", kAzure, kArgent},
        {"Or a fess gules surmounted by a roundel counterchanged", "Or a fess gules", kOr, kGules},
        {"Gules a saltire or debruised by a roundel counterchanged", "Gules a saltire or", kGules, kOr},
    }};
    for (const OverTheOrdinaryCase& c : cases) {
        SCOPED_TRACE(c.withCharge);
        test::Drawing plain, over;
        plain.DrawClean(c.without);
        over.DrawClean(c.withCharge);
        const ShieldGeometry& g = over.s().geometry;
        const std::vector<PlacementTrace> spots = test::AllPlacements(over);
        ASSERT_EQ(spots.size(), 1u);
        EXPECT_LE(std::abs(spots[0].x - g.W2), g.Px(4));
        EXPECT_LE(std::abs(spots[0].y - g.H2), g.H / 10);
        // Round the charge's middle, within its reach: what the ordinary covers shows the field's
        // tincture, the field the ordinary's.
        int onOrdinary = 0, onField = 0;
        const int reach = g.Px(72);
        for (int dy = -reach; dy <= reach; dy += g.Px(8)) {
            for (int dx = -reach; dx <= reach; dx += g.Px(8)) {
                const int x = spots[0].x + dx, y = spots[0].y + dy;
                if (!ClearOfAnEdge(plain, x, y)) continue;
                const bool ordinary = plain.At(x, y) == test::Colour(c.ordinary);
                ASSERT_TRUE(ordinary || plain.At(x, y) == test::Colour(c.field));
                EXPECT_EQ(over.At(x, y), test::Colour(ordinary ? c.field : c.ordinary)) << x << "," << y;
                ++(ordinary ? onOrdinary : onField);
            }
        }
        EXPECT_GT(onOrdinary, 0);
        EXPECT_GT(onField, 0);
    }
}

// A roundel on the crossing of a cross patée with other charges on its limbs: the roundel's
// counterchange swaps the field's and the cross's tinctures, never a fur or a third tincture.
TEST(OverAndOnTheOrdinary, CounterchangedRoundelAmongOtherTincturesKeepsTheNamedTwo) {
    const std::array<OverTheOrdinaryCase, 2> cases{{
        {"Sable, on a cross patée throughout Or surmounted by a roundel counterchanged four fleurs-de-lys palewise gules",
         "Sable, a cross patée throughout Or", kSable, kOr},
        {"Vert, on a cross patée throughout argent surmounted by a roundel counterchanged four mullets azure",
         "Vert, a cross patée throughout argent", kVert, kArgent},
    }};
    for (const OverTheOrdinaryCase& c : cases) {
        SCOPED_TRACE(c.withCharge);
        test::Drawing plain, over;
        plain.DrawClean(c.without);
        over.DrawClean(c.withCharge);
        const ShieldGeometry& g = over.s().geometry;
        const int x = g.W2, y = over.trace.levels.at(1).placements.at(0).y;
        ASSERT_EQ(plain.At(x, y), test::Colour(c.ordinary));
        EXPECT_EQ(over.At(x, y), test::Colour(c.field));
    }
}

// The lowest row of the chief along the column `x`, in the drawing of the chief alone.
int ChiefBottom(const test::Drawing& chief, int x, Rgb tincture) {
    const ShieldGeometry& g = chief.state->geometry;
    int y = g.Px(6);
    while (y < g.H && chief.At(x, y + 1) == tincture) ++y;
    return y;
}

struct OnTheOrdinaryInChiefCase {
    const char* blazon;
    const char* chiefAlone;
    int chief, charge;  // palette entries
};

TEST(OverAndOnTheOrdinary, ChargeOnAnOrdinaryWithinAChiefLiesInTheChief) {
    const std::array<OnTheOrdinaryInChiefCase, 4> cases{{
        {"Argent on a chief azure a cross gules charged with a lion passant guardant or", "Argent a chief azure", kAzure, kOr},
        {"Argent on a chief azure the cross of St George charged with a lion of England", "Argent a chief azure", kAzure, kOr},
        {"Or on a chief sable a saltire argent charged with a mullet gules", "Or a chief sable", kSable, kGules},
        {"Argent on a chief vert a pale or charged with a roundel azure", "Argent a chief vert", kVert, kAzure},
    }};
    for (const OnTheOrdinaryInChiefCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing chief, d;
        chief.DrawClean(c.chiefAlone);
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const int bottom = ChiefBottom(chief, g.W5, test::Colour(c.chief));
        ASSERT_GT(bottom, g.H / 10);
        ASSERT_LT(bottom, g.H2);
        const std::vector<PlacementTrace> spots = test::AllPlacements(d);
        ASSERT_EQ(spots.size(), 1u);
        EXPECT_LE(std::abs(spots[0].x - g.W2), g.Px(4));
        EXPECT_GT(spots[0].y, g.Px(6));
        EXPECT_LT(spots[0].y, bottom);
        // Some of the charge's tincture within the chief about the spot, none at the fess point.
        int painted = 0;
        for (int y = g.Px(6); y < bottom; ++y)
            for (int x = g.W2 - g.W6; x <= g.W2 + g.W6; ++x) painted += d.At(x, y) == test::Colour(c.charge) ? 1 : 0;
        EXPECT_GT(painted, g.Px(20) * g.Px(5));
        EXPECT_EQ(d.At(g.W2, g.H2), chief.At(g.W2, g.H2));
    }
}

// More than one charge on an ordinary within a chief has no places yet: said so, not drawn
// on the whole field's ordinary.
TEST(OverAndOnTheOrdinary, SeveralChargesOnAnOrdinaryWithinAChiefAreReported) {
    test::Drawing d;
    d.Draw("Argent on a chief azure a cross gules charged with five mullets or");
    EXPECT_FALSE(d.sink.messages.empty());
    EXPECT_TRUE(test::AllPlacements(d).empty());
}

}  // namespace
}  // namespace esc
