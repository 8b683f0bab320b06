#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/read/FieldlessBadge.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

TEST(ChargeGroupForms, ABlazonThatBeginsWithItsChargeIsAFieldlessBadge) {
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
TEST(ChargeGroupForms, AFieldlessBadgeWithoutTheWordDrawsAsOneWithIt) {
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
TEST(ChargeGroupForms, AChargeOnAChargeLiesOnIt) {
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
TEST(ChargeGroupForms, AnotherIsOneMoreOfTheChargeBefore) {
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
TEST(ChargeGroupForms, CounterPassantTurnsTheSecondOfThePair) {
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
TEST(ChargeGroupForms, AllWithinIsReadBeforeTheBordure) {
    test::Drawing d;
    d.Draw("Argent, three mullets all within a bordure sable.");
    EXPECT_TRUE(test::WordUsed(d, "all"));
    EXPECT_TRUE(test::WordUsed(d, "within"));
    // "all" before a tincture that is not every phrase's is not read as "all within" either.
    test::Drawing lone;
    lone.Draw("Argent, a chevron gules between three mullets all sable and a bordure gules.");
    EXPECT_FALSE(test::WordUsed(lone, "all"));
}

// "a sword bendwise": the blade lies along the bend, its point towards the dexter chief. Points
// on the blade's axis, a fixed distance from the charge's centre, are gules when the axis is
// turned by the angle a picture on a bend is turned, and argent on the upright axis; the upright
// sword is the other way round. "bendwise sinister" turns it towards the sinister chief.
TEST(ChargeGroupForms, BendwiseTurnsTheChargeAsOnABend) {
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
// being turned with it; on a bend sinister they stand upright anyway, so there the word says
// what is drawn and is read.
TEST(ChargeGroupForms, PalewiseChargesStandUprightOnABend) {
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
    EXPECT_TRUE(test::WordUsed(sinister, "palewise"));
    const std::vector<PlacementTrace> onSinister = test::AllPlacements(sinister);
    ASSERT_EQ(onSinister.size(), 3u);
    for (const PlacementTrace& p : onSinister) EXPECT_FALSE(p.bendwise);
}

// "a bend between an oak tree and a wolf": the wolf stands across the bend from the tree, at
// the point opposite through the middle of the field, the same size. Its box is painted sable
// and touches nothing of the bend's vert.
TEST(ChargeGroupForms, TheSecondOfTwoChargesBetweenStandsAcrossTheOrdinary) {
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
TEST(ChargeGroupForms, SingleChargesAfterInPaleOrFessStandInOneLine) {
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
TEST(ChargeGroupForms, APhraseArrangedOtherwiseLeavesTheLineAlone) {
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

// Pictures alike pixel for pixel.
bool SamePicture(const test::Drawing& a, const test::Drawing& b) { return a.state->picture == b.state->picture; }

// The placements of the level named `name`.
std::vector<PlacementTrace> PlacementsOf(const test::Drawing& d, std::string_view name) {
    for (const LevelTrace& l : d.trace.levels)
        if (l.name == name) return l.placements;
    ADD_FAILURE() << "no level " << name;
    return {};
}

// "throughout" after an ordinary that reaches the edges of the field as drawn is read and changes
// nothing; after a charge that would be drawn otherwise (a pile, whose point stops short of the
// base) it is reported. After "cotised" the charges that follow still stand between. (The cross
// patée throughout has a shape of its own: OrdinaryFormsTest.)
TEST(ChargeGroupForms, ThroughoutIsReadAfterTheOrdinariesThatReachTheEdges) {
    struct Case { const char* name; const char* blazon; const char* without; bool read; };
    const Case cases[] = {
        {"a chevron", "Azure, a chevron throughout argent.", "Azure, a chevron argent.", true},
        {"a pale", "Azure, a pale throughout argent.", "Azure, a pale argent.", true},
        {"a saltire", "Azure, a saltire throughout argent.", "Azure, a saltire argent.", true},
        {"cotised, then between", "Azure, a chevron cotised throughout between three gouttes argent.",
         "Azure, a chevron cotised between three gouttes argent.", true},
        {"a pile stops short of the base", "Azure, a pile throughout argent.", "Azure, a pile argent.", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing with, without;
        with.Draw(k.blazon);
        without.Draw(k.without);
        EXPECT_EQ(test::WordUsed(with, "throughout"), k.read);
        EXPECT_TRUE(SamePicture(with, without));
    }
    test::Drawing cotised;
    cotised.Draw("Azure, a chevron cotised throughout between three gouttes argent.");
    ASSERT_EQ(cotised.trace.levels.size(), 2u);
    EXPECT_TRUE(cotised.trace.levels[1].between);
    EXPECT_TRUE(test::WordUsed(cotised, "between"));
}

// A chevron cotised has a cotise above it and one below, each as far from it: down the middle
// of the shield the colours run field, cotise, field, chevron, field, cotise, field.
TEST(ChargeGroupForms, AChevronCotisedHasACotiseEitherSide) {
    test::Drawing d;
    d.Draw("Azure, a chevron cotised argent.");
    const ShieldGeometry& g = d.s().geometry;
    const int x = g.W / 2, middle = g.chiefDepth / 2 + g.H / 3;
    const int above = g.H / 3 - 30, below = 2 * middle - above;  // the cotises' middle lines
    const int gap = (middle - above) / 2 + 4;  // between the upper cotise and the chevron's edge
    EXPECT_EQ(d.At(x, above), test::Colour(kArgent));
    EXPECT_EQ(d.At(x, below), test::Colour(kArgent));
    EXPECT_EQ(d.At(x, middle), test::Colour(kArgent));
    EXPECT_EQ(d.At(x, above - 12), test::Colour(kAzure));
    EXPECT_EQ(d.At(x, below + 12), test::Colour(kAzure));
    EXPECT_EQ(d.At(x, above + 9), test::Colour(kAzure));
    EXPECT_EQ(d.At(x, below - 9), test::Colour(kAzure));
    EXPECT_LT(above + 9, middle - gap + 4);
}

// A cross cotised has a cotise along each side of every limb: across the upper limb, a quarter
// of the way down, the colours run field, cotise, field, limb, field, cotise, field, symmetric.
TEST(ChargeGroupForms, ACrossCotisedHasACotiseBesideEachLimb) {
    test::Drawing d;
    d.Draw("Argent, a cross cotised sable.");
    const ShieldGeometry& g = d.s().geometry;
    const int y = g.H / 4, half = static_cast<int>(g.chiefDepth * 0.8) / 2, cotise = half + 14;
    for (const int side : {-1, 1}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(d.At(g.W / 2 + side * (half - 4), y), test::Colour(kSable));    // the limb
        EXPECT_EQ(d.At(g.W / 2 + side * (half + 5), y), test::Colour(kArgent));   // the gap
        EXPECT_EQ(d.At(g.W / 2 + side * cotise, y), test::Colour(kSable));        // the cotise
        EXPECT_EQ(d.At(g.W / 2 + side * (cotise + 9), y), test::Colour(kArgent)); // the field
        // And beside the dexter and sinister limbs, a quarter of the way across.
        EXPECT_EQ(d.At(g.W / 4, g.H / 2 + side * cotise), test::Colour(kSable));
    }
    EXPECT_TRUE(test::WordUsed(d, "cotised"));
}

// "per bend argent and azure all mullety counterchanged": "all" says the semé lies over both
// halves, which it does; the picture is the one without the word.
TEST(ChargeGroupForms, AllBeforeASemeOfThePartedFieldIsRead) {
    test::Drawing all, plain;
    all.Draw("Per bend sinister argent and azure all mullety counterchanged, an owl gules.");
    plain.Draw("Per bend sinister argent and azure mullety counterchanged, an owl gules.");
    EXPECT_TRUE(test::WordUsed(all, "all"));
    EXPECT_TRUE(SamePicture(all, plain));
}

// A semé strewn over the field is part of the field: the ordinary after it is the first, and the
// charges between it stand where they stand on a plain field; "ermined" strews ermine spots of
// the tincture named after it.
TEST(ChargeGroupForms, ASemeOfTheFieldKeepsTheLayoutOfWhatFollows) {
    struct Case { const char* name; const char* blazon; const char* plain; const char* charges; const char* seme; };
    const Case cases[] = {
        {"semy, a chevron between three", "Azure semy of mullets Or, a chevron between three escallops Or.",
         "Azure, a chevron between three escallops Or.", "escallops", "mullets"},
        {"ermined, a pale between four", "Azure, ermined, a pale embattled between four escallops Or.",
         "Azure, a pale embattled between four escallops Or.", "escallops", "erminespots"},
        {"semy, a lion", "Argent semy of crescents gules, a lion rampant sable.", "Argent, a lion rampant sable.", "lion",
         "crescents"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing seme, plain;
        seme.Draw(k.blazon);
        plain.Draw(k.plain);
        EXPECT_TRUE(seme.sink.messages.empty());
        ASSERT_FALSE(seme.trace.levels.empty());
        EXPECT_EQ(seme.trace.levels[0].index, kFieldSemeTrace);
        EXPECT_EQ(seme.trace.levels[0].name, k.seme);
        const std::vector<PlacementTrace> placed = PlacementsOf(seme, k.charges), expected = PlacementsOf(plain, k.charges);
        ASSERT_EQ(placed.size(), expected.size());
        ASSERT_FALSE(placed.empty());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].x, expected[i].x);
            EXPECT_EQ(placed[i].y, expected[i].y);
            EXPECT_FLOAT_EQ(placed[i].scale, expected[i].scale);
        }
    }
    // The ermine spots take the tincture after them: some pixel of the field is Or.
    test::Drawing ermined;
    ermined.Draw("Azure, ermined, a pale embattled between four escallops Or.");
    const std::vector<PlacementTrace> spots = PlacementsOf(ermined, "erminespots");
    ASSERT_FALSE(spots.empty());
    EXPECT_EQ(ermined.trace.levels[0].tincture, kOr);
}

// Two charges in annulo chase each other round the ring: one at its top, one at its foot facing
// the other way. Three and more are turned as they go round it: past the ring's sides, half round.
TEST(ChargeGroupForms, TwoInAnnuloChaseEachOther) {
    test::Drawing two, three;
    two.Draw("Argent, two fish naiant in annulo vert.");
    three.Draw("Argent, three fish naiant in annulo vert.");
    EXPECT_TRUE(two.sink.messages.empty());
    EXPECT_TRUE(test::WordUsed(two, "annulo"));
    const std::vector<PlacementTrace> pair = test::AllPlacements(two), ring = test::AllPlacements(three);
    ASSERT_EQ(pair.size(), 2u);
    ASSERT_EQ(ring.size(), 3u);
    EXPECT_EQ(pair[0].x, pair[1].x);
    EXPECT_LT(pair[0].y, pair[1].y);
    EXPECT_EQ(pair[0].y, ring[0].y);  // the top of the same ring
    EXPECT_FALSE(pair[0].mirrored);
    EXPECT_TRUE(pair[1].mirrored);
    EXPECT_FALSE(ring[0].mirrored);
    EXPECT_TRUE(ring[1].mirrored);
    EXPECT_TRUE(ring[2].mirrored);
    EXPECT_EQ(two.At(pair[1].x, pair[1].y), test::Colour(kVert));
}

// Two groups between an ordinary that parts the field in two: the first group on the first side
// (above, or to dexter), the second on the other, none touching the ordinary. The side is told
// by the charges' centres against the ordinary's middle line.
TEST(ChargeGroupForms, TwoGroupsBetweenTakeASideEach) {
    struct Case { const char* name; const char* blazon; const char* first; const char* second; };
    const Case cases[] = {
        {"a bend, three and three", "Purpure, a bend argent cotised Or between three decrescents and three mullets argent.",
         "decrescents", "mullets"},
        {"a chevron, two and one", "Argent, a chevron between two mullets and a crescent sable.", "mullets", "crescent"},
        {"a fess, three and two", "Argent, a fess between three mullets and two crescents sable.", "mullets", "crescents"},
        {"a pale, two and two", "Argent, a pale between two mullets and two crescents sable.", "mullets", "crescents"},
        {"a prefix before the second", "Sable, a chevron between three fleurs-de-lis and a demi lion Or.", "fleurdelis",
         "dlion"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const ShieldGeometry& g = d.s().geometry;
        const bool pale = std::string(k.name).find("pale") != std::string::npos;
        const bool bend = std::string(k.name).find("bend") != std::string::npos;
        // Which side of the ordinary's middle line a point is on: the first side is negative.
        auto side = [&](const PlacementTrace& p) {
            if (pale) return p.x - g.W / 2;
            if (bend) return (p.y - g.H / 2) * g.W - (p.x - g.W / 2) * g.H;  // below the diagonal: positive
            return p.y - g.H / 2;
        };
        const std::vector<PlacementTrace> first = PlacementsOf(d, k.first), second = PlacementsOf(d, k.second);
        ASSERT_FALSE(first.empty());
        ASSERT_FALSE(second.empty());
        for (const PlacementTrace& p : first) EXPECT_LT(side(p), 0) << p.x << "," << p.y;
        for (const PlacementTrace& p : second) EXPECT_GT(side(p), 0) << p.x << "," << p.y;
        // Sized alike: one cell for both groups.
        EXPECT_FLOAT_EQ(first[0].scale, second[0].scale);
    }
    // One charge and one charge stand opposite each other, by their own rule.
    test::Drawing pair;
    pair.Draw("Argent, a bend vert between an oak tree and a wolf rampant sable.");
    ASSERT_EQ(pair.trace.levels.size(), 3u);
    EXPECT_EQ(pair.trace.levels[2].layout, "OppositeTheChargeBefore");
}

// "in saltire a human femur and a sword": the two single charges are crossed at the centre as
// two of one kind are, the second turned the other way; a reversed charge is turned over after
// it is turned, so it takes the other mirror.
TEST(ChargeGroupForms, TwoSingleChargesInSaltireAreCrossed) {
    test::Drawing mixed, reversed, same;
    mixed.Draw("Argent, in saltire a sword gules and a key azure.");
    reversed.Draw("Argent, in saltire a key azure and a sword inverted gules.");
    same.Draw("Argent, two swords in saltire gules.");
    EXPECT_TRUE(mixed.sink.messages.empty());
    const std::vector<PlacementTrace> crossed = test::AllPlacements(mixed), pairOf = test::AllPlacements(same);
    const std::vector<PlacementTrace> turned = test::AllPlacements(reversed);
    ASSERT_EQ(crossed.size(), 2u);
    ASSERT_EQ(pairOf.size(), 2u);
    ASSERT_EQ(turned.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(crossed[i].x, pairOf[i].x);
        EXPECT_EQ(crossed[i].y, pairOf[i].y);
        EXPECT_FLOAT_EQ(crossed[i].scale, pairOf[i].scale);
        EXPECT_TRUE(crossed[i].bendwise);
        EXPECT_EQ(crossed[i].mirrored, pairOf[i].mirrored);
    }
    EXPECT_FALSE(turned[0].mirrored);
    EXPECT_FALSE(turned[1].mirrored) << "the sword inverted lies on the other diagonal unmirrored";
    EXPECT_TRUE(test::WordUsed(mixed, "saltire"));
}

// Words read with what they say of the drawing: the tincture "both" stands before is the two
// phrases' own; "crossed" stands before "in saltire"; an attitude word after "contourny" goes on
// with the attitude; a sword "points downwards" is turned over. Each pair draws the same picture with and without the word.
TEST(ChargeGroupForms, WordsThatRepeatWhatIsDrawnAreRead) {
    struct Case { const char* name; const char* blazon; const char* without; const char* word; };
    const Case cases[] = {
        {"both", "Argent, a rose and a rosebud both gules.", "Argent, a rose gules and a rosebud gules.", "both"},
        {"crossed in saltire", "Argent, two swords crossed in saltire sable.", "Argent, two swords in saltire sable.",
         "crossed"},
        {"guardant after contourny", "Argent, a lion rampant contourny guardant sable.",
         "Argent, a lion rampant guardant contourny sable.", "guardant"},
        {"a sword points downwards is a sword reversed", "Argent, a sword points downwards gules.",
         "Argent, a sword reversed gules.", "downwards"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing with, without;
        with.Draw(k.blazon);
        without.Draw(k.without);
        EXPECT_TRUE(test::WordUsed(with, k.word));
        EXPECT_TRUE(with.sink.messages.empty());
        EXPECT_TRUE(SamePicture(with, without));
    }
    // "both" before a tincture the phrase before did not take is not read.
    test::Drawing differ;
    differ.Draw("Argent, a rose azure and a rosebud both gules.");
    EXPECT_FALSE(test::WordUsed(differ, "both"));
}

// On a chevron inverted the charges stand where they stand on a chevron, turned over about the
// middle of the height, upright, on the chevron's tincture.
TEST(ChargeGroupForms, ChargesOnAChevronInvertedStandOnIt) {
    test::Drawing inverted, chevron;
    inverted.Draw("Vert, on a chevron inverted Or three roundels gules.");
    chevron.Draw("Vert, on a chevron Or three roundels gules.");
    EXPECT_TRUE(inverted.sink.messages.empty());
    const std::vector<PlacementTrace> on = PlacementsOf(inverted, "roundels"), upright = PlacementsOf(chevron, "roundels");
    ASSERT_EQ(on.size(), 3u);
    ASSERT_EQ(upright.size(), 3u);
    const ShieldGeometry& g = inverted.s().geometry;
    for (std::size_t i = 0; i < on.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(on[i].x, upright[i].x);
        EXPECT_NEAR(on[i].y, g.H - upright[i].y, 1);  // the middle of the band, found on each drawing's pixels
        EXPECT_EQ(inverted.At(on[i].x, on[i].y), test::Colour(kGules));
    }
}

// "two swords in saltire between in pale a crown and a rose": the crown above what the swords
// painted, the rose below it, near one size (each as large as the smaller room allows its own
// drawing), neither reaching into the crossing.
TEST(ChargeGroupForms, SingleChargesBetweenInPaleStandAboveAndBelow) {
    test::Drawing d;
    d.Draw("Argent, two swords crossed in saltire between in pale a crown and a rose sable.");
    EXPECT_TRUE(d.sink.messages.empty());
    const std::vector<PlacementTrace> swords = PlacementsOf(d, "swords"), crown = PlacementsOf(d, "crown"),
                                      rose = PlacementsOf(d, "rose");
    ASSERT_EQ(swords.size(), 2u);
    ASSERT_EQ(crown.size(), 1u);
    ASSERT_EQ(rose.size(), 1u);
    ASSERT_EQ(d.s().ringWritten, 4);
    const auto drawn = [&d](int k) { return d.s().placementRing[static_cast<std::size_t>(k)].drawn; };
    const int swordsTop = std::min(drawn(0).top, drawn(1).top), swordsBottom = std::max(drawn(0).bottom, drawn(1).bottom);
    EXPECT_LE(drawn(2).bottom, swordsTop);
    EXPECT_GE(drawn(3).top, swordsBottom);
    EXPECT_EQ(crown[0].x, swords[0].x);
    EXPECT_EQ(rose[0].x, swords[0].x);
    EXPECT_NEAR(crown[0].scale, rose[0].scale, 0.25f * crown[0].scale);
}

// The first two phrases of the blazon, one charge each, stand each in its own part of the field,
// not one over the other at its middle: side by side on a plain field or per pale, one above the
// other per fess, each in its half per bend and per bend sinister (the first in the half with the
// chief), the colour at each centre its own.
TEST(ChargeGroupForms, TwoSingleChargesOnTheFieldStandApart) {
    struct Case { const char* name; const char* blazon; bool firstLeft, firstAbove, sideBySide, oneAbove; };
    const Case cases[] = {
        {"plain", "Argent, a roundel gules and a roundel azure.", true, false, true, false},
        {"per pale", "Per pale argent and Or, a roundel gules and a roundel azure.", true, false, true, false},
        {"per fess", "Per fess argent and Or, a roundel gules and a roundel azure.", false, true, false, true},
        {"per bend", "Per bend argent and Or, a roundel gules and a roundel azure.", false, true, false, true},
        {"per bend sinister", "Per bend sinister argent and Or, a roundel gules and a roundel azure.", true, true, false,
         true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        if (k.sideBySide) {
            EXPECT_EQ(placed[0].y, placed[1].y);
        }
        if (k.oneAbove) {
            EXPECT_LT(placed[0].y, placed[1].y);
        }
        if (k.firstLeft) {
            EXPECT_LT(placed[0].x, placed[1].x);
        } else if (k.oneAbove && std::string(k.name) == "per bend") {
            EXPECT_GT(placed[0].x, placed[1].x);  // the chief's half is the sinister one
        }
        EXPECT_EQ(d.At(placed[0].x, placed[0].y), test::Colour(kGules));
        EXPECT_EQ(d.At(placed[1].x, placed[1].y), test::Colour(kAzure));
    }
    // "combattant" after the second turns the first to face it, "addorsed" the second away; the
    // word is the pair's, not the line of a phrase after it.
    struct Pair { const char* blazon; bool first, second; };
    for (const Pair& k : {Pair{"Argent, a wolf sable and a boar gules combattant, a chief azure.", true, false},
                          Pair{"Argent, a wolf sable and a boar gules addorsed, a chief azure.", false, true},
                          Pair{"Argent, a wolf sable and a boar gules, a chief azure.", false, false}}) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_EQ(placed[0].mirrored, k.first);
        EXPECT_EQ(placed[1].mirrored, k.second);
        ASSERT_EQ(d.trace.levels.size(), 3u);
        EXPECT_EQ(d.trace.levels[2].line, -1);
    }
    // With a third phrase of one charge, or an ordinary after "and", the rule stands aside.
    test::Drawing bordure;
    bordure.Draw("Argent, a roundel gules and a bordure azure.");
    for (const LevelTrace& l : bordure.trace.levels) EXPECT_EQ(l.layout.find("TwoCharges"), std::string::npos);
}

// "in sinister chief three escallops": two and one within the quarter, clear of a bend; "in
// saltire abased": the crossing set lower than the plain one; "marked argent" colours the
// badger's stripe, so the picture differs from the badger's all sable.
TEST(ChargeGroupForms, QuarterAbasedAndMarked) {
    test::Drawing quarter;
    quarter.Draw("Or, on a bend sable a quill inverted argent, in sinister chief three escallops purpure.");
    EXPECT_TRUE(quarter.sink.messages.empty());
    const ShieldGeometry& g = quarter.s().geometry;
    const std::vector<PlacementTrace> escallops = PlacementsOf(quarter, "escallops");
    ASSERT_EQ(escallops.size(), 3u);
    for (const PlacementTrace& p : escallops) {
        EXPECT_GT(p.x, g.W2);
        EXPECT_LT(p.y, g.H2);
        EXPECT_EQ(quarter.At(p.x, p.y), test::Colour(kPurpure));
    }
    // With a bend across the dexter chief the quarter is not clear: reported, not drawn over it.
    test::Drawing over;
    over.Draw("Or, a bend sable, in dexter chief three escallops purpure.");
    EXPECT_FALSE(over.sink.messages.empty());

    test::Drawing abased, plain;
    abased.Draw("Sable, in saltire abased a sword argent and a key Or, in chief a mullet Or.");
    plain.Draw("Sable, in saltire a sword argent and a key Or.");
    EXPECT_TRUE(test::WordUsed(abased, "abased"));
    const std::vector<PlacementTrace> low = PlacementsOf(abased, "sword"), high = PlacementsOf(plain, "sword");
    ASSERT_EQ(low.size(), 1u);
    ASSERT_EQ(high.size(), 1u);
    EXPECT_GT(low[0].y, high[0].y);
    EXPECT_LT(low[0].scale, high[0].scale);

    test::Drawing marked, sable;
    marked.Draw("Or, a badger sable marked argent.");
    sable.Draw("Or, a badger sable.");
    EXPECT_TRUE(test::WordUsed(marked, "marked"));
    EXPECT_FALSE(SamePicture(marked, sable));
}

// "slipped and leaved" before the tincture asks for the picture whose slip bears its leaf; where
// none is drawn, "slipped" is read alone and "and leaved" is reported.
TEST(ChargeGroupForms, SlippedAndLeavedAsksForTheLeavedSlip) {
    struct Case { const char* name; const char* blazon; const char* variant; bool leavedRead; };
    const Case cases[] = {
        {"apples: the slip bears a leaf", "Argent, three apples slipped and leaved Or.", "sll", true},
        {"trefoils: no leaved slip drawn", "Argent, three trefoils slipped and leaved vert.", "sl", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing d;
        d.Draw(k.blazon);
        ASSERT_EQ(d.trace.levels.size(), 1u);
        EXPECT_EQ(d.trace.levels[0].variant, k.variant);
        EXPECT_TRUE(test::WordUsed(d, "slipped"));
        EXPECT_EQ(test::WordUsed(d, "leaved"), k.leavedRead);
    }
}

// Joining words as armorials print them: "surmounted with" for "surmounted by", "cotised of the
// last" ("of the same") for the cotised ordinary's tincture named again, "all" before the
// tincture of a first phrase that names none ("three oak leaves in pale all proper"), "with"
// between the field and the first phrase ("Gules bezanty with a canton ermine"). Each draws
// clean, the very picture of its plain wording (the words were ignored, the cotises drawn in the
// field's tincture).
TEST(ChargeGroupForms, PrintedJoiningWordsDrawAsTheirPlainWording) {
    const std::pair<const char*, const char*> pairs[] = {
        {"or, a lion rampant gules, surmounted with a bend sable", "Or a lion rampant gules surmounted by a bend sable"},
        {"Azure a sword argent surmounted with a saltire or.", "Azure a sword argent surmounted by a saltire or"},
        {"Per chevron argent and gules, three skeans surmounted with as many wolves' heads counterchanged",
         "Per chevron argent and gules three skeans surmounted by as many wolves heads counterchanged"},
        {"Gules, a bend argent, cotised of the last.", "Gules a bend argent cotised argent"},
        {"Gules, a bend argent, coticed of the same.", "Gules a bend argent cotised argent"},
        {"Azure a fess or double cotised of the same", "Azure a fess or double cotised or"},
        {"Argent, three oak leaves in pale all proper", "Argent three oak leaves in pale proper"},
        {"Gules three lions passant in pale all or", "Gules three lions passant in pale or"},
        {"Azure, three garbs all or.", "Azure three garbs or"},
        {"Gules bezanty with a canton ermine", "Gules bezanty a canton ermine"},
        {"Azure crusilly or, with a lion rampant argent", "Azure crusilly or a lion rampant argent"},
        {"Vert, with a chevron or.", "Vert a chevron or"},
    };
    for (const auto& [printed, plain] : pairs) {
        test::Drawing a, b;
        a.DrawClean(printed);
        b.DrawClean(plain);
        const ShieldGeometry& g = a.s().geometry;
        int differing = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x) differing += a.At(x, y) == b.At(x, y) ? 0 : 1;
        EXPECT_EQ(differing, 0) << printed;
    }
    // "with" after a charge says more than the field's "with" does: it stays unread.
    test::Drawing crowned;
    crowned.Draw("Gules a lion rampant or with a crown argent");
    EXPECT_FALSE(test::WordUsed(crowned, "with"));
    // The bend over the lion, in its own tincture at the shield's middle.
    test::Drawing over;
    over.DrawClean("Or a lion rampant gules surmounted with a bend sable");
    EXPECT_EQ(over.At(over.s().geometry.W2, over.s().geometry.H2), test::Colour(kSable));
}

}  // namespace
}  // namespace esc
