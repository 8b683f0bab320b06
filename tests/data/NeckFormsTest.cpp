// The printed forms of a collar, coronet or chain about a beast's neck, each one relation to the
// beast before it: every form names the one picture with the part, the part lies on the neck line
// of that picture's row in the neck table, and a beast with no such picture is drawn without it
// and says so, the coronet never standing as a charge of its own.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "../interpret/TestDrawing.h"

namespace esc {
namespace {

// The neck table's row for a picture: its neck point, the band's tilt and the neck's width, in
// the drawing's units (the collar does not grow these drawings).
struct NeckRow {
    double x, y, tilt, width;
};

struct PlacedCollarCase {
    const char* blazon;
    const char* picture;
    NeckRow row;
};

// How the drawing lies in its picture: picture pixel = offset + scale * drawing unit.
struct DrawingFit {
    double scale = 0, offsetX = 0, offsetY = 0;
    int width = 0, height = 0;
};

DrawingFit FitOf(const std::string& picture) {
    DrawingFit fit;
    std::ifstream in(std::string(ESCAVAL_DATA_DIR) + "/drawings/" + picture + ".fit");
    in >> fit.scale >> fit.offsetX >> fit.offsetY >> fit.width >> fit.height;
    EXPECT_TRUE(in && fit.scale > 0) << picture;
    return fit;
}

// The point of the collar midway between its middle stud and the next one towards the nape, on
// the shield: the picture is painted centred on its placement at its placed scale.
void ExpectCollarAt(const test::Drawing& d, const char* picture, const NeckRow& row) {
    ASSERT_EQ(d.trace.levels.size(), 1u);
    ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
    const PlacementTrace& at = d.trace.levels[0].placements[0];
    ASSERT_FALSE(at.mirrored);
    const DrawingFit fit = FitOf(picture);
    const double along = row.width / 8.0, turn = row.tilt * 3.14159265358979 / 180.0;
    const double px = fit.offsetX + fit.scale * (row.x + along * std::cos(turn));
    const double py = fit.offsetY + fit.scale * (row.y + along * std::sin(turn));
    // A picture file is painted at half the scale it is placed at.
    const double paint = static_cast<double>(static_cast<float>(at.scale) * 0.5f);
    const int width = static_cast<int>(std::trunc(fit.width * paint));
    const int height = static_cast<int>(std::trunc(fit.height * paint));
    const int x = at.x - width / 2 + static_cast<int>(std::lround(px * paint));
    const int y = at.y - height / 2 + static_cast<int>(std::lround(py * paint));
    EXPECT_EQ(d.At(x, y), test::Colour(kGules)) << "at " << x << "," << y;
}

std::string PictureOf(const test::Drawing& d) {
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& p : level.pictures)
            if (p.drawn && !p.standIn) return p.file.substr(p.file.rfind('/') + 1);
    return "";
}

TEST(NeckForms, TheCollarLiesOnTheNeckLine) {
    const PlacedCollarCase cases[] = {
        {"Or a talbot passant sable gorged with a collar gules", "talbotgl.3", {74, 68, -50, 42}},
        {"Azure a greyhound courant argent collared gules", "greyhogl.7", {58, 60, -56, 30}},
        {"Or a wolf's head couped sable gorged of a collar gules", "wolfgl.hd", {118, 138, 0, 80}},
        {"Argent a horse's head erased sable collared gules", "horsegl.he", {127, 128, -5, 54}},
        {"Argent a stag statant sable gorged with a plain collar gules", "buckgl.4", {57, 110, -30, 30}},
        {"Or a unicorn rampant azure collared gules", "unicorgl.1", {82, 100, -27, 38}},
        {"Or a popinjay vert collared gules", "popinjgl.esv", {73, 52, -16, 44}},
        // the hounds, the wolf, the fox and the hind rampant, sejant and couchant
        {"Argent a talbot rampant sable gorged of a collar gules", "talbotgl.1", {114, 99, -5, 36}},
        {"Argent a talbot sejant sable collared gules", "talbotgl.5", {72, 96, -50, 36}},
        {"Argent a wolf couchant sable collared gules", "wolfgl.6", {60, 68, -40, 46}},
        {"Argent a fox sejant sable gorged with a collar gules", "foxgl.5", {55, 85, -20, 48}},
        {"Argent a hind couchant sable collared gules", "hindgl.6", {55, 60, -50, 30}},
    };
    for (const PlacedCollarCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        EXPECT_EQ(PictureOf(d), c.picture);
        ExpectCollarAt(d, c.picture, c.row);
    }
}

// Each printed form gives the same picture as the short one, the part in the tincture after it.
TEST(NeckForms, EveryFormDrawsAsTheShortOne) {
    const char* const beasts[] = {"a talbot passant sable", "a stag statant sable", "a fox's head erased sable"};
    struct FormCase {
        const char* printed;
        const char* plain;
    };
    const FormCase forms[] = {
        {"gorged gules", "collared gules"},
        {"gorged with a collar gules", "collared gules"},
        {"gorged of a collar gules", "collared gules"},
        {"gorged with a ducal coronet gules", "ducally gorged gules"},
        {"gorged with a coronet gules", "ducally gorged gules"},
        {"gorged with a collar and chained gules", "collared and chained gules"},
        {"gorged and chained gules", "collared and chained gules"},
        {"gorged with a coronet and chained gules", "ducally gorged and chained gules"},
    };
    for (const char* beast : beasts)
        for (const FormCase& f : forms)
            test::ExpectDrawnAlike((std::string("Argent ") + beast + " " + f.printed).c_str(),
                                   (std::string("Argent ") + beast + " " + f.plain).c_str());
    // Several beasts: each has its own collar or coronet.
    const FormCase several[] = {
        {"Azure three talbots' heads erased or gorged with ducal coronets gules",
         "Azure three talbots' heads erased or ducally gorged gules"},
        {"Azure three foxes passant or each gorged with a collar gules", "Azure three foxes passant or collared gules"},
        {"Azure two horses passant or gorged with collars and chained gules",
         "Azure two horses passant or collared and chained gules"},
    };
    for (const FormCase& f : several) test::ExpectDrawnAlike(f.printed, f.plain);
}

// A beast with no picture of the part, or a part with no picture at all: the beast is drawn
// without it, the words are told and left unread, and nothing else is placed.
TEST(NeckForms, AMissingNeckPictureIsTold) {
    struct ToldCase {
        const char* blazon;
        const char* picture;  // the beast drawn without the part
    };
    const ToldCase cases[] = {
        {"Azure a griffin segreant or collared gules", "griffin.1"},
        {"Azure an eagle displayed or gorged with a ducal coronet gules", "eagle.1"},
        {"Argent a stag statant gules gorged with a chaplet vert", "buck.4"},
        {"Or a hound passant sable gorged of a collar and chained gules", "hound.3"},
        // the winged greyhound's wing is the detail part already: of the parts about its neck
        // only the collar is drawn (wgreyhgl.6, its wing of the body's tincture)
        {"Or a winged greyhound couchant azure ducally gorged gules", "wgreyhou.6"},
    };
    for (const ToldCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.Draw(c.blazon);
        EXPECT_EQ(d.trace.levels.size(), 1u) << "the part is no charge of its own";
        EXPECT_EQ(PictureOf(d), c.picture);
        EXPECT_FALSE(d.sink.messages.empty());
        EXPECT_FALSE(d.trace.ignoredWords.empty());
    }
}

}  // namespace
}  // namespace esc
