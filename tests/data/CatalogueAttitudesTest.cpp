// The attitude rows checked against the pictures: every attitude row belongs to a family that
// has charge words, its digits are not treatment codes, and every picture with attitude digits
// (or any other variant or name a phrase forms) is reached by its words.

#include <gtest/gtest.h>

#include "CatalogueFixture.h"
#include "engine/ShapeCode.h"

namespace esc {
namespace {

using namespace catalogue_test;

// =============================================================================================
// Attitudes

// The family an attitude row's Sub1 names, or nothing.
std::string FamilyOf(const VocabularyRow& attitude) {
    for (const VocabularyRow& row : Words().Rows()) {
        if (IsChargeType(row.type) && row.type == attitude.sub1) return "charges of Type " + std::to_string(row.type);
        if (row.type == kTypeOrdinary && row.sub1 == attitude.sub1) return "the ordinary \"" + row.word + "\"";
    }
    if (attitude.sub1 == 90) return "treatments of any ordinary";
    if (attitude.sub1 == 91) return "qualifiers of a charge of any family";
    if (attitude.sub1 == 12 && Words().Lookup("stump") != nullptr) return "the sprouting words of a stump";
    return "";
}

TEST(CatalogueAttitudes, EveryAttitudeBelongsToAFamilyThatExists) {
    for (const VocabularyRow& row : Words().Rows()) {
        if (row.type != kTypeAttitude) continue;
        EXPECT_FALSE(FamilyOf(row).empty()) << "attitude row \"" << row.word << "\" Sub1 " << row.sub1
                                            << ": no charge row of that Type and no ordinary of that shape code";
    }
}

// Sub2 8 and 19 are read as ordinary treatments (voided, fimbriated) wherever the word stands,
// and a variant string holds at most three characters.
TEST(CatalogueAttitudes, AttitudeDigitsAreNotTreatmentCodes) {
    for (const VocabularyRow& row : Words().Rows()) {
        if (row.type != kTypeAttitude || row.sub1 == 90) continue;
        EXPECT_TRUE(row.sub2 != 8 && row.sub2 != 19)
            << "attitude row \"" << row.word << "\" Sub2 " << row.sub2 << " would be read as an ordinary treatment";
        EXPECT_TRUE((row.sub2 >= 0 && row.sub2 <= 999) || esc::IsLetterCode(row.sub2))
            << "attitude row \"" << row.word << "\" Sub2 " << row.sub2;
    }
}

// No variant that two words of a family compose is the code of a third word of it: "crosslet"
// (1) and "anchory" (0) once composed the code 10 a new form of the cross was given.
TEST(CatalogueAttitudes, NoTwoCodesComposeAThird) {
    std::map<int, std::map<std::string, std::string>> codes;  // family -> code -> a word
    for (const VocabularyRow& row : Words().Rows())
        if (row.type == kTypeAttitude && row.sub1 != 90 && row.sub1 != 91) codes[row.sub1][VariantText(row.sub2)] = row.word;
    int checked = 0;
    for (const auto& [family, words] : codes) {
        for (const auto& [first, a] : words) {
            for (const auto& [second, b] : words) {
                const auto third = words.find(first + second);
                ++checked;
                EXPECT_TRUE(third == words.end())
                    << "\"" << a << " " << b << "\" composes " << first + second << ", the code of \"" << third->second << "\"";
            }
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_EQ(VariantText(LetterCode("po")), "po");
    EXPECT_EQ(VariantText(LetterCode("a")), "a");
    EXPECT_EQ(VariantText(12), "12");
    EXPECT_EQ(LetterCode("p7"), -1);
}

// The words that name a picture stem: the charge word whose first 8 letters are the stem (for
// "cros" the cross), or a charge word and the detail word (Type 16, Sub1 99) whose first letter
// the interpreter adds to the name ("lionc": lion ... crowned).
// Names the interpreter builds from several words.
struct BuiltName {
    const char* stem;
    const char* phrase;  // the words that build it, with their article or number
    const char* charge;  // the charge word among them, whose Type owns the attitudes
};
constexpr BuiltName kBuiltNames[] = {
    {"mullet6", "a mullet of six points", "mullet"},
    {"mullet5", "a mullet of five points", "mullet"},
    {"mullet4", "a mullet of four points", "mullet"},
    {"mullet8", "a mullet of eight points", "mullet"},
    {"mullet7", "a mullet of seven points", "mullet"},
    {"mullet16", "a mullet of sixteen points", "mullet"},
    {"estoile6", "an estoile of six points", "estoile"},
    {"estoile8", "an estoile of eight points", "estoile"},
    {"wingc", "two wings conjoined", "wing"},
    {"wingcl", "two wings conjoined in lure", "wing"},
    {"castle2", "a castle with two towers", "castle"},
    {"castle4", "a castle with four towers", "castle"},
    {"wiverndn", "a wivern double nowed", "wivern"},
    {"dwhorse", "a demi winged horse", "horse"},  // prefixes add up: a demi-Pegasus
    {"dteagle", "a demi twoheaded eagle", "eagle"},
    {"leopli", "a leopard's face jessant-de-lys", "leopard"},
    {"waterbou", "a water bouget", "water"},
    {"falconsb", "a hawk's bell", "bell"},  // the normaliser writes "hawk" as "falcon"
    {"laurelch", "a laurel wreath", "laurel"},  // the normaliser writes "wreath" as "chaplet"
    {"pawprint", "a paw print", "paw"},
    {"maplelea", "a maple leaf", "maple"},
    {"quillpen", "a quill pen", "quill"},
    {"pinetree", "a pine tree", "pine"},
    {"hourgla", "an hourglass", "hourglass"},  // cut to 8 letters, then the final "s" dropped
    {"mapletre", "a maple tree", "maple"},
    {"appletre", "an apple tree", "apple"},
    {"peartree", "a pear tree", "pear"},
    {"cherrytr", "a cherry tree", "cherry"},
    {"walnuttr", "a walnut tree", "walnut"},
    {"hollytre", "a holly tree", "holly"},
    {"laureltr", "a laurel tree", "laurel"},
    {"plumtree", "a plum tree", "plum"},
    {"lemontre", "a lemon tree", "lemon"},
    {"oakchapl", "an oak chaplet", "chaplet"},
    {"shipswhe", "a ship's wheel", "wheel"},
    {"palmbran", "a palm branch", "branch"},
    {"olivebra", "an olive branch", "branch"},
    {"laurelbr", "a laurel branch", "branch"},
    {"aspenlea", "an aspen leaf", "leaf"},
    {"edelwei", "an edelweiss", "edelweiss"},  // cut to 8 letters, then the final "s" dropped
    {"boarshoo", "a boar's hoofprint", "hoofprint"},
    {"beechlea", "a beech leaf", "beech"},
    {"fernleav", "three fern leaves", "fern"},
    {"mapleflo", "a maple flower", "maple"},
    {"castledo", "a castle door", "castle"},
    {"castlewa", "a castle wall", "castle"},
    {"firetong", "a fire tongs", "tongs"},
    {"levelsta", "a level staff", "staff"},
    {"buckshor", "a stag's horns", "horn"},  // the normaliser writes "stag" as "buck"
    {"ramshorn", "a ram's horn", "horn"},
    {"morning", "a morning star", "morningstar"},  // cut to 8 letters, then the final "s" dropped
    {"gemmedri", "a gemmed ring", "ring"},
    {"gardenro", "a garden rose", "rose"},
    {"hopcone", "a hop cone", "cone"},
    {"greyhero", "a grey heron", "heron"},
    {"roundbuc", "a round buckle", "buckle"},
};

// Variants that a qualifier asks for, and the words that ask for it after the charge word.
struct QualifierVariant {
    const char* variant;
    const char* words;
};
constexpr QualifierVariant kQualifierVariants[] = {
    {"he", "head erased"}, {"hc", "head cabossed"}, {"cp", "couped"}, {"er", "erased"}, {"ha", "hauriant"},
    {"na", "naiant"},      {"em", "embowed"},       {"ra", "eradicated"}, {"sl", "slipped"},
    {"hr", "head erect"},  {"hs", "head erect and erased"}, {"tt", "tripletowered"},
    {"fw", "fesswise"},    {"ex", "with arms extended"}, {"pf", "in profile"}, {"bk", "backs affrontee"},
    {"et", "erect"},       {"sll", "slipped and leaved"}, {"af", "affronty"}, {"tg", "tergiant"},
    // Wings blazoned after the charge, and a head affronty with its neck.
    {"ds", "with wings displayed"}, {"1ds", "rampant wings displayed"}, {"iv", "wings inverted"},
    {"1iv", "displayed wings inverted"}, {"hda", "head affronty"}, {"hea", "head erased affronty"},
};

// Pictures named by a phrase after the tincture that adds a part to the charge ("liongc": a lion
// ... ducally gorged and chained), the part in the tincture after the phrase.
struct PartPhrase {
    const char* stem;
    const char* charge;
    const char* words;
};
constexpr PartPhrase kPartPhrases[] = {
    {"liongc", "lion", "ducally gorged and chained"},
    {"pelicanv", "pelican", "vulning themselves"},
    {"boysn", "boy", "each having a snake about his neck"},
};
// The parts about the neck or behind the head, any charge's picture with the suffix.
constexpr PartPhrase kNeckParts[] = {
    {"gl", "", "collared"}, {"gd", "", "ducally gorged"}, {"gn", "", "collared and chained"},
    {"gc", "", "ducally gorged and chained"}, {"en", "", "enflamed"},
};

// Pictures that no blazon names, and why.
struct Unnamed {
    const char* picture;
    const char* why;
};
constexpr Unnamed kUnnamed[] = {
    {"question.esv", "placement's stand-in for a charge without a picture"},
    {"roundel.esv", "roundels are painted as discs"},
    {"fret.esv", "a fret is drawn by the ordinary shapes"},
};

// The blazon that should paint a picture, or why there is none.
struct PicturePhrase {
    std::string blazon;
    std::string why;
};

// The attitude or variant word of a family whose Sub2 adds `part`, or null.
const VocabularyRow* PartWord(int family, const std::string& part) {
    const bool digit = std::isdigit(static_cast<unsigned char>(part[0])) != 0;
    const int code = digit ? part[0] - '0' : LetterCode(part);
    for (const VocabularyRow& row : Words().Rows())
        if (row.type == kTypeAttitude && row.sub1 == family && row.sub2 == code) return &row;
    return nullptr;
}

// Whether every part of the variant is added by an attitude word of some family (digits, or the
// letter codes of the cross's forms): such a picture is reached by its charge word and those words.
bool CodedVariant(const std::string& variant) {
    const std::vector<std::string> parts = VariantParts(variant);
    if (parts.empty()) return false;
    for (const std::string& part : parts) {
        if (std::isdigit(static_cast<unsigned char>(part[0]))) continue;
        const int code = LetterCode(part);
        bool found = false;
        for (const VocabularyRow& row : Words().Rows())
            found = found || (row.type == kTypeAttitude && row.sub1 != 91 && row.sub2 == code);
        if (!found) return false;
    }
    return true;
}


PicturePhrase PhraseFor(const std::string& name) {
    const std::string stem = StemOf(name), variant = VariantOf(name);
    // The stem placement forms from a charge word: a final "s" dropped, 8 letters ("cross" is
    // "cros", "shears" is "shear"). The ordinaries the phrase interpreter paints as a picture
    // when couped (the cross also with its variants) name pictures too.
    // The charge whose name, after a prefix's letter if there is one, is the stem once cut to
    // eight letters ("dantelop" is a demi antelope).
    // `keep`: the letters of the name the stem holds (a neck part's suffix cuts it to six).
    auto chargeNamed = [](const std::string& stem, const std::string& prefix = "",
                          std::size_t keep = 8) -> const VocabularyRow* {
        for (const VocabularyRow& row : Words().Rows()) {
            const bool couped = row.word == "cross" || row.word == "saltire" || row.word == "chevron";
            const bool charge = (IsChargeType(row.type) && (row.sub1 == 0 || row.sub1 == 8)) || couped;
            std::string name = prefix + row.word;
            if (name.ends_with('s')) name.pop_back();
            if (charge && name.substr(0, keep) == stem) return &row;
        }
        return nullptr;
    };
    const VocabularyRow* charge = nullptr;
    const VocabularyRow* detail = nullptr;
    const VocabularyRow* firstDetail = nullptr;  // of two: "bearmr" is a bear muzzled and ringed
    std::string phrase;
    for (const BuiltName& built : kBuiltNames) {
        if (stem != built.stem) continue;
        charge = Words().Lookup(built.charge);
        phrase = built.phrase;
    }
    if (charge == nullptr && (charge = chargeNamed(stem)) != nullptr) phrase = "a " + charge->word;
    const char* partWords = nullptr;
    for (const PartPhrase& part : kPartPhrases) {
        if (charge != nullptr || stem != part.stem) continue;
        if ((charge = chargeNamed(part.charge)) != nullptr) {
            phrase = "a " + charge->word;
            partWords = part.words;
        }
    }
    for (const PartPhrase& part : kNeckParts) {
        const std::string_view suffix = part.stem;
        if (charge != nullptr || stem.size() <= suffix.size() || !stem.ends_with(suffix)) continue;
        const std::string named = stem.substr(0, stem.size() - suffix.size());
        if ((charge = chargeNamed(named, "", 8 - suffix.size())) != nullptr) {
            phrase = "a " + charge->word;
            partWords = part.words;
        }
        // A prefix's letter before the name: "wgreyhgl" is a winged greyhound collared.
        for (const VocabularyRow& row : Words().Rows()) {
            if (charge != nullptr) break;
            if (row.type != kTypePrefix || row.sub1 > 98 || row.word.front() != named.front()) continue;
            if ((charge = chargeNamed(named, named.substr(0, 1), 8 - suffix.size())) != nullptr) {
                phrase = "a " + row.word + " " + charge->word;
                partWords = part.words;
            }
        }
    }
    // A detail word (Type 16, Sub1 99) adds its first letter: "lionc" is a lion crowned.
    for (const VocabularyRow& row : Words().Rows()) {
        if (charge != nullptr || stem.size() < 2) break;
        if (row.type != kTypeDetail || row.sub1 != 99 || row.word.front() != stem.back()) continue;
        if ((charge = chargeNamed(stem.substr(0, stem.size() - 1))) != nullptr) {
            detail = &row;
            phrase = "a " + charge->word;
        }
        for (const VocabularyRow& first : Words().Rows()) {
            if (charge != nullptr || stem.size() < 3) break;
            if (first.type != kTypeDetail || first.sub1 != 99 || first.word.front() != stem[stem.size() - 2]) continue;
            if ((charge = chargeNamed(stem.substr(0, stem.size() - 2))) != nullptr) {
                detail = &row;
                firstDetail = &first;
                phrase = "a " + charge->word;
            }
        }
    }
    // A prefix (Type 8) puts its first letter before the name: "dlion" is a demi lion.
    for (const VocabularyRow& row : Words().Rows()) {
        if (charge != nullptr || stem.size() < 2) break;
        if (row.type != kTypePrefix || row.sub1 > 98 || row.word.front() != stem.front()) continue;
        if ((charge = chargeNamed(stem, stem.substr(0, 1))) != nullptr) phrase = "a " + row.word + " " + charge->word;
    }
    // Double-queued ("doublenowed") adds "dn" to the name: "liondn" is a lion with two tails.
    // A detail word's letter may follow it: "liondnc" is a lion double-queued and crowned.
    bool doubleQueued = false;
    for (const VocabularyRow& row : Words().Rows()) {
        if (charge != nullptr) break;
        const bool withDetail = row.type == kTypeDetail && row.sub1 == 99 && row.word.front() == stem.back();
        const std::string named = withDetail ? stem.substr(0, stem.size() - 1) : stem;
        if (named.size() > 2 && named.ends_with("dn") &&
            (charge = chargeNamed(named.substr(0, named.size() - 2))) != nullptr) {
            phrase = "a " + charge->word;
            doubleQueued = true;
            if (withDetail) detail = &row;
        }
    }
    if (charge == nullptr) return {"", "no charge word names the picture \"" + stem + "\""};

    // Reguardant follows the attitude digits: "1r" is rampant reguardant, "3r0" passant
    // reguardant coward (the digits after it are words after it).
    std::string digits = variant;
    const std::size_t rAt = variant.find('r');
    const bool reguardant = rAt != std::string::npos && rAt > 0 && AllDigits(variant.substr(0, rAt)) &&
                            (rAt + 1 == variant.size() || AllDigits(variant.substr(rAt + 1)));
    std::string afterReguardant;
    if (reguardant) {
        afterReguardant = variant.substr(rAt + 1);
        digits = variant.substr(0, rAt) + afterReguardant;
    }
    // Eradicated follows them too: "5ra" is a tree blasted and eradicated.
    const bool eradicated = variant.size() >= 3 && variant.ends_with("ra") && AllDigits(variant.substr(0, variant.size() - 2));
    if (eradicated) digits.resize(digits.size() - 2);
    // Affronty follows them as well: "5af" is sejant affronty.
    const bool affronty = variant.size() >= 3 && variant.ends_with("af") && AllDigits(variant.substr(0, variant.size() - 2));
    if (affronty) digits.resize(digits.size() - 2);
    const auto qualifier = std::find_if(std::begin(kQualifierVariants), std::end(kQualifierVariants),
                                        [&](const QualifierVariant& q) { return variant == q.variant; });
    if (charge->type == kTypeOrdinary && variant == "esv") {
        phrase += " couped";  // a cross alone is the ordinary
    } else if (variant == "hd") {
        phrase += " head";
    } else if (variant == "an") {
        phrase += " in annulo";  // one charge curled into a ring
    } else if (qualifier != std::end(kQualifierVariants)) {
        phrase += std::string(" ") + qualifier->words;
    } else if (AllDigits(digits) || CodedVariant(digits)) {
        const int family = charge->type == kTypeOrdinary ? charge->sub1 : charge->type;  // a cross: its shape code
        // The words before reguardant, then it, then the words after it.
        const std::string before = digits.substr(0, digits.size() - afterReguardant.size());
        for (const std::string& run : {before, std::string("r"), afterReguardant}) {
            if (run == "r") {
                if (reguardant) phrase += " reguardant";
                continue;
            }
            for (const std::string& part : run.empty() ? std::vector<std::string>{} : VariantParts(run)) {
                const VocabularyRow* word = PartWord(family, part);
                // "nowy" is one word for the boss of the cross and of the saltire: its row is the cross's.
                if (word == nullptr && part == "no" && charge->type == kTypeOrdinary) word = PartWord(CodeOf(ShapeCode::kCross), part);
                if (word == nullptr)
                    return {"", "no attitude word (Type 9, Sub1 " + std::to_string(family) + ") has the code " + part};
                phrase += " " + word->word;
            }
        }
        if (eradicated) phrase += " eradicated";
        if (affronty) phrase += " affronty";
        // A cross nowy alone is the ordinary with a boss at the crossing: the picture is the couped one.
        if (charge->type == kTypeOrdinary && variant == "no") phrase += " couped";
    } else if (variant != "esv") {
        return {"", "the variant \"" + variant + "\" is neither attitude digits, \"hd\" nor a qualifier's"};
    }
    if (doubleQueued) phrase += " doublenowed";
    phrase += " or";
    if (firstDetail != nullptr) phrase += " " + firstDetail->word + " and";
    if (detail != nullptr) phrase += " " + detail->word + " gules";
    if (partWords != nullptr) phrase += std::string(" ") + partWords + " gules";
    return {"Azure " + phrase, ""};
}

// A drawing with several names is reached when one of them is: the other names can serve a
// spelling the vocabulary does not have ("cros.8", the Maltese cross, is reached as "mcros").
bool ReachedByAnotherName(const std::string& name) {
    const auto& drawings = TheCatalogue().drawings;
    const auto self = drawings.find(name);
    if (self == drawings.end()) return false;
    for (const auto& [other, drawing] : drawings) {
        if (other == name || drawing.family != self->second.family || drawing.source != self->second.source) continue;
        const PicturePhrase p = PhraseFor(other);
        if (!p.blazon.empty() && Blazon(p.blazon).picture == other) return true;
    }
    return false;
}

// Every picture whose variant is attitude digits or letter codes: each part has a word in the
// charge's family, and the charge word followed by those words paints exactly that picture.
TEST(CatalogueAttitudes, EveryAttitudePictureIsReachedByItsWords) {
    int checked = 0;
    for (const std::string& name : TheCatalogue().built) {
        if (!AllDigits(VariantOf(name)) && !CodedVariant(VariantOf(name))) continue;
        const PicturePhrase p = PhraseFor(name);
        if (p.blazon.empty()) {
            if (!ReachedByAnotherName(name)) ADD_FAILURE() << "lpics/" << name << ": " << p.why;
            continue;
        }
        const Outcome o = Blazon(p.blazon);
        ++checked;
        EXPECT_EQ(o.picture, name) << "\"" << p.blazon << "\": " << o.story;
    }
    EXPECT_GT(checked, 10);
}

// Every picture is painted for the words that name it (its charge word, a name the interpreter
// builds, a prefix or a detail word before it, "head" or attitude words after it): a picture no
// blazon can reach is dead weight, and usually a word missing from the vocabulary.
TEST(CatalogueWords, EveryPictureIsReachedByItsWords) {
    for (const std::string& name : TheCatalogue().built) {
        const auto unnamed = std::find_if(std::begin(kUnnamed), std::end(kUnnamed),
                                          [&](const Unnamed& u) { return name == u.picture; });
        if (unnamed != std::end(kUnnamed)) continue;
        const PicturePhrase p = PhraseFor(name);
        if (p.blazon.empty()) {
            if (!ReachedByAnotherName(name)) ADD_FAILURE() << "lpics/" << name << ": " << p.why;
            continue;
        }
        const Outcome o = Blazon(p.blazon);
        EXPECT_EQ(o.picture, name) << "\"" << p.blazon << "\": " << o.story;
    }
}

}  // namespace
}  // namespace esc
