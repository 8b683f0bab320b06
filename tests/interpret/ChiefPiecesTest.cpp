// Base esquires in the chief's corners, charges on a chief as large as it allows, and "over all"
// after a group of charges on a chief.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/OverAll.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Points inside and outside each esquire, from the chief's lower edge b and the esquire's leg e:
// the long side runs from the chief's upper outer corner (0, 0) to (e, b).
struct EsquirePoints {
    int insideX, insideY;    // near the corner, under the long side
    int outsideX, outsideY;  // in the chief above the long side
    int belowX, belowY;      // just under the chief
};

EsquirePoints DexterPoints(const ShieldGeometry& g) {
    const int b = shapes::ChiefLowerEdge(g), e = g.W * shapes::kBaseEsquireWidthPercent / 100;
    return {e / 3, b * 5 / 6, e * 3 / 4, b / 4, e / 3, b + 6};
}

int Mirror(const ShieldGeometry& g, int x) { return g.W - x; }

TEST(BaseEsquires, DrawnInTheChiefsLowerOuterCorners) {
    struct Case {
        const char* blazon;
        bool dexter, sinister;
    };
    const std::vector<Case> cases = {
        {"Argent on a chief gules two base esquires or", true, true},
        {"Argent on a chief gules a base esquire or", true, false},
        {"Argent on a chief gules a base esquire dexter or", true, false},
        {"Argent on a chief gules a base esquire sinister or", false, true},
        {"Argent on a chief gules a sinister base esquire or", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_TRUE(WordUsed(d, "base"));
        const ShieldGeometry& g = d.s().geometry;
        const EsquirePoints p = DexterPoints(g);
        EXPECT_EQ(d.At(p.insideX, p.insideY), c.dexter ? Colour(kOr) : Colour(kGules));
        EXPECT_EQ(d.At(Mirror(g, p.insideX), p.insideY), c.sinister ? Colour(kOr) : Colour(kGules));
        // Above the long side the chief shows, and below the chief the field: the esquire keeps
        // within the chief.
        for (int x : {p.outsideX, Mirror(g, p.outsideX)}) EXPECT_EQ(d.At(x, p.outsideY), Colour(kGules));
        for (int x : {p.belowX, Mirror(g, p.belowX)}) EXPECT_EQ(d.At(x, p.belowY), Colour(kArgent));
        // The middle of the chief is the chief's.
        EXPECT_EQ(d.At(g.W2, shapes::ChiefLowerEdge(g) / 2), Colour(kGules));
    }
}

// "esquires" alone is no word the phrase can draw without the shape; "base" alone stays a
// direction ("in base").
TEST(BaseEsquires, BaseAloneIsStillADirection) {
    Drawing d;
    d.Draw("Argent in base a mullet gules");
    ASSERT_EQ(d.trace.levels.size(), 1u);
    ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
    EXPECT_GT(d.trace.levels[0].placements[0].y, d.s().geometry.H2);
}

// The painted box of the pixels in `colour` within columns [x1, x2) and rows [0, rows).
struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};
Box PaintedBox(const Drawing& d, Rgb colour, int x1, int x2, int rows) {
    Box box;
    for (int y = 0; y < rows; ++y)
        for (int x = x1; x < x2; ++x) {
            if (d.At(x, y) != colour) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    return box;
}

// Charges on a chief fill its depth: each charge's silhouette (measured in its share of the
// chief's breadth) spans most of the depth, touches neither the chief's top nor its lower edge,
// and the shares are apart, so no two touch.
TEST(OnAChief, ChargesAsLargeAsTheChiefAllows) {
    struct Case {
        const char* blazon;
        int count;
        int lineDepth;  // how far the chief's line reaches up into it
    };
    const std::vector<Case> cases = {
        {"Argent a chevron between three martlets sable on a chief gules three escallops or", 3, 0},
        {"Argent on a chief gules three mullets or", 3, 0},
        {"Azure on a chief gules two lions passant or", 2, 0},
        {"Argent on a chief gules a rose or", 1, 0},
        {"Argent on a chief indented gules three mullets or", 3, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const ShieldGeometry& g = d.s().geometry;
        const int lower = shapes::ChiefLowerEdge(g) - c.lineDepth;
        const int depth = lower - 2;  // below the outline's top line
        int placed = 0;
        for (int j = 0; j < c.count; ++j) {
            SCOPED_TRACE("charge " + std::to_string(j));
            const int x1 = g.W * j / c.count, x2 = g.W * (j + 1) / c.count;
            const Box box = PaintedBox(d, Colour(kOr), x1, x2, g.H);
            ASSERT_FALSE(box.Empty());
            ++placed;
            EXPECT_GT(box.top, 2);
            EXPECT_LT(box.bottom, lower);
            EXPECT_GT(box.left, x1);
            EXPECT_LT(box.right, x2 - 1);
            EXPECT_GE(box.bottom - box.top + 1, depth * 2 / 3);
        }
        EXPECT_EQ(placed, c.count);
    }
}

// "on a chief a lion between two mullets": the two stand on the chief too, either side of it.
TEST(OnAChief, ChargesBetweenOneOnTheChiefStayOnIt) {
    Drawing d;
    d.Draw("Argent on a chief gules a lion passant between two mullets or");
    EXPECT_TRUE(d.sink.messages.empty());
    const ShieldGeometry& g = d.s().geometry;
    const int lower = shapes::ChiefLowerEdge(g);
    EXPECT_TRUE(PaintedBox(d, Colour(kOr), 0, g.W, g.H).bottom < lower);
    for (int third = 0; third < 3; ++third) {
        SCOPED_TRACE(third);
        const Box box = PaintedBox(d, Colour(kOr), g.W * third / 3, g.W * (third + 1) / 3, lower);
        ASSERT_FALSE(box.Empty());
        EXPECT_GT(box.left, g.W * third / 3);
        EXPECT_LT(box.right, g.W * (third + 1) / 3 - 1);
    }
}

// The coat of Mortimer: a chief Or with two pallets between two base esquires azure, over all
// an escutcheon argent. The esquires are azure in the corners, the pallets between them, and
// the escutcheon stands over all at the fess point, an inescutcheon's size, not on the chief.
TEST(OverAll, EndsTheGroupOfChargesOnAChief) {
    Drawing d;
    d.Draw("Barry of six or and azure on a chief of the first two pallets between two base esquires of the second "
           "over all an escutcheon argent");
    EXPECT_TRUE(d.sink.messages.empty());
    for (const char* word : {"base", "esquires", "over", "all", "escutcheon"}) {
        SCOPED_TRACE(word);
        EXPECT_TRUE(WordUsed(d, word));
    }
    const ShieldGeometry& g = d.s().geometry;
    const EsquirePoints p = DexterPoints(g);
    EXPECT_EQ(d.At(p.insideX, p.insideY), Colour(kAzure));
    EXPECT_EQ(d.At(Mirror(g, p.insideX), p.insideY), Colour(kAzure));
    EXPECT_EQ(d.At(p.outsideX, p.outsideY), Colour(kOr));

    ASSERT_FALSE(d.trace.levels.empty());
    const LevelTrace& escutcheon = d.trace.levels.back();
    EXPECT_EQ(escutcheon.name, "escutcheon");
    ASSERT_EQ(escutcheon.placements.size(), 1u);
    EXPECT_EQ(escutcheon.placements[0].x, g.W2);
    EXPECT_EQ(escutcheon.placements[0].y, g.H2);
    EXPECT_EQ(d.At(g.W2, g.H2), Colour(kArgent));
    // The middle of the chief keeps its Or, and the second bar (azure) shows under the chief
    // where the escutcheon used to stand.
    EXPECT_EQ(d.At(g.W2, shapes::ChiefLowerEdge(g) / 2), Colour(kOr));
    EXPECT_EQ(d.At(g.W2, (g.H / 6 + g.H / 3) / 2), Colour(kAzure));
}

// Measured across the fess point: the run of argent is the escutcheon's breadth there.
int ArgentRunAcross(const Drawing& d, int y) {
    const ShieldGeometry& g = d.state->geometry;
    int left = g.W2, right = g.W2;
    while (left > 0 && d.At(left - 1, y) == Colour(kArgent)) --left;
    while (right < g.W - 1 && d.At(right + 1, y) == Colour(kArgent)) ++right;
    return right - left + 1;
}

TEST(OverAll, AnEscutcheonOverAllIsTheSizeOfAnInescutcheon) {
    const std::vector<const char*> blazons = {
        "Barry of six or and azure over all an escutcheon argent",
        "Or a chevron gules over all an escutcheon argent",
        "Or a chevron gules overall an escutcheon argent",
        "Gules on a chief or three mullets azure over all an escutcheon argent",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.trace.levels.back().placements.size(), 1u);
        EXPECT_EQ(d.trace.levels.back().placements[0].y, g.H2);
        // The picture's box is a little wider than the silhouette, and the outline is black.
        const int expected = g.W * kInescutcheonWidthPercent / 100;
        const int run = ArgentRunAcross(d, g.H2 - g.H / 10);
        EXPECT_GT(run, expected * 85 / 100);
        EXPECT_LE(run, expected);
    }
}

// Charges other than an escutcheon over all stand where they would on the plain field, at
// their usual size, and not on the chief before them.
TEST(OverAll, OtherChargesStandAtTheFessPoint) {
    Drawing plain, afterChief;
    plain.Draw("Argent a lion rampant azure");
    afterChief.Draw("Argent on a chief gules three mullets or over all a lion rampant azure");
    ASSERT_EQ(plain.trace.levels.size(), 1u);
    ASSERT_EQ(afterChief.trace.levels.size(), 3u);
    const auto& lion = afterChief.trace.levels[2].placements;
    ASSERT_EQ(lion.size(), 1u);
    EXPECT_EQ(lion[0].x, plain.trace.levels[0].placements[0].x);
    EXPECT_EQ(lion[0].y, plain.trace.levels[0].placements[0].y);
    EXPECT_FLOAT_EQ(lion[0].scale, plain.trace.levels[0].placements[0].scale);
    // Without "over all" the group goes on, and the lion is laid out with the chief's charges:
    // the words make the difference.
    Drawing onChief;
    onChief.Draw("Argent on a chief gules three mullets or a lion rampant azure");
    ASSERT_EQ(onChief.trace.levels.size(), 3u);
    ASSERT_EQ(onChief.trace.levels[2].placements.size(), 1u);
    EXPECT_NE(onChief.trace.levels[2].placements[0].y, lion[0].y);
}

}  // namespace
}  // namespace esc::test
