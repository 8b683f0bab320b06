// Arbitrary bytes as the readme's rich text. Whatever the file holds, the HTML handed to the
// viewer must be well formed: paragraphs that do not nest, spans only inside a paragraph and not
// nested, every tag closed, every '&' an entity we write, clean UTF-8 without NUL characters,
// and no more than a fixed amount of markup per input byte.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/app/RtfReader.h"

namespace {

// The longest output one input byte may cause: a character in a new format opens a span with
// its style (under 100 bytes) and may close the span before it.
constexpr std::size_t kMaxHtmlPerByte = 256;
constexpr std::size_t kMaxHtmlOverhead = 256;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF, no NUL.
void CheckUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        Check(c != 0);
        std::size_t n = 0;
        unsigned code = 0, least = 0;
        if (c < 0x80) n = 1, code = c;
        else if (c >= 0xC2 && c <= 0xDF) n = 2, code = c & 0x1F, least = 0x80;
        else if (c >= 0xE0 && c <= 0xEF) n = 3, code = c & 0x0F, least = 0x800;
        else if (c >= 0xF0 && c <= 0xF4) n = 4, code = c & 0x07, least = 0x10000;
        Check(n != 0 && i + n <= text.size());
        for (std::size_t k = 1; k < n; ++k) {
            const unsigned char t = static_cast<unsigned char>(text[i + k]);
            Check((t & 0xC0) == 0x80);
            code = code << 6 | (t & 0x3F);
        }
        Check(code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF));
        i += n;
    }
}

// The markup: <p ...> and </p> around everything, <span ...> and </span> inside a paragraph,
// <br/> anywhere inside one; text only inside a paragraph.
void CheckMarkup(std::string_view html) {
    bool inParagraph = false, inSpan = false;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t end = html.find('>', i);
            Check(end != std::string_view::npos);
            const std::string_view tag = html.substr(i + 1, end - i - 1);
            if (tag == "p" || StartsWith(tag, "p ")) {
                Check(!inParagraph);
                inParagraph = true;
            } else if (tag == "/p") {
                Check(inParagraph && !inSpan);
                inParagraph = false;
            } else if (StartsWith(tag, "span ")) {
                Check(inParagraph && !inSpan);
                inSpan = true;
            } else if (tag == "/span") {
                Check(inSpan);
                inSpan = false;
            } else {
                Check(tag == "br/" && inParagraph);
            }
            i = end + 1;
            continue;
        }
        Check(inParagraph && html[i] != '>');
        if (html[i] == '&') {
            const std::string_view rest = html.substr(i);
            Check(StartsWith(rest, "&amp;") || StartsWith(rest, "&lt;") || StartsWith(rest, "&gt;") ||
                  StartsWith(rest, "&quot;") || StartsWith(rest, "&#160;"));
        }
        ++i;
    }
    Check(!inParagraph && !inSpan);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string html = esc::app::RtfToHtml(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(html.size() <= size * kMaxHtmlPerByte + kMaxHtmlOverhead);
    CheckUtf8(html);
    CheckMarkup(html);
    return 0;
}
