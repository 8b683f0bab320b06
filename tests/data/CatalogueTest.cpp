// The charge catalogue as built: the vocabulary table and the charge pictures, checked against
// each other through the interpreter's and the painter's own code. A failure names the row,
// the word or the picture file at fault.
//
// - Pictures: the lpics folder holds exactly the pictures the drawings make; each decodes with
//   our decoder into the painter's indices only, has a body and an outline, keeps off the rows
//   and columns the painter never paints, carries its drawing's header bytes (the proper colours
//   from data/charges/proper.txt), and has a name
//   that placement can form.
// - Words: every charge word reaches a picture when blazoned (the question picture does not
//   stand in), and so do the names of several words, the prefixed names and the common
//   spellings the normaliser rewrites.
// - Attitudes: every attitude row belongs to a family that has charge words, its digits are not
//   treatment codes, and every picture with attitude digits is reached by its words.
// - Lookup: no row hides another (see CatalogueLookup below for the exact rule).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../interpret/PhraseTestState.h"
#include "../interpret/TestDrawing.h"
#include "ChargeSource.h"
#include "GifWriter.h"
#include "ProperTable.h"
#include "engine/ChargePicture.h"
#include "interpret/read/Normaliser.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/read/VariantCode.h"

namespace esc {
namespace {

namespace fs = std::filesystem;
namespace cp = charge_pictures;

// ---------------------------------------------------------------------------------------------
// The catalogue: the drawings in the source tree and the pictures in the built data folder.

struct Drawing {
    std::string family;  // the folder under data/charges
    std::string source;  // its file name
    cp::PictureHeader header;
};

struct Catalogue {
    std::map<std::string, Drawing> drawings;  // picture file name -> the drawing that makes it
    std::vector<std::string> faults;          // drawings the tool would refuse
    std::set<std::string> built;              // files in lpics (not the list of pictures)
    std::set<std::string> listed;             // the tool's list of the pictures it made
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path& PictureFolder() {
    static const fs::path folder = fs::path(ESCAVAL_DATA_DIR) / "lpics";
    return folder;
}

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue c;
        const fs::path sources = fs::path(ESCAVAL_SOURCE_DIR) / "data" / "charges";
        // The proper colours of every drawing come from one table, as the build reads it.
        const auto proper = cp::ParseProperTable(ReadAll(sources / "proper.txt"));
        if (!proper.ok()) c.faults.push_back("proper.txt: " + proper.error);
        for (const auto& family : fs::directory_iterator(sources)) {
            if (!family.is_directory()) continue;
            for (const auto& file : fs::directory_iterator(family.path())) {
                if (file.path().extension() != ".svg") continue;
                const std::string name = file.path().filename().string();
                const auto described = cp::DescribeChargeSource(name, ReadAll(file.path()));
                if (!described.ok()) {
                    c.faults.push_back(name + ": " + described.error);
                    continue;
                }
                cp::PictureHeader header = described.value.header;
                if (const auto row = proper.value.find(file.path().stem().string()); row != proper.value.end()) {
                    header.o1 = row->second.o1;
                    header.o2 = row->second.o2;
                    header.o3 = row->second.o3;
                }
                for (const std::string& picture : described.value.fileNames)
                    c.drawings[picture] = {family.path().filename().string(), name, header};
            }
        }
        for (const auto& file : fs::directory_iterator(PictureFolder())) {
            const std::string name = file.path().filename().string();
            if (name.front() != '.') c.built.insert(name);
        }
        std::ifstream list(PictureFolder() / ".charge_pictures");
        for (std::string line; std::getline(list, line);)
            if (!line.empty()) c.listed.insert(line);
        return c;
    }();
    return catalogue;
}

// The drawing a picture is made from ("" for none).
std::string SourceOf(const std::string& picture) {
    const auto& drawings = TheCatalogue().drawings;
    const auto found = drawings.find(picture);
    return found == drawings.end() ? "" : found->second.family + "/" + found->second.source;
}

std::string StemOf(const std::string& picture) { return picture.substr(0, picture.find('.')); }
std::string VariantOf(const std::string& picture) {
    const std::size_t dot = picture.find('.');
    return dot == std::string::npos ? "" : picture.substr(dot + 1);
}
bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char ch) { return std::isdigit(ch); });
}

// The parts of a variant that attitude and variant words add, each a digit or a run of letters
// ("po7": "po", "7"); empty when a character is neither.
std::vector<std::string> VariantParts(const std::string& variant) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < variant.size();) {
        const unsigned char ch = static_cast<unsigned char>(variant[i]);
        if (std::isdigit(ch)) {
            parts.emplace_back(1, variant[i++]);
        } else if (std::islower(ch)) {
            std::size_t j = i;
            while (j < variant.size() && std::islower(static_cast<unsigned char>(variant[j]))) ++j;
            parts.push_back(variant.substr(i, j - i));
            i = j;
        } else {
            return {};
        }
    }
    return parts;
}

// ---------------------------------------------------------------------------------------------
// Drawing a blazon and reading which picture the trace says was painted.

struct Outcome {
    std::string picture;  // the file painted for the first level with pictures ("lion.esv")
    bool standIn = false;
    std::string story;    // what was tried, for messages
};

Outcome Blazon(const std::string& blazon) {
    test::Drawing d;
    d.Draw(blazon);
    Outcome out;
    for (const LevelTrace& level : d.trace.levels) {
        if (level.pictures.empty()) continue;
        out.story = "level \"" + level.name + "\" kind " + std::to_string(level.kind) + " tried";
        for (const PictureTrace& p : level.pictures) {
            out.story += " " + p.file + (p.drawn ? " (drawn)" : "");
            // The first picture drawn is the level's; its later charges reuse the decoded picture
            // whatever file name they try.
            if (p.drawn && out.picture.empty()) {
                out.picture = p.file.substr(p.file.rfind('/') + 1);
                out.standIn = p.standIn;
            }
        }
        return out;
    }
    out.story = "no level tried a picture; words:";
    for (const WordTrace& w : d.trace.secondPass) out.story += " " + w.text + "(" + std::to_string(w.type) + ")";
    return out;
}

const Vocabulary& Words() { return test::GeneratedVocabulary(); }

bool IsChargeType(int type) { return type == 4 || type == 11 || type == 12 || type == 13 || type == 14; }

// =============================================================================================
// Pictures

TEST(CataloguePictures, TheBuiltFolderHoldsExactlyTheDrawings) {
    const Catalogue& c = TheCatalogue();
    for (const std::string& fault : c.faults) ADD_FAILURE() << "drawing refused: " << fault;
    ASSERT_FALSE(c.drawings.empty());
    for (const auto& [picture, drawing] : c.drawings) {
        EXPECT_TRUE(c.built.contains(picture)) << picture << " (from " << drawing.family << "/" << drawing.source
                                               << ") is not in the built lpics folder";
        EXPECT_TRUE(c.listed.contains(picture)) << picture << " is missing from the tool's list of pictures";
    }
    for (const std::string& picture : c.built)
        EXPECT_TRUE(c.drawings.contains(picture)) << "lpics/" << picture << " has no drawing in data/charges";
    EXPECT_TRUE(c.built.contains("question.esv")) << "placement's last stand-in must exist";
}

// The painter skips rows 0 and 1 and the last three rows of a picture, and a bendwise picture
// also its first and last column: anything drawn there is lost.
bool InUnpaintedMargin(int x, int y, int width, int height) {
    return y < 2 || y >= height - 3 || x < 1 || x >= width - 1;
}

TEST(CataloguePictures, EveryPictureDecodesIntoThePaintersIndices) {
    static constexpr std::array<int, 5> kAllowed = {cp::kOutlineIndex, cp::kSecondIndex, cp::kBodyIndex,
                                                    cp::kDetailIndex, cp::kBackgroundIndex};
    for (const std::string& name : TheCatalogue().built) {
        SCOPED_TRACE("lpics/" + name);
        const std::string bytes = ReadAll(PictureFolder() / name);
        ChargePicture p;
        p.buffer.assign(kChargeBufferSize, 0);
        ASSERT_EQ(DecodeGifPicture(p, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
        EXPECT_TRUE(p.complete) << "the image data ends before the last row";
        ASSERT_GT(p.PW, 0);
        ASSERT_GT(p.PH, 0);
        ASSERT_LE(static_cast<long>(p.PW) * p.PH, static_cast<long>(kChargeBufferSize)) << "the painter would cut it";
        std::map<int, int> counts;
        int marginPixels = 0, firstMarginX = -1, firstMarginY = -1;
        int left = p.PW, right = -1, top = p.PH, bottom = -1;  // the painted box
        for (int y = 0; y < p.PH; ++y) {
            for (int x = 0; x < p.PW; ++x) {
                const int v = p.buffer[static_cast<std::size_t>(y * p.PW + x)];
                ++counts[v];
                if (v != cp::kBackgroundIndex) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
                if (v != cp::kBackgroundIndex && InUnpaintedMargin(x, y, p.PW, p.PH) && marginPixels++ == 0) {
                    firstMarginX = x;
                    firstMarginY = y;
                }
            }
        }
        for (const auto& [index, n] : counts)
            EXPECT_NE(std::find(kAllowed.begin(), kAllowed.end(), index), kAllowed.end())
                << "index " << index << " covers " << n << " pixels; only 0, 10, 11, 14 and background "
                << int(cp::kBackgroundIndex) << " are allowed";
        EXPECT_GT(counts[cp::kBodyIndex], 0) << "no body (index 11): the charge's tincture would not show";
        EXPECT_GT(counts[cp::kOutlineIndex], 0) << "no outline (index 0)";
        EXPECT_EQ(marginPixels, 0) << "painted pixels in the rows or columns the painter skips, first at x "
                                   << firstMarginX << ", y " << firstMarginY << " of " << p.PW << " x " << p.PH
                                   << "; painted x " << left << " to " << right << ", y " << top << " to " << bottom;
    }
}

TEST(CataloguePictures, HeaderBytesAreTheDrawingsOwn) {
    const Catalogue& c = TheCatalogue();
    for (const auto& [name, drawing] : c.drawings) {
        if (!c.built.contains(name)) continue;  // reported by TheBuiltFolderHoldsExactlyTheDrawings
        SCOPED_TRACE("lpics/" + name + " from " + drawing.family + "/" + drawing.source);
        const std::string bytes = ReadAll(PictureFolder() / name);
        ASSERT_GE(bytes.size(), 13u);
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
        const std::array<int, 4> expected = {drawing.header.o1, drawing.header.o2, drawing.header.o3,
                                             drawing.header.turn};
        const std::array<int, 4> found = {static_cast<std::uint8_t>(bytes[6]), static_cast<std::uint8_t>(bytes[7]),
                                          static_cast<std::uint8_t>(bytes[8]), static_cast<std::uint8_t>(bytes[9])};
        EXPECT_EQ(found, expected) << "bytes 6 to 9 (O1, O2, O3, turn)";
        // O1 0x70 switches the three tincture bytes off; otherwise each is 0 or a tincture code + 1.
        if (drawing.header.o1 != 0x70) {
            for (int i = 0; i < 3; ++i) {
                EXPECT_LE(expected[static_cast<std::size_t>(i)], kProperBrown + 1) << "O" << i + 1 << " is no tincture code + 1";
            }
        }
    }
}

// Placement forms a file name from the level's name (the typed word): it drops a final "s",
// keeps 8 letters and appends the variant. A picture whose stem placement can never form (one
// ending in "s" that is not a cross) is never drawn. The names tried are the stem and its
// plural; a name ending in "ss" only for a cross ("tcross" gives "tcros") or when a word is
// spelt so.
TEST(CataloguePictures, EveryPictureNameCanBeFormedByPlacement) {
    for (const std::string& name : TheCatalogue().built) {
        const std::string stem = StemOf(name), variant = VariantOf(name);
        bool reached = false;
        std::string tried;
        std::vector<std::string> levelNames = {stem};
        if (!stem.ends_with('s') || stem.find("cros") != std::string::npos) levelNames.push_back(stem + "s");
        for (const VocabularyRow& row : Words().Rows())
            if (stem.ends_with('s') && row.word.substr(0, 8) == stem + "s") levelNames.push_back(row.word);
        for (const std::string& levelName : levelNames) {
            test::BareState b;
            b.s().dataDir = ESCAVAL_DATA_DIR;
            b.Level(0, 1, 14, levelName).levelVariant.Assign(variant == "esv" ? "" : variant);
            PlaceCharge(b.s(), ChargeSpot{b.g().W / 2, b.g().H / 2, 1.0f});
            const LevelTrace* t = b.TraceOf(0);
            if (t == nullptr) continue;
            for (const PictureTrace& p : t->pictures) {
                tried += " " + p.file;
                if (p.drawn && p.file == "lpics/" + name) reached = true;
            }
            if (reached) break;
        }
        EXPECT_TRUE(reached) << "lpics/" << name << " cannot be formed by placement from the name \"" << stem
                             << "\"; it tried" << tried;
    }
}

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
    {"panther", "only the natural panther (npanther) is drawn: the question picture stands in"},
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
    {"domestic", "a domestic cat", "cat"},
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
        if ((charge = chargeNamed(stem.substr(0, stem.size() - suffix.size()), "", 8 - suffix.size())) != nullptr) {
            phrase = "a " + charge->word;
            partWords = part.words;
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
    const auto qualifier = std::find_if(std::begin(kQualifierVariants), std::end(kQualifierVariants),
                                        [&](const QualifierVariant& q) { return variant == q.variant; });
    if (charge->type == kTypeOrdinary && variant == "esv") {
        phrase += " couped";  // a cross alone is the ordinary
    } else if (variant == "hd") {
        phrase += " head";
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
                if (word == nullptr)
                    return {"", "no attitude word (Type 9, Sub1 " + std::to_string(family) + ") has the code " + part};
                phrase += " " + word->word;
            }
        }
        if (eradicated) phrase += " eradicated";
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
