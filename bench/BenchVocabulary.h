#pragma once
// The generated vocabulary, loaded once for every benchmark that draws.

#include <memory>
#include <string>

#include "interpret/phrase/DrawingState.h"
#include "interpret/read/Vocabulary.h"

namespace esc::bench {

inline const Vocabulary& GeneratedVocabulary() {
    static const Vocabulary vocabulary = [] {
        std::string error;
        auto v = Vocabulary::Load(std::string(ESCAVAL_DATA_DIR "/words1.db"), &error);
        return v ? std::move(*v) : Vocabulary();
    }();
    return vocabulary;
}

// A drawing state as the program makes one: the generated vocabulary and the data folder.
inline std::unique_ptr<DrawingState> NewDrawingState(MessageSink& sink) {
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &GeneratedVocabulary();
    state->dataDir = ESCAVAL_DATA_DIR;
    return state;
}

}  // namespace esc::bench
