// Forms the armorials print that were read past: the parts of a charge named before their
// tincture, a key's wards, a partition named after the field's tinctures, a field of six pieces,
// arms printed without tinctures, and text past what a drawing reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Messages.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using test::ExpectDrawnAlike;

bool ToldReadNotDrawn(const Drawing& d, const std::string& words) {
    const std::string said = "\"" + words + "\" is read, not drawn";
    return std::any_of(d.sink.messages.begin(), d.sink.messages.end(),
                       [&](const std::string& m) { return m.find(said) != std::string::npos; });
}

// Whether a message names the words left out, from `firstWords`.
bool ToldLeftOut(const Drawing& d, const std::string& firstWords) {
    return std::any_of(d.sink.messages.begin(), d.sink.messages.end(), [&](const std::string& m) {
        return m.find("longer than a drawing reads") != std::string::npos &&
               m.find("\"" + firstWords) != std::string::npos;
    });
}

// The parts of arrows and bolts as printed: "bearded" is barbed, "pointed" beside another part
// is the head, "nooked" the nock; each read with the tincture after the run.
TEST(PartsAsPrinted, PartsOfArrowsAndBoltsReadWithTheirTincture) {
    ExpectDrawnAlike("Gules three arrows or feathered and bearded argent", "Gules three arrows or feathered and barbed argent");
    ExpectDrawnAlike("Gules an arrow or bearded and feathered argent", "Gules an arrow or barbed and feathered argent");
    ExpectDrawnAlike("Azure three arrows argent pointed and feathered or", "Azure three arrows argent headed and feathered or");
    ExpectDrawnAlike("Azure a tree growing out of a mount vert", "Azure a tree issuant from a mount vert");
    ExpectDrawnAlike("Argent a chief azure three oak sprigs bearing acorns proper",
                     "Argent a chief azure three oak sprigs fructed proper");
    Drawing d;
    d.Draw("Or three bird-bolts gules nooked and pointed of the first");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
}

// A book's covers, "bound", are its second part and take the tincture after them; "bound and
// edged" names the covers shown round the leaves' edges.
TEST(PartsAsPrinted, ABookBoundTakesTheTinctureOnItsCovers) {
    ExpectDrawnAlike("Vert a book argent bound and edged or", "Vert a book argent bound or");
    ExpectDrawnAlike("Vert an open book argent edged and bound gules", "Vert a book argent bound gules");
    Drawing plain, bound;
    plain.DrawClean("Vert a book argent");
    bound.DrawClean("Vert a book argent bound or");
    EXPECT_GE(test::PaintedExtent(bound, Colour(kOr)).right, 0);
    EXPECT_LT(test::PaintedExtent(plain, Colour(kOr)).right, 0);  // none
}

// A part whose picture the charge does not have is read with its tincture and told as read, not
// drawn: never read past. The charge keeps its own tincture.
TEST(PartsAsPrinted, APartWithNoPictureIsToldReadNotDrawn) {
    struct Case { const char* blazon; const char* said; int body; };
    const std::vector<Case> cases = {
        {"Argent a castle gules windowed azure", "windowed", kGules},
        {"Argent a tower gules ported or", "ported", kGules},
        {"Azure a book argent clasped or", "clasped", kArgent},
        {"Argent two darts gules pointed and feathered of the first", "feathered", kGules},
    };
    Drawing d;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.Draw(c.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        EXPECT_TRUE(ToldReadNotDrawn(d, c.said));
        ASSERT_FALSE(d.trace.levels.empty());
        EXPECT_EQ(d.trace.levels[0].tincture, c.body);
    }
    d.Draw("Azure a pall argent fringed or");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
}

// A key's wards are its point: "wards upwards" and "the wards in chief" turn the key whose
// picture holds them down; "wards downwards" leaves it as drawn.
TEST(PartsAsPrinted, AKeysWardsTurnAsItsPoint) {
    Drawing plain, up, inChief, down;
    plain.DrawClean("Gules a key in pale argent");
    up.DrawClean("Gules a key in pale wards upwards argent");
    inChief.DrawClean("Gules a key argent the wards in chief");
    down.DrawClean("Gules a key in pale wards downwards argent");
    EXPECT_FALSE(up.s().picture == plain.s().picture);
    EXPECT_TRUE(down.s().picture == plain.s().picture);
    Drawing upright;
    upright.DrawClean("Gules a key argent points upwards");
    EXPECT_TRUE(inChief.s().picture == upright.s().picture);
}

// "Party sable and silver cheveronwise": the way the field is parted named after its tinctures.
TEST(PartitionAfterTinctures, TheWayNamedLastPartsTheField) {
    ExpectDrawnAlike("Party sable and silver cheveronwise", "Per chevron sable and argent");
    ExpectDrawnAlike("Party gules and or bendwise", "Per bend gules and or");
    ExpectDrawnAlike("Party azure and argent fessways, a mullet counterchanged", "Per fess azure and argent a mullet counterchanged");
    ExpectDrawnAlike("Party vert and or palewise", "Per pale vert and or");
    // "saltirewise" is respelled "in saltire" before the way is read, and still parts the field.
    ExpectDrawnAlike("Party vert and or saltirewise", "Per saltire vert and or");
    ExpectDrawnAlike("Party gules and argent saltierwise, a rose counterchanged", "Per saltire gules and argent a rose counterchanged");
    // A partition named first is read as it stands.
    ExpectDrawnAlike("Party per pale argent and gules", "Per pale argent and gules");
}

// Two partitions named together that make one, in either order, and a charge laid on another
// of its kind.
TEST(PartitionsNamedTogether, ReadAsThePartitionTheyMake) {
    ExpectDrawnAlike("Per pale and per fess argent and gules", "Quarterly argent and gules");
    ExpectDrawnAlike("Per fess and per pale or and sable, a mullet counterchanged", "Quarterly or and sable a mullet counterchanged");
    ExpectDrawnAlike("Per saltire and per cross vert and argent", "Gyronny vert and argent");
    ExpectDrawnAlike("Quarterly and per saltire gules and or", "Gyronny gules and or");
    ExpectDrawnAlike("Or a rose gules surmounted by another argent", "Or a rose gules charged with another argent");
    ExpectDrawnAlike("Azure a mullet or surmounted of another gules", "Azure a mullet or charged with another gules");
}

// "Party of six pieces A and B": six pieces, three above the middle and three below,
// counterchanged: the field per fess with a pale counterchanged.
TEST(PartitionAfterTinctures, PartyOfSixIsSixPiecesCounterchanged) {
    ExpectDrawnAlike("Party of six pieces gules and or", "Per fess gules and or a pale counterchanged");
    ExpectDrawnAlike("Party of six azure and argent, three roses gules", "Per fess azure and argent a pale counterchanged three roses gules");
    Drawing d;
    d.DrawClean("Party of six pieces gules and or");
    const ShieldGeometry& g = d.s().geometry;
    const int upper = g.shieldBottom / 4, lower = g.shieldBottom * 5 / 8;
    EXPECT_EQ(d.At(g.W / 8, upper), Colour(kGules));
    EXPECT_EQ(d.At(g.W / 2, upper), Colour(kOr));
    EXPECT_EQ(d.At(g.W * 7 / 8, upper), Colour(kGules));
    EXPECT_EQ(d.At(g.W / 8, lower), Colour(kOr));
    EXPECT_EQ(d.At(g.W / 2, lower), Colour(kGules));
    EXPECT_EQ(d.At(g.W * 7 / 8, lower), Colour(kOr));
}

// Arms printed with no tinctures at all, or none for the field: said, never guessed.
TEST(UnsaidTinctures, TheFieldsTinctureIsToldNotGuessed) {
    const std::vector<std::pair<const char*, std::string_view>> cases = {
        {"A chevron between three coaches", msg::kNoTinctureNamed},
        {"On a chevron between three leather bottles as many bugle horns, stringed.", msg::kNoTinctureNamed},
        {"Lion rampant purpure in a field or", msg::kFieldTinctureNotNamed},
    };
    Drawing d;
    for (const auto& [blazon, message] : cases) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        ASSERT_FALSE(d.sink.messages.empty());
        EXPECT_EQ(d.sink.messages[0], message);
    }
    d.Draw("   ");
    ASSERT_EQ(d.sink.messages.size(), 1u);
    EXPECT_EQ(d.sink.messages[0], msg::kColorOrPartitionRequired);
}

// A drawing reads single arms longer than kMaxBlazonChars characters or kMaxWords words in
// pieces: a cut where no clause begins is told, and what lies past the last piece a drawing reads
// is named from its first word; the drawing is not clean either way.
TEST(BlazonBuffer, TheWordsPastWhatADrawingReadsAreTold) {
    const std::string head = "Or on a fess between two bars gules three mullets or a chief azure a bordure sable ";
    Drawing d;
    // Past the word count, within the characters, with no clause bound in the window.
    const std::string manyWords = head + "a canton argent a label vert on the canton a rose gules on the label three roundels or and a frobble";
    ASSERT_LE(manyWords.size(), static_cast<std::size_t>(kMaxBlazonChars));
    d.Draw(manyWords);
    EXPECT_NE(std::find(d.sink.messages.begin(), d.sink.messages.end(), msg::kPieceCutInsideAClause), d.sink.messages.end());
    EXPECT_GE(d.trace.pieces.size(), 2u);
    // Past the pieces a drawing reads: the rest named.
    std::string longText = "Argent a chevron gules between three roses gules on a chief azure three mullets or";
    while (longText.size() <= static_cast<std::size_t>(kMaxBlazonPieces * kMaxBlazonChars)) longText += "; and three mullets or";
    longText += " snark";
    d.Draw(longText);
    EXPECT_TRUE(ToldLeftOut(d, "")) << testing::PrintToString(d.sink.messages);
    // Within both: nothing told.
    d.DrawClean("Argent a chevron gules between three roses gules on a chief azure three mullets or");
}

}  // namespace
}  // namespace esc
