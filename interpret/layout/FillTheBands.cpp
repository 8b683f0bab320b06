// Charges on a chevron, a cross, a fess or pale and on bars, grown to fill the band they lie on
// (see OnTheOrdinary.h): the table's places, each free to slide along the ordinary's middle.

#include <algorithm>
#include <vector>

#include "interpret/layout/OnTheOrdinary.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"

namespace esc {

namespace {

constexpr int kMostOnABand = 6;  // more on a fess or pale keep the table's row

}  // namespace

bool FillTheChevron(DrawingState& s, int n, bool inverted) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    std::vector<SpotOnOrdinary> spots;
    const auto point = [&](int x, int y, int reachAcross) {
        const int at = inverted ? H - y : y;
        if (x == g.W2) {
            spots.push_back({x, at, Slide::kDown, g.H4});
        } else {
            spots.push_back({x, at, Slide::kAcross, reachAcross});
        }
    };
    float table = 0.66f;
    switch (n) {
        case 1: point(g.W2, g.H2 - g.Px(15), 0); break;
        case 2:
            point(g.W4, H - g.H3 - g.Px(10), g.W / 6);
            point(W - g.W4, H - g.H3 - g.Px(10), g.W / 6);
            break;
        case 3:
            point(g.W2, g.H2 - g.Px(12), 0);
            point(g.W4 - g.Px(12), H - g.H3 - g.Px(18), g.W / 6);
            point(W - g.W4 + g.Px(12), H - g.H3 - g.Px(18), g.W / 6);
            break;
        default: return false;
    }
    const OrdinaryFit fit = FitOnTheOrdinary(s, spots, table, kLargestOnABend, WordsTurn(s));
    if (fit.scale <= 0) return false;
    const int line = phrase::Current(s).levelLine;
    for (std::size_t i = 0; i < fit.at.size(); ++i) {
        const bool mirror = n == 2 && MirroredInPair(line, static_cast<int>(i));
        Place(s, fit.at[i].x, fit.at[i].y, fit.scale, mirror);
    }
    return true;
}

bool FillTheCross(DrawingState& s, int n) {
    const ShieldGeometry& g = s.geometry;
    if (n != 1 && n != 4 && n != 5) return false;
    std::vector<SpotOnOrdinary> spots;
    if (n == 1 || n == 5) spots.push_back({g.W2, g.H2, Slide::kNone, 0});
    spots.push_back({g.W2, g.H5, Slide::kDown, g.H6});
    spots.push_back({g.W5, g.H2, Slide::kAcross, g.W6});
    spots.push_back({g.W - g.W5, g.H2, Slide::kAcross, g.W6});
    if (n >= 4) spots.push_back({g.W2, g.H - g.H5, Slide::kDown, g.H6});
    if (n == 1) spots.resize(1);
    const OrdinaryFit fit = FitOnTheOrdinary(s, spots, 0.7f, kLargestOnABend, WordsTurn(s));
    if (fit.scale <= 0) return false;
    for (const SpotOnOrdinary& at : fit.at) Place(s, at.x, at.y, fit.scale);
    return true;
}

bool FillTheBand(DrawingState& s, int n, bool pale, float table) {
    const ShieldGeometry& g = s.geometry;
    if (n < 2 || n > kMostOnABand) return false;
    std::vector<SpotOnOrdinary> spots;
    if (pale && n == 2) {
        spots = {{g.W2, g.H4 + g.Px(10), Slide::kDown, g.H / 8}, {g.W2, g.H - g.H4 - g.Px(10), Slide::kDown, g.H / 8}};
    } else if (pale) {
        // The table's rows down the pale, as OnPale sets them.
        const int sp = g.H / (n + 1), q = sp / 4;
        const int step = sp + q / (n - 2) + n - 2;
        for (int i = 0, y = sp - q; i < n; ++i, y += step) spots.push_back({g.W2, y, Slide::kDown, step / 4});
    } else if (n == 2) {
        spots = {{g.W4, g.H2, Slide::kAcross, g.W / 8}, {g.W - g.W4, g.H2, Slide::kAcross, g.W / 8}};
    } else {
        // The row rule of PlaceRow.
        const int sp = g.W / (n + 1), q = sp / 4;
        const int step = sp + q / (n - 2) + n - 2;
        for (int i = 0, x = sp - q; i < n; ++i, x += step) spots.push_back({x, g.H2, Slide::kAcross, step / 4});
    }
    const OrdinaryFit fit = FitOnTheOrdinary(s, spots, table, kLargestOnABend, WordsTurn(s));
    if (fit.scale <= 0) return false;
    const int line = phrase::Current(s).levelLine;
    for (std::size_t i = 0; i < fit.at.size(); ++i)
        Place(s, fit.at[i].x, fit.at[i].y, fit.scale, n == 2 && MirroredInPair(line, static_cast<int>(i)));
    return true;
}

bool FillTheBars(DrawingState& s, std::span<const SpotOnOrdinary> spots, float table) {
    const OrdinaryFit fit = FitOnTheOrdinary(s, spots, table, kLargestOnABend, WordsTurn(s));
    if (fit.scale <= 0) return false;
    for (const SpotOnOrdinary& at : fit.at) Place(s, at.x, at.y, fit.scale);
    return true;
}

}  // namespace esc
