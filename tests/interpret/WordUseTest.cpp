// Whether each word of a blazon had an effect on the drawing, and whether anything beyond the
// field was painted.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

using test::Drawing;
using Words = std::vector<std::string>;

TEST(WordUse, EachWordUsedOrIgnored) {
    struct Case {
        const char* name;
        const char* blazon;
        Words ignored;
    };
    const Case cases[] = {
        // Keywords in any case, the article and the attitude all read.
        {"capitals", "Azure A Lion Rampant Or", {}},
        {"bendlets sinister", "Gules two bendlets sinister or", {}},
        {"fillers the grammar expects", "Gules a bend and a chief or", {}},
        {"direction of the charges", "Argent three mullets in bend sable", {}},
        {"charged with", "Argent three roundels azure each charged with a mullet or", {}},
        {"rows", "Azure six mullets three two and one or", {}},
        {"partition word", "Paly of six or and azure", {}},
        {"per with a line", "Per pale wavy or and azure", {}},
        {"semee field", "Argent guttee gules", {}},
        {"mullet of six points", "Azure a mullet of six points or", {}},
        {"within a bordure", "Azure a cinquefoil ermine within a bordure engrailed or", {}},
        {"over all", "Argent a lion rampant gules over all a bend azure", {}},
        // A connective counts only when the phrase after it is drawn.
        {"within nothing drawn", "Azure a cinquefoil ermine within a frobnitz", {"within", "a", "frobnitz"}},
        // Every spelling of a semé of a charge strews it over the field; after an ordinary the
        // semé would belong to the ordinary, which is not drawn, so there the words are reported.
        {"semy of a charge", "Or semy of lions azure", {}},
        {"powdered with", "Argent powdered with mullets gules", {}},
        {"seme of", "Azure seme of crescents or", {}},
        {"semy on a bordure, the semé on the bordure only", "Argent a bordure gules semy of bezants", {}},
        // A later phrase painted over an earlier one.
        {"debruised by", "Gules a lion rampant ermine debruised by a chevron or", {}},
        {"surmounted by", "Argent three bars gemel gules surmounted by a lion rampant sable", {}},
        {"surmounted of", "Or a fess chequy azure and argent surmounted of a bend gules", {}},
        {"debruised by nothing", "Gules a lion rampant ermine debruised by", {"debruised", "by"}},
        // An arrangement after the charges' tincture, and one before it.
        {"in pale after the tincture", "Or two torteaux in pale", {}},
        {"in saltire after the tincture", "Sable five plates in saltire", {}},
        {"in pale before the tincture", "Azure three escallops in pale argent", {}},
        {"in chief starts a phrase", "Azure a fess or in chief a mullet argent", {}},
        // Shapes of their own.
        {"burelly", "Burelly argent and gules", {}},
        {"per chevron inverted", "Per chevron inverted or and azure", {}},
        {"chevron inverted", "Argent a chevron inverted gules", {}},
        {"double tressure", "Or a lion rampant gules within a double tressure flory counterflory gules", {}},
        {"a tressure", "Argent a tressure azure", {}},
        {"quarterly per fess indented", "Quarterly per fess indented or and gules", {}},
        // "all" before a tincture every phrase took; not when one phrase has its own.
        {"all counterchanged", "Per pale argent and gules a bordure charged with eight escallops all counterchanged", {}},
        {"all after a phrase of its own tincture", "Per pale or and gules a chief azure a bend all counterchanged",
         {"all"}},
        // The number of "between two cotises" counts the cotises.
        {"between two cotises", "Sable a bend argent between two cotises dancetty or", {}},
        {"between two double cotises", "Sable three lions passant in bend between two double cotises argent", {}},
        {"for difference with no tincture", "Argent three bendlets engrailed gules a crescent for difference", {}},
        {"two ordinaries of one tincture", "Sable a saltire and chief argent", {}},
        {"an ordinary fretty", "Argent a chevron gules fretty or between three delves sable", {}},
        {"bendlets enhanced", "Argent three bendlets enhanced gules", {}},
        {"a charge parted per fess", "Gules a lion rampant per fess argent and or", {}},
        {"an ordinary parted per pale", "Or a cross engrailed per pale gules and sable", {}},
        {"in named quarters", "Quarterly argent and gules in the second and third quarters a fret or over all a bend sable", {}},
        // A variant word where the interpreter expects a charge: twelve nameless charges, none
        // painted, so none of the phrase's words had an effect.
        {"crosslets passed over", "Argent a cross between twelve crosslets sable", {"twelve", "crosslets", "sable"}},
        // The field fails: none of its words painted what they say.
        {"field message", "Per chevron or azure", {"Per", "chevron", "or", "azure"}},
        {"word not found", "Or a fess frobnitz azure", {"frobnitz"}},
        {"words after the last phrase", "Or a fess azure wibble", {"wibble"}},
        {"phrase never completed", "Or a lion rampant", {"a", "lion", "rampant"}},
        // A level that names nothing paints nothing, whatever rules read its words: rows written
        // before the tincture, a word taken for a line of partition, a name the normaliser spoils.
        {"rows before the tincture that miss the count", "Gules three lions two and three or armed azure",
         {"two", "and", "three", "or", "armed", "azure"}},
        {"combs, once found as the line word combatant", "Sable three combs argent", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_EQ(d.trace.ignoredWords, c.ignored);
        // The flags and the list say the same thing.
        Words unused;
        for (const WordTrace& w : d.trace.secondPass)
            if (!w.used) unused.push_back(w.text);
        EXPECT_EQ(unused, c.ignored);
    }
}

TEST(WordUse, WordsNotFoundAreNeverUsed) {
    Drawing d;
    d.Draw("Argent two frobnitzes and a quuxle gules");
    ASSERT_FALSE(d.trace.secondPass.empty());
    for (const WordTrace& w : d.trace.secondPass) {
        SCOPED_TRACE(w.text);
        if (w.type == kTypeNotFound) {
            EXPECT_FALSE(w.used);
        }
    }
    EXPECT_EQ(d.trace.ignoredWords, (Words{"frobnitzes", "quuxle"}));
}

TEST(WordUse, FieldOnlyWhenNamedChargesAreNotPainted) {
    struct Case {
        const char* name;
        const char* blazon;
        bool fieldOnly;
    };
    const Case cases[] = {
        {"a charge never drawn", "Or lions azure", true},
        {"no tincture, phrase never completed", "Or a lion rampant", true},
        {"an ordinary drawn", "Or a bend azure", false},
        {"a charge drawn", "Azure a lion rampant or", false},
        {"nothing named", "Or", false},
        {"only an unknown word", "Or frobnitz", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_EQ(d.trace.fieldOnly, c.fieldOnly);
    }
    // The flag holds for each drawing alone: a drawn charge before does not clear it.
    Drawing d;
    d.Draw("Azure a lion rampant or");
    d.Draw("Or lions azure");
    EXPECT_TRUE(d.trace.fieldOnly);
    EXPECT_NE(ExplainText(d.trace).find("FIELD ONLY"), std::string::npos);
    // Nor does the field of the drawing before: each drawing compares with its own field.
    d.Draw("Or");
    d.Draw("Azure a bend or");
    EXPECT_FALSE(d.trace.fieldOnly);
    d.Draw("Gules lions or");
    EXPECT_TRUE(d.trace.fieldOnly);
}

TEST(WordUse, ALevelWithoutANameIsReportedByItsWords) {
    Drawing d;
    d.Draw("Argent a cross between twelve crosslets sable");
    ASSERT_EQ(d.trace.levels.size(), 2u);
    const LevelTrace& nameless = d.trace.levels[1];
    ASSERT_TRUE(nameless.name.empty()) << "the condition this test is about did not arise";
    EXPECT_EQ(LevelDisplayName(nameless), "\"twelve crosslets sable\"");
    const std::string text = ExplainText(d.trace);
    EXPECT_EQ(text.find("(no name)"), std::string::npos);
    EXPECT_NE(text.find("Level 1: \"twelve crosslets sable\""), std::string::npos);
    EXPECT_NE(text.find("crosslets            type   9  sub1   5  sub2   1  IGNORED"), std::string::npos) << text;
    EXPECT_NE(text.find("Ignored words: twelve, crosslets, sable\n"), std::string::npos) << text;

    // A phrase of unknown words stands in with the question picture under those words.
    d.Draw("Azure a frobnitz or");
    ASSERT_FALSE(d.trace.levels.empty());
    EXPECT_TRUE(d.trace.levels[0].name.empty());
    EXPECT_EQ(LevelDisplayName(d.trace.levels[0]), "\"a frobnitz or\"");
}

TEST(WordUse, ADrawingStartsWithNoWordUsed) {
    // The second blazon has fewer words than the first: no mark of the first may survive.
    Drawing d;
    d.Draw("Gules a chevron between three mullets argent");
    d.Draw("Or wibble");
    ASSERT_EQ(d.trace.secondPass.size(), 2u);
    EXPECT_TRUE(d.trace.secondPass[0].used);
    EXPECT_FALSE(d.trace.secondPass[1].used);
    for (int i = 2; i < kMaxWords; ++i) EXPECT_FALSE(d.s().wordUsed[static_cast<std::size_t>(i)]) << i;
}

}  // namespace
}  // namespace esc
