// Ordinaries and lines of partition moved from their usual place (enhanced, abased, couped),
// counter-embattled against bretessed, and an ordinary with a different line on each side: each
// drawn at paint scales 1 and 2 and checked at points computed from the shield's geometry.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

constexpr double kScales[] = {1.0, 2.0};

// The first row from the top, in column x, painted `c`; -1 when none is.
int FirstRowIn(const Drawing& d, int x, Rgb c) {
    for (int y = 0; y < d.state->picture.Height(); ++y)
        if (d.At(x, y) == c) return y;
    return -1;
}

void DrawAt(Drawing& d, double k, const std::string& blazon) {
    d.s().SetPaintScale(k);
    d.DrawClean(blazon);
}

TEST(OrdinaryPosition, EnhancedAndAbasedOrdinariesMoveASixthOfTheHeight) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        for (const char* ordinary : {"fess", "bend", "bend sinister", "chevron"}) {
            SCOPED_TRACE(ordinary);
            Drawing usual, enhanced, abased;
            DrawAt(usual, k, std::string("Argent a ") + ordinary + " gules");
            DrawAt(enhanced, k, std::string("Argent a ") + ordinary + " enhanced gules");
            DrawAt(abased, k, std::string("Argent a ") + ordinary + " abased gules");
            const ShieldGeometry& g = usual.s().geometry;
            // The upper edge where it crosses the pale line.
            const int top = FirstRowIn(usual, g.W2, Colour(kGules));
            ASSERT_GT(top, 0);
            EXPECT_NEAR(FirstRowIn(enhanced, g.W2, Colour(kGules)), top - g.H / 6, g.Px(4));
            EXPECT_NEAR(FirstRowIn(abased, g.W2, Colour(kGules)), top + g.H / 6, g.Px(4));
        }
    }
}

TEST(OrdinaryPosition, FessPlacesAndTheWordsRead) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing enhanced, abased, afterTincture;
        DrawAt(enhanced, k, "Argent a fess enhanced gules");
        DrawAt(abased, k, "Argent a fess dehanced gules");
        DrawAt(afterTincture, k, "Argent a fess gules enhanced");
        const ShieldGeometry& g = enhanced.state->geometry;
        const int up = g.H2 - g.H / 6, down = g.H2 + g.H / 6;
        for (const int x : {g.W / 8, g.W2, g.W - g.W / 8}) {
            EXPECT_EQ(enhanced.At(x, up), Colour(kGules));
            EXPECT_EQ(enhanced.At(x, g.H2 + g.chiefDepth / 4), Colour(kArgent));
            EXPECT_EQ(afterTincture.At(x, up), Colour(kGules));
            EXPECT_EQ(abased.At(x, down), Colour(kGules));
            EXPECT_EQ(abased.At(x, g.H2 - g.chiefDepth / 4), Colour(kArgent));
        }
    }
}

TEST(OrdinaryPosition, PartitionLinesEnhancedAndAbased) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        struct Case {
            const char* blazon;
            int shift;  // sixths of the height the line moves
        };
        for (const Case c : {Case{"Per fess enhanced argent and gules", -1}, Case{"Per fess abased argent and gules", 1},
                             Case{"Per fess wavy enhanced argent and gules", -1},
                             Case{"Per fess indented abased argent and gules", 1}}) {
            SCOPED_TRACE(c.blazon);
            Drawing d;
            DrawAt(d, k, c.blazon);
            const ShieldGeometry& g = d.state->geometry;
            const int line = g.H2 + c.shift * g.H / 6, clear = g.H / 12;
            for (const int x : {g.W / 6, g.W2, g.W - g.W / 6}) {
                EXPECT_EQ(d.At(x, line - clear), Colour(kArgent)) << x;
                EXPECT_EQ(d.At(x, line + clear), Colour(kGules)) << x;
                // The second tincture reaches the foot of the shield.
                EXPECT_EQ(d.At(x, g.straightBottom - g.Px(4)), Colour(kGules)) << x;
            }
            EXPECT_EQ(d.At(g.W2, g.shieldBottom - g.Px(6)), Colour(kGules));
        }
        for (const char* blazon : {"Per bend enhanced argent and gules", "Per bend abased argent and gules",
                                   "Per bend sinister wavy enhanced argent and gules",
                                   "Per bend sinister abased argent and gules"}) {
            SCOPED_TRACE(blazon);
            Drawing d;
            DrawAt(d, k, blazon);
            const ShieldGeometry& g = d.s().geometry;
            const int shift = std::string(blazon).find("enhanced") != std::string::npos ? -g.H / 6 : g.H / 6;
            const bool sinister = std::string(blazon).find("sinister") != std::string::npos;
            // Down the pale line the line crosses near the fess point, moved.
            const int line = g.H2 + shift, clear = g.H / 10;
            EXPECT_EQ(d.At(g.W2, line - clear), Colour(kArgent));
            EXPECT_EQ(d.At(g.W2, line + clear), Colour(kGules));
            // The corner the line has moved away from, and the one it has moved toward.
            const int low = sinister ? g.W - g.W / 10 : g.W / 10, high = sinister ? g.W / 10 : g.W - g.W / 10;
            EXPECT_EQ(d.At(low, g.straightBottom - g.Px(4)), Colour(kGules));
            EXPECT_EQ(d.At(high, g.Px(10)), Colour(kArgent));
            EXPECT_EQ(d.At(g.W2, g.shieldBottom - g.Px(6)), Colour(kGules));
            if (shift < 0) {
                EXPECT_EQ(d.At(high, g.straightBottom - g.Px(4)), Colour(kGules));
            }
        }
        for (const char* blazon : {"Per chevron enhanced argent and gules", "Per chevron wavy enhanced argent and gules"}) {
            SCOPED_TRACE(blazon);
            Drawing d;
            DrawAt(d, k, blazon);
            const ShieldGeometry& g = d.state->geometry;
            const int apex = g.H2 - g.H / 6, clear = g.H / 12;
            EXPECT_EQ(d.At(g.W2, apex - clear), Colour(kArgent));
            EXPECT_EQ(d.At(g.W2, apex + clear), Colour(kGules));
            EXPECT_EQ(d.At(g.W2, g.H2 + g.H / 6), Colour(kGules));
            // The limbs leave the flanks well above the base, which is all the second tincture.
            for (const int x : {g.Px(8), g.W - g.Px(8)}) {
                EXPECT_EQ(d.At(x, g.Px(20)), Colour(kArgent)) << x;
                EXPECT_EQ(d.At(x, g.straightBottom - g.Px(4)), Colour(kGules)) << x;
            }
        }
    }
}

TEST(OrdinaryPosition, CoupedOrdinariesStopShortOfTheEdges) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing fess, pale, bend, chevron, plainChevron;
        DrawAt(fess, k, "Argent a fess couped gules");
        DrawAt(pale, k, "Argent a pale humetty gules");
        DrawAt(bend, k, "Argent a bend couped gules");
        DrawAt(chevron, k, "Argent a chevron couped gules");
        DrawAt(plainChevron, k, "Argent a chevron gules");
        const ShieldGeometry& g = fess.s().geometry;
        const int inset = g.W / 8, near = inset / 2;
        EXPECT_EQ(fess.At(near, g.H2), Colour(kArgent));
        EXPECT_EQ(fess.At(g.W - near, g.H2), Colour(kArgent));
        for (const int x : {inset + g.Px(4), g.W2, g.W - inset - g.Px(4)}) EXPECT_EQ(fess.At(x, g.H2), Colour(kGules));
        EXPECT_EQ(pale.At(g.W2, near), Colour(kArgent));
        EXPECT_EQ(pale.At(g.W2, g.H - near), Colour(kArgent));
        EXPECT_EQ(pale.At(g.W2, g.H2), Colour(kGules));
        EXPECT_EQ(pale.At(g.W2, g.H - inset - g.Px(4)), Colour(kGules));
        // Along the bend's middle line: field at its ends, the bend between.
        EXPECT_EQ(bend.At(near, near * g.H / g.W), Colour(kArgent));
        EXPECT_EQ(bend.At(g.W - near, g.H - near * g.H / g.W), Colour(kArgent));
        EXPECT_EQ(bend.At(g.W2, g.H2), Colour(kGules));
        // Along the chevron's limbs: cut short of each flank, where the usual chevron reaches.
        const int apex = g.chiefDepth / 2 + g.H / 3;
        const int limbY = apex + static_cast<int>(0.839 * (g.W2 - near));
        for (const int x : {near, g.W - near}) {
            EXPECT_EQ(plainChevron.At(x, limbY), Colour(kGules)) << x;
            EXPECT_EQ(chevron.At(x, limbY), Colour(kArgent)) << x;
        }
        EXPECT_EQ(chevron.At(g.W2, apex), Colour(kGules));
    }
}

// A pale "in dexter" or "in sinister" stands a quarter of the shield's width toward that flank,
// plain or with a line, its cotises beside it; "in dexter" before a charge is that charge's place.
TEST(OrdinaryPosition, APaleInDexterOrSinister) {
    struct Case {
        const char* blazon;
        int side;  // -1 dexter, 1 sinister
    };
    const Case cases[] = {{"Argent a pale in dexter gules", -1},
                          {"Argent a pale gules in sinister", 1},
                          {"Argent a pale engrailed gules in sinister", 1},
                          {"Argent a pale in dexter gules cottised sable", -1}};
    for (const double k : kScales) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.blazon) + " at " + std::to_string(k));
            Drawing d;
            DrawAt(d, k, c.blazon);
            EXPECT_TRUE(d.trace.ignoredWords.empty());
            const ShieldGeometry& g = d.s().geometry;
            const int middle = g.W2 + c.side * g.W / 4, other = g.W2 - c.side * g.W / 4;
            for (const int y : {g.H4, g.H2, g.H - g.H4}) {
                EXPECT_EQ(d.At(middle, y), Colour(kGules)) << y;
                EXPECT_EQ(d.At(g.W2 - c.side * g.Px(20), y), Colour(kArgent)) << y;
                EXPECT_EQ(d.At(other, y), Colour(kArgent)) << y;
            }
            // Cotises on the pale's side of the middle only (inside the outline, drawn in black).
            int dexterSable = 0, sinisterSable = 0;
            for (int x = g.Px(8); x < g.W - g.Px(8); ++x) (x < g.W2 ? dexterSable : sinisterSable) += d.At(x, g.H2) == Colour(kSable);
            if (std::string(c.blazon).find("cottised") != std::string::npos) {
                EXPECT_GT(dexterSable, 0);
                EXPECT_EQ(sinisterSable, 0);
            }
        }
    }
    Drawing placed;
    placed.Draw("Argent a pale gules, in dexter chief a mullet sable");
    const ShieldGeometry& g = placed.s().geometry;
    EXPECT_EQ(placed.At(g.W2, g.H - g.H4), Colour(kGules));
}

TEST(OrdinaryPosition, HumettyCrossAndSaltireAreTheCoupedPictures) {
    for (const char* blazon : {"Argent a cross humetty gules", "Argent a saltire humetty gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.state->geometry;
        EXPECT_EQ(d.At(g.W2, g.H2), Colour(kGules));
        // Clear of the chief's edge and of the corners.
        EXPECT_EQ(d.At(g.W2, g.Px(6)), Colour(kArgent));
        EXPECT_EQ(d.At(g.Px(10), g.Px(10)), Colour(kArgent));
    }
}

TEST(OrdinaryPosition, PositionsNotDrawnAreReadPast) {
    // Charges on a moved ordinary would stand on its usual place: the word is left unread and
    // the ordinary drawn in its usual place, so the drawing is not counted clean.
    struct Case {
        const char* blazon;
        const char* word;
    };
    for (const Case c : {Case{"Argent a fess enhanced gules charged with three mullets argent", "enhanced"},
                         Case{"Argent a pale enhanced gules cotised azure", "enhanced"},
                         Case{"Argent a fess enhanced gules in base a mullet azure", "enhanced"},
                         Case{"Argent a cross enhanced gules", "enhanced"},
                         Case{"Argent a saltire abased gules", "abased"}}) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_FALSE(WordUsed(d, c.word));
    }
    Drawing d;
    d.Draw("Argent a fess enhanced gules charged with three mullets argent");
    const ShieldGeometry& g = d.state->geometry;
    EXPECT_EQ(d.At(g.Px(12), g.H2), Colour(kGules));
}

// Charges between a raised or lowered ordinary stand in the free space it leaves, each wholly off
// it: every roundel's edge lies on the field where the ordinary alone was drawn.
TEST(OrdinaryPosition, ChargesBetweenTheMovedOrdinary) {
    constexpr float kRoundelRadiusAtOne = 55.0f;
    // Couped, the ordinary keeps its place but for its ends, and the charges stand as about the
    // usual one ("couped" is read).
    for (const char* ordinary : {"a fess enhanced", "a fess abased", "a bend abased", "a bend sinister enhanced",
                                 "a chevron enhanced", "a chevron abased", "a fess couped", "a bend couped"}) {
        for (const char* between : {" between two roundels gules", " between three roundels gules"}) {
            const std::string alone = std::string("Argent ") + ordinary + " azure";
            SCOPED_TRACE(alone + between);
            Drawing plain, d;
            plain.DrawClean(alone);
            d.DrawClean(alone + between);
            const std::vector<PlacementTrace> placed = AllPlacements(d);
            ASSERT_EQ(placed.size(), std::string(between).find("two") != std::string::npos ? 2u : 3u);
            for (const PlacementTrace& p : placed) {
                const int r = static_cast<int>(kRoundelRadiusAtOne * p.scale) * 9 / 10, q = r * 6 / 10;
                for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{r, 0}, std::pair{-r, 0}, std::pair{0, r},
                                             std::pair{0, -r}, std::pair{q, q}, std::pair{-q, -q}, std::pair{q, -q},
                                             std::pair{-q, q}}) {
                    EXPECT_EQ(plain.At(p.x + dx, p.y + dy), Colour(kArgent)) << "on the ordinary at " << p.x << ", " << p.y;
                    EXPECT_EQ(d.At(p.x + dx, p.y + dy), Colour(kGules));
                }
            }
        }
    }
}

// Round a raised or lowered chevron or fess, the charges of each side take the room of that side:
// the side the ordinary moved away from holds larger ones than the side it moved toward.
TEST(OrdinaryPosition, EachSideOfTheMovedOrdinaryTakesItsOwnRoom) {
    // (Three about a chevron enhanced stand two in the chief's corners, as roomy as the base.)
    for (const char* ordinary : {"a chevron enhanced", "a chevron abased", "a fess enhanced", "a fess abased"}) {
        for (const char* between : {" between three roundels gules", " between six roundels gules"}) {
            if (std::string(ordinary) == "a chevron enhanced" && std::string(between).find("three") != std::string::npos) continue;
            const std::string blazon = std::string("Argent ") + ordinary + " azure" + between;
            SCOPED_TRACE(blazon);
            Drawing d;
            d.DrawClean(blazon);
            const std::vector<PlacementTrace> placed = AllPlacements(d);
            ASSERT_GE(placed.size(), 3u);
            const int middle = d.s().geometry.H2;
            float above = 0, below = 0;
            for (const PlacementTrace& p : placed) (p.y < middle ? above : below) = std::max(p.y < middle ? above : below, p.scale);
            ASSERT_GT(above, 0.0f);
            ASSERT_GT(below, 0.0f);
            // Enhanced leaves the base the more room; abased the chief.
            if (std::string(ordinary).find("enhanced") != std::string::npos) {
                EXPECT_GT(below, above * 1.1f);
            } else {
                EXPECT_GT(above, below * 1.1f);
            }
        }
    }
}

// Charges on a raised or lowered ordinary lie on it where it stands: each charge's middle, and
// a little round it, on the ordinary as it is drawn alone.
TEST(OrdinaryPosition, ChargesOnTheMovedOrdinary) {
    for (const char* ordinary : {"a fess enhanced", "a fess abased", "a bend abased", "a bend enhanced",
                                 "a chevron enhanced", "a chevron abased"}) {
        for (const char* charges : {" three mullets gules", " a mullet gules", " five mullets gules"}) {
            const std::string alone = std::string("Argent ") + ordinary + " azure";
            const std::string blazon = std::string("Argent on ") + ordinary + " azure" + charges;
            SCOPED_TRACE(blazon);
            Drawing plain, d;
            plain.DrawClean(alone);
            d.DrawClean(blazon);
            const std::vector<PlacementTrace> placed = AllPlacements(d);
            ASSERT_FALSE(placed.empty());
            const ShieldGeometry& g = d.s().geometry;
            for (const PlacementTrace& p : placed) {
                for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{g.Px(6), 0}, std::pair{-g.Px(6), 0},
                                             std::pair{0, g.Px(6)}, std::pair{0, -g.Px(6)}})
                    EXPECT_EQ(plain.At(p.x + dx, p.y + dy), Colour(kAzure)) << "off the ordinary at " << p.x << ", " << p.y;
                EXPECT_EQ(d.At(p.x, p.y), Colour(kGules));
            }
        }
    }
}

TEST(OrdinaryPosition, CotisesFollowTheMovedOrdinary) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        // Enhanced or abased, the ordinary and its cotises are the usual drawing moved a sixth
        // of the height: compared row for row away from the chief and the base.
        for (const char* shape : {"fess", "bend", "bend sinister", "chevron"})
            for (const char* position : {"enhanced", "abased"}) {
                const std::string moved = std::string("Argent a ") + shape + " " + position + " gules cotised azure";
                SCOPED_TRACE(moved);
                Drawing usual, d;
                DrawAt(usual, k, std::string("Argent a ") + shape + " gules cotised azure");
                DrawAt(d, k, moved);
                const ShieldGeometry& g = d.s().geometry;
                const int shift = std::string(position) == "enhanced" ? -g.H / 6 : g.H / 6;
                int compared = 0, wrong = 0, cotise = 0;
                for (int y = g.H / 4; y < g.H - g.H / 4; y += 2)
                    for (int x = g.W / 6; x < g.W - g.W / 6; x += 3) {
                        const Rgb was = usual.At(x, y);
                        ++compared;
                        wrong += !(d.At(x, y + shift) == was);
                        cotise += was == Colour(kAzure);
                    }
                EXPECT_GT(cotise, 20);
                EXPECT_LT(wrong, compared / 100) << wrong << " of " << compared;
                EXPECT_TRUE(WordUsed(d, position));
            }
        // Couped, a fess's cotises stop where it stops.
        Drawing couped;
        DrawAt(couped, k, "Argent a fess couped gules cotised azure");
        const ShieldGeometry& g = couped.s().geometry;
        const int inset = g.W / 8;
        int row = g.H2;
        while (row > 0 && !(couped.At(g.W2, row) == Colour(kAzure))) --row;
        ASSERT_GT(row, 0);
        EXPECT_EQ(couped.At(inset + g.Px(6), row), Colour(kAzure));
        EXPECT_EQ(couped.At(inset - g.Px(6), row), Colour(kArgent));
        EXPECT_EQ(couped.At(g.W - inset + g.Px(6), row), Colour(kArgent));
        // So do a bend's, a chevron's and a pale's (a bend sinister's as a bend's): found out from the middle of the
        // ordinary across it (a chevron's down the pale above its apex), each cotise is azure
        // just short of the ordinary's end along its own line and the field just past it.
        const double W = g.W, H = g.H, len = std::hypot(W, H);
        struct Couped {
            const char* blazon;
            double ux, uy;        // along the ordinary toward the end looked at (a bend's upper)
            double nx, ny;        // across it toward the cotise looked for, the upper one
            double halfLength;    // from the middle of the ordinary to its end, along it
        };
        const double rise = inset * H / W, bendHalf = std::hypot(W / 2 - inset, H / 2 - rise);
        const Couped cases[] = {
            {"Argent a bend couped gules cotised azure", -W / len, -H / len, H / len, -W / len, bendHalf},
            {"Argent a chevron couped gules between two cottises azure", -0.766, 0.643, 0, -1, (W / 2 - inset) / 0.766},
            {"Argent a pale couped gules cotised azure", 0, -1, 1, 0, H / 2 - inset},
        };
        for (const Couped& c : cases) {
            SCOPED_TRACE(c.blazon);
            Drawing d;
            DrawAt(d, k, c.blazon);
            EXPECT_TRUE(WordUsed(d, "couped"));
            // The chevron's limbs start at its apex; the bends' middles are the fess point.
            const bool chevron = c.ny == -1;
            const double x0 = g.W2, y0 = chevron ? g.chiefDepth / 2.0 + g.H / 3.0 : g.H2;
            double t = 0;
            while (t < g.H && !(d.At(static_cast<int>(x0 + t * c.nx), static_cast<int>(y0 + t * c.ny)) == Colour(kAzure))) ++t;
            double t2 = t;
            while (d.At(static_cast<int>(x0 + t2 * c.nx), static_cast<int>(y0 + t2 * c.ny)) == Colour(kAzure)) ++t2;
            ASSERT_LT(t, g.H);
            const double mx = x0 + (t + t2) / 2 * c.nx, my = y0 + (t + t2) / 2 * c.ny;
            // Along the cotise from its middle (the chevron's: from its apex on the pale).
            const double shortOf = c.halfLength - g.Px(8), past = c.halfLength + g.Px(14);
            EXPECT_EQ(d.At(static_cast<int>(mx + shortOf * c.ux), static_cast<int>(my + shortOf * c.uy)), Colour(kAzure));
            EXPECT_EQ(d.At(static_cast<int>(mx + past * c.ux), static_cast<int>(my + past * c.uy)), Colour(kArgent));
        }
    }
}

TEST(OrdinaryPosition, TheModelNamesThePosition) {
    Drawing d;
    d.DrawClean("Per fess enhanced argent and azure a chevron abased gules");
    const model::Arms& arms = d.s().model.arms;
    EXPECT_EQ(arms.field.treatment.position, OrdinaryPosition::Enhanced);
    ASSERT_EQ(arms.groups.size(), 1u);
    EXPECT_EQ(arms.groups[0].members[0].modifiers.position, OrdinaryPosition::Abased);
    d.DrawClean("Argent a chevron reversed gules");
    EXPECT_EQ(d.s().model.arms.groups[0].members[0].modifiers.position, OrdinaryPosition::Reversed);
    d.DrawClean("Argent a fess couped gules");
    EXPECT_EQ(d.s().model.arms.groups[0].members[0].modifiers.position, OrdinaryPosition::Couped);
    d.DrawClean("Argent a fess gules");
    EXPECT_EQ(d.s().model.arms.groups[0].members[0].modifiers.position, OrdinaryPosition::Usual);
}

TEST(OrdinaryVariants, SaltireNowyHasABossAtTheCrossing) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        for (const char* line : {"", " engrailed"}) {
            SCOPED_TRACE(line);
            Drawing plain, nowy;
            DrawAt(plain, k, std::string("Argent a saltire") + line + " gules");
            DrawAt(nowy, k, std::string("Argent a saltire") + line + " nowy gules");
            const ShieldGeometry& g = nowy.s().geometry;
            // Beside the crossing, between the limbs, within the boss's reach.
            const int r = static_cast<int>(g.chiefDepth * 0.62), off = r * 9 / 10;
            for (const int x : {g.W2 - off, g.W2 + off}) {
                if (*line == '\0') {
                    EXPECT_EQ(plain.At(x, g.H2), Colour(kArgent)) << x;
                }
                EXPECT_EQ(nowy.At(x, g.H2), Colour(kGules)) << x;
            }
            // The boss is round: its reach along the diagonal is no further than the limbs.
            EXPECT_EQ(nowy.At(g.W2, g.H2), Colour(kGules));
            EXPECT_EQ(nowy.At(g.W2 - r - g.Px(8), g.H2), Colour(kArgent));
            EXPECT_EQ(nowy.s().model.arms.groups[0].members[0].modifiers.variant, "no");
        }
    }
}

// Whether the fess has a merlon at column x on its upper and on its lower edge: a point a little
// inside each edge's zone of teeth is gules only where a merlon stands.
struct Merlons {
    bool top, bottom;
};
Merlons MerlonsAt(const Drawing& d, int x) {
    const ShieldGeometry& g = d.state->geometry;
    const int half = g.chiefDepth / 2, in = g.Px(3);
    return {d.At(x, g.H2 - half + in) == Colour(kGules), d.At(x, g.H2 + half - in) == Colour(kGules)};
}

TEST(LinesOfBothSides, CounterEmbattledMerlonsFaceEmbrasuresBretessedMerlons) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing bretessed, counter;
        DrawAt(bretessed, k, "Argent a fess bretessed gules");
        DrawAt(counter, k, "Argent a fess counter-embattled gules");
        const ShieldGeometry& g = bretessed.state->geometry;
        int bretessedBoth = 0, counterBoth = 0, counterTop = 0, counterBottom = 0, columns = 0;
        for (int x = g.W / 8; x < g.W - g.W / 8; ++x) {
            ++columns;
            const Merlons b = MerlonsAt(bretessed, x), c = MerlonsAt(counter, x);
            bretessedBoth += b.top && b.bottom;
            counterBoth += c.top && c.bottom;
            counterTop += c.top;
            counterBottom += c.bottom;
        }
        // Merlons 20 wide in 45: opposite each other on the bretessed fess, never on the other.
        EXPECT_GT(bretessedBoth, columns / 3);
        EXPECT_LE(counterBoth, g.Px(2) * columns / 45 + 2);
        EXPECT_GT(counterTop, columns / 3);
        EXPECT_GT(counterBottom, columns / 3);
    }
}

TEST(LinesOfBothSides, EachSideTakesItsOwnLine) {
    struct Case {
        const char* ordinary;
        const char* first;   // the line toward the chief (the dexter, for a pale)
        const char* second;
        bool steep;          // a pale: the sides are dexter and sinister
    };
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        for (const Case c : {Case{"fess", "embattled", "wavy", false}, Case{"fess", "indented", "engrailed", false},
                             Case{"pale", "indented", "wavy", true}, Case{"pale", "wavy", "embattled", true}}) {
            const std::string both = std::string(c.first) + " and " + c.second;
            SCOPED_TRACE(std::string(c.ordinary) + " " + both);
            Drawing two, first, second;
            DrawAt(two, k, std::string("Argent a ") + c.ordinary + " " + both + " gules");
            // Embattled named for one side has its merlons on that side, as bretessed has them on
            // each (embattled alone puts them on one edge, which need not be that side).
            auto alone = [](const char* line) { return std::string(line) == "embattled" ? "bretessed" : line; };
            DrawAt(first, k, std::string("Argent a ") + c.ordinary + " " + alone(c.first) + " gules");
            DrawAt(second, k, std::string("Argent a ") + c.ordinary + " " + alone(c.second) + " gules");
            const ShieldGeometry& g = two.s().geometry;
            int wrong = 0, differ = 0;
            for (int y = 0; y < g.H; y += 2)
                for (int x = 0; x < g.W; x += 2) {
                    const bool firstSide = c.steep ? x < g.W2 : y < g.H2;
                    const Drawing& like = firstSide ? first : second;
                    wrong += !(two.At(x, y) == like.At(x, y));
                    differ += !(first.At(x, y) == second.At(x, y));
                }
            EXPECT_GT(differ, 50);  // the two lines are told apart at all
            EXPECT_EQ(wrong, 0);
            EXPECT_EQ(two.s().model.arms.groups[0].members[0].modifiers.secondLine >= 0, true);
        }
    }
}

// The column in row y where `left` gives way to another colour, scanning from x0 rightward.
int BoundaryIn(const Drawing& d, int y, int x0, Rgb left) {
    int x = x0;
    while (x < d.state->geometry.W && d.At(x, y) == left) ++x;
    return x;
}

TEST(LinesOfBothSides, PerPallCarriesItsLine) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        for (const char* line : {"wavy", "indented", "embattled"}) {
            SCOPED_TRACE(line);
            Drawing pall, reversed;
            DrawAt(pall, k, std::string("Per pall ") + line + " gules, argent and azure");
            DrawAt(reversed, k, std::string("Per pall reversed ") + line + " gules, argent and azure");
            const ShieldGeometry& g = pall.s().geometry;
            // The parts where a tierced field has them, clear of the lines.
            EXPECT_EQ(pall.At(g.W2, g.H / 8), Colour(kGules));
            EXPECT_EQ(pall.At(g.W / 6, g.H * 3 / 4), Colour(kArgent));
            EXPECT_EQ(pall.At(g.W - g.W / 6, g.H * 3 / 4), Colour(kAzure));
            EXPECT_EQ(reversed.At(g.W / 8, g.H / 4), Colour(kGules));
            EXPECT_EQ(reversed.At(g.W - g.W / 8, g.H / 4), Colour(kArgent));
            EXPECT_EQ(reversed.At(g.W2, g.H - g.H / 12), Colour(kAzure));
            // The line down the pale (up it, reversed) is not straight: the column where one part
            // meets the other wanders, and only by about the line's depth.
            int least = g.W, most = 0;
            for (int y = g.H2 + g.H / 8; y < g.H - g.H / 8; ++y) {
                const int x = BoundaryIn(pall, y, g.W / 4, Colour(kArgent));
                least = std::min(least, x);
                most = std::max(most, x);
            }
            EXPECT_GT(most - least, g.Px(3));
            EXPECT_LT(most - least, g.W / 6);
            EXPECT_NEAR((least + most) / 2, g.W2, g.W / 12);
            least = g.W;
            most = 0;
            for (int y = g.H / 8; y < g.H2 - g.H / 8; ++y) {
                const int x = BoundaryIn(reversed, y, g.W / 4, Colour(kGules));
                least = std::min(least, x);
                most = std::max(most, x);
            }
            EXPECT_GT(most - least, g.Px(3));
            EXPECT_LT(most - least, g.W / 6);
        }
    }
}

TEST(LinesOfBothSides, ChiefEnarchedAndTriangular) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing enarched, triangular, plain;
        DrawAt(enarched, k, "Argent a chief enarched gules");
        DrawAt(triangular, k, "Argent a chief triangular gules");
        DrawAt(plain, k, "Argent a chief gules");
        const ShieldGeometry& g = plain.s().geometry;
        auto depthAt = [](const Drawing& d, int x) {
            int y = d.state->geometry.Px(4);
            while (d.At(x, y) == Colour(kGules)) ++y;
            return y;
        };
        const int flank = g.W / 10, middle = g.W2;
        // Enarched: deep at the flanks, rising all the way to the middle; triangular: a point at
        // the middle.
        for (const int side : {g.W / 12, g.W - g.W / 12}) {
            const int quarter = side < middle ? g.W / 4 : g.W - g.W / 4;
            EXPECT_GT(depthAt(enarched, side), depthAt(enarched, quarter) + g.Px(4)) << side;
            EXPECT_GT(depthAt(enarched, quarter), depthAt(enarched, middle) + g.Px(4)) << side;
        }
        EXPECT_GT(depthAt(plain, middle), depthAt(enarched, middle));
        EXPECT_GT(depthAt(triangular, middle), depthAt(triangular, flank) + g.Px(20));
        EXPECT_GT(depthAt(triangular, middle), depthAt(triangular, g.W - flank) + g.Px(20));
        EXPECT_NEAR(depthAt(triangular, g.W / 4), depthAt(triangular, g.W - g.W / 4), g.Px(3));
    }
    // An edge of another line as well: the word is left unread rather than drawn as the line.
    Drawing both;
    both.Draw("Argent a chief enarched embattled gules");
    EXPECT_FALSE(WordUsed(both, "enarched"));
}

TEST(LinesOfBothSides, EachLineNamedByItsSide) {
    // Named by side, in either order, each line is drawn where the two-line form draws it.
    struct Case {
        const char* bySide;
        const char* twoLines;
    };
    for (const Case c : {Case{"Argent a fess indented on the upper side and wavy on the lower gules", "Argent a fess indented and wavy gules"},
                         Case{"Argent a fess wavy on the lower side and indented on the upper gules", "Argent a fess indented and wavy gules"},
                         Case{"Argent a fess embattled on the upper side and engrailed on the lower side gules",
                              "Argent a fess embattled and engrailed gules"},
                         Case{"Argent a pale wavy on the sinister side and engrailed on the dexter gules", "Argent a pale engrailed and wavy gules"},
                         Case{"Argent a bend indented on the upper edge and wavy gules", "Argent a bend indented and wavy gules"}}) {
        SCOPED_TRACE(c.bySide);
        for (const double k : kScales) {
            Drawing bySide, twoLines;
            DrawAt(bySide, k, c.bySide);
            DrawAt(twoLines, k, c.twoLines);
            const ShieldGeometry& g = bySide.s().geometry;
            int differ = 0;
            for (int y = 0; y < g.H; y += 2)
                for (int x = 0; x < g.W; x += 2) differ += !(bySide.At(x, y) == twoLines.At(x, y));
            EXPECT_EQ(differ, 0) << k;
            EXPECT_GE(bySide.s().model.arms.groups.at(0).members.at(0).modifiers.secondLine, 0);
        }
    }
    // Both lines named for the same side: the words are left unread.
    Drawing same;
    same.Draw("Argent a fess indented on the upper side and wavy on the upper gules");
    EXPECT_FALSE(WordUsed(same, "upper"));
}

TEST(LinesOfBothSides, BaseAndFessEnarched) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing base, fess, plainFess;
        DrawAt(base, k, "Argent a base enarched vert");
        DrawAt(fess, k, "Argent a fess enarched gules");
        DrawAt(plainFess, k, "Argent a fess gules");
        const ShieldGeometry& g = base.s().geometry;
        // The base's upper edge: low at the flanks, rising all the way to the middle.
        const int flank = FirstRowIn(base, g.W / 12, Colour(kVert)), quarter = FirstRowIn(base, g.W / 4, Colour(kVert));
        const int middle = FirstRowIn(base, g.W2, Colour(kVert));
        EXPECT_GT(flank, quarter + g.Px(4));
        EXPECT_GT(quarter, middle + g.Px(4));
        EXPECT_NEAR(FirstRowIn(base, g.W - g.W / 12, Colour(kVert)), flank, g.Px(3));
        // The fess bowed: both edges higher in the middle than at the flanks, its breadth kept.
        auto lastRowIn = [&](const Drawing& d, int x) {
            int y = FirstRowIn(d, x, Colour(kGules));
            while (d.At(x, y + 1) == Colour(kGules)) ++y;
            return y;
        };
        const int topFlank = FirstRowIn(fess, g.W / 12, Colour(kGules)), topMiddle = FirstRowIn(fess, g.W2, Colour(kGules));
        const int bottomFlank = lastRowIn(fess, g.W / 12), bottomMiddle = lastRowIn(fess, g.W2);
        EXPECT_GT(topFlank, topMiddle + g.Px(8));
        EXPECT_GT(bottomFlank, bottomMiddle + g.Px(8));
        EXPECT_NEAR(bottomMiddle - topMiddle, bottomFlank - topFlank, g.Px(6));
        EXPECT_FALSE(fess.At(g.W2, FirstRowIn(plainFess, g.W2, Colour(kGules)) - g.Px(4)) == Colour(kArgent));
        // Fimbriated, an edge of the second tincture along both arches; voided, the middle open.
        Drawing fimbriated, voided;
        DrawAt(fimbriated, k, "Argent a fess enarched gules fimbriated or");
        DrawAt(voided, k, "Argent a fess enarched voided gules");
        for (const int x : {g.W / 6, g.W2}) {
            const int top = FirstRowIn(fimbriated, x, Colour(kOr)), middle = (FirstRowIn(fess, x, Colour(kGules)) + lastRowIn(fess, x)) / 2;
            EXPECT_NEAR(top, FirstRowIn(fess, x, Colour(kGules)), 1) << x;
            EXPECT_EQ(fimbriated.At(x, top + g.Px(10)), Colour(kGules)) << x;
            EXPECT_EQ(fimbriated.At(x, lastRowIn(fess, x) - g.Px(1)), Colour(kOr)) << x;
            EXPECT_EQ(voided.At(x, middle), Colour(kArgent)) << x;
            EXPECT_EQ(voided.At(x, FirstRowIn(fess, x, Colour(kGules)) + g.Px(2)), Colour(kGules)) << x;
        }
    }
    // A point (triangular) is the chief's alone; enarched anywhere else is left unread.
    for (const char* blazon : {"Argent a base triangular vert", "Argent a pale enarched gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(WordUsed(d, std::string(blazon).find("triangular") != std::string::npos ? "triangular" : "enarched"));
    }
}

// A chevron enarched: each limb bowed up between the apex and the flank, the apex where the
// plain chevron's is, the limb's depth down the shield kept.
TEST(LinesOfBothSides, ChevronEnarchedBowsItsLimbs) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing plain, arched, voided;
        DrawAt(plain, k, "Argent a chevron gules");
        DrawAt(arched, k, "Argent a chevron enarched gules");
        DrawAt(voided, k, "Argent a chevron enarched voided gules");
        const ShieldGeometry& g = plain.s().geometry;
        EXPECT_NEAR(FirstRowIn(arched, g.W2, Colour(kGules)), FirstRowIn(plain, g.W2, Colour(kGules)), g.Px(3));
        for (const int x : {g.W / 4, g.W - g.W / 4}) {
            SCOPED_TRACE(x);
            const int usual = FirstRowIn(plain, x, Colour(kGules)), bowed = FirstRowIn(arched, x, Colour(kGules));
            // Up by about a half of the fess's arch at the middle of the limb.
            EXPECT_GT(usual - bowed, g.H * 4 / 100);
            EXPECT_LT(usual - bowed, g.H * 8 / 100);
            int last = bowed;
            while (arched.At(x, last + 1) == Colour(kGules)) ++last;
            int usualLast = usual;
            while (plain.At(x, usualLast + 1) == Colour(kGules)) ++usualLast;
            EXPECT_NEAR(last - bowed, usualLast - usual, g.Px(4));
            EXPECT_EQ(voided.At(x, (bowed + last) / 2), Colour(kArgent));
            EXPECT_EQ(voided.At(x, bowed + g.Px(2)), Colour(kGules));
        }
    }
}

TEST(LinesOfBothSides, PerPileWithALine) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        for (const char* line : {"indented", "wavy", "engrailed"}) {
            SCOPED_TRACE(line);
            Drawing d;
            DrawAt(d, k, std::string("Per pile ") + line + " gules and argent");
            const ShieldGeometry& g = d.s().geometry;
            // The pile from the chief, the flanks either side, clear of the lines.
            EXPECT_EQ(d.At(g.W2, g.H / 4), Colour(kArgent));
            EXPECT_EQ(d.At(g.W / 12, g.H / 4), Colour(kGules));
            EXPECT_EQ(d.At(g.W - g.W / 12, g.H / 4), Colour(kGules));
            // Along the dexter side of the pile, the column where it begins wanders from the
            // straight side by about the line's depth.
            double least = 1e9, most = -1e9;
            for (int y = g.H / 8; y < g.H2; ++y) {
                const int x = BoundaryIn(d, y, g.Px(4), Colour(kGules));
                // The straight side runs from 0.2 of the width at the top to the middle at the foot.
                const double straight = g.W * (0.5 - 0.3 * (1.0 - static_cast<double>(y) / g.shieldBottom));
                least = std::min(least, x - straight);
                most = std::max(most, x - straight);
            }
            EXPECT_GT(most - least, g.Px(4));
            EXPECT_LT(most - least, g.W / 8);
        }
    }
}

TEST(LinesOfBothSides, PointPointedRisesFromTheBase) {
    for (const double k : kScales) {
        SCOPED_TRACE(k);
        Drawing d;
        DrawAt(d, k, "Or a point pointed vert");
        const ShieldGeometry& g = d.s().geometry;
        // Its sides run from the fess point to the foot of the flanks, a little below the picture.
        const double apex = g.H2, foot = g.shieldBottom + g.Px(2);
        auto halfWidthAt = [&](double y) { return (y - apex) / (foot - apex) * (g.W / 2.0); };
        for (const int y : {g.H2 + g.H / 8, g.H - g.Px(45)}) {
            const double half = halfWidthAt(y);
            SCOPED_TRACE(y);
            EXPECT_EQ(d.At(g.W2, y), Colour(kVert));
            EXPECT_EQ(d.At(static_cast<int>(g.W2 - half + g.Px(5)), y), Colour(kVert));
            EXPECT_EQ(d.At(static_cast<int>(g.W2 + half - g.Px(5)), y), Colour(kVert));
            EXPECT_EQ(d.At(static_cast<int>(g.W2 - half - g.Px(5)), y), Colour(kOr));
            EXPECT_EQ(d.At(static_cast<int>(g.W2 + half + g.Px(5)), y), Colour(kOr));
        }
        EXPECT_EQ(d.At(g.W2, g.H2 - g.Px(6)), Colour(kOr));
    }
    // With a line it is drawn plain, and that is said.
    Drawing wavy;
    wavy.Draw("Or a point pointed wavy vert");
    EXPECT_FALSE(wavy.sink.messages.empty());
}

}  // namespace
}  // namespace esc::test
