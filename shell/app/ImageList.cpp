#include "shell/app/ImageList.h"

#include <algorithm>

#include "engine/ReadFileBytes.h"

namespace esc::app {

bool ImageList::Load(const std::string& path, Rgb transparent, std::string* damage) {
    const FileBytes file = ReadFileBytes(path, kMaxBitmapFileBytes);
    if (!file) {
        if (damage && file.failure != ReadFailure::Missing) *damage = file.error;
        return false;
    }
    std::string why;
    const auto bitmap = DecodeBmp(file.bytes->data(), file.bytes->size(), &why);
    if (!bitmap || bitmap->Empty()) {
        if (damage) *damage = bitmap ? "it holds no picture" : why;
        return false;
    }
    Append(*bitmap, transparent);
    return true;
}

void ImageList::Append(const Bitmap& bitmap, Rgb transparent) {
    // A file narrower than the list still gives one picture; the part past the file is
    // transparent.
    const int count = std::max(1, bitmap.Width() / width_);
    for (int i = 0; i < count; ++i) {
        Bitmap picture(width_, height_, transparent);
        picture.Draw(bitmap.Copy({i * width_, 0, (i + 1) * width_, height_}), 0, 0);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (i * width_ + x >= bitmap.Width() || y >= bitmap.Height()) picture.SetPixel(x, y, transparent);
        pictures_.push_back({std::move(picture), transparent});
    }
}

void ImageList::Draw(Bitmap& target, int n, int x, int y) const {
    if (n < 0 || n >= Count()) return;
    const Picture& p = pictures_[static_cast<std::size_t>(n)];
    target.Draw(p.bitmap, x, y, p.transparent);
}

}  // namespace esc::app
