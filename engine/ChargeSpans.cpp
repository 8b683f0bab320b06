// Reading the runs a charge picture paints at one size and turn, and keeping them per picture.

#include "engine/ChargeSpans.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/PaintState.h"

namespace esc {
namespace {

constexpr std::uint8_t kRunOutlineIndex = 0, kRunSecondIndex = 10, kRunBodyIndex = 11, kRunDetailIndex = 14;
constexpr std::uint8_t kRunBackgroundIndex = 255;
constexpr double kRunDegrees = 0.017453292;
// Past this painted width or height a picture's runs are read for what lands on the shield alone
// and not kept (a charge blazoned far larger than the shield).
constexpr int kLargestKeptSide = 8192;

// Whether a colour index paints anything: the outline, the second part, the body or a detail.
constexpr std::array<bool, 256> kRunPaintedIndex = [] {
    std::array<bool, 256> painted{};
    painted[kRunOutlineIndex] = painted[kRunSecondIndex] = painted[kRunBodyIndex] = painted[kRunDetailIndex] = true;
    return painted;
}();

// The colour index at picture column u, row t; anything outside the decoded picture is background.
std::uint8_t PictureIndexAt(const ChargePicture& p, int u, int t) {
    if (u < 0 || t < 0 || u >= p.PW || t >= p.PH) return kRunBackgroundIndex;
    const long long i = static_cast<long long>(t) * p.PW + u;
    return i < static_cast<long long>(p.buffer.size()) ? p.buffer[static_cast<std::size_t>(i)] : kRunBackgroundIndex;
}

// The first column from u (before end) of a picture row whose index is not v, eight columns at
// a time where the bytes' order allows.
int PictureRunEnd(const std::uint8_t* row, int u, int end, std::uint8_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t all = 0x0101010101010101ull * v;
        for (; u + 8 <= end; u += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, row + u, sizeof word);
            if (const std::uint64_t differ = word ^ all; differ != 0) return u + std::countr_zero(differ) / 8;
        }
    }
    while (u < end && row[u] == v) ++u;
    return u;
}

// The first column from u (before end) of a picture row whose index paints.
int NextPaintedPictureColumn(const std::uint8_t* row, int u, int end) {
    while (u < end) {
        if (kRunPaintedIndex[row[u]]) return u;
        u = PictureRunEnd(row, u + 1, end, row[u]);
    }
    return end;
}

// The used part of the picture's buffer.
std::size_t PictureArea(const ChargePicture& p) {
    const std::size_t area = static_cast<std::size_t>(std::max(p.PW, 0)) * static_cast<std::size_t>(std::max(p.PH, 0));
    return std::min(area, p.buffer.size());
}

// A 128-bit print of a picture's size and every one of its pixels, by which its kept runs are
// known: four lanes take eight bytes each in turn (multiplied, rotated and multiplied again, so
// every bit of a word reaches the whole lane), and two different folds of the lanes give the two
// halves. Pictures that differ anywhere give different prints but with a chance too small to meet.
constexpr std::uint64_t kPrintPrimeA = 0x9e3779b185ebca87ull, kPrintPrimeB = 0xc2b2ae3d27d4eb4full;
constexpr std::uint64_t kPrintPrimeC = 0x165667b19e3779f9ull, kPrintPrimeD = 0x85ebca77c2b2ae63ull;

std::uint64_t PrintLaneStep(std::uint64_t lane, std::uint64_t word) {
    return std::rotl(lane + word * kPrintPrimeB, 31) * kPrintPrimeA;
}

std::uint64_t PrintAvalanche(std::uint64_t h) {
    h ^= h >> 33;
    h *= kPrintPrimeB;
    h ^= h >> 29;
    h *= kPrintPrimeC;
    return h ^ (h >> 32);
}

}  // namespace

ChargePicturePrint PrintChargePicture(const ChargePicture& p) {
    const std::size_t area = PictureArea(p);
    const std::uint64_t size = static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.PW)) << 32 |
                               static_cast<std::uint32_t>(p.PH);
    std::array<std::uint64_t, 4> lane{size + kPrintPrimeA + kPrintPrimeB, size + kPrintPrimeB, size,
                                      size - kPrintPrimeA};
    const std::uint8_t* at = p.buffer.data();
    std::size_t i = 0;
    for (; i + 32 <= area; i += 32) {
        for (std::size_t k = 0; k < 4; ++k) {
            std::uint64_t word = 0;
            std::memcpy(&word, at + i + 8 * k, sizeof word);
            lane[k] = PrintLaneStep(lane[k], word);
        }
    }
    // The last bytes, fewer than 32, one at a time into the lanes in turn.
    for (std::size_t k = 0; i < area; ++i, ++k) lane[k % 4] = PrintLaneStep(lane[k % 4], at[i] + (std::uint64_t{k} << 8));
    std::uint64_t low = std::rotl(lane[0], 1) + std::rotl(lane[1], 7) + std::rotl(lane[2], 12) + std::rotl(lane[3], 18);
    std::uint64_t high = lane[0] * kPrintPrimeD ^ std::rotl(lane[1], 27) * kPrintPrimeC ^ std::rotl(lane[2], 41) * kPrintPrimeB ^
                         std::rotl(lane[3], 53) * kPrintPrimeA;
    low = PrintAvalanche(low ^ area);
    high = PrintAvalanche(high + area * kPrintPrimeC);
    return {low, high};
}

void ReadChargeSpans(const ChargePicture& p, const ChargeSpanShape& shape, const ChargeSpanWindow& window, ChargeSpans& out) {
    out.shape = shape;
    out.rowFrom = window.rowFrom;
    out.columnFrom = window.columnFrom;
    out.columnTo = std::max(window.columnFrom, std::min(window.columnTo, window.columnFrom + kWidestChargeSpans));
    out.rows.assign(static_cast<std::size_t>(std::max(0, window.rowTo - window.rowFrom)), ChargeSpans::Row{});
    out.runs.clear();
    const int c0 = out.columnFrom, c1 = out.columnTo;
    // A run kept as its columns counted from c0.
    auto addRun = [&](int from, int to, std::uint8_t v) {
        out.runs.push_back({static_cast<std::uint16_t>(from - c0), static_cast<std::uint16_t>(to - c0), v});
    };
    const bool bendwise = shape.turn == ChargeTurn::kBendwise || shape.turn == ChargeTurn::kBendwiseSinister;
    const bool fesswise = shape.turn == ChargeTurn::kFesswise, turned = bendwise || fesswise;
    const double scale = static_cast<double>(shape.scale);
    auto unscaled = [scale](int k) { return static_cast<int>(std::trunc(k / scale)); };
    auto rowRead = [&](int r) { return unscaled(shape.flip ? shape.height - 1 - r : r); };
    auto closeRow = [&](int r, std::size_t first) {
        out.rows[static_cast<std::size_t>(r - out.rowFrom)] = {static_cast<std::uint32_t>(first),
                                                                static_cast<std::uint32_t>(out.runs.size() - first)};
    };
    // A row read index by index: each run of one painted index is a run.
    auto scanRow = [&](auto indexAt) {
        for (int c = c0; c < c1;) {
            const std::uint8_t v = indexAt(c);
            if (!kRunPaintedIndex[v]) {
                ++c;
                continue;
            }
            int i = c + 1;
            while (i < c1 && indexAt(i) == v) ++i;
            addRun(c, i, v);
            c = i;
        }
    };

    if (turned) {
        // A quarter turn reads the picture exactly: its cosine is 0, not a rounding away from it.
        const double b = fesswise ? 90 : (shape.turnOther ? 311 : 39);
        const double cb = fesswise ? 0.0 : std::cos(b * kRunDegrees), sb = fesswise ? 1.0 : std::sin(b * kRunDegrees);
        std::vector<int> columnRead(static_cast<std::size_t>(c1 - c0));
        for (int c = c0; c < c1; ++c) columnRead[static_cast<std::size_t>(c - c0)] = unscaled(c);
        for (int r = window.rowFrom; r < window.rowTo; ++r) {
            const int t = rowRead(r);
            const std::size_t first = out.runs.size();
            scanRow([&](int c) {
                const int u = columnRead[static_cast<std::size_t>(c - c0)];
                const int xs = static_cast<int>(std::trunc((u - shape.hw) * cb - (t - shape.hh) * sb + p.PW / 2));
                const int ys = static_cast<int>(std::trunc((u - shape.hw) * sb + (t - shape.hh) * cb + p.PH / 2));
                if (xs < 1 || xs >= p.PW - 1 || ys < 1 || ys >= p.PH) return kRunBackgroundIndex;
                return PictureIndexAt(p, xs, ys);
            });
            closeRow(r, first);
        }
        return;
    }

    // Unturned, the picture column each painted column reads (-1 past the picture's sides), and
    // the first painted column that reads picture column u or one right of it (u up to PW; c1
    // when none does): the columns read rise with the painted ones, so a run of one index in a
    // picture row is a run of painted columns, found by scanning the picture row.
    const int pw = std::max(p.PW, 0);
    std::vector<int> readColumn(static_cast<std::size_t>(c1 - c0));
    for (int c = c0; c < c1; ++c) {
        const int u = unscaled(c);
        readColumn[static_cast<std::size_t>(c - c0)] = u >= 0 && u < p.PW ? u : -1;
    }
    std::vector<int> firstColumnReading(static_cast<std::size_t>(pw) + 1, c1);
    for (int u = 0, c = c0; u <= pw; ++u) {
        while (c < c1 && unscaled(c) < u) ++c;
        firstColumnReading[static_cast<std::size_t>(u)] = c;
    }
    const int pastSide = firstColumnReading[static_cast<std::size_t>(pw)];
    auto reading = [&](int u) { return firstColumnReading[static_cast<std::size_t>(u)]; };
    int lastRead = std::numeric_limits<int>::min();
    ChargeSpans::Row lastRow;
    for (int r = window.rowFrom; r < window.rowTo; ++r) {
        const int t = rowRead(r);
        // Rows that read the same picture row share its runs.
        if (t == lastRead) {
            out.rows[static_cast<std::size_t>(r - out.rowFrom)] = lastRow;
            continue;
        }
        const std::size_t first = out.runs.size();
        if (t >= 0 && t < p.PH && static_cast<std::size_t>(t + 1) * static_cast<std::size_t>(pw) <= p.buffer.size()) {
            // A row wholly in the buffer: background passed over and runs found in the picture row.
            const std::uint8_t* row = p.buffer.data() + static_cast<std::size_t>(t) * static_cast<std::size_t>(pw);
            for (int c = c0; c < pastSide;) {
                const int u = readColumn[static_cast<std::size_t>(c - c0)];
                const std::uint8_t v = row[u];
                if (!kRunPaintedIndex[v]) {
                    c = std::max(c + 1, reading(NextPaintedPictureColumn(row, u + 1, pw)));
                    continue;
                }
                int i = c + 1;
                while (i < pastSide) {
                    const int ui = readColumn[static_cast<std::size_t>(i - c0)];
                    if (row[ui] != v) break;
                    i = std::max(i + 1, reading(PictureRunEnd(row, ui + 1, pw, v)));
                }
                i = std::min(i, pastSide);
                addRun(c, i, v);
                c = i;
            }
        } else if (t >= 0 && t < p.PH) {
            scanRow([&](int c) { return PictureIndexAt(p, unscaled(c), t); });
        }
        closeRow(r, first);
        lastRead = t;
        lastRow = out.rows[static_cast<std::size_t>(r - out.rowFrom)];
    }
}

ChargeSpanCache::KeptPicture* ChargeSpanCache::FindPicture(const ChargePicturePrint& print, int width, int height) {
    auto same = [&](const KeptPicture& kept) { return kept.print == print && kept.PW == width && kept.PH == height; };
    if (lastPicture_ < pictures_.size() && same(pictures_[lastPicture_])) return &pictures_[lastPicture_];
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        if (i != lastPicture_ && same(pictures_[i])) {
            lastPicture_ = i;
            return &pictures_[i];
        }
    }
    return nullptr;
}

const ChargeSpans& ChargeSpanCache::SpansFor(const ChargePicture& p, const ChargeSpanShape& shape, const ChargeSpanWindow& window) {
    if (mostBytes_ == 0 || shape.width > kLargestKeptSide || shape.height > kLargestKeptSide) {
        ReadChargeSpans(p, shape, window, unkept_);
        return unkept_;
    }
    const ChargePicturePrint print = p.print ? *p.print : PrintChargePicture(p);
    KeptPicture* kept = FindPicture(print, p.PW, p.PH);
    if (kept != nullptr) {
        for (const ChargeSpans& set : kept->sets) {
            if (set.shape == shape) {
                ++hits_;
                return set;
            }
        }
    }
    ++misses_;
    ChargeSpans spans;
    ReadChargeSpans(p, shape, {0, shape.height, 0, shape.width}, spans);
    spans.runs.shrink_to_fit();
    const std::size_t pictureBytes = sizeof(KeptPicture);
    std::size_t added = spans.Bytes() + (kept == nullptr ? pictureBytes : 0);
    if (bytes_ + added > mostBytes_) {
        // Full: every kept run is dropped, and the cache fills again from this picture.
        Clear();
        kept = nullptr;
        added = spans.Bytes() + pictureBytes;
        if (added > mostBytes_) {
            unkept_ = std::move(spans);
            return unkept_;
        }
    }
    if (kept == nullptr) {
        KeptPicture& fresh = pictures_.emplace_back();
        fresh.PW = p.PW;
        fresh.PH = p.PH;
        fresh.print = print;
        lastPicture_ = pictures_.size() - 1;
        kept = &fresh;
    }
    bytes_ += added;
    largestBytes_ = std::max(largestBytes_, bytes_);
    return kept->sets.emplace_back(std::move(spans));
}

void ChargeSpanCache::SetMostBytes(std::size_t most) {
    mostBytes_ = most;
    if (bytes_ > mostBytes_) Clear();
}

void ChargeSpanCache::Clear() {
    pictures_.clear();
    lastPicture_ = 0;
    bytes_ = 0;
}

}  // namespace esc
