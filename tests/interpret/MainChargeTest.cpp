#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

// Whether any pixel of `colour` lies in the box of a charge placed at `p` (its extent at its scale).
bool ColourInBox(const test::Drawing& d, const PlacementTrace& p, Rgb colour) {
    const int half = static_cast<int>(p.scale * kChargeExtentAtScaleOne / 2);
    for (int y = p.y - half; y <= p.y + half; ++y)
        for (int x = p.x - half; x <= p.x + half; ++x)
            if (x >= 0 && y >= 0 && x < d.state->geometry.W && y < d.state->geometry.H && d.At(x, y) == colour)
                return true;
    return false;
}

// "a lion rampant, in chief two mullets": the first charge is the main one, near the size it has
// alone and near the middle; the charges of the direction are small, where it says, and clear
// of the main charge (no pixel of its tincture in their boxes, while theirs is painted there).
TEST(MainCharge, ChargesInChiefOrBaseAfterItStandSmallBesideIt) {
    enum Where { kChiefRow, kBaseRow, kDexterCorner, kSinisterCorner };
    struct Case { const char* blazon; int small; Where where; int smallTincture; };
    const Case cases[] = {
        {"Vert, a lion rampant, in chief two mullets Or.", 2, kChiefRow, kOr},  // one tincture for both
        {"Vert, a lion rampant Or, in chief two mullets argent.", 2, kChiefRow, kArgent},
        {"Vert, a lion rampant Or and in chief three mullets argent.", 3, kChiefRow, kArgent},
        {"Vert, a lion rampant Or, in base two mullets argent.", 2, kBaseRow, kArgent},
        {"Gules, a lion rampant Or, in base a crescent argent.", 1, kBaseRow, kArgent},
        {"Azure, a lion rampant Or, in dexter chief a mullet argent", 1, kDexterCorner, kArgent},
        {"Gules, an eagle displayed Or, in sinister chief a crescent argent", 1, kSinisterCorner, kArgent},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.state->geometry;
        ASSERT_EQ(d.trace.levels.size(), 2u);
        const LevelTrace& main = d.trace.levels[0];
        const LevelTrace& small = d.trace.levels[1];
        ASSERT_EQ(main.placements.size(), 1u);
        ASSERT_EQ(small.placements.size(), static_cast<std::size_t>(k.small));
        EXPECT_FALSE(main.in) << "the direction was taken for the main charge";
        EXPECT_EQ(main.tincture, kOr);  // every main charge here is Or, by its own word or the shared one
        EXPECT_GE(main.placements[0].scale, 0.8f * kAloneScale);
        EXPECT_NEAR(main.placements[0].x, g.W2, g.W / 10);
        EXPECT_NEAR(main.placements[0].y, g.H2, g.H / 10);
        for (const PlacementTrace& p : small.placements) {
            // Fitted to the room the main charge leaves, they stay the lesser charges.
            EXPECT_LE(p.scale, 0.4f * main.placements[0].scale);
            switch (k.where) {
                case kChiefRow: EXPECT_LT(p.y, g.H5); break;
                case kBaseRow: EXPECT_GT(p.y, g.H - g.H4); break;
                case kDexterCorner: EXPECT_TRUE(p.x < g.W4 && p.y < g.H4); break;
                case kSinisterCorner: EXPECT_TRUE(p.x > g.W - g.W4 && p.y < g.H4); break;
            }
            EXPECT_TRUE(ColourInBox(d, p, test::Colour(k.smallTincture)));
            if (main.tincture != k.smallTincture) {
                EXPECT_FALSE(ColourInBox(d, p, test::Colour(main.tincture)));
            }
        }
    }
}

// With an ordinary, or round the main charge, the direction keeps its own layout: the chevron's
// crescent in chief stands between the upper roses, at their size.
TEST(MainCharge, ADirectionAfterAnOrdinaryKeepsItsLayout) {
    test::Drawing d;
    d.Draw("Gules, a chevron between three roses argent, in chief a crescent Or");
    ASSERT_EQ(d.trace.levels.size(), 3u);
    const LevelTrace& roses = d.trace.levels[1];
    const LevelTrace& crescent = d.trace.levels[2];
    ASSERT_EQ(roses.placements.size(), 3u);
    ASSERT_EQ(crescent.placements.size(), 1u);
    const PlacementTrace& c = crescent.placements[0];
    EXPECT_GT(c.x, roses.placements[0].x);
    EXPECT_LT(c.x, roses.placements[1].x);
    EXPECT_LT(c.y, d.state->geometry.H4);
    EXPECT_TRUE(ColourInBox(d, c, test::Colour(kOr)));
}


// Whether the boxes of what two placements painted (k counted from the shield's first) overlap.
bool PaintedBoxesOverlap(const DrawingState& s, int a, int b) {
    const auto drawn = [&s](int k) {
        const int first = (s.ringNext - s.ringWritten + kPlacementRingSize) % kPlacementRingSize;
        return s.placementRing[static_cast<std::size_t>((first + k) % kPlacementRingSize)].drawn;
    };
    const Rect p = drawn(a), q = drawn(b);
    return p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom;
}

// "Per chevron, a garden rose and a rosebud both gules, slipped and leaved vert, in base a cup":
// the two stand side by side above the chevron's point and the cup in base, no two overlapping
// (all three were drawn on one another at the centre); the slip after "both" is both charges',
// so vert is painted in the rose's box as well as the rosebud's.
TEST(MainCharge, TwoChargesPerChevronStandAboveItsPointWithTheBaseChargeBelow) {
    test::Drawing d;
    d.Draw("Per chevron argent and azure, a garden rose and a rosebud both gules, slipped and leaved vert, in base a "
           "cup argent.");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    EXPECT_TRUE(d.sink.messages.empty());
    const std::vector<PlacementTrace> placed = test::AllPlacements(d);
    ASSERT_EQ(placed.size(), 3u);
    const ShieldGeometry& g = d.state->geometry;
    EXPECT_LT(placed[0].x, g.W2);
    EXPECT_GT(placed[1].x, g.W2);
    for (int k : {0, 1}) {
        SCOPED_TRACE(k);
        EXPECT_LT(placed[static_cast<std::size_t>(k)].y, g.H3);  // above the chevron's point
        EXPECT_TRUE(ColourInBox(d, placed[static_cast<std::size_t>(k)], test::Colour(kGules)));
        EXPECT_TRUE(ColourInBox(d, placed[static_cast<std::size_t>(k)], test::Colour(kVert)));
    }
    EXPECT_GT(placed[2].y, g.H - g.H3);
    EXPECT_TRUE(ColourInBox(d, placed[2], test::Colour(kArgent)));  // in the azure base
    // Grown in their parts, the drawings stay apart.
    ASSERT_EQ(d.s().ringWritten, 3);
    EXPECT_FALSE(PaintedBoxesOverlap(d.s(), 0, 1));
    EXPECT_FALSE(PaintedBoxesOverlap(d.s(), 0, 2));
    EXPECT_FALSE(PaintedBoxesOverlap(d.s(), 1, 2));
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// A slender charge alone or in a row on a chief lies fesswise along it, larger than it could stand
// upright (a rapier was drawn upright, as short as the chief is deep); a candle stands. Measured
// by the extent of the charge's tincture in each charge's cell of the chief.
TEST(SlenderCharge, LiesFesswiseAlongAChief) {
    struct Case { const char* blazon; int count; bool laid; };
    const Case cases[] = {
        {"Or, two badgers combatant sable marked argent, on a chief vert a rapier argent.", 1, true},
        {"Or, on a chief vert three swords argent", 3, true},
        {"Or, on a chief gules a spear argent", 1, true},
        {"Or, on a chief gules three candles argent", 3, false},
        {"Or, on a chief gules a tower argent", 1, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const LevelTrace& charges = d.trace.levels.back();
        ASSERT_EQ(charges.placements.size(), static_cast<std::size_t>(k.count));
        EXPECT_EQ(charges.layout.find("fesswise") != std::string::npos, k.laid);
        const ShieldGeometry& g = d.state->geometry;
        const Rgb argent = test::Colour(kArgent);
        for (int j = 0; j < k.count; ++j) {
            SCOPED_TRACE(j);
            int left = g.W, right = -1, top = g.H, bottom = -1;
            for (int y = 0; y < g.chiefDepth; ++y) {
                for (int x = j * g.W / k.count; x < (j + 1) * g.W / k.count; ++x) {
                    if (!(d.At(x, y) == argent)) continue;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
            ASSERT_GE(right, left);
            const int wide = right - left + 1, high = bottom - top + 1;
            if (k.laid) {
                // Its length is the larger by half at least, and a quarter of its cell or more
                // (upright, a rapier or sword was half as long as the chief is deep).
                EXPECT_GT(2 * wide, 3 * high);
                EXPECT_GT(wide, g.W / (4 * k.count));
            } else {
                EXPECT_LT(wide, high);
            }
        }
    }
}

// One slender charge on a bend is as large as the bend's width allows (it was 0.75 for every
// picture; the quill, drawn leaning, was turned to stand across the bend) and stays on the bend:
// no pixel of its tincture lies next to the field's, and its pixels run along the bend (x and y
// rise together). Other charges are no smaller than 0.75, as large as the band holds them.
TEST(SlenderCharge, OneOnABendIsAsLargeAsTheBendAllows) {
    struct Case { const char* blazon; bool larger; };
    const Case cases[] = {
        {"Or, on a bend sable a sword argent", true},
        {"Or, on a bend sable a rapier argent", true},
        {"Or, on a bend sable a spear argent", true},
        {"Or, on a bend sable a quill argent", true},
        {"Or, on a bend sable a quill inverted argent", true},
        {"Or, on a bend sable a lion passant argent", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        const LevelTrace& charges = d.trace.levels.back();
        ASSERT_EQ(charges.placements.size(), 1u);
        if (k.larger) {
            EXPECT_GT(charges.placements[0].scale, 0.9f);
        } else {
            EXPECT_GE(charges.placements[0].scale, 0.75f);
        }
        const ShieldGeometry& g = d.state->geometry;
        const Rgb argent = test::Colour(kArgent), field = test::Colour(kOr);
        int painted = 0, besideTheField = 0;
        double sx = 0, sy = 0, sxy = 0, sxx = 0;
        for (int y = 1; y + 1 < g.H; ++y) {
            for (int x = 1; x + 1 < g.W; ++x) {
                if (!(d.At(x, y) == argent)) continue;
                ++painted;
                sx += x;
                sy += y;
                sxy += static_cast<double>(x) * y;
                sxx += static_cast<double>(x) * x;
                if (d.At(x - 1, y) == field || d.At(x + 1, y) == field || d.At(x, y - 1) == field || d.At(x, y + 1) == field)
                    ++besideTheField;
            }
        }
        ASSERT_GT(painted, 0);
        EXPECT_EQ(besideTheField, 0);
        if (k.larger) {
            // The slope of y on x across the charge's pixels: near the bend's, H / W.
            const double slope = (sxy - sx * sy / painted) / (sxx - sx * sx / painted);
            EXPECT_GT(slope, 0.5);
            EXPECT_LT(slope, 2.5);
        }
    }
}

}  // namespace
}  // namespace esc
