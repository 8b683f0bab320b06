#include "interpret/layout/ChargeSilhouette.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Painter.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

constexpr int kRowStep = 2;                // a drawing's rows and columns read this far apart
constexpr int kRimPoints = 48;             // points round a roundel's rim
constexpr float kDiscRadius = 55.0f;       // as a roundel's disc is painted at scale 1
constexpr float kPaintedAtScaleOne = 0.5f; // a picture's pixels painted at scale 1
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
// The turns the painter gives a picture bendwise (either way) and fesswise, in degrees.
constexpr double kTurnBendwise = 39, kTurnBendwiseOther = 311, kTurnFesswise = 90;

}  // namespace

bool CurrentSilhouette(DrawingState& s, ChargeTurn turn, bool mirrored, ChargeSilhouette& out) {
    const LevelRecord& level = phrase::Current(s);
    out = {};
    if (level.levelKind == kTypeRoundel) {
        for (int k = 0; k < kRimPoints; ++k) {
            const double a = 2 * 3.14159265358979323846 * k / kRimPoints;
            out.points.emplace_back(static_cast<float>(kDiscRadius * std::cos(a)), static_cast<float>(kDiscRadius * std::sin(a)));
        }
        out.halfAlongU = out.halfAlongV = kDiscRadius;
        return true;
    }
    const bool loaded = s.pictureLoaded;
    PictureExtent extent;
    const bool known = LevelPictureExtent(s, extent);
    s.pictureLoaded = loaded;
    if (!known) return false;
    const ChargePicture& p = s.chargePicture;
    const auto drawn = [&p](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(p.PW) + static_cast<std::size_t>(x);
        return at < p.buffer.size() && IsDrawnIndex(p.buffer[at]);
    };
    double degrees = 0;
    if (turn == ChargeTurn::kBendwise || turn == ChargeTurn::kBendwiseSinister) {
        degrees = (p.header[9] != 0) != (turn == ChargeTurn::kBendwiseSinister) ? kTurnBendwiseOther : kTurnBendwise;
    } else if (turn == ChargeTurn::kFesswise) {
        degrees = kTurnFesswise;
    }
    const double cb = std::cos(degrees * kRadiansPerDegree), sb = std::sin(degrees * kRadiansPerDegree);
    const bool mirror = mirrored != s.sinisterCharges, flip = s.reversedCharges;
    const double cx = p.PW / 2.0, cy = p.PH / 2.0;
    // A picture offset (ex, ey) from its centre is painted at (cb ex + sb ey, -sb ex + cb ey).
    const auto add = [&](int x, int y) {
        const double ex = x + 0.5 - cx, ey = y + 0.5 - cy;
        double dx = cb * ex + sb * ey, dy = -sb * ex + cb * ey;
        if (mirror) dx = -dx;
        if (flip) dy = -dy;
        out.points.emplace_back(static_cast<float>(dx * kPaintedAtScaleOne), static_cast<float>(dy * kPaintedAtScaleOne));
        out.halfAlongU = std::max(out.halfAlongU, static_cast<float>(std::abs(ex) * kPaintedAtScaleOne));
        out.halfAlongV = std::max(out.halfAlongV, static_cast<float>(std::abs(ey) * kPaintedAtScaleOne));
    };
    // Each row and column is read from both ends inwards to its first drawn pixel: the middle,
    // most of a drawing, is never read.
    for (int y = extent.firstRow; y <= extent.lastRow; y += kRowStep) {
        int first = extent.firstColumn;
        while (first <= extent.lastColumn && !drawn(first, y)) ++first;
        if (first > extent.lastColumn) continue;
        int last = extent.lastColumn;
        while (!drawn(last, y)) --last;
        add(first, y);
        add(last, y);
    }
    for (int x = extent.firstColumn; x <= extent.lastColumn; x += kRowStep) {
        int first = extent.firstRow;
        while (first <= extent.lastRow && !drawn(x, first)) ++first;
        if (first > extent.lastRow) continue;
        int last = extent.lastRow;
        while (!drawn(x, last)) --last;
        add(x, first);
        add(x, last);
    }
    out.ux = static_cast<float>(mirror ? -cb : cb);
    out.uy = static_cast<float>(flip ? sb : -sb);
    out.vx = static_cast<float>(mirror ? -sb : sb);
    out.vy = static_cast<float>(flip ? -cb : cb);
    return !out.points.empty();
}

}  // namespace esc
