#pragma once
// What the drawing fuzz targets read before their first input: the vocabulary and the charge
// pictures of the built data folder (ESCAVAL_FUZZ_DATA names another folder). A target that ran
// without them would look every word up in an empty table and never paint a charge, and would
// still report a clean run; so the set-up draws a blazon whose charge picture is known to exist
// and stops the whole run, loudly, when that picture was not read and painted.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/trace/Trace.h"
#include "interpret/read/Vocabulary.h"

namespace esc::fuzz {

inline constexpr const char* kDataVariable = "ESCAVAL_FUZZ_DATA";
inline constexpr const char* kProbeBlazon = "Gules a lion rampant or";
inline constexpr int kExitNoData = 1;

struct DrawingData {
    Vocabulary vocabulary;
    std::string dataDir;
    // Every input decodes the same few picture files: decoded once, so the run spends its time
    // in the interpreter and the painter (the picture decoder has a target of its own).
    std::unique_ptr<PictureCache> pictures = std::make_unique<PictureCache>();
};

// Ends the process with a failure status: libFuzzer reports a target that exits as an error,
// the replay main's test fails.
[[noreturn]] inline void StopRun(const std::string& why) {
    std::fprintf(stderr, "fuzz set-up: %s\n", why.c_str());
    std::exit(kExitNoData);
}

// True when drawing the probe blazon read a charge picture file and painted it (the question
// picture standing in does not count).
inline bool ProbePaintsPicture(const DrawingData& data) {
    NullSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &data.vocabulary;
    state->dataDir = data.dataDir;
    DrawingTrace trace;
    state->trace = &trace;
    DrawHost host;
    DrawBlazon(*state, kProbeBlazon, host);
    for (const LevelTrace& level : trace.levels)
        for (const PictureTrace& picture : level.pictures)
            if (picture.drawn && !picture.standIn) return true;
    return false;
}

inline DrawingData LoadDrawingData() {
    DrawingData data;
    const char* chosen = std::getenv(kDataVariable);
    data.dataDir = chosen != nullptr && *chosen != '\0' ? chosen : ESCAVAL_DATA_DIR;
    std::string error;
    auto vocabulary = Vocabulary::Load(data.dataDir + "/words1.db", &error);
    if (!vocabulary || vocabulary->Rows().empty())
        StopRun("no vocabulary in " + data.dataDir + "/words1.db (" + error + ")");
    data.vocabulary = std::move(*vocabulary);
    if (!ProbePaintsPicture(data))
        StopRun("'" + std::string(kProbeBlazon) + "' painted no charge picture from " + data.dataDir + "/lpics");
    return data;
}

// Loaded and checked once, on the first input.
inline const DrawingData& SharedDrawingData() {
    static const DrawingData data = LoadDrawingData();
    return data;
}

// One drawing state for every input, as the window and each batch worker keep one from drawing
// to drawing: a drawing must never depend on the one before it, and building a fresh state (the
// picture and its buffers, a megabyte) took a third of each input's time. An input that fails
// only after another one is a fault of exactly that kind; the run's corpus replays the sequence.
inline DrawingState& SharedDrawingState() {
    static NullSink sink;
    static const std::unique_ptr<DrawingState> state = [] {
        const DrawingData& data = SharedDrawingData();
        auto s = std::make_unique<DrawingState>(sink);
        s->vocabulary = &data.vocabulary;
        s->dataDir = data.dataDir;
        s->pictureCache = data.pictures.get();
        return s;
    }();
    return *state;
}

}  // namespace esc::fuzz
