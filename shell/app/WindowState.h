#pragma once
// The main window's own flags, read and set by its handlers and its draw host.

#include <array>
#include <optional>

#include "interpret/marshal/Marshalling.h"

namespace esc::app {

struct WindowState {
    bool autoDraw = false;       // a change of the current record loads and draws it
    bool textEntry = false;      // drawing reads the boxes instead of the current record
    bool helpShown = false;      // the next drawing repaints the backdrop around the shield
    bool mantlingShown = false;  // the achievement is on the window
    bool pictureCommands = false;  // the first drawing enabled mantling, save and print
    int searchDirection = 1;     // +1 forward, -1 backward
    std::optional<MarshallingKind> builder;  // the open builder of marshalled arms, if any
    PartTexts partTexts;         // the parts built or drawn last, kept until overwritten
    // The parts whose reduced copies the open builder has put beside the shield since it was
    // opened; Show assembles only from these, never from a place left empty or painted over.
    std::array<bool, kMaxParts> partsBuilt{};
};

}  // namespace esc::app
