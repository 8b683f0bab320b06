#pragma once
// The achievement: the shield, reduced, set inside a mantle recoloured in the tinctures of the
// arms, with a scroll below that carries the surname. It is composed here, without a window, on
// the window's own surface (a bitmap of the 1036 by 768 design), so that the window and the
// command line put exactly the same pixels on screen and into "mantsave.bmp".
//
//   y=160  +----------- mantle, mw wide, centred: x0 = (W - mw) / 2 -----------+
//          |        helm, torse and mantling in key colours                     |
//   y=359  |            +-- shield rectangle, 240 wide --+                      |
//          |            | the picture bitmap, stretched  |                      |
//          |            |  left = (W - 240) / 2 - 2      |                      |
//   bottom |    +-------+--------- scroll 460 x 95 ------+------+ (bottom - 21)  |
//          |    |          S u r n a m e  (bottom + 17)         |               |
//   H - 48 +----+-----------------------------------------------+--------------+
//          the capture ("mantsave.bmp"): x0 .. x0 + mw by 160 .. H - 48

#include <string>

#include "engine/Bitmap.h"
#include "engine/PaintState.h"

namespace esc::compose {

class TextPainter;

// The working files the achievement writes into the per-user working folder: the recoloured
// mantle alone (read by printing) and the whole achievement (read by the save dialog).
inline constexpr const char* kMantleFileName = "tmantle.bmp";
inline constexpr const char* kAchievementFileName = "mantsave.bmp";

// The achievement's width at the design size (the mantle picture's), and how many times that it
// may be drawn.
inline constexpr int kAchievementDesignWidth = 497;
inline constexpr int kMaxAchievementScale = 4;

// The fixed places of the achievement in the window's design.
inline constexpr int kAchievementShieldWidth = 240;
inline constexpr int kAchievementShieldBelowImage = 175;  // shield top below Image1's top
inline constexpr double kAchievementShieldHeightRatio = 0.62;
inline constexpr int kAchievementShieldRaise = 15;
inline constexpr int kCornerCleanRows = 40;     // rows above the shield's bottom that are cleaned
inline constexpr int kCornerCleanSourceLeft = 300;  // where the backdrop colour is taken from
inline constexpr int kMantleTop = 160;
inline constexpr int kScrollPictureWidth = 460, kScrollPictureHeight = 95;
inline constexpr int kScrollAboveShieldBottom = 21;
inline constexpr int kNameBelowShieldBottom = 17;
inline constexpr int kNameMeasurePixels = 35;  // the name is measured in this size ...
inline constexpr int kNamePixels = 30;         // ... and written in this one
inline constexpr int kNameShiftRight = 10;
inline constexpr int kCaptureBottomMargin = 48;  // the capture ends this far above the window's foot

// The key colours of the mantle template and the tincture codes they stand for.
inline constexpr Rgb kKeyNavy{0, 0, 128}, kKeyDarkGreen{0, 128, 0}, kKeySilver{192, 192, 192},
    kKeyRed{255, 0, 0}, kKeyBlue{0, 0, 255}, kKeyFirst{255, 255, 0}, kKeySecond{0, 255, 0};
inline constexpr int kTransparentKey = -1;  // white: nothing is drawn
inline constexpr int kGreyLines = 7;        // black lines when the arms name Sable
inline constexpr int kNotDrawnCode = 20;
inline constexpr int kSmallCodeLimit = 20;  // colour values 1..20 are tincture codes themselves

// The tincture code of one template pixel, given the first and second named tinctures of the
// arms; kTransparentKey for white.
int MantleKeyCode(Rgb pixel, int firstTincture, int secondTincture);

// How a code is put on the mantle: in its palette colour, through the row painter (furs, vair
// and the other patterns), or not at all.
enum class KeyPaint { Plain, RowPainter, NotDrawn };
KeyPaint KeyPaintOf(int code);

// The window the achievement is composed in.
struct WindowLayout {
    int width = 1036, height = 768;  // the window's outer size
    int image1Top = 184;             // the top of the shield image Image1
};

struct AchievementInputs {
    // The picture bitmap as Image1 shows it (415 by 521 after a normal drawing).
    const Bitmap* shield = nullptr;
    int firstTincture = 0, secondTincture = 0;  // the first two named tinctures of the drawing
    // What the patterned tinctures read besides their code: vairé and the semés take the field's
    // two tinctures.
    int fieldColor1 = 0, fieldColor2 = 0;
    bool crusillyFitchy = false;
    const Bitmap* mantle = nullptr;  // the template, in key colours, white transparent
    const Bitmap* scroll = nullptr;  // 460 by 95, lime transparent; none: no scroll
    std::string surname;             // empty: nothing written
    // The window's design drawn this many times finer: every place and size of the design is
    // multiplied by it, and `mantle` and `scroll` are given at their sizes times it.
    double scale = 1.0;

    // The tinctures the mantle takes from the arms `drawing` last painted.
    void TakeTincturesOf(const PaintState& drawing);
};

struct Achievement {
    Rect shieldRect;         // where the shield was stretched
    Rect mantleRect;         // where the mantle lies on the window
    Rect scrollRect;         // where the scroll picture was drawn
    Rect captureRect;        // what was captured into `capture`
    Bitmap recolouredMantle; // the mantle alone, teal where the template is white ("tmantle.bmp")
    Bitmap capture;          // the achievement as the window shows it ("mantsave.bmp")
};

// The shield rectangle for a picture `pictureHeight` high: (396, 359, 636, 667) in the design.
Rect AchievementShieldRect(const WindowLayout& layout, int pictureHeight);
// The same at `scale`, for a picture `designHeight` high at the design size.
Rect AchievementShieldRect(const WindowLayout& layout, int designHeight, double scale);

// A design measure of the window at `scale`, rounded; exactly `design` at 1.
int AtScale(int design, double scale);

// The paint scale of the shield of an achievement drawn `scale` times its design: as fine as its
// place there asks, never below the design size.
double AchievementShieldPaintScale(double scale);

// The window's surface at `scale`, teal, for ComposeAchievement.
Bitmap AchievementSurface(const WindowLayout& layout, double scale);

// The mantle template recoloured alone (teal where it is white), its patterns painted as they
// fall on the page or window at (x0, y0), their tiles `scale` times their design size.
Bitmap RecolourMantleAlone(const Bitmap& mantle, const AchievementInputs& inputs, int x0, int y0, double scale);

// What Image1 (415 by 520) shows of a freshly drawn picture, cut or padded with teal to the
// picture's own size: the shield as the window holds it before the achievement is shown.
Bitmap PictureAsShown(const Bitmap& picture);

// Composes the achievement on `surface`, which the caller has cleared around the picture
// (backdrop mode 0): the shield stretched into its rectangle, the corners below its base
// cleaned, the recoloured mantle, the scroll and the surname; then the capture. `text` may be
// null (no surname is written).
Achievement ComposeAchievement(Bitmap& surface, const AchievementInputs& inputs, const TextPainter* text,
                               const WindowLayout& layout = {});

}  // namespace esc::compose
