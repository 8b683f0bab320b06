#include "shell/app/DrawingNote.h"

#include <cstdio>

#include "shell/cli/Coverage.h"

namespace esc::app {
namespace {

// Below this a drawing's time is given to a tenth of a millisecond, above it in whole ones.
constexpr double kTenthsBelowMs = 10.0;
constexpr const char* kSeparator = " \u00b7 ";

std::string Counted(std::size_t n, const char* one, const char* many, const std::vector<std::string>& items) {
    std::string out = std::to_string(n) + " " + (n == 1 ? one : many) + ": ";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out;
}

std::string Milliseconds(double ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, ms < kTenthsBelowMs ? "%.1f ms" : "%.0f ms", ms);
    return buf;
}

}  // namespace

std::string NoteText(const CoverageLine& reading, const std::vector<std::string>& messages, double milliseconds) {
    std::vector<std::string> parts;
    if (!reading.missingWords.empty())
        parts.push_back(Counted(reading.missingWords.size(), "word not understood", "words not understood", reading.missingWords));
    if (!reading.ignoredWords.empty())
        parts.push_back(Counted(reading.ignoredWords.size(), "word without effect", "words without effect", reading.ignoredWords));
    if (!reading.standInCharges.empty())
        parts.push_back(Counted(reading.standInCharges.size(), "picture missing (a question mark drawn)",
                                "pictures missing (question marks drawn)", reading.standInCharges));
    if (reading.fieldOnly) parts.push_back("only the field drawn");
    for (const std::string& message : messages) {
        // A message box's line breaks would make the one-line note two.
        std::string line = message;
        for (char& c : line)
            if (c == '\n' || c == '\r') c = ' ';
        parts.push_back(line);
    }
    std::string out;
    for (const std::string& part : parts) out += part + kSeparator;
    out += (parts.empty() ? "Drawn as written in " : "Drawn in ") + Milliseconds(milliseconds);
    return out;
}

template <typename Pass>
void DrawingNote::NoteSink::PassOn(Pass pass) {
    if (quiet) return;
    const auto opened = std::chrono::steady_clock::now();
    pass();
    if (keeping) waited += std::chrono::steady_clock::now() - opened;
}

void DrawingNote::NoteSink::Show(std::string_view text) {
    if (keeping) kept.emplace_back(text);
    PassOn([&] { shown_.Show(text); });
}

void DrawingNote::NoteSink::Inform(std::string_view text) {
    if (keeping) kept.emplace_back(text);
    PassOn([&] { shown_.Inform(text); });
}

void DrawingNote::Begin(DrawingState& state, Messages messages) {
    if (depth_++ > 0) return;
    trace_ = {};
    traceBefore_ = state.trace;
    state.trace = &trace_;
    sink_.kept.clear();
    sink_.keeping = true;
    sink_.quiet = messages == Messages::KeptInTheNote;
    sink_.waited = {};
    start_ = std::chrono::steady_clock::now();
}

std::string DrawingNote::End(DrawingState& state) {
    if (depth_ == 0 || --depth_ > 0) return {};
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_ - sink_.waited).count();
    state.trace = traceBefore_;
    sink_.keeping = false;
    sink_.quiet = false;
    // The reading as the coverage counts it; the messages are the sink's, which also holds those
    // of the window's own steps around the drawing (a supporter that cannot be read).
    CoverageLine reading = MeasureTrace(trace_, BlazonLine{0, trace_.blazon, false});
    std::vector<std::string> messages;
    messages.swap(sink_.kept);
    return NoteText(reading, messages, ms);
}

}  // namespace esc::app
