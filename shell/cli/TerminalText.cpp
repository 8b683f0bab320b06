#include "shell/cli/TerminalText.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

namespace esc {
namespace {

void Escape(std::string& out, unsigned char byte) {
    constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// The length of the well-formed UTF-8 character at the start of `text`, or 0.
std::size_t CharacterLength(std::string_view text) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = b(0);
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < n || b(1) < low || b(1) > high) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if ((b(i) & 0xC0) != 0x80) return 0;
    return n;
}

}  // namespace

std::string ForTerminal(std::string_view text, LineBreaks breaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            const bool kept = c == '\t' || (c == '\n' && breaks == LineBreaks::Kept);
            if ((c < 0x20 && !kept) || c == 0x7F)
                Escape(out, c);
            else
                out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t n = CharacterLength(text.substr(i));
        if (n == 0) {
            Escape(out, c);
            ++i;
            continue;
        }
        // U+0080 to U+009F are the C1 controls, CSI among them.
        if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            Escape(out, c);
            Escape(out, static_cast<unsigned char>(text[i + 1]));
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out;
}

ProgressLine::ProgressLine(std::string label) : label_(std::move(label)), shown_(::isatty(STDERR_FILENO) == 1) {}

void ProgressLine::operator()(std::size_t done, std::size_t total) const {
    if (!shown_) return;
    std::fprintf(stderr, "\r%s: %zu of %zu", label_.c_str(), done, total);
    if (done == total) std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace esc
