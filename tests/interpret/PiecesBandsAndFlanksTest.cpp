// Charges on each piece of an ordinary of several pieces, several charges on an ordinary drawn
// within a chief, charges about an ordinary laid over all, and charges about one charge lying
// bendwise across the field: each spot checked against the drawing of the same shield without
// the charges placed.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

struct PlacedAgainstCase {
    const char* blazon;
    const char* without;  // the same shield without the charges checked
    int level;            // the level of the charges checked
    int count;
    int bearer, charge;   // palette entries: what they lie on (or keep clear of), their own
};

const std::vector<PlacementTrace>& PlacementsOf(const test::Drawing& d, int level) {
    return d.trace.levels.at(static_cast<std::size_t>(level)).placements;
}

TEST(PiecesBandsAndFlanks, OneChargeOnEachPieceOfAnOrdinaryOfSeveral) {
    const std::array<PlacedAgainstCase, 11> cases{{
        // Pales, bars and pallets in a count: every piece drawn, and each takes its charge.
        {"Argent, two pales azure each charged with a mullet Or", "Argent, two pales azure", 1, 2, kAzure, kOr},
        {"Gules, three pales argent each charged with a roundel sable", "Gules, three pales argent", 1, 3, kArgent, kSable},
        {"Argent, two bars azure each charged with a mullet Or", "Argent, two bars azure", 1, 2, kAzure, kOr},
        {"Or, two fesses gules each charged with a mullet argent", "Or, two fesses gules", 1, 2, kGules, kArgent},
        {"Vert, two pallets Or each charged with a roundel gules", "Vert, two pallets Or", 1, 2, kOr, kGules},
        {"Azure, two bendlets Or each charged with a mullet gules", "Azure, two bendlets Or", 1, 2, kOr, kGules},
        {"Argent, three piles azure each charged with a mullet Or", "Argent, three piles azure", 1, 3, kAzure, kOr},
        {"Azure, three bendlets Or each charged with a mullet gules", "Azure, three bendlets Or", 1, 3, kOr, kGules},
        {"Vert, two bendlets sinister argent each charged with a mullet sable", "Vert, two bendlets sinister argent", 1, 2,
         kArgent, kSable},
        {"Azure, two chevronels Or each charged with a mullet gules", "Azure, two chevronels Or", 1, 2, kOr, kGules},
        {"Purpure, two bendlets argent each charged with two mullets azure", "Purpure, two bendlets argent", 1, 4, kArgent,
         kAzure},
    }};
    for (const PlacedAgainstCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing plain, charged;
        plain.DrawClean(c.without);
        charged.DrawClean(c.blazon);
        const std::vector<PlacementTrace>& spots = PlacementsOf(charged, c.level);
        ASSERT_EQ(static_cast<int>(spots.size()), c.count);
        const int breadth = charged.s().geometry.Px(2);  // chevronels are narrow
        for (const PlacementTrace& p : spots) {
            // The spot lies well within a piece, and the charge is painted there.
            const std::array<std::pair<int, int>, 5> around{{{0, 0}, {breadth, 0}, {-breadth, 0}, {0, breadth}, {0, -breadth}}};
            for (const auto& [dx, dy] : around)
                EXPECT_EQ(plain.At(p.x + dx, p.y + dy), test::Colour(c.bearer)) << p.x << "," << p.y;
            EXPECT_EQ(charged.At(p.x, p.y), test::Colour(c.charge)) << p.x << "," << p.y;
        }
        // One piece each: between two spots the pieces part (the field shows on the line joining
        // them), unless two lie on one piece ("each charged with two").
        int parted = 0;
        for (std::size_t i = 1; i < spots.size(); ++i) {
            const PlacementTrace& a = spots[i - 1];
            const PlacementTrace& b = spots[i];
            bool field = false;
            for (int k = 1; k < 20; ++k)
                field = field || plain.At(a.x + (b.x - a.x) * k / 20, a.y + (b.y - a.y) * k / 20) != test::Colour(c.bearer);
            parted += field ? 1 : 0;
        }
        EXPECT_EQ(parted, c.count == 4 ? 1 : c.count - 1);
    }
}

// A later phrase has its own bearer: two charges on a chief after two bendlets lie on the chief.
TEST(PiecesBandsAndFlanks, ChargesOfALaterPhraseAreNotSharedOverThePieces) {
    test::Drawing d;
    d.DrawClean("Azure, two bendlets Or, on a chief argent two mullets gules");
    const std::vector<PlacementTrace>& spots = PlacementsOf(d, 2);
    ASSERT_EQ(spots.size(), 2u);
    for (const PlacementTrace& p : spots) EXPECT_LT(p.y, d.s().geometry.chiefDepth);
}

// "each charged with a feather sable and gules": the first bearer's in the first tincture.
TEST(PiecesBandsAndFlanks, EachPieceTakesItsOwnTinctureOfTheCharges) {
    test::Drawing d;
    d.DrawClean("Per bend sinister gules and sable, two bendlets argent each charged with a roundel sable and gules");
    const std::vector<PlacementTrace>& spots = PlacementsOf(d, 1);
    ASSERT_EQ(spots.size(), 2u);
    EXPECT_EQ(d.At(spots[0].x, spots[0].y), test::Colour(kSable));
    EXPECT_EQ(d.At(spots[1].x, spots[1].y), test::Colour(kGules));
}

TEST(PiecesBandsAndFlanks, SeveralChargesOnAnOrdinaryWithinTheChief) {
    const std::array<PlacedAgainstCase, 4> cases{{
        {"Or, on a chief gules on a fess argent three mullets azure", "Or, on a chief gules a fess argent", 2, 3, kArgent,
         kAzure},
        {"Argent, on a chief azure on a fess Or two crosses couped gules", "Argent, on a chief azure a fess Or", 2, 2, kOr,
         kGules},
        {"Argent, on a chief azure on a pale Or two mullets gules", "Argent, on a chief azure a pale Or", 2, 2, kOr, kGules},
        {"Vert, on a chief argent on a bend sable three roundels Or", "Vert, on a chief argent a bend sable", 2, 3, kSable, kOr},
    }};
    for (const PlacedAgainstCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing plain, charged;
        plain.DrawClean(c.without);
        charged.DrawClean(c.blazon);
        const ShieldGeometry& g = charged.s().geometry;
        const std::vector<PlacementTrace>& spots = PlacementsOf(charged, c.level);
        ASSERT_EQ(static_cast<int>(spots.size()), c.count);
        for (const PlacementTrace& p : spots) {
            EXPECT_LT(p.y, g.chiefDepth);
            EXPECT_EQ(plain.At(p.x, p.y), test::Colour(c.bearer)) << p.x << "," << p.y;
            EXPECT_EQ(charged.At(p.x, p.y), test::Colour(c.charge)) << p.x << "," << p.y;
        }
        // Apart along the ordinary, none on another.
        for (std::size_t i = 1; i < spots.size(); ++i)
            EXPECT_GT(std::hypot(spots[i].x - spots[i - 1].x, spots[i].y - spots[i - 1].y), g.Px(6));
    }
}

// An ordinary on a chief that bears charges of its own stays within the chief, and so does what
// stands beside it there.
TEST(PiecesBandsAndFlanks, ChargedOrdinaryOnAChiefStaysInTheChief) {
    struct InTheChiefCase {
        const char* blazon;
        int ordinary;  // palette entry of the ordinary (and of what stands beside it)
    };
    const std::array<InTheChiefCase, 3> cases{{
        {"Azure, on a chief Or on a pale gules a mullet Or", kGules},
        {"Vert, on a chief argent on a fess sable three roundels Or", kSable},
        {"Azure, a goat salient argent, on a chief Or on a pale between two lions passant gules a lion rampant Or", kGules},
    }};
    for (const InTheChiefCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        int inChief = 0, below = 0;
        // Inside the outline, whose line is sable.
        for (int y = g.Px(4); y < g.shieldBottom - g.Px(60); y += 2)
            for (int x = g.Px(8); x < g.W - g.Px(8); x += 2)
                if (d.At(x, y) == test::Colour(c.ordinary)) ++(y < g.chiefDepth ? inChief : below);
        EXPECT_GT(inChief, 0);
        EXPECT_EQ(below, 0);
    }
}

// The pair about an ordinary laid over all stands beside it, never on it.
TEST(PiecesBandsAndFlanks, ChargesAboutTheOrdinaryOverAllStandBesideIt) {
    struct OverAllCase {
        PlacedAgainstCase placed;
        bool sinister;  // the ordinary over all is a bend sinister
    };
    const std::array<OverAllCase, 5> cases{{
        {{"Vert, a bend Or, over all a bend sinister between two mullets argent", "Vert, a bend Or, over all a bend sinister argent",
          2, 2, kArgent, kArgent},
         true},
        {{"Vert, on a bend Or three roundels azure, over all a bend sinister between two mullets argent",
          "Vert, on a bend Or three roundels azure, over all a bend sinister argent", 3, 2, kArgent, kArgent},
         true},
        {{"Azure, a bend sinister Or, over all a bend between two mullets gules", "Azure, a bend sinister Or, over all a bend gules",
          2, 2, kGules, kGules},
         false},
        {{"Vert, a bend Or, over all a bend sinister between four mullets argent",
          "Vert, a bend Or, over all a bend sinister argent", 2, 4, kArgent, kArgent},
         true},
        {{"Azure, a bend sinister Or, over all a bend between four mullets gules", "Azure, a bend sinister Or, over all a bend gules",
          2, 4, kGules, kGules},
         false},
    }};
    for (const OverAllCase& over : cases) {
        const PlacedAgainstCase& c = over.placed;
        SCOPED_TRACE(c.blazon);
        test::Drawing plain, charged;
        plain.DrawClean(c.without);
        charged.DrawClean(c.blazon);
        const ShieldGeometry& g = charged.s().geometry;
        const std::vector<PlacementTrace>& spots = PlacementsOf(charged, c.level);
        ASSERT_EQ(static_cast<int>(spots.size()), c.count);
        // Off the ordinary over all, as many on either side of its middle line.
        int before = 0, after = 0;
        for (const PlacementTrace& p : spots) {
            EXPECT_NE(plain.At(p.x, p.y), test::Colour(c.bearer)) << p.x << "," << p.y;
            const long side = over.sinister ? static_cast<long>(p.x - g.W2) * g.H + static_cast<long>(p.y - g.H2) * g.W
                                            : static_cast<long>(p.x - g.W2) * g.H - static_cast<long>(p.y - g.H2) * g.W;
            ++(side < 0 ? before : after);
        }
        EXPECT_EQ(before, after);
    }
}

// A charge bendwise across the field parts it as a bend: a pair, or two single charges, stand in
// chief on one side and in base on the other, clear of it.
TEST(PiecesBandsAndFlanks, ChargesAboutAChargeLyingBendwiseStandAsAboutABend) {
    struct BendwiseCase {
        const char* blazon;
        const char* without;
        bool sinister;
        int field;
    };
    const std::array<BendwiseCase, 3> cases{{
        {"Azure, a sword bendwise throughout between two mullets argent", "Azure, a sword bendwise throughout argent", false,
         kAzure},
        {"Azure, a lightning flash bendwise sinister throughout between a griffin segreant to sinister and a dragon segreant argent",
         "Azure, a lightning flash bendwise sinister throughout argent", true, kAzure},
        {"Gules, a sword bendwise sinister throughout between a mullet and a crescent Or",
         "Gules, a sword bendwise sinister throughout Or", true, kGules},
    }};
    for (const BendwiseCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing plain, charged;
        plain.DrawClean(c.without);
        charged.DrawClean(c.blazon);
        const ShieldGeometry& g = charged.s().geometry;
        std::vector<PlacementTrace> spots = PlacementsOf(charged, 1);
        if (spots.size() == 1) spots.push_back(PlacementsOf(charged, 2).at(0));
        ASSERT_EQ(spots.size(), 2u);
        EXPECT_LT(spots[0].y, g.H2);  // the first in chief
        EXPECT_GT(spots[1].y, g.H2);
        for (const PlacementTrace& p : spots) {
            EXPECT_EQ(plain.At(p.x, p.y), test::Colour(c.field)) << p.x << "," << p.y;
            // In chief on the side the band leaves free: sinister chief about a bend, dexter about
            // a bend sinister.
            const bool inChief = p.y < g.H2, dexter = p.x < g.W2;
            EXPECT_EQ(dexter, inChief == c.sinister) << p.x << "," << p.y;
        }
    }
}

}  // namespace
}  // namespace esc
