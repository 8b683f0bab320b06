#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/DrawingState.h"
#include "interpret/SocietyWords.h"

namespace esc {
namespace {

TEST(SocietyWords, ABlazonThatBeginsWithItsChargeIsAFieldlessBadge) {
    struct Case { const char* name; const char* in; const char* out; };
    const Case cases[] = {
        {"article", "A distaff Or.", "fieldless A distaff Or."},
        {"on a charge", "On a torteau an annulet Or", "fieldless On a torteau an annulet Or"},
        {"in an arrangement", "In pale two foxes Or", "fieldless In pale two foxes Or"},
        {"a number", "  Two keys in saltire sable", "  fieldless Two keys in saltire sable"},
        {"a field is left alone", "Azure, a distaff Or", "Azure, a distaff Or"},
        {"a partition is left alone", "Per pale argent and sable, a mullet", "Per pale argent and sable, a mullet"},
        {"a word that only begins like an article", "Argent, an owl", "Argent, an owl"},
        {"already fieldless", "fieldless a mullet gules", "fieldless a mullet gules"},
        {"the bracketed form is the driver's", "(Fieldless) a mullet gules", "(Fieldless) a mullet gules"},
        {"an empty text", "", ""},
        {"no tincture named: not a badge", "A lion rampant", "A lion rampant"},
        {"a tincture word inside another word does not count", "A goldfish organ", "A goldfish organ"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::string text = k.in;
        const bool marked = MarkFieldlessBadge(text, kMaxBlazonChars);
        EXPECT_EQ(marked, std::string(k.in) != k.out);
        EXPECT_EQ(text, k.out);
    }
    // A mark that would take the text past the blazon buffer is not made.
    std::string full = "a " + std::string(kMaxBlazonChars - 4, 'x');
    EXPECT_FALSE(MarkFieldlessBadge(full, kMaxBlazonChars));
    EXPECT_EQ(full.substr(0, 2), "a ");
}

// Drawn on no field: the badge without the word is the very picture of the badge with it, and
// the picture differs from the same charge on a field.
TEST(SocietyWords, AFieldlessBadgeWithoutTheWordDrawsAsOneWithIt) {
    test::Drawing unmarked, marked, fielded;
    unmarked.Draw("A mascle azure.");
    marked.Draw("(Fieldless) A mascle azure.");
    fielded.Draw("Argent, a mascle azure.");
    EXPECT_TRUE(unmarked.sink.messages.empty());
    EXPECT_TRUE(unmarked.s().picture == marked.s().picture);
    EXPECT_FALSE(unmarked.s().picture == fielded.s().picture);
    EXPECT_TRUE(test::WordUsed(unmarked, "mascle"));
}

// "On a X a Y" where X is a charge: Y lies on X, centred on it at half its size, as "X charged
// with Y" draws it; the colour at Y's centre is Y's.
TEST(SocietyWords, AChargeOnAChargeLiesOnIt) {
    struct Case { const char* name; const char* blazon; int tincture; };
    const Case cases[] = {
        {"fieldless, on a bell", "(Fieldless) On a bell Or a cross crosslet gules.", kGules},
        {"fieldless without the word, on a roundel", "On a torteau an annulet Or.", kOr},
        {"on a field", "Azure, on a bell Or a cross crosslet gules.", kGules},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_EQ(placed[1].x, placed[0].x);
        EXPECT_EQ(placed[1].y, placed[0].y);
        EXPECT_FLOAT_EQ(placed[1].scale, placed[0].scale / 2);
        if (k.tincture != kOr) {
            EXPECT_EQ(d.At(placed[1].x, placed[1].y), test::Colour(k.tincture));
        }
    }
    // Two on one is not one on each: the phrase is not laid on the charge.
    test::Drawing two;
    two.Draw("Azure, on a bell Or two mullets gules.");
    EXPECT_FALSE(two.sink.messages.empty());
}

// "another": one charge like those of the phrase before, here lying on it.
TEST(SocietyWords, AnotherIsOneMoreOfTheChargeBefore) {
    test::Drawing d;
    d.Draw("Argent, on a rose sable another argent, a bordure sable.");
    EXPECT_TRUE(d.sink.messages.empty());
    ASSERT_GE(d.trace.levels.size(), 2u);
    EXPECT_EQ(d.trace.levels[1].name, "rose");
    EXPECT_EQ(d.trace.levels[1].count, 1);
    EXPECT_EQ(d.trace.levels[1].tincture, kArgent);
    EXPECT_TRUE(test::WordUsed(d, "another"));
    // At the head of a blazon there is nothing before it: the word is not read.
    test::Drawing alone;
    alone.Draw("Argent, another sable.");
    EXPECT_FALSE(test::WordUsed(alone, "another"));
}

// A pair counter-passant: the second of the two faces the other way.
TEST(SocietyWords, CounterPassantTurnsTheSecondOfThePair) {
    test::Drawing d;
    d.Draw("Per fess azure and vert, two boars passant counter-passant Or.");
    const std::vector<PlacementTrace> placed = test::AllPlacements(d);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_FALSE(placed[0].mirrored);
    EXPECT_TRUE(placed[1].mirrored);
    EXPECT_TRUE(test::WordUsed(d, "counterpassant"));
}

// "all within a bordure": the bordure goes round everything before it, and "all" is read as the
// grammar's; elsewhere a lone "all" is still reported.
TEST(SocietyWords, AllWithinIsReadBeforeTheBordure) {
    test::Drawing d;
    d.Draw("Argent, three mullets all within a bordure sable.");
    EXPECT_TRUE(test::WordUsed(d, "all"));
    EXPECT_TRUE(test::WordUsed(d, "within"));
    test::Drawing lone;
    lone.Draw("Argent, three mullets all sable and a bordure gules.");
    EXPECT_FALSE(test::WordUsed(lone, "all"));
}

// "a sword bendwise": the blade lies along the bend, its point towards the dexter chief. Points
// on the blade's axis, a fixed distance from the charge's centre, are gules when the axis is
// turned by the angle a picture on a bend is turned, and argent on the upright axis; the upright
// sword is the other way round. "bendwise sinister" turns it towards the sinister chief.
TEST(SocietyWords, BendwiseTurnsTheChargeAsOnABend) {
    // The blade's middle line is drawn in the outline colour: the points lie beside it.
    constexpr double kBendwiseDegrees = 39.0, kAlongTheBlade = 80.0, kBesideTheMiddleLine = 5.0;
    const double turn = kBendwiseDegrees * 3.14159265358979 / 180.0;
    test::Drawing upright, bendwise, sinister;
    upright.Draw("Argent, a sword gules");
    bendwise.Draw("Argent, a sword bendwise gules");
    sinister.Draw("Argent, a sword bendwise sinister gules");
    const std::vector<PlacementTrace> placed = test::AllPlacements(bendwise);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_TRUE(placed[0].bendwise);
    EXPECT_TRUE(test::WordUsed(bendwise, "bendwise"));
    EXPECT_TRUE(test::WordUsed(sinister, "sinister"));
    const int cx = placed[0].x, cy = placed[0].y;
    const int dx = static_cast<int>(std::lround(kAlongTheBlade * std::sin(turn)));
    const int dy = static_cast<int>(std::lround(kAlongTheBlade * std::cos(turn)));
    const int ox = static_cast<int>(std::lround(kBesideTheMiddleLine * std::cos(turn)));
    const int oy = static_cast<int>(std::lround(kBesideTheMiddleLine * std::sin(turn)));
    const int side = static_cast<int>(kBesideTheMiddleLine);
    const int above = cy - static_cast<int>(kAlongTheBlade);
    EXPECT_EQ(upright.At(cx + side, above), test::Colour(kGules));
    EXPECT_EQ(upright.At(cx - dx + ox, cy - dy - oy), test::Colour(kArgent));
    EXPECT_EQ(bendwise.At(cx - dx + ox, cy - dy - oy), test::Colour(kGules));
    EXPECT_EQ(bendwise.At(cx + side, above), test::Colour(kArgent));
    EXPECT_EQ(sinister.At(cx + dx - ox, cy - dy - oy), test::Colour(kGules));
    EXPECT_EQ(sinister.At(cx - dx + ox, cy - dy - oy), test::Colour(kArgent));
    // On a bend the charges are turned already: there the word changes nothing and is reported.
    test::Drawing onBend;
    onBend.Draw("Argent, on a bend azure three swords bendwise gules");
    EXPECT_FALSE(test::WordUsed(onBend, "bendwise"));
}

// "on a bend ... three fleurs-de-lis palewise": the charges on the bend stand upright instead of
// being turned with it; on a bend sinister they stand upright anyway, so there the word is
// reported.
TEST(SocietyWords, PalewiseChargesStandUprightOnABend) {
    test::Drawing upright, turned, sinister;
    upright.Draw("Sable, on a bend Or three fleurs-de-lis palewise sable.");
    turned.Draw("Sable, on a bend Or three fleurs-de-lis sable.");
    sinister.Draw("Sable, on a bend sinister Or three fleurs-de-lis palewise sable.");
    const std::vector<PlacementTrace> standing = test::AllPlacements(upright), lying = test::AllPlacements(turned);
    ASSERT_EQ(standing.size(), 3u);
    ASSERT_EQ(lying.size(), 3u);
    for (std::size_t i = 0; i < standing.size(); ++i) {
        EXPECT_FALSE(standing[i].bendwise);
        EXPECT_TRUE(lying[i].bendwise);
        EXPECT_EQ(standing[i].x, lying[i].x);
        EXPECT_EQ(standing[i].y, lying[i].y);
    }
    EXPECT_TRUE(test::WordUsed(upright, "palewise"));
    EXPECT_FALSE(test::WordUsed(sinister, "palewise"));
}

// "a bend between an oak tree and a wolf": the wolf stands across the bend from the tree, at
// the point opposite through the middle of the field, the same size. Its box is painted sable
// and touches nothing of the bend's vert.
TEST(SocietyWords, TheSecondOfTwoChargesBetweenStandsAcrossTheOrdinary) {
    test::Drawing d;
    d.Draw("Argent, a bend vert between an oak tree and a wolf rampant sable.");
    EXPECT_TRUE(d.sink.messages.empty());
    const std::vector<PlacementTrace> placed = test::AllPlacements(d);
    ASSERT_EQ(placed.size(), 2u);
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(placed[1].x, g.W - placed[0].x);
    EXPECT_EQ(placed[1].y, g.H - placed[0].y);
    EXPECT_FLOAT_EQ(placed[1].scale, placed[0].scale);
    constexpr int kHalfBox = 30;
    int sable = 0, vert = 0;
    for (int y = placed[1].y - kHalfBox; y <= placed[1].y + kHalfBox; ++y) {
        for (int x = placed[1].x - kHalfBox; x <= placed[1].x + kHalfBox; ++x) {
            sable += d.At(x, y) == test::Colour(kSable);
            vert += d.At(x, y) == test::Colour(kVert);
        }
    }
    EXPECT_GT(sable, kHalfBox * kHalfBox / 2);
    EXPECT_EQ(vert, 0);
    // Two and one are not a pair of single charges: the rule leaves them to the layouts.
    test::Drawing three;
    three.Draw("Argent, a bend vert between two mullets and a crescent sable.");
    for (const LevelTrace& l : three.trace.levels) EXPECT_NE(l.layout, "OppositeTheChargeBefore");
}

// Single charges joined by "and" after "in pale" or "in fess" stand where that many of one kind
// would, in the order read, each in its own tincture.
TEST(SocietyWords, SingleChargesAfterInPaleOrFessStandInOneLine) {
    struct Case { const char* name; const char* blazon; const char* sameKind; std::vector<int> tinctures; };
    const Case cases[] = {
        {"three in fess, joined by a comma and 'and'",
         "Argent, in fess a roundel gules, a roundel azure and a roundel vert.",
         "Argent, in fess three roundels gules.", {kGules, kAzure, kVert}},
        {"two in pale", "Argent, in pale a roundel gules and a roundel azure.",
         "Argent, in pale two roundels gules.", {kGules, kAzure}},
        {"after a semy that took the word 'in'", "Or semy of mullets sable, in pale a roundel gules and a roundel azure.",
         "Or, in pale two roundels gules.", {kGules, kAzure}},
        {"before a bordure", "Argent, in fess a roundel gules and a roundel azure within a bordure sable.",
         "Argent, in fess two roundels gules.", {kGules, kAzure}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing line, same;
        same.Draw(k.sameKind);
        line.Draw(k.blazon);
        EXPECT_TRUE(line.sink.messages.empty());
        std::vector<PlacementTrace> placed = test::AllPlacements(line);
        const std::vector<PlacementTrace> expected = test::AllPlacements(same);
        if (placed.size() > expected.size()) placed.erase(placed.begin(), placed.end() - static_cast<long>(expected.size()));
        ASSERT_EQ(placed.size(), k.tinctures.size());
        ASSERT_EQ(expected.size(), k.tinctures.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].x, expected[i].x);
            EXPECT_EQ(placed[i].y, expected[i].y);
            EXPECT_FLOAT_EQ(placed[i].scale, expected[i].scale);
            EXPECT_EQ(line.At(placed[i].x, placed[i].y), test::Colour(k.tinctures[i])) << "charge " << i;
        }
    }
}

// Phrases arranged with something else are not taken into the line, nor half of it.
TEST(SocietyWords, APhraseArrangedOtherwiseLeavesTheLineAlone) {
    test::Drawing between, lone;
    between.Draw("Argent, in fess a mullet and a crescent between two roundels gules.");
    lone.Draw("Argent, in fess a mullet gules.");
    const std::vector<PlacementTrace> placed = test::AllPlacements(between);
    const std::vector<PlacementTrace> alone = test::AllPlacements(lone);
    ASSERT_GE(placed.size(), 2u);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(placed[0].x, alone[0].x);  // the mullet where a single one in fess stands
    for (const LevelTrace& l : between.trace.levels) EXPECT_EQ(l.layout.find("InLine"), std::string::npos);
    // An ordinary after "and" ends the line at one charge: laid out as one.
    test::Drawing bordure;
    bordure.Draw("Argent, in pale a sword and a bordure gules.");
    ASSERT_FALSE(bordure.trace.levels.empty());
    EXPECT_EQ(bordure.trace.levels[0].layout.find("InLine"), std::string::npos);
}

}  // namespace
}  // namespace esc
