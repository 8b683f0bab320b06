// The model of the arms the reader fills as it reads, and the JSON that prints it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "TestDrawing.h"
#include "interpret/model/Arms.h"
#include "interpret/trace/ModelJson.h"

namespace esc {
namespace {

using model::GroupKind;
using model::Region;
using model::RelationKind;

struct Expected {
    GroupKind kind;
    Region region;
    std::vector<std::string> charges;  // the members' charges
};

// Each blazon read into groups and relations; the relations as (kind, subject, object).
TEST(ModelTree, TheReaderBuildsGroupsAndRelations) {
    struct Case {
        const char* blazon;
        std::vector<Expected> groups;
        std::vector<model::Relation> relations;
    };
    const Case cases[] = {
        {"Argent, a bend azure charged with three mullets Or",
         {{GroupKind::Ordinary, Region::Whole, {"bend"}}, {GroupKind::Charges, Region::OnOrdinary, {"mullets"}}},
         {{RelationKind::ChargedWith, 0, 1}}},
        {"Argent, on a bend azure three mullets Or",
         {{GroupKind::Ordinary, Region::Whole, {"bend"}}, {GroupKind::Charges, Region::OnOrdinary, {"mullets"}}},
         {{RelationKind::ChargedWith, 0, 1}}},
        {"Or, a lion rampant gules charged with a crescent argent",
         {{GroupKind::Charges, Region::Whole, {"lion"}}, {GroupKind::Charges, Region::OnCharges, {"crescent"}}},
         {{RelationKind::ChargedWith, 0, 1}}},
        {"Argent, a chevron gules between three roses gules",
         {{GroupKind::Ordinary, Region::Whole, {"chevron"}}, {GroupKind::Charges, Region::AboutOrdinary, {"roses"}}},
         {{RelationKind::Between, 1, 0}}},
        {"Argent, a chevron gules, over all a bend sable",
         {{GroupKind::Ordinary, Region::Whole, {"chevron"}}, {GroupKind::Ordinary, Region::Overall, {"bend"}}},
         {{RelationKind::Surmounts, 1, 0}}},
        {"Or, a fess gules surmounted by a bend azure",
         {{GroupKind::Ordinary, Region::Whole, {"fess"}}, {GroupKind::Ordinary, Region::Whole, {"bend"}}},
         {{RelationKind::Surmounts, 1, 0}}},
        {"Gules, a lion rampant Or maintaining a sword argent",
         {{GroupKind::Charges, Region::Whole, {"lion"}}, {GroupKind::Charges, Region::Whole, {"sword"}}},
         {{RelationKind::Maintains, 0, 1}}},
        {"Or, a mullet azure environed of an annulet gules",
         {{GroupKind::Charges, Region::Whole, {"mullet"}}, {GroupKind::Charges, Region::Whole, {"annulet"}}},
         {{RelationKind::Within, 0, 1}}},
        {"Azure, a tree Or issuant from a mount vert",
         {{GroupKind::Charges, Region::Whole, {"tree"}}, {GroupKind::Charges, Region::Whole, {"mount"}}},
         {{RelationKind::IssuantFrom, 0, 1}}},
        // A group of several kinds is one group with a member per kind.
        {"Or, a mullet, a crescent and an escallop azure",
         {{GroupKind::Charges, Region::Whole, {"mullet", "crescent", "escallop"}}},
         {}},
        {"Argent, a fess between a crescent and a mullet gules",
         {{GroupKind::Ordinary, Region::Whole, {"fess"}}, {GroupKind::Charges, Region::AboutOrdinary, {"crescent", "mullet"}}},
         {{RelationKind::Between, 1, 0}}},
        {"Argent, in chief three mullets gules",
         {{GroupKind::Charges, Region::Chief, {"mullets"}}},
         {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        const model::Arms& arms = d.trace.model;
        ASSERT_EQ(arms.groups.size(), k.groups.size());
        for (std::size_t g = 0; g < k.groups.size(); ++g) {
            SCOPED_TRACE(g);
            const model::Group& group = arms.groups[g];
            EXPECT_EQ(group.kind, k.groups[g].kind);
            EXPECT_EQ(group.region, k.groups[g].region);
            ASSERT_EQ(group.members.size(), k.groups[g].charges.size());
            for (std::size_t m = 0; m < group.members.size(); ++m) EXPECT_EQ(group.members[m].charge, k.groups[g].charges[m]);
        }
        ASSERT_EQ(arms.relations.size(), k.relations.size());
        for (std::size_t r = 0; r < k.relations.size(); ++r) {
            EXPECT_EQ(arms.relations[r].kind, k.relations[r].kind);
            EXPECT_EQ(arms.relations[r].subject, k.relations[r].subject);
            EXPECT_EQ(arms.relations[r].object, k.relations[r].object);
        }
    }
}

// Tinctures per member, counts and modifiers of the members, and the field.
TEST(ModelTree, MembersKeepTheirOwnTincturesAndModifiers) {
    test::Drawing d;
    d.Draw("Azure, a lion's face Or and two swords argent");
    const model::Arms& arms = d.trace.model;
    EXPECT_EQ(arms.field.tincture, kAzure);
    ASSERT_EQ(arms.groups.size(), 1u);
    const model::Group& group = arms.groups[0];
    EXPECT_EQ(group.Count(), 3);
    ASSERT_EQ(group.members.size(), 2u);
    EXPECT_EQ(group.members[0].surface.tincture, kOr);
    EXPECT_EQ(group.members[1].count, 2);
    EXPECT_EQ(group.members[1].surface.tincture, kArgent);

    d.Draw("Per pale argent and sable, a heart gules fimbriated Or");
    ASSERT_EQ(d.trace.model.groups.size(), 1u);
    EXPECT_EQ(d.trace.model.field.division, d.s().partitionCode);
    EXPECT_EQ(d.trace.model.field.tincture, kArgent);
    EXPECT_EQ(d.trace.model.field.secondTincture, kSable);
    EXPECT_EQ(d.trace.model.groups[0].members[0].modifiers.fimbriation, kOr);

    d.Draw("Argent, a bend engrailed gules");
    ASSERT_EQ(d.trace.model.groups.size(), 1u);
    EXPECT_NE(d.trace.model.groups[0].members[0].modifiers.line, -1);

    // A drawing starts a model of its own.
    d.Draw("Or, a mullet gules");
    ASSERT_EQ(d.trace.model.groups.size(), 1u);
    EXPECT_TRUE(d.trace.model.relations.empty());
}

// Each member keeps the charges it placed: the spot as painted and its tincture, in placing
// order; an ordinary drawn as a shape keeps none.
TEST(ModelTree, EachMemberKeepsItsSpotsAndTinctures) {
    test::Drawing d;
    const auto member = [&d](std::size_t group, std::size_t m) -> const model::Member& {
        return d.trace.model.groups.at(group).members.at(m);
    };
    const auto tinctures = [](const model::Member& m) {
        std::vector<int> out;
        for (const model::PlacedCharge& p : m.placed) out.push_back(p.tincture);
        return out;
    };
    const ShieldGeometry& g = d.s().geometry;

    // A group of two kinds: a spot each, the first dexter of the second, each in its tincture.
    d.DrawClean("Argent, a mullet gules and a crescent azure");
    ASSERT_EQ(d.trace.model.groups.size(), 1u);
    ASSERT_EQ(member(0, 0).placed.size(), 1u);
    ASSERT_EQ(member(0, 1).placed.size(), 1u);
    EXPECT_LT(member(0, 0).placed[0].spot.x, g.W2);
    EXPECT_GT(member(0, 1).placed[0].spot.x, g.W2);
    EXPECT_EQ(tinctures(member(0, 0)), std::vector<int>{kGules});
    EXPECT_EQ(tinctures(member(0, 1)), std::vector<int>{kAzure});

    // In bend: down from dexter chief, each spot below and right of the one before.
    d.DrawClean("Argent, three mullets in bend sable");
    ASSERT_EQ(member(0, 0).placed.size(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_GT(member(0, 0).placed[i].spot.x, member(0, 0).placed[i - 1].spot.x);
        EXPECT_GT(member(0, 0).placed[i].spot.y, member(0, 0).placed[i - 1].spot.y);
    }
    EXPECT_EQ(tinctures(member(0, 0)), (std::vector<int>{kSable, kSable, kSable}));

    // On an ordinary: the bend keeps no spots, its charges lie along it.
    d.DrawClean("Argent, on a bend azure three mullets Or");
    ASSERT_EQ(d.trace.model.groups.size(), 2u);
    EXPECT_TRUE(member(0, 0).placed.empty());
    ASSERT_EQ(member(1, 0).placed.size(), 3u);
    EXPECT_GT(member(1, 0).placed[2].spot.x, member(1, 0).placed[0].spot.x);
    EXPECT_GT(member(1, 0).placed[2].spot.y, member(1, 0).placed[0].spot.y);
    EXPECT_EQ(tinctures(member(1, 0)), (std::vector<int>{kOr, kOr, kOr}));

    // Tinctures listed per charge, in placing order.
    d.DrawClean("Argent, three mullets azure, gules and vert");
    EXPECT_EQ(tinctures(member(0, 0)), (std::vector<int>{kAzure, kGules, kVert}));

    // A pair combatant: the dexter one mirrored to face the other.
    d.DrawClean("Or, two lions combatant gules");
    ASSERT_EQ(member(0, 0).placed.size(), 2u);
    EXPECT_TRUE(member(0, 0).placed[0].spot.mirror);
    EXPECT_FALSE(member(0, 0).placed[1].spot.mirror);

    // Turns of some members only: the second axe in chief mirrored, the harp in base flipped.
    d.DrawClean("Argent three axes gules, those in chief addorsed");
    ASSERT_EQ(member(0, 0).placed.size(), 3u);
    EXPECT_FALSE(member(0, 0).placed[0].spot.mirror);
    EXPECT_TRUE(member(0, 0).placed[1].spot.mirror);
    EXPECT_FALSE(member(0, 0).placed[2].spot.mirror);
    d.DrawClean("Or three harps gules those in base reversed");
    ASSERT_EQ(member(0, 0).placed.size(), 3u);
    EXPECT_FALSE(member(0, 0).placed[0].spot.flip);
    EXPECT_TRUE(member(0, 0).placed[2].spot.flip);

    // A sword point downward: its picture holds the point up, so the spot is flipped.
    d.DrawClean("Argent, a sword point downward gules");
    ASSERT_EQ(member(0, 0).placed.size(), 1u);
    EXPECT_TRUE(member(0, 0).placed[0].spot.flip);
    d.DrawClean("Argent, a sword fesswise gules");
    ASSERT_EQ(member(0, 0).placed.size(), 1u);
    EXPECT_EQ(member(0, 0).placed[0].spot.turn, ChargeTurn::kFesswise);
}

// --explain --json prints the tree, marshalled parts each with their own.
TEST(ModelTree, TheExplainJsonPrintsTheTree) {
    test::Drawing d;
    d.Draw("Argent, a bend azure charged with three mullets Or");
    const auto json = nlohmann::json::parse(ExplainJson(d.trace));
    ASSERT_TRUE(json.contains("model"));
    const auto& m = json["model"];
    EXPECT_EQ(m["field"]["tincture"], "argent");
    EXPECT_TRUE(m["field"]["secondTincture"].is_null()) << "none";
    ASSERT_EQ(m["groups"].size(), 2u);
    EXPECT_EQ(m["groups"][0]["kind"], "ordinary");
    EXPECT_EQ(m["groups"][1]["region"], "on ordinary");
    EXPECT_EQ(m["groups"][1]["count"], 3);
    EXPECT_EQ(m["groups"][1]["members"][0]["charge"], "mullets");
    EXPECT_EQ(m["groups"][1]["members"][0]["surface"]["tincture"], "or");
    EXPECT_EQ(m["groups"][1]["members"][0]["surface"]["treatment"]["tincture"], "or");
    ASSERT_EQ(m["relations"].size(), 1u);
    EXPECT_EQ(m["relations"][0]["kind"], "charged with");
    // Each member's spots: none for the bend, one a mullet with all its keys.
    EXPECT_TRUE(m["groups"][0]["members"][0]["spots"].empty());
    const auto& spots = m["groups"][1]["members"][0]["spots"];
    ASSERT_EQ(spots.size(), 3u);
    const model::PlacedCharge& first = d.trace.model.groups[1].members[0].placed[0];
    EXPECT_EQ(spots[0]["x"], first.spot.x);
    EXPECT_EQ(spots[0]["y"], first.spot.y);
    EXPECT_FLOAT_EQ(spots[0]["scale"].get<float>(), first.spot.scale);
    const char* turnNames[] = {"as drawn", "bendwise", "bendwise sinister", "fesswise"};
    EXPECT_EQ(spots[0]["turn"], turnNames[static_cast<int>(first.spot.turn)]);
    EXPECT_EQ(spots[0]["mirror"], false);
    EXPECT_EQ(spots[0]["flip"], false);
    EXPECT_EQ(spots[0]["tincture"], "or");

    d.Draw("Quarterly 1: Or, a mullet gules 2: Azure, a bend argent 3: Azure, a bend argent 4: Or, a mullet gules");
    const auto parts = nlohmann::json::parse(ExplainJson(d.trace));
    ASSERT_TRUE(parts.contains("parts"));
    for (const auto& part : parts["parts"]) {
        ASSERT_TRUE(part.contains("model"));
        EXPECT_EQ(part["model"]["groups"].size(), 1u);
    }
}

}  // namespace
}  // namespace esc
