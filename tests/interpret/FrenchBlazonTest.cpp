// Blazons written in French and in the Anglo-Norman of the rolls: each form drawn exactly as the
// same arms in English, and a few checked at points computed from the shield's geometry.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/read/Spellings.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using test::ExpectDrawnAlike;

struct FrenchPair {
    const char* french;
    const char* english;
};

void ExpectAllDrawnAlike(const std::vector<FrenchPair>& pairs) {
    for (const FrenchPair& p : pairs) ExpectDrawnAlike(p.french, p.english);
}

// The elided article is a word of its own before the rows are read; an apostrophe anywhere else
// in a word stays.
TEST(FrenchBlazon, ElidedArticleIsReadAsItsWord) {
    const SpellingTable t({{SpellingKind::Words, "de or", "or"},
                           {SpellingKind::Words, "de azur", "azure"},
                           {SpellingKind::Words, "a le", "a"},
                           {SpellingKind::Words, "le un en le autre", "counterchanged"}});
    EXPECT_EQ(t.Respell("D'azur a la bande d'or"), "Azure a la bande or");
    EXPECT_EQ(t.Respell("a l'aigle de or"), "a aigle or");
    EXPECT_EQ(t.Respell("au lion de l'un en l'autre"), "au lion de counterchanged");
    EXPECT_EQ(t.Respell("a lion's head, a crown'd lion, d' or"), "a lion's head a crown'd lion d or");
    EXPECT_EQ(t.Respell(t.Respell("D'azur l'aigle")), t.Respell("D'azur l'aigle"));
}

TEST(FrenchBlazon, TincturesWithTheirArticle) {
    ExpectAllDrawnAlike({
        {"De gueules à la croix d'argent", "Gules a cross argent"},
        {"D'azur à la bande d'or", "Azure a bend or"},
        {"De sinople au chef d'hermine", "Vert a chief ermine"},
        {"De sable au lion d'argent", "Sable a lion argent"},
        {"D'hermine à la fasce de pourpre", "Ermine a fess purpure"},
        {"de or a une crois de goules", "Or a cross gules"},
        {"port d'asure a une fesse d'or", "Azure a fess or"},
    });
    // The field is the first tincture, the fess the second: its band holds the middle, the field
    // the chief above it and the flank below.
    Drawing d;
    d.DrawClean("De gueules à la fasce d'argent");
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.At(g.W2, g.H2), Colour(kArgent));
    EXPECT_EQ(d.At(g.W2, g.chiefDepth / 2), Colour(kGules));
    EXPECT_EQ(d.At(g.W4, g.straightBottom - g.H6), Colour(kGules));
}

TEST(FrenchBlazon, ArticlesAndTheChargeBeforeItsTincture) {
    ExpectAllDrawnAlike({
        {"D'or à l'aigle de sable", "Or an eagle sable"},
        {"D'argent aux trois merlettes de sable", "Argent three martlets sable"},
        {"D'argent à trois coquilles de gueules", "Argent three escallops gules"},
        {"D'azur au chef d'or chargé de trois molettes de gueules", "Azure a chief or charged with three mullets gules"},
        {"D'or au chevron de gueules accompagné de trois merlettes de sable",
         "Or a chevron gules between three martlets sable"},
        {"D'azur au chevron d'or accompagné en chef de deux molettes d'argent et en pointe d'un croissant du même",
         "Azure a chevron or between in chief two mullets argent and in base a crescent of the last"},
        {"D'or au lion de sable, à la bordure de gueules", "Or a lion sable, a bordure gules"},
        {"D'argent à deux lions de gueules l'un sur l'autre", "Argent two lions in pale gules"},
        {"De gueules à deux clefs d'argent passées en sautoir", "Gules two keys in saltire argent"},
        {"Coupé d'argent et de gueules au lion de l'un en l'autre", "Per fess argent and gules a lion counterchanged"},
        {"noir ung egle d'argent", "Sable an eagle argent"},
    });
}

TEST(FrenchBlazon, NumbersInWordsAndRomanFigures) {
    ExpectAllDrawnAlike({
        {"D'or à quatre pals de gueules", "Or four pallets gules"},
        {"D'azur à six besants d'argent, 3, 2 et 1", "Azure six plates 3, 2 and 1"},
        {"De gueules à neuf macles d'or", "Gules nine mascles or"},
        {"D'or à deux fasces de gueules", "Or two bars gules"},
        {"de argent a iij herons de azure", "Argent three herons azure"},
        {"de argent a une crois de goules e v molez de or", "Argent a cross gules and five mullets or"},
        {"De gueules à sept tourteaux d'argent", "Gules seven roundels argent"},
    });
}

TEST(FrenchBlazon, DetailsAndLinesAfterTheCharge) {
    ExpectAllDrawnAlike({
        {"De sable, au lion d'argent, armé, lampassé et couronné d'or",
         "Sable, a lion argent, armed, langued and crowned or"},
        {"D'argent à l'aigle de sable becquée et membrée de gueules", "Argent an eagle sable beaked and membered gules"},
        {"D'argent à l'aigle éployée de sable", "Argent an eagle displayed sable"},
        {"D'or à la bande engrêlée de sable", "Or a bend engrailed sable"},
        {"D'argent à la fasce ondée d'azur", "Argent a fess wavy azure"},
        {"D'azur à la croix ancrée d'or", "Azure a cross moline or"},
        {"D'argent à la fasce crénelée de gueules", "Argent a fess embattled gules"},
    });
}

TEST(FrenchBlazon, PartitionsAndFieldsInPieces) {
    ExpectAllDrawnAlike({
        {"Coupé d'or et de sable", "Per fess or and sable"},
        {"Tranché d'argent et de gueules", "Per bend argent and gules"},
        {"Taillé d'or et d'azur", "Per bend sinister or and azure"},
        {"Écartelé d'or et de gueules", "Quarterly or and gules"},
        {"{E'}cartel{e'} en sautoir d'argent et de gueules", "Per saltire argent and gules"},
        {"Gironné d'or et de gueules", "Gyronny or and gules"},
        {"Échiqueté d'or et d'azur, à la bordure de gueules", "Chequy or and azure, a bordure gules"},
        {"Losangé d'or et de gueules", "Lozengy or and gules"},
        {"Fascé d'argent et d'azur de six pièces", "Barry of six argent and azure"},
        {"Bandé d'or et d'azur de six pièces", "Bendy of six or and azure"},
        {"Pal{e'} d'argent et de gueules de six pièces", "Paly of six argent and gules"},
        {"quartile de or e de goules", "Quarterly or and gules"},
    });
    // Parti: the dexter half (the viewer's left) is the first tincture, whatever the word order.
    Drawing d;
    d.DrawClean("Parti de gueules et d'argent");
    const ShieldGeometry& g = d.s().geometry;
    EXPECT_EQ(d.At(g.W4, g.H2), Colour(kGules));
    EXPECT_EQ(d.At(g.W - g.W4, g.H2), Colour(kArgent));
    // A count written after the tinctures is the count of the pieces: barry of six and of ten
    // differ, and each matches the English with its count first.
    Drawing six, ten;
    six.DrawClean("Barry argent and azure of six");
    ten.DrawClean("Barry argent and azure of ten");
    EXPECT_FALSE(six.s().picture == ten.s().picture);
    ExpectDrawnAlike("Barry argent and azure of ten", "Barry of ten argent and azure");
}

// A French word the table does not know is read past and told, as any other word is.
TEST(FrenchBlazon, UnknownWordsAreTold) {
    for (const char* blazon : {"D'azur au chien d'or", "De gueules au lion d'or, la queue fourchue"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        bool notFound = false;
        for (const WordTrace& w : d.trace.secondPass) notFound = notFound || w.type == kTypeNotFound;
        EXPECT_TRUE(notFound);
    }
}

struct FrenchPartsCase {
    const char* written;
    const char* plain;
};

// Fields parted and quartered as French armorials print them: "Parti, au 1 ..., au 2 ...",
// "Écartelé, aux 1 et 4 ..., aux 2 et 3 ..."; the parts numbered in figures in English too.
TEST(FrenchBlazon, QuarteredWithFrenchLabels) {
    const FrenchPartsCase cases[] = {
        {"Écartelé, aux 1 et 4 d'azur à trois fleurs de lys d'or, aux 2 et 3 de gueules à la croix d'argent",
         "Quarterly, 1 and 4, azure three fleurs de lis or; 2 and 3, gules a cross argent"},
        {"Écartelé: au premier d'or au lion de gueules; au deuxième d'azur; au troisième de gueules; au "
         "quatrième d'argent à la bande de sable",
         "Quarterly 1: or a lion gules 2: azure 3: gules 4: argent a bend sable"},
        {"Ecartele, au 1 d'or, au 2 de gueules, au 3 d'azur, au 4 d'argent",
         "Quarterly 1: or 2: gules 3: azure 4: argent"},
    };
    for (const FrenchPartsCase& c : cases) {
        ExpectDrawnAlike(c.written, c.plain);
        Drawing d;
        d.Draw(c.written);
        EXPECT_EQ(d.trace.road, "quartered") << c.written;
        EXPECT_EQ(d.trace.parts.size(), 4u) << c.written;
    }
}

TEST(FrenchBlazon, PartedWithFrenchOrFigureLabels) {
    const FrenchPartsCase cases[] = {
        {"Parti, au 1 d'or au lion de gueules, au 2 d'azur à la bande d'argent",
         "Per pale I or a lion gules; II azure a bend argent"},
        {"Parti, au 1er d'or au lion de gueules, au 2 d'azur à la bande d'argent",
         "Per pale I or a lion gules; II azure a bend argent"},
        {"Coupé: au premier d'or à l'aigle de sable; au second de gueules à la tour d'argent",
         "Per fess I or an eagle sable; II gules a tower argent"},
        {"Per pale, 1 or a lion gules, 2 azure a bend argent", "Per pale I or a lion gules; II azure a bend argent"},
        {"Per fess, 1 argent a rose gules; 2 vert a garb or", "Per fess I argent a rose gules; II vert a garb or"},
    };
    for (const FrenchPartsCase& c : cases) {
        ExpectDrawnAlike(c.written, c.plain);
        Drawing d;
        d.Draw(c.written);
        EXPECT_EQ(d.trace.road, "parted") << c.written;
        EXPECT_EQ(d.trace.parts.size(), 2u) << c.written;
    }
}

// Each quarter in its own tincture, read in the middle of the quarter.
TEST(FrenchBlazon, QuartersPaintTheirTinctures) {
    Drawing d;
    d.DrawClean("Ecartele, au 1 d'or, au 2 de gueules, au 3 d'azur, au 4 d'argent");
    const ShieldGeometry& g = d.s().geometry;
    const int chiefY = g.H2 / 2, baseY = (g.H2 + g.straightBottom) / 2;
    EXPECT_EQ(d.At(g.W2 / 2, chiefY), Colour(kOr));
    EXPECT_EQ(d.At(g.W2 + g.W2 / 2, chiefY), Colour(kGules));
    EXPECT_EQ(d.At(g.W2 / 2, baseY), Colour(kAzure));
    EXPECT_EQ(d.At(g.W2 + g.W2 / 2, baseY), Colour(kArgent));
}

// The French étoile has five straight rays: the mullet. Unaccented, an English armorial's
// "etoile" is the estoile.
TEST(FrenchBlazon, FrenchEtoileIsTheMullet) {
    const FrenchPartsCase cases[] = {
        {"D'azur à trois étoiles d'or", "Azure three mullets or"},
        {"De gueules à l'étoile d'argent", "Gules a mullet argent"},
        {"Gules an {e'}toile argent", "Gules a mullet argent"},
        {"Gules an etoile argent", "Gules an estoile argent"},
    };
    for (const FrenchPartsCase& c : cases) ExpectDrawnAlike(c.written, c.plain);
}

}  // namespace
}  // namespace esc
