#include "engine/TextEncoding.h"

#include <array>

namespace esc {
namespace {

// Bytes 0x80..0x9F of the Windows Western code page; 0 marks the five unused bytes.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty()) return 0;
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    std::size_t n = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2, value = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3, value = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4, value = lead & 0x07;
    else return 0;
    if (text.size() < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (!IsUtf8Continuation(text[k])) return 0;
        value = (value << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
    }
    if ((n == 3 && value < 0x800) || (n == 4 && value < 0x10000) || value > 0x10FFFF || IsSurrogate(value)) return 0;
    return n;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8SequenceLength(text.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += IsUtf8Continuation(c) ? 0 : 1;
    return n;
}

std::vector<char32_t> DecodeUtf8(std::string_view text, bool* invalid) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    bool bad = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8SequenceLength(text.substr(i));
        if (n == 0) {
            out.push_back(kReplacementCharacter);
            bad = true;
            ++i;
            continue;
        }
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        char32_t c = n == 1 ? lead : n == 2 ? lead & 0x1F : n == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(c);
        i += n;
    }
    if (invalid) *invalid = bad;
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (IsSurrogate(c) || c > 0x10FFFF) c = kReplacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t FromWindows1252(unsigned char byte) {
    if (byte < 0x80 || byte > 0x9F) return byte;
    const char16_t c = kWindows1252High[byte - 0x80];
    return c != 0 ? c : byte;
}

bool IsUnusedInWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F && kWindows1252High[byte - 0x80] == 0;
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) AppendUtf8(out, FromWindows1252(static_cast<unsigned char>(c)));
    return out;
}

std::string TextAsUtf8(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
}

}  // namespace esc
