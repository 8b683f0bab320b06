// Painting a decoded charge picture: scaled, mirrored or turned bendwise or fesswise, each colour index
// painted in a tincture of the current level through the row painter, so one picture serves
// every tincture. Every painted pixel also lands in the image of the picture's layer record.

#include "engine/ChargePicture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace esc {
namespace {

constexpr int kSecondPart = 10, kBody = 11, kDetail = 14;
constexpr double kDegrees = 0.017453292;

struct PicturePoint {
    int x, y;
};

PicturePoint Rotate(int x, int y, int px, int py, double a) {
    const double c = std::cos(a * kDegrees), s = std::sin(a * kDegrees);
    return {static_cast<int>(std::trunc((x - px) * c - (y - py) * s + px)),
            static_cast<int>(std::trunc((x - px) * s + (y - py) * c + py))};
}

// The tincture an index is painted in, with the picture header's overrides for charges in
// their natural colours (tincture code 20).
int TinctureFor(const PaintState& state, const ChargeTinctures& tinctures, int v) {
    const auto& h = state.chargePicture.header;
    const int saved = tinctures.body;
    const bool overrides = h[6] != 0x70;
    auto given = [&](int offset) { return overrides && h[static_cast<std::size_t>(offset)] != 0; };
    auto value = [&](int offset) { return h[static_cast<std::size_t>(offset)] - 1; };
    const int second = tinctures.second;
    if (v == kBody) return saved == kProperBrown && given(6) ? value(6) : saved;
    if (v == kSecondPart) {
        int t = saved == kProperBrown && given(7) ? value(7) : saved;
        if (second >= 0) t = second == kProperBrown ? (given(7) ? value(7) : t) : second;
        return t;
    }
    int t = saved == kProperBrown && given(8) ? value(8) : saved;
    if (tinctures.detail >= 0) t = tinctures.detail == kProperBrown && given(7) ? value(7) : tinctures.detail;
    return t;
}

bool PaintsPixelByPixel(int tincture) {
    return tincture == kPlainWhite || tincture == kCounterchanged || (tincture >= kErmine && tincture <= kPean);
}

// What lies under an outline pixel: a ground the outline is grey over, one it is black over, or
// no pixel of the picture buffer.
enum class OutlineUnder : std::uint8_t { kBlack, kGrey, kOutside };

bool OutlineIsGrey(const PaintState& state, int saved, int under) {
    if (saved == kSable || under == kSable || under == kErmines || under == kPean) return true;
    if (saved != kCounterchanged) return false;
    const auto& n = state.counterchangePair;
    return (under == n[0] && n[1] == kSable) || (under == n[1] && n[0] == kSable);
}

}  // namespace

int PaintChargePicture(PaintState& state, const ChargePaintRequest& request) {
    const ChargePicture& p = state.chargePicture;
    const ShieldGeometry& g = state.geometry;
    const ChargeSpot& spot = request.spot;
    const float s = spot.scale;
    const int px = spot.x, py = spot.y;
    const bool bendwise = spot.turn == ChargeTurn::kBendwise || spot.turn == ChargeTurn::kBendwiseSinister;
    const bool mirror = spot.mirror, flip = spot.flip;
    const bool fesswise = spot.turn == ChargeTurn::kFesswise, turned = bendwise || fesswise;
    const bool turnOther = (p.header[9] != 0) != (spot.turn == ChargeTurn::kBendwiseSinister);

    int width = p.PW, height = p.PH, hw = 0, hh = 0;
    if (bendwise) {
        const int left = px - p.PW / 2, top = py - p.PH / 2;
        const PicturePoint ul{left, top}, ur{left + p.PW, top}, ll{left, top + p.PH}, lr{left + p.PW, top + p.PH};
        const double a = turnOther ? 45 : 315;
        const PicturePoint rul = Rotate(ul.x, ul.y, px, py, a), rur = Rotate(ur.x, ur.y, px, py, a);
        const PicturePoint rll = Rotate(ll.x, ll.y, px, py, a), rlr = Rotate(lr.x, lr.y, px, py, a);
        if (turnOther) {
            height = rlr.y - rul.y;
            width = rur.x - rll.x;
        } else {
            height = rll.y - rur.y;
            width = rlr.x - rul.x;
        }
        hw = width / 2;
        hh = height / 2;
    } else if (fesswise) {
        // A quarter turn: the picture's rows become columns, its top at the left.
        width = p.PH;
        height = p.PW;
        hw = width / 2;
        hh = height / 2;
    }
    height = static_cast<int>(std::trunc(height * static_cast<double>(s)));
    width = static_cast<int>(std::trunc(width * static_cast<double>(s)));
    const int left = px - width / 2, top = py - height / 2;
    state.paintedBox = {};
    if (width <= 0 || height <= 0 || !(s > 0)) return height - 3;
    // The box of what is painted, widened run by run (x1..x2 inclusive on row y).
    int boxLeft = g.W, boxTop = g.H, boxRight = -1, boxBottom = -1;
    auto mark = [&](int x1, int x2, int y) {
        boxLeft = std::min(boxLeft, x1);
        boxRight = std::max(boxRight, x2);
        boxTop = std::min(boxTop, y);
        boxBottom = std::max(boxBottom, y);
    };

    // The layer of this picture, for a sink that listens: its backing and its image on the
    // transparent key colour. Semé charges are strewn, not placed: they get none.
    const int layerIndex = request.layer;
    const bool silhouette = request.tinctures.silhouette >= 0;
    const bool hasLayer = !silhouette && state.layerSink != nullptr && layerIndex >= 0 && layerIndex < kMaxLayers &&
                          SizeIsAcceptable(width, height);
    PlacedLayer layer;
    if (hasLayer) {
        layer.index = layerIndex;
        layer.cx = px;
        layer.cy = py;
        layer.background = state.picture.Copy({left, top, left + width, top + height});
        layer.image = Bitmap(width, height, kTeal);
    }

    // Only rows and columns that can land on the picture are visited, whatever the scale.
    // The picture's first two and last three rows (design pixels) are its margin, left unpainted.
    const int firstRow = std::max(g.Px(2), -top - 1), lastRow = std::min(height - g.Px(3), state.picture.Height() - top + 1);
    // The row painter paints in the level's tincture slot: each run sets it, and it is given
    // back as it was found.
    const int found = state.levelTincture[state.level];
    const int saved = request.tinctures.body;
    // A run that begins left of the picture is painted from its first column on the picture.
    const int columnFrom = mirror ? std::max(0, left + width - g.W - 1) : std::max(0, -left);
    const int columnTo = mirror ? std::min(width, left + width + 1) : std::min(width, g.W - left + 1);
    // The runs of one painted index in each row, kept by the state for this picture, size and
    // turn; a picture too large to keep is read over the rows and columns that land here alone.
    // Whether the outline is grey over each code the picture buffer can hold, found once.
    std::array<bool, 256> greyOver{};
    for (int code = -128; code < 128; ++code) greyOver[static_cast<std::uint8_t>(code)] = OutlineIsGrey(state, saved, code);
    auto outlineGreyAt = [&](int xe, int ye) {
        const long long index = static_cast<long long>(ye) * g.W + xe;
        if (xe < 0 || index < 0 || index >= state.PictureBufferSize()) return OutlineUnder::kOutside;
        return greyOver[static_cast<std::uint8_t>(state.pictureBuffer[static_cast<std::size_t>(index)])] ? OutlineUnder::kGrey
                                                                                                         : OutlineUnder::kBlack;
    };
    const ChargeSpanShape shape{s, spot.turn, turnOther, flip, width, height, hw, hh};
    const ChargeSpans& spans = state.chargeSpans.SpansFor(p, shape, {firstRow, lastRow, columnFrom, columnTo});

    state.layerTarget = {hasLayer ? &layer.image : nullptr, 0, 0, mirror};
    for (int r = std::max(firstRow, spans.rowFrom); r < lastRow && r - spans.rowFrom < static_cast<int>(spans.rows.size()); ++r) {
        const int y = top + r;
        const ChargeSpans::Row& row = spans.rows[static_cast<std::size_t>(r - spans.rowFrom)];
        for (std::uint32_t k = 0; k < row.count; ++k) {
            const ChargeRun& run = spans.runs[row.first + k];
            const int v = run.index;
            const int runEnd = std::min(spans.columnFrom + run.to, columnTo);
            for (int c = std::max(spans.columnFrom + run.from, columnFrom); c < runEnd;) {
                const int x = mirror ? left + width - c : left + c;
                state.layerTarget.lx = c;
                state.layerTarget.ly = r;
                if (v == kBody || v == kSecondPart || v == kDetail || silhouette) {
                    const int tincture = silhouette ? request.tinctures.silhouette : TinctureFor(state, request.tinctures, v);
                    state.levelTincture[state.level] = tincture;
                    if (PaintsPixelByPixel(tincture) || (mirror && (turned || hasLayer))) {
                        PaintSpan(state, x, y, x + 1);
                        mark(x, x, y);
                        ++c;
                    } else if (mirror) {
                        // Leftwards from x: pixel by pixel each column stores its code under
                        // itself and paints itself and the pixel to its right, so one span from
                        // the run's last column stores and paints the same pixels alike.
                        PaintSpan(state, x - (runEnd - c - 1), y, x + 1);
                        mark(x - (runEnd - c - 1), x, y);
                        c = runEnd;
                    } else {
                        PaintSpan(state, x, y, x + (runEnd - c));
                        mark(x, x + (runEnd - c) - 1, y);
                        c = runEnd;
                    }
                    state.levelTincture[state.level] = found;
                    continue;
                }
                // Outline pixels side by side are painted a stretch at a time: black ones as one
                // span (pixel by pixel each stores sable under itself and paints itself and the
                // next) and grey ones as one run (each paints itself alone and stores nothing), so
                // the grey test of a pixel never reads what an earlier pixel of the run stored.
                if (!mirror) {
                    int end = c;
                    const bool grey = outlineGreyAt(left + c, y) == OutlineUnder::kGrey;
                    const OutlineUnder sought = grey ? OutlineUnder::kGrey : OutlineUnder::kBlack;
                    while (end < runEnd && outlineGreyAt(left + end, y) == sought) ++end;
                    if (end > c) {
                        state.layerTarget.lx = c;
                        if (grey) {
                            PlotRun(state, x, y, x + (end - c), kCounterchanged);
                        } else {
                            state.levelTincture[state.level] = kSable;
                            PaintSpan(state, x, y, x + (end - c));
                            state.levelTincture[state.level] = found;
                        }
                        mark(x, x + (end - c) - 1, y);
                        c = end;
                        continue;
                    }
                }
                const long long index = static_cast<long long>(y) * g.W + x;
                if (index >= state.PictureBufferSize()) {
                    state.ShowOnce(state.shownOutOfBounds5, msg::kOutOfBounds5);
                } else if (index >= 0 && x >= 0) {
                    mark(x, x, y);
                    const int under = state.pictureBuffer[static_cast<std::size_t>(index)];
                    if (OutlineIsGrey(state, saved, under)) {
                        PlotRun(state, x, y, x + 1, kCounterchanged);
                    } else {
                        state.levelTincture[state.level] = kSable;
                        PaintSpan(state, x, y, x + 1);
                        state.levelTincture[state.level] = found;
                    }
                }
                ++c;
            }
        }
    }
    state.levelTincture[state.level] = found;
    state.layerTarget = {};
    if (boxRight >= boxLeft && boxBottom >= boxTop)
        state.paintedBox = {std::max(boxLeft, 0), std::max(boxTop, 0), std::min(boxRight + 1, g.W), std::min(boxBottom + 1, g.H)};
    if (hasLayer) state.layerSink->LayerPlaced(std::move(layer));
    return height - 3;
}

int PlaceChargePicture(PaintState& state, const std::string& fileName, const ChargePaintRequest& request) {
    if (!state.pictureLoaded) {
        const int result = ReadGifPicture(state, fileName);
        if (result != 0) return result;
    }
    // At another paint scale the picture read is already that many times its size.
    ChargePaintRequest painted = request;
    painted.spot.scale = request.spot.scale * 0.5f;
    PaintChargePicture(state, painted);
    state.pictureLoaded = true;
    return 0;
}

}  // namespace esc
