// Region fill through the crossing table: shapes trace the edges of a convex area, recording
// per row where the edges cross it, and FillCrossings paints each row between the two columns.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Painter.h"

namespace esc {
namespace {

Crossing* RowOf(PaintState& state, int y) {
    if (y < 0 || y >= state.CrossingRows() || y > state.geometry.shieldBottom) return nullptr;
    return &state.crossings[static_cast<std::size_t>(y)];
}

// The insertion rule shared by AddCrossing and TraceEdge.
void Insert(Crossing& row, int x) {
    if (row.first == -1) {
        row.first = x;
    } else if (x > row.first) {
        row.second = x;
    } else {
        if (row.first > row.second) row.second = row.first;
        row.first = x;
    }
}

// Walks a straight edge, calling record(x, y) once per row it reaches (see TraceEdge).
template <typename Record>
void WalkEdge(int x1, int y1, int x2, int y2, Record record) {
    const int adx = std::abs(x2 - x1), ady = std::abs(y2 - y1);
    const int sx = x2 > x1 ? 1 : (x2 < x1 ? -1 : 0), sy = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
    const int n = std::max(adx, ady);
    int x = x1, y = y1, ex = 0, ey = 0, last = -1;
    for (int i = 0; i <= n; ++i) {
        bool moved = false;
        ex += adx;
        if (ex > n) { ex -= n; x += sx; moved = true; }
        ey += ady;
        if (ey > n) { ey -= n; y += sy; moved = true; }
        if (y1 == 0 && i == 0) moved = true;
        if (moved && y != last) {
            last = y;
            record(x, y);
        }
    }
}

}  // namespace

void ResetCrossings(PaintState& state) {
    const int rows = std::min(state.geometry.shieldBottom + 1, state.CrossingRows());
    std::fill_n(state.crossings.begin(), std::max(rows, 0), Crossing{});
}

void AddCrossing(PaintState& state, int x, int y) {
    if (y < 0 || y >= state.geometry.shieldBottom) return;
    if (Crossing* row = RowOf(state, y)) Insert(*row, std::max(x, 0));
}

void TraceEdge(PaintState& state, int x1, int y1, int x2, int y2) {
    const int W = state.geometry.W, bottom = state.geometry.shieldBottom;
    WalkEdge(x1, y1, x2, y2, [&](int x, int y) {
        if (y < 0 || y >= bottom) return;
        if (Crossing* row = RowOf(state, y)) Insert(*row, x < 0 ? 0 : (x > W ? W + 1 : x));
    });
}

void TraceEdgeWindow(PaintState& state, int x1, int y1, int x2, int y2) {
    const int W = state.geometry.W, bottom = state.geometry.shieldBottom;
    const int left = state.imageLeft, top = state.imageTop;
    WalkEdge(x1 - left, y1 - top, x2 - left, y2 - top, [&](int x, int y) {
        if (y < 0 || y >= bottom) return;
        Crossing* row = RowOf(state, y);
        if (row == nullptr) return;
        const int column = x < 0 ? 0 : (x > W ? W - 1 : x);
        if (row->first == -1) {
            row->first = column;
        } else if (column > row->first) {
            row->second = column;
        } else if (row->first > row->second) {
            row->second = row->first;
            row->first = column;
        }
    });
}

void TracePoints(PaintState& state, int x1, int y1, int x2, int y2, int length, int angle) {
    if (length != 0) {
        const double radians = angle * 0.017453292;
        x2 = static_cast<int>(std::trunc(x1 + length * std::cos(radians)));
        y2 = static_cast<int>(std::trunc(y1 - length * std::sin(radians)));
    }
    const int adx = std::abs(x2 - x1), ady = std::abs(y2 - y1);
    if ((adx > ady && x1 > x2) || (ady > adx && y1 > y2)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (adx > ady) {
        const int step = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
        int y = y1, e = 0;
        for (int x = x1; x <= x2; ++x) {
            if (e >= adx) { e -= adx; y += step; }
            AddCrossing(state, x, y);
            e += ady;
        }
    } else {
        const int step = x2 > x1 ? 1 : (x2 < x1 ? -1 : 0);
        int x = x1, e = 0;
        for (int y = y1; y <= y2; ++y) {
            if (e >= ady) { e -= ady; x += step; }
            AddCrossing(state, x, y);
            e += adx;
        }
    }
}

void FillCrossings(PaintState& state) {
    const int last = std::min(state.geometry.shieldBottom - 2, state.CrossingRows());
    for (int row = 2; row < last; ++row) {
        const Crossing& c = state.crossings[static_cast<std::size_t>(row)];
        if (c.first == -1 && c.second == -1) continue;
        PaintSpan(state, std::min(c.first, c.second), row, std::max(c.first, c.second));
    }
}

void FillBasePoint(PaintState& state) {
    const ShieldGeometry& g = state.geometry;
    ResetCrossings(state);
    TraceEdge(state, g.W / 2 - g.Px(40), g.H - 1, g.W / 2 - g.Px(40), g.shieldBottom);
    TraceEdge(state, g.W / 2 + g.Px(40), g.H - 1, g.W / 2 + g.Px(40), g.shieldBottom);
    FillCrossings(state);
}

}  // namespace esc
