#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/ReadTreatment.h"

namespace esc {
namespace {

using test::Colour;

struct Point {
    int x, y, tincture;
};

void ExpectPoints(test::Drawing& d, const std::vector<Point>& points) {
    for (const Point& p : points)
        EXPECT_EQ(d.At(p.x, p.y), Colour(p.tincture)) << "at (" << p.x << ", " << p.y << ")";
}

TEST(ReadTreatment, ReadsNestedTreatmentsAndStopsAtAWordItCannotPlace) {
    struct Case {
        const char* name;
        const char* blazon;
        int at;
        const char* read;  // nullptr: nothing read
        int endOrUnplaced;
    };
    const Case cases[] = {
        {"a patterned part", "Per fess azure and paly or and gules", 0, "per fess (Azure | paly (Or | Gules))", 8},
        {"a patterned first part", "Per pale barry argent and azure and vert", 0, "per pale (barry (Argent | Azure) | Vert)", 8},
        {"quarterly", "Quarterly or and gules", 0, "quarterly (Or | Gules)", 4},
        {"a count and a line", "Barry wavy of ten argent and azure", 0, "barry (line 6) of 10 (Argent | Azure)", 7},
        {"on an ordinary", "Argent a chief counter-compony argent and sable", 3, "counter-compony (Argent | Sable)", 7},
        {"inverted", "Argent a chevron per chevron inverted or and gules", 3, "per chevron inverted (Or | Gules)", 9},
        {"three deep", "Per pale or and per fess gules and barry argent and azure", 0,
         "per pale (Or | per fess (Gules | barry (Argent | Azure)))", 12},
        {"parts named by their place", "Per chevron in chief paly of ten or and azure and in base of the last", 0,
         "per chevron (paly of 10 (Or | Azure) | Azure)", 16},
        {"quarterly counterchanged", "Per cross argent and gules a cross quarterly counterchanged", 7, "counterchanged", 9},
        {"a charge where a part should be", "Per pale or and a lion gules", 0, nullptr, 4},
        {"no second part", "Argent a bend per bend or", 3, nullptr, 6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::Drawing d;
        d.Draw(k.blazon);
        const TreatmentReading r = ReadTreatment(d.s(), k.at);
        if (k.read == nullptr) {
            EXPECT_FALSE(r.Read());
            EXPECT_EQ(r.unplaced, k.endOrUnplaced);
        } else {
            ASSERT_TRUE(r.Read());
            EXPECT_EQ(r.treatment.Describe(), k.read);
            EXPECT_EQ(r.end, k.endOrUnplaced);
        }
    }
}

// The field's box as the field is painted, divided on the shield's pale and fess lines: the
// rows from `top` to `bottom` are spread evenly about the fess line.
struct FieldBox {
    int left, right, top, bottom;
    explicit FieldBox(const ShieldGeometry& g) {
        const int halfW = std::max(g.W2 - 2, g.W - 1 - g.W2), halfH = std::max(g.H2 - 2, g.shieldBottom - 1 - g.H2);
        left = g.W2 - halfW;
        right = g.W2 + halfW;
        top = g.H2 - halfH;
        bottom = g.H2 + halfH;
    }
};

// The middle of piece k of n between a and b.
int PieceMiddle(int a, int b, int n, int k) { return a + (2 * k + 1) * (b - a) / (2 * n); }

// A part of a partition that is itself divided or patterned (nothing was drawn before).
TEST(Treatments, APartOfThePartitionDividedOrPatterned) {
    struct Case {
        const char* blazon;
        std::vector<Point> (*points)(const ShieldGeometry&);
    };
    const Case cases[] = {
        {"Per pale barry argent and azure and vert",
         [](const ShieldGeometry& g) {
             const FieldBox f(g);
             std::vector<Point> p;
             for (int k = 0; k < 6; ++k) p.push_back({g.W / 4, PieceMiddle(f.top, f.bottom, 6, k), k % 2 == 0 ? kArgent : kAzure});
             for (int y : {20, g.H2, 400}) p.push_back({3 * g.W / 4, y, kVert});
             return p;
         }},
        {"Per fess azure and paly or and gules",
         [](const ShieldGeometry& g) {
             const FieldBox f(g);
             std::vector<Point> p{{g.W / 4, g.H2 / 2, kAzure}, {3 * g.W / 4, g.H2 / 2, kAzure}};
             for (int k = 0; k < 6; ++k) p.push_back({PieceMiddle(f.left, f.right, 6, k), g.H2 + 60, k % 2 == 0 ? kOr : kGules});
             return p;
         }},
        {"Quarterly barry argent and azure and gules",
         [](const ShieldGeometry& g) {
             const FieldBox f(g);
             std::vector<Point> p{{3 * g.W / 4, g.H2 / 2, kGules}, {g.W / 4, g.H2 + 100, kGules}};
             for (int k = 1; k < 6; ++k) p.push_back({g.W / 4, PieceMiddle(f.top, g.H2, 6, k), k % 2 == 0 ? kArgent : kAzure});
             for (int k = 0; k < 4; ++k) p.push_back({3 * g.W / 4, PieceMiddle(g.H2, f.bottom, 6, k), k % 2 == 0 ? kArgent : kAzure});
             return p;
         }},
        {"Per saltire or and per pale azure and gules",
         [](const ShieldGeometry& g) {
             return std::vector<Point>{{g.W2, 20, kOr}, {g.W2, 420, kOr}, {20, g.H2, kAzure}, {g.W - 20, g.H2, kGules}};
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ExpectPoints(d, k.points(d.s().geometry));
    }
    {
        SCOPED_TRACE("paly wavy: the pales meet along the wavy line, its middle where the plain line is");
        test::Drawing d;
        d.DrawClean("Per fess azure and paly wavy or and gules");
        const ShieldGeometry& g = d.s().geometry;
        const FieldBox f(g);
        std::vector<Point> p;
        for (int k = 0; k < 6; ++k) p.push_back({PieceMiddle(f.left, f.right, 6, k), g.H2 + 60, k % 2 == 0 ? kOr : kGules});
        ExpectPoints(d, p);
        // Down the plain line between the first two pales both tinctures show.
        const int boundary = f.left + (f.right - f.left) / 6;
        bool sawOr = false, sawGules = false;
        for (int y = g.H2 + 5; y < g.baseTop; ++y) {
            sawOr |= d.At(boundary, y) == Colour(kOr);
            sawGules |= d.At(boundary, y) == Colour(kGules);
        }
        EXPECT_TRUE(sawOr && sawGules);
    }
}

// An ordinary divided: each part where the ordinary's own box puts it (the canton per fess was
// drawn all in its first tincture), on the shield's own lines where the ordinary spans them.
TEST(Treatments, AnOrdinaryDivided) {
    struct Case {
        const char* blazon;
        std::vector<Point> (*points)(const ShieldGeometry&);
    };
    const Case cases[] = {
        {"Argent a canton per fess or and gules",
         [](const ShieldGeometry& g) {
             const Rect a = CantonArea(g);
             const int x = (a.left + a.right) / 2, h = a.Height();
             return std::vector<Point>{{x, a.top + h / 4, kOr}, {x, a.bottom - h / 4, kGules}, {a.left + 10, a.top + 10, kOr}};
         }},
        {"Argent a chief per fess azure and gules",
         [](const ShieldGeometry& g) {
             const int e = shapes::ChiefLowerEdge(g);
             return std::vector<Point>{{g.W / 4, e / 4, kAzure}, {3 * g.W / 4, e / 4, kAzure}, {g.W / 4, 3 * e / 4, kGules}};
         }},
        {"Argent a cross quarterly or and gules",
         [](const ShieldGeometry& g) {
             const int b = g.chiefDepth * 8 / 10 / 2;  // half the cross's breadth
             return std::vector<Point>{{g.W / 2 - b / 2, g.H / 4, kOr},      {g.W / 2 + b / 2, g.H / 4, kGules},
                                       {g.W / 4, g.H / 2 - b / 2, kOr},      {g.W / 4, g.H / 2 + b / 2, kGules},
                                       {3 * g.W / 4, g.H / 2 - b / 2, kGules}, {g.W / 2 + b / 2, 3 * g.H / 4, kOr},
                                       {g.W / 4, g.H2 / 2, kArgent}};
         }},
        {"Per cross argent and gules a cross quarterly counterchanged",
         [](const ShieldGeometry& g) {
             const int b = g.chiefDepth * 8 / 10 / 2;
             return std::vector<Point>{{g.W / 2 - b / 2, g.H / 4, kGules}, {g.W / 2 + b / 2, g.H / 4, kArgent},
                                       {g.W / 4, g.H / 2 + b / 2, kArgent}, {g.W / 4, g.H2 / 2, kArgent}};
         }},
        {"Argent a pale per fess azure and gules",
         [](const ShieldGeometry& g) {
             return std::vector<Point>{{g.W2, g.H2 - 30, kAzure}, {g.W2, g.H2 + 30, kGules}, {g.W / 8, g.H2, kArgent}};
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ExpectPoints(d, k.points(d.s().geometry));
    }
}

// The runs of colours down column x between rows a and b.
std::vector<Rgb> RunsDown(const test::Drawing& d, int x, int a, int b) {
    std::vector<Rgb> runs;
    for (int y = a; y < b; ++y)
        if (runs.empty() || !(runs.back() == d.At(x, y))) runs.push_back(d.At(x, y));
    return runs;
}

// An ordinary patterned: barry across it, compony along it or round it, counter-compony in two
// rows (a bordure compony and a chief counter-compony were drawn as the field's chequy).
TEST(Treatments, AnOrdinaryPatterned) {
    {
        SCOPED_TRACE("a pale barry: six pieces down it, Or first");
        test::Drawing d;
        d.DrawClean("Argent a pale barry or and gules");
        const std::vector<Rgb> runs = RunsDown(d, d.s().geometry.W2, 3, d.s().geometry.shieldBottom - 3);
        ASSERT_EQ(runs.size(), 6u);
        for (std::size_t k = 0; k < runs.size(); ++k) EXPECT_EQ(runs[k], Colour(k % 2 == 0 ? kOr : kGules)) << k;
    }
    {
        SCOPED_TRACE("a bordure compony: pieces change at the top middle, one piece across");
        test::Drawing d;
        d.DrawClean("Argent a bordure compony or and azure");
        const ShieldGeometry& g = d.s().geometry;
        const Rgb left = d.At(g.W2 - 20, 8), right = d.At(g.W2 + 20, 8);
        EXPECT_FALSE(left == right);
        EXPECT_TRUE(left == Colour(kOr) || left == Colour(kAzure));
        EXPECT_TRUE(right == Colour(kOr) || right == Colour(kAzure));
        EXPECT_EQ(d.At(g.W2 - 20, 20), left);
        EXPECT_EQ(d.At(g.W2, g.H2), Colour(kArgent));
    }
    {
        SCOPED_TRACE("a chief counter-compony: two rows of squares half the chief deep");
        test::Drawing d;
        d.DrawClean("Argent a chief counter-compony or and azure");
        const ShieldGeometry& g = d.s().geometry;
        const int e = shapes::ChiefLowerEdge(g), side = e / 2;
        for (int k = 0; k < 10; ++k) {
            const int x = side * k + side / 2;
            const Rgb upper = d.At(x, e / 4), lower = d.At(x, 3 * e / 4);
            EXPECT_EQ(upper, Colour(k % 2 == 0 ? kOr : kAzure)) << k;
            EXPECT_EQ(lower, Colour(k % 2 == 0 ? kAzure : kOr)) << k;
        }
    }
    {
        SCOPED_TRACE("a fess per pale of a pattern: gobony in the sinister half");
        test::Drawing d;
        d.DrawClean("Argent a fess per pale gules and gobony or and azure");
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_EQ(d.At(g.W / 4, g.H2), Colour(kGules));
        std::vector<Rgb> seen;
        for (int x = g.W2 + 5; x < g.W - 5; ++x)
            if (seen.empty() || !(seen.back() == d.At(x, g.H2))) seen.push_back(d.At(x, g.H2));
        EXPECT_GE(seen.size(), 2u);
        for (const Rgb& c : seen) EXPECT_TRUE(c == Colour(kOr) || c == Colour(kAzure));
    }
}

// A charge divided or patterned in a way the parted charges do not draw: each charge's body is
// laid in its own box, its outline kept.
TEST(Treatments, AChargeDividedOrPatterned) {
    struct Case {
        const char* blazon;
        int upperLeft, upperRight, lowerLeft, lowerRight;
    };
    const Case cases[] = {
        {"Argent a lozenge quarterly or and gules", kOr, kGules, kGules, kOr},
        {"Argent a mullet per bend sable and gules", -1, kSable, kGules, -1},
        {"Or a lozenge per saltire azure and gules", -1, -1, -1, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        const int x = placed[0].x, y = placed[0].y, r = 15;
        const std::pair<int, int> at[] = {{x - r, y - r}, {x + r, y - r}, {x - r, y + r}, {x + r, y + r}};
        const int want[] = {k.upperLeft, k.upperRight, k.lowerLeft, k.lowerRight};
        for (int i = 0; i < 4; ++i) {
            if (want[i] >= 0) {
                EXPECT_EQ(d.At(at[i].first, at[i].second), Colour(want[i])) << i;
            }
        }
        if (want[0] < 0 && want[3] < 0 && want[1] < 0) {
            // Per saltire: the chief and base of the charge the first, its flanks the second.
            EXPECT_EQ(d.At(x, y - 2 * r), Colour(kAzure));
            EXPECT_EQ(d.At(x, y + 2 * r), Colour(kAzure));
            EXPECT_EQ(d.At(x - 2 * r, y), Colour(kGules));
            EXPECT_EQ(d.At(x + 2 * r, y), Colour(kGules));
        }
    }
}

}  // namespace
}  // namespace esc
