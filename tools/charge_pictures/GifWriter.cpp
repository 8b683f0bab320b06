#include "GifWriter.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace charge_pictures {
namespace {

constexpr int kMaxCodes = 1 << kLzwMaxCodeBits;

// Packs codes of varying width least-significant bit first, as GIF requires.
class CodePacker {
public:
    explicit CodePacker(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(int code, int width) {
        pending_ |= static_cast<std::uint32_t>(code) << pendingBits_;
        pendingBits_ += width;
        while (pendingBits_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(pending_ & 0xFF));
            pending_ >>= 8;
            pendingBits_ -= 8;
        }
    }

    void Flush() {
        if (pendingBits_ > 0) out_.push_back(static_cast<std::uint8_t>(pending_ & 0xFF));
        pending_ = 0;
        pendingBits_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
};

int BitLength(int value) {
    int bits = 0;
    while (value > 0) {
        ++bits;
        value >>= 1;
    }
    return bits;
}

void AppendLittleEndian16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

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

}  // namespace

std::vector<std::uint8_t> LzwEncode(std::span<const std::uint8_t> indices, int minimumCodeSize) {
    assert(minimumCodeSize >= 2 && minimumCodeSize <= 8);
    const int alphabet = 1 << minimumCodeSize;
    const int clearCode = alphabet;
    const int endCode = alphabet + 1;
    const int firstFreeCode = alphabet + 2;

    // extension[code * alphabet + symbol] is the code of that string followed by symbol, or 0
    // when there is none yet (0 is never a code for a string of two or more symbols).
    std::vector<std::uint16_t> extension(static_cast<std::size_t>(kMaxCodes) * alphabet, 0);
    int nextCode = firstFreeCode;

    std::vector<std::uint8_t> out;
    CodePacker packer(out);

    // A decoder adds its table entry one code later than the encoder, so a code is read
    // with the width that fits the entry before the encoder's newest one.
    auto width = [&] {
        const int bits = BitLength(nextCode - 1);
        return bits < minimumCodeSize + 1 ? minimumCodeSize + 1 : (bits > kLzwMaxCodeBits ? kLzwMaxCodeBits : bits);
    };

    packer.Put(clearCode, minimumCodeSize + 1);
    if (!indices.empty()) {
        int prefix = indices[0];
        assert(prefix < alphabet);
        for (std::size_t i = 1; i < indices.size(); ++i) {
            const int symbol = indices[i];
            assert(symbol < alphabet);
            const std::size_t slot = static_cast<std::size_t>(prefix) * alphabet + symbol;
            if (extension[slot] != 0) {
                prefix = extension[slot];
                continue;
            }
            packer.Put(prefix, width());
            extension[slot] = static_cast<std::uint16_t>(nextCode++);
            if (nextCode == kMaxCodes) {
                // Full: the decoder adds the last entry when it reads the code just written,
                // then reads this clear code at full width.
                packer.Put(clearCode, kLzwMaxCodeBits);
                std::fill(extension.begin(), extension.end(), 0);
                nextCode = firstFreeCode;
            }
            prefix = symbol;
        }
        packer.Put(prefix, width());
        // The decoder adds one more entry after the last string code; the end code is
        // read at the width that entry gives.
        if (nextCode < kMaxCodes) ++nextCode;
    }
    packer.Put(endCode, width());
    packer.Flush();
    return out;
}

std::vector<std::uint8_t> EncodeGif(const PictureHeader& header, int width, int height,
                                    std::span<const std::uint8_t> indices) {
    assert(width >= 1 && width <= 0xFFFF && height >= 1 && height <= 0xFFFF);
    assert(indices.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height));

    std::vector<std::uint8_t> file = {'G', 'I', 'F', '8', '9', 'a'};
    file.push_back(header.o1);
    file.push_back(header.o2);
    file.push_back(header.o3);
    file.push_back(header.turn);
    // Global colour table present (0x80), colour resolution 8 bits (0x70), not sorted,
    // 2^(7+1) = 256 entries (0x07).
    file.push_back(0xF7);
    file.push_back(kBackgroundIndex);
    file.push_back(0);  // no aspect ratio
    for (int index = 0; index < 256; ++index) {
        const auto colour = TableColour(index);
        file.insert(file.end(), colour.begin(), colour.end());
    }

    file.push_back(0x2C);  // image descriptor
    AppendLittleEndian16(file, 0);
    AppendLittleEndian16(file, 0);
    AppendLittleEndian16(file, width);
    AppendLittleEndian16(file, height);
    file.push_back(0);  // no local colour table, not interlaced

    file.push_back(static_cast<std::uint8_t>(kLzwMinimumCodeSize));
    const std::vector<std::uint8_t> codes = LzwEncode(indices, kLzwMinimumCodeSize);
    for (std::size_t at = 0; at < codes.size(); at += kMaxSubBlockBytes) {
        const std::size_t length = std::min<std::size_t>(kMaxSubBlockBytes, codes.size() - at);
        file.push_back(static_cast<std::uint8_t>(length));
        file.insert(file.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
                    codes.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    file.push_back(0);     // block terminator
    file.push_back(0x3B);  // trailer
    return file;
}

}  // namespace charge_pictures
