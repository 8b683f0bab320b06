// Fields in three (tierced, per pall, per pile, point in point) read as treatments; the model's
// surfaces carrying their treatments into --explain --json; a treatment that breaks off said;
// charges in the dexter and sinister base.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "TestDrawing.h"
#include "engine/Messages.h"
#include "interpret/model/Arms.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

using test::Colour;

// The field's box as the field is painted: spread evenly about the shield's pale and fess lines.
// A point is named by its share of the box across (nx) and down (ny).
struct FieldBox {
    int left, right, top, bottom;
    explicit FieldBox(const ShieldGeometry& g) {
        const int halfW = std::max(g.W2 - 2, g.W - 1 - g.W2), halfH = std::max(g.H2 - 2, g.shieldBottom - 1 - g.H2);
        left = g.W2 - halfW;
        right = g.W2 + halfW;
        top = g.H2 - halfH;
        bottom = g.H2 + halfH;
    }
    int X(double nx) const { return left + static_cast<int>(nx * (right - left)); }
    int Y(double ny) const { return top + static_cast<int>(ny * (bottom - top)); }
};

struct At {
    double nx, ny;
    int tincture;
};

void ExpectAt(test::Drawing& d, const std::vector<At>& points) {
    const FieldBox f(d.s().geometry);
    for (const At& p : points)
        EXPECT_EQ(d.At(f.X(p.nx), f.Y(p.ny)), Colour(p.tincture)) << "at (" << p.nx << ", " << p.ny << ")";
}

// Each form with two or more instances: its parts where heralds put them, in the order named.
TEST(FieldsInThree, EachPartWhereHeraldsPutIt) {
    struct Case {
        const char* blazon;
        std::vector<At> points;
    };
    const Case cases[] = {
        // Tierced per pale: dexter, middle, sinister.
        {"Tierced per pale gules, argent and azure", {{0.15, 0.4, kGules}, {0.5, 0.4, kArgent}, {0.85, 0.4, kAzure}, {0.5, 0.75, kArgent}}},
        {"Tierced in pale vert, or and sable", {{0.15, 0.6, kVert}, {0.5, 0.2, kOr}, {0.85, 0.6, kSable}}},
        // Tierced per fess: chief, middle, base.
        {"Tierced per fess or, gules and vert", {{0.5, 0.15, kOr}, {0.2, 0.5, kGules}, {0.8, 0.5, kGules}, {0.5, 0.8, kVert}}},
        {"Tierced per fess azure, argent and purpure", {{0.3, 0.12, kAzure}, {0.5, 0.5, kArgent}, {0.6, 0.82, kPurpure}}},
        // Tierced per bend: the chief side first; per bend sinister its mirror.
        {"Tierced per bend argent, gules and or", {{0.85, 0.2, kArgent}, {0.5, 0.5, kGules}, {0.2, 0.8, kOr}}},
        {"Tierced per bend sinister azure, or and gules", {{0.15, 0.2, kAzure}, {0.5, 0.5, kOr}, {0.8, 0.8, kGules}}},
        // Tierced per chevron: chief, the band between the lines, base.
        {"Tierced per chevron or, sable and argent", {{0.5, 0.1, kOr}, {0.1, 0.4, kOr}, {0.5, 0.35, kSable}, {0.5, 0.75, kArgent}}},
        // Per pall: chief, dexter, sinister; reversed: dexter, sinister, base.
        {"Tierced per pall gules, argent and azure", {{0.5, 0.15, kGules}, {0.2, 0.6, kArgent}, {0.8, 0.6, kAzure}}},
        {"Tierced gules, or and vert", {{0.5, 0.15, kGules}, {0.2, 0.6, kOr}, {0.8, 0.6, kVert}}},
        {"Tierced per pall reversed or, gules and azure", {{0.2, 0.3, kOr}, {0.8, 0.3, kGules}, {0.5, 0.85, kAzure}}},
        // Per pile: the flanks first, the pile from the chief; tierced, each flank its own.
        {"Per pile argent and sable", {{0.1, 0.3, kArgent}, {0.5, 0.3, kSable}, {0.9, 0.3, kArgent}, {0.5, 0.75, kSable}}},
        {"Tierced per pile gules, or and vert", {{0.1, 0.3, kGules}, {0.5, 0.3, kOr}, {0.9, 0.3, kVert}}},
        // Point in point: the point rises from the base to the fess point.
        {"Point in point azure and or", {{0.5, 0.3, kAzure}, {0.15, 0.75, kAzure}, {0.5, 0.85, kOr}, {0.85, 0.75, kAzure}}},
        {"Point in point gules, argent and azure", {{0.15, 0.5, kGules}, {0.5, 0.85, kArgent}, {0.85, 0.5, kAzure}}},
        // A part divided in turn.
        {"Per pall barry or and gules, argent and vert", {{0.2, 0.6, kArgent}, {0.8, 0.6, kVert}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ExpectAt(d, k.points);
    }
    {
        SCOPED_TRACE("a patterned third: barry of six laid in the dexter third");
        test::Drawing d;
        d.DrawClean("Tierced per pale barry or and gules, argent and vert");
        ExpectAt(d, {{0.5, 0.4, kArgent}, {0.85, 0.4, kVert}});
        for (int k = 0; k < 6; ++k) ExpectAt(d, {{1.0 / 6, (2 * k + 1) / 12.0, k % 2 == 0 ? kOr : kGules}});
    }
}

// "Reversed" turns per chevron and per pall over as "inverted" does.
TEST(FieldsInThree, ReversedIsInverted) {
    const char* pairs[][2] = {
        {"Per chevron reversed or and gules", "Per chevron inverted or and gules"},
        {"Per pall reversed gules, argent and azure", "Per pall1 gules argent and azure"},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair[0]);
        test::Drawing reversed, inverted;
        reversed.DrawClean(pair[0]);
        inverted.Draw(pair[1]);
        EXPECT_TRUE(reversed.s().picture == inverted.s().picture);
    }
}

// Words a treatment cannot place are said through the sink, naming the word, never dropped.
TEST(FieldsInThree, AWordTheTreatmentCannotPlaceIsSaid) {
    struct Case {
        const char* blazon;
        const char* word;
    };
    const Case cases[] = {
        {"Argent, a canton per fess or and wibble", "wibble"},
        {"Tierced per pale gules, argent and frobnitz", "frobnitz"},
        {"Tierced per pale gules and a lion or", "a"},
        {"Or, a chief tierced per fess gules, argent", "the end"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.Draw(k.blazon);
        std::string expected(msg::kTreatmentWordUnplaced);
        expected.replace(expected.find("{}"), 2, k.word);
        const auto& m = d.sink.messages;
        EXPECT_EQ(std::count(m.begin(), m.end(), expected), 1);
        EXPECT_EQ(std::count(m.begin(), m.end(), std::string(msg::kPartitionExpected)), 0);
    }
}

// The model's field and ordinaries carry their whole treatments, printed by --explain --json.
TEST(FieldsInThree, TheModelCarriesNestedTreatments) {
    {
        test::Drawing d;
        d.Draw("Per fess azure and paly or and gules, a canton per pale argent and per bend sable and vert");
        const auto json = nlohmann::json::parse(ExplainJson(d.trace));
        const auto& field = json["model"]["field"]["treatment"];
        EXPECT_EQ(field["form"], "division");
        EXPECT_EQ(field["division"], "per fess");
        ASSERT_EQ(field["parts"].size(), 2u);
        EXPECT_EQ(field["parts"][0]["tincture"], "azure");
        EXPECT_EQ(field["parts"][1]["pattern"], "paly");
        EXPECT_EQ(field["parts"][1]["parts"][1]["tincture"], "gules");
        const auto& canton = json["model"]["groups"][0]["members"][0]["surface"]["treatment"];
        EXPECT_EQ(canton["division"], "per pale");
        EXPECT_EQ(canton["parts"][0]["tincture"], "argent");
        EXPECT_EQ(canton["parts"][1]["division"], "per bend");
        EXPECT_EQ(canton["parts"][1]["parts"][1]["tincture"], "vert");
    }
    {
        test::Drawing d;
        d.Draw("Tierced per pale barry wavy of eight or and gules, argent and vert, a chief chequy azure and or");
        const auto json = nlohmann::json::parse(ExplainJson(d.trace));
        const auto& field = json["model"]["field"]["treatment"];
        EXPECT_EQ(field["division"], "tierced per pale");
        ASSERT_EQ(field["parts"].size(), 3u);
        EXPECT_EQ(field["parts"][0]["pattern"], "barry");
        EXPECT_EQ(field["parts"][0]["pieces"], 8);
        EXPECT_NE(field["parts"][0]["line"], -1);
        EXPECT_EQ(field["parts"][2]["tincture"], "vert");
        const auto& chief = json["model"]["groups"][0]["members"][0]["surface"]["treatment"];
        EXPECT_EQ(chief["pattern"], "chequy");
        EXPECT_EQ(chief["parts"][0]["tincture"], "azure");
    }
    {
        // Plain surfaces: one tincture each, counterchanged and proper by their names.
        test::Drawing d;
        d.Draw("Per pale or and azure, a bend counterchanged");
        const model::Arms& arms = d.trace.model;
        EXPECT_EQ(arms.field.treatment.Describe(), "per pale (Or | Azure)");
        ASSERT_EQ(arms.groups.size(), 1u);
        EXPECT_EQ(arms.groups[0].members[0].surface.treatment.form, model::TreatmentForm::Counterchanged);
    }
}

// In dexter base, in sinister base: the charges stand in that quarter of the field and nowhere else.
TEST(FieldsInThree, ChargesInTheBaseQuarters) {
    struct Case {
        const char* blazon;
        bool dexter;
        int tincture;  // the charges'
    };
    const Case cases[] = {
        {"Argent, in dexter base a mullet gules", true, kGules},
        {"Argent, in sinister base a mullet gules", false, kGules},
        {"Or, in sinister base three roundels azure", false, kAzure},
        {"Or, a bend azure, in dexter base two mullets gules", true, kGules},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        // Pixels of the charges' tincture in each quarter: dexter chief, sinister chief, dexter
        // base, sinister base.
        int quarters[4] = {0, 0, 0, 0};
        for (int y = 0; y < g.shieldBottom; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == Colour(k.tincture)) ++quarters[(y >= g.H2 ? 2 : 0) + (x >= g.W2 ? 1 : 0)];
        const int named = k.dexter ? 2 : 3;
        for (int q = 0; q < 4; ++q) {
            if (q == named) {
                EXPECT_GT(quarters[q], 500) << q;
            } else {
                EXPECT_EQ(quarters[q], 0) << q;
            }
        }
        const model::Arms& arms = d.trace.model;
        ASSERT_FALSE(arms.groups.empty());
        EXPECT_EQ(arms.groups.back().region, k.dexter ? model::Region::DexterBase : model::Region::SinisterBase);
    }
}

}  // namespace
}  // namespace esc
