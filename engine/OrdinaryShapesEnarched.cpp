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

namespace {

// The chevron as it is drawn: its limbs fall at 40 degrees from the apex, each a band as deep
// down the shield as its drawn width less the trim of a slanted band.
constexpr double kChevronFallTangent = 0.8391;  // tan 40
constexpr int kChevronWidthBeyondChief = 50, kSlantedBandTrim = 20;

// The upper edge of a chevron enarched at column x: the usual upper edge, each limb bowed up
// between the apex and the flank by as much as `rise` at its middle.
double ChevronArchRow(const ShieldGeometry& g, double top, double rise, double x) {
    const double half = g.W / 2.0, u = std::min(std::abs(x - half) / half, 1.0);
    return top + std::abs(x - half) * kChevronFallTangent - rise * 4.0 * u * (1.0 - u);
}

}  // namespace

bool DrawnEnarched(const PaintState& s, ShapeCode shape) {
    return s.CurrentLevel().levelVariant.view() == kEnarchedVariant &&
           (shape == kFess || shape == kBase || shape == kChevron);
}

void DrawEnarched(PaintState& s, const ShapeOutline& outline) {
    const ShapeCode shape = outline.shape;
    const ShieldGeometry& g = s.geometry;
    const bool base = shape == kBase, chevron = shape == kChevron;
    // A chevron's limbs bow half as high as the fess's arch rises.
    const double rise = g.H * kEnarchedRisePercent / 100.0 / (chevron ? 2 : 1);
    // The fess keeps its usual edges at the flanks; the base its usual upper edge; the chevron
    // its apex.
    const double chevronDepth = g.chiefDepth + g.Px(kChevronWidthBeyondChief) - g.Px(kSlantedBandTrim);
    const double chevronTop = g.chiefDepth / 2 + g.H / 3 - chevronDepth / 2;
    const double foot = base ? shapes::BaseUpperEdge(g) : chevron ? chevronTop : g.H / 2.0 - g.chiefDepth / 2.0;
    const double depth = base ? g.shieldBottom + 1.0 : chevron ? chevronDepth : g.chiefDepth;
    const auto archAt = [&](double x) { return chevron ? ChevronArchRow(g, foot, rise, x) : ArchRow(g, foot, rise, x); };
    // Voided or fimbriated (with a second edge outside the first), as a band's edge zones are:
    // this deep along each arched edge (the base has one).
    const OrdinaryTreatment treatment = outline.treatment;
    const int outer = treatment == OrdinaryTreatment::kFimbriated ? s.fimbriationOuter : -1;
    const double zone = g.Px(outer >= 0 ? kEnarchedDoubleEdge : kEnarchedEdge);
    const int own = s.levelTincture[s.level], second = s.CurrentLevel().levelSecondTincture;
    auto codeAt = [&](double x, double row) {
        const double arch = archAt(x);
        if (row < arch || row >= arch + depth) return -2;  // not on the ordinary
        if (treatment == OrdinaryTreatment::kNone) return own;
        const double in = std::min(row - arch, base ? zone + 1 : arch + depth - row);
        if (in >= zone) return treatment == OrdinaryTreatment::kVoided ? -2 : own;
        if (treatment == OrdinaryTreatment::kVoided) return own;
        return outer >= 0 && in < zone / 2 ? outer : second;
    };
    const int top = static_cast<int>(std::floor(foot - rise)),
              bottom = base || chevron ? g.shieldBottom : static_cast<int>(std::ceil(foot + depth));
    for (int y = std::max(top, 0); y <= bottom; ++y) {
        int start = 0, code = codeAt(0.5, y + 0.5);
        for (int x = 1; x <= g.W; ++x) {
            const int next = x < g.W ? codeAt(x + 0.5, y + 0.5) : -3;
            if (next == code) continue;
            if (code != -2) {
                s.levelTincture[s.level] = code;
                PaintSpan(s, start, y, x - 1);
            }
            start = x;
            code = next;
        }
    }
    s.levelTincture[s.level] = own;
}

}  // namespace esc
