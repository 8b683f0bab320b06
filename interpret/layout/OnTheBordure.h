#pragma once
// Charges on a bordure: eight stand where heralds set them (three in chief, one on each flank,
// one in each flank of the base and one at the point); any other number goes round the middle of
// the bordure at even distances, symmetrical about the pale line: with an odd number, one at the
// point and the others in pairs; with an even number, one at the point and one in the middle of
// the chief as well.

#include <vector>

#include "engine/ShieldGeometry.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The most charges set round a bordure.
inline constexpr int kMaxChargesOnBordure = 20;
// A charge's scale on a bordure: its drawing about the bordure's width.
inline constexpr float kChargeOnBordure = 0.2f;

struct BordureSpot {
    int x = 0, y = 0;
};

// The middle line of the bordure of `geometry`, seen from the shield's centre in evenly turned
// directions from straight down at the point round by the dexter flank, and the distance along it
// to each of those points (the last entry is the whole length, back at the point).
struct BordureMiddle {
    ShieldGeometry geometry;
    std::vector<double> xs, ys, along;
};
BordureMiddle FindBordureMiddle(const ShieldGeometry& geometry);

// Where `count` charges (1 to kMaxChargesOnBordure) stand on a bordure of `geometry`: eight in
// the order they always had, any other number from the point round by the dexter flank; empty
// for a count past what a bordure holds.
std::vector<BordureSpot> BordureSpots(const ShieldGeometry& geometry, int count);
// The same, along a middle line found before for the same geometry.
std::vector<BordureSpot> BordureSpots(const BordureMiddle& middle, int count);

// Lays the current level's charges out on the bordure; a count past what it holds draws
// nothing and says so.
void OnBordureLayout(DrawingState& state);

}  // namespace esc
