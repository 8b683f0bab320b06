// A field parted into parts that are fields of their own: each part's tincture inside it, and
// each part's charges, where its own layout put them, in their tinctures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/Messages.h"
#include "interpret/marshal/PartedField.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Where a part of the shield is sure to show its field: a corner of the part, in from the
// outline, away from the charges in its middle.
enum class Corner { DexterChief, SinisterChief, DexterFess, DexterBase, SinisterBase, MiddleChief };

struct PartPoint {
    int x = 0, y = 0;
};

PartPoint CornerOf(const ShieldGeometry& g, Corner c) {
    const int in = g.Px(20), low = g.straightBottom - g.Px(10);
    switch (c) {
        case Corner::DexterChief: return {in, g.Px(8)};
        case Corner::SinisterChief: return {g.W - in, g.Px(8)};
        case Corner::DexterBase: return {g.Px(30), low};
        case Corner::SinisterBase: return {g.W - g.Px(30), low};
        case Corner::DexterFess: return {in, g.H2};
        case Corner::MiddleChief: return {g.W2, g.Px(8)};
    }
    return {};
}

// A charge placed in a part's own drawing, on the shield: the part's drawing was reduced into
// its box.
PartPoint OnTheShield(const DrawingTrace& part, const PlacementTrace& p) {
    const DrawingTrace::PartBox& b = part.partBox;
    return {b.left + p.x * (b.right - b.left) / b.width, b.top + p.y * (b.bottom - b.top) / b.height};
}

std::vector<PlacementTrace> PlacementsOf(const DrawingTrace& part) {
    std::vector<PlacementTrace> out;
    for (const LevelTrace& l : part.levels) out.insert(out.end(), l.placements.begin(), l.placements.end());
    return out;
}

struct PartCase {
    Corner corner;
    int field;
    int charges;  // the tincture at each of its charges' spots
};

struct FormCase {
    const char* blazon;
    std::vector<PartCase> parts;
};

// Draws each case clean and checks every part's field and charges.
void ExpectParts(const std::vector<FormCase>& cases) {
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        EXPECT_EQ(d.trace.road, "parted");
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.trace.parts.size(), c.parts.size());
        for (std::size_t i = 0; i < c.parts.size(); ++i) {
            SCOPED_TRACE(d.trace.parts[i].placed);
            const PartPoint corner = CornerOf(g, c.parts[i].corner);
            EXPECT_EQ(d.At(corner.x, corner.y), Colour(c.parts[i].field));
            const std::vector<PlacementTrace> placed = PlacementsOf(d.trace.parts[i]);
            if (placed.empty()) {
                // An ordinary: through the middle of the part's box.
                const DrawingTrace::PartBox& b = d.trace.parts[i].partBox;
                EXPECT_EQ(d.At((b.left + b.right) / 2, (b.top + b.bottom) / 2), Colour(c.parts[i].charges));
            }
            for (const PlacementTrace& p : placed) {
                const PartPoint spot = OnTheShield(d.trace.parts[i], p);
                EXPECT_EQ(d.At(spot.x, spot.y), Colour(c.parts[i].charges));
            }
        }
    }
}

TEST(PartedField, PartsNumbered) {
    ExpectParts({
        {"Per fess I azure three roundels or; II argent a roundel gules",
         {{Corner::DexterChief, kAzure, kOr}, {Corner::DexterBase, kArgent, kGules}}},
        {"Per pale I vert two roundels argent; II or a roundel azure",
         {{Corner::DexterChief, kVert, kArgent}, {Corner::SinisterChief, kOr, kAzure}}},
        {"Per bend I or a roundel azure; II gules a roundel argent",
         {{Corner::SinisterChief, kOr, kAzure}, {Corner::DexterBase, kGules, kArgent}}},
        {"Tierced per fess I argent a roundel gules; II vert a roundel or; III azure a roundel argent",
         {{Corner::DexterChief, kArgent, kGules}, {Corner::DexterFess, kVert, kOr}, {Corner::DexterBase, kAzure, kArgent}}},
    });
}

TEST(PartedField, PartsNamedByPlace) {
    ExpectParts({
        {"Per fess, in chief gules a roundel argent, in base or, a roundel vert",
         {{Corner::DexterChief, kGules, kArgent}, {Corner::DexterBase, kOr, kVert}}},
        {"Per pale, dexter, azure a roundel or, sinister argent a roundel sable",
         {{Corner::DexterChief, kAzure, kOr}, {Corner::SinisterChief, kArgent, kSable}}},
        {"Per bend sinister, in dexter chief vert a roundel or, in sinister base argent a roundel gules",
         {{Corner::DexterChief, kVert, kOr}, {Corner::SinisterBase, kArgent, kGules}}},
    });
}

// A part parted again: the shield is a grid, each cell a field of its own. "Of the last" and
// "of the second" name the whole text's tinctures.
TEST(PartedField, APartPartedAgain) {
    ExpectParts({
        {"Per fess I azure two roundels or; II per pale of the last a roundel gules and vert a roundel of the second",
         {{Corner::MiddleChief, kAzure, kOr}, {Corner::DexterBase, kOr, kGules}, {Corner::SinisterBase, kVert, kOr}}},
        {"Per pale, I per fess gules a roundel or and argent a roundel of the first; II azure a roundel argent",
         {{Corner::DexterChief, kGules, kOr}, {Corner::DexterBase, kArgent, kGules}, {Corner::SinisterChief, kAzure, kArgent}}},
    });
}

// Parts named by their tinctures alone, where the placement words cannot lay them out: an
// ordinary in a part per bend sinister, a field tierced.
TEST(PartedField, PartsByTheirTinctures) {
    ExpectParts({
        {"Per bend sinister vert a roundel or and argent a cross gules",
         {{Corner::DexterChief, kVert, kOr}, {Corner::SinisterBase, kArgent, kGules}}},
        {"Tierced per pale argent a roundel gules and azure a roundel or and vert a roundel argent",
         {{Corner::DexterChief, kArgent, kGules}, {Corner::MiddleChief, kAzure, kOr}, {Corner::SinisterChief, kVert, kArgent}}},
    });
}

// Two parts named by their tinctures, each a field of its own, its charges laid out in it,
// per pale, per fess and per bend. (One ordinary alone in a half per pale or per fess is drawn
// out to the half's edges by the placement words.)
TEST(PartedField, TwoPartsByTheirTinctures) {
    ExpectParts({
        {"Per pale vert a castle or and argent three roundels gules",
         {{Corner::DexterBase, kVert, kOr}, {Corner::SinisterChief, kArgent, kGules}}},
        {"Per fess azure three mullets or and argent a lion gules",
         {{Corner::DexterChief, kAzure, kOr}, {Corner::DexterBase, kArgent, kGules}}},
        {"Per bend or a roundel azure and gules a mullet argent",
         {{Corner::SinisterChief, kOr, kAzure}, {Corner::DexterBase, kGules, kArgent}}},
    });
}

// A line of partition between the parts, named by numbers or by tinctures, and in a part
// parted again.
TEST(PartedField, PartsWithALineOfPartition) {
    ExpectParts({
        {"Per fess wavy, I azure two roundels or; II argent a roundel gules",
         {{Corner::DexterChief, kAzure, kOr}, {Corner::DexterBase, kArgent, kGules}}},
        {"Per pale indented gules a lion or and argent a rose gules",
         {{Corner::DexterChief, kGules, kOr}, {Corner::SinisterChief, kArgent, kGules}}},
        {"Per bend embattled vert a roundel argent and or a roundel sable",
         {{Corner::SinisterChief, kVert, kArgent}, {Corner::DexterBase, kOr, kSable}}},
        {"Per fess I azure a roundel or; II per pale engrailed argent a roundel gules and vert a roundel or",
         {{Corner::MiddleChief, kAzure, kOr}, {Corner::DexterBase, kArgent, kGules}, {Corner::SinisterBase, kVert, kOr}}},
    });
}

// Tierced per bend: the upper part first, then the band across the shield, then the lower.
TEST(PartedField, TiercedPerBend) {
    ExpectParts({
        {"Tierced per bend argent a roundel gules and azure a roundel or and vert a roundel argent",
         {{Corner::SinisterChief, kArgent, kGules}, {Corner::DexterChief, kAzure, kOr}, {Corner::DexterBase, kVert, kArgent}}},
        {"Tierced per bend sinister I or a roundel azure; II gules a roundel argent; III sable a roundel or",
         {{Corner::DexterChief, kOr, kAzure}, {Corner::SinisterChief, kGules, kArgent}, {Corner::SinisterBase, kSable, kOr}}},
        {"Tierced per bend, in chief argent a roundel vert, in bend sable a roundel argent, in base or a roundel gules",
         {{Corner::SinisterChief, kArgent, kVert}, {Corner::DexterChief, kSable, kArgent}, {Corner::DexterBase, kOr, kGules}}},
    });
}

// Where the words leave a doubt the drawing says so, and is not clean.
TEST(PartedField, DoubtsAreTold) {
    Drawing d;
    d.Draw("Per fess I azure a roundel or; II argent a roundel gules all within a bordure vert");
    EXPECT_EQ(d.trace.road, "parted");
    EXPECT_NE(std::find(d.sink.messages.begin(), d.sink.messages.end(), std::string(msg::kLastPartMayLieOverAll)),
              d.sink.messages.end());
    Drawing e;
    e.Draw("Per bend or a cross gules and azure a roundel argent and vert a roundel or");
    EXPECT_NE(std::find(e.sink.messages.begin(), e.sink.messages.end(), std::string(msg::kPartsNotToldApart)),
              e.sink.messages.end());
    // Per chevron the halves are set by the placement words: the third opening is told there too.
    Drawing f;
    f.Draw("Per chevron argent a roundel gules and azure a roundel or and vert a roundel argent");
    EXPECT_NE(std::find(f.sink.messages.begin(), f.sink.messages.end(), std::string(msg::kPartsNotToldApart)),
              f.sink.messages.end());
    // The reader's text forms: a field not written so is not read as parts.
    EXPECT_FALSE(ReadPartedField("Per pale argent and gules", &GeneratedVocabulary()).has_value());
    EXPECT_FALSE(ReadPartedField("Per fess argent and azure in chief a roundel gules", &GeneratedVocabulary()).has_value());
    EXPECT_FALSE(ReadPartedField("Per fess I azure a roundel or", &GeneratedVocabulary()).has_value());
}

}  // namespace
}  // namespace esc::test
