// Drawings that were wrong while the drawing called itself clean: each case is checked by the
// pixels at points computed from the shield's geometry, where the wrong drawing and the right one
// differ.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "TestDrawing.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/layout/OrdinariesAboutTheFess.h"
#include "interpret/layout/WithinAnAnnulet.h"

namespace esc {
namespace {

bool HasIgnored(const test::Drawing& d, const std::string& word) {
    return std::find(d.trace.ignoredWords.begin(), d.trace.ignoredWords.end(), word) != d.trace.ignoredWords.end();
}

// How many runs of `colour` a row of the field holds, between the shield's flanks.
int RunsOnRow(const test::Drawing& d, int y, Rgb colour) {
    int runs = 0;
    bool inside = false;
    for (int x = 3; x < d.state->geometry.W - 3; ++x) {
        const bool match = d.At(x, y) == colour;
        if (match && !inside) ++runs;
        inside = match;
    }
    return runs;
}

// Of the pixels of `colour` in the square of half-side `half` round `a`, the share whose mirror
// image about the vertical line halfway between `a` and `b` (at b's height) has it too: near 1
// when the two charges face each other or turn their backs, near the share of a symmetric
// drawing when both face the same way.
double MirrorShare(const test::Drawing& d, const PlacementTrace& a, const PlacementTrace& b, int half, Rgb colour) {
    const int axis2 = a.x + b.x;  // twice the mirror line's column
    int painted = 0, mirrored = 0;
    for (int dy = -half; dy <= half; ++dy) {
        for (int dx = -half; dx <= half; ++dx) {
            const int x = a.x + dx, y = a.y + dy;
            const int mx = axis2 - x, my = b.y + dy;
            if (x < 0 || mx < 0 || y < 0 || my < 0 || x >= d.state->geometry.W || mx >= d.state->geometry.W) continue;
            if (!(d.At(x, y) == colour)) continue;
            ++painted;
            // A pixel either side: a picture and its mirror image are painted a column apart.
            if (d.At(mx, my) == colour || (mx > 0 && d.At(mx - 1, my) == colour) ||
                (mx + 1 < d.state->geometry.W && d.At(mx + 1, my) == colour))
                ++mirrored;
        }
    }
    return painted == 0 ? 0.0 : static_cast<double>(mirrored) / painted;
}

// A pair combatant or addorsed is turned in every layout that sets a pair side by side (between
// a pale and in chief the word was read and the pair drawn facing the same way). The trace says
// which was mirrored, and the painted charges are mirror images of each other.
TEST(PairTurned, CombatantOrAddorsedInEveryLayout) {
    struct Case { const char* blazon; bool firstMirrored, secondMirrored; int tincture; };
    const Case cases[] = {
        {"Vert, a pale azure fimbriated between two foxes sejant addorsed Or.", false, true, kOr},
        {"Quarterly vert and sable, in chief two roosters respectant Or.", true, false, kOr},
        {"Gules, on a pale between two dragons combattant argent a rapier sable.", true, false, kArgent},
        {"Argent two lions combatant gules", true, false, kGules},
        {"Or a pale sable between two lions addorsed gules", false, true, kGules},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        const LevelTrace* pair = nullptr;
        for (const LevelTrace& l : d.trace.levels)
            if (l.count == 2 && l.placements.size() == 2) pair = &l;
        ASSERT_NE(pair, nullptr);
        const PlacementTrace& a = pair->placements[0];
        const PlacementTrace& b = pair->placements[1];
        ASSERT_LT(a.x, b.x);  // the first placed is the dexter one
        EXPECT_EQ(a.mirrored, k.firstMirrored);
        EXPECT_EQ(b.mirrored, k.secondMirrored);
        const int half = static_cast<int>(a.scale * 60);
        EXPECT_GT(MirrorShare(d, a, b, half, test::Colour(k.tincture)), 0.85);
    }
}

// A lion and a lion facing the same way are no mirror images: the measure above tells the two
// apart (so a pair left unturned fails it).
TEST(PairTurned, TheMirrorMeasureTellsAnUnturnedPair) {
    test::Drawing d;
    d.Draw("Argent two lions rampant gules");
    ASSERT_EQ(d.trace.levels.size(), 1u);
    const std::vector<PlacementTrace>& p = d.trace.levels[0].placements;
    ASSERT_EQ(p.size(), 2u);
    EXPECT_FALSE(p[0].mirrored);
    EXPECT_FALSE(p[1].mirrored);
    EXPECT_LT(MirrorShare(d, p[0], p[1], static_cast<int>(p[0].scale * 60), test::Colour(kGules)), 0.7);
}

// A pair's turn said of one charge ("a lion combatant", "a boar counter-passant") turns nothing
// and was read as if it had: the word is told as read past, and the charge is drawn facing dexter.
TEST(PairTurned, SaidOfOneChargeIsReadPast) {
    const std::pair<const char*, const char*> cases[] = {
        {"Argent a lion counter passant gules", "counterpassant"},
        {"Or a boar passant counter-passant sable", "counterpassant"},
        {"Argent a lion combatant gules", "combatant"},
        {"Vert a fox sejant addorsed or", "addorsed"},
    };
    for (const auto& [blazon, word] : cases) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(HasIgnored(d, word));
        ASSERT_FALSE(d.trace.levels.empty());
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        EXPECT_FALSE(d.trace.levels[0].placements[0].mirrored);
    }
    test::Drawing pair;
    pair.Draw("Argent two lions counter passant gules");
    EXPECT_TRUE(pair.trace.ignoredWords.empty());
}

// "a fess between two chevrons": one chevron above the fess, its apex near the chief, and one
// below it (they were two chevronels at the centre, hidden by the fess but for two thin lines
// under it). The fess is whole over the upper chevron's limbs.
TEST(ChevronsAboutTheFess, OneAboveTheFessAndOneBelow) {
    struct Case { const char* blazon; int field, fess, chevrons; };
    const Case cases[] = {
        {"Or, a fess between two chevrons azure", kOr, kAzure, kAzure},
        {"Argent on a fess azure between two chevrons gules three escallops or", kArgent, kAzure, kGules},
        {"Sable a fess between two chevrons or", kSable, kOr, kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.state->geometry;
        const ChevronsAboutTheFessGeometry c = ChevronsAboutTheFessOf(g);
        const Rgb field = test::Colour(k.field), fess = test::Colour(k.fess), chevron = test::Colour(k.chevrons);
        // Each apex, and a point down each limb (40 degrees below the horizontal).
        for (const int apex : {c.upperApexY, c.lowerApexY}) {
            SCOPED_TRACE(apex);
            EXPECT_EQ(d.At(g.W2, apex), chevron);
            const int along = std::min(80, (c.fessTop - c.upperApexY) - 10);
            const int dx = static_cast<int>(along * std::cos(40.0 * 3.14159265 / 180));
            const int dy = static_cast<int>(along * std::sin(40.0 * 3.14159265 / 180));
            EXPECT_EQ(d.At(g.W2 - dx, apex + dy), chevron);
            EXPECT_EQ(d.At(g.W2 + dx, apex + dy), chevron);
        }
        // The field within the upper chevron and between the fess and the lower one.
        EXPECT_EQ(d.At(g.W2, (c.upperApexY + c.fessTop) / 2 + c.width / 2), field);
        EXPECT_EQ(d.At(g.W2, c.fessBottom + 3), field);
        // The fess across, also where the upper chevron's limbs run into it.
        const int limbInFess = static_cast<int>((c.fessTop + 10 - c.upperApexY) / std::tan(40.0 * 3.14159265 / 180));
        EXPECT_EQ(d.At(g.W2 - limbInFess, c.fessTop + 10), fess);
        EXPECT_EQ(d.At(g.W2 + limbInFess, c.fessTop + 10), fess);
        EXPECT_EQ(d.At(8, g.H2), fess);
    }
}

// "Or three bends azure" drew one bend: several bends are as many bands across a row of the
// shield (drawn as bendlets, as several chevrons are chevronels).
TEST(SeveralBends, AreDrawnAsMany) {
    struct Case { const char* blazon; int count; int tincture; };
    const Case cases[] = {
        {"Or a bend azure", 1, kAzure},
        {"Or two bends gules", 2, kGules},
        {"Or three bends azure", 3, kAzure},
        {"Argent two bends wavy sable", 2, kSable},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        // Along the line at right angles to the bends through the fess point, every band is crossed
        // once: sampled as the row through the centre, which each band also crosses once.
        EXPECT_EQ(RunsOnRow(d, d.state->geometry.H2, test::Colour(k.tincture)), k.count);
    }
}

// "a base embattled gules" and "a gyron argent" were read and drew nothing (the gyron was taken
// for gyronny and painted the whole field Or).
TEST(BaseAndGyron, AreDrawnWhereTheyStand) {
    struct Point { int x, y, tincture; };
    test::Drawing d;
    const ShieldGeometry& g = d.state->geometry;
    struct Case { const char* blazon; std::vector<Point> points; };
    d.Draw("Argent, a base vert");  // the geometry is set by the first drawing
    const int top = shapes::BaseUpperEdge(g);
    const Case cases[] = {
        {"Argent, a base vert", {{g.W2, top + 6, kVert}, {g.W4, g.H - 4, kVert}, {g.W2, g.H + 20, kVert}, {g.W2, top - 6, kArgent}}},
        // The embattlements rise above the edge by less than a third of the base's depth.
        {"Argent, a horse salient sable upon a base embattled gules.",
         {{g.W2, g.H - 4, kGules}, {8, (top + g.H) / 2 + 10, kGules}, {8, top - (g.H - top) / 3, kArgent}}},
        {"Vert, a gyron argent",
         {{6, g.H2 - 6, kArgent}, {g.W / 8, g.H * 3 / 8, kArgent}, {g.W2 - 20, g.H / 8, kVert}, {g.W - 8, 8, kVert},
          {g.W2 + 10, g.H2 + 10, kVert}, {6, g.H2 + 10, kVert}}},
        {"Sable, a gyron argent", {{g.W / 8, g.H * 3 / 8, kArgent}, {g.W - 8, g.H - 60, kSable}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        d.DrawClean(k.blazon);
        for (const Point& p : k.points) {
            SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
            EXPECT_EQ(d.At(p.x, p.y), test::Colour(p.tincture));
        }
    }
}

// "fimbriated" with no tincture after it takes the next tincture named: the edges of the pale
// were left out. Above the charges the only pixels of that tincture are the edges.
TEST(Fimbriated, WithoutItsTinctureTakesTheNextNamed) {
    const char* const blazons[] = {
        "Vert, a pale azure fimbriated between two foxes sejant addorsed Or.",
        "Sable, on a pale gules fimbriated, a rapier inverted Or.",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_FALSE(d.trace.levels.empty());
        EXPECT_EQ(d.trace.levels[0].secondTincture, kOr);
        // Two edges, one each side of the pale, on a row above every charge.
        EXPECT_EQ(RunsOnRow(d, 12, test::Colour(kOr)), 2);
    }
}

// A charge fimbriated has its edge painted round it (the word was read and nothing drawn): the
// edge's tincture lies in a narrow ring round the charge, outside its drawing, and nowhere else.
// A roundel, a disc, gets no edge, and the drawing says so.
TEST(Fimbriated, OnAChargeIsPaintedRoundIt) {
    // `whole`: the row through the centre crosses the drawing's body (no gap between limbs).
    struct Case { const char* blazon; int edge; bool whole; };
    const Case cases[] = {
        {"Gules, a heart sable fimbriated Or", kOr, true},
        {"Gules, upon a heart sable, fimbriated Or, a bend sinister ermine.", kOr, true},
        {"Sable, a tree blasted sable fimbriated argent.", kArgent, true},
        {"Argent a lion rampant gules fimbriated or", kOr, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_FALSE(d.trace.levels.empty());
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& p = d.trace.levels[0].placements[0];
        const ShieldGeometry& g = d.state->geometry;
        // Along the row through the charge's centre, the first pixel that is not the field's,
        // coming in from the dexter flank, is the edge.
        const Rgb edge = test::Colour(k.edge);
        const Rgb field = d.At(4, p.y);
        int x = 4;
        while (x < p.x && d.At(x, p.y) == field) ++x;
        ASSERT_LT(x, p.x);
        EXPECT_EQ(d.At(x, p.y), edge);
        // And the edge is narrow: a few pixels in, the charge's own outline or body.
        int run = 0;
        while (d.At(x + run, p.y) == edge) ++run;
        if (k.whole) {
            EXPECT_LE(run, 8);
        }
        // The edge's tincture is painted nowhere far from the charge.
        const int reach = static_cast<int>(p.scale * kChargeExtentAtScaleOne / 2) + 10;
        int far = 0;
        for (int y = 0; y < g.H; ++y)
            for (int c = 0; c < g.W; ++c)
                if (d.At(c, y) == edge && (std::abs(c - p.x) > reach || std::abs(y - p.y) > reach)) ++far;
        EXPECT_EQ(far, 0);
    }
    test::Drawing d;
    d.Draw("Gules a roundel sable fimbriated Or");
    EXPECT_TRUE(HasIgnored(d, "fimbriated"));
    d.Draw("Vert a bend gules fimbriated or");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
}

// "Sable three bars or in chief as many cinquefoils": "in chief" was taken for the bars, which
// were squeezed into the chief, and the cinquefoils set two and one. The bars now lie where bars
// lie and the cinquefoils stand in the room above the first, clear of it.
TEST(InChief, AsManyAfterBarsStandAboveThem) {
    test::Drawing d;
    d.Draw("Sable three bars or in chief as many cinquefoils of the last");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 2u);
    EXPECT_FALSE(d.trace.levels[0].in);
    const ShieldGeometry& g = d.state->geometry;
    const BarRows rows = BarsOnTheField(g, 3);
    ASSERT_EQ(rows.centres.size(), 3u);
    for (int centre : rows.centres) EXPECT_EQ(d.At(g.W2, centre), test::Colour(kOr));
    const std::vector<PlacementTrace>& p = d.trace.levels[1].placements;
    ASSERT_EQ(p.size(), 3u);
    const int barTop = rows.centres[0] - rows.width / 2;
    for (const PlacementTrace& c : p) {
        EXPECT_LT(c.y, barTop);
        // The field shows between each cinquefoil and the bar below it.
        EXPECT_EQ(d.At(c.x, barTop - 2), test::Colour(kSable));
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// The slope of the pixels of `colour`: the covariance of their columns and rows (positive when
// they run from the dexter chief down to the sinister base, as a bend does), and their spread.
struct Spread2 { double covariance = 0, across = 0, down = 0; int count = 0; };
Spread2 SpreadOf(const test::Drawing& d, Rgb colour) {
    const ShieldGeometry& g = d.state->geometry;
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    int n = 0;
    for (int y = 0; y < g.H; ++y)
        for (int x = 0; x < g.W; ++x)
            if (d.At(x, y) == colour) {
                sx += x; sy += y; sxx += 1.0 * x * x; syy += 1.0 * y * y; sxy += 1.0 * x * y;
                ++n;
            }
    if (n == 0) return {};
    const double mx = sx / n, my = sy / n;
    return {sxy / n - mx * my, std::sqrt(sxx / n - mx * mx), std::sqrt(syy / n - my * my), n};
}

// Charges on a bend sinister lie along it, turned the other way from a bend's ("on a bend
// sinister gules a sword argent" stood upright and small across the band); "palewise" keeps them
// upright. Measured by the slope of the charge's own tincture, which nothing else on the shield
// has.
TEST(BendSinister, ChargesLieAlongIt) {
    // slope: -1 along a bend sinister, 0 upright; turned: the picture is turned (the quill, drawn
    // leaning, is mirrored to lean the band's way instead).
    struct Case { const char* blazon; int tincture; int slope; bool turned; };
    const Case cases[] = {
        {"Or, on a bend sinister gules a sword argent", kArgent, -1, true},
        {"Azure, on a bend sinister between two bells Or a claymore azure.", kAzure, -1, true},
        {"Or, on a bend sinister sable a quill argent", kArgent, -1, false},
        {"Or, on a bend sinister gules a sword palewise argent", kArgent, 0, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_FALSE(d.trace.levels.empty());
        const LevelTrace& charge = d.trace.levels.back();
        ASSERT_EQ(charge.placements.size(), 1u);
        EXPECT_EQ(charge.placements[0].bendwise, k.turned);
        if (k.tincture == kAzure) continue;  // the azure field shares the claymore's tincture
        const Spread2 spread = SpreadOf(d, test::Colour(k.tincture));
        ASSERT_GT(spread.count, 100);
        const double correlation = spread.covariance / (spread.across * spread.down);
        if (k.slope < 0) {
            EXPECT_LT(correlation, -0.8);
        } else {
            EXPECT_GT(spread.down, 2 * spread.across);
        }
    }
    // Several lie along it too, each turned.
    test::Drawing d;
    d.Draw("Or, on a bend sinister gules three lions passant argent");
    ASSERT_EQ(d.trace.levels.back().placements.size(), 3u);
    for (const PlacementTrace& p : d.trace.levels.back().placements) EXPECT_TRUE(p.bendwise);
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "a roundel and a mullet gules": the roundel, which names no tincture, takes the one named after
// the charges that follow it, as any other charge does (it was painted Or, a bezant).
TEST(RoundelTincture, IsTheOneNamedAfterTheChargesThatFollow) {
    test::Drawing d;
    d.Draw("Argent, a roundel and a mullet gules");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 2u);
    ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
    const PlacementTrace& roundel = d.trace.levels[0].placements[0];
    EXPECT_EQ(d.At(roundel.x, roundel.y), test::Colour(kGules));
    // Counterchanged on a field per pale: each half of the roundel in the other half's tincture.
    d.Draw("Per pale sable and argent, in fess an increscent, a roundel and a decrescent within a bordure embattled "
           "counterchanged.");
    ASSERT_GE(d.trace.levels.size(), 2u);
    ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
    const PlacementTrace& parted = d.trace.levels[1].placements[0];
    const int x = d.state->geometry.W2;
    ASSERT_EQ(parted.x, x);  // on the line of the partition
    EXPECT_EQ(d.At(x - 10, parted.y), test::Colour(kArgent));
    EXPECT_EQ(d.At(x + 10, parted.y), test::Colour(kSable));
}

// The second group between, written "in bend" or "in pale" like its ordinary, stands on the side
// the first group leaves (it was laid along the ordinary, on it).
TEST(SecondGroupBetween, InTheOrdinarysWayTakesTheOtherSide) {
    test::Drawing d;
    d.Draw("Per pale azure and sable, a pale wavy argent between a sun Or and three mullets of four points in pale "
           "argent.");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    const ShieldGeometry& g = d.state->geometry;
    ASSERT_EQ(d.trace.levels.size(), 3u);
    const std::vector<PlacementTrace>& sun = d.trace.levels[1].placements;
    const std::vector<PlacementTrace>& mullets = d.trace.levels[2].placements;
    ASSERT_EQ(sun.size(), 1u);
    ASSERT_EQ(mullets.size(), 3u);
    EXPECT_LT(sun[0].x, g.W3);
    for (const PlacementTrace& p : mullets) {
        EXPECT_GT(p.x, g.W - g.W3);  // clear of the pale
        EXPECT_EQ(p.x, mullets[0].x);  // in pale
        EXPECT_EQ(d.At(p.x, p.y), test::Colour(kArgent));
    }
    d.Draw("Per bend azure and argent, a bend between a roundel and four mullets in bend counterchanged.");
    ASSERT_EQ(d.trace.levels.size(), 3u);
    ASSERT_EQ(d.trace.levels[2].placements.size(), 4u);
    for (const PlacementTrace& p : d.trace.levels[2].placements) {
        // Below the bend: the diagonal from the dexter chief, and the bend's half-width under it.
        EXPECT_GT(p.y, p.x * g.H / g.W + g.chiefDepth / 2);
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "charged with" after an ordinary that has its tincture lays the charges on that ordinary: they
// were laid on whichever ordinary an earlier "on" had named (or the fess, by default): eight roses
// in a row across the fess line under the lion, three buckles on the fess the bend surmounts.
TEST(ChargedWith, AfterAnOrdinaryWithItsTinctureLieOnIt) {
    test::Drawing d;
    const ShieldGeometry& g = d.state->geometry;
    d.Draw("Gules a lion rampant argent within a bordure argent charged with eight roses gules");
    ASSERT_EQ(d.trace.levels.size(), 3u);
    ASSERT_EQ(d.trace.levels[2].placements.size(), 8u);
    for (const PlacementTrace& p : d.trace.levels[2].placements) {
        const int fromEdge = std::min({p.x, g.W - p.x, p.y, g.H - p.y});
        EXPECT_LT(fromEdge, g.W / 12) << p.x << "," << p.y;  // on the bordure, not across the field
    }
    d.Draw("Or a fess chequy azure and argent surmounted of a bend gules charged with three buckles or");
    ASSERT_EQ(d.trace.levels.size(), 3u);
    ASSERT_EQ(d.trace.levels[2].placements.size(), 3u);
    for (const PlacementTrace& p : d.trace.levels[2].placements) {
        EXPECT_NEAR(p.y, p.x * g.H / g.W, g.H / 20) << p.x;  // along the bend's middle
        EXPECT_TRUE(d.At(p.x + 12, p.y - 12) == test::Colour(kGules) || d.At(p.x + 12, p.y - 12) == test::Colour(kOr));
    }
    d.Draw("Sable within a bordure engrailed or a cross engrailed of the last charged with five pellets");
    ASSERT_EQ(d.trace.levels.size(), 3u);
    ASSERT_EQ(d.trace.levels[2].placements.size(), 5u);
    for (const PlacementTrace& p : d.trace.levels[2].placements) {
        EXPECT_TRUE(p.x == g.W2 || std::abs(p.y - g.H2) < 10) << p.x << "," << p.y;  // on a limb of the cross
        EXPECT_EQ(d.At(p.x, p.y), test::Colour(kSable));
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

constexpr int kNear = 25;  // pixels round a charge's centre: within it, well inside an ordinary's width

// "on a bend azure a mullet between two crescents Or": all three lie on the ordinary, the two
// beside the one (the two were set round the ordinary on the field). Each of the two is where the
// ordinary is drawn, and its tincture is painted there.
TEST(BetweenOnTheOrdinary, OneBetweenTwoAllOnIt) {
    struct Case { const char* blazon; ShapeCode shape; int ordinary, tincture; };
    const Case cases[] = {
        {"Or on a bend azure a mullet of six points between two crescents of the field", ShapeCode::kBend, kAzure, kOr},
        {"Sable on a bend cotised argent a rose gules between two annulets of the field", ShapeCode::kBend, kArgent, kSable},
        {"Argent on a fess gules a rose between two mullets or", ShapeCode::kFess, kGules, kOr},
        {"Argent on a pale gules a rose between two mullets or", ShapeCode::kPale, kGules, kOr},
        {"Argent on a bend sinister gules a rose between two mullets or", ShapeCode::kBendSinister, kGules, kOr},
        {"Argent on a chevron gules a rose between two mullets or", ShapeCode::kChevron, kGules, kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        const ShieldGeometry& g = d.state->geometry;
        ASSERT_EQ(d.trace.levels.size(), 3u);
        const std::vector<PlacementTrace>& two = d.trace.levels[2].placements;
        ASSERT_EQ(two.size(), 2u);
        for (const PlacementTrace& p : two) {
            switch (k.shape) {
                case ShapeCode::kBend: EXPECT_NEAR(p.y, p.x * g.H / g.W, g.H / 20); break;
                case ShapeCode::kBendSinister: EXPECT_NEAR(p.y, (g.W - p.x) * g.H / g.W, g.H / 20); break;
                case ShapeCode::kFess: EXPECT_EQ(p.y, g.H2); break;
                case ShapeCode::kPale: EXPECT_EQ(p.x, g.W2); break;
                default: EXPECT_GT(p.y, g.H2); break;  // on the limbs, below the apex
            }
            // Round its centre both the charge's tincture and the ordinary's: it is painted, and on
            // the ordinary (round the ordinary, on the field, the ordinary's tincture is not there).
            bool painted = false, onIt = false;
            for (int dy = -kNear; dy <= kNear; ++dy)
                for (int dx = -kNear; dx <= kNear; ++dx) {
                    painted = painted || d.At(p.x + dx, p.y + dy) == test::Colour(k.tincture);
                    onIt = onIt || d.At(p.x + dx, p.y + dy) == test::Colour(k.ordinary);
                }
            EXPECT_TRUE(painted) << p.x << "," << p.y;
            EXPECT_TRUE(onIt) << p.x << "," << p.y;
        }
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "Gules an elephant argent on a mount or": the mount lies in base and the elephant stands on it
// (the mount was drawn at the centre, over the elephant, and the base was the field's).
TEST(OnAMount, TheChargeStandsOnTheMountInBase) {
    struct Case { const char* blazon; int field, charge, mount; };
    const Case cases[] = {
        {"Gules an elephant argent on a mount or", kGules, kArgent, kOr},
        {"Azure a lion rampant or on a mount vert", kAzure, kOr, kVert},
        {"Argent, a horse salient gules on a mount vert", kArgent, kGules, kVert},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        const ShieldGeometry& g = d.state->geometry;
        const int summit = g.H - g.H * kMountHeightPercent / 100;
        EXPECT_EQ(d.At(g.W2, g.H - 10), test::Colour(k.mount));
        EXPECT_EQ(d.At(g.W2, summit + 20), test::Colour(k.mount));
        EXPECT_EQ(d.At(8, summit - 20), test::Colour(k.field));
        // The charge above the summit, and down to it: its lowest pixel lies within a few rows of it.
        int lowest = -1, count = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == test::Colour(k.charge)) {
                    lowest = std::max(lowest, y);
                    ++count;
                }
        EXPECT_GT(count, 2000);  // drawn large, not a small charge over the mount
        EXPECT_NEAR(lowest, summit, 12);
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "a lion rampant argent within an annulet or": the ring about the centre and the lion inside
// it (they stood side by side, the annulet small). Sampled round the ring's band, and every pixel
// of the lion's tincture within its hole.
TEST(WithinAnAnnulet, TheChargeStandsInsideTheRing) {
    struct Case { const char* blazon; int charge, ring; };
    const Case cases[] = {
        {"Azure a lion rampant argent within an annulet or", kArgent, kOr},
        {"Sable, a griffin segreant argent within an annulet Or.", kArgent, kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.state->geometry;
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const PlacementTrace& ring = d.trace.levels[1].placements[0];
        const double outer = g.W * kAnnuletWidthPercent / 200.0;
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
            const int x = ring.x + static_cast<int>(dx * 0.85 * outer), y = ring.y + static_cast<int>(dy * 0.85 * outer);
            EXPECT_EQ(d.At(x, y), test::Colour(k.ring)) << x << "," << y;
        }
        int inside = 0, outside = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == test::Colour(k.charge))
                    ++(std::hypot(x - ring.x, y - ring.y) < 0.7 * outer ? inside : outside);
        EXPECT_GT(inside, 2000);
        EXPECT_EQ(outside, 0);
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "Argent a cross patonce voided gules" painted the cross solid: a charge voided shows the field
// through it, inside a narrow edge of its tincture.
TEST(VoidedCharge, TheFieldShowsThroughIt) {
    struct Case { const char* blazon; int field, charge; };
    const Case cases[] = {
        {"Argent a cross patonce voided gules", kArgent, kGules},
        {"Azure a mullet voided or", kAzure, kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_EQ(d.trace.levels.size(), 1u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& p = d.trace.levels[0].placements[0];
        EXPECT_EQ(d.At(p.x, p.y), test::Colour(k.field));
        // Coming in from the dexter flank along the centre row: field, the edge (outline and the
        // charge's tincture, a few pixels), then the field again before the centre.
        const Rgb field = test::Colour(k.field), charge = test::Colour(k.charge);
        int x = 4;
        while (x < p.x && d.At(x, p.y) == field) ++x;
        const int edgeStart = x;
        bool tinctureSeen = false;
        while (x < p.x && !(d.At(x, p.y) == field)) {
            tinctureSeen = tinctureSeen || d.At(x, p.y) == charge;
            ++x;
        }
        EXPECT_TRUE(tinctureSeen);
        EXPECT_LT(x, p.x);                // the field again inside
        EXPECT_LE(x - edgeStart, 24);     // across a narrow edge (solid, it ran to the centre)
    }
    // Over a parted field the word is read as well: each part shows through where it lies.
    test::Drawing d;
    d.Draw("Per bend azure and argent, a Latin cross voided and counterchanged.");
    EXPECT_FALSE(HasIgnored(d, "voided"));
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "Gules a key in bend argent" stood a small key upright at the centre: one charge in bend lies
// along the diagonal, long; in bend sinister the other way, so that Macgregor's sword in bend and
// oak tree in bend sinister cross in saltire.
TEST(InBend, OneChargeLiesAlongTheDiagonal) {
    struct Case { const char* blazon; int tincture; int slope; };  // +1 in bend, -1 in bend sinister
    const Case cases[] = {
        {"Gules a key in bend argent", kArgent, 1},
        {"Argent a sword in bend azure and an oak tree eradicated in bend sinister proper in chief an antique crown gules",
         kAzure, 1},
        {"Or a sword in bend sinister gules", kGules, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_FALSE(d.trace.levels.empty());
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        EXPECT_TRUE(d.trace.levels[0].placements[0].bendwise);
        const Spread2 spread = SpreadOf(d, test::Colour(k.tincture));
        ASSERT_GT(spread.count, 500);
        EXPECT_GT(k.slope * spread.covariance / (spread.across * spread.down), 0.8);
        EXPECT_GT(spread.across, d.state->geometry.W / 8);  // long: spread well across the shield
    }
}

}  // namespace
}  // namespace esc
