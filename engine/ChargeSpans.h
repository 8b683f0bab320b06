#pragma once
// The runs of one colour index that a charge picture paints at one size and turn, and the cache
// of them a drawing state keeps: a picture painted again at the same size and turn (three
// mullets, a semé, the same charge in the next shield of a batch) is not read again pixel by
// pixel. The runs hang on the picture's pixels, never on where it is painted or in what
// tincture, so the row painter paints from them exactly what it painted from the picture.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ChargeSpot.h"

namespace esc {

struct ChargePicture;

// What a picture's runs depend on besides its pixels: the scale and turn it is painted at and
// the painted size and half size that follow from them (a turned picture's size depends a pixel
// on where its corners fall).
struct ChargeSpanShape {
    float scale = 1.0f;
    ChargeTurn turn = ChargeTurn::kAsDrawn;
    bool turnOther = false;  // turned the other way about (a bend sinister, or a picture drawn so)
    bool flip = false;       // upside down
    int width = 0, height = 0, hw = 0, hh = 0;
    friend bool operator==(const ChargeSpanShape&, const ChargeSpanShape&) = default;
};

// One run of painted columns from..to-1 of a row that read the same painted colour index, the
// columns counted from the set's columnFrom: six bytes a run, so that the runs of a long list of
// arms fit the cache's bound. A set never spans more columns than a 16-bit count holds (a kept
// picture is at most kLargestKeptSide wide, an unkept one is read over the shield's width).
struct ChargeRun {
    std::uint16_t from = 0, to = 0;
    std::uint8_t index = 0;
};
inline constexpr int kWidestChargeSpans = 0xFFFF;

// The runs of every row of a picture painted in one shape. Rows of an unturned picture that read
// the same picture row share their runs.
struct ChargeSpans {
    ChargeSpanShape shape;
    // Painted rows rowFrom..rowFrom+rows.size()-1 and columns columnFrom..columnTo-1 are covered;
    // a kept set covers the whole picture, one read for a picture too large to keep only what
    // lands on the shield.
    int rowFrom = 0, columnFrom = 0, columnTo = 0;
    struct Row {
        std::uint32_t first = 0, count = 0;  // into runs
    };
    std::vector<Row> rows;
    std::vector<ChargeRun> runs;

    std::size_t Bytes() const { return sizeof(ChargeSpans) + rows.capacity() * sizeof(Row) + runs.capacity() * sizeof(ChargeRun); }
};

// A 128-bit print of a picture's size and pixels, by which the cache knows a picture painted
// before without keeping a copy of its pixels.
struct ChargePicturePrint {
    std::uint64_t low = 0, high = 0;
    friend bool operator==(const ChargePicturePrint&, const ChargePicturePrint&) = default;
};

// The print of the picture's size and its PW by PH pixels as they are now. Whoever decodes,
// restores or scales a picture keeps it with the picture (ChargePicture::print), so a painting
// does not read every pixel again to know it.
ChargePicturePrint PrintChargePicture(const ChargePicture& picture);

// The painted part of a picture to read when its runs are not kept whole.
struct ChargeSpanWindow {
    int rowFrom = 0, rowTo = 0, columnFrom = 0, columnTo = 0;
};

// Reads the runs of `picture` painted in `shape` over `window` into `out`.
void ReadChargeSpans(const ChargePicture& picture, const ChargeSpanShape& shape, const ChargeSpanWindow& window,
                     ChargeSpans& out);

// The runs of the pictures a drawing state painted, by the print of the picture's pixels and the
// shape; no copy of the pixels is kept. Owned
// by one state and used by one thread; copying a state starts an empty cache. Past its bound
// every kept run is dropped and the cache fills again.
class ChargeSpanCache {
public:
    // The most bytes kept by default, well above what the runs of a long list of arms take (see
    // the README's speed section for the figures).
    static constexpr std::size_t kDefaultMostBytes = std::size_t{8} << 20;

    ChargeSpanCache() = default;
    ChargeSpanCache(const ChargeSpanCache&) {}
    ChargeSpanCache& operator=(const ChargeSpanCache&) {
        Clear();
        return *this;
    }

    // The runs of `picture` painted in `shape`: kept ones when a picture of the same pixels was
    // painted so before (known by the print kept with the picture, or by one made now), else read now and kept while the bound allows. A picture larger than
    // the cache keeps is read over `window` alone. The reference holds until the next call.
    const ChargeSpans& SpansFor(const ChargePicture& picture, const ChargeSpanShape& shape, const ChargeSpanWindow& window);

    // The bound in bytes; 0 keeps nothing (every picture read afresh, as a state without a cache).
    void SetMostBytes(std::size_t most);
    void Clear();

    std::size_t Bytes() const { return bytes_; }
    std::size_t LargestBytes() const { return largestBytes_; }  // the most held at once
    std::uint64_t Hits() const { return hits_; }
    std::uint64_t Misses() const { return misses_; }

private:
    struct KeptPicture {
        int PW = 0, PH = 0;
        ChargePicturePrint print;
        std::vector<ChargeSpans> sets;
    };
    KeptPicture* FindPicture(const ChargePicturePrint& print, int width, int height);

    std::vector<KeptPicture> pictures_;
    std::size_t lastPicture_ = 0;
    ChargeSpans unkept_;
    std::size_t mostBytes_ = kDefaultMostBytes;
    std::size_t bytes_ = 0, largestBytes_ = 0;
    std::uint64_t hits_ = 0, misses_ = 0;
};

}  // namespace esc
