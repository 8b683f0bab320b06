#pragma once
// What the reader keeps of the model while it reads: the tree so far and the group whose
// members are still being read. One per drawing, held by the drawing state.

#include "interpret/model/Arms.h"

namespace esc {

struct ModelReading {
    model::Arms arms;
    // A group of several kinds read as one phrase per kind ("a mullet, a crescent and an
    // escallop"): the charges its earlier members took, how many it has in all, and the level
    // that continues it; 0, 0 and -1 when no such group is open.
    int mixedPlaced = 0, mixedTotal = 0, mixedNextLevel = -1;
    ShapeCode mixedLine = kNoShape;  // the ordinary whose line the group is set in; kNoShape: the field's places
    // The group stands between the ordinary of the first phrase ("a chevron between a mullet, a
    // crescent and an escallop"): its places are the ones the ordinary gives the whole count.
    bool mixedBetween = false;
    // While a member is placed among the places of its whole group: the places it takes
    // [spotFrom, spotTo) and how many places were passed; spotTo 0 paints every place.
    int spotFrom = 0, spotTo = 0, spotSeen = 0;
    // Two charges laid as the first two of a group of three whose third, of another kind, is the
    // phrase after ("two mullets and a crescent"): the level of the two, or -1; and the chief or
    // bordure (kNoShape: none) the three keep clear of.
    int twoOfThreeLevel = -1;
    ShapeCode twoOfThreeEdge = kNoShape;
    // The treatment of more than one tincture the level just drawn was painted in, for its member.
    model::Treatment levelTreatment;
    // The charges placed for the level being read, and that level: they go to its member.
    std::vector<model::PlacedCharge> levelPlaced;
    int placedLevel = -1;

    // Keeps a charge placed for `level`; charges kept for another level are dropped first.
    void NotePlaced(int level, const ChargeSpot& spot, int tincture) {
        if (level != placedLevel) {
            levelPlaced.clear();
            placedLevel = level;
        }
        levelPlaced.push_back({spot, tincture});
    }
    // The charges placed for `level`, handed over; none when it placed none.
    std::vector<model::PlacedCharge> TakePlaced(int level) {
        std::vector<model::PlacedCharge> out;
        if (level == placedLevel) out.swap(levelPlaced);
        levelPlaced.clear();
        placedLevel = -1;
        return out;
    }

    void Clear() {
        arms.Clear();
        mixedPlaced = mixedTotal = 0;
        mixedNextLevel = -1;
        mixedLine = kNoShape;
        mixedBetween = false;
        spotFrom = spotTo = spotSeen = 0;
        twoOfThreeLevel = -1;
        twoOfThreeEdge = kNoShape;
        levelTreatment = model::Treatment{};
        levelPlaced.clear();
        placedLevel = -1;
    }
};

}  // namespace esc
