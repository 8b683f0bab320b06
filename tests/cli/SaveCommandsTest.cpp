// `escaval save` and `escaval print` as a user runs them: the files written, their sizes and
// names, and what happens when a name or a folder is not available.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "engine/Bitmap.h"
#include "tests/cli/CommandLineFixture.h"
#include "tests/shell/compose/TestFolders.h"

namespace {

namespace fs = std::filesystem;
using esc::test::CommandLine;
using esc::test::Outcome;
using esc::test::Slurp;

constexpr const char* kArms = "'Gules a chevron argent'";
constexpr const char* kField = "Gules";
constexpr esc::Rgb kGules{255, 0, 0};

class SaveCommand : public CommandLine {
protected:
    Outcome Save(const std::string& args, const fs::path& folder) {
        return Escaval("save " + Data() + "--dir '" + folder.string() + "' " + args);
    }
};

TEST_F(SaveCommand, EachLayoutHasItsHeightAndTheNamesCountUp) {
    struct Case {
        const char* name;
        const char* layout;
        int extraHeight;  // -1: the height of the name's line plus 10, measured in the face
    } cases[] = {
        {"no name", "none", 0},
        {"name above", "above", -1},
        {"name below", "below", -1},
        {"on the scroll", "scroll", 95},
    };
    int number = 0;
    int nameLine = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = Save(std::string("--layout ") + c.layout + " --surname Lancaster " + kArms, dir);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string expected = (dir / ("Lancas0" + std::to_string(number++) + ".bmp")).string();
        EXPECT_EQ(r.out, expected + "\n");
        const auto picture = esc::ReadBmp(expected);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), 415);
        if (c.extraHeight >= 0) {
            EXPECT_EQ(picture->Height(), 521 + c.extraHeight);
        } else {
            // The same line height above as below, and a line of 28 points at 96 dpi.
            if (nameLine == 0) nameLine = picture->Height() - 521 - 10;
            EXPECT_EQ(picture->Height(), 521 + nameLine + 10);
            EXPECT_GT(nameLine, 30);
            EXPECT_LT(nameLine, 60);
        }
        // The field, in the middle of the stretched shield.
        EXPECT_EQ(picture->Pixel(100, 150), kGules);
    }
}

TEST_F(SaveCommand, PngBesideBmpAndAShortSurname) {
    const Outcome r = Save(std::string("--format png --surname Hay ") + kArms, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (dir / "Hay00.png").string() + "\n");
    EXPECT_EQ(Slurp(dir / "Hay00.png").substr(1, 3), "PNG");
}

TEST_F(SaveCommand, AHostileSurnameCannotLeaveTheFolder) {
    fs::create_directories(dir / "inner");
    const Outcome r = Escaval("save " + Data() + "--dir '" + (dir / "inner").string() + "' --surname '../../x' " + kArms);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (dir / "inner" / "______00.bmp").string() + "\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "inner"), fs::directory_iterator()), 1);
}

TEST_F(SaveCommand, AllHundredNamesTakenOverwritesNothing) {
    for (int n = 0; n <= 99; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "Hay%02d.bmp", n);
        std::ofstream(dir / name) << "mine";
    }
    const Outcome r = Save(std::string("--surname Hay ") + kArms, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("all hundred names Hay00.bmp to Hay99.bmp are taken"), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(dir / "Hay00.bmp"), "mine");
    EXPECT_EQ(Slurp(dir / "Hay99.bmp"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 100 + 2);  // and out, err
}

TEST_F(SaveCommand, AReadOnlyFolderIsReportedAndLeftEmpty) {
    esc::testing::ReadOnlyFolder folder((dir / "ro").string());
    ASSERT_FALSE(folder.Writable());
    const Outcome r = Save(std::string("--surname Hay ") + kArms, folder.Path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(SaveCommand, UsageErrors) {
    for (const char* args : {"--layout sideways Gules", "--format gif Gules", "--layout", "--achievement --layout none Gules",
                             "--surname Hay", "--size 300 Gules"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(Save(args, dir).status, 2);
    }
}

// The achievement is saved as `escaval achievement` writes it: one scroll, its own; a layout
// asked for with it is refused, saying why.
TEST_F(SaveCommand, TheAchievementIsSavedAsItShows) {
    const Outcome saved = Save(std::string("--achievement --surname Lancaster ") + kArms, dir);
    ASSERT_EQ(saved.status, 0) << saved.err;
    const fs::path written = dir / "achievement.bmp";
    const Outcome shown = Escaval("achievement " + Data() + "-o '" + written.string() + "' --surname Lancaster " + kArms);
    ASSERT_EQ(shown.status, 0) << shown.err;
    const auto a = esc::ReadBmp((dir / "Lancas00.bmp").string());
    const auto b = esc::ReadBmp(written.string());
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(*a == *b) << a->Width() << "x" << a->Height() << " against " << b->Width() << "x" << b->Height();
    for (const char* layout : {"scroll", "none"}) {
        const Outcome r = Save(std::string("--achievement --layout ") + layout + " --surname Hay " + kArms, dir);
        EXPECT_EQ(r.status, 2) << layout;
        EXPECT_NE(r.err.find("--layout applies to the shield alone"), std::string::npos) << r.err;
    }
}

// --size W: the saved picture W pixels wide, whatever it shows, every measure of its layout
// following; with the achievement it is what `escaval achievement --size W` writes.
TEST_F(SaveCommand, AtASizeTheLayoutsAndTheAchievementFollow) {
    const Outcome plain = Save(std::string("--layout scroll --surname Hay ") + kArms, dir);
    const Outcome large = Save(std::string("--layout scroll --size 830 --surname Hay ") + kArms, dir);
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(large.status, 0) << large.err;
    const auto a = esc::ReadBmp((dir / "Hay00.bmp").string()), b = esc::ReadBmp((dir / "Hay01.bmp").string());
    ASSERT_TRUE(a && b);
    EXPECT_EQ(b->Width(), 830);
    EXPECT_EQ(b->Height(), 2 * a->Height());  // the shield twice as high, the scroll's band too
    // The field beside the chevron's point, and the scroll's middle, in the same places.
    for (const auto& [x, y] : {std::pair{60, 60}, std::pair{207, a->Height() - 40}})
        EXPECT_EQ(b->Pixel(2 * x, 2 * y), a->Pixel(x, y)) << x << "," << y;

    const Outcome saved = Save(std::string("--achievement --size 994 --surname Hay ") + kArms, dir);
    ASSERT_EQ(saved.status, 0) << saved.err;
    const fs::path written = dir / "achievement.bmp";
    const Outcome shown =
        Escaval("achievement --size 994 " + Data() + "-o '" + written.string() + "' --surname Hay " + kArms);
    ASSERT_EQ(shown.status, 0) << shown.err;
    const auto c = esc::ReadBmp((dir / "Hay02.bmp").string()), d = esc::ReadBmp(written.string());
    ASSERT_TRUE(c && d);
    EXPECT_EQ(c->Width(), 994);
    EXPECT_TRUE(*c == *d);
    const Outcome refused = Save(std::string("--achievement --size 450 ") + kArms, dir);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("the achievement's width, 497 to 1988"), std::string::npos) << refused.err;
}

// The page read back from the PDF at 30 dpi: 248 by 351 pixels for A4.
// A page read back, or a part of it from (left, top): At() takes the page's coordinates.
struct Page {
    int width = 0, height = 0, left = 0, top = 0;
    std::string pixels;
    esc::Rgb At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y - top) * width + (x - left)) * 3;
        return {static_cast<std::uint8_t>(pixels[i]), static_cast<std::uint8_t>(pixels[i + 1]),
                static_cast<std::uint8_t>(pixels[i + 2])};
    }
};

// A part of a page in dots: left, top, width, height.
struct PagePart {
    int left = 0, top = 0, width = 0, height = 0;
};

// Only the part asked for is rendered when `part` is not empty (its size is then the page's).
Page ReadBack(const fs::path& pdf, const fs::path& dir, int dpi = 30, const PagePart& part = {}) {
    Page page;
    std::string crop;
    if (part.width > 0) {
        crop = " -x " + std::to_string(part.left) + " -y " + std::to_string(part.top) + " -W " + std::to_string(part.width) +
               " -H " + std::to_string(part.height);
        page.left = part.left;
        page.top = part.top;
    }
    const std::string command = "pdftoppm -r " + std::to_string(dpi) + crop + " '" + pdf.string() + "' '" +
                                (dir / "back").string() + "'";
    if (std::system(command.c_str()) != 0) return page;
    const std::string raw = Slurp(dir / "back-1.ppm");
    std::istringstream header(raw);
    std::string magic;
    int maxValue = 0;
    header >> magic >> page.width >> page.height >> maxValue;
    page.pixels = raw.substr(static_cast<std::size_t>(header.tellg()) + 1);
    return page;
}

bool Near(esc::Rgb a, esc::Rgb b) { return std::abs(a.r - b.r) < 8 && std::abs(a.g - b.g) < 8 && std::abs(a.b - b.b) < 8; }

TEST_F(CommandLine, PrintWritesTheA4PageAsPdf) {
    const fs::path pdf = dir / "page.pdf";
    const Outcome r = Escaval("print " + Data() + "--pdf '" + pdf.string() + "' --surname Lancaster " + kField);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = Slurp(pdf);
    EXPECT_NE(bytes.find("595.2 841.92"), std::string::npos);  // A4 in points
    const Page page = ReadBack(pdf, dir);
    ASSERT_EQ(page.width, 248) << "pdftoppm (poppler-utils) is needed";
    ASSERT_EQ(page.height, 351);
    // At 300 dpi the shield is 1736 by 2315 from (372, 350): its picture's middle is gules; the
    // margin above it is white; the scroll starts at 80% of the page.
    EXPECT_TRUE(Near(page.At(124, 110), kGules));
    EXPECT_TRUE(Near(page.At(124, 20), esc::kWhite));
    EXPECT_TRUE(Near(page.At(5, 300), esc::kWhite));
}

// The shield is drawn at the printer's resolution, not enlarged: read back at 300 dpi, the
// outline of a lower corner moves by single dots from row to row where it runs aslant. A picture
// of the design size stretched over the page would move by four or five dots at a time.
TEST_F(CommandLine, PrintedShieldEdgesStepByOneDot) {
    const fs::path pdf = dir / "fine.pdf";
    const Outcome r = Escaval("print " + Data() + "--pdf '" + pdf.string() + "' " + kField);
    ASSERT_EQ(r.status, 0) << r.err;
    const Page page = ReadBack(pdf, dir, 300);
    ASSERT_EQ(page.width, 2480) << "pdftoppm (poppler-utils) is needed";
    // The shield's box on the page (70% of the width, 66% of the height, from 10% down), and the
    // rows of its dexter lower corner: the last eighth of the field above the foot.
    const int left = (2480 - 1736) / 2, top = 350, height = 2315;
    int oneDotSteps = 0, previous = -1;
    for (int y = top + height * 82 / 100; y < top + height * 91 / 100; ++y) {
        int x = left;
        while (x < left + 400 && Near(page.At(x, y), esc::kWhite)) ++x;
        ASSERT_LT(x, left + 400) << "row " << y << " has no outline";
        if (previous >= 0) {
            if (std::abs(x - previous) == 1) ++oneDotSteps;
        }
        previous = x;
    }
    EXPECT_GE(oneDotSteps, 20);
}

// The surname is set as text on the page, not painted into its picture: a PDF reader finds it.
TEST_F(CommandLine, PrintSetsTheSurnameAsText) {
    const fs::path pdf = dir / "named.pdf";
    const Outcome r = Escaval("print " + Data() + "--pdf '" + pdf.string() + "' --surname Lancaster " + kField);
    ASSERT_EQ(r.status, 0) << r.err;
    const fs::path words = dir / "named.txt";
    const std::string command = "pdftotext '" + pdf.string() + "' '" + words.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftotext (poppler-utils) is needed";
    std::string text;
    for (const char c : Slurp(words))
        if (c != ' ' && c != '\n') text += c;
    EXPECT_NE(text.find("Lancaster"), std::string::npos) << Slurp(words);
}

// With the achievement, the shield and the mantle are drawn at the printer's resolution too: read
// back at 300 dpi, the shield's lower corner inside the mantle and the mantle's outer rim both
// move by single dots from row to row.
TEST_F(CommandLine, PrintedAchievementStepsByOneDot) {
    const fs::path pdf = dir / "fine-achievement.pdf";
    const fs::path data = esc::test::DataFolderWithArt(dir, true);
    const Outcome r =
        Escaval("print --data '" + data.string() + "' --pdf '" + pdf.string() + "' --achievement " + kField);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // The shield's box: 40% of the width, 38% of the height, from 40% down; from its middle
    // leftwards the field runs to the outline. Only the page's left half, down from the
    // mantle's rows to the shield's, is rendered.
    const int shieldLeft = (2480 - 992) / 2, shieldTop = 1403, shieldHeight = 1333;
    const int partTop = 505 + 2210 / 3, partBottom = shieldTop + shieldHeight * 91 / 100;
    const Page page = ReadBack(pdf, dir, 300, {0, partTop, 1241, partBottom - partTop});
    ASSERT_EQ(page.width, 1241) << "pdftoppm (poppler-utils) is needed";
    int shieldSteps = 0, previous = -1;
    for (int y = shieldTop + shieldHeight * 82 / 100; y < shieldTop + shieldHeight * 91 / 100; ++y) {
        int x = shieldLeft + 496;
        while (x > shieldLeft - 20 && Near(page.At(x, y), kGules)) --x;
        if (previous >= 0 && std::abs(x - previous) == 1) ++shieldSteps;
        previous = x;
    }
    EXPECT_GE(shieldSteps, 20);
    // The mantle's box: 85% of the width from 14.4% down, 63% high; from the page's edge the
    // white runs to its rim.
    int mantleSteps = 0;
    previous = -1;
    for (int y = 505 + 2210 / 3; y < 505 + 2210 * 2 / 3; ++y) {
        int x = 0;
        while (x < 1240 && Near(page.At(x, y), esc::kWhite)) ++x;
        if (previous >= 0 && std::abs(x - previous) == 1) ++mantleSteps;
        previous = x;
    }
    EXPECT_GE(mantleSteps, 20);
}

TEST_F(CommandLine, PrintWithTheAchievementAndPrintErrors) {
    const fs::path pdf = dir / "achievement.pdf";
    const Outcome r = Escaval("print " + Data() + "--pdf '" + pdf.string() + "' --achievement --surname Hay " + kField);
    ASSERT_EQ(r.status, 0) << r.err;
    const Page page = ReadBack(pdf, dir);
    ASSERT_EQ(page.width, 248);
    // The smaller shield: 40% of the page wide from 40% of its height; its middle is gules.
    EXPECT_TRUE(Near(page.At(124, 207), kGules));
    EXPECT_EQ(Escaval("print " + Data() + kField).status, 2);  // no --pdf
    EXPECT_EQ(Escaval("print " + Data() + "--pdf /nonexistent-dir/p.pdf " + kField).status, 1);
}

}  // namespace
