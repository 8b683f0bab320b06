#pragma once
// A drawing context with the generated vocabulary, for interpreter tests.

#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BordureRing.h"
#include "engine/Palette.h"
#include "interpret/DrawingDriver.h"
#include "interpret/trace/Trace.h"
#include "interpret/read/Vocabulary.h"
#include "tests/SweepStride.h"

namespace esc::test {

inline const Vocabulary& GeneratedVocabulary() {
    static const Vocabulary vocabulary = [] {
        std::string error;
        auto v = Vocabulary::Load(std::string(ESCAVAL_DATA_DIR "/words1.db"), &error);
        EXPECT_TRUE(v.has_value()) << error;
        return v ? std::move(*v) : Vocabulary();
    }();
    return vocabulary;
}

struct Drawing {
    CollectingSink sink;
    std::unique_ptr<DrawingState> state = std::make_unique<DrawingState>(sink);
    DrawingTrace trace;

    Drawing() {
        state->vocabulary = &GeneratedVocabulary();
        state->dataDir = ESCAVAL_DATA_DIR;
        state->trace = &trace;
    }
    DrawingState& s() { return *state; }
    void Draw(std::string_view blazon) {
        trace = DrawingTrace{};
        sink.messages.clear();
        DrawHost host;
        DrawBlazon(*state, blazon, host);
    }
    // Draws `blazon` and expects it read whole: every word used, no message shown.
    void DrawClean(std::string_view blazon) {
        Draw(blazon);
        EXPECT_TRUE(trace.ignoredWords.empty()) << blazon;
        EXPECT_TRUE(sink.messages.empty()) << blazon;
    }
    Rgb At(int x, int y) const { return state->picture.Pixel(x, y); }
};

// Draws a printed form and the plain form it says, each clean, and expects the same picture.
inline void ExpectDrawnAlike(const char* printed, const char* plain) {
    SCOPED_TRACE(printed);
    Drawing a, b;
    a.DrawClean(printed);
    b.DrawClean(plain);
    EXPECT_TRUE(a.s().picture == b.s().picture);
}

inline Rgb Colour(int entry) { return kPalette[static_cast<std::size_t>(entry)]; }

// Whether the drawing's second word pass marked `word` used (a test failure when it has no such word).
inline bool WordUsed(const Drawing& d, std::string_view word) {
    for (const WordTrace& w : d.trace.secondPass)
        if (w.text == word) return w.used;
    ADD_FAILURE() << "no word " << word;
    return false;
}

// Every charge placed, level by level; a parted field's parts in order, each charge where its
// part's drawing, reduced into the part's box, sets it on the shield.
inline std::vector<PlacementTrace> AllPlacements(const Drawing& d) {
    std::vector<PlacementTrace> out;
    for (const LevelTrace& l : d.trace.levels) out.insert(out.end(), l.placements.begin(), l.placements.end());
    if (d.trace.road != "parted") return out;
    for (const DrawingTrace& part : d.trace.parts) {
        const DrawingTrace::PartBox& b = part.partBox;
        if (b.width <= 0 || b.height <= 0) continue;
        for (const LevelTrace& l : part.levels)
            for (PlacementTrace p : l.placements) {
                p.x = b.left + p.x * (b.right - b.left) / b.width;
                p.y = b.top + p.y * (b.bottom - b.top) / b.height;
                out.push_back(p);
            }
    }
    return out;
}

inline // The painted extent of `colour` within the shield.
Rect PaintedExtent(const Drawing& d, Rgb colour) {
    const ShieldGeometry& g = d.state->geometry;
    Rect r{g.W, g.shieldBottom + 1, -1, -1};
    for (int y = 0; y <= g.shieldBottom; ++y)
        for (int x = 0; x < g.W; ++x)
            if (d.At(x, y) == colour && InsideShield(g, x, y)) {
                r.left = std::min(r.left, x);
                r.right = std::max(r.right, x);
                r.top = std::min(r.top, y);
                r.bottom = std::max(r.bottom, y);
            }
    return r;
}

}  // namespace esc::test
