#include "interpret/read/BlazonPieces.h"

#include <algorithm>
#include <array>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {

namespace {

// A "word" with no blank in this many characters is cut there: no word of a blazon is so long.
constexpr std::size_t kLongestPieceWord = 64;

bool IsPieceBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The word at `at` (letters only, lower case): "Chief," reads "chief".
std::string PieceWordAt(std::string_view text, std::size_t at) {
    std::string word;
    for (std::size_t i = at; i < text.size() && !IsPieceBlank(text[i]); ++i)
        if (text[i] != ',' && text[i] != ';' && text[i] != '.' && text[i] != ':') word += ToLower(std::string_view(&text[i], 1));
    return word;
}

std::size_t NextPieceWord(std::string_view text, std::size_t at) {
    while (at < text.size() && !IsPieceBlank(text[at])) ++at;
    while (at < text.size() && IsPieceBlank(text[at])) ++at;
    return at;
}

// The words that open a phrase after a comma: ", a chief", ", on a chief", ", in chief three".
bool OpensAPhrase(std::string_view word) {
    constexpr std::array<std::string_view, 20> kOpeners = {
        "a", "an", "on", "in", "all", "over", "overall", "within", "and", "between", "surmounted",
        "debruised", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    return std::find(kOpeners.begin(), kOpeners.end(), word) != kOpeners.end();
}

// How good a cut just before the word at `at` is: 3 after a semicolon, 2 after a comma before a
// phrase or before "between" (the group the charges before stand between), 1 before "all within",
// "within" or after any comma, 0 at any other word.
int PieceCutRank(std::string_view text, std::size_t at) {
    std::size_t back = at;
    while (back > 0 && IsPieceBlank(text[back - 1])) --back;
    const char before = back > 0 ? text[back - 1] : ' ';
    const std::string word = PieceWordAt(text, at);
    if (before == ';') return 3;
    if (before == ',' && OpensAPhrase(word)) return 2;
    if (before == ',') return 1;
    const std::string next = PieceWordAt(text, NextPieceWord(text, at));
    std::size_t previousStart = back;
    while (previousStart > 0 && !IsPieceBlank(text[previousStart - 1])) --previousStart;
    const std::string previous = PieceWordAt(text, previousStart);
    // "all between two flaunches": the word before belongs to the group too.
    if (word == "between") return previous == "all" ? 0 : 2;
    if (word == "all" && next == "between") return 2;
    if ((word == "all" && next == "within") || (word == "the" && next == "whole") || (word == "within" && previous != "all" && previous != "whole")) return 1;
    return 0;
}

int CountPieceWords(std::string_view text) {
    int words = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!IsPieceBlank(text[i]) && (i == 0 || IsPieceBlank(text[i - 1]))) ++words;
    return words;
}

std::string TrimmedPiece(std::string_view text) {
    std::size_t a = 0, b = text.size();
    while (a < b && IsPieceBlank(text[a])) ++a;
    while (b > a && IsPieceBlank(text[b - 1])) --b;
    return std::string(text.substr(a, b - a));
}

}  // namespace

bool FitsOneReading(std::string_view text, std::size_t maxChars, int maxWords) {
    return text.size() <= maxChars && CountPieceWords(text) <= maxWords;
}

BlazonPieces CutIntoPieces(std::string_view text, const PieceFits& fits, int maxPieces) {
    BlazonPieces out;
    std::size_t pos = 0;
    while (pos < text.size() && IsPieceBlank(text[pos])) ++pos;
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        if (static_cast<int>(out.pieces.size()) >= maxPieces) {
            out.unread = TrimmedPiece(rest);
            break;
        }
        if (fits(TrimmedPiece(rest))) {
            out.pieces.push_back(TrimmedPiece(rest));
            break;
        }
        // The latest of the best cuts among the word starts the window holds.
        // A bound in the first third of the window is taken only when no later one is as
        // good as a comma: a field alone read first would leave its charges nothing to size by.
        struct Bound {
            std::size_t at;
            int rank;
        };
        std::vector<Bound> bounds;
        for (std::size_t at = NextPieceWord(rest, 0); at < rest.size(); at = NextPieceWord(rest, at)) {
            if (!fits(TrimmedPiece(rest.substr(0, at)))) break;
            bounds.push_back({at, PieceCutRank(rest, at)});
        }
        std::size_t cut = 0;
        int bestRank = -1;
        const std::size_t late = bounds.size() / 3;
        for (int floor : {2, 1}) {
            for (std::size_t i = bounds.size(); i-- > late && cut == 0;)
                if (bounds[i].rank >= floor) cut = bounds[i].at, bestRank = bounds[i].rank;
        }
        for (std::size_t i = 0; i < bounds.size() && cut == 0; ++i)
            if (bounds[i].rank > bestRank) bestRank = bounds[i].rank;
        for (std::size_t i = bounds.size(); i-- > 0 && cut == 0;)
            if (bounds[i].rank == bestRank) cut = bounds[i].at;
        // A first word that does not fit alone: it is cut where the characters run out.
        std::size_t wordEnd = 0;
        while (wordEnd < rest.size() && !IsPieceBlank(rest[wordEnd])) ++wordEnd;
        if (cut == 0) cut = std::max<std::size_t>(1, std::min(wordEnd, kLongestPieceWord));
        if (bestRank <= 0) ++out.cutsInsideAClause;
        out.pieces.push_back(TrimmedPiece(rest.substr(0, cut)));
        pos += cut;
        while (pos < text.size() && IsPieceBlank(text[pos])) ++pos;
    }
    return out;
}

}  // namespace esc
