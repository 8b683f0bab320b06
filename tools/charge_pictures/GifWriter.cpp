#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

namespace charge_pictures {
namespace {

constexpr int kColourCount = 256;
constexpr int kColourResolutionBits = 8;

// Real colours for the indices, so that the files also make sense in an image viewer.
std::array<std::uint8_t, 3> TableColour(int index) {
    switch (index) {
        case kOutlineIndex: return {0, 0, 0};
        case kSecondIndex: return {255, 0, 0};
        case kBodyIndex: return {255, 255, 255};
        case kDetailIndex: return {0, 0, 255};
        case kBackgroundIndex: return {0, 128, 128};
        default: return {160, 160, 160};
    }
}

// giflib's output callback: appends to the vector the file is opened on.
int AppendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

std::string GiflibError(const char* step, int code) {
    const char* reason = GifErrorString(code);
    return std::string("giflib could not ") + step + ": " + (reason != nullptr ? reason : "unknown error");
}

// One file being written; closing it writes the trailer and frees giflib's state.
class GifOutput {
public:
    explicit GifOutput(std::vector<std::uint8_t>& out) { gif_ = EGifOpen(&out, AppendBytes, &openError_); }
    ~GifOutput() { Close(); }
    GifOutput(const GifOutput&) = delete;
    GifOutput& operator=(const GifOutput&) = delete;

    [[nodiscard]] GifFileType* get() const { return gif_; }
    [[nodiscard]] int openError() const { return openError_; }
    // 0 when the file was closed cleanly, else giflib's error code.
    int Close() {
        int error = 0;
        if (gif_ != nullptr && EGifCloseFile(gif_, &error) == GIF_OK) error = 0;
        gif_ = nullptr;
        return error;
    }

private:
    GifFileType* gif_ = nullptr;
    int openError_ = 0;
};

}  // namespace

Checked<std::vector<std::uint8_t>> EncodeGif(const PictureHeader& header, int width, int height,
                                             std::span<const std::uint8_t> indices, const std::string& comment) {
    assert(width >= 1 && width <= 0xFFFF && height >= 1 && height <= 0xFFFF);
    assert(indices.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height));

    Checked<std::vector<std::uint8_t>> result;
    GifOutput output(result.value);
    GifFileType* gif = output.get();
    if (gif == nullptr) {
        result.error = GiflibError("start the file", output.openError());
        return result;
    }
    EGifSetGifVersion(gif, true);

    std::array<GifColorType, kColourCount> colours{};
    for (int index = 0; index < kColourCount; ++index) {
        const auto c = TableColour(index);
        colours[static_cast<std::size_t>(index)] = {c[0], c[1], c[2]};
    }
    ColorMapObject* table = GifMakeMapObject(kColourCount, colours.data());
    if (table == nullptr) {
        result.error = "giflib could not make the colour table: out of memory";
        return result;
    }
    // The logical screen's width and height carry the painter's four header bytes, low byte first.
    const int screenWidth = header.o1 | (header.o2 << 8);
    const int screenHeight = header.o3 | (header.turn << 8);
    const bool described =
        EGifPutScreenDesc(gif, screenWidth, screenHeight, kColourResolutionBits, kBackgroundIndex, table) == GIF_OK &&
        (comment.empty() || EGifPutComment(gif, comment.c_str()) == GIF_OK) &&
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    GifFreeMapObject(table);
    if (!described) {
        result.error = GiflibError("describe the picture", gif->Error);
        return result;
    }
    // giflib takes the rows as writable; each is copied out first.
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const auto start = indices.begin() + static_cast<std::ptrdiff_t>(y) * width;
        std::copy(start, start + width, row.begin());
        if (EGifPutLine(gif, row.data(), width) != GIF_OK) {
            result.error = GiflibError("write the pixels", gif->Error);
            return result;
        }
    }
    if (const int error = output.Close(); error != 0) result.error = GiflibError("finish the file", error);
    return result;
}

}  // namespace charge_pictures
