#pragma once
// A reader for the rich text we write ourselves (data/readme.rtf): paragraphs with alignment,
// and runs of text in bold, italic, underline and font sizes. It turns the text into HTML that
// a text viewer shows with that formatting. Fonts, colours, pictures and other destinations are
// skipped; unknown control words are ignored, as rich-text readers must.

#include <string>
#include <string_view>

namespace esc::app {

// The HTML body of an RTF document ("<p ...><span ...>text</span></p>..."). Text that does not
// start with "{\rtf" is shown as plain paragraphs.
std::string RtfToHtml(std::string_view rtf);

}  // namespace esc::app
