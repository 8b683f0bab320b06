// Charges set on the charges before them: held in a paw, a claw, a beak or a mouth, one by each
// bearer; set above them (ensigned) and round them (enfiled); a whole group on each charge; what
// stands outside the shield, and a held charge with no known place, said and not drawn.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/Palette.h"
#include "interpret/layout/AttachedCharges.h"
#include "interpret/model/Arms.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

bool NearHolds(const Drawing& d, int x, int y, int r, Rgb colour) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (d.At(x + i, y + j) == colour) return true;
    return false;
}

bool SaidWith(const Drawing& d, std::string_view part) {
    for (const std::string& m : d.sink.messages)
        if (m.find(part) != std::string::npos) return true;
    return false;
}

bool ReadAsOneName(const Drawing& d, std::string_view glued) {
    for (const LevelTrace& l : d.trace.levels)
        if (l.name == glued) return true;
    return false;
}

// The held charge is small, at the place of the named limb on the bearer's picture (measured on
// the drawing), painted in its own tincture; the limb words are read, never glued to the charge.
TEST(HeldCharge, InTheNamedLimbOfTheBearer) {
    struct Case {
        const char* blazon;
        int kind;
        const char* name;
        const char* variant;
        Limb limb;
        int tincture;
        const char* glued;  // the name the limb words made before
    };
    const Case cases[] = {
        {"Or a dragon rampant gules holding in its claws a mace azure", kTypeCharge, "dragon", "1", Limb::Paw, kAzure, "clawsmace"},
        {"Argent a lion rampant gules holding in the dexter claw a sword azure", kTypeCharge, "lion", "1", Limb::Paw, kAzure, "clawsword"},
        {"Argent a lion rampant gules grasping in his dexter paw a sword azure", kTypeCharge, "lion", "1", Limb::Paw, kAzure, "pawsword"},
        {"Argent a lion passant gules holding in its mouth a cross crosslet azure", kTypeCharge, "lion", "3", Limb::Mouth, kAzure, "mouthcros"},
        {"Argent an eagle displayed sable holding in its beak a cross crosslet gules", 11, "eagle", "1", Limb::Mouth, kGules, "beakcros"},
        {"Argent an eagle sable holding in its beak a cross crosslet gules", 11, "eagle", "", Limb::Mouth, kGules, "beakcros"},
        {"Or a dexter hand gules holding a cross crosslet azure", 14, "hand", "", Limb::Hand, kAzure, "handcros"},
        {"Argent an arm embowed gules holding a cross crosslet azure", 14, "arm", "em", Limb::Hand, kAzure, "armcros"},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.DrawClean(c.blazon);
        EXPECT_FALSE(ReadAsOneName(d, c.glued)) << c.blazon;
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u) << c.blazon;
        LimbPlace place;
        ASSERT_TRUE(FindLimbPlace(GeneratedVocabulary().HoldingPoints(), c.kind, c.name, c.variant, c.limb, false, place)) << c.blazon;
        const PlacementTrace& bearer = placed[0];
        const PlacementTrace& held = placed[1];
        EXPECT_EQ(held.x, bearer.x + static_cast<int>(place.dx * bearer.scale)) << c.blazon;
        EXPECT_EQ(held.y, bearer.y + static_cast<int>(place.dy * bearer.scale)) << c.blazon;
        EXPECT_LT(held.x, bearer.x) << c.blazon;  // the limbs the bearers hold with are to the dexter
        EXPECT_LT(held.scale, bearer.scale / 2) << c.blazon;
        EXPECT_TRUE(NearHolds(d, held.x, held.y, 8, Colour(c.tincture))) << c.blazon;
    }
}

// The holding points are rows of data kept with the drawings: each row that names a picture
// names one the build made, in the attitude it gives, and a particular row (the dragon's) is
// found before the general one of its attitude (any beast rampant).
TEST(HeldCharge, HoldingPointsNameBuiltPicturesTheParticularFirst) {
    const std::vector<HoldingPoint>& rows = GeneratedVocabulary().HoldingPoints();
    ASSERT_GE(rows.size(), 10u);
    const std::filesystem::path lpics = std::filesystem::path(ESCAVAL_DATA_DIR) / "lpics";
    for (const HoldingPoint& row : rows) {
        if (row.picture.empty()) continue;
        bool found = false;
        for (const auto& entry : std::filesystem::directory_iterator(lpics)) {
            const std::string file = entry.path().filename().string();
            const std::string variant = file.substr(file.find('.') + 1);
            if (!file.starts_with(row.picture)) continue;
            if (row.prefix ? variant.starts_with(row.attitude) : variant == (row.attitude.empty() ? "esv" : row.attitude)) found = true;
        }
        EXPECT_TRUE(found) << "no picture " << row.picture << "." << row.attitude;
    }
    LimbPlace dragon, lion;
    ASSERT_TRUE(FindLimbPlace(rows, kTypeCharge, "dragon", "1", Limb::Paw, false, dragon));
    ASSERT_TRUE(FindLimbPlace(rows, kTypeCharge, "lion", "1", Limb::Paw, false, lion));
    EXPECT_NE(dragon.dy, lion.dy);
    LimbPlace none;
    EXPECT_FALSE(FindLimbPlace({}, kTypeCharge, "lion", "1", Limb::Paw, false, none));
}

// "each holding": one held charge by each bearer, at the same place on each; without "each", as
// many held charges as bearers are shared one each too.
TEST(HeldCharge, EachBearerHoldsOne) {
    const char* const blazons[] = {
        "Argent three boar's heads couped sable each holding in the mouth a cross crosslet gules",
        "Azure two lions rampant or each holding a sword argent",
        "Vert two eagles displayed or holding in their beaks two crosses crosslet gules",
    };
    for (const char* blazon : blazons) {
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_GE(d.trace.levels.size(), 2u) << blazon;
        const auto& bearers = d.trace.levels[0].placements;
        const auto& held = d.trace.levels[1].placements;
        ASSERT_EQ(held.size(), bearers.size()) << blazon;
        ASSERT_GE(bearers.size(), 2u) << blazon;
        for (std::size_t i = 0; i < held.size(); ++i) {
            EXPECT_EQ(held[i].x - bearers[i].x, held[0].x - bearers[0].x) << blazon;
            EXPECT_LT(held[i].scale, bearers[i].scale / 2) << blazon;
        }
    }
}

// "holding in the dexter paw a sword and in the sinister a cross": the second phrase is held by
// the same bearer in the other paw, the limb named again or not.
TEST(HeldCharge, ASecondPhraseInTheOtherPaw) {
    const char* const blazons[] = {
        "Argent a lion rampant gules holding in his dexter paw a sword azure and in his sinister paw a cross crosslet azure",
        "Argent a lion rampant gules holding in the dexter paw a sword azure and in the sinister a cross crosslet azure",
        "Or a lion rampant gules holding in his dexter paw a sword azure in his sinister paw a cross crosslet azure",
    };
    for (const char* blazon : blazons) {
        Drawing d;
        d.DrawClean(blazon);
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 3u) << blazon;
        LimbPlace dexter, sinister;
        ASSERT_TRUE(FindLimbPlace(GeneratedVocabulary().HoldingPoints(), kTypeCharge, "lion", "1", Limb::Paw, false, dexter));
        ASSERT_TRUE(FindLimbPlace(GeneratedVocabulary().HoldingPoints(), kTypeCharge, "lion", "1", Limb::Paw, true, sinister));
        const PlacementTrace& lion = placed[0];
        EXPECT_EQ(placed[1].y, lion.y + static_cast<int>(dexter.dy * lion.scale)) << blazon;
        EXPECT_EQ(placed[2].x, lion.x + static_cast<int>(sinister.dx * lion.scale)) << blazon;
        EXPECT_EQ(placed[2].y, lion.y + static_cast<int>(sinister.dy * lion.scale)) << blazon;
    }
}

// A bearer whose picture has no known holding point holds its charge beside it, on the side it
// faces (the dexter, or the sinister limb named), smaller than itself, in its own tincture.
TEST(HeldCharge, BesideTheBearerWhenNoHoldingPointIsKnown) {
    struct Case {
        const char* blazon;
        int tincture;
        bool sinister;
    };
    const Case cases[] = {
        {"Argent a lion statant guardant gules holding a sword azure", kAzure, false},
        {"Or a dove azure holding in its dexter claw a sword gules", kGules, false},
        {"Or a falcon azure holding in its beak a sword gules", kGules, false},
        {"Argent a bear sejant gules holding a sword azure", kAzure, false},
        {"Argent a lion statant guardant gules holding in his sinister paw a sword azure", kAzure, true},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.DrawClean(c.blazon);
        ASSERT_GE(d.trace.levels.size(), 2u) << c.blazon;
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u) << c.blazon;
        ASSERT_EQ(d.trace.levels[1].placements.size(), 1u) << c.blazon;
        const PlacementTrace& bearer = d.trace.levels[0].placements[0];
        const PlacementTrace& held = d.trace.levels[1].placements[0];
        EXPECT_LT(held.scale, bearer.scale / 2) << c.blazon;
        if (c.sinister) {
            EXPECT_GT(held.x, bearer.x) << c.blazon;
        } else {
            EXPECT_LT(held.x, bearer.x) << c.blazon;
        }
        EXPECT_LE(held.y, bearer.y) << c.blazon;  // at the height of the forelimbs, not the feet
        EXPECT_TRUE(NearHolds(d, held.x, held.y, 8, Colour(c.tincture))) << c.blazon;
    }
}

// The held charge written first ("a sword grasped by a hand") is the same arms as the holder
// written first: the same picture.
TEST(HeldCharge, HeldByIsTheSameAsHolding) {
    ExpectDrawnAlike("Or a sword azure grasped by a dexter hand gules", "Or a dexter hand gules grasping a sword azure");
    ExpectDrawnAlike("Argent a cross crosslet azure held by an arm embowed gules",
                     "Argent an arm embowed gules holding a cross crosslet azure");
    ExpectDrawnAlike("Argent a sword azure maintained by a lion rampant gules",
                     "Argent a lion rampant gules maintaining a sword azure");
}

// What stands outside the shield is said, and the arms are drawn.
TEST(HeldCharge, OrnamentOutsideTheShieldIsSaid) {
    const char* const ornaments[] = {
        "Azure two keys in saltire or; the shield ensigned with a mural crown or",
        "Gules a cross argent the shield ensigned by an imperial crown proper",
    };
    for (const char* blazon : ornaments) {
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(SaidWith(d, "outside the shield is not drawn")) << blazon;
        EXPECT_TRUE(d.trace.ignoredWords.empty()) << blazon;
        for (const LevelTrace& l : d.trace.levels) EXPECT_NE(l.name, "crown") << blazon;
    }
}

// "ensigned with": the ensign small and centred above its bearer, its lower edge on the bearer's
// top; one above each with "each".
TEST(Ensigned, TheEnsignAboveItsBearer) {
    const char* const blazons[] = {
        "Azure an escutcheon argent ensigned with a crown or",
        "Gules a sword in pale argent ensigned by a crown or",
        "Vert a tower argent ensigned with a mullet or",
    };
    for (const char* blazon : blazons) {
        Drawing d;
        d.DrawClean(blazon);
        const auto placed = AllPlacements(d);
        ASSERT_EQ(placed.size(), 2u) << blazon;
        EXPECT_NEAR(placed[1].x, placed[0].x, 2) << blazon;
        EXPECT_LT(placed[1].y, placed[0].y - 40) << blazon;
        EXPECT_LT(placed[1].scale, placed[0].scale) << blazon;
        EXPECT_TRUE(NearHolds(d, placed[1].x, placed[1].y, 10, Colour(kOr))) << blazon;
    }
    Drawing each;
    each.DrawClean("Azure two towers argent each ensigned with a mullet or");
    ASSERT_EQ(each.trace.levels.size(), 2u);
    ASSERT_EQ(each.trace.levels[1].placements.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) EXPECT_LT(each.trace.levels[1].placements[i].y, each.trace.levels[0].placements[i].y);
}

// "enfiled with", "enfiling": the crown round the middle of its bearer, or of the pair where they
// cross, painted over it.
TEST(Enfiled, TheCrownRoundTheMiddle) {
    const char* const blazons[] = {
        "Gules a sword in pale argent enfiled with a crown or",
        "Azure two keys in saltire argent enfiled by a crown or",
        "Azure two swords in saltire argent enfiling a crown or",
    };
    for (const char* blazon : blazons) {
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u) << blazon;
        const auto& bearers = d.trace.levels[0].placements;
        const auto& crown = d.trace.levels[1].placements;
        ASSERT_EQ(crown.size(), 1u) << blazon;
        int x = 0, y = 0;
        for (const PlacementTrace& b : bearers) {
            x += b.x;
            y += b.y;
        }
        const int n = static_cast<int>(bearers.size());
        EXPECT_EQ(crown[0].x, x / n) << blazon;
        EXPECT_EQ(crown[0].y, y / n) << blazon;
        EXPECT_TRUE(NearHolds(d, crown[0].x, crown[0].y, 12, Colour(kOr))) << blazon;
    }
}

// "each surmounted by": one over the middle of each bearer, in its own tincture.
TEST(EachSurmounted, OneOverTheMiddleOfEach) {
    const char* const blazons[] = {
        "Azure three escutcheons argent each surmounted by a mullet gules",
        "Or two towers azure each surmounted by a cross crosslet gules",
    };
    for (const char* blazon : blazons) {
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u) << blazon;
        const auto& bearers = d.trace.levels[0].placements;
        const auto& over = d.trace.levels[1].placements;
        ASSERT_EQ(over.size(), bearers.size()) << blazon;
        for (std::size_t i = 0; i < over.size(); ++i) {
            EXPECT_EQ(over[i].x, bearers[i].x) << blazon;
            EXPECT_EQ(over[i].y, bearers[i].y) << blazon;
            EXPECT_TRUE(NearHolds(d, over[i].x, over[i].y, 4, Colour(kGules))) << blazon;
        }
    }
}

// "each charged with as many mullets", "each charged with three": the whole group on each charge,
// inside it; "each charged with a mullet" stays one on each.
TEST(GroupOnEach, TheWholeGroupOnEachCharge) {
    struct Case {
        const char* blazon;
        std::size_t bearers, onEach;
    };
    const Case cases[] = {
        {"Azure three roundels argent each charged with as many mullets gules", 3, 3},
        {"Or two escutcheons azure each charged with three mullets argent", 2, 3},
        {"Vert three roundels argent each charged with two mullets gules", 3, 2},
        {"Azure three roundels argent each charged with a mullet gules", 3, 1},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.DrawClean(c.blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u) << c.blazon;
        const auto& bearers = d.trace.levels[0].placements;
        const auto& charges = d.trace.levels[1].placements;
        ASSERT_EQ(bearers.size(), c.bearers) << c.blazon;
        ASSERT_EQ(charges.size(), c.bearers * c.onEach) << c.blazon;
        for (std::size_t i = 0; i < charges.size(); ++i) {
            const PlacementTrace& b = bearers[i / c.onEach];
            EXPECT_LT(std::abs(charges[i].x - b.x), 30) << c.blazon;
            EXPECT_LT(std::abs(charges[i].y - b.y), 30) << c.blazon;
            EXPECT_GT(charges[i].scale, b.scale / 5) << c.blazon;  // large enough to be seen
            EXPECT_TRUE(NearHolds(d, charges[i].x, charges[i].y, 4, Colour(c.onEach == 3 && c.bearers == 2 ? kArgent : kGules)))
                << c.blazon;
        }
    }
}

// The reader's model holds the relations the words name.
TEST(AttachedModel, RelationsOfTheAttachedPhrase) {
    struct Case {
        const char* blazon;
        model::RelationKind kind;
    };
    const Case cases[] = {
        {"Argent a lion rampant gules holding in the dexter claw a sword azure", model::RelationKind::Maintains},
        {"Azure an escutcheon argent ensigned with a crown or", model::RelationKind::Ensigned},
        {"Gules a sword in pale argent enfiled with a crown or", model::RelationKind::Enfiled},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.Draw(c.blazon);
        const model::Arms& arms = d.state->model.arms;
        ASSERT_EQ(arms.relations.size(), 1u) << c.blazon;
        EXPECT_EQ(arms.relations[0].kind, c.kind) << c.blazon;
        EXPECT_EQ(arms.relations[0].subject, 0) << c.blazon;
        EXPECT_EQ(arms.relations[0].object, 1) << c.blazon;
    }
}

}  // namespace
}  // namespace esc::test
