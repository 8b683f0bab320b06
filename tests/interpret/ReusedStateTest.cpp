// One drawing state reused from shield to shield, as the window and batch reuse theirs, draws each
// shield exactly as a fresh state draws it alone, whatever was drawn in it before.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

TEST(ReusedState, EachShieldDrawsAsItDrawsAlone) {
    // Charges with parts of their own tincture, pictures that stand in for a missing one, halves
    // with their own charges, and arms that paint little after arms that paint much.
    const std::vector<std::string> blazons = {
        "Per pale gules a lion rampant or armed and langued azure and of the last three demi-ships argent",
        "A tortoise displayed the shell circular azure charged with two concentric annulets argent",
        "Argent a cross gules between four frobbles sable",
        "Gules a mullet argent",
        "Azure a lion rampant or",
        "Or a chevron between three roses gules",
        "Vert",
    };
    std::vector<Bitmap> alone;
    for (const std::string& blazon : blazons) {
        test::Drawing d;
        d.Draw(blazon);
        alone.push_back(d.s().picture);
    }
    // Each after every other, forwards and backwards.
    test::Drawing reused;
    for (int round = 0; round < 2; ++round)
        for (std::size_t k = 0; k < blazons.size(); ++k) {
            const std::size_t i = round == 0 ? k : blazons.size() - 1 - k;
            reused.Draw(blazons[i]);
            EXPECT_TRUE(reused.s().picture == alone[i]) << blazons[i] << ", round " << round;
        }
}

}  // namespace
}  // namespace esc
