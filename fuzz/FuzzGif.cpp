// Arbitrary bytes through the charge picture decoder, compared pixel for pixel with giflib on
// every input that both read as a whole, well-formed picture, then painted onto a shield.

#include <gif_lib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "engine/ChargePicture.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace {

struct Memory {
    const std::uint8_t* data;
    std::size_t size, at;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int n) {
    auto* m = static_cast<Memory*>(gif->UserData);
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n), m->size - m->at);
    std::memcpy(out, m->data + m->at, count);
    m->at += count;
    return static_cast<int>(count);
}

void CompareWithGiflib(const esc::ChargePicture& ours, const std::uint8_t* data, std::size_t size) {
    Memory memory{data, size, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&memory, ReadMemory, &error);
    if (gif == nullptr) return;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1) {
        const SavedImage& image = gif->SavedImages[0];
        const int w = image.ImageDesc.Width, h = image.ImageDesc.Height;
        if (!image.ImageDesc.Interlace && w == ours.PW && h == ours.PH && w > 0 && h > 0 &&
            static_cast<long long>(w) * h <= esc::kChargeBufferSize && image.RasterBits != nullptr) {
            for (long long i = 0; i < static_cast<long long>(w) * h; ++i) {
                if (ours.buffer[static_cast<std::size_t>(i)] != image.RasterBits[i]) {
                    std::fprintf(stderr, "pixel %lld differs: ours %d, giflib %d\n", i, ours.buffer[static_cast<std::size_t>(i)],
                                 image.RasterBits[i]);
                    std::abort();
                }
            }
        }
    }
    DGifCloseFile(gif, &error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One paint state for the whole run: the decoder reads nothing of what an earlier input left.
    static esc::NullSink sink;
    static auto state = std::make_unique<esc::PaintState>(sink);
    state->chargePicture.buffer.assign(esc::kChargeBufferSize, 0);
    if (esc::DecodeGifPicture(state->chargePicture, data, size) != 0) return 0;
    // Damaged data may be read differently by each decoder; well-formed data never.
    if (state->chargePicture.complete) CompareWithGiflib(state->chargePicture, data, size);
    const esc::ChargePicture& p = state->chargePicture;
    if (p.PW > 400 || p.PH > 400) return 0;  // painting larger pictures only repeats the same code
    esc::DrawShieldOutline(*state);
    state->levelTincture[0] = esc::kGules;
    const esc::ChargeTurn turn = size % 2 == 1 ? esc::ChargeTurn::kBendwise : esc::ChargeTurn::kAsDrawn;
    esc::PaintChargePicture(*state, {{200, 240, 0.3f, turn, size % 3 == 1}, {esc::kGules}, 0});
    return 0;
}
