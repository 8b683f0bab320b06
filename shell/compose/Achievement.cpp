#include "shell/compose/Achievement.h"

#include <algorithm>

#include "engine/MessageSink.h"
#include "engine/PaintState.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "shell/compose/TextPainter.h"

namespace esc::compose {
namespace {

constexpr Rgb kLime{0, 255, 0};

int ColourValue(Rgb c) { return c.r + 256 * c.g + 65536 * c.b; }

// The shield picture in Image1's size, the window's image control.
constexpr int kImage1Width = kImageWidth, kImage1Height = kImageHeight;

void CleanCornersBelowBase(Bitmap& surface, Rect shield) {
    // The stretched picture's teal corners either side of the base are replaced by what the
    // window shows beside them, column by column from the picture's last row up (the row below
    // it is the window's own). Only the picture's own teal
    // is replaced: the first pixel of the arms ends the column, the outline's black or any
    // tincture, since the reduced outline can miss a row and a marshalled picture has a square
    // foot whose field reaches the bottom rows.
    for (int x = shield.left; x < shield.right; ++x) {
        for (int y = shield.bottom - 1; y > shield.bottom - kCornerCleanRows; --y) {
            if (!surface.Contains(x, y)) continue;
            if (surface.Pixel(x, y) != kTeal) break;
            const int sx = x - kCornerCleanSourceLeft;
            surface.SetPixel(x, y, surface.Contains(sx, y) ? surface.Pixel(sx, y) : kTeal);
        }
    }
}

// Recolours the template into `mantle` (its copy) and puts every drawn pixel on the surface at
// (x0 + c, y0 + r). Runs of one key colour along a row are painted together: the row painter
// gives a run the pixels it would give each of its pixels alone, since its patterns are fixed
// to the window's columns and rows.
void RecolourMantle(Bitmap& surface, Bitmap& mantle, const AchievementInputs& in, int x0, int y0) {
    NullSink quiet;  // the patterns' own bounds messages concern shields, not the mantle
    PaintState painter(quiet);
    painter.view = OutputView::Achievement;
    painter.achievement = &mantle;
    painter.achievementOffsetX = x0;
    painter.achievementOffsetY = y0;
    painter.level = 0;
    painter.fieldColor1 = in.fieldColor1;
    painter.fieldColor2 = in.fieldColor2;
    painter.crusillyFitchy = in.crusillyFitchy;
    painter.namedTinctures[0] = in.firstTincture;
    painter.namedTinctures[1] = in.secondTincture;
    painter.namedTinctureCount = 2;

    const int mw = mantle.Width(), mh = mantle.Height();
    for (int r = 0; r < mh; ++r) {
        std::uint32_t* row = mantle.Row(r);
        int c = 0;
        while (c < mw) {
            const std::uint32_t key = row[c];
            int end = c + 1;
            while (end < mw && row[end] == key) ++end;
            const int code = MantleKeyCode(Bitmap::Unpack(key), in.firstTincture, in.secondTincture);
            bool drawn = true;
            if (code == kTransparentKey) {
                std::fill(row + c, row + end, Bitmap::Pack(kTeal));
                drawn = false;
            } else {
                switch (KeyPaintOf(code)) {
                    case KeyPaint::Plain:
                        std::fill(row + c, row + end, Bitmap::Pack(kPalette[static_cast<std::size_t>(PaletteEntry(code))]));
                        break;
                    case KeyPaint::RowPainter:
                        painter.levelTincture[0] = code;
                        PaintSpan(painter, x0 + c, y0 + r, x0 + end);
                        break;
                    case KeyPaint::NotDrawn:
                        drawn = false;
                        break;
                }
            }
            if (drawn) {
                const int y = y0 + r;
                for (int x = c; x < end; ++x) surface.SetPixel(x0 + x, y, Bitmap::Unpack(row[x]));
            }
            c = end;
        }
    }
}

void WriteSurname(Bitmap& surface, const TextPainter& text, const std::string& surname, const WindowLayout& layout,
                  int shieldBottom) {
    if (surname.empty()) return;
    const std::string line = LetterSpacedName(surname);
    TextStyle measure;
    measure.face = Face::Blackletter;
    measure.pixelSize = kNameMeasurePixels;
    measure.vertical = VerticalAlign::Top;
    TextStyle written = measure;
    written.pixelSize = kNamePixels;
    // Measured in the larger size and written in the smaller, as the scroll has always set it.
    const int tw = text.Measure(line, measure).width;
    const TextExtent extent = text.Measure(line, written);
    const int x = (layout.width - tw) / 2 + kNameShiftRight, y = shieldBottom + kNameBelowShieldBottom;
    (void)text.Paint(surface, line, written, Rect{x, y, x + extent.width, y + extent.height});
}

}  // namespace

void AchievementInputs::TakeTincturesOf(const PaintState& drawing) {
    firstTincture = drawing.namedTinctures[0];
    secondTincture = drawing.namedTinctures[1];
    fieldColor1 = drawing.fieldColor1;
    fieldColor2 = drawing.fieldColor2;
    crusillyFitchy = drawing.crusillyFitchy;
}

int MantleKeyCode(Rgb pixel, int firstTincture, int secondTincture) {
    if (pixel == kWhite) return kTransparentKey;
    if (pixel == kBlack) return firstTincture == kSable || secondTincture == kSable ? kGreyLines : kSable;
    if (pixel == kKeyRed) return kSable;
    if (pixel == kKeyNavy) return kAzure;
    if (pixel == kKeyDarkGreen || pixel == kKeySilver) return kArgent;
    if (pixel == kKeyBlue) return kPean;
    if (pixel == kKeyFirst) return firstTincture;
    if (pixel == kKeySecond) return secondTincture;
    const int value = ColourValue(pixel);
    return value > kSmallCodeLimit ? kArgent : value;
}

KeyPaint KeyPaintOf(int code) {
    if (code == kNotDrawnCode || PaletteEntry(code) < 0) return KeyPaint::NotDrawn;
    if ((code >= kOr && code <= kCounterchanged) || code == kPean || IsStain(code)) return KeyPaint::Plain;
    return KeyPaint::RowPainter;
}

Rect AchievementShieldRect(const WindowLayout& layout, int pictureHeight) {
    Rect r;
    r.left = (layout.width - kAchievementShieldWidth) / 2 - 2;
    r.top = layout.image1Top + kAchievementShieldBelowImage;
    r.right = r.left + kAchievementShieldWidth;
    r.bottom = static_cast<int>(pictureHeight * kAchievementShieldHeightRatio + r.top - kAchievementShieldRaise);
    return r;
}

Bitmap PictureAsShown(const Bitmap& picture) {
    // Image1 at the picture's paint scale: as wide as the picture, its height in proportion.
    const int width = std::max(picture.Width(), kImage1Width);
    Bitmap image1(width, static_cast<int>(static_cast<long long>(width) * kImage1Height / kImage1Width), kTeal);
    image1.Draw(picture, 0, 0);
    return image1.Copy({0, 0, picture.Width(), picture.Height()});
}

Achievement ComposeAchievement(Bitmap& surface, const AchievementInputs& in, const TextPainter* text,
                               const WindowLayout& layout) {
    Achievement out;
    const int pictureHeight = in.shield ? in.shield->Height() : 0;
    out.shieldRect = AchievementShieldRect(layout, pictureHeight);
    if (in.shield && !in.shield->Empty()) surface.StretchDraw(*in.shield, out.shieldRect);
    CleanCornersBelowBase(surface, out.shieldRect);

    const int mw = in.mantle ? in.mantle->Width() : 0, mh = in.mantle ? in.mantle->Height() : 0;
    const int x0 = (layout.width - mw) / 2, y0 = kMantleTop;
    out.mantleRect = {x0, y0, x0 + mw, y0 + mh};
    if (in.mantle) {
        out.recolouredMantle = *in.mantle;
        RecolourMantle(surface, out.recolouredMantle, in, x0, y0);
    }

    const int scrollX = (layout.width - kScrollPictureWidth) / 2, scrollY = out.shieldRect.bottom - kScrollAboveShieldBottom;
    out.scrollRect = {scrollX, scrollY, scrollX + kScrollPictureWidth, scrollY + kScrollPictureHeight};
    if (in.scroll && !in.scroll->Empty()) {
        Bitmap picture(kScrollPictureWidth, kScrollPictureHeight, kLime);
        picture.Draw(*in.scroll, 0, 0);
        surface.Draw(picture, scrollX, scrollY, kLime);
    }
    if (text) WriteSurname(surface, *text, in.surname, layout, out.shieldRect.bottom);

    out.captureRect = {x0, kMantleTop, x0 + mw, layout.height - kCaptureBottomMargin};
    out.capture = surface.Copy(out.captureRect);
    return out;
}

}  // namespace esc::compose
