#pragma once
// The window's picture area, kept off-screen: everything below the control panel of the
// 1036 by 768 design, the supporters and backdrop painted on the window's surface and the shield
// shown in the image Image1. The window only shows what this holds, so every pixel can be
// checked without a display.
//
//   y=160 +------------------------------------------------------------+
//         |      (49,220)         (305,184)          (721,220)           |
//         |      +--------+    +------------+    +--------+             |
//         |      | left   |    |   Image1   |    | right  |             |
//         |      |supporter    | 415 x 520  |    |supporter             |
//         |      |250x500 |    |            |    |250x500 |             |
//   y=768 +------------------------------------------------------------+

#include <string>

#include "engine/Bitmap.h"
#include "engine/MessageSink.h"
#include "shell/app/ImageList.h"

namespace esc::app {

inline constexpr int kDesignWidth = 1036;
inline constexpr int kDesignHeight = 768;
inline constexpr int kPictureAreaTop = 160;   // the first row below the panel and its bevels
inline constexpr Rect kImage1Rect{305, 184, 305 + 415, 184 + 520};
inline constexpr int kSupporterWidth = 250, kSupporterHeight = 500;
inline constexpr int kLeftSupporterX = 49, kRightSupporterX = 721, kSupporterY = 220;
inline constexpr int kBackdropRight = 1034, kBackdropBottom = 730;
inline constexpr int kSnapshotHeight = 608;

enum class Backdrop {
    WholeArea = 0,           // the whole picture area, supporters and achievement included
    Picture = 1,             // the picture bitmap alone
    Strips = 2,              // the strips left and right of Image1
    StripsAndSupporters = 3  // the strips, then the supporters
};

class PictureArea {
public:
    PictureArea();

    // The window's surface, in window coordinates (only rows from kPictureAreaTop are shown).
    Bitmap& Surface() { return surface_; }
    const Bitmap& Surface() const { return surface_; }
    // What Image1 shows: kept until replaced, like the image control.
    const Bitmap& Image1() const { return image1_; }
    // Image1's canvas, for marshalled arms, which assemble their picture on it.
    Bitmap& Image1Canvas() { return image1_; }
    // Gives Image1 a picture; its top-left 415 by 520 pixels are shown.
    void ShowInImage1(const Bitmap& picture);
    // Draws `picture` on Image1's canvas at (x, y); the rest of Image1 stays as it was.
    void DrawOnImage1(const Bitmap& picture, int x, int y);

    // Image2, the achievement's copy: while shown it lies over the surface and Image1 at (x, y),
    // so the achievement survives whatever is painted beneath it.
    void ShowImage2(const Bitmap& picture, int x, int y);
    void HideImage2();
    bool Image2Shown() const { return image2Shown_; }
    const Bitmap& Image2() const { return image2_; }

    // Paints the backdrop in `mode`. Modes 0, 2 and 3 work on the surface, mode 1 on
    // `pictureBitmap`; mode 3 also draws the supporters (see DrawSupporters).
    void PaintBackdrop(Backdrop mode, Bitmap& pictureBitmap, const std::string& dataDir, MessageSink& messages);

    // Loads "lionl1.bmp" and "lionr1.bmp" from `dataDir` into the supporter list, white
    // transparent, and draws its pictures 0 and 1 at the supporters' places. A missing left
    // supporter is reported ("Could not load 'lionl1.bmp'") when `report` is set.
    void DrawSupporters(const std::string& dataDir, MessageSink& messages, bool report = true);
    ImageList& LionList() { return lionList_; }

    // The colour the window shows at window coordinates (x, y): Image2 (when shown) over Image1
    // over the surface.
    Rgb At(int x, int y) const;
    // The picture area as the window shows it: kDesignWidth by (kDesignHeight - kPictureAreaTop).
    Bitmap Composite() const;
    // The screen snapshot: the area from (1, 160) to (1034, 768) stretched into a bitmap of
    // 1034 by 608. RestoreSnapshot draws such a bitmap back at (1, 160).
    Bitmap Snapshot() const;
    void RestoreSnapshot(const Bitmap& snapshot);

    // The shield drawn again for a display of `ratio` device pixels to a pixel of the design (the
    // picture `ratio` times Image1's size): the view shows it over Image1 at Image1's size, as long
    // as Image1 still shows the picture it was drawn with and Image2 does not cover it.
    void ShowFineImage1(const Bitmap& fine, double ratio);
    void DropFineImage1();
    // The fine picture while it stands for what Image1 shows; null otherwise.
    const Bitmap* FineImage1() const;
    double FineRatio() const { return fineRatio_; }

    // Counts every change, so a view knows when to repaint.
    unsigned Generation() const { return generation_; }
    void Touch() { ++generation_; }

private:
    Bitmap surface_;
    Bitmap image1_;
    Bitmap image2_;
    int image2X_ = 0, image2Y_ = 0;
    bool image2Shown_ = false;
    Bitmap fine_, fineOf_;  // the fine picture, and Image1 as it was when it was drawn
    double fineRatio_ = 1.0;
    ImageList lionList_{kSupporterWidth, kSupporterHeight};
    unsigned generation_ = 0;
};

}  // namespace esc::app
