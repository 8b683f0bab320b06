#include "shell/compose/PrintPage.h"

#include <gtest/gtest.h>

#include "shell/compose/SavePicture.h"
#include "tests/shell/compose/ComposeTestHelpers.h"

namespace esc::compose {
namespace {

using testing::BoxOf;
using testing::InkBox;
using testing::kBlue;
using testing::kGreen;
using testing::kLime;
using testing::kRed;

constexpr int kPw = 2400, kPh = 3200;
constexpr double kDpi = 300;

// The scroll picture: green, with a lime (transparent) block in its top-left corner and a white
// band across its middle, which the page must leave white.
Bitmap TestScroll() {
    Bitmap scroll(kScrollWidth, kScrollHeight, kGreen);
    scroll.FillRect({0, 0, 40, 20}, kLime);
    scroll.FillRect({0, 40, kScrollWidth, 55}, kWhite);
    return scroll;
}

struct Fixture {
    TextPainter text;
    Bitmap shield{415, 521, kRed};
    Bitmap scroll = TestScroll();
};

TEST(PrintPage, NormalViewPlacesShieldScrollAndNameByTheirShares) {
    Fixture f;
    // A teal ring round the shield picture is left out of the page.
    f.shield.FillRect({0, 0, 415, 10}, kTeal);
    const PrintedPage printed = ComposePrintPage(kPw, kPh, kDpi, {&f.shield, nullptr, &f.scroll, "Lancaster"}, f.text);
    ASSERT_EQ(printed.page.Width(), kPw);
    ASSERT_EQ(printed.page.Height(), kPh);
    EXPECT_EQ(printed.layout.shield, (Rect{360, 320, 360 + 1680, 320 + 2112}));
    EXPECT_EQ(printed.layout.scroll, (Rect{280, 2560, 280 + 1840, 2560 + 380}));
    EXPECT_EQ(printed.layout.nameTop, 2720);
    EXPECT_TRUE(printed.layout.mantle.Width() == 0);

    // Measured on the page: the shield's red begins below the stretched teal ring (10 of 521 rows).
    const Rect red = BoxOf(printed.page, kRed);
    EXPECT_EQ(red.left, 360);
    EXPECT_EQ(red.right, 2040);
    EXPECT_EQ(red.bottom, 2432);
    EXPECT_NEAR(red.top, 320 + 10 * 2112 / 521, 1);
    EXPECT_EQ(printed.page.Pixel(1200, 322), kWhite);  // the teal ring did not print

    const Rect green = BoxOf(printed.page, kGreen);
    EXPECT_EQ(green, (Rect{280, 2560, 2120, 2940}));
    EXPECT_EQ(printed.page.Pixel(280 + 10, 2560 + 10), kWhite);  // lime corner
    EXPECT_EQ(printed.page.Pixel(400, 2560 + 47 * 4), kWhite);  // the white band, left of the name

    // The name: black ink starting just below its top and centred across the page.
    const Rect ink = InkBox(printed.page, {0, 2600, kPw, kPh});
    ASSERT_GT(ink.Width(), 0);
    EXPECT_EQ(printed.name.drawn.top, 2720);
    EXPECT_GE(ink.top, 2720);
    EXPECT_LT(ink.top, 2720 + printed.name.extent.ascent);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, kPw / 2.0, 25);
    // 28 points at 300 dpi: an em of 116.7 pixels, so the line is over 100 pixels high.
    EXPECT_GT(printed.name.extent.height, 100);
}

TEST(PrintPage, AchievementPutsTheSmallerShieldInsideTheMantle) {
    Fixture f;
    // A mantle that is teal but for a blue frame: the shield shows through it.
    Bitmap mantle(600, 500, kTeal);
    mantle.FillRect({0, 0, 600, 4}, kBlue);
    mantle.FillRect({0, 496, 600, 500}, kBlue);
    mantle.FillRect({0, 0, 4, 500}, kBlue);
    mantle.FillRect({596, 0, 600, 500}, kBlue);
    const PrintedPage printed = ComposePrintPage(kPw, kPh, kDpi, {&f.shield, &mantle, &f.scroll, "Hay"}, f.text);
    EXPECT_EQ(printed.layout.shield, (Rect{720, 1280, 720 + 960, 1280 + 1216}));
    EXPECT_EQ(printed.layout.mantle, (Rect{180, 460, 180 + 2040, 460 + 2016}));

    EXPECT_EQ(BoxOf(printed.page, kBlue), (Rect{180, 460, 2220, 2476}));
    // The shield runs below the mantle's foot, so its whole box shows; where the frame crosses
    // it the mantle covers it.
    EXPECT_EQ(BoxOf(printed.page, kRed), (Rect{720, 1280, 1680, 2496}));
    EXPECT_EQ(printed.page.Pixel(1200, 2474), kBlue);
    EXPECT_EQ(printed.page.Pixel(1200, 2480), kRed);
    EXPECT_EQ(BoxOf(printed.page, kGreen), (Rect{280, 2560, 2120, 2940}));
}

TEST(PrintPage, SharesAreTruncatedOnOddPages) {
    // 14.4% of 3333 is 479.95: truncated to 479; centring truncates too.
    const PrintLayout layout = PrintLayoutFor(2481, 3333, true);
    EXPECT_EQ(layout.mantle.top, 479);
    EXPECT_EQ(layout.mantle.Width(), 2108);  // 85% of 2481 = 2108.85
    EXPECT_EQ(layout.mantle.left, (2481 - 2108) / 2);
    EXPECT_EQ(layout.scroll.left, (2481 - 1840) / 2);
    EXPECT_EQ(layout.nameTop, 2833);  // 85% of 3333 = 2833.05
}

TEST(PrintPage, APageTooLargeToComposeIsEmpty) {
    Fixture f;
    // A4 at 1200 dpi: 139 million pixels, past the bitmap's limit.
    const PrintedPage printed = ComposePrintPage(9921, 14031, 1200, {&f.shield, nullptr, &f.scroll, "Hay"}, f.text);
    EXPECT_TRUE(printed.page.Empty());
}

}  // namespace
}  // namespace esc::compose
