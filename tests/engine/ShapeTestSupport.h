#pragma once
// A shield to draw shapes on in the tests: a paint state with the geometry set by the outline and
// the field painted in one tincture, readers for the picture buffer, and the fixture of the shape
// tests.

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
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
        s.shapeCode = s.partitionCode = kNoShape;
        s.ordinaryTreatment = OrdinaryTreatment::kNone;
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

// A shield for the shape tests, with a partition or an ordinary drawn as the interpreters hand
// them over, and probes of the picture buffer at points computed from the geometry.
inline constexpr int kFirst = kOr, kSecond = kAzure, kThird = kGules, kUnderneath = kVert;

struct Probe {
    const char* where;
    int x, y, code;
};

class ShapesTest : public ::testing::Test {
protected:
    Shield shield_{kUnderneath};
    PaintState& s() { return shield_.state(); }
    const ShieldGeometry& g() const { return shield_.g(); }
    int Code(int x, int y) const { return shield_.Code(x, y); }

    // A partition of the field, drawn over a field of vert so that any hole shows.
    void Partition(ShapeCode shape, int line, int pieces = 8) {
        shield_.Reset(kUnderneath);
        s().fieldColor1 = kFirst;
        s().fieldColor2 = kSecond;
        s().fieldColor3 = kThird;
        s().fieldPieces = pieces;
        s().namedTinctures[0] = kFirst;
        s().namedTinctures[1] = kSecond;
        s().counterchangePair = {kFirst, kSecond};
        s().shapeCode = s().partitionCode = shape;
        if (shape == kBendSinister) s().partitionCode = kBend;  // "per bend sinister": the word is "bend"
        s().lineCode = line;
        s().levelTincture[0] = kFirst;
        DrawOrdinary(s(), {shape, true});
    }

    // An ordinary in gules on a field of argent, handed over as the interpreter does.
    void Ordinary(ShapeCode shape, int line, int count = 1, int levelLine = -1) {
        shield_.Reset(kArgent);
        s().shapeCode = s().partitionCode = shape;
        if (shape == kBendSinister) s().partitionCode = kBend;
        s().lineCode = line;
        s().levels[0].levelCount = count;
        s().levels[0].levelLine = levelLine;
        s().levelTincture[0] = kGules;
        DrawOrdinary(s(), {shape, false});
    }

    void ExpectProbes(const std::vector<Probe>& probes) {
        for (const Probe& p : probes) EXPECT_EQ(Code(p.x, p.y), p.code) << p.where << " at (" << p.x << ", " << p.y << ")";
    }
};

// The lines each region test is run with: plain, and one style of each family.
inline const int kLines[] = {-1, 0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 12, 15, 16};

// A point at `degrees` (counter-clockwise from pointing right) and `radius` from the centre.
inline Probe Around(const ShieldGeometry& g, const char* where, double degrees, int radius, int code) {
    const double r = degrees * 3.14159265358979 / 180;
    return {where, g.W / 2 + static_cast<int>(radius * std::cos(r)), g.H / 2 - static_cast<int>(radius * std::sin(r)), code};
}

}  // namespace esc::testing
