#pragma once
// How a surface lies, found from its mask: a band along an axis (a bend, a pale, the two limbs of
// a chevron), a ring round the shield (a bordure, an orle), or broad (the field, a canton). The
// pieces of compony, counter-compony and chequy follow it.

#include <array>
#include <vector>

#include "engine/SurfaceFill.h"

namespace esc::surface {

// What the whole surface says about laying compony, counter-compony and chequy.
// A band: its mean, its long axis, and the extent of the local coordinates s (along) and t
// (across); how many times as far it spreads along as across (in variance).
struct BandFrame {
    double mx = 0, my = 0, ux = 1, uy = 0, smin = 0, tmin = 0, length = 1, breadth = 1;
    double elongation = 0;
};

struct Lay {
    SurfaceLay kind = SurfaceLay::Broad;
    // Band: one frame, or two when the surface is two bands meeting at its middle column (the
    // limbs of a chevron), the dexter one first.
    std::array<BandFrame, 2> bands;
    int limbs = 1;
    // Ring: the box's centre and, per row and per column, the first and last mask pixel.
    double cx = 0, cy = 0;
    std::vector<int> rowFirst, rowLast, columnFirst, columnLast;
    // Broad: the breadth of the limbs and where a square of the grid starts.
    double limb = 1, x0 = 0, y0 = 0;
    Rect box;
    double k = 1.0;  // picture pixels to a design pixel
    // Ring: the bordure along the shield's edge, when the request gives it.
    const EdgeRing* edge = nullptr;
};

// How the surface of mask `m` lies; `asked` Find decides between a band and broad.
Lay MakeLay(const SurfaceMask& m, SurfaceLay asked);

}  // namespace esc::surface
