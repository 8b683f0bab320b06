// The row painter: every painted pixel of the shield passes through PaintSpan or PlotRun.

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace esc {
namespace {

// A run of one palette code along a row: code from the asked column up to end (exclusive).
struct CodeRun {
    int code, end;
};

// Paints one row of pixels as runs of palette codes, merging equal neighbours (the pixels are the
// ones a call per pixel would give). runAt(x) gives the run that starts at column x and is called
// with increasing columns, each at the end of the previous run. Only columns that can reach the
// picture are visited.
template <typename RunAt>
void PlotRuns(PaintState& state, int x1, int y, int x2, RunAt runAt) {
    int from = x1, to = x2;
    if (state.view == OutputView::Shield) {
        const int edge = state.geometry.Px(1);
        from = std::max(x1, edge);
        to = std::min(x2, state.geometry.W - edge);
        if (from >= to) return;
    }
    const int layerX = state.layerTarget.lx;
    auto plot = [&](int a, int b, int code) {
        state.layerTarget.lx = layerX + (a - x1);
        PlotRun(state, a, y, b, code);
    };
    CodeRun run = runAt(from);
    int runStart = from;
    while (run.end < to) {
        const CodeRun next = runAt(run.end);
        if (next.code != run.code) {
            plot(runStart, run.end, run.code);
            runStart = run.end;
        }
        run = next;
    }
    plot(runStart, to, run.code);
    state.layerTarget.lx = layerX;
}

// The same for a code given pixel by pixel.
template <typename CodeAt>
void PlotPixels(PaintState& state, int x1, int y, int x2, CodeAt codeAt) {
    PlotRuns(state, x1, y, x2, [&](int x) { return CodeRun{codeAt(x), x + 1}; });
}

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }
int Mod(int a, int b) { return ((a % b) + b) % b; }

// Where the centre of picture pixel `p` lies in design pixels (the picture at paint scale 1),
// measured so that the centres of design pixels fall on whole numbers.
double DesignCentre(const ShieldGeometry& g, int p) { return (p + 0.5) / g.k - 0.5; }

// A pattern given one flag per design pixel, sampled at a finer paint scale: the flags are
// blended across the four design pixels around (X, Y) and the point belongs to the pattern where
// the blend passes one half. At whole design positions this is the flag itself; between them the
// pattern's edges run smoothly instead of in steps of a design pixel.
template <typename BitAt>
bool BlendedBit(double X, double Y, BitAt bitAt) {
    const double fx = std::floor(X), fy = std::floor(Y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double ax = X - fx, ay = Y - fy;
    const double v = (1 - ax) * (1 - ay) * bitAt(x0, y0) + ax * (1 - ay) * bitAt(x0 + 1, y0) +
                     (1 - ax) * ay * bitAt(x0, y0 + 1) + ax * ay * bitAt(x0 + 1, y0 + 1);
    return v > 0.5;
}

// The 28-row tile and the vair rows at design pixel (X, Y), with the shifts of alternate bands.
double TileFlag(Tile tile, int X, int Y) {
    const int shift = (FloorDiv(Y, 28) % 2 != 0) ? 0 : 24;
    return TileBit(tile, Mod(Y, 28), Mod(X + shift, 48)) ? 1.0 : 0.0;
}
double VairFlag(int X, int Y) {
    const int shift = (FloorDiv(Y, 16) % 2 == 0) ? 10 : 0;
    return VairBit(Mod(Y, 16), Mod(X + shift, 19)) ? 1.0 : 0.0;
}

// One row of a pattern that repeats every N columns, with the columns from each column to the
// next change of colour (round the end of the row), so that a long span is painted a run at a
// time instead of a pixel at a time.
constexpr int kTileColumns = 48, kVairColumns = 19;
template <int N>
class PeriodicRow {
public:
    template <typename BitAt>
    explicit PeriodicRow(BitAt bitAt) {
        for (int n = 0; n < N; ++n) bits_[static_cast<std::size_t>(n)] = bitAt(n);
        bool uniform = true;
        for (int n = 1; n < N; ++n) uniform = uniform && bits_[static_cast<std::size_t>(n)] == bits_[0];
        for (int n = N; n-- > 0;) {
            const bool same = bits_[static_cast<std::size_t>((n + 1) % N)] == bits_[static_cast<std::size_t>(n)];
            int length = 1;
            if (uniform) length = kUnbounded;
            else if (same && n + 1 < N) length = 1 + lengths_[static_cast<std::size_t>(n + 1)];
            lengths_[static_cast<std::size_t>(n)] = length;
        }
        // A run reaching the row's end goes on round its start.
        if (!uniform)
            for (int n = N; n-- > 0 && bits_[static_cast<std::size_t>(n)] == bits_[0];)
                lengths_[static_cast<std::size_t>(n)] = (N - n) + lengths_[0];
    }
    // The run that starts at picture column x, at pattern column n.
    CodeRun RunAt(int x, int n, int ground, int pattern) const {
        const auto i = static_cast<std::size_t>(n);
        return {bits_[i] ? pattern : ground, x + lengths_[i]};
    }

private:
    static constexpr int kUnbounded = 1 << 20;
    std::array<bool, N> bits_{};
    std::array<int, N> lengths_{};
};

void StoreCode(PaintState& state, int x1, int y, int x2, int code) {
    const ShieldGeometry& g = state.geometry;
    const long long rowStart = static_cast<long long>(y) * g.W;
    const int from = std::max(x1, 0), to = std::min(x2, g.W);
    if (from >= to) return;
    // Indices below 0 (rows above the picture, in the achievement view) and past the buffer's
    // end are skipped.
    const long long first = std::max(rowStart + from, 0LL);
    const long long last = std::min(rowStart + to, static_cast<long long>(state.PictureBufferSize()));
    if (first >= last) return;
    std::fill(state.pictureBuffer.begin() + first, state.pictureBuffer.begin() + last, static_cast<std::int8_t>(code));
}

void PaintChequy(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    // The chequy area holds fieldColor3 in the picture buffer, up to the run's end even past the
    // row's last column.
    const long long rowStart = static_cast<long long>(y) * g.W;
    for (int x = x1; x < x2; ++x) {
        const long long i = rowStart + x;
        if (i < 0) continue;
        if (i >= state.PictureBufferSize()) {
            state.ShowOnce(state.shownOutOfBounds2, msg::kOutOfBounds2);
            break;
        }
        state.pictureBuffer[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(state.fieldColor3);
    }
    if (x1 >= x2) return;
    // Squares of 50 design pixels.
    const double side = g.Scaled(50);
    const int rowParity = static_cast<int>(std::floor(y / side)) % 2;
    auto square = [side](int x) { return static_cast<int>(std::floor(x / side)); };
    // A square's columns run to the first column of the next, found from its estimate and put
    // right by the same test a column is coloured by.
    PlotRuns(state, x1, y, x2, [&](int x) {
        const int q = square(x);
        int next = std::max(x + 1, static_cast<int>(std::ceil((q + 1) * side)));
        while (next - 1 > x && square(next - 1) > q) --next;
        while (square(next) <= q) ++next;
        return CodeRun{(rowParity ^ (q % 2)) == 0 ? state.fieldColor1 : state.fieldColor2, next};
    });
}

// Upright lozengy. Columns are measured from the centre line (dx = x - W/2) and rows from
// kLozengyTop at the pixel centres, so the pattern is the same on both sides of the centre line
// and no pixel centre falls on a side. In row r (0..77) of a band of lozenges, a fieldColor1
// lozenge centred on column dx = 52i and row 39 covers the pixels whose distance d from 52i
// satisfies d / 26 + |r + 1/2 - 39| / 39 < 1, that is d <= (77 - |2r - 77|) / 3; the columns
// between belong to fieldColor2 lozenges centred on rows 0 and 78 and on columns 52i + 26:
//
//      row 0    /\    /\    /\      the fieldColor1 lozenges, top points on row 0, side points
//              /  \  /  \  /  \     on row 39 where they touch each other; the fieldColor2
//      row 39 <    ><    ><    >    lozenges fill the gaps, so each lozenge has four of the
//              \  /  \  /  \  /     other tincture along its sides
//      row 78   \/    \/    \/
//               ^ column W/2
void PaintLozengyScaled(PaintState& state, int x1, int y, int x2);
void PaintLozengyBendwiseScaled(PaintState& state, int x1, int y, int x2);

void PaintLozengy(PaintState& state, int x1, int y, int x2) {
    if (state.geometry.k != 1.0) return PaintLozengyScaled(state, x1, y, x2);
    constexpr int kHalfWidth = kLozengeWidth / 2, kBand = kLozengeHeight;
    const int axis = state.geometry.W / 2;
    const int r = ((y - kLozengyTop) % kBand + kBand) % kBand;
    const int k = 2 * r - (kBand - 1);
    const int reach = (kBand - 1 - (k < 0 ? -k : k)) / 3;  // 0..25: half the fieldColor1 run less one
    const int first = state.fieldColor1, second = state.fieldColor2;
    // Column W/2 + 52p is the centre of the fieldColor1 run of period p; the period of column x1
    // is computed once, then the runs follow each other.
    int p = FloorDiv(x1 - axis + kHalfWidth, kLozengeWidth);
    PlotRuns(state, x1, y, x2, [&](int x) {
        const int centre = axis + p * kLozengeWidth;
        if (x < centre - reach) return CodeRun{second, centre - reach};
        if (x <= centre + reach) return CodeRun{first, centre + reach + 1};
        ++p;
        return CodeRun{second, centre + kLozengeWidth - reach};
    });
}

// Lozengy bendwise (see kBendwisePeriod): along a row U grows by 10 and V falls by 2 per column,
// so the run of a column ends where either index changes.
void PaintLozengyBendwise(PaintState& state, int x1, int y, int x2) {
    if (state.geometry.k != 1.0) return PaintLozengyBendwiseScaled(state, x1, y, x2);
    constexpr int P = kBendwisePeriod;
    const int axis = state.geometry.W / 2;
    const int Y = 2 * (y - kLozengyTop) + 1;
    const int first = state.fieldColor1, second = state.fieldColor2;
    PlotRuns(state, x1, y, x2, [&](int x) {
        const int X = 2 * (x - axis);
        const int u = 5 * X - Y, v = 5 * Y - X;
        const int qu = FloorDiv(u, P), qv = FloorDiv(v, P);
        const int untilU = (qu * P + P - u + 9) / 10;  // columns before U reaches the next multiple
        const int untilV = (v - qv * P) / 2 + 1;       // columns before V drops below qv * P
        return CodeRun{((qu + qv) & 1) == 0 ? first : second, x + std::min(untilU, untilV)};
    });
}

// The same lozenges at another paint scale, each pixel judged by its centre in design pixels
// against the sides of the lozenge (the whole-pixel rules above are these sides on the design
// grid).
void PaintLozengyScaled(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    constexpr double kHalfWidth = kLozengeWidth / 2.0, kHalfHeight = kLozengeHeight / 2.0;
    const double axis = kDesignImageWidth / 2;
    const double Y = DesignCentre(g, y) - kLozengyTop + 0.5;
    const double r = Y - std::floor(Y / kLozengeHeight) * kLozengeHeight;
    const double reach = kHalfWidth * (1 - std::abs(r - kHalfHeight) / kHalfHeight);
    PlotPixels(state, x1, y, x2, [&](int x) {
        const double dx = DesignCentre(g, x) - axis;
        const double d = std::abs(dx - std::floor((dx + kHalfWidth) / kLozengeWidth) * kLozengeWidth);
        return d < reach ? state.fieldColor1 : state.fieldColor2;
    });
}

void PaintLozengyBendwiseScaled(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    constexpr double P = kBendwisePeriod;
    const double axis = kDesignImageWidth / 2;
    const double Y = 2 * (DesignCentre(g, y) - kLozengyTop) + 1;
    PlotPixels(state, x1, y, x2, [&](int x) {
        const double X = 2 * (DesignCentre(g, x) - axis);
        const long long qu = static_cast<long long>(std::floor((5 * X - Y) / P));
        const long long qv = static_cast<long long>(std::floor((5 * Y - X) / P));
        return ((qu + qv) & 1) == 0 ? state.fieldColor1 : state.fieldColor2;
    });
}

// A patterned run in `code` while `painting` is the tincture the span was asked for: the
// pattern's family (tiled semé, fur spots or vair bells) follows the latter.
void PaintPatternSpanPainting(PaintState& state, int x1, int y, int x2, int code, int painting);

void PaintCounterchanged(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    int v = kOr;
    for (int x = x1; x <= x2; ++x) {
        // A column past the row's end would reach the start of the next row, marking it visited
        // (so never painted) and storing there.
        if (x < 0 || x >= g.W) continue;
        const long long i = static_cast<long long>(y) * g.W + x;
        if (i < 0) continue;
        if (i >= state.PictureBufferSize()) {
            state.ShowOnce(state.shownOutOfBounds3, msg::kOutOfBounds3);
            continue;
        }
        const int index = static_cast<int>(i);
        if (state.VisitedTestAndSet(index)) continue;
        const int b = state.pictureBuffer[static_cast<std::size_t>(index)];
        if (b == state.counterchangePair[0]) v = state.counterchangePair[1];
        if (b == state.counterchangePair[1]) v = state.counterchangePair[0];
        if (v == kSable) PlotRun(state, x, y, x + 1, kSable);
        else PaintPatternSpanPainting(state, x, y, x, v, kCounterchanged);
        state.pictureBuffer[static_cast<std::size_t>(index)] = static_cast<std::int8_t>(v);
    }
}

// Bitmap::HorizontalRun on the state's picture, here where the row painter can have it inline:
// pixels x1 .. x2-1 of row y, clipped to the picture.
void PictureRun(Bitmap& picture, int x1, int y, int x2, std::uint32_t pixel) {
    if (y < 0 || y >= picture.Height()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, picture.Width());
    if (x1 >= x2) return;
    FillPixelRun(picture.Row(y) + x1, static_cast<std::size_t>(x2 - x1), pixel);
}

void PlotLayerRun(PaintState& state, int lx, int n, int entry) {
    LayerTarget& t = state.layerTarget;
    if (t.image == nullptr || n <= 0) return;
    Bitmap& image = *t.image;
    const Rgb colour = kPalette[static_cast<std::size_t>(entry)];
    if (t.mirror) {
        for (int i = 0; i < n; ++i) image.SetPixel(image.Width() - (lx + i), t.ly, colour);
    } else {
        image.HorizontalRun(lx, t.ly, lx + n, colour);
    }
}

}  // namespace

void PlotRun(PaintState& state, int x1, int y, int x2, int code) {
    const int entry = PaletteEntry(code);
    if (entry < 0) return;
    const Rgb colour = kPalette[static_cast<std::size_t>(entry)];
    if (state.view == OutputView::Achievement) {
        if (state.achievement != nullptr)
            state.achievement->HorizontalRun(x1 - state.achievementOffsetX, y - state.achievementOffsetY,
                                             x2 - state.achievementOffsetX, colour);
        return;
    }
    const ShieldGeometry& g = state.geometry;
    const int originalX1 = x1;
    const int edge = g.Px(2);  // the outline's pen
    x1 = std::max(x1, edge);
    x2 = std::min(x2, g.W - edge);
    if (x1 >= x2) return;
    const int layerX = state.layerTarget.lx + (x1 - originalX1);
    if (y <= g.baseTop) {
        PictureRun(state.picture, x1, y, x2, Bitmap::Pack(colour));
        PlotLayerRun(state, layerX, x2 - x1, entry);
        return;
    }
    const int k = y - g.baseTop;
    if (k >= g.BaseBoundsCount()) return;
    const BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
    const int from = std::max(x1, bound.left), to = std::min(x2, bound.right + 1);
    if (from >= to) return;
    PictureRun(state.picture, from, y, to, Bitmap::Pack(colour));
    PlotLayerRun(state, layerX + (from - x1), to - from, entry);
}

void PaintSpanAnyTincture(PaintState& state, const SpanRequest& span) {
    const ShieldGeometry& g = state.geometry;
    int x1 = span.x1, x2 = span.x2;
    const int y = span.y, c = span.tincture;
    if (state.view == OutputView::Shield && (y > g.shieldBottom || y < 0 || x1 < 0)) return;
    if (state.mirrored) {
        // The columns the run covers, x1..last, land at W-1-last..W-1-x1 (a run past the
        // dexter flank is clipped there as it would have been at the sinister).
        const bool throughX2 = IsPlainTincture(c) || c == kProperBrown || c == kCounterchanged;
        const int last = std::max(throughX2 ? x2 : x2 - 1, x1);
        const int from = std::max(g.W - 1 - last, 0), to = g.W - 1 - x1;
        if (to < from) return;
        x1 = from;
        x2 = throughX2 ? to : to + 1;
    }
    if (c != kCounterchanged) StoreCode(state, x1, y, x2, c);
    if (IsPlainTincture(c) || c == kProperBrown) {
        PlotRun(state, x1, y, x2 + 1, c == kProperBrown ? kErmine : c);
    } else if (c == kChequy) {
        PaintChequy(state, x1, y, x2);
    } else if (c == kLozengy) {
        PaintLozengy(state, x1, y, x2);
    } else if (c == kLozengyBendwise) {
        PaintLozengyBendwise(state, x1, y, x2);
    } else if (c == kCounterchanged) {
        PaintCounterchanged(state, x1, y, x2);
    } else {
        PaintPatternSpanPainting(state, x1, y, x2, c, c);
    }
}

void PaintPatternSpan(PaintState& state, int x1, int y, int x2, int code) {
    PaintPatternSpanPainting(state, x1, y, x2, code, state.levelTincture[state.level]);
}

namespace {

void PaintPatternSpanPainting(PaintState& state, int x1, int y, int x2, int code, int painting) {
    if (IsPlainTincture(code) || code == kProperBrown || code == kPlainWhite) {
        const int entry = code == kProperBrown ? kErmine : code == kPlainWhite ? kErmines : code;
        PlotRun(state, x1, y, x2 + 1, entry);
        return;
    }
    int ground = kAzure, pattern = kArgent;
    switch (code) {
        case kErmine: ground = kErmines; pattern = kSable; break;  // entry 9 is white
        case kErmines: ground = kSable; pattern = kErmines; break;
        case kErminois: ground = kOr; pattern = kSable; break;
        case kPean: ground = kSable; pattern = kOr; break;
        case kVaire: ground = state.fieldColor1; pattern = state.fieldColor2; break;
        case kGuttee:
        case kBillettee:
        case kCrusilly: ground = state.fieldColor1; pattern = state.fieldColor2; break;
        case kBezantee: ground = state.fieldColor1; pattern = kOr; break;
        default: break;  // vair and any other code: argent bells on azure
    }
    if (x2 <= x1) x2 = x1 + 1;  // at least one pixel

    // The pattern family follows the tincture being painted, not `code`.
    const int current = painting;
    const bool tiled = current < kVair || (current >= kGuttee && current <= kCrusilly);
    Tile tile = Tile::ErmineSpot;
    if (current == kGuttee) tile = Tile::Guttee;
    else if (current == kBillettee) tile = Tile::Billettee;
    else if (current == kBezantee) tile = Tile::Bezantee;
    else if (current == kCrusilly) tile = state.crusillyFitchy ? Tile::CrusillyFitchy : Tile::Crusilly;
    const ShieldGeometry& g = state.geometry;
    if (g.k != 1.0) {
        // The tiles repeat in design pixels; a finer picture samples them between their pixels
        // (BlendedBit), the row's two design rows blended once for every design column it spans.
        const double Y = DesignCentre(g, y), fy = std::floor(Y), ay = Y - fy;
        const int y0 = static_cast<int>(fy);
        const int first = static_cast<int>(std::floor(DesignCentre(g, x1)));
        const int last = static_cast<int>(std::floor(DesignCentre(g, x2))) + 1;
        std::vector<double> blended(static_cast<std::size_t>(last - first + 1));
        for (int X = first; X <= last; ++X) {
            const double upper = tiled ? TileFlag(tile, X, y0) : VairFlag(X, y0);
            const double lower = tiled ? TileFlag(tile, X, y0 + 1) : VairFlag(X, y0 + 1);
            blended[static_cast<std::size_t>(X - first)] = (1 - ay) * upper + ay * lower;
        }
        // A run ends where the blend crosses one half. Within one design column the blend runs
        // straight between its two ends, so a column whose ends lie on one side is that side
        // whole; runs of such columns are crossed in one step, and only the columns where the
        // blend crosses one half are looked at pixel by pixel.
        auto on = [&](double X) {
            const double fx = std::floor(X), ax = X - fx;
            const auto i = static_cast<std::size_t>(static_cast<int>(fx) - first);
            return (1 - ax) * blended[i] + ax * blended[i + 1] > 0.5;
        };
        const std::size_t columns = blended.size() - 1;
        std::vector<int> side(columns), sameUntil(columns);
        for (std::size_t i = 0; i < columns; ++i) {
            const bool a = blended[i] > 0.5, b = blended[i + 1] > 0.5;
            side[i] = a == b ? static_cast<int>(a) : -1;
        }
        // The first column past i whose side differs from i's.
        for (std::size_t i = columns; i-- > 0;)
            sameUntil[i] = i + 1 < columns && side[i + 1] == side[i] ? sameUntil[i + 1] : static_cast<int>(i) + 1;
        // The first picture column whose centre lies at design position X or past it.
        auto firstColumnFrom = [&](double X) { return static_cast<int>(std::ceil((X + 0.5) * g.k - 0.5)); };
        PlotRuns(state, x1, y, x2, [&](int x) {
            const bool value = on(DesignCentre(g, x));
            int end = x + 1;
            while (end < x2) {
                const double X = DesignCentre(g, end);
                const auto i = static_cast<std::size_t>(static_cast<int>(std::floor(X)) - first);
                if (side[i] == static_cast<int>(value)) {
                    end = std::max(end + 1, firstColumnFrom(first + sameUntil[i]));
                    continue;
                }
                if (on(X) != value) break;
                ++end;
            }
            return CodeRun{value ? pattern : ground, std::min(end, x2)};
        });
        return;
    }
    if (tiled) {
        const int r = ((y % 28) + 28) % 28;
        const int shift = ((y / 28) % 2 != 0) ? 0 : 24;
        if (x2 - x1 > kTileColumns) {
            const PeriodicRow<kTileColumns> row([&](int n) { return TileBit(tile, r, n); });
            PlotRuns(state, x1, y, x2, [&](int x) { return row.RunAt(x, Mod(x + shift, kTileColumns), ground, pattern); });
            return;
        }
        int n = 0, expected = x1 - 1;
        PlotPixels(state, x1, y, x2, [&](int x) {
            n = x == expected ? (n + 1 == 48 ? 0 : n + 1) : (((x + shift) % 48) + 48) % 48;
            expected = x + 1;
            return TileBit(tile, r, n) ? pattern : ground;
        });
    } else {
        const int r = ((y % 16) + 16) % 16;
        const int shift = ((y / 16) % 2 == 0) ? 10 : 0;
        if (x2 - x1 > kVairColumns) {
            const PeriodicRow<kVairColumns> row([&](int n) { return VairBit(r, n); });
            PlotRuns(state, x1, y, x2, [&](int x) { return row.RunAt(x, Mod(x + shift, kVairColumns), ground, pattern); });
            return;
        }
        int n = 0, expected = x1 - 1;
        PlotPixels(state, x1, y, x2, [&](int x) {
            n = x == expected ? (n + 1 == 19 ? 0 : n + 1) : (((x + shift) % 19) + 19) % 19;
            expected = x + 1;
            return VairBit(r, n) ? pattern : ground;
        });
    }
}

}  // namespace

}  // namespace esc
