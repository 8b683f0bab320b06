#include <gtest/gtest.h>

#include "TestDrawing.h"
#include "engine/Messages.h"
#include "interpret/DrawingDriver.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

TEST(DrawingDriver, TwoPassesAroundTheNormaliser) {
    Drawing d;
    d.Draw("Azure, a bend Or");
    // Both passes see the words without their punctuation: "Azure," is the first named tincture.
    ASSERT_EQ(d.trace.firstPass.size(), 4u);
    EXPECT_EQ(d.trace.firstPass[0].type, kTypeTincture);
    EXPECT_EQ(d.trace.namedTinctures, (std::vector<int>{kAzure, kOr}));
    // Second pass: the normaliser removed the comma.
    EXPECT_EQ(d.trace.normalised, "Azure a bend Or");
    EXPECT_EQ(d.trace.secondPass[0].type, kTypeTincture);
    EXPECT_EQ(d.At(330, 60), Colour(kAzure));  // above the bend
    EXPECT_EQ(d.s().picture.Width(), 415);
    EXPECT_EQ(d.s().picture.Height(), 521);
}

TEST(DrawingDriver, LookupKeysOfPluralsAndFurs) {
    Drawing d;
    d.Draw("Ermines ermine erminois azures");
    const auto& w = d.trace.secondPass;
    EXPECT_EQ(w[0].sub1, kErmines);
    EXPECT_EQ(w[1].sub1, kErmine);
    EXPECT_EQ(w[2].sub1, kErminois);
    EXPECT_EQ(w[3].sub1, kAzure);
    EXPECT_EQ(d.trace.namedTinctures, (std::vector<int>{kErmines, kErmine, kErminois, kAzure}));
}

TEST(DrawingDriver, MarshalledTextsTakeTheirOwnRoad) {
    Drawing d;
    d.Draw("QUARTERLY 1&4: Or 2&3: Azure");
    EXPECT_EQ(d.trace.road, "quartered");
    d.Draw("Or a bend impaling: Azure");
    EXPECT_EQ(d.trace.road, "impaled");
    d.Draw("Quarterly or and gules");
    EXPECT_EQ(d.trace.road, "single");
}

TEST(DrawingDriver, ADrawingNeverDependsOnAnEarlierOne) {
    // "of the second" names the second tincture of this blazon only; with one tincture named it is Or.
    Drawing fresh;
    fresh.Draw("Gules a bend of the second");
    Drawing reused;
    reused.Draw("Per pale azure and vert a chief ermine");
    reused.Draw("Gules a bend of the second");
    EXPECT_EQ(reused.trace.normalised, fresh.trace.normalised);
    EXPECT_TRUE(reused.s().picture == fresh.s().picture);
    EXPECT_EQ(reused.s().partitionCode, fresh.s().partitionCode);
    EXPECT_EQ(reused.s().level, fresh.s().level);
}

// Every word is compared without regard to case: "SINISTER" is "sinister".
TEST(DrawingDriver, WordsAreReadInAnyCase) {
    Drawing lower, upper;
    lower.Draw("Or a bend sinister azure");
    upper.Draw("OR A BEND SINISTER AZURE");
    EXPECT_TRUE(lower.s().picture == upper.s().picture);
    EXPECT_TRUE(upper.trace.ignoredWords.empty());
}

TEST(DrawingDriver, BoundsOfTheBlazonBuffer) {
    Drawing d;
    // Past 199 characters the text is read whole, in pieces that each fit the buffer and the
    // word slots; with no clause bound to cut at, that is told.
    std::string longText = "Azure";
    while (longText.size() < 400) longText += " and";
    d.Draw(longText);
    EXPECT_EQ(d.trace.blazon, longText);
    EXPECT_GE(d.trace.pieces.size(), 2u);
    for (const std::string& piece : d.trace.pieces) EXPECT_LE(piece.size(), 199u);
    ASSERT_FALSE(d.sink.messages.empty());
    EXPECT_EQ(d.sink.messages[0], msg::kPieceCutInsideAClause);
    EXPECT_LE(d.s().wordCount, 30);
    // Only single arms past the pieces a drawing reads are cut: the driver says which, so callers
    // can tell the user.
    std::string endless = longText;
    while (endless.size() < static_cast<std::size_t>(kMaxBlazonPieces * kMaxBlazonChars + 200)) endless += " and";
    EXPECT_TRUE(IsCutToBlazonBuffer(endless));
    EXPECT_FALSE(IsCutToBlazonBuffer(longText));
    EXPECT_FALSE(IsCutToBlazonBuffer(longText.substr(0, 199)));
    EXPECT_FALSE(IsCutToBlazonBuffer("Quarterly 1&4: " + endless + " 2&3: " + longText.substr(0, 150)));
    // A marshalled text is held to its own bound; the message says which bound was passed.
    std::string longMarshalled = "Quarterly 1&4: Or 2&3: Azure";
    EXPECT_EQ(BoundOf(longMarshalled).maxChars, static_cast<std::size_t>(kMaxMarshalledChars));
    longMarshalled.resize(static_cast<std::size_t>(kMaxMarshalledChars) + 1, ' ');
    EXPECT_EQ(BoundOf(longMarshalled).reach, BlazonReach::PastTheMarshalledText);
    EXPECT_EQ(BoundOf(endless).reach, BlazonReach::PastThePieces);
    EXPECT_EQ(PastTheBoundMessage(longText, PastTheBound::Refused), "");
    EXPECT_EQ(PastTheBoundMessage(endless, PastTheBound::DrawnFromItsStart), msg::BlazonPastThePieces(endless.size(), kMaxBlazonPieces));
    // A word longer than 19 characters is cut to 19.
    d.Draw("Azure abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(d.s().Word(1), "abcdefghijklmnopqrs");
    // More than ten tinctures: only ten are named.
    d.Draw("Or argent gules azure sable vert purpure or argent gules azure sable");
    EXPECT_EQ(d.trace.namedTinctures.size(), 10u);
    // A normalised text that would grow past 199 characters stays within it.
    std::string bars = "Azure";
    for (int i = 0; i < 48; ++i) bars += " bar";
    d.Draw(bars);
    EXPECT_LE(d.trace.normalised.size(), 199u);
}

TEST(DrawingDriver, EmptyAndBlankTexts) {
    Drawing d;
    d.Draw("   ");
    EXPECT_EQ(d.s().wordCount, 0);
    ASSERT_EQ(d.sink.messages.size(), 1u);
    EXPECT_EQ(d.sink.messages[0], "Color or partition required.");
}

TEST(DrawingDriver, OutlineIsDrawnOverTheField) {
    Drawing d;
    d.Draw("Gules");
    EXPECT_EQ(d.At(1, 200), kBlack);
    EXPECT_EQ(d.At(413, 200), kBlack);
    EXPECT_EQ(d.At(207, 519), kBlack);
    EXPECT_EQ(d.At(0, 520), kTeal);
}

// The first pass strips the punctuation the normaliser strips, so a tincture written with a comma
// after it is still one of the named tinctures that "of the first", counterchanging and a
// partition's tinctures refer to.
TEST(DrawingDriver, PunctuationDoesNotHideANamedTincture) {
    struct Case {
        const char* blazon;
        std::vector<int> named;
    };
    const Case cases[] = {
        {"Per pale argent and gules, a lion rampant counterchanged", {kArgent, kGules, kCounterchanged}},
        {"Gules, a chevron argent, on a chief of the first three mullets or", {kGules, kArgent, kOr}},
        {"Bendy of six argent and vert, a chief gules", {kArgent, kVert, kGules}},
        {"Or; a fess d'azure", {kOr, kAzure}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_EQ(d.trace.namedTinctures, c.named);
    }
    const int W = Drawing().s().geometry.W, H = Drawing().s().geometry.H;
    auto count = [](Drawing& d, Rgb colour, int x1, int y1, int x2, int y2) {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) n += d.At(x, y) == colour;
        return n;
    };
    {
        // "of the first" is gules: the chief beside its mullets, and the chevron stays argent.
        Drawing d;
        d.Draw("Gules, a chevron argent, on a chief of the first three mullets or");
        const int D = d.s().geometry.chiefDepth;
        EXPECT_EQ(d.At(6, D / 3), Colour(kGules));
        EXPECT_EQ(d.At(W - 7, D / 3), Colour(kGules));
        EXPECT_EQ(d.At(W / 2, D / 2 + H / 3), Colour(kArgent));  // the chevron at its apex
    }
    {
        // Bendy of argent and vert below the chief: no gules piece among the bends.
        Drawing d;
        d.Draw("Bendy of six argent and vert, a chief gules");
        const int D = d.s().geometry.chiefDepth;
        EXPECT_GT(count(d, Colour(kVert), 2, D + 5, W - 2, H), 1000);
        EXPECT_EQ(count(d, Colour(kGules), 2, D + 5, W - 2, H), 0);
    }
    {
        // The lion counterchanged is gules on the argent half and argent on the gules half; never
        // azure (what a missing second tincture painted).
        Drawing d;
        d.Draw("Per pale argent and gules, a lion rampant counterchanged");
        ASSERT_EQ(d.trace.levels.size(), 1u);
        EXPECT_GT(count(d, Colour(kGules), 2, 2, W / 2 - 2, H), 1000);
        EXPECT_GT(count(d, Colour(kArgent), W / 2 + 2, 2, W - 2, H), 1000);
        EXPECT_EQ(count(d, Colour(kAzure), 0, 0, W, H), 0);
    }
}

// A word not found reads as empty: nothing of the word that stood in its slot in an earlier
// drawing is kept ("zzz" after "six" must not make paly of six).
TEST(DrawingDriver, AWordNotFoundKeepsNothingOfAnEarlierWord) {
    const char* blazon = "Paly of zzz or and azure";
    Drawing fresh;
    fresh.Draw(blazon);
    Drawing reused;
    reused.Draw("Paly of six or and azure");
    reused.Draw(blazon);
    EXPECT_EQ(reused.trace.field.fieldPieces, fresh.trace.field.fieldPieces);
    EXPECT_TRUE(reused.s().picture == fresh.s().picture);
    ASSERT_GE(reused.trace.secondPass.size(), 3u);
    EXPECT_EQ(reused.trace.secondPass[2].type, kTypeNotFound);
    EXPECT_EQ(reused.trace.secondPass[2].sub1, 0);
    EXPECT_EQ(reused.trace.secondPass[2].sub2, 0);
}

// Spellings the normaliser rewrites are drawn as what they name: the cross crosslet's own
// picture, and the semé of drops.
TEST(DrawingDriver, RewrittenSpellingsAreDrawn) {
    Drawing d;
    d.Draw("Argent three crosses-crosslet gules");
    ASSERT_EQ(d.trace.levels.size(), 1u);
    EXPECT_EQ(d.trace.levels[0].name, "cross");
    EXPECT_EQ(d.trace.levels[0].variant, "1");
    ASSERT_EQ(d.trace.levels[0].placements.size(), 3u);
    ASSERT_FALSE(d.trace.levels[0].pictures.empty());
    EXPECT_TRUE(d.trace.levels[0].pictures.back().drawn);
    EXPECT_FALSE(d.trace.levels[0].pictures.back().standIn);

    d.Draw("Or guttees gules");
    EXPECT_EQ(d.trace.field.form, "semee");
    EXPECT_EQ(d.trace.field.tincture, kGuttee);
    int drops = 0;
    for (int y = 2; y < d.s().geometry.H; ++y)
        for (int x = 2; x < d.s().geometry.W - 2; ++x) drops += d.At(x, y) == Colour(kGules);
    EXPECT_GT(drops, 500);
}

}  // namespace
}  // namespace esc
