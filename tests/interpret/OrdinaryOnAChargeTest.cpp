// An ordinary on one charge, whichever way the words put it ("on an escutcheon argent a cross
// gules", "an escutcheon argent charged with a cross gules"): drawn as on a field of its own within
// the charge's outline, never a picture of the ordinary set on the charge.

#include <gtest/gtest.h>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// The charge's run of pixels across row y from its middle: what is not the field.
struct RowAcross {
    int dexter = 0, sinister = 0;
};
RowAcross ChargeRow(const Drawing& d, int x, int y, Rgb field) {
    RowAcross row{x, x};
    while (row.dexter > 0 && d.At(row.dexter - 1, y) != field) --row.dexter;
    while (row.sinister + 1 < d.state->geometry.W && d.At(row.sinister + 1, y) != field) ++row.sinister;
    return row;
}

TEST(OrdinaryChargedOnACharge, ChargedWithAnOrdinaryLiesWithinTheCharge) {
    // The crossing of a cross or saltire and the middle of a fess or pale lie at the charge's
    // middle: the ordinary's tincture there, the charge's own beside it, the field beyond.
    for (const char* blazon : {"Azure an escutcheon argent charged with a cross gules", "Vert a lozenge argent charged with a fess gules",
                               "Sable an inescutcheon argent charged with a saltire gules", "Azure on an escutcheon argent a pale gules",
                               "Vert a lozenge argent charged with a pale gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_GE(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        EXPECT_TRUE(d.trace.levels[1].placements.empty()) << "the ordinary was placed as a picture";
        const PlacementTrace& host = d.trace.levels[0].placements[0];
        const Rgb field = d.At(2, 2);
        EXPECT_EQ(d.At(host.x, host.y), Colour(kGules));
        const RowAcross row = ChargeRow(d, host.x, host.y, field);
        ASSERT_GT(row.sinister - row.dexter, 30);
        bool argent = false;
        for (int x = row.dexter; x <= row.sinister; ++x) argent = argent || d.At(x, host.y) == Colour(kArgent);
        EXPECT_TRUE(argent) << "the charge's own tincture shows beside the ordinary";
        // Nothing of the ordinary beyond the charge, along its row or above and below it.
        EXPECT_EQ(d.At(row.dexter - 3, host.y), field);
        EXPECT_EQ(d.At(row.sinister + 3, host.y), field);
        int top = host.y;
        while (top > 0 && d.At(host.x, top - 1) != field) --top;
        EXPECT_EQ(d.At(host.x, top - 3), field);
    }
}

TEST(OrdinaryChargedOnACharge, BendRunsFromCornerToFlankOfTheCharge) {
    // A bend charged on an escutcheon crosses the charge's middle and reaches its dexter chief
    // corner; the sinister chief corner keeps the charge's tincture.
    for (const char* blazon : {"Azure an escutcheon argent charged with a bend gules", "Azure on an escutcheon argent a bend gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& host = d.trace.levels[0].placements[0];
        const Rgb field = d.At(2, 2);
        EXPECT_EQ(d.At(host.x, host.y), Colour(kGules));
        int top = host.y;
        while (d.At(host.x, top - 1) != field) --top;
        const RowAcross chief = ChargeRow(d, host.x, top + 8, field);
        bool bendInDexterChief = false;
        for (int x = chief.dexter; x < host.x; ++x) bendInDexterChief = bendInDexterChief || d.At(x, top + 8) == Colour(kGules);
        EXPECT_TRUE(bendInDexterChief);
        EXPECT_EQ(d.At(chief.sinister - 8, top + 8), Colour(kArgent));
    }
}

}  // namespace
}  // namespace esc::test
