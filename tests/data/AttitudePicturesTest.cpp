// Attitudes and crowns that choose a picture of their own: the word read selects a drawing other
// than the charge's usual one, and the crown set on a beast's head takes the tincture blazoned
// for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "../interpret/TestDrawing.h"

namespace esc {
namespace {

// The file name of the first picture the blazon drew, or "" when none was.
std::string PictureDrawn(const test::Drawing& d) {
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& p : level.pictures)
            if (p.drawn && !p.standIn) return p.file.substr(p.file.rfind('/') + 1);
    return "";
}

struct AttitudeCase {
    const char* blazon;
    const char* picture;
};

void ExpectPictures(const AttitudeCase* first, const AttitudeCase* last) {
    for (const AttitudeCase* c = first; c != last; ++c) {
        test::Drawing d;
        d.DrawClean(c->blazon);
        EXPECT_EQ(PictureDrawn(d), c->picture) << c->blazon;
    }
}

// Migrant: the bird volant turned to fly upwards, a picture of every bird drawn volant.
TEST(AttitudePictures, BirdsMigrantFlyUpwards) {
    const AttitudeCase cases[] = {
        {"Azure a falcon migrant or", "falcon.7"},
        {"Azure three martlets migrant or", "martlet.7"},
        {"Azure a raven migrant or", "crow.7"},
        {"Azure an eagle migrant or", "eagle.7"},
        {"Azure a falcon volant or", "falcon.4"},
    };
    ExpectPictures(std::begin(cases), std::end(cases));
}

// Reguardant with another attitude: the head turned back on the dragon coward and the wivern.
TEST(AttitudePictures, ReguardantWithAnotherAttitude) {
    const AttitudeCase cases[] = {
        {"Or a dragon passant reguardant coward vert", "dragon.3r0"},
        {"Or a dragon passant coward vert", "dragon.30"},
        {"Or a wivern passant reguardant vert", "wivern.3r"},
        {"Or a wyvern salient reguardant vert", "wivern.7r"},
        {"Or a wivern salient vert", "wivern.7"},
    };
    ExpectPictures(std::begin(cases), std::end(cases));
}

// Crowned: the picture with the coronet on the head, in every attitude and head drawn so.
TEST(AttitudePictures, CrownedBeastsAndHeads) {
    const AttitudeCase cases[] = {
        {"Azure a lion statant guardant or crowned gules", "lionc.42"},
        {"Azure a lion sejant or crowned gules", "lionc.5"},
        {"Azure a lion couchant or crowned gules", "lionc.6"},
        {"Azure a lion rampant reguardant or crowned gules", "lionc.1r"},
        {"Azure a lion's head erased or crowned gules", "lionc.he"},
        {"Azure a griffin segreant or crowned gules", "griffinc.1"},
        {"Azure a stag's head cabossed or crowned gules", "buckc.hc"},
        {"Azure a lion's head cabossed or crowned gules", "leopardc.hd"},
    };
    ExpectPictures(std::begin(cases), std::end(cases));
}

// The crown is the detail part: only its pixels change with the tincture said for it, they take
// that tincture, and they lie on the upper half of the charge (on the head).
TEST(AttitudePictures, TheCrownTakesItsOwnTincture) {
    const char* const beasts[] = {"a lion statant guardant", "a lion sejant", "a griffin segreant"};
    for (const char* beast : beasts) {
        SCOPED_TRACE(beast);
        test::Drawing red, gold;
        red.DrawClean(std::string("Azure ") + beast + " or crowned gules");
        gold.DrawClean(std::string("Azure ") + beast + " or crowned or");
        ASSERT_FALSE(red.trace.levels.empty());
        ASSERT_FALSE(red.trace.levels[0].placements.empty());
        const PlacementTrace at = red.trace.levels[0].placements[0];
        int changed = 0, gules = 0, bottom = -1;
        for (int y = 0; y < red.s().picture.Height(); ++y) {
            for (int x = 0; x < red.s().picture.Width(); ++x) {
                if (red.At(x, y) == gold.At(x, y)) continue;
                ++changed;
                if (red.At(x, y) == test::Colour(kGules)) ++gules;
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_GT(changed, 40);
        EXPECT_GT(gules, changed * 3 / 4);
        EXPECT_LT(bottom, at.y) << "the crown lies above the charge's middle";
    }
}

// The way a beast holds its head, a bird's face to the viewer, the centaur (the sagittary): read
// where the picture of the attitude shows it.
TEST(AttitudePictures, HeadsHeldAndFacesShown) {
    const AttitudeCase cases[] = {
        {"Azure a wolf sejant, head erect, argent", "wolf.5hr"},
        {"Azure a wolf sejant argent", "wolf.5"},
        {"Sable an owl guardant argent", "owl.af"},
        {"Sable an owl stooping guardant argent", "owl.6af"},
        {"Sable an owl volant guardant argent", "owl.4af"},
        {"Gules a centaur statant or", "sagittar.4"},
        {"Or a greyhound passant sable collared gules", "greyhogl.3"},
    };
    ExpectPictures(std::begin(cases), std::end(cases));
}

}  // namespace
}  // namespace esc
