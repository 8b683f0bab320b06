// Fitting a charge to the room left round the charges and the ordinary before it (see the header).

#include "interpret/layout/FillTheSpace.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string_view>

#include "interpret/layout/FitLayout.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// Kept clear between a charge's drawing and the outline, the ordinary or another charge.
constexpr int kFillRoomMargin = 8;
// Heights tried two pixels apart; the scale found to a hundredth.
constexpr int kHeightStep = 2;
constexpr float kFillScalePrecision = 0.01f;
// A roundel's radius at scale 1 (as its disc is painted), and a picture's pixels painted at half size.
constexpr float kFillRoundelRadius = 55.0f;
constexpr float kFillPaintedShare = 0.5f;
constexpr float kDiagonal = 0.7071f;  // a turn of 45 degrees

// Whether every pixel of x1..x2, y1..y2 (inclusive) is free in the space: squares of the shorter
// side laid along the longer one, the last flush with the far end.
bool RectFree(const FreeSpace& space, int x1, int y1, int x2, int y2) {
    const int w = x2 - x1 + 1, h = y2 - y1 + 1;
    const int side = std::min(w, h);
    if (side < 1) return false;
    const bool wide = w >= h;
    const int length = wide ? w : h;
    for (int along = 0;; along += side) {
        const int at = std::min(along, length - side);
        const int left = wide ? x1 + at : x1, top = wide ? y1 : y1 + at;
        if (!space.BoxFree(left + side / 2, top + side / 2, side)) return false;
        if (at == length - side) return true;
    }
}

bool Overlaps(const Rect& a, int x1, int y1, int x2, int y2) {
    return a.Width() > 0 && a.Height() > 0 && x1 < a.right && a.left <= x2 && y1 < a.bottom && a.top <= y2;
}

}  // namespace

bool CurrentDrawnReach(DrawingState& s, DrawnReach& reach) { return DrawnReachTurned(s, WordsTurn(s), reach); }

bool DrawnReachTurned(DrawingState& s, ChargeTurn turn, DrawnReach& reach) {
    const LevelRecord& level = phrase::Current(s);
    if (level.levelKind == 0) return false;
    if (level.levelKind == kTypeRoundel) {
        reach = {kFillRoundelRadius, kFillRoundelRadius};
        return true;
    }
    PictureExtent e;
    if (!LevelPictureExtent(s, e)) return false;
    // Measured both ways from the picture's centre, the farther side: the painter may mirror it
    // or turn it upside down.
    const float cx = static_cast<float>(e.width) / 2, cy = static_cast<float>(e.height) / 2;
    reach.across = std::max(cx - static_cast<float>(e.firstColumn), static_cast<float>(e.lastColumn + 1) - cx) * kFillPaintedShare;
    reach.upDown = std::max(cy - static_cast<float>(e.firstRow), static_cast<float>(e.lastRow + 1) - cy) * kFillPaintedShare;
    if (turn == ChargeTurn::kFesswise) std::swap(reach.across, reach.upDown);
    if (turn == ChargeTurn::kBendwise || turn == ChargeTurn::kBendwiseSinister) reach.across = reach.upDown = (reach.across + reach.upDown) * kDiagonal;
    return reach.across > 0 && reach.upDown > 0;
}

Rect PaintedBoxOfPlaced(const DrawingState& s, int skip, int count) {
    Rect box;
    if (skip < 0 || count < 1 || skip + count > s.ringWritten) return box;
    for (int k = 0; k < count; ++k) {
        const int at = ((s.ringNext - 1 - skip - k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
        const Rect& d = s.placementRing[static_cast<std::size_t>(at)].drawn;
        if (d.Width() <= 0 || d.Height() <= 0) continue;
        if (box.Width() <= 0) {
            box = d;
            continue;
        }
        box = {std::min(box.left, d.left), std::min(box.top, d.top), std::max(box.right, d.right), std::max(box.bottom, d.bottom)};
    }
    return box;
}

float LargestScaleAt(DrawingState& s, const FreeSpace& space, int x, int y, std::span<const Rect> taken,
                     const std::function<bool(const Rect&)>& allowed, float largest) {
    DrawnReach reach;
    if (!CurrentDrawnReach(s, reach)) return 0.0f;
    const auto fits = [&](float scale) {
        const int across = static_cast<int>(std::ceil(reach.across * scale)) + s.geometry.Px(kFillRoomMargin);
        const int upDown = static_cast<int>(std::ceil(reach.upDown * scale)) + s.geometry.Px(kFillRoomMargin);
        const int x1 = x - across, y1 = y - upDown, x2 = x + across, y2 = y + upDown;
        if (!allowed(Rect{x1, y1, x2 + 1, y2 + 1}) || !RectFree(space, x1, y1, x2, y2)) return false;
        for (const Rect& t : taken)
            if (Overlaps(t, x1, y1, x2, y2)) return false;
        return true;
    };
    if (!fits(kMinChargeScale)) return 0.0f;
    if (fits(largest)) return largest;
    float low = kMinChargeScale, high = largest;
    while (high - low > kFillScalePrecision) {
        const float mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return low;
}

bool CurrentDrawingIsLong(DrawingState& s) {
    DrawnReach reach;
    if (!CurrentDrawnReach(s, reach)) return false;
    return reach.across >= kLongDrawing * reach.upDown || reach.upDown >= kLongDrawing * reach.across;
}

namespace {

// Whether the words before the article or number at `at` lay what follows over all before it:
// "over all", "overall", "surmounted of/by/with", "debruised by".
bool OrdinaryNamedOverAll(const DrawingState& s, int at) {
    const auto word = [&](int k) { return k >= 0 ? s.Word(k) : std::string_view{}; };
    const std::string_view before = word(at - 1), verb = word(at - 2);
    if (EqualsIgnoringCase(before, "overall")) return true;
    if (EqualsIgnoringCase(before, "all")) return EqualsIgnoringCase(verb, "over");
    if (EqualsIgnoringCase(before, "by")) return EqualsIgnoringCase(verb, "surmounted") || EqualsIgnoringCase(verb, "debruised");
    if (EqualsIgnoringCase(before, "of") || EqualsIgnoringCase(before, "with")) return EqualsIgnoringCase(verb, "surmounted");
    return false;
}

}  // namespace

bool RoomLeftByLaterEdges(const DrawingState& s, int& top) {
    // Pieces at the edge, and charges or cotises set round them ("in bend between two cotises").
    constexpr std::string_view kEdgePieces[] = {"bordure", "orle",   "tressure", "canton", "quarter",
                                                "escutcheon", "within", "between", "cotis"};
    const auto startsWith = [](std::string_view word, std::string_view start) {
        return word.size() >= start.size() && EqualsIgnoringCase(word.substr(0, start.size()), start);
    };
    top = 0;
    for (int i = std::max(s.levelFirstWord, 0); i < s.wordCount; ++i) {
        for (std::string_view piece : kEdgePieces)
            if (startsWith(s.Word(i), piece)) return false;
        if (startsWith(s.Word(i), "chief")) {
            // A chief the charges are already pressed below (the drawing state's room top) leaves
            // them the whole of that room.
            top = s.roomTop > 0 ? 0 : s.geometry.chiefDepth + s.geometry.Px(kFillRoomMargin);
        } else if (s.Type(i) == kTypeOrdinary && i > s.levelFirstWord + 1 &&
                   (EqualsIgnoringCase(s.Word(i - 1), "a") || EqualsIgnoringCase(s.Word(i - 1), "an") ||
                    s.Type(i - 1) == kTypeNumber)) {
            // "a bendlet", "two bendlets": drawn over them later ("paly" is their own). One named
            // as lying over them ("surmounted of a fess", "over all a bend") leaves them their
            // room: they grow and show beyond it, where kept to their cells it could hide them.
            if (!OrdinaryNamedOverAll(s, i - 1)) return false;
        }
    }
    return true;
}

float LargestCommonScale(DrawingState& s, const FreeSpace& space, std::span<const std::pair<int, int>> spots, float from,
                         float largest, int top) {
    DrawnReach reach;
    if (spots.empty() || !CurrentDrawnReach(s, reach)) return from;
    const auto fits = [&](float scale) {
        const int across = static_cast<int>(std::ceil(reach.across * scale)) + s.geometry.Px(kFillRoomMargin);
        const int upDown = static_cast<int>(std::ceil(reach.upDown * scale)) + s.geometry.Px(kFillRoomMargin);
        for (std::size_t i = 0; i < spots.size(); ++i) {
            const auto [x, y] = spots[i];
            if (y - upDown < top) return false;
            if (!RectFree(space, x - across, y - upDown, x + across, y + upDown)) return false;
            // Each box holds its margin, so boxes that do not overlap keep two margins apart.
            for (std::size_t j = 0; j < i; ++j)
                if (std::abs(spots[j].first - x) <= 2 * across && std::abs(spots[j].second - y) <= 2 * upDown) return false;
        }
        return true;
    };
    if (!fits(from)) return from;
    if (fits(largest)) return largest;
    float low = from, high = largest;
    while (high - low > kFillScalePrecision) {
        const float mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return low;
}

std::function<bool(const Rect&)> InTheFieldPartAt(const DrawingState& s, int x, int y) {
    const int w = s.picture.Width(), h = s.picture.Height();
    const std::size_t size = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (x < 0 || y < 0 || x >= w || y >= h || s.pictureBuffer.size() < size) return [](const Rect&) { return false; };
    const std::int8_t code = s.pictureBuffer[static_cast<std::size_t>(y) * w + x];
    // A prefix sum of the pixels of that tincture answers each box at once.
    auto sums = std::make_shared<std::vector<int>>(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    const auto at = [w](int px, int py) { return static_cast<std::size_t>(py) * (w + 1) + px; };
    // Row by row: the row's running count added to the sums above.
    for (int py = 0; py < h; ++py) {
        const std::int8_t* row = s.pictureBuffer.data() + static_cast<std::size_t>(py) * w;
        const int* above = sums->data() + at(1, py);
        int* here = sums->data() + at(1, py + 1);
        int count = 0;
        for (int px = 0; px < w; ++px) {
            count += row[px] == code ? 1 : 0;
            here[px] = above[px] + count;
        }
    }
    return [sums, at, w, h](const Rect& r) {
        if (r.left < 0 || r.top < 0 || r.right > w || r.bottom > h || r.Width() <= 0 || r.Height() <= 0) return false;
        const int count = (*sums)[at(r.right, r.bottom)] - (*sums)[at(r.left, r.bottom)] - (*sums)[at(r.right, r.top)] +
                          (*sums)[at(r.left, r.top)];
        return count == r.Width() * r.Height();
    };
}

std::vector<Rect> PaintedBoxesSoFar(const DrawingState& s) {
    std::vector<Rect> boxes;
    for (int k = 0; k < s.ringWritten; ++k) {
        const Rect box = PaintedBoxOfPlaced(s, k, 1);
        if (box.Width() > 0) boxes.push_back(box);
    }
    return boxes;
}

RoomFit LargestRowInRoom(DrawingState& s, const FreeSpace& space, std::span<const int> xs, int band, Rect room,
                         std::span<const Rect> taken, float largest) {
    DrawnReach reach;
    if (xs.empty() || !CurrentDrawnReach(s, reach)) return {};
    const auto fits = [&](int y, float scale) {
        const int across = static_cast<int>(std::ceil(reach.across * scale)) + s.geometry.Px(kFillRoomMargin);
        const int upDown = static_cast<int>(std::ceil(reach.upDown * scale)) + s.geometry.Px(kFillRoomMargin);
        const int margin = s.geometry.Px(kFillRoomMargin);
        for (const int x : xs) {
            const int x1 = x - across, y1 = y - upDown, x2 = x + across, y2 = y + upDown;
            if (x2 - x1 + 1 > band + 2 * margin) return false;
            if (x1 < room.left - margin || x2 >= room.right + margin || y1 < room.top - margin || y2 >= room.bottom + margin)
                return false;
            if (!RectFree(space, x1, y1, x2, y2)) return false;
            for (const Rect& t : taken)
                if (Overlaps(t, x1, y1, x2, y2)) return false;
        }
        return true;
    };
    // The largest scale at each height, then the middle of the heights that reach the best.
    std::vector<std::pair<int, float>> found;
    float best = 0.0f;
    for (int y = room.top; y < room.bottom; y += kHeightStep) {
        if (!fits(y, kMinChargeScale)) continue;
        float low = kMinChargeScale, high = largest;
        if (fits(y, high)) {
            low = high;
        } else {
            while (high - low > kFillScalePrecision) {
                const float mid = (low + high) / 2;
                (fits(y, mid) ? low : high) = mid;
            }
        }
        found.emplace_back(y, low);
        best = std::max(best, low);
    }
    if (found.empty()) return {};
    int first = -1, last = -1;
    for (const auto& [y, scale] : found) {
        if (scale < best - kFillScalePrecision) continue;
        if (first < 0) first = y;
        last = y;
    }
    // Of the heights that hold the best, the one nearest the middle of them: centred in its room.
    const int middle = (first + last) / 2;
    RoomFit fit;
    for (const auto& [y, scale] : found) {
        if (scale < best - kFillScalePrecision) continue;
        if (fit.scale == 0.0f || std::abs(y - middle) < std::abs(fit.y - middle)) fit = {y, scale};
    }
    return fit;
}

}  // namespace esc
