#include <gtest/gtest.h>

#include "engine/LayerSink.h"

#include <vector>

#include "TestCanvas.h"
#include "engine/ChargePicture.h"

namespace esc {
namespace {

using test::Canvas;
using test::Colour;

// A 3 by 1 picture with the indices 1, 1, 0, byte by byte.
const std::vector<std::uint8_t> kTinyGif = {
    'G', 'I', 'F', '8', '9', 'a',  // signature and version
    0x00, 0x00,                    // screen width: O1 and O2 of the painter, both unused here
    0x00, 0x00,                    // screen height: O3 and T
    0x81,                          // a global colour table of 2^(1+1) = 4 entries
    0x00,                          // background colour index
    0x00,                          // pixel aspect ratio
    0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 255,  // the colour table (not used for painting)
    0x21, 0xF9, 0x04, 0, 0, 0, 0, 0x00,            // a graphic control extension, skipped
    0x2C,                          // image descriptor
    0x00, 0x00, 0x00, 0x00,        // left, top
    0x03, 0x00,                    // width 3
    0x01, 0x00,                    // height 1
    0x00,                          // no local table, not interlaced
    0x02,                          // LZW minimum code size 2: clear 4, end 5, codes of 3 bits
    0x02,                          // a data sub-block of 2 bytes:
    0x4C,                          //   codes 4 (clear), 1, 1 and the first bits of 0
    0x50,                          //   the rest of 0, then end (5) in 4 bits: the table reached 8
    0x00,                          // block terminator
    0x3B,                          // trailer
};

// Packs codes least-significant bit first into sub-blocks, for decoder tests.
std::vector<std::uint8_t> PackCodes(const std::vector<std::pair<int, int>>& codes) {
    std::vector<std::uint8_t> bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= static_cast<std::uint32_t>(code) << count;
        count += width;
        while (count >= 8) {
            bytes.push_back(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0) bytes.push_back(bits & 0xFF);
    std::vector<std::uint8_t> blocks;
    for (std::size_t i = 0; i < bytes.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, bytes.size() - i);
        blocks.push_back(static_cast<std::uint8_t>(n));
        blocks.insert(blocks.end(), bytes.begin() + static_cast<std::ptrdiff_t>(i), bytes.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    blocks.push_back(0);
    return blocks;
}

std::vector<std::uint8_t> GifWithCodes(int width, int height, int minCodeSize, const std::vector<std::pair<int, int>>& codes) {
    std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0x00, 0, 0};
    const std::vector<std::uint8_t> descriptor = {
        0x2C, 0, 0, 0, 0, static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
        static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8), 0, static_cast<std::uint8_t>(minCodeSize)};
    gif.insert(gif.end(), descriptor.begin(), descriptor.end());
    const std::vector<std::uint8_t> data = PackCodes(codes);
    gif.insert(gif.end(), data.begin(), data.end());
    gif.push_back(0x3B);
    return gif;
}

TEST(GifDecoder, DecodesTheHandBuiltPicture) {
    ChargePicture p;
    ASSERT_EQ(DecodeGifPicture(p, kTinyGif.data(), kTinyGif.size()), 0);
    EXPECT_EQ(p.PW, 3);
    EXPECT_EQ(p.PH, 1);
    EXPECT_EQ(p.buffer[0], 1);
    EXPECT_EQ(p.buffer[1], 1);
    EXPECT_EQ(p.buffer[2], 0);
    EXPECT_EQ(p.header[10], 0x81);
}

TEST(GifDecoder, StringsOfTheTableAndTheCodeNotYetInIt) {
    // 8-bit codes (9 bits wide): 11, 11 (adds 258 = "11 11"), 258 ("11 11", adds 259),
    // 260: not yet in the table, so "11 11 11" (the KwKwK case), then 14 and end.
    const auto gif = GifWithCodes(4, 2, 8, {{256, 9}, {11, 9}, {11, 9}, {258, 9}, {260, 9}, {14, 9}, {257, 9}});
    ChargePicture p;
    ASSERT_EQ(DecodeGifPicture(p, gif.data(), gif.size()), 0);
    const std::vector<std::uint8_t> expected = {11, 11, 11, 11, 11, 11, 11, 14};
    EXPECT_EQ(std::vector<std::uint8_t>(p.buffer.begin(), p.buffer.begin() + 8), expected);
}

TEST(GifDecoder, ClearCodeRestartsTheTable) {
    const auto gif = GifWithCodes(3, 1, 2, {{4, 3}, {1, 3}, {4, 3}, {2, 3}, {6, 3}, {5, 3}});
    ChargePicture p;
    ASSERT_EQ(DecodeGifPicture(p, gif.data(), gif.size()), 0);
    EXPECT_EQ(p.buffer[0], 1);
    EXPECT_EQ(p.buffer[1], 2);
    EXPECT_EQ(p.buffer[2], 2);  // code 6 after the clear is "2 2"
}

TEST(GifDecoder, MinimumCodeSizeOneWidensAfterTheFirstCode) {
    // clear 2, end 3: the first free code 4 does not fit two bits, so the code after the first
    // literal is already three bits wide.
    const auto gif = GifWithCodes(3, 1, 1, {{2, 2}, {1, 2}, {0, 3}, {1, 3}, {3, 3}});
    ChargePicture p;
    ASSERT_EQ(DecodeGifPicture(p, gif.data(), gif.size()), 0);
    EXPECT_EQ(p.buffer[0], 1);
    EXPECT_EQ(p.buffer[1], 0);
    EXPECT_EQ(p.buffer[2], 1);
    EXPECT_TRUE(p.complete);
}

TEST(GifDecoder, FailsCleanly) {
    ChargePicture p;
    const std::vector<std::uint8_t> notGif = {'P', 'N', 'G', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeGifPicture(p, notGif.data(), notGif.size()), 1);
    // Every truncation of a good file decodes without harm.
    for (std::size_t n = 0; n < kTinyGif.size(); ++n) {
        ChargePicture q;
        const int result = DecodeGifPicture(q, kTinyGif.data(), n);
        EXPECT_EQ(result, n >= 3 ? 0 : 1) << n;
    }
    // Codes beyond the table, a bad code size, a picture larger than the buffer.
    const auto beyond = GifWithCodes(4, 1, 2, {{4, 3}, {1, 3}, {7, 3}, {5, 3}});
    EXPECT_EQ(DecodeGifPicture(p, beyond.data(), beyond.size()), 0);
    const auto badSize = GifWithCodes(4, 1, 12, {{4, 3}});
    EXPECT_EQ(DecodeGifPicture(p, badSize.data(), badSize.size()), 0);
    std::vector<std::pair<int, int>> many = {{256, 9}};
    for (int i = 0; i < 2000; ++i) many.push_back({256, 9}), many.push_back({11, 9});
    many.push_back({257, 9});
    const auto huge = GifWithCodes(1000, 1000, 8, many);
    ChargePicture h;
    EXPECT_EQ(DecodeGifPicture(h, huge.data(), huge.size()), 0);
    EXPECT_EQ(h.buffer.size(), static_cast<std::size_t>(kChargeBufferSize));
    EXPECT_FALSE(h.complete);
}

// Whatever is wrong with a GIF file, the decoder says it: a picture is painted only when every
// row of it was decoded from well-formed data into the buffer.
TEST(GifDecoder, DamageIsSaid) {
    const auto whole = GifWithCodes(3, 1, 2, {{4, 3}, {1, 3}, {2, 3}, {3, 3}, {5, 3}});
    ChargePicture p;
    ASSERT_EQ(DecodeGifPicture(p, whole.data(), whole.size()), 0);
    EXPECT_TRUE(p.complete);
    EXPECT_EQ(p.damage, "");
    // Every cut of a sound file is damaged (or, before "GIF", no picture at all).
    for (std::size_t n = 3; n + 2 < whole.size(); ++n) {
        ChargePicture q;
        ASSERT_EQ(DecodeGifPicture(q, whole.data(), n), 0) << n;
        EXPECT_FALSE(q.complete) << n;
        EXPECT_NE(q.damage, "") << n;
    }
    ChargePicture cut;
    (void)DecodeGifPicture(cut, whole.data(), whole.size() - 3);
    EXPECT_EQ(cut.damage, "it is cut short after 0 of 1 rows");
    // A size beyond the buffer is refused before a pixel is decoded.
    const auto wide = GifWithCodes(65535, 65535, 2, {{4, 3}, {1, 3}, {5, 3}});
    ChargePicture w;
    (void)DecodeGifPicture(w, wide.data(), wide.size());
    EXPECT_EQ(w.damage, "its size 65535 by 65535 is beyond the largest picture read (114000 pixels)");
    const auto empty = GifWithCodes(0, 5, 2, {{4, 3}, {1, 3}, {5, 3}});
    ChargePicture e;
    (void)DecodeGifPicture(e, empty.data(), empty.size());
    EXPECT_FALSE(e.complete);
    EXPECT_EQ(e.damage, "its size 0 by 5 holds no pixel");
    // Data that ends before the rows are full, with its end code: short, not cut.
    const auto shortData = GifWithCodes(3, 2, 2, {{4, 3}, {1, 3}, {5, 3}});
    ChargePicture s;
    (void)DecodeGifPicture(s, shortData.data(), shortData.size());
    EXPECT_EQ(s.damage, "its image data ends after 0 of 2 rows");
}

// A 100 by 100 picture: outline border of 4 pixels, body inside, a second part and a detail square.
void MakePicture(PaintState& s) {
    ChargePicture& p = s.chargePicture;
    p.buffer.assign(kChargeBufferSize, 255);
    p.PW = 100;
    p.PH = 100;
    p.header = {};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            std::uint8_t v = (x < 4 || y < 4 || x >= 96 || y >= 96) ? 0 : 11;
            if (x >= 20 && x < 40 && y >= 20 && y < 40) v = 10;
            if (x >= 60 && x < 80 && y >= 60 && y < 80) v = 14;
            if (x >= 60 && x < 80 && y >= 20 && y < 40) v = 255;
            p.buffer[static_cast<std::size_t>(y * 100 + x)] = v;
        }
}

struct Painted {
    Canvas c;
    Painted(int field, int tincture, int second = -1, int detail = -1, std::uint8_t o1 = 0) {
        c.PaintField(field);
        PaintState& s = c.s();
        MakePicture(s);
        s.chargePicture.header[6] = o1;
        s.levelTincture[0] = tincture;
        PaintChargePicture(s, {{200, 200, 1.0f}, {tincture, second, detail}, 0});
    }
    // The picture's pixel (x, y) on the shield: its top-left corner lands at (150, 150).
    Rgb At(int x, int y) const { return c.At(150 + x, 150 + y); }
};

TEST(ChargePainter, CoversItsSizeAndSkipsTheMarginRows) {
    Painted p(kArgent, kGules);
    EXPECT_EQ(p.At(50, 50), Colour(kGules));
    EXPECT_EQ(p.At(50, 2), kBlack);         // outline row 2 is painted
    EXPECT_EQ(p.At(50, 1), Colour(kArgent));  // rows 0 and 1 are not
    EXPECT_EQ(p.At(50, 96), kBlack);
    EXPECT_EQ(p.At(50, 97), Colour(kArgent));  // nor the last three rows
    EXPECT_EQ(p.At(70, 30), Colour(kArgent));  // background shows the field
}

TEST(ChargePainter, TintsEachIndex) {
    struct Case { const char* name; int tincture, second, detail; std::uint8_t o1; int body, claws, detailColour; };
    const Case cases[] = {
        {"all in the body's tincture", kAzure, -1, -1, 0, kAzure, kAzure, kAzure},
        {"armed and langued", kAzure, kGules, -1, 0, kAzure, kGules, kAzure},
        {"a detail tincture", kAzure, -1, kOr, 0, kAzure, kAzure, kOr},
        {"proper with a body colour in the header", kProperBrown, -1, -1, 6, kVert, kErmine, kErmine},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Painted p(kArgent, k.tincture, k.second, k.detail, k.o1);
        EXPECT_EQ(p.At(50, 50), Colour(k.body));
        EXPECT_EQ(p.At(30, 30), Colour(k.claws));
        EXPECT_EQ(p.At(70, 70), Colour(k.detailColour));
    }
    Painted noOverride(kArgent, kProperBrown, -1, -1, 0x70);
    EXPECT_EQ(noOverride.At(50, 50), Colour(kErmine));  // brown: the header's overrides are off
}

TEST(ChargePainter, OutlineTurnsGreyWhereBlackWouldNotShow) {
    struct Case { const char* name; int field, tincture; Rgb outline; };
    const Case cases[] = {
        {"gules on argent", kArgent, kGules, kBlack},
        {"a sable charge", kArgent, kSable, Colour(kCounterchanged)},
        {"on a sable field", kSable, kOr, Colour(kCounterchanged)},
        {"on ermines", kErmines, kOr, Colour(kCounterchanged)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Painted p(k.field, k.tincture);
        EXPECT_EQ(p.At(50, 2), k.outline);
    }
}

TEST(ChargePainter, MirroredPictureFlipsAndFillsTheLayer) {
    Canvas c;
    c.PaintField(kArgent);
    PaintState& s = c.s();
    MakePicture(s);
    s.levelTincture[0] = kGules;
    LayerCollector layers;
    s.layerSink = &layers;
    PaintChargePicture(s, {{200, 200, 1.0f, ChargeTurn::kAsDrawn, true}, {kGules, kAzure}, 2});
    // The second part (picture columns 20..39) lands on the right-hand side.
    EXPECT_EQ(c.At(150 + 100 - 30, 180), Colour(kAzure));
    EXPECT_EQ(c.At(150 + 30, 180), Colour(kArgent));  // the background square, mirrored
    EXPECT_EQ(c.At(150 + 30, 200), Colour(kGules));
    ASSERT_EQ(layers.Layers().size(), 1u);
    const PlacedLayer& layer = layers.Layers()[0];
    EXPECT_EQ(layer.index, 2);
    EXPECT_EQ(layer.Rectangle(), (Rect{150, 150, 250, 250}));
    const Bitmap& image = layer.image;
    ASSERT_EQ(image.Width(), 100);
    EXPECT_EQ(image.Pixel(100 - 30, 30), Colour(kAzure));
    EXPECT_EQ(image.Pixel(50, 0), kTeal);
    EXPECT_EQ(layer.background.Pixel(50, 50), Colour(kArgent));
}

// Stripes of every width from 1 to 13 columns, in the three painted tinctures and two
// indices that paint nothing, painted at scales that read every column, skip columns or read
// one twice: each painted column shows the tincture of the column it reads (column c of the
// painted picture reads picture column c / scale), a column reading nothing the field unless
// the run just left of it spills its one pixel onto it.
TEST(ChargePainter, EveryColumnReadsItsPictureColumnAtAnyScale) {
    constexpr int kWidth = 160, kHeight = 20;
    const std::uint8_t indices[] = {11, 10, 255, 14, 3, 11, 255, 10};
    std::vector<std::uint8_t> row;
    for (int width = 1; row.size() < kWidth; ++width)
        for (int k = 0; k < width && row.size() < kWidth; ++k) row.push_back(indices[(width - 1) % 8]);
    auto tinctureOf = [](std::uint8_t v) { return v == 11 ? kGules : v == 10 ? kAzure : v == 14 ? kVert : -1; };
    for (const float scale : {0.37f, 0.5f, 0.73f, 1.0f, 1.61f}) {
        SCOPED_TRACE(scale);
        Canvas c;
        c.PaintField(kArgent);
        PaintState& s = c.s();
        ChargePicture& p = s.chargePicture;
        p.buffer.assign(kChargeBufferSize, 255);
        p.PW = kWidth;
        p.PH = kHeight;
        p.header = {};
        for (int y = 0; y < kHeight; ++y) std::copy(row.begin(), row.end(), p.buffer.begin() + y * kWidth);
        s.levelTincture[0] = kGules;
        PaintChargePicture(s, {{200, 200, scale}, {kGules, kAzure, kVert}, -1});
        const int width = static_cast<int>(kWidth * scale), height = static_cast<int>(kHeight * scale);
        const int left = 200 - width / 2, y = 200 - height / 2 + height / 2;
        int before = -1;  // the tincture of the column before, -1 for one that paints nothing
        for (int col = 0; col < width; ++col) {
            const int u = static_cast<int>(col / static_cast<double>(scale));
            const int own = u < kWidth ? tinctureOf(row[static_cast<std::size_t>(u)]) : -1;
            const int shown = own >= 0 ? own : before >= 0 ? before : kArgent;
            ASSERT_EQ(c.At(left + col, y), Colour(shown)) << "column " << col;
            before = own;
        }
    }
}

TEST(ChargePainter, HugeScalesStayWithinThePicture) {
    Canvas c;
    c.PaintField(kArgent);
    PaintState& s = c.s();
    MakePicture(s);
    s.levelTincture[0] = kGules;
    // Past the layer records: no layer.
    PaintChargePicture(s, {{200, 200, 400.0f}, {kGules}, 25});
    EXPECT_EQ(c.At(200, 200), Colour(kGules));
    PaintChargePicture(s, {{200, 200, 0.0f}, {kGules}, 25});
    PaintChargePicture(s, {{200, 200, -3.0f}, {kGules}, 25});
}

}  // namespace
}  // namespace esc
