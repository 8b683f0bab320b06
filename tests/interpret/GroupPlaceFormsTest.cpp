// Where a group stands as the printed forms place it: in the half of a parted field whose
// tincture is written before it, about the whole the phrases before "between" make; and the
// parts of a charge named before its tincture. Colours sampled at points from the geometry.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/PrincipalCharge.h"

namespace esc {
namespace {

enum class Side { Upper, Lower, Dexter, Sinister };

bool OnSide(const PlacementTrace& p, const ShieldGeometry& g, Side side) {
    switch (side) {
        case Side::Upper: return p.y < g.H2;
        case Side::Lower: return p.y > g.H2;
        case Side::Dexter: return p.x < g.W2;
        case Side::Sinister: return p.x > g.W2;
    }
    return false;
}

// "Per fess argent a roundel gules and azure three mullets or": each half's tincture, then its
// charges; per fess and per chevron in chief and in base, per bend in the sinister chief and the
// dexter base, per bend sinister in the dexter chief and the sinister base. (Only per pale was
// read so: the others were drawn with "Expecting 'and'" and their words read past.)
TEST(HalvesWithTheirCharges, EachPartitionOfTwoSetsItsHalvesCharges) {
    struct Case {
        const char* blazon;
        int firstField, secondField;
        std::vector<int> first, second;  // the tinctures of each half's charges, in order
        std::vector<Side> firstSides, secondSides;
    };
    const std::vector<Case> cases = {
        {"Per fess argent a roundel gules and azure three mullets or", kArgent, kAzure, {kGules}, {kOr, kOr, kOr},
         {Side::Upper}, {Side::Lower}},
        {"Per fess or two roundels sable and gules a roundel of the first", kOr, kGules, {kSable, kSable}, {kOr},
         {Side::Upper}, {Side::Lower}},
        // A cross on the roundel is drawn within it as on a field, not placed: the roundel shows
        // the cross's or at its centre.
        {"Per fess or a roundel gules charged with a cross or and azure a mullet argent", kOr, kAzure, {kOr},
         {kArgent}, {Side::Upper}, {Side::Lower}},
        {"Per chevron argent two mullets vert and of the last a roundel argent", kArgent, kVert, {kVert, kVert},
         {kArgent}, {Side::Upper}, {Side::Lower}},
        {"Per bend or a roundel azure and gules a mullet argent", kOr, kGules, {kAzure}, {kArgent},
         {Side::Upper, Side::Sinister}, {Side::Lower, Side::Dexter}},
        {"Per bend sinister argent a mullet sable and vert two roundels or", kArgent, kVert, {kSable}, {kOr, kOr},
         {Side::Upper, Side::Dexter}, {Side::Lower, Side::Sinister}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        // The first half holds the dexter chief corner for every partition but per bend, whose
        // first half is the sinister chief.
        const bool bend = c.firstSides.size() > 1 && c.firstSides[1] == Side::Sinister;
        EXPECT_EQ(d.At(bend ? g.W - g.Px(20) : g.Px(20), g.Px(8)), test::Colour(c.firstField));
        // The second half holds the base corner on the side away from the first half's chief.
        EXPECT_EQ(d.At(bend ? g.Px(30) : g.W - g.Px(30), g.straightBottom - g.Px(10)), test::Colour(c.secondField));
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), c.first.size() + c.second.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE(i);
            const bool first = i < c.first.size();
            for (Side side : first ? c.firstSides : c.secondSides) EXPECT_TRUE(OnSide(placed[i], g, side));
            EXPECT_EQ(d.At(placed[i].x, placed[i].y), test::Colour(first ? c.first[i] : c.second[i - c.first.size()]));
        }
    }
}

// "Two swords in saltire surmounted of a fess between three mullets", "a sword surmounted by a
// crescent between two mullets": the charges after "between" stand about the whole, round the
// ordinary over the group or round the principal charge and what lies on it. (They were drawn
// nowhere: "No layout places 3 charges here.")
TEST(BetweenTheWhole, ChargesAfterAJoinedPhraseStandAboutBoth) {
    struct Case {
        const char* blazon;
        const char* plain;  // the same charges about the ordinary alone, where the form names one
        int tincture;       // of the charges between
        int count;
    };
    const std::vector<Case> cases = {
        {"Gules two roundels in pale argent surmounted by a fess or between three mullets argent",
         "Gules a fess or between three mullets argent", kArgent, 3},
        {"Azure a pale argent debruised by a fess gules between four mullets or",
         "Azure a fess gules between four mullets or", kOr, 4},
        {"Gules a sword argent surmounted by a crescent or between two mullets or", nullptr, kOr, 2},
        {"Azure a tower argent surmounted by a mullet gules between three mullets or", nullptr, kOr, 3},
        {"Vert a tower argent debruised by a mullet gules between four roundels or", nullptr, kOr, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<LevelTrace>& levels = d.trace.levels;
        ASSERT_GE(levels.size(), 3u);
        const std::vector<PlacementTrace>& between = levels.back().placements;
        ASSERT_EQ(static_cast<int>(between.size()), c.count);
        for (const PlacementTrace& p : between) EXPECT_EQ(d.At(p.x, p.y), test::Colour(c.tincture));
        if (c.plain != nullptr) {
            // Round the ordinary: at the places they take about it when it stands alone.
            test::Drawing plain;
            plain.DrawClean(c.plain);
            const std::vector<PlacementTrace>& alone = plain.trace.levels.back().placements;
            ASSERT_EQ(alone.size(), between.size());
            for (std::size_t i = 0; i < alone.size(); ++i) {
                EXPECT_NEAR(between[i].x, alone[i].x, g.Px(30));
                EXPECT_NEAR(between[i].y, alone[i].y, g.Px(30));
            }
        } else {
            // Round the principal charge: its places about the fess point.
            const std::vector<LayoutSpot> spots = AroundPrincipalSpots(g, c.count);
            ASSERT_EQ(spots.size(), between.size());
            for (std::size_t i = 0; i < spots.size(); ++i) {
                EXPECT_EQ(between[i].x, spots[i].x);
                EXPECT_EQ(between[i].y, spots[i].y);
            }
        }
    }
}

// "Three mullets between two bendlets", "... between two pallets", "... between two bars": the
// charges stand in the line of the two pieces, which are their cotises; "the whole between" and
// "all between" set the next charges about the ordinary. (The charges stood two and one across
// the bendlets; the mascles after "the whole between" were drawn nowhere.)
TEST(BetweenTwoPieces, ChargesStandInThePiecesLine) {
    struct Case {
        const char* blazon;
        const char* inLine;  // the charges set in that line by name
        int tincture;
    };
    const Case cases[] = {
        {"Argent three mullets sable between two bendlets gules", "Argent three mullets in bend sable", kSable},
        {"Argent three mullets sable between two pallets gules", "Argent three mullets in pale sable", kSable},
        {"Argent three roundels azure between two bars gules", "Argent three roundels in fess azure", kAzure},
        {"Or five roundels sable between two bendlets sable the whole between two mullets gules",
         "Or five roundels in bend sable", kSable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d, line;
        d.DrawClean(c.blazon);
        line.DrawClean(c.inLine);
        const std::vector<PlacementTrace>& placed = d.trace.levels.front().placements;
        const std::vector<PlacementTrace>& expected = line.trace.levels.front().placements;
        ASSERT_EQ(placed.size(), expected.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].x, expected[i].x);
            EXPECT_EQ(placed[i].y, expected[i].y);
            EXPECT_EQ(d.At(placed[i].x, placed[i].y), test::Colour(c.tincture));
        }
    }
    // The charges after "the whole between" stand about the bendlets, one either side of them.
    test::Drawing d;
    d.DrawClean("Or five roundels sable between two bendlets sable the whole between two mullets gules");
    const ShieldGeometry& g = d.s().geometry;
    const std::vector<PlacementTrace>& mullets = d.trace.levels.back().placements;
    ASSERT_EQ(mullets.size(), 2u);
    EXPECT_GT(mullets[0].x, g.W2);
    EXPECT_LT(mullets[0].y, g.H2);
    EXPECT_LT(mullets[1].x, g.W2);
    EXPECT_GT(mullets[1].y, g.H2);
    for (const PlacementTrace& p : mullets) EXPECT_EQ(d.At(p.x, p.y), test::Colour(kGules));
}

// "Three bugle-horns stringed sable", "three roses barbed and seeded argent": the part named before the
// tincture is of the charge's tincture, drawn as the plain blazon draws it; a picture with no
// such part draws the charge whole and says so. (The word was read past unmentioned.)
TEST(PartBeforeTheTincture, IsOfTheChargesTincture) {
    struct Case {
        const char* blazon;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent three bugle horns stringed sable", "Argent three bugle horns sable"},
        {"Or a hunting horn stringed azure", "Or a hunting horn azure"},
        {"Azure three roses barbed and seeded argent", "Azure three roses argent"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing printed, plain;
        printed.DrawClean(c.blazon);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
    }
    // A picture without the part: read, drawn whole, and told.
    for (const char* blazon : {"Gules three mullets stringed or", "Argent a maple tree fructed proper"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_EQ(d.sink.messages.size(), 1u);
        EXPECT_NE(d.sink.messages[0].find("is read, not drawn"), std::string::npos);
    }
}

// "A canton thereon a mullet for difference": the charge lies on the piece before it, its place
// already; the words are read and the picture is the plain one. (They were read past.)
TEST(ForDifference, OnAPieceKeepsItsPlace) {
    const std::pair<const char*, const char*> pairs[] = {
        {"Argent three annulets sable a canton of the last thereon a mullet of the field for difference",
         "Argent three annulets sable a canton of the last thereon a mullet of the field"},
        {"Argent a chevron gules on a chief azure a mullet or for difference", "Argent a chevron gules on a chief azure a mullet or"},
    };
    for (const auto& [printed, plain] : pairs) {
        SCOPED_TRACE(printed);
        test::Drawing a, b;
        a.DrawClean(printed);
        b.DrawClean(plain);
        EXPECT_TRUE(a.s().picture == b.s().picture);
    }
}

// "Three annulets one within the other": one centre, the rings nested, each seen as its own band
// on the line from the fess point to the flank. (The words were the question picture.)
TEST(OneWithinTheOther, RingsAboutOneCentre) {
    struct Case {
        const char* blazon;
        int count, ring, field;
    };
    const Case cases[] = {
        {"Azure three annulets one within the other or", 3, kOr, kAzure},
        {"Argent five annulets one within the other sable", 5, kSable, kArgent},
        {"Or two annulets one within the other vert", 2, kVert, kOr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(static_cast<int>(placed.size()), c.count);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].x, g.W2);
            EXPECT_EQ(placed[i].y, g.H2);
            if (i > 0) {
                EXPECT_LT(placed[i].scale, placed[i - 1].scale);
            }
        }
        // From the centre outward the field shows in the hole, between each two rings and
        // outside them: one run of the field more than there are rings.
        int fieldRuns = 0;
        bool inField = false;
        for (int x = g.W2; x < g.W - g.Px(4); ++x) {
            const bool field = d.At(x, g.H2) == test::Colour(c.field);
            if (field && !inField) ++fieldRuns;
            inField = field;
        }
        EXPECT_EQ(fieldRuns, c.count + 1);
        EXPECT_EQ(d.At(g.W2, g.H2), test::Colour(c.field));
    }
}

}  // namespace
}  // namespace esc
