// Charges the glossaries name and armory uses, and the wings and collars blazoned on winged
// beasts: each word is read whole and paints a picture of its own, never the question picture.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Drawing;

// The name of the first picture the drawing painted ("lpics/lark.esv" is "lark.esv"), and
// whether the question picture stood in for any charge.
struct FirstPainted {
    std::string file;
    bool standIn = false;
};

FirstPainted FirstPaintedOf(const Drawing& d) {
    FirstPainted painted;
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& picture : level.pictures) {
            if (picture.drawn && painted.file.empty()) painted.file = picture.file.substr(picture.file.rfind('/') + 1);
            painted.standIn = painted.standIn || picture.standIn;
        }
    return painted;
}

struct PictureCase {
    const char* blazon;
    const char* picture;
};

void ExpectEachDrawsItsPicture(const std::vector<PictureCase>& cases) {
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const FirstPainted painted = FirstPaintedOf(d);
        EXPECT_FALSE(painted.standIn);
        EXPECT_EQ(painted.file, c.picture);
    }
}

// Monsters, beasts, figures, birds, fish and things; other names and plurals draw the same.
TEST(GlossaryPictures, EachWordDrawsItsOwnPicture) {
    ExpectEachDrawsItsPicture({
        {"Argent an alphyn gules", "alphyn.esv"},
        {"Argent an amphiptere vert", "amphipte.esv"},
        {"Or an amphisbaena azure", "amphisba.esv"},
        {"Argent an apres sable", "apre.esv"},
        {"Argent a musimon sable", "musimon.esv"},
        {"Or an archer gules", "archer.esv"},
        {"Argent a chevalier sable", "chevalie.esv"},
        {"Argent three moles sable", "mole.esv"},
        {"Or a beaver passant sable", "beaver.3"},
        {"Or a moldiwarp sable", "moldiwar.esv"},
        {"Argent a jay proper", "jay.esv"},
        {"Azure three larks argent", "lark.esv"},
        {"Vert an alauda or", "alauda.esv"},
        {"Argent a throstle sable", "throstle.esv"},
        {"Gules three seaxes argent", "seaxe.esv"},
        {"Azure a seax argent", "seax.esv"},
        {"Sable a trivet or", "trivet.esv"},
        {"Argent three staples sable", "staple.esv"},
        {"Argent three thrushes sable", "thrushe.esv"},
        {"Argent a pheasant gules", "pheasant.esv"},
        {"Or a partridge vert", "partridg.esv"},
        {"Argent a kingfisher azure", "kingfish.esv"},
        {"Argent a halcyon azure", "halcyon.esv"},
        {"Or a woodpecker sable", "woodpeck.esv"},
        {"Azure a cod argent", "cod.esv"},
        {"Azure three keelings argent", "keeling.esv"},
        {"Gules a hauberk argent", "hauberk.esv"},
        {"Gules a habergeon argent", "habergeo.esv"},
        {"Azure an altar or", "altar.esv"},
        {"Argent a magnet azure", "magnet.esv"},
        {"Vert a backgammon argent", "backgamm.esv"},
        {"Gules three woolcombs argent", "woolcomb.esv"},
        {"Sable a heckle or", "heckle.esv"},
        {"Argent three pineapples vert", "pineappl.esv"},
        {"Argent a panther sable", "panther.esv"},
        {"Or a panther rampant azure", "panther.1"},
        {"Argent a yale sable", "yale.esv"},
        {"Azure a sea-dog argent", "seadog.esv"},
        {"Azure three sea dogs or", "seadog.esv"},
        {"Or an ibex rampant gules", "ibex.1"},
        {"Or three ibexes gules", "ibexe.esv"},
        {"Argent a calopus passant sable", "calopu.3"},
        {"Or a bagwyn azure", "bagwyn.esv"},
        {"Argent three crampets sable", "crampet.esv"},
        {"Or a hemp-brake sable", "hempbrak.esv"},
        {"Or three hemp brakes sable", "hempbrak.esv"},
        {"Gules a ewer or", "ewer.esv"},
        {"Gules three ewers or", "ewer.esv"},
        {"Vert three ewes argent", "sheep.esv"},
        {"Azure a gimmel-ring or", "gimmelri.esv"},
        {"Gules a nimbus or", "nimbu.esv"},
        {"Argent three peels sable", "peel.esv"},
        {"Or a scrip sable", "scrip.esv"},
        {"Gules a panache argent", "panache.esv"},
        {"Azure three vervels or", "vervel.esv"},
        {"Azure three varvals or", "varval.esv"},
        {"Argent a genet passant sable", "genet.3"},
        {"Or a hydra vert", "hydra.esv"},
        {"Or a hydra rampant vert", "hydra.1"},
        {"Azure a seraph or", "seraph.esv"},
        {"Vert a satyr argent", "satyr.esv"},
        {"Azure three seraphs' heads or", "seraph.hd"},
    });
}

// Wings blazoned after a winged beast or bird choose the picture drawn with them so; a collar
// on the winged greyhound is painted in its own tincture, its wing in the body's; a head
// affronty shows its neck, couped or erased, where its picture is drawn so.
TEST(GlossaryPictures, WingsCollarsAndFacingHeadsDrawTheirPicture) {
    ExpectEachDrawsItsPicture({
        {"Or an eagle displayed wings inverted sable", "eagle.1iv"},
        {"Or an eagle wings inverted sable", "eagle.iv"},
        {"Argent a dragon with wings displayed sable", "dragon.ds"},
        {"Argent a dragon rampant wings displayed gules", "dragon.1ds"},
        {"Azure a winged greyhound couchant argent collared gules", "wgreyhgl.6"},
        {"Sable a moose's head cabossed argent", "moose.hc"},
        {"Sable a moose's head erased affronty argent", "moose.hea"},
        {"Sable a moose's head affronty argent", "moose.hda"},
    });
}

}  // namespace
}  // namespace esc
