#pragma once
// Charges on an ordinary ("on a bend three mullets", "on a chevron a lion", "on a cross five
// martlets", "on two bars three water bougets") fill the band they lie on: each is as large as
// the ordinary's own pixels hold its drawing, with a small margin, where the tables gave every
// kind one fixed scale made for a square picture (a mullet on a bend a third of the band's
// width, a water bouget on a bar half its depth). A charge keeps the place its table gives it,
// or slides along the middle of the ordinary from there to where the band holds it larger (the
// limb of a chevron, the arm of a cross, away from a corner the outline cuts).

#include <span>
#include <vector>

#include "engine/ChargeSpot.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The largest scale of charges grown on an ordinary, but for one alone on a bend.
inline constexpr float kLargestOnABend = 1.6f;

// How a charge may move from its table's place: not at all, along the ordinary's middle from
// column to column (a bend, a chevron's limb, a bar, a cross's arm), or from row to row (a pale,
// the upright limb of a cross, the point of a chevron); at most `reach` pixels either way.
enum class Slide { kNone, kAcross, kDown };
struct SpotOnOrdinary {
    int x = 0, y = 0;
    Slide slide = Slide::kNone;
    int reach = 0;
};

// Where the charges go and at what scale; scale 0 when they would not come out larger than
// `table` (the fixed scale the table gave them), and the table's layout stands.
struct OrdinaryFit {
    float scale = 0.0f;
    std::vector<SpotOnOrdinary> at;  // the points chosen, in the order of the spots
};

// Fits the current level's charges, turned as `turn` says (mirrored for sinister hands and
// reversed as the words say), on the ordinary of level 0 at one common scale up to `largest`:
// every drawing inside the ordinary's pixels with a margin, clear of a chief or bordure named later
// in the blazon, and clear of the others.
// `mirrored`: the charges will be placed mirrored.
OrdinaryFit FitOnTheOrdinary(DrawingState& state, std::span<const SpotOnOrdinary> spots, float table, float largest,
                             ChargeTurn turn, bool mirrored = false);

// Charges on a bend or bend sinister (one to three, turned with it as `turn` says): the table's places, grown
// to fill the band; one long drawing is laid along the bend (its length, not its height, with
// the band) when it comes out larger so. False when the table's layout stands.
bool FillTheBend(DrawingState& state, int count, bool sinister, ChargeTurn turn);

// Charges on a chevron (one to five, upright), on a cross (one, four or five) and on bars: the
// table's places, each free to slide along the ordinary's middle, grown to fill the band.
bool FillTheChevron(DrawingState& state, int count, bool inverted);
bool FillTheCross(DrawingState& state, int count);
bool FillTheBars(DrawingState& state, std::span<const SpotOnOrdinary> spots, float table);
// Two to six on a fess (along it) or a pale (down it), from the table's places at its scale.
bool FillTheBand(DrawingState& state, int count, bool pale, float table);

}  // namespace esc
