// Arbitrary bytes through the bitmap file reader.

#include <cstdint>

#include "engine/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bitmap = esc::DecodeBmp(data, size);
    if (bitmap) {
        const auto again = esc::DecodeBmp(esc::EncodeBmp(*bitmap).data(), esc::EncodeBmp(*bitmap).size());
        if (!again || !(*again == *bitmap)) __builtin_trap();
    }
    return 0;
}
