#pragma once
// A blazon longer than a drawing's word slots hold is read in pieces, each cut where a clause
// begins ("; ", ", on a chief", ", a bordure", "between", "all within"), each short enough for the
// blazon buffer and the word slots. The first piece is read as a whole blazon; each later one is
// read on over the same shield.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

struct BlazonPieces {
    std::vector<std::string> pieces;
    // How many pieces begin at a word that opens no clause (the only cut a window allowed): the
    // phrase there may be read apart from its beginning.
    int cutsInsideAClause = 0;
    // The text past the last piece read, when there are more pieces than a drawing reads.
    std::string unread;
};

// Whether `text` fits the blazon buffer and the word slots as it stands.
bool FitsOneReading(std::string_view text, std::size_t maxChars, int maxWords);

// Whether a piece of the text, as the drawing will read it, fits the buffer and the slots.
using PieceFits = std::function<bool(std::string_view piece)>;

// `text` cut into at most `maxPieces` pieces that each fit, every cut at the latest of the best
// clause bounds the window holds (a semicolon, or a comma before a phrase, before a lesser bound).
BlazonPieces CutIntoPieces(std::string_view text, const PieceFits& fits, int maxPieces);

}  // namespace esc
