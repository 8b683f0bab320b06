#pragma once
// An image list: pictures of one fixed size, each drawn with one colour as transparent. Loading
// a bitmap file cuts it into pictures of the list's width and appends them.

#include <string>
#include <vector>

#include "engine/Bitmap.h"

namespace esc::app {

class ImageList {
public:
    ImageList(int width, int height) : width_(width), height_(height) {}

    // Appends the pictures of the bitmap file; false (and nothing appended) when it cannot be read.
    // A file that is there but cannot be read whole (cut short, a size beyond the pictures read,
    // not a bitmap) also sets `damage` to what is wrong; a missing file leaves it empty.
    bool Load(const std::string& path, Rgb transparent, std::string* damage = nullptr);
    void Append(const Bitmap& bitmap, Rgb transparent);
    void Clear() { pictures_.clear(); }
    int Count() const { return static_cast<int>(pictures_.size()); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Picture n, or null for a picture the list does not hold.
    const Bitmap* PictureAt(int n) const {
        return n >= 0 && n < Count() ? &pictures_[static_cast<std::size_t>(n)].bitmap : nullptr;
    }

    // Draws picture n with its top-left at (x, y), skipping its transparent colour. Nothing is
    // drawn for a picture the list does not hold.
    void Draw(Bitmap& target, int n, int x, int y) const;

private:
    struct Picture {
        Bitmap bitmap;
        Rgb transparent;
    };
    int width_, height_;
    std::vector<Picture> pictures_;
};

}  // namespace esc::app
