// "a pair of": two of the charge, and a pair of wings the one charge that "two wings" is.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

TEST(PairOf, DrawnAsTwo) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Argent a pair of keys gules", "Argent two keys gules"},
        {"Azure a pair of wings or", "Azure two wings or"},
    };
    for (const auto& [pair, two] : cases) {
        SCOPED_TRACE(pair);
        Drawing a, b;
        a.Draw(pair);
        b.Draw(two);
        EXPECT_TRUE(a.sink.messages.empty());
        EXPECT_TRUE(WordUsed(a, "pair"));
        EXPECT_TRUE(WordUsed(a, "of"));
        EXPECT_EQ(AllPlacements(a).size(), AllPlacements(b).size());
        EXPECT_TRUE(a.state->picture == b.state->picture);
    }
    // Pairs of wings, counted: each pair is one charge, as "two wings" is.
    Drawing pairs, wings;
    pairs.Draw("Argent on a bend gules three pairs of wings conjoined or");
    wings.Draw("Argent on a bend gules three wings conjoined or");
    EXPECT_TRUE(pairs.sink.messages.empty());
    EXPECT_TRUE(WordUsed(pairs, "pairs"));
    EXPECT_EQ(AllPlacements(pairs).size(), 3u);
    EXPECT_EQ(AllPlacements(pairs).size(), AllPlacements(wings).size());
    EXPECT_TRUE(pairs.state->picture == wings.state->picture);
    // Without it the keys are one.
    Drawing one;
    one.Draw("Argent a key gules");
    EXPECT_EQ(AllPlacements(one).size(), 1u);
}

}  // namespace
}  // namespace esc::test
