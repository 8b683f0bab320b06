// Relations between groups and groups of several kinds, drawn: each form with several
// instances, the colours sampled at points computed from the layout's own geometry.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/MixedGroup.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/layout/OnAPerch.h"
#include "interpret/layout/WithinAnAnnulet.h"

namespace esc {
namespace {

// "a mullet, a lozenge and a roundel": one group of three set two and one, each member in the
// next of the group's places in its own tincture; four two and two, five in the rows for five.
// (Each was drawn over another, or reported as having no place.)
TEST(RelationForms, AGroupOfSeveralKindsTakesTheGroupsPlaces) {
    struct Case {
        const char* blazon;
        std::vector<int> tinctures;  // per charge, in the order of the places
    };
    const Case cases[] = {
        {"Or, a mullet gules and two roundels azure", {kGules, kAzure, kAzure}},
        {"Argent, a mullet gules, a lozenge vert and a roundel azure", {kGules, kVert, kAzure}},
        {"Argent, a mullet gules a lozenge vert and a roundel azure", {kGules, kVert, kAzure}},
        {"Or, two mullets azure and two lozenges gules", {kAzure, kAzure, kGules, kGules}},
        {"Argent, two roundels sable and a lozenge vert and two mullets gules", {kSable, kSable, kVert, kGules, kGules}},
        // On a parted field, as three of one kind stand there.
        {"Per pale argent and azure, a mullet gules and two roundels Or", {kGules, kOr, kOr}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const std::vector<LayoutSpot> spots = MixedGroupSpots(d.s(), static_cast<int>(k.tinctures.size()));
        ASSERT_EQ(spots.size(), k.tinctures.size());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), k.tinctures.size());
        for (std::size_t i = 0; i < spots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].x, spots[i].x);
            EXPECT_EQ(placed[i].y, spots[i].y);
            EXPECT_EQ(d.At(spots[i].x, spots[i].y), test::Colour(k.tinctures[i]));
        }
    }
}

// "in pale two mullets and a roundel": a group of several kinds in a line, each charge at the
// next of the line's places (the roundel was drawn alone at full size over the two).
TEST(RelationForms, AGroupOfSeveralKindsInALine) {
    struct Case {
        const char* blazon;
        ShapeCode line;
        std::vector<int> tinctures;
    };
    const Case cases[] = {
        {"Or, in pale two mullets azure and a roundel gules", ShapeCode::kPale, {kAzure, kAzure, kGules}},
        {"Argent, in fess a mullet gules and two lozenges vert", ShapeCode::kFess, {kGules, kVert, kVert}},
        {"Argent, in bend two roundels azure and two mullets sable", ShapeCode::kBend, {kAzure, kAzure, kSable, kSable}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const std::vector<LayoutSpot> spots = SpotsInLine(d.s().geometry, k.line, static_cast<int>(k.tinctures.size()));
        ASSERT_EQ(spots.size(), k.tinctures.size());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), k.tinctures.size());
        for (std::size_t i = 0; i < spots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].x, spots[i].x);
            EXPECT_EQ(placed[i].y, spots[i].y);
            EXPECT_EQ(d.At(spots[i].x, spots[i].y), test::Colour(k.tinctures[i]));
        }
    }
}

// "a mullet and a lozenge in pale": the line written after the last member sets out the whole
// group, each member at the next of the line's places in its own tincture. (The first was set
// as one of two in fess before the line was read, and the last over the fess point.)
TEST(RelationForms, AGroupOfSeveralKindsWithItsLineAfterIt) {
    struct Case {
        const char* blazon;
        ShapeCode line;
        std::vector<int> tinctures;
    };
    const Case cases[] = {
        {"Argent, a mullet gules and a lozenge azure in pale", ShapeCode::kPale, {kGules, kAzure}},
        {"Or, a roundel vert and a mullet sable in fess", ShapeCode::kFess, {kVert, kSable}},
        {"Argent, a mullet gules and a roundel azure in bend", ShapeCode::kBend, {kGules, kAzure}},
        {"Argent, a lozenge vert and a mullet gules in bend sinister", ShapeCode::kBendSinister, {kVert, kGules}},
        {"Or, two mullets azure and a roundel gules in pale", ShapeCode::kPale, {kAzure, kAzure, kGules}},
        {"Argent, a mullet gules, a lozenge vert and a roundel azure in fess", ShapeCode::kFess, {kGules, kVert, kAzure}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const std::vector<LayoutSpot> spots = SpotsInLine(d.s().geometry, k.line, static_cast<int>(k.tinctures.size()));
        ASSERT_EQ(spots.size(), k.tinctures.size());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), k.tinctures.size());
        for (std::size_t i = 0; i < spots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].x, spots[i].x);
            EXPECT_EQ(placed[i].y, spots[i].y);
            EXPECT_EQ(d.At(spots[i].x, spots[i].y), test::Colour(k.tinctures[i]));
        }
        // One group in the model, set out in that line.
        ASSERT_EQ(d.trace.model.groups.size(), 1u);
        EXPECT_EQ(d.trace.model.groups[0].arrangement, model::Arrangement::InLine);
        EXPECT_EQ(d.trace.model.groups[0].lineShape, k.line);
    }
}

// "a mullet, a lozenge and a roundel two and one": the rows the group's count takes, written
// after the last member (before or after its tincture), are read and the group set in them.
// (The rows' words were left unread and every member drawn alone over the fess point.)
TEST(RelationForms, AGroupOfSeveralKindsWithItsRowsAfterIt) {
    struct Case {
        const char* blazon;
        std::vector<int> tinctures;
    };
    const Case cases[] = {
        {"Argent, a mullet, a lozenge and a roundel two and one gules", {kGules, kGules, kGules}},
        {"Azure, a mullet argent and two roundels or two and one", {kArgent, kOr, kOr}},
        {"Argent, a mullet gules, a lozenge vert and a roundel azure, two and one", {kGules, kVert, kAzure}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const std::vector<LayoutSpot> spots = MixedGroupSpots(d.s(), static_cast<int>(k.tinctures.size()));
        ASSERT_EQ(spots.size(), k.tinctures.size());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), k.tinctures.size());
        for (std::size_t i = 0; i < spots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].x, spots[i].x);
            EXPECT_EQ(placed[i].y, spots[i].y);
            EXPECT_EQ(d.At(spots[i].x, spots[i].y), test::Colour(k.tinctures[i]));
        }
    }
}

// "environed of an annulet" is "within an annulet": the ring large about the centre, the charge
// small inside its hole. Sampled on the ring's middle circle left, right and above, and at the
// centre.
TEST(RelationForms, EnvironedOfAnAnnuletIsWithinIt) {
    struct Case {
        const char* blazon;
        int charge, ring;
    };
    const Case cases[] = {
        {"Or, a mullet azure environed of an annulet gules", kAzure, kGules},
        {"Argent, a lozenge gules environed by an annulet sable", kGules, kSable},
        {"Vert, a mullet argent within an annulet Or", kArgent, kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        // The ring's outer radius, and the middle of its band (the hole is 0.7 of it).
        const double outer = g.W * kAnnuletWidthPercent / 100.0 / 2;
        const int middle = static_cast<int>(outer * 0.85);
        const int cx = placed[1].x, cy = placed[1].y;
        EXPECT_EQ(d.At(cx - middle, cy), test::Colour(k.ring));
        EXPECT_EQ(d.At(cx + middle, cy), test::Colour(k.ring));
        EXPECT_EQ(d.At(cx, cy - middle), test::Colour(k.ring));
        EXPECT_EQ(d.At(placed[0].x, placed[0].y), test::Colour(k.charge));
        EXPECT_LT(placed[0].scale, placed[1].scale / 2 + 0.1f);
    }
}

// "within" is read only before what a charge is drawn within: an annulet, an ordinary (a
// bordure, a double tressure), charges in orle. Before another charge ("a lion within a
// mascle") the two were drawn over each other with "within" counted as read; it is reported.
TEST(RelationForms, WithinIsReadOnlyBeforeWhatIsDrawnRound) {
    struct Case {
        const char* blazon;
        bool read;
    };
    const Case cases[] = {
        // Within a picture: read, and drawn in its room (or said when it has none).
        {"Or a lion gules within a mascle azure", true},
        {"Argent a mullet gules within a crescent azure", true},
        {"Argent a mullet azure environed of a mascle gules", true},
        {"Argent three mullets all within a lozenge gules", true},
        // Charges on an ordinary, or after another phrase, are not drawn within a picture.
        {"Or on a bend azure a mullet argent within a crescent gules", false},
        {"Argent a chevron gules between three mullets azure within a crescent gules", false},
        {"Azure a lion rampant argent within an annulet or", true},
        {"Or a lion rampant gules within a double tressure flory counterflory gules", true},
        {"Argent three mullets all within a bordure sable", true},
        {"Argent a mullet azure environed of a bordure gules", true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        const std::vector<std::string>& ignored = d.trace.ignoredWords;
        const bool within = std::find(ignored.begin(), ignored.end(), "within") != ignored.end() ||
                            std::find(ignored.begin(), ignored.end(), "environed") != ignored.end();
        EXPECT_EQ(within, !k.read);
        EXPECT_EQ(ignored.empty(), k.read);
    }
}

// "three mullets within an annulet": the group inside the ring's hole, each charge in a circle
// of its own (it was laid out over the field with the ring drawn over it). Sampled at each
// charge's centre and on the ring's band.
TEST(RelationForms, AGroupWithinAnAnnuletStandsInsideTheRing) {
    struct Case {
        const char* blazon;
        int count, charge, ring;
    };
    const Case cases[] = {
        {"Argent, three mullets within an annulet gules", 3, kGules, kGules},
        {"Or, two lozenges azure within an annulet gules", 2, kAzure, kGules},
        {"Vert, four mullets argent environed of an annulet Or", 4, kArgent, kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<RingSpot> spots = SpotsWithinTheRing(g, k.count);
        ASSERT_EQ(static_cast<int>(spots.size()), k.count);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(static_cast<int>(placed.size()), k.count + 1);
        const PlacementTrace& ring = placed.back();
        const double hole = g.W * kAnnuletWidthPercent / 100.0 / 2 * kHoleShareOfTheRing;
        for (const RingSpot& spot : spots) {
            EXPECT_EQ(d.At(spot.x, spot.y), test::Colour(k.charge)) << spot.x << "," << spot.y;
            EXPECT_LE(std::hypot(spot.x - ring.x, spot.y - ring.y) + spot.radius, hole + 2);
        }
        const int middle = static_cast<int>(g.W * kAnnuletWidthPercent / 100.0 / 2 * 0.85);
        EXPECT_EQ(d.At(ring.x - middle, ring.y), test::Colour(k.ring));
        EXPECT_EQ(d.At(ring.x + middle, ring.y), test::Colour(k.ring));
        EXPECT_EQ(d.At(ring.x, ring.y + middle), test::Colour(k.ring));
    }
}

// "a griffin maintaining a mullet": whatever holds it, the held charge is a third of the holder's
// size at its raised dexter forepaw, not a second charge as large over it.
TEST(RelationForms, AChargeMaintainedIsHeldSmallAtTheForepaw) {
    struct Case {
        const char* blazon;
        int held;
    };
    const Case cases[] = {
        {"Azure, a griffin segreant Or maintaining a mullet argent", kArgent},
        {"Vert, a unicorn rampant argent maintaining a lozenge gules", kGules},
        {"Gules, a bear rampant Or sustaining a roundel azure", kAzure},
        {"Sable, a lion rampant Or holding a mullet gules", kGules},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_LT(placed[1].scale, placed[0].scale / 2);
        // Up and to the dexter of the holder's middle, within its picture's square.
        EXPECT_LT(placed[1].x, placed[0].x);
        EXPECT_LT(placed[1].y, placed[0].y);
        EXPECT_EQ(d.At(placed[1].x, placed[1].y), test::Colour(k.held));
    }
}

// "a tree issuant from a mount": as "on a mount", the mount across the base and the charge
// standing on it; the base is the mount's tincture.
TEST(RelationForms, AChargeIssuantFromAMountStandsOnIt) {
    struct Case {
        const char* blazon;
        int mount;
    };
    const Case cases[] = {
        {"Azure, a tree Or issuant from a mount vert", kVert},
        {"Argent, a tree vert issuing from a mount gules", kGules},
        {"Or, a tower sable issuant out of a mount vert", kVert},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const int summit = g.H - g.H * kMountHeightPercent / 100;
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_LT(placed[0].y, summit);
        // Below the summit, half way to the foot, in the middle and a little to each side.
        const int y = (summit + g.straightBottom) / 2 + 20;
        for (const int x : {g.W2, g.W2 - g.W / 8, g.W2 + g.W / 8}) EXPECT_EQ(d.At(x, y), test::Colour(k.mount)) << x;
    }
}

// "an owl perched on a branch": the bird stands on the charge after it, its feet on the perch's
// middle, the perch laid across the lower field in its own tincture (it was drawn over the bird).
TEST(RelationForms, ABirdOnAChargeStandsOnIt) {
    struct Case {
        const char* blazon;
        int bird, perch;
    };
    const Case cases[] = {
        {"Gules, an owl argent perched on a branch Or", kArgent, kOr},
        {"Azure, an eagle close Or on a branch couped argent", kOr, kArgent},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const int middle = g.H * kPerchMiddlePercent / 100;
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_LT(placed[0].y, middle - g.H / 8);
        EXPECT_EQ(placed[1].y, middle);
        // The bird's breast above the perch is the bird's tincture, the field above its head bare.
        EXPECT_EQ(d.At(g.W2, middle - g.H / 5), test::Colour(k.bird));
        int perchPixels = 0;
        for (int y = middle - g.H / 20; y <= middle + g.H / 20; y += 2)
            for (int x = g.W / 8; x < g.W - g.W / 8; x += 4) perchPixels += d.At(x, y) == test::Colour(k.perch);
        EXPECT_GT(perchPixels, 20);
    }
}

// "overall on an escutcheon or a lion rampant within a double tressure gules": the ordinary about
// the charge that lies on a charge lies on that charge too (it was drawn round the whole field,
// counted clean). Against the same arms without it, every pixel it changes was the host charge's
// colour, and it changes a good many.
TEST(RelationForms, AnOrdinaryAboutAChargeOnAChargeLiesOnThatCharge) {
    struct Case {
        const char* blazon;
        const char* without;  // the same arms with no ordinary about the charge within
        int host;             // the host charge's tincture
    };
    const Case cases[] = {
        {"Argent a saltire azure, overall on an escutcheon or a lion rampant within a double tressure flory counterflory gules",
         "Argent a saltire azure, overall on an escutcheon or a lion rampant gules", kOr},
        {"Azure on an escutcheon argent a mullet within a bordure gules", "Azure on an escutcheon argent a mullet gules", kArgent},
        {"Vert on an escutcheon or a cross crosslet within an orle gules", "Vert on an escutcheon or a cross crosslet gules", kOr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d, bare;
        d.DrawClean(c.blazon);
        bare.DrawClean(c.without);
        const ShieldGeometry& g = d.s().geometry;
        int changed = 0;
        for (int y = 0; y < d.s().picture.Height(); ++y)
            for (int x = 0; x < g.W; ++x) {
                if (d.At(x, y) == bare.At(x, y)) continue;
                ++changed;
                ASSERT_EQ(bare.At(x, y), test::Colour(c.host)) << x << ", " << y;
                ASSERT_EQ(d.At(x, y), test::Colour(kGules)) << x << ", " << y;
            }
        EXPECT_GT(changed, g.Px(100));
    }
}

}  // namespace
}  // namespace esc
