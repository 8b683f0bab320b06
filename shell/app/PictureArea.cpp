#include "shell/app/PictureArea.h"

#include <cmath>

namespace esc::app {

PictureArea::PictureArea() : surface_(kDesignWidth, kDesignHeight, kTeal), image1_(kImage1Rect.Width(), kImage1Rect.Height(), kTeal) {}

void PictureArea::ShowInImage1(const Bitmap& picture) {
    image1_.Fill(kTeal);
    image1_.Draw(picture, 0, 0);
    Touch();
}

void PictureArea::DrawOnImage1(const Bitmap& picture, int x, int y) {
    image1_.Draw(picture, x, y);
    Touch();
}

void PictureArea::ShowFineImage1(const Bitmap& fine, double ratio) {
    const int width = static_cast<int>(std::lround(image1_.Width() * ratio));
    const int height = static_cast<int>(std::lround(image1_.Height() * ratio));
    fine_ = Bitmap(width, height, kTeal);
    fine_.Draw(fine, 0, 0);
    fineOf_ = image1_;
    fineRatio_ = ratio;
    Touch();
}

void PictureArea::DropFineImage1() {
    if (fine_.Empty()) return;
    fine_ = Bitmap();
    fineOf_ = Bitmap();
    Touch();
}

const Bitmap* PictureArea::FineImage1() const {
    // A rearrangement, a marshalled picture or the shield put back after the achievement changes
    // Image1 or keeps it: the fine picture is shown only while Image1 is as it was drawn.
    if (fine_.Empty() || image2Shown_ || !(image1_ == fineOf_)) return nullptr;
    return &fine_;
}

void PictureArea::ShowImage2(const Bitmap& picture, int x, int y) {
    image2_ = picture;
    image2X_ = x;
    image2Y_ = y;
    image2Shown_ = true;
    Touch();
}

void PictureArea::HideImage2() {
    image2Shown_ = false;
    Touch();
}

void PictureArea::PaintBackdrop(Backdrop mode, Bitmap& pictureBitmap, const std::string& dataDir, MessageSink& messages) {
    switch (mode) {
        case Backdrop::WholeArea:
            surface_.FillRect({0, 163, kBackdropRight, kBackdropBottom}, kTeal);
            break;
        case Backdrop::Picture:
            pictureBitmap.Fill(kTeal);
            break;
        case Backdrop::Strips:
        case Backdrop::StripsAndSupporters:
            surface_.FillRect({0, kImage1Rect.top, kImage1Rect.left - 2, kBackdropBottom}, kTeal);
            surface_.FillRect({kImage1Rect.right, kImage1Rect.top, kBackdropRight, kBackdropBottom}, kTeal);
            if (mode == Backdrop::StripsAndSupporters) DrawSupporters(dataDir, messages);
            break;
    }
    Touch();
}

void PictureArea::DrawSupporters(const std::string& dataDir, MessageSink& messages, bool report) {
    const std::string dir = dataDir.empty() ? std::string() : dataDir + "/";
    std::string damage;
    if (!lionList_.Load(dir + "lionl1.bmp", kWhite, &damage) && report)
        messages.Show(damage.empty() ? std::string("Could not load 'lionl1.bmp'") : "Could not load 'lionl1.bmp': " + damage);
    damage.clear();
    if (!lionList_.Load(dir + "lionr1.bmp", kWhite, &damage) && report && !damage.empty())
        messages.Show("Could not load 'lionr1.bmp': " + damage);
    lionList_.Draw(surface_, 0, kLeftSupporterX, kSupporterY);
    lionList_.Draw(surface_, 1, kRightSupporterX, kSupporterY);
    Touch();
}

Rgb PictureArea::At(int x, int y) const {
    if (image2Shown_ && image2_.Contains(x - image2X_, y - image2Y_)) return image2_.Pixel(x - image2X_, y - image2Y_);
    if (kImage1Rect.Contains(x, y)) return image1_.Pixel(x - kImage1Rect.left, y - kImage1Rect.top);
    return surface_.Contains(x, y) ? surface_.Pixel(x, y) : kTeal;
}

Bitmap PictureArea::Composite() const {
    Bitmap out = surface_.Copy({0, kPictureAreaTop, kDesignWidth, kDesignHeight});
    out.Draw(image1_, kImage1Rect.left, kImage1Rect.top - kPictureAreaTop);
    if (image2Shown_) out.Draw(image2_, image2X_, image2Y_ - kPictureAreaTop);
    return out;
}

Bitmap PictureArea::Snapshot() const {
    Bitmap whole = surface_;
    whole.Draw(image1_, kImage1Rect.left, kImage1Rect.top);
    if (image2Shown_) whole.Draw(image2_, image2X_, image2Y_);
    Bitmap snapshot(kDesignWidth - 2, kSnapshotHeight, kTeal);
    snapshot.StretchDraw(whole.Copy({1, kPictureAreaTop, kDesignWidth - 2, kDesignHeight}),
                         {0, 0, snapshot.Width(), snapshot.Height()});
    return snapshot;
}

void PictureArea::RestoreSnapshot(const Bitmap& snapshot) {
    surface_.Draw(snapshot, 1, kPictureAreaTop);
    // The snapshot holds what Image1 showed too; Image1 keeps its own picture.
    Touch();
}

}  // namespace esc::app
