#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/FitLayout.h"

namespace esc {
namespace {

// Pixels at least this far inside the shield's outline are read (the outline itself is drawn).
constexpr int kInside = 5;

// The box of the pixels of rows top..bottom-1 that are not `field`, read only well inside the
// outline; empty when there are none.
Rect BoxOfOtherPixels(test::Drawing& d, Rgb field, int top, int bottom) {
    const FreeSpace& space = FreeSpace::Field(d.s());
    const ShieldGeometry& g = d.s().geometry;
    Rect box{g.W, g.H, -1, -1};
    for (int y = std::max(top, 0); y < std::min(bottom, g.H); ++y)
        for (int x = 0; x < g.W; ++x) {
            if (!space.BoxFree(x, y, 2 * kInside + 1) || d.At(x, y) == field) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        }
    return box.right < 0 ? Rect{} : box;
}

// The drawn box the ring holds for placement k (0 the first of the shield).
Rect DrawnBox(test::Drawing& d, int k) {
    const DrawingState& s = d.s();
    EXPECT_LT(k, s.ringWritten);
    const int first = (s.ringNext - s.ringWritten + kPlacementRingSize) % kPlacementRingSize;
    return s.placementRing[static_cast<std::size_t>((first + k) % kPlacementRingSize)].drawn;
}

// The painter's box of what a charge painted is the box of the pixels it changed: with one
// charge (or one crossing) on a plain field, the pixels that are not the field lie inside it and
// reach each of its four sides. Upright, crossed, turned over, lying long and low, a disc.
TEST(FillTheSpace, ThePainterReportsTheBoxOfWhatItPainted) {
    struct Case { const char* blazon; int placements; };
    const Case cases[] = {
        {"Argent, a lion rampant gules", 1},
        {"Argent, two swords in saltire sable", 2},
        {"Argent, a sword inverted azure", 1},
        {"Or, a domestic cat dormant argent", 1},
        {"Argent, a roundel vert", 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        ASSERT_EQ(d.s().ringWritten, k.placements);
        Rect drawn = DrawnBox(d, 0);
        for (int i = 1; i < k.placements; ++i) {
            const Rect b = DrawnBox(d, i);
            drawn = {std::min(drawn.left, b.left), std::min(drawn.top, b.top), std::max(drawn.right, b.right),
                     std::max(drawn.bottom, b.bottom)};
        }
        ASSERT_GT(drawn.Width(), 0);
        const Rgb field = d.At(d.s().geometry.W / 20, d.s().geometry.H2);
        const Rect seen = BoxOfOtherPixels(d, field, 0, d.s().geometry.H);
        ASSERT_GT(seen.Width(), 0);
        // The painter may touch the pixel beside a run's end; no more.
        EXPECT_NEAR(seen.left, drawn.left, 2);
        EXPECT_NEAR(seen.top, drawn.top, 2);
        EXPECT_NEAR(seen.right, drawn.right, 2);
        EXPECT_NEAR(seen.bottom, drawn.bottom, 2);
    }
}

// "two swords crossed in saltire between in pale a crown and a rose": the crossing leaves the
// corners of its square empty, and the crown and the rose fill the room truly left above and
// below the swords' drawing (they were a quarter of it high), clear of the swords.
TEST(FillTheSpace, ChargesBetweenInPaleFillTheRoomAboveAndBelowACrossing) {
    const char* blazons[] = {
        "Argent, two swords inverted crossed in saltire between in pale a crown and a garden rose sable.",
        "Or, two keys in saltire between in pale a mullet and a crescent sable.",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_EQ(d.s().ringWritten, 4);
        const Rect crossing = DrawnBox(d, 0), other = DrawnBox(d, 1);
        const int top = std::min(crossing.top, other.top), bottom = std::max(crossing.bottom, other.bottom);
        const Rgb field = d.At(d.s().geometry.W / 20, d.s().geometry.H2);
        const Rect above = BoxOfOtherPixels(d, field, 0, top - 1);
        const Rect below = BoxOfOtherPixels(d, field, bottom + 1, d.s().geometry.H);
        ASSERT_GT(above.Height(), 0);
        ASSERT_GT(below.Height(), 0);
        // The room above runs from the shield's top to the crossing; below, to the base's point.
        EXPECT_GE(above.Height(), top * 45 / 100) << "above: " << above.Height() << " of " << top;
        EXPECT_GE(below.Height(), (d.s().geometry.H - bottom) * 45 / 100) << "below: " << below.Height();
        // What is painted there is the charges between, at the line's middle.
        EXPECT_NEAR((above.left + above.right) / 2, d.s().geometry.W2, 3);
        EXPECT_NEAR((below.left + below.right) / 2, d.s().geometry.W2, 3);
        EXPECT_EQ(DrawnBox(d, 2).bottom <= top, true) << "the upper charge reaches into the crossing";
        EXPECT_EQ(DrawnBox(d, 3).top >= bottom, true) << "the lower charge reaches into the crossing";
    }
}

// One charge in base under an ordinary with its charges on it fills the room under it, measured
// against its own drawing: the cat dormant under a chevron inverted (a quarter of the field wide
// before), a mullet and a lion passant under a chevron inverted. The lowest pixel of the
// ordinary on the middle line bounds the room; the charge keeps off it.
TEST(FillTheSpace, OneChargeInBaseFillsTheRoomUnderTheOrdinary) {
    struct Case { const char* blazon; int ordinary; int widthPercent, heightPercent; };
    const Case cases[] = {
        {"Vert, on a chevron inverted Or three ladybugs gules spotted sable and in base a domestic cat dormant argent.",
         kOr, 45, 0},
        {"Azure, a chevron inverted Or, in base a mullet argent.", kOr, 0, 45},
        {"Azure, a chevron inverted Or, in base a lion passant argent.", kOr, 35, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const Rgb ordinary = test::Colour(k.ordinary);
        int lowest = -1;
        for (int y = 0; y < g.H; ++y)
            if (d.At(g.W2, y) == ordinary) lowest = y;
        ASSERT_GT(lowest, g.H4);
        const Rgb field = d.At(g.W / 20, g.H - g.H4);
        const Rect charge = BoxOfOtherPixels(d, field, lowest + 1, g.H);
        ASSERT_GT(charge.Height(), 0);
        EXPECT_GT(charge.top, lowest + 2) << "the charge in base touches the ordinary";
        int base = lowest;  // the base's point: the last row inside the outline on the middle line
        const FreeSpace& space = FreeSpace::Field(d.s());
        while (base + 1 < g.H && space.BoxFree(g.W2, base + 1, 1)) ++base;
        EXPECT_GE(charge.Width(), g.W * k.widthPercent / 100) << charge.Width() << " of " << g.W;
        EXPECT_GE(charge.Height(), (base - lowest) * k.heightPercent / 100) << charge.Height() << " of " << base - lowest;
    }
}

// "a grey heron displayed, and in chief a compass star": the charges in chief fill the room the
// main charge's drawing leaves above it (the star was half of it), still the lesser charges, and
// clear of it; in base likewise.
TEST(FillTheSpace, ChargesBesideTheMainFillTheRoomItLeaves) {
    struct Case { const char* blazon; bool inChief; int percent; };
    const Case cases[] = {
        {"Per chevron inverted sable and vert, a grey heron displayed argent, beaked and membered Or, and in chief a "
         "compass star gules, fimbriated argent.",
         true, 65},
        {"Vert, a lion rampant Or, in chief two mullets argent.", true, 55},
        {"Gules, a lion rampant Or, in base a crescent argent.", false, 30},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_GE(d.s().ringWritten, 2);
        const ShieldGeometry& g = d.s().geometry;
        const Rect main = DrawnBox(d, 0);
        const float mainScale = d.trace.levels[0].placements[0].scale;
        for (int i = 1; i < d.s().ringWritten; ++i) {
            SCOPED_TRACE(i);
            const Rect small = DrawnBox(d, i);
            const float scale = d.trace.levels[1].placements[static_cast<std::size_t>(i - 1)].scale;
            EXPECT_LE(scale, 0.4f * mainScale);
            if (k.inChief) {
                EXPECT_LT(small.bottom, main.top);
                EXPECT_GE(small.Height(), main.top * k.percent / 100) << small.Height() << " of " << main.top;
            } else {
                EXPECT_GT(small.top, main.bottom);
                EXPECT_GE(small.Height(), (g.H - main.bottom) * k.percent / 100) << small.Height();
            }
            // Its own tincture is painted at its centre's row inside its box.
            const Rgb own = test::Colour(d.trace.levels[1].tincture);
            bool painted = false;
            for (int x = small.left; x < small.right && !painted; ++x)
                for (int y = small.top; y < small.bottom && !painted; ++y) painted = d.At(x, y) == own;
            EXPECT_TRUE(painted);
        }
    }
}

// "two mullets in chief and a crescent in base": the three are one group on the field, and the
// one in base, with all the base to fill, stays near its fellows' size; under ladybirds on a
// chevron (not its fellows) it fills its room.
TEST(FillTheSpace, OneInBaseStaysNearTheSizeOfItsFellowsOnTheField) {
    struct Case { const char* blazon; };
    const Case cases[] = {
        {"Or two mullets in chief and a crescent in base azure"},
        {"Gules in chief two helmets argent garnished or in base a garb of the last"},
        {"Argent three holly leaves in chief vert and a hunting horn in base sable garnished gules"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        float fellows = 0.0f;
        for (const PlacementTrace& p : d.trace.levels[0].placements) fellows = std::max(fellows, p.scale);
        const float inBase = d.trace.levels[1].placements[0].scale;
        EXPECT_LE(inBase, std::max(0.9f, 1.2f * fellows) + 0.001f);
        EXPECT_GE(inBase, 0.9f - 0.001f);  // never below the fixed size it had
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "a lion passant and a bear passant", "per bend sinister ..., a dragon and a horse": the two
// single charges at the head of a blazon each grow from where they stand until their drawing
// meets the line parting their part from the other's: each drawn box stays in its own part (its
// corners, just outside it, show that part's field) and fills it far more than the square cell
// of one of two in fess did (long, low beasts filled a quarter of their half).
TEST(FillTheSpace, TwoChargesOnTheFieldFillTheirParts) {
    enum Part { kDexterHalf, kChiefHalfOfPerFess, kChiefHalfOfPerBend };
    struct Case { const char* blazon; Part part; int percent; };
    const Case cases[] = {
        {"Argent, a lion passant and a bear passant sable.", kDexterHalf, 70},
        {"Per pale Or and vert, a tower sable and a sword argent.", kDexterHalf, 50},
        {"Per fess argent and azure, a rose gules and a fish naiant Or.", kChiefHalfOfPerFess, 42},
        {"Per bend sinister vert and sable, a dragon segreant and a horse rampant contourny argent.",
         kChiefHalfOfPerBend, 36},
        {"Per bend argent and azure, a heart gules and a rose Or.", kChiefHalfOfPerBend, 36},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_EQ(d.s().ringWritten, 2);
        const ShieldGeometry& g = d.s().geometry;
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            const Rect box = DrawnBox(d, i);
            ASSERT_GT(box.Width(), 0);
            // The part's extent across and down: a half of the field, or the triangle's legs.
            int partWidth = g.W, partHeight = g.straightBottom;
            if (k.part == kDexterHalf) partWidth = g.W2;
            if (k.part == kChiefHalfOfPerFess) partHeight = g.H2;
            const int share = std::max(box.Width() * 100 / partWidth, box.Height() * 100 / partHeight);
            EXPECT_GE(share, k.percent) << box.Width() << " x " << box.Height() << " share " << share;
            switch (k.part) {
                case kDexterHalf: EXPECT_TRUE(i == 0 ? box.right < g.W2 : box.left > g.W2); break;
                case kChiefHalfOfPerFess: EXPECT_TRUE(i == 0 ? box.bottom < g.H2 : box.top > g.H2); break;
                case kChiefHalfOfPerBend: {
                    // Each corner, two pixels out, shows the field of the charge's own half: the
                    // colour at the field's corner of that half.
                    const bool sinister = std::string(k.blazon).find("sinister") != std::string::npos;
                    const int fieldX = (i == 0) != sinister ? g.W - kInside - 3 : kInside + 3;
                    const Rgb own = d.At(fieldX, i == 0 ? kInside + 3 : g.straightBottom - kInside - 3);
                    for (const int x : {box.left - 2, box.right + 1})
                        for (const int y : {box.top - 2, box.bottom + 1}) {
                            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
                            if (FreeSpace::Field(d.s()).BoxFree(x, y, 1)) {
                                EXPECT_EQ(d.At(x, y), own);
                            }
                        }
                    break;
                }
            }
        }
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// Two or three long or tall drawings alone on a plain field ("two lions passant", "three luces
// hauriant") grow past the table's square cells until their drawings, with a margin, meet each
// other, the shield's edge or a chief named after them; two long ones stand in pale, unless turned
// to each other. Square drawings and charges under a later ordinary keep the table's size.
TEST(FillTheSpace, LongChargesAloneOnTheFieldGrowUntilTheyMeet) {
    enum Arrangement { kInPale, kSideBySide, kTwoAndOne };
    struct Case { const char* blazon; Arrangement arrangement; int widthPercent; bool grows; };
    const Case cases[] = {
        {"Or two lions passant azure", kInPale, 55, true},
        {"Or two lions passant azure, a chief gules", kInPale, 45, true},
        {"Argent two lions passant combatant gules", kSideBySide, 30, true},
        {"Gules three lions passant guardant or", kTwoAndOne, 35, true},
        {"Gules three luces hauriant argent", kTwoAndOne, 0, true},
        {"Gules three cinquefoils argent", kTwoAndOne, 0, false},
        {"Gules three lions passant argent a bendlet azure", kTwoAndOne, 0, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<PlacementTrace>& placed = d.trace.levels[0].placements;
        const std::size_t n = k.arrangement == kTwoAndOne ? 3u : 2u;
        ASSERT_EQ(placed.size(), n);
        const float table = n == 2 ? 1.2f : 1.0f;
        if (k.grows) {
            EXPECT_GT(placed[0].scale, 1.2f * table);
        } else {
            EXPECT_FLOAT_EQ(placed[0].scale, table);
        }
        if (k.arrangement == kInPale) {
            EXPECT_TRUE(placed[0].x == placed[1].x && placed[0].y < placed[1].y);
        } else if (k.arrangement == kSideBySide) {
            EXPECT_TRUE(placed[0].y == placed[1].y && placed[0].x < placed[1].x);
        }
        const Rgb field = d.At(g.W / 20, g.H2);
        const Rgb own = test::Colour(d.trace.levels[0].tincture);
        const bool chief = std::string(k.blazon).find("chief") != std::string::npos;
        for (std::size_t i = 0; i < n; ++i) {
            SCOPED_TRACE(i);
            const Rect box = DrawnBox(d, static_cast<int>(i));
            EXPECT_GE(box.Width(), g.W * k.widthPercent / 100) << box.Width();
            if (chief) {
                EXPECT_GT(box.top, g.chiefDepth);
            }
            // Inside the outline, its own tincture painted inside its box.
            EXPECT_TRUE(FreeSpace::Field(d.s()).BoxFree((box.left + box.right) / 2, (box.top + box.bottom) / 2, 1));
            EXPECT_GT(BoxOfOtherPixels(d, field, box.top, box.bottom).Width(), 0);
            bool painted = false;
            for (int y = box.top; y < box.bottom && !painted; ++y)
                for (int x = box.left; x < box.right && !painted; ++x) painted = d.At(x, y) == own;
            EXPECT_TRUE(painted);
            // No two drawings touch: their boxes stay apart, the field showing between.
            for (std::size_t j = 0; j < i; ++j) {
                const Rect other = DrawnBox(d, static_cast<int>(j));
                const bool apart = box.left >= other.right || other.left >= box.right || box.top >= other.bottom ||
                                   other.top >= box.bottom;
                EXPECT_TRUE(apart) << "charges " << j << " and " << i << " overlap";
            }
        }
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// One charge on a fess or a pale is as large as the band holds its drawing: a fish naiant runs
// along the fess (it was 0.7 whatever its shape), a rapier runs up the pale (a third of its
// height); a horse that already fills the fess's depth keeps its size. The ordinary's own
// tincture shows just outside the charge's box on both sides across the band: it stays on it.
TEST(FillTheSpace, OneChargeOnAFessOrPaleFillsTheBand) {
    struct Case { const char* blazon; bool pale; int ordinary; int lengthPercent; bool grows; };
    const Case cases[] = {
        {"Or on a fess azure a fish naiant argent", false, kAzure, 35, true},
        {"Sable, on a pale gules a rapier inverted Or.", true, kGules, 40, true},
        {"Argent on a pale indented sable a sword argent", true, kSable, 33, true},
        {"Vert, on a fess argent a horse statant reguardant azure.", false, kArgent, 0, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u);
        const float scale = d.trace.levels[1].placements[0].scale;
        const float table = k.pale ? 1.0f : 0.7f;
        if (k.grows) {
            EXPECT_GT(scale, 1.3f * table);
        } else {
            EXPECT_FLOAT_EQ(scale, table);
        }
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.s().ringWritten, 1);
        const Rect box = DrawnBox(d, 0);
        const Rgb ordinary = test::Colour(k.ordinary);
        if (k.pale) {
            EXPECT_GE(box.Height(), g.H * k.lengthPercent / 100) << box.Height();
            const int y = (box.top + box.bottom) / 2;
            EXPECT_EQ(d.At(box.left - 2, y), ordinary);
            EXPECT_EQ(d.At(box.right + 1, y), ordinary);
        } else {
            EXPECT_GE(box.Width(), g.W * k.lengthPercent / 100) << box.Width();
            const int x = (box.left + box.right) / 2;
            EXPECT_EQ(d.At(x, box.top - 2), ordinary);
            EXPECT_EQ(d.At(x, box.bottom + 1), ordinary);
        }
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// "three lions passant in pale", "three fishes naiant in pale": long drawings set in the line of
// an ordinary, alone on the field, grow until their drawings meet (a lion passant was a quarter of
// the field wide); square ones ("five mullets in saltire") keep the cells' size.
TEST(FillTheSpace, LongChargesInALineGrowUntilTheyMeet) {
    struct Case { const char* blazon; int count; int widthPercent; bool grows; };
    const Case cases[] = {
        {"Or three lions passant in pale sable", 3, 38, true},
        {"Gules three fishes naiant in pale argent", 3, 45, true},
        {"Or five mullets in saltire azure", 5, 0, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_EQ(d.s().ringWritten, k.count);
        const ShieldGeometry& g = d.s().geometry;
        const float scale = d.trace.levels[0].placements[0].scale;
        if (k.grows) {
            EXPECT_GT(scale, 1.2f);
        } else {
            EXPECT_LE(scale, 1.0f);
        }
        for (int i = 0; i < k.count; ++i) {
            SCOPED_TRACE(i);
            const Rect box = DrawnBox(d, i);
            EXPECT_GE(box.Width(), g.W * k.widthPercent / 100) << box.Width();
            for (int j = 0; j < i; ++j) {
                const Rect other = DrawnBox(d, j);
                EXPECT_TRUE(box.left >= other.right || other.left >= box.right || box.top >= other.bottom ||
                            other.top >= box.bottom)
                    << "charges " << j << " and " << i << " overlap";
            }
        }
    }
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// Charges at the places of a table round a fess or a bend grow where they stand until they would meet it:
// at the table's scale a lion passant took under half the room above the fess. Named before a
// bordure, they keep the table's scale (the bordure's room is made by pressing the whole layout).
TEST(FillTheSpace, ChargesBetweenAFessOrABendFillTheirRoom) {
    for (const char* blazon : {"Argent a fess azure between two lions passant gules",
                               "Argent a fess azure between three greyhounds courant gules"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const ShieldGeometry& g = d.s().geometry;
        int fessTop = 0;
        while (fessTop < g.H && d.At(kInside + 2, fessTop) != test::Colour(kAzure)) ++fessTop;
        ASSERT_LT(fessTop, g.H2);
        const Rect above = BoxOfOtherPixels(d, test::Colour(kArgent), 0, fessTop);
        ASSERT_GT(above.Height(), 0);
        // Up and down, or across where long drawings meet each other.
        EXPECT_TRUE(above.Height() * 10 >= fessTop * 6 || above.Width() * 10 >= g.W * 8)
            << "the charges in chief fill their room: " << above.Width() << " by " << above.Height();
        EXPECT_LE(above.bottom, fessTop - 2) << "and keep clear of the fess";
    }
    // Beside a bend, each stands where its side holds the largest square, grown until it would
    // meet the bend: larger than the table's scale, and no pixel of it touching the bend.
    {
        test::Drawing d;
        d.Draw("Gules a bend or between two lions rampant argent");
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_GE(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[1].placements.size(), 2u);
        for (const auto& placement : d.trace.levels[1].placements) EXPECT_GT(placement.scale, 1.25f);
        const ShieldGeometry& g = d.s().geometry;
        int touching = 0;
        for (int y = 1; y < g.H - 1; ++y)
            for (int x = 1; x < g.W - 1; ++x)
                if (d.At(x, y) == test::Colour(kArgent))
                    for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}})
                        if (d.At(x + dx, y + dy) == test::Colour(kOr)) ++touching;
        EXPECT_EQ(touching, 0);
    }
    test::Drawing d;
    d.Draw("Argent a fess azure between two lions passant gules, a bordure vert");
    ASSERT_GE(d.trace.levels.size(), 2u);
    for (const auto& placement : d.trace.levels[1].placements) EXPECT_LT(placement.scale, 1.01f);
}

}  // namespace
}  // namespace esc
