// The line round the shield's edge, with its segments filed by grid cell. A pixel's nearest point
// of the line is searched for cell ring by cell ring outward from the pixel's own cell, and the
// search stops once every cell not yet read lies farther than the nearest point found.

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/BordureRing.h"

namespace esc {
namespace {

// About this many cells along the line's whole length: a pixel of a bordure finds its nearest
// segment within a cell or two of its own.
constexpr double kEdgeLineCellsRound = 48.0;
constexpr double kEdgeLineSmallestCell = 4.0;

}  // namespace

EdgeLine::EdgeLine(std::vector<double> xs, std::vector<double> ys) : x_(std::move(xs)), y_(std::move(ys)) {
    y_.resize(x_.size());
    at_.assign(x_.size(), 0.0);
    for (std::size_t i = 1; i < x_.size(); ++i) at_[i] = at_[i - 1] + std::hypot(x_[i] - x_[i - 1], y_[i] - y_[i - 1]);
    if (x_.size() < 2) return;
    const auto [left, right] = std::minmax_element(x_.begin(), x_.end());
    const auto [top, bottom] = std::minmax_element(y_.begin(), y_.end());
    cellSide_ = std::max(kEdgeLineSmallestCell, std::ceil(Length() / kEdgeLineCellsRound));
    cellLeft_ = std::floor(*left) - 1;
    cellTop_ = std::floor(*top) - 1;
    columns_ = static_cast<int>((*right + 1 - cellLeft_) / cellSide_) + 1;
    rows_ = static_cast<int>((*bottom + 1 - cellTop_) / cellSide_) + 1;
    // Each segment in every cell its bounding box touches: a cell holds every segment with a
    // point in it.
    const auto cellSpan = [&](std::size_t i, int& c0, int& c1, int& r0, int& r1) {
        c0 = static_cast<int>(std::floor((std::min(x_[i], x_[i + 1]) - cellLeft_) / cellSide_));
        c1 = static_cast<int>(std::floor((std::max(x_[i], x_[i + 1]) - cellLeft_) / cellSide_));
        r0 = static_cast<int>(std::floor((std::min(y_[i], y_[i + 1]) - cellTop_) / cellSide_));
        r1 = static_cast<int>(std::floor((std::max(y_[i], y_[i + 1]) - cellTop_) / cellSide_));
    };
    const std::size_t cells = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    cellStart_.assign(cells + 1, 0);
    int c0 = 0, c1 = 0, r0 = 0, r1 = 0;
    for (std::size_t i = 0; i + 1 < x_.size(); ++i) {
        cellSpan(i, c0, c1, r0, r1);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) ++cellStart_[static_cast<std::size_t>(r) * columns_ + c + 1];
    }
    for (std::size_t c = 0; c < cells; ++c) cellStart_[c + 1] += cellStart_[c];
    cellSegments_.resize(static_cast<std::size_t>(cellStart_.back()));
    std::vector<int> filled(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i + 1 < x_.size(); ++i) {
        cellSpan(i, c0, c1, r0, r1);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                cellSegments_[static_cast<std::size_t>(filled[static_cast<std::size_t>(r) * columns_ + c]++)] = static_cast<int>(i);
    }
}

double EdgeLine::SegmentDistance2(std::size_t i, double x, double y, double& along) const {
    const double ax = x_[i], ay = y_[i], dx = x_[i + 1] - ax, dy = y_[i + 1] - ay;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0.0;
    const double qx = ax + t * dx - x, qy = ay + t * dy - y;
    along = at_[i] + t * (at_[i + 1] - at_[i]);
    return qx * qx + qy * qy;
}

double EdgeLine::AlongToByEverySegment(double x, double y) const {
    double best = std::numeric_limits<double>::max(), along = 0, here = 0;
    for (std::size_t i = 0; i + 1 < x_.size(); ++i) {
        const double d = SegmentDistance2(i, x, y, here);
        if (d < best) {
            best = d;
            along = here;
        }
    }
    return along;
}

double EdgeLine::AlongTo(double x, double y) const {
    const double fx = (x - cellLeft_) / cellSide_, fy = (y - cellTop_) / cellSide_;
    // A point off the grid (far from the line) reads every segment.
    if (columns_ == 0 || !(fx >= 0 && fy >= 0 && fx < columns_ && fy < rows_)) return AlongToByEverySegment(x, y);
    const int cx = static_cast<int>(fx), cy = static_cast<int>(fy);
    double best = std::numeric_limits<double>::max(), along = 0, here = 0;
    std::size_t bestSegment = std::numeric_limits<std::size_t>::max();
    const auto readCell = [&](int c, int r) {
        if (c < 0 || r < 0 || c >= columns_ || r >= rows_) return;
        const std::size_t cell = static_cast<std::size_t>(r) * columns_ + c;
        for (int k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
            const auto i = static_cast<std::size_t>(cellSegments_[static_cast<std::size_t>(k)]);
            const double d = SegmentDistance2(i, x, y, here);
            // As near as the best: the first segment round the line wins, as reading them in turn.
            if (d < best || (d == best && i < bestSegment)) {
                best = d;
                bestSegment = i;
                along = here;
            }
        }
    };
    // A margin for rounding in the squared distances.
    constexpr double kEdgeLineSlack = 1e-3;
    for (int ring = 0;; ++ring) {
        if (ring == 0) {
            readCell(cx, cy);
        } else {
            for (int c = cx - ring; c <= cx + ring; ++c) {
                readCell(c, cy - ring);
                readCell(c, cy + ring);
            }
            for (int r = cy - ring + 1; r <= cy + ring - 1; ++r) {
                readCell(cx - ring, r);
                readCell(cx + ring, r);
            }
        }
        // Every segment not read lies wholly in cells past the square read so far, at least as
        // far from (x, y) as the square's nearest side that has cells beyond it.
        double reach = std::numeric_limits<double>::max();
        bool beyond = false;
        const auto side = [&](bool cellsPast, double distance) {
            if (!cellsPast) return;
            reach = std::min(reach, distance);
            beyond = true;
        };
        side(cx - ring > 0, x - (cellLeft_ + (cx - ring) * cellSide_));
        side(cx + ring < columns_ - 1, cellLeft_ + (cx + ring + 1) * cellSide_ - x);
        side(cy - ring > 0, y - (cellTop_ + (cy - ring) * cellSide_));
        side(cy + ring < rows_ - 1, cellTop_ + (cy + ring + 1) * cellSide_ - y);
        if (!beyond) break;
        reach -= kEdgeLineSlack;
        if (reach > 0 && best < reach * reach) break;
    }
    return along;
}

}  // namespace esc
