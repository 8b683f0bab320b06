// DrawPartitionLine: the merged runs against the pixel-by-pixel reference, and the line styles,
// kinds, treatments and bounds at points computed from the band's geometry.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "PartitionLineReference.h"
#include "ShapeTestSupport.h"
#include "engine/OrdinaryShapes.h"
#include "engine/PartitionLine.h"
#include "tests/SweepStride.h"

namespace esc {
namespace {

using testing::ReferencePartitionLine;
using testing::Shield;

// ---------------------------------------------------------------------------------------------
// The merged runs paint exactly what one PaintSpan per pixel paints.

struct RandomBand {
    int x1, y1, x2, y2, width, kind, length, angle;
    int lineCode, shapeCode, partitionCode, treatment, tincture, second, level;
    bool fillToLeft, layer, achievement;

    std::string Describe() const {
        return "band (" + std::to_string(x1) + "," + std::to_string(y1) + ")-(" + std::to_string(x2) + "," +
               std::to_string(y2) + ") width " + std::to_string(width) + " kind " + std::to_string(kind) + " length " +
               std::to_string(length) + " angle " + std::to_string(angle) + " line " + std::to_string(lineCode) +
               " shape " + std::to_string(shapeCode) + " partition " + std::to_string(partitionCode) + " treatment " +
               std::to_string(treatment) + " tincture " + std::to_string(tincture) + "/" + std::to_string(second) +
               " level " + std::to_string(level) + (fillToLeft ? " fill" : "") + (layer ? " layer" : "") +
               (achievement ? " achievement" : "");
    }
};

// The edges of the old kind numbers the cases are written in (4, no kind, draws both).
BandEdges EdgesOf(int kind) {
    switch (kind) {
        case 1: return BandEdges::kBothAndCentreCopy;
        case 2: return BandEdges::kFarEdge;
        case 3: return BandEdges::kNearEdge;
        case 5: return BandEdges::kFarEdgeReflected;
        default: return BandEdges::kBoth;
    }
}

// A band in the state's line as the shapes draw one (from a point at an angle when given a
// length): a gemel line is spent by it.
void StateBand(PaintState& s, int x1, int y1, int x2, int y2, int width, int kind, int length = 0, int angle = 0) {
    const ShapeOutline outline = OutlineOfState(s);
    if (length != 0) shapes::BandFrom(s, outline, x1, y1, angle, length, width, EdgesOf(kind));
    else shapes::Band(s, outline, x1, y1, x2, y2, width, EdgesOf(kind));
}

RandomBand MakeBand(std::mt19937& rng, const ShieldGeometry& g) {
    auto pick = [&](std::initializer_list<int> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return *(values.begin() + d(rng));
    };
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    RandomBand b{};
    b.x1 = in(-60, g.W + 60);
    b.y1 = in(-60, g.H + 60);
    b.x2 = in(-60, g.W + 60);
    b.y2 = in(-60, g.H + 60);
    switch (in(0, 7)) {  // the lines the shapes draw: level, upright, from an edge, from a corner
        case 0: b.y2 = b.y1; break;
        case 1: b.x2 = b.x1; break;
        case 2: b.x1 = 0; break;
        case 3: b.y1 = 0; break;
        case 4: b.x1 = b.y1 = 0; break;
        case 5: b.x2 = b.x1 + in(-3, 3); b.y2 = b.y1 + in(-3, 3); break;
        default: break;
    }
    b.length = in(0, 3) == 0 ? in(1, 500) : 0;
    b.angle = in(0, 359);
    b.width = in(0, 5) == 0 ? in(-8, 260) : in(-2, 70);
    b.kind = pick({0, 0, 1, 2, 3, 5, 5, 4});
    // Not 0, 1, 5, 7 or 10: engrailed, invected, dancetty, nebuly and dovetailed are stretched
    // to their default repeats across the shield, a width the per-pixel reference does not know
    // (the runs of a profile at its own size are those of the other styles, which are here).
    b.lineCode = pick({-1, -1, 2, 3, 4, 4, 6, 8, 9, 9, 11, 12, 13, 14, 15, 16, 200, -7});
    // A slanting band lays its profile along its edge, sheared and scaled to the slant, which the
    // reference does not know either: a patterned band here is level or upright.
    if (FindLineStyle(b.lineCode) != nullptr) {
        b.length = 0;  // an angle's ends are rarely exactly level or upright
        if (b.x1 != b.x2 && b.y1 != b.y2) b.y2 = b.y1;
    }
    b.shapeCode = pick({0, 1, 2, 3, 4, 8, 9, 16, 19, 19, 30});
    b.partitionCode = pick({-1, 0, 1, 4, 8, 8, 9});
    b.treatment = pick({0, 0, 0, 1, 2});
    b.tincture = pick({0, 1, 2, 3, 4, 5, 6, 7, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, -1, 40});
    b.second = pick({0, 2, 3, 4, 7, 8, 13});
    b.level = pick({0, 0, 1, 3});
    b.fillToLeft = in(0, 5) == 0;
    if (b.fillToLeft) b.width = std::min(b.width, 24);  // the reference fills per pixel
    b.layer = in(0, 9) == 0;
    b.achievement = !b.layer && in(0, 14) == 0;
    return b;
}

// A field parted per pale in the first two named tinctures, so that counterchanging has both to
// swap, and a crossing table holding a few records already.
void Prepare(Shield& shield, const RandomBand& b, Bitmap& achievement, Bitmap& layerImage) {
    shield.Reset(kOr);
    PaintState& s = shield.state();
    const ShieldGeometry& g = s.geometry;
    s.namedTinctures[0] = kOr;
    s.namedTinctures[1] = kAzure;
    s.counterchangePair = {kOr, kAzure};
    s.levelTincture[0] = kAzure;
    for (int y = 2; y < g.shieldBottom - 2; ++y) PaintSpan(s, g.W / 2, y, g.W - 2);
    s.fieldColor1 = kGules;
    s.fieldColor2 = kVert;
    s.fieldColor3 = kSable;
    s.crossings[100] = {30, -1};
    s.crossings[200] = {40, 90};
    s.level = b.level;
    s.levelTincture[b.level] = b.tincture;
    s.levels[static_cast<std::size_t>(b.level)].levelSecondTincture = b.second;
    s.lineCode = b.lineCode;
    s.shapeCode = ShapeOfCode(b.shapeCode);
    s.partitionCode = ShapeOfCode(b.partitionCode);
    s.ordinaryTreatment = static_cast<OrdinaryTreatment>(b.treatment);
    s.fillToLeft = b.fillToLeft;
    layerImage = Bitmap(300, 300, kTeal);
    s.layerTarget = {};
    if (b.layer) s.layerTarget = {&layerImage, 20, 30, false};
    s.view = OutputView::Shield;
    s.achievement = nullptr;
    if (b.achievement) {
        achievement.Fill(kTeal);
        s.view = OutputView::Achievement;
        s.achievement = &achievement;
    }
}

TEST(PartitionLineRuns, PaintExactlyWhatOneCallPerPixelPaints) {
    Shield merged, reference;
    Bitmap achievementA(500, 800, kTeal), achievementB(500, 800, kTeal);
    Bitmap layerA, layerB;
    std::mt19937 rng(20240611);
    for (int i = 0; i < 700; i += static_cast<int>(test::kSweepStride)) {
        const RandomBand b = MakeBand(rng, merged.g());
        SCOPED_TRACE("case " + std::to_string(i) + ": " + b.Describe());
        Prepare(merged, b, achievementA, layerA);
        Prepare(reference, b, achievementB, layerB);
        StateBand(merged.state(), b.x1, b.y1, b.x2, b.y2, b.width, b.kind, b.length, b.angle);
        ReferencePartitionLine(reference.state(), b.x1, b.y1, b.x2, b.y2, b.width, b.kind, b.length, b.angle);
        const PaintState& m = merged.state();
        const PaintState& r = reference.state();
        ASSERT_TRUE(m.picture == r.picture);
        ASSERT_TRUE(m.pictureBuffer == r.pictureBuffer);
        ASSERT_TRUE(m.visited == r.visited);
        ASSERT_TRUE(layerA == layerB);
        ASSERT_TRUE(achievementA == achievementB);
        for (int row = 0; row < kCrossingRows; ++row) {
            ASSERT_EQ(m.crossings[static_cast<std::size_t>(row)].first, r.crossings[static_cast<std::size_t>(row)].first) << row;
            ASSERT_EQ(m.crossings[static_cast<std::size_t>(row)].second, r.crossings[static_cast<std::size_t>(row)].second) << row;
        }
        for (int level = -1; level < kMaxLevels; ++level) ASSERT_EQ(m.levelTincture[level], r.levelTincture[level]);
        ASSERT_EQ(m.lineCode, r.lineCode);
        ASSERT_EQ(merged.sink().messages, reference.sink().messages);
    }
}

// ---------------------------------------------------------------------------------------------
// The styles at points computed from the band.

class PartitionLineTest : public ::testing::Test {
protected:
    Shield shield_{kArgent};
    PaintState& s() { return shield_.state(); }
    int Code(int x, int y) const { return shield_.Code(x, y); }
    void Band(int x1, int y1, int x2, int y2, int width, int kind, int line, int tincture = kGules) {
        s().lineCode = line;
        s().levelTincture[s().level] = tincture;
        StateBand(s(), x1, y1, x2, y2, width, kind);
    }
    // Columns of row y (between x1 and x2) holding `code`.
    std::vector<bool> Row(int y, int x1, int x2, int code) const {
        std::vector<bool> out;
        for (int x = x1; x < x2; ++x) out.push_back(Code(x, y) == code);
        return out;
    }
};

// Embattled: a band of width 40 along row 200 from column 0. Its cross-section is rows 180 to
// 220; the near edge zone is the ten rows 180 to 189, nine rows of merlons over a full row. The
// profile's column is the step along the line, here the picture column: merlons at columns 15 to
// 34 of every 45. (The picture shows each merlon one column wider: a plain colour painted one
// pixel at a time also covers the pixel to its right.)
TEST_F(PartitionLineTest, EmbattledMerlonsAreTwentyWideWithGapsOfTwentyFiveOnTheUpperEdgeOnly) {
    Band(0, 200, shield_.g().W, 200, 40, 0, 2);
    for (int x = 5; x < 400; ++x) {
        const int column = x % 45;
        const bool merlon = column >= 15 && column <= 34;
        SCOPED_TRACE("column " + std::to_string(x));
        EXPECT_EQ(Code(x, 179), kArgent);
        for (int y = 180; y <= 188; ++y) EXPECT_EQ(Code(x, y) == kGules, merlon) << "row " << y;
        EXPECT_EQ(Code(x, 189), kGules);  // the full row under the merlons
        EXPECT_EQ(Code(x, 220), kGules);  // the lower edge is straight (kind 3)
        EXPECT_EQ(Code(x, 221), kArgent);
    }
}

TEST_F(PartitionLineTest, BretessedCarriesMerlonsOppositeEachOtherOnBothEdges) {
    Band(0, 200, shield_.g().W, 200, 40, 0, 3);
    for (int x = 5; x < 400; ++x) {
        const int column = x % 45;
        const bool merlon = column >= 15 && column <= 34;
        EXPECT_EQ(Code(x, 181) == kGules, merlon) << x;
        EXPECT_EQ(Code(x, 219) == kGules, merlon) << x;  // far zone read backward: the mirror image
        EXPECT_EQ(Code(x, 211), kGules) << x;
    }
}

// Wavy with both edges: the far edge is the complement of the near one, so every column of the
// band holds the same number of painted pixels and the band keeps its width.
TEST_F(PartitionLineTest, WavyBandKeepsItsWidthOnAFess) {
    s().shapeCode = kFess;
    Band(0, 240, shield_.g().W, 240, 60, 0, 6);
    int first = -1;
    bool waves = false;
    for (int x = 10; x < 400; ++x) {
        int count = 0;
        for (int y = 200; y < 280; ++y) count += Code(x, y) == kGules ? 1 : 0;
        if (first < 0) first = count;
        EXPECT_EQ(count, first) << x;
        waves = waves || (Code(x, 210) != Code(10, 210));
    }
    EXPECT_TRUE(waves);
}

// The one-sided kinds: a horizontal band of kind 2 keeps its near (upper) edge straight and
// patterns the far one; kind 3 the other way round; for steep bands the sides are exchanged.
TEST_F(PartitionLineTest, OneSidedKindsPatternOneEdge) {
    struct Case {
        const char* name;
        bool steep;
        int kind, line;
        bool nearStraight, farStraight;
    };
    const Case cases[] = {
        {"level kind 2, engrailed", false, 2, 0, true, false},
        {"level kind 3, engrailed", false, 3, 0, false, true},
        {"level kind 0, engrailed", false, 0, 0, false, false},
        {"level kind 2, indented", false, 2, 4, true, false},
        {"level kind 3, wavy", false, 3, 6, false, true},
        {"upright kind 2, engrailed", true, 2, 0, false, true},
        {"upright kind 3, engrailed", true, 3, 0, true, false},
        {"upright kind 3, dancetty", true, 3, 5, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shield_.Reset(kArgent);
        const int h = 20;
        auto straight = [&](int offset) {  // every pixel of the edge's outermost line painted
            for (int i = 20; i < 380; ++i) {
                const int x = c.steep ? 200 + offset : i, y = c.steep ? i : 200 + offset;
                if (Code(x, y) != kGules) return false;
            }
            return true;
        };
        if (c.steep) Band(200, 0, 200, 400, 2 * h, c.kind, c.line);
        else Band(0, 200, 400, 200, 2 * h, c.kind, c.line);
        EXPECT_EQ(straight(-h), c.nearStraight);
        EXPECT_EQ(straight(h), c.farStraight);
    }
}

// Kind 5 adds a copy: level bands reflected top to bottom (row H - y), steep bands left to right
// (column W - X).
TEST_F(PartitionLineTest, KindFivePaintsAReflectedCopy) {
    const int H = shield_.g().H, W = shield_.g().W;
    Band(0, 40, W, 40, 10, 5, -1);
    for (int x = 10; x < 400; x += 37) {
        EXPECT_EQ(Code(x, 40), kGules);
        EXPECT_EQ(Code(x, H - 40), kGules);
        EXPECT_EQ(Code(x, H / 2), kArgent);
    }
    shield_.Reset(kArgent);
    Band(50, 20, 50, 300, 10, 5, -1);
    for (int y = 30; y < 300; y += 23) {
        EXPECT_EQ(Code(50, y), kGules);
        EXPECT_EQ(Code(W - 50, y), kGules);
        EXPECT_EQ(Code(W / 2, y), kArgent);
    }
}

// Kind 1 paints a copy reflected in the centre line, and keeps it when the embattled style makes
// the band's edges one-sided (so that a pair of flaunches stays a pair).
TEST_F(PartitionLineTest, KindOneCopiesTheBandAcrossTheCentreLine) {
    const int M = 2 * (shield_.g().W / 2);
    for (int line : {-1, 0, 2}) {
        SCOPED_TRACE("line " + std::to_string(line));
        shield_.Reset(kArgent);
        Band(60, 100, 60, 300, 30, 1, line);
        EXPECT_EQ(Code(60, 200), kGules);
        EXPECT_EQ(Code(M - 60, 200), kGules);
    }
}

// Style 15 leaves a gap along the middle of the band (|k| < 3) and is spent by that band.
TEST_F(PartitionLineTest, GemelSplitsOneBandOnly) {
    const int W = shield_.g().W;
    Band(0, 100, W, 100, 20, 0, 15);
    EXPECT_EQ(s().lineCode, -1);
    for (int x = 10; x < 400; x += 29) {
        for (int y = 90; y <= 110; ++y) EXPECT_EQ(Code(x, y) == kGules, y < 98 || y > 102) << x << "," << y;
    }
    StateBand(s(), 0, 300, W, 300, 20, 0);
    for (int x = 10; x < 400; x += 29) {
        for (int y = 290; y <= 310; ++y) EXPECT_EQ(Code(x, y), kGules);
    }
}

// Voided leaves the middle unpainted; fimbriated paints it in the band's tincture and the
// edge zones (5 pixels without a style) in the level's second tincture.
TEST_F(PartitionLineTest, TreatmentsVoidOrEdgeTheBand) {
    const int W = shield_.g().W;
    s().ordinaryTreatment = OrdinaryTreatment::kVoided;
    Band(0, 200, W, 200, 40, 0, -1);
    for (int x = 10; x < 400; x += 31) {
        for (int y = 180; y <= 220; ++y) {
            const bool edge = y < 185 || y > 215;
            EXPECT_EQ(Code(x, y), edge ? kGules : kArgent) << x << "," << y;
        }
    }
    shield_.Reset(kArgent);
    s().ordinaryTreatment = OrdinaryTreatment::kFimbriated;
    s().levels[0].levelSecondTincture = kAzure;
    Band(0, 200, W, 200, 40, 0, -1);
    EXPECT_EQ(s().levelTincture[0], kGules);
    for (int x = 10; x < 400; x += 31) {
        for (int y = 180; y <= 220; ++y) {
            const bool edge = y < 185 || y > 215;
            EXPECT_EQ(Code(x, y), edge ? kAzure : kGules) << x << "," << y;
        }
    }
}

// Slanted bands wider than 25 lose 20 pixels; a slanted band starting on the top or left edge
// (not the corner) is lengthened by half its width at both ends. The steep band records the
// column of its centre line in the crossing table on every row it walks.
TEST_F(PartitionLineTest, SlantedBandsNarrowAndLengthen) {
    const ShieldGeometry& g = shield_.g();
    Band(0, 0, g.W, g.H, 60, 0, -1);
    EXPECT_EQ(s().crossings[0].first, 0);
    EXPECT_EQ(s().crossings[static_cast<std::size_t>(g.H)].first, g.W);
    EXPECT_EQ(s().crossings[static_cast<std::size_t>(g.H + 1)].first, -1);
    // Drawn 40 wide: on a row far from the ends the band spans about 2 * 20 * (1 + W/H) columns
    // (each cross-section slants one column per row across the line's own slope).
    int first = -1, last = -1;
    for (int x = 0; x < g.W; ++x) {
        if (Code(x, 240) != kGules) continue;
        if (first < 0) first = x;
        last = x;
    }
    // (plus about four columns that close the gaps between the slanted cross-sections).
    const double expected = 2 * 20 * (1 + static_cast<double>(g.W) / g.H) + 4;
    EXPECT_NEAR(last - first + 1, expected, 4);

    shield_.Reset(kArgent);
    Band(g.W / 3, 0, g.W, g.H, 60, 0, -1);
    EXPECT_NE(s().crossings[static_cast<std::size_t>(g.H + 20)].first, -1);
    EXPECT_EQ(s().crossings[static_cast<std::size_t>(g.H + 20)].first, g.W + 20);
    EXPECT_EQ(s().crossings[static_cast<std::size_t>(g.H + 21)].first, -1);
}

TEST_F(PartitionLineTest, SteepBandsRecordTheirCentreColumn) {
    Band(100, 10, 100, 50, 20, 0, -1);
    for (int y = 10; y <= 50; ++y) EXPECT_EQ(s().crossings[static_cast<std::size_t>(y)].first, 100) << y;
    EXPECT_EQ(s().crossings[9].first, -1);
    EXPECT_EQ(s().crossings[51].first, -1);
}

// Widths: partitions per bend and per chevron take the style's depth off the width; a band
// narrower than twice the depth (its two edge zones) is drawn twice the depth wide. Measured on
// a short level band of kind 3 at the step whose profile column is solid in every row (the
// triangle's apex, a raguly stub, a merlon), where the band's whole cross-section shows.
TEST_F(PartitionLineTest, NarrowStyledBandsAreTwiceTheDepthWide) {
    struct Case {
        int line, width, partition, fullColumn, expectedRows;
    };
    const Case cases[] = {
        {4, 10, 1, 15, 33},   // indented, depth 16: 10 - 16 < 32, drawn 32 wide (33 rows)
        {4, 10, 4, 15, 33},
        {4, 40, 1, 15, 33},   // 40 - 16 = 24 < 32
        {4, 40, 0, 15, 41},
        {8, 10, 0, 20, 17},   // raguly, depth 8: 16 wide
        {8, -5, 0, 20, 17},
        {2, 30, 0, 20, 31},   // embattled, depth 10: 30 stays
        {-1, 10, 1, 3, 11},   // no style: the width stays
        {-1, -4, 0, 3, 0},    // no style, negative width: nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + " width " + std::to_string(c.width));
        shield_.Reset(kArgent);
        s().partitionCode = ShapeOfCode(c.partition);
        Band(100, 200, 140, 200, c.width, 3, c.line);
        int rows = 0;
        for (int y = 150; y < 250; ++y) rows += Code(100 + c.fullColumn, y) == kGules ? 1 : 0;
        EXPECT_EQ(rows, c.expectedRows);
        EXPECT_EQ(Code(100 + c.fullColumn, 200 - c.expectedRows / 2 - 1), kArgent);
    }
}

// A zero-length line paints one cross-section at its start point.
TEST_F(PartitionLineTest, ZeroLengthLinePaintsOneCrossSection) {
    Band(100, 100, 100, 100, 20, 0, -1);
    for (int y = 90; y <= 110; ++y) EXPECT_EQ(Code(100, y), kGules);
    EXPECT_EQ(Code(100, 89), kArgent);
    EXPECT_EQ(Code(101, 100), kArgent);  // the buffer holds the one column (the picture two)
    EXPECT_EQ(Code(99, 100), kArgent);
}

// Codes outside the table draw a plain band, exactly as -1 does.
TEST_F(PartitionLineTest, LineCodesOutsideTheTableDrawPlain) {
    Shield plain(kArgent);
    plain.state().lineCode = -1;
    plain.state().levelTincture[0] = kGules;
    StateBand(plain.state(), 0, 120, 415, 160, 30, 0);
    for (int line : {11, 13, 14, kLineStyleCount, 99, 200, -2, -7, 1 << 30}) {
        SCOPED_TRACE("line " + std::to_string(line));
        shield_.Reset(kArgent);
        Band(0, 120, 415, 160, 30, 0, line);
        EXPECT_TRUE(s().pictureBuffer == plain.state().pictureBuffer);
        EXPECT_EQ(s().lineCode, line);
    }
}

// Bands far beyond the picture are not drawn at all (nor walked), whatever their style.
TEST_F(PartitionLineTest, FarBandsAreNotDrawn) {
    struct Case {
        const char* name;
        int x1, y1, x2, y2, width, length, angle;
    };
    const Case cases[] = {
        {"far end", 0, 0, 1000000000, 5, 20, 0, 0},
        {"far start", -2000000000, 100, 100, 100, 20, 0, 0},
        {"huge width", 10, 10, 300, 300, 1000000000, 0, 0},
        {"huge negative width", 10, 10, 300, 300, -2000000000, 0, 0},
        {"huge length", 100, 100, 0, 0, 20, 2000000000, 45},
        {"most negative length", 100, 100, 0, 0, 20, -2147483647 - 1, 200},
        {"just past the reach", 0, 100, kBandReach + 1, 100, 20, 0, 0},
    };
    const auto before = s().pictureBuffer;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int line : {-1, 4, 15}) {
            s().lineCode = line;
            s().levelTincture[0] = kGules;
            StateBand(s(), c.x1, c.y1, c.x2, c.y2, c.width, 0, c.length, c.angle);
            EXPECT_TRUE(s().pictureBuffer == before);
            EXPECT_EQ(s().levelTincture[0], kGules);
            EXPECT_EQ(s().lineCode, line == 15 ? -1 : line);  // a gemel line is spent all the same
        }
    }
    // The reach itself is still drawn: a level line from far left to far right crosses the field.
    Band(-kBandReach, 100, kBandReach, 100, 20, 0, -1);
    EXPECT_EQ(Code(200, 100), kGules);
}

}  // namespace
}  // namespace esc
