// PNG files through libspng. Heraldic pictures are flat: a handful of tinctures in long runs, no
// smoothing. Such a picture is written with a palette at the smallest bit depth that holds its
// colours, unfiltered, at the fastest deflate level: a shield of a few colours packs to a few
// kilobytes in a fraction of a millisecond, where eight-bit RGB rows cost several times as much
// to compress for a larger file. A picture of more than 256 colours (a composed page with
// smoothed text) is written as RGB.

#include <spng.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "engine/Bitmap.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace esc {
namespace {

constexpr int kPaletteLimit = 256;
// Deflate level 1 with the default strategy: on flat rows of indices it finds the long matches
// as well as the slower levels, within a few percent of their size.
constexpr int kCompressionLevel = 1;

struct SpngContextDeleter {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
using SpngContext = std::unique_ptr<spng_ctx, SpngContextDeleter>;

// Where the run of pixels equal to `colour` starting at `from` ends (exclusive), at most `end`.
int RunEnd(const std::uint32_t* row, int from, int end, std::uint32_t colour) {
    int x = from;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(colour));
    while (x + 4 <= end) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        const int equal = _mm_movemask_epi8(_mm_cmpeq_epi32(four, wanted));
        if (equal != 0xFFFF) return x + __builtin_ctz(~static_cast<unsigned>(equal)) / 4;
        x += 4;
    }
#endif
    while (x < end && row[x] == colour) ++x;
    return x;
}

// The picture as palette indices, rows of `rowBytes` packed at `depth` bits a pixel, leftmost
// pixel in the high bits.
struct IndexedPicture {
    std::uint32_t colours[kPaletteLimit] = {};
    int count = 0;
    int depth = 8;
    std::size_t rowBytes = 0;
    std::vector<std::uint8_t> rows;
};

int DepthFor(int colours) { return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8; }

// Sets pixels [x0, x1) of a packed row to index k.
// The depth is a power of two, so a pixel's byte and place in it come from shifts and masks:
// a division by a depth known only at run time cost more than the rest of a short run. The
// pixels a run has in a shared byte are set with one mask: a pixel at a time, each read of the
// byte waited for the write before it.
void FillIndices(std::uint8_t* row, int depth, int x0, int x1, unsigned k) {
    if (x0 >= x1) return;
    const int perByteShift = depth == 1 ? 3 : depth == 2 ? 2 : depth == 4 ? 1 : 0;  // log2(8 / depth)
    const int perByte = 1 << perByteShift, within = perByte - 1;
    const unsigned pattern = (k * (0xFFu / ((1u << depth) - 1))) & 0xFFu;  // k in every place of a byte
    // Pixels [a, b) of the byte, counted from its high bits.
    auto part = [&](std::uint8_t& byte, int a, int b) {
        const unsigned mask = ((1u << (depth * (b - a))) - 1) << (8 - depth * b);
        byte = static_cast<std::uint8_t>((byte & ~mask) | (pattern & mask));
    };
    int first = x0 >> perByteShift, last = (x1 - 1) >> perByteShift;
    if (first == last) {
        part(row[first], x0 & within, ((x1 - 1) & within) + 1);
        return;
    }
    if ((x0 & within) != 0) part(row[first++], x0 & within, perByte);
    if ((x1 & within) != 0) part(row[last--], 0, x1 & within);
    if (last >= first) std::memset(row + first, static_cast<int>(pattern), static_cast<std::size_t>(last - first + 1));
}

// Rows 0..rows-1, packed at `from` bits a pixel with `fromBytes` a row, repacked in place at
// twice the depth. A byte becomes two, so the rows are worked from the last byte backwards and
// every byte is read before it is overwritten.
void Deepen(std::vector<std::uint8_t>& packed, int from, std::size_t fromBytes, std::size_t toBytes, int rows) {
    for (int y = rows - 1; y >= 0; --y) {
        const std::uint8_t* src = packed.data() + fromBytes * static_cast<std::size_t>(y);
        std::uint8_t* dst = packed.data() + toBytes * static_cast<std::size_t>(y);
        for (std::size_t i = fromBytes; i-- > 0;) {
            const unsigned byte = src[i];
            unsigned high = 0, low = 0;  // the byte's left and right halves, each pixel widened
            const int half = 4 / from;   // pixels in each half
            const unsigned mask = (1u << from) - 1;
            for (int p = 0; p < half; ++p) {
                high |= ((byte >> (8 - from * (p + 1))) & mask) << (8 - 2 * from * (p + 1));
                low |= ((byte >> (8 - from * (half + p + 1))) & mask) << (8 - 2 * from * (p + 1));
            }
            if (2 * i + 1 < toBytes) dst[2 * i + 1] = static_cast<std::uint8_t>(low);
            dst[2 * i] = static_cast<std::uint8_t>(high);
        }
    }
}

// The picture as packed indices, or nullopt when it has more colours than a palette holds. The
// colours are found as the rows are packed, in one pass over the pixels: the rows start at one
// bit a pixel and the rows done so far are repacked at twice the depth when a colour more than
// the depth holds appears (at most three times, over bytes rather than pixels).
std::optional<IndexedPicture> Index(const Bitmap& bitmap) {
    IndexedPicture out;
    const int w = bitmap.Width(), h = bitmap.Height();
    out.depth = 1;
    out.rowBytes = (static_cast<std::size_t>(w) + 7) / 8;
    out.rows.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);  // room for 8 bits a pixel
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = bitmap.Row(y);
        std::uint8_t* packed = out.rows.data() + out.rowBytes * static_cast<std::size_t>(y);
        int k = 0;
        for (int x = 0; x < w;) {
            const std::uint32_t c = row[x];
            if (k >= out.count || out.colours[k] != c) {
                k = 0;
                while (k < out.count && out.colours[k] != c) ++k;
                if (k == out.count) {
                    if (out.count == kPaletteLimit) return std::nullopt;
                    out.colours[out.count++] = c;
                    if (DepthFor(out.count) > out.depth) {
                        // Rows before this one and this row up to x are repacked; the rest of
                        // the storage is still zero, the index of the first colour.
                        const int to = out.depth * 2;
                        const std::size_t toBytes = (static_cast<std::size_t>(w) * to + 7) / 8;
                        Deepen(out.rows, out.depth, out.rowBytes, toBytes, y + 1);
                        out.depth = to;
                        out.rowBytes = toBytes;
                        packed = out.rows.data() + out.rowBytes * static_cast<std::size_t>(y);
                    }
                }
            }
            const int end = RunEnd(row, x + 1, w, c);
            if (k != 0) FillIndices(packed, out.depth, x, end, static_cast<unsigned>(k));  // rows start as index 0
            x = end;
        }
    }
    out.rows.resize(out.rowBytes * static_cast<std::size_t>(h));
    return out;
}

std::vector<std::uint8_t> RgbRows(const Bitmap& bitmap) {
    std::vector<std::uint8_t> rows;
    rows.reserve(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 3);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Rgb c = Bitmap::Unpack(row[x]);
            rows.insert(rows.end(), {c.r, c.g, c.b});
        }
    }
    return rows;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) {
    if (bitmap.Empty()) return {};
    SpngContext ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx || spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1) != 0) return {};

    const std::optional<IndexedPicture> indexed = Index(bitmap);
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(bitmap.Width());
    header.height = static_cast<std::uint32_t>(bitmap.Height());
    header.bit_depth = static_cast<std::uint8_t>(indexed ? indexed->depth : 8);
    header.color_type = indexed ? SPNG_COLOR_TYPE_INDEXED : SPNG_COLOR_TYPE_TRUECOLOR;
    if (spng_set_ihdr(ctx.get(), &header) != 0) return {};
    if (indexed) {
        spng_plte palette{};
        palette.n_entries = static_cast<std::uint32_t>(indexed->count);
        for (int i = 0; i < indexed->count; ++i) {
            const Rgb c = Bitmap::Unpack(indexed->colours[i]);
            palette.entries[i] = {c.r, c.g, c.b, 0};
        }
        if (spng_set_plte(ctx.get(), &palette) != 0) return {};
    }
    spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_NONE);
    spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, kCompressionLevel);

    const std::vector<std::uint8_t> rgb = indexed ? std::vector<std::uint8_t>{} : RgbRows(bitmap);
    const std::vector<std::uint8_t>& rows = indexed ? indexed->rows : rgb;
    if (spng_encode_image(ctx.get(), rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) != 0) return {};
    std::size_t size = 0;
    int error = 0;
    void* buffer = spng_get_png_buffer(ctx.get(), &size, &error);
    if (!buffer || error != 0) {
        std::free(buffer);
        return {};
    }
    std::vector<std::uint8_t> out(static_cast<std::uint8_t*>(buffer), static_cast<std::uint8_t*>(buffer) + size);
    std::free(buffer);
    return out;
}

WriteResult WritePng(const Bitmap& bitmap, const std::string& path, Flush flush) {
    const std::vector<std::uint8_t> bytes = EncodePng(bitmap);
    if (bytes.empty()) return {"the picture could not be compressed"};
    return WriteFileAtomically(path, bytes, flush);
}

}  // namespace esc
