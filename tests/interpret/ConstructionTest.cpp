// Constructions that change where or how charges are drawn: lozenges conjoined, left hands,
// charges on bars.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Conjoined lozenges meet: the point halfway between two neighbours lies on the charges (their
// tincture or outline), where the usual layout leaves the field showing between them.
TEST(Conjoined, NeighboursTouchPointToPoint) {
    struct Case {
        const char* blazon;
        int count;
        Rgb field;
        std::vector<std::pair<int, int>> neighbours;  // indices of placements that must touch
    };
    const std::vector<Case> cases = {
        {"Gules seven mascles conjoined or", 7, Colour(kGules), {{0, 1}, {1, 2}, {0, 3}, {1, 4}, {2, 5}, {4, 6}}},
        {"Gules seven mascles conjoined or three three and one", 7, Colour(kGules), {{0, 1}, {1, 4}, {4, 6}}},
        // Pressed below a chief or a canton named after them, they shrink and keep touching.
        {"Gules seven mascles conjoined or a chief ermine", 7, Colour(kGules), {{0, 1}, {1, 2}, {0, 3}, {1, 4}, {2, 5}, {4, 6}}},
        {"Gules seven mascles conjoined or a canton ermine", 7, Colour(kGules), {{0, 1}, {1, 2}, {0, 3}, {1, 4}, {2, 5}, {4, 6}}},
        {"Azure six lozenges conjoined argent, a chief or", 6, Colour(kAzure), {{0, 1}, {1, 2}, {3, 4}}},
        {"Gules seven mascles conjoined or within a bordure argent", 7, Colour(kGules), {{0, 1}, {1, 2}, {1, 4}, {4, 6}}},
        {"Gules five fusils conjoined in bend argent", 5, Colour(kGules), {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        {"Azure five fusils conjoined in fess or", 5, Colour(kAzure), {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        {"Azure three lozenges conjoined in pale or", 3, Colour(kAzure), {{0, 1}, {1, 2}}},
        // "conjoined" after the line, and the bend sinister's run.
        {"Gules five lozenges in bend conjoined argent", 5, Colour(kGules), {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        {"Azure four fusils in fess conjoined or", 4, Colour(kAzure), {{0, 1}, {1, 2}, {2, 3}}},
        {"Gules five fusils conjoined in bend sinister argent", 5, Colour(kGules), {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        {"Vert four mascles in bend sinister conjoined or", 4, Colour(kVert), {{0, 1}, {1, 2}, {2, 3}}},
        // In cross: the one at the crossing, then each limb's run (up, down, dexter, sinister).
        {"Gules five lozenges conjoined in cross argent", 5, Colour(kGules), {{0, 1}, {0, 2}, {0, 3}, {0, 4}}},
        {"Azure nine fusils conjoined in cross or", 9, Colour(kAzure), {{0, 1}, {1, 2}, {0, 3}, {3, 4}, {0, 5}, {5, 6}, {0, 7}, {7, 8}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(WordUsed(d, "conjoined"));
        EXPECT_TRUE(d.sink.messages.empty());
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), static_cast<std::size_t>(c.count));
        for (const auto& [a, b] : c.neighbours) {
            SCOPED_TRACE(std::to_string(a) + " and " + std::to_string(b));
            const int x = (placed[a].x + placed[b].x) / 2, y = (placed[a].y + placed[b].y) / 2;
            EXPECT_NE(d.At(x, y), c.field);
        }
        // Every charge within the shield: its centre inside, and all at one size.
        for (const PlacementTrace& p : placed) {
            EXPECT_GT(p.x, 0);
            EXPECT_LT(p.x, d.s().geometry.W);
            EXPECT_LT(p.y, d.s().geometry.H);
            EXPECT_FLOAT_EQ(p.scale, placed[0].scale);
        }
    }
}

// Conjoined in chevron: with an odd count one upright at the apex, highest and on the pale, each
// limb's first meeting it at its side point; the limbs mirror each other and fall away from it;
// with an even count the limbs' first two meet at the apex.
TEST(Conjoined, InChevronFromTheApexDown) {
    for (const char* blazon : {"Gules five fusils conjoined in chevron argent", "Azure seven lozenges conjoined in chevron or",
                               "Gules four lozenges conjoined in chevron argent"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(WordUsed(d, "conjoined"));
        EXPECT_TRUE(d.sink.messages.empty());
        const auto placed = AllPlacements(d);
        const Rgb field = d.At(2 * d.s().geometry.Px(10), d.s().geometry.Px(20));
        const bool apexOne = placed.size() % 2 == 1;
        const std::size_t first = apexOne ? 1 : 0;
        const int W2 = d.s().geometry.W2;
        if (apexOne) {
            EXPECT_NEAR(placed[0].x, W2, 1);
            // Beside the upright one's side points, just inside the limbs' first: no field.
            const double fusil = std::string(blazon).find("fusil") != std::string::npos;
            const double halfAcross = (fusil ? 115.5 : 171.6) * 0.5 * placed[0].scale / 2;
            for (const int side : {-1, 1}) EXPECT_NE(d.At(static_cast<int>(W2 + side * halfAcross * 0.9), placed[0].y), field);
        } else {
            // The two first meet at the apex: between them, on the pale, no field.
            // (Their top points lie half a picture's length, 64 at scale 1, up the limbs at 39
            // degrees from the upright: 50 above their centres.)
            EXPECT_NE(d.At(W2, placed[0].y - static_cast<int>(40 * placed[0].scale)), field);
        }
        for (std::size_t i = first; i + 1 < placed.size(); i += 2) {
            EXPECT_NEAR(placed[i].x + placed[i + 1].x, 2 * W2, 2);  // mirrored about the pale
            EXPECT_EQ(placed[i].y, placed[i + 1].y);
            EXPECT_GT(placed[i].y, placed[0].y - (apexOne ? 0 : 1));
            if (i >= first + 2) {
                EXPECT_GT(placed[i].y, placed[i - 2].y);  // falling away from the apex
                // Each meets the one before along its limb.
                EXPECT_NE(d.At((placed[i].x + placed[i - 2].x) / 2, (placed[i].y + placed[i - 2].y) / 2), field);
            }
        }
    }
}

// In saltire: the one at the crossing on the fess point, each limb's run out along a diagonal,
// the four limbs mirrored about the pale and the fess line.
TEST(Conjoined, InSaltireFromTheCrossing) {
    Drawing d;
    d.Draw("Gules nine lozenges conjoined in saltire argent");
    EXPECT_TRUE(WordUsed(d, "conjoined"));
    EXPECT_TRUE(d.sink.messages.empty());
    const auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 9u);
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(placed[0].x, g.W2);
    EXPECT_EQ(placed[0].y, g.H2);
    // Limbs in the order up-dexter, down-sinister, up-sinister, down-dexter; two a limb.
    for (std::size_t i = 1; i <= 2; ++i) {
        const PlacementTrace &upDexter = placed[i], &downSinister = placed[i + 2], &upSinister = placed[i + 4],
                             &downDexter = placed[i + 6];
        EXPECT_LT(upDexter.x, g.W2);
        EXPECT_LT(upDexter.y, g.H2);
        EXPECT_NEAR(upDexter.x + downSinister.x, 2 * g.W2, 2);
        EXPECT_NEAR(upDexter.y + downSinister.y, 2 * g.H2, 2);
        EXPECT_NEAR(upSinister.x + upDexter.x, 2 * g.W2, 2);
        EXPECT_EQ(upSinister.y, upDexter.y);
        EXPECT_NEAR(downDexter.x + downSinister.x, 2 * g.W2, 2);
    }
    // Each limb's two meet point to point.
    for (std::size_t i : {1u, 3u, 5u, 7u})
        EXPECT_NE(d.At((placed[i].x + placed[i + 1].x) / 2, (placed[i].y + placed[i + 1].y) / 2), Colour(kGules));
}

// Without the word the same charges stand apart, so the test above sees the difference; and a
// charge that is not lozenge-shaped, or a line no conjoined run is laid on, leaves "conjoined"
// unread rather than drawn as before.
TEST(Conjoined, OnlyLozengesAndOnlyWhenWritten) {
    Drawing d;
    d.Draw("Gules seven mascles or");
    auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 7u);
    EXPECT_EQ(d.At((placed[0].x + placed[1].x) / 2, (placed[0].y + placed[1].y) / 2), Colour(kGules));

    d.Draw("Gules three mullets conjoined or");
    EXPECT_FALSE(WordUsed(d, "conjoined"));
    // Nor is it read along a line no run is laid on: four in cross have no crossing lozenge.
    for (const char* blazon : {"Gules four lozenges conjoined in cross or", "Gules three fusils conjoined in pile or",
                               "Gules six lozenges in saltire conjoined or"}) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        EXPECT_FALSE(WordUsed(d, "conjoined"));
    }
}

// The largest size that lets the seven touch: the tallest column (three rows) fills the
// shield's height but for the margins.
TEST(Conjoined, AsLargeAsTheShieldAllows) {
    Drawing d;
    d.Draw("Gules seven mascles conjoined or");
    const auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 7u);
    const double tall = 257.4 * placed[0].scale / 2;  // the mascle's tip-to-tip height in its picture
    EXPECT_NEAR(placed[6].y - placed[0].y, 2 * tall, 2.0);
    EXPECT_GT(3 * tall, d.s().geometry.H * 0.9);
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

// The share of points in a box round the centre where b, read mirrored about the centre's
// column (or straight), has a's colour.
double MirroredAgreement(const Drawing& a, const Drawing& b, int cx, int cy, int half, bool mirrored) {
    int same = 0, all = 0;
    for (int dy = -half; dy <= half; dy += 3)
        for (int dx = -half; dx <= half; dx += 3) {
            ++all;
            // Mirroring about a column may shift the picture by one pixel.
            const int x = mirrored ? cx - dx : cx + dx;
            const Rgb want = a.At(cx + dx, cy + dy);
            if (want == b.At(x, cy + dy) || (mirrored && (want == b.At(x - 1, cy + dy) || want == b.At(x + 1, cy + dy)))) ++same;
        }
    return static_cast<double>(same) / all;
}

// "sinister" before a hand, arm or gauntlet draws the left one: the right one's picture
// mirrored. "dexter" is the picture as drawn. Both words are read.
TEST(Handedness, SinisterMirrorsTheHandDexterKeepsIt) {
    struct Case {
        const char* dexter;
        const char* sinister;
    };
    for (const Case& c : {Case{"Argent a hand gules", "Argent a sinister hand gules"},
                          Case{"Argent a dexter hand couped at the wrist gules", "Argent a sinister hand couped at the wrist gules"},
                          Case{"Azure a dexter gauntlet or", "Azure a sinister gauntlet or"}}) {
        SCOPED_TRACE(c.sinister);
        Drawing right, left;
        right.Draw(c.dexter);
        left.Draw(c.sinister);
        for (const Drawing* d : {&right, &left})
            for (const WordTrace& w : d->trace.secondPass) EXPECT_TRUE(w.used) << w.text;
        EXPECT_TRUE(left.sink.messages.empty());
        const auto placed = AllPlacements(left);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_TRUE(placed[0].mirrored);
        EXPECT_FALSE(AllPlacements(right).at(0).mirrored);
        const int cx = placed[0].x, cy = placed[0].y;
        EXPECT_GT(MirroredAgreement(right, left, cx, cy, 120, true), 0.97);
        EXPECT_LT(MirroredAgreement(right, left, cx, cy, 120, false), 0.95);  // the picture is not symmetric
    }
    // Before any other charge the words keep their old readings.
    Drawing d;
    d.Draw("Azure a bend sinister or");
    EXPECT_EQ(d.trace.levels.at(0).layout.find("DrawOrdinary(2)"), 0u);
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

// Charges on bars: shared as evenly as they go, the upper bars first, each within its bar (the
// bar's tincture just above and below the charge's centre, never the field).
TEST(OnBars, SharedUpperFirstAndKeptOnTheBars) {
    struct Case {
        const char* blazon;
        std::vector<int> perBar;  // top bar first
        Rgb field, bar;
    };
    const std::vector<Case> cases = {
        {"Or on two bars gules three water bougets argent", {2, 1}, Colour(kOr), Colour(kGules)},
        {"Or on two bars gules four mullets argent", {2, 2}, Colour(kOr), Colour(kGules)},
        {"Argent on three bars azure five mullets or", {2, 2, 1}, Colour(kArgent), Colour(kAzure)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        for (const WordTrace& w : d.trace.secondPass) EXPECT_TRUE(w.used) << w.text;
        const auto placed = AllPlacements(d);
        const BarRows bars = BarsOnTheField(d.s().geometry, static_cast<int>(c.perBar.size()));
        std::vector<int> counted(c.perBar.size(), 0);
        for (const PlacementTrace& p : placed) {
            const auto at = std::find(bars.centres.begin(), bars.centres.end(), p.y);
            ASSERT_NE(at, bars.centres.end()) << "a charge off the bars at y " << p.y;
            ++counted[static_cast<std::size_t>(at - bars.centres.begin())];
            for (int dy : {-bars.width / 2 + 2, bars.width / 2 - 2}) {
                EXPECT_NE(d.At(p.x, p.y + dy), c.field) << "x " << p.x << " y " << p.y + dy;
            }
        }
        EXPECT_EQ(counted, c.perBar);
        // The bar's own tincture still shows beside each charge: they lie on it.
        EXPECT_EQ(d.At(4 + d.s().geometry.W / 20, bars.centres[0]), c.bar);
    }
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

int BitsInRow(Tile tile, int row) {
    int n = 0;
    for (int c = 0; c < 48; ++c) n += TileBit(tile, row, c) ? 1 : 0;
    return n;
}

// The crosslet fitchy of the semé: the same head and arms as the crosslet, its foot a single
// stem running on below where the crosslet's foot ends, narrowing to a point.
TEST(CrusillyFitchy, TheFootIsDrawnOutToAPoint) {
    for (int row = 0; row <= 14; ++row) {
        SCOPED_TRACE(row);
        for (int c = 0; c < 48; ++c) EXPECT_EQ(TileBit(Tile::CrusillyFitchy, row, c), TileBit(Tile::Crusilly, row, c));
    }
    EXPECT_EQ(BitsInRow(Tile::Crusilly, 16), 6);        // the crosslet's foot has its crossbar
    EXPECT_EQ(BitsInRow(Tile::CrusillyFitchy, 16), 2);  // the fitchy foot none
    EXPECT_EQ(BitsInRow(Tile::Crusilly, 21), 0);
    EXPECT_EQ(BitsInRow(Tile::CrusillyFitchy, 21), 1);  // the point, below the crosslet's foot
    EXPECT_EQ(BitsInRow(Tile::CrusillyFitchy, 23), 0);  // clear of the tile below
}

// "semee of crosses crosslet fitchy" reads "fitchy" and paints the fitchy tile: the two fields
// differ, and only where the feet are.
TEST(CrusillyFitchy, TheWordChangesTheSemee) {
    Drawing plain, fitchy;
    plain.Draw("Azure semee of crosses crosslet or");
    fitchy.Draw("Azure semee of crosses crosslet fitchy or");
    for (const WordTrace& w : fitchy.trace.secondPass) EXPECT_TRUE(w.used) << w.text;
    EXPECT_TRUE(fitchy.sink.messages.empty());
    int differ = 0;
    for (int y = 40; y < 300; ++y)
        for (int x = 40; x < 370; ++x) differ += plain.At(x, y) == fitchy.At(x, y) ? 0 : 1;
    EXPECT_GT(differ, 100);
    // A semé after it starts afresh.
    Drawing again;
    again.Draw("Azure semee of crosses crosslet fitchy or");
    again.Draw("Azure semee of crosses crosslet or");
    for (int y = 40; y < 300; y += 7)
        for (int x = 40; x < 370; x += 5) ASSERT_EQ(again.At(x, y), plain.At(x, y));
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

// "quarter pierced" after the cross's tincture: the square where the arms meet shows the field,
// as "a cross pierced" before the tincture does; the arms keep their tincture.
TEST(CrossPierced, AfterTheTinctureTheCrossingShowsTheField) {
    for (const char* blazon : {"Sable a cross pierced argent", "Sable a cross argent quarter pierced",
                               "Sable on a cross argent quarter pierced of the field four eagles displayed of the first"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        for (const WordTrace& w : d.trace.secondPass) EXPECT_TRUE(w.used) << w.text;
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_EQ(d.At(g.W2, g.H2), Colour(kSable));
        EXPECT_EQ(d.At(g.W2 - g.chiefDepth * 6 / 10, g.H2), Colour(kArgent));  // beside the hole, on the arm
        EXPECT_EQ(d.At(g.W2, g.H2 - g.chiefDepth * 6 / 10), Colour(kArgent));
    }
    Drawing whole;
    whole.Draw("Sable a cross argent");
    EXPECT_EQ(whole.At(whole.s().geometry.W2, whole.s().geometry.H2), Colour(kArgent));
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

// "vair or and gules" on an ordinary: the bells in the two tinctures named, not vair's own
// argent and azure.
TEST(VairOfTwoTinctures, TheOrdinaryTakesBothTinctures) {
    Drawing d;
    d.Draw("Argent a chief vair or and gules");
    for (const WordTrace& w : d.trace.secondPass) EXPECT_TRUE(w.used) << w.text;
    int gold = 0, red = 0, blue = 0;
    const ShieldGeometry& g = d.s().geometry;
    for (int y = 10; y < g.chiefDepth - 10; ++y)
        for (int x = 20; x < g.W - 20; ++x) {
            const Rgb c = d.At(x, y);
            gold += c == Colour(kOr) ? 1 : 0;
            red += c == Colour(kGules) ? 1 : 0;
            blue += c == Colour(kAzure) ? 1 : 0;
        }
    EXPECT_GT(gold, 1000);
    EXPECT_GT(red, 1000);
    EXPECT_EQ(blue, 0);
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

int CountColour(const Drawing& d, Rgb colour) {
    int n = 0;
    for (int y = 0; y < d.state->geometry.H; ++y)
        for (int x = 0; x < d.state->geometry.W; ++x) n += d.At(x, y) == colour ? 1 : 0;
    return n;
}

// Detail words after a charge's pattern of two tinctures ("chequy argent and gules crowned or")
// are read as after a plain tincture: the crowned picture, its crown in the tincture named.
TEST(PatternedCharge, DetailWordsAfterThePatternAreRead) {
    Drawing crowned, bare;
    crowned.Draw("Azure an eagle displayed chequy argent and gules crowned or");
    bare.Draw("Azure an eagle displayed chequy argent and gules");
    for (const WordTrace& w : crowned.trace.secondPass) EXPECT_TRUE(w.used) << w.text;
    ASSERT_FALSE(crowned.trace.levels.empty());
    EXPECT_EQ(crowned.trace.levels[0].name, "eaglec");
    EXPECT_EQ(CountColour(bare, Colour(kOr)), 0);
    EXPECT_GT(CountColour(crowned, Colour(kOr)), 30);  // the crown
    EXPECT_GT(CountColour(crowned, Colour(kGules)), 1000);  // the body still chequy
}

}  // namespace
}  // namespace esc::test

namespace esc::test {
namespace {

// "on a canton argent a cross gules": the cross within the canton, reduced from the whole field,
// and none of it over the rest of the field.
TEST(OrdinaryOnACanton, DrawnWithinTheCantonOnly) {
    struct Case {
        const char* blazon;
        int field, canton, ordinary;
        int betweenX, betweenY;  // a point between the arms, in fifths of the canton
    };
    const Case cases[] = {
        {"Sable a lion rampant argent on a canton argent a cross gules", kSable, kArgent, kGules, 1, 1},
        {"Azure on a canton of the field a saltire or", kAzure, kAzure, kOr, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        const ShieldGeometry& g = d.s().geometry;
        const Rect area = CantonArea(g);
        const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
        // The crossing of the arms at the canton's centre; the canton's own tincture between them.
        EXPECT_EQ(d.At(cx, cy), Colour(c.ordinary));
        EXPECT_EQ(d.At(area.left + area.Width() * c.betweenX / 5, area.top + area.Height() * c.betweenY / 5 + 2),
                  Colour(c.canton));
        // Where the ordinary would lie on the whole field (the cross's arm, the saltire's limb
        // toward the sinister chief), the field shows.
        EXPECT_EQ(d.At(g.W - 12, g.H2), Colour(c.field));
        EXPECT_EQ(d.At(g.W - 20, 20), Colour(c.field));
    }
}

}  // namespace
}  // namespace esc::test
