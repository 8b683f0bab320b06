// Charges and fields of a pattern of two tinctures: a charge barry, paly or bendy (its pieces laid
// across the charge's own body), a crown parted per pale, the quarters of a quarterly field that
// are themselves paly, and the boxes that separate the charges of one level.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/PartedLevel.h"
#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// The box of the pixels of the picture within `area` that show either colour.
Rect BoxOf(const Drawing& d, Rect area, Rgb a, Rgb b) {
    Rect box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const Rgb c = d.At(x, y);
            if (!(c == a) && !(c == b)) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    return box;
}

TEST(PartedLevel, ChargeBoxesSeparateChargesButNotTheirOwnGaps) {
    constexpr int W = 60, H = 50;
    struct Case {
        const char* name;
        std::vector<Rect> drawn;     // filled rectangles of the mask
        std::vector<Rect> expected;  // tight boxes, in the order rows then columns are cut
    };
    const Case cases[] = {
        {"one", {{10, 10, 20, 30}}, {{10, 10, 20, 30}}},
        {"two in pale", {{10, 2, 30, 12}, {12, 30, 28, 45}}, {{10, 2, 30, 12}, {12, 30, 28, 45}}},
        {"two in fess", {{2, 10, 12, 40}, {40, 12, 58, 30}}, {{2, 10, 12, 40}, {40, 12, 58, 30}}},
        {"two and one", {{2, 2, 12, 12}, {40, 4, 50, 14}, {20, 30, 30, 45}},
         {{2, 2, 12, 12}, {40, 4, 50, 14}, {20, 30, 30, 45}}},
        // A gap of kGapBetweenCharges (4) empty columns is inside one charge, a wider one is not.
        {"a leg's gap", {{10, 10, 20, 30}, {24, 10, 30, 30}}, {{10, 10, 30, 30}}},
        {"apart by five", {{10, 10, 20, 30}, {25, 10, 30, 30}}, {{10, 10, 20, 30}, {25, 10, 30, 30}}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<bool> mask(W * H, false);
        for (const Rect& r : c.drawn)
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) mask[static_cast<std::size_t>(y) * W + x] = true;
        std::vector<Rect> boxes = ChargeBoxes(mask, W, H);
        ASSERT_EQ(boxes.size(), c.expected.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].left, c.expected[i].left) << i;
            EXPECT_EQ(boxes[i].top, c.expected[i].top) << i;
            EXPECT_EQ(boxes[i].right, c.expected[i].right) << i;
            EXPECT_EQ(boxes[i].bottom, c.expected[i].bottom) << i;
        }
    }
    EXPECT_TRUE(ChargeBoxes(std::vector<bool>(10, true), W, H).empty()) << "a mask smaller than its size";
}

TEST(PartedLevel, PatternPiecesAcrossABox) {
    const Rect box{100, 50, 200, 150};  // 100 by 100
    struct Case {
        const char* name;
        ShapeCode shape;
        int pieces, x, y, piece;
    };
    const Case cases[] = {
        {"barry: top row", kBarry, 10, 150, 50, 0},        {"barry: last row", kBarry, 10, 150, 149, 9},
        {"barry: second bar", kBarry, 10, 101, 61, 1},     {"paly: dexter column", kPaly, 6, 100, 140, 0},
        {"paly: sinister column", kPaly, 6, 199, 60, 5},   {"paly: middle", kPaly, 6, 150, 100, 3},
        {"per pale: dexter", kPale, 2, 149, 100, 0},       {"per pale: sinister", kPale, 2, 150, 100, 1},
        {"per fess: chief", kFess, 2, 150, 99, 0},         {"per fess: base", kFess, 2, 150, 100, 1},
        {"bendy: sinister chief", kBendy, 6, 199, 50, 5},  {"bendy: dexter base", kBendy, 6, 100, 149, 0},
        {"bendy: along the bend", kBendy, 6, 150, 100, 2}, {"outside: clamped", kBarry, 10, 150, 400, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PatternPiece(c.shape, c.pieces, box, c.x, c.y), c.piece);
    }
    // Points on one line parallel to the bend lie in one piece.
    for (int t = 0; t < 90; t += 10) EXPECT_EQ(PatternPiece(kBendy, 6, box, 105 + t, 50 + t), PatternPiece(kBendy, 6, box, 105, 50));
}

// Counts, for a charge drawn in argent and gules, the pixels of each colour in each piece of
// `box` along rows (barry) or columns (paly), and the pixels in the wrong colour for their piece.
struct PieceCount {
    std::set<int> piecesSeen;
    int wrong = 0, argent = 0, gules = 0;
};

PieceCount CountPieces(const Drawing& d, Rect box, int pieces, bool acrossRows) {
    PieceCount count;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const Rgb c = d.At(x, y);
            const bool argent = c == Colour(kArgent), gules = c == Colour(kGules);
            if (!argent && !gules) continue;
            const int piece = acrossRows ? (y - box.top) * pieces / box.Height() : (x - box.left) * pieces / box.Width();
            count.piecesSeen.insert(piece);
            count.argent += argent;
            count.gules += gules;
            if ((piece % 2 == 0) != argent) ++count.wrong;
        }
    return count;
}

TEST(PartedLevel, ALionBarryOfTenKeepsItsCrownAndOutline) {
    Drawing d;
    d.Draw("Azure a lion rampant barry of ten argent and gules crowned or");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 1u);
    EXPECT_EQ(d.trace.levels[0].name, "lionc") << "the crowned lion";
    EXPECT_EQ(d.trace.levels[0].placements.size(), 1u);
    const ShieldGeometry& g = d.s().geometry;
    const Rect body = BoxOf(d, {0, 0, g.W, g.H}, Colour(kArgent), Colour(kGules));
    ASSERT_GT(body.Height(), 100) << "the lion's body is painted in the pattern";
    const PieceCount count = CountPieces(d, body, 10, true);
    EXPECT_EQ(count.wrong, 0);
    EXPECT_EQ(count.piecesSeen.size(), 10u) << "ten bars across the lion";
    EXPECT_GT(count.argent, 500);
    EXPECT_GT(count.gules, 500);
    // The crown keeps its tincture over the top of the lion, and the outline stays black.
    int crown = 0, outline = 0;
    for (int y = 0; y < g.H; ++y)
        for (int x = 0; x < g.W; ++x) {
            crown += d.At(x, y) == Colour(kOr) && y < body.top + body.Height() / 3;
            outline += d.At(x, y) == Colour(kSable);
        }
    EXPECT_GT(crown, 50);
    EXPECT_GT(outline, 300);
}

TEST(PartedLevel, TwoLionsPalyEachOfSixPieces) {
    Drawing d;
    d.Draw("Sable two lions passant paly of six argent and gules");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 1u);
    ASSERT_EQ(d.trace.levels[0].placements.size(), 2u);
    const ShieldGeometry& g = d.s().geometry;
    // Each lion's own box, found round its placement: the pieces are laid across each lion. Two
    // lions passant stand in pale, each in its half of the field's height.
    const std::vector<PlacementTrace>& lions = d.trace.levels[0].placements;
    const bool inPale = lions[0].x == lions[1].x;
    const int middle = (lions[0].y + lions[1].y) / 2;
    for (const PlacementTrace& p : lions) {
        SCOPED_TRACE(p.y);
        const Rect around = inPale ? Rect{0, p.y < middle ? 0 : middle, g.W, p.y < middle ? middle : g.H}
                                   : Rect{p.x < g.W2 ? 0 : g.W2, std::max(p.y - g.H4, 0), p.x < g.W2 ? g.W2 : g.W,
                                          std::min(p.y + g.H4, g.H)};
        const Rect body = BoxOf(d, around, Colour(kArgent), Colour(kGules));
        ASSERT_GT(body.Width(), 40);
        const PieceCount count = CountPieces(d, body, 6, false);
        EXPECT_EQ(count.wrong, 0);
        EXPECT_EQ(count.piecesSeen.size(), 6u);
    }
}

TEST(PartedLevel, ABendyChargeAndOneOfNoCount) {
    Drawing d;
    d.Draw("Or a lion rampant bendy of ten azure and gules");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    EXPECT_NE(d.trace.levels.at(0).layout.find("bendy of 10"), std::string::npos) << d.trace.levels[0].layout;
    // "barry" with no count: six pieces, every word read.
    d.Draw("Or a lion rampant barry azure and gules");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    const ShieldGeometry& g = d.s().geometry;
    const Rect body = BoxOf(d, {0, 0, g.W, g.H}, Colour(kAzure), Colour(kGules));
    std::set<int> bars;
    int wrong = 0;
    for (int y = body.top; y < body.bottom; ++y)
        for (int x = body.left; x < body.right; ++x) {
            const Rgb c = d.At(x, y);
            if (!(c == Colour(kAzure)) && !(c == Colour(kGules))) continue;
            const int bar = (y - body.top) * 6 / body.Height();
            bars.insert(bar);
            wrong += (bar % 2 == 0) != (c == Colour(kAzure));
        }
    EXPECT_EQ(bars.size(), 6u);
    EXPECT_EQ(wrong, 0);
}

// The lion's tongue and claws are gules (its second part), so the crown is tested in argent and
// azure, tinctures nothing else on the shield shows.
TEST(PartedLevel, ACrownPerPaleSplitDownItsMiddle) {
    Drawing d;
    d.Draw("Vert a lion rampant or ducally crowned per pale argent and azure");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 1u);
    EXPECT_EQ(d.trace.levels[0].name, "lionc");
    const ShieldGeometry& g = d.s().geometry;
    const Rect crown = BoxOf(d, {0, 0, g.W, g.H}, Colour(kArgent), Colour(kAzure));
    ASSERT_GT(crown.Width(), 10);
    int dexterArgent = 0, sinisterAzure = 0, wrong = 0;
    for (int y = crown.top; y < crown.bottom; ++y)
        for (int x = crown.left; x < crown.right; ++x) {
            const Rgb c = d.At(x, y);
            const bool dexter = (x - crown.left) * 2 < crown.Width();
            if (c == Colour(kArgent)) (dexter ? dexterArgent : wrong) += 1;
            if (c == Colour(kAzure)) (dexter ? wrong : sinisterAzure) += 1;
        }
    EXPECT_GT(dexterArgent, 20);
    EXPECT_GT(sinisterAzure, 20);
    EXPECT_EQ(wrong, 0);
    // The crown sits on the head, well above the lion's middle; the body keeps its Or.
    EXPECT_LT(crown.bottom, g.H2);
    EXPECT_EQ(d.At(g.W2, g.H2), Colour(kOr));

    // The published blazon, its tinctures named by their places: every word read.
    d.Draw("Barry of ten argent and gules a lion rampant or ducally crowned per pale of the first and second");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 1u);
    EXPECT_EQ(d.trace.levels[0].name, "lionc");
    EXPECT_NE(d.trace.levels[0].layout.find("detail per pale"), std::string::npos);
    // Without "per pale" the crown is of one tincture and "ducally" is read with it.
    d.Draw("Azure a lion rampant or ducally crowned gules");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    int argent = 0;
    for (int y = 0; y < g.H; ++y)
        for (int x = 0; x < g.W; ++x) argent += d.At(x, y) == Colour(kArgent);
    EXPECT_EQ(argent, 0) << "no crown of two tinctures";
}

TEST(PartedLevel, QuarterlyWithQuartersPaly) {
    Drawing d;
    d.DrawClean("Quarterly ermine and paly of six or and gules");
    const ShieldGeometry& g = d.s().geometry;
    const int half = g.W / 2, pale = half / 6;
    // The middle of each pale, a little inside each quarter's top and bottom.
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const Rgb expected = Colour(k % 2 == 0 ? kOr : kGules);
        const int x2 = half + k * pale + pale / 2, x3 = k * pale + pale / 2;
        EXPECT_EQ(d.At(x2, 8), expected) << "second quarter, chief";
        EXPECT_EQ(d.At(x2, g.H2 - 8), expected) << "second quarter, by the fess point";
        EXPECT_EQ(d.At(x3, g.H2 + 8), expected) << "third quarter, by the fess point";
        EXPECT_EQ(d.At(x3, g.H - g.H6), expected) << "third quarter, base";
    }
    // The first and fourth quarters are ermine: white with black spots, nothing else.
    for (const Rect q : {Rect{4, 4, half - 4, g.H2 - 4}, Rect{half + 4, g.H2 + 4, g.W - 4, g.H - g.H6}}) {
        int white = 0, black = 0, other = 0;
        for (int y = q.top; y < q.bottom; ++y)
            for (int x = q.left; x < q.right; ++x) {
                const Rgb c = d.At(x, y);
                (c == Colour(kErmines) ? white : c == Colour(kSable) ? black : other) += 1;
            }
        EXPECT_GT(white, black);
        EXPECT_GT(black, 100);
        EXPECT_EQ(other, 0);
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "Within a bordure nebuly argent and azure": the bordure divided along its middle by the nebuly
// line, argent outside, azure inside, its inner edge plain. The bordure's side band reaches 27
// pixels in from the dexter edge (the band 34 wide centred on column 10).
TEST(PartedLevel, ABordureNebulyOfTwoTinctures) {
    Drawing d;
    d.DrawClean("Or an eagle displayed gules within a bordure nebuly argent and azure");
    const ShieldGeometry& g = d.s().geometry;
    constexpr int kInnerEdge = 27;
    int transitions = 0, argentRows = 0, azureRows = 0;
    for (int y = g.H4; y < g.H - g.H4; ++y) {
        SCOPED_TRACE(y);
        // Outside the line always argent, inside it always azure, then the field.
        EXPECT_EQ(d.At(4, y), Colour(kArgent));
        EXPECT_EQ(d.At(kInnerEdge - 2, y), Colour(kAzure));
        EXPECT_EQ(d.At(kInnerEdge + 6, y), Colour(kOr));
        EXPECT_EQ(d.At(g.W - 1 - 4, y), Colour(kArgent)) << "the sinister side too";
        // Down the middle of the bordure the line's clouds come and go.
        const bool argent = d.At(14, y) == Colour(kArgent);
        argentRows += argent;
        azureRows += d.At(14, y) == Colour(kAzure);
        transitions += argent != (d.At(14, y - 1) == Colour(kArgent));
    }
    EXPECT_GT(argentRows, 20);
    EXPECT_GT(azureRows, 20);
    EXPECT_GE(transitions, 6) << "a line of clouds, not a straight division";
    // Along the chief the same: argent at the top edge, azure above the field.
    for (int x = g.W4; x < g.W - g.W4; x += 7) {
        SCOPED_TRACE(x);
        EXPECT_EQ(d.At(x, 4), Colour(kArgent));
        EXPECT_EQ(d.At(x, 28), Colour(kAzure));
    }

    // One tincture: the bordure nebuly as before, azure out to the edge.
    d.Draw("Or a bordure nebuly azure");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    EXPECT_EQ(d.At(4, g.H2), Colour(kAzure));
    EXPECT_EQ(d.At(g.W - 1 - 4, g.H2), Colour(kAzure));
}

}  // namespace
}  // namespace esc
