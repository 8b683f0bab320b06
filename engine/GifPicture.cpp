// The GIF subset the charge pictures use (GIF89a, https://www.w3.org/Graphics/GIF/spec-gif89a.txt):
// a global colour table, extension blocks (skipped), one image without a local colour table or
// interlacing, LZW codes of up to 12 bits. Damaged data stops the decoding where it goes wrong;
// nothing is ever stored outside the charge picture buffer. A file is sound only when its one
// image fits the buffer and every row of it decodes from well-formed data; anything less is
// damaged, said with what is wrong, and never painted.

#include <array>
#include <string>
#include <vector>

#include "engine/ChargeAtScale.h"
#include "engine/ChargeDrawing.h"
#include "engine/Messages.h"
#include "engine/ChargePicture.h"
#include "engine/PictureCache.h"
#include "engine/ReadFileBytes.h"

namespace esc {
namespace {

constexpr int kMaxCodes = 4096;

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Byte(std::uint8_t& out) {
        if (at_ >= size_) return false;
        out = data_[at_++];
        return true;
    }
    bool Skip(std::size_t n) {
        if (n > size_ - at_) { at_ = size_; return false; }
        at_ += n;
        return true;
    }
    bool Read(std::uint8_t* out, std::size_t n) {
        if (n > size_ - at_) return false;
        std::copy_n(data_ + at_, n, out);
        at_ += n;
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

// Reads LZW codes least-significant bit first from the image's data sub-blocks.
class CodeReader {
public:
    explicit CodeReader(ByteReader& in) : in_(in) {}
    // False at the end of the data (a zero-length sub-block or the end of the file).
    bool Next(int width, int& code) {
        while (bitCount_ < width) {
            if (blockLeft_ == 0) {
                if (ended_) return false;
                std::uint8_t length = 0;
                if (!in_.Byte(length)) { ended_ = ranOut_ = true; return false; }
                if (length == 0) { ended_ = true; return false; }
                blockLeft_ = length;
            }
            std::uint8_t b = 0;
            if (!in_.Byte(b)) { ended_ = ranOut_ = true; return false; }
            --blockLeft_;
            bits_ |= static_cast<std::uint32_t>(b) << bitCount_;
            bitCount_ += 8;
        }
        code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        bitCount_ -= width;
        return true;
    }
    // The file ended inside the image data.
    bool RanOut() const { return ranOut_; }
    // Skips what is left of the sub-blocks up to the terminator.
    void Finish() {
        if (ended_) return;
        in_.Skip(blockLeft_);
        std::uint8_t length = 0;
        while (in_.Byte(length) && length != 0) in_.Skip(length);
        ended_ = true;
    }

private:
    ByteReader& in_;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0, blockLeft_ = 0;
    bool ended_ = false, ranOut_ = false;
};

// Collects pixels into rows of PW and stores each completed row in the buffer.
class RowSink {
public:
    RowSink(ChargePicture& p) : p_(p), row_(static_cast<std::size_t>(p.PW), 0) {}
    bool Full() const { return rows_ >= p_.PH; }
    int Rows() const { return rows_; }
    void Put(std::uint8_t v) {
        if (Full() || row_.empty()) return;
        row_[fill_++] = v;
        if (fill_ == row_.size()) Store();
    }
    void StorePartial() {
        if (fill_ > 0 && !Full()) Store();
    }

private:
    void Store() {
        const std::size_t at = static_cast<std::size_t>(rows_) * row_.size();
        if (at < p_.buffer.size()) {
            const std::size_t n = std::min(fill_, p_.buffer.size() - at);
            std::copy_n(row_.begin(), n, p_.buffer.begin() + static_cast<std::ptrdiff_t>(at));
        }
        ++rows_;
        fill_ = 0;
    }

    ChargePicture& p_;
    std::vector<std::uint8_t> row_;
    std::size_t fill_ = 0;
    int rows_ = 0;
};

std::string RowsText(int rows, int of) { return std::to_string(rows) + " of " + std::to_string(of) + " rows"; }

void DecodeImageData(ByteReader& in, ChargePicture& p) {
    std::uint8_t m = 0;
    if (!in.Byte(m)) {
        p.damage = "it is cut short before its image data";
        return;
    }
    CodeReader codes(in);
    if (m < 1 || m > 11) {
        p.damage = "its image data is damaged (a code size of " + std::to_string(m) + ")";
        codes.Finish();
        return;
    }
    const int clear = 1 << m, end = clear + 1, firstFree = clear + 2;
    std::array<std::uint16_t, kMaxCodes> prefix{};
    std::array<std::uint8_t, kMaxCodes> suffix{};
    std::array<std::uint8_t, kMaxCodes + 1> stack{};
    for (int i = 0; i < clear; ++i) suffix[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);

    RowSink rows(p);
    int width = m + 1, next = firstFree, limit = 1 << width;
    int previous = -1;
    std::uint8_t first = 0;
    int code = 0;
    bool wellFormed = true;
    // The code width grows once the next code to be made no longer fits it. With a minimum code
    // size of 1 that is already so after the first code following a clear.
    auto widen = [&] {
        while (next >= limit && width < 12) {
            ++width;
            limit <<= 1;
        }
    };
    while (!rows.Full() && codes.Next(width, code)) {
        if (code == end) break;
        if (code == clear) {
            width = m + 1;
            next = firstFree;
            limit = 1 << width;
            previous = -1;
            continue;
        }
        if (previous == -1) {  // the first code after a clear is a single pixel
            if (code >= clear) wellFormed = false;
            rows.Put(static_cast<std::uint8_t>(code));
            previous = code;
            first = static_cast<std::uint8_t>(code);
            widen();
            continue;
        }
        if (code > next) wellFormed = false;  // read like the code about to be made
        int depth = 0, walk = code;
        if (code >= next) {  // the string of the previous code and its own first character
            stack[static_cast<std::size_t>(depth++)] = first;
            walk = previous;
        }
        while (walk >= clear && depth < kMaxCodes) {
            stack[static_cast<std::size_t>(depth++)] = suffix[static_cast<std::size_t>(walk)];
            walk = prefix[static_cast<std::size_t>(walk)];
        }
        if (walk >= clear) {  // a cycle in damaged data
            wellFormed = false;
            break;
        }
        stack[static_cast<std::size_t>(depth++)] = static_cast<std::uint8_t>(walk);
        first = static_cast<std::uint8_t>(walk);
        if (next < limit && next < kMaxCodes) {
            prefix[static_cast<std::size_t>(next)] = static_cast<std::uint16_t>(previous);
            suffix[static_cast<std::size_t>(next)] = first;
            ++next;
        }
        widen();
        previous = code;
        while (depth > 0) rows.Put(stack[static_cast<std::size_t>(--depth)]);
    }
    p.complete = wellFormed && rows.Full();
    if (!wellFormed)
        p.damage = "its image data is damaged (after " + RowsText(rows.Rows(), p.PH) + ")";
    else if (!rows.Full())
        p.damage = (codes.RanOut() ? "it is cut short after " : "its image data ends after ") + RowsText(rows.Rows(), p.PH);
    rows.StorePartial();
    codes.Finish();
}

}  // namespace

int DecodeGifPicture(ChargePicture& p, const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    std::array<std::uint8_t, 13> header{};
    p.complete = false;
    p.damage.clear();
    p.print.reset();
    if (!in.Read(header.data(), header.size())) {
        if (size >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F') {
            p.damage = "it is cut short inside its header";
            return 0;
        }
        return 1;
    }
    if (header[0] != 'G' || header[1] != 'I' || header[2] != 'F') return 1;
    p.header = header;
    if (header[10] & 0x80) in.Skip(3u << ((header[10] & 0x07) + 1));
    if (p.buffer.size() != static_cast<std::size_t>(kChargeBufferSize)) p.buffer.assign(kChargeBufferSize, 0);
    std::uint8_t introducer = 0;
    while (in.Byte(introducer)) {
        if (introducer == 0x21) {
            std::uint8_t label = 0, length = 0;
            if (!in.Byte(label)) break;
            while (in.Byte(length) && length != 0) in.Skip(length);
        } else if (introducer == 0x2C) {
            std::array<std::uint8_t, 9> d{};
            if (!in.Read(d.data(), d.size())) {
                p.damage = "it is cut short inside its image descriptor";
                return 0;
            }
            p.PW = d[4] | (d[5] << 8);
            p.PH = d[6] | (d[7] << 8);
            // Every row must fit the buffer: a larger size is damage, not a picture to shrink.
            const long long area = static_cast<long long>(p.PW) * p.PH;
            if (area <= 0) {
                p.damage = "its size " + std::to_string(p.PW) + " by " + std::to_string(p.PH) + " holds no pixel";
                return 0;
            }
            if (area > kChargeBufferSize) {
                p.damage = "its size " + std::to_string(p.PW) + " by " + std::to_string(p.PH) +
                           " is beyond the largest picture read (" + std::to_string(kChargeBufferSize) + " pixels)";
                return 0;
            }
            if (d[8] & 0x80) in.Skip(3u << ((d[8] & 0x07) + 1));  // a local table is not used
            DecodeImageData(in, p);
            return 0;  // a second image is not used
        } else {
            break;
        }
    }
    p.damage = "it holds no image";
    return 0;
}

int ReadGifPicture(PaintState& state, const std::string& fileName) {
    const std::string path = state.dataDir.empty() ? fileName : state.dataDir + "/" + fileName;
    // A picture that cannot be read (a folder in its place, a file far too large) is treated as
    // a missing one, so the next name is tried and the question picture may stand in.
    // A damaged file (cut short, a size beyond the buffer, bad image data) is not painted: the
    // result is 1 with the verdict Damaged and what is wrong, for the caller to say.
    ChargePicture& picture = state.chargePicture;
    // At another paint scale the picture is made that many times its size once it is read.
    const double k = state.geometry.k;
    if (k != 1.0 && state.scaledPicture.path == path && state.scaledPicture.k == k) {
        picture = state.scaledPicture.picture;
        return 0;
    }
    // Larger than its picture, a charge is drawn again from its vector drawing at that size;
    // without a drawing its picture is enlarged, and the user is told.
    auto atScale = [&state, &picture, &path, &fileName, k]() {
        if (picture.verdict == PictureVerdict::Sound && k < 1.0) {
            // Smaller than its picture (a marshalled part in a narrow cell): the picture reduced.
            ScaleChargePicture(picture, k);
            state.scaledPicture = {path, k, picture};
        } else if (picture.verdict == PictureVerdict::Sound && k != 1.0) {
            const std::string drawing = DrawingPathFor(path);
            if (!state.pictureCache || !state.pictureCache->RestoreDrawn(drawing, k, picture)) {
                std::string why;
                switch (DrawChargeAtScale(drawing, k, picture, why)) {
                case DrawingOutcome::Drawn:
                    if (state.pictureCache) state.pictureCache->KeepDrawn(drawing, k, picture);
                    break;
                case DrawingOutcome::NoDrawing:
                    ScaleChargePicture(picture, k);
                    state.messages.Show(msg::ChargeDrawingEnlarged(fileName, "is not installed"));
                    break;
                case DrawingOutcome::Unreadable:
                    ScaleChargePicture(picture, k);
                    state.messages.Show(msg::ChargeDrawingEnlarged(fileName, "cannot be drawn (" + why + ")"));
                    break;
                }
            }
            state.scaledPicture = {path, k, picture};
        }
        return picture.verdict == PictureVerdict::Sound ? 0 : 1;
    };
    // A picture made larger for the last charge left a buffer of its own size; the cache copies
    // into one of the full size.
    if (picture.buffer.size() != static_cast<std::size_t>(kChargeBufferSize)) picture.buffer.assign(kChargeBufferSize, 0);
    if (state.pictureCache && state.pictureCache->Restore(path, picture)) return atScale();
    picture.verdict = PictureVerdict::Missing;
    state.pictureReadError.clear();
    const FileBytes file = ReadFileBytes(path, kMaxChargePictureBytes);
    if (!file) {
        if (file.failure != ReadFailure::Missing) state.pictureReadError = file.error;
        return 1;
    }
    if (DecodeGifPicture(picture, file.bytes->data(), file.bytes->size()) != 0) return 1;
    picture.verdict = picture.damage.empty() && picture.complete ? PictureVerdict::Sound : PictureVerdict::Damaged;
    if (picture.verdict == PictureVerdict::Damaged && picture.damage.empty()) picture.damage = "its image data is damaged";
    // Printed once here: the cache keeps the print with the pixels, and every painting of the
    // picture knows it by it.
    if (picture.verdict == PictureVerdict::Sound) picture.print = PrintChargePicture(picture);
    if (state.pictureCache) state.pictureCache->Keep(path, picture);
    return atScale();
}

}  // namespace esc
