#pragma once
// The bordure as armory cuts it into panes: a band of even breadth along the shield's edge, its
// inner edge parallel to the outer one down the flanks and round the base, each pixel knowing how
// far round the edge it lies and how deep in from it. Panes cut at equal steps round the edge are
// then square across the band wherever it runs.

#include <vector>

#include "engine/ShieldGeometry.h"
#include "engine/SurfaceFill.h"

namespace esc {

// A closed line round the shield's edge, and the distance round it to each of its points. Its
// segments are filed by the square cells of a grid they cross, so that the point of the line
// nearest a pixel is found among the few segments near it rather than along the whole line.
class EdgeLine {
public:
    EdgeLine() = default;
    EdgeLine(std::vector<double> xs, std::vector<double> ys);

    // The distance round the line to the point of it nearest (x, y) (the first segment's where
    // two are as near).
    double AlongTo(double x, double y) const;
    double Length() const { return at_.empty() ? 0.0 : at_.back(); }
    std::size_t Points() const { return x_.size(); }
    double X(std::size_t i) const { return x_[i]; }
    double Y(std::size_t i) const { return y_[i]; }

private:
    // The squared distance from (x, y) to segment i, and the distance round the line to its
    // nearest point of the segment.
    double SegmentDistance2(std::size_t i, double x, double y, double& along) const;
    double AlongToByEverySegment(double x, double y) const;

    std::vector<double> x_, y_, at_;
    double cellLeft_ = 0, cellTop_ = 0, cellSide_ = 1;
    int columns_ = 0, rows_ = 0;
    // Cell c's segments are cellSegments_[cellStart_[c] .. cellStart_[c + 1]).
    std::vector<int> cellStart_, cellSegments_;
};

// One row of the picture as a ring sees it: the shield's inside, [first, last] (none when first
// > last), and the stretches of it near enough the edge to hold ring pixels, [first, leftEnd)
// and [rightStart, last] (one stretch, the whole inside, when leftEnd reaches rightStart).
struct EdgeRingRow {
    int first = 0, last = -1, leftEnd = 0, rightStart = 0;
};

struct EdgeRing {
    // The ring's pixels.
    SurfaceMask mask;
    // Per row of mask.box: where the ring's pixels can lie (every one of them is in a stretch).
    std::vector<EdgeRingRow> rows;
    // Per pixel of mask.box, row by row: the distance round the outer edge, clockwise as seen,
    // from the middle of the top edge to the point nearest the pixel; and the pixel's depth in
    // from that edge. Outside the ring both are 0.
    std::vector<float> along, depth;
    double length = 1;   // the outer edge's whole length
    double breadth = 1;  // the ring's breadth, in picture pixels
    // The outer edge as a closed line from the top middle, clockwise as seen.
    EdgeLine edge;

    // The distance round the outer edge to the point of it nearest (x, y): unlike `along`, which
    // each pixel takes from its nearest outside pixel, it runs smoothly from pixel to pixel.
    double AlongEdge(double x, double y) const { return edge.AlongTo(x, y); }

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y - mask.box.top) * static_cast<std::size_t>(mask.box.Width()) +
               static_cast<std::size_t>(x - mask.box.left);
    }
};

// Whether the picture pixel (x, y) lies inside the shield's outline (the outline's own pen is
// outside). The base follows the bounds the outline left in g.
bool InsideShield(const ShieldGeometry& g, int x, int y);

// The bordure of `breadth` picture pixels along the shield of geometry g (its base bounds as the
// outline last drew them).
EdgeRing BordureRing(const ShieldGeometry& g, int breadth);

}  // namespace esc
