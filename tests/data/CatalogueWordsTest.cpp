// The charge words of the vocabulary table checked against the pictures: every charge word
// reaches a picture when blazoned (the question picture does not stand in), and so do the names
// of several words, the prefixed names and the common spellings the normaliser rewrites. Lookup:
// no row hides another (see CatalogueLookup below for the exact rule).

#include <gtest/gtest.h>

#include "CatalogueFixture.h"

namespace esc {
namespace {

using namespace catalogue_test;

// =============================================================================================
// Charge words

// Charge rows that are not single-word pictures, and why.
struct NotAPicture {
    const char* word;
    const char* why;
};
constexpr NotAPicture kNotPictures[] = {
    {"bar", "the plural ordinary bars: drawn by the ordinary shapes"},
    {"pallet", "the plural ordinary pallets: drawn by the ordinary shapes"},
    {"fret", "drawn by the ordinary shapes"},
    {"barrulet", "a diminutive of the bar: drawn by the ordinary shapes"},
    {"closet", "a diminutive of the bar: drawn by the ordinary shapes"},
    {"endorse", "a diminutive of the pallet: drawn by the ordinary shapes"},
    // Words the normaliser writes, read as charges before their drawings exist.
    {"box", "no drawing yet: the question picture stands in"},
    {"chaplet", "no drawing yet: the question picture stands in"},
    {"cherub", "no drawing yet: the question picture stands in"},
    {"mount", "no drawing yet: the question picture stands in"},
    {"plummet", "no drawing yet: the question picture stands in"},
    {"sperver", "no drawing yet: the question picture stands in"},
    // Charges the published armorials name, wanted (data/charges/WANTED.md) and not drawn yet.
    {"magpie", "no drawing yet: the question picture stands in"},
    {"grapplingiron", "no drawing yet: the question picture stands in"},
    {"crucifix", "no drawing yet: the question picture stands in"},
    {"crucifixes", "no drawing yet: the question picture stands in"},
    {"ploughshare", "no drawing yet: the question picture stands in"},
    {"habick", "no drawing yet: the question picture stands in"},
    {"brett", "no drawing yet: the question picture stands in"},
};

const char* WhyNotAPicture(const VocabularyRow& row) {
    for (const NotAPicture& n : kNotPictures)
        if (row.word == n.word) return n.why;
    if (row.type == 12) return "continues a name of several words (checked with its names)";
    if (row.type == 13 && row.sub1 == 8) return "starts a name of several words (checked with its names)";
    if (row.type == 13 && row.sub1 == 9) return "qualifies the charge before it (checked with its names)";
    if (row.word == "stump") return "read with its sprouting words (checked with its names)";
    return nullptr;
}

TEST(CatalogueWords, ChargeRowsHaveAKnownSub1) {
    for (const VocabularyRow& row : Words().Rows()) {
        if (!IsChargeType(row.type) || row.type == 12) continue;
        EXPECT_TRUE(row.sub1 == 0 || row.sub1 == 8 || row.sub1 == 9)
            << "row \"" << row.word << "\" Type " << row.type << " Sub1 " << row.sub1
            << ": a charge word's Sub1 is 0 (append), 8 (new name) or 9 (qualifier)";
    }
}

// Every charge word blazoned alone reaches a picture of its own: the question picture does not
// stand in.
TEST(CatalogueWords, EveryChargeWordReachesAPicture) {
    int checked = 0;
    for (const VocabularyRow& row : Words().Rows()) {
        if (!IsChargeType(row.type) || WhyNotAPicture(row) != nullptr) continue;
        const Outcome o = Blazon("Azure a " + row.word + " or");
        ++checked;
        EXPECT_TRUE(!o.picture.empty() && !o.standIn)
            << "row \"" << row.word << "\" (Type " << row.type << "): \"Azure a " << row.word
            << " or\" draws no picture of its own; " << o.story;
    }
    EXPECT_GT(checked, 50);
}

// Names of several words, prefixed names and charges with a qualifier: each phrase, blazoned,
// paints exactly its picture.
TEST(CatalogueWords, NamesOfSeveralWordsReachTheirPictures) {
    struct Case {
        const char* phrase;
        const char* picture;
    };
    const Case cases[] = {
        {"a fleur de lis", "fleurdel.esv"},
        {"a fleur de lys", "fleurdel.esv"},
        {"a fleur-de-lis", "fleurdel.esv"},
        {"three fleurs-de-lys", "fleurdel.esv"},
        {"a fleurdelis", "fleurdel.esv"},
        {"a demi lion", "dlion.esv"},
        {"a double-headed eagle", "teagle.esv"},
        {"a tau cross", "tcros.esv"},
        {"two wings conjoined", "wingc.esv"},
        {"two wings conjoined in lure", "wingcl.esv"},
        {"a mullet of six points", "mullet6.esv"},
        {"a mullet of eight points", "mullet8.esv"},
        {"a leopard's face jessant-de-lys", "leopli.esv"},
        {"a lion's head erased", "lion.he"},
        {"a leopard's face", "leopard.hd"},
        {"a spear head", "spear.hd"},
        {"a cross crosslet", "cros.1"},
        {"a cross crosslet fitchy", "cros.17"},
        {"a cross pattee fitchy", "cros.27"},
        {"three crosses moline", "cros.3"},
        {"a cross couped", "cros.esv"},
        {"a saltire couped", "saltire.esv"},
        {"three saltires", "saltire.esv"},
        {"a lion rampant or crowned gules", "lionc.1"},
        {"an eagle displayed or crowned gules", "eaglec.1"},
        {"a lion passant guardant or crowned gules", "lionc.32"},
        // Creatures whose picture name is not simply the word: a name of two words, a hyphened
        // demi charge cut to eight letters, heads and limbs named after their owner.
        {"three black grouse", "blackgro.esv"},
        {"a demi-horse", "demihor.esv"},
        {"an otter's head", "otter.hd"},
        {"three daws' heads", "daw.hd"},
        {"three cherubs' heads", "cherub.hd"},
        {"a conger's head", "conger.hd"},
        {"two bears' paws", "paw.esv"},
        // Objects and plants of two words (the first starting the name, or a prefix), leaves
        // named after their plant, and the variant words pendent and bent.
        {"three hunting horns", "huntingh.esv"},
        {"an ancient galley", "agalley.esv"},
        {"three antique crowns", "acrown.esv"},
        {"three ducal coronets", "ducalcor.esv"},
        {"three ostrich feathers", "ofeather.esv"},
        {"three weavers' shuttles", "wshuttle.esv"},
        {"three medlar flowers", "mflower.esv"},
        {"three narcissus flowers", "narcissu.esv"},
        {"three winnowing fans", "winnowin.esv"},
        {"two shin bones", "shinbone.esv"},
        {"three tilting spears", "tilting.esv"},
        {"three battering rams", "batterin.esv"},
        {"three passion nails", "pnail.esv"},
        {"a human heart gules crowned or", "hheartc.esv"},
        {"a column argent crowned or", "columnc.esv"},
        {"an oak tree", "oaktree.esv"},
        {"three oak leaves", "oakleaf.esv"},
        {"three holly leaves", "hollylea.esv"},
        {"three hazel leaves", "hazellea.esv"},
        {"three walnut leaves", "walnutle.esv"},
        {"five fig leaves", "figleaf.esv"},
        {"three laurel leaves", "laurelle.esv"},
        {"three whelk shells", "whelkshe.esv"},
        {"three sheaves", "sheaf.esv"},
        {"three pears pendent", "pear.1"},
        {"three bows bent", "bow.2"},
        {"a mullet of seven points", "mullet7.esv"},
        {"a star of sixteen points", "mullet16.esv"},
        {"two pole-stars", "polemull.esv"},
        {"a pot-hook", "pothook.esv"},
        {"three pole-axes", "poleaxe.esv"},
        {"three mole-hills", "molehill.esv"},
        // Objects and crosses whose words choose another picture, or that the normaliser writes
        // as one word.
        {"three combs", "comb.esv"},
        {"three covered cups", "ccup.esv"},
        {"a cup", "cup.esv"},
        {"a banner displayed", "banner.1"},
        {"a banner", "banner.esv"},
        {"a cross anchory", "cros.0"},
        {"a saltire anchored", "saltire.0"},
        {"a cross formy florettee", "cros.24"},
        // Forms of the cross coded by letters, alone, fitchy and after another form; and the
        // crosses named by a word before "cross".
        {"a cross pommy", "cros.po"},
        {"three crosses pommy fitchy", "cros.po7"},
        {"a cross patonce fitchy", "cros.pa7"},
        {"a cross pattee alisee", "cros.2al"},
        {"a cross recercelee", "cros.re"},
        {"a cross patriarchal", "cros.pt"},
        {"a cross papal", "cros.pp"},
        {"a celtic cross", "ccros.esv"},
        {"a jerusalem cross", "jcros.esv"},
        {"a bowen knot", "bknot.esv"},
        {"a fylfot", "fylfot.esv"},
        {"an ankh", "ankh.esv"},
        {"three stags' attires fixed to the scalps", "scalp.esv"},
        {"three standing dishes", "standing.esv"},
        {"three fountains", "fount.esv"},
        {"two annulets concentric", "annulet.3"},
        {"a bridge of two arches", "bridge.4"},
        {"three ears of rye slipped and bladed", "ryeear.esv"},
        {"three dexter arms conjoined at the shoulders and flexed in triangle", "triarm.esv"},
    };
    for (const Case& c : cases) {
        const std::string phrase = c.phrase;
        const Outcome o = Blazon("Azure " + phrase + (phrase.find(" or") == std::string::npos ? " or" : ""));
        EXPECT_EQ(o.picture, c.picture) << "\"" << c.phrase << "\": " << o.story;
        EXPECT_FALSE(o.standIn) << c.phrase;
    }
}

// Every prefix before every charge word whose prefixed picture exists paints that picture.
TEST(CatalogueWords, PrefixedChargesReachTheirPictures) {
    const Catalogue& c = TheCatalogue();
    int checked = 0;
    for (const VocabularyRow& prefix : Words().Rows()) {
        if (prefix.type != kTypePrefix || prefix.sub1 > 98) continue;
        for (const VocabularyRow& charge : Words().Rows()) {
            if (!IsChargeType(charge.type) || charge.sub1 != 0) continue;
            const std::string picture = (prefix.word.substr(0, 1) + charge.word).substr(0, 8) + ".esv";
            if (!c.built.contains(picture)) continue;
            const std::string phrase = "a " + prefix.word + " " + charge.word;
            const Outcome o = Blazon("Azure " + phrase + " or");
            ++checked;
            EXPECT_EQ(o.picture, picture) << "\"" << phrase << "\": " << o.story;
        }
    }
    EXPECT_GT(checked, 0);
}

// Spellings the vocabulary leaves to the normaliser land on the charge they name.
TEST(CatalogueWords, CommonSpellingsReachTheirCharge) {
    struct Case {
        const char* phrase;
        const char* picture;
    };
    const Case cases[] = {
        {"a star", "mullet.esv"},          {"three stars", "mullet.esv"},   {"a wyvern", "wivern.esv"},
        {"an inescutcheon", "escutche.esv"}, {"a shamrock", "trefoil.esv"}, {"a cross fleury", "cros.4"},
        {"a cross formee", "cros.2"},      {"a martin", "martlet.esv"},     {"a swallow", "martlet.esv"},
        {"a raven", "crow.esv"},           {"three escallops", "escallop.esv"},
        {"a cross crosslet fitchee", "cros.17"},
        {"three sparrowhawks", "sparrowf.esv"}, {"three asses", "asse.esv"}, {"three lucies", "lucie.esv"},
        {"three Cornish choughs", "chough.esv"}, {"a chough", "chough.esv"}, {"three lions' gambs", "paw.esv"},
    };
    for (const Case& c : cases) {
        const Outcome o = Blazon(std::string("Azure ") + c.phrase + " or");
        EXPECT_EQ(o.picture, c.picture) << "\"" << c.phrase << "\": " << o.story;
        EXPECT_FALSE(o.standIn) << c.phrase;
    }
}

// =============================================================================================
// Lookup
//
// A word is found by the first row, in index order, that begins with its key (the word with a
// final "s" dropped). Two rows can therefore hide one another; the table is sound when:
//  1. every row's word, typed, finds a row with the same meaning (Type, Sub1, Sub2): the row is
//     not shadowed by an earlier row that begins with its key (a row ending in a single "s" is
//     looked up without it and must not land on an unrelated row);
//  2. the plural of every charge word, as the normaliser writes it, finds a row of the same
//     charge class (Type and Sub1): the level takes its name from the typed word, so the class
//     is what the lookup must get right;
//  3. every row's word can be typed: lower-case letters and digits only.

bool SameMeaning(const VocabularyRow& a, const VocabularyRow& b) {
    return a.type == b.type && a.sub1 == b.sub1 && a.sub2 == b.sub2;
}

std::string Describe(const VocabularyRow* row) {
    if (row == nullptr) return "nothing";
    return "\"" + row->word + "\" (Type " + std::to_string(row->type) + ", " + std::to_string(row->sub1) + ", " +
           std::to_string(row->sub2) + ")";
}

TEST(CatalogueLookup, EveryWordFindsItsOwnMeaning) {
    for (const VocabularyRow& row : Words().Rows()) {
        const VocabularyRow* found = Words().Lookup(LookupKey(row.word));
        EXPECT_TRUE(found != nullptr && SameMeaning(*found, row))
            << "row " << Describe(&row) << " is shadowed: its key \"" << LookupKey(row.word) << "\" finds "
            << Describe(found);
    }
}

// Rows that are plurals themselves ("torteaux", "ogresses", "pomeis"): a word ending in "s" or
// "x" with a row of the same meaning that begins with the same three letters.
bool IsPluralRow(const VocabularyRow& row) {
    if (!row.word.ends_with('s') && !row.word.ends_with('x')) return false;
    for (const VocabularyRow& other : Words().Rows())
        if (&other != &row && SameMeaning(other, row) && other.word.size() < row.word.size() &&
            other.word.substr(0, 3) == row.word.substr(0, 3))
            return true;
    return false;
}

// The English plurals of a charge word. A name of several words written as one keeps its form
// ("fleurs de lis" is written "fleurdelis").
std::vector<std::string> PluralsOf(const std::string& w) {
    auto endsWith = [&](std::string_view end) { return w.size() > end.size() && w.ends_with(end); };
    std::vector<std::string> out;
    if (endsWith("delis") || endsWith("delys")) return {w};
    if (w == "ox") return {"oxen"};  // the one irregular plural among the charge words
    if (endsWith("s") && !endsWith("ss") && !endsWith("is")) return {w};  // a plural already ("shears")
    if (endsWith("s") || endsWith("x") || endsWith("z") || endsWith("ch") || endsWith("sh")) {
        out.push_back(w + "es");
    } else if (endsWith("y") && std::string("aeiou").find(w[w.size() - 2]) == std::string::npos) {
        out.push_back(w.substr(0, w.size() - 1) + "ies");
    } else {
        out.push_back(w + "s");
    }
    if (endsWith("f") && !endsWith("ff")) out.push_back(w.substr(0, w.size() - 1) + "ves");  // wolf, leaf, delf
    return out;
}

// Besides the lookup, three of a picture charge blazoned in the plural paint the singular's
// picture (placement drops one "s" and turns "ve" into "f"; other plurals need a picture name
// of their own, as "maunches" needs "maunche").
TEST(CatalogueLookup, PluralsOfChargesFindTheirCharge) {
    for (const VocabularyRow& row : Words().Rows()) {
        if (!(IsChargeType(row.type) || row.type == kTypeRoundel) || row.type == 12) continue;
        // A word that starts a name of several words or qualifies a charge is not where the plural
        // goes ("crosses calvary", "water bougets").
        if (row.sub1 != 0) continue;
        if (IsPluralRow(row)) continue;
        const Outcome single = WhyNotAPicture(row) || row.type == kTypeRoundel ? Outcome{} : Blazon("Azure a " + row.word + " or");
        for (const std::string& plural : PluralsOf(row.word)) {
            std::string written = "three " + plural;
            Normalise(written, kAzure, kOr, kArgent);
            written = written.substr(written.find_last_of(' ') + 1);
            const VocabularyRow* found = Words().Lookup(LookupKey(written));
            EXPECT_TRUE(found != nullptr && found->type == row.type && found->sub1 == row.sub1)
                << "the plural \"" << plural << "\" (written \"" << written << "\") of " << Describe(&row) << " finds "
                << Describe(found);
            if (single.picture.empty() || single.standIn) continue;
            // The same drawing, under whichever of its names placement forms.
            const Outcome three = Blazon("Azure three " + plural + " or");
            EXPECT_EQ(SourceOf(three.picture), SourceOf(single.picture)) << "\"three " << plural << "\": " << three.story;
        }
    }
}

TEST(CatalogueLookup, EveryWordCanBeTyped) {
    for (const VocabularyRow& row : Words().Rows()) {
        const bool plain = !row.word.empty() && std::all_of(row.word.begin(), row.word.end(), [](unsigned char ch) {
            return std::islower(ch) || std::isdigit(ch);
        });
        EXPECT_TRUE(plain) << "row \"" << row.word << "\": only lower-case letters and digits can be found";
    }
}

}  // namespace
}  // namespace esc
