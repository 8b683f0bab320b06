// Charges that have a place as well as an arrangement or an ordinary beside them: one charge set
// after an ordinary stands in the room the ordinary leaves, and a group "in saltire" (or any
// arrangement) on an ordinary or in a part of the field is arranged inside that place.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Ordinaries.h"
#include "engine/Palette.h"

namespace esc {
namespace {

using test::AllPlacements;
using test::Colour;
using test::Drawing;

// The painted radius of a roundel at scale 1.
constexpr float kRoundelRadiusAtOne = 55.0f;

// "Or, a <ordinary> vert, a roundel gules": the roundel lies wholly on the field the ordinary
// leaves. The plain drawing (without the roundel) is Or all round the roundel's edge, and the
// drawing with it shows the roundel there and the ordinary still whole at its own point.
TEST(ArrangedInPlace, OneChargeAfterAnOrdinaryTakesTheRoomLeft) {
    struct Case {
        const char* ordinary;
        int pointX, pointY;  // a point of the ordinary, in tenths of the width and height
    };
    const Case cases[] = {
        {"a base", 5, 9},     {"a point pointed", 5, 8}, {"a pile", 5, 2},   {"a fess", 5, 5},
        {"a chevron", 5, 4},  {"a bend", 5, 5},          {"a canton", 1, 1}, {"a chief", 5, 1},
        {"a saltire", 5, 5},  {"a cross", 5, 5},         {"a pale", 5, 5},
    };
    for (const Case& c : cases) {
        const std::string plainBlazon = std::string("Or, ") + c.ordinary + " vert";
        SCOPED_TRACE(plainBlazon);
        Drawing plain, charged;
        plain.DrawClean(plainBlazon);
        charged.DrawClean(plainBlazon + ", a roundel gules");
        const std::vector<PlacementTrace> placed = AllPlacements(charged);
        ASSERT_EQ(placed.size(), 1u);
        const PlacementTrace& p = placed.front();
        const ShieldGeometry& g = charged.s().geometry;
        const int r = static_cast<int>(kRoundelRadiusAtOne * p.scale);
        EXPECT_GE(r, g.Px(20)) << "the roundel is a speck";
        const int edge = r * 9 / 10, diagonal = r * 6 / 10;
        const int around[][2] = {{0, 0},         {edge, 0},         {-edge, 0},        {0, edge},         {0, -edge},
                                 {diagonal, diagonal}, {-diagonal, diagonal}, {diagonal, -diagonal}, {-diagonal, -diagonal}};
        for (const auto& [dx, dy] : around) {
            EXPECT_EQ(plain.At(p.x + dx, p.y + dy), Colour(kOr)) << "the roundel covers the ordinary at " << dx << ", " << dy;
            EXPECT_EQ(charged.At(p.x + dx, p.y + dy), Colour(kGules));
        }
        const int ox = g.W * c.pointX / 10, oy = g.H * c.pointY / 10;
        ASSERT_EQ(plain.At(ox, oy), Colour(kVert)) << "the ordinary's own point";
        EXPECT_EQ(charged.At(ox, oy), Colour(kVert));
    }
}

// The forms the faults were met in: the mullet or rose beside the ordinary, not at the centre
// over it.
TEST(ArrangedInPlace, TheMetFormsStandOffTheOrdinary) {
    for (const char* blazon : {"Or, a point pointed vert, a mullet or", "Argent, a base azure, a rose gules",
                               "Or, a pile gules, a mullet argent"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const std::vector<PlacementTrace> placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_FALSE(placed[0].x == g.W2 && placed[0].y == g.H2) << "at the centre, over the ordinary";
    }
}

// Whether any pixel of `colour` lies outside `box`, and whether any lies inside it.
struct Spread {
    bool outside = false, inside = false;
};
Spread Where(const Drawing& d, Rgb colour, const Rect& box) {
    Spread out;
    const Bitmap& picture = d.state->picture;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.Pixel(x, y) != colour) continue;
            const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            (in ? out.inside : out.outside) = true;
        }
    return out;
}

// A group in an arrangement on an ordinary or in a part of the field keeps to that place: no
// pixel of its tincture outside the place's box (a little beyond it for the ordinary's edge).
TEST(ArrangedInPlace, GroupsInAnArrangementKeepToTheirPlace) {
    struct Case {
        const char* blazon;
        int crossedPairs;  // 1: a pair in saltire, crossed at one point
        Rect (*box)(const ShieldGeometry& g);
    };
    const Case cases[] = {
        {"Azure, on a chief or two swords in saltire gules", 1,
         [](const ShieldGeometry& g) { return Rect{0, 0, g.W, g.chiefDepth}; }},
        {"Azure, on a chief or two arrows in saltire gules", 1,
         [](const ShieldGeometry& g) { return Rect{0, 0, g.W, g.chiefDepth}; }},
        {"Azure, on a fess or two keys in saltire gules", 1,
         [](const ShieldGeometry& g) { return Rect{0, g.H2 - g.chiefDepth / 2, g.W, g.H2 + g.chiefDepth / 2}; }},
        {"Azure, on a fess or three roundels in fess gules", 0,
         [](const ShieldGeometry& g) { return Rect{0, g.H2 - g.chiefDepth / 2, g.W, g.H2 + g.chiefDepth / 2}; }},
        {"Azure, on a pale or three roundels in pale gules", 0,
         [](const ShieldGeometry& g) { return Rect{g.W2 - g.W * 15 / 100, 0, g.W2 + g.W * 15 / 100, g.H}; }},
        {"Azure, on a pale or two swords in saltire gules", 1,
         [](const ShieldGeometry& g) { return Rect{g.W2 - g.W * 15 / 100, 0, g.W2 + g.W * 15 / 100, g.H}; }},
        {"Azure, on a canton or two swords in saltire gules", 1, [](const ShieldGeometry& g) { return CantonArea(g); }},
        {"Azure, in base two swords in saltire or", 1,
         [](const ShieldGeometry& g) { return Rect{0, g.H - g.chiefDepth, g.W, g.H}; }},
        {"Azure, in chief two swords in saltire or", 1, [](const ShieldGeometry& g) { return Rect{0, 0, g.W, g.chiefDepth}; }},
        {"Azure, a chevron argent, in base two swords in saltire or", 1,
         [](const ShieldGeometry& g) { return Rect{0, g.H - g.chiefDepth, g.W, g.H}; }},
        {"Azure, in dexter three mullets in pale or", 0, [](const ShieldGeometry& g) { return Rect{0, 0, g.W2, g.H}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const Rect box = c.box(g);
        const Rect grown{box.left - g.Px(3), box.top - g.Px(3), box.right + g.Px(3), box.bottom + g.Px(3)};
        const std::string text = c.blazon;
        const Rgb tincture = Colour(text.ends_with("gules") ? kGules : kOr);
        const Spread spread = Where(d, tincture, grown);
        EXPECT_TRUE(spread.inside);
        EXPECT_FALSE(spread.outside) << "the group runs past its place";
        const std::vector<PlacementTrace> placed = AllPlacements(d);
        ASSERT_GE(placed.size(), 2u);
        if (c.crossedPairs == 1) {
            ASSERT_EQ(placed.size(), 2u);
            EXPECT_EQ(placed[0].x, placed[1].x);
            EXPECT_EQ(placed[0].y, placed[1].y);
            EXPECT_TRUE(placed[0].bendwise && placed[1].bendwise);
            EXPECT_NE(placed[0].mirrored, placed[1].mirrored);
        } else {
            EXPECT_NE(placed[0].x == placed[1].x, placed[0].y == placed[1].y) << "in a line";
        }
    }
}

}  // namespace
}  // namespace esc
