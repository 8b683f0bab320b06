// Random sequences of vocabulary words through the whole drawing: the first input byte picks the
// field's tincture, then every two bytes pick one word of the vocabulary (index modulo the number
// of rows), up to the 30 words a blazon holds. Every sequence must end with at most ten levels
// drawn and the picture intact (a marshalled text, "quarterly 1 ...", is left to the host).

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/DrawingSetUp.h"

namespace {

struct Words {
    const esc::fuzz::DrawingData* data = nullptr;
    std::vector<std::string> tinctures;  // the field's first word
};

const Words& SharedWords() {
    static const Words words = [] {
        Words w;
        w.data = &esc::fuzz::SharedDrawingData();
        for (const esc::VocabularyRow& row : w.data->vocabulary.Rows())
            if (row.type == esc::kTypeTincture && row.sub1 < 13) w.tinctures.push_back(row.word);
        if (w.tinctures.empty()) esc::fuzz::StopRun("the vocabulary names no tincture");
        return w;
    }();
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Words& words = SharedWords();
    const std::vector<esc::VocabularyRow>& rows = words.data->vocabulary.Rows();
    if (size == 0) return 0;

    std::string blazon = words.tinctures[data[0] % words.tinctures.size()];
    int count = 1;
    for (std::size_t i = 1; i + 1 < size && count < esc::kMaxWords; i += 2, ++count) {
        const std::size_t index = (static_cast<std::size_t>(data[i]) << 8 | data[i + 1]) % rows.size();
        blazon += " " + rows[index].word;
    }

    esc::DrawingState& state = esc::fuzz::SharedDrawingState();
    esc::DrawHost host;
    esc::DrawBlazon(state, blazon, host);
    if (state.level > esc::kMaxLevels || state.pictureCount < -1 || state.picture.Width() != esc::kImageWidth)
        __builtin_trap();
    return 0;
}
