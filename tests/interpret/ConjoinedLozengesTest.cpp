// Ordinaries of lozenges conjoined ("a pale fusilly", "a fess masculy"): each lozenge painted
// where the ordinary's axes put it, the field showing between neighbours (and in a mascle's
// void) where the whole ordinary would have covered it; at paint scales 1 and 2.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/BordureRing.h"
#include "engine/ConjoinedLozenges.h"
#include "engine/OrdinaryShapes.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

struct Probe {
    double x, y;
    bool ordinary;  // the ordinary's tincture expected, else the field's
};

// Points of each lozenge: inside near its long point; at its centre (a mascle's void); and
// beside a point where it meets its neighbour, inside the plain ordinary's breadth but outside
// every lozenge. Only points well inside the shield and clear of every other lozenge are kept.
std::vector<Probe> ProbesOf(const ShieldGeometry& g, const std::vector<Lozenge>& all, bool mascles) {
    std::vector<Probe> out;
    const int margin = g.Px(6);
    auto inside = [&](double x, double y) {
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        return InsideShield(g, ix - margin, iy) && InsideShield(g, ix + margin, iy) && InsideShield(g, ix, iy - margin) &&
               InsideShield(g, ix, iy + margin);
    };
    auto inAny = [&](double x, double y, double scale) {
        for (const Lozenge& z : all)
            if (z.Contains(x, y, scale)) return true;
        return false;
    };
    for (const Lozenge& z : all) {
        const double nx = -z.uy, ny = z.ux;
        const double tipX = z.cx + 0.75 * z.halfLength * z.ux, tipY = z.cy + 0.75 * z.halfLength * z.uy;
        if (inside(tipX, tipY)) out.push_back({tipX, tipY, true});
        if (mascles && inside(z.cx, z.cy)) {
            // The void: in no mascle's solid part.
            bool solid = false;
            for (const Lozenge& o : all) solid = solid || (o.Contains(z.cx, z.cy) && !o.Contains(z.cx, z.cy, kMascleVoid));
            if (!solid) out.push_back({z.cx, z.cy, false});
        }
        for (const double side : {-1.0, 1.0}) {
            const double x = z.cx + 0.5 * z.halfLength * z.ux + side * 0.8 * z.halfBreadth * nx;
            const double y = z.cy + 0.5 * z.halfLength * z.uy + side * 0.8 * z.halfBreadth * ny;
            if (inside(x, y) && !inAny(x, y, 1.0)) out.push_back({x, y, false});
        }
    }
    return out;
}

TEST(ConjoinedLozenges, EachOrdinaryAsARowOfFusilsOrMascles) {
    struct Case {
        const char* blazon;
        ShapeCode shape;
        bool fusils;
    };
    const Case cases[] = {
        {"Argent a pale fusilly gules", kPale, true},         {"Argent a fess fusilly gules", kFess, true},
        {"Argent a bend fusilly gules", kBend, true},         {"Argent a bend sinister masculy gules", kBendSinister, false},
        {"Argent a chevron fusilly gules", kChevron, true},   {"Argent a cross masculy gules", kCross, false},
        {"Argent a saltire fusilly gules", kSaltire, true},   {"Argent a fess masculy gules", kFess, false},
        {"Argent a pale masculy gules", kPale, false},
    };
    for (const double k : {1.0, 2.0}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.blazon) + " at " + std::to_string(k));
            Drawing d;
            d.s().SetPaintScale(k);
            d.DrawClean(c.blazon);
            const ShieldGeometry& g = d.s().geometry;
            const std::vector<Lozenge> all = ConjoinedLozenges(g, c.shape, c.fusils);
            ASSERT_GE(all.size(), 3u);
            const std::vector<Probe> probes = ProbesOf(g, all, !c.fusils);
            int ordinary = 0, field = 0;
            for (const Probe& p : probes) {
                const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
                EXPECT_EQ(d.At(x, y), Colour(p.ordinary ? kGules : kArgent)) << "(" << x << ", " << y << ")";
                (p.ordinary ? ordinary : field) += 1;
            }
            EXPECT_GE(ordinary, 2);
            EXPECT_GE(field, 2);
            const auto& member = d.s().model.arms.groups.at(0).members.at(0);
            EXPECT_EQ(member.modifiers.variant, c.fusils ? "fu" : "ma");
        }
    }
}

// "a chevron of five lozenges", as armorials print a chevron of lozenges conjoined: so many
// lozenges, each painted where the ordinary's axes put it, the field between them.
TEST(ConjoinedLozenges, AnOrdinaryOfSoManyLozenges) {
    struct Case {
        const char* blazon;
        ShapeCode shape;
        int count;
        bool fusils;
    };
    const Case cases[] = {
        {"Argent a chevron of five lozenges gules", kChevron, 5, false},
        {"Argent a fess of four lozenges gules", kFess, 4, false},
        {"Argent a pale of three fusils gules", kPale, 3, true},
        {"Argent a bend of five lozenges gules", kBend, 5, false},
        {"Argent a cross of nine lozenges gules", kCross, 9, false},
        {"Argent a bend sinister of five lozenges conjoined gules", kBendSinister, 5, false},
        {"Argent a pale of four fusils conjoined gules", kPale, 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<Lozenge> all = ConjoinedLozenges(g, c.shape, c.fusils, c.count);
        ASSERT_EQ(all.size(), static_cast<std::size_t>(c.count));
        int ordinary = 0, field = 0;
        for (const Probe& p : ProbesOf(g, all, false)) {
            const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
            EXPECT_EQ(d.At(x, y), Colour(p.ordinary ? kGules : kArgent)) << "(" << x << ", " << y << ")";
            (p.ordinary ? ordinary : field) += 1;
        }
        EXPECT_GE(ordinary, 2);
        EXPECT_GE(field, 2);
        // Stretched along a long limb, a lozenge stays a lozenge (half again as long as broad,
        // a fusil twice), not a square turned on the diagonal.
        if (c.shape == kBend || c.shape == kBendSinister || c.shape == kPale) {
            for (const Lozenge& z : all) EXPECT_GE(z.halfLength, (c.fusils ? 1.95 : 1.45) * z.halfBreadth);
        }
        // Every lozenge's middle is painted: none is left out or drawn past the count.
        for (const Lozenge& z : all) {
            if (InsideShield(g, static_cast<int>(z.cx), static_cast<int>(z.cy))) {
                EXPECT_EQ(d.At(static_cast<int>(z.cx), static_cast<int>(z.cy)), Colour(kGules));
            }
        }
    }
}

TEST(ConjoinedLozenges, FessFusilsStandUprightAndFillTheWidth) {
    Drawing d;
    d.DrawClean("Argent a fess fusilly gules");
    const ShieldGeometry& g = d.s().geometry;
    const std::vector<Lozenge> fusils = ConjoinedLozenges(g, kFess, true);
    // Upright: the long axis down the fess, as deep as the fess; side by side across the shield.
    for (const Lozenge& z : fusils) {
        EXPECT_NEAR(z.uy, 1.0, 1e-9);
        EXPECT_NEAR(2 * z.halfLength, g.chiefDepth, 1.0);
        EXPECT_GT(z.halfLength, z.halfBreadth);
    }
    EXPECT_NEAR(fusils.front().cx - fusils.front().halfBreadth, 0, 1.0);
    EXPECT_NEAR(fusils.back().cx + fusils.back().halfBreadth, g.W, 1.0);
    // Above and below the middle of each fusil's upper and lower point lies the field.
    for (const Lozenge& z : fusils) {
        if (z.cx < g.W / 8 || z.cx > g.W - g.W / 8) continue;
        EXPECT_EQ(d.At(static_cast<int>(z.cx), static_cast<int>(z.cy - z.halfLength - g.Px(3))), Colour(kArgent));
        EXPECT_EQ(d.At(static_cast<int>(z.cx), static_cast<int>(z.cy - z.halfLength + g.Px(6))), Colour(kGules));
    }
}

// Mascles conjoined are one piece: every mascle meets a neighbour, and each meeting is painted
// across, a neck as broad as a tenth of the narrower mascle's breadth there each side.
TEST(ConjoinedLozenges, MasclesAreJoinedWhereTheyMeet) {
    struct Case {
        const char* blazon;
        ShapeCode shape;
        int count;
    };
    const Case cases[] = {{"Argent a pale masculy gules", kPale, 0},         {"Argent a bend masculy gules", kBend, 0},
                          {"Argent a fess masculy gules", kFess, 0},         {"Argent a chevron masculy gules", kChevron, 0},
                          {"Argent a saltire masculy gules", kSaltire, 0},   {"Argent a cross of five mascles gules", kCross, 5},
                          {"Argent a bend of four mascles gules", kBend, 4}};
    for (const double k : {1.0, 2.0}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.blazon) + " at " + std::to_string(k));
            Drawing d;
            d.s().SetPaintScale(k);
            d.DrawClean(c.blazon);
            const ShieldGeometry& g = d.s().geometry;
            const std::vector<Lozenge> all = ConjoinedLozenges(g, c.shape, false, c.count);
            const std::vector<Lozenge> joints = JointsOfConjoined(all);
            // A chain, or a tree from the crossing or the apex: one meeting fewer than mascles.
            EXPECT_EQ(joints.size() + 1, all.size());
            int checked = 0;
            for (const Lozenge& j : joints) {
                const double nx = -j.uy, ny = j.ux, side = j.halfBreadth / kMascleJoin / 10;
                for (const double s : {-side, 0.0, side}) {
                    const int x = static_cast<int>(std::lround(j.cx + s * nx)), y = static_cast<int>(std::lround(j.cy + s * ny));
                    if (!InsideShield(g, x - g.Px(4), y) || !InsideShield(g, x + g.Px(4), y) || !InsideShield(g, x, y + g.Px(4)))
                        continue;
                    EXPECT_EQ(d.At(x, y), Colour(kGules)) << "(" << x << ", " << y << ")";
                    ++checked;
                }
            }
            EXPECT_GE(checked, 3);
        }
    }
    // Fusils and lozenges touch point to point as drawn: no joint is painted over them.
    Drawing fusilly;
    fusilly.DrawClean("Argent a pale fusilly gules");
    const ShieldGeometry& g = fusilly.s().geometry;
    const std::vector<Lozenge> fusils = ConjoinedLozenges(g, kPale, true);
    const std::vector<Lozenge> fusilJoints = JointsOfConjoined(fusils);
    ASSERT_FALSE(fusilJoints.empty());
    const Lozenge& first = fusilJoints.front();
    const double across = first.halfBreadth / kMascleJoin / 10;
    EXPECT_EQ(fusilly.At(static_cast<int>(first.cx + across), static_cast<int>(first.cy)), Colour(kArgent));
}

TEST(ConjoinedLozenges, WhatIsNotAnOrdinaryOfLozengesIsLeft) {
    {
        SCOPED_TRACE("two tinctures: the pattern fusilly on the pale");
        Drawing d;
        d.DrawClean("Argent a pale fusilly or and gules");
        EXPECT_TRUE(d.s().model.arms.groups.at(0).members.at(0).modifiers.variant.empty());
    }
    for (const char* blazon : {"Argent a chief fusilly gules", "Argent a fess enhanced fusilly gules", "Argent a chevron fusilly gules cotised azure"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(WordUsed(d, "fusilly"));
    }
    {
        SCOPED_TRACE("voided: drawn plain, and said");
        Drawing d;
        d.Draw("Argent a pale fusilly voided gules");
        EXPECT_FALSE(d.sink.messages.empty());
    }
    {
        SCOPED_TRACE("a position after the lozenges is left unread");
        Drawing d;
        d.Draw("Argent a fess fusilly enhanced gules");
        EXPECT_FALSE(WordUsed(d, "enhanced"));
    }
}

}  // namespace
}  // namespace esc::test
