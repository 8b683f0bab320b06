// Arbitrary bytes as a blazon, through the whole drawing driver.

#include <cstdint>
#include <memory>
#include <string>

#include "interpret/DrawingDriver.h"
#include "interpret/Vocabulary.h"

namespace {
const esc::Vocabulary& SharedVocabulary() {
    static const esc::Vocabulary vocabulary = [] {
        std::string error;
        auto v = esc::Vocabulary::Load(std::string(ESCAVAL_DATA_DIR) + "/words1.db", &error);
        return v ? std::move(*v) : esc::Vocabulary();
    }();
    return vocabulary;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &SharedVocabulary();
    esc::DrawHost host;
    esc::DrawBlazon(*state, std::string(reinterpret_cast<const char*>(data), size), host);
    return 0;
}
