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
    // Sixteen pixels a step while the run goes on (most of a shield's pixels lie in long runs),
    // then four at a time to find where it ends.
    auto same = [&](int at) {
        return _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + at)), wanted);
    };
    while (x + 16 <= end) {
        const __m128i all = _mm_and_si128(_mm_and_si128(same(x), same(x + 4)), _mm_and_si128(same(x + 8), same(x + 12)));
        if (_mm_movemask_epi8(all) != 0xFFFF) break;
        x += 16;
    }
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

// n indices of `bits` bits each, two to a byte of twice the bits: the first in the high bits. A
// last index without a partner gets zero bits after it, as a PNG row's padding is. Works in
// place: each byte written lies at or before the bytes still to be read.
std::size_t PackPairs(std::uint8_t* data, std::size_t n, int bits) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i low = _mm_set1_epi16(0x00FF);
    const __m128i shift = _mm_cvtsi32_si128(bits);
    for (; 2 * i + 32 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 2 * i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 2 * i + 16));
        // In each 16-bit lane: the first index in the low byte, its partner in the high byte.
        const __m128i pa = _mm_or_si128(_mm_sll_epi16(_mm_and_si128(a, low), shift), _mm_srli_epi16(a, 8));
        const __m128i pb = _mm_or_si128(_mm_sll_epi16(_mm_and_si128(b, low), shift), _mm_srli_epi16(b, 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(data + i), _mm_packus_epi16(pa, pb));
    }
#endif
    for (; 2 * i + 1 < n; ++i) data[i] = static_cast<std::uint8_t>(data[2 * i] << bits | data[2 * i + 1]);
    if (2 * i < n) {
        data[i] = static_cast<std::uint8_t>(data[2 * i] << bits);
        ++i;
    }
    return i;
}

// The picture as packed indices, or nullopt when it has more colours than a palette holds. The
// colours are found in one pass over the pixels that writes a byte for each (a run of one colour
// is one memset); each row is then packed to the depth the colours need.
std::optional<IndexedPicture> Index(const Bitmap& bitmap) {
    IndexedPicture out;
    const int w = bitmap.Width(), h = bitmap.Height();
    const std::size_t width = static_cast<std::size_t>(w);
    out.rows.assign(width * static_cast<std::size_t>(h), 0);  // index 0 until a run says otherwise
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = bitmap.Row(y);
        std::uint8_t* indices = out.rows.data() + width * static_cast<std::size_t>(y);
        // A row like the one above (the field above and below a charge, a chief) is copied, its
        // colours already known: comparing the pixels costs a fraction of finding their runs.
        if (y > 0 && std::memcmp(row, bitmap.Row(y - 1), width * sizeof(std::uint32_t)) == 0) {
            std::memcpy(indices, indices - width, width);
            continue;
        }
        int k = 0;
        for (int x = 0; x < w;) {
            const std::uint32_t c = row[x];
            if (k >= out.count || out.colours[k] != c) {
                k = 0;
                while (k < out.count && out.colours[k] != c) ++k;
                if (k == out.count) {
                    if (out.count == kPaletteLimit) return std::nullopt;
                    out.colours[out.count++] = c;
                }
            }
            const int end = RunEnd(row, x + 1, w, c);
            if (k != 0) std::memset(indices + x, k, static_cast<std::size_t>(end - x));
            x = end;
        }
    }
    out.depth = DepthFor(out.count);
    out.rowBytes = (width * static_cast<std::size_t>(out.depth) + 7) / 8;
    if (out.depth < 8) {
        // Row by row, each packed in place and moved down to its place in the packed picture
        // (which lies at or before the row's own bytes).
        for (int y = 0; y < h; ++y) {
            std::uint8_t* indices = out.rows.data() + width * static_cast<std::size_t>(y);
            std::size_t n = width;
            for (int bits = out.depth; bits < 8; bits *= 2) n = PackPairs(indices, n, bits);
            std::memmove(out.rows.data() + out.rowBytes * static_cast<std::size_t>(y), indices, out.rowBytes);
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
