// Groups drawn under an ordinary over all, several charges on one charge, a like diminutive on
// its ordinary and charges about an ordinary drawn last: each checked at points from the
// shield's geometry and the placements the drawing reports.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

// Pixels of `colour` in the column strip x-6..x+6 above and below the band of half-depth
// `half` about the fess point.
int OutsideTheFessBand(const test::Drawing& d, int x, int half, Rgb colour) {
    const ShieldGeometry& g = d.state->geometry;
    int found = 0;
    for (int y = 0; y < g.straightBottom; ++y) {
        if (y >= g.H2 - half && y <= g.H2 + half) continue;
        for (int dx = -6; dx <= 6; ++dx)
            if (d.At(x + dx, y) == colour) ++found;
    }
    return found;
}

// A group in fess under a fess over all grows past the fess's band, so that every charge shows
// above or below it.
TEST(UnderAnOrdinaryOverAll, GroupInFessShowsBeyondTheFess) {
    struct Case { const char* blazon; int tincture; };
    const Case cases[] = {
        {"Argent three arrows palewise in fess azure surmounted of a fess or", kAzure},
        {"Argent three arrows palewise in fess azure, over all a fess or", kAzure},
        {"Or three swords palewise in fess gules debruised by a fess azure", kGules},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ASSERT_GE(d.trace.levels.size(), 1u);
        const std::vector<PlacementTrace>& spots = d.trace.levels[0].placements;
        ASSERT_EQ(spots.size(), 3u);
        // The fess's band is a chief's depth about the fess point.
        const int half = d.state->geometry.chiefDepth / 2;
        for (const PlacementTrace& p : spots) EXPECT_GT(OutsideTheFessBand(d, p.x, half, test::Colour(k.tincture)), 50) << p.x;
    }
}

// One charge charged with several: the whole count lies within it, each at its own spot, the
// bearer's tincture about the group. Several bearers charged with another count say so.
TEST(SeveralOnOneCharge, TheWholeCountWithinTheBearer) {
    struct Case { const char* blazon; std::size_t count; int tincture, bearer; };
    const Case cases[] = {
        {"Argent a maunch sable charged with three crosses patty or", 3, kOr, kSable},
        {"Or a lozenge gules charged with two mullets argent", 2, kArgent, kGules},
        {"Argent an escutcheon azure charged with three roundels or", 3, kOr, kAzure},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& bearer = d.trace.levels[0].placements[0];
        const std::vector<PlacementTrace>& spots = d.trace.levels[1].placements;
        ASSERT_EQ(spots.size(), k.count);
        for (std::size_t i = 0; i < spots.size(); ++i) {
            EXPECT_EQ(d.At(spots[i].x, spots[i].y), test::Colour(k.tincture)) << i;
            for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(spots[i].x == spots[j].x && spots[i].y == spots[j].y);
        }
        // The bearer's tincture lies between the group's spots and its middle.
        int bearerPixels = 0;
        for (const PlacementTrace& p : spots)
            for (int t = 1; t < 8; ++t)
                if (d.At((p.x * (8 - t) + bearer.x * t) / 8, (p.y * (8 - t) + bearer.y * t) / 8) == test::Colour(k.bearer)) ++bearerPixels;
        EXPECT_GT(bearerPixels, 0);
    }
    test::Drawing d;
    d.Draw("Argent three roundels gules charged with two mullets or");
    EXPECT_FALSE(d.sink.messages.empty());
}

// A like bendlet on a bend: narrower than the bend, the bend's tincture either side of it on the
// line across the bend through the fess point.
TEST(LikeDiminutive, NarrowerThanTheOrdinaryItLiesOn) {
    struct Case { const char* blazon; int bend, bendlet; };
    const Case cases[] = {
        {"Vert a bend wavy argent charged with a like bendlet azure", kArgent, kAzure},
        {"Or a bend gules charged with a like bendlet argent", kGules, kArgent},
        {"Azure a bend engrailed or charged with a like bendlet gules", kOr, kGules},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.state->geometry;
        // Across the bend: from the fess point toward the dexter base and the sinister chief.
        int bend = 0, bendlet = 0;
        for (int t = -g.W / 4; t <= g.W / 4; ++t) {
            const Rgb c = d.At(g.W2 + t, g.H2 - t);
            if (c == test::Colour(k.bend)) ++bend;
            if (c == test::Colour(k.bendlet)) ++bendlet;
        }
        EXPECT_GT(bendlet, 0);
        EXPECT_GT(bend, bendlet / 2);
    }
}

// Charges "between" right after an ordinary on the field stand off it, on the field, not on an
// ordinary charged before it.
TEST(BetweenTheOrdinaryDrawnLast, ChargesOffIt) {
    struct Case { const char* blazon; std::size_t count; bool sinisterBend; };
    const Case cases[] = {
        {"Vert a bend wavy argent charged with a like bendlet azure overall a bend sinister ermine between four fleurs-de-lys or",
         4, true},
        {"Argent a bend engrailed gules charged with a like bendlet or over all a bend sinister azure between four mullets sable", 4,
         true},
        {"Or a fess gules charged with a bar argent over all a pale azure between two roundels sable", 2, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ASSERT_GE(d.trace.levels.size(), 4u);
        const std::vector<PlacementTrace>& spots = d.trace.levels.back().placements;
        ASSERT_EQ(spots.size(), k.count);
        const ShieldGeometry& g = d.state->geometry;
        for (const PlacementTrace& p : spots) {
            // Off the bend sinister (the diagonal rising through the fess point) or the pale.
            const int off = k.sinisterBend ? (p.x - g.W2) + (p.y - g.H2) : p.x - g.W2;
            EXPECT_GT(std::abs(off), g.chiefDepth / 2) << p.x << "," << p.y;
            // Nor on the bend charged before it (the diagonal falling through the fess point).
            if (k.sinisterBend) {
                EXPECT_GT(std::abs((p.x - g.W2) - (p.y - g.H2)), g.chiefDepth / 3) << p.x << "," << p.y;
            }
        }
    }
}

}  // namespace
}  // namespace esc
