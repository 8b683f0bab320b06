#pragma once
// The printed page, composed without a window on a white bitmap of the printable area: the
// shield stretched large (or, with the achievement, smaller inside the recoloured mantle), the
// scroll four times its size below it and the surname on the scroll. The window sends this
// bitmap to the printer; `escaval print` puts it on an A4 page of a PDF file.
//
// Every size is a share of the printable width pw or height ph, truncated; each item is centred
// across the page, x = (pw - width) / 2:
//
//   item                    width      height     top
//   shield                  70% pw     66% ph     10% ph
//   shield, achievement     40% pw     38% ph     40% ph
//   mantle, achievement     85% pw     63% ph     14.4% ph   (over the shield, teal transparent)
//   scroll                  4 x 460    4 x 95     80% ph     (white and lime transparent)
//   surname, 28 points      its width             85% ph

#include <optional>
#include <string>

#include "engine/Bitmap.h"
#include "engine/MessageSink.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/TextPainter.h"

namespace esc::compose {

// Shares in thousandths of the page.
inline constexpr int kShieldWidthShare = 700, kShieldHeightShare = 660, kShieldTopShare = 100;
inline constexpr int kSmallShieldWidthShare = 400, kSmallShieldHeightShare = 380, kSmallShieldTopShare = 400;
inline constexpr int kMantleWidthShare = 850, kMantleHeightShare = 630, kMantleTopShare = 144;
inline constexpr int kScrollTopShare = 800, kNameTopShare = 850;
inline constexpr int kShareWhole = 1000;
// The scroll is printed at four times its size in device pixels, whatever the resolution.
inline constexpr int kPrintScrollScale = 4;
inline constexpr double kPrintNamePoints = 28.0;

struct PrintLayout {
    Rect shield;
    Rect mantle;  // empty in the normal view
    Rect scroll;
    int nameTop = 0;
};

PrintLayout PrintLayoutFor(int pageWidth, int pageHeight, bool achievement);

// The paint scale at which the shield of `layout` is drawn: as wide as the page prints it, so it
// lands about one picture pixel to a printer dot.
double PrintShieldPaintScale(const PrintLayout& layout);

// The achievement's mantle and the scroll at their printed sizes: drawn again from their
// drawings (else their pictures enlarged, and `sink` told), the mantle recoloured on the page's
// dots with the tinctures of the arms, its pattern tiles as much finer as it is larger.
struct PrintArt {
    std::optional<Bitmap> mantle, scroll;
};
// `mantle` is the template ("mantle2.bmp"; none: the normal view), `scroll` the 460 by 95 scroll
// picture (none: no scroll).
PrintArt PrintArtAtSize(const std::string& dataDir, const PrintLayout& layout, const Bitmap* mantle,
                        const AchievementInputs& tinctures, const Bitmap* scroll, MessageSink& sink);

struct PrintInputs {
    const Bitmap* shield = nullptr;  // the picture bitmap, teal transparent
    const Bitmap* mantle = nullptr;  // "tmantle.bmp" when the achievement is shown, teal transparent
    const Bitmap* scroll = nullptr;  // the 460 by 95 scroll picture, lime transparent
    std::string surname;             // letter-spaced as on the scroll when 12 characters or fewer
    // The surname is left off the bitmap and handed back as `nameText`, for a PDF to set as text.
    bool nameAsText = false;
};

struct PrintedPage {
    Bitmap page;  // empty when the page is too large to compose
    PrintLayout layout;
    TextResult name;
    // With nameAsText: the line to set over the page, in its pixels (`name` says where: its
    // left, its top and its ascent).
    std::string nameText;
    TextStyle nameStyle;
    Rect nameBox;
};

// The page of pw by ph device pixels at `dpi` (the name's size in pixels follows from it).
PrintedPage ComposePrintPage(int pageWidth, int pageHeight, double dpi, const PrintInputs& inputs, const TextPainter& text);

}  // namespace esc::compose
