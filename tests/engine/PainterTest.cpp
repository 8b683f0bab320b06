#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "TestCanvas.h"

namespace esc {
namespace {

using test::Canvas;
using test::Colour;

TEST(ShieldGeometry, MeasuresOfTheUsualImage) {
    Canvas c;
    const ShieldGeometry& g = c.g();
    EXPECT_EQ(g.W, 415);
    EXPECT_EQ(g.H, 480);
    EXPECT_EQ(g.chiefDepth, 115);
    EXPECT_EQ(g.baseTop, 440);
    EXPECT_EQ(g.shieldBottom, 514);
    EXPECT_EQ(g.W5, 83);
    EXPECT_EQ(g.H6, 80);
}

TEST(ShieldOutline, IsBlackAndBoundsTheBase) {
    Canvas c;
    const int W = c.g().W;
    EXPECT_EQ(c.At(1, 100), kBlack);       // left side
    EXPECT_EQ(c.At(W - 1, 100), kBlack);   // right side
    EXPECT_EQ(c.At(100, 1), kBlack);       // top
    EXPECT_EQ(c.At(W / 2, 519), kBlack);   // the point
    EXPECT_EQ(c.At(100, 100), kTeal);      // inside, unpainted
    // The base bounds: one column inside the outline of each side.
    const BaseBound& row30 = c.g().baseBounds[30];  // row 470, in the rounded corners
    EXPECT_GT(row30.left, 2);
    EXPECT_LT(row30.left, 40);
    EXPECT_GT(row30.right, W - 40);
    EXPECT_LT(row30.right, W - 2);
    EXPECT_EQ(c.At(row30.left - 1, 470), kBlack);
}

TEST(PaintSpan, PlainFieldFillsTheOutlineAndIsCutAtTheBase) {
    Canvas c;
    c.PaintField(kGules);
    const Rgb red = Colour(kGules);
    struct Case { const char* name; int x, y; bool painted; };
    const Case cases[] = {
        {"top-left inside", 2, 2, true},      {"top-right inside", c.g().W - 3, 2, true},
        {"middle", 207, 240, true},           {"right edge column W-2 is clipped", c.g().W - 2, 240, false},
        {"rounded corner outside", 5, 470, false}, {"rounded corner inside", 60, 470, true},
        {"the point", 207, 505, true},        {"beside the point", 150, 505, false},
        {"below shieldBottom", 207, 516, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(c.At(k.x, k.y) == red, k.painted);
    }
    EXPECT_EQ(c.s().pictureBuffer[240 * 415 + 207], kGules);
}

TEST(PaintSpan, RunEndsFollowTheCode) {
    // Plain colours cover x1..x2, patterns x1..x2-1.
    Canvas c;
    c.s().levelTincture[0] = kAzure;
    PaintSpan(c.s(), 100, 50, 110);
    EXPECT_EQ(c.At(110, 50), Colour(kAzure));
    EXPECT_EQ(c.At(111, 50), kTeal);
    c.s().levelTincture[0] = kVair;
    PaintSpan(c.s(), 100, 60, 110);
    EXPECT_NE(c.At(109, 60), kTeal);
    EXPECT_EQ(c.At(110, 60), kTeal);
    // Codes 20 and 21 are plain brown and white.
    c.s().levelTincture[0] = kProperBrown;
    PaintSpan(c.s(), 100, 70, 110);
    EXPECT_EQ(c.At(105, 70), Colour(8));
    c.s().levelTincture[0] = kPlainWhite;
    PaintSpan(c.s(), 100, 80, 110);
    EXPECT_EQ(c.At(105, 80), (Rgb{255, 255, 255}));
}

TEST(PaintSpan, RowsOutsideTheShieldPaintNothing) {
    Canvas c;
    c.s().levelTincture[0] = kGules;
    const Bitmap before = c.s().picture;
    PaintSpan(c.s(), 10, -1, 20);
    PaintSpan(c.s(), 10, c.g().shieldBottom + 1, 20);
    PaintSpan(c.s(), -5, 100, 20);
    EXPECT_TRUE(c.s().picture == before);
}

TEST(Patterns, ErmineSpotsLieWhereTheTileSaysWithBandsShifted) {
    Canvas c;
    c.PaintField(kErmine);
    const Rgb black = Colour(kSable), white = Colour(kErmines);
    // Row 4 of the tile holds the top of the spot in tile columns 38..40; band 0 is shifted by 24.
    EXPECT_EQ(c.At(15, 4), black);
    EXPECT_EQ(c.At(15 + 48, 4), black);
    EXPECT_EQ(c.At(12, 4), white);
    // The next band (rows 28..55) is not shifted.
    EXPECT_EQ(c.At(39, 32), black);
    EXPECT_EQ(c.At(15, 32), white);
    // The tail: row 17 spans tile columns 36..42.
    EXPECT_EQ(c.At(36 - 24 + 48, 17), black);
}

TEST(Patterns, ErminoisHasAGoldGround) {
    Canvas c;
    c.PaintField(kErminois);
    EXPECT_EQ(c.At(12, 4), Colour(kOr));
    EXPECT_EQ(c.At(15, 4), Colour(kSable));
}

TEST(Patterns, VairBellsInNineteenColumnRepeat) {
    Canvas c;
    c.PaintField(kVair);
    const Rgb argent = Colour(kArgent), azure = Colour(kAzure);
    // Band 1 (rows 16..31) is unshifted: row 18 shows the bell in columns 7..11 of each repeat.
    EXPECT_EQ(c.At(9, 18), argent);
    EXPECT_EQ(c.At(9 + 19, 18), argent);
    EXPECT_EQ(c.At(3, 18), azure);
    // Band 2 is shifted by 10 columns.
    EXPECT_EQ(c.At(18, 34), argent);
    EXPECT_EQ(c.At(9, 34), azure);
    // The last row of a band is almost all bell.
    EXPECT_EQ(c.At(5, 31), argent);
}

TEST(Patterns, ChequySquaresOfFifty) {
    Canvas c;
    c.s().fieldColor1 = kOr;
    c.s().fieldColor2 = kAzure;
    c.s().fieldColor3 = 0;
    c.s().levelTincture[0] = kChequy;
    for (int y = 2; y <= c.g().shieldBottom - 5; ++y) PaintSpan(c.s(), 1, y, c.g().W - 2);
    struct Case { int x, y, colour; };
    const Case cases[] = {{10, 10, kOr}, {49, 49, kOr}, {50, 10, kAzure}, {10, 50, kAzure}, {60, 60, kOr}, {160, 260, kOr}, {160, 210, kAzure}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.x) + "," + std::to_string(k.y));
        EXPECT_EQ(c.At(k.x, k.y), Colour(k.colour));
    }
    // The chequy area holds fieldColor3 in the picture buffer.
    EXPECT_EQ(c.s().pictureBuffer[100 * 415 + 100], 0);
}

// The lozengy model, worked in real numbers at pixel centres: a fieldColor1 lozenge is centred
// on the centre line (column W/2 = 207) and on row kLozengyTop + 39, and repeats every 52
// columns and 78 rows; everything else is fieldColor2.
bool InFirstLozenge(int x, int y) {
    const double half = kLozengeWidth / 2.0, tall = kLozengeHeight / 2.0;
    const double dx = std::remainder(x - 207.0, kLozengeWidth);
    const double dy = std::remainder(y + 0.5 - kLozengyTop - tall, kLozengeHeight);
    return std::abs(dx) / half + std::abs(dy) / tall < 1.0;
}

TEST(Patterns, LozengyPointsOfTheGrid) {
    Canvas c;
    c.s().fieldColor1 = kArgent;
    c.s().fieldColor2 = kGules;
    c.PaintField(kLozengy);
    const int cx = 207, w = kLozengeWidth, h = kLozengeHeight, top = kLozengyTop;
    const int mid = top + h / 2;         // row of the side points of the first row of lozenges
    const int edgeRow = top + h / 4;     // a quarter down: the sides are 13 columns from the centre
    struct Case { const char* name; int x, y, colour; };
    const Case cases[] = {
        {"centre of a first lozenge", cx, mid, kArgent},
        {"centre of the next first lozenge", cx + w, mid, kArgent},
        {"centre of a first lozenge a band lower", cx - w, mid + h, kArgent},
        {"centre of a second lozenge", cx + w / 2, top + h, kGules},
        {"centre of a second lozenge left of the line", cx - w / 2, top + h, kGules},
        {"top point", cx, top, kArgent},
        {"beside the top point", cx + 1, top, kGules},
        {"bottom point", cx, top + h - 1, kArgent},
        {"inside the upper right side", cx + w / 4 - 1, edgeRow, kArgent},
        {"outside the upper right side", cx + w / 4, edgeRow, kGules},
        {"inside the upper left side", cx - w / 4 + 1, edgeRow, kArgent},
        {"outside the upper left side", cx - w / 4, edgeRow, kGules},
        {"inside the lower side", cx + w / 4 - 1, top + h - 1 - h / 4, kArgent},
        {"outside the lower side", cx + w / 4, top + h - 1 - h / 4, kGules},
        {"side point", cx + w / 2 - 1, mid, kArgent},
        {"between two side points", cx + w / 2, mid, kGules},
        {"by the top-left corner: a first lozenge cut by the side", 3, 20, kArgent},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ASSERT_EQ(InFirstLozenge(k.x, k.y), k.colour == kArgent);  // the case agrees with the model
        EXPECT_EQ(c.At(k.x, k.y), Colour(k.colour));
    }
    EXPECT_EQ(c.s().pictureBuffer[240 * 415 + 207], kLozengy);
}

TEST(Patterns, LozengyMatchesTheModelAndTheCentreLine) {
    Canvas c;
    c.s().fieldColor1 = kOr;
    c.s().fieldColor2 = kAzure;
    c.PaintField(kLozengy);
    int wrong = 0, asymmetric = 0;
    for (int y = 2; y <= c.g().baseTop; ++y) {
        for (int x = 2; x < c.g().W - 2; ++x) {
            if (c.At(x, y) != Colour(InFirstLozenge(x, y) ? kOr : kAzure)) ++wrong;
            if (x <= 207 && c.At(x, y) != c.At(414 - x, y)) ++asymmetric;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(asymmetric, 0);
}

// Runs that start anywhere, single pixels and the whole row paint the same lozenges, upright and
// bendwise, and a pattern run covers x1..x2-1.
TEST(Patterns, LozengyRunsAgreeWithSinglePixels) {
    for (int code : {kLozengy, kLozengyBendwise}) {
        SCOPED_TRACE(code);
        Canvas whole, pieces;
        for (Canvas* c : {&whole, &pieces}) {
            c->s().fieldColor1 = kVert;
            c->s().fieldColor2 = kSable;
            c->s().levelTincture[0] = code;
        }
        for (int y = 2; y < 300; ++y) {
            PaintSpan(whole.s(), 2, y, whole.g().W - 2);
            for (int x = 2, n = 1; x < whole.g().W - 2; x += n, n = n % 37 + 3)
                PaintSpan(pieces.s(), x, y, std::min(x + n, whole.g().W - 2));
        }
        int differ = 0;
        for (int y = 2; y < 300; ++y)
            for (int x = 0; x < whole.g().W; ++x) differ += whole.At(x, y) != pieces.At(x, y);
        EXPECT_EQ(differ, 0);
        PaintSpan(whole.s(), 100, 400, 110);
        EXPECT_NE(whole.At(109, 400), kTeal);
        EXPECT_EQ(whole.At(110, 400), kTeal);
    }
}

TEST(Patterns, LozengyBendwiseLiesInBend) {
    Canvas c;
    c.s().fieldColor1 = kOr;
    c.s().fieldColor2 = kSable;
    c.PaintField(kLozengyBendwise);
    // In half-pixels from the top point (W/2 + 1/2, kLozengyTop) a first lozenge has its corners
    // at (0, 0), (5, 1) P/24, (1, 5) P/24 and (6, 6) P/24: its long axis runs in bend.
    const double p = kBendwisePeriod / 48.0;  // P/24 half-pixels in pixels
    const double ox = 207.5, oy = kLozengyTop;
    auto at = [&](double a, double b) { return c.At(static_cast<int>(ox + a * p), static_cast<int>(oy + b * p)); };
    struct Case { const char* name; double a, b; int colour; };
    const Case cases[] = {
        {"centre", 3, 3, kOr},
        {"towards the sinister base point", 5.5, 5.5, kOr},
        {"towards the dexter chief point", 0.5, 0.6, kOr},
        {"across the lower side, by the sinister base point", 6.2, 5.8, kSable},
        {"beside the top point, to the dexter", -0.5, 0.5, kSable},
        {"the next lozenge along the short axis (touching at a point)", 3 - 4, 3 + 4, kOr},
        {"centre of a neighbour along a side", 3 + 5, 3 + 1, kSable},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(at(k.a, k.b), Colour(k.colour));
    }
}

TEST(Patterns, EachSemeStrewsItsCharge) {
    struct Case { const char* name; int code; int x, y; bool pattern; };
    // Drops and billets lie in tile columns 17..32, bezants and crosses in 33..47; band 0 is
    // shifted by 24 columns.
    const Case cases[] = {
        {"guttee drop tip", kGuttee, 47, 4, true},          {"guttee drop body", kGuttee, 46, 16, true},
        {"guttee between drops", kGuttee, 30, 16, false},   {"billet", kBillettee, 42, 10, true},
        {"beside the billet", kBillettee, 30, 10, false},   {"bezant", kBezantee, 15, 12, true},
        {"beside the bezant", kBezantee, 40, 12, false},    {"crusilly arm", kCrusilly, 12, 11, true},
        {"crusilly centre", kCrusilly, 15, 6, true},        {"beside the cross", kCrusilly, 30, 6, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Canvas c;
        c.s().fieldColor1 = kArgent;
        c.s().fieldColor2 = kGules;
        c.PaintField(k.code);
        const int expected = k.pattern ? (k.code == kBezantee ? kOr : kGules) : kArgent;
        EXPECT_EQ(c.At(k.x, k.y), Colour(expected));
    }
}

TEST(Counterchanging, EachPixelTakesTheOtherFieldTincture) {
    Canvas c;
    PaintState& s = c.s();
    s.namedTinctures[0] = kOr;
    s.namedTinctures[1] = kAzure;
    s.counterchangePair = {kOr, kAzure};
    // A field per pale Or and Azure, with a vert strip in the middle of the azure half.
    for (int y = 100; y < 110; ++y) {
        s.levelTincture[0] = kOr;
        PaintSpan(s, 2, y, 206);
        s.levelTincture[0] = kAzure;
        PaintSpan(s, 207, y, 412);
        s.levelTincture[0] = kVert;
        PaintSpan(s, 300, y, 309);
    }
    s.levelTincture[0] = kCounterchanged;
    PaintSpan(s, 150, 105, 350);
    EXPECT_EQ(c.At(160, 105), Colour(kAzure));   // over Or
    EXPECT_EQ(c.At(250, 105), Colour(kOr));      // over Azure
    EXPECT_EQ(c.At(305, 105), Colour(kOr));      // over Vert: the colour of the pixel before it
    EXPECT_EQ(s.pictureBuffer[105 * 415 + 160], kAzure);
    // A second pass over the same pixels changes nothing: each pixel is counterchanged once.
    PaintSpan(s, 150, 105, 350);
    EXPECT_EQ(c.At(160, 105), Colour(kAzure));
    // A run starting over a third tincture starts from Or.
    PaintSpan(s, 302, 106, 305);
    EXPECT_EQ(c.At(303, 106), Colour(kOr));
}

TEST(Counterchanging, OutOfBoundsIsShownOncePerDrawing) {
    Canvas c;
    PaintState& s = c.s();
    s.levelTincture[0] = kCounterchanged;
    s.geometry.shieldBottom = 700;  // let rows past the picture buffer through
    for (int y = 580; y < 585; ++y) PaintSpan(s, 10, y, 20);
    ASSERT_EQ(c.sink.messages.size(), 1u);
    EXPECT_EQ(c.sink.messages[0], "Out of bounds 3");
}

TEST(Crossings, TraceEdgeRecordsOneColumnPerRow) {
    struct Case { const char* name; int y1, y2, firstRow, lastRow; };
    const Case cases[] = {{"from row 10", 10, 20, 11, 20}, {"from row 0", 0, 20, 0, 20}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Canvas c;
        ResetCrossings(c.s());
        TraceEdge(c.s(), 50, k.y1, 50, k.y2);
        for (int y = 0; y <= 25; ++y) {
            const bool expected = y >= k.firstRow && y <= k.lastRow;
            EXPECT_EQ(c.s().crossings[static_cast<std::size_t>(y)].first == 50, expected) << "row " << y;
        }
    }
}

TEST(Crossings, InsertionRuleKeepsBothEnds) {
    Canvas c;
    ResetCrossings(c.s());
    AddCrossing(c.s(), 100, 40);
    AddCrossing(c.s(), 150, 40);
    EXPECT_EQ(c.s().crossings[40].first, 100);
    EXPECT_EQ(c.s().crossings[40].second, 150);
    AddCrossing(c.s(), 60, 40);  // left of first: first moves, second keeps the larger
    EXPECT_EQ(c.s().crossings[40].first, 60);
    EXPECT_EQ(c.s().crossings[40].second, 150);
    AddCrossing(c.s(), -7, 41);  // negative columns record 0
    EXPECT_EQ(c.s().crossings[41].first, 0);
    AddCrossing(c.s(), 5, c.g().shieldBottom);  // the last row is not recorded
    EXPECT_EQ(c.s().crossings[static_cast<std::size_t>(c.g().shieldBottom)].first, -1);
}

TEST(Crossings, FillPaintsRowsTwoToBottomMinusThree) {
    Canvas c;
    c.s().levelTincture[0] = kGules;
    ResetCrossings(c.s());
    TraceEdge(c.s(), 100, 0, 100, c.g().shieldBottom);
    TraceEdge(c.s(), 200, 0, 200, c.g().shieldBottom);
    FillCrossings(c.s());
    EXPECT_EQ(c.At(150, 1), kBlack);  // the outline row, untouched
    EXPECT_EQ(c.At(150, 2), Colour(kGules));
    EXPECT_EQ(c.At(150, 400), Colour(kGules));
    EXPECT_EQ(c.At(99, 400), kTeal);
    EXPECT_EQ(c.At(200, 400), Colour(kGules));  // plain runs include the second column
    EXPECT_EQ(c.At(201, 400), kTeal);
}

TEST(Crossings, DiagonalEdgeAndTracePoints) {
    Canvas c;
    ResetCrossings(c.s());
    TraceEdge(c.s(), 0, 0, 100, 100);
    EXPECT_EQ(c.s().crossings[0].first, 0);
    EXPECT_EQ(c.s().crossings[50].first, 50);
    EXPECT_EQ(c.s().crossings[100].first, 100);
    ResetCrossings(c.s());
    // Length 100 at 0 degrees: along row 10, every point recorded.
    TracePoints(c.s(), 30, 10, 0, 0, 100, 0);
    EXPECT_EQ(c.s().crossings[10].first, 30);
    EXPECT_EQ(c.s().crossings[10].second, 130);
    EXPECT_EQ(c.s().crossings[11].first, -1);
    // At 270 degrees the end point is truncated from 29.99..: a nearly vertical edge.
    ResetCrossings(c.s());
    TracePoints(c.s(), 30, 10, 0, 0, 100, 270);
    EXPECT_EQ(c.s().crossings[10].first, 30);
    EXPECT_EQ(c.s().crossings[108].first, 30);
    EXPECT_EQ(c.s().crossings[109].first, 29);
    EXPECT_EQ(c.s().crossings[110].first, -1);
}

TEST(Crossings, FillBasePointPaintsThePoint) {
    Canvas c;
    c.s().levelTincture[0] = kVert;
    FillBasePoint(c.s());
    EXPECT_EQ(c.At(207, 500), Colour(kVert));
    EXPECT_EQ(c.At(207, 470), kTeal);  // above the base line nothing is painted
}

TEST(LayerTarget, RunsAlsoLandInTheLayerImage) {
    Canvas c;
    PaintState& s = c.s();
    Bitmap image(20, 5, kTeal);
    s.layerTarget = {&image, 2, 1, false};
    s.levelTincture[0] = kGules;
    PaintSpan(s, 100, 50, 104);  // five pixels
    EXPECT_EQ(image.Pixel(2, 1), Colour(kGules));
    EXPECT_EQ(image.Pixel(6, 1), Colour(kGules));
    EXPECT_EQ(image.Pixel(7, 1), kTeal);
    s.layerTarget.mirror = true;
    s.layerTarget.ly = 2;
    PaintSpan(s, 100, 51, 100);  // one pixel at lx 2: mirrored to column 20 - 2
    EXPECT_EQ(image.Pixel(18, 2), Colour(kGules));
}

TEST(PlotRun, CodesWithoutAPaletteEntryPaintNothing) {
    Canvas c;
    const Bitmap before = c.s().picture;
    PlotRun(c.s(), 10, 10, 30, -1);
    PlotRun(c.s(), 10, 10, 30, 57);
    PlotRun(c.s(), 10, 10, 30, 200);
    EXPECT_TRUE(c.s().picture == before);
    PlotRun(c.s(), 10, 10, 30, 105);  // codes from 100 reach entries from 12
    EXPECT_EQ(c.At(20, 10), Colour(17));
}

}  // namespace
}  // namespace esc
