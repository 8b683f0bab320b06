#pragma once
// The bordure as armory cuts it into panes: a band of even breadth along the shield's edge, its
// inner edge parallel to the outer one down the flanks and round the base, each pixel knowing how
// far round the edge it lies and how deep in from it. Panes cut at equal steps round the edge are
// then square across the band wherever it runs.

#include <vector>

#include "engine/ShieldGeometry.h"
#include "engine/SurfaceFill.h"

namespace esc {

struct EdgeRing {
    // The ring's pixels.
    SurfaceMask mask;
    // Per pixel of mask.box, row by row: the distance round the outer edge, clockwise as seen,
    // from the middle of the top edge to the point nearest the pixel; and the pixel's depth in
    // from that edge. Outside the ring both are 0.
    std::vector<float> along, depth;
    double length = 1;   // the outer edge's whole length
    double breadth = 1;  // the ring's breadth, in picture pixels
    // The outer edge as a closed line from the top middle, clockwise as seen, and the distance
    // round it to each of its points.
    std::vector<double> edgeX, edgeY, edgeAt;

    // The distance round the outer edge to the point of it nearest (x, y): unlike `along`, which
    // each pixel takes from its nearest outside pixel, it runs smoothly from pixel to pixel.
    double AlongEdge(double x, double y) const;

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
