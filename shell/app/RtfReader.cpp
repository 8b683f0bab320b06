#include "shell/app/RtfReader.h"

#include <cstdlib>
#include <vector>

#include "engine/TextEncoding.h"

namespace esc::app {
namespace {

struct CharFormat {
    bool bold = false, italic = false, underline = false;
    int halfPoints = 24;  // \fs: font size in half points
    bool skip = false;    // inside a destination that is not shown
    int unicodeSkip = 1;  // \uc: characters that stand in for a \u character
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

const char* kSkippedDestinations[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer",
                                      "headerl", "headerr", "footerl", "footerr", "object", "listtable",
                                      "listoverridetable", "generator", "xmlnstbl", "rsidtbl"};

// One character of text at the start of `text` (not empty) appended to `out` as UTF-8; returns
// the bytes it took. NUL is dropped.
std::size_t AppendTextCharacter(std::string& out, std::string_view text) {
    const unsigned char c = static_cast<unsigned char>(text[0]);
    if (c == 0) return 1;
    // Bytes that are not UTF-8 are read as the Windows Western code page, so the HTML is always
    // clean UTF-8.
    if (const std::size_t n = Utf8SequenceLength(text); n != 0) {
        out += text.substr(0, n);
        return n;
    }
    AppendUtf8(out, FromWindows1252(c));
    return 1;
}

class Converter {
public:
    explicit Converter(std::string_view rtf) : in_(rtf) {}

    std::string Run() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                stack_.push_back(format_);
                destinationStart_ = true;
            } else if (c == '}') {
                if (!stack_.empty()) {
                    format_ = stack_.back();
                    stack_.pop_back();
                }
                destinationStart_ = false;
            } else if (c == '\\') {
                ControlWord();
            } else if (c == '\r' || c == '\n') {
                continue;  // line ends in the file are not text
            } else {
                destinationStart_ = false;
                Char(static_cast<unsigned char>(c));
            }
        }
        EndParagraph(false);
        return out_;
    }

private:
    void ControlWord() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        std::string word;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) word += in_[pos_++];
        bool hasParam = false;
        long param = 0;
        std::size_t digits = pos_;
        if (digits < in_.size() && (in_[digits] == '-' || IsDigit(in_[digits]))) {
            std::size_t end = digits + 1;
            while (end < in_.size() && IsDigit(in_[end]) && end - digits < 10) ++end;
            param = std::strtol(std::string(in_.substr(digits, end - digits)).c_str(), nullptr, 10);
            hasParam = end > digits + (in_[digits] == '-' ? 1 : 0);
            pos_ = end;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        const bool first = destinationStart_;
        destinationStart_ = false;
        Apply(word, hasParam, param, first);
    }

    void ControlSymbol(char c) {
        destinationStart_ = false;
        switch (c) {
            case '\\': case '{': case '}': Char(static_cast<unsigned char>(c)); break;
            case '~': Code(0xA0); break;
            case '_': Code(0x2011); break;
            case '-': break;  // optional hyphen
            case '*': format_.skip = true; break;
            case '\'': {
                if (pos_ + 2 <= in_.size()) {
                    const unsigned byte = static_cast<unsigned>(std::strtoul(std::string(in_.substr(pos_, 2)).c_str(), nullptr, 16));
                    pos_ += 2;
                    Code(FromWindows1252(static_cast<unsigned char>(byte)));
                }
                break;
            }
            case '\r': case '\n': EndParagraph(true); break;
            default: break;
        }
    }

    void Apply(const std::string& word, bool hasParam, long param, bool destination) {
        const bool on = !hasParam || param != 0;
        if (destination) {
            for (const char* d : kSkippedDestinations)
                if (word == d) format_.skip = true;
        }
        if (word == "b") format_.bold = on;
        else if (word == "i") format_.italic = on;
        else if (word == "ul") format_.underline = on;
        else if (word == "ulnone") format_.underline = false;
        else if (word == "fs" && hasParam && param > 0 && param < 1000) format_.halfPoints = static_cast<int>(param);
        else if (word == "plain") {
            const bool skip = format_.skip;
            const int uc = format_.unicodeSkip;
            format_ = CharFormat{};
            format_.skip = skip;
            format_.unicodeSkip = uc;
        } else if (word == "par") EndParagraph(true);
        else if (word == "line") Raw("<br/>");
        else if (word == "tab") Code(0x2003);
        else if (word == "pard") align_ = "left";
        else if (word == "qc") align_ = "center";
        else if (word == "qr") align_ = "right";
        else if (word == "qj") align_ = "justify";
        else if (word == "ql") align_ = "left";
        else if (word == "uc" && hasParam && param >= 0 && param < 10) format_.unicodeSkip = static_cast<int>(param);
        else if (word == "u" && hasParam) {
            Code(static_cast<unsigned>(param < 0 ? param + 65536 : param) & 0xFFFF);
            SkipFallback();
        } else if (word == "emdash") Code(0x2014);
        else if (word == "endash") Code(0x2013);
        else if (word == "bullet") Code(0x2022);
        else if (word == "lquote") Code(0x2018);
        else if (word == "rquote") Code(0x2019);
        else if (word == "ldblquote") Code(0x201C);
        else if (word == "rdblquote") Code(0x201D);
    }

    // The characters that stand in for a \u character in readers without Unicode.
    void SkipFallback() {
        for (int n = 0; n < format_.unicodeSkip && pos_ < in_.size(); ++n) {
            if (in_[pos_] == '\\' && pos_ + 1 < in_.size() && in_[pos_ + 1] == '\'') pos_ += 4;
            else if (in_[pos_] == '{' || in_[pos_] == '}' || in_[pos_] == '\\') break;
            else ++pos_;
        }
    }

    void Char(unsigned char c) {
        if (c >= 0x80) {
            // Bytes above ASCII in the file itself are taken as UTF-8 when they form it.
            std::string s;
            pos_ += AppendTextCharacter(s, in_.substr(pos_ - 1)) - 1;
            Raw(s, true);
            return;
        }
        if (c == 0) return;
        switch (c) {
            case '&': Raw("&amp;", true); break;
            case '<': Raw("&lt;", true); break;
            case '>': Raw("&gt;", true); break;
            case '"': Raw("&quot;", true); break;
            default: Raw(std::string(1, static_cast<char>(c)), true); break;
        }
    }

    void Code(unsigned code) {
        if (code == 0) return;
        // A surrogate code is half of a pair this reader does not join: written as unknown.
        std::string s;
        AppendUtf8(s, code);
        if (code == '&' || code == '<' || code == '>') {
            Char(static_cast<unsigned char>(code));
            return;
        }
        Raw(s, true);
    }

    // Text (or markup when `text` is false) in the current character format.
    void Raw(const std::string& s, bool text = false) {
        if (format_.skip) return;
        if (!inParagraph_) {
            out_ += "<p style=\"margin-top:0; margin-bottom:0.5em; text-align:" + align_ + "\">";
            inParagraph_ = true;
            spanOpen_ = false;
        }
        if (text && (!spanOpen_ || !(spanFormat_ == format_))) {
            CloseSpan();
            out_ += "<span style=\"font-size:" + std::to_string(format_.halfPoints / 2) +
                    (format_.halfPoints % 2 ? ".5" : "") + "pt";
            if (format_.bold) out_ += "; font-weight:bold";
            if (format_.italic) out_ += "; font-style:italic";
            if (format_.underline) out_ += "; text-decoration:underline";
            out_ += "\">";
            spanOpen_ = true;
            spanFormat_ = format_;
        }
        out_ += s;
    }

    void CloseSpan() {
        if (spanOpen_) out_ += "</span>";
        spanOpen_ = false;
    }

    // A \par inside a skipped destination ends nothing; the end of the text closes the open
    // paragraph even when a destination was left open by a damaged file.
    void EndParagraph(bool explicitEnd) {
        if (format_.skip && explicitEnd) return;
        if (!inParagraph_ && explicitEnd) Raw("&#160;", true);  // an empty paragraph keeps its line
        if (inParagraph_) {
            CloseSpan();
            out_ += "</p>";
            inParagraph_ = false;
        }
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string out_;
    CharFormat format_;
    std::vector<CharFormat> stack_;
    std::string align_ = "left";
    bool destinationStart_ = false;
    bool inParagraph_ = false;
    bool spanOpen_ = false;
    CharFormat spanFormat_;
};

std::string PlainToHtml(std::string_view text) {
    std::string out = "<p>";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n') out += "</p><p>";
        else if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c != '\r') {
            i += AppendTextCharacter(out, text.substr(i));
            continue;
        }
        ++i;
    }
    return out + "</p>";
}

}  // namespace

std::string RtfToHtml(std::string_view rtf) {
    if (rtf.substr(0, 5) != "{\\rtf") return PlainToHtml(rtf);
    return Converter(rtf).Run();
}

}  // namespace esc::app
