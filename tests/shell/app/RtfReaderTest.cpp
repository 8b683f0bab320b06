#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/app/RtfReader.h"

namespace esc::app {
namespace {

const std::string kP = "<p style=\"margin-top:0; margin-bottom:0.5em; text-align:";

std::string Span(const std::string& style, const std::string& text) {
    return "<span style=\"font-size:12pt" + style + "\">" + text + "</span>";
}

TEST(RtfReader, Formatting) {
    const struct {
        const char* name;
        std::string rtf;
        std::string html;
    } cases[] = {
        {"plain paragraph", "{\\rtf1 Hello\\par}", kP + "left\">" + Span("", "Hello") + "</p>"},
        {"bold and italic runs", "{\\rtf1 {\\b Bold} and {\\i italic}\\par}",
         kP + "left\">" + Span("; font-weight:bold", "Bold") + Span("", " and ") + Span("; font-style:italic", "italic") + "</p>"},
        {"b0 ends bold", "{\\rtf1 \\b A\\b0 B\\par}", kP + "left\">" + Span("; font-weight:bold", "A") + Span("", "B") + "</p>"},
        {"size and centre", "{\\rtf1 \\pard\\qc\\fs40 Title\\par}",
         kP + "center\"><span style=\"font-size:20pt\">Title</span></p>"},
        {"skipped tables", "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\*\\generator x;}Text\\par}",
         kP + "left\">" + Span("", "Text") + "</p>"},
        {"escapes", "{\\rtf1 a\\{b\\}c\\\\d <&>\\par}", kP + "left\">" + Span("", "a{b}c\\d &lt;&amp;&gt;") + "</p>"},
        {"code page and unicode", "{\\rtf1 caf\\'e9 \\u8212? x\\par}", kP + "left\">" + Span("", "caf\xC3\xA9 \xE2\x80\x94 x") + "</p>"},
        {"empty paragraph keeps its line", "{\\rtf1 A\\par\\par B}",
         kP + "left\">" + Span("", "A") + "</p>" + kP + "left\">" + Span("", "&#160;") + "</p>" + kP + "left\">" + Span("", "B") + "</p>"},
        {"line break", "{\\rtf1 A\\line B\\par}", kP + "left\">" + Span("", "A<br/>B") + "</p>"},
        {"not rtf", "Just <text>\nsecond", "<p>Just &lt;text&gt;</p><p>second</p>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RtfToHtml(c.rtf), c.html);
    }
}

TEST(RtfReader, DamagedInputEndsCleanly) {
    for (const char* rtf : {"{\\rtf1 {\\b open", "{\\rtf1 }}}} x", "{\\rtf1 \\'", "{\\rtf1 \\u", "{\\rtf1 \\fs99999999999 x", "{\\rtf1 \\"}) {
        SCOPED_TRACE(rtf);
        (void)RtfToHtml(rtf);
    }
}

TEST(RtfReader, OurReadmeHasItsHeadingsInBold) {
    std::ifstream in(std::string(ESCAVAL_SOURCE_DIR) + "/data/readme.rtf");
    ASSERT_TRUE(in);
    std::stringstream rtf;
    rtf << in.rdbuf();
    const std::string html = RtfToHtml(rtf.str());
    EXPECT_NE(html.find("<span style=\"font-size:20pt; font-weight:bold\">ESCAVAL! 95</span>"), std::string::npos);
    EXPECT_NE(html.find("<span style=\"font-size:15pt; font-weight:bold\">What it does</span>"), std::string::npos);
    EXPECT_EQ(html.find("fonttbl"), std::string::npos);
    EXPECT_EQ(html.find("DejaVu"), std::string::npos);
    EXPECT_EQ(html.find('\\'), std::string::npos);
}

}  // namespace
}  // namespace esc::app
