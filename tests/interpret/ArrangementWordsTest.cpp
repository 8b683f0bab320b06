// Arrangements and turnings written after a phrase's charge: in bend sinister, in annulo, rows
// written "one and two", "overall" as one word, contourny.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Each charge stands where it was placed: its centre is painted in the charge's tincture.
void ExpectPaintedAtEachPlacement(const Drawing& d, const std::vector<PlacementTrace>& placed, Rgb tincture) {
    for (std::size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE("charge " + std::to_string(i));
        EXPECT_EQ(d.At(placed[i].x, placed[i].y), tincture);
    }
}

// Along the bend sinister the charges run from the sinister chief down to the dexter base: each
// lower than the one before and further to the dexter, the middle one at the fess point's
// column. "In bend" runs the other way, so the test sees which diagonal was drawn.
TEST(ArrangementWords, InBendSinisterRunsFromSinisterChiefToDexterBase) {
    struct Case {
        const char* blazon;
        bool sinister;
    };
    for (const Case& c : {Case{"Argent three mullets in bend sinister sable", true},
                          Case{"Argent three mullets sable in bend sinister", true},
                          Case{"Argent three mullets in bend sable", false}}) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        if (c.sinister) {
            EXPECT_TRUE(WordUsed(d, "sinister"));
        }
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 3u);
        for (std::size_t i = 1; i < placed.size(); ++i) {
            EXPECT_GT(placed[i].y, placed[i - 1].y);
            if (c.sinister) {
                EXPECT_LT(placed[i].x, placed[i - 1].x);
            } else {
                EXPECT_GT(placed[i].x, placed[i - 1].x);
            }
        }
        EXPECT_NEAR(placed[1].x, d.s().geometry.W2, d.s().geometry.W / 20);
        // The first charge in the chief half on its own side of the pale.
        EXPECT_EQ(placed[0].x > d.s().geometry.W2, c.sinister);
        EXPECT_LT(placed[0].y, d.s().geometry.H2);
        ExpectPaintedAtEachPlacement(d, placed, Colour(kSable));
    }
}

// In annulo: every charge at one distance from the ring's centre, evenly round it (neighbours
// one chord apart), the first at the top, and the middle of the ring left as field.
TEST(ArrangementWords, InAnnuloSetsTheChargesRoundARing) {
    for (int n : {4, 6, 8}) {
        const std::string numbers[] = {"", "", "", "", "four", "", "six", "", "eight"};
        const std::string blazon = "Argent " + numbers[n] + " mullets in annulo sable";
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_TRUE(WordUsed(d, "annulo"));
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), static_cast<std::size_t>(n));
        double cx = 0, cy = 0;
        for (const PlacementTrace& p : placed) {
            cx += p.x;
            cy += p.y;
        }
        cx /= n;
        cy /= n;
        const double radius = std::hypot(placed[0].x - cx, placed[0].y - cy);
        EXPECT_GT(radius, d.s().geometry.W / 5.0);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE("charge " + std::to_string(i));
            EXPECT_NEAR(std::hypot(placed[i].x - cx, placed[i].y - cy), radius, 2.0);
            const PlacementTrace& next = placed[(i + 1) % placed.size()];
            EXPECT_NEAR(std::hypot(next.x - placed[i].x, next.y - placed[i].y), 2.0 * radius * std::sin(M_PI / n), 3.0);
            EXPECT_LE(placed[0].y, placed[i].y);
        }
        EXPECT_NEAR(placed[0].x, cx, 1.0);
        EXPECT_EQ(d.At(static_cast<int>(cx), static_cast<int>(cy)), Colour(kArgent));
        ExpectPaintedAtEachPlacement(d, placed, Colour(kSable));
    }
}

// Few charges in annulo make the ring between them: each as large as the chord to its
// neighbour allows, so two fish naiant span most of the ring's breadth, and fewer charges are
// drawn larger than more.
TEST(ArrangementWords, FewInAnnuloFillTheRing) {
    std::vector<float> scales;
    for (const char* blazon : {"Argent two fish naiant in annulo sable", "Argent three fish naiant in annulo sable",
                               "Argent six fish naiant in annulo sable"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const auto placed = AllPlacements(d);
        ASSERT_GE(placed.size(), 2u);
        scales.push_back(placed[0].scale);
    }
    EXPECT_LE(scales[1], scales[0]);
    EXPECT_LT(scales[2], scales[1]);
    Drawing two;
    two.DrawClean("Argent two fish naiant in annulo sable");
    const auto pair = AllPlacements(two);
    ASSERT_EQ(pair.size(), 2u);
    const int radius = (pair[1].y - pair[0].y) / 2;
    int left = two.s().geometry.W, right = 0;
    for (int x = 0; x < two.s().geometry.W; ++x)
        if (two.At(x, pair[0].y) == Colour(kSable)) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    EXPECT_GE(right - left, radius * 4 / 5);
}

// Rows written as two numbers: "one and two" puts one above two, "two and one" two above one;
// the charges of a row share a height and the single one stands on the pale line.
TEST(ArrangementWords, RowsOneAndTwoAndTwoAndOne) {
    struct Case {
        const char* blazon;
        int top;  // charges in the upper row
    };
    for (const Case& c : {Case{"Argent three roses one and two gules", 1}, Case{"Argent three roses two and one gules", 2},
                          Case{"Argent three mullets one and two sable", 1}}) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_TRUE(WordUsed(d, "and"));
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 3u);
        const PlacementTrace& single = c.top == 1 ? placed[0] : placed[2];
        const PlacementTrace& pairA = c.top == 1 ? placed[1] : placed[0];
        const PlacementTrace& pairB = c.top == 1 ? placed[2] : placed[1];
        EXPECT_EQ(pairA.y, pairB.y);
        if (c.top == 1) {
            EXPECT_LT(single.y, pairA.y);
        } else {
            EXPECT_GT(single.y, pairA.y);
        }
        EXPECT_NEAR(single.x, d.s().geometry.W2, 2);
        EXPECT_LT(pairA.x, d.s().geometry.W2);
        EXPECT_GT(pairB.x, d.s().geometry.W2);
    }
    // A split that does not make up the count is no row list.
    Drawing d;
    d.Draw("Argent three roses one and three gules");
    EXPECT_FALSE(d.sink.messages.empty() && AllPlacements(d).size() == 3u && WordUsed(d, "one"));
}

// "overall" written as one word reads as "over all": the bend is painted over the fess where
// they cross, and the fess stays gules away from the bend.
TEST(ArrangementWords, OverallInOneWordPaintsTheNextPhraseOver) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    d.Draw("Argent a fess gules");
    const int x = g.W2, y = g.H2;
    ASSERT_EQ(d.At(x, y), Colour(kGules));  // the fess covers the fess point
    for (const char* blazon : {"Argent a fess gules overall a bend azure", "Argent a fess gules over all a bend azure"}) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_EQ(d.At(x, y), Colour(kAzure));
        EXPECT_EQ(d.At(g.W / 12, y), Colour(kGules));  // on the fess, far from the bend
        EXPECT_EQ(d.At(g.W - g.W / 12, g.H / 8), Colour(kArgent));
    }
    d.Draw("Argent a fess gules overall a bend azure");
    EXPECT_TRUE(WordUsed(d, "overall"));
}

// Contourny: the same picture, mirrored about its placement, facing the sinister. Compared pixel
// by pixel with the lion drawn as usual across the charge's box.
TEST(ArrangementWords, ContournyMirrorsTheCharge) {
    for (const char* blazon : {"Argent a lion rampant gules contourny", "Argent a lion rampant contourny gules"}) {
        SCOPED_TRACE(blazon);
        Drawing plain, turned;
        plain.Draw("Argent a lion rampant gules");
        turned.Draw(blazon);
        EXPECT_TRUE(turned.sink.messages.empty());
        EXPECT_TRUE(WordUsed(turned, "contourny"));
        const auto a = AllPlacements(plain), b = AllPlacements(turned);
        ASSERT_EQ(a.size(), 1u);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_FALSE(a[0].mirrored);
        EXPECT_TRUE(b[0].mirrored);
        const ShieldGeometry& g = plain.s().geometry;
        int same = 0, differs = 0, mirrorSame = 0, checked = 0;
        for (int dy = -g.H / 4; dy <= g.H / 4; dy += 5) {
            for (int dx = -g.W / 4; dx <= g.W / 4; dx += 5) {
                const int y = a[0].y + dy;
                const Rgb left = plain.At(a[0].x + dx, y);
                if (left != Colour(kGules)) continue;
                ++checked;
                if (turned.At(b[0].x - dx, y) == Colour(kGules)) ++mirrorSame;
                if (turned.At(b[0].x + dx, y) == Colour(kGules)) ++same; else ++differs;
            }
        }
        ASSERT_GT(checked, 50);
        EXPECT_GT(mirrorSame, checked * 9 / 10);  // the mirror image matches
        EXPECT_GT(differs, checked / 5);          // and it is not the lion unturned
    }
}

// "(Fieldless) a mullet gules": the mullet on a white ground, with no field and no shield: the
// corners, the shield's base point and the place of its outline are white, where the same
// mullet on a field has teal corners.
TEST(ArrangementWords, FieldlessDrawsTheChargeOnAWhiteGround) {
    const Rgb white{255, 255, 255};
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    d.Draw("Argent a mullet gules");
    ASSERT_NE(d.At(1, g.H - 2), white);
    for (const char* blazon : {"(Fieldless) a mullet gules", "(fieldless) a mullet gules"}) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_TRUE(WordUsed(d, "fieldless"));
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_EQ(d.At(placed[0].x, placed[0].y), Colour(kGules));
        for (const auto& [x, y] : {std::pair{1, 1}, std::pair{g.W - 2, 1}, std::pair{1, g.H - 2}, std::pair{g.W - 2, g.H - 2},
                                   std::pair{g.W2, g.shieldBottom}, std::pair{0, g.H2}, std::pair{g.W - 1, g.H2}}) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            EXPECT_EQ(d.At(x, y), white);
        }
    }
}

// Voided, written before or after the tincture: across the ordinary (down the middle column, or
// along the middle row for the pale) the plain ordinary's run of gules keeps gules at its edges
// and shows the field in its middle.
TEST(ArrangementWords, VoidedBeforeOrAfterTheTinctureKeepsOnlyTheEdges) {
    // The bend and the cross are left out: their voided outlines are drawn wider than the plain
    // ordinary (a fault of the shapes still open).
    for (const char* ordinary : {"saltire", "chevron", "fess", "pale"}) {
        SCOPED_TRACE(ordinary);
        const std::string name = ordinary;
        const bool across = name == "pale";  // the pale is crossed along a row
        Drawing plain;
        const ShieldGeometry& g = plain.s().geometry;
        plain.Draw("Argent a " + name + " gules");
        auto at = [&](const Drawing& d, int k) { return across ? d.At(k, g.H2) : d.At(g.W2, k); };
        const int length = across ? g.W : g.shieldBottom;
        int first = -1, last = -1;
        for (int k = 0; k < length; ++k) {
            if (at(plain, k) != Colour(kGules)) continue;
            if (first < 0) first = k;
            if (first >= 0 && (last < 0 || k == last + 1)) last = k;
        }
        ASSERT_GE(first, 0);
        ASSERT_GT(last - first, 10);
        for (const std::string& blazon : {"Argent a " + name + " voided gules", "Argent a " + name + " gules voided"}) {
            SCOPED_TRACE(blazon);
            Drawing d;
            d.Draw(blazon);
            EXPECT_TRUE(d.sink.messages.empty());
            EXPECT_TRUE(WordUsed(d, "voided"));
            EXPECT_EQ(at(d, (first + last) / 2), Colour(kArgent));
            int edges = 0;
            // The edge lines lie on the plain ordinary's boundaries, a pixel or two either side.
            for (int k = first - 4; k <= last + 4; ++k) edges += at(d, k) == Colour(kGules) ? 1 : 0;
            EXPECT_GT(edges, 0);
            EXPECT_LT(edges, (last - first + 1) / 2);
        }
    }
}

// "maintaining" and "sustaining" read as "holding": the sword drawn at the same place and size in
// the lion's raised forepaw, the same pixels there, and not where a second phrase alone would go.
TEST(ArrangementWords, MaintainingAndSustainingHoldAsHoldingDoes) {
    Drawing holding;
    holding.Draw("Argent a lion rampant gules holding a sword or");
    const auto held = AllPlacements(holding);
    ASSERT_EQ(held.size(), 2u);
    ASSERT_NE(held[1].x, holding.s().geometry.W2);  // in the paw, off the pale line
    for (const char* word : {"maintaining", "sustaining"}) {
        SCOPED_TRACE(word);
        Drawing d;
        d.Draw(std::string("Argent a lion rampant gules ") + word + " a sword or");
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_TRUE(WordUsed(d, word));
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_EQ(placed[1].x, held[1].x);
        EXPECT_EQ(placed[1].y, held[1].y);
        EXPECT_FLOAT_EQ(placed[1].scale, held[1].scale);
        EXPECT_EQ(d.At(placed[1].x, placed[1].y), holding.At(held[1].x, held[1].y));
    }
}

// Charges on an orle lie along its band: each placement falls on the orle drawn alone, is painted
// in the charges' tincture, and they go round all four sides.
TEST(ArrangementWords, ChargesOnAnOrleLieAlongItsBand) {
    Drawing plain, d;
    const ShieldGeometry& g = plain.s().geometry;
    plain.Draw("Argent an orle gules");
    d.Draw("Argent an orle gules charged with eight mullets or");
    EXPECT_TRUE(d.sink.messages.empty());
    const auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 8u);
    int chief = 0, base = 0, dexter = 0, sinister = 0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE("charge " + std::to_string(i));
        EXPECT_EQ(plain.At(placed[i].x, placed[i].y), Colour(kGules));
        EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(kOr));
        chief += placed[i].y < g.H / 8 ? 1 : 0;
        base += placed[i].y > g.H * 7 / 8 ? 1 : 0;
        dexter += placed[i].x < g.W / 8 ? 1 : 0;
        sinister += placed[i].x > g.W * 7 / 8 ? 1 : 0;
    }
    EXPECT_GT(chief, 0);
    EXPECT_GT(base, 0);
    EXPECT_GT(dexter, 0);
    EXPECT_GT(sinister, 0);
}

// A semé on a bordure lies on the bordure alone: every charge on the bordure drawn by itself, in
// its own tincture, and the field inside (the fess point and the middles of the chief and the
// flanks, where a semé of the field would put charges) left azure.
TEST(ArrangementWords, SemeOnABordureStaysOnTheBordure) {
    Drawing plain;
    const ShieldGeometry& g = plain.s().geometry;
    plain.Draw("Azure a bordure gules");
    for (const char* blazon : {"Azure a bordure gules semy of bezants", "Azure a bordure gules semee of mullets or"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const auto placed = AllPlacements(d);
        ASSERT_GE(placed.size(), 8u);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE("charge " + std::to_string(i));
            EXPECT_EQ(plain.At(placed[i].x, placed[i].y), Colour(kGules));
            EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(kOr));
        }
        for (const auto& [x, y] : {std::pair{g.W2, g.H2}, std::pair{g.W2, g.H4}, std::pair{g.W4, g.H2}, std::pair{g.W - g.W4, g.H2}}) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            EXPECT_EQ(d.At(x, y), Colour(kAzure));
        }
    }
}

}  // namespace
}  // namespace esc::test
