// Places of the field as armorials print them: the quarters of a field quarterly named by their
// ordinals alone, the centre of the shield, "in the chief" and the like, and a later group in
// chief that the charges on the field leave room for.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Palette.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

std::vector<PlacementTrace> Placed(const Drawing& d) {
    std::vector<PlacementTrace> out;
    for (const LevelTrace& l : d.trace.levels) out.insert(out.end(), l.placements.begin(), l.placements.end());
    return out;
}

bool Around(const Drawing& d, int x, int y, int r, Rgb colour) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (d.At(x + i, y + j) == colour) return true;
    return false;
}

// The quarter (0 to 3, reading order) a point lies in.
int QuarterOf(const ShieldGeometry& g, int x, int y) { return (x < g.W2 ? 0 : 1) + (y < g.H2 ? 0 : 2); }

// "in the second and third a mullet" on a field quarterly: the charge drawn in each quarter named,
// whether or not the word "quarters" follows the ordinals.
TEST(QuartersByOrdinal, TheOrdinalsAloneNameTheQuartersOfAFieldQuarterly) {
    struct Case {
        const char* blazon;
        std::vector<int> quarters;  // of each placement, in order
        std::vector<int> tinctures;
    };
    const std::vector<Case> cases = {
        {"Quarterly argent and gules, in the first a mullet sable", {0}, {kSable}},
        {"Quarterly or and azure, in the second and third a mullet vert", {1, 2}, {kVert, kVert}},
        {"Quarterly Argent and Gules a cross counterchanged in the first and fourth quarters a mullet Azure in the "
         "second and third a plate",
         {0, 3, 1, 2},
         {kAzure, kAzure, kArgent, kArgent}},
        {"Quarterly or and gules, in the fourth a roundel azure", {3}, {kAzure}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const auto placed = Placed(d);
        ASSERT_EQ(placed.size(), c.quarters.size());
        const ShieldGeometry& g = d.s().geometry;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(QuarterOf(g, placed[i].x, placed[i].y), c.quarters[i]) << "placement " << i;
            EXPECT_TRUE(Around(d, placed[i].x, placed[i].y, 2, Colour(c.tinctures[i]))) << "placement " << i;
        }
    }
    // On a field not quarterly the ordinals name nothing without "quarter": they stay unread.
    Drawing d;
    d.Draw("Argent in the first a mullet sable");
    EXPECT_FALSE(WordUsed(d, "first"));
}

// The centre, center or middle of the shield is the fess point; "in the chief", "in the canton",
// "in the base" are the places "in chief", "in canton", "in base": each is drawn as the other.
TEST(PlacesWithTheArticle, DrawnAsThePlaceTheyName) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Gules an escarbuncle or in the center an escutcheon argent", "Gules an escarbuncle or in fess an escutcheon argent"},
        {"Gules an escarbuncle or in the centre an escutcheon argent", "Gules an escarbuncle or in fess an escutcheon argent"},
        {"Vert a bordure or, in the middle a mullet argent", "Vert a bordure or, in fess a mullet argent"},
        {"Azure a lion or, in the canton a mullet argent", "Azure a lion or, in canton a mullet argent"},
        {"Azure a chevron or, in the base a mullet argent", "Azure a chevron or, in base a mullet argent"},
        {"Azure a bend or, in the chief a mullet argent", "Azure a bend or, in chief a mullet argent"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        const auto a = Placed(printed), b = Placed(plain);
        ASSERT_EQ(a.size(), b.size());
        ASSERT_FALSE(a.empty());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].x, b[i].x);
            EXPECT_EQ(a[i].y, b[i].y);
        }
        // The last group in its tincture where it was placed.
        EXPECT_TRUE(Around(printed, a.back().x, a.back().y, 2, Colour(kArgent)));
    }
    // The centre: the fess point.
    Drawing d;
    d.DrawClean("Gules an escarbuncle or in the centre an escutcheon argent");
    const ShieldGeometry& g = d.s().geometry;
    const auto placed = Placed(d);
    EXPECT_NEAR(placed.back().x, g.W2, 2);
    EXPECT_EQ(d.At(g.W2, g.H2), Colour(kArgent));
}

// Charges on a plain field with a later group set in chief ("three rings, in chief two saltires",
// "three rings and two saltires in chief") are laid out below the chief's row, as under a chief;
// they reached into it and were crossed by the later group.
TEST(InChiefAfterTheField, TheFieldsChargesLeaveTheChiefClear) {
    const char* const blazons[] = {
        "Sable three rings or, in chief two saltires argent",
        "Sable three rings or and two saltires argent in the chief",
        "Azure three roundels or, in chief a mullet argent",
        "Gules six annulets or, in chief a mullet argent",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        // No or in the chief's rows, across the shield.
        bool orInChief = false;
        for (int y = 0; y < g.chiefDepth && !orInChief; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == Colour(kOr)) orInChief = true;
        EXPECT_FALSE(orInChief);
        // The later group is there, argent, in the chief.
        const auto placed = Placed(d);
        ASSERT_FALSE(placed.empty());
        EXPECT_LT(placed.back().y, g.chiefDepth);
        EXPECT_TRUE(Around(d, placed.back().x, placed.back().y, 4, Colour(kArgent)));
    }
}

// "between three mascles two and one": rows that are the ones the layout between a fess or a
// chevron sets are read, and drawn as without them (two above the ordinary, one below); beside a bend, whose layout sets them otherwise, they stay unread.
TEST(RowsBetweenTheOrdinary, TwoAndOneAsTheLayoutSetsThem) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Sable a fess between three mascles two and one or", "Sable a fess between three mascles or"},
        {"Argent a chevron between three roses two and one gules", "Argent a chevron between three roses gules"},
        {"Sable on a fess between three mullets two and one Or a crescent Sable",
         "Sable on a fess between three mullets Or a crescent Sable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
        const ShieldGeometry& g = printed.s().geometry;
        const auto placed = Placed(printed);
        ASSERT_GE(placed.size(), 3u);
        int above = 0, below = 0;
        for (std::size_t i = 0; i < 3; ++i) (placed[i].y < g.H2 ? above : below) += 1;
        EXPECT_EQ(above, 2);
        EXPECT_EQ(below, 1);
    }
    // The third mullet, below the fess, in its tincture at its middle.
    Drawing d;
    d.DrawClean("Sable on a fess between three mullets two and one Or a crescent Sable");
    const auto placed = Placed(d);
    EXPECT_EQ(d.At(placed[2].x, placed[2].y), Colour(kOr));
    d.Draw("Argent a bend between three roses two and one gules");
    EXPECT_FALSE(WordUsed(d, "two"));
}

// A group set in chief or in base keeps its part: "in fess" after it is the row the part sets
// (read), and an arrangement no layout keeps in the part ("in base two croziers in saltire") is
// left unread, the group still in its part; both were drawn across the middle of the shield.
TEST(GroupInAPart, KeepsItsPart) {
    struct Case {
        const char* blazon;
        bool inChief;
        int tincture;
    };
    const Case read[] = {
        {"Argent two bars Gules in chief three mullets in fess of the second", true, kGules},
        {"Azure a fess argent, in base three mullets in fess or", false, kOr},
    };
    for (const Case& c : read) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const auto placed = Placed(d);
        ASSERT_EQ(placed.size(), 3u);
        for (const PlacementTrace& p : placed) {
            EXPECT_EQ(p.y < g.H3, c.inChief);
            EXPECT_EQ(p.y > g.H - g.H3, !c.inChief);
            EXPECT_EQ(d.At(p.x, p.y), Colour(c.tincture));
        }
    }
    // A pair in saltire in its part: crossed there, in chief or in base.
    const Case crossed[] = {
        {"Azure a fess argent, in chief two swords in saltire or", true, kOr},
        {"Azure on a fess argent between in chief a mitre and in base two croziers in saltire or three rats passant sable",
         false, kOr},
    };
    for (const Case& c : crossed) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(WordUsed(d, "saltire"));
        const ShieldGeometry& g = d.s().geometry;
        int pairs = 0;
        for (const LevelTrace& l : d.trace.levels) {
            if (l.placements.size() != 2) continue;  // the pair
            ++pairs;
            EXPECT_EQ(l.placements[0].x, l.placements[1].x);
            EXPECT_EQ(l.placements[0].y, l.placements[1].y);
            for (const PlacementTrace& p : l.placements) EXPECT_EQ(p.y < g.H2, c.inChief);
        }
        EXPECT_EQ(pairs, 1);
    }
}

}  // namespace
}  // namespace esc::test
