// Forms the printed armorials write that say what a plainer form says: the halves of a field
// per pale each with its own charges, "the whole within", "on each"; each drawn as the plain
// form is.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Palette.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

std::vector<PlacementTrace> PlacedCharges(const Drawing& d) {
    std::vector<PlacementTrace> out;
    for (const LevelTrace& l : d.trace.levels) out.insert(out.end(), l.placements.begin(), l.placements.end());
    return out;
}

// "In dexter a roundel, in sinister a mullet", "on the dexter side", and the field per pale
// whose halves each carry their charges ("per pale argent a roundel gules and azure ..."): the
// field parted, each half's charges within it, in their own tinctures.
TEST(HalvesOfTheField, EachHalfCarriesItsOwnCharges) {
    struct Case {
        const char* blazon;
        int dexterField, sinisterField;
        std::vector<int> dexter, sinister;  // the tinctures of the charges in each half, in order
    };
    const std::vector<Case> cases = {
        {"Per pale argent and azure, in dexter a roundel gules, in sinister a roundel or", kArgent, kAzure, {kGules}, {kOr}},
        {"Per pale argent and azure, on the dexter side a roundel gules, on the sinister side a roundel or", kArgent,
         kAzure, {kGules}, {kOr}},
        {"Per pale argent and vert, in the dexter three roundels gules", kArgent, kVert, {kGules, kGules, kGules}, {}},
        {"Per pale argent a roundel gules and azure a roundel or", kArgent, kAzure, {kGules}, {kOr}},
        {"Per pale or two roundels sable, and gules a roundel of the first", kOr, kGules, {kSable, kSable}, {kOr}},
        {"Per pale argent a roundel vert and of the last two roundels or", kArgent, kVert, {kVert}, {kOr, kOr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        // The field's halves, high up where no charge stands.
        EXPECT_EQ(d.At(g.W / 10, g.Px(8)), Colour(c.dexterField));
        EXPECT_EQ(d.At(g.W - g.W / 10, g.Px(8)), Colour(c.sinisterField));
        const auto placed = PlacedCharges(d);
        ASSERT_EQ(placed.size(), c.dexter.size() + c.sinister.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const bool dexter = i < c.dexter.size();
            const int tincture = dexter ? c.dexter[i] : c.sinister[i - c.dexter.size()];
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].x < g.W2, dexter);
            EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(tincture));
        }
    }
    // An ordinary in a half is not drawn within it: the text is left as written and not clean.
    Drawing d;
    d.Draw("Per pale argent a cross gules and azure a roundel or");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

// "The whole within a bordure" is "all within"; "three roundels, on each a mullet" is "each
// charged with a mullet": the same picture, read whole, the mullet at each roundel's centre.
TEST(PrintedForms, DrawnAsThePlainFormTheySay) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const Case cases[] = {
        {"Argent a roundel gules the whole within a bordure azure", "Argent a roundel gules all within a bordure azure"},
        {"Or a chevron between three roundels vert, the whole within a bordure gules",
         "Or a chevron between three roundels vert, all within a bordure gules"},
        {"Argent three roundels gules, on each a mullet or", "Argent three roundels gules each charged with a mullet or"},
        {"Azure two roundels argent, on each of them an escallop sable",
         "Azure two roundels argent each charged with an escallop sable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
    }
    // The bordure's colour at the edge, inside the outline; each roundel's mullet at its centre.
    Drawing d;
    d.DrawClean("Argent a roundel gules the whole within a bordure azure");
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.At(g.Px(8), g.H2), Colour(kAzure));
    d.DrawClean("Argent three roundels gules, on each a mullet or");
    const auto placed = PlacedCharges(d);
    ASSERT_EQ(placed.size(), 6u);
    for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(d.At(placed[i].x, placed[i].y), Colour(kOr)) << i;
}

}  // namespace
}  // namespace esc::test
