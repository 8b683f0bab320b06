#pragma once
// Text that reaches a terminal. A blazon, a surname or a list file may hold control bytes (an
// escape sequence can retitle or clear a terminal) or bytes that are not UTF-8: they are shown
// escaped ("\x1b"), so that the user sees what the text holds and the terminal does nothing.
// JSON output is not passed through here: its own escaping keeps the text exact.

#include <cstddef>
#include <string>
#include <string_view>

namespace esc {

enum class LineBreaks { Kept, Escaped };

// `text` with every control byte (C0, DEL, the C1 controls U+0080 to U+009F) and every byte that
// is not part of a whole UTF-8 character written as \xHH. Tabs stay; line breaks stay unless
// `breaks` says otherwise (a message is one line).
std::string ForTerminal(std::string_view text, LineBreaks breaks = LineBreaks::Kept);

// Progress of a long run on one line of the terminal rewritten in place ("roll: 400 of 2000").
// Nothing is written when stderr is not a terminal.
class ProgressLine {
public:
    explicit ProgressLine(std::string label);
    void operator()(std::size_t done, std::size_t total) const;

private:
    std::string label_;
    bool shown_;
};

}  // namespace esc
