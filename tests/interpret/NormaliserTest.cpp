#include <gtest/gtest.h>

#include "engine/Palette.h"
#include "TestDrawing.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Normaliser.h"
#include "interpret/read/TextOps.h"

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
        {"upon inside a word stays", "a coupon", "a coupon"},
        {"longer phrase first", "tierced pallwise or", "per pall or"},
        {"tierced per pall is not doubled", "Tierced per pall gules argent and azure", "per pall gules argent and azure"},
        {"dancettee before dancette", "a fess dancettee", "a fess dancetty"},
        {"heronhawk becomes falcon", "a heronhawk", "a falcon"},
        {"a chain of rewrites in capitals", "A HERONHAWK", "A falcon"},
        {"palet becomes pallets when free-standing", "a palet or", "a pallets or"},
        {"apostrophes", "a lion's head", "a lions head"},
        {"d' becomes a blank", "trois d'or", "trois or"},
        {"crosses crosslet", "three crosses-crosslet", "three cross crosslet"},
        {"semee of crosses crosslet", "Argent semee of crosses-crosslet gules", "Argent crusilly gules"},
        {"stag to buck", "a stag's head", "a bucks head"},
        {"chess rook", "a chess rook", "a chessrook"},
        {"several fesses are bars", "three fesses dancetty or", "three bars dancetty or"},
        {"of the same is of the last", "a chief of the same", "a chief of the last"},
        {"the first quarter is a place", "in the first quarter a mullet", "in dexterchief a mullet"},
        {"the sinister canton is a place", "in the sinister canton a mullet", "in sinisterchief a mullet"},
        {"dexter chief is a place", "in dexter chief a mullet", "in dexterchief a mullet"},
        {"a label is in chief", "a chevron in chief a label of three points", "a chevron a label of three points"},
        {"jessant de lis as one word", "three leopards faces jessant de lis or", "three leopards heads jessantdelis or"},
        {"a fountain is always proper", "three fountains", "three founts proper"},
        {"a fountain proper is not proper twice", "a fountain proper", "a fount proper"},
        {"standing dishes are one word", "three standing dishes argent", "three standingdishes argent"},
        {"other dishes are roundels", "a dish argent", "a roundel argent"},
        {"formy florettee is formee flory", "a cross formy florettee sable", "a cross formee flory sable"},
        {"an ermine spot is one word", "in chief an ermine spot", "in chief an erminespot"},
        {"an esquire's helmet is the helmet", "three esquires' helmets", "three helmets"},
        {"the possessive of a word ending in s", "an ass's head couped", "an ass head couped"},
        {"a lion's head keeps the lion", "a lion's head erased", "a lions head erased"},
        {"sheaves of as many arrows", "three sheaves of as many arrows proper", "three arrowsheaves proper"},
        {"two annulets concentric are one charge", "two annulets concentric or", "an annulet concentric or"},
        {"a pair of barnacles is the barnacle", "three pairs of barnacles or", "three barnacles or"},
        {"ears of rye as drawn", "three ears of rye slipped and bladed vert", "three ryeears vert"},
        {"an ear of rye coloured in parts", "an ear of rye or slipped vert", "an ryeear or slipped vert"},
        {"a bridge of two arches", "a bridge of two arches or", "a bridge twoarched or"},
        {"three arms flexed in triangle are one charge",
         "Gules three dexter arms conjoined at the shoulders and flexed in triangle or", "Gules a triarm or"},
        {"barwise is fesswise", "three battering rams barwise in pale", "three battering rams fesswise in pale"},
        {"a bow bent is stringed", "three bows bent and stringed palewise", "three bows bent palewise"},
        {"attires fixed to the scalp", "three stags' attires fixed to the scalps", "three bucks scalps"},
        {"combattant is combatant", "two enfields combattant Or", "two enfields combatant Or"},
        {"to sinister is contourny", "a raven volant to sinister sable", "a crow volant contourny sable"},
        {"counter-ermine is ermines", "Per fess gules and counter-ermine", "Per fess gules and ermines"},
        {"a sun in its splendour is the sun", "a sun in its splendor Or", "a sun Or"},
        {"suns in their splendour", "on a chief three suns in their splendour Or", "on a chief three suns Or"},
        {"pellety after a bordure", "a bordure Or pellety", "a bordure Or semy of pellets"},
        {"mullety on the field", "Purpure mullety argent", "Purpure semy of mullets argent"},
        {"ermined is a semé of ermine spots", "Azure, ermined, a pale Or", "Azure semy of erminespots a pale Or"},
        {"crook of Basel", "a crook of Basel argent", "a baselcrook argent"},
        {"double horned anvil", "a double horned anvil sable", "a anvil2 sable"},
        {"blue thistle is the thistle", "A blue thistle sable", "A thistle sable"},
        {"goutte de is the semé of drops", "Argent, goutt\u00e9 de gules, a brush", "Argent guttee gules a brush"},
        {"sanguine is a word of its own", "Argent a bend sanguine", "Argent a bend sanguine"},
        {"sem\u00e9e and sem\u00e9", "sem\u00e9e of roses, sem\u00e9 of roses", "semee of roses semee of roses"},
        {"a pavilion is the tent", "Ermine, a pavilion gules.", "Ermine a sperver gules"},
        {"a pair of shears", "three pairs of shears Or", "three shears Or"},
        {"a fox's mask is its face", "four fox's masks", "four foxs faces"},
        {"a caravel is a ship", "two caravels argent", "two ships argent"},
        {"a wagon wheel is a wheel", "four wagon wheels proper", "four wheels proper"},
        {"a lion's head cabossed is its face", "a lion's head caboshed sable", "a leopards face sable"},
        {"two dances are bars dancetty", "Or, two dances gules", "Or two bars dancetty gules"},
        {"a dance is a fess dancetty", "a dance between three mullets", "a fess dancetty between three mullets"},
        {"a hand apaumy is the hand picture", "a sinister hand apaum\u00e9e vert", "a sinister hand vert"},
        {"the squirrel sits erect", "a squirrel sejant erect Or", "a squirrel sejant Or"},
        {"a compass star", "a compass star gules", "a compass gules"},
        {"a mullet of four greater and four lesser points", "a mullet of four greater and four lesser points Or",
         "a compass Or"},
        {"a mullet of five greater and five lesser points", "on a mullet of five greater and five lesser points sable",
         "on a mulletlesser sable"},
        {"a standing balance", "a standing balance Or", "a balance Or"},
        {"a bordure company is compony", "within a bordure company sable and argent",
         "within a bordure compony sable and argent"},
        {"Thor's hammer is one charge", "a Thor's hammer Or", "a thorhammer Or"},
        {"the book is drawn open", "on a chief vert two open books Or", "on a chief vert two books Or"},
        {"erased a la quise", "an eagle's leg erased \u00e0 la quise sable", "an eagles leg erased sable"},
        {"erased a la quisse", "an eagle's leg erased a la quisse sable", "an eagles leg erased sable"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(Normalised(k.in), k.out);
    }
}

// A swap is made where its pattern stands as whole words, the plural included; inside a longer
// word the letters are another word's ("starfish" is no star). The rows that rewrite part of a
// word joined by its hyphen are met inside it.
TEST(Normaliser, SwapsMeetWholeWordsOnly) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"three starfish or", "three starfish or"},
        {"a starling sable", "a starling sable"},
        {"a polestar argent", "a polestar argent"},
        {"three ploughshares", "three ploughshares"},
        {"a serpent wreathed", "a serpent wreathed"},
        {"a sparrow-hawk", "a sparrowhawk"},  // a name of its own (a spelling row)
        {"a hartshorn", "a hartshorn"},
        {"a stagbeetle", "a stagbeetle"},
        // The whole words, with their plurals and a "demi" joined before them, are still read.
        {"three stars or", "three mullets or"},
        {"a star of six points", "a mullet of six points"},
        {"two hawks", "two falcons"},
        {"a demi-stag", "a demibuck"},
        {"Three Harts", "Three bucks"},
        // Rows marked as fragments.
        {"three fleurs-de-lis", "three fleurdelis"},
        {"a lion double-queued", "a lion doublenowed"},
        {"three crosses fesse-wise", "three cross fesswise"},
        {"a bugle-horn", "a  horn"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.in);
        EXPECT_EQ(Normalised(k.in), k.out);
    }
}

// The sign of a number and the point or comma inside one are kept, so that "-3" and "1.5" stay
// words that are not counts; everywhere else the marks go as before.
TEST(Normaliser, PunctuationOfNumbersIsKept) {
    const auto stripped = [](std::string text) {
        StripPunctuation(text);
        return text;
    };
    EXPECT_EQ(stripped("Azure -3 mullets or"), "Azure -3 mullets or");
    EXPECT_EQ(stripped("-1.5 and 2,5, then 3. Or,"), "-1.5 and 2,5 then 3 Or");
    EXPECT_EQ(stripped(".5 ,5"), ".5 ,5");
    EXPECT_EQ(stripped("counter-changed semy-de-lis a-3 -x x."), "counterchanged semydelis a3 x x");
    EXPECT_EQ(Normalised("Paly of -1 or and azure"), "Paly of -1 or and azure");
}

TEST(Normaliser, BackReferencesNameTheTinctures) {
    EXPECT_EQ(Normalised("a bend of the field between two mullets of the second", kAzure, kOr),
              "a bend Azure between two mullets Or");
    EXPECT_EQ(Normalised("on a chief of the third", kArgent, kGules, kSable), "on a chief Sable");
    EXPECT_EQ(Normalised("OF THE FIRST", kErmine), "Ermine");
}

// "of the second and first": two places share one "of the" and both are read as tinctures;
// the printed form draws the very picture of the form with the tinctures written out (the second
// place was an ignored word and the treatment lost its second tincture).
TEST(Normaliser, TwoPlacesShareOneOfThe) {
    EXPECT_EQ(Normalised("a fess chequy of the second and first", kGules, kArgent), "a fess chequy Argent and Gules");
    EXPECT_EQ(Normalised("bendy of the field and third", kSable, kOr, kArgent), "bendy Sable and Argent");
    EXPECT_EQ(Normalised("compony of the first and of the second", kAzure, kOr), "compony Azure and Or");
    EXPECT_EQ(Normalised("of the first and seconds", kAzure, kOr), "Azure and seconds");
    const std::pair<const char*, const char*> pairs[] = {
        {"Gu. two arrows in saltire arg. over all a fess chequy of the second and first.",
         "Gules two arrows in saltire argent over all a fess chequy argent and gules"},
        {"azure, three cinquefoils argent, within a bordure componed of the second and first",
         "azure three cinquefoils argent within a bordure compony argent and azure"},
        {"Sable, a chief per pale or and argent, a bordure gobony of the field and third.",
         "Sable a chief per pale or and argent a bordure gobony sable and argent"},
    };
    for (const auto& [printed, written] : pairs) {
        test::Drawing a, b;
        a.DrawClean(printed);
        b.DrawClean(written);
        const ShieldGeometry& g = a.s().geometry;
        int differing = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x) differing += a.At(x, y) == b.At(x, y) ? 0 : 1;
        EXPECT_EQ(differing, 0) << printed;
    }
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

// Every word the normaliser writes is a spelling the vocabulary holds: looked up as the driver
// looks it up, it finds the row of that very word (not a longer one that merely begins with it,
// and not nothing), so no rewrite leads to a question picture or a word not found. A few
// replacements end inside a word that the blazon's own letters complete ("face jess" of
// "face jessant"); those are checked completed.
TEST(Normaliser, EveryReplacementReachesItsOwnRow) {
    struct Completion { std::string_view written, rest; };
    const Completion completions[] = {{"jess", "ant"}, {"jessantdel", "is"}, {"lea", "ves"}, {"cros", "s"}};
    const Vocabulary& vocabulary = test::GeneratedVocabulary();
    const std::vector<std::string_view> replacements = NormaliserReplacements();
    ASSERT_GT(replacements.size(), 100u);
    int words = 0;
    NullSink sink;
    for (std::string_view replacement : replacements) {
        // A single letter ends a word the blazon's letters begin ("ass's" becomes "ass").
        if (replacement.size() == 1) continue;
        // What the later entries make of it ("hawk" becomes "falcon").
        std::string text(1, ' ');
        text.append(replacement).append(1, ' ');
        Normalise(text, kOr, kOr, kOr);
        DrawingState state(sink);
        SplitWords(state, text);
        for (int i = 0; i < state.wordCount; ++i) {
            std::string word(state.Word(i));
            for (const Completion& c : completions)
                if (i == state.wordCount - 1 && word == c.written) word += c.rest;
            SCOPED_TRACE(std::string(replacement).append(": ").append(word));
            const std::string key = LookupKey(word);
            const VocabularyRow* row = vocabulary.Lookup(key);
            ++words;
            if (row == nullptr) {
                ADD_FAILURE() << "no row";
                continue;
            }
            EXPECT_TRUE(EqualsIgnoringCase(row->word, key) || EqualsIgnoringCase(row->word, word)) << "finds " << row->word;
        }
    }
    EXPECT_GT(words, 100);
}

}  // namespace
}  // namespace esc
