// Arbitrary bytes as a blazon, through the whole drawing driver, with the vocabulary and the
// charge pictures of the data folder, as the command line draws.

#include <cstdint>
#include <string>

#include "fuzz/DrawingSetUp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    esc::DrawingState& state = esc::fuzz::SharedDrawingState();
    esc::DrawHost host;
    esc::DrawBlazon(state, std::string(reinterpret_cast<const char*>(data), size), host);
    return 0;
}
