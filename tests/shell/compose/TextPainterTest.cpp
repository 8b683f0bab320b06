#include "shell/compose/TextPainter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace esc::compose {
namespace {

// The box of the pixels that differ from `ground`.
Rect InkBox(const Bitmap& b, Rgb ground) {
    Rect box{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != ground) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

TEST(TextPainter, FindsTheBlackletterFaceAndTheBodyFace) {
    const TextPainter painter;
    // fonts-gamaliel is the first choice (tools/setup.sh installs it).
    EXPECT_EQ(painter.Family(Face::Blackletter), "Gamaliel") << painter.Family(Face::Blackletter);
    EXPECT_EQ(painter.Family(Face::Body), "DejaVu Sans");
}

TEST(TextPainter, CentresTheLineInTheBoxAndInksInsideIt) {
    const TextPainter painter;
    const TextStyle style{Face::Blackletter, 40.0, 0.0, kBlack, VerticalAlign::Centre};
    Bitmap b(600, 200, kWhite);
    const Rect box{100, 50, 500, 150};
    const TextResult r = painter.Paint(b, "Lancaster", style, box);
    EXPECT_TRUE(r.Complete());
    EXPECT_EQ(r.extent.width, painter.Measure("Lancaster", style).width);
    EXPECT_EQ(r.drawn.left, box.left + (box.Width() - r.extent.width) / 2);
    EXPECT_EQ(r.drawn.top, box.top + (box.Height() - r.extent.height) / 2);
    const Rect ink = InkBox(b, kWhite);
    ASSERT_LT(ink.left, ink.right) << "nothing was painted";
    // The ink lies within the line (a pixel of antialiasing either side) and is centred on it.
    EXPECT_GE(ink.left, r.drawn.left - 2);
    EXPECT_LE(ink.right, r.drawn.right + 2);
    EXPECT_GE(ink.top, r.drawn.top - 1);
    EXPECT_LE(ink.bottom, r.drawn.bottom + 1);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, (box.left + box.right) / 2.0, 6.0);
    // Fully covered pixels are the colour asked for.
    bool solid = false;
    for (int y = ink.top; y < ink.bottom && !solid; ++y)
        for (int x = ink.left; x < ink.right && !solid; ++x) solid = b.Pixel(x, y) == kBlack;
    EXPECT_TRUE(solid);
}

TEST(TextPainter, TopAlignmentPutsTheLineTopAtTheBoxTop) {
    const TextPainter painter;
    TextStyle style{Face::Body, 30.0, 0.0, Rgb{200, 0, 0}, VerticalAlign::Top};
    Bitmap b(400, 200, kWhite);
    const TextResult r = painter.Paint(b, "Hay", style, Rect{0, 70, 400, 200});
    EXPECT_EQ(r.drawn.top, 70);
    const Rect ink = InkBox(b, kWhite);
    EXPECT_GE(ink.top, 70);
    EXPECT_LT(ink.top, 70 + r.extent.ascent);
}

TEST(TextPainter, LetterSpacingWidensTheLineByTheGapsBetweenCharacters) {
    const TextPainter painter;
    TextStyle style{Face::Blackletter, 37.0};
    const int plain = painter.Measure("Percy", style).width;
    style.letterSpacing = 10.0;
    // Four gaps between five characters, none after the last.
    EXPECT_NEAR(painter.Measure("Percy", style).width, plain + 40, 1);
}

TEST(TextPainter, TheLineHeightIsTheFacesNotTheTexts) {
    const TextPainter painter;
    const TextStyle style{Face::Blackletter, 37.0};
    const TextExtent low = painter.Measure("ace", style), tall = painter.Measure("Ágþ", style);
    EXPECT_EQ(low.height, tall.height);
    EXPECT_GT(low.height, 30);
    EXPECT_EQ(painter.Measure("", style).width, 0);
}

TEST(TextPainter, ReportsCharactersTheFaceCannotDraw) {
    const TextPainter painter;
    const TextStyle style{Face::Blackletter, 30.0};
    Bitmap b(500, 100, kWhite);
    {
        SCOPED_TRACE("a character of another script: drawn from the fallback family");
        const TextResult r = painter.Paint(b, "Ωmega", style, Rect{0, 0, 500, 100});
        EXPECT_FALSE(r.Complete());
        EXPECT_EQ(r.substituted, std::vector<char32_t>{U'Ω'});
        EXPECT_TRUE(r.missing.empty());
    }
    {
        SCOPED_TRACE("a character no face has");
        const TextResult r = painter.Paint(b, "A\U0001F600", style, Rect{0, 0, 500, 100});
        EXPECT_FALSE(r.Complete());
        EXPECT_EQ(r.missing, std::vector<char32_t>{U'\U0001F600'});
    }
    {
        SCOPED_TRACE("bytes that are not UTF-8");
        const TextResult r = painter.Paint(b, std::string("Ha\xff" "y"), style, Rect{0, 0, 500, 100});
        EXPECT_TRUE(r.invalidUtf8);
        EXPECT_FALSE(r.Complete());
    }
}

TEST(TextPainter, PaintsOnlyInsideTheBitmapWhenTheBoxOverhangsIt) {
    const TextPainter painter;
    const TextStyle style{Face::Blackletter, 60.0};
    for (const Rect box : {Rect{-300, -40, 100, 40}, Rect{150, 80, 600, 200}, Rect{-1000, -1000, -900, -900}}) {
        SCOPED_TRACE(std::to_string(box.left) + "," + std::to_string(box.top));
        Bitmap b(200, 100, kWhite);
        (void)painter.Paint(b, "Montgomery", style, box);
        EXPECT_EQ(b.Width(), 200);
        EXPECT_EQ(b.Height(), 100);
    }
}

TEST(LetterSpacedName, BlanksFollowEachCharacterUpToTwelve) {
    struct Case {
        const char* name;
        const char* surname;
        const char* spaced;
    } cases[] = {
        {"short", "Hay", "H a y "},
        {"twelve", "Abcdefghijkl", "A b c d e f g h i j k l "},
        {"thirteen kept as it is", "Abcdefghijklm", "Abcdefghijklm"},
        {"characters, not bytes", "Ærøskøbing", "Æ r ø s k ø b i n g "},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LetterSpacedName(c.surname), c.spaced);
    }
}

}  // namespace
}  // namespace esc::compose
