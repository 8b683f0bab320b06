#include "shell/compose/PrintPage.h"

#include <algorithm>

#include "shell/compose/ArtAtSize.h"
#include "shell/compose/SavePicture.h"

namespace esc::compose {
namespace {

int Share(int whole, int share) { return static_cast<int>(static_cast<long long>(whole) * share / kShareWhole); }

Rect Centred(int pageWidth, int width, int top, int height) {
    const int x = (pageWidth - width) / 2;
    return {x, top, x + width, top + height};
}

// Stretches `picture` into a work bitmap of the target's size and draws it with `transparent`
// left out, so only the picture's own pixels reach the page.
void PrintMasked(Bitmap& page, const Bitmap& picture, Rect target, Rgb transparent) {
    if (picture.Empty() || target.Width() <= 0 || target.Height() <= 0) return;
    Bitmap work(target.Width(), target.Height(), transparent);
    work.StretchDraw(picture, {0, 0, target.Width(), target.Height()});
    page.Draw(work, target.left, target.top, transparent);
}

}  // namespace

PrintLayout PrintLayoutFor(int pw, int ph, bool achievement) {
    PrintLayout layout;
    if (achievement) {
        layout.shield = Centred(pw, Share(pw, kSmallShieldWidthShare), Share(ph, kSmallShieldTopShare),
                                Share(ph, kSmallShieldHeightShare));
        layout.mantle = Centred(pw, Share(pw, kMantleWidthShare), Share(ph, kMantleTopShare), Share(ph, kMantleHeightShare));
    } else {
        layout.shield = Centred(pw, Share(pw, kShieldWidthShare), Share(ph, kShieldTopShare), Share(ph, kShieldHeightShare));
    }
    layout.scroll = Centred(pw, kPrintScrollScale * kScrollWidth, Share(ph, kScrollTopShare),
                            kPrintScrollScale * kScrollHeight);
    layout.nameTop = Share(ph, kNameTopShare);
    return layout;
}

double PrintShieldPaintScale(const PrintLayout& layout) {
    return std::clamp(layout.shield.Width() / static_cast<double>(kImageWidth), kMinPaintScale, kMaxPaintScale);
}

PrintArt PrintArtAtSize(const std::string& dataDir, const PrintLayout& layout, const Bitmap* mantle,
                        const AchievementInputs& tinctures, const Bitmap* scroll, MessageSink& sink) {
    PrintArt art;
    if (mantle && !mantle->Empty()) {
        const Rect m = layout.mantle;
        const Bitmap shape = ArtAtSize(dataDir, "mantle2.bmp", *mantle, m.Width(), m.Height(), kWhite, sink);
        art.mantle = RecolourMantleAlone(shape, tinctures, m.left, m.top, m.Width() / static_cast<double>(mantle->Width()));
    }
    if (scroll && !scroll->Empty())
        art.scroll = ArtAtSize(dataDir, "scroll3.bmp", *scroll, layout.scroll.Width(), layout.scroll.Height(),
                               kScrollTransparent, sink);
    return art;
}

PrintedPage ComposePrintPage(int pw, int ph, double dpi, const PrintInputs& inputs, const TextPainter& text) {
    PrintedPage printed;
    printed.layout = PrintLayoutFor(pw, ph, inputs.mantle != nullptr);
    if (!SizeIsAcceptable(pw, ph) || pw <= 0 || ph <= 0) return printed;
    printed.page = Bitmap(pw, ph, kWhite);
    Bitmap& page = printed.page;

    if (inputs.shield) PrintMasked(page, *inputs.shield, printed.layout.shield, kTeal);
    // The mantle covers the shield but where it is transparent, the shield's place among them.
    if (inputs.mantle) PrintMasked(page, *inputs.mantle, printed.layout.mantle, kTeal);
    if (inputs.scroll && !inputs.scroll->Empty()) {
        // The scroll's lime shows white, and white is left out.
        Bitmap scroll(inputs.scroll->Width(), inputs.scroll->Height(), kWhite);
        scroll.Draw(*inputs.scroll, 0, 0, kScrollTransparent);
        PrintMasked(page, scroll, printed.layout.scroll, kWhite);
    }

    TextStyle style;
    style.face = Face::Blackletter;
    style.pixelSize = PointsToPixels(kPrintNamePoints, dpi);
    style.vertical = VerticalAlign::Top;
    const std::string name = LetterSpacedName(inputs.surname);
    const int th = text.Measure(name, style).height;
    const Rect box{0, printed.layout.nameTop, pw, printed.layout.nameTop + th};
    if (inputs.nameAsText) {
        printed.nameText = name;
        printed.nameStyle = style;
        printed.nameBox = box;
        // Where the line is set, as it would be painted: the printer sets it there.
        printed.name = text.PaintGlyphs(nullptr, name, style, box);
        return printed;
    }
    printed.name = text.Paint(page, name, style, box);
    return printed;
}

}  // namespace esc::compose
