// The charges on an ordinary printed after those about it, the ordinary named again with "the":
// "Gules a chevron between three mullets or, and on the chevron a rose gules".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/read/OrdinaryNamedAgain.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using test::ExpectDrawnAlike;
using test::GeneratedVocabulary;

TEST(OrdinaryNamedAgain, DrawnAsTheChargesOnTheOrdinary) {
    ExpectDrawnAlike("Gules a chevron between three mullets or, and on the chevron a rose gules",
                     "Gules on a chevron between three mullets or a rose gules");
    ExpectDrawnAlike("Azure a bend sinister or between two mullets argent, on the bend three roses gules",
                     "Azure on a bend sinister or between two mullets argent three roses gules");
    ExpectDrawnAlike("Gules a cross ermine between four lions passant guardant or, and upon the cross a book gules",
                     "Gules on a cross ermine between four lions passant guardant or a book gules");
    ExpectDrawnAlike("Vert a fess wavy between three escallops argent; on the fess two crescents azure",
                     "Vert on a fess wavy between three escallops argent two crescents azure");
}

// Each roundel stands on the ordinary: the roundel's tincture at the spot placed, the ordinary's
// halfway between two neighbours, a row of them along the ordinary's middle.
TEST(OrdinaryNamedAgain, TheChargesLieOnTheOrdinary) {
    struct Case { const char* blazon; int ordinary, roundel; };
    const std::vector<Case> cases = {
        {"Azure a fess between three mullets or, on the fess three torteaux", kOr, kGules},
        {"Argent a bend sinister sable between two mullets gules, and on the bend three plates", kSable, kArgent},
        {"Gules a pale between two lions rampant argent, on the pale three hurts", kArgent, kAzure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        ASSERT_EQ(d.trace.levels.size(), 3u);
        const std::vector<PlacementTrace>& spots = d.trace.levels[2].placements;
        ASSERT_EQ(spots.size(), 3u);
        for (std::size_t i = 0; i < spots.size(); ++i) {
            EXPECT_EQ(d.At(spots[i].x, spots[i].y), Colour(c.roundel)) << i;
            if (i == 0) continue;
            const int mx = (spots[i - 1].x + spots[i].x) / 2, my = (spots[i - 1].y + spots[i].y) / 2;
            EXPECT_EQ(d.At(mx, my), Colour(c.ordinary)) << i;
        }
    }
}

// Left as printed when the ordinary is already charged, when another ordinary or a surface
// charged comes between, or when no charge follows.
TEST(OrdinaryNamedAgain, OnlyTheFirstOrdinaryNamedAloneIsTaken) {
    const std::vector<std::string> kept = {
        "Gules on a chevron or three roses gules and on the chevron a crescent azure",
        "Gules a chevron or a chief argent on the chevron a rose gules",
        "Gules a chevron or charged with a mullet on the chevron a rose gules",
        "Gules a chevron between three mullets or on a chief argent a rose gules",
        "Gules a chevron or on the chevron",
    };
    for (const std::string& blazon : kept) {
        std::string text = blazon;
        EXPECT_FALSE(ChargesOnTheOrdinaryNamedAgain(text, GeneratedVocabulary())) << blazon;
        EXPECT_EQ(text, blazon);
    }
    std::string text = "Sable a saltire between four mullets argent and on the saltire a rose gules";
    EXPECT_TRUE(ChargesOnTheOrdinaryNamedAgain(text, GeneratedVocabulary()));
    EXPECT_EQ(text, "Sable on a saltire between four mullets argent a rose gules");
}

}  // namespace
}  // namespace esc
