// Forms the printed armorials write that say what a plainer form says: the halves of a field
// per pale each with its own charges, "the whole within", "on each"; each drawn as the plain
// form is.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Palette.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

std::vector<PlacementTrace> PlacedCharges(const Drawing& d) {
    return AllPlacements(d);
}

// "In dexter a roundel, in sinister a mullet", "on the dexter side", and the field per pale
// whose halves each carry their charges ("per pale argent a roundel gules and azure ..."): the
// field parted, each half's charges within it, in their own tinctures.
TEST(HalvesOfTheField, EachHalfCarriesItsOwnCharges) {
    struct Case {
        const char* blazon;
        int dexterField, sinisterField;
        std::vector<int> dexter, sinister;  // the tinctures of the charges in each half, in order
    };
    const std::vector<Case> cases = {
        {"Per pale argent and azure, in dexter a roundel gules, in sinister a roundel or", kArgent, kAzure, {kGules}, {kOr}},
        {"Per pale argent and azure, on the dexter side a roundel gules, on the sinister side a roundel or", kArgent,
         kAzure, {kGules}, {kOr}},
        {"Per pale argent and vert, in the dexter three roundels gules", kArgent, kVert, {kGules, kGules, kGules}, {}},
        {"Per pale argent a roundel gules and azure a roundel or", kArgent, kAzure, {kGules}, {kOr}},
        {"Per pale or two roundels sable, and gules a roundel of the first", kOr, kGules, {kSable, kSable}, {kOr}},
        {"Per pale argent a roundel vert and of the last two roundels or", kArgent, kVert, {kVert}, {kOr, kOr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        // The field's halves, high up where no charge stands.
        EXPECT_EQ(d.At(g.W / 10, g.Px(8)), Colour(c.dexterField));
        EXPECT_EQ(d.At(g.W - g.W / 10, g.Px(8)), Colour(c.sinisterField));
        const auto placed = PlacedCharges(d);
        ASSERT_EQ(placed.size(), c.dexter.size() + c.sinister.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const bool dexter = i < c.dexter.size();
            const int tincture = dexter ? c.dexter[i] : c.sinister[i - c.dexter.size()];
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].x < g.W2, dexter);
            EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(tincture));
        }
    }
    // An ordinary in a half of a field per bend, which the placement words cannot lay out: each
    // half is drawn as a field of its own.
    Drawing d;
    d.DrawClean("Per bend argent a cross gules and azure a roundel or");
    EXPECT_EQ(d.trace.road, "parted");
}

// "The whole within a bordure" is "all within"; "three roundels, on each a mullet" is "each
// charged with a mullet": the same picture, read whole, the mullet at each roundel's centre.
TEST(PrintedForms, DrawnAsThePlainFormTheySay) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent a roundel gules the whole within a bordure azure", "Argent a roundel gules all within a bordure azure"},
        {"Or a chevron between three roundels vert, the whole within a bordure gules",
         "Or a chevron between three roundels vert, all within a bordure gules"},
        {"Argent three roundels gules, on each a mullet or", "Argent three roundels gules each charged with a mullet or"},
        {"Azure two roundels argent, on each of them an escallop sable",
         "Azure two roundels argent each charged with an escallop sable"},
        {"Or, on waves barry wavy azure and argent, a lymphad sable",
         "Or on a base barry wavy azure and argent a lymphad sable"},
        // A partition named by its line's direction.
        {"Party saltirewise argent and gules", "Per saltire argent and gules"},
        {"Parted saltirewise or and azure", "Per saltire or and azure"},
        {"Party bendwise argent and sable", "Per bend argent and sable"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
    {
        // Per saltire: the first tincture in chief and base, the second at the flanks.
        Drawing d;
        d.DrawClean("Party saltirewise argent and gules");
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_EQ(d.At(g.W2, g.H / 8), Colour(kArgent));
        EXPECT_EQ(d.At(g.W2, g.H - g.H / 8), Colour(kArgent));
        EXPECT_EQ(d.At(g.W / 8, g.H2), Colour(kGules));
        EXPECT_EQ(d.At(g.W - g.W / 8, g.H2), Colour(kGules));
    }
    // The bordure's colour at the edge, inside the outline; each roundel's mullet at its centre.
    Drawing d;
    d.DrawClean("Argent a roundel gules the whole within a bordure azure");
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.At(g.Px(8), g.H2), Colour(kAzure));
    d.DrawClean("Argent three roundels gules, on each a mullet or");
    const auto placed = PlacedCharges(d);
    ASSERT_EQ(placed.size(), 6u);
    for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(kOr)) << i;
}

// "Barry nebuly of argent and azure", "Cheveronny of ermine and gules": an "of" with no count
// only leads to the tinctures, and the field is the one the words without it draw.
TEST(PrintedForms, OfBeforeTheTincturesOfAPatternedField) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Paly of or and gules", "Paly or and gules"},
        {"Barry nebuly of argent and azure", "Barry nebuly argent and azure"},
        {"Cheveronny of ermine and gules", "Chevronny ermine and gules"},
        {"Bendy wavy of or and vert, a chief azure", "Bendy wavy or and vert, a chief azure"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
    // Paly of eight: the first pale in the first tincture, the second in the other.
    Drawing d;
    d.DrawClean("Paly of or and gules");
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.trace.field.fieldPieces, 8);
    EXPECT_EQ(d.At(g.W / 16, g.H2), Colour(kOr));
    EXPECT_EQ(d.At(3 * g.W / 16, g.H2), Colour(kGules));
    // A word that is neither a count nor a tincture after "of" is still said.
    d.Draw("Paly of lions or and gules");
    EXPECT_FALSE(d.sink.messages.empty());
}

// "Armed or and langued gules", "headed argent and feathered of the first": details joined by
// "and", each with its tincture, read as the words without the "and" are; "or, crowned of the
// last" takes the tincture named last.
TEST(PrintedForms, DetailsEachWithItsTincture) {
    struct Case {
        const char* printed;
        const char* plain;
        int second;  // the tincture of the charge's details
    };
    const Case cases[] = {
        {"Argent a lion rampant sable armed and langued gules", "Argent a lion rampant sable armed gules langued gules",
         kGules},
        {"Argent a lion rampant sable armed gules and langued gules", "Argent a lion rampant sable armed gules langued gules",
         kGules},
        {"Or three arrows sable headed argent and feathered of the first", "Or three arrows sable headed argent feathered or",
         -1},
        {"Azure a lion rampant or crowned argent and armed gules", "Azure a lion rampant or crowned argent armed gules",
         kGules},
        {"Azure three lions passant or, crowned of the last", "Azure three lions passant or crowned or", -1},
        {"Gules a lion rampant argent armed azure and crowned of the last", "Gules a lion rampant argent armed azure crowned azure",
         kAzure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
        ASSERT_FALSE(printed.trace.levels.empty());
        if (c.second >= 0) {
            EXPECT_EQ(printed.trace.levels[0].secondTincture, c.second);
        }
    }
    // An "and" before words that are no detail is left to the phrase that follows.
    Drawing d;
    d.DrawClean("Argent a lion rampant sable armed or and a chief gules");
    EXPECT_EQ(d.trace.levels.size(), 2u);
    // Claws and tongue are one part of the picture: two tinctures for them cannot both be drawn,
    // and the one not drawn is said (the drawing is not clean).
    for (const char* two : {"Argent a lion rampant sable armed or langued gules",
                            "Argent a lion rampant sable armed or and langued gules"}) {
        SCOPED_TRACE(two);
        Drawing told;
        told.Draw(two);
        ASSERT_EQ(told.sink.messages.size(), 1u);
        EXPECT_NE(told.sink.messages[0].find("one tincture"), std::string::npos);
        EXPECT_EQ(told.trace.levels[0].secondTincture, kGules);
    }
}

// "Crowned with a ducal coronet", "crowned with an open crown": the crowned picture, as
// "ducally crowned" and "crowned" draw it; a crown of another kind is not read so and is said.
TEST(PrintedForms, CrownedWithACoronet) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Or a lion rampant gules crowned with a ducal coronet azure", "Or a lion rampant gules ducally crowned azure"},
        {"Or a lion rampant gules crowned with a coronet azure", "Or a lion rampant gules crowned azure"},
        {"Vert a lion passant argent crowned with an open crown or", "Vert a lion passant argent crowned or"},
        {"Azure two lions passant or, crowned with ducal coronets of the last", "Azure two lions passant or crowned or"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
        ASSERT_FALSE(printed.trace.levels.empty());
        EXPECT_EQ(printed.trace.levels[0].name.back(), 'c');  // the picture with the crown
    }
    Drawing d;
    d.Draw("Or a lion rampant gules crowned with an imperial crown azure");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

// "On a cross gules the royal crown or", "in chief the sun": "the" is the article of a charge
// named once, drawn as "a" draws it. After a charge already named ("a lion gules, the lion
// crowned") it names that one again or a part of it, and no second charge is drawn.
TEST(PrintedForms, TheBeforeAChargeNamedOnce) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent on a cross gules the royal crown or", "Argent on a cross gules a royal crown or"},
        {"Azure in chief the sun or", "Azure in chief a sun or"},
        {"Or on a chief azure the sun in splendour or", "Or on a chief azure a sun in splendour or"},
        {"Argent a chevron gules, in base the moon azure", "Argent a chevron gules, in base a moon azure"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
    // The crown at the centre of the cross is gold; the cross around it gules.
    Drawing d;
    d.DrawClean("Argent on a cross gules the royal crown or");
    const auto placed = PlacedCharges(d);
    ASSERT_EQ(placed.size(), 1u);
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.At(g.W2, g.Px(30)), Colour(kGules));
    for (const char* blazon : {"Argent a lion rampant gules, the lion crowned or", "Gules an anchor argent the ring or"}) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        EXPECT_FALSE(d.trace.ignoredWords.empty());
        EXPECT_EQ(PlacedCharges(d).size(), 1u);
    }
}

// "On a chief azure a harp and a portcullis, all or": after "on" an ordinary, "all" with a
// tincture is the tincture of the charges on it, drawn as the tincture named once after them is.
// Where a charge before them has another ("a chevron gules between three roses all or") the
// words contradict and "all" is left unread.
TEST(PrintedForms, AllOfOneTinctureOnAnOrdinary) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent on a chevron gules three roses all or", "Argent on a chevron gules three roses or"},
        {"Or on a chief azure a harp between two mullets all argent", "Or on a chief azure a harp between two mullets argent"},
        {"Or a cross gules, on a chief azure a harp and a portcullis, all of the first",
         "Or a cross gules, on a chief azure a harp and a portcullis or"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
        for (const PlacementTrace& p : PlacedCharges(printed)) EXPECT_NE(printed.At(p.x, p.y), Colour(kGules));
    }
    Drawing d;
    d.Draw("Argent a chevron gules between three roses all or");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

// "On a bend a mullet between a crescent and a roundel": the two flanking charges named one by
// one have no places on the bend; they are said, not drawn over the mullet (the first is still
// set beside the bend, as a charge between it).
TEST(PrintedForms, OneOfAPairBetweenOnABendIsSaid) {
    Drawing d;
    d.Draw("Argent on a bend gules a mullet between a crescent and a roundel or");
    ASSERT_FALSE(d.sink.messages.empty());
    EXPECT_EQ(d.sink.messages[0], "No layout places one charge here.");
    const auto placed = PlacedCharges(d);
    ASSERT_FALSE(placed.empty());
    for (std::size_t i = 1; i < placed.size(); ++i)  // nothing over the mullet
        EXPECT_GT(std::abs(placed[i].x - placed[0].x) + std::abs(placed[i].y - placed[0].y), 40) << i;
}

// "On a chief a lion between a fleur-de-lis and a key", also written "a fleur-de-lis on the
// dexter and a key on the sinister": the two named one by one take the chief's outer thirds,
// the first to the dexter, as a pair between does; each in its tincture, all within the chief.
TEST(PrintedForms, PairNamedOneByOneOnAChief) {
    struct Case {
        const char* blazon;
        int tinctures[3];  // of the middle charge, the dexter one, the sinister one (-1 not checked)
    };
    const Case cases[] = {
        {"Argent on a chief gules a mullet between a roundel and a lozenge or", {kOr, kOr, kOr}},
        {"Vert on a chief argent a roundel azure between a mullet sable and a lozenge gules", {kAzure, kSable, kGules}},
        {"Or on a chief sable a mullet argent between a roundel on the dexter and a lozenge on the sinister of the first",
         {kArgent, kOr, kOr}},
        {"Argent on a chief azure a lion passant or between a fleur-de-lis on the dexter and a key on the sinister or",
         {-1, -1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = PlacedCharges(d);
        ASSERT_EQ(placed.size(), 3u);
        const int xs[3] = {g.W2, g.W / 6, g.W - g.W / 6};
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(placed[i].x, xs[i], g.Px(2));
            EXPECT_LT(placed[i].y, g.H5);  // within the chief
            if (c.tinctures[i] >= 0) {
                EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(c.tinctures[i]));
            }
        }
    }
}

// "Three holly branches each of as many leaves", "each of three leaves": the branches leaved, one
// group (the leaves are not a second group of charges), drawn as "leaved" draws them and said
// as it is said.
TEST(PrintedForms, EachOfAsManyLeavesIsLeaved) {
    const char* const printed[] = {"Argent three holly branches each of as many leaves vert",
                                   "Argent three holly branches each of three leaves vert",
                                   "Argent three holly branches, each of four leaves, vert"};
    Drawing plain;
    plain.Draw("Argent three holly branches leaved vert");
    for (const char* blazon : printed) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_EQ(d.trace.levels.size(), 1u);
        const auto placed = PlacedCharges(d);
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_EQ(d.sink.messages, plain.sink.messages);
        EXPECT_TRUE(d.s().picture == plain.s().picture);
    }
}

// "Three salmons, the second contourné", "the middle one contourny": one member of a group by
// its place in the order the charges are set, turned apart from the rest.
TEST(PrintedForms, OneMemberTurnedByItsPlace) {
    struct Case {
        const char* blazon;
        std::vector<bool> mirrored;
    };
    const std::vector<Case> cases = {
        {"Azure three salmon naiant in pale argent, the middle one contourny", {false, true, false}},
        {"Azure, three salmons, the second contourné argent, finned gules", {false, true, false}},
        {"Azure three salmon naiant in fess argent, the last contourny", {false, false, true}},
        {"Vert two fish naiant in pale or, the first contourny", {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const auto placed = PlacedCharges(d);
        ASSERT_EQ(placed.size(), c.mirrored.size());
        for (std::size_t i = 0; i < placed.size(); ++i) EXPECT_EQ(placed[i].mirrored, c.mirrored[i]) << i;
    }
    // Four have no middle one: the words are left unread.
    Drawing d;
    d.Draw("Azure four salmon naiant in pale argent, the middle one contourny");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

// "Three lion's gambs erased and inverted", "a lion rampant and crowned or", "a cross voided and
// counterchanged": an "and" between an attitude and a turn, a detail or (after "voided") the
// tincture of the same charge, drawn as the words without it.
TEST(PrintedForms, AndAfterAnAttitude) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Gules three lion's gambs erased and inverted argent", "Gules three lion's gambs erased inverted argent"},
        {"Azure three swords erect and reversed argent", "Azure three swords erect reversed argent"},
        {"Azure a lion rampant and crowned or", "Azure a lion rampant crowned or"},
        {"Or an eagle displayed and crowned sable", "Or an eagle displayed crowned sable"},
        {"Per pale azure and argent, a cross voided and counterchanged", "Per pale azure and argent, a cross voided counterchanged"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
    // The turn is drawn: the swords reversed are not the swords erect.
    Drawing reversed, erect;
    reversed.DrawClean("Azure three swords erect and reversed argent");
    erect.DrawClean("Azure three swords erect argent");
    EXPECT_FALSE(reversed.s().picture == erect.s().picture);
}

struct PrintedAndPlainForm {
    const char* written;
    const char* plain;
};

// "Party saltirewise of gules and ermine": the "of" only leads to the field's tinctures.
TEST(PrintedForms, OfBeforeTheTincturesOfAPartition) {
    const PrintedAndPlainForm cases[] = {
        {"Party saltirewise of gules and ermine", "Per saltire gules and ermine"},
        {"Per pale of argent and vert, a lion or", "Per pale argent and vert a lion or"},
        {"Per bend sinister of or and azure", "Per bend sinister or and azure"},
        {"Per fess indented of sable and argent", "Per fess indented sable and argent"},
    };
    for (const PrintedAndPlainForm& c : cases) ExpectDrawnAlike(c.written, c.plain);
}

// "A mount vert, issuant therefrom a tree": the charge named next stands on the piece before.
TEST(PrintedForms, IssuantThereFromStandsOnThePieceBefore) {
    const PrintedAndPlainForm cases[] = {
        {"Azure a mount vert, issuant therefrom a tree proper", "Azure a mount vert charged with a tree proper"},
        {"Azure a mount vert, therefrom issuing a tree proper", "Azure a mount vert charged with a tree proper"},
        {"Gules, a mount or issuing therefrom a lion argent", "Gules a mount or charged with a lion argent"},
        {"Gules, a mount or therefrom issuant a lion argent", "Gules a mount or charged with a lion argent"},
    };
    for (const PrintedAndPlainForm& c : cases) ExpectDrawnAlike(c.written, c.plain);
}

}  // namespace
}  // namespace esc::test
