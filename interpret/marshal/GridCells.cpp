// Where the parts of marshalled arms stand: the rows of cells for a count of quarters, and the
// escutcheon over all.
#include <algorithm>
#include <array>

#include "interpret/marshal/MarshalledGrid.h"

namespace esc {

std::vector<int> CellsPerRow(int count) {
    // Rows as armorials draw them; a shorter row's cells are wider.
    static constexpr std::array<std::array<int, 4>, kMaxQuarters + 1> kRows = {{
        {0}, {1}, {2}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}, {3, 3, 3}, {4, 3, 3}, {4, 4, 3}, {4, 4, 4},
        {5, 4, 4}, {5, 5, 4}, {5, 5, 5}, {4, 4, 4, 4}}};
    std::vector<int> rows;
    for (const int cells : kRows[static_cast<std::size_t>(std::clamp(count, 1, kMaxQuarters))])
        if (cells > 0) rows.push_back(cells);
    return rows;
}

std::vector<Rect> GridCells(int count, int W, int H, int pen) {
    // Inside the border (a whole pen wide at the left and top, half a pen at the right and
    // bottom); cells meet on the dividing lines, which are drawn over them.
    const std::vector<int> rows = CellsPerRow(count);
    const int R = static_cast<int>(rows.size());
    std::vector<Rect> cells;
    for (int r = 0; r < R; ++r) {
        const int top = r == 0 ? pen : H * r / R, bottom = r == R - 1 ? H - pen / 2 : H * (r + 1) / R;
        const int C = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < C; ++c) {
            const int left = c == 0 ? pen : W * c / C, right = c == C - 1 ? W - pen / 2 : W * (c + 1) / C;
            cells.push_back({left, top, right, bottom});
        }
    }
    return cells;
}

Rect EscutcheonPlace(int W, int H, int pictureWidth, int pictureHeight) {
    const int w = W / 3;
    const int h = pictureWidth > 0 ? w * pictureHeight / pictureWidth : w;
    const int left = W / 2 - w / 2, top = H / 2 - h / 2;
    return {left, top, left + w, top + h};
}

}  // namespace esc
