// Words that place charges: issuant from an edge, rows split between chief and base, charges on
// a named piece, a place named in the chief, charges cantoned, held and supporting.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Palette.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

bool Used(const Drawing& d, std::string_view word) {
    for (const WordTrace& w : d.trace.secondPass)
        if (w.text == word) return w.used;
    ADD_FAILURE() << "no word " << word;
    return false;
}

std::vector<PlacementTrace> Placements(const Drawing& d) {
    std::vector<PlacementTrace> out;
    for (const LevelTrace& l : d.trace.levels) out.insert(out.end(), l.placements.begin(), l.placements.end());
    return out;
}

// Whether any pixel of rows y1..y2 (all columns) has the colour.
bool RowsHold(const Drawing& d, int y1, int y2, Rgb colour) {
    for (int y = y1; y <= y2; ++y)
        for (int x = 0; x < d.state->geometry.W; ++x)
            if (d.At(x, y) == colour) return true;
    return false;
}

// An issuant charge stands with its foot on the edge it rises from: the rows just above the
// edge show its tincture, where the same charge laid out as usual floats clear of them; and it
// is drawn larger than the usual charge in that place.
TEST(Issuant, RisesFromTheEdgeBelowIt) {
    struct Case {
        const char* issuant;
        const char* usual;
        int edgePercentOfHeight;  // the edge's row, in hundredths of the shield's height
        int tincture;
    };
    const std::vector<Case> cases = {
        {"Gules on a chief argent a demi-lion rampant issuant vert", "Gules on a chief argent a demi-lion rampant vert",
         15, kVert},
        {"Per fess gules and argent in chief a demi-lion issuant azure", "Per fess gules and argent in chief a demi-lion azure",
         50, kAzure},
        {"Azure on a chief argent a lion issuant gules", "Azure on a chief argent a demi-lion gules", 15, kGules},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.issuant);
        Drawing d;
        d.Draw(c.issuant);
        EXPECT_TRUE(Used(d, "issuant"));
        EXPECT_TRUE(d.sink.messages.empty());
        const int edge = d.s().geometry.H * c.edgePercentOfHeight / 100;
        EXPECT_TRUE(RowsHold(d, edge - 3, edge - 1, Colour(c.tincture)));
        // Nothing of it below the edge.
        EXPECT_FALSE(RowsHold(d, edge + 2, edge + 8, Colour(c.tincture)));
        const auto placed = Placements(d);
        ASSERT_EQ(placed.size(), 1u);

        Drawing usual;
        usual.Draw(c.usual);
        EXPECT_FALSE(RowsHold(usual, edge - 3, edge - 1, Colour(c.tincture)));
        const auto before = Placements(usual);
        ASSERT_EQ(before.size(), 1u);
        if (c.edgePercentOfHeight < 50) {
            EXPECT_GT(placed[0].scale, before[0].scale);
        }
    }
}

// "issuant" where nothing has an edge to rise from, or after a charge that is not cut to rise
// from one, is left unread: the word would change nothing.
TEST(Issuant, LeftUnreadWithoutAnEdgeOrADemiCharge) {
    for (const char* blazon : {"Gules a demi-lion issuant or", "Gules on a chief argent a mullet issuant sable",
                               "Per pale gules and argent in chief a demi-lion issuant or"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(Used(d, "issuant"));
    }
}

}  // namespace
}  // namespace esc::test
