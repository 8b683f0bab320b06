#pragma once
// `escaval roll`: a roll of arms, a PDF of A4 pages of shields with their surnames and, in small
// type, their blazons.

#include <string>
#include <vector>

#include "engine/Bitmap.h"

namespace esc {

// Where things go on a page of the roll: `columns` across and one row more than columns down.
struct RollLayout {
    int pageWidth = 0, pageHeight = 0, columns = 0, rows = 0;
    int margin = 0, cellWidth = 0, cellHeight = 0;
    int shieldWidth = 0, shieldHeight = 0;  // the shield's box, in the proportions of the drawing
    int nameHeight = 0, blazonLineHeight = 0;
    int PerPage() const { return columns * rows; }
    // The shield's box of the n-th shield of a page (0-based, row by row).
    Rect ShieldBox(int n) const;
    // The surname's line and the blazon's lines under it.
    Rect NameBox(int n) const;
    Rect BlazonBox(int n, int line) const;
};

inline constexpr double kRollDpi = 150.0;
inline constexpr int kRollDefaultColumns = 4;
inline constexpr int kRollMaxColumns = 8;
inline constexpr int kRollBlazonLines = 2;

RollLayout RollLayoutFor(int columns, double dpi = kRollDpi);

int RollCommand(const std::vector<std::string>& args, const char* argv0);

}  // namespace esc
