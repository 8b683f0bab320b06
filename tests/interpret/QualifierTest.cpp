// Qualifiers that choose another picture of a charge (a head couped, erased or cabossed, a fish
// hauriant, a beast reguardant ...): the picture each asks for, that a qualifier is read only
// when that picture exists, and the picture drawn for real blazons.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Palette.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

using namespace phrase;
using Words = std::vector<std::string>;

// Draws the blazon and the same written plainly, expects every word of the blazon read and the
// two pictures alike, and returns the blazon's messages for the caller to check.
auto DrawnAsWritten(const char* blazon, const char* plainly) {
    SCOPED_TRACE(blazon);
    test::Drawing blazoned, written;
    blazoned.Draw(blazon);
    written.Draw(plainly);
    EXPECT_TRUE(blazoned.trace.ignoredWords.empty());
    EXPECT_TRUE(written.trace.ignoredWords.empty());
    EXPECT_TRUE(blazoned.s().picture == written.s().picture);
    return blazoned.sink.messages;
}

TEST(Qualifiers, EachCodeAsksForItsPicture) {
    struct Case {
        const char* name;
        int code;
        const char* chargeName;
        const char* variant;
        const char* wantName;     // "" when the qualifier means nothing for this charge
        const char* wantVariant;
    };
    const Case cases[] = {
        {"couped head", kCouped, "boars", "hd", "boars", "hd"},
        {"couped charge", kCouped, "hand", "", "hand", "cp"},
        {"couped after an attitude", kCouped, "lion", "1", "", ""},
        {"erased head", kErased, "lions", "hd", "lions", "he"},
        {"erased limb", kErased, "leg", "", "leg", "er"},
        {"erased after an attitude", kErased, "lion", "3", "", ""},
        {"cabossed head", kCabossed, "buck", "hd", "buck", "hc"},
        {"cabossed with no head word", kCabossed, "bull", "", "bull", "hc"},
        {"hauriant", kHauriant, "luces", "", "luces", "ha"},
        {"hauriant head", kHauriant, "luce", "hd", "", ""},
        {"naiant", kNaiant, "dolphin", "", "dolphin", "na"},
        {"embowed", kEmbowed, "dolphin", "", "dolphin", "em"},
        {"naiant embowed", kEmbowed, "dolphin", "na", "dolphin", "em"},
        {"embowed hauriant", kEmbowed, "dolphin", "ha", "", ""},
        {"rampant reguardant", kReguardant, "lion", "1", "lion", "1r"},
        {"passant reguardant", kReguardant, "lions", "3", "lions", "3r"},
        {"reguardant alone", kReguardant, "lion", "", "lion", "r"},
        {"reguardant after two digits", kReguardant, "lion", "32", "lion", "32r"},
        {"reguardant with no room left", kReguardant, "lion", "123", "", ""},
        {"reguardant head", kReguardant, "lion", "hd", "", ""},
        {"double-queued", kDoubleQueued, "lion", "1", "liondn", "1"},
        {"double-queued plural", kDoubleQueued, "lions", "", "liondn", ""},
        {"erect head", kErect, "boars", "hd", "boars", "hr"},
        {"erect after erased", kErect, "boars", "he", "boars", "hs"},
        {"erased after erect", kErased, "boars", "hr", "boars", "hs"},
        {"couped after erect", kCouped, "boars", "hr", "boars", "hr"},
        // A whole charge erect asks for its drawing that stands so ("a seadragon erect").
        {"erect with no head", kErect, "seadragon", "", "seadragon", "et"},
        {"erect after an attitude", kErect, "boar", "3", "", ""},
        {"eradicated after the variant digit", kEradicated, "tree", "5", "tree", "5ra"},
        {"eradicated with no room left", kEradicated, "tree", "12", "", ""},
        {"triple-towered", kTripleTowered, "castle", "", "castle", "tt"},
        {"triple-towered head", kTripleTowered, "tower", "hd", "", ""},
        {"fesswise", kFesswise, "attires", "", "attires", "fw"},
        {"fesswise head", kFesswise, "buck", "hd", "", ""},
        {"palewise", kPalewise, "skenes", "", "skenes", "pw"},
        {"palewise after an attitude", kPalewise, "bows", "2", "bows", "2pw"},
        {"palewise head", kPalewise, "buck", "hd", "", ""},
        {"not a qualifier", 99, "lion", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QualifiedPicture got = Qualify(c.code, c.chargeName, c.variant);
        EXPECT_EQ(got.name, c.wantName);
        if (*c.wantName != '\0') {
            EXPECT_EQ(got.variant, c.wantVariant);
        }
    }
}

// A data folder holding only the named pictures (existence is all the interpreter asks).
class QualifierPictures {
public:
    explicit QualifierPictures(const std::vector<std::string>& pictures) {
        root_ = std::filesystem::temp_directory_path() /
                ("escaval-qualifiers-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(root_ / "lpics");
        for (const std::string& p : pictures) std::ofstream(root_ / "lpics" / p) << "GIF";
    }
    ~QualifierPictures() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    std::string Path() const { return root_.string(); }

private:
    std::filesystem::path root_;
};

TEST(Qualifiers, ReadOnlyWhenThePictureExists) {
    const QualifierPictures folder({"boar.hd", "boar.he", "lion.hd", "wolf.hd", "liondn.1", "cros.he"});
    struct Case {
        const char* name;
        const char* chargeName;
        const char* variant;
        int code;
        bool read;
        const char* variantAfter;
        const char* nameAfter;
    };
    const Case cases[] = {
        {"erased head drawn", "boars", "hd", kErased, true, "he", "boars"},
        {"erased head not drawn: the couped head stays", "lions", "hd", kErased, false, "hd", "lions"},
        {"couped head", "lions", "hd", kCouped, true, "hd", "lions"},
        {"couped head found by placement's second name", "wolves", "hd", kCouped, true, "hd", "wolves"},
        {"charge with no pictures at all", "otters", "hd", kCouped, false, "hd", "otters"},
        {"double-queued rampant drawn", "lion", "1", kDoubleQueued, true, "1", "liondn"},
        {"double-queued passant not drawn", "lion", "3", kDoubleQueued, false, "3", "lion"},
        {"a cross is drawn as cros", "cross", "hd", kErased, true, "he", "cross"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CollectingSink sink;
        auto s = std::make_unique<DrawingState>(sink);
        s->dataDir = folder.Path();
        Current(*s).levelName.Assign(c.chargeName);
        Current(*s).levelVariant.Assign(c.variant);
        s->words[1].Assign("qualifier");
        s->wordType[1] = kTypeAttitude;
        s->wordSub1[1] = kAnyCharge;
        s->wordSub2[1] = c.code;
        s->wordCount = 2;
        ASSERT_TRUE(IsQualifier(*s, 1));
        EXPECT_EQ(ApplyQualifier(*s, 1), c.read);
        EXPECT_EQ(Current(*s).levelVariant.view(), c.variantAfter);
        EXPECT_EQ(Current(*s).levelName.view(), c.nameAfter);
    }
}

// A detail word with a picture of its own, before the tincture ("three stirrups leathered or"):
// read as a qualifier that names that picture, only when it exists.
TEST(Qualifiers, DetailWordBeforeTheTinctureNamesItsPicture) {
    const QualifierPictures folder({"stirrupl.esv", "bearm.hd"});
    struct Case {
        const char* name;
        const char* chargeName;
        const char* variant;
        const char* word;
        bool read;
        const char* nameAfter;
    };
    const Case cases[] = {
        {"leathered stirrups drawn", "stirrups", "", "leathered", true, "stirrupl"},
        {"muzzled head drawn", "bears", "hd", "muzzled", true, "bearm"},
        {"muzzled head erased not drawn", "bears", "he", "muzzled", false, "bears"},
        {"crowned stirrup not drawn", "stirrup", "", "crowned", false, "stirrup"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CollectingSink sink;
        auto s = std::make_unique<DrawingState>(sink);
        s->dataDir = folder.Path();
        Current(*s).levelName.Assign(c.chargeName);
        Current(*s).levelVariant.Assign(c.variant);
        s->words[1].Assign(c.word);
        s->wordType[1] = kTypeDetail;
        s->wordSub1[1] = kOwnPicture;
        s->wordCount = 2;
        ASSERT_TRUE(IsQualifier(*s, 1));
        EXPECT_EQ(ApplyQualifier(*s, 1), c.read);
        EXPECT_EQ(Current(*s).levelName.view(), c.nameAfter);
        EXPECT_EQ(Current(*s).levelVariant.view(), c.variant);
    }
}

// An attitude word is read only when its digits lead to a picture, alone or with the attitude
// words right after it; otherwise placement would draw the usual picture and the word would have
// changed nothing.
TEST(Qualifiers, AttitudesReadOnlyWhenTheyLeadToAPicture) {
    const QualifierPictures folder({"lion.1", "lion.4", "cat.32"});
    constexpr int kRampant = 1, kGuardant = 2, kPassant = 3, kStatant = 4, kBeasts = 4;
    struct Case {
        const char* name;
        const char* chargeName;
        const char* variant;            // before the word
        std::vector<int> attitudes;     // the word at 1 and the attitude words after it
        bool drawn;
    };
    const Case cases[] = {
        {"rampant drawn", "lion", "", {kRampant}, true},
        {"guardant alone has no picture", "lion", "", {kGuardant}, false},
        {"passant completed by guardant", "cat", "", {kPassant, kGuardant}, true},
        {"passant alone has no picture", "cat", "", {kPassant}, false},
        {"guardant after statant has no picture", "lion", "4", {kGuardant}, false},
        {"statant drawn", "lion", "", {kStatant, kGuardant}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CollectingSink sink;
        auto s = std::make_unique<DrawingState>(sink);
        s->dataDir = folder.Path();
        Current(*s).levelName.Assign(c.chargeName);
        Current(*s).levelVariant.Assign(c.variant);
        int i = 1;
        for (const int digit : c.attitudes) {
            s->words[static_cast<std::size_t>(i)].Assign("attitude");
            s->wordType[static_cast<std::size_t>(i)] = kTypeAttitude;
            s->wordSub1[static_cast<std::size_t>(i)] = kBeasts;
            s->wordSub2[static_cast<std::size_t>(i)] = digit;
            ++i;
        }
        s->wordCount = i;
        EXPECT_EQ(AttitudeDrawn(*s, 1), c.drawn);
    }
}

// The file painted for the first level that tried pictures, and the words ignored.
struct Reading {
    std::string picture;
    Words ignored;
    std::string story;
};

Reading Read(const std::string& blazon) {
    test::Drawing d;
    d.Draw(blazon);
    Reading out;
    out.ignored = d.trace.ignoredWords;
    for (const LevelTrace& level : d.trace.levels) {
        for (const PictureTrace& p : level.pictures) {
            out.story += " " + p.file + (p.drawn ? " (drawn)" : "");
            if (p.drawn && out.picture.empty()) out.picture = p.file.substr(p.file.rfind('/') + 1);
        }
        if (!out.picture.empty()) break;
    }
    return out;
}

TEST(Qualifiers, BlazonsDrawTheQualifiedPicture) {
    struct Case {
        const char* blazon;
        const char* picture;
    };
    const Case cases[] = {
        {"Argent a boar's head sable", "boar.hd"},
        {"Argent three boars' heads couped sable", "boar.hd"},
        {"Argent three boars' heads erased sable", "boar.he"},
        {"Argent a chevron between three lions' heads erased gules", "lion.he"},
        {"Or a fess between three wolves' heads couped sable", "wolf.hd"},
        {"Argent a chevron between three stags' heads erased sable", "buck.he"},
        {"Azure a buck's head cabossed argent", "buck.hc"},
        {"Sable a chevron between three bulls' heads cabossed argent", "bull.hc"},
        {"Argent three bulls' heads couped sable armed or", "bull.hd"},
        {"Or an eagle's head erased gules", "eagle.he"},
        {"Or an eagle displayed with two heads sable", "teagle.1"},
        {"Gules three luces hauriant argent", "luce.ha"},
        {"Azure a dolphin embowed argent", "dolphin.em"},
        {"Azure a dolphin naiant embowed or", "dolphin.em"},
        {"Gules a lion rampant reguardant or", "lion.1r"},
        {"Argent three lions passant reguardant gules", "lion.3r"},
        {"Gules a lion rampant double-queued or", "liondn.1"},
        {"Argent a saltire couped gules", "saltire.esv"},
        {"Argent three boars' heads erect and erased sable", "boar.hs"},
        {"Argent a hand couped at the wrist gules", "hand.cp"},
        {"Gules on a bend argent three trefoils slipped vert", "trefoil.sl"},
        {"Argent an oak tree eradicated vert", "oaktree.ra"},
        {"Argent a fess between three cocks' heads erased sable", "cock.he"},
        // Attitudes of pictures drawn in them: the demi-lion is rampant, the leopard passant.
        {"Gules a bezant between three demi-lions rampant argent", "demilion.1"},
        {"Argent two leopards passant sable", "leopard.3"},
        {"Gules three conies sejant argent", "conie.5"},
        // A crowned picture after the qualifiers, its details each with their tincture.
        {"Or a bull's head cabossed sable armed argent crowned gules", "bullc.hc"},
        {"Or a lion rampant double-queued gules crowned or", "liondnc.1"},
        // The castle is drawn with three towers; the tower triple-towered has a drawing of its own.
        {"Gules a castle triple-towered or", "castle.tt"},
        {"Gules a tower triple-towered or", "tower.tt"},
        {"Argent a chevron between three eagles' legs erased sable", "leg.er"},
        {"Argent a fox courant gules", "fox.7"},
        {"Or a lion statant guardant gules", "lion.42"},
        {"Vert a lion sejant guardant or", "lion.52"},
        {"Gules a lion couchant guardant or", "lion.62"},
        {"Or a griffin rampant segreant sable", "griffin.11"},
        {"Azure a unicorn couchant argent", "unicorn.6"},
        {"Vert a horse couchant argent", "horse.6"},
        {"Azure a lamb couchant argent", "lamb.6"},
        {"Vert a ram couchant argent", "ram.6"},
        {"Or a bull couchant gules", "bull.6"},
        {"Azure a goat couchant argent", "goat.6"},
        {"Vert a hind lodged argent", "hind.6"},
        {"Vert a ram statant argent", "ram.4"},
        {"Or a mouse statant sable", "mouse.4"},
        {"Argent a bull statant sable", "bull.4"},
        {"Or a boar statant azure", "boar.4"},
        {"Argent a wolf statant sable", "wolf.4"},
        {"Argent a fox statant gules", "fox.4"},
        {"Or a talbot statant sable", "talbot.4"},
        {"Azure a chevron or between three swans' heads erased argent", "swan.he"},
        {"Gules a swan's head couped argent", "swan.hd"},
        // Drawn so already: the alerion is always displayed, the bell hangs mouth down.
        {"Or three alerions displayed azure", "alerion.1"},
        {"Azure a bell pendent or", "bell.1"},
        {"Azure a dolphin hauriant argent", "dolphin.ha"},
        {"Gules a crescent pendent argent", "crescent.1"},
        {"Argent a cross potent fitchy gules", "cros.57"},
        {"Argent a cross botonny fitchy gules", "cros.67"},
        {"Gules three crosses moline fitchy or", "cros.37"},
        {"Azure a cross flory fitchy argent", "cros.47"},
        {"Or a cross patonce fitchy sable", "cros.pa7"},
        {"Or a wing displayed gules", "wing.1"},
        {"Argent an eagle rising reguardant sable", "eagle.2r"},
        {"Vert a cat couchant guardant argent", "cat.62"},
        {"Or a wyvern passant vert", "wivern.3"},
        {"Argent a crow volant sable", "crow.4"},
        {"Or three rooks volant sable", "rook.4"},
        {"Gules a bull salient argent", "bull.7"},
        {"Or a dragon dormant vert", "dragon.6"},
        {"Azure a falcon volant or", "falcon.4"},
        {"Sable a wolf salient argent", "wolf.7"},
        {"Vert a ram salient argent", "ram.7"},
        // A pine cone is never couped or eradicated: those words mean the pine tree.
        {"Argent three pines eradicated vert", "pine.ra"},
        {"Argent a maple tree eradicated gules", "mapletre.ra"},
        {"Sable three goats salient argent", "goat.7"},
        {"Or three stags' attires fesswise in pale sable", "attire.fw"},
        // Pictures drawn palewise say so by a name of their own.
        {"Gules three skenes palewise argent", "skene.pw"},
        {"Ermine three bows bent palewise in fess proper", "bow.2pw"},
        // Parts drawn in pictures of their own, coloured by the tincture after the words.
        {"Or two cows passant in pale gules accorned collared and belled azure", "cowb.3"},
        {"Or a bull's head cabossed sable ringed gules", "bullr.hc"},
        {"Gules three bears' heads couped argent muzzled azure", "bearm.hd"},
        {"Azure a bear's head argent muzzled and ringed or", "bearmr.hd"},
        {"Azure three stirrups leathered or", "stirrupl.esv"},
        {"Gules three stirrups leathered and buckled or", "stirrupl.esv"},
        // Attitudes and phrases of creatures and people shown another way.
        {"Argent a squirrel rampant gules", "squirrel.1"},
        {"Or a wolf ravissant azure", "wolf.1"},
        {"Argent a bee volant sable", "bee.4"},
        {"Sable a naked man with arms extended argent", "nakedman.ex"},
        {"Sable three helmets in profile argent", "helmet.pf"},
        {"Azure three dexter gauntlets backs affrontee or", "gauntlet.bk"},
        // Parts added after the tincture, drawn in pictures of their own.
        {"Azure three pelicans argent vulning themselves proper", "pelicanv.esv"},
        {"Argent a lion rampant sable ducally gorged and chained or", "liongc.1"},
        {"Sable three boys' heads couped at the shoulders argent each having a snake about his neck proper",
         "boysn.hd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        const Reading r = Read(c.blazon);
        EXPECT_EQ(r.picture, c.picture) << "tried:" << r.story;
        EXPECT_EQ(r.ignored, Words{});
    }
}

// A qualifier or attitude whose picture is not drawn is left unread: the picture without it is
// painted and the word is reported, so the blazon does not count as drawn clean.
// Pictures cut from or turned out of another drawing: demi-charges (typed with a hyphen too, in
// either case, plural or not), heads, attitudes.
TEST(Qualifiers, DemiChargesAndTurnedAttitudesDrawTheirPictures) {
    struct Case {
        const char* blazon;
        const char* picture;
    };
    const Case cases[] = {
        {"Or a demi-wolf rampant sable", "dwolf.1"},
        {"Argent three Demi-Wolves sable", "dwolf.esv"},
        {"Gules a demi bear argent", "dbear.esv"},
        {"Vert a demi-cat rampant argent", "dcat.1"},
        {"Gules three demi-griffins segreant or", "dgriffin.1"},
        {"Azure a demi-gryphon or", "dgriffin.esv"},
        {"Or a demi-dragon vert", "ddragon.esv"},
        {"Azure a demi-unicorn rampant argent", "dunicorn.1"},
        {"Argent a demi-antelope azure", "dantelop.esv"},
        {"Vert a demi-wyvern or", "dwivern.esv"},
        {"Or a demi-boar sable", "dboar.esv"},
        {"Azure a demi-goat argent", "dgoat.esv"},
        {"Azure a demi-stag argent", "dbuck.esv"},
        {"Gules a demi-hart or", "dbuck.esv"},
        {"Argent a demi-bull gules", "dbull.esv"},
        {"Sable a demi-ram argent", "dram.esv"},
        {"Or a demi-eagle displayed sable", "deagle.1"},
        {"Gules three demi-lions passant guardant or", "demilion.32"},
        {"Argent a demi lion passant gules", "dlion.3"},
        {"Gules a demi-lion rampant guardant or", "demilion.12"},
        {"Argent a boar salient sable", "boar.7"},
        {"Or a bear salient sable", "bear.7"},
        {"Argent a talbot salient azure", "talbot.7"},
        {"Vert a lamb salient argent", "lamb.7"},
        {"Vert a hind rampant argent", "hind.1"},
        {"Azure a unicorn salient argent", "unicorn.7"},
        {"Or a tyger salient sable", "tyger.7"},
        {"Or a wyvern salient vert", "wivern.7"},
        {"Or a griffin salient sable", "griffin.7"},
        {"Argent a cat salient guardant sable", "cat.72"},
        {"Argent an eel hauriant vert", "eel.ha"},
        // Beasts with a wing at the shoulder; Pegasus is the winged horse.
        {"Azure a pegasus argent", "whorse.esv"},
        {"Azure a winged horse passant argent", "whorse.3"},
        {"Gules a winged lion rampant or", "wlion.1"},
        {"Or a winged lion passant gules", "wlion.3"},
        {"Vert a winged bull passant or", "wbull.3"},
        {"Argent a cockatrice vert", "cockatri.esv"},
        {"Or three basilisks sable", "basilisk.esv"},
        {"Argent a cat rampant sable", "cat.1"},
        {"Vert a stag at gaze or", "buck.42"},
        {"Vert a hart statant at gaze argent", "buck.42"},
        {"Argent a stag trippant guardant gules", "buck.32"},
        {"Vert a hart lodged guardant or", "buck.62"},
        {"Argent an arm embowed gules", "arm.em"},
        // Sitting, lying and standing beasts, birds rising and flying, a head cabossed.
        {"Argent a wolf sejant sable", "wolf.5"},
        {"Or a hound sejant sable", "hound.5"},
        {"Or a cat sejant guardant sable", "cat.52"},
        {"Azure a domestic cat sejant argent", "housecat.5"},
        {"Or a wolf couchant sable", "wolf.6"},
        {"Vert a talbot couchant argent", "talbot.6"},
        {"Gules three hounds couchant or", "hound.6"},
        {"Argent a fox couchant gules", "fox.6"},
        {"Or a bear couchant sable", "bear.6"},
        {"Argent a boar couchant sable", "boar.6"},
        {"Azure a greyhound couchant argent", "greyhoun.6"},
        {"Argent a goat statant sable", "goat.4"},
        {"Azure a swan rousant argent", "swan.2"},
        {"Vert a dove rising argent", "dove.2"},
        {"Gules a swan volant argent", "swan.4"},
        {"Azure three doves volant argent", "dove.4"},
        {"Or an eagle volant sable", "eagle.4"},
        {"Vert three trout naiant argent", "trout.na"},
        {"Azure a dove reguardant argent", "dove.r"},
        {"Vert a dove close reguardant argent", "dove.3r"},
        {"Or a moose's head cabossed sable", "moose.hc"},
        // Heads cut from the whole beast or bird, couped and erased.
        {"Or a hind's head erased gules", "hind.he"},
        {"Argent three does' heads couped gules", "doe.hd"},
        {"Vert a cat's head erased argent", "cat.he"},
        {"Argent three coneys' heads erased sable", "coney.he"},
        {"Or a camel's head couped sable", "camel.hd"},
        {"Azure a heron's head erased argent", "heron.he"},
        {"Azure a stork's head erased argent", "stork.he"},
        {"Argent a cormorant's head erased sable", "cormoran.he"},
        {"Gules three owls' heads argent", "owl.hd"},
        {"Or a popinjay's head vert", "popinjay.hd"},
        {"Gules three luces' heads erased argent", "luce.he"},
        {"Azure a wyvern's head erased or", "wivern.he"},
        {"Azure a demi-luce argent", "dluce.esv"},
        // Demi-hounds and the demi-hind, the dragon salient, the trout hauriant, the crow rising,
        // birds stooping, heads of the antelope, tyger, badger and ass, and crosses of letter-coded
        // forms fitchy.
        {"Or a demi-talbot sable", "dtalbot.esv"},
        {"Argent a demi-hind gules", "dhind.esv"},
        {"Azure a demi-greyhound courant argent", "dgreyhou.7"},
        {"Vert a dragon salient or", "dragon.7"},
        {"Azure three trout hauriant argent", "trout.ha"},
        {"Argent a raven rising sable", "crow.2"},
        {"Or three antelopes' heads erased gules", "antelope.he"},
        {"Argent a tyger's head couped sable", "tyger.hd"},
        {"Or a brock's head erased sable", "brock.he"},
        {"Argent three asses' heads couped sable", "asse.hd"},
        {"Or a falcon stooping azure", "falcon.6"},
        {"Argent an eagle stooping sable", "eagle.6"},
        {"Or three rooks stooping sable", "rook.6"},
        // The owl volant and stooping, the unicorn guardant and its head cabossed, the sagittary
        // standing.
        {"Sable an owl stooping argent", "owl.6"},
        {"Azure an owl volant or", "owl.4"},
        {"Or a unicorn couchant to sinister guardant argent", "unicorn.62"},
        {"Vert a unicorn rampant guardant argent", "unicorn.12"},
        {"Gules a unicorn's head cabossed argent", "unicorn.hc"},
        {"Azure a sagittary statant or", "sagittar.4"},
        {"Gules a cross barby fitchy argent", "cros.ba7"},
        {"Or a cross millrined fitchy sable", "cros.mi7"},
        {"Argent a cross bourdonny fitchy gules", "cros.bo7"},
        {"Vert three crosses annuletty fitchy argent", "cros.ri7"},
        {"Or a demi-fox courant gules", "dfox.7"},
        {"Azure three crosses moussue fitchy or", "cros.mu7"},
        // A lion's jamb is its gamb; the rat is drawn as the mouse.
        {"Gules three lions' jambs erased argent", "paw.er"},
        {"Azure three rats passant sable", "rat.3"},
        // Hoofed beasts rearing are drawn alike rampant and salient.
        {"Azure a ram rampant argent", "ram.1"},
        {"Or a bull rampant sable", "bull.1"},
        {"Gules a stag rampant or", "buck.1"},
        // Hounds and the fox rampant, the demi-man and the demi-cockatrice, the chough's head,
        // and further crosses fitchy.
        {"Or a talbot rampant sable", "talbot.1"},
        {"Argent a hound rampant azure", "hound.1"},
        {"Vert a greyhound rampant argent", "greyhoun.1"},
        {"Argent a fox rampant gules", "fox.1"},
        {"Gules a demi-man argent", "dman.esv"},
        {"Vert a demi-cockatrice or", "dcockatr.esv"},
        {"Argent three choughs' heads erased sable", "chough.he"},
        {"Or a chough's head couped sable", "chough.hd"},
        {"Or a cross avellane fitchy vert", "cros.av7"},
        {"Argent a cross nowy fitchy gules", "cros.no7"},
        {"Azure a cross quadrate fitchy or", "cros.qu7"},
        {"Or a cross patriarchal fitchy sable", "cros.pt7"},
        {"Argent three crosses fleurettee fitchy gules", "cros.fl7"},
        // The greyhound walking and standing; beasts passant and rampant reguardant.
        {"Vert a greyhound passant argent", "greyhoun.3"},
        {"Gules a greyhound statant or", "greyhoun.4"},
        {"Or a wolf passant reguardant sable", "wolf.3r"},
        {"Argent a wolf rampant reguardant azure", "wolf.1r"},
        {"Argent a fox passant reguardant gules", "fox.3r"},
        {"Or a hound passant reguardant sable", "hound.3r"},
        {"Vert a stag trippant reguardant or", "buck.3r"},
        {"Or a dragon passant reguardant vert", "dragon.3r"},
        {"Argent a unicorn passant reguardant azure", "unicorn.3r"},
        {"Or a griffin passant reguardant sable", "griffin.3r"},
        // Birds displayed with their own heads on the eagle's wings; the dove's head.
        {"Argent a swan displayed sable", "swan.1"},
        {"Or a heron displayed azure", "heron.1"},
        {"Azure a dove displayed argent", "dove.1"},
        {"Gules three doves' heads erased argent", "dove.he"},
        // Trees of two more kinds, couped and eradicated.
        {"Argent a cedar tree vert", "cedartre.esv"},
        {"Argent three cedars eradicated vert", "cedar.ra"},
        {"Or an ash tree eradicated vert", "ashtree.ra"},
        {"Or an ash vert", "ash.esv"},
        {"Argent a pear tree vert fructed or", "peartree.esv"},
        {"Or a cherry tree eradicated vert", "cherrytr.ra"},
        {"Argent a walnut tree vert", "walnuttr.esv"},
        {"Argent a holly tree vert", "hollytre.esv"},
        {"Or a laurel tree eradicated vert", "laureltr.ra"},
        {"Argent a hawthorn tree vert", "hawthorn.esv"},
        {"Argent a lime tree vert", "limetree.esv"},
        {"Argent a linden tree vert", "lindentr.esv"},
        {"Argent a plum tree vert fructed purpure", "plumtree.esv"},
        {"Argent three mulberry trees vert", "mulberry.esv"},
        {"Or a lemon tree eradicated vert", "lemontre.ra"},
        {"Argent a rowan vert", "rowan.esv"},
        {"Argent three lemons or", "lemon.esv"},
        // Hoofed beasts sejant (the stag's and the horse's with their kin's heads), the bear and
        // the dragon statant, the two-headed dragon, birds volant with long legs.
        {"Argent a stag sejant sable", "buck.5"},
        {"Or a horse sejant sable", "horse.5"},
        {"Vert three hinds sejant argent", "hind.5"},
        {"Azure a bull sejant or", "bull.5"},
        {"Gules a ram sejant argent", "ram.5"},
        {"Azure a unicorn sejant argent", "unicorn.5"},
        {"Or a bear statant sable", "bear.4"},
        {"Argent a dragon statant vert", "dragon.4"},
        {"Per pale vert and sable a twoheaded dragon statant or", "tdragon.4"},
        {"Or a double-headed dragon gules", "tdragon.esv"},
        {"Argent a heron volant azure", "heron.4"},
        {"Or a stork volant sable", "stork.4"},
        // Sea-beasts and monsters made of two drawings, by their printed names and spellings.
        {"Azure a sea-wolf argent", "seawolf.esv"},
        {"Azure a sea griffin or", "seagriff.esv"},
        {"Vert a sea-unicorn argent", "seaunico.esv"},
        {"Or an opinicus rampant gules", "opinicu.1"},
        {"Argent a hippogryph sable", "hippogry.esv"},
        {"Gules a manticore rampant or", "manticor.1"},
        {"Or a winged serpent vert", "wserpent.esv"},
        {"Per fess gules and counter-ermine a bog beast rampant argent", "bogbeast.1"},
        {"Sable an Oriental dragon rampant or", "oriental.1"},
        // Drawn by hand: the melusine, the calamarie and its names, the whale and its head.
        {"Azure a melusine argent", "melusine.esv"},
        {"Or three calamaries sable", "calamari.esv"},
        {"Argent a kraken gules", "kraken.esv"},
        {"Azure three whales naiant argent", "whale.na"},
        {"Argent three whales' heads erased sable", "whale.he"},
        {"Argent a triquetra vert", "triquetr.esv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        const Reading r = Read(c.blazon);
        EXPECT_EQ(r.picture, c.picture) << "tried:" << r.story;
        EXPECT_EQ(r.ignored, Words{});
    }
}

// Creatures, monsters and objects that have their own drawings, by their own names, their old
// names and the words written for them, each read whole (nothing left over, no question picture).
TEST(Qualifiers, CreaturesMonstersAndObjectsDrawTheirOwnPictures) {
    struct Case {
        const char* blazon;
        const char* picture;
    };
    const Case cases[] = {
        // Monsters made of two creatures, the savage and the mermaid.
        {"Or a sphinx couchant sable", "sphinx.6"},
        {"Azure a harpy displayed or", "harpy.1"},
        {"Vert a savage argent", "savage.esv"},
        {"Vert a wild man argent", "savage.esv"},
        {"Gules a woodwose or", "savage.esv"},
        {"Argent a demi-savage vert", "dsavage.esv"},
        {"Azure a mermaid argent", "mermaid.esv"},
        {"Azure three mermen argent", "mermen.esv"},
        {"Vert a triton or", "merman.esv"},
        {"Or a sea-lion azure", "sealion.esv"},
        {"Or a sea lion azure", "sealion.esv"},
        // Creatures seen from above, the bat displayed.
        {"Argent a bat displayed sable", "bat.1"},
        {"Argent three reremice sable", "reremice.esv"},
        {"Or a crab gules", "crab.esv"},
        {"Argent a lobster gules", "lobster.esv"},
        {"Argent three crevices gules", "crevice.esv"},
        {"Or a scorpion sable", "scorpion.esv"},
        {"Or a spider sable", "spider.esv"},
        {"Azure a dragonfly argent", "dragonfl.esv"},
        {"Or three beetles sable", "beetle.esv"},
        {"Argent three ants sable", "ant.esv"},
        {"Or three flies sable", "flie.esv"},
        {"Sable three gad-bees volant argent", "flie.4"},
        {"Argent three seals sable", "seal.esv"},
        {"Azure three starfish or", "starfish.esv"},
        {"Or three buck beetles sable", "buckbeet.esv"},
        {"Argent a lizard vert", "lizard.esv"},
        {"Argent three efts vert", "eft.esv"},
        {"Azure a salamander or", "salamand.esv"},
        {"Vert a grasshopper or", "grasshop.esv"},
        {"Vert three locusts or", "grasshop.esv"},
        // Objects of bands, rings and chains of discs.
        {"Gules a pair of spectacles or", "spectacl.esv"},
        {"Azure a level or", "level.esv"},
        {"Vert three tassels or", "tassel.esv"},
        {"Azure a caduceus or", "caduceu.esv"},
        {"Vert a cornucopia or", "cornucop.esv"},
        {"Argent a rosary sable", "rosary.esv"},
        {"Azure a thunderbolt or", "thunderb.esv"},
        {"Or a telescope sable", "telescop.esv"},
        {"Argent a flagon gules", "flagon.esv"},
        {"Gules a monstrance or", "monstran.esv"},
        {"Azure an armillary sphere or", "armillar.esv"},
        {"Azure an astrolabe or", "astrolab.esv"},
        {"Vert a quadrant argent", "quadrant.esv"},
        {"Argent a cardinal's hat gules", "galero.esv"},
        {"Sable a chess knight argent", "chesskni.esv"},
        {"Argent three fers de moline sable", "millrind.esv"},
        // Words written as the charge heralds draw for them.
        {"Gules a helm argent", "helmet.esv"},
        {"Or a garland vert", "chaplet.esv"},
        {"Or three barrels sable", "tun.esv"},
        {"Argent a toad vert", "frog.esv"},
        {"Or a sow sable", "boar.esv"},
        {"Argent a rabbit sable", "coney.esv"},
        {"Argent a centaur gules", "sagittar.esv"},
        {"Or a parrot vert", "popinjay.esv"},
        {"Argent a whippet courant sable", "greyhoun.7"},
        {"Or three wasps sable", "bee.esv"},
        {"Argent a cubit arm gules", "cubitarm.esv"},
        {"Azure a swan close argent", "swan.3"},
        {"Azure a heron close argent", "heron.3"},
        {"Or a cat passant sable", "cat.3"},
        {"Argent a cockle gules", "escallop.esv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        const Reading r = Read(c.blazon);
        EXPECT_EQ(r.picture, c.picture) << "tried:" << r.story;
        EXPECT_EQ(r.ignored, Words{});
    }
}

TEST(Qualifiers, AWordWithoutItsPictureIsReported) {
    test::Drawing probe;
    ASSERT_FALSE(PictureExists(probe.s(), "mullet", "er")) << "the case below needs a charge with no erased picture";
    ASSERT_TRUE(PictureExists(probe.s(), "mullet", ""));
    Reading r = Read("Azure a mullet erased or");
    EXPECT_EQ(r.picture, "mullet.esv");
    EXPECT_EQ(r.ignored, (Words{"erased"}));

    ASSERT_FALSE(PictureExists(probe.s(), "lion", "72")) << "the case below needs an attitude with no picture";
    ASSERT_TRUE(PictureExists(probe.s(), "lion", "7"));
    // A turn of the head with no picture is read, and the message says the lion is drawn without it.
    r = Read("Gules a lion salient guardant or");
    EXPECT_EQ(r.picture, "lion.7");
    EXPECT_EQ(r.ignored, Words{});

    // "fesswise" and "palewise" without a picture of their own are still read: the painter turns
    // the usual picture (Orientation.AnyChargeLiesAsWritten).
    ASSERT_FALSE(PictureExists(probe.s(), "sword", "fw")) << "the case below needs a charge with no fesswise picture";
    r = Read("Gules a sword fesswise argent");
    EXPECT_EQ(r.picture, "sword.esv");
    EXPECT_TRUE(r.ignored.empty());

    ASSERT_FALSE(PictureExists(probe.s(), "lion", "pw")) << "the case below needs a charge with no palewise picture";
    r = Read("Gules a lion palewise argent");
    EXPECT_EQ(r.picture, "lion.esv");
    EXPECT_TRUE(r.ignored.empty());

    // A detail word that names a picture of its own: without that picture the charge is drawn
    // as it is, not as the question picture, and the word is read with its tincture and told as
    // read, not drawn (PartsAsPrinted).
    ASSERT_FALSE(PictureExists(probe.s(), "bearc", "1")) << "the case below needs a charge with no crowned picture";
    r = Read("Argent a bear rampant sable crowned or");
    EXPECT_EQ(r.picture, "bear.1");
    EXPECT_TRUE(r.ignored.empty());
    // ... also after a detail word of the second part, which takes the tincture: the crown is
    // not drawn as if it were there.
    r = Read("Argent a bear rampant sable armed and crowned or");
    EXPECT_EQ(r.picture, "bear.1");
    EXPECT_TRUE(r.ignored.empty());
}

// The tincture after a run of detail words colours the parts each word names: the second part
// for "accorned" and "hafted", the detail part (the bell and collar, the ring) for a word with a
// picture of its own. Counted on the painted shield: the detail's tincture appears nowhere else,
// or appears more than with the second part alone.
int PixelsOf(const std::string& blazon, int tincture) {
    test::Drawing d;
    d.Draw(blazon);
    EXPECT_EQ(d.trace.ignoredWords, Words{}) << blazon;
    const Rgb want = test::Colour(tincture);
    int n = 0;
    for (int y = 0; y < d.s().picture.Height(); ++y)
        for (int x = 0; x < d.s().picture.Width(); ++x) n += d.At(x, y) == want ? 1 : 0;
    return n;
}

TEST(Qualifiers, DetailTinctureColoursThePartsTheWordsName) {
    // The ring is the only gules on a field or with a sable head and sable horns.
    EXPECT_EQ(PixelsOf("Or a bull's head cabossed sable", kGules), 0);
    EXPECT_GT(PixelsOf("Or a bull's head cabossed sable ringed gules", kGules), 20);
    // Horns alone, then horns with the collar and bell.
    const int horns = PixelsOf("Or two cows passant in pale gules accorned azure", kAzure);
    EXPECT_GT(horns, 20);
    EXPECT_GT(PixelsOf("Or two cows passant in pale gules accorned collared and belled azure", kAzure), horns + 100);
    // The haft is the axe's second part.
    EXPECT_EQ(PixelsOf("Gules an axe argent", kOr), 0);
    EXPECT_GT(PixelsOf("Gules an axe argent hafted or", kOr), 100);
    // The spear's head; the arrow's head, then with its fletching.
    EXPECT_EQ(PixelsOf("Gules a spear or", kArgent), 0);
    EXPECT_GT(PixelsOf("Gules a spear or headed argent", kArgent), 100);
    const int head = PixelsOf("Gules an arrow or barbed argent", kArgent);
    EXPECT_GT(head, 100);
    EXPECT_GT(PixelsOf("Gules an arrow or feathered and barbed argent", kArgent), head + 100);
}

// Every head drawn couped has its erased twin, so that "erased" is never left unread on a head
// the catalogue draws. A spear's or a dagger's head, a leopard's face (crowned too) and a cherub's
// or a seraph's winged head are not torn from a body, a man's or a boy's head (with a snake about his neck too)
// is couped at the shoulders, a death's head is the bare skull and a poppy head the seed vessel.
TEST(Qualifiers, EveryHeadHasItsErasedTwin) {
    const std::set<std::string> notTorn = {"spear", "dagger", "leopard", "leopardc", "cherub", "seraph", "boy", "boysn", "man", "men", "death", "poppy"};
    const std::filesystem::path lpics = std::filesystem::path(ESCAVAL_DATA_DIR) / "lpics";
    int heads = 0;
    for (const auto& entry : std::filesystem::directory_iterator(lpics)) {
        if (entry.path().extension() != ".hd") continue;
        const std::string stem = entry.path().stem().string();
        if (notTorn.contains(stem)) continue;
        ++heads;
        EXPECT_TRUE(std::filesystem::is_regular_file(lpics / (stem + ".he"))) << stem << ".hd has no erased twin";
    }
    EXPECT_GT(heads, 10) << "no head pictures were found in " << lpics;
}

// A phrase before the tincture is read whole, for a charge with no variant yet, and only where the
// picture showing the charge so exists; its other words go with it.
TEST(Qualifiers, PhrasesShowingAChargeSoAreReadWholeWithTheirPicture) {
    const QualifierPictures folder({"man.ex", "helmet.pf", "gauntlet.bk"});
    struct Case {
        const char* name;
        const char* chargeName;
        const char* variant;
        Words words;  // from index 1
        bool qualifier;
        bool read;
        const char* variantAfter;
        int wordsAfter;  // words after the first that belong to the phrase
    };
    const Case cases[] = {
        {"arms extended", "man", "", {"with", "arms", "extended"}, true, true, "ex", 2},
        {"arms outstretched", "man", "", {"with", "arms", "outstretched"}, true, true, "ex", 2},
        {"half the phrase", "man", "", {"with", "arms"}, false, false, "", 0},
        {"no picture of the lion so", "lion", "", {"with", "arms", "extended"}, true, false, "", 2},
        {"in profile", "helmets", "", {"in", "profile"}, true, true, "pf", 1},
        {"in profile after an attitude", "helmet", "3", {"in", "profile"}, true, false, "3", 1},
        {"backs affrontee", "gauntlets", "", {"backs", "affrontee"}, true, true, "bk", 1},
        {"back affronty", "gauntlet", "", {"back", "affronty"}, true, true, "bk", 1},
        {"in pale is no such phrase", "helmets", "", {"in", "pale"}, false, false, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CollectingSink sink;
        auto s = std::make_unique<DrawingState>(sink);
        s->dataDir = folder.Path();
        Current(*s).levelName.Assign(c.chargeName);
        Current(*s).levelVariant.Assign(c.variant);
        int i = 1;
        for (const std::string& w : c.words) s->words[static_cast<std::size_t>(i++)].Assign(w);
        s->wordCount = i;
        ASSERT_EQ(IsQualifier(*s, 1), c.qualifier);
        if (!c.qualifier) continue;
        EXPECT_EQ(ApplyQualifier(*s, 1), c.read);
        EXPECT_EQ(Current(*s).levelVariant.view(), c.variantAfter);
        EXPECT_EQ(Current(*s).levelName.view(), c.chargeName);
        EXPECT_EQ(WordsOfTheCut(*s, 1), c.wordsAfter);
    }
}

// After the tincture a phrase adding a part is read only when its picture exists and a tincture
// follows it, which then colours the part.
TEST(Qualifiers, PhrasesAddingAPartNeedTheirPictureAndATincture) {
    const QualifierPictures folder({"pelicanv.esv", "boysn.hd", "liongc.1"});
    struct Case {
        const char* name;
        const char* chargeName;
        const char* variant;
        Words words;  // from index 1, the charge's tincture first
        bool read;
        const char* nameAfter;
        int cursorAfter;
        int detail;  // the tincture of the part, -1 when unread
    };
    const Case cases[] = {
        {"vulning themselves proper", "pelicans", "", {"argent", "vulning", "themselves", "proper"}, true, "pelicanv", 4,
         kProperBrown},
        {"vulning gules", "pelican", "", {"or", "vulning", "gules"}, true, "pelicanv", 3, kGules},
        {"vulning with no tincture after", "pelican", "", {"argent", "vulning", "themselves"}, false, "pelican", 1, -1},
        {"no picture of the eagle vulning", "eagle", "", {"or", "vulning", "gules"}, false, "eagle", 1, -1},
        {"a snake about his neck", "boys", "hd",
         {"argent", "each", "having", "a", "snake", "about", "his", "neck", "vert"}, true, "boysn", 9, kVert},
        {"with a serpent round her neck", "boy", "hd",
         {"argent", "with", "a", "serpent", "round", "her", "neck", "vert"}, true, "boysn", 8, kVert},
        {"a snake about nothing", "boys", "hd", {"argent", "having", "a", "snake", "vert"}, false, "boys", 1, -1},
        {"ducally gorged and chained", "lion", "1", {"sable", "ducally", "gorged", "and", "chained", "or"}, true,
         "liongc", 6, kOr},
        // About the neck with no such picture: passed over with its tincture, the charge unchanged.
        {"ducally gorged alone", "lion", "1", {"sable", "ducally", "gorged", "or"}, true, "lion", 4, -1},
        {"gorged and chained passant", "lion", "3", {"sable", "ducally", "gorged", "and", "chained", "or"}, true,
         "lion", 6, -1},
    };
    const std::map<std::string, int> codes = {{"or", kOr},       {"argent", kArgent}, {"gules", kGules},
                                              {"sable", kSable}, {"vert", kVert},     {"proper", kProperBrown}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CollectingSink sink;
        auto s = std::make_unique<DrawingState>(sink);
        s->dataDir = folder.Path();
        Current(*s).levelName.Assign(c.chargeName);
        Current(*s).levelVariant.Assign(c.variant);
        int i = 1;
        for (const std::string& w : c.words) {
            const auto k = static_cast<std::size_t>(i++);
            s->words[k].Assign(w);
            if (codes.contains(w)) {
                s->wordType[k] = kTypeTincture;
                s->wordSub1[k] = codes.at(w);
            }
        }
        s->wordCount = i;
        s->cursor = 1;
        EXPECT_EQ(ReadDetailPhrase(*s), c.read);
        EXPECT_EQ(Current(*s).levelName.view(), c.nameAfter);
        EXPECT_EQ(Current(*s).levelVariant.view(), c.variant);
        EXPECT_EQ(s->cursor, c.cursorAfter);
        EXPECT_EQ(s->detailTincture, c.detail);
    }
}

// The part a phrase adds takes the tincture after the phrase, and without the phrase the part is
// not there: counted on the painted shield, in a tincture that appears nowhere else on it (the
// pelican's blood, the lion's coronet and chain, the snake about the boy's neck).
TEST(Qualifiers, TheAddedPartIsPaintedInItsTincture) {
    struct Case {
        const char* blazon;
        int tincture;
        int atLeast;  // pixels of it; 0 means none at all
    };
    const Case cases[] = {
        {"Azure a pelican argent vulning gules", kGules, 100},
        {"Azure a pelican argent vulning herself proper", kGules, 100},
        {"Azure a pelican argent", kGules, 0},
        {"Argent a lion rampant sable ducally gorged and chained or", kOr, 300},
        {"Argent a lion rampant sable", kOr, 0},
        {"Sable three boys' heads couped at the shoulders argent each having a snake about his neck proper", kVert, 300},
        {"Sable three boys' heads couped at the shoulders argent", kVert, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        const int n = PixelsOf(c.blazon, c.tincture);
        if (c.atLeast == 0) {
            EXPECT_EQ(n, 0);
        } else {
            EXPECT_GE(n, c.atLeast);
        }
    }
}

// An attitude the charge has no picture in is drawn in the nearest one it has, and a turn of the
// head or tail with no picture is read and drawn without; the message says so and the shield is
// the one of the blazon written so. A case whose picture has since been drawn is passed over.
TEST(Qualifiers, TheNearestAttitudeStandsInForOneWithoutAPicture) {
    struct Case { const char* blazon; const char* name; const char* missing; const char* drawnAs; const char* message; };
    const Case cases[] = {
        {"Argent a bear statant sable", "bear", "4", "Argent a bear passant sable", "No picture of the bear statant: it is drawn passant."},
        {"Azure a boar sejant or", "boar", "5", "Azure a boar couchant or", "No picture of the boar sejant: it is drawn couchant."},
        {"Or a dragon passant reguardant coward vert", "dragon", "3r0", "Or a dragon passant reguardant vert",
         "No picture of the dragon coward: it is drawn without it."},
        {"Or a unicorn couchant to sinister guardant argent", "unicorn", "62", "Or a unicorn couchant to sinister argent",
         "No picture of the unicorn guardant: it is drawn without it."},
        {"Sable an owl stooping argent", "owl", "6", "Sable an owl displayed argent", "No picture of the owl stooping: it is drawn displayed."},
        // A beast's turn of the head after a bird: its digit is the bird's "rising", never read so.
        {"Azure an eagle guardant or", "eagle", "_", "Azure an eagle or", "No picture of the eagle guardant: it is drawn without it."},
        {"Azure a falcon close guardant or", "falcon", "3_", "Azure a falcon close or",
         "No picture of the falcon guardant: it is drawn without it."},
        // Affronty: no picture faces the viewer whole. A head is drawn cabossed, a beast guardant.
        {"Sable a bull's head erased affronty argent", "bull", "_", "Sable a bull's head cabossed argent",
         "No picture of the bull head affronty: it is drawn cabossed."},
        {"Argent a lion sejant affrontee gules", "lion", "5af", "Argent a lion sejant guardant gules",
         "No picture of the lion affrontee: it is drawn guardant."},
        {"Argent a vulture close affronty sable", "vulture", "3af", "Argent a vulture close sable",
         "No picture of the vulture affronty: it is drawn without it."},
        // Reared up on the hind legs: standing so is nearest rampant, sitting so the beast sejant.
        {"Or a bear statant erect sable", "bear", "_", "Or a bear rampant sable",
         "No picture of the bear statant erect: it is drawn rampant."},
        {"Or a lion sejant erect sable", "lion", "_", "Or a lion sejant sable",
         "No picture of the lion sejant erect: it is drawn sejant."},
        // Migrant (flying to chief) is drawn volant; a bird tergiant (its back to the viewer) displayed.
        {"Vert a martlet migrant or", "martlet", "7", "Vert a martlet volant or",
         "No picture of the martlet migrant: it is drawn volant."},
        {"Or a falcon tergiant sable", "falcon", "tg", "Or a falcon displayed sable",
         "No picture of the falcon tergiant: it is drawn displayed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing blazoned, written;
        if (PictureExists(blazoned.s(), c.name, c.missing)) continue;
        blazoned.Draw(c.blazon);
        written.Draw(c.drawnAs);
        EXPECT_TRUE(blazoned.trace.ignoredWords.empty());
        ASSERT_EQ(blazoned.sink.messages.size(), 1u);
        EXPECT_EQ(blazoned.sink.messages[0], c.message);
        EXPECT_TRUE(blazoned.s().picture == written.s().picture);
    }
    // With no picture in the attitude nor a near one, the word is still left unread.
    const Reading r = Read("Azure a mullet erased or");
    EXPECT_EQ(r.ignored, (Words{"erased"}));
    // Past another word of the attitude ("sejant erect"), affronty is read all the same.
    test::Drawing erect;
    erect.Draw("Argent a lion sejant erect affronty gules");
    EXPECT_TRUE(erect.trace.ignoredWords.empty());
    ASSERT_FALSE(erect.sink.messages.empty());
    EXPECT_EQ(erect.sink.messages.back(), "No picture of the lion affronty: it is drawn guardant.");
    // Affronty with no head or attitude before it says nothing the picture could stand in for.
    EXPECT_EQ(Read("Azure a lion affronty or").ignored, (Words{"affronty"}));
}

// Attitude words written apart from the charge, in pairs or after a weapon or a head are read:
// each blazon draws the picture of the one written plainly beside it, and no word is left unread.
TEST(Qualifiers, AttitudeWordsWrittenApartAreRead) {
    struct Case { const char* blazon; const char* plainly; };
    const Case cases[] = {
        // Written apart: a name for the attitude, commas around it, the tincture in the name.
        {"Gules a lion of England", "Gules a lion passant guardant or"},
        {"Gules a lion of England or", "Gules a lion passant guardant or"},
        {"Gules three lions of England passant guardant", "Gules three lions passant guardant or"},
        {"Vert a lion, rampant, or", "Vert a lion rampant or"},
        {"Azure a stag at gaze or", "Azure a stag statant guardant or"},
        {"Azure a stag, lodged, or", "Azure a stag couchant or"},
        {"Azure a hind trippant or", "Azure a hind passant or"},
        {"Or two lions combatant gules", "Or two lions rampant combatant gules"},
        // Erect: of a weapon, of a head.
        {"Sable a sword, erect, argent", "Sable a sword erect argent"},
        {"Or a wolf's head erased erect sable", "Or a wolf's head erased erect sable"},
        // Erect of charges set in a part of the field or about an ordinary: the sword stands so.
        {"Argent a fess gules, in chief a sword erect sable", "Argent a fess gules, in chief a sword sable"},
        {"Argent a chevron between three swords erect gules", "Argent a chevron between three swords gules"},
        {"Argent a cross gules, in the first quarter a sword erect sable",
         "Argent a cross gules, in the first quarter a sword sable"},
        // The fish embowed and the tyger in the lion's attitudes have pictures of their own.
        {"Azure a salmon embowed argent", "Azure a salmon embowed argent"},
        {"Or a tyger sejant azure", "Or a tyger sejant azure"},
        // The tortoise is drawn from above: tergiant is its own picture.
        {"Or a turtle tergiant vert", "Or a turtle vert"},
        {"Or a bee volant en arriere sable", "Or a bee sable"},
        {"Or a crab tergiant gules", "Or a crab gules"},
        // English for the attitudes; the sun rising shows its upper half.
        {"Azure a stag standing or", "Azure a stag statant or"},
        {"Azure a lion sitting or", "Azure a lion sejant or"},
        {"Azure a sun rising or", "Azure a demi-sun or"},
        {"Azure three standing dishes or", "Azure three standingdishes or"},
        // The owl and the skull face the viewer: affronty is their own picture.
        {"Or an owl affronty sable", "Or an owl sable"},
        {"Or an owl close affronty sable", "Or an owl close sable"},
        {"Argent a skull affronty sable", "Argent a skull sable"},
        {"Or a dragon sejant vert", "Or a dragon sejant vert"},
    };
    for (const Case& c : cases) EXPECT_TRUE(DrawnAsWritten(c.blazon, c.plainly).empty()) << c.blazon;
}

// Prefixes add up, and "double-headed" may follow the charge: each blazon draws its picture with
// every word read.
TEST(Qualifiers, PrefixesAddUpBeforeOrAfterTheCharge) {
    struct Case { const char* blazon; const char* picture; };
    const Case cases[] = {
        {"Or a demi-Pegasus azure", "dwhorse.esv"},
        {"Or a demi double-headed eagle sable", "dteagle.esv"},
        {"Or an eagle double-headed displayed sable", "teagle.1"},
        {"Or an eagle with two heads displayed sable", "teagle.1"},
        {"Or a demi eagle double-headed sable", "dteagle.esv"},
        {"Or a winged horse azure", "whorse.esv"},
    };
    for (const Case& c : cases) {
        const Reading r = Read(c.blazon);
        EXPECT_EQ(r.picture, c.picture) << c.blazon << " tried:" << r.story;
        EXPECT_EQ(r.ignored, Words{}) << c.blazon;
    }
}

// "wings elevated and addorsed" after a charge is how its wings are borne, never a charge of wings
// glued to its name: each blazon draws the picture of the one written without the wings' words,
// with every word read. A bird takes the attitude that bears its wings so.
TEST(Qualifiers, WingsAfterTheChargeAreHowItBearsThem) {
    struct Case { const char* blazon; const char* plainly; const char* name; };
    const Case cases[] = {
        {"Vert a dragon passant wings elevated and addorsed or", "Vert a dragon passant or", "dragon"},
        {"Vert a dragon couchant, wings addorsed, or", "Vert a dragon couchant or", "dragon"},
        {"Azure a winged trout naiant to sinister, wings elevated and addorsed argent",
         "Azure a winged trout naiant to sinister argent", "wtrout"},
        {"Or a winged greyhound couchant to sinister, wings elevated and addorsed, azure",
         "Or a winged greyhound couchant to sinister azure", "wgreyhound"},
        {"Argent a falcon wings elevated sable", "Argent a falcon rising sable", "falcon"},
        {"Argent a falcon with wings endorsed sable", "Argent a falcon rising sable", "falcon"},
        {"Argent an eagle with wings expanded gules", "Argent an eagle displayed gules", "eagle"},
        {"Argent an eagle with wings displayed gules", "Argent an eagle displayed gules", "eagle"},
        // Monsters whose pictures raise a griffin's wing, by names that do not hold the word "griffin".
        {"Or a hippogriff, wings elevated and addorsed, azure", "Or a hippogriff azure", "hippogriff"},
        {"Or a sea-gryphon wings addorsed azure", "Or a sea-gryphon azure", "seagryphon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing blazoned, written;
        blazoned.Draw(c.blazon);
        written.Draw(c.plainly);
        EXPECT_TRUE(blazoned.trace.ignoredWords.empty());
        EXPECT_EQ(blazoned.sink.messages, written.sink.messages);
        ASSERT_FALSE(blazoned.trace.levels.empty());
        EXPECT_EQ(blazoned.trace.levels[0].name, c.name);
        EXPECT_TRUE(blazoned.s().picture == written.s().picture);
    }
}

// Wings borne otherwise than the picture bears them are read and drawn as the picture has them;
// the message says so. Wings as a charge of their own stay one.
TEST(Qualifiers, WingsThePictureLacksAreToldAndWingsAloneStayACharge) {
    struct Case { const char* blazon; const char* plainly; const char* message; };
    const Case cases[] = {
        {"Argent a griffin segreant wings displayed sable", "Argent a griffin segreant sable",
         "No picture of the griffin with wings displayed: it is drawn with the wings its picture has."},
        {"Or an eagle close wings inverted sable", "Or an eagle close sable",
         "No picture of the eagle with wings inverted: it is drawn with the wings its picture has."},
        // A charge with no wings at all is drawn as it is, the wings told.
        {"Or a lion rampant wings addorsed gules", "Or a lion rampant gules",
         "No picture of the lion with wings addorsed: it is drawn without them."},
    };
    for (const Case& c : cases) {
        const auto messages = DrawnAsWritten(c.blazon, c.plainly);
        ASSERT_EQ(messages.size(), 1u) << c.blazon;
        EXPECT_EQ(messages[0], c.message);
    }
    test::Drawing lure, between;
    lure.Draw("Gules two wings conjoined in lure or");
    ASSERT_FALSE(lure.trace.levels.empty());
    EXPECT_EQ(lure.trace.levels[0].name, "wingcl");
    between.Draw("Or a chevron between two wings elevated gules");
    ASSERT_GE(between.trace.levels.size(), 2u);
    EXPECT_EQ(between.trace.levels[1].name, "wing");
}

// Words that turn a charge the way it is drawn ("its head facing dexter", "head to dexter") say
// what the picture shows; "to sinister" before the wings' posture turns the charge.
TEST(Qualifiers, FacingDexterIsTheChargeAsDrawn) {
    struct Case { const char* blazon; const char* plainly; };
    const Case cases[] = {
        {"Argent a falcon close, its head facing dexter, sable", "Argent a falcon close sable"},
        {"Argent a falcon close sable, head to dexter", "Argent a falcon close sable"},
        {"Argent a sword fesswise to dexter sable", "Argent a sword fesswise sable"},
        {"Or a dragon passant to sinister, wings elevated and addorsed, vert", "Or a dragon passant contourny vert"},
    };
    for (const Case& c : cases) EXPECT_TRUE(DrawnAsWritten(c.blazon, c.plainly).empty()) << c.blazon;
}

// Charges heralds draw as another ("a robin", "a vol", "a pitcher") draw that picture, every word read.
TEST(Qualifiers, ChargesDrawnAsAnotherDrawItsPicture) {
    struct Case { const char* blazon; const char* plainly; };
    const Case cases[] = {
        {"Argent a robin close sable", "Argent a crow close sable"},
        {"Argent two birds volant sable", "Argent two crows volant sable"},
        {"Argent a vulture close sable", "Argent an eagle close sable"},
        {"Or a vol gules", "Or two wings conjoined gules"},
        {"Azure a pitcher or", "Azure a jug or"},
        {"Or a cage sable", "Or a birdcage sable"},
        {"Vert a sea-tortoise argent", "Vert a tortoise argent"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing blazoned, written;
        blazoned.DrawClean(c.blazon);
        written.DrawClean(c.plainly);
        for (const LevelTrace& l : blazoned.trace.levels)
            for (const PictureTrace& p : l.pictures) EXPECT_FALSE(p.standIn) << l.name;
        EXPECT_TRUE(blazoned.s().picture == written.s().picture);
    }
}

}  // namespace
}  // namespace esc
