// Relations and modifiers that serve any charge: throughout, a pair conjoined, issuant from a
// flank, gripped at an end, voided over a parted field, within and conjoined to an annulet, and
// the words read as said ("in annulo" of one charge, "close" of a head, "coward" apart).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/BordureRing.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/model/Arms.h"
#include "interpret/trace/ModelJson.h"
#include "interpret/trace/Trace.h"

namespace esc::test {
namespace {

// The box the k-th of the drawing's last `of` placements painted (0: the first of them).
Rect PaintedBox(const Drawing& d, int k, int of) {
    const int at = ((d.state->ringNext - of + k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
    return d.state->placementRing[static_cast<std::size_t>(at)].drawn;
}

bool MessageSaid(const Drawing& d, const std::string& part) {
    return std::any_of(d.sink.messages.begin(), d.sink.messages.end(),
                       [&](const std::string& m) { return m.find(part) != std::string::npos; });
}

TEST(ChargeRelations, AnyChargeThroughoutReachesEveryEdge) {
    struct Case {
        const char* blazon;
        const char* plain;
        int charge;
    };
    const Case cases[] = {
        {"Argent a sun throughout gules", "Argent a sun gules", kGules},
        {"Azure a mullet throughout or", "Azure a mullet or", kOr},
        {"Vert a cross formy throughout argent", "Vert a cross formy argent", kArgent},
        {"Sable on a sun throughout or an aspen leaf vert", "Sable on a sun or an aspen leaf vert", kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing through, plain;
        through.DrawClean(k.blazon);
        plain.DrawClean(k.plain);
        const ShieldGeometry& g = through.state->geometry;
        const Rect r = PaintedExtent(through, Colour(k.charge));
        const Rect alone = PaintedExtent(plain, Colour(k.charge));
        ASSERT_GE(r.right, r.left);
        // The widest and tallest reach of the picture meets the flanks and the chief, where the
        // same charge alone stands well inside them.
        const int near = g.Px(12);
        EXPECT_LE(r.left, near);
        EXPECT_GE(r.right, g.W - 1 - near);
        // The tip of the topmost point ends in its outline, a little short of the edge.
        EXPECT_LE(r.top, 3 * near);
        EXPECT_GT(alone.left, 2 * near);
        EXPECT_GT(alone.top, 4 * near);
        EXPECT_GT(r.Height(), alone.Height());
    }
    // The charge on it stands on its middle, where the charge throughout was set.
    Drawing on;
    on.DrawClean("Sable on a sun throughout or an aspen leaf vert");
    ASSERT_EQ(on.trace.levels.size(), 2u);
    ASSERT_FALSE(on.trace.levels[0].placements.empty());
    ASSERT_FALSE(on.trace.levels[1].placements.empty());
    const PlacementTrace sun = on.trace.levels[0].placements[0], leaf = on.trace.levels[1].placements[0];
    EXPECT_EQ(leaf.x, sun.x);
    EXPECT_EQ(leaf.y, sun.y);
    EXPECT_LT(leaf.scale, sun.scale);
}

TEST(ChargeRelations, ChargesThroughoutOnAChiefFillTheirShares) {
    const char* const cases[][2] = {
        {"Azure on a chief or three frets throughout vert", "Azure on a chief or three frets vert"},
        {"Argent on a chief gules two mullets throughout or", "Argent on a chief gules two mullets or"},
        {"Vert on a chief argent three crosses formy throughout sable", "Vert on a chief argent three crosses formy sable"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k[0]);
        Drawing through, plain;
        through.DrawClean(k[0]);
        plain.DrawClean(k[1]);
        ASSERT_EQ(through.trace.levels.size(), 2u);
        const std::vector<PlacementTrace>& spots = through.trace.levels[1].placements;
        const std::vector<PlacementTrace>& plainSpots = plain.trace.levels[1].placements;
        ASSERT_FALSE(spots.empty());
        ASSERT_EQ(spots.size(), plainSpots.size());
        const ShieldGeometry& g = through.state->geometry;
        const int n = static_cast<int>(spots.size());
        for (int i = 0; i < n; ++i) {
            const Rect box = PaintedBox(through, i, n);
            // Each reaches the top of the shield or the sides of its share of the chief.
            const bool top = box.top <= g.Px(8);
            const bool sides = box.Width() >= g.W / n - g.Px(16);
            EXPECT_TRUE(top || sides) << i;
            EXPECT_GT(spots[static_cast<std::size_t>(i)].scale, plainSpots[static_cast<std::size_t>(i)].scale);
            EXPECT_EQ(spots[static_cast<std::size_t>(i)].y, plainSpots[static_cast<std::size_t>(i)].y);
        }
    }
}

// Whether the charge's tincture or its outline lies within `reach` columns each side of the
// middle, on both sides, in the rows the charges take.
bool DrawnBothSidesOfTheMiddle(const Drawing& d, int charge, int reach, const Rect& rows) {
    const ShieldGeometry& g = d.state->geometry;
    bool left = false, right = false;
    for (int y = rows.top; y < rows.bottom; ++y)
        for (int x = g.W2 - reach; x <= g.W2 + reach; ++x) {
            const Rgb c = d.At(x, y);
            if (!(c == Colour(charge)) && !(c == Colour(kSable))) continue;
            (x < g.W2 ? left : right) = true;
        }
    return left && right;
}

TEST(ChargeRelations, PairConjoinedMeetsAtTheMiddle) {
    struct Case {
        const char* joined;
        const char* apart;
        int charge;
    };
    const Case cases[] = {
        {"Azure two horse's heads erased addorsed and conjoined argent", "Azure two horse's heads erased addorsed argent", kArgent},
        {"Gules two lions combatant conjoined or", "Gules two lions combatant or", kOr},
        {"Vert two boar's heads couped addorsed conjoined or", "Vert two boar's heads couped addorsed or", kOr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.joined);
        Drawing joined, apart;
        joined.DrawClean(k.joined);
        apart.DrawClean(k.apart);
        const ShieldGeometry& g = joined.state->geometry;
        // The dexter member is placed first; the rows both take.
        const Rect dexter = PaintedBox(joined, 0, 2), sinister = PaintedBox(joined, 1, 2);
        const Rect rows{0, std::min(dexter.top, sinister.top), g.W, std::max(dexter.bottom, sinister.bottom)};
        EXPECT_TRUE(DrawnBothSidesOfTheMiddle(joined, k.charge, g.Px(4), rows));
        EXPECT_FALSE(DrawnBothSidesOfTheMiddle(apart, k.charge, g.Px(12), rows));
        // Each on its own side of the middle.
        EXPECT_LT(dexter.left, g.W2);
        EXPECT_GT(sinister.right, g.W2);
    }
}

TEST(ChargeRelations, IssuantFromAFlankMeetsThatEdge) {
    struct Case {
        const char* blazon;
        int charge;
        bool fromSinister;
    };
    const Case cases[] = {
        {"Vert an arm issuant from sinister argent", kArgent, true},
        {"Vert an arm issuant from dexter argent", kArgent, false},
        {"Azure a dragon issuant from the sinister or", kOr, true},
        {"Gules a hand issuant from dexter argent", kArgent, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.state->geometry;
        const Rect r = PaintedExtent(d, Colour(k.charge));
        ASSERT_GE(r.right, r.left);
        const int near = g.Px(10);
        if (k.fromSinister) {
            EXPECT_GE(r.right, g.W - 1 - near);
            EXPECT_GT(r.left, near);
        } else {
            EXPECT_LE(r.left, near);
            EXPECT_LT(r.right, g.W - 1 - near);
        }
    }
}

TEST(ChargeRelations, HeldChargeGrippedAtAnEnd) {
    struct Case {
        const char* gripped;
        const char* plain;
        int direction;  // -1: set higher (held by its lower end), +1 lower
    };
    const Case cases[] = {
        {"Purpure a hand grasping a sword at the hilt argent", "Purpure a hand grasping a sword argent", -1},
        {"Purpure a sword argent grasped at the hilt by a hand or", "Purpure a hand or grasping a sword argent", -1},
        {"Azure a hand grasping a sword by the blade or", "Azure a hand grasping a sword or", 1},
        {"Vert a hand grasping an axe by the haft argent", "Vert a hand grasping an axe argent", -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.gripped);
        Drawing gripped, plain;
        gripped.DrawClean(k.gripped);
        plain.DrawClean(k.plain);
        ASSERT_EQ(gripped.trace.levels.size(), 2u);
        ASSERT_EQ(plain.trace.levels.size(), 2u);
        ASSERT_FALSE(gripped.trace.levels[1].placements.empty());
        ASSERT_FALSE(plain.trace.levels[1].placements.empty());
        const PlacementTrace held = gripped.trace.levels[1].placements[0], middle = plain.trace.levels[1].placements[0];
        EXPECT_EQ(held.x, middle.x);
        EXPECT_EQ(held.scale, middle.scale);
        EXPECT_GT((held.y - middle.y) * k.direction, gripped.state->geometry.Px(10));
    }
}

TEST(ChargeRelations, VoidedOverAPartedFieldShowsTheField) {
    struct Case {
        const char* voided;
        const char* solid;
        const char* field;
    };
    const Case cases[] = {
        {"Per bend azure and argent a Latin cross voided and counterchanged", "Per bend azure and argent a Latin cross counterchanged",
         "Per bend azure and argent"},
        {"Per pale or and gules a mullet voided counterchanged", "Per pale or and gules a mullet counterchanged", "Per pale or and gules"},
        {"Per fess sable and argent a cross formy voided counterchanged", "Per fess sable and argent a cross formy counterchanged",
         "Per fess sable and argent"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.voided);
        Drawing voided, solid, field;
        voided.DrawClean(k.voided);
        solid.DrawClean(k.solid);
        field.DrawClean(k.field);
        // The middle of the charge's box lies inside its body: solid, it differs from the field
        // there; voided, the field shows through.
        const Rect box = PaintedBox(voided, 0, 1);
        ASSERT_GT(box.Width(), 0);
        const int x = box.left + box.Width() / 2, y = box.top + box.Height() / 2;
        EXPECT_FALSE(solid.At(x, y) == field.At(x, y));
        EXPECT_TRUE(voided.At(x, y) == field.At(x, y));
        // The edge is kept: somewhere along the row the voided charge is not the field.
        int kept = 0;
        for (int i = box.left; i <= box.right; ++i) kept += voided.At(i, y) == field.At(i, y) ? 0 : 1;
        EXPECT_GT(kept, 0);
    }
}

TEST(ChargeRelations, WithinAndConjoinedToAnAnnulet) {
    const char* const cases[][2] = {
        {"Argent a mullet gules within and conjoined to an annulet azure", "Argent a mullet gules within an annulet azure"},
        {"Or a cross formy sable within and conjoined to an annulet vert", "Or a cross formy sable within an annulet vert"},
        {"Azure a lozenge argent within and conjoined to an annulet or", "Azure a lozenge argent within an annulet or"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k[0]);
        Drawing joined, within;
        joined.DrawClean(k[0]);
        within.DrawClean(k[1]);
        // The ring is the second placement; the charge, first, reaches its hole.
        const Rect charge = PaintedBox(joined, 0, 2), ring = PaintedBox(joined, 1, 2), free = PaintedBox(within, 0, 2);
        const int hole = static_cast<int>(ring.Width() * 0.7);
        EXPECT_GE(std::max(charge.Width(), charge.Height()), hole * 95 / 100);
        EXPECT_GT(charge.Width() * charge.Height(), free.Width() * free.Height());
    }
}

TEST(ChargeRelations, EachChargedWithATincturePerBearer) {
    struct Case {
        const char* blazon;
        std::vector<int> tinctures;
    };
    const Case cases[] = {
        {"Azure two escutcheons argent each charged with a mullet sable and gules", {kSable, kGules}},
        {"Vert three lozenges or each charged with a roundel azure, gules and sable", {kAzure, kGules, kSable}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.DrawClean(k.blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u);
        const std::vector<PlacementTrace>& on = d.trace.levels[1].placements;
        ASSERT_EQ(on.size(), k.tinctures.size());
        // The middle of each charge on a bearer is in that member's tincture.
        for (std::size_t i = 0; i < on.size(); ++i) EXPECT_TRUE(d.At(on[i].x, on[i].y) == Colour(k.tinctures[i])) << i;
    }
}

// The model keeps the relations to the field that the placing drew, and the JSON prints them.
TEST(ChargeRelations, TheModelCarriesTheRelation) {
    struct Case {
        const char* blazon;
        const char* key;
        const char* value;  // the JSON text of the member's key
    };
    const Case cases[] = {
        {"Argent a sun throughout gules", "throughout", "true"},
        {"Gules two lions combatant conjoined or", "conjoined", "true"},
        {"Vert an arm issuant from sinister argent", "issuantFrom", "\"sinister\""},
        {"Vert an arm issuant from dexter argent", "issuantFrom", "\"dexter\""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.DrawClean(k.blazon);
        const model::Arms& arms = d.trace.model;
        ASSERT_EQ(arms.groups.size(), 1u);
        ASSERT_EQ(arms.groups[0].members.size(), 1u);
        const model::Modifiers& mod = arms.groups[0].members[0].modifiers;
        EXPECT_TRUE(mod.throughout || mod.pairJoined || mod.issuingFlank != IssuingFlank::kNone);
        const nlohmann::ordered_json json = ModelJson(arms);
        EXPECT_NE(json.dump().find("\"" + std::string(k.key) + "\":" + k.value), std::string::npos) << json.dump();
    }
    Drawing plain;
    plain.DrawClean("Argent a sun gules");
    EXPECT_EQ(ModelJson(plain.trace.model).dump().find("throughout"), std::string::npos);
}

TEST(ChargeRelations, WordsReadAsSaid) {
    // Read and drawn: the words change nothing the picture does not show.
    ExpectDrawnAlike("Argent three piles palewise azure", "Argent three piles azure");
    ExpectDrawnAlike("Or a pile palewise gules", "Or a pile gules");
    ExpectDrawnAlike("Vert a boar's head erased close argent", "Vert a boar's head erased argent");
    ExpectDrawnAlike("Gules a bear's head couped close or", "Gules a bear's head couped or");
    // Read and told: no picture shows them, and the charge is drawn without.
    struct Told {
        const char* blazon;
        const char* said;
    };
    const Told told[] = {
        {"Or a serpent in annulo vert", "in annulo"},
    };
    for (const Told& k : told) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        EXPECT_TRUE(MessageSaid(d, k.said));
    }
}

// The picture a level drew, without its folder: "oriental.an".
std::string DrawnPicture(const Drawing& d) {
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& p : level.pictures)
            if (p.drawn) return p.file.substr(p.file.rfind('/') + 1);
    return {};
}

TEST(ChargeRelations, FormsWithAPictureOfTheirOwnAreDrawnSoAndNotTold) {
    // Each was drawn in its nearest form and told ("No picture of ...") before its picture was
    // drawn; the plain greyhound's pictures wear no collar, the collared ones do.
    struct Case {
        const char* blazon;
        const char* picture;
    };
    const Case cases[] = {
        {"Argent an Oriental dragon in annulo purpure", "oriental.an"},
        {"Or a winged greyhound couchant, wings elevated and addorsed, coward azure", "wgreyhou.60"},
        {"Or a greyhound couchant coward sable", "greyhoun.60"},
        {"Argent a hawk tergiant sable", "falcon.tg"},
        {"Argent a lion sejant affronty gules", "lion.5af"},
        {"Argent a vulture close affronty sable", "vulture.3af"},
        {"Azure a domestic cat couchant guardant argent", "housecat.62"},
        {"Azure two domestic cats rampant argent", "housecat.1"},
        {"Or a greyhound passant sable", "greyhoun.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_EQ(DrawnPicture(d), c.picture);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        EXPECT_FALSE(MessageSaid(d, "No picture of"));
    }
}

TEST(ChargeRelations, ChargesOfSeveralSpellingsFindOnePicture) {
    struct Case {
        const char* blazon;
        const char* picture;
    };
    const Case cases[] = {
        {"Or a nettle leaf vert", "nettle.esv"},
        {"Or a chevron gules between three leaves of a nettle vert", "nettle.esv"},
        {"Azure a boughpot or", "boughpot.esv"},
        {"Azure a bough pot or", "boughpot.esv"},
        {"Gules three dagger's heads argent", "dagger.hd"},
        {"Argent a liver sable", "liver.esv"},
        {"Argent a liver bird sable", "liver.esv"},
        {"Argent a mullet voided and interlaced gules", "pentagra.esv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        std::string drawn;
        for (const LevelTrace& level : d.trace.levels)
            for (const PictureTrace& p : level.pictures)
                if (p.drawn) drawn = p.file.substr(p.file.rfind('/') + 1);
        EXPECT_EQ(drawn, c.picture);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
    }
}

}  // namespace
}  // namespace esc::test
