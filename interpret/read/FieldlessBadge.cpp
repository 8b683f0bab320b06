#include "interpret/read/FieldlessBadge.h"

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "interpret/read/TextOps.h"

namespace esc {
namespace {

// The words a charge phrase can begin with. A field always begins with a tincture, a fur, a
// partition or a treatment, none of which is one of these.
constexpr std::array<std::string_view, 15> kPhraseOpeners = {"a",    "an",    "on",    "in",   "two",
                                                           "three", "four", "five",  "six",   "seven",
                                                           "eight", "nine", "ten",   "eleven", "twelve"};

// A badge names the tincture of its charge; a text that names none ("A lion rampant") is not a
// blazon of anything, and its field is asked for as before.
constexpr std::array<std::string_view, 17> kTinctureWords = {
    "or",     "argent",  "gules",    "azure", "sable",  "vert",     "purpure", "proper",   "ermine",
    "ermines", "erminois", "pean",   "tenne", "sanguine", "murrey", "celeste", "carnation"};

bool NamesATincture(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
        std::size_t end = i;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
        for (std::string_view tincture : kTinctureWords)
            if (EqualsIgnoringCase(text.substr(i, end - i), tincture)) return true;
        i = end;
    }
    return false;
}

// What the driver makes of "(Fieldless)": the word the field parser knows.
constexpr std::string_view kFieldlessWord = "fieldless ";

}  // namespace

bool MarkFieldlessBadge(std::string& text, std::size_t capacity) {
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    std::size_t end = start;
    while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
    const std::string_view first = std::string_view(text).substr(start, end - start);
    if (first.empty() || EqualsIgnoringCase(first, "fieldless")) return false;
    for (std::string_view opener : kPhraseOpeners) {
        if (EqualsIgnoringCase(first, opener)) {
            if (text.size() + kFieldlessWord.size() > capacity || !NamesATincture(text)) return false;
            text.insert(start, kFieldlessWord);
            return true;
        }
    }
    return false;
}

}  // namespace esc
