#include <gtest/gtest.h>

#include "TestDrawing.h"
#include "interpret/DrawingDriver.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

TEST(DrawingDriver, TwoPassesAroundTheNormaliser) {
    Drawing d;
    d.Draw("Azure, a bend Or");
    // First pass: "Azure," keeps its comma and is not found, so the first named tincture is Or.
    ASSERT_EQ(d.trace.firstPass.size(), 4u);
    EXPECT_EQ(d.trace.firstPass[0].type, -1);
    ASSERT_EQ(d.trace.namedTinctures.size(), 1u);
    EXPECT_EQ(d.trace.namedTinctures[0], kOr);
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

TEST(DrawingDriver, BoundsOfTheBlazonBuffer) {
    Drawing d;
    // Past 199 characters the text is cut.
    std::string longText = "Azure";
    while (longText.size() < 400) longText += " and";
    d.Draw(longText);
    EXPECT_EQ(d.trace.blazon.size(), 199u);
    // Past 30 words the rest is not read.
    EXPECT_EQ(d.s().wordCount, 30);
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

}  // namespace
}  // namespace esc
