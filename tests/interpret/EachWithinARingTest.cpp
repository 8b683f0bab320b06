// "each within an annulet" and "annulets each enclosing": one ring about every charge of the
// group, the charge in its ring's hole. The colours are sampled on each ring's band and at each
// inner charge's middle, both computed from the spots the model keeps.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/FreeInterior.h"
#include "interpret/model/Arms.h"

namespace esc {
namespace {

struct EachRingCase {
    const char* blazon;
    int inner, ring;  // the tinctures of the charges within and of the rings
    std::size_t count = 3;
};

// The spots placed by every member whose picture name begins with `stem`.
std::vector<ChargeSpot> SpotsOfGroup(const DrawingState& s, std::string_view stem) {
    std::vector<ChargeSpot> spots;
    for (const model::Group& g : s.model.arms.groups)
        for (const model::Member& m : g.members)
            if (std::string_view(m.charge).starts_with(stem))
                for (const model::PlacedCharge& p : m.placed) spots.push_back(p.spot);
    return spots;
}

void ExpectEachInItsRing(const EachRingCase& c, std::string_view innerStem) {
    SCOPED_TRACE(c.blazon);
    test::Drawing d;
    d.DrawClean(c.blazon);
    const std::vector<ChargeSpot> rings = SpotsOfGroup(d.s(), "annulet");
    const std::vector<ChargeSpot> inner = SpotsOfGroup(d.s(), innerStem);
    ASSERT_EQ(rings.size(), c.count);
    ASSERT_EQ(inner.size(), rings.size());
    // The relation is kept once, said of every charge.
    bool each = false;
    for (const model::Relation& r : d.s().model.arms.relations) each = each || (r.kind == model::RelationKind::Within && r.each);
    EXPECT_TRUE(each);
    const std::optional<FreeInterior> hole = PictureInterior(d.s(), "annulet", "");
    ASSERT_TRUE(hole.has_value());
    const float pw = static_cast<float>(d.s().chargePicture.PW), ph = static_cast<float>(d.s().chargePicture.PH);
    const float outer = static_cast<float>(hole->lastColumn - hole->firstColumn + 1) / 2;
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const ChargeSpot& r = rings[i];
        const float cx = static_cast<float>(r.x) + (hole->x - pw / 2) * r.scale / 2;
        const float cy = static_cast<float>(r.y) + (hole->y - ph / 2) * r.scale / 2;
        // Halfway across the ring's band, in the four directions.
        const float band = (hole->radius + outer) / 2 * r.scale / 2;
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
            const int x = static_cast<int>(std::lround(cx + dx * band)), y = static_cast<int>(std::lround(cy + dy * band));
            EXPECT_EQ(d.At(x, y), test::Colour(c.ring)) << "ring " << i << " at " << x << "," << y;
        }
        // The charge within stands inside this ring's hole.
        const float off = std::hypot(static_cast<float>(inner[i].x) - cx, static_cast<float>(inner[i].y) - cy);
        EXPECT_LT(off, hole->radius * r.scale / 2 / 4) << "charge " << i;
        EXPECT_EQ(d.At(inner[i].x, inner[i].y), test::Colour(c.inner)) << "charge " << i;
    }
}

// "three mullets each within an annulet": the rings where the group would stand, one charge in
// each hole (all three had been drawn inside one ring).
TEST(EachWithinARing, EachChargeWithinARingOfItsOwn) {
    const EachRingCase cases[] = {
        {"Gules, three mullets each within an annulet or", kOr, kOr},
        {"Argent three mullets azure each within an annulet gules", kAzure, kGules},
        {"Or, three mullets sable each environed of an annulet vert", kSable, kVert},
        {"Azure, two mullets argent each within an annulet or", kArgent, kOr, 2},
    };
    for (const EachRingCase& c : cases) ExpectEachInItsRing(c, "mullet");
}

// "three annulets each enclosing a mullet": the same drawing written from the rings.
TEST(EachWithinARing, RingsEachEnclosingACharge) {
    const EachRingCase cases[] = {
        {"Gules three annulets or each enclosing a mullet azure", kAzure, kOr},
        {"Argent, three annulets sable each enclosing a mullet gules", kGules, kSable},
        {"Vert three annulets argent each enclosing a mullet or", kOr, kArgent},
    };
    for (const EachRingCase& c : cases) ExpectEachInItsRing(c, "mullet");
}

// "each within a bordure" has no drawing of one bordure to each charge: "each" stays unread,
// so the shield is not counted clean.
TEST(EachWithinARing, EachWithinABordureIsNotCountedClean) {
    for (const char* blazon : {"Azure three escallops each within a bordure or", "Gules three mullets each within an orle argent"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(d.trace.ignoredWords.empty());
    }
}

}  // namespace
}  // namespace esc
