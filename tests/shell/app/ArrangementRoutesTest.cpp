// What leaves the window after a rearrangement: the printed page, the saved picture and the
// achievement all take the picture as arranged, without the selection marks, which are cleared
// first. The arranged picture's pixels are followed to where each route stretches them.

#include <gtest/gtest.h>

#include "ArrangementTestWindow.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/PrintPage.h"
#include "shell/compose/SavePicture.h"
#include "tests/shell/app/TestPictures.h"

namespace esc::app {
namespace {

// Azure three mullets or, the first mullet dragged 150 pixels down and left selected, so that
// each route has to clear the marks itself.
struct Arranged {
    test::ArrangeWindow w;
    int cx = 0, cy = 0;       // where the first mullet was drawn
    Rect selection;           // its rectangle, and its marks, after the drag
    Bitmap expected;          // Image1 as arranged, without marks

    Arranged() {
        w.Draw("Hill", "Azure three mullets or");
        ArrangementEditor& e = w.editor();
        EXPECT_EQ(e.PictureCount(), 3);
        cx = e.Picture(0).cx;
        cy = e.Picture(0).cy;
        EXPECT_FALSE(e.MouseDown(MouseButton::Left, cx, cy));
        w.MoveSelectedTo(cx, e.SelectionRect().top + 150);
        selection = e.SelectionRect();
        EXPECT_EQ(e.Selected(), 0);
        expected = w.c().Picture().Image1();
        ToggleFocusFrame(expected, selection);
        ToggleMarkSquares(expected, selection);
        // The arrangement is there to be taken: the mullet below, azure where it was.
        EXPECT_EQ(expected.Pixel(cx, cy + 150), kPureYellow);
        EXPECT_EQ(expected.Pixel(cx, cy), kPureBlue);
        // A corner of the rectangle lies on the field, under an inverted square while selected.
        EXPECT_EQ(expected.Pixel(selection.left - 2, selection.top - 2), kPureBlue);
        EXPECT_NE(w.c().Picture().Image1().Pixel(selection.left - 2, selection.top - 2), kPureBlue);
    }
};

// Where picture pixel (x, y) lands when a picture of pw by ph is stretched into r (its centre).
std::pair<int, int> Stretched(Rect r, int pw, int ph, int x, int y) {
    return {r.left + static_cast<int>((x + 0.5) * r.Width() / pw), r.top + static_cast<int>((y + 0.5) * r.Height() / ph)};
}

TEST(ArrangementEditorRoutes, SaveTakesTheArrangedPictureWithoutMarks) {
    Arranged a;
    a.w.c().SaveButtonClick();
    ASSERT_NE(a.w.view.saveDialog, nullptr);
    EXPECT_EQ(a.w.editor().Selected(), -1);
    const Bitmap& source = a.w.view.saveDialog->Source();
    // The dialog whitens the corners below the shield's base, as it does for any picture.
    Bitmap expected = a.expected.Copy({0, 0, source.Width(), source.Height()});
    compose::WhitenCornersBelowBase(expected);
    EXPECT_TRUE(source == expected);
    EXPECT_EQ(source.Pixel(a.cx, a.cy + 150), kPureYellow);
    EXPECT_EQ(source.Pixel(a.cx, a.cy), kPureBlue);
    EXPECT_EQ(source.Pixel(a.selection.left - 2, a.selection.top - 2), kPureBlue);
}

TEST(ArrangementEditorRoutes, PrintTakesTheArrangedPictureWithoutMarks) {
    Arranged a;
    a.w.view.printer = PrinterPage{1240, 1754, 150};
    a.w.c().PrintBtnClick();
    ASSERT_FALSE(a.w.view.printed.Empty());
    EXPECT_EQ(a.w.editor().Selected(), -1);
    const Bitmap& picture = a.w.c().Drawing().picture;
    const compose::PrintLayout layout = compose::PrintLayoutFor(1240, 1754, false);
    auto at = [&](int x, int y) {
        const auto [px, py] = Stretched(layout.shield, picture.Width(), picture.Height(), x, y);
        return a.w.view.printed.Pixel(px, py);
    };
    EXPECT_EQ(at(a.cx, a.cy + 150), kPureYellow);
    EXPECT_EQ(at(a.cx, a.cy), kPureBlue);
    EXPECT_EQ(at(a.selection.left - 2, a.selection.top - 2), kPureBlue);
}

TEST(ArrangementEditorRoutes, AchievementTakesTheArrangedPictureWithoutMarks) {
    Arranged a;
    WindowController& c = a.w.c();
    c.FileOpenBtnClick();
    ASSERT_TRUE(c.State().mantlingShown);
    EXPECT_EQ(a.w.editor().Selected(), -1);
    const Bitmap& picture = c.Drawing().picture;
    EXPECT_TRUE(picture.Copy({0, 0, kImage1Rect.Width(), kImage1Rect.Height()}) == a.expected);
    const Rect shield = compose::AchievementShieldRect({}, picture.Height());
    auto at = [&](int x, int y) {
        const auto [px, py] = Stretched(shield, picture.Width(), picture.Height(), x, y);
        return c.Picture().At(px, py);
    };
    EXPECT_EQ(at(a.cx, a.cy + 150), kPureYellow);
    EXPECT_EQ(at(a.cx, a.cy), kPureBlue);
    // Hiding the achievement shows the arrangement again.
    c.FileOpenBtnClick();
    EXPECT_TRUE(c.Picture().Image1() == a.expected);
}

}  // namespace
}  // namespace esc::app
