// DrawOrdinary's ordinaries and the directly called shapes at points computed from the shield
// geometry, plain and with lines, and the bounds on the counts a blazon hands the shapes.

#include <gtest/gtest.h>

#include "engine/LayerSink.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ShapeTestSupport.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "tests/SweepStride.h"

namespace esc {
namespace {

using testing::Around;
using testing::kFirst;
using testing::kLines;
using testing::kSecond;
using testing::kThird;
using testing::kUnderneath;
using testing::Probe;
using OrdinaryShapesTest = testing::ShapesTest;

TEST_F(OrdinaryShapesTest, EachOrdinaryCoversItsPlace) {
    const int W = g().W, H = g().H, D = g().chiefDepth;
    const LabelShape label = shapes::LabelShapeOf(g(), 3);
    struct Case {
        const char* name;
        ShapeCode shape;
        int count, levelLine;
        std::vector<Probe> probes;
        bool plainOnly = false;
    };
    const std::vector<Case> cases = {
        {"fess", kFess, 1, -1,
         {{"centre", W / 2, H / 2, kGules}, {"above", W / 2, H / 2 - D / 2 - 20, kArgent},
          {"below", W / 2, H / 2 + D / 2 + 20, kArgent}}},
        {"bend", kBend, 1, -1,
         {{"centre", W / 2, H / 2, kGules}, {"sinister chief", 3 * W / 4, H / 4 - 30, kArgent},
          {"dexter base", W / 4, 3 * H / 4 + 30, kArgent}}},
        {"bend sinister", kBendSinister, 1, -1,
         {{"centre", W / 2, H / 2, kGules}, {"dexter chief", W / 4 - 30, H / 4 - 30, kArgent},
          {"sinister base", 3 * W / 4, 3 * H / 4, kArgent}, {"point", W / 2, H + 20, kArgent}}},
        {"pale", kPale, 1, -1,
         {{"chief", W / 2, H / 4, kGules}, {"point", W / 2, H + 20, kGules}, {"dexter", W / 4, H / 2, kArgent}}},
        {"chevron", kChevron, 1, -1,
         {{"apex", W / 2, D / 2 + H / 3, kGules}, {"dexter arm", W / 4, D / 2 + H / 3 + (W / 2 - W / 4) * 84 / 100, kGules},
          {"chief", W / 2, H / 8, kArgent}, {"under the apex", W / 2, H - 40, kArgent}}},
        {"cross", kCross, 1, -1,
         {{"upright", W / 2, H / 4, kGules}, {"arm", W / 4, H / 2, kGules}, {"dexter chief", W / 4, H / 4, kArgent},
          {"sinister base", 3 * W / 4, 3 * H / 4, kArgent}}},
        {"saltire", kSaltire, 1, -1,
         {{"centre", W / 2, H / 2, kGules}, {"dexter chief limb", W / 4, H / 4, kGules},
          {"chief", W / 2, H / 8, kArgent}, {"dexter", W / 8, H / 2, kArgent}}},
        {"chief", kChief, 1, -1, {{"chief", W / 2, 30, kGules}, {"below", W / 2, 120, kArgent}}},
        // The label of three: the bar clear of the top edge and the flanks, the points hanging
        // from it with the field between them.
        {"label of three", kLabel, 1, 3,
         {{"bar", W / 2, (label.barTop + label.barBottom) / 2, kGules},
          {"above the bar", W / 2, label.barTop / 2, kArgent},
          {"beyond the bar's end", label.left / 2, (label.barTop + label.barBottom) / 2, kArgent},
          {"first point's foot", label.PointCentre(0), label.pointBottom - 2, kGules},
          {"between the points", (label.PointCentre(0) + label.PointCentre(1)) / 2, label.pointBottom - 2, kArgent},
          {"below", W / 2, label.pointBottom + 10, kArgent}}},
        {"bordure", kBordure, 1, -1,
         {{"dexter", 10, H / 2, kGules}, {"sinister", W - 10, H / 2, kGules}, {"chief", W / 2, 12, kGules},
          {"base", W / 2, H - 12, kGules}, {"point", W / 2, H + 20, kGules}, {"centre", W / 2, H / 2, kArgent}}},
        {"canton", kCanton, 1, -1,
         {{"canton", 40, 40, kGules}, {"beside", 150, 40, kArgent}, {"below", 40, 150, kArgent}}},
        {"orle", kOrle, 1, -1,
         {{"dexter", 25, H / 2, kGules}, {"chief", W / 2, 20, kGules}, {"centre", W / 2, H / 2, kArgent},
          {"outside", 8, H / 2, kArgent}}},
        {"pall", kPall, 1, -1,
         {{"dexter arm", W / 4, H / 4, kGules}, {"stem", W / 2, 3 * H / 4, kGules}, {"point", W / 2, H + 20, kGules},
          {"chief", W / 2, H / 8, kArgent}}},
        {"pall reversed", kPallReversed, 1, -1,
         {{"stem", W / 2, H / 4, kGules}, {"dexter arm", W / 4, 3 * H / 4, kGules}, {"base", W / 2, 7 * H / 8, kArgent}}},
        {"flaunches", kFlaunches, 2, -1,
         {{"dexter", 10, H / 2, kGules}, {"dexter flank", 80, H / 2, kGules}, {"sinister", W - 10, H / 2, kGules},
          {"sinister flank", W - 80, H / 2, kGules}, {"centre", W / 2, H / 2, kArgent}, {"beside", 130, H / 2, kArgent}}},
        // One flaunch: the dexter one alone.
        {"a flaunch", kFlaunches, 1, -1,
         {{"dexter", 10, H / 2, kGules}, {"dexter flank", 80, H / 2, kGules}, {"sinister", W - 10, H / 2, kArgent},
          {"centre", W / 2, H / 2, kArgent}}},
        {"a chevronel", kChevronels, 1, -1, {{"apex", W / 2, H / 2, kGules}, {"above", W / 2, H / 2 - 30, kArgent}}},
        {"three chevronels", kChevronels, 3, -1, {{"middle", W / 2, H / 2, kGules}}},
        {"two bendlets", kBendlets, 2, -1, {{"centre", W / 2, H / 2, kArgent}}},
        // Sinister: the same pieces mirrored, so the dexter chief corner stays clear.
        {"two bendlets sinister", kBendletsSinister, 2, -1, {{"centre", W / 2, H / 2, kArgent}}},
        {"a pile", kPiles, 1, -1, {{"pile", W / 2, H / 2, kGules}, {"dexter", W / 8, H / 2, kArgent}}},
        {"three piles", kPiles, 3, -1,
         {{"middle pile", W / 2, H / 4, kGules}, {"dexter pile", 40, 20, kGules}, {"between", W / 4 + 10, H / 2, kArgent}}},
        // Turned over: the point toward the chief, the foot on the base; the chief above the
        // point and the flanks beside the foot stay clear.
        {"a pile inverted", kPilesInverted, 1, -1,
         {{"pile", W / 2, H / 2, kGules}, {"foot", W / 2, H - 20, kGules}, {"dexter", W / 8, H / 2, kArgent},
          {"above the point", W / 2, H * 12 / 100 / 2, kArgent}}},
        {"three piles inverted", kPilesInverted, 3, -1,
         {{"middle pile", W / 2, 3 * H / 4, kGules}, {"between", W / 4 + 10, H / 2, kArgent},
          {"above the points", W / 2, H * 12 / 100 / 2, kArgent}}},
        // One chevronel inverted: its point at the fess point, the field clear below it.
        {"a chevronel inverted", kChevronelsInverted, 1, -1,
         {{"point", W / 2, H / 2, kGules}, {"below", W / 2, H / 2 + 30, kArgent}}},
        {"three chevronels inverted", kChevronelsInverted, 3, -1, {{"middle", W / 2, H / 2, kGules}}},
        // Turned over: the point toward the base at H - (D/2 + H/3), the limbs rising at 40
        // degrees to the flanks.
        {"chevron inverted", kChevronInverted, 1, -1,
         {{"point", W / 2, H - D / 2 - H / 3, kGules},
          {"dexter limb", W / 4, H - D / 2 - H / 3 - (W / 2 - W / 4) * 84 / 100, kGules},
          {"above the point", W / 2, H / 4, kArgent}, {"base", W / 2, H - 20, kArgent}}},
        // A tressure is one narrow band 36 pixels inside the edge; the double one a second band 13
        // further in. Its shape is its own whatever the line.
        {"tressure", kTressure, 1, -1,
         {{"band, dexter", 36, H / 2, kGules}, {"band, chief", W / 2, 36, kGules}, {"outside", 20, H / 2, kArgent},
          {"inside", 49, H / 2, kArgent}, {"centre", W / 2, H / 2, kArgent}},
         true},
        {"double tressure", kTressure, 2, -1,
         {{"outer band", 36, H / 2, kGules}, {"inner band", 49, H / 2, kGules}, {"between", 42, H / 2, kArgent},
          {"inner band, sinister", W - 49, H / 2, kGules}, {"centre", W / 2, H / 2, kArgent}},
         true},
    };
    for (const Case& c : cases) {
        for (int line : kLines) {
            // The label is always plain; gemel splits the band at its centre, where the probes are.
            if ((c.shape == kLabel || c.plainOnly) && line != -1) continue;
            if (line == kGapLineStyle) continue;
            SCOPED_TRACE(std::string(c.name) + ", line " + std::to_string(line));
            Ordinary(c.shape, line, c.count, c.levelLine);
            ExpectProbes(c.probes);
        }
    }
}

// One pallet is D/2 wide in the middle of the shield, one bar likewise across; several are
// checked by RepeatedOrdinariesStandApart.
TEST_F(OrdinaryShapesTest, PalletsAndBarsHaveTheirWidths) {
    auto runs = [&](bool across, int at) {  // (start, length) of the gules runs along a row or column
        std::vector<std::pair<int, int>> out;
        const int n = across ? g().W : g().H;
        for (int i = 0; i < n; ++i) {
            const bool gules = across ? Code(i, at) == kGules : Code(at, i) == kGules;
            if (!gules) continue;
            if (!out.empty() && out.back().first + out.back().second == i) ++out.back().second;
            else out.push_back({i, 1});
        }
        return out;
    };
    const int W = g().W, H = g().H, D = g().chiefDepth;
    struct Case {
        const char* name;
        bool pallets;
        int count;
        std::vector<std::pair<int, int>> expected;
    };
    const std::vector<Case> cases = {
        {"one pallet", true, 1, {{W / 2 - D / 4, 2 * (D / 4) + 1}}},
        {"one bar", false, 1, {{H / 2 - D / 4, 2 * (D / 4) + 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shield_.Reset(kArgent);
        s().levelTincture[0] = kGules;
        s().levels[0].levelCount = c.count;
        if (c.pallets) DrawPallets(s(), PiecesPlacement::kOnTheField);
        else DrawBars(s(), PiecesPlacement::kOnTheField);
        EXPECT_EQ(runs(c.pallets, c.pallets ? H / 2 : W / 2), c.expected);
    }
}

// Bars take the level's line before each bar, so that each of two bars gemel is split; placed
// on the field they leave partitionCode 0.
TEST_F(OrdinaryShapesTest, BarsGemelSplitEachBar) {
    shield_.Reset(kArgent);
    s().levelTincture[0] = kGules;
    s().levels[0].levelCount = 2;
    s().levels[0].levelLine = kGapLineStyle;
    s().partitionCode = kBarry;
    DrawBars(s(), PiecesPlacement::kOnTheField);
    // Two bars, each split along its middle: four gules runs down the centre column.
    int runs = 0;
    for (int y = 1; y < g().H; ++y) runs += Code(g().W / 2, y) == kGules && Code(g().W / 2, y - 1) != kGules;
    EXPECT_EQ(runs, 4);
    EXPECT_EQ(s().partitionCode, kFess);
}

// Cotises: drawn in the cotise tincture and line; the count is spent and the tincture at the
// level is -1 afterwards.
TEST_F(OrdinaryShapesTest, CotisesOfTheFess) {
    const int H = g().H, c = (g().chiefDepth - 10) / 2;
    struct Case {
        int count;
        std::vector<int> rows;
        int countAfter;
    };
    const Case cases[] = {{1, {H / 2 - c - 20, H / 2 + c + 20}, 0},
                          {2, {H / 2 - c - 20, H / 2 + c + 20, H / 2 - c - 35, H / 2 + c + 35}, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE("cotises " + std::to_string(k.count));
        shield_.Reset(kArgent);
        s().shapeCode = kFess;
        s().cotiseCount = k.count;
        s().cotiseTincture = kAzure;
        s().cotiseLine = 0;
        const int levelsOwn = s().levelTincture[0];
        DrawAndSpendCotises(s());
        for (int y : k.rows) EXPECT_EQ(Code(g().W / 2 + 7, y), kAzure) << y;
        EXPECT_EQ(s().cotiseCount, k.countAfter);
        EXPECT_EQ(s().cotiseLine, -1);
        EXPECT_EQ(s().lineCode, -1);
        // The cotises paint in their own tincture and leave the level's as it was.
        EXPECT_EQ(s().levelTincture[0], levelsOwn);
    }
}

// The bend sinister is the bend's mirror image, pixel for pixel (column x of the one is column
// W-1-x of the other), in every line, position and with its cotises; the field it lies on is
// symmetric, so any difference is the shape's own.
TEST_F(OrdinaryShapesTest, BendSinisterIsTheMirrorOfTheBend) {
    const int W = g().W;
    // The pixels of the field whose mirror is in the field too: the outline's pen starts a column
    // in from the dexter side along the top, and the base's curves are a pixel off here and there.
    shield_.Reset(kArgent);
    const Bitmap field = s().picture;
    const auto inField = [&](int x, int y) {
        return field.Pixel(x, y) == kPalette[kArgent] && field.Pixel(W - 1 - x, y) == kPalette[kArgent];
    };
    const auto mismatch = [&](const Bitmap& a, const Bitmap& b) {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < W; ++x)
                if (inField(x, y) && a.Pixel(x, y) != b.Pixel(W - 1 - x, y))
                    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
        return std::string();
    };
    struct Case {
        const char* name;
        int line;
        OrdinaryPosition position;
        int cotises;
    };
    const Case cases[] = {{"plain", kPlainLine, OrdinaryPosition::Usual, 0},
                          {"wavy", kWavyLine, OrdinaryPosition::Usual, 0},
                          {"engrailed", 0, OrdinaryPosition::Usual, 0},
                          {"embattled", kEmbattledLine, OrdinaryPosition::Usual, 0},
                          {"couped", kPlainLine, OrdinaryPosition::Couped, 0},
                          {"couped wavy", kWavyLine, OrdinaryPosition::Couped, 0},
                          {"enhanced", kPlainLine, OrdinaryPosition::Enhanced, 0},
                          {"abased engrailed", 0, OrdinaryPosition::Abased, 0},
                          {"cottised", kPlainLine, OrdinaryPosition::Usual, 1},
                          {"double cottised, enhanced", kPlainLine, OrdinaryPosition::Enhanced, 2},
                          {"cottised couped", kPlainLine, OrdinaryPosition::Couped, 1}};
    const auto draw = [&](ShapeCode shape, const Case& k) {
        shield_.Reset(kArgent);
        s().shapeCode = s().partitionCode = shape;  // as the interpreter hands a bend sinister over
        s().lineCode = k.line;
        s().position = k.position;
        s().levelTincture[0] = kGules;
        DrawOrdinary(s(), {shape, false});
        if (k.cotises > 0) {
            CotiseRequest cotises;
            cotises.shape = shape;
            cotises.position = k.position;
            cotises.count = k.cotises;
            cotises.tincture = kSable;
            cotises.line.style = kPlainLine;
            DrawCotises(s(), cotises);
        }
        s().position = OrdinaryPosition::Usual;
        return s().picture;
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const Bitmap bend = draw(kBend, k), sinister = draw(kBendSinister, k);
        EXPECT_EQ(bend.Pixel(W / 2, g().H / 2 + PlaceOf(g(), k.position).shift), kPalette[kGules]);
        EXPECT_EQ(mismatch(bend, sinister), "") << "first pixel of the bend whose mirror differs";
    }
}

TEST_F(OrdinaryShapesTest, FretAndFrettyCrossAtTheCentre) {
    shield_.Reset(kArgent);
    s().levelTincture[0] = kGules;
    DrawFret(s());
    EXPECT_EQ(Code(g().W / 2, g().H / 2), kGules);
    EXPECT_EQ(Code(g().W / 2, g().H / 5 + 2), kGules);
    EXPECT_EQ(Code(g().W / 2, g().H / 3), kArgent);
    shield_.Reset(kArgent);
    s().levelTincture[0] = kGules;
    DrawFretty(s());
    EXPECT_EQ(Code(g().W / 2, g().H / 2), kGules);
    EXPECT_EQ(Code(g().W / 3, g().H / 6), kArgent);  // the middle of a mesh
}

// A counterchanged bordure over a field per pale takes, pixel by pixel, the other of the two
// named tinctures; the dexter band's reflection, which runs past the sinister edge, leaves the
// next rows alone (a counterchanged pixel past a row's end once marked the start of the next row
// as painted, so a strip of the dexter band kept the field's tincture).
TEST_F(OrdinaryShapesTest, CounterchangedBordureSwapsTheFieldsTinctures) {
    Partition(kPale, -1);
    s().shapeCode = s().partitionCode = kBordure;
    s().levelTincture[0] = kCounterchanged;
    DrawOrdinary(s(), {s().shapeCode, false});
    for (int y = 40; y < g().H - 80; y += 17) {
        for (int x = 3; x < 26; ++x) EXPECT_EQ(shield_.Pixel(x, y), kPalette[kSecond]) << x << "," << y;
        for (int x = g().W - 26; x < g().W - 3; ++x) EXPECT_EQ(shield_.Pixel(x, y), kPalette[kFirst]) << x << "," << y;
        EXPECT_EQ(shield_.Pixel(g().W / 4, y), kPalette[kFirst]);
    }
}

// The chief makes room for the charge pictures already placed under it: each such layer's centre
// moves down to y * (H - 50) / H + 50 and its pictures lose 9.6 percent of their height. A picture
// laid out below the chief already stays as it was painted.
TEST_F(OrdinaryShapesTest, ChiefMovesAndSqueezesTheLayersBelowIt) {
    const int H = g().H;
    Bitmap picture(40, 100, kWhite);
    picture.FillRect({0, 50, 40, 100}, kBlack);
    LayerCollector layers;
    layers.LayerPlaced({0, 200, 60, Bitmap(40, 100, kTeal), picture});
    layers.LayerPlaced({1, 200, 100, Bitmap(10, 50, kTeal), Bitmap(10, 50, kWhite)});
    const int below = shapes::ChiefFurthestRow(H) + 1 + 25;
    layers.LayerPlaced({2, 100, below, Bitmap(10, 50, kTeal), Bitmap(10, 50, kWhite)});
    s().layerSink = &layers;
    s().pictureCount = 3;
    s().shapeCode = kChief;
    s().levelTincture[0] = kGules;
    DrawOrdinary(s(), {s().shapeCode, false});
    const PlacedLayer& first = layers.Layers()[0];
    const PlacedLayer& second = layers.Layers()[1];
    const PlacedLayer& third = layers.Layers()[2];
    EXPECT_EQ(first.cy, static_cast<int>(60.0 / H * 100 * (H - 50) * 0.01 + 50));
    EXPECT_EQ(first.cy, 103);
    EXPECT_EQ(second.cy, 139);
    EXPECT_EQ(first.image.Height(), 91);
    EXPECT_EQ(first.image.Width(), 40);
    EXPECT_EQ(first.background.Height(), 91);
    EXPECT_EQ(second.image.Height(), 46);
    EXPECT_EQ(third.cy, below);
    EXPECT_EQ(third.image.Height(), 50);
    // Squeezed, not cut: the black lower half is still the lower half.
    EXPECT_EQ(first.image.Pixel(20, 2), kWhite);
    EXPECT_EQ(first.image.Pixel(20, 88), kBlack);
    EXPECT_EQ(first.image.Pixel(20, 40), kWhite);
    EXPECT_EQ(first.image.Pixel(20, 50), kBlack);
    EXPECT_EQ(Code(g().W / 2, 30), kGules);

    // Nobody listening: the chief is drawn all the same.
    s().layerSink = nullptr;
    DrawOrdinary(s(), {s().shapeCode, false});
    EXPECT_EQ(Code(g().W / 2, 30), kGules);
    EXPECT_EQ(layers.Layers()[0].cy, 103);
}

// Counts outside what the shapes draw: pieces below one give the first tincture alone, past the
// maximum the maximum; a label of no points has three and of many the most; repeated ordinaries
// are one to three.
TEST_F(OrdinaryShapesTest, CountsOutOfRangeHaveDefinedShapes) {
    auto drawn = [&](const std::function<void()>& draw) {
        shield_.Reset(kUnderneath);
        s().fieldColor1 = kFirst;
        s().fieldColor2 = kSecond;
        s().levelTincture[0] = kGules;
        draw();
        return s().pictureBuffer;
    };
    auto partition = [&](ShapeCode shape, int pieces) {
        return drawn([&] {
            s().shapeCode = s().partitionCode = shape;
            s().fieldPieces = pieces;
            DrawOrdinary(s(), {s().shapeCode, true});
        });
    };
    auto ordinary = [&](ShapeCode shape, int count, int levelLine) {
        return drawn([&] {
            s().shapeCode = s().partitionCode = shape;
            s().levels[0].levelCount = count;
            s().levels[0].levelLine = levelLine;
            DrawOrdinary(s(), {s().shapeCode, false});
        });
    };
    for (ShapeCode shape : {kGyronny, kBarry, kPaly}) {
        SCOPED_TRACE("shape " + std::to_string(CodeOf(shape)));
        const auto one = partition(shape, 1);
        for (int x = 5; x < g().W - 5; x += 7) EXPECT_EQ(one[static_cast<std::size_t>(200 * g().W + x)], kFirst);
        EXPECT_TRUE(partition(shape, 0) == one);
        EXPECT_TRUE(partition(shape, -7) == one);
        EXPECT_TRUE(partition(shape, -2147483647 - 1) == one);
        EXPECT_TRUE(partition(shape, 1000000000) == partition(shape, kMaxFieldPieces));
        EXPECT_FALSE(partition(shape, kMaxFieldPieces) == one);
    }
    EXPECT_TRUE(ordinary(kLabel, 1, 0) == ordinary(kLabel, 1, kDefaultLabelPoints));
    EXPECT_TRUE(ordinary(kLabel, 1, -4) == ordinary(kLabel, 1, kDefaultLabelPoints));
    EXPECT_TRUE(ordinary(kLabel, 1, 1000000000) == ordinary(kLabel, 1, kMaxLabelPoints));
    // Below one: one piece. Past six: nothing drawn, and a message says why.
    const auto nothing = drawn([] {});
    for (ShapeCode shape : {kChevronels, kBendlets, kPiles, kPallets}) {
        SCOPED_TRACE("shape " + std::to_string(CodeOf(shape)));
        EXPECT_TRUE(ordinary(shape, 0, -1) == ordinary(shape, 1, -1));
        EXPECT_TRUE(ordinary(shape, -5, -1) == ordinary(shape, 1, -1));
        shield_.sink().messages.clear();
        EXPECT_TRUE(ordinary(shape, kMaxRepeatedOrdinaries + 1, -1) == nothing);
        EXPECT_EQ(shield_.sink().messages, std::vector<std::string>{std::string(msg::kTooManyRepeatedOrdinaries)});
        EXPECT_FALSE(ordinary(shape, kMaxRepeatedOrdinaries, -1) == nothing);
    }
    shield_.sink().messages.clear();
    EXPECT_TRUE(drawn([&] { s().levels[0].levelCount = 9; DrawBars(s(), PiecesPlacement::kOnTheField); }) == nothing);
    EXPECT_EQ(shield_.sink().messages.size(), 1u);
}

// A negative line code is no line: the shapes draw exactly what they draw plain.
TEST_F(OrdinaryShapesTest, NegativeLineCodesDrawPlainShapes) {
    for (ShapeCode shape : {kFess, kBend, kPale, kCross, kSaltire, kChief}) {
        SCOPED_TRACE("shape " + std::to_string(CodeOf(shape)));
        Ordinary(shape, -1);
        const auto plain = s().pictureBuffer;
        Ordinary(shape, -9);
        EXPECT_TRUE(s().pictureBuffer == plain);
        EXPECT_EQ(s().lineCode, -1);
        Partition(shape, -1);
        const auto plainPartition = s().pictureBuffer;
        Partition(shape, -2);
        EXPECT_TRUE(s().pictureBuffer == plainPartition);
    }
}

// Codes without a shape paint nothing; code 23 makes the next shape chequy; every code in both
// modes, with every kind of line, stays within the picture and ends.
TEST_F(OrdinaryShapesTest, EveryCodeEndsAndCodesWithoutAShapePaintNothing) {
    const auto before = s().pictureBuffer;
    for (int code : {11, 13, 15, 26, 28, 29, 40, 41, 42, 47, 99, -1, -2147483647 - 1, 2147483647}) {
        s().shapeCode = ShapeOfCode(code);
        s().levelTincture[0] = kGules;
        DrawOrdinary(s(), {s().shapeCode, false});
        DrawOrdinary(s(), {s().shapeCode, true});
        EXPECT_TRUE(s().pictureBuffer == before) << code;
    }
    s().shapeCode = kChequyNext;
    DrawOrdinary(s(), {s().shapeCode, false});
    EXPECT_EQ(s().levelTincture[0], kChequy);

    std::size_t combination = 0;
    for (int code = -1; code <= CodeOf(kGyron); ++code) {
        for (int mode : {0, 1, 2}) {
            for (int line : {-1, 2, 5, 15, 300}) {
                for (int tincture : {kGules, kCounterchanged, kChequy, kErmine}) {
                    if (++combination % test::kSweepStride != 0) continue;
                    shield_.Reset(kArgent);
                    s().namedTinctures[0] = kArgent;
                    s().namedTinctures[1] = kGules;
                    s().counterchangePair = {kArgent, kGules};
                    s().shapeCode = s().partitionCode = ShapeOfCode(code);
                    s().lineCode = line;
                    s().levelTincture[0] = tincture;
                    s().fieldPieces = ShapeOfCode(code) == kGyronny ? 5 : 6;
                    s().levels[0].levelCount = 2;
                    DrawOrdinary(s(), {s().shapeCode, mode == 1});
                    ASSERT_EQ(s().pictureBuffer.size(), static_cast<std::size_t>(kPictureBufferSize));
                    ASSERT_EQ(s().picture.Width(), kImageWidth);
                    ASSERT_EQ(s().picture.Height(), kPictureHeight);
                }
            }
        }
    }
}

// A voided ordinary in any tincture (plain, furred, chequy, counterchanged) paints only where
// the plain ordinary paints, leaves the middle to the field and keeps its edge to the sides that
// lie within the field.
TEST_F(OrdinaryShapesTest, VoidedIsTheEdgeOfThePlainOrdinary) {
    const int W = g().W, H = g().H;
    for (ShapeCode shape : {kFess, kBend, kBendSinister, kPale, kChevron, kCross, kSaltire, kPall}) {
        for (int tincture : {kGules, kErmine, kChequy, kCounterchanged}) {
            SCOPED_TRACE("shape " + std::to_string(CodeOf(shape)) + ", tincture " + std::to_string(tincture));
            // On vert, which none of the ordinary's tinctures paints.
            auto draw = [&](int treatment) {
                shield_.Reset(kVert);
                s().namedTinctures[0] = kVert;
                s().namedTinctures[1] = kGules;
                s().counterchangePair = {kVert, kGules};
                s().fieldColor1 = kOr;
                s().fieldColor2 = kAzure;
                s().shapeCode = s().partitionCode = shape;
                s().levelTincture[0] = tincture;
                s().ordinaryTreatment = static_cast<OrdinaryTreatment>(treatment);
                DrawOrdinary(s(), {s().shapeCode, false});
                return s().picture;
            };
            const Bitmap plain = draw(0);
            const Bitmap voided = draw(1);
            shield_.Reset(kVert);
            const Bitmap field = s().picture;
            int edge = 0, whole = 0;
            for (int y = 0; y < field.Height(); ++y)
                for (int x = 0; x < field.Width(); ++x) {
                    if (plain.Pixel(x, y) != field.Pixel(x, y)) ++whole;
                    if (voided.Pixel(x, y) == field.Pixel(x, y)) continue;
                    ++edge;
                    if (plain.Pixel(x, y) == field.Pixel(x, y)) ADD_FAILURE() << "outside the plain ordinary at " << x << "," << y;
                }
            EXPECT_GT(edge, 0);
            EXPECT_LT(edge, whole / 2);
            // The middle of a straight limb is the field again.
            const int mx = shape == kSaltire ? W / 4 : W / 2;
            const int my = shape == kSaltire ? H / 4 : (shape == kPale || shape == kCross ? H / 8 : H / 2);
            if (shape != kChevron && shape != kPall) {
                EXPECT_EQ(voided.Pixel(mx, my), field.Pixel(mx, my));
            }
        }
    }
}

// Every count from one to six of every repeated ordinary: walking across the pieces meets exactly
// that many separate pieces, and the field between two of them is never narrower than a piece.
TEST_F(OrdinaryShapesTest, RepeatedOrdinariesStandApart) {
    const int W = g().W, H = g().H;
    const double length = std::hypot(W, H);
    struct Walk {
        const char* name;
        ShapeCode shape;
        std::function<std::pair<int, int>(int)> at;  // the i-th point of the walk
        int steps;
    };
    // Across the bends: the perpendicular to the diagonal through the centre.
    const auto across = [&](int i) {
        const int t = i - 300;
        return std::pair<int, int>{W / 2 + static_cast<int>(-t * H / length), H / 2 + static_cast<int>(t * W / length)};
    };
    const std::vector<Walk> walks = {
        {"bars", kNoShape, [&](int i) { return std::pair<int, int>{W / 2, i}; }, H},
        {"pallets", kPallets, [&](int i) { return std::pair<int, int>{i, H / 2}; }, W},
        {"bendlets", kBendlets, across, 600},
        {"bendlets sinister", kBendletsSinister, [&](int i) { const auto p = across(i); return std::pair<int, int>{W - 1 - p.first, p.second}; }, 600},
        {"chevronels", kChevronels, [&](int i) { return std::pair<int, int>{W / 2, i}; }, H},
        {"piles", kPiles, [&](int i) { return std::pair<int, int>{i, 12}; }, W},
    };
    for (const Walk& w : walks) {
        for (int n = 1; n <= kMaxRepeatedOrdinaries; ++n) {
            SCOPED_TRACE(std::string(w.name) + " " + std::to_string(n));
            if (w.shape == kNoShape) {
                shield_.Reset(kArgent);
                s().levelTincture[0] = kGules;
                s().levels[0].levelCount = n;
                DrawBars(s(), PiecesPlacement::kOnTheField);
            } else {
                Ordinary(w.shape, -1, n);
            }
            std::vector<int> pieces, gaps;  // lengths of the gules runs and of the argent runs between
            int run = 0, field = 0;
            for (int i = 0; i < w.steps; ++i) {
                const auto [x, y] = w.at(i);
                if (x < 0 || y < 0 || x >= W || y >= H) continue;
                const int code = Code(x, y);
                if (code == kGules) {
                    if (run == 0 && !pieces.empty()) gaps.push_back(field);
                    ++run;
                    field = 0;
                } else {
                    if (run > 0) pieces.push_back(run);
                    run = 0;
                    if (code == kArgent) ++field;
                }
            }
            if (run > 0) pieces.push_back(run);
            ASSERT_EQ(static_cast<int>(pieces.size()), n);
            const int widest = *std::max_element(pieces.begin(), pieces.end());
            for (int gap : gaps) EXPECT_GE(gap + 1, widest) << ::testing::PrintToString(pieces) << ::testing::PrintToString(gaps);
        }
    }
}

// Flory counterflory: the fleurs stand on the line between the bands, four along the chief side of
// this shield, evenly between its ends, the first with its head out toward the edge and the next
// with its head in; between two fleurs the bands are bare.
TEST_F(OrdinaryShapesTest, TressureFloryCounterfloryTurnsItsFleursOutAndIn) {
    Ordinary(kTressureFlory, -1, 2);
    const double m = 36 + 13 / 2.0, length = g().W - 2 * m;
    constexpr int kFleursOnTheChief = 4;
    auto fleurX = [&](int i) { return static_cast<int>(std::lround(m + length * (i + 1) / (kFleursOnTheChief + 1))); };
    const int outward = static_cast<int>(m) - 20, inward = static_cast<int>(m) + 20;
    ExpectProbes({{"first head, out", fleurX(0), outward, kGules},
                  {"first, nothing inward past its foot", fleurX(0), inward + 6, kArgent},
                  {"second head, in", fleurX(1), inward, kGules},
                  {"second, nothing outward past its foot", fleurX(1), outward - 3, kArgent},
                  {"third head, out", fleurX(2), outward, kGules},
                  {"between the first two, outside", (fleurX(0) + fleurX(1)) / 2, outward, kArgent},
                  {"between the first two, the outer band", (fleurX(0) + fleurX(1)) / 2, 36, kGules},
                  {"between the first two, between the bands", (fleurX(0) + fleurX(1)) / 2, 42, kArgent}});
    // The plain tressure has no fleurs.
    Ordinary(kTressure, -1, 2);
    ExpectProbes({{"no head", fleurX(0), outward, kArgent}});
}

// Per chevron inverted: the first tincture above limbs that rise at 40 degrees from the fess
// point to the flanks, the second in the flanks and the base; with a line too.
TEST_F(OrdinaryShapesTest, PerChevronInvertedPartsTheFieldUnderAV) {
    const int W = g().W, H = g().H;
    const int flankY = H / 2 - W / 2 * 84 / 100;
    for (int line : {-1, 4}) {
        SCOPED_TRACE(line);
        Partition(kChevronInverted, line);
        const int margin = line == -1 ? 15 : 60;
        ExpectProbes({{"chief", W / 2, 20, kFirst},
                      {"above the point", W / 2, H / 2 - margin, kFirst},
                      {"below the point", W / 2, H / 2 + margin, kSecond},
                      {"dexter flank", 10, flankY + margin, kSecond},
                      {"dexter chief", 10, flankY - margin, kFirst},
                      {"sinister flank", W - 10, flankY + margin, kSecond},
                      {"base", W / 2, H, kSecond}});
    }
}

// Quarterly per fess with a line: the first tincture in the first and fourth quarters, the
// second in the second and third, the line across styled and the line down plain.
TEST_F(OrdinaryShapesTest, QuarterlyPerFessLinedKeepsItsQuarters) {
    const int W = g().W, H = g().H;
    constexpr int kIndented = 4, kIndentedDepth = 16;
    Partition(kQuarterlyPerFessLined, kIndented);
    const int clear = kIndentedDepth + 10;
    ExpectProbes({{"first quarter", W / 4, H / 4, kFirst},
                  {"second quarter", 3 * W / 4, H / 4, kSecond},
                  {"third quarter", W / 4, 3 * H / 4, kSecond},
                  {"fourth quarter", 3 * W / 4, 3 * H / 4, kFirst},
                  {"above the line, dexter", W / 4, H / 2 - clear, kFirst},
                  {"below the line, dexter", W / 4, H / 2 + clear, kSecond},
                  {"above the line, sinister", 3 * W / 4, H / 2 - clear, kSecond},
                  {"below the line, sinister", 3 * W / 4, H / 2 + clear, kFirst},
                  {"either side of the pale line", W / 2 - 3, H / 4, kFirst},
                  {"either side of the pale line, base", W / 2 + 3, 3 * H / 4, kFirst},
                  {"point", W / 2 - 3, H + 20, kSecond}});
    // The line across is indented: in some row near it the teeth of both tinctures alternate,
    // in each half.
    for (const int from : {10, W / 2 + 10}) {
        bool toothed = false;
        for (int y = H / 2 - kIndentedDepth; y <= H / 2 + kIndentedDepth && !toothed; ++y) {
            int changes = 0;
            for (int x = from; x < from + W / 2 - 20; ++x) changes += Code(x, y) != Code(x + 1, y);
            toothed = changes >= 4;
        }
        EXPECT_TRUE(toothed) << "the line across is straight in the half from x = " << from;
    }
}

// Bendlets enhanced are the bendlets set toward the sinister chief: most of their tincture lies
// above the shield's diagonal, where the plain ones share it evenly either side.
TEST_F(OrdinaryShapesTest, BendletsEnhancedStandAboveTheDiagonal) {
    const int W = g().W, H = g().H;
    auto aboveAndBelow = [&] {
        int above = 0, below = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (Code(x, y) == kGules) (y * W < x * H ? above : below) += 1;
        return std::pair{above, below};
    };
    for (int count : {1, 2, 3}) {
        SCOPED_TRACE(count);
        Ordinary(kBendlets, -1, count);
        const auto [plainAbove, plainBelow] = aboveAndBelow();
        EXPECT_NEAR(plainAbove, plainBelow, (plainAbove + plainBelow) / 5);
        Ordinary(kBendletsEnhanced, -1, count);
        const auto [above, below] = aboveAndBelow();
        EXPECT_GT(above, 3 * below);
        // Nearer the corner each piece is shorter, never gone.
        EXPECT_GT(above + below, (plainAbove + plainBelow) / 3);
    }
}

// Chevronny of n: walking down the middle and down a flank meets each chevron line that falls
// inside the shield once, the tinctures taking turns between them.
TEST_F(OrdinaryShapesTest, ChevronnyTurnsAtEachLine) {
    const int W = g().W, B = g().shieldBottom;
    const int fall = W / 2 * 84 / 100;
    for (int pieces : {4, 6, 12}) {
        SCOPED_TRACE(pieces);
        Partition(kChevronny, -1, pieces);
        int pointsInside = 0, flanksInside = 0;
        for (int k = 1; k < pieces; ++k) {
            const int point = -fall + k * (B + fall) / pieces;
            pointsInside += point > 4 && point < B - 40;
            flanksInside += point + fall > 4 && point + fall < B - 40;
        }
        auto turns = [&](int x) {
            int changes = 0, last = Code(x, 4);
            for (int y = 5; y < B - 40; ++y) {
                const int c = Code(x, y);
                EXPECT_TRUE(c == kFirst || c == kSecond) << "at (" << x << ", " << y << ")";
                changes += c != last;
                last = c;
            }
            return changes;
        };
        EXPECT_EQ(Code(4, 4), kFirst) << "the dexter chief is the first tincture";
        EXPECT_EQ(turns(W / 2), pointsInside);
        EXPECT_EQ(turns(4), flanksInside);
    }
}

}  // namespace
}  // namespace esc
