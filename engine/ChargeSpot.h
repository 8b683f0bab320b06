#pragma once
// Where one charge goes and how it is turned there: what a layout hands to the one function that
// places charges (PlaceSpots). A layout computes spots and nothing else; nothing of a spot is
// left behind for the next charge.

namespace esc {

// How a picture is turned on its spot: as drawn (upright, palewise for a slender charge), along a
// bend, along a bend sinister, or a quarter turn so that it lies fesswise.
enum class ChargeTurn { kAsDrawn, kBendwise, kBendwiseSinister, kFesswise };

struct ChargeSpot {
    int x = 0, y = 0;  // the charge's centre, shield pixels
    float scale = 1.0f;
    ChargeTurn turn = ChargeTurn::kAsDrawn;
    bool mirror = false;  // left to right: facing the sinister
    bool flip = false;    // upside down
    friend bool operator==(const ChargeSpot&, const ChargeSpot&) = default;
};

}  // namespace esc
