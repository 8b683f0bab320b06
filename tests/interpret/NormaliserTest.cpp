#include <gtest/gtest.h>

#include "engine/Palette.h"
#include "interpret/Normaliser.h"
#include "interpret/TextOps.h"

namespace esc {
namespace {

std::string Normalised(std::string text, int first = kOr, int second = kOr, int third = kOr) {
    Normalise(text, first, second, third);
    return text;
}

TEST(Normaliser, RewritesTheBlazonLanguage) {
    struct Case { const char* name; const char* in; const char* out; };
    const Case cases[] = {
        {"comma deleted, sinople matched in any case", "Sinople, a chevron Or", "vert a chevron Or"},
        {"bugle becomes one blank", "a bugle horn", "a   horn"},
        {"snaffle leaves a trailing blank", "a snaffle", "a horses "},
        {"pairle reversed", "a pairle reversed", "a pall1"},
        {"hyphens first, then fleurs", "fleurs-de-lys", "fleurdelys"},
        {"lys only between blanks", "fleurs de lys or", "fleur de lis or"},
        {"substring replacements", "Upon a chief", "on a chief"},
        {"upon inside a word", "a coupon", "a coon"},
        {"longer phrase first", "tierced pallwise or", "per pall or"},
        {"tierced per pall is not doubled", "Tierced per pall gules argent and azure", "per pall gules argent and azure"},
        {"dancettee before dancette", "a fess dancettee", "a fess dancetty"},
        {"heronhawk becomes falcon", "a heronhawk", "a falcon"},
        {"palet becomes pallets when free-standing", "a palet or", "a pallets or"},
        {"apostrophes", "a lion's head", "a lions head"},
        {"d' becomes a blank", "trois d'or", "trois or"},
        {"crosses crosslet", "three crosses-crosslet", "three crosscrosslets"},
        {"stag to buck", "a stag's head", "a bucks head"},
        {"chess rook", "a chess rook", "a chessrook"},
        {"several fesses are bars", "three fesses dancetty or", "three bars dancetty or"},
        {"of the same is of the last", "a chief of the same", "a chief of the last"},
        {"the first quarter is a place", "in the first quarter a mullet", "in dexterchief a mullet"},
        {"the sinister canton is a place", "in the sinister canton a mullet", "in sinisterchief a mullet"},
        {"dexter chief is a place", "in dexter chief a mullet", "in dexterchief a mullet"},
        {"a label is in chief", "a chevron in chief a label of three points", "a chevron a label of three points"},
        {"jessant de lis as one word", "three leopards faces jessant de lis or", "three leopards heads jessantdelis or"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(Normalised(k.in), k.out);
    }
}

TEST(Normaliser, BackReferencesNameTheTinctures) {
    EXPECT_EQ(Normalised("a bend of the field between two mullets of the second", kAzure, kOr),
              "a bend Azure between two mullets Or");
    EXPECT_EQ(Normalised("on a chief of the third", kArgent, kGules, kSable), "on a chief Sable");
    EXPECT_EQ(Normalised("OF THE FIRST", kErmine), "Ermine");
}

TEST(Normaliser, NeverGrowsPastItsCapacity) {
    // Thirty free-standing "bar"s: each would grow by one character.
    std::string text;
    for (int i = 0; i < 45; ++i) text += " bar";
    text += " ";
    ASSERT_EQ(text.size(), 181u);
    Normalise(text, kOr, kOr, kOr, 199);
    EXPECT_LE(text.size(), 199u);
    EXPECT_NE(text.find("bars"), std::string::npos);
    EXPECT_NE(text.find(" bar "), std::string::npos);  // the ones that did not fit stay as written
    // A back-reference that would not fit is left whole.
    std::string full(190, 'x');
    full += " of the second";
    Normalise(full, kOr, kPurpure, kOr, 199);
    EXPECT_LE(full.size(), 199u);
}

TEST(TextOps, FindDeleteInsertReplace) {
    EXPECT_EQ(FindIgnoringCase("Azure a BEND", "bend"), 8u);
    EXPECT_FALSE(FindExact("Azure a BEND", "bend").has_value());
    std::string t = "a.b.c";
    EXPECT_TRUE(DeleteAllExact(t, "."));
    EXPECT_EQ(t, "abc");
    EXPECT_FALSE(DeleteAllExact(t, "."));
    EXPECT_TRUE(InsertText(t, "XY", 1, 10));
    EXPECT_EQ(t, "aXYbc");
    EXPECT_FALSE(InsertText(t, "123456", 0, 10));  // would pass the capacity
    EXPECT_TRUE(ReplaceFirstIgnoringCase(t, 0, "xy", "-"));
    EXPECT_EQ(t, "a-bc");
    std::string loop = "aaa";
    EXPECT_TRUE(ReplaceAllIgnoringCase(loop, "a", "b"));
    EXPECT_EQ(loop, "bbb");
}

}  // namespace
}  // namespace esc
