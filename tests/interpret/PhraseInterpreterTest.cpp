// The phrase interpreter on whole blazons: how each phrase is read into a level (name, kind,
// count, tinctures, variant, line, flags), how it is drawn, and where its charges go.

#include <gtest/gtest.h>

#include <cctype>

#include "PhraseTestState.h"
#include "TestDrawing.h"
#include "engine/Palette.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using test::Point;

struct Level {
    std::string name;
    int kind = 0, count = 0, tincture = -1;
    std::string variant = "";
    int line = -1;
    std::string flags = "";   // "on", "charged-on", "between", "in<code>", blank-separated
    std::string layout = "";  // the start of the layout the trace names
    int secondTincture = -1;
};

std::string Flags(const LevelTrace& t) {
    std::string out;
    auto add = [&](const std::string& f) { out += (out.empty() ? "" : " ") + f; };
    if (t.on) add("on");
    if (t.chargedOn) add("charged-on");
    if (t.between) add("between");
    if (t.in) add("in" + std::to_string(t.inCode));
    return out;
}

void ExpectLevels(const DrawingTrace& trace, const std::vector<Level>& levels) {
    ASSERT_EQ(trace.levels.size(), levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        SCOPED_TRACE("level " + std::to_string(i));
        const LevelTrace& t = trace.levels[i];
        const Level& e = levels[i];
        // A semé of the field is part of the field: its trace has an index of its own, and the
        // phrase after it is level 0.
        const bool fieldSeme = i == 0 && e.layout == "SemeeLayout";
        const int firstIndex = !levels.empty() && levels[0].layout == "SemeeLayout" ? 1 : 0;
        EXPECT_EQ(t.index, fieldSeme ? kFieldSemeTrace : static_cast<int>(i) - firstIndex);
        EXPECT_EQ(t.name, e.name);
        EXPECT_EQ(t.kind, e.kind);
        EXPECT_EQ(t.count, e.count);
        EXPECT_EQ(t.tincture, e.tincture);
        EXPECT_EQ(t.variant, e.variant);
        EXPECT_EQ(t.line, e.line);
        EXPECT_EQ(Flags(t), e.flags);
        EXPECT_EQ(t.layout.substr(0, e.layout.size()), e.layout) << t.layout;
        EXPECT_EQ(t.secondTincture, e.secondTincture);
    }
}

std::vector<Point> Points(const DrawingTrace& trace, std::size_t level) {
    std::vector<Point> out;
    if (level < trace.levels.size())
        for (const PlacementTrace& p : trace.levels[level].placements) out.push_back({p.x, p.y});
    return out;
}

struct BlazonCase {
    const char* blazon;
    std::vector<Level> levels;
};

TEST(PhraseInterpreter, Blazons) {
    const BlazonCase cases[] = {
        {"Azure a bend Or between two mullets argent",
         {{"bend", 2, 1, kOr, "", -1, "", "DrawOrdinary(1)"},
          {"mullets", 14, 2, kArgent, "", -1, "between", "ChargesBetween(1)"}}},
        {"Or a fess between two mullets azure",
         {{"fess", 2, 1, kAzure, "", -1, "", "DrawOrdinary(0)"},
          {"mullets", 14, 2, kAzure, "", -1, "between", "ChargesBetween(0)"}}},
        {"Argent a chevron between three martlets sable, on a chief gules three escallops or",
         {{"chevron", 2, 1, kSable, "", -1, "", "DrawOrdinary(4)"},
          {"martlets", 11, 3, kSable, "", -1, "between", "ChargesBetween(4)"},
          {"chief", 2, 1, kGules, "", -1, "on", "DrawOrdinary(16)"},
          {"escallops", 14, 3, kOr, "", -1, "", "ChargesOnOrdinary(16)"}}},
        {"Azure semee of mullets or", {{"mullets", 14, 1, kOr, "", 97, "", "SemeeLayout"}}},
        {"Azure two wings conjoined in lure or", {{"wingcl", 11, 1, kOr, "", -1, "", "FieldLayout"}}},
        {"Azure a mullet of six points argent", {{"mullet6", 14, 1, kArgent, "", -1, "", "FieldLayout"}}},
        {"Or a cross gules in the dexter canton a lion rampant sable",
         {{"cross", 2, 1, kGules, "", -1, "", "DrawOrdinary(5)"},
          {"lion", 4, 1, kSable, "1", -1, "in26", "ChargesOnOrdinary(26)"}}},
        {"Azure an estoile of eight points argent", {{"estoile8", 14, 1, kArgent, "", -1, "", "FieldLayout"}}},
        {"Gules a leopards face jessant-de-lys or", {{"leoplis", 4, 1, kOr, "", -1, "", "FieldLayout"}}},
        {"Gules a leopards face or", {{"leopards", 4, 1, kOr, "hd", -1, "", "FieldLayout"}}},
        {"Argent three roundels gules each charged with a mullet or",
         {{"roundels", 10, 3, kGules, "", -1, "", "ThreeLayout"},
          {"mullet", 14, 1, kOr, "", -1, "charged-on", "on each charge"}}},
        {"Or three torteaux", {{"torteaux", 10, 3, kGules, "", -1, "", "ThreeLayout"}}},
        {"Argent six mullets three, two and one sable", {{"mullets", 14, 6, kSable, "", -1, "", "RowLayout"}}},
        {"Argent three mullets sable two and one, a chief gules",
         {{"mullets", 14, 3, kSable, "", -1, "", "RowLayout, then (already drawn"},
          {"chief", 2, 1, kGules, "", -1, "", "DrawOrdinary(16)"}}},
        {"Argent an orle of martlets gules", {{"martlets", 11, 8, kGules, "", -1, "", "OrleLayout"}}},
        // An ordinary charged before its tincture is named is drawn first, its charges on it.
        {"Per pale argent and gules a bordure charged with eight escallops all counterchanged",
         {{"bordure", 2, 1, kCounterchanged, "", -1, "on", "DrawOrdinary(19)"},
          {"escallops", 14, 8, kCounterchanged, "", -1, "", "ChargesOnOrdinary(19)"}}},
        // Charges between the ordinary that the charges before them lie on stand round it.
        {"Argent on a chevron gules two mullets or between three crescents azure",
         {{"chevron", 2, 1, kGules, "", -1, "on", "DrawOrdinary(4)"},
          {"mullets", 14, 2, kOr, "", -1, "", "ChargesOnOrdinary(4)"},
          {"crescents", 14, 3, kAzure, "", -1, "between", "ChargesBetween(4)"}}},
        {"Sable a saltire and chief argent",
         {{"saltire", 2, 1, kArgent, "", -1, "", "DrawOrdinary(6)"}, {"chief", 2, 1, kArgent, "", -1, "", "DrawOrdinary(16)"}}},
        {"Argent three bendlets engrailed gules a crescent for difference",
         {{"bendlet", 2, 3, kGules, "", 0, "", "DrawOrdinary(22)"},
          {"crescent", 14, 1, kOr, "", -1, "in16", "ChargesOnOrdinary(16)"}}},
        {"Or a lion rampant gules within a double tressure flory counterflory gules",
         {{"lion", 4, 1, kGules, "1", -1, "", "FieldLayout"}, {"tressure", 2, 2, kGules, "", -1, "", "DrawOrdinary(33)"}}},
        {"Or eight martlets in orle azure", {{"martlets", 11, 8, kAzure, "", -1, "in25", "OrleLayout"}}},
        {"Argent on a pale azure three mullets or",
         {{"pale", 2, 1, kAzure, "", -1, "on", "DrawOrdinary(3)"},
          {"mullets", 14, 3, kOr, "", -1, "", "ChargesOnOrdinary(3)"}}},
        {"Argent a chevron sable, a mullet gules for difference",
         {{"chevron", 2, 1, kSable, "", -1, "", "DrawOrdinary(4)"},
          {"mullet", 14, 1, kGules, "", -1, "in16", "ChargesOnOrdinary(16)"}}},
        {"Argent charged with a mullet gules", {{"mullet", 14, 1, kGules, "", -1, "", "FieldLayout"}}},
        // The attitude words after the last that has a picture (lion.12) are left unread.
        {"Or a lion rampant guardant passant statant gules", {{"lion", 4, 1, kGules, "12", -1, "", "FieldLayout"}}},
        {"Or a lion rampant gules armed and langued azure",
         {{"lion", 4, 1, kGules, "1", -1, "", "FieldLayout", kAzure}}},
        {"Or a lion rampant gules crowned azure", {{"lionc", 4, 1, kGules, "1", -1, "", "FieldLayout"}}},
        {"Azure two lions rampant combatant or", {{"lions", 4, 2, kOr, "1", 98, "", "FieldLayout"}}},
        {"Azure a label of three points argent", {{"label", 2, 1, kArgent, "", 3, "", "DrawOrdinary(18)"}}},
        {"Azure a label argent", {{"label", 2, 1, kArgent, "", 3, "", "DrawOrdinary(18)"}}},
        {"Argent three piles in point gules", {{"piles", 2, 3, kGules, "", 96, "", "DrawOrdinary(24)"}}},
        {"Argent two bars gules", {{"bars", 14, 2, kGules, "", -1, "", "DrawBars(0)"}}},
        {"Or two pallets gules", {{"pallets", 14, 2, kGules, "", -1, "", "DrawPallets(0)"}}},
        {"Gules a fret or", {{"fret", 14, 1, kOr, "", -1, "", "DrawFret"}}},
        {"Argent a fess between two bars gules",
         {{"fess", 2, 1, kGules, "", -1, "", "DrawOrdinary(0)"},
          {"bars", 14, 2, kGules, "", -1, "between", "DrawCotises"}}},
        {"Argent a bend cotised sable between two martlets gules",
         {{"bend", 2, 1, kSable, "", -1, "", "DrawOrdinary(1), then DrawCotises"},
          {"martlets", 11, 2, kGules, "", -1, "between", "ChargesBetween(1)"}}},
        {"Argent a bend or double cotised azure",
         {{"bend", 2, 1, kOr, "", -1, "", "DrawOrdinary(1), then DrawCotises (double)"}}},
        {"Or a bend sinister between two crescents azure",
         {{"sinister", 2, 1, kAzure, "", -1, "", "DrawOrdinary(2)"},
          {"crescents", 14, 2, kAzure, "", -1, "between", "ChargesBetween(2)"}}},
        {"Argent three crosses crosslet fitchee sable", {{"cross", 13, 3, kSable, "17", -1, "", "ThreeLayout"}}},
        {"Argent a cross crosslet and fitchee sable", {{"cross", 13, 1, kSable, "17", -1, "", "FieldLayout"}}},
        {"Argent a cross couped gules", {{"cross", 13, 1, kGules, "", -1, "", "FieldLayout"}}},
        {"Argent a cross pierced gules", {{"cross", 2, 1, kGules, "", -1, "", "DrawOrdinary(5)"}}},
        {"Argent three saltires gules", {{"saltires", 13, 3, kGules, "", -1, "", "ThreeLayout"}}},
        {"Argent two chevrons gules", {{"chevrons", 2, 2, kGules, "", -1, "", "DrawOrdinary(14)"}}},
        {"Argent a tau cross gules", {{"tcross", 13, 1, kGules, "", -1, "", "FieldLayout"}}},
        {"Azure a demi lion rampant or", {{"dlion", 4, 1, kOr, "1", -1, "", "FieldLayout"}}},
        {"Or a double-headed eagle displayed sable", {{"teagle", 11, 1, kSable, "1", -1, "", "FieldLayout"}}},
        {"Argent three lions heads erased gules", {{"lions", 4, 3, kGules, "he", -1, "", "ThreeLayout"}}},
        {"Argent three lions heads couped gules", {{"lions", 4, 3, kGules, "hd", -1, "", "ThreeLayout"}}},
        {"Argent a castle with two towers gules", {{"castle2", 14, 1, kGules, "", -1, "", "FieldLayout"}}},
        {"Argent a wyvern double queued gules", {{"wiverndn", 4, 1, kGules, "", -1, "", "FieldLayout"}}},
        {"Argent three mullets in bend sable", {{"mullets", 14, 3, kSable, "", -1, "in1", "InArrangement(1)"}}},
        {"Argent a bend gules, in chief a mullet of the last",
         {{"bend", 2, 1, kGules, "", -1, "", "DrawOrdinary(1)"},
          {"mullet", 14, 1, kGules, "", -1, "in16", "ChargesOnOrdinary(16)"}}},
        {"Argent a chevron between three roundels gules, on a chief sable as many crescents or",
         {{"chevron", 2, 1, kGules, "", -1, "", "DrawOrdinary(4)"},
          {"roundels", 10, 3, kGules, "", -1, "between", "ChargesBetween(4)"},
          {"chief", 2, 1, kSable, "", -1, "on", "DrawOrdinary(16)"},
          {"crescents", 14, 3, kOr, "", -1, "", "ChargesOnOrdinary(16)"}}},
        {"Paly of six or and azure as many mullets argent", {{"mullets", 14, 6, kArgent, "", -1, "", "FieldRows"}}},
        {"Paly of one or and azure as many mullets argent", {{"mullets", 14, 1, kArgent, "", -1, "", "FieldLayout"}}},
        {"Azure a cross gules fimbriated or", {{"cross", 2, 1, kGules, "", -1, "", "DrawOrdinary(5)", kOr}}},
        {"Argent a chief gules charged with three mullets or",
         {{"chief", 2, 1, kGules, "", -1, "on", "DrawOrdinary(16)"},
          {"mullets", 14, 3, kOr, "", -1, "charged-on", "ChargesOnOrdinary(16)"}}},
        {"Argent a mullet gules, on a chief azure three like or",
         {{"mullet", 14, 1, kGules, "", -1, "", "FieldLayout"},
          {"chief", 2, 1, kAzure, "", -1, "on", "DrawOrdinary(16)"},
          {"chief", 2, 3, -1, "", -1, "", "not drawn"}}},
        {"Azure three fleurs de lis or", {{"fleurdelis", 12, 3, kOr, "", -1, "", "ThreeLayout"}}},
        // A bend chequy is drawn in its first tincture, its squares then laid along it.
        {"Argent a bend chequy or and azure", {{"bend", 2, 1, kOr, "", -1, "", "DrawOrdinary(1) (chequy (Or | Azure))"}}},
        {"Argent a fess chequy or and azure", {{"fess", 2, 1, kChequy, "", -1, "", "DrawOrdinary(0)"}}},
        {"Argent a demi fleur de de de de de de de de de gules",
         {{"fleurdededededede" "de", 12, 1, kGules, "", -1, "", "FieldLayout"}}},
    };
    for (const BlazonCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        ExpectLevels(d.trace, c.levels);
        EXPECT_TRUE(d.sink.messages.empty());
    }
}

// Where the charges of the edge cases go, read from the trace.
TEST(PhraseInterpreter, Placements) {
    struct Case {
        const char* blazon;
        std::size_t level;
        std::vector<Point> points;
        std::vector<float> scales;
    } cases[] = {
        // Grown where they stand until they would meet the fess or the outline.
        {"Or a fess between two mullets azure", 1, {{207, 96}, {207, 376}}, test::Same(2, 1.171875f)},
        {"Argent a fess cotised between two mullets gules", 1, {{207, 96}, {207, 376}}, test::Same(2, 1.0f)},
        {"Argent a chevron between three mullets sable", 1, {{100, 116}, {315, 116}, {207, 399}}, {1.0f, 1.0f, 0.9f}},
        {"Argent a chevron between three mullets sable, on a chief gules three crescents or", 3,
         {{69, 37}, {207, 37}, {345, 37}}, test::Same(3, 0.59113f)},
        {"Argent a saltire cotised between four mullets gules", 1, {{207, 80}, {69, 240}, {346, 240}, {207, 400}},
         test::Same(4, 0.8f)},
        {"Argent a bend between six martlets gules", 1,
         {{208, 80}, {346, 80}, {346, 240}, {69, 240}, {69, 400}, {207, 400}}, test::Same(6, 0.6f)},
        {"Argent a mullet between three crescents gules", 0, {{207, 240}}, {2.0f}},
        {"Argent a mullet between three crescents gules", 1, {{83, 84}, {332, 84}, {207, 400}}, test::Same(3, 0.65f)},
        {"Argent a mullet gules for difference", 0, {{207, 120}}, {1.0f}},
        {"Argent an orle of martlets gules", 0,
         {{40, 40}, {375, 40}, {37, 432}, {368, 432}, {207, 40}, {40, 240}, {375, 240}, {207, 435}}, test::Same(8, 0.5f)},
        // As large as the pale holds them, at the table's places.
        {"Argent on a pale azure three mullets or", 1, {{207, 90}, {207, 241}, {207, 392}}, test::Same(3, 0.99516f)},
        {"Argent three roundels gules each charged with a mullet or", 1, {{103, 120}, {312, 120}, {207, 345}},
         test::Same(3, 0.5f)},
        {"Argent a fess gules, two mullets azure", 1, {{207, 160}, {207, 320}}, test::Same(2, 1.0f)},
        {"Argent a chevron gules, three mullets azure", 1, {{100, 120}, {315, 120}, {207, 375}}, {1.0f, 1.0f, 0.9f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_EQ(Points(d.trace, c.level), c.points);
        std::vector<float> scales;
        if (c.level < d.trace.levels.size())
            for (const PlacementTrace& p : d.trace.levels[c.level].placements) scales.push_back(p.scale);
        test::ExpectScales(scales, c.scales);
    }
}

TEST(PhraseInterpreter, ASemeePlacesFiftyFourChargesAtPointThree) {
    Drawing d;
    d.Draw("Azure semee of mullets or");
    ASSERT_EQ(d.trace.levels.size(), 1u);
    const auto& placements = d.trace.levels[0].placements;
    ASSERT_EQ(placements.size(), 54u);
    for (const PlacementTrace& p : placements) EXPECT_NEAR(p.scale, 0.3f, 1e-6);
    EXPECT_EQ(d.s().pictureCount, 0) << "semée charges take no layer";
}

// The charges upon the roundels by pixels: the mullet's body at each roundel's centre, the
// roundel's body around it and its rim at the top.
TEST(PhraseInterpreter, RoundelsEachChargedWithAMulletByPixels) {
    Drawing d;
    d.Draw("Argent three roundels gules each charged with a mullet or");
    for (const Point p : {Point{103, 120}, Point{312, 120}, Point{207, 345}}) {
        SCOPED_TRACE(testing::Message() << p);
        EXPECT_EQ(d.At(p.x, p.y), Colour(kOr));
        EXPECT_EQ(d.At(p.x, p.y + 40), Colour(kGules));
        EXPECT_EQ(d.At(p.x, p.y - 55), Colour(kSable));
        EXPECT_EQ(d.At(p.x, p.y - 56), Colour(kArgent));
    }
}

// Bounds: a level, a name and the words past what the records hold.
TEST(PhraseInterpreter, TenLevelsAtMost) {
    Drawing d;
    d.Draw("Argent a or a gules a azure a sable a vert a purpure a or a gules a azure a sable a vert a or");
    ASSERT_EQ(d.trace.levels.size(), 10u);
    EXPECT_EQ(d.trace.levels.back().index, 9);
    EXPECT_EQ(d.trace.levels.back().tincture, kSable);
    EXPECT_EQ(d.s().level, kMaxLevels) << "reading stopped after the tenth level";
}

TEST(PhraseInterpreter, StrangeWordOrdersEndCleanly) {
    const char* blazons[] = {
        "Argent on on on",
        "Argent between between between",
        "Argent a a a a",
        "Argent cotised",
        "Argent double cotised or",
        "Argent of the last",
        "Argent charged with",
        "Argent as many",
        "Argent a bend of the last or",
        "Argent three two one and",
        "Argent a mullet or or or or or",
        "Argent a lion rampant and rampant and",
        "Argent wings",
        "Argent a label of",
        "Argent in in bend and in chief",
        "Or a chief gules semee",
        "Argent a cross crosslet pierced voided fimbriated",
        "Argent roundel",
        "Argent a fess between",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_LE(d.s().level, kMaxLevels);
        EXPECT_GE(d.s().cursor, 0);
    }
}

// A stump takes its sprouting words up to its tincture, which belongs to it: the next phrase
// starts after it.
TEST(PhraseInterpreter, StumpWithLocalWords) {
    const Vocabulary words({{"argent", 1, 1, 0},
                            {"or", 1, 0, 0},
                            {"azure", 1, 3, 0},
                            {"a", 0, 0, 0},
                            {"chief", 2, 16, 0},
                            {"stump", 14, 0, 0},
                            {"eradicated", 9, 12, 3},
                            {"sprouting", 9, 12, 5}});
    struct Case {
        const char* blazon;
        std::vector<Level> levels;
    } cases[] = {
        {"Argent a stump eradicated sprouting or a chief azure",
         {{"stump", 14, 1, kOr, "35", -1, "", "FieldLayout"}, {"chief", 2, 1, kAzure, "", -1, "", "DrawOrdinary(16)"}}},
        {"Argent a stump or a chief azure",
         {{"stump", 14, 1, kOr, "", -1, "", "FieldLayout"}, {"chief", 2, 1, kAzure, "", -1, "", "DrawOrdinary(16)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.s().vocabulary = &words;
        d.Draw(c.blazon);
        ExpectLevels(d.trace, c.levels);
    }
}

// Keywords are read whatever their case: each blazon draws exactly what its lower-case twin
// draws, and something beyond the field.
TEST(PhraseInterpreter, KeywordsIgnoreCase) {
    const char* cases[] = {
        "Azure A Lion Rampant Or",
        "Per Bend Sinister Argent And Gules",
        "Argent A Chevron Between Three Martlets Sable, On A Chief Gules Three Escallops Or",
        "Azure Three Roundels Argent Each Charged With A Mullet Gules",
        "Or A Fess Cotised Between Two Mullets Azure",
        "Argent Two Bars Gules",
        "Azure Three Leopards Faces Jessant De Lis Or",
        "Sable Six Mullets Three Two And One Or",
    };
    for (const char* blazon : cases) {
        SCOPED_TRACE(blazon);
        std::string lower = blazon;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        Drawing typed, twin, field;
        typed.Draw(blazon);
        twin.Draw(lower);
        field.Draw(std::string(typed.s().Word(0)));
        EXPECT_TRUE(typed.s().picture == twin.s().picture);
        EXPECT_FALSE(typed.s().picture == field.s().picture);
        EXPECT_EQ(typed.trace.levels.size(), twin.trace.levels.size());
        EXPECT_TRUE(typed.sink.messages.empty());
    }
    // The words keep the case they were typed in.
    Drawing d;
    d.Draw("Azure A Lion Rampant Or");
    EXPECT_EQ(d.s().Word(2), "Lion");
}

// "Bendlets sinister" keep their count and their own narrow shape, turned the other way: not one
// bend sinister.
TEST(PhraseInterpreter, BendletsSinisterKeepTheirCount) {
    Drawing d;
    d.Draw("Gules two bendlets sinister or");
    ASSERT_EQ(d.trace.levels.size(), 1u);
    EXPECT_EQ(d.trace.levels[0].count, 2);
    EXPECT_EQ(d.trace.levels[0].layout, "DrawOrdinary(27)");
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    // Mirrored dexter bendlets: the sinister chief and dexter base corners carry them, the
    // centre shows the field between the two.
    EXPECT_EQ(d.At(W / 2, H / 2), Colour(kGules));
    int dexterChief = 0, sinisterChief = 0;
    for (int y = 4; y < H / 4; ++y)
        for (int x = 4; x < W / 4; ++x) {
            dexterChief += d.At(x, y) == Colour(kOr);
            sinisterChief += d.At(W - 1 - x, y) == Colour(kOr);
        }
    EXPECT_EQ(dexterChief, 0);
    EXPECT_GT(sinisterChief, 100);
}

// A phrase tinctured "per pale X and Y" or "per fess X and Y" is drawn in X in the first part and
// in Y in the second, the field untouched round it.
TEST(PhraseInterpreter, PartedTincturesKeepEachToItsPart) {
    Drawing d;
    d.Draw("Or a cross engrailed per pale gules and sable");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    const ShieldGeometry& g = d.s().geometry;
    struct Probe {
        const char* where;
        int x, y, tincture;
    };
    const Probe cross[] = {{"upright, dexter of the line", g.W2 - 8, g.H4, kGules},
                           {"upright, sinister of the line", g.W2 + 8, g.H4, kSable},
                           {"dexter arm", g.W4, g.H2, kGules},
                           {"sinister arm", g.W - g.W4, g.H2, kSable},
                           {"dexter chief", g.W4, g.H4, kOr},
                           {"sinister base", g.W - g.W4, g.H - g.H4, kOr}};
    for (const Probe& p : cross) EXPECT_EQ(d.At(p.x, p.y), Colour(p.tincture)) << p.where;

    // A lion per fess: argent only above the fess line, or only below, and some of each.
    d.Draw("Gules a lion rampant per fess argent and or");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 1u);
    ASSERT_EQ(d.trace.levels[0].placements.size(), 1u) << "the second drawing is not traced again";
    int argentAbove = 0, orAbove = 0, argentBelow = 0, orBelow = 0;
    for (int y = 0; y < g.H; ++y) {
        for (int x = 0; x < g.W; ++x) {
            const Rgb c = d.At(x, y);
            (y < g.H2 ? argentAbove : argentBelow) += c == Colour(kArgent);
            (y < g.H2 ? orAbove : orBelow) += c == Colour(kOr);
        }
    }
    EXPECT_GT(argentAbove, 1000);
    EXPECT_GT(orBelow, 1000);
    EXPECT_EQ(orAbove, 0);
    EXPECT_EQ(argentBelow, 0);
}

// "A cross argent fretty azure": the fretty's bands cross the cross and stop at its edges.
TEST(PhraseInterpreter, FrettyOnAnOrdinaryStaysOnIt) {
    Drawing d;
    d.Draw("Gules a cross argent fretty azure");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    const ShieldGeometry& g = d.s().geometry;
    // Fretty's bands run corner to corner (among others): they cross at the centre.
    EXPECT_EQ(d.At(g.W2, g.H2), Colour(kAzure)) << "where the bands cross, on the cross";
    EXPECT_EQ(d.At(g.W6, g.W6 * g.H / g.W), Colour(kGules)) << "on a band's line, off the cross";
    EXPECT_EQ(d.At(g.W2, g.H3), Colour(kArgent)) << "on the cross between the bands";
}

// Charges drawn at once in rows, then "each charged with": one charge on each, at half its scale.
TEST(PhraseInterpreter, RowsEachChargedWith) {
    Drawing d;
    d.Draw("Barry of ten argent and azure over all six escutcheons sable three two and one each charged with a lion "
           "rampant of the first");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    ASSERT_EQ(d.trace.levels.size(), 2u);
    const auto& rows = d.trace.levels[0].placements;
    const auto& lions = d.trace.levels[1].placements;
    ASSERT_EQ(rows.size(), 6u);
    ASSERT_EQ(lions.size(), 6u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(lions[i].x, rows[i].x);
        EXPECT_EQ(lions[i].y, rows[i].y);
        EXPECT_FLOAT_EQ(lions[i].scale, rows[i].scale / 2);
    }
}

}  // namespace
}  // namespace esc
