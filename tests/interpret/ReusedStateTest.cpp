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

// Layouts and painters that once set the state for the call after them (the ordinary's shape for
// the charges about it, the tincture of a run) now pass them in the call: a shield drawn after one
// that used them draws as it draws alone, and so does the one before it drawn again. (The fess
// drawn again over two chevrons still sets the level for its drawing.)
TEST(ReusedState, ArgumentsPassedInTheCallLeaveNothingBehind) {
    const std::vector<std::vector<std::string>> pairs = {
        // Charges about the first ordinary, then about a charge.
        {"Argent on a chevron gules three mullets or between three roses gules", "Or three roundels azure"},
        {"Argent, a chevron gules between a mullet, a crescent and an escallop azure", "Azure a saltire argent"},
        {"Or five roundels sable between two bendlets sable the whole between two mullets gules", "Gules a bend or"},
        // The fess drawn again over the chevrons.
        {"Or, a fess between two chevrons azure", "Argent a pale gules"},
        // Runs in a tincture of their own: a voided charge's inside, the quarters of a pattern,
        // discs outlined in sable.
        {"Azure a mullet voided or", "Quarterly ermine and paly of six or and gules"},
        {"Argent three roundels vert", "Vert a fess ermine"},
    };
    for (const std::vector<std::string>& pair : pairs) {
        std::vector<Bitmap> alone;
        for (const std::string& blazon : pair) {
            test::Drawing d;
            d.Draw(blazon);
            alone.push_back(d.s().picture);
        }
        test::Drawing reused;
        for (int round = 0; round < 2; ++round)
            for (std::size_t i = 0; i < pair.size(); ++i) {
                reused.Draw(pair[i]);
                EXPECT_TRUE(reused.s().picture == alone[i]) << pair[i] << ", round " << round;
            }
    }
}

}  // namespace
}  // namespace esc
