#pragma once
// One band of DrawPartitionLine as planned from its arguments, and the two ways of painting it:
// one PaintSpan per pixel, or the same pixels collected and painted as runs.

#include "engine/PaintState.h"
#include "engine/Ordinaries.h"
#include "engine/PartitionLine.h"

#include <cmath>
#include <vector>

namespace esc::band {

// A slanting band given wider than kSlantedTrimFrom pixels (at paint scale 1) is drawn kSlantedTrim
// narrower: its cross-section along a row is longer than its breadth.
inline constexpr int kSlantedTrimFrom = 25, kSlantedTrim = 20;

struct BandPlan {
    int x = 0, y = 0;  // where the walk starts
    int adx = 0, ady = 0, sx = 0, sy = 0, lx = 1;
    bool steep = false, vertical = false;
    BandEdges edges = BandEdges::kBoth;  // kBoth, or one edge (kFarEdge, kNearEdge)
    bool reflect = false;     // kFarEdgeReflected: a copy reflected top to bottom (steep: left to right)
    bool centreCopy = false;  // kBothAndCentreCopy: a copy reflected in the shield's centre line
    const LineStyle* style = nullptr;
    // At a paint scale other than 1, the style's profile drawn finer: `style` points here.
    LineStyle scaledStyle;
    std::vector<std::uint16_t> scaledRows;
    bool mirrored = false;
    bool gap = false;
    int gapHalf = 3;  // the gap leaves out the offsets k with |k| < gapHalf
    int h = 0, t = 0;
    int nearEnd = 0, farStart = 0;  // last k of the near zone, first k of the far zone
    OrdinaryTreatment treatment = OrdinaryTreatment::kNone;
    bool fillToLeft = false;
    int saved = 0, second = 0;
    int outer = -1;  // fimbriated with a second edge: its tincture, on the outer half of each edge zone
    int W = 0, H = 0, M = 0;
    int pieces = 0;  // > 0: the style's pattern laid this many times along the whole band

    // On a slanting band the profile is laid along the edge, its rows measured at right angles to
    // it: offset k of a cross-section lies k * shear steps further along the edge than the
    // cross-section's own step (0 on a level or upright band).
    double shear = 0.0;
    // The profile's column at the walk's first step: a slanting band given by its two ends has a
    // repeat begin at its middle, so that a bend or a saltire is drawn alike from either end.
    int startStep = 0;

    int Period() const { return style != nullptr ? style->period : 1; }
    // The column of the profile read by offset k of the cross-section at `step`.
    int ProfileColumn(int step, int k) const {
        const int period = Period();
        const int column = (step + static_cast<int>(std::lround(k * shear))) % period;
        return column < 0 ? column + period : column;
    }
    // Whether offset k of a cross-section lies in the middle zone (between the edge zones).
    bool InMiddleZone(int k) const { return k > nearEnd && k < farStart; }
};

// Plans the band `request` asks for as DrawPartitionLine draws it; false: it lies out of reach
// and is not drawn.
bool PlanBand(const PaintState& state, const BandRequest& request, BandPlan& plan);

// Records column x in row y of the crossing table: the first field if free, else the second.
void RecordCrossing(PaintState& state, int x, int y);

// Walks the band's major axis, calling crossSection(x, y, step) once per step: step is the
// column of the style's profile, restarting every period.
template <typename CrossSection>
void Walk(const BandPlan& p, CrossSection crossSection) {
    const int period = p.Period();
    const long long steps = (p.steep ? p.ady : p.adx) + 1;
    // With pieces named, the step is the share of the band walked so far, in periods.
    auto pieceStep = [&](int j) { return static_cast<int>(static_cast<long long>(j) * p.pieces * period / steps % period); };
    int x = p.x, y = p.y, e = 0, step = p.startStep;
    if (!p.steep) {
        for (int j = 0; j <= p.adx; ++j) {
            e += p.ady;
            if (e > p.adx) {
                e -= p.adx;
                y += p.sy;
            }
            crossSection(x, y, p.pieces > 0 ? pieceStep(j) : step);
            x += p.sx;
            if (++step == period) step = 0;
        }
    } else {
        for (int j = 0; j <= p.ady; ++j) {
            e += p.adx;
            if (e > p.ady) {
                e -= p.ady;
                x += p.sx;
            }
            crossSection(x, y, p.pieces > 0 ? pieceStep(j) : step);
            y += p.sy;
            if (++step == period) step = 0;
        }
    }
}

void PaintPixelByPixel(PaintState& state, const BandPlan& plan);
// Only for a band in one tincture other than counterchanged and chequy, in the shield view with
// no layer target.
void PaintAsRuns(PaintState& state, const BandPlan& plan);

}  // namespace esc::band
