// Other names of charges, as the heraldic glossaries define them (data/vocabulary/synonyms.spellings):
// each is read whole and paints the picture of the charge it is, never the question picture.

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

}  // namespace
}  // namespace esc
