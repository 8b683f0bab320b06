// Forms the armorials write that were not drawn: the ordinals of the quarters after the first
// named with its word ("in the first quarter a salmon, in the second a beacon"), the piercing
// written before the charge ("three pierced mullets"), charges on flaunches ("two flaunches each
// charged with a rose"), "the" after a place ("in canton the royal crown"), the halves of a
// field per pale numbered ("Per pale I ...; II ..."), a charge on a mount named first ("on a
// mount vert a castle gules"), an ordinary within a part of the field ("per pale vert a castle or
// and argent a cross gules").

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/Palette.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/marshal/PrintedMarshalling.h"
#include "interpret/read/Normaliser.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

std::vector<PlacementTrace> PlacedCharges(const Drawing& d) {
    std::vector<PlacementTrace> out;
    for (const LevelTrace& l : d.trace.levels) out.insert(out.end(), l.placements.begin(), l.placements.end());
    return out;
}

std::string Normalised(std::string text) {
    Normalise(text, 0, 0, 0, 400);
    return text;
}

// Once a quarter is named with its word, "in the second", "in the third", "in the fourth" name
// the next quarters, written as their places; before that, and where the ordinal names a
// tincture, nothing changes.
TEST(WrittenForms, OrdinalsAfterANamedQuarter) {
    EXPECT_EQ(Normalised("in the first quarter a mullet in the second a crescent"),
              "in dexterchief a mullet in sinisterchief a crescent");
    EXPECT_EQ(Normalised("in the first and fourth quarters a mullet, in the second two crescents"),
              "in the first and fourth quarters a mullet in sinisterchief two crescents");
    EXPECT_EQ(Normalised("in the third quarter a rose and in the fourth a lion"),
              "in the third quarter a rose and in sinisterbase a lion");
    // No quarter named first; ordinals joined by "and"; a tincture named by its place.
    EXPECT_EQ(Normalised("Quarterly in the second a mullet"), "Quarterly in the second a mullet");
    EXPECT_EQ(Normalised("in the first quarter a mullet in the second and third quarters a fret"),
              "in dexterchief a mullet in the second and third quarters a fret");
    EXPECT_EQ(Normalised("in the first quarter a mullet of the second"),
              Normalised("in the first quarter a mullet of the second"));

    struct Case {
        const char* printed;
        const char* plain;
    };
    // Drawn as the places the quarters are.
    const Case cases[] = {
        {"Argent a cross gules between in the first quarter a roundel azure, in the second a roundel or, in the third "
         "a roundel vert, and in the fourth a roundel sable",
         "Argent a cross gules between in dexter chief a roundel azure, in sinister chief a roundel or, in dexter base "
         "a roundel vert, and in sinister base a roundel sable"},
        {"Or a fess azure between in the first quarter a roundel gules, in the second a roundel vert, in the third a "
         "roundel sable and in the fourth a roundel argent",
         "Or a fess azure between in dexter chief a roundel gules, in sinister chief a roundel vert, in dexter base a "
         "roundel sable and in sinister base a roundel argent"},
        {"Azure a cross or, in the first quarter a roundel argent, in the second a roundel gules",
         "Azure a cross or, in dexter chief a roundel argent, in sinister chief a roundel gules"},
        {"Argent on a fess gules between in the first quarter a mullet azure, in the second a crescent azure, in the "
         "third a rose azure, and in the fourth a garb azure, a bar argent",
         "Argent on a fess gules between in dexter chief a mullet azure, in sinister chief a crescent azure, in dexter "
         "base a rose azure, and in sinister base a garb azure, a bar argent"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);

    // Each roundel in its own quarter about the cross, in its own tincture.
    Drawing d;
    d.DrawClean(cases[0].printed);
    const ShieldGeometry& g = d.s().geometry;
    const auto placed = PlacedCharges(d);
    ASSERT_EQ(placed.size(), 4u);
    const int tinctures[] = {kAzure, kOr, kVert, kSable};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(placed[i].x < g.W2, i % 2 == 0);
        EXPECT_EQ(placed[i].y < placed[(i + 2) % 4].y, i < 2);
        EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(tinctures[i]));
    }
}

// "Three pierced mullets", "a pierced cinquefoil": the piercing before the charge draws what
// "mullets pierced" draws, the field seen through the middle of each.
TEST(WrittenForms, PiercedBeforeTheCharge) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Azure three pierced mullets or", "Azure three mullets pierced or"},
        {"Gules a bend argent between two pierced mullets or", "Gules a bend argent between two mullets pierced or"},
        {"Sable on a cross or five pierced cinquefoils of the field", "Sable on a cross or five cinquefoils pierced sable"},
        {"Vert a pierced quatrefoil argent", "Vert a quatrefoil pierced argent"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
    // The middle of each mullet shows the field; a point of its ray the mullet's gold.
    Drawing d;
    d.DrawClean(cases[0].printed);
    const auto placed = PlacedCharges(d);
    ASSERT_EQ(placed.size(), 3u);
    for (const PlacementTrace& p : placed) EXPECT_EQ(d.At(p.x, p.y), Colour(kAzure));
}

// Charges on flaunches: one on each for one named, the count on each after "each", a count
// shared between the two; each down the middle of its flaunch, within the flaunch's breadth.
TEST(WrittenForms, ChargesOnTheFlaunches) {
    struct Case {
        const char* blazon;
        int perSide;
        bool dexter, sinister;
    };
    const Case cases[] = {
        {"Gules two flaunches or each charged with a mullet azure", 1, true, true},
        {"Argent a lion rampant gules between two flaunches vert each charged with a mullet azure", 1, true, true},
        {"Gules flaunches or each charged with two mullets azure", 2, true, true},
        {"Sable two flaunches argent charged with four mullets azure", 2, true, true},
        {"Vert on a flaunch sinister or a mullet azure", 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_FALSE(d.trace.levels.empty());
        const std::vector<PlacementTrace>& placed = d.trace.levels.back().placements;
        ASSERT_EQ(placed.size(), static_cast<std::size_t>(c.perSide * ((c.dexter ? 1 : 0) + (c.sinister ? 1 : 0))));
        int dexter = 0, sinister = 0;
        for (const PlacementTrace& p : placed) {
            // Within the flaunch: nearer the flank than a flaunch reaches at its widest.
            EXPECT_TRUE(p.x < g.W / 4 || p.x > g.W - g.W / 4) << p.x;
            (p.x < g.W2 ? dexter : sinister)++;
            EXPECT_EQ(d.At(p.x, p.y), Colour(kAzure));
        }
        EXPECT_EQ(dexter, c.dexter ? c.perSide : 0);
        EXPECT_EQ(sinister, c.sinister ? c.perSide : 0);
        // Two down one flaunch stand one above the other.
        if (c.perSide == 2) {
            EXPECT_LT(placed[0].y + g.Px(40), placed[1].y);
        }
    }
    // A count that cannot be shared out is said, not drawn on one flaunch only.
    Drawing d;
    d.Draw("Gules two flaunches or charged with three mullets azure");
    EXPECT_FALSE(d.sink.messages.empty());
}

// "In canton the royal crown", "in chief the sun" after a charge: "the" opens the phrase in its
// place as an article does, and does not send the charge before into that place.
TEST(WrittenForms, TheAfterAPlace) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent on a cross gules a lyre or, in canton the royal crown or",
         "Argent on a cross gules a lyre or, in canton a royal crown or"},
        {"Argent on a cross gules a lyre or, in the canton the crown or", "Argent on a cross gules a lyre or, in canton a crown or"},
        {"Azure a lion rampant or in chief the sun argent", "Azure a lion rampant or in chief a sun argent"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
    // The lyre on the middle of the cross, the crown in the canton.
    Drawing d;
    d.DrawClean(cases[0].printed);
    ASSERT_EQ(d.trace.levels.size(), 3u);
    const ShieldGeometry& g = d.s().geometry;
    ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
    ASSERT_EQ(d.trace.levels[2].placements.size(), 1u);
    EXPECT_NEAR(d.trace.levels[1].placements[0].x, g.W2, g.Px(10));
    EXPECT_LT(d.trace.levels[2].placements[0].x, g.W4);
    EXPECT_LT(d.trace.levels[2].placements[0].y, g.H4);
}

// "Per pale I A; II B", "Per pale, dexter, A, sinister B": halves numbered or named, each
// blazoned as a coat of its own, are read as the two halves of impaled arms; a field per pale in
// two tinctures, or halves named only after "in", stays single arms.
TEST(WrittenForms, HalvesNumberedOrNamed) {
    EXPECT_EQ(ReadPrintedMarshalling("Per pale I azure a lion or; II gules a mullet argent"),
              std::optional<std::string>("azure a lion or impaling: gules a mullet argent"));
    EXPECT_EQ(ReadPrintedMarshalling("Per pale, dexter, azure a lion or, sinister gules a mullet argent"),
              std::optional<std::string>("azure a lion or impaling: gules a mullet argent"));
    EXPECT_EQ(ReadPrintedMarshalling("Per pale, dexter, vert a fess or (the old arms) sinister argent a bend sable"),
              std::optional<std::string>("vert a fess or (the old arms) impaling: argent a bend sable"));
    EXPECT_EQ(ReadPrintedMarshalling("Per pale argent and gules"), std::nullopt);
    EXPECT_EQ(ReadPrintedMarshalling("Per pale argent and gules, in dexter a mullet, in sinister a crescent"), std::nullopt);
    // "sinister" inside the first half, not opening a part, does not end it.
    EXPECT_EQ(ReadPrintedMarshalling("Per pale dexter azure a lion sinister or"), std::nullopt);
    // Drawn, the halves are the two parts of one shield per pale, each a field of its own (the
    // tests of parted fields), not two coats side by side.
    Drawing d;
    d.DrawClean("Per pale I azure a lion rampant or; II gules a mullet argent");
    EXPECT_EQ(d.trace.road, "parted");
}

// "On a mount vert a castle gules", "on a mount in base vert ...", "a mount vert thereon a tree":
// the mount named first lies in base across the shield and the charge stands on its summit,
// as "a castle gules on a mount vert" draws them (the mount floated in the middle, the castle
// inside it).
TEST(WrittenForms, ChargeOnAMountNamedFirst) {
    const char* const blazons[] = {
        "Or on a mount vert a castle gules",
        "Or, on a mount in base vert, a castle gules",
        "Argent a mount vert thereon a lion rampant gules",
        "Argent, on a mount vert, a tree proper, in chief two mullets azure",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_GE(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const PlacementTrace& mount = d.trace.levels[0].placements[0];
        const PlacementTrace& charge = d.trace.levels[1].placements[0];
        const int summit = g.H - g.H * kMountHeightPercent / 100;
        // The mount low in the shield, the charge above its summit, both on the middle line.
        EXPECT_GT(mount.y, summit);
        EXPECT_LT(charge.y, summit);
        EXPECT_EQ(mount.x, g.W2);
        EXPECT_EQ(charge.x, g.W2);
        // Just under the summit, and at the foot on the flanks of the mount, the mount's green.
        EXPECT_EQ(d.At(g.W2, summit + g.Px(30)), Colour(kVert));
        EXPECT_EQ(d.At(g.W2, g.H - g.Px(10)), Colour(kVert));
    }
    // A mount placed elsewhere (on a base) and charged: the charge stands on its summit, the
    // middle of the mount left green.
    {
        Drawing d;
        d.DrawClean("Argent on a base azure a mount vert thereon a tree proper");
        ASSERT_EQ(d.trace.levels.size(), 3u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        ASSERT_EQ(d.trace.levels[2].placements.size(), 1u);
        const PlacementTrace& mount = d.trace.levels[1].placements[0];
        const PlacementTrace& tree = d.trace.levels[2].placements[0];
        EXPECT_EQ(tree.x, mount.x);
        EXPECT_LT(tree.y + d.s().geometry.Px(40), mount.y);
        EXPECT_EQ(d.At(mount.x, mount.y + d.s().geometry.Px(10)), Colour(kVert));
    }
    // Two charges on it are not one standing on its summit: not drawn as such.
    Drawing d;
    d.Draw("Or on a mount vert two trees proper");
    EXPECT_FALSE(d.sink.messages.empty());
}

// "Per pale vert a roundel or and argent a cross gules", "per fess ... and azure a fess argent":
// one ordinary alone in a part of a field per pale or per fess is drawn within that part, as it
// would cover a whole field, and keeps to the shield's outline.
TEST(WrittenForms, OrdinaryWithinAPartOfTheField) {
    {
        Drawing d;
        d.DrawClean("Per pale vert a roundel or and argent a cross gules");
        const ShieldGeometry& g = d.s().geometry;
        const int armRow = g.shieldBottom * g.H2 / g.H;
        EXPECT_EQ(d.At(g.W / 10, g.Px(8)), Colour(kVert));
        EXPECT_EQ(d.At(3 * g.W / 4, g.Px(20)), Colour(kGules));     // the cross's upper limb
        EXPECT_EQ(d.At(g.W2 + g.Px(6), armRow), Colour(kGules));    // its arm, from the half's edge
        EXPECT_EQ(d.At(g.W2 + g.Px(20), g.Px(20)), Colour(kArgent));  // the half's field beside it
        EXPECT_EQ(d.At(g.W2 - g.Px(6), armRow), Colour(kVert));     // not into the dexter half
    }
    {
        Drawing d;
        d.DrawClean("Per fess or a roundel gules and azure a fess argent");
        const ShieldGeometry& g = d.s().geometry;
        const int middleOfTheBase = g.H2 + (g.shieldBottom - g.H2) / 2;
        EXPECT_EQ(d.At(g.W / 10, middleOfTheBase), Colour(kArgent));
        EXPECT_EQ(d.At(g.W / 10, g.H2 + g.Px(8)), Colour(kAzure));
        EXPECT_EQ(d.At(g.W / 10, g.H4), Colour(kOr));
    }
    // A bend in the base keeps to the shield: the corner outside the curved base stays background.
    Drawing d;
    d.DrawClean("Per fess argent a castle gules and of the last a bend wavy azure");
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.At(g.W - 1, g.shieldBottom - 1), kTeal);
}

}  // namespace
}  // namespace esc::test
