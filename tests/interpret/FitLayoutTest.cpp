// Layouts fitted to the free space: every count alone on the field and between every ordinary,
// checked on whole drawings. Charges must all be placed, in the rows heralds use, apart from one
// another, inside the outline and off the ordinary; past what a layout holds, a message.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "PhraseTestState.h"
#include "TestDrawing.h"
#include "engine/Messages.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

const char* const kNumbers[] = {"",     "a",      "two",    "three",    "four",     "five",    "six",
                                "seven", "eight", "nine",   "ten",      "eleven",   "twelve",  "thirteen",
                                "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};

// The extent at scale 1 of the largest picture when the least scales below were written.
constexpr float kFirstPictureExtent = 110.0f;

// The placements of a level with the square each charge may fill.
struct Box {
    int x, y, extent;
};
std::vector<Box> Boxes(const DrawingTrace& trace, std::size_t level) {
    std::vector<Box> out;
    if (level >= trace.levels.size()) return out;
    for (const PlacementTrace& p : trace.levels[level].placements)
        out.push_back({p.x, p.y, static_cast<int>(p.scale * kChargeExtentAtScaleOne)});
    return out;
}

void ExpectApart(const std::vector<Box>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box &a = boxes[i], &b = boxes[j];
            const int need = (a.extent + b.extent) / 2;
            EXPECT_TRUE(std::abs(a.x - b.x) >= need || std::abs(a.y - b.y) >= need)
                << "charges at (" << a.x << ", " << a.y << ") and (" << b.x << ", " << b.y << ") overlap";
        }
}

// Every corner of every charge's square lies on the field of `plain` (the same field drawn
// without the charges), not outside the outline.
void ExpectInside(const std::vector<Box>& boxes, Drawing& plain, Rgb field) {
    for (const Box& b : boxes) {
        const int h = b.extent / 2;
        for (const auto& [dx, dy] : {std::pair{-h, -h}, std::pair{h, -h}, std::pair{-h, h}, std::pair{h, h}})
            EXPECT_EQ(plain.At(b.x + dx, b.y + dy), field) << "corner of the charge at (" << b.x << ", " << b.y << ")";
    }
}

std::vector<int> RowSizes(const std::vector<Box>& boxes) {
    std::map<int, int> rows;
    for (const Box& b : boxes) ++rows[b.y];
    std::vector<int> out;
    for (const auto& [y, n] : rows) out.push_back(n);
    return out;
}

TEST(FitLayout, EveryCountAloneOnTheField) {
    Drawing plain;
    plain.Draw("Azure");
    for (int n = 1; n <= kMaxChargesOnField; ++n) {
        const std::string blazon = std::string("Azure ") + kNumbers[n] + (n == 1 ? " mullet or" : " mullets or");
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const std::vector<Box> boxes = Boxes(d.trace, 0);
        ASSERT_EQ(static_cast<int>(boxes.size()), n);
        ExpectApart(boxes);
        if (n == 1) continue;  // alone, the charge fills the shield on purpose
        ExpectInside(boxes, plain, Colour(kAzure));
        if (n >= 5) {
            EXPECT_EQ(RowSizes(boxes), FieldRows(n));
            // The charges fill the field: even twenty are more than a third of a full-size charge.
            EXPECT_GT(d.trace.levels[0].placements[0].scale, 0.35f);
        }
    }
}

TEST(FitLayout, FieldRowsAsHeraldsSetThem) {
    struct Case {
        int count;
        std::vector<int> rows;
    };
    const Case cases[] = {{4, {2, 2}}, {5, {2, 1, 2}}, {6, {3, 2, 1}}, {7, {3, 3, 1}},
                          {8, {3, 3, 2}}, {9, {3, 3, 3}}, {10, {4, 3, 2, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(FieldRows(c.count), c.rows);
    }
    for (int n = 11; n <= kMaxChargesOnField; ++n) {
        SCOPED_TRACE(n);
        const std::vector<int> rows = FieldRows(n);
        int total = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            total += rows[i];
            if (i > 0) {
                EXPECT_LE(rows[i], rows[i - 1]) << "rows narrow toward the base";
            }
        }
        EXPECT_EQ(total, n);
    }
    EXPECT_TRUE(FieldRows(0).empty());
    EXPECT_TRUE(FieldRows(kMaxChargesOnField + 1).empty());
}

TEST(FitLayout, RowsWrittenOut) {
    Drawing plain;
    plain.Draw("Azure");
    struct Case {
        const char* blazon;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"Azure seventeen mullets five, five, three, three and one or", {5, 5, 3, 3, 1}},
        {"Azure six mullets three, two and one or", {3, 2, 1}},
        {"Azure ten mullets four three two and one or", {4, 3, 2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const std::vector<Box> boxes = Boxes(d.trace, 0);
        EXPECT_EQ(RowSizes(boxes), c.rows);
        ExpectApart(boxes);
        ExpectInside(boxes, plain, Colour(kAzure));
    }
}

// Between every ordinary, every count the layout holds: all placed, split as heralds split them, off
// the ordinary (every pixel it paints alone is still its colour) and inside the outline.
TEST(FitLayout, BetweenEveryOrdinary) {
    struct Ordinary {
        const char* name;
        // Which part of the field a charge at (x, y) stands in, and how many each part takes
        // of n charges.
        std::function<int(int x, int y, const ShieldGeometry& g)> part;
        std::function<std::vector<int>(int n)> split;
    };
    auto halves = [](int n) { return std::vector<int>{(n + 1) / 2, n / 2}; };
    auto quarters = [](int n) {
        std::vector<int> out(4, n / 4);
        for (int i = 0; i < n % 4; ++i) ++out[static_cast<std::size_t>(i)];
        return out;
    };
    const std::vector<Ordinary> ordinaries = {
        {"fess", [](int, int y, const ShieldGeometry& g) { return y < g.H / 2 ? 0 : 1; }, halves},
        // A pair stands in the dexter and sinister chief, above the chevron's limbs.
        {"chevron", [](int, int y, const ShieldGeometry& g) { return y < g.H / 2 ? 0 : 1; },
         [&halves](int n) { return n == 2 ? std::vector<int>{2, 0} : halves(n); }},
        {"pale", [](int x, int, const ShieldGeometry& g) { return x < g.W / 2 ? 0 : 1; }, halves},
        {"bend", [](int x, int y, const ShieldGeometry& g) { return y * g.W < x * g.H ? 0 : 1; }, halves},
        {"bend sinister", [](int x, int y, const ShieldGeometry& g) { return y * g.W < (g.W - x) * g.H ? 0 : 1; },
         halves},
        {"cross",
         [](int x, int y, const ShieldGeometry& g) { return (y < g.H / 2 ? 0 : 2) + (x < g.W / 2 ? 0 : 1); },
         quarters},
        {"saltire",
         [](int x, int y, const ShieldGeometry& g) {
             const int dx = x - g.W / 2, dy = y - g.H / 2;
             if (std::abs(dy) * g.W > std::abs(dx) * g.H) return dy < 0 ? 0 : 3;
             return dx < 0 ? 1 : 2;
         },
         quarters},
        // The repeated ordinaries: how the gaps between the pieces are shared is not fixed, only
        // that the charges keep off the pieces.
        {"three chevronels", nullptr, nullptr},
        {"two bendlets", nullptr, nullptr},
        {"two bars", nullptr, nullptr},
    };
    for (const Ordinary& o : ordinaries) {
        Drawing plain;
        const std::string article = std::string(o.name).find(' ') != std::string::npos && !o.split ? "" : "a ";
        plain.Draw(std::string("Argent ") + article + o.name + " gules");
        const ShieldGeometry& g = plain.s().geometry;
        // Under the sanitizers every third count (1, 4, 7, ... 19).
        const int countStep = test::kSweepStride > 1 ? 3 : 1;
        for (int n = 1; n <= kMaxChargesBetween; n += countStep) {
            const std::string blazon = std::string("Argent ") + article + o.name + " gules between " + kNumbers[n] +
                                       (n == 1 ? " mullet sable" : " mullets sable");
            SCOPED_TRACE(blazon);
            Drawing d;
            d.Draw(blazon);
            EXPECT_TRUE(d.sink.messages.empty());
            const std::vector<Box> boxes = Boxes(d.trace, 1);
            ASSERT_EQ(static_cast<int>(boxes.size()), n);
            ExpectApart(boxes);
            if (o.split) {
                std::vector<int> parts(o.split(n).size(), 0);
                for (const Box& b : boxes) ++parts[static_cast<std::size_t>(o.part(b.x, b.y, g))];
                std::sort(parts.begin(), parts.end(), std::greater<>());
                EXPECT_EQ(parts, o.split(n));
            }
            int painted = 0, kept = 0, outside = 0;
            constexpr std::uint32_t kColour = 0x00FFFFFFu;
            const std::uint32_t gules = Bitmap::Pack(Colour(kGules)) & kColour, teal = Bitmap::Pack(kTeal) & kColour;
            for (int y = 0; y < d.s().picture.Height(); ++y) {
                const std::uint32_t* before = plain.s().picture.Row(y);
                const std::uint32_t* after = d.s().picture.Row(y);
                for (int x = 0; x < g.W; ++x) {
                    if ((before[x] & kColour) == gules) {
                        ++painted;
                        kept += (after[x] & kColour) == gules;
                    }
                    outside += (before[x] & kColour) == teal && (after[x] & kColour) != teal;
                }
            }
            EXPECT_EQ(kept, painted) << "charges painted over the ordinary";
            EXPECT_EQ(outside, 0) << "charges painted outside the outline";
        }
    }
}

TEST(FitLayout, PastWhatALayoutHoldsAMessageNamesTheCount) {
    EXPECT_EQ(WithCount(msg::kNoLayoutForCount, 21), "No layout places 21 charges here.");
    EXPECT_EQ(WithCount(msg::kNoLayoutForCount, 1), "No layout places one charge here.");
    struct Case {
        const char* name;
        int level;
        void (*layout)(DrawingState&);
    };
    const Case cases[] = {{"alone on the field", 0, FieldLayout}, {"between", 1, BetweenLayout}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::BareState b;
        CollectingSink sink;
        b.s().messages.SetSink(sink);
        b.Level(c.level, 21);
        c.layout(b.s());
        EXPECT_EQ(sink.messages, std::vector<std::string>{"No layout places 21 charges here."});
        EXPECT_TRUE(b.Points(c.level).empty());
    }
}

// Charges on or in the direction of an ordinary: every count is placed, or a message names it.
TEST(FitLayout, OnAnOrdinaryEveryChargeIsPlacedOrReported) {
    struct Case {
        const char* blazon;
        std::size_t level;
        int placed;        // charges placed
        bool message;      // a message names the count
    };
    const Case cases[] = {
        {"Argent on a bend sable five mullets or", 1, 5, false},
        {"Argent on a bend sinister sable four mullets or", 1, 4, false},
        {"Gules five fusils conjoined in bend argent", 0, 5, false},
        {"Gules two keys in saltire argent", 0, 2, false},
        // No table sets seven on a chevron: they are set in chevron, the nearest form, and noted.
        {"Argent on a chevron sable seven mullets or", 1, 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        ASSERT_GT(d.trace.levels.size(), c.level);
        const std::vector<Box> boxes = Boxes(d.trace, c.level);
        EXPECT_EQ(static_cast<int>(boxes.size()), c.placed);
        const int count = d.trace.levels[c.level].count;
        if (c.message) {
            EXPECT_EQ(d.sink.messages, std::vector<std::string>{WithCount(msg::kNoLayoutForCount, count)});
        } else {
            EXPECT_TRUE(d.sink.messages.empty());
        }
    }
    // Along a bend the charges lie on its diagonal, evenly and apart; crossed in saltire the
    // second of the pair is turned the other way.
    Drawing d;
    d.Draw("Argent on a bend sable five mullets or");
    const ShieldGeometry& g = d.s().geometry;
    const std::vector<Box> boxes = Boxes(d.trace, 1);
    ExpectApart(boxes);
    for (const Box& b : boxes) EXPECT_NEAR(b.y, b.x * g.H / g.W, 2);
    d.Draw("Gules two keys in saltire argent");
    const auto& pair = d.trace.levels[0].placements;
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_TRUE(pair[0].bendwise && pair[1].bendwise);
    EXPECT_FALSE(pair[0].mirrored);
    EXPECT_TRUE(pair[1].mirrored);
    EXPECT_EQ(pair[0].x, pair[1].x);
    EXPECT_EQ(pair[0].y, pair[1].y);
}

// Charges arranged in the direction of an ordinary that is not drawn: on the ordinary's line,
// apart, inside the outline, each as large as its cell allows (never smaller than the fixed
// tables made them: three in pale were 0.8, four in bend 0.65 of a charge alone).
TEST(FitLayout, ArrangedInTheDirectionOfAnOrdinary) {
    struct Case {
        const char* blazon;
        std::function<void(const std::vector<Box>&, const ShieldGeometry&)> shape;
        float atLeast;
    };
    auto sameX = [](const std::vector<Box>& b, const ShieldGeometry& g) {
        for (std::size_t i = 0; i < b.size(); ++i) {
            EXPECT_EQ(b[i].x, g.W2);
            if (i > 0) {
                EXPECT_GT(b[i].y, b[i - 1].y);
            }
        }
    };
    auto sameY = [](const std::vector<Box>& b, const ShieldGeometry& g) {
        for (std::size_t i = 0; i < b.size(); ++i) {
            EXPECT_EQ(b[i].y, g.H2);
            if (i > 0) {
                EXPECT_NEAR(b[i].x - b[i - 1].x, g.W / static_cast<int>(b.size()), 1);
            }
        }
    };
    auto diagonal = [](const std::vector<Box>& b, const ShieldGeometry& g) {
        for (std::size_t i = 0; i < b.size(); ++i) {
            EXPECT_NEAR(b[i].y, b[i].x * g.H / g.W, 2);
            if (i > 0) {
                EXPECT_GT(b[i].x, b[i - 1].x);
            }
        }
    };
    // The centre first, then one each way from it: up and down, dexter and sinister (a cross), or
    // toward the four corners (a saltire).
    auto centreAndFour = [](bool saltire) {
        return [saltire](const std::vector<Box>& b, const ShieldGeometry& g) {
            ASSERT_EQ(b.size(), 5u);
            EXPECT_EQ(b[0].x, g.W2);
            EXPECT_EQ(b[0].y, g.H2);
            int dexter = 0, sinister = 0, above = 0, below = 0;
            for (std::size_t i = 1; i < 5; ++i) {
                const int dx = b[i].x - g.W2, dy = b[i].y - g.H2;
                EXPECT_EQ(saltire, dx != 0 && dy != 0) << "at (" << b[i].x << ", " << b[i].y << ")";
                dexter += dx < 0;
                sinister += dx > 0;
                above += dy < 0;
                below += dy > 0;
            }
            EXPECT_EQ(dexter, saltire ? 2 : 1);
            EXPECT_EQ(sinister, saltire ? 2 : 1);
            EXPECT_EQ(above, saltire ? 2 : 1);
            EXPECT_EQ(below, saltire ? 2 : 1);
        };
    };
    auto chevron = [](const std::vector<Box>& b, const ShieldGeometry& g) {
        ASSERT_EQ(b.size(), 5u);
        EXPECT_EQ(b[0].x, g.W2);
        // Down each limb, away from the point on both sides alike.
        for (std::size_t i = 1; i < 3; ++i) {
            EXPECT_LT(b[i].x, b[i - 1].x);
            EXPECT_GT(b[i].y, b[i - 1].y);
            EXPECT_EQ(b[i + 2].y, b[i].y);
            EXPECT_EQ(b[i + 2].x, 2 * g.W2 - b[i].x);
        }
    };
    auto pile = [](const std::vector<Box>& b, const ShieldGeometry&) {
        std::map<int, int> rows;
        for (const Box& x : b) ++rows[x.y];
        std::vector<int> sizes;
        for (const auto& [y, n] : rows) sizes.push_back(n);
        EXPECT_EQ(sizes, (std::vector<int>{3, 2, 1}));
    };
    const Case cases[] = {
        {"Azure three escallops in pale argent", sameX, 0.8f},
        {"Azure two escallops argent in pale", sameX, 1.0f},
        {"Gules four mullets in fess or", sameY, 0.6f},
        {"Or four mullets in bend sable", diagonal, 0.65f},
        {"Sable five plates in saltire", centreAndFour(true), 0.5f},
        {"Argent five mullets in cross gules", centreAndFour(false), 0.7f},
        {"Argent five mullets in chevron gules", chevron, 0.55f},
        {"Argent six mullets in pile gules", pile, 0.4f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        ASSERT_FALSE(d.trace.levels.empty());
        EXPECT_EQ(d.trace.levels[0].placements.size(), static_cast<std::size_t>(d.trace.levels[0].count));
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        const std::vector<Box> boxes = Boxes(d.trace, 0);
        c.shape(boxes, d.s().geometry);
        ExpectApart(boxes);
        // The scales were first set for pictures of at most 220 pixels; the pictures are larger
        // now, so the same least size on the shield is a smaller scale.
        for (const PlacementTrace& p : d.trace.levels[0].placements)
            EXPECT_GE(p.scale * kChargeExtentAtScaleOne, c.atLeast * kFirstPictureExtent);
        Drawing plain;
        plain.Draw(std::string(c.blazon).substr(0, std::string(c.blazon).find(' ')));
        ExpectInside(boxes, plain, plain.At(d.s().geometry.W2, 10));
    }
}

// "In the second and third quarters a fret": a fret fills each quarter named and no other; a
// charge stands in the middle of each quarter named.
TEST(FitLayout, InNamedQuarters) {
    Drawing d;
    d.DrawClean("Quarterly argent and gules in the second and third quarters a fret or");
    const ShieldGeometry& g = d.s().geometry;
    const int lowerMiddle = g.H2 + (g.baseTop - g.H2) / 2;
    // The saltire of each fret crosses in the middle of its quarter.
    EXPECT_EQ(d.At(g.W2 + g.W4, g.H4), Colour(kOr)) << "second quarter";
    EXPECT_EQ(d.At(g.W4, lowerMiddle), Colour(kOr)) << "third quarter";
    EXPECT_EQ(d.At(g.W4, g.H4), Colour(kArgent)) << "first quarter";
    EXPECT_EQ(d.At(g.W2 + g.W4, lowerMiddle), Colour(kArgent)) << "fourth quarter";
    // Near the edge between the quarters the fret stops inside its own.
    EXPECT_EQ(d.At(g.W2 - 3, g.H4), Colour(kArgent)) << "first quarter beside the second";

    d.Draw("Quarterly or and gules in the first and fourth quarters a mullet azure");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 1u);
    const auto& placed = d.trace.levels[0].placements;
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].x, g.W4);
    EXPECT_EQ(placed[0].y, g.H4);
    EXPECT_EQ(placed[1].x, g.W2 + g.W4);
    EXPECT_EQ(placed[1].y, lowerMiddle);

    // Three in each of two quarters have no layout: the count is reported, nothing placed.
    d.Draw("Quarterly or and gules in the first and fourth quarters three mullets azure");
    EXPECT_EQ(d.sink.messages, std::vector<std::string>{WithCount(msg::kNoLayoutForCount, 3)});
    ASSERT_EQ(d.trace.levels.size(), 1u);
    EXPECT_TRUE(d.trace.levels[0].placements.empty());
}

// The bounds a fit starts from are bounds: the largest square of a region has a free centre in
// it and no larger cell has one, and no row of the outline is wider than the widest.
TEST(FitLayout, LargestSquareAndWidestRowBoundTheFreeSpace) {
    for (const char* ordinary : {"fess", "chevron", "pale", "bend", "cross", "saltire", "pall"}) {
        SCOPED_TRACE(ordinary);
        Drawing d;
        d.DrawClean(std::string("Azure a ") + ordinary + " between four mullets or");
        const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(d.s());
        const FreeSpace& space = *around;
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_GT(space.Regions(), 1);
        for (int region = 0; region < space.Regions(); ++region) {
            const int largest = space.LargestSquare(region);
            ASSERT_GE(largest, 2);
            bool fits = false, larger = false;
            for (int y = 0; y < g.H; ++y)
                for (int x = 0; x < space.Width(); ++x) {
                    fits = fits || space.BoxFree(x, y, largest, region);
                    larger = larger || space.BoxFree(x, y, largest + 1, region);
                }
            EXPECT_TRUE(fits) << "region " << region << ", side " << largest;
            EXPECT_FALSE(larger) << "region " << region << ", side " << largest + 1;
        }
        const int widest = space.WidestRow();
        bool wideFits = false;
        for (int y = 0; y < g.H && !wideFits; ++y)
            for (int x = 0; x < space.Width() && !wideFits; ++x) wideFits = space.BoxFree(x, y, widest + 1);
        EXPECT_FALSE(wideFits);
    }
}

// The free space round an ordinary and the mask of the ordinary charges lie on are kept in the
// state from one layout to the next, and made anew when the ordinary, its line or its cotises
// differ; the measures of pictures are kept from one drawing to the next: whatever a state drew
// before, and on whichever thread, a blazon gives the pixels a state that drew nothing before
// gives.
TEST(FitLayout, KeptFreeSpaceDrawsAsAFreshOne) {
    const std::vector<std::string> blazons = {
        "Azure a bend Or between two mullets argent",
        "Azure a bend sinister Or between two mullets argent",
        "Azure a bend engrailed Or between two mullets argent",
        "Gules a fess argent between three mullets or",
        "Gules a fess cotised argent between three mullets or",
        "Vert a chevron or between three roundels argent",
        "Vert a chevron inverted or between three roundels argent",
        "Azure on a bend Or three mullets gules",
        "Azure on a bend engrailed Or three mullets gules",
        "Argent on a bend sinister sable three mullets or",
        "Gules on a fess argent three roundels azure",
        "Gules on a fess wavy argent three roundels azure",
        "Vert on a chevron or three mullets gules",
        "Sable on a pale argent three mullets gules",
        "Or on a cross gules five mullets argent",
        "Or a lion rampant gules",
        "Argent three escallops sable",
        "Azure a chevron between three lions rampant or",
    };
    std::vector<Bitmap> fresh;
    for (const std::string& blazon : blazons) {
        Drawing d;
        d.Draw(blazon);
        fresh.push_back(d.s().picture);
    }
    Drawing one;
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < blazons.size(); ++i) {
            one.Draw(blazons[i]);
            EXPECT_TRUE(one.s().picture == fresh[i]) << blazons[i] << ", round " << round;
        }
    // Two states drawing at once, in opposite orders.
    std::array<std::vector<Bitmap>, 2> drawn;
    auto drawAll = [&blazons](bool backwards, std::vector<Bitmap>& out) {
        Drawing d;
        out.resize(blazons.size());
        for (int round = 0; round < 3; ++round)
            for (std::size_t k = 0; k < blazons.size(); ++k) {
                const std::size_t i = backwards ? blazons.size() - 1 - k : k;
                d.Draw(blazons[i]);
                out[i] = d.s().picture;
            }
    };
    std::thread first(drawAll, false, std::ref(drawn[0]));
    std::thread second(drawAll, true, std::ref(drawn[1]));
    first.join();
    second.join();
    for (std::size_t i = 0; i < blazons.size(); ++i) {
        EXPECT_TRUE(drawn[0][i] == fresh[i]) << blazons[i];
        EXPECT_TRUE(drawn[1][i] == fresh[i]) << blazons[i];
    }
}

}  // namespace
}  // namespace esc
