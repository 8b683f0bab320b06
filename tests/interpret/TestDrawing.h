#pragma once
// A drawing context with the generated vocabulary, for interpreter tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/Palette.h"
#include "interpret/DrawingDriver.h"
#include "interpret/Trace.h"
#include "interpret/Vocabulary.h"

namespace esc::test {

inline const Vocabulary& GeneratedVocabulary() {
    static const Vocabulary vocabulary = [] {
        std::string error;
        auto v = Vocabulary::Load(std::string(ESCAVAL_DATA_DIR) + "/words1.db", &error);
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
    Rgb At(int x, int y) const { return state->picture.Pixel(x, y); }
};

inline Rgb Colour(int entry) { return kPalette[static_cast<std::size_t>(entry)]; }

}  // namespace esc::test
