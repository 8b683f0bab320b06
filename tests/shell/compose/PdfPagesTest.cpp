#include "shell/compose/PdfPages.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/shell/compose/TestFolders.h"

namespace esc::compose {
namespace {

namespace fs = std::filesystem;

using testing::ReadOnlyFolder;
using testing::TempDir;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A page of three bands: red on top, green in the middle, blue at the bottom.
Bitmap Bands(int w, int h) {
    Bitmap b(w, h, kWhite);
    b.FillRect({0, 0, w, h / 3}, Rgb{255, 0, 0});
    b.FillRect({0, h / 3, w, 2 * h / 3}, Rgb{0, 255, 0});
    b.FillRect({0, 2 * h / 3, w, h}, Rgb{0, 0, 255});
    return b;
}

TEST(PdfPages, PagesAreTheirPixelsAtTheResolutionGiven) {
    TempDir dir;
    const std::string file = dir.path + "/page.pdf";
    PdfPages pdf;
    // A4 at 300 dpi is 2480 by 3508 pixels, 595.2 by 841.92 points.
    const int w = MmToPixels(kA4WidthMm, kPrintDpi), h = MmToPixels(kA4HeightMm, kPrintDpi);
    EXPECT_EQ(w, 2480);
    EXPECT_EQ(h, 3508);
    ASSERT_TRUE(pdf.AddPage(Bands(w, h), kPrintDpi));
    ASSERT_TRUE(pdf.AddPage(Bands(300, 150), 150.0));
    ASSERT_TRUE(pdf.Finish(file));
    const std::string bytes = ReadAll(file);
    ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("/Count 2"), std::string::npos);
    EXPECT_NE(bytes.find("595.2 841.92"), std::string::npos);
    EXPECT_NE(bytes.find("144 72"), std::string::npos);  // 300 by 150 pixels at 150 dpi

    // The first page read back at 30 dpi (248 by 351 pixels): each band keeps its colour.
    const std::string command = "pdftoppm -r 30 -f 1 -l 1 " + file + " " + dir.path + "/back";
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils) is needed";
    const std::string raw = ReadAll(dir.path + "/back-1.ppm");
    std::istringstream header(raw);  // "P6\n248 351\n255\n", then the pixels
    std::string magic;
    int pw = 0, ph = 0, maxValue = 0;
    header >> magic >> pw >> ph >> maxValue;
    ASSERT_EQ(magic, "P6");
    ASSERT_EQ(pw, 248);
    ASSERT_EQ(ph, 351);
    const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
    ASSERT_GE(raw.size(), start + static_cast<std::size_t>(pw) * ph * 3);
    auto near = [&](int x, int y, Rgb want) {
        const std::size_t i = start + (static_cast<std::size_t>(y) * pw + x) * 3;
        const int got[3] = {static_cast<std::uint8_t>(raw[i]), static_cast<std::uint8_t>(raw[i + 1]),
                            static_cast<std::uint8_t>(raw[i + 2])};
        const int expected[3] = {want.r, want.g, want.b};
        for (int k = 0; k < 3; ++k)
            if (std::abs(got[k] - expected[k]) > 2) return false;
        return true;
    };
    EXPECT_TRUE(near(pw / 2, ph / 6, Rgb{255, 0, 0}));
    EXPECT_TRUE(near(pw / 2, ph / 2, Rgb{0, 255, 0}));
    EXPECT_TRUE(near(pw / 2, 5 * ph / 6, Rgb{0, 0, 255}));
}

TEST(PdfPages, NothingIsWrittenForAFailedOrEmptyDocument) {
    TempDir dir;
    {
        SCOPED_TRACE("no page");
        PdfPages pdf;
        EXPECT_FALSE(pdf.Finish(dir.path + "/empty.pdf"));
    }
    {
        SCOPED_TRACE("a page without pixels or resolution");
        PdfPages pdf;
        EXPECT_FALSE(pdf.AddPage(Bitmap(), 300));
        EXPECT_FALSE(pdf.AddPage(Bitmap(10, 10), 0));
        EXPECT_FALSE(pdf.Finish(dir.path + "/bad.pdf"));
    }
    {
        SCOPED_TRACE("a folder that does not exist");
        PdfPages pdf;
        ASSERT_TRUE(pdf.AddPage(Bands(30, 30), 72));
        EXPECT_FALSE(pdf.Finish(dir.path + "/missing/page.pdf"));
    }
    {
        SCOPED_TRACE("a read-only folder");
        ReadOnlyFolder ro(dir.path + "/ro");
        ASSERT_FALSE(ro.Writable());
        PdfPages pdf;
        ASSERT_TRUE(pdf.AddPage(Bands(30, 30), 72));
        const WriteResult written = pdf.Finish(ro.Path() + "/page.pdf");
        EXPECT_FALSE(written);
        EXPECT_TRUE(fs::is_empty(ro.Path()));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);  // "ro" alone
}

}  // namespace
}  // namespace esc::compose
