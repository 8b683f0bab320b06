// The layout tables, row by row: positions, scales and mirroring of every placed charge, read
// from the drawing trace. The usual shield is 415 by 480: W2 207, W3 138, W4 103, W5 83, W6 69,
// H2 240, H3 160, H4 120, H5 96, H6 80.

#include <gtest/gtest.h>

#include <functional>

#include "PhraseTestState.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"

namespace esc {
namespace {

using test::BareState;
using test::Point;
using test::Same;

struct LayoutCase {
    const char* name;
    std::function<void(BareState&)> setup;
    void (*layout)(DrawingState&);
    std::vector<Point> points;
    std::vector<float> scales;
    std::vector<bool> mirrored = {};  // empty: none
};

// Level `level` with `count` charges after the field or ordinary given by the partition and
// last shape codes.
std::function<void(BareState&)> Given(int level, int count, int partition = -1, int lastShape = -1, int line = -1,
                                      std::function<void(BareState&)> more = nullptr) {
    return [=](BareState& b) {
        b.Level(level, count).levelLine = line;
        b.s().partitionCode = ShapeOfCode(partition);
        b.s().lastShapeCode = ShapeOfCode(lastShape);
        if (more) more(b);
    };
}
std::function<void(BareState&)> On(int shape, int level, int count, std::function<void(BareState&)> more = nullptr) {
    return Given(level, count, shape, -1, -1, [=](BareState& b) {
        b.s().shapeCode = ShapeOfCode(shape);
        if (more) more(b);
    });
}
void NextBetween(BareState& b) { b.s().levels[static_cast<std::size_t>(b.s().level + 1)].levelBetween = true; }
void In(BareState& b) { b.s().levels[static_cast<std::size_t>(b.s().level)].levelIn = true; }
void PreviousOn(BareState& b) { b.s().levels[static_cast<std::size_t>(b.s().level - 1)].levelOn = true; }
std::function<void(BareState&)> Line(int line) {
    return [=](BareState& b) { b.s().levels[static_cast<std::size_t>(b.s().level)].levelLine = line; };
}
std::function<void(BareState&)> Named(const char* name) {
    return [=](BareState& b) { b.s().levels[static_cast<std::size_t>(b.s().level)].levelName.Assign(name); };
}

void RunCase(const LayoutCase& c) {
    SCOPED_TRACE(c.name);
    BareState b;
    ASSERT_EQ(b.g().W, 415);
    ASSERT_EQ(b.g().H, 480);
    c.setup(b);
    c.layout(b.s());
    const int level = b.s().level;
    EXPECT_EQ(b.Points(level), c.points);
    test::ExpectScales(b.Scales(level), c.scales);
    std::vector<bool> mirrored = c.mirrored;
    if (mirrored.empty()) mirrored.assign(c.points.size(), false);
    EXPECT_EQ(b.Mirrored(level), mirrored);
}

TEST(FieldLayout, ByCountAndPartition) {
    const LayoutCase cases[] = {
        {"one alone", Given(0, 1), FieldLayout, {{207, 240}}, {2.4f}},
        {"one with charges between", Given(0, 1, -1, -1, -1, NextBetween), FieldLayout, {{207, 240}}, {1.0f}},
        {"two", Given(0, 2), FieldLayout, {{103, 240}, {312, 240}}, Same(2, 1.2f)},
        {"two after a bend", Given(0, 2, 1), FieldLayout, {{277, 160}, {138, 320}}, Same(2, 1.2f)},
        {"two after bendlets", Given(0, 2, 22), FieldLayout, {{277, 160}, {138, 320}}, Same(2, 1.2f)},
        {"two after a fess", Given(0, 2, 0), FieldLayout, {{207, 160}, {207, 320}}, Same(2, 1.0f)},
        {"two combatant", Given(0, 2, -1, -1, 98), FieldLayout, {{103, 240}, {312, 240}}, Same(2, 1.2f), {true, false}},
        {"two combatant after a bend", Given(0, 2, 1, -1, 98), FieldLayout, {{103, 160}, {138, 320}}, Same(2, 1.2f),
         {true, false}},
        {"two addorsed", Given(0, 2, -1, -1, 99), FieldLayout, {{103, 240}, {312, 240}}, Same(2, 1.2f), {false, true}},
        {"three", Given(0, 3), FieldLayout, {{103, 120}, {312, 120}, {207, 345}}, Same(3, 1.0f)},
        {"four", Given(0, 4), FieldLayout, {{103, 120}, {312, 120}, {103, 360}, {312, 360}}, Same(4, 1.1f)},
        {"four quarterly", Given(0, 4, 5), FieldLayout, {{103, 120}, {312, 120}, {103, 360}, {312, 360}}, Same(4, 0.8f)},
        {"four per saltire", Given(0, 4, 6), FieldLayout, {{207, 80}, {69, 240}, {346, 240}, {207, 400}}, Same(4, 0.8f)},
    };
    for (const LayoutCase& c : cases) RunCase(c);
}

TEST(ThreeLayout, ByCountAndPartition) {
    const LayoutCase cases[] = {
        {"two", Given(0, 2), ThreeLayout, {{103, 240}, {312, 240}}, Same(2, 0.8f)},
        {"two addorsed", Given(1, 2, -1, -1, 99), ThreeLayout, {{103, 240}, {312, 240}}, Same(2, 0.8f), {false, true}},
        {"per bend", Given(0, 3, 1, 1), ThreeLayout, {{208, 90}, {336, 240}, {113, 350}}, Same(3, 1.0f)},
        {"after a bend", Given(0, 3, 1, -1), ThreeLayout, {{208, 90}, {336, 240}, {113, 350}}, Same(3, 0.6f)},
        {"after bendlets", Given(1, 3, 22, -1), ThreeLayout, {{208, 90}, {336, 240}, {113, 350}}, Same(3, 0.6f)},
        {"per pall", Given(0, 3, 30, 30), ThreeLayout, {{207, 125}, {312, 320}, {103, 320}}, Same(3, 0.8f)},
        {"after a pale", Given(0, 3, 3, -1), ThreeLayout, {{83, 120}, {332, 120}, {207, 360}}, Same(3, 0.8f)},
        {"per pale: two and one", Given(0, 3, 3, 3), ThreeLayout, {{103, 120}, {312, 120}, {207, 345}}, Same(3, 1.0f)},
        {"after a chevron", Given(0, 3, 4), ThreeLayout, {{100, 120}, {315, 120}, {207, 360}}, Same(3, 1.0f)},
        {"after a chevron, later level", Given(1, 3, 4), ThreeLayout, {{100, 120}, {315, 120}, {207, 375}},
         {1.0f, 1.0f, 0.9f}},
        {"two and one", Given(0, 3), ThreeLayout, {{103, 120}, {312, 120}, {207, 345}}, Same(3, 1.0f)},
        {"two and one, later level", Given(1, 3), ThreeLayout, {{103, 96}, {312, 96}, {207, 375}}, Same(3, 0.7f)},
        {"four", Given(1, 4), ThreeLayout, {{103, 120}, {312, 120}, {103, 360}, {312, 360}}, Same(4, 1.0f)},
        {"six", Given(0, 6), ThreeLayout, {{103, 120}, {207, 120}, {312, 120}, {103, 360}, {207, 360}, {312, 360}},
         Same(6, 0.8f)},
        {"eight",
         Given(0, 8),
         ThreeLayout,
         {{83, 60}, {166, 60}, {249, 60}, {332, 60}, {83, 384}, {166, 384}, {249, 384}, {332, 384}},
         Same(8, 0.6f)},
        {"ten",
         Given(0, 10),
         ThreeLayout,
         {{69, 120}, {138, 120}, {207, 120}, {276, 120}, {345, 120}, {69, 360}, {138, 360}, {207, 360}, {276, 360}, {345, 360}},
         Same(10, 0.3f)},
        {"five: no row", Given(0, 5), ThreeLayout, {}, {}},
    };
    for (const LayoutCase& c : cases) RunCase(c);
}

TEST(OrleLayout, CornersAndSides) {
    const std::vector<Point> corners0 = {{40, 40}, {375, 40}, {37, 432}, {368, 432}};
    const std::vector<Point> corners1 = {{30, 30}, {385, 30}, {37, 442}, {378, 442}};
    std::vector<Point> eight = corners0;
    eight.insert(eight.end(), {{207, 40}, {40, 240}, {375, 240}, {207, 435}});
    std::vector<Point> twelve = corners1;
    twelve.insert(twelve.end(), {{138, 30}, {277, 30}, {30, 160}, {30, 320}, {385, 160}, {385, 320}, {138, 445}, {277, 445}});
    const LayoutCase cases[] = {
        {"eight on level 0: inset 10", Given(0, 8), OrleLayout, eight, Same(8, 0.5f)},
        {"twelve on level 1", Given(1, 12), OrleLayout, twelve, Same(12, 0.4f)},
        {"four", Given(1, 4), OrleLayout, corners1, Same(4, 0.4f)},
        // Other counts evenly round the path of the eight (perimeter 1454 on level 0), from the
        // middle of the base, alike either side of the pale.
        {"five: evenly round", Given(0, 5), OrleLayout, {{207, 432}, {40, 309}, {62, 40}, {352, 40}, {375, 308}},
         Same(5, 0.5f)},
    };
    for (const LayoutCase& c : cases) RunCase(c);
}

TEST(SemeeLayout, FiftyFourChargesOddRowsShiftedLeft) {
    BareState b;
    b.Level(0, 1).levelLine = 97;
    SemeeLayout(b.s());
    const std::vector<Point> points = b.Points(0);
    ASSERT_EQ(points.size(), 54u);
    test::ExpectScales(b.Scales(0), Same(54, 0.3f));
    // cw = 69, rh = 53.
    EXPECT_EQ(points[0], (Point{69, 53}));
    EXPECT_EQ(points[5], (Point{414, 53}));
    EXPECT_EQ(points[6], (Point{35, 106}));   // row 1 moved left by cw/2 = 34
    EXPECT_EQ(points[11], (Point{380, 106}));
    EXPECT_EQ(points[12], (Point{69, 159}));  // row 2 not moved
    EXPECT_EQ(points[53], (Point{414, 477}));
}

// Rows fill the field top row first, each centred, all at one scale; the charges of a row are
// at least a charge apart.
TEST(RowLayout, RowsTopFirst) {
    struct Rows {
        const char* name;
        std::vector<int> rows;
    } cases[] = {
        {"three, two and one", {3, 2, 1}},
        {"one and four", {1, 4}},
        {"twelve in one row", {12}},
        {"no rows", {}},
    };
    for (const Rows& c : cases) {
        SCOPED_TRACE(c.name);
        BareState b;
        b.Level(0, 6);
        RowLayout(b.s(), c.rows);
        const std::vector<Point> points = b.Points(0);
        const std::vector<float> scales = b.Scales(0);
        std::size_t at = 0;
        int lastY = -1;
        for (int n : c.rows) {
            ASSERT_LE(at + static_cast<std::size_t>(n), points.size());
            const int y = points[at].y;
            EXPECT_GT(y, lastY);
            int sumX = 0;
            for (int j = 0; j < n; ++j) {
                const Point& p = points[at + static_cast<std::size_t>(j)];
                EXPECT_EQ(p.y, y);
                sumX += p.x;
                if (j > 0) {
                    EXPECT_GE(p.x - points[at + static_cast<std::size_t>(j) - 1].x, scales[at] * 110.0f - 1);
                }
            }
            EXPECT_NEAR(sumX / n, b.g().W / 2, 1);
            lastY = y;
            at += static_cast<std::size_t>(n);
        }
        EXPECT_EQ(at, points.size());
        if (!scales.empty()) test::ExpectScales(scales, Same(scales.size(), scales[0]));
    }
}

TEST(PlaceRow, SpacingAcrossTheShield) {
    struct Row {
        int n;
        float scale;
        std::vector<int> xs;
        float used;
    } cases[] = {
        {3, 0.0f, {78, 207, 336}, 0.7f},
        {4, 0.0f, {63, 158, 253, 348}, 0.6f},
        {5, 0.0f, {52, 129, 206, 283, 360}, 0.5f},
        {3, 0.45f, {78, 207, 336}, 0.45f},
        {2, 0.0f, {}, 0.0f},  // fewer than three: no row
    };
    for (const Row& c : cases) {
        SCOPED_TRACE(c.n);
        BareState b;
        b.Level(0, c.n);
        PlaceRow(b.s(), c.n, 200, c.scale);
        std::vector<Point> expected;
        for (int x : c.xs) expected.push_back({x, 200});
        EXPECT_EQ(b.Points(0), expected);
        test::ExpectScales(b.Scales(0), Same(c.xs.size(), c.used));
    }
}

TEST(ChargesBetween, ByOrdinaryAndCount) {
    auto between = [](int shape, int count, std::function<void(BareState&)> more = nullptr) {
        // An ordinary word sets the partition code too, except the cross's.
        return Given(1, count, shape == 5 ? -1 : shape, -1, -1, [=](BareState& b) {
            b.s().shapeCode = ShapeOfCode(shape);
            b.s().levels[1].levelBetween = true;
            if (more) more(b);
        });
    };
    const std::vector<Point> fourCross = {{83, 96}, {332, 96}, {83, 379}, {332, 379}};
    const std::vector<Point> sixBend = {{208, 80}, {346, 80}, {346, 240}, {69, 240}, {69, 400}, {207, 400}};
    const std::vector<Point> sixSinister = {{207, 80}, {69, 80}, {69, 240}, {346, 240}, {346, 400}, {208, 400}};
    const std::vector<Point> twelve = {{207, 120}, {207, 360}, {103, 240}, {309, 240}, {148, 30}, {267, 30},
                                       {148, 450}, {267, 450}, {30, 170}, {30, 310}, {385, 170}, {385, 290}};
    // The shape the case gives is the one the charges stand about.
    void (*const aboutTheShapeGiven)(DrawingState&) = [](DrawingState& s) { ChargesBetween(s, s.shapeCode); };
    const LayoutCase cases[] = {
        {"fess, two", between(0, 2), aboutTheShapeGiven, {{207, 96}, {207, 376}}, Same(2, 1.0f)},
        {"fess, three", between(0, 3), aboutTheShapeGiven, {{103, 96}, {312, 96}, {207, 376}}, Same(3, 1.0f)},
        {"fess, four", between(0, 4), aboutTheShapeGiven, {{103, 96}, {312, 96}, {103, 376}, {312, 376}}, Same(4, 1.0f)},
        {"fess, six", between(0, 6), aboutTheShapeGiven, {{78, 96}, {207, 96}, {336, 96}, {78, 376}, {207, 376}, {336, 376}},
         Same(6, 0.7f)},
        {"fess, eight",
         between(0, 8),
         aboutTheShapeGiven,
         {{63, 96}, {158, 96}, {253, 96}, {348, 96}, {63, 376}, {158, 376}, {253, 376}, {348, 376}},
         Same(8, 0.6f)},
        {"fess, two bars: cotises only", between(0, 2, Named("bars")), aboutTheShapeGiven, {}, {}},
        {"bend, two", between(1, 2), aboutTheShapeGiven, {{312, 120}, {103, 360}}, Same(2, 1.0f)},
        {"bend, three", between(1, 3), aboutTheShapeGiven, {{208, 80}, {346, 240}, {103, 360}}, Same(3, 0.9f)},
        {"bendlets, six", between(22, 6), aboutTheShapeGiven, sixBend, Same(6, 0.6f)},
        {"bend sinister, two", between(2, 2), aboutTheShapeGiven, {{103, 120}, {312, 360}}, Same(2, 1.0f)},
        {"bend sinister, six", between(2, 6), aboutTheShapeGiven, sixSinister, Same(6, 0.6f)},
        {"pale, two", between(3, 2), aboutTheShapeGiven, {{83, 240}, {332, 240}}, Same(2, 1.0f)},
        {"pale, four", between(3, 4), aboutTheShapeGiven, {{83, 120}, {332, 120}, {83, 345}, {332, 345}}, Same(4, 0.85f)},
        {"chevron, two", between(4, 2), aboutTheShapeGiven, {{100, 120}, {315, 120}}, Same(2, 1.0f)},
        {"chevron, three", between(4, 3), aboutTheShapeGiven, {{100, 120}, {315, 120}, {207, 375}}, {1.0f, 1.0f, 0.9f}},
        {"cross, four", between(5, 4), aboutTheShapeGiven, fourCross, Same(4, 0.9f)},
        {"saltire, twelve", between(6, 12), aboutTheShapeGiven, twelve, Same(12, 0.4f)},
        {"saltire, four", between(6, 4), aboutTheShapeGiven, {{207, 80}, {69, 240}, {346, 240}, {207, 400}}, Same(4, 0.8f)},
        {"after a charge", between(-1, 3), aboutTheShapeGiven, {{103, 96}, {312, 96}, {207, 375}}, Same(3, 0.7f)},
        {"pallets", between(4, 2, Named("pallets")), aboutTheShapeGiven, {}, {}},
    };
    for (const LayoutCase& c : cases) RunCase(c);
}

TEST(ChargesOnOrdinary, ByOrdinaryAndCount) {
    const std::vector<Point> corners = {{103, 120}, {312, 120}, {103, 360}, {312, 360}};
    std::vector<Point> nine = {{207, 240}, {69, 80},   {346, 80},  {138, 160}, {277, 160},
                               {138, 320}, {277, 320}, {69, 400}, {346, 400}};
    const LayoutCase cases[] = {
        {"fess, one", On(0, 1, 1), ChargesOnOrdinary, {{207, 240}}, {0.7f}},
        {"fess, one in fess", On(0, 1, 1, In), ChargesOnOrdinary, {{207, 240}}, {1.0f}},
        {"fess, two", On(0, 1, 2), ChargesOnOrdinary, {{103, 240}, {312, 240}}, Same(2, 0.7f)},
        {"fess, two in fess", On(0, 1, 2, In), ChargesOnOrdinary, {{103, 240}, {312, 240}}, Same(2, 1.0f)},
        {"fess, two combatant in fess",
         On(0, 1, 2,
            [](BareState& b) {
                In(b);
                Line(98)(b);
            }),
         ChargesOnOrdinary, {{103, 240}, {312, 240}}, Same(2, 0.7f), {true, false}},
        {"fess, three", On(0, 1, 3), ChargesOnOrdinary, {{78, 240}, {207, 240}, {336, 240}}, Same(3, 0.7f)},
        {"fess, bars", On(0, 1, 2, Named("bars")), ChargesOnOrdinary, {}, {}},
        {"bend, one", On(1, 1, 1), ChargesOnOrdinary, {{207, 240}}, {0.75f}},
        {"bend, one in bend", On(1, 1, 1, In), ChargesOnOrdinary, {{207, 240}}, {1.0f}},
        {"bend, two", On(1, 1, 2), ChargesOnOrdinary, {{138, 160}, {277, 320}}, Same(2, 0.65f)},
        {"bend, three", On(1, 1, 3), ChargesOnOrdinary, {{105, 119}, {205, 241}, {310, 362}}, Same(3, 0.65f)},
        {"bend sinister, one", On(2, 1, 1), ChargesOnOrdinary, {{207, 240}}, {0.75f}},
        {"bend sinister, two", On(2, 1, 2), ChargesOnOrdinary, {{276, 160}, {137, 320}}, Same(2, 0.65f), {true, true}},
        {"bend sinister, three", On(2, 1, 3), ChargesOnOrdinary, {{309, 119}, {209, 241}, {104, 362}}, Same(3, 0.65f), {true, true, true}},
        {"pale, one", On(3, 1, 1), ChargesOnOrdinary, {{207, 240}}, {1.0f}},
        {"pale, two", On(3, 1, 2), ChargesOnOrdinary, {{207, 130}, {207, 350}}, Same(2, 1.0f)},
        {"pale, three", On(3, 1, 3), ChargesOnOrdinary, {{207, 90}, {207, 241}, {207, 392}}, Same(3, 0.8f)},
        {"pale, four", On(3, 1, 4), ChargesOnOrdinary, {{207, 72}, {207, 182}, {207, 292}, {207, 402}}, Same(4, 0.7f)},
        {"chevron, one", On(4, 1, 1), ChargesOnOrdinary, {{207, 225}}, {0.66f}},
        {"chevron, two addorsed", On(4, 1, 2, Line(99)), ChargesOnOrdinary, {{103, 310}, {312, 310}}, Same(2, 0.66f),
         {false, true}},
        {"chevron, three", On(4, 1, 3), ChargesOnOrdinary, {{207, 228}, {91, 302}, {324, 302}}, Same(3, 0.66f)},
        {"chevron, four", On(4, 1, 4), ChargesOnOrdinary, {{138, 273}, {277, 273}, {59, 320}, {356, 320}}, Same(4, 0.66f)},
        {"chevron, five", On(4, 1, 5), ChargesOnOrdinary,
         {{207, 230}, {138, 273}, {277, 273}, {59, 320}, {356, 320}}, Same(5, 0.55f)},
        {"cross, one", On(5, 1, 1), ChargesOnOrdinary, {{207, 240}}, {0.7f}},
        {"cross, three", On(5, 1, 3), ChargesOnOrdinary, {{207, 96}, {83, 240}, {332, 240}}, Same(3, 0.7f)},
        {"cross, five", On(5, 1, 5), ChargesOnOrdinary, {{207, 240}, {207, 96}, {83, 240}, {332, 240}, {207, 384}},
         Same(5, 0.7f)},
        // No row for two on a cross: set in cross, the nearest form, one above the other.
        {"cross, two: in cross", On(5, 1, 2), ChargesOnOrdinary, {{207, 91}, {207, 389}}, {1.0f, 1.0f}},
        {"saltire, one", On(6, 1, 1), ChargesOnOrdinary, {{207, 240}}, {0.9f}},
        {"saltire, four", On(6, 1, 4), ChargesOnOrdinary, corners, Same(4, 0.6f)},
        {"saltire, four on level 0", On(6, 0, 4), ChargesOnOrdinary, corners, Same(4, 0.9f)},
        {"saltire, five", On(6, 1, 5), ChargesOnOrdinary,
         {{207, 240}, {103, 120}, {312, 120}, {103, 360}, {312, 360}}, {0.9f, 0.5f, 0.5f, 0.5f, 0.5f}},
        {"saltire, nine", On(6, 1, 9), ChargesOnOrdinary, nine, Same(9, 0.5f)},
        {"bordure, eight", On(19, 1, 8), ChargesOnOrdinary,
         {{15, 15}, {400, 15}, {385, 460}, {30, 460}, {15, 240}, {207, 15}, {400, 240}, {207, 465}}, Same(8, 0.2f)},
        {"canton, one", On(20, 1, 1), ChargesOnOrdinary, {{49, 48}}, {0.55f}},
        {"in dexter chief, one", Given(1, 1, -1, -1, -1, In), [](DrawingState& s) { ChargesOnOrdinary(s, kInDexterChief); },
         {{103, 120}}, {1.2f}},
        {"in sinister chief, one", Given(1, 1, -1, -1, -1, In), [](DrawingState& s) { ChargesOnOrdinary(s, kInSinisterChief); },
         {{312, 120}}, {1.2f}},
        {"in dexter chief, two: no row", Given(1, 2, 26, -1, -1, In), [](DrawingState& s) { ChargesOnOrdinary(s, kInDexterChief); },
         {}, {}},
        {"pile, one", On(24, 1, 1), ChargesOnOrdinary, {{207, 240}}, {0.9f}},
        {"pile, two", On(24, 1, 2), ChargesOnOrdinary, {{207, 120}, {207, 293}}, {1.0f, 0.6f}},
        {"pile, three", On(24, 1, 3), ChargesOnOrdinary, {{207, 96}, {207, 248}, {207, 360}}, {1.0f, 0.7f, 0.5f}},
        {"chevronels: no table", On(14, 1, 3), ChargesOnOrdinary, {}, {}},
    };
    for (const LayoutCase& c : cases) RunCase(c);
}

TEST(ChargesOnOrdinary, OnABendTheChargesTurnBendwise) {
    for (const bool in : {false, true}) {
        BareState b;
        b.Level(1, 3);
        b.s().levels[1].levelIn = in;
        b.s().shapeCode = kBend;
        ChargesOnOrdinary(b.s());
        const LevelTrace* t = b.TraceOf(1);
        ASSERT_NE(t, nullptr);
        ASSERT_EQ(t->placements.size(), 3u);
        for (const PlacementTrace& p : t->placements) EXPECT_EQ(p.bendwise, !in) << (in ? "in bend" : "on a bend");
        EXPECT_FALSE(b.s().bendwiseFlag) << "cleared after the level";
    }
}

// Charges in or on a chief (code 16) and in base (code 17): the steps in their order.
TEST(ChargesOnOrdinary, ChiefAndBase) {
    auto chief = [](int level, int count, int partition, int lastShape, std::function<void(BareState&)> more = nullptr) {
        return Given(level, count, partition, lastShape, -1, [=](BareState& b) {
            b.s().shapeCode = kChief;
            if (more) more(b);
        });
    };
    auto base = [](int level, int count, int partition, int lastShape) {
        return Given(level, count, partition, lastShape, -1, [](BareState& b) { b.s().shapeCode = kBase; });
    };
    const LayoutCase cases[] = {
        {"per bend, one", chief(1, 1, 1, 1), ChargesOnOrdinary, {{312, 120}}, {1.0f}},
        {"per bend, two combatant", chief(1, 2, 1, 1, Line(98)), ChargesOnOrdinary, {{218, 96}, {332, 230}},
         Same(2, 1.0f), {true, false}},
        {"level 0, one", chief(0, 1, -1, -1), ChargesOnOrdinary, {{207, 120}}, {1.0f}},
        {"level 0 plain field, three in chief", chief(0, 3, -1, -1, In), ChargesOnOrdinary,
         {{103, 120}, {206, 120}, {309, 120}}, Same(3, 0.7f)},
        {"after a chevron, two", chief(1, 2, 4, -1), ChargesOnOrdinary, {{103, 125}, {309, 125}}, Same(2, 1.0f)},
        {"after a fess, two", chief(1, 2, 0, -1), ChargesOnOrdinary, {{103, 105}, {309, 105}}, Same(2, 1.0f)},
        {"after a chevron, one for difference", chief(1, 1, 4, -1, In), ChargesOnOrdinary, {{207, 105}}, {0.9f}},
        {"after a chevron, five", chief(1, 5, 4, -1), ChargesOnOrdinary,
         {{69, 105}, {138, 105}, {207, 105}, {276, 105}, {345, 105}}, Same(5, 0.5f)},
        // Each in a third of the chief, a roundel as wide as the chief is deep (72 rows less the
        // outline's 2 and 5 free above and below: 60 pixels, 110 at scale 1).
        {"on a chief, after an ordinary", chief(3, 3, 16, -1, PreviousOn), ChargesOnOrdinary,
         {{69, 37}, {207, 37}, {345, 37}}, Same(3, 60.0f / 110.0f)},
        {"between, two levels after the chief",
         chief(2, 2, 16, -1,
               [](BareState& b) {
                   b.s().levels[0].levelOn = true;
                   b.s().levels[2].levelBetween = true;
               }),
         ChargesOnOrdinary, {{138, 40}, {276, 40}}, Same(2, 0.4f)},
        {"level 1 with nothing read", chief(1, 3, -1, -1), ChargesOnOrdinary, {{103, 48}, {206, 48}, {309, 48}},
         Same(3, 0.6f)},
        {"bars in chief", chief(1, 2, 16, -1, Named("bars")), ChargesOnOrdinary, {}, {}},
        {"base, per bend", base(1, 1, 1, 1), ChargesOnOrdinary, {{113, 320}}, {1.0f}},
        {"base, level 0, one", base(0, 1, -1, -1), ChargesOnOrdinary, {{207, 320}}, {0.9f}},
        {"base, after a chevron, two", base(1, 2, 4, 4), ChargesOnOrdinary, {{103, 365}, {309, 365}}, Same(2, 1.0f)},
        {"base, three", base(1, 3, 16, -1), ChargesOnOrdinary, {{78, 375}, {207, 375}, {336, 375}}, Same(3, 0.7f)},
    };
    for (const LayoutCase& c : cases) RunCase(c);
}

TEST(ChargesOnOrdinary, TheChiefOnLevelZeroLeavesLastShapeCodeZero) {
    BareState b;
    b.Level(0, 3);
    b.s().shapeCode = kChief;
    b.s().lastShapeCode = kPale;
    ChargesOnOrdinary(b.s());
    EXPECT_EQ(b.s().lastShapeCode, kFess);
}

}  // namespace
}  // namespace esc
