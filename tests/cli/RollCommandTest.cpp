// `escaval roll`: the PDF read back page by page (pdftoppm), each shield's field colour sampled at
// the middle of the box the page layout gives it, and the pages counted.

#include "shell/cli/RollCommand.h"
#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace fs = std::filesystem;

namespace {

struct Page {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    Rgb At(int x, int y) const {
        const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
};

// A binary PPM as pdftoppm writes it.
Page ReadPpm(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Page page;
    in >> magic >> page.width >> page.height >> maxValue;
    in.get();
    page.rgb.resize(static_cast<std::size_t>(page.width) * page.height * 3);
    in.read(reinterpret_cast<char*>(page.rgb.data()), static_cast<std::streamsize>(page.rgb.size()));
    return page;
}

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) < 24 && std::abs(a.g - b.g) < 24 && std::abs(a.b - b.b) < 24; }

constexpr double kReadDpi = 50;

}  // namespace

TEST_F(CommandLine, RollPutsEachShieldInItsBox) {
    const fs::path list = dir / "roll.txt", pdf = dir / "roll.pdf";
    // Two columns: three rows, six a page; the seventh shield starts a second page.
    const struct {
        const char* line;
        Rgb field;
    } shields[] = {
        {"Gules", {255, 0, 0}},        {"Smith | Azure", {0, 0, 255}}, {"Vert", {0, 255, 0}},
        {"Or", {255, 255, 0}},         {"Jones | Sable", {0, 0, 0}},   {"Purpure", {128, 0, 128}},
        {"Argent | Gules", {255, 0, 0}},
    };
    {
        std::ofstream out(list);
        for (const auto& s : shields) out << s.line << "\n";
    }
    const Outcome r = Escaval("roll " + Data() + "--columns 2 -o '" + pdf.string() + "' '" + list.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("7 shields on 2 pages"), std::string::npos) << r.out;

    const std::string command = "pdftoppm -r 50 '" + pdf.string() + "' '" + (dir / "page").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils) is needed";
    const Page pages[] = {ReadPpm(dir / "page-1.ppm"), ReadPpm(dir / "page-2.ppm")};
    ASSERT_FALSE(fs::exists(dir / "page-3.ppm"));

    const RollLayout layout = RollLayoutFor(2);
    const double scale = kReadDpi / kRollDpi;
    ASSERT_NEAR(pages[0].width, layout.pageWidth * scale, 2);  // A4 at the roll's resolution
    for (std::size_t i = 0; i < std::size(shields); ++i) {
        SCOPED_TRACE(shields[i].line);
        const Page& page = pages[i / layout.PerPage()];
        const Rect box = layout.ShieldBox(static_cast<int>(i % layout.PerPage()));
        // A third of the way down the shield: the field, clear of the outline and the point.
        const int x = static_cast<int>((box.left + box.right) / 2 * scale);
        const int y = static_cast<int>((box.top + box.Height() / 3) * scale);
        EXPECT_TRUE(Near(page.At(x, y), shields[i].field));
        // Beside the box, white paper.
        EXPECT_TRUE(Near(page.At(static_cast<int>((box.left - 4) * scale), y), kWhite));
    }
    // The surname is written under its shield: dark pixels in Smith's name box, none in the
    // name box of the shield written without one.
    auto inkIn = [&](const Page& page, Rect box) {
        int ink = 0;
        for (int y = static_cast<int>(box.top * scale); y < static_cast<int>(box.bottom * scale); ++y)
            for (int x = static_cast<int>(box.left * scale); x < static_cast<int>(box.right * scale); ++x)
                ink += page.At(x, y).r < 128;
        return ink;
    };
    EXPECT_GT(inkIn(pages[0], layout.NameBox(1)), 10);
    EXPECT_EQ(inkIn(pages[0], layout.NameBox(0)), 0);
}

// Marshalled arms on a roll of one column are drawn at least as large as they print: read back at
// the roll's 150 dpi, a bend's edge in the first quarter moves by a dot or more from one column
// to the next, where the 415-pixel assembly enlarged into the box would hold some rows.
TEST_F(CommandLine, RollDrawsMarshalledArmsAtTheirPrintedSize) {
    const fs::path list = dir / "roll.txt", pdf = dir / "roll.pdf";
    std::ofstream(list) << "Quarterly 1&4: Or a bend azure 2&3: Gules\n";
    const Outcome r = Escaval("roll " + Data() + "--columns 1 -o '" + pdf.string() + "' '" + list.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string command = "pdftoppm -r 150 '" + pdf.string() + "' '" + (dir / "page").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils) is needed";
    const RollLayout layout = RollLayoutFor(1);
    const Rect box = layout.ShieldBox(0);
    ASSERT_GT(box.Width(), 415 + 60);  // printed wider than the design size
    const Page page = ReadPpm(dir / "page-1.ppm");
    // The first quarter: from a fifth to two fifths of the box across, down to its middle.
    std::vector<int> rows;
    for (int x = box.left + box.Width() / 5; x < box.left + 2 * box.Width() / 5; ++x) {
        int y = box.top + 6;
        while (y < box.top + box.Height() / 2 && !(page.At(x, y).b > 128 && page.At(x, y).r < 128)) ++y;
        if (y < box.top + box.Height() / 2) rows.push_back(y);
    }
    ASSERT_GT(rows.size(), 90u);
    int held = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) held += rows[i] == rows[i - 1];
    // Enlarged from 415 to 505 dots about one column in six would repeat its neighbour's row.
    EXPECT_LT(held, static_cast<int>(rows.size()) / 12);
}

TEST_F(CommandLine, RollUsageAndErrors) {
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"", 2},
        {"--columns 0 x.txt", 2},
        {"--columns 9 x.txt", 2},
        {"--database x.txt", 2},
        {"'" + (dir / "missing.txt").string() + "'", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome r = Escaval("roll " + Data() + c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err, "");
    }
}

}  // namespace esc::test
