// Layouts as spots: every arrangement holds any count inside its region, the nearest form when
// the count does not share evenly; and, drawn, groups in an arrangement or a part of the field
// stand on those spots in their own tincture, a tincture per member when the blazon lists them,
// turned as the blazon says.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/Palette.h"
#include "interpret/layout/SpotLayout.h"
#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

const char* Named(Arrangement a) {
    switch (a) {
        case Arrangement::kInPale: return "pale";
        case Arrangement::kInFess: return "fess";
        case Arrangement::kInBend: return "bend";
        case Arrangement::kInBendSinister: return "bend sinister";
        case Arrangement::kInSaltire: return "saltire";
        case Arrangement::kInCross: return "cross";
        case Arrangement::kInChevron: return "chevron";
        case Arrangement::kInChevronInverted: return "chevron inverted";
        case Arrangement::kInPall: return "pall";
        case Arrangement::kInPile: return "pile";
        case Arrangement::kInOrle: return "orle";
        case Arrangement::kInAnnulo: return "annulo";
        case Arrangement::kInRows: return "rows";
    }
    return "?";
}

constexpr Arrangement kEvery[] = {Arrangement::kInPale,    Arrangement::kInFess,   Arrangement::kInBend,
                                  Arrangement::kInBendSinister, Arrangement::kInSaltire, Arrangement::kInCross,
                                  Arrangement::kInChevron, Arrangement::kInChevronInverted, Arrangement::kInPall,
                                  Arrangement::kInPile,    Arrangement::kInOrle,   Arrangement::kInAnnulo,
                                  Arrangement::kInRows};

ShieldGeometry UsualShield() {
    ShieldGeometry g;
    g.Compute(kImageWidth, kImageHeight, false);
    return g;
}

// Any count from one to twelve, in every region: one spot a charge, each inside the region and
// on a spot of its own, at a scale that draws something.
TEST(SpotLayout, EveryArrangementHoldsAnyCountInsideItsRegion) {
    const ShieldGeometry g = UsualShield();
    const RegionKind regions[] = {RegionKind::kField, RegionKind::kChief, RegionKind::kCanton, RegionKind::kDexterChief,
                                  RegionKind::kBetweenChevronInvertedArms};
    for (const RegionKind kind : regions) {
        const LayoutRegion region = RegionOf(g, kind);
        for (const Arrangement a : kEvery) {
            for (int n = 1; n <= 12; ++n) {
                SCOPED_TRACE(std::string(Named(a)) + ", " + std::to_string(n) + " in region " + std::to_string(static_cast<int>(kind)));
                const SpotLayout layout = LayoutSpots({region, n, a, {}});
                ASSERT_EQ(static_cast<int>(layout.spots.size()), n);
                for (std::size_t i = 0; i < layout.spots.size(); ++i) {
                    const ChargeSpot& p = layout.spots[i];
                    EXPECT_TRUE(region.box.Contains(p.x, p.y)) << "spot " << i << " at " << p.x << ", " << p.y;
                    EXPECT_GT(p.scale, 0.0f);
                    for (std::size_t j = 0; j < i; ++j)
                        EXPECT_FALSE(p.x == layout.spots[j].x && p.y == layout.spots[j].y) << "spots " << j << " and " << i;
                }
            }
        }
    }
    // No count, no spots.
    EXPECT_TRUE(LayoutSpots({RegionOf(g, RegionKind::kField), 0, Arrangement::kInPale, {}}).spots.empty());
}

// A count the arrangement does not share evenly gets the nearest form and says so: six in cross
// have four in the upright limb; four in pile are three and one.
TEST(SpotLayout, NearestFormWhenTheCountDoesNotShareEvenly) {
    const LayoutRegion field = RegionOf(UsualShield(), RegionKind::kField);
    struct Case {
        Arrangement arrangement;
        int count;
        bool nearest;
    };
    const Case cases[] = {
        {Arrangement::kInCross, 5, false},   {Arrangement::kInCross, 6, true},   {Arrangement::kInSaltire, 9, false},
        {Arrangement::kInSaltire, 3, true},  {Arrangement::kInPall, 4, false},   {Arrangement::kInPall, 5, true},
        {Arrangement::kInPile, 6, false},    {Arrangement::kInPile, 4, true},    {Arrangement::kInChevron, 2, true},
        {Arrangement::kInPale, 7, false},    {Arrangement::kInAnnulo, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(Named(c.arrangement)) + " " + std::to_string(c.count));
        EXPECT_EQ(LayoutSpots({field, c.count, c.arrangement, {}}).nearest, c.nearest);
    }
    const SpotLayout cross = LayoutSpots({field, 6, Arrangement::kInCross, {}});
    const int upright = static_cast<int>(std::count_if(cross.spots.begin(), cross.spots.end(),
                                                       [&](const ChargeSpot& p) { return p.x == field.box.Width() / 2; }));
    EXPECT_EQ(upright, 4);
    const SpotLayout pile = LayoutSpots({field, 4, Arrangement::kInPile, {}});
    EXPECT_EQ(pile.spots[0].y, pile.spots[2].y);
    EXPECT_LT(pile.spots[2].y, pile.spots[3].y);
    // Rows that do not make up the count are one row of them all.
    const int rows[] = {2, 2};
    const SpotLayout row = LayoutSpots({field, 3, Arrangement::kInRows, rows});
    EXPECT_TRUE(row.nearest);
    EXPECT_TRUE(row.spots[0].y == row.spots[1].y && row.spots[1].y == row.spots[2].y);
}

// Draws `blazon` and expects each spot painted in `tincture` at its centre, nothing ignored and
// no message.
void ExpectPaintedOnSpots(const char* blazon, const std::vector<ChargeSpot>& spots, int tincture) {
    SCOPED_TRACE(blazon);
    test::Drawing d;
    d.DrawClean(blazon);
    for (std::size_t i = 0; i < spots.size(); ++i)
        EXPECT_EQ(d.At(spots[i].x, spots[i].y), test::Colour(tincture)) << "spot " << i;
}

// "five roundels in saltire azure", "three roundels in bend sable": a roundel names no tincture,
// and the one after the arrangement is the group's (they were drawn Or, the word ignored).
TEST(ArrangedGroups, TheTinctureAfterTheArrangementIsTheGroups) {
    const LayoutRegion field = RegionOf(UsualShield(), RegionKind::kField);
    struct Case {
        const char* blazon;
        Arrangement arrangement;
        int count, tincture;
    };
    const Case cases[] = {
        {"Argent five roundels in saltire azure", Arrangement::kInSaltire, 5, kAzure},
        {"Argent three roundels in bend sable", Arrangement::kInBend, 3, kSable},
        {"Argent four roundels in cross gules", Arrangement::kInCross, 4, kGules},
        {"Or three roundels in pale vert", Arrangement::kInPale, 3, kVert},
        {"Argent three roundels in bend sinister purpure", Arrangement::kInBendSinister, 3, kPurpure},
        {"Argent five roundels in chevron inverted gules", Arrangement::kInChevronInverted, 5, kGules},
    };
    for (const Case& c : cases) ExpectPaintedOnSpots(c.blazon, LayoutSpots({field, c.count, c.arrangement, {}}).spots, c.tincture);
    // Rows written after roundels: the tincture after them is theirs too.
    test::Drawing rows;
    rows.DrawClean("Argent three roundels two and one azure");
    const std::vector<PlacementTrace> placed = test::AllPlacements(rows);
    ASSERT_EQ(placed.size(), 3u);
    for (const PlacementTrace& p : placed) EXPECT_EQ(rows.At(p.x, p.y), test::Colour(kAzure));
}

// Counts no table named drew nothing and said "No layout places 6 charges here."; they stand
// in the arrangement's nearest form now, and the drawing's notes say so.
TEST(ArrangedGroups, AnyCountTheArrangementAllows) {
    const LayoutRegion field = RegionOf(UsualShield(), RegionKind::kField);
    struct Case {
        const char* blazon;
        Arrangement arrangement;
        int count;
    };
    const Case cases[] = {
        {"Argent six roundels in saltire gules", Arrangement::kInSaltire, 6},
        {"Argent three roundels in saltire gules", Arrangement::kInSaltire, 3},
        {"Argent six roundels in cross gules", Arrangement::kInCross, 6},
        {"Argent four roundels in pall gules", Arrangement::kInPall, 4},
        {"Argent seven roundels in pall gules", Arrangement::kInPall, 7},
        {"Argent five roundels in pile gules", Arrangement::kInPile, 5},
        {"Argent four roundels in pile gules", Arrangement::kInPile, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        const SpotLayout layout = LayoutSpots({field, c.count, c.arrangement, {}});
        ExpectPaintedOnSpots(c.blazon, layout.spots, kGules);
        test::Drawing d;
        d.Draw(c.blazon);
        ASSERT_FALSE(d.trace.levels.empty());
        EXPECT_EQ(d.trace.levels[0].note.empty(), !layout.nearest);
    }
}

// One charge, or a few, in a part of the field no table set them in: in canton, in dexter chief,
// between the arms of a chevron or a chevron inverted.
TEST(ArrangedGroups, ChargesInAPartOfTheField) {
    const ShieldGeometry g = UsualShield();
    struct Case {
        const char* blazon;
        RegionKind region;
        int count;
    };
    const Case cases[] = {
        {"Argent, a pale gules, in canton two roundels azure", RegionKind::kCanton, 2},
        {"Argent, a pale gules, in canton three roundels azure", RegionKind::kCanton, 3},
        {"Argent, in dexter chief two roundels azure", RegionKind::kDexterChief, 2},
        {"Argent, in sinister chief four roundels azure", RegionKind::kSinisterChief, 4},
        {"Argent, a chevron inverted gules between the arms a roundel azure", RegionKind::kBetweenChevronInvertedArms, 1},
        {"Argent, a chevron gules between its arms a roundel azure", RegionKind::kBetweenChevronArms, 1},
        {"Argent, a chevron inverted gules between the arms two roundels azure", RegionKind::kBetweenChevronInvertedArms, 2},
    };
    for (const Case& c : cases)
        ExpectPaintedOnSpots(c.blazon, LayoutSpots({RegionOf(g, c.region), c.count, Arrangement::kInRows, {}}).spots, kAzure);
}

// "three roundels azure, gules and vert": each member in its own tincture, in the order the
// charges are placed (the later tinctures were ignored, every charge azure).
TEST(GroupMembers, EachMemberInItsTincture) {
    struct Case {
        const char* blazon;
        std::vector<int> tinctures;
    };
    const Case cases[] = {
        {"Argent three roundels azure, gules and vert", {kAzure, kGules, kVert}},
        {"Or four roundels azure, gules, vert and sable", {kAzure, kGules, kVert, kSable}},
        {"Argent two roundels gules and azure", {kGules, kAzure}},
        {"Argent three roundels in fess azure, gules and vert", {kAzure, kGules, kVert}},
        {"Argent three mullets in pale azure, sable and vert", {kAzure, kSable, kVert}},
        {"Vert two mullets, the dexter or the sinister argent", {kOr, kArgent}},
        {"Vert two mullets, the dexter argent and the sinister or", {kArgent, kOr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), c.tinctures.size());
        for (std::size_t i = 0; i < placed.size(); ++i)
            EXPECT_EQ(d.At(placed[i].x, placed[i].y), test::Colour(c.tinctures[i])) << "member " << i;
    }
    // Fewer tinctures than charges are no list: the second starts the next phrase, as before.
    test::Drawing fewer;
    fewer.Draw("Argent three roundels azure and gules");
    for (const PlacementTrace& p : test::AllPlacements(fewer)) EXPECT_EQ(fewer.At(p.x, p.y), test::Colour(kAzure));
}

// How far a drawing in `tincture` reaches along the row and the column through (x, y): a charge
// lying fesswise reaches further across than up and down.
struct Reach {
    int across = 0, upDown = 0;
};
Reach PaintedReach(const test::Drawing& d, int x, int y, int tincture) {
    Reach r;
    const Rgb colour = test::Colour(tincture);
    for (int i = 0; i < d.state->geometry.W; ++i) r.across += d.At(i, y) == colour ? 1 : 0;
    for (int j = 0; j < d.state->geometry.H; ++j) r.upDown += d.At(x, j) == colour ? 1 : 0;
    return r;
}

// "a sword fesswise", "a key fesswise": a quarter turn for a picture drawn upright; "palewise" and
// "erect" keep an upright picture as drawn; a picture drawn long and low already lies fesswise.
TEST(Orientation, AnyChargeLiesAsWritten) {
    struct Case {
        const char* blazon;
        bool lies;  // reaches further across than up and down
    };
    const Case cases[] = {
        {"Argent a sword gules", false},        {"Argent a sword fesswise gules", true},
        {"Argent a sword palewise gules", false}, {"Argent a sword erect gules", false},
        {"Argent a key fesswise gules", true},    {"Argent a key gules", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 1u);
        const Reach r = PaintedReach(d, placed[0].x, placed[0].y, kGules);
        EXPECT_EQ(r.across > r.upDown, c.lies) << r.across << " across, " << r.upDown << " up and down";
    }
    // Bendwise: the drawing runs along the bend's diagonal, neither row nor column through it long.
    test::Drawing bendwise;
    bendwise.DrawClean("Argent a sword bendwise gules");
    const PlacementTrace at = test::AllPlacements(bendwise).at(0);
    int along = 0;
    for (int k = -100; k <= 100; ++k) along += bendwise.At(at.x + k, at.y + k) == test::Colour(kGules) ? 1 : 0;
    const Reach r = PaintedReach(bendwise, at.x, at.y, kGules);
    EXPECT_GT(along, r.across);
    EXPECT_GT(along, r.upDown);
}

}  // namespace
}  // namespace esc
