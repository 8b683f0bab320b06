// The base and the fess enarched: the pixels between the arch and the arch moved down by the
// ordinary's breadth (to the foot of the shield for the base), row by row.

#include "engine/Enarched.h"

#include <algorithm>
#include <cmath>

#include "engine/OrdinaryShapes.h"

namespace esc {

double ArchRow(const ShieldGeometry& g, double foot, double rise, double x) {
    if (rise <= 0) return foot;
    const double half = g.W / 2.0, radius = (half * half + rise * rise) / (2 * rise);
    const double dx = std::min(std::abs(x - half), half);
    return foot - (std::sqrt(radius * radius - dx * dx) - (radius - rise));
}

bool DrawnEnarched(const PaintState& s) {
    return s.CurrentLevel().levelVariant.view() == kEnarchedVariant && (s.shapeCode == kFess || s.shapeCode == kBase);
}

void DrawEnarched(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const double rise = g.H * kEnarchedRisePercent / 100.0;
    const bool base = s.shapeCode == kBase;
    // The fess keeps its usual edges at the flanks; the base its usual upper edge.
    const double foot = base ? shapes::BaseUpperEdge(g) : g.H / 2.0 - g.chiefDepth / 2.0;
    const double depth = base ? g.shieldBottom + 1.0 : g.chiefDepth;
    const int top = static_cast<int>(std::floor(foot - rise)), bottom = base ? g.shieldBottom : static_cast<int>(std::ceil(foot + depth));
    for (int y = std::max(top, 0); y <= bottom; ++y) {
        int start = -1;
        for (int x = 0; x <= g.W; ++x) {
            bool in = false;
            if (x < g.W) {
                const double arch = ArchRow(g, foot, rise, x + 0.5), row = y + 0.5;
                in = row >= arch && row < arch + depth;
            }
            if (in && start < 0) start = x;
            if (!in && start >= 0) {
                PaintSpan(s, start, y, x - 1);
                start = -1;
            }
        }
    }
}

}  // namespace esc
