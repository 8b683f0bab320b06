// "reversed" and "inverted": a charge turned upside down, a chevron or pall turned over.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Around one charge (within kReach of its centre, clear of the others): the share of the pixels
// in `colour` of the upright drawing that the reversed one shows in that colour at the row
// mirrored about the charge's centre row, for the best of a few offsets (the rows a picture keeps
// free at its ends shift the mirror by a pixel or two).
constexpr int kReach = 90;
double MirroredShare(const Drawing& upright, const Drawing& reversed, const PlacementTrace& charge, Rgb colour) {
    const Bitmap& a = upright.state->picture;
    const int centreY = charge.y;
    double best = 0.0;
    for (int offset = -3; offset <= 3; ++offset) {
        int total = 0, matched = 0;
        for (int y = std::max(0, centreY - kReach); y < std::min(a.Height(), centreY + kReach); ++y)
            for (int x = std::max(0, charge.x - kReach); x < std::min(a.Width(), charge.x + kReach); ++x) {
                if (a.Pixel(x, y) != colour) continue;
                ++total;
                const int my = 2 * centreY - y + offset;
                if (my >= 0 && my < a.Height() && reversed.At(x, my) == colour) ++matched;
            }
        if (total > 0) best = std::max(best, static_cast<double>(matched) / total);
    }
    return best;
}

TEST(Reversed, AChargeIsItsPictureUpsideDown) {
    struct Case {
        const char* upright;
        const char* reversed;
        const char* word;
    };
    const std::vector<Case> cases = {
        {"Argent a sword gules", "Argent a sword reversed gules", "reversed"},
        {"Argent a sword gules", "Argent a sword gules reversed", "reversed"},
        {"Argent three crescents gules", "Argent three crescents reversed gules", "reversed"},
        {"Argent a horseshoe gules", "Argent a horseshoe inverted gules", "inverted"},
        {"Argent a chevron sable between three escallops gules", "Argent a chevron sable between three escallops reversed gules",
         "reversed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reversed);
        Drawing upright, reversed;
        upright.Draw(c.upright);
        reversed.Draw(c.reversed);
        EXPECT_TRUE(reversed.sink.messages.empty());
        EXPECT_TRUE(WordUsed(reversed, c.word));
        const auto placedUpright = AllPlacements(upright), placedReversed = AllPlacements(reversed);
        ASSERT_EQ(placedUpright.size(), placedReversed.size());
        ASSERT_FALSE(placedUpright.empty());
        // Each charge stands where it stood; the check is made charge by charge on the last
        // level's charges, which are the gules ones.
        const PlacementTrace& last = placedUpright.back();
        EXPECT_EQ(placedReversed.back().x, last.x);
        EXPECT_EQ(placedReversed.back().y, last.y);
        EXPECT_GT(MirroredShare(upright, reversed, last, Colour(kGules)), 0.97);
        // A drawing that is not symmetric top to bottom: the reversed one differs from it, so
        // the share above measures the turn and not a charge that looks the same either way.
        EXPECT_LT(MirroredShare(upright, upright, last, Colour(kGules)), 0.9);
    }
}

// The chevron and the pall turned over are the shapes already drawn for "inverted" and for the
// pall reversed; a roundel looks the same either way up, so there the word changes nothing and is
// reported.
TEST(Reversed, OrdinariesTurnOverAndRoundelsDoNot) {
    const std::vector<std::pair<const char*, const char*>> same = {
        {"Argent a chevron reversed gules", "Argent a chevron inverted gules"},
        {"Argent a chevron gules reversed", "Argent a chevron inverted gules"},
        {"Argent a pall reversed gules", "Argent a pairle reversed gules"},
        {"Argent a pall inverted gules", "Argent a pairle reversed gules"},
        {"Argent a pile reversed gules", "Argent a pile inverted gules"},
        {"Argent two chevronels inverted gules", "Argent two chevronels reversed gules"},
    };
    for (const auto& [blazon, reference] : same) {
        SCOPED_TRACE(blazon);
        Drawing a, b;
        a.Draw(blazon);
        b.Draw(reference);
        EXPECT_TRUE(a.sink.messages.empty());
        EXPECT_TRUE(a.state->picture == b.state->picture);
        Drawing plain;
        plain.Draw(std::string(blazon).substr(0, std::string(blazon).find(' ', 11)) + " gules");
        EXPECT_FALSE(a.state->picture == plain.state->picture);
    }
    Drawing roundel;
    roundel.Draw("Argent a bezant reversed");
    EXPECT_FALSE(WordUsed(roundel, "reversed"));
}

}  // namespace
}  // namespace esc::test
