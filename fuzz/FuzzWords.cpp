// Random sequences of vocabulary words through the whole drawing: the first input byte picks the
// field's tincture, then every two bytes pick one word of the vocabulary (index modulo the number
// of rows), up to the 30 words a blazon holds. Every sequence must end with at most ten levels
// drawn and the picture intact (a marshalled text, "quarterly 1 ...", is left to the host).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "interpret/DrawingDriver.h"
#include "interpret/Vocabulary.h"

namespace {

struct Words {
    esc::Vocabulary vocabulary;
    std::vector<std::string> tinctures;  // the field's first word
};

const Words& SharedWords() {
    static const Words words = [] {
        Words w;
        std::string error;
        if (auto v = esc::Vocabulary::Load(std::string(ESCAVAL_DATA_DIR) + "/words1.db", &error)) w.vocabulary = std::move(*v);
        for (const esc::VocabularyRow& row : w.vocabulary.Rows())
            if (row.type == esc::kTypeTincture && row.sub1 < 13) w.tinctures.push_back(row.word);
        if (w.tinctures.empty()) w.tinctures.push_back("argent");
        return w;
    }();
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Words& words = SharedWords();
    const std::vector<esc::VocabularyRow>& rows = words.vocabulary.Rows();
    if (size == 0 || rows.empty()) return 0;

    std::string blazon = words.tinctures[data[0] % words.tinctures.size()];
    int count = 1;
    for (std::size_t i = 1; i + 1 < size && count < esc::kMaxWords; i += 2, ++count) {
        const std::size_t index = (static_cast<std::size_t>(data[i]) << 8 | data[i + 1]) % rows.size();
        blazon += " " + rows[index].word;
    }

    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &words.vocabulary;
    state->dataDir = ESCAVAL_DATA_DIR;
    esc::DrawHost host;
    esc::DrawBlazon(*state, blazon, host);
    if (state->level > esc::kMaxLevels || state->pictureCount < -1 || state->picture.Width() != esc::kImageWidth)
        __builtin_trap();
    return 0;
}
