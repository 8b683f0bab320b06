// DrawOrdinary's partitions of the field at points computed from the shield geometry, plain and
// with lines.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ShapeTestSupport.h"
#include "engine/OrdinaryShapes.h"

namespace esc {
namespace {

using testing::Around;
using testing::kFirst;
using testing::kLines;
using testing::kSecond;
using testing::kThird;
using testing::kUnderneath;
using testing::Probe;
using PartitionShapesTest = testing::ShapesTest;

TEST_F(PartitionShapesTest, EachPartitionPaintsItsRegions) {
    const int W = g().W, H = g().H;
    struct Case {
        const char* name;
        ShapeCode shape;
        int pieces;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {"per fess", kFess, 8,
         {{"chief", W / 2, H / 4, kFirst}, {"base", W / 2, 3 * H / 4, kSecond}, {"dexter chief", 20, 20, kFirst},
          {"point", W / 2, H + 20, kSecond}}},
        {"per pale", kPale, 8,
         {{"dexter", W / 4, H / 2, kFirst}, {"sinister", 3 * W / 4, H / 2, kSecond}, {"top row", W / 4, 2, kFirst},
          {"sinister base", W - 60, H - 10, kSecond}}},
        {"per bend", kBend, 8,
         {{"sinister chief", 3 * W / 4, H / 4, kFirst}, {"dexter base", W / 4, 3 * H / 4, kSecond},
          {"point", W / 2, H + 20, kSecond}}},
        {"per bend sinister", kBendSinister, 8,
         {{"dexter chief", W / 4, H / 4, kFirst}, {"sinister base", 3 * W / 4, 3 * H / 4, kSecond},
          {"point", W / 2, H + 20, kSecond}}},
        {"per chevron", kChevron, 8,
         {{"chief", W / 2, H / 4, kFirst}, {"dexter flank", W / 10, H / 2 + 40, kFirst},
          {"under the apex", W / 2, H / 2 + 80, kSecond}, {"base", W / 2, H - 30, kSecond}}},
        {"per saltire", kSaltire, 8,
         {{"chief", W / 2, H / 8, kFirst}, {"base", W / 2, 7 * H / 8, kFirst}, {"dexter", W / 8, H / 2, kSecond},
          {"sinister", 7 * W / 8, H / 2, kSecond}}},
        {"quarterly", kCross, 8,
         {{"first", W / 4, H / 4, kFirst}, {"second", 3 * W / 4, H / 4, kSecond}, {"third", W / 4, 3 * H / 4, kSecond},
          {"fourth", 3 * W / 4, 3 * H / 4, kFirst}, {"top row of the second", 3 * W / 4, 2, kSecond}}},
        {"barry of six", kBarry, 6,  // (the bars' probes stand off their centre rows, split by gemel)
         {{"first piece", W / 2, 40, kFirst}, {"first bar", W / 2, 130, kSecond}, {"third piece", W / 2, 200, kFirst},
          {"second bar", W / 2, 290, kSecond}, {"fifth piece", W / 2, 360, kFirst}, {"lowest bar", W / 2, 450, kSecond},
          {"point", W / 2, H + 20, kSecond}}},
        {"paly of six", kPaly, 6,
         {{"first piece", 35, H / 2, kFirst}, {"first pale", 105, H / 2, kSecond}, {"third piece", 175, H / 2, kFirst},
          {"second pale", 245, H / 2, kSecond}, {"fifth piece", 315, H / 2, kFirst}, {"last pale", 385, H / 2, kSecond}}},
        {"bendy of six", kBendy, 6,
         {{"between the upper bends", W / 2, H / 4, kFirst}, {"upper bend", 3 * W / 4, H / 4, kSecond},
          {"middle bend", W / 2, H / 2, kSecond}, {"lower bend", W / 4, 3 * H / 4, kSecond},
          {"between the lower bends", W / 2, 3 * H / 4, kFirst}}},
        {"tierced per pall", kPall, 8,
         {{"chief", W / 2, H / 6, kFirst}, {"dexter", W / 6, 2 * H / 3, kThird}, {"sinister", 5 * W / 6, 2 * H / 3, kSecond}}},
        {"per pall reversed", kPallReversed, 8,
         {{"dexter", W / 6, H / 3, kFirst}, {"sinister", 5 * W / 6, H / 3, kThird}, {"base", W / 2, 5 * H / 6, kSecond},
          {"point", W / 2, H + 20, kSecond}}},
    };
    for (const Case& c : cases) {
        for (int line : kLines) {
            SCOPED_TRACE(std::string(c.name) + ", line " + std::to_string(line));
            Partition(c.shape, line, c.pieces);
            ExpectProbes(c.probes);
        }
    }
}

// Gyronny of N: the gyron from i*360/N to (i+1)*360/N degrees, counter-clockwise from pointing
// right, is in colour 1 for even i. Gyronny of four is drawn as four quarters.
TEST_F(PartitionShapesTest, GyronnyStartsWithTheFirstTinctureRightOfTheCentreAndAbove) {
    for (int n : {3, 5, 6, 7, 8, 12, 16}) {
        SCOPED_TRACE("gyronny of " + std::to_string(n));
        Partition(kGyronny, -1, n);
        for (int i = 0; i < n; ++i) {
            const double middle = 360.0 * (i + 0.5) / n;
            for (int radius : {30, 120, 180}) {
                const Probe p = Around(g(), "gyron", middle, radius, i % 2 == 0 ? kFirst : kSecond);
                if (p.y < 3 || p.y > g().H - 40) continue;
                EXPECT_EQ(Code(p.x, p.y), p.code) << "gyron " << i << " radius " << radius;
            }
        }
        // The centre row is painted on both sides, the centre too: no pixel of the field is left
        // over. (The picture is read here: the picture buffer does not hold the last column of a
        // filled row.)
        const Rgb underneath = kPalette[kUnderneath];
        for (int x = 3; x < g().W - 3; ++x) EXPECT_NE(shield_.Pixel(x, g().H / 2), underneath) << x;
        for (int y = 3; y < g().baseTop; ++y) EXPECT_NE(shield_.Pixel(g().W / 2, y), underneath) << y;
        EXPECT_NE(Code(3, 3), kUnderneath);
        EXPECT_NE(Code(g().W - 4, 3), kUnderneath);
    }
    Partition(kGyronny, -1, 4);
    ExpectProbes({{"dexter chief", g().W / 4, g().H / 4, kFirst},
                  {"sinister chief", 3 * g().W / 4, g().H / 4, kSecond},
                  {"dexter base", g().W / 4, 3 * g().H / 4, kSecond},
                  {"sinister base", 3 * g().W / 4, 3 * g().H / 4, kFirst}});
}

// The lowest bar of barry has a plain lower edge, and the point of the shield takes its
// tincture; with an odd number of pieces the lowest piece is of the first tincture, and so is the
// point.
TEST_F(PartitionShapesTest, BarrysLowestBarIsPlainBelowAndFillsThePoint) {
    for (int line : {-1, 0, 2, 4, 6, 7}) {
        SCOPED_TRACE("line " + std::to_string(line));
        Partition(kBarry, line, 6);
        for (int x = 50; x < g().W - 50; ++x) EXPECT_EQ(Code(x, g().H - 3), kSecond) << x;
        EXPECT_EQ(Code(g().W / 2, g().H + 25), kSecond);
    }
    Partition(kBarry, -1, 5);  // a = 96: bars over rows 96 to 192 and 288 to 384
    ExpectProbes({{"lowest piece", g().W / 2, 430, kFirst}, {"point", g().W / 2, g().H + 25, kFirst},
                  {"second bar", g().W / 2, 336, kSecond}});
}

// Bendy is drawn of six or of ten; any other number shows the first tincture alone.
TEST_F(PartitionShapesTest, BendyOfEightPaintsOnlyTheFirstTincture) {
    for (int pieces : {8, 4, 0, -3, 1000000000}) {
        SCOPED_TRACE("bendy of " + std::to_string(pieces));
        Partition(kBendy, -1, pieces);
        for (int y = 2; y < g().baseTop; y += 3) {
            for (int x = 2; x < g().W - 2; x += 3) ASSERT_EQ(Code(x, y), kFirst) << x << "," << y;
        }
    }
    Partition(kBendy, -1, 10);
    EXPECT_EQ(Code(g().W / 2, g().H / 2), kSecond);
}

// Per bend sinister paints its lower half in the second tincture named in the blazon, even when
// the field's second colour differs.
TEST_F(PartitionShapesTest, PerBendSinisterTakesTheSecondNamedTincture) {
    for (int line : {-1, 0, 4}) {
        SCOPED_TRACE("line " + std::to_string(line));
        shield_.Reset(kUnderneath);
        s().fieldColor1 = kOr;
        s().fieldColor2 = kPurpure;
        s().namedTinctures[0] = kOr;
        s().namedTinctures[1] = kSable;
        s().counterchangePair = {kOr, kSable};
        s().shapeCode = kBendSinister;
        s().partitionCode = kBend;
        s().lineCode = line;
        DrawOrdinary(s(), {s().shapeCode, true});
        EXPECT_EQ(Code(3 * g().W / 4, 3 * g().H / 4), kSable);
        EXPECT_EQ(Code(g().W / 2, g().H + 20), kSable);
        EXPECT_EQ(Code(g().W / 4, g().H / 4), kOr);
    }
}

// Per bend sinister is per bend mirrored pixel for pixel, plain, with a line and moved (its plain
// line lay some pixels off the mirror of per bend's).
TEST_F(PartitionShapesTest, PerBendSinisterIsTheMirrorOfPerBend) {
    const int W = g().W;
    // Pixels of the field whose mirror is in the field too (the outline is a pixel off here and there).
    shield_.Reset(kArgent);
    const Bitmap field = s().picture;
    const auto inField = [&](int x, int y) {
        return field.Pixel(x, y) == kPalette[kArgent] && field.Pixel(W - 1 - x, y) == kPalette[kArgent];
    };
    struct Case {
        const char* name;
        int line;
        OrdinaryPosition position;
    };
    const Case cases[] = {{"plain", kPlainLine, OrdinaryPosition::Usual},
                          {"wavy", kWavyLine, OrdinaryPosition::Usual},
                          {"engrailed", 0, OrdinaryPosition::Usual},
                          {"embattled", kEmbattledLine, OrdinaryPosition::Usual},
                          {"enhanced", kPlainLine, OrdinaryPosition::Enhanced},
                          {"abased indented", kIndentedLine, OrdinaryPosition::Abased}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        s().position = k.position;
        Partition(kBend, k.line);
        const Bitmap bend = s().picture;
        s().position = k.position;
        Partition(kBendSinister, k.line);
        s().position = OrdinaryPosition::Usual;
        const Bitmap& sinister = s().picture;
        // The line's own points: the first tincture above it on the middle column, the second below.
        const int mid = g().H / 2 + PlaceOf(g(), k.position).shift;
        EXPECT_EQ(sinister.Pixel(W / 4, mid - g().H / 4), kPalette[kFirst]);
        EXPECT_EQ(sinister.Pixel(3 * W / 4, mid + g().H / 4), kPalette[kSecond]);
        int differing = 0;
        std::string first;
        for (int y = 0; y < bend.Height(); ++y)
            for (int x = 0; x < W; ++x)
                if (inField(x, y) && bend.Pixel(x, y) != sinister.Pixel(W - 1 - x, y)) {
                    if (differing++ == 0) first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                }
        EXPECT_EQ(differing, 0) << "first pixel whose mirror differs: " << first;
    }
}

// A partition is never voided or fimbriated by a treatment left over from an earlier phrase,
// and the treatment is there again afterwards.
TEST_F(PartitionShapesTest, PartitionsIgnoreOrdinaryTreatments) {
    Partition(kFess, 0);
    const auto untreated = s().pictureBuffer;
    shield_.Reset(kUnderneath);
    s().ordinaryTreatment = OrdinaryTreatment::kVoided;
    s().fieldColor1 = kFirst;
    s().fieldColor2 = kSecond;
    s().shapeCode = s().partitionCode = kFess;
    s().lineCode = 0;
    DrawOrdinary(s(), {s().shapeCode, true});
    EXPECT_TRUE(s().pictureBuffer == untreated);
    EXPECT_EQ(s().ordinaryTreatment, OrdinaryTreatment::kVoided);
}

}  // namespace
}  // namespace esc
