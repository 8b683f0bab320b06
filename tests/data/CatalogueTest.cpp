// The charge catalogue as built: the vocabulary table and the charge pictures, checked against
// each other through the interpreter's and the painter's own code. A failure names the row,
// the word or the picture file at fault.
//
// Pictures: the lpics folder holds exactly the pictures the drawings make; each decodes with
// our decoder into the painter's indices only, has a body and an outline, keeps off the rows
// and columns the painter never paints, carries its drawing's header bytes (the proper colours
// from data/charges/proper.txt), and has a name that placement can form. The words and lookup
// are checked in CatalogueWordsTest.cpp, the attitudes in CatalogueAttitudesTest.cpp.

#include <gtest/gtest.h>

#include "CatalogueFixture.h"

namespace esc {
namespace {

using namespace catalogue_test;

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

}  // namespace
}  // namespace esc
