#pragma once
// A bare drawing state for layout and placement tests: the shield outline drawn, the levels
// reset, a trace attached, and no vocabulary or pictures unless a test gives them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/LayerSink.h"
#include "engine/Painter.h"
#include "interpret/DrawingDriver.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/trace/Trace.h"

namespace esc::test {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Point& p) { return out << "(" << p.x << ", " << p.y << ")"; }

struct BareState {
    NullSink sink;
    std::unique_ptr<DrawingState> state = std::make_unique<DrawingState>(sink);
    DrawingTrace trace;
    LayerCollector layers;  // every placed picture and disc, as the window's editor receives them

    BareState() {
        DrawingState& s = *state;
        s.layerSink = &layers;
        BeginDrawing(s);
        DrawShieldOutline(s);
        s.chargePicture.buffer.assign(kChargeBufferSize, 0);
        s.trace = &trace;
        ResetLevels(s);
    }
    DrawingState& s() { return *state; }
    // Paints the whole shield in one tincture, as a plain field.
    void PaintField(int code) {
        DrawingState& s = *state;
        const int saved = s.level;
        s.level = 0;
        s.levelTincture[0] = code;
        for (int y = 2; y <= s.geometry.shieldBottom - 2; ++y) PaintSpan(s, 2, y, s.geometry.W - 2);
        s.levelTincture[0] = -1;
        s.level = saved;
    }
    const ShieldGeometry& g() const { return state->geometry; }

    // Makes `level` the current level with `count` charges of `kind` (a roundel by default, so
    // that placing paints a disc and reads no file).
    LevelRecord& Level(int level, int count, int kind = 10, std::string_view name = "roundel") {
        DrawingState& s = *state;
        s.level = level;
        LevelRecord& r = s.levels[static_cast<std::size_t>(level)];
        r.levelCount = count;
        r.levelKind = kind;
        r.levelName.Assign(name);
        s.levelTincture[level] = 2;
        return r;
    }

    const LevelTrace* TraceOf(int level) const {
        for (const LevelTrace& t : trace.levels)
            if (t.index == level) return &t;
        return nullptr;
    }
    std::vector<Point> Points(int level) const {
        std::vector<Point> out;
        if (const LevelTrace* t = TraceOf(level))
            for (const PlacementTrace& p : t->placements) out.push_back({p.x, p.y});
        return out;
    }
    std::vector<float> Scales(int level) const {
        std::vector<float> out;
        if (const LevelTrace* t = TraceOf(level))
            for (const PlacementTrace& p : t->placements) out.push_back(p.scale);
        return out;
    }
    std::vector<bool> Mirrored(int level) const {
        std::vector<bool> out;
        if (const LevelTrace* t = TraceOf(level))
            for (const PlacementTrace& p : t->placements) out.push_back(p.mirrored);
        return out;
    }
};

// Every scale in `scales` is `expected` (within float rounding).
inline void ExpectScales(const std::vector<float>& scales, std::vector<float> expected) {
    ASSERT_EQ(scales.size(), expected.size());
    for (std::size_t i = 0; i < scales.size(); ++i) EXPECT_NEAR(scales[i], expected[i], 1e-4) << "charge " << i;
}
inline std::vector<float> Same(std::size_t n, float scale) { return std::vector<float>(n, scale); }

}  // namespace esc::test
