// Ordinaries in their less common forms: a pale or a pile raised or lowered, a bend reversed, an
// ordinary nowy, quarterly with a line on its line down the pale, and the cross patée throughout. Each drawn at
// paint scales 1 and 2 and checked at points computed from the shield's geometry.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "engine/OrdinaryShapes.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

constexpr double kFormScales[] = {1.0, 2.0};

void DrawFormAt(Drawing& d, double k, const std::string& blazon) {
    d.s().SetPaintScale(k);
    d.DrawClean(blazon);
}

// The lowest row in column x painted `c`; -1 when none is.
int LastRowIn(const Drawing& d, int x, Rgb c) {
    for (int y = d.state->picture.Height() - 1; y >= 0; --y)
        if (d.At(x, y) == c) return y;
    return -1;
}

int FirstRowOf(const Drawing& d, int x, Rgb c) {
    for (int y = 0; y < d.state->picture.Height(); ++y)
        if (d.At(x, y) == c) return y;
    return -1;
}

TEST(OrdinaryForms, PaleEnhancedStopsShortOfThePointAbasedShortOfTheChief) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        for (const char* line : {"", " engrailed", " wavy"}) {
            SCOPED_TRACE(line);
            Drawing usual, enhanced, abased;
            DrawFormAt(usual, k, std::string("Argent a pale") + line + " gules");
            DrawFormAt(enhanced, k, std::string("Argent a pale") + line + " enhanced gules");
            DrawFormAt(abased, k, std::string("Argent a pale") + line + " abased gules");
            const ShieldGeometry& g = usual.s().geometry;
            const Rgb gules = Colour(kGules);
            // Along the pale line: the usual pale from the top to the point, the enhanced one ending
            // a sixth of the height higher, the abased one beginning a sixth of the height down.
            const int foot = LastRowIn(usual, g.W2, gules), head = FirstRowOf(usual, g.W2, gules);
            ASSERT_GT(foot, g.H2);
            EXPECT_NEAR(LastRowIn(enhanced, g.W2, gules), foot - g.H / 6, g.Px(4));
            EXPECT_NEAR(FirstRowOf(enhanced, g.W2, gules), head, g.Px(2));
            EXPECT_NEAR(FirstRowOf(abased, g.W2, gules), head + g.H / 6, g.Px(4));
            EXPECT_NEAR(LastRowIn(abased, g.W2, gules), foot, g.Px(2));
            EXPECT_EQ(enhanced.At(g.W2, g.H2), gules);
            EXPECT_EQ(abased.At(g.W2, g.H2), gules);
        }
    }
    // Cotises would still run the whole height beside a raised pale: the position is said.
    Drawing cotised;
    cotised.Draw("Argent a pale enhanced cotised gules");
    EXPECT_FALSE(WordUsed(cotised, "enhanced"));
}

TEST(OrdinaryForms, PileEnhancedRaisesItsPointAbasedLowersItsFoot) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        Drawing usual, enhanced;
        DrawFormAt(usual, k, "Argent a pile gules");
        DrawFormAt(enhanced, k, "Argent a pile enhanced gules");
        const ShieldGeometry& g = usual.s().geometry;
        const int point = LastRowIn(usual, g.W2, Colour(kGules)), foot = FirstRowOf(usual, g.W2, Colour(kGules));
        ASSERT_GT(point, g.H2);
        EXPECT_NEAR(LastRowIn(enhanced, g.W2, Colour(kGules)), point - g.H / 6, g.Px(4));
        // Its foot still spans the chief.
        EXPECT_EQ(enhanced.At(g.W / 4, g.Px(4)), Colour(kGules));
        // Lowered, the foot stands a sixth of the height off the chief and the point where it was;
        // plain or with a line, the pile is whole below its foot.
        for (const char* line : {"", " indented", " wavy"}) {
            SCOPED_TRACE(line);
            Drawing abased;
            DrawFormAt(abased, k, std::string("Argent a pile") + line + " abased gules");
            EXPECT_NEAR(FirstRowOf(abased, g.W2, Colour(kGules)), foot + g.H / 6, g.Px(4));
            EXPECT_EQ(abased.At(g.W / 4, foot + g.Px(4)), Colour(kArgent));
            EXPECT_EQ(abased.At(g.W2, g.H2), Colour(kGules));
            EXPECT_GT(LastRowIn(abased, g.W2, Colour(kGules)), g.H2 + g.H / 4);
        }
    }
}

TEST(OrdinaryForms, BendReversedRunsTheOtherDiagonal) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        // Turned over, a bend runs from the sinister chief: the bend sinister; and back again.
        for (const auto& [reversed, other] : {std::pair{"a bend reversed", "a bend sinister"},
                                              std::pair{"a bend sinister reversed", "a bend"},
                                              std::pair{"a bend wavy reversed", "a bend sinister wavy"},
                                              std::pair{"two bendlets reversed", "two bendlets sinister"}}) {
            SCOPED_TRACE(reversed);
            Drawing d, expected;
            DrawFormAt(d, k, std::string("Argent ") + reversed + " gules");
            DrawFormAt(expected, k, std::string("Argent ") + other + " gules");
            EXPECT_TRUE(d.s().picture == expected.s().picture);
        }
        Drawing d;
        DrawFormAt(d, k, "Argent a bend reversed gules");
        const ShieldGeometry& g = d.s().geometry;
        // On the sinister diagonal, clear of the dexter one.
        EXPECT_EQ(d.At(g.W - g.W / 4, g.H / 4), Colour(kGules));
        EXPECT_EQ(d.At(g.W / 4, g.H / 4), Colour(kArgent));
    }
}

TEST(OrdinaryForms, CrossNowyIsTheOrdinaryWithABossCoupedIsThePicture) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        for (const char* line : {"", " engrailed"}) {
            SCOPED_TRACE(line);
            Drawing plain, nowy;
            DrawFormAt(plain, k, std::string("Argent a cross") + line + " gules");
            DrawFormAt(nowy, k, std::string("Argent a cross") + line + " nowy gules");
            const ShieldGeometry& g = nowy.s().geometry;
            // Throughout: the limbs reach every edge, as the plain cross's do.
            for (const auto& [x, y] : {std::pair{g.W2, g.Px(3)}, std::pair{g.Px(3), g.H2}, std::pair{g.W - g.Px(3), g.H2}})
                EXPECT_EQ(nowy.At(x, y), Colour(kGules)) << x << "," << y;
            // In the angle beside the crossing, within the boss's reach: gules on the nowy cross
            // only. A limb is 0.8 of the chief's depth across and the boss as wide as two limbs.
            const int c = static_cast<int>(g.chiefDepth * 0.8) / 2, off = c + c / 4;
            for (const auto& [x, y] : {std::pair{g.W2 - off, g.H2 - off}, std::pair{g.W2 + off, g.H2 + off}}) {
                if (*line == '\0') {
                    EXPECT_EQ(plain.At(x, y), Colour(kArgent));
                }
                EXPECT_EQ(nowy.At(x, y), Colour(kGules)) << x << "," << y;
            }
            // Away from the crossing it is the plain cross.
            EXPECT_EQ(nowy.At(g.W / 5, g.H / 5), plain.At(g.W / 5, g.H / 5));
            EXPECT_EQ(nowy.s().model.arms.groups[0].members[0].modifiers.variant, "no");
        }
        // Couped, it is the picture, clear of the edges; the fitched one likewise.
        for (const char* blazon : {"Argent a cross nowy couped gules", "Argent a cross nowy fitchy gules"}) {
            SCOPED_TRACE(blazon);
            Drawing couped;
            DrawFormAt(couped, k, blazon);
            const ShieldGeometry& g = couped.s().geometry;
            EXPECT_EQ(couped.At(g.W2, g.Px(3)), Colour(kArgent));
            EXPECT_EQ(couped.At(g.Px(3), g.H2), Colour(kArgent));
        }
    }
}

TEST(OrdinaryForms, NowyBossStandsOutPastTheEdgesAtTheMiddle) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        struct Case {
            const char* ordinary;
            int x, y;  // a point inside the boss and outside the plain ordinary
        };
        Drawing probe;
        probe.s().SetPaintScale(k);
        probe.Draw("Argent");
        const ShieldGeometry& g = probe.s().geometry;
        const int D = g.chiefDepth, c = shapes::PaleHalfWidth(g), b = shapes::ChiefLowerEdge(g);
        // The boss reaches three quarters of the band's breadth from the middle (a chief's half
        // boss three quarters of its depth below its edge): a point halfway out past the edge.
        const int fessOut = (D * 3 / 4 - D / 2) / 2, paleOut = (2 * c * 3 / 4 - c) / 2, chiefOut = b * 3 / 4 / 2;
        for (const Case t : {Case{"fess", g.W2, g.H2 - D / 2 - fessOut}, Case{"fess", g.W2, g.H2 + D / 2 + fessOut},
                             Case{"pale", g.W2 - c - paleOut, g.H2}, Case{"pale", g.W2 + c + paleOut, g.H2},
                             Case{"chief", g.W2, b + chiefOut}}) {
            SCOPED_TRACE(t.ordinary);
            Drawing plain, nowy;
            DrawFormAt(plain, k, std::string("Argent a ") + t.ordinary + " gules");
            DrawFormAt(nowy, k, std::string("Argent a ") + t.ordinary + " nowy gules");
            EXPECT_EQ(plain.At(t.x, t.y), Colour(kArgent));
            EXPECT_EQ(nowy.At(t.x, t.y), Colour(kGules));
            // Away from the middle, the nowy ordinary is the plain one.
            const int awayX = t.x == g.W2 ? g.W / 5 : t.x, awayY = t.x == g.W2 ? t.y : g.H2 + g.H / 4;
            EXPECT_EQ(nowy.At(awayX, awayY), plain.At(awayX, awayY));
        }
    }
}

// How far gules runs from (x, y) in the direction (dx, dy), in steps of one pixel.
int GulesReach(const Drawing& d, int x, int y, double dx, double dy) {
    const double length = std::sqrt(dx * dx + dy * dy);
    int r = 0;
    while (r < d.state->geometry.W && d.At(x + static_cast<int>(std::lround(r * dx / length)),
                                           y + static_cast<int>(std::lround(r * dy / length))) == Colour(kGules))
        ++r;
    return r;
}

TEST(OrdinaryForms, NowyBendCarriesItsBossAtTheMiddle) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        // The bend and the bend sinister: across the band from its middle, the boss reaches past
        // the edge; a quarter of the way along, the band is the plain one.
        struct Case {
            const char* ordinary;
            double acrossX, acrossY;  // from the middle, across the band (or into an angle)
        };
        for (const Case t : {Case{"bend", 1.0, -1.0}, Case{"bend sinister", 1.0, 1.0}}) {
            SCOPED_TRACE(t.ordinary);
            Drawing plain, nowy;
            DrawFormAt(plain, k, std::string("Argent a ") + t.ordinary + " gules");
            DrawFormAt(nowy, k, std::string("Argent a ") + t.ordinary + " nowy gules");
            const ShieldGeometry& g = plain.s().geometry;
            // Across the band: normal to the shield's diagonal it runs along.
            const double ax = t.acrossX * g.H, ay = t.acrossY * g.W;
            const int plainReach = GulesReach(plain, g.W2, g.H2, ax, ay), nowyReach = GulesReach(nowy, g.W2, g.H2, ax, ay);
            EXPECT_GE(nowyReach, plainReach + g.Px(3));
            const int qx = t.acrossY < 0 ? g.W / 4 : g.W - g.W / 4, qy = g.H / 4;
            EXPECT_EQ(GulesReach(nowy, qx, qy, ax, ay), GulesReach(plain, qx, qy, ax, ay));
        }
    }
}

TEST(OrdinaryForms, UndrawnFormsAreReadPast) {
    // Forms with no drawing of their own are said, never drawn as the usual ordinary counted clean.
    for (const auto& [blazon, word] : {std::pair{"Per pale indented and wavy argent and gules", "wavy"},
                                       std::pair{"Per bend indented and wavy argent and gules", "wavy"}}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(WordUsed(d, word));
    }
}

TEST(OrdinaryForms, QuarterlyPerPaleWithALineKeepsItsQuartersAndStylesTheLineDown) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        for (const char* line : {"dovetailed", "indented", "embattled", "wavy"}) {
            SCOPED_TRACE(line);
            Drawing d, perFess;
            DrawFormAt(d, k, std::string("Quarterly per pale ") + line + " or and gules");
            const ShieldGeometry& g = d.s().geometry;
            const Rgb first = Colour(kOr), second = Colour(kGules);
            EXPECT_EQ(d.At(g.W / 8, g.H / 4), first);
            EXPECT_EQ(d.At(g.W - g.W / 8, g.H / 4), second);
            EXPECT_EQ(d.At(g.W / 8, g.H2 + g.H / 4), second);
            EXPECT_EQ(d.At(g.W - g.W / 8, g.H2 + g.H / 4), first);
            // The line across is plain: just above and below it, straight across the shield.
            for (const int x : {g.W / 8, g.W / 3}) {
                EXPECT_EQ(d.At(x, g.H2 - g.Px(3)), first);
                EXPECT_EQ(d.At(x, g.H2 + g.Px(4)), second);
            }
            // The line down is styled: a column just off the middle changes tincture along each half.
            int changesAbove = 0, changesBelow = 0;
            for (const int x : {g.W2 - g.Px(4), g.W2 + g.Px(4)})
                for (int y = g.Px(4); y < g.H - g.Px(4); ++y) {
                    if (y == g.H2 || y == g.H2 + 1) continue;
                    const bool change = d.At(x, y) != d.At(x, y - 1);
                    (y < g.H2 ? changesAbove : changesBelow) += change ? 1 : 0;
                }
            EXPECT_GE(changesAbove, 2);
            EXPECT_GE(changesBelow, 2);
        }
    }
}

TEST(OrdinaryForms, CrossPateeThroughoutWidensToEveryEdge) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        for (const char* blazon : {"Argent a cross patee throughout gules", "Argent a cross formy throughout gules"}) {
            SCOPED_TRACE(blazon);
            Drawing d;
            DrawFormAt(d, k, blazon);
            const ShieldGeometry& g = d.s().geometry;
            const Rgb gules = Colour(kGules), argent = Colour(kArgent);
            // Each arm's end spans 44% of the width where it meets the edge, and is narrow at the
            // crossing: the field shows close beside the middle, between the arms.
            const int e = g.W * 44 / 100 / 2, in = g.Px(8);
            EXPECT_EQ(d.At(g.W2 - e + in, g.Px(3)), gules);
            EXPECT_EQ(d.At(g.W2 + e - in, g.Px(3)), gules);
            EXPECT_EQ(d.At(g.W2 - e - in, g.Px(3)), argent);
            EXPECT_EQ(d.At(g.Px(3), g.H2 - e + in), gules);
            EXPECT_EQ(d.At(g.W - g.Px(3), g.H2 + e - in), gules);
            EXPECT_EQ(d.At(g.W - g.Px(3), g.H2 + e + in), argent);
            EXPECT_EQ(d.At(g.W2 + g.chiefDepth / 2, g.H2 - g.chiefDepth / 2), argent);
            EXPECT_EQ(d.At(g.W2, g.H2), gules);
        }
    }
    // Alone, the cross patée is its picture, clear of the edges.
    Drawing alone;
    alone.DrawClean("Argent a cross patee gules");
    const ShieldGeometry& g = alone.s().geometry;
    EXPECT_EQ(alone.At(g.W2, g.Px(3)), Colour(kArgent));
}

// How far gules runs from the fess point toward the dexter flank along the middle row.
int SaltireGulesRunFromTheMiddle(Drawing& d) {
    const ShieldGeometry& g = d.s().geometry;
    int x = g.W2;
    while (x > 0 && d.At(x - 1, g.H2) == Colour(kGules)) --x;
    return g.W2 - x;
}

TEST(OrdinaryForms, SaltireNowyCoupedIsTheCoupedSaltireWithItsBoss) {
    for (const double k : kFormScales) {
        SCOPED_TRACE(k);
        Drawing nowy, couped;
        DrawFormAt(nowy, k, "Argent a saltire nowy couped gules");  // every word read
        DrawFormAt(couped, k, "Argent a saltire couped gules");
        const ShieldGeometry& g = nowy.s().geometry;
        EXPECT_EQ(nowy.s().model.arms.groups[0].members[0].modifiers.variant, "no");
        // Couped: the corners of the field, where the ordinary's limbs would run, stay argent.
        for (const auto& [x, y] : {std::pair{g.Px(4), g.Px(4)}, std::pair{g.W - g.Px(4), g.Px(4)}})
            EXPECT_EQ(nowy.At(x, y), Colour(kArgent)) << x << "," << y;
        EXPECT_EQ(nowy.At(g.W2, g.H2), Colour(kGules));
        // The boss stands out across the crossing further than the couped saltire's limbs do.
        EXPECT_GT(SaltireGulesRunFromTheMiddle(nowy), SaltireGulesRunFromTheMiddle(couped) + g.Px(4));
    }
}

}  // namespace
}  // namespace esc::test
