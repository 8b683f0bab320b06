#pragma once
// Marshalled arms beyond the four quarters and two halves of the marshalling reader: any number
// of quarters from 2 to 16, quarters that are marshalled arms themselves (grand quarters), and an
// escutcheon over all (of pretence), written in the reader's general form:
//
//   Quarterly of 6 1: A 2: B 3: C 4: D 5: E 6: F
//   Quarterly of 6 1&6: A 2&3&5: B 4: C            a label names every quarter its part fills
//   Quarterly 1&4: (Quarterly 1&4: A 2&3: B) 2&3: C
//   Quarterly 1&4: A 2&3: B escutcheon: C
//   A impaling: B escutcheon: C
//   A escutcheon: C                                single arms with an escutcheon of pretence
//   Quarterly of 6 1: A ... 6: F overall: a bordure vert    a charge over all the quarters
//
// Only colons outside brackets divide the text; a part in brackets that is a marshalled text is
// drawn as marshalled arms (one level deep). Each part is drawn once and reduced into its cells
// of one grid: rows of cells as armorials draw them (6 as two rows of three, 9 as three by
// three, 12 as three rows of four), the cells of a shorter row wider. The escutcheon is a small
// whole shield over all, at the fess point.

#include <string>
#include <string_view>
#include <vector>

#include "engine/Bitmap.h"
#include "interpret/marshal/Marshalling.h"

namespace esc {

struct GridText {
    std::string_view error;  // empty when the text was split
    int count = 0;           // quarters: 1 (single arms with an escutcheon), 2 (impaled) to 16
    bool impaled = false;
    std::vector<std::string> texts;            // each part once, in the order written
    std::vector<std::vector<int>> quartersOf;  // the quarters (1-based) each part fills
    std::string escutcheon;                    // empty: none
    std::string overAll;                       // a charge or ordinary over all the quarters, or empty
};

// How the driver reads a text: as single arms, or marshalled. Only what stands outside brackets
// counts, so that a grand quarter's own words do not decide the road of the whole text.
enum class MarshalledRoad { Single, Quartered, Impaled, Escutcheon };
[[nodiscard]] MarshalledRoad MarshalledRoadOf(std::string_view text);

// Whether a text the driver sends to marshalling needs the grid (the four-quarter and two-half
// forms keep the marshalling reader's own assembly, the window's paint boxes).
[[nodiscard]] bool NeedsGrid(std::string_view text, MarshallingKind kind);
// Whether a text with no "quarterly" or "impaling:" carries an escutcheon over all.
[[nodiscard]] bool HasEscutcheonLabel(std::string_view text);
// The text with every bracketed stretch (matched brackets only) blanked, so that what a grand
// quarter holds does not decide how the whole text is read.
[[nodiscard]] std::string OutsideBrackets(std::string_view text);
// The marshalled text a part holds in brackets ("(Quarterly 1&4: A 2&3: B)"), or empty.
[[nodiscard]] std::string_view NestedMarshalledText(std::string_view part);

[[nodiscard]] GridText SplitGrid(std::string_view text, MarshallingKind kind);
[[nodiscard]] std::string ComposeGrid(const GridText& grid);

// The cells in each row for `count` quarters, top row first.
[[nodiscard]] std::vector<int> CellsPerRow(int count);
// Quarter n's cell (n from 0) of a W by H picture, inside the border drawn with a pen `pen`
// wide; cells meet on the dividing lines.
[[nodiscard]] std::vector<Rect> GridCells(int count, int W, int H, int pen = kDividingPenWidth);
// Where the escutcheon over all goes on a W by H picture: a whole shield a third as wide,
// centred on the fess point.
[[nodiscard]] Rect EscutcheonPlace(int W, int H, int pictureWidth, int pictureHeight);

// One part drawn as single arms in the shape of `cell` (any rectangle of that shape), its
// charges standing to it as they stand to a whole shield, ready to be reduced into the cell.
void DrawPartShaped(DrawingState& state, const std::string& text, DrawHost& host, const Rect& cell);

// Draws a grid text: the picture becomes the 415 by 480 assembly (k times that at paint scale
// k), as for the other marshalled texts. A refused text draws nothing and shows its message.
void DrawGridText(DrawingState& state, std::string_view text, MarshallingKind kind, DrawHost& host);

}  // namespace esc
