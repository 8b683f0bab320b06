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
    // The treatment of more than one tincture the level just drawn was painted in, for its member.
    model::Treatment levelTreatment;

    void Clear() {
        arms.Clear();
        mixedPlaced = mixedTotal = 0;
        mixedNextLevel = -1;
        mixedLine = kNoShape;
        levelTreatment = model::Treatment{};
    }
};

}  // namespace esc
