// Which way a pointed charge points, and the places and arrangements armorials write in words of
// their own: the honour and nombril points, the lower part, rows named by their places, a
// demi-charge issuant from the base, turns written "-ways".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Palette.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// How many pixels of `colour` lie in the box [x0, x1) x [y0, y1).
int CountIn(const Drawing& d, int x0, int y0, int x1, int y1, Rgb colour) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (d.At(x, y) == colour) ++n;
    return n;
}

enum class Side { kAbove, kBelow, kDexter, kSinister };

// The pixels of `colour` on one side of the charge placed at (x, y), within `reach` of it.
int OnSide(const Drawing& d, const PlacementTrace& p, Side side, int reach, Rgb colour) {
    switch (side) {
        case Side::kAbove: return CountIn(d, p.x - reach, p.y - reach, p.x + reach, p.y - reach / 4, colour);
        case Side::kBelow: return CountIn(d, p.x - reach, p.y + reach / 4, p.x + reach, p.y + reach, colour);
        case Side::kDexter: return CountIn(d, p.x - reach, p.y - reach, p.x - reach / 4, p.y + reach, colour);
        case Side::kSinister: return CountIn(d, p.x + reach / 4, p.y - reach, p.x + reach, p.y + reach, colour);
    }
    return 0;
}

// The point of the charge (its second part, the arrow's barbed head or the sword's hilt, in a
// tincture of its own) lies where the words send it, whichever way the picture is drawn.
TEST(PointWords, ThePointGoesWhereTheWordsSay) {
    struct Case {
        const char* blazon;
        Side secondPart;  // where the head (an arrow) or the hilt (a sword) lies
    };
    const Case cases[] = {
        // An arrow is drawn point down, a sword point up.
        {"Argent an arrow sable barbed gules", Side::kBelow},
        {"Argent an arrow sable barbed gules point upward", Side::kAbove},
        {"Argent an arrow point upwards sable barbed gules", Side::kAbove},
        {"Argent an arrow sable barbed gules points downward", Side::kBelow},
        {"Argent an arrow sable barbed gules pointing to the chief", Side::kAbove},
        {"Argent an arrow sable barbed gules point to the dexter", Side::kDexter},
        {"Argent an arrow sable barbed gules point to the sinister", Side::kSinister},
        {"Argent a sword azure hilted or point downwards", Side::kAbove},
        {"Argent a sword azure hilted or its point towards the base", Side::kAbove},
        {"Argent a sword azure hilted or point in base", Side::kAbove},
        {"Argent a sword fesswise azure hilted or point to the dexter", Side::kSinister},
        {"Argent a sword azure hilted or point to the sinister", Side::kDexter},
        {"Argent a dagger azure hilted or point downwards", Side::kAbove},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        const bool arrow = std::string(c.blazon).find("arrow") != std::string::npos;
        const Rgb part = Colour(arrow ? kGules : kOr);
        const int reach = 150;
        int most = 0;
        Side found = Side::kAbove;
        for (Side side : {Side::kAbove, Side::kBelow, Side::kDexter, Side::kSinister}) {
            const int n = OnSide(d, placed[0], side, reach, part);
            if (n > most) most = n, found = side;
        }
        EXPECT_GT(most, 20);
        EXPECT_EQ(static_cast<int>(found), static_cast<int>(c.secondPart));
    }
}

// A group: every member turned alike, in an arrangement or a saltire; a charge with no point
// leaves the words unread.
TEST(PointWords, GroupsAndChargesWithoutAPoint) {
    Drawing turned, reversed;
    turned.DrawClean("Gules three arrows points upward argent");
    reversed.DrawClean("Gules three arrows reversed argent");
    EXPECT_TRUE(turned.s().picture == reversed.s().picture);
    // About an ordinary, as on the field.
    turned.DrawClean("Or a chevron between three arrows points upward gules");
    reversed.DrawClean("Or a chevron between three arrows reversed gules");
    EXPECT_TRUE(turned.s().picture == reversed.s().picture);
    turned.DrawClean("Sable two daggers in saltire points upwards argent");
    turned.DrawClean("Azure three arrows in pale fesswise or points to the dexter");
    const auto placed = AllPlacements(turned);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].x, placed[1].x);  // in pale, one above another
    // Lying fesswise: wide, not tall.
    const Rgb gold = Colour(kOr);
    EXPECT_GT(CountIn(turned, placed[1].x - 80, placed[1].y - 4, placed[1].x + 80, placed[1].y + 4, gold), 40);
    // A sheaf of arrows is drawn points upward.
    turned.DrawClean("Gules three sheaves of arrows points upward argent");
    turned.Draw("Argent a mullet points upward gules");
    EXPECT_FALSE(WordUsed(turned, "upward"));
}

// "in pale fesswise": the arrangement, then each charge turned in it.
TEST(Orientation, TurnedInTheirArrangement) {
    Drawing d;
    d.DrawClean("Gules three swords in pale fesswise argent");
    const auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 3u);
    for (const PlacementTrace& p : placed) {
        EXPECT_EQ(p.x, placed[0].x);
        // The blade runs across: silver far to the sides of the placement, none far above.
        const Rgb silver = Colour(kArgent);
        EXPECT_GT(CountIn(d, p.x - 70, p.y - 3, p.x - 40, p.y + 3, silver), 10);
        EXPECT_EQ(CountIn(d, p.x - 3, p.y - 70, p.x + 3, p.y - 50, silver), 0);
    }
    // About an ordinary: the charges between turned, where they stand unturned.
    Drawing between, upright;
    between.DrawClean("Argent a chevron between three swords fesswise gules");
    upright.DrawClean("Argent a chevron between three swords gules");
    const auto lying = AllPlacements(between), standing = AllPlacements(upright);
    ASSERT_EQ(lying.size(), 3u);
    ASSERT_EQ(standing.size(), 3u);
    const Rgb red = Colour(kGules);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lying[i].x, standing[i].x);
        EXPECT_EQ(lying[i].y, standing[i].y);
        EXPECT_GT(CountIn(between, lying[i].x - 50, lying[i].y - 2, lying[i].x - 30, lying[i].y + 2, red), 5);
        EXPECT_EQ(CountIn(upright, standing[i].x - 50, standing[i].y - 2, standing[i].x - 30, standing[i].y + 2, red), 0);
    }
    // "reversed" after an arrangement turns the charges, as before it.
    Drawing after, before;
    after.DrawClean("Or three swords in pale reversed azure");
    before.DrawClean("Or three swords reversed in pale azure");
    EXPECT_TRUE(after.s().picture == before.s().picture);
}

// Turns written the older way are the turns: "fesse-ways", "pale-ways", "bend-ways",
// "saltire-ways", "bend-sinisterwise".
TEST(Orientation, OlderSpellingsOfTheTurns) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent a sword fesse-ways gules", "Argent a sword fesswise gules"},
        {"Argent a key pale-ways gules", "Argent a key palewise gules"},
        {"Argent a sword bend-ways gules", "Argent a sword bendwise gules"},
        {"Argent a sword bend-sinisterwise gules", "Argent a sword bendwise sinister gules"},
        {"Argent two swords saltire-ways gules", "Argent two swords in saltire gules"},
        {"Argent two keys placed saltirewise gules", "Argent two keys in saltire gules"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
}

// Places and rows in the armorials' words draw as the program's own words for them.
TEST(PlacesInWords, DrawnAsThePlaceTheyName) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Or, a chief purpure, in the lower part a mullet azure", "Or, a chief purpure, in base a mullet azure"},
        {"Argent in the upper part three roses gules", "Argent in chief three roses gules"},
        {"Azure three escutcheons or placed two and one", "Azure three escutcheons or two and one"},
        {"Argent a chevron between three roses gules, two in chief and one in base",
         "Argent a chevron between three roses gules"},
        {"Argent a fess between three roses gules two in fesse and one in base", "Argent a fess between three roses gules"},
        {"Per pale argent and gules, in the sinister fess point a mullet or", "Per pale argent and gules in sinister a mullet or"},
        {"Or in the dexter fess point a lion rampant azure", "Or in dexter a lion rampant azure"},
    };
    for (const Case& c : cases) ExpectDrawnAlike(c.printed, c.plain);
}

// The honour point lies on the pale line between the chief and the fess point, the nombril point
// between the fess point and the base: one charge there, over what lies on the field.
TEST(PlacesInWords, TheHonourAndNombrilPoints) {
    struct Case {
        const char* blazon;
        bool honour;
    };
    const Case cases[] = {
        {"Argent at the honour point a mullet azure", true},
        {"Per pale Or and Gules a pall argent, at honour point a cross potent azure", true},
        {"Argent a chief gules in the honor point a mullet azure", true},
        {"Or in the nombril point a roundel azure", false},
        {"Argent a bend sable at the nombril point a mullet azure", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const auto placed = AllPlacements(d);
        ASSERT_FALSE(placed.empty());
        const PlacementTrace& p = placed.back();
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_NEAR(p.x, g.W2, 2);
        if (c.honour) {
            EXPECT_GT(p.y, g.chiefDepth);
            EXPECT_LT(p.y, g.H2 - g.H / 10);
        } else {
            EXPECT_GT(p.y, g.H2 + g.H / 10);
            EXPECT_LT(p.y, g.straightBottom);
        }
        EXPECT_EQ(d.At(p.x, p.y), Colour(kAzure));
    }
    // Two at one point: the nearest form, a row across it, and said.
    Drawing d;
    d.Draw("Argent at the honour point two mullets azure");
    const auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].y, placed[1].y);
    EXPECT_LT(placed[0].y, d.s().geometry.H2);
    bool said = false;
    for (const LevelTrace& level : d.trace.levels) said = said || !level.note.empty();
    EXPECT_TRUE(said);
}

// "issuant from the base": a demi-charge rises from the base, its foot on the foot of the
// straight sides; before the charge or after it, and "issuant in base" alike.
TEST(PlacesInWords, IssuantFromTheBase) {
    const char* const blazons[] = {
        "Argent three bars wavy azure, issuant from the base a demi-sun or",
        "Sable a demi-sun issuant in base or",
        "Sable, a demi sun in splendour issuant in base or",
        "Azure a demi-lion issuant from the base or",
        "Vert issuant from the base a demi-lion or",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const auto placed = AllPlacements(d);
        ASSERT_FALSE(placed.empty());
        const PlacementTrace& p = placed.back();
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_GT(p.y, g.H2);
        // Gold just above the foot, none in the chief.
        const Rgb gold = Colour(kOr);
        EXPECT_GT(CountIn(d, g.W2 - 60, g.straightBottom - 30, g.W2 + 60, g.straightBottom, gold), 100);
        EXPECT_EQ(CountIn(d, 0, 0, g.W, g.chiefDepth, gold), 0);
    }
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

// Whether the box of half-size r about (x, y) is painted alike in both drawings.
bool SameAbout(const Drawing& a, const Drawing& b, int x, int y, int r) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (!(a.At(x + i, y + j) == b.At(x + i, y + j))) return false;
    return true;
}

// "those in chief addorsed", "those in base reversed": only the members of that row turn, the
// pair in chief back to back or face to face, the rest as the group stands.
TEST(MemberTurns, OnlyTheMembersOfTheRowNamed) {
    struct Case {
        const char* blazon;
        std::vector<bool> mirrored;
    };
    const std::vector<Case> cases = {
        {"Argent three axes gules, those in chief addorsed", {false, true, false}},
        {"Argent three lions rampant gules, those in chief combatant", {true, false, false}},
        {"Argent three lions rampant gules, the two in chief respectant", {true, false, false}},
        {"Or three eagles sable those in base contourny", {false, false, true}},
        {"Or four eagles sable those in base addorsed", {false, false, false, true}},
        // A pair whose parts turn out is back to back; in, face to face.
        {"Argent two axes gules, the blades outward", {false, true}},
        {"Argent two axes addorsed gules, the blades outwards", {false, true}},
        {"Argent two axes gules their blades inward", {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), c.mirrored.size());
        for (std::size_t i = 0; i < placed.size(); ++i) EXPECT_EQ(placed[i].mirrored, c.mirrored[i]) << i;
    }
    // Reversed: the one in base is the reversed group's, those in chief the plain group's.
    Drawing some, all, none;
    some.DrawClean("Or three harps gules those in base reversed");
    all.DrawClean("Or three harps reversed gules");
    none.DrawClean("Or three harps gules");
    const auto placed = AllPlacements(some);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_TRUE(SameAbout(some, all, placed[2].x, placed[2].y, 30));
    EXPECT_FALSE(SameAbout(some, none, placed[2].x, placed[2].y, 30));
    EXPECT_TRUE(SameAbout(some, none, placed[0].x, placed[0].y, 30));
    // A row of one has no pair to turn back to back: left unread.
    none.Draw("Or three harps gules those in base addorsed");
    EXPECT_FALSE(WordUsed(none, "addorsed"));
    // "with those in chief pointing downward": the hilts of the two in chief above them, of the
    // one in base below it (a dagger is drawn point up).
    Drawing daggers;
    daggers.DrawClean("Argent a chevron gules between three daggers azure hilted or, with those in chief pointing downward");
    const auto three = AllPlacements(daggers);
    ASSERT_EQ(three.size(), 3u);
    const Rgb gold = Colour(kOr);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_GT(OnSide(daggers, three[i], Side::kAbove, 50, gold), OnSide(daggers, three[i], Side::kBelow, 50, gold));
    EXPECT_GT(OnSide(daggers, three[2], Side::kBelow, 50, gold), OnSide(daggers, three[2], Side::kAbove, 50, gold));
    none.Draw("Argent two axes addorsed gules the blades inward");
    EXPECT_FALSE(WordUsed(none, "inward"));
}

}  // namespace
}  // namespace esc::test
