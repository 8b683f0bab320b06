// Shields that were drawn, and wrong: an ordinary on a chief over the whole field, a group in
// base in specks, a surmounting charge as large as the one it surmounts, a detail tincture
// dropped, a mixed group between an ordinary with one member placed, charges about the first
// cut by a chief named after them, a turn lost before rows, gyronny of four for the plain word.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "engine/Painter.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// "on a chief azure a cross gules": the cross lies within the chief, reduced to it, and the field
// below shows where a cross on the whole field would lie.
TEST(OrdinaryOnAChief, DrawnWithinTheChiefOnly) {
    struct Case {
        const char* blazon;
        int field, chief, ordinary;
        int chiefX, chiefY;  // a point of the chief the ordinary leaves, in eighths of its width and depth
    };
    const Case cases[] = {
        {"Argent, on a chief azure a cross gules", kArgent, kAzure, kGules, 2, 1},
        {"Or, on a chief sable a saltire argent", kOr, kSable, kArgent, 4, 1},
        {"Vert, on a chief argent a pale gules", kVert, kArgent, kGules, 1, 4},
        {"Argent, a chief gules charged with a cross or", kArgent, kGules, kOr, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const int depth = shapes::ChiefLowerEdge(g), chiefMiddle = depth / 2;
        // Every one of these ordinaries covers the chief's centre ...
        EXPECT_EQ(d.At(g.W2, chiefMiddle), Colour(c.ordinary));
        // ... and the chief shows beside it ...
        EXPECT_EQ(d.At(g.W * c.chiefX / 8, depth * c.chiefY / 8), Colour(c.chief));
        // ... and the field at the fess point and down the pale line, where each would lie on
        // the whole field.
        EXPECT_EQ(d.At(g.W2, g.H2), Colour(c.field));
        EXPECT_EQ(d.At(g.W2, g.H * 3 / 4), Colour(c.field));
        EXPECT_EQ(d.At(g.W - g.Px(12), g.H2), Colour(c.field));
    }
}

// "in base three mullets in pale": the group has the half of the field it is set in for its room,
// not the base's band, where three in pale were specks a tenth of their size.
TEST(GroupInAPartOfTheField, TakesTheRoomThePartAllows) {
    struct Case {
        const char* blazon;
        int count;
        bool lower;      // in the lower half of the field, else the upper
        bool column;     // set in pale (one above another), else in fess
    };
    const Case cases[] = {
        {"Or, in base three mullets in pale sable", 3, true, true},
        {"Or, in chief three mullets in pale sable", 3, false, true},
        {"Argent, in base two mullets in pale gules", 2, true, true},
        {"Argent, in base three escallops in fess azure", 3, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), static_cast<std::size_t>(c.count));
        for (const PlacementTrace& p : placed) {
            EXPECT_EQ(p.y > g.H2, c.lower) << p.y;
            EXPECT_EQ(c.column ? p.x : p.y, c.column ? g.W2 : placed[0].y);
        }
        // Spread over the half: neighbours at least a sixth of the half's depth (or the width)
        // apart, and as large as that spacing allows.
        const int spacing = c.column ? std::abs(placed[1].y - placed[0].y) : std::abs(placed[1].x - placed[0].x);
        EXPECT_GE(spacing, c.column ? g.H2 / 6 : g.W / 6);
        EXPECT_GE(placed[0].scale, 0.2f);
    }
}

// "a tower surmounted by a mullet": the mullet on the tower's middle, about half its size, the
// tower showing round it; an ordinary surmounting a charge keeps its own width.
TEST(SurmountingCharge, SmallerAndCentredOnTheOneBelow) {
    const char* blazons[] = {"Argent, a tower gules surmounted by a mullet or",
                             "Argent, a lion rampant gules surmounted by a crescent or",
                             "Azure, a tree or surmounted by a roundel gules"};
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const PlacementTrace& below = d.trace.levels[0].placements[0];
        const PlacementTrace& over = d.trace.levels[1].placements[0];
        EXPECT_EQ(over.x, below.x);
        EXPECT_EQ(over.y, below.y);
        EXPECT_LE(over.scale, below.scale * 0.7f);
        EXPECT_GE(over.scale, below.scale * 0.4f);
    }
    // The bend over a lion is as broad across the fess line as a bend alone.
    const auto bendRun = [](const char* blazon) {
        Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        int run = 0;
        for (int x = 0; x < g.W; ++x) run += d.At(x, g.H2) == Colour(kAzure) ? 1 : 0;
        return run;
    };
    EXPECT_EQ(bendRun("Argent, a lion rampant gules surmounted by a bend azure"), bendRun("Argent, a bend azure"));
}

// "a castle gules hilted or": a part the picture does not have is told, as before the tincture.
TEST(DetailTincture, APartThePictureLacksIsTold) {
    const char* blazons[] = {"Argent, a castle gules hilted or", "Or, a mullet azure armed gules"};
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        ASSERT_EQ(d.sink.messages.size(), 1u);
        EXPECT_NE(d.sink.messages[0].find("is read, not drawn"), std::string::npos) << d.sink.messages[0];
    }
    // A picture with the part draws it: nothing to tell.
    Drawing d;
    d.DrawClean("Argent, a lion rampant gules armed and langued azure");
}

// The parts the pictures draw in the second part or the detail take the tincture named for
// them, on a field and a charge of other tinctures: strings, band, garnish, acorns, the seeded
// heart, and a winged beast's wings named after its tincture.
TEST(DetailTincture, APartThePictureHasIsPaintedInItsTincture) {
    struct Case {
        const char* blazon;
        int part;
    };
    const Case cases[] = {
        {"Azure, a harp or stringed argent", kArgent},
        {"Gules, a garb or banded vert", kVert},
        {"Gules, a helmet argent garnished or", kOr},
        {"Argent, an oak tree vert fructed gules", kGules},
        {"Argent, a dogwood flower azure seeded or", kOr},
        {"Gules, a lion azure winged or", kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        int painted = 0;
        for (int y = 0; y < g.H; y += 2)
            for (int x = 0; x < g.W; x += 2) painted += d.At(x, y) == test::Colour(k.part);
        EXPECT_GT(painted, 30);
    }
}

// "a chevron between a mullet, a crescent and an escallop": each member takes the next of the
// places the ordinary gives three charges (two above the chevron, one below), a cross's four
// angles for four.
TEST(MixedGroupBetween, EachMemberTakesTheNextPlace) {
    {
        Drawing d;
        d.DrawClean("Argent, a chevron gules between a mullet, a crescent and an escallop azure");
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_LT(placed[0].x, g.W2);
        EXPECT_GT(placed[1].x, g.W2);
        EXPECT_LT(placed[0].y, g.H3);
        EXPECT_LT(placed[1].y, g.H3);
        EXPECT_EQ(placed[2].x, g.W2);
        EXPECT_GT(placed[2].y, g.H2 + g.H6);
    }
    {
        Drawing d;
        d.DrawClean("Argent, a cross gules between a mullet, a crescent, an escallop and a rose azure");
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 4u);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].x < g.W2, i % 2 == 0) << i;
            EXPECT_EQ(placed[i].y < g.H2, i < 2) << i;
            // Each one stands off the cross, on the field.
            EXPECT_NE(d.At(placed[i].x + g.Px(40) * (i % 2 == 0 ? -1 : 1), placed[i].y), Colour(kGules));
        }
    }
}

// "in scarpe" is the line of the scarpe, a bend sinister: from the sinister chief to the dexter
// base through the middle, not the sinister chief.
TEST(InScarpe, IsInBendSinister) {
    const char* blazons[] = {"Argent, three mullets in scarpe gules", "Argent, three roundels in scarpe azure"};
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_GT(placed[0].x, g.W2);
        EXPECT_LT(placed[0].y, g.H2);
        EXPECT_LT(placed[2].x, g.W2);
        EXPECT_GT(placed[2].y, g.H2);
        EXPECT_NEAR(placed[1].x, g.W2, g.W / 10);
    }
}

// "a crosier in pale": one charge upright is drawn as one alone on the field, not at the breadth
// of a pale; "two wings" are two charges, only wings conjoined are one.
TEST(OneChargeInPale, StandsAsOneAlone) {
    const std::pair<const char*, const char*> pairs[] = {
        {"Sable, a crosier in pale or", "Sable, a crosier or"},
        {"Gules, a ladder in pale argent", "Gules, a ladder argent"},
    };
    for (const auto& [inPale, alone] : pairs) {
        SCOPED_TRACE(inPale);
        Drawing a, b;
        a.DrawClean(inPale);
        b.DrawClean(alone);
        const auto placedA = AllPlacements(a), placedB = AllPlacements(b);
        ASSERT_EQ(placedA.size(), 1u);
        ASSERT_EQ(placedB.size(), 1u);
        EXPECT_FLOAT_EQ(placedA[0].scale, placedB[0].scale);
    }
}

TEST(Wings, TwoAreTwoAndConjoinedAreOne) {
    struct Case {
        const char* blazon;
        std::size_t charges;
    };
    const Case cases[] = {
        {"Gules two wings argent", 2},
        {"Gules a broad arrow between two wings argent", 3},
        {"Gules a pair of wings argent", 2},
        {"Gules two wings conjoined argent", 1},
        {"Gules two wings conjoined in lure or", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        EXPECT_EQ(AllPlacements(d).size(), c.charges);
    }
}

// "on a fess between in chief a rose between two mullets and in base a crescent a mullet": the
// mullets stand either side of the rose in chief, and the last phrase lies on the fess.
TEST(OnAnOrdinaryBetweenGroupsInChiefAndBase, EachGroupInItsPlace) {
    {
        Drawing d;
        d.DrawClean("Gules on a fess argent between in chief a rose between two mullets and in base a crescent or a mullet azure");
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.trace.levels.size(), 5u);
        const auto& rose = d.trace.levels[1].placements;
        const auto& mullets = d.trace.levels[2].placements;
        ASSERT_EQ(rose.size(), 1u);
        ASSERT_EQ(mullets.size(), 2u);
        EXPECT_EQ(rose[0].x, g.W2);
        for (const PlacementTrace& m : mullets) {
            EXPECT_EQ(m.y, rose[0].y);
            EXPECT_LE(m.scale, rose[0].scale);
        }
        EXPECT_LT(mullets[0].x, g.W2 - g.W / 4);
        EXPECT_GT(mullets[1].x, g.W2 + g.W / 4);
        ASSERT_EQ(d.trace.levels[4].placements.size(), 1u);
        EXPECT_EQ(d.trace.levels[4].placements[0].y, g.H2);
        EXPECT_EQ(d.At(g.W2, g.H2), Colour(kAzure));
    }
    {
        // As printed: the bar wavy lies along the fess, not in base.
        Drawing d;
        d.DrawClean("Vert on a Fess wavy between in chief a Sheep passant Argent between two Garbs and in base a Hunting "
                    "Horn stringed Or a Bar wavy Azure.");
        const ShieldGeometry& g = d.s().geometry;
        const auto azureIn = [&](int from, int to) {
            int n = 0;
            for (int y = from; y < to; ++y) n += d.At(g.W2, y) == Colour(kAzure) ? 1 : 0;
            return n;
        };
        EXPECT_GT(azureIn(g.H2 - g.chiefDepth / 2, g.H2 + g.chiefDepth / 2), 0);
        EXPECT_EQ(azureIn(g.H2 + g.chiefDepth, g.straightBottom), 0);
        ASSERT_EQ(d.trace.levels[2].placements.size(), 2u);
        EXPECT_EQ(d.trace.levels[2].placements[0].y, d.trace.levels[1].placements[0].y);
    }
}

// "a cross patonce between five martlets": the principal charge keeps most of the field, the five
// round it in the corners, the flanks and the base (they took the chief in rows, the cross shrunk
// to their size between them).
TEST(PrincipalBetweenFive, KeepsMostOfTheField) {
    const char* blazons[] = {"Azure, a cross patonce between five martlets or.", "Azure, a mullet between five martlets or.",
                             "Gules, a sword erect between five roses argent"};
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const auto& round = d.trace.levels[1].placements;
        ASSERT_EQ(round.size(), 5u);
        EXPECT_GT(d.trace.levels[0].placements[0].scale, 1.0f);
        EXPECT_GT(d.trace.levels[0].placements[0].scale, 2 * round[0].scale);
        EXPECT_LT(round[0].y, g.H3);
        EXPECT_LT(round[1].y, g.H3);
        EXPECT_GT(round[2].y, g.H2);
        EXPECT_GT(round[3].y, g.H2);
        EXPECT_EQ(round[4].x, g.W2);
        EXPECT_GT(round[4].y, round[2].y);
    }
}

// "within two bendlets, as many bendlets wavy": one run of four across the field, the first
// phrase's outside, the second's within (they were drawn over each other's places).
TEST(PiecesWithinPieces, TheSecondRunWithinTheFirst) {
    struct Case {
        const char* blazon;
        bool sinister;
        int outer, inner;
    };
    const Case cases[] = {
        {"Argent, within two bendlets sable, as many bendlets wavy gules", false, kSable, kGules},
        {"Argent, within two scarpes sable, as many scarpes azure", true, kSable, kAzure},
        {"Argent, within two bendlets wavy sable, as many bendlets gules", false, kSable, kGules},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        // Across the pieces through the fess point: from the dexter base toward the sinister
        // chief for bendlets, from the dexter chief toward the sinister base for scarpes.
        const double len = std::hypot(g.W, g.H), ux = g.H / len, uy = (c.sinister ? g.W : -g.W) / len;
        std::vector<Rgb> runs;
        for (int t = -g.W2; t <= g.W2; ++t) {
            const int x = g.W2 + static_cast<int>(std::lround(t * ux)), y = g.H2 + static_cast<int>(std::lround(t * uy));
            const Rgb at = d.At(x, y);
            if (at != Colour(c.outer) && at != Colour(c.inner)) continue;
            if (runs.empty() || runs.back() != at || d.At(g.W2 + static_cast<int>(std::lround((t - 1) * ux)),
                                                          g.H2 + static_cast<int>(std::lround((t - 1) * uy))) != at)
                runs.push_back(at);
        }
        const std::vector<Rgb> expected = {Colour(c.outer), Colour(c.inner), Colour(c.inner), Colour(c.outer)};
        EXPECT_EQ(runs, expected);
    }
}

// "an anchor between three escallops, a chief": the charges about the first stand below the
// chief as the first does (the chief hid the upper pair's tops, about a principal charge and about
// an ordinary alike). No charge colour in the rows just under the chief's lowest row, and each
// charge still shows about its centre.
TEST(ChargesAboutTheFirst, StandBelowALaterChief) {
    struct Case {
        const char* blazon;
        int charge;
    };
    const Case cases[] = {
        {"Argent an anchor azure between three escallops gules a chief wavy azure", kGules},
        {"Argent a lion rampant azure between four mullets gules a chief azure", kGules},
        {"Argent a mullet between three crescents gules on a chief azure a rose argent", kGules},
        {"Argent a chevron azure between three escallops gules a chief azure", kGules},
        {"Argent a cross azure between four mullets gules a chief azure", kGules},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const int below = shapes::ChiefFurthestRow(g.H) + 1;
        for (int y = below; y < below + g.Px(3); ++y)
            for (int x = 0; x < g.W; ++x) ASSERT_NE(d.At(x, y), Colour(c.charge)) << x << "," << y;
        ASSERT_GE(d.trace.levels.size(), 2u);
        for (const PlacementTrace& p : d.trace.levels[1].placements) {
            EXPECT_GT(p.y, below);
            int shown = 0;  // about its centre (a crescent's centre is its hollow)
            for (int dy = -g.Px(15); dy <= g.Px(15); ++dy) shown += d.At(p.x, p.y + dy) == Colour(c.charge) ? 1 : 0;
            EXPECT_GT(shown, 0) << p.x << "," << p.y;
        }
    }
}

// "three swords bendwise sable two and one": rows drawn as their numbers are read keep the turn
// read before them (the swords stood upright). Along the turned line through each charge's
// centre lie more of its pixels than across it.
TEST(TurnBeforeRows, KeptByTheRows) {
    struct Case {
        const char* blazon;
        int dx, dy;  // the line the charges lie along: down and to the right, or across
    };
    const Case cases[] = {
        {"Argent three swords bendwise sable two and one", 1, 1},
        {"Argent three arrows bendways sable two and one", 1, 1},
        {"Argent three swords fesswise sable two and one", 1, 0},
        {"Argent three keys bendwise sable two and one", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 3u);
        for (const PlacementTrace& p : placed) {
            const auto along = [&](int dx, int dy) {
                int n = 0;
                for (int t = -g.Px(50); t <= g.Px(50); ++t) n += d.At(p.x + t * dx, p.y + t * dy) == Colour(kSable) ? 1 : 0;
                return n;
            };
            // Upright, the charge lies along the pale: down, or across the turned line.
            const int turned = along(c.dx, c.dy), upright = c.dy == 0 ? along(0, 1) : along(1, -1);
            EXPECT_GT(turned, upright + g.Px(10)) << p.x << "," << p.y;
        }
    }
}

// "Gyronny or and sable": the word alone is gyronny of eight, the first gyron right of the centre
// and above it, then counter-clockwise (four pieces drew a field quarterly). A point in the middle
// of each gyron shows the tinctures in turn.
TEST(GyronnyWithoutANumber, IsOfEight) {
    struct Case {
        const char* blazon;
        int first, second;
    };
    const Case cases[] = {
        {"Gyronny or and sable", kOr, kSable},
        {"Gyronny argent and azure", kArgent, kAzure},
        {"gyronny Gules and Or, a bordure vert", kGules, kOr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const double r = g.H / 6.0, pi = std::acos(-1.0);
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + 45 * i) * pi / 180;
            const int x = g.W2 + static_cast<int>(std::lround(r * std::cos(a)));
            const int y = g.H2 - static_cast<int>(std::lround(r * std::sin(a)));
            EXPECT_EQ(d.At(x, y), Colour(i % 2 == 0 ? c.first : c.second)) << "gyron " << i;
        }
    }
}

// "a lion gules, in chief the sun or": "the" before a charge named after a place is its article,
// a phrase of its own in that place (the lion before it was moved into the chief, the sun left
// unread). The charge before keeps its place; the later one shows its tincture in its place.
TEST(TheAsArticle, AfterAPlaceOpensAPhrase) {
    struct Case {
        const char* blazon;
        std::size_t levels;
        int tincture;        // of the charge in its place
        bool inChief;        // else in base
        bool inCanton;       // in the dexter chief corner
    };
    const Case cases[] = {
        {"Argent a lion gules in chief the sun or", 2, kOr, true, false},
        {"Azure a mullet argent, in base the sun or", 2, kOr, false, false},
        {"Argent on a cross gules a lyre or, in the canton the sun azure", 3, kAzure, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.trace.levels.size(), c.levels);
        const auto& main = d.trace.levels[c.levels - 2].placements;
        const auto& last = d.trace.levels[c.levels - 1].placements;
        ASSERT_EQ(main.size(), 1u);
        ASSERT_EQ(last.size(), 1u);
        EXPECT_EQ(main[0].x, g.W2);
        EXPECT_GT(main[0].y, g.H3);
        EXPECT_EQ(last[0].y < g.H4, c.inChief);
        EXPECT_EQ(last[0].x < g.W3, c.inCanton);
        int shown = 0;
        for (int dy = -g.Px(10); dy <= g.Px(10); ++dy) shown += d.At(last[0].x, last[0].y + dy) == Colour(c.tincture) ? 1 : 0;
        EXPECT_GT(shown, 0);
    }
}

// "in bend a raven volant and a lightning flash bendwise sinister", "a mullet and a crescent
// surmounted by a bend": a group of several kinds whose last member is turned to the sinister or
// painted over stays a group, each member in its own place (both were painted over each other at
// the fess point). The members stand apart and each shows its tincture about its spot.
TEST(GroupOfSeveralKinds, KeepsItsPlacesPastATurnOrASurmountingCharge) {
    struct Case {
        const char* blazon;
        int tincture;
    };
    const Case cases[] = {
        {"Argent in bend a raven volant and a lightning flash bendwise sinister sable", kSable},
        {"Or in bend a raven volant and a lightning flash sable surmounted by a tortoise gules", kSable},
        {"Argent a mullet and a crescent sable surmounted by a bend gules", kSable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_GE(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const PlacementTrace& first = d.trace.levels[0].placements[0];
        const PlacementTrace& second = d.trace.levels[1].placements[0];
        EXPECT_LT(first.x, g.W3);
        EXPECT_GT(second.x, g.W - g.W3);
        for (const PlacementTrace* p : {&first, &second}) {
            int shown = 0;
            for (int k = -g.Px(40); k <= g.Px(40); ++k)  // across and down its spot (a crescent is hollow there)
                shown += (d.At(p->x + k, p->y) == Colour(c.tincture) ? 1 : 0) + (d.At(p->x, p->y + k) == Colour(c.tincture) ? 1 : 0);
            EXPECT_GT(shown, 0) << p->x << "," << p->y;
        }
    }
}

// "a fox sejant, head erect": "head" after the beast's attitude tells how its head is held, which
// no picture of the fox shows; the beast is drawn whole, as without the words, and they are said
// unread (the fox's head alone was drawn, counted clean). Where the attitude's picture holds the
// head so (the wolf sejant) the words are read: AttitudePictures.HeadsHeldAndFacesShown.
TEST(HeadAfterTheAttitude, LeavesTheBeastWhole) {
    struct Case {
        const char* blazon;
        const char* plain;
    };
    const Case cases[] = {
        {"Azure, a fox sejant, head erect, argent", "Azure, a fox sejant argent"},
        {"Argent a lion rampant head erect gules", "Argent a lion rampant gules"},
        {"Or a stag statant, head lowered, sable", "Or a stag statant sable"},
        {"Argent a wolf passant, head turned, sable", "Argent a wolf passant sable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing with, plain;
        with.Draw(c.blazon);
        plain.DrawClean(c.plain);
        EXPECT_NE(std::find(with.trace.ignoredWords.begin(), with.trace.ignoredWords.end(), "head"), with.trace.ignoredWords.end());
        EXPECT_TRUE(with.s().picture == plain.s().picture);
    }
}

// "in chief a compass star within an annulet": one charge and its ring in the part of the field
// named, the ring as large as that third of the field holds (the ring stood about the fess point
// over both parts, the star a speck at its top). Down the pale line the ring's colour lies only
// within its third, clear of the shield's top, and the charge shows at the ring's centre.
TEST(RingInAPartOfTheField, HoldsItsChargeThere) {
    struct Case {
        const char* blazon;
        int field, ring, charge;
        bool chief;
    };
    const Case cases[] = {
        {"Argent, in chief a mullet within an annulet gules", kArgent, kGules, kGules, true},
        {"Argent, in base a rose within an annulet azure", kArgent, kAzure, kAzure, false},
        {"Per chevron azure and or, in chief a compass star within an annulet argent and in base a tree vert", kAzure, kArgent,
         kArgent, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_GE(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const PlacementTrace& ring = d.trace.levels[1].placements[0];
        EXPECT_EQ(ring.y < g.H3, c.chief);
        EXPECT_EQ(d.At(g.W2, g.Px(6)), Colour(c.field));
        int inThird = 0, outside = 0;
        const int from = c.chief ? 0 : g.H - g.H3 - g.Px(40), to = c.chief ? g.H3 + g.Px(20) : g.H;
        for (int y = 0; y < g.H; ++y) {
            if (d.At(g.W2, y) != Colour(c.ring)) continue;
            (y >= from && y < to ? inThird : outside) += 1;
        }
        EXPECT_GT(inThird, g.Px(20));
        EXPECT_EQ(outside, 0);
        int shown = 0;
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& charge = d.trace.levels[0].placements[0];
        EXPECT_LT(std::abs(charge.y - ring.y), g.Px(8));
        for (int dy = -g.Px(15); dy <= g.Px(15); ++dy)
            for (int dx = -g.Px(15); dx <= g.Px(15); ++dx) shown += d.At(charge.x + dx, charge.y + dy) == Colour(c.charge) ? 1 : 0;
        EXPECT_GT(shown, 0);
    }
}

// "on an escutcheon gules a bend or", "upon a heart sable a bend sinister ermine": the ordinary
// lies on the charge only, as on a small field of its own (it ran across the whole field). Down
// both flanks, where each ordinary on the whole field reaches, there is none of its colour; about
// the charge's middle there is.
TEST(OrdinaryOnACharge, LiesOnTheChargeOnly) {
    struct Case {
        const char* blazon;
        int ordinary;
    };
    const Case cases[] = {
        {"Argent on an escutcheon gules a bend or", kOr},
        {"Gules, upon a heart sable, fimbriated Or, a bend sinister argent", kArgent},
        {"Argent on a lozenge gules a chevron or", kOr},
        {"Or on a roundel azure a fess argent", kArgent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        for (int y = g.Px(8); y < g.straightBottom; ++y) {
            ASSERT_NE(d.At(g.Px(8), y), Colour(c.ordinary)) << y;
            ASSERT_NE(d.At(g.W - g.Px(8), y), Colour(c.ordinary)) << y;
        }
        ASSERT_FALSE(d.trace.levels.empty());
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& host = d.trace.levels[0].placements[0];
        int on = 0;
        for (int dy = -g.Px(40); dy <= g.Px(40); dy += 2)
            for (int dx = -g.Px(40); dx <= g.Px(40); dx += 2) on += d.At(host.x + dx, host.y + dy) == Colour(c.ordinary) ? 1 : 0;
        EXPECT_GT(on, 0);
    }
}

// "a bend between a unicorn's head in chief and a cross in base": the one in chief stands in the
// space above the bend, as the one in base stands below it, at a charge's size (it was a speck
// at the top edge, over the bend's line). Its tincture shows about its spot, which lies off the
// bend: the bend's colour is not there.
TEST(OneInChiefBesideABend, StandsAboveTheBend) {
    struct Case {
        const char* blazon;
        int bend, charge;
    };
    const Case cases[] = {
        {"Ermine, a bend azure cotised sable between a unicorn's head erased in chief and a cross crosslet fitchy in base gules.",
         kAzure, kGules},
        {"Argent a bend azure between a lion's head erased in chief and a mullet in base gules", kAzure, kGules},
        {"Or a bend azure in chief a mullet gules", kAzure, kGules},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_GE(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const PlacementTrace& p = d.trace.levels[1].placements[0];
        EXPECT_GT(p.x, g.W2 + g.W5);
        EXPECT_LT(p.y, g.H3);
        EXPECT_GT(p.y, g.H5);
        EXPECT_GE(p.scale, 0.9f);
        int shown = 0, bend = 0;
        for (int dy = -g.Px(20); dy <= g.Px(20); dy += 2)
            for (int dx = -g.Px(20); dx <= g.Px(20); dx += 2) {
                shown += d.At(p.x + dx, p.y + dy) == Colour(c.charge) ? 1 : 0;
                bend += d.At(p.x + dx, p.y + dy) == Colour(c.bend) ? 1 : 0;
            }
        EXPECT_GT(shown, 0);
        EXPECT_EQ(bend, 0);
    }
}

}  // namespace
}  // namespace esc::test
