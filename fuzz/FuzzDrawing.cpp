// Arbitrary bytes as a blazon, through the whole drawing driver, with the vocabulary and the
// charge pictures of the data folder, as the command line draws.

#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/DrawingSetUp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const esc::fuzz::DrawingData& shared = esc::fuzz::SharedDrawingData();
    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &shared.vocabulary;
    state->dataDir = shared.dataDir;
    state->pictureCache = shared.pictures.get();
    esc::DrawHost host;
    esc::DrawBlazon(*state, std::string(reinterpret_cast<const char*>(data), size), host);
    return 0;
}
