// The modifiers of ordinaries and lines: cotises (single, double, triple, with their own tincture
// and line) on every ordinary that takes them, fimbriation single and double on ordinaries and
// charges, and a fimbriated line of partition. Colours are read at points computed from the
// shield's geometry, at two paint scales.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using namespace shapes;

struct NamedProbe {
    const char* where;
    double x, y;
    int tincture;
};

void ExpectPoints(const Drawing& d, const std::vector<NamedProbe>& points) {
    for (const NamedProbe& p : points) {
        const int x = static_cast<int>(std::lround(p.x)), y = static_cast<int>(std::lround(p.y));
        EXPECT_EQ(d.At(x, y), Colour(p.tincture)) << p.where << " at (" << x << ", " << y << ")";
    }
}

// The middle line of cotise i, out from an edge of the ordinary.
double CotiseMiddle(const ShieldGeometry& g, int i) {
    return g.Px(kCotiseGap) + g.Px(kCotiseWidth) / 2 + i * (g.Px(kCotiseWidth) + g.Px(kCotiseSpacing));
}
// Halfway across the gap between the ordinary's edge and its nearest cotise.
double InTheGap(const ShieldGeometry& g) { return g.Px(kCotiseGap) / 2.0; }

// A point `along` from (cx, cy) in the direction (dx, dy), and `out` across it toward (nx, ny).
NamedProbe Off(const char* where, double cx, double cy, double dx, double dy, double along, double nx, double ny, double out,
          int tincture) {
    const double n = std::hypot(dx, dy), m = std::hypot(nx, ny);
    return {where, cx + along * dx / n + out * nx / m, cy + along * dy / n + out * ny / m, tincture};
}

TEST(Cotises, EveryOrdinaryThatTakesThem) {
    Drawing d;
    for (const double k : {1.0, 2.0}) {
        d.s().SetPaintScale(k);
        const ShieldGeometry& g = d.s().geometry;
        const double W = g.W, H = g.H, D = g.chiefDepth, diagonal = std::hypot(W, H);
        const double pale = shapes::PaleHalfWidth(g);
        struct Case {
            const char* blazon;
            std::vector<NamedProbe> points;
        };
        std::vector<Case> cases;
        // The pale: one, then three cotises each side, the gaps between in the field.
        cases.push_back({"Argent a pale azure cotised gules",
                         {{"dexter cotise", W / 2 - pale - CotiseMiddle(g, 0), H / 3, kGules},
                          {"sinister cotise", W / 2 + pale + CotiseMiddle(g, 0), H / 3, kGules},
                          {"gap", W / 2 + pale + InTheGap(g), H / 3, kArgent},
                          {"pale", W / 2, H / 3, kAzure},
                          {"beyond", W / 2 + pale + CotiseMiddle(g, 1), H / 3, kArgent}}});
        cases.push_back({"Argent a pale sable triply cotised gules",
                         {{"first", W / 2 - pale - CotiseMiddle(g, 0), H / 3, kGules},
                          {"second", W / 2 - pale - CotiseMiddle(g, 1), H / 3, kGules},
                          {"third", W / 2 + pale + CotiseMiddle(g, 2), H / 3, kGules},
                          {"between the second and third",
                           W / 2 + pale + (CotiseMiddle(g, 1) + CotiseMiddle(g, 2)) / 2, H / 3, kArgent}}});
        // The bar: its cotises either side of the one bar's row.
        const BarRows bar = BarsOnTheField(g, 1);
        const double barY = bar.centres.at(0), barHalf = bar.width / 2.0;
        cases.push_back({"Or a bar azure cotised gules",
                         {{"above", W / 4, barY - barHalf - CotiseMiddle(g, 0), kGules},
                          {"below", W / 4, barY + barHalf + CotiseMiddle(g, 0), kGules},
                          {"gap", W / 4, barY + barHalf + InTheGap(g), kOr},
                          {"bar", W / 4, barY, kAzure}}});
        // The bend sinister: the bend's cotises mirrored, each a band falling 49 degrees from
        // the chief (the upper) or from the flank (the lower); the row halfway down crosses
        // the upper cotise, the gap next to it and the edge of the band at these columns of
        // the bend, mirrored (column x at W - 1 - x).
        const double slope = 656.0 / 755.0, half = (D + g.Px(10)) / 2, y = H / 2;
        const double upperCotise = W / 5 + g.Px(5) + y * slope, lowerCotise = (y - H / 5) * slope;
        const double upperEdge = half + y * (W - half) / (H - half);
        const auto mirrored = [&](double x) { return W - 1 - x; };
        cases.push_back({"Argent a bend sinister sable cotised gules",
                         {{"upper cotise", mirrored(upperCotise), y, kGules},
                          {"lower cotise", mirrored(lowerCotise), y, kGules},
                          {"gap", mirrored((upperEdge + upperCotise - g.Px(kCotiseWidth)) / 2), y, kArgent},
                          {"bend sinister", W / 2, H / 2, kSable}}});
        // The saltire: in the chief space, the cotise beside the dexter chief limb, and two
        // cotises beside the sinister base limb of a doubly cotised one.
        const double saltire = D / 2 * H / diagonal;
        cases.push_back({"Argent a saltire azure cotised gules",
                         {Off("chief space", W / 2, H / 2, -W, -H, g.Px(140), H, -W, saltire + CotiseMiddle(g, 0), kGules),
                          Off("dexter space", W / 2, H / 2, -W, -H, g.Px(140), -H, W, saltire + CotiseMiddle(g, 0), kGules),
                          Off("gap", W / 2, H / 2, -W, -H, g.Px(140), H, -W, saltire + InTheGap(g), kArgent),
                          {"the crossing", W / 2, H / 2, kAzure}}});
        cases.push_back({"Argent a saltire azure double cotised gules",
                         {Off("first", W / 2, H / 2, W, H, g.Px(140), -H, W, saltire + CotiseMiddle(g, 0), kGules),
                          Off("second", W / 2, H / 2, W, H, g.Px(140), -H, W, saltire + CotiseMiddle(g, 1), kGules)}});
        // The pall: beside the stem, and in the chief space beside the dexter limb.
        const double pallHalf = g.Px(kPallWidth) / 2.0, pallAcross = pallHalf * H / diagonal;
        cases.push_back({"Argent a pall vert cotised gules",
                         {{"beside the stem", W / 2 + pallHalf + CotiseMiddle(g, 0), H * 3 / 4, kGules},
                          {"gap by the stem", W / 2 - pallHalf - InTheGap(g), H * 3 / 4, kArgent},
                          Off("chief space", W / 2, H / 2, -W, -H, g.Px(130), H, -W, pallAcross + CotiseMiddle(g, 0), kGules)}});
        // The fess: "between two cotises" is one each side, "between four" two, "treble" three.
        const double c = (D - g.Px(10)) / 2;
        cases.push_back({"Or a fess azure between two cottises gules",
                         {{"upper", W / 4, H / 2 - c - g.Px(20), kGules}, {"lower", W / 4, H / 2 + c + g.Px(20), kGules},
                          {"no second", W / 4, H / 2 - c - g.Px(35), kOr}}});
        cases.push_back({"Or a fess azure between four cotises gules",
                         {{"second", W / 4, H / 2 - c - g.Px(35), kGules}, {"no third", W / 4, H / 2 + c + g.Px(50), kOr}}});
        cases.push_back({"Argent a fess azure treble cotised gules",
                         {{"third above", W / 4, H / 2 - c - g.Px(50), kGules},
                          {"third below", W / 4, H / 2 + c + g.Px(50), kGules}}});
        // The cross: the second cotise beside each limb.
        const double limb = static_cast<int>(D * 0.8) / 2;
        const double second = limb + g.Px(14) + g.Px(kCotiseWidth + kCotiseSpacing);
        cases.push_back({"Or a cross azure double cotised gules",
                         {{"beside the upper limb", W / 2 + second, H / 6, kGules},
                          {"beside the dexter limb", W / 6, H / 2 + second, kGules}}});
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.blazon << " at scale " << k);
            d.DrawClean(c.blazon);
            ExpectPoints(d, c.points);
        }
    }
}

// Cotises keep the tincture and line written for them, and the model of the arms keeps them.
TEST(Cotises, TinctureLineAndCountInTheModel) {
    Drawing d;
    struct Case {
        const char* blazon;
        int count, tincture;
        bool lined;
    };
    const Case cases[] = {{"Or a bend azure cotised wavy gules", 1, kGules, true},
                          {"Or a bend azure doubly cottised gules", 2, kGules, false},
                          {"Or a pale azure cotissed gules", 1, kGules, false},
                          {"Or a fess sable triple cotised vert", 3, kVert, false},
                          {"Or a bend azure cottised of the second", 1, kAzure, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.DrawClean(c.blazon);
        const model::Arms& arms = d.s().model.arms;
        ASSERT_FALSE(arms.groups.empty());
        const model::Modifiers& mod = arms.groups[0].members.at(0).modifiers;
        EXPECT_EQ(mod.cotises, c.count);
        EXPECT_EQ(mod.cotiseTincture, c.tincture);
        EXPECT_EQ(mod.cotiseLine >= 0, c.lined);
    }
}

// An ordinary that takes no cotises here is drawn alone and the drawing says so.
TEST(Cotises, UndrawnCotisesAreTold) {
    Drawing d;
    d.Draw("Argent a chief gules cotised azure");
    EXPECT_FALSE(d.sink.messages.empty());
}

TEST(Fimbriation, SingleAndDoubleOnOrdinaries) {
    Drawing d;
    for (const double k : {1.0, 2.0}) {
        d.s().SetPaintScale(k);
        const ShieldGeometry& g = d.s().geometry;
        const double W = g.W, H = g.H, top = H / 2 - g.chiefDepth / 2;
        SCOPED_TRACE(k);
        // The fess's upper edge: the outer edge first, then the inner, then the fess.
        d.DrawClean("Vert a fess gules fimbriated argent and or");
        ExpectPoints(d, {{"field", W / 3, top - g.Px(4), kVert},
                         {"outer edge", W / 3, top + g.Px(1), kOr},
                         {"inner edge", W / 3, top + g.Px(6), kArgent},
                         {"fess", W / 3, H / 2, kGules}});
        d.DrawClean("Vert a fess gules fimbriated argent");
        ExpectPoints(d, {{"edge", W / 3, top + g.Px(1), kArgent}, {"fess", W / 3, H / 2, kGules}});
        const model::Modifiers& mod = d.s().model.arms.groups.at(0).members.at(0).modifiers;
        EXPECT_EQ(mod.fimbriation, kArgent);
        EXPECT_EQ(mod.outerFimbriation, -1);
        // A saltire: both edges met walking from the field into the limb.
        d.DrawClean("Azure a saltire gules fimbriated argent and or");
        const model::Modifiers& saltire = d.s().model.arms.groups.at(0).members.at(0).modifiers;
        EXPECT_EQ(saltire.fimbriation, kArgent);
        EXPECT_EQ(saltire.outerFimbriation, kOr);
        std::vector<int> met;
        for (int x = static_cast<int>(W / 2); x > 0; --x) {
            const Rgb c = d.At(x, static_cast<int>(H / 6));
            for (const int t : {kAzure, kOr, kArgent, kGules})
                if (c == Colour(t) && (met.empty() || met.back() != t)) met.push_back(t);
        }
        // Across the whole limb (the field beyond it may lie past the shield's flank).
        met.resize(std::min<std::size_t>(met.size(), 6));
        EXPECT_EQ(met, (std::vector<int>{kAzure, kOr, kArgent, kGules, kArgent, kOr}));
    }
}

// "and gules" followed by a count begins the next part of the field: no second edge. The
// parts are drawn each as a field of its own; the cross is the first part's.
TEST(Fimbriation, AndATinctureOfTheNextPartIsNoSecondEdge) {
    Drawing d;
    d.Draw("Per fess or a cross sable fimbriated azure and gules three annulets of the first");
    ASSERT_EQ(d.trace.parts.size(), 2u);
    const model::Arms& arms = d.trace.parts[0].model;
    ASSERT_FALSE(arms.groups.empty());
    EXPECT_EQ(arms.groups[0].members.at(0).modifiers.outerFimbriation, -1);
}

// A charge's edges: walking in from the field, the outer edge, the inner edge, then the charge.
TEST(Fimbriation, DoubleOnCharges) {
    Drawing d;
    for (const char* blazon : {"Azure a mullet gules fimbriated argent and or", "Azure a lozenge gules fimbriated argent and or"}) {
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        std::vector<int> met;
        for (int x = g.Px(4); x < g.W / 2; ++x) {
            const Rgb c = d.At(x, g.H / 2);
            for (const int t : {kAzure, kOr, kArgent, kGules})
                if (c == Colour(t) && (met.empty() || met.back() != t)) met.push_back(t);
        }
        EXPECT_EQ(met, (std::vector<int>{kAzure, kOr, kArgent, kGules}));
    }
}

TEST(Fimbriation, LinesOfPartition) {
    Drawing d;
    for (const double k : {1.0, 2.0}) {
        d.s().SetPaintScale(k);
        const ShieldGeometry& g = d.s().geometry;
        const double W = g.W, H = g.H, off = g.Px(14), on = g.Px(3);
        struct Case {
            const char* blazon;
            std::vector<NamedProbe> points;
        };
        const std::vector<Case> cases = {
            {"Per pale fimbriated or gules and azure",
             {{"line", W / 2 + on, H / 3, kOr}, {"dexter", W / 2 - off, H / 3, kGules}, {"sinister", W / 2 + off, H / 3, kAzure}}},
            {"Per fess gules and azure fimbriated argent",
             {{"line", W / 3, H / 2 - on, kArgent}, {"chief", W / 3, H / 2 - off, kGules}, {"base", W / 3, H / 2 + off, kAzure}}},
            {"Per bend fimbriated or gules and vert",
             {{"line", W / 2, H / 2, kOr}, {"chief", W / 2 + off, H / 2 - off, kGules}, {"base", W / 2 - off, H / 2 + off, kVert}}},
            {"Quarterly fimbriated argent gules and azure",
             {{"down", W / 2, H / 4, kArgent}, {"across", W / 4, H / 2, kArgent}, {"first", W / 4, H / 4, kGules},
              {"second", 3 * W / 4, H / 4, kAzure}}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.blazon << " at scale " << k);
            d.DrawClean(c.blazon);
            ExpectPoints(d, c.points);
            EXPECT_EQ(d.s().model.arms.field.treatment.lineFimbriation, c.points[0].tincture);
        }
    }
    // A line of a style is not followed by the band: said, not drawn straight.
    d.s().SetPaintScale(1.0);
    d.Draw("Per pale indented fimbriated or gules and azure");
    EXPECT_FALSE(d.sink.messages.empty());
}

}  // namespace
}  // namespace esc

namespace esc {
namespace {

// A bordure parted bordurewise along a line: the first tincture outside, the second inside,
// both met crossing the bordure at the flank; without a line it is told, not drawn in one.
TEST(BordureBordurewise, InnerAndOuterHalves) {
    test::Drawing d;
    for (const char* blazon : {"Or a bordure parted bordurewise indented azure and gules",
                               "Or a bordure per bordure wavy azure and gules"}) {
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_EQ(d.At(g.Px(5), g.H / 2), test::Colour(kAzure));
        bool inner = false;
        for (int x = g.Px(5); x < g.Px(kBordureBreadth + 10); ++x) inner = inner || d.At(x, g.H / 2) == test::Colour(kGules);
        EXPECT_TRUE(inner);
        EXPECT_EQ(d.At(g.W / 2, g.H / 2), test::Colour(kOr));
    }
    d.Draw("Or a bordure parted bordurewise azure and gules");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

}  // namespace
}  // namespace esc
