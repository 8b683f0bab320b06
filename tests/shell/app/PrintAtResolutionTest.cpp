// The window's Print composes the page at the printer's resolution, as `escaval print` does: the
// shield drawn again as wide as the page prints it, the surname handed to the printer as text.
// A picture the blazon does not draw (rearranged) is printed as shown, and the user told.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ArrangementTestWindow.h"
#include "engine/Messages.h"
#include "shell/compose/PrintPage.h"
#include "shell/compose/SavePicture.h"
#include "tests/shell/app/TestPictures.h"

namespace esc::app {
namespace {

constexpr int kA4Width = 2480, kA4Height = 3508;  // at 300 dpi

// Down each column of the shield's rectangle, the first row of `c`: the upper edge of a bend.
std::vector<int> EdgeRows(const Bitmap& page, Rect shield, Rgb c) {
    std::vector<int> rows;
    for (int x = shield.left + shield.Width() * 35 / 100; x < shield.left + shield.Width() * 70 / 100; ++x) {
        int y = shield.top + 10;
        while (y < shield.bottom && page.Pixel(x, y) != c) ++y;
        if (y < shield.bottom) rows.push_back(y);
    }
    return rows;
}

// Whether an edge steps as one drawn at the page's dots: few neighbouring columns hold the same
// row, and no step is much more than the edge's slope. Enlarged four times, three columns in
// four would hold their row and the fourth jump by four times the slope.
void ExpectFineSteps(const std::vector<int>& rows) {
    int held = 0, step = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        held += rows[i] == rows[i - 1];
        step = std::max(step, std::abs(rows[i] - rows[i - 1]));
    }
    const double slope = std::abs(rows.back() - rows.front()) / static_cast<double>(rows.size() - 1);
    EXPECT_LT(held, static_cast<int>(rows.size()) / 2);
    EXPECT_LE(step, 2 * slope + 1.5);
}

TEST(PrintAtResolution, TheShieldIsDrawnAtThePrintersDotsAndTheNameIsText) {
    test::ArrangeWindow w;
    w.Draw("Cole", "Or a bend azure");
    w.view.printer = PrinterPage{kA4Width, kA4Height, 300};
    w.messages.messages.clear();
    w.c().PrintBtnClick();
    ASSERT_FALSE(w.view.printed.Empty());
    EXPECT_TRUE(w.messages.messages.empty()) << w.messages.messages.front();
    const compose::PrintLayout layout = compose::PrintLayoutFor(kA4Width, kA4Height, false);
    // The bend's edge moves about a dot from one column to the next; the 415-pixel picture
    // stretched over 1,736 dots would hold each row for four columns and then jump.
    const std::vector<int> rows = EdgeRows(w.view.printed, layout.shield, kPureBlue);
    ASSERT_GT(rows.size(), 400u);
    ExpectFineSteps(rows);
    // The field where the design puts it, and the surname left to the printer as text: the page
    // has no black where the line is set.
    EXPECT_EQ(w.view.printed.Pixel(layout.shield.left + layout.shield.Width() / 10, layout.shield.top + layout.shield.Height() / 2),
              kPureYellow);
    EXPECT_EQ(w.view.printedName, compose::LetterSpacedName("Cole"));
    const Rect line{0, layout.nameTop, kA4Width, layout.nameTop + 100};
    int black = 0;
    for (int y = line.top; y < line.bottom; ++y)
        for (int x = line.left; x < line.right; ++x) black += w.view.printed.Pixel(x, y) == kBlack;
    EXPECT_EQ(black, 0);
}

TEST(PrintAtResolution, QuarteredArmsAreDrawnAtThePrintersDotsToo) {
    test::ArrangeWindow w;
    w.Draw("Cole", "Quarterly 1&4: Or a bend azure 2&3: Gules");
    w.view.printer = PrinterPage{kA4Width, kA4Height, 300};
    w.messages.messages.clear();
    w.c().PrintBtnClick();
    ASSERT_FALSE(w.view.printed.Empty());
    EXPECT_TRUE(w.messages.messages.empty()) << w.messages.messages.front();
    const compose::PrintLayout layout = compose::PrintLayoutFor(kA4Width, kA4Height, false);
    Rect quarter = layout.shield;
    quarter.right = quarter.left + quarter.Width() / 2;
    quarter.bottom = quarter.top + quarter.Height() / 2;
    const std::vector<int> rows = EdgeRows(w.view.printed, quarter, kPureBlue);
    ASSERT_GT(rows.size(), 200u);
    ExpectFineSteps(rows);
}

TEST(PrintAtResolution, ARearrangedPictureIsPrintedAsShownAndSaidSo) {
    test::ArrangeWindow w;
    w.Draw("Hill", "Azure three mullets or");
    ArrangementEditor& e = w.editor();
    ASSERT_EQ(e.PictureCount(), 3);
    const int cx = e.Picture(0).cx, cy = e.Picture(0).cy;
    EXPECT_FALSE(e.MouseDown(MouseButton::Left, cx, cy));
    w.MoveSelectedTo(cx, e.SelectionRect().top + 150);
    w.view.printer = PrinterPage{kA4Width, kA4Height, 300};
    w.messages.messages.clear();
    w.c().PrintBtnClick();
    ASSERT_FALSE(w.view.printed.Empty());
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages.front(), msg::kPrintedAsShown);
    // The picture as shown: the mullet where it was dragged.
    const compose::PrintLayout layout = compose::PrintLayoutFor(kA4Width, kA4Height, false);
    const Bitmap& picture = w.c().Drawing().picture;
    auto at = [&](int x, int y) {
        return w.view.printed.Pixel(layout.shield.left + static_cast<int>((x + 0.5) * layout.shield.Width() / picture.Width()),
                                    layout.shield.top + static_cast<int>((y + 0.5) * layout.shield.Height() / picture.Height()));
    };
    EXPECT_EQ(at(cx, cy + 150), kPureYellow);
    EXPECT_EQ(at(cx, cy), kPureBlue);
}

}  // namespace
}  // namespace esc::app
