// Arbitrary bytes as the readme's rich text. Whatever the file holds, the HTML handed to the
// viewer must be well formed: paragraphs that do not nest, spans only inside a paragraph and not
// nested, every tag closed, every '&' an entity we write, clean UTF-8 without NUL characters,
// and no more than a fixed amount of markup per input byte.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/TextEncoding.h"
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

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF) and no NUL.
void CheckUtf8(std::string_view text) { Check(esc::IsValidUtf8(text) && text.find('\0') == std::string_view::npos); }

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
