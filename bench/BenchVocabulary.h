#pragma once
// The generated vocabulary, loaded once for every benchmark that draws.

#include <string>

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

}  // namespace esc::bench
