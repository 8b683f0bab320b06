// Words the published armorials print that the vocabulary reads through its own rows: compounds
// written with a hyphen, charges whose pictures are still to be drawn, and parts of a charge that
// no picture draws, which are told rather than read past.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

bool Ignored(const Drawing& d, const std::string& word) {
    const auto& words = d.trace.ignoredWords;
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool StandIn(const Drawing& d) {
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& picture : level.pictures)
            if (picture.standIn) return true;
    return false;
}

// A compound printed with its hyphen is the two words: the normaliser would otherwise join it
// into a word the vocabulary does not hold ("crossmoline", "sixpointed").
TEST(ArmorialWords, HyphenatedCompoundsDrawAsTheirWords) {
    struct Pair { const char* printed; const char* modern; };
    const std::vector<Pair> pairs = {
        {"Argent a cross-moline gules", "Argent a cross moline gules"},
        {"Argent three crosses formée-fitchée gules", "Argent three crosses formee fitchee gules"},
        {"Argent three crosses pattee-fitchee gules", "Argent three crosses pattee fitchee gules"},
        {"Or a maple-tree vert", "Or a maple tree vert"},
        {"Argent two six-pointed stars gules", "Argent two mullets of six points gules"},
        {"Argent a five-pointed star gules", "Argent a mullet gules"},
        {"Argent an eight-pointed star gules", "Argent a mullet of eight points gules"},
        {"Argent two slaughter-axes in saltire gules", "Argent two axes in saltire gules"},
        {"Argent a two-edged sword gules", "Argent a sword gules"},
        {"Argent three drinking-glasses gules", "Argent three cups gules"},
        {"Azure a music-book open or", "Azure a book or"},
        {"Argent a bull's head cabossed sable nose-ringed or", "Argent a bull's head cabossed sable ringed or"},
        {"Argent a lion rampant double-tailed gules", "Argent a lion rampant double queued gules"},
        {"Argent three two-pronged forks gules", "Argent three forks gules"},
        {"Argent three pilgrim's staves gules", "Argent three staves gules"},
        {"Argent a helmet side-faced sable", "Argent a helmet in profile sable"},
    };
    Drawing printed, modern;
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.printed);
        modern.DrawClean(p.modern);
        printed.DrawClean(p.printed);
        EXPECT_FALSE(StandIn(printed));
        EXPECT_TRUE(printed.s().picture == modern.s().picture);
    }
}

// English words of registers, read as the heralds' words: the colours at the charge's centre
// and in a corner of the field show what was read.
TEST(ArmorialWords, PlainEnglishWordsPaintTheHeraldsCharge) {
    Drawing d;
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    // A roundel fills its middle; placed alone it stands at the middle of the field.
    d.DrawClean("Azure a fess or between two coins argent");
    EXPECT_EQ(d.At(W / 2, 12), Colour(kAzure));
    Drawing modern;
    modern.DrawClean("Azure a fess or between two roundels argent");
    EXPECT_TRUE(d.s().picture == modern.s().picture);
    const std::vector<std::pair<const char*, const char*>> pairs = {
        {"Argent an eagle flying sable", "Argent an eagle volant sable"},
        {"Argent a stag recumbent gules", "Argent a stag couchant gules"},
        {"Azure a swan swimming argent", "Azure a swan naiant argent"},
        {"Gules a horse leaping or", "Gules a horse salient or"},
        {"Argent a left hand gules", "Argent a sinister hand gules"},
        {"Argent a right hand gules", "Argent a dexter hand gules"},
        {"Argent a bend gules at the centre a mullet sable", "Argent a bend gules in fess a mullet sable"},
        {"Argent a bend gules at the center point a mullet sable", "Argent a bend gules in fess a mullet sable"},
        {"Argent a cross gules edged or", "Argent a cross gules fimbriated or"},
        {"Argent a regal crown or", "Argent a royal crown or"},
        {"Argent three antlers sable", "Argent three attires sable"},
        {"Argent in base a starlet gules", "Argent in base a mullet gules"},
        {"Arg. simple.", "Argent"},
        {"Or a fess arched vert", "Or a fess enarched vert"},
        {"Argent a representation of the Crown or", "Argent a crown or"},
        {"Or on the waves of the sea a lymphad gules", "Or on a base barry wavy argent and azure a lymphad gules"},
    };
    for (const auto& [printed, heralds] : pairs) {
        SCOPED_TRACE(printed);
        modern.DrawClean(heralds);
        d.DrawClean(printed);
        EXPECT_TRUE(d.s().picture == modern.s().picture);
    }
    d.DrawClean("Argent a right hand gules");
    EXPECT_EQ(d.At(W / 2, H / 2), Colour(kGules));
}

// The rolls' "port d'azur" (he bears azure), the raven as the corbie and the leopard as the
// lupard, the fess "hummetté".
TEST(ArmorialWords, OldFormsAreTheModernCharges) {
    const std::vector<std::pair<const char*, const char*>> pairs = {
        {"port d'asure a vj luces d'or", "Azure six luces or"},
        {"port d'argent a une egle espanie d'asur", "Argent an eagle displayed azure"},
        {"de or a iij corbyns de sable.", "Or three crows sable"},
        {"goules trois lupards d'or.", "Gules three leopards or"},
        {"Argent three dawes sable", "Argent three daws sable"},
        {"Sable a fesse hummette argent.", "Sable a fess couped argent"},
        {"Gules une croix dermines", "Gules a cross ermines"},
        {"Azure a long cross pometty or", "Azure a long cross pommetty or"},
        {"de sable a un egle barre de argent e de goules", "Sable an eagle barry argent and gules"},
    };
    Drawing printed, modern;
    for (const auto& [old, now] : pairs) {
        SCOPED_TRACE(old);
        modern.Draw(now);
        printed.Draw(old);
        EXPECT_EQ(printed.trace.ignoredWords, modern.trace.ignoredWords);
        EXPECT_TRUE(printed.s().picture == modern.s().picture);
    }
}

// A part that no picture draws in a tincture of its own (flames, flowers) is told as not read with
// its tincture; the charge is drawn as it is. (A castle's windows, masonry and gate and a book's
// clasps are read and told as not drawn: PartsAsPrinted.)
TEST(ArmorialWords, PartsWithNoPictureOfTheirOwnAreTold) {
    struct Case { const char* blazon; const char* word; const char* tincture; };
    const std::vector<Case> cases = {
        {"Azure a beacon or enflamed gules", "enflamed", "gules"},
        {"Azure a lamp or inflamed gules", "inflamed", "gules"},
        {"Azure a torch or fired gules", "fired", "gules"},
        {"Argent a thistle vert flowered gules", "flowered", "gules"},
    };
    Drawing d;
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.Draw(c.blazon);
        EXPECT_TRUE(Ignored(d, c.word));
        EXPECT_TRUE(Ignored(d, c.tincture));
        EXPECT_FALSE(StandIn(d));
    }
    d.Draw("Argent a castle gules windowed azure");
    EXPECT_EQ(d.At(W / 2 - 60, H / 2), Colour(kGules));
    EXPECT_FALSE(Ignored(d, "windowed"));
    // A ship printed three-masted is drawn with the one mast of its picture, and says so.
    d.Draw("Azure a three-masted ship or");
    EXPECT_TRUE(Ignored(d, "threemasted"));
    EXPECT_FALSE(StandIn(d));
    d.Draw("Argent a lion affronté gules");
    EXPECT_TRUE(Ignored(d, "affronte"));
    d.Draw("Argent a lion afrontée gules");
    EXPECT_TRUE(Ignored(d, "afrontee"));
    d.Draw("Argent a lion's head in front gules");
    EXPECT_TRUE(Ignored(d, "front"));
    // A fish's tail is its second part, as its fins are.
    d.DrawClean("Azure a salmon naiant argent finned and tailed gules");
}

// Charges the armorials name that were once wanted (data/charges/WANTED.md ranks those still
// missing): each word is found and its own picture drawn, the question picture no longer standing in.
TEST(ArmorialWords, ChargesOnceWantedAreDrawn) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Argent two grappling-irons in saltire sable", "grapplingirons"},
        {"Argent a habick sable", "habick"},
        {"Argent three habicks sable", "habicks"},
    };
    Drawing d;
    for (const auto& [blazon, word] : cases) {
        SCOPED_TRACE(blazon);
        d.DrawClean(blazon);
        bool found = false;
        for (const WordTrace& w : d.trace.secondPass)
            if (w.text == word) found = w.type != -1;
        EXPECT_TRUE(found);
        EXPECT_FALSE(StandIn(d));
    }
}

}  // namespace
}  // namespace esc
