// A line of partition of a width: "a fess wavy of three" repeats its pattern three times across
// the shield; dancetty is three large teeth by default, indented many small ones.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// The row of the topmost pixel of `tincture` in each column inside the shield's sides, searched
// from a quarter of the height downward.
std::vector<int> UpperEdge(const Drawing& d, int tincture) {
    const ShieldGeometry& g = d.state->geometry;
    std::vector<int> edge;
    for (int x = g.Px(4); x < g.W - g.Px(4); ++x) {
        int y = g.H / 4;
        while (y < g.straightBottom && d.At(x, y) != Colour(tincture)) ++y;
        edge.push_back(y);
    }
    return edge;
}

// The teeth of an edge: the runs of columns whose edge rises above the middle of its range.
int Teeth(const std::vector<int>& edge) {
    const auto [low, high] = std::minmax_element(edge.begin(), edge.end());
    const int middle = (*low + *high) / 2;
    int teeth = 0;
    bool inside = false;
    for (int y : edge) {
        const bool up = y < middle;
        teeth += up && !inside;
        inside = up;
    }
    return teeth;
}

int Depth(const std::vector<int>& edge) {
    const auto [low, high] = std::minmax_element(edge.begin(), edge.end());
    return *high - *low;
}

TEST(LineWidth, RepeatsAcrossTheShieldAsWritten) {
    Drawing d;
    struct Case {
        const char* blazon;
        int least, most;
    };
    const Case cases[] = {
        {"Or a fess dancetty sable", 3, 4},           {"Or a fess wavy of three sable", 3, 4},
        {"Or a fess nebuly of four sable", 4, 5},     {"Or a fess indented of ten sable", 10, 11},
        {"Or a fess embattled with five sable", 5, 6}, {"Or a fess indented six sable", 6, 7},
        {"Or a fess dancetty of five points sable", 5, 6},
    };
    for (const double k : {1.0, 2.0}) {
        d.s().SetPaintScale(k);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.blazon << " at scale " << k);
            d.DrawClean(c.blazon);
            const int teeth = Teeth(UpperEdge(d, kSable));
            EXPECT_GE(teeth, c.least);
            EXPECT_LE(teeth, c.most);
        }
    }
}

TEST(LineWidth, DancettyIsDeeperThanIndented) {
    Drawing d;
    for (const double k : {1.0, 2.0}) {
        SCOPED_TRACE(k);
        d.s().SetPaintScale(k);
        d.DrawClean("Or a fess indented sable");
        const std::vector<int> indented = UpperEdge(d, kSable);
        d.DrawClean("Or a fess dancetty sable");
        const std::vector<int> dancetty = UpperEdge(d, kSable);
        // Indented keeps its many small teeth; dancetty's three are several times as deep, and
        // both scale with the picture.
        EXPECT_GE(Teeth(indented), 12);
        EXPECT_GE(Depth(dancetty), 3 * Depth(indented));
        EXPECT_GE(Depth(dancetty), d.s().geometry.Px(40));
    }
}

TEST(LineWidth, DeepLinesOfPartitionLeaveNoFieldUnpainted) {
    Drawing d;
    for (const char* blazon : {"Per fess dancetty gules and argent", "Per pale dancetty gules and argent",
                               "Per fess wavy of two gules and argent", "Per pale nebuly of three gules and argent",
                               "Per fess firtree-topped gules and argent", "Per pale dovetailed gules and argent",
                               "Per fess engrailed gules and argent", "Per chevron nebuly gules and argent",
                               "Per fess potenty gules and argent"}) {
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        int unpainted = 0;
        for (int y = g.Px(4); y < g.straightBottom; y += 3)
            for (int x = g.Px(4); x < g.W - g.Px(4); x += 3) unpainted += d.At(x, y) != Colour(kGules) && d.At(x, y) != Colour(kArgent);
        EXPECT_EQ(unpainted, 0);
    }
}

// Every line word, with the repeats across the shield its default width shows.
struct DefaultWidth {
    const char* line;
    int least, most;
};
constexpr DefaultWidth kDefaultWidths[] = {
    {"engrailed", 8, 9},   {"invected", 8, 9},         {"embattled", 8, 10},   {"bretessed", 8, 10},
    {"counter-embattled", 8, 10}, {"indented", 12, 14},  {"dancetty", 3, 4},     {"wavy", 5, 8},
    {"nebuly", 7, 10},    {"raguly", 5, 8},             {"potenty", 8, 10},     {"dovetailed", 8, 9},  
    {"rayonny", 45, 53},   {"firtree-topped", 16, 18},
};

TEST(LineWidth, EveryLineReadsAsItselfAtItsDefaultWidth) {
    // Each line word draws its own pattern across a fess, as many times as its width gives and
    // deep enough to be seen, at either paint scale.
    Drawing d;
    for (const double k : {1.0, 2.0}) {
        d.s().SetPaintScale(k);
        for (const DefaultWidth& w : kDefaultWidths) {
            SCOPED_TRACE(testing::Message() << w.line << " at scale " << k);
            d.DrawClean(std::string("Or a fess ") + w.line + " sable");
            const std::vector<int> edge = UpperEdge(d, kSable);
            EXPECT_GE(Teeth(edge), w.least);
            EXPECT_LE(Teeth(edge), w.most);
            EXPECT_GE(Depth(edge), d.s().geometry.Px(6));
        }
    }
}

// The columns where an edge's teeth rise: the middle of each run above its middle row.
std::vector<double> ToothCentres(const std::vector<int>& edge) {
    const auto [low, high] = std::minmax_element(edge.begin(), edge.end());
    const int middle = (*low + *high) / 2;
    std::vector<double> centres;
    int start = -1;
    for (int i = 0; i <= static_cast<int>(edge.size()); ++i) {
        const bool up = i < static_cast<int>(edge.size()) && edge[static_cast<std::size_t>(i)] < middle;
        if (up && start < 0) start = i;
        if (!up && start >= 0) {
            centres.push_back((start + i - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

// The column of the first pixel of `tincture` in each row, searched from the dexter side: the
// edge of a per pale line, its teeth pointing to the dexter.
std::vector<int> DexterEdge(const Drawing& d, int tincture) {
    const ShieldGeometry& g = d.state->geometry;
    std::vector<int> edge;
    for (int y = g.Px(4); y < g.straightBottom - g.Px(4); ++y) {
        int x = g.Px(4);
        while (x < g.W - g.Px(4) && d.At(x, y) != Colour(tincture)) ++x;
        edge.push_back(x);
    }
    return edge;
}

TEST(LineWidth, CurvedLinesSpaceTheirTeethByTheirPeriod) {
    // A line of partition at its default width: the teeth inside the shield are evenly spaced at
    // the shield's width (height, for per pale) over the repeats, at either scale.
    struct Case {
        const char* line;
        int repeats;
    };
    const Case cases[] = {{"engrailed", 8}, {"invected", 8}, {"nebuly", 6}};
    Drawing d;
    for (const double k : {1.0, 2.0}) {
        d.s().SetPaintScale(k);
        const ShieldGeometry& g = d.s().geometry;
        for (const Case& c : cases) {
            for (const bool pale : {false, true}) {
                SCOPED_TRACE(testing::Message() << c.line << (pale ? " per pale" : " per fess") << " at scale " << k);
                d.DrawClean(std::string(pale ? "Per pale " : "Per fess ") + c.line + " azure and argent");
                const std::vector<int> edge = pale ? DexterEdge(d, kArgent) : UpperEdge(d, kArgent);
                const std::vector<double> teeth = ToothCentres(edge);
                const double period = static_cast<double>(pale ? g.H : g.W) / c.repeats;
                EXPECT_GE(static_cast<int>(teeth.size()), static_cast<int>(edge.size() / period) - 1);
                EXPECT_LE(static_cast<int>(teeth.size()), static_cast<int>(edge.size() / period) + 2);
                // The teeth at the ends may be cut by the shield's edge: only whole ones are spaced.
                for (std::size_t i = 2; i + 1 < teeth.size(); ++i) EXPECT_NEAR(teeth[i] - teeth[i - 1], period, period * 0.1);
                EXPECT_GE(Depth(edge), g.Px(10));
            }
        }
    }
}

TEST(LineWidth, EveryLineOfThreeAndOfEight) {
    Drawing d;
    for (const DefaultWidth& w : kDefaultWidths) {
        for (const int n : {3, 8}) {
            SCOPED_TRACE(testing::Message() << w.line << " of " << n);
            d.DrawClean(std::string("Or a fess ") + w.line + (n == 3 ? " of three" : " of eight") + " sable");
            const std::vector<int> edge = UpperEdge(d, kSable);
            EXPECT_GE(Teeth(edge), n);
            EXPECT_LE(Teeth(edge), n + 1);
        }
    }
}

TEST(LineWidth, ACrossRepeatsItsLineFromTheCrossing) {
    // The four angles of a lined cross are alike: the picture around the crossing is the same
    // mirrored left to right and top to bottom (but for a pixel's rounding along the edges).
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const int cx = g.W / 2, cy = g.H / 2, reach = g.W / 3;
    // Lines whose two edges mirror each other (an indented cross zigzags, a wavy one waves).
    for (const char* line : {"engrailed", "invected"}) {
        SCOPED_TRACE(line);
        d.DrawClean(std::string("Or a cross ") + line + " gules");
        auto gules = [&](int x, int y) { return d.At(x, y) == Colour(kGules); };
        int compared = 0, unlike = 0;
        for (int dy = 1; dy < reach; ++dy) {
            for (int dx = 1; dx < reach; ++dx) {
                const bool here = gules(cx + dx, cy + dy);
                unlike += here != gules(cx - dx, cy + dy);
                unlike += here != gules(cx + dx, cy - dy);
                compared += 2;
            }
        }
        EXPECT_LT(unlike, compared / 50);
    }
}

TEST(LineWidth, CountOfAFieldOfPiecesIsThePieces) {
    Drawing d;
    // "of six" after the line of barry counts the bars, not the waves; a bare number that a
    // charge follows starts the next phrase.
    d.DrawClean("Barry wavy of six argent and azure");
    EXPECT_EQ(d.s().fieldPieces, 6);
    d.DrawClean("Or a chief indented azure three mullets argent");
    d.DrawClean("Argent a bend wavy three roundels gules");
}

}  // namespace
}  // namespace esc
