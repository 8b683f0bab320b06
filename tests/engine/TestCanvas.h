#pragma once
// A paint state with the shield outline drawn, for pixel tests of the engine.

#include <memory>

#include "engine/MessageSink.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace esc::test {

struct Canvas {
    CollectingSink sink;
    std::unique_ptr<PaintState> state = std::make_unique<PaintState>(sink);

    Canvas() {
        state->picture.Fill(kTeal);
        DrawShieldOutline(*state);
    }
    PaintState& s() { return *state; }
    const ShieldGeometry& g() const { return state->geometry; }
    Rgb At(int x, int y) const { return state->picture.Pixel(x, y); }
    // Paints every field row the way a plain field is painted.
    void PaintField(int code) {
        state->levelTincture[state->level] = code;
        for (int y = 2; y <= g().shieldBottom - 2; ++y) PaintSpan(*state, 2, y, g().W - 2);
    }
};

inline Rgb Colour(int entry) { return kPalette[static_cast<std::size_t>(entry)]; }

}  // namespace esc::test
