// The stains and rarer colours (tenné, sanguine, murrey, bleu celeste, carnation) and the roundels
// by their names: each drawn wherever a tincture is, the colours read at points of the geometry.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;

struct Stain {
    const char* word;
    int code;
};
const Stain kStains[] = {
    {"tenne", kTenne}, {"sanguine", kSanguine}, {"murrey", kMurrey}, {"celeste", kCeleste}, {"carnation", kCarnation},
};

// Each stain has a colour no other tincture, fur or picture colour is painted in.
TEST(Stains, EachHasAColourOfItsOwn) {
    for (const Stain& s : kStains) {
        SCOPED_TRACE(s.word);
        for (std::size_t e = 0; e < kPalette.size(); ++e) {
            if (static_cast<int>(e) == s.code) continue;
            EXPECT_FALSE(kPalette[e] == Colour(s.code)) << "entry " << e;
        }
        EXPECT_TRUE(IsNamedTincture(s.code));
        EXPECT_FALSE(TinctureName(s.code).empty());
    }
}

// Each stain as a field, one half of a partition, an ordinary, a tinted charge, a tincture named
// again by its place ("of the second"), and counterchanged across a partition.
TEST(Stains, PaintedAsTheFieldAPartitionAnOrdinaryAndACharge) {
    for (const Stain& s : kStains) {
        SCOPED_TRACE(s.word);
        const std::string w = s.word;
        const Rgb stain = Colour(s.code), argent = Colour(kArgent), azure = Colour(kAzure);
        test::Drawing d;
        const ShieldGeometry& g = d.s().geometry;

        d.DrawClean(w + " a fess argent");  // the field above and below the fess
        EXPECT_EQ(d.At(g.W2, 20), stain);
        EXPECT_EQ(d.At(g.W2, g.H - 60), stain);
        EXPECT_EQ(d.At(g.W2, g.H2), argent);

        d.DrawClean("Per pale " + w + " and azure");
        EXPECT_EQ(d.At(g.W4, g.H2), stain);
        EXPECT_EQ(d.At(g.W - g.W4, g.H2), azure);

        d.DrawClean("Argent a pale " + w);
        EXPECT_EQ(d.At(g.W2, g.H2), stain);
        EXPECT_EQ(d.At(20, g.H2), argent);

        d.DrawClean("Argent a mullet " + w);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_EQ(d.At(placed[0].x, placed[0].y), stain);

        // "of the second": the second tincture named is the stain.
        d.DrawClean("Argent a bend " + w + ", a chief of the second");
        EXPECT_EQ(d.At(g.W2, 20), stain);

        // The pale takes the other half's tincture on each side of the fess line.
        d.DrawClean("Per fess " + w + " and argent a pale counterchanged");
        EXPECT_EQ(d.At(g.W2, g.H4), argent);
        EXPECT_EQ(d.At(g.W2, g.H - g.H4), stain);
        EXPECT_EQ(d.At(20, g.H4), stain);
    }
}

// The plain English and older spellings read as the stains.
TEST(Stains, SpellingsOfTheStains) {
    struct Case {
        const char* blazon;
        int code;
    };
    const Case cases[] = {
        {"Tenné, a fess argent", kTenne},          {"Tawny, a fess argent", kTenne},
        {"Bleu celeste, a fess argent", kCeleste}, {"Sky blue, a fess argent", kCeleste},
        {"Blood red, a fess argent", kSanguine},   {"Flesh colour, a fess argent", kCarnation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        EXPECT_EQ(d.At(d.s().geometry.W2, 20), Colour(c.code));
    }
}

// A roundel named by its tincture's name is a disc of that tincture: sampled at each disc's
// centre. The fountain keeps its own picture, barry wavy argent and azure.
TEST(Stains, RoundelsByTheirNames) {
    struct Case {
        const char* blazon;
        int count, code;
    };
    const Case cases[] = {
        {"Or three gunstones", 3, kSable},   {"Or a pellet", 1, kSable},       {"Or two ogresses", 2, kSable},
        {"Or three golpes", 3, kPurpure},    {"Or a guze", 1, kSanguine},      {"Argent three guzes", 3, kSanguine},
        {"Argent three oranges", 3, kTenne}, {"Or three pomeis", 3, kVert},    {"Or a torteau", 1, kGules},
        {"Or three hurts", 3, kAzure},       {"Azure three plates", 3, kArgent}, {"Azure three bezants", 3, kOr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(static_cast<int>(placed.size()), c.count);
        for (const PlacementTrace& p : placed) EXPECT_EQ(d.At(p.x, p.y), Colour(c.code)) << p.x << "," << p.y;
    }
    test::Drawing d;
    d.DrawClean("Gules a fountain");
    const std::vector<PlacementTrace> placed = test::AllPlacements(d);
    ASSERT_EQ(placed.size(), 1u);
    int argent = 0, azure = 0;
    for (int dy = -40; dy <= 40; ++dy) {
        const Rgb c = d.At(placed[0].x, placed[0].y + dy);
        argent += c == Colour(kArgent) ? 1 : 0;
        azure += c == Colour(kAzure) ? 1 : 0;
    }
    EXPECT_GT(argent, 10);
    EXPECT_GT(azure, 10);
}

}  // namespace
}  // namespace esc
