// Other names of charges and terms, as the heraldic glossaries define them
// (data/vocabulary/synonyms.spellings): each is read whole and paints what the word it names
// paints, never the question picture.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Drawing;

// The picture files a drawing painted, and whether the question picture stood in for any.
struct PaintedFiles {
    std::vector<std::string> files;
    bool standIn = false;
};

PaintedFiles PaintedFilesOf(const Drawing& d) {
    PaintedFiles painted;
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& picture : level.pictures) {
            if (picture.drawn) painted.files.push_back(picture.file);
            painted.standIn = painted.standIn || picture.standIn;
        }
    return painted;
}

TEST(OtherNames, GlossaryChargeNamesDrawTheirCharge) {
    struct Case {
        const char* other;
        const char* named;
    };
    // Beasts, birds, fish, plants, objects; singular and plural.
    const std::vector<Case> cases = {
        {"Or a marcassin sable", "Or a boar sable"},
        {"Argent three prickets gules", "Argent three bucks gules"},
        {"Argent a gazehound sable", "Argent a greyhound sable"},
        {"Vert a herisson or", "Vert a hedgehog or"},
        {"Gules a tiger passant or", "Gules a tyger passant or"},
        {"Azure three cygnets argent", "Azure three swans argent"},
        {"Or a hernshaw azure", "Or a heron azure"},
        {"Argent three tirwhits sable", "Argent three lapwings sable"},
        {"Or a hurst vert", "Or a wood vert"},
        {"Argent a tercel close sable", "Argent a falcon close sable"},
        {"Argent three ouzels sable", "Argent three birds sable"},
        {"Azure three perroquets or", "Azure three popinjays or"},
        {"Argent a ged naiant gules", "Argent a luce naiant gules"},
        {"Azure three wheatsheaves or", "Azure three garbs or"},
        {"Gules three fermails or", "Gules three buckles or"},
        {"Argent a galtrap sable", "Argent a caltrap sable"},
        {"Or three arbalests gules", "Or three crossbows gules"},
        {"Argent a manche gules", "Argent a maunch gules"},
        {"Gules a carbuncle or", "Gules an escarbuncle or"},
        {"Argent three martels sable", "Argent three hammers sable"},
        {"Argent three milrinds sable", "Argent three millrinds sable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.other);
        Drawing other, named;
        other.DrawClean(c.other);
        named.DrawClean(c.named);
        const PaintedFiles painted = PaintedFilesOf(other);
        EXPECT_FALSE(painted.standIn);
        EXPECT_FALSE(painted.files.empty());
        EXPECT_EQ(painted.files, PaintedFilesOf(named).files);
        EXPECT_TRUE(other.s().picture == named.s().picture);
    }
}

// Every word a drawing's second pass met was found in the vocabulary.
bool EveryWordFound(const Drawing& d) {
    for (const WordTrace& w : d.trace.secondPass)
        if (w.type < 0) return false;
    return true;
}

// The glossaries' terms of every class (lines, fields, crosses, attitudes, details, places and
// relations, charges): each printed form is read whole, no word past, and paints what the
// plain form paints, with the charge's own picture wherever one exists.
TEST(OtherNames, GlossaryTermsOfEveryClassDrawAsTheirPlainForm) {
    struct Case {
        const char* printed;
        const char* plain;
    };
    const std::vector<Case> cases = {
        // Lines and fields.
        {"Argent a bend ragulee gules", "Argent a bend raguly gules"},
        {"Argent a fess counter embattled gules", "Argent a fess counterembattled gules"},
        {"Argent a danse gules", "Argent a fess dancetty gules"},
        {"Barruly argent and azure", "Barry of ten argent and azure"},
        {"Chevrony argent and azure", "Chevronny argent and azure"},
        {"Azure a bordure counter componee argent and gules", "Azure a bordure countercompony argent and gules"},
        // Crosses.
        {"Argent a cross treflee gules", "Argent a cross botony gules"},
        {"Argent a cross of St Anthony gules", "Argent a tau cross gules"},
        {"Argent a cross on three degrees gules", "Argent a cross calvary gules"},
        {"Argent three crosses of eight points gules", "Argent three maltese crosses gules"},
        {"Azure a St Andrew's cross argent", "Azure a saltire argent"},
        {"Argent a cross of Lorraine gules", "Argent a cross patriarchal gules"},
        // Attitudes and postures.
        {"Argent a peacock in his pride azure", "Argent a peacock pavanated azure"},
        {"Argent a horse effray gules", "Argent a horse salient gules"},
        {"Argent a horse in full speed gules", "Argent a horse courant gules"},
        {"Argent a falcon trussed gules", "Argent a falcon close gules"},
        {"Argent two lions adossed gules", "Argent two lions addorsed gules"},
        {"Or a greyhound couchant cowed sable", "Or a greyhound couchant coward sable"},
        // Details.
        {"Argent a lion rampant gules lampassed azure", "Argent a lion rampant gules langued azure"},
        {"Argent a lion rampant gules imperially crowned or", "Argent a lion rampant gules crowned or"},
        {"Argent a rose gules stalked vert", "Argent a rose gules slipped vert"},
        // Places and relations.
        {"Argent a mullet in abyss gules", "Argent a mullet in fess gules"},
        {"Argent four mullets in quadrangle gules", "Argent four mullets two and two gules"},
        {"Argent eight martlets orlewise gules", "Argent eight martlets in orle gules"},
        {"Argent a pale gules accosted by two lions azure", "Argent a pale gules between two lions azure"},
        {"Argent a lion rampant gules oppressed by a bend azure", "Argent a lion rampant gules debruised by a bend azure"},
        {"Argent a lion rampant gules surtout a bend azure", "Argent a lion rampant gules over all a bend azure"},
        // Charges.
        {"Argent three pikes hauriant gules", "Argent three luces hauriant gules"},
        {"Argent an erne displayed sable", "Argent an eagle displayed sable"},
        {"Argent three burgonets sable", "Argent three helmets sable"},
        {"Argent three palmer's staves gules", "Argent three staves gules"},
        {"Argent a horn of plenty gules", "Argent a cornucopia gules"},
        {"Or three false roundles gules", "Or three annulets gules"},
        {"Argent three merlions sable", "Argent three martlets sable"},
        {"Argent a mantichor gules", "Argent a manticore gules"},
        {"Or pelletty", "Or semee of pellets"},
        {"Argent two lions rampant back to back gules", "Argent two lions rampant addorsed gules"},
        {"Argent a lion rampant full faced gules", "Argent a lion rampant guardant gules"},
        {"Argent a garb gules girt or", "Argent a garb gules banded or"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        Drawing printed, plain;
        printed.DrawClean(c.printed);
        plain.DrawClean(c.plain);
        EXPECT_TRUE(EveryWordFound(printed));
        EXPECT_FALSE(PaintedFilesOf(printed).standIn);
        EXPECT_EQ(PaintedFilesOf(printed).files, PaintedFilesOf(plain).files);
        EXPECT_TRUE(printed.s().picture == plain.s().picture);
    }
}

}  // namespace
}  // namespace esc
