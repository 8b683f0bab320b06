// The ordinaries' diminutives and pieces wherever a group stands: each drawn as the piece whose
// shape it takes, with its own breadth, and pieces that run the way of the ordinary they stand
// between drawn as its cotises. Never a question picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/model/Arms.h"
#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// The tincture of a pixel among those the blazons below use, -1 for any other colour.
int TinctureAt(const Drawing& d, int x, int y) {
    for (int t : {kOr, kArgent, kGules, kAzure, kSable})
        if (d.At(x, y) == Colour(t)) return t;
    return -1;
}

// The tinctures met along the line from (x0, y0) to (x1, y1), each run once, in order.
std::vector<int> RunsAlong(const Drawing& d, double x0, double y0, double x1, double y1) {
    std::vector<int> runs;
    const int steps = static_cast<int>(std::max(std::abs(x1 - x0), std::abs(y1 - y0)));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps == 0 ? 0 : static_cast<double>(i) / steps;
        const int tincture = TinctureAt(d, static_cast<int>(std::lround(x0 + t * (x1 - x0))),
                                        static_cast<int>(std::lround(y0 + t * (y1 - y0))));
        if (runs.empty() || runs.back() != tincture) runs.push_back(tincture);
    }
    return runs;
}

// How many pixels of `tincture` the line from (x0, y0) to (x1, y1) crosses.
int PixelsAlong(const Drawing& d, int tincture, double x0, double y0, double x1, double y1) {
    int count = 0;
    const int steps = static_cast<int>(std::max(std::abs(x1 - x0), std::abs(y1 - y0)));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        if (TinctureAt(d, static_cast<int>(std::lround(x0 + t * (x1 - x0))), static_cast<int>(std::lround(y0 + t * (y1 - y0)))) ==
            tincture)
            ++count;
    }
    return count;
}

bool AnyStandIn(const Drawing& d) {
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& p : level.pictures)
            if (p.standIn) return true;
    return false;
}

// Across the ordinary through the fess point, a piece each side of it: the field, a cotise, the
// field, the ordinary, the field, a cotise, the field.
TEST(Diminutives, PiecesBetweenTheirOrdinaryAreItsCotises) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const double W = g.W, H = g.H, D = g.chiefDepth, length = std::hypot(W, H);
    const std::vector<int> flanked = {kArgent, kGules, kArgent, kAzure, kArgent, kGules, kArgent};
    struct Case {
        const char* blazon;
        double dx, dy;  // across the ordinary, from the fess point
        double reach;
    };
    const Case cases[] = {
        {"Argent a fess azure between two barrulets gules", 0, 1, D},
        {"Argent a fess azure between two closets gules", 0, 1, D},
        {"Argent a fess azure between two bars gules", 0, 1, 1.5 * D},
        {"Argent a pale azure between two endorses gules", 1, 0, D},
        {"Argent a pale azure between two pallets gules", 1, 0, 1.5 * D},
        {"Argent a bend azure between two bendlets gules", -H / length, W / length, 1.2 * D},
        {"Argent a bend sinister azure between two scarpes gules", H / length, W / length, 1.2 * D},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.DrawClean(c.blazon);
        EXPECT_FALSE(AnyStandIn(d));
        EXPECT_EQ(RunsAlong(d, W / 2 - c.reach * c.dx, H / 2 - c.reach * c.dy, W / 2 + c.reach * c.dx, H / 2 + c.reach * c.dy),
                  flanked);
    }
    // Bars gemel beside a fess: a pair of thin bars each side.
    d.DrawClean("Argent a fess azure between two bars gemel gules");
    EXPECT_EQ(RunsAlong(d, W / 2, H / 2 - 1.5 * D, W / 2, H / 2 + 1.5 * D),
              (std::vector<int>{kArgent, kGules, kArgent, kGules, kArgent, kAzure, kArgent, kGules, kArgent, kGules, kArgent}));
    // The chevron's: one pair above it and one below, met down the pale.
    for (const char* blazon : {"Argent a chevron azure between two couple-closes gules", "Argent a chevron azure between two chevronels gules"}) {
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        EXPECT_EQ(RunsAlong(d, W / 2, H / 8, W / 2, H - H / 5), flanked);
    }
}

// Pieces beside an ordinary keep their own breadth, not the cotise's: measured across at the
// fess point on the side away from the chief, the bar is about half the fess, the closet half a
// bar and the barrulet a quarter; the pallet half the pale and the endorse half a pallet; the
// bendlet half the bend and the riband half a bendlet; the chevronel half the chevron and the
// couple-close half a chevronel.
TEST(Diminutives, PiecesBesideTheOrdinaryTakeTheirOwnBreadth) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const double W = g.W, H = g.H, D = g.chiefDepth, length = std::hypot(W, H);
    struct Family {
        const char *ordinary, *full, *half, *quarter;
        double dx, dy;  // across the ordinary from the fess point, toward the base
    };
    const Family families[] = {
        {"Argent a fess azure", "Argent a fess azure between two bars gules", "Argent a fess azure between two closets gules",
         "Argent a fess azure between two barrulets gules", 0, 1},
        {"Argent a pale azure", "Argent a pale azure between two pallets gules", "Argent a pale azure between two endorses gules",
         nullptr, 1, 0},
        {"Argent a bend azure", "Argent a bend azure between two bendlets gules", "Argent a bend azure between two ribands gules",
         nullptr, -H / length, W / length},
        {"Argent a chevron azure", "Argent a chevron azure between two chevronels gules",
         "Argent a chevron azure between two couple-closes gules", nullptr, 0, 1},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.full);
        // Along the line from the fess point (the middle of the chevron's limbs' crossing down
        // the pale) outward; the chevron's pieces are measured down the pale, all alike.
        const bool chevron = std::string(f.ordinary).find("chevron") != std::string::npos;
        const double y0 = chevron ? D / 2 + H / 3 : H / 2;
        auto across = [&](const char* blazon, int tincture) {
            d.DrawClean(blazon);
            // Outward twice the chief's depth, kept inside the picture (the pale's line meets
            // the flank first).
            const double x1 = std::clamp(W / 2 + 2 * D * f.dx, 0.0, W - 1), y1 = std::clamp(y0 + 2 * D * f.dy, 0.0, H - 1);
            return PixelsAlong(d, tincture, W / 2, y0, x1, y1);
        };
        const int ordinary = 2 * across(f.ordinary, kAzure), full = across(f.full, kGules), half = across(f.half, kGules);
        // Each is measured whole on its line, and each narrower one about half the one before.
        EXPECT_NEAR(full, ordinary / 2.0, ordinary * 0.15);
        EXPECT_NEAR(half, full / 2.0, full * 0.2 + 1);
        if (f.quarter != nullptr) {
            EXPECT_NEAR(across(f.quarter, kGules), full / 4.0, full * 0.1 + 1);
        }
    }
}

// A diminutive is drawn as its piece at a share of the piece's breadth: half for the closet,
// the endorse and the couple-close, a quarter for the barrulet; as many of them as the blazon
// counts.
TEST(Diminutives, NarrowerThanThePiecesTheyDiminish) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const int W = g.W, H = g.H;
    struct Family {
        std::vector<const char*> blazons;  // the piece first, then narrower ones
        int count;
        int x0, y0, x1, y1;               // the line across the pieces
    };
    const Family families[] = {
        {{"Argent a bar gules", "Argent a closet gules", "Argent a barrulet gules"}, 1, W / 2, 10, W / 2, H - 60},
        {{"Argent three bars gules", "Argent three closets gules", "Argent three barrulets wavy gules"}, 3, W / 3, 10, W / 3, H - 60},
        {{"Argent two pallets gules", "Argent two endorses gules"}, 2, 10, H / 3, W - 10, H / 3},
        {{"Argent two chevronels gules", "Argent two couple-closes gules"}, 2, W / 2, 10, W / 2, H - 60},
    };
    for (const Family& f : families) {
        int wider = 0;
        for (const char* blazon : f.blazons) {
            SCOPED_TRACE(blazon);
            d.DrawClean(blazon);
            EXPECT_FALSE(AnyStandIn(d));
            const std::vector<int> runs = RunsAlong(d, f.x0, f.y0, f.x1, f.y1);
            EXPECT_EQ(std::count(runs.begin(), runs.end(), kGules), f.count);
            const int across = PixelsAlong(d, kGules, f.x0, f.y0, f.x1, f.y1);
            if (wider > 0) {
                EXPECT_LE(across, wider * 6 / 10) << "as wide as the piece before it";
            }
            EXPECT_GT(across, 0);
            wider = across;
        }
    }
    // Flasques reach less far in from the flanks than flaunches.
    d.DrawClean("Argent two flaunches gules");
    const int flaunch = PixelsAlong(d, kGules, 2, H / 2, W / 2, H / 2);
    d.DrawClean("Argent two flasques gules");
    const int flasque = PixelsAlong(d, kGules, 2, H / 2, W / 2, H / 2);
    EXPECT_GT(flasque, 0);
    EXPECT_LT(flasque, flaunch * 8 / 10);
}

// One flaunch or flasque is one, on the side the blazon names (the dexter when it names none);
// flaunches are a pair, with or without their count.
TEST(Diminutives, OneFlaunchOnItsSide) {
    struct Case {
        const char* blazon;
        bool dexter, sinister;
    };
    const Case cases[] = {
        {"Argent a flasque gules", true, false},          {"Argent a flaunch gules", true, false},
        {"Argent a flaunch sinister gules", false, true}, {"Argent a flasque sinister gules", false, true},
        {"Argent a flaunch dexter gules", true, false},   {"Argent two flaunches gules", true, true},
        {"Argent two flasques gules", true, true},        {"Argent, flaunches gules", true, true},
        {"Argent flasques gules", true, true},            {"Argent flanches gules", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const int in = g.Px(8);
        for (const int y : {g.H / 3, g.H / 2, 2 * g.H / 3}) {
            EXPECT_EQ(TinctureAt(d, in, y), c.dexter ? kGules : kArgent);
            EXPECT_EQ(TinctureAt(d, g.W - in, y), c.sinister ? kGules : kArgent);
        }
        EXPECT_EQ(TinctureAt(d, g.W2, g.H2), kArgent);
    }
}

// The fillet lies along the lowest quarter of the chief's depth: on a chief, or alone where the
// chief's lower edge would be.
TEST(Diminutives, TheFilletAlongTheChiefsLowerEdge) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const int b = shapes::ChiefLowerEdge(g), x = g.W / 2;
    d.DrawClean("Argent a fillet gules");
    EXPECT_EQ(TinctureAt(d, x, b - 2), kGules);
    EXPECT_EQ(TinctureAt(d, x, b - b / 4 + 2), kGules);
    EXPECT_EQ(TinctureAt(d, x, b / 2), kArgent);
    EXPECT_EQ(TinctureAt(d, x, b + 4), kArgent);
    d.DrawClean("Argent a chief azure and a fillet gules");
    EXPECT_EQ(RunsAlong(d, x, 4, x, b + 10), (std::vector<int>{kAzure, kGules, kArgent}));
}

// Bars between a charge or an ordinary that runs another way lie across the field as bars do,
// where the bars on the field stand: no question picture for them.
TEST(Diminutives, BarsBetweenOtherThingsLieAcrossTheField) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    for (const char* blazon : {"Argent a mullet azure between two bars gules", "Argent a pale azure between two bars gules"}) {
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        EXPECT_FALSE(AnyStandIn(d));
        for (int y : BarsOnTheField(g, 2).centres) EXPECT_EQ(TinctureAt(d, g.Px(12), y), kGules) << y;
        EXPECT_EQ(TinctureAt(d, g.W / 2, g.H / 2), kAzure);
    }
}

// Bars and pallets (or their diminutives) set in a part of the field lie within it, across it
// or down it, whatever else the field holds.
TEST(Diminutives, PiecesWithinAPartOfTheField) {
    Drawing d;
    const ShieldGeometry& g = d.s().geometry;
    const int W = g.W, H = g.H, top = shapes::BaseUpperEdge(g);
    struct Case {
        const char* blazon;
        int count, tincture;
        int x0, y0, x1, y1;  // across the pieces, within their part
        int clearX, clearY;  // a point of the field outside the part
    };
    const Case cases[] = {
        {"Argent in base three closets azure", 3, kAzure, W / 2, top, W / 2, H - H / 20, W / 2, H / 3},
        {"Argent a lion rampant gules and in base two bars wavy azure", 2, kAzure, W / 4, top, W / 4, H - H / 20, W / 8, H / 2},
        {"Argent in dexter three pallets azure in sinister a lion rampant gules", 3, kAzure, 2, H / 3, W / 2 - 2, H / 3, W - 20, H / 10},
        {"Argent in sinister two endorses azure", 2, kAzure, W / 2 + 2, H / 3, W - 2, H / 3, W / 4, H / 3},
        {"Argent three mullets gules and in chief two barrulets azure", 2, kAzure, W / 2, 1, W / 2, g.chiefDepth, g.Px(6), H / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.DrawClean(c.blazon);
        EXPECT_FALSE(AnyStandIn(d));
        const std::vector<int> runs = RunsAlong(d, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(std::count(runs.begin(), runs.end(), c.tincture), c.count);
        EXPECT_EQ(TinctureAt(d, c.clearX, c.clearY), kArgent);
    }
    // On a base: the bars within the base, in their own tincture.
    d.DrawClean("Argent on a base gules two bars argent");
    EXPECT_EQ(RunsAlong(d, W / 4, top + 2, W / 4, H - H / 20), (std::vector<int>{kGules, kArgent, kGules, kArgent, kGules}));
}

// Pieces where no shape lays them are said, neither drawn as question pictures nor left out
// unsaid.
TEST(Diminutives, PiecesNoShapeLaysAreSaid) {
    Drawing d;
    for (const char* blazon : {"Azure two flaunches argent each charged with as many bars wavy of the field",
                               "Azure a bordure argent charged with two barrulets gules"}) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        EXPECT_FALSE(AnyStandIn(d));
        ASSERT_FALSE(d.sink.messages.empty());
        EXPECT_NE(d.sink.messages.back().find("No layout places"), std::string::npos) << d.sink.messages.back();
    }
}

// In the model, pieces are ordinaries in their own tincture wherever they stand: about the
// ordinary they flank, in a part of the field, alone.
TEST(Diminutives, PiecesAreOrdinariesOfTheModel) {
    struct Case {
        const char* blazon;
        std::size_t group;
        model::Region region;
        int tincture;
    };
    const Case cases[] = {
        {"Argent a fess azure between two barrulets gules", 1, model::Region::AboutOrdinary, kGules},
        {"Argent a bend azure between two bendlets gules", 1, model::Region::AboutOrdinary, kGules},
        {"Argent a lion rampant gules and in base two bars wavy azure", 1, model::Region::Base, kAzure},
        {"Argent four barrulets wavy azure", 0, model::Region::Whole, kAzure},
        {"Argent two endorses sable", 0, model::Region::Whole, kSable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const model::Arms& arms = d.trace.model;
        ASSERT_GT(arms.groups.size(), c.group);
        const model::Group& group = arms.groups[c.group];
        EXPECT_EQ(group.kind, model::GroupKind::Ordinary);
        EXPECT_EQ(group.region, c.region);
        ASSERT_FALSE(group.members.empty());
        EXPECT_EQ(group.members[0].surface.tincture, c.tincture);
    }
}

// The tressure's fleurs-de-lis as the books print them draw the tressure flory counterflory.
TEST(Diminutives, TheTressureFloryInItsPrintedForms) {
    Drawing modern, printed;
    modern.DrawClean("Or a lion rampant gules within a double tressure flory counterflory gules");
    for (const char* blazon : {"Or a lion rampant gules within a double tressure flowered and counterflowered gules",
                               "Or a lion rampant gules within a double tressure fleury-counter-fleury gules",
                               "Or a lion rampant gules within a double tressure flory counterflory of fleurs-de-lis gules"}) {
        SCOPED_TRACE(blazon);
        printed.DrawClean(blazon);
        EXPECT_FALSE(AnyStandIn(printed));
        EXPECT_TRUE(printed.s().picture == modern.s().picture);
    }
}

// "a fess between in chief a bar": one bar, beside the fess on the side it is placed, not a
// cotise each side. Down a column near the dexter edge the azure runs are counted: the bar and
// the fess, in order, or three runs when two bars flank it.
TEST(PiecesBesideTheFess, ABarPlacedInChiefOrInBaseLiesOnThatSideOnly) {
    struct Case {
        const char* blazon;
        int runs;
        bool wideFirst;  // the fess (the widest run) comes first, the bar below it
    };
    const Case cases[] = {
        {"Or a fess azure between in chief a bar azure", 2, false},
        {"Or a fess azure between in base a bar azure", 2, true},
        {"Or a fess azure between in chief a bar azure and in base a roundel gules", 2, false},
        {"Or a fess azure between two bars azure", 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        std::vector<int> runs;  // lengths of the azure runs from the top
        bool inRun = false;
        for (int y = 0; y < g.H; ++y) {
            const bool azure = d.At(g.Px(30), y) == Colour(kAzure);
            if (azure && !inRun) runs.push_back(0);
            if (azure) ++runs.back();
            inRun = azure;
        }
        ASSERT_EQ(static_cast<int>(runs.size()), c.runs);
        if (c.runs == 2) {
            EXPECT_EQ(runs[0] > runs[1], c.wideFirst);
        }
    }
}

}  // namespace
}  // namespace esc
