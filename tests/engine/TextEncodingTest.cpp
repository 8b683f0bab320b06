// UTF-8 and the Windows Western code page: the one unit every reader and writer of text uses
// (imports, the readme, the scroll and file names, the coverage of long lines).

#include "engine/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace esc {
namespace {

TEST(TextEncoding, WellFormedUtf8AndWhatIsNot) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<char32_t> chars;  // as decoded
        bool valid;
    } cases[] = {
        {"ascii and two-byte", "a\xc3\xa9", {U'a', U'\u00e9'}, true},
        {"three-byte", "\xe2\x80\x94", {U'\u2014'}, true},
        {"four-byte", "\xf0\x9f\x98\x80", {U'\U0001F600'}, true},
        {"last code point", "\xf4\x8f\xbf\xbf", {0x10FFFF}, true},
        {"overlong slash", "\xc0\xaf", {0xFFFD, 0xFFFD}, false},
        {"overlong three-byte", "\xe0\x80\xaf", {0xFFFD, 0xFFFD, 0xFFFD}, false},
        {"surrogate", "\xed\xa0\x80", {0xFFFD, 0xFFFD, 0xFFFD}, false},
        {"past U+10FFFF", "\xf4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}, false},
        {"cut short", "\xe2\x82", {0xFFFD, 0xFFFD}, false},
        {"stray continuation", "a\x80z", {U'a', 0xFFFD, U'z'}, false},
        {"Western e acute", "caf\xe9", {U'c', U'a', U'f', 0xFFFD}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool invalid = false;
        EXPECT_EQ(DecodeUtf8(c.bytes, &invalid), c.chars);
        EXPECT_EQ(invalid, !c.valid);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
        if (c.valid) {
            EXPECT_EQ(Utf8Length(c.bytes), c.chars.size());
            if (c.chars.size() == 1) {
                EXPECT_EQ(Utf8SequenceLength(c.bytes), c.bytes.size());
            }
            std::string again;
            for (const char32_t ch : c.chars) AppendUtf8(again, ch);
            EXPECT_EQ(again, c.bytes);
        } else if (c.chars.front() == kReplacementCharacter) {
            EXPECT_EQ(Utf8SequenceLength(c.bytes), 0u);
        }
    }
    EXPECT_EQ(Utf8SequenceLength(""), 0u);
    EXPECT_TRUE(IsValidUtf8(""));
}

TEST(TextEncoding, WritesOnlyWellFormedUtf8) {
    std::string out;
    AppendUtf8(out, 0xD800);    // half a surrogate pair
    AppendUtf8(out, 0x110000);  // past the last code point
    EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextEncoding, WesternCodePage) {
    EXPECT_EQ(FromWindows1252('A'), U'A');
    EXPECT_EQ(FromWindows1252(0x80), U'\u20AC');  // the euro sign
    EXPECT_EQ(FromWindows1252(0x9F), U'\u0178');
    EXPECT_EQ(FromWindows1252(0xE9), U'\u00E9');
    for (const unsigned char unused : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_TRUE(IsUnusedInWindows1252(unused));
        EXPECT_EQ(FromWindows1252(unused), static_cast<char32_t>(unused));
    }
    EXPECT_FALSE(IsUnusedInWindows1252(0x80));
    EXPECT_FALSE(IsUnusedInWindows1252('a'));

    EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x93x\x94"), "caf\xC3\xA9 \xE2\x80\x9Cx\xE2\x80\x9D");
    // Text is read in the code page only when it is not already UTF-8, and then every byte is.
    EXPECT_EQ(TextAsUtf8("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(TextAsUtf8("\xC3\xA9t\xE9"), "\xC3\x83\xC2\xA9t\xC3\xA9");
    EXPECT_EQ(TextAsUtf8("\xC0\x80"), "\xC3\x80\xE2\x82\xAC");  // an overlong form is not UTF-8
    EXPECT_EQ(Utf8Length("M\xC3\xBA\xC3\xB1oz"), 5u);
}

}  // namespace
}  // namespace esc
