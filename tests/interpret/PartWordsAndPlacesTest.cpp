// Part words read with their tincture ("taloned", "handled", "orbed", "bound", "snow-capped"),
// "open" before a birdcage, "through" with no object after it, and whole charges issuant from
// base: each form with several instances.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// A part word that names a part the picture draws colours it as the heralds' usual word for that
// part does: the two blazons are drawn alike, each read whole.
TEST(PartWordsRead, ColourThePartAsTheUsualWord) {
    ExpectDrawnAlike("Argent, an eagle sable taloned gules", "Argent, an eagle sable armed gules");
    ExpectDrawnAlike("Or, a falcon azure taloned argent", "Or, a falcon azure armed argent");
    ExpectDrawnAlike("Azure, a sword argent handled Or", "Azure, a sword argent hilted Or");
    ExpectDrawnAlike("Vert, a sword inverted Or handled gules", "Vert, a sword inverted Or hilted gules");
}

// A part word whose picture has no such part is read with its tincture and told as read, not
// drawn; the charge is painted whole in its own tincture, and the tincture after the word is
// taken by no later phrase.
TEST(PartWordsRead, ToldWhenThePictureHasNoSuchPart) {
    struct Case {
        const char* blazon;
        const char* word;
        int tincture;  // the charge's own, seen at its spot
    };
    const Case cases[] = {
        {"Azure, a mullet argent orbed gules", "orbed", kArgent},
        {"Vert, a lozenge Or bound azure", "bound", kOr},
        {"Gules, a mullet argent snow-capped azure", "snowcapped", kArgent},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        EXPECT_TRUE(WordUsed(d, k.word));
        ASSERT_EQ(d.sink.messages.size(), 1u);
        EXPECT_NE(d.sink.messages[0].find("is read, not drawn"), std::string::npos) << d.sink.messages[0];
        const std::vector<PlacementTrace> placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_EQ(d.At(placed[0].x, placed[0].y), Colour(k.tincture));
    }
}

// "an open birdcage" is the birdcage; "a bend through between" reaches the edges as
// "throughout" does.
TEST(PartWordsRead, OpenAndThroughAreTheirPlainForms) {
    ExpectDrawnAlike("Azure, an open birdcage Or", "Azure, a birdcage Or");
    ExpectDrawnAlike("Gules, two open birdcages argent", "Gules, two birdcages argent");
    ExpectDrawnAlike("Azure, a chevron through between three mullets argent",
                     "Azure, a chevron throughout between three mullets argent");
    ExpectDrawnAlike("Vert, a bend sinister through between two roundels Or",
                     "Vert, a bend sinister throughout between two roundels Or");
}

// "a tree issuant from base": a whole charge stands in base, as "issuant from the base a tree"
// and "in base a tree" draw it, below the fess point.
TEST(IssuantFromBase, AWholeChargeStandsInBase) {
    struct Case {
        const char* issuant;
        const char* placeFirst;
    };
    const Case cases[] = {
        {"Azure, a tree issuant from base Or", "Azure, issuant from the base a tree Or"},
        {"Argent, a tower issuant from the base gules", "Argent, issuant from the base a tower gules"},
        {"Or, a rose issuant from base gules", "Or, issuant from base a rose gules"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.issuant);
        ExpectDrawnAlike(k.issuant, k.placeFirst);
        Drawing d;
        d.DrawClean(k.issuant);
        const std::vector<PlacementTrace> placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_GT(placed[0].y, d.s().geometry.H2);
    }
}

}  // namespace
}  // namespace esc::test
