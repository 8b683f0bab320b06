#pragma once
// A shield to draw shapes on in the tests: a paint state with the geometry set by the outline and
// the field painted in one tincture, and readers for the picture buffer.

#include <algorithm>
#include <memory>

#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace esc::testing {

class Shield {
public:
    explicit Shield(int field = kArgent) : state_(std::make_unique<PaintState>(sink_)) { Reset(field); }

    // A fresh drawing: teal picture, outline, the field in `field` from row 2 to B-2.
    void Reset(int field) {
        PaintState& s = *state_;
        s.BeginDrawing();
        s.picture.Fill(kTeal);
        std::fill(s.pictureBuffer.begin(), s.pictureBuffer.end(), static_cast<std::int8_t>(-100));
        DrawShieldOutline(s);
        s.level = 0;
        s.levelTincture.Reset();
        s.levelTincture[0] = field;
        for (int y = 2; y <= s.geometry.shieldBottom - 2; ++y) PaintSpan(s, 2, y, s.geometry.W - 2);
        s.lineCode = -1;
        s.shapeCode = s.partitionCode = -1;
        s.ordinaryTreatment = 0;
        s.fillToLeft = false;
        ResetCrossings(s);
    }

    PaintState& state() { return *state_; }
    const ShieldGeometry& g() const { return state_->geometry; }
    CollectingSink& sink() { return sink_; }

    // The tincture code the picture buffer holds at (x, y); -100 where nothing was ever stored.
    int Code(int x, int y) const {
        return state_->pictureBuffer[static_cast<std::size_t>(y * state_->geometry.W + x)];
    }
    Rgb Pixel(int x, int y) const { return state_->picture.Pixel(x, y); }

private:
    CollectingSink sink_;
    std::unique_ptr<PaintState> state_;
};

}  // namespace esc::testing
