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

// "six in chief and four in base": the written numbers above and below the ordinary, where the
// layout alone shares them evenly (five and five, three and three).
TEST(SplitRows, TheWrittenNumbersAboveAndBelow) {
    struct Case {
        const char* written;
        const char* usual;
        int above, below;
    };
    const std::vector<Case> cases = {
        {"Gules a chevron between ten crosses pattee six in chief and four in base argent",
         "Gules a chevron between ten crosses pattee argent", 6, 4},
        {"Azure a fess between six martlets four in chief and two in base or", "Azure a fess between six martlets or", 4, 2},
        {"Azure a fess between three martlets one in chief and two in base or", "Azure a fess between three martlets or", 1, 2},
    };
    auto countAbove = [](const Drawing& d) {
        int above = 0;
        for (const PlacementTrace& p : Placements(d)) above += p.y < d.state->geometry.H / 2 ? 1 : 0;
        return above;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        Drawing d;
        d.Draw(c.written);
        EXPECT_TRUE(Used(d, "chief"));
        EXPECT_TRUE(Used(d, "base"));
        EXPECT_TRUE(d.sink.messages.empty());
        ASSERT_EQ(Placements(d).size(), static_cast<std::size_t>(c.above + c.below));
        EXPECT_EQ(countAbove(d), c.above);
        Drawing usual;
        usual.Draw(c.usual);
        EXPECT_NE(countAbove(usual), c.above);
    }
    // Numbers that do not make up the count are not a split of it.
    Drawing d;
    d.Draw("Gules a chevron between ten crosses pattee six in chief and three in base argent");
    EXPECT_FALSE(Used(d, "base"));
}

// "the latter" / "the last" charged with: the charges lie on the second of the two ordinaries
// (the chief), not on the shield under them.
TEST(TheLatter, ChargesOnTheSecondOrdinary) {
    for (const char* blazon : {"Argent a saltire and chief gules the latter charged with three mullets or",
                               "Argent a saltire and chief azure the last charged with three mullets or"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(Used(d, "the"));
        EXPECT_TRUE(d.sink.messages.empty());
        const auto placed = Placements(d);
        ASSERT_EQ(placed.size(), 3u);
        const int chiefBottom = d.state->geometry.H * 15 / 100;
        for (const PlacementTrace& p : placed) {
            EXPECT_LT(p.y, chiefBottom);
            EXPECT_EQ(d.At(p.x, p.y), Colour(kOr));
        }
    }
}

// "supported by two lions": the pair either side of the charge, facing it (the dexter one turned),
// where two lions written after a charge face the same way; the pair is painted over it.
TEST(Supporters, SupportedByTurnsThePairToTheCharge) {
    Drawing d;
    d.Draw("Azure a tower argent supported by two lions rampant or");
    EXPECT_TRUE(Used(d, "supported"));
    EXPECT_TRUE(Used(d, "by"));
    auto placed = Placements(d);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_LT(placed[1].x, placed[0].x);
    EXPECT_GT(placed[2].x, placed[0].x);
    EXPECT_TRUE(placed[1].mirrored);
    EXPECT_FALSE(placed[2].mirrored);
    // Their tincture over the tower's near each lion's centre.
    EXPECT_EQ(d.At(placed[1].x, placed[1].y), Colour(kOr));

    Drawing plain;
    plain.Draw("Azure a tower argent and two lions rampant or");
    placed = Placements(plain);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_FALSE(placed[1].mirrored);
}

// "two lions combatant supporting a sword": the sword between the pair, halfway between their
// placements and at their height, painted over them; after a pair that is not combatant the word
// is left unread.
TEST(Supporters, SupportingPutsTheChargeBetweenThePair) {
    for (const char* blazon : {"Sable two lions rampant combatant or supporting a sword argent",
                               "Vert two lions rampant combatant or supporting a dexter hand couped at the wrist gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(Used(d, "supporting"));
        EXPECT_TRUE(d.sink.messages.empty());
        const auto placed = Placements(d);
        ASSERT_EQ(placed.size(), 3u);
        EXPECT_EQ(placed[2].x, (placed[0].x + placed[1].x) / 2);
        EXPECT_EQ(placed[2].y, (placed[0].y + placed[1].y) / 2);
    }
    Drawing d;
    d.Draw("Sable two lions rampant combatant or supporting a sword argent");
    // On the blade, beside its ridge, above the cross-guard.
    EXPECT_EQ(d.At(d.state->geometry.W / 2 - 8, d.state->geometry.H / 2 - 60), Colour(kArgent));
    d.Draw("Sable two lions rampant or supporting a sword argent");
    EXPECT_FALSE(Used(d, "supporting"));
}

// Whether the square of half-side r round (x, y) holds the colour.
bool NearHolds(const Drawing& d, int x, int y, int r, Rgb colour) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (d.At(x + i, y + j) == colour) return true;
    return false;
}

// "in the chief point": the one charge at the middle of the chief; between two bendlets, at the
// chief end of the space they leave, clear of both.
TEST(ChiefPoint, TheChargeAtTheChiefPoint) {
    Drawing d;
    d.Draw("Or an escallop in the chief point sable");
    EXPECT_TRUE(Used(d, "point"));
    auto placed = Placements(d);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].x, d.state->geometry.W / 2);
    EXPECT_LT(placed[0].y, d.state->geometry.H / 3);

    d.Draw("Or an escallop in the chief point sable between two bendlets gules");
    EXPECT_TRUE(Used(d, "point"));
    EXPECT_TRUE(Used(d, "bendlet"));  // the normaliser writes the singular
    placed = Placements(d);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_LT(placed[0].x, d.state->geometry.W / 2);
    EXPECT_LT(placed[0].y, d.state->geometry.H / 3);
    EXPECT_TRUE(NearHolds(d, placed[0].x, placed[0].y, 3, Colour(kSable)));
    // Neither bendlet crosses the escallop.
    EXPECT_FALSE(NearHolds(d, placed[0].x, placed[0].y, 20, Colour(kGules)));
}

// "in the dexter chief an ermine spot": the ermine spot has its own tincture (sable), so the
// phrase that ends without one is drawn; above a fess it keeps off the fess.
TEST(ChiefPoint, ErmineSpotInTheDexterChiefAboveAFess) {
    Drawing d;
    d.Draw("Argent on a fess sable three mullets or in the dexter chief an ermine spot");
    EXPECT_TRUE(Used(d, "erminespot"));
    EXPECT_TRUE(d.sink.messages.empty());
    const auto placed = Placements(d);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_LT(placed[3].x, d.state->geometry.W / 2);
    EXPECT_TRUE(NearHolds(d, placed[3].x, placed[3].y, 20, Colour(kSable)));
    // Argent all along the rows just above the fess on the dexter side: the spot stops short.
    const ShieldGeometry& g = d.state->geometry;
    const int fessTop = g.H2 - g.chiefDepth / 2;
    for (int y = fessTop - 8; y <= fessTop - 3; ++y)
        for (int x = 10; x < g.W2; ++x) ASSERT_EQ(d.At(x, y), Colour(kArgent)) << x << "," << y;
}

// Rows written before the tincture that are the field's own rows for the count ("two and one"
// for three): read, and the tincture and details after them still reach the charges (before,
// "or headed argent" started a phrase of its own that painted nothing).
TEST(UsualRows, DetailsAfterTheRowsStillColourTheCharges) {
    struct Case {
        const char* blazon;
        const char* detail;
        int detailTincture;
    };
    const std::vector<Case> cases = {
        {"Gules three tilting spears two and one or headed argent", "headed", kArgent},
        {"Gules three lions two and one or armed azure", "armed", kAzure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(Used(d, "two"));
        EXPECT_TRUE(Used(d, c.detail));
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        ASSERT_EQ(d.trace.levels.size(), 1u);
        EXPECT_EQ(Placements(d).size(), 3u);
        EXPECT_TRUE(RowsHold(d, 0, d.state->geometry.H, Colour(c.detailTincture)));
    }
    // Rows that are not the usual ones are still drawn as written.
    Drawing d;
    d.Draw("Gules six annulets three three or");
    EXPECT_EQ(Placements(d).size(), 6u);
}

// "cantoned with four roses": one rose in each angle of the saltire, clear of it; with any other
// count the word is left unread.
TEST(Cantoned, OneChargeInEachAngle) {
    Drawing d;
    d.Draw("Argent a saltire cantoned with four roses gules");
    EXPECT_TRUE(Used(d, "cantoned"));
    EXPECT_TRUE(d.sink.messages.empty());
    const auto placed = Placements(d);
    ASSERT_EQ(placed.size(), 4u);
    const ShieldGeometry& g = d.state->geometry;
    int above = 0, below = 0, dexter = 0, sinister = 0;
    for (const PlacementTrace& p : placed) {
        above += p.y < g.H3 ? 1 : 0;
        below += p.y > g.H - g.H3 ? 1 : 0;
        dexter += p.x < g.W3 ? 1 : 0;
        sinister += p.x > g.W - g.W3 ? 1 : 0;
    }
    EXPECT_EQ(above, 1);
    EXPECT_EQ(below, 1);
    EXPECT_EQ(dexter, 1);
    EXPECT_EQ(sinister, 1);
    d.Draw("Argent a saltire cantoned with three roses gules");
    EXPECT_FALSE(Used(d, "cantoned"));
}

// "in the first quarter a sword in pale point upwards": the sword stays in the quarter, clear of
// the cross, drawn point upwards as its picture stands; "point upwards" after a charge not drawn
// so is left unread.
TEST(PointUpwards, TheSwordInItsQuarter) {
    Drawing d;
    d.Draw("Argent a cross gules in the first quarter a sword in pale point upwards azure");
    EXPECT_TRUE(Used(d, "pale"));
    EXPECT_TRUE(Used(d, "upwards"));
    const auto placed = Placements(d);
    ASSERT_EQ(placed.size(), 1u);
    const ShieldGeometry& g = d.state->geometry;
    EXPECT_LT(placed[0].x, g.W2 - g.chiefDepth / 2);
    EXPECT_LT(placed[0].y, g.H2 - g.chiefDepth / 2);
    // The point is up: the sword's tincture in the upper part of its box, above the placement.
    EXPECT_TRUE(NearHolds(d, placed[0].x, placed[0].y - 40, 4, Colour(kAzure)));
    d.Draw("Argent a mullet point upwards gules");
    EXPECT_FALSE(Used(d, "upwards"));
}

// "a lion rampant holding an axe": the axe small in the raised dexter forepaw, up and to the
// dexter of the lion's centre and painted over the lion; after a lion statant guardant (whose
// picture has no known place to hold it) the axe is drawn beside the lion, to its dexter.
TEST(Holding, TheChargeInTheRaisedPaw) {
    Drawing d;
    d.Draw("Gules a lion rampant or crowned or holding an axe argent hafted or");
    EXPECT_TRUE(Used(d, "holding"));
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    const auto placed = Placements(d);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_LT(placed[1].x, placed[0].x - 50);
    EXPECT_LT(placed[1].y, placed[0].y - 50);
    EXPECT_LT(placed[1].scale, placed[0].scale / 2);
    EXPECT_TRUE(NearHolds(d, placed[1].x, placed[1].y, 12, Colour(kArgent)));
    d.Draw("Gules a lion statant guardant or holding an axe argent");
    const auto beside = Placements(d);
    ASSERT_EQ(beside.size(), 2u);
    EXPECT_LT(beside[1].x, beside[0].x);
    EXPECT_TRUE(d.sink.messages.empty());
}

// "holding in his dexter paw a sword": the paw the rampant lion raises, named, holds the charge
// as "holding a sword" does (the words were ignored and the sword drawn beside the lion); the
// sinister paw is the lower forepaw of the picture, below the dexter one.
TEST(Holding, TheDexterPawNamed) {
    const std::pair<const char*, const char*> pairs[] = {
        {"Argent a lion rampant gules holding in his dexter paw a sword azure", "Argent a lion rampant gules holding a sword azure"},
        {"Or, a lion rampant sable, holding in the dexter paw an axe argent.", "Or a lion rampant sable holding an axe argent"},
        {"Gules a lion rampant or crowned or holding in its dexter forepaw a cross crosslet argent",
         "Gules a lion rampant or crowned or holding a cross crosslet argent"},
    };
    for (const auto& [named, plain] : pairs) {
        Drawing a, b;
        a.DrawClean(named);
        b.DrawClean(plain);
        const auto held = Placements(a), other = Placements(b);
        ASSERT_EQ(held.size(), 2u) << named;
        ASSERT_EQ(other.size(), 2u) << named;
        EXPECT_EQ(held[1].x, other[1].x) << named;
        EXPECT_EQ(held[1].y, other[1].y) << named;
        EXPECT_LT(held[1].x, held[0].x - 50) << named;
        EXPECT_LT(held[1].scale, held[0].scale / 2) << named;
    }
    Drawing sinister, dexter;
    sinister.DrawClean("Argent a lion rampant gules holding in his sinister paw a sword azure");
    dexter.DrawClean("Argent a lion rampant gules holding in his dexter paw a sword azure");
    ASSERT_EQ(Placements(sinister).size(), 2u);
    EXPECT_GT(Placements(sinister)[1].y, Placements(dexter)[1].y + 20);
}

}  // namespace
}  // namespace esc::test
