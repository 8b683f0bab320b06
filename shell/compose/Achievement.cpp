#include "shell/compose/Achievement.h"

#include <algorithm>
#include <cmath>

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

void CleanCornersBelowBase(Bitmap& surface, Rect shield, double scale) {
    // The stretched picture's teal corners either side of the base are replaced by what the
    // window shows beside them, column by column from the picture's last row up (the row below
    // it is the window's own). Only the picture's own teal
    // is replaced: the first pixel of the arms ends the column, the outline's black or any
    // tincture, since the reduced outline can miss a row and a marshalled picture has a square
    // foot whose field reaches the bottom rows.
    const int rows = AtScale(kCornerCleanRows, scale), sourceLeft = AtScale(kCornerCleanSourceLeft, scale);
    for (int x = shield.left; x < shield.right; ++x) {
        for (int y = shield.bottom - 1; y > shield.bottom - rows; --y) {
            if (!surface.Contains(x, y)) continue;
            if (surface.Pixel(x, y) != kTeal) break;
            const int sx = x - sourceLeft;
            surface.SetPixel(x, y, surface.Contains(sx, y) ? surface.Pixel(sx, y) : kTeal);
        }
    }
}

// Recolours the template into `mantle` (its copy) and puts every drawn pixel on the surface at
// (x0 + c, y0 + r). Runs of one key colour along a row are painted together: the row painter
// gives a run the pixels it would give each of its pixels alone, since its patterns are fixed
// to the window's columns and rows. Without a surface only the mantle is recoloured.
void RecolourMantle(Bitmap* surface, Bitmap& mantle, const AchievementInputs& in, int x0, int y0, double scale) {
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
    painter.counterchangePair = {in.firstTincture, in.secondTincture};
    painter.geometry.k = scale;  // the patterns' tiles repeat in design pixels

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
            if (drawn && surface != nullptr) {
                const int y = y0 + r;
                for (int x = c; x < end; ++x) surface->SetPixel(x0 + x, y, Bitmap::Unpack(row[x]));
            }
            c = end;
        }
    }
}

void WriteSurname(Bitmap& surface, const TextPainter& text, const std::string& surname, const WindowLayout& layout,
                  int shieldBottom, double scale) {
    if (surname.empty()) return;
    const std::string line = LetterSpacedName(surname);
    TextStyle measure;
    measure.face = Face::Blackletter;
    measure.pixelSize = kNameMeasurePixels * scale;
    measure.vertical = VerticalAlign::Top;
    TextStyle written = measure;
    written.pixelSize = kNamePixels * scale;
    // Measured in the larger size and written in the smaller, as the scroll has always set it.
    const int tw = text.Measure(line, measure).width;
    const TextExtent extent = text.Measure(line, written);
    const int x = (AtScale(layout.width, scale) - tw) / 2 + AtScale(kNameShiftRight, scale);
    const int y = shieldBottom + AtScale(kNameBelowShieldBottom, scale);
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

Rect AchievementShieldRect(const WindowLayout& layout, int designHeight, double scale) {
    const Rect r = AchievementShieldRect(layout, designHeight);
    if (scale == 1.0) return r;
    return {AtScale(r.left, scale), AtScale(r.top, scale), AtScale(r.right, scale), AtScale(r.bottom, scale)};
}

int AtScale(int design, double scale) {
    return scale == 1.0 ? design : static_cast<int>(std::lround(design * scale));
}

double AchievementShieldPaintScale(double scale) {
    return std::clamp(kAchievementShieldWidth * scale / kImage1Width, kMinPaintScale, kMaxPaintScale);
}

Bitmap AchievementSurface(const WindowLayout& layout, double scale) {
    return Bitmap(AtScale(layout.width, scale), AtScale(layout.height, scale), kTeal);
}

Bitmap RecolourMantleAlone(const Bitmap& mantle, const AchievementInputs& inputs, int x0, int y0, double scale) {
    Bitmap recoloured = mantle;
    RecolourMantle(nullptr, recoloured, inputs, x0, y0, scale);
    return recoloured;
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
    const double s = in.scale;
    const int width = AtScale(layout.width, s);
    // The shield's place follows the picture's height at the design size, whatever its scale.
    int pictureHeight = in.shield ? in.shield->Height() : 0;
    if (in.shield && in.shield->Width() > kImage1Width)
        pictureHeight = static_cast<int>(std::lround(pictureHeight * static_cast<double>(kImage1Width) / in.shield->Width()));
    out.shieldRect = AchievementShieldRect(layout, pictureHeight, s);
    if (in.shield && !in.shield->Empty()) surface.StretchDraw(*in.shield, out.shieldRect);
    CleanCornersBelowBase(surface, out.shieldRect, s);

    const int mw = in.mantle ? in.mantle->Width() : 0, mh = in.mantle ? in.mantle->Height() : 0;
    const int x0 = (width - mw) / 2, y0 = AtScale(kMantleTop, s);
    out.mantleRect = {x0, y0, x0 + mw, y0 + mh};
    if (in.mantle) {
        out.recolouredMantle = *in.mantle;
        RecolourMantle(&surface, out.recolouredMantle, in, x0, y0, s);
    }

    const int scrollWidth = AtScale(kScrollPictureWidth, s), scrollHeight = AtScale(kScrollPictureHeight, s);
    const int scrollX = (width - scrollWidth) / 2, scrollY = out.shieldRect.bottom - AtScale(kScrollAboveShieldBottom, s);
    out.scrollRect = {scrollX, scrollY, scrollX + scrollWidth, scrollY + scrollHeight};
    if (in.scroll && !in.scroll->Empty()) {
        Bitmap picture(scrollWidth, scrollHeight, kLime);
        picture.Draw(*in.scroll, 0, 0);
        surface.Draw(picture, scrollX, scrollY, kLime);
    }
    if (text) WriteSurname(surface, *text, in.surname, layout, out.shieldRect.bottom, s);

    out.captureRect = {x0, y0, x0 + mw, AtScale(layout.height, s) - AtScale(kCaptureBottomMargin, s)};
    out.capture = surface.Copy(out.captureRect);
    return out;
}

}  // namespace esc::compose
