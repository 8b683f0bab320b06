// Layouts from the free space of the shield (FreeSpace.cpp): "is this square free" is answered
// at once, so the fitting can try every cell size from the largest down and keep the first that
// holds all the charges, in rows over the field or in the regions round an ordinary.

#include "interpret/layout/FitLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;

namespace {

constexpr int kSmallestCell = 12;
constexpr int kLopsidedPenalty = 10000;
constexpr int kUsefulRegionDivisor = 2;        // a region holding half the roomiest's charge
constexpr float kWidestPitchPerCell = 1.6f;    // charges in a long row stay a group
constexpr int kLargestCellBetween = 130;       // scale 1.0
constexpr int kLargestCellOnField = 160;
constexpr float kLargestScaleBetween = 1.0f;
constexpr float kLargestScaleOnField = 1.2f;
constexpr float kLargestScaleAlone = 2.4f;  // one charge alone on the field

// Every row from `top` on at which rows of `cell` pixels can be centred, with the free x
// intervals of the centres there.
struct Interval {
    int a = 0, b = 0;
    int Capacity(int cell) const { return (b - a) / cell + 1; }
};
using RowIntervals = std::vector<Interval>;

void IntervalsAt(const FreeSpace& space, int y, int cell, int region, std::vector<char>& centres, RowIntervals& out) {
    space.FreeCentres(y, cell, region, centres);
    out.clear();
    // The runs of free centres, found a byte search at a time.
    const auto begin = centres.begin(), end = centres.begin() + space.Width();
    for (auto at = std::find(begin, end, 1); at != end;) {
        const auto stop = std::find(at, end, 0);
        out.push_back({static_cast<int>(at - begin), static_cast<int>(stop - begin) - 1});
        at = std::find(stop, end, 1);
    }
}

int Capacity(const RowIntervals& row, int cell) {
    int n = 0;
    for (const Interval& i : row) n += i.Capacity(cell);
    return n;
}

// k charges in one interval, centred, at most kWidestPitchPerCell cells apart.
void SpreadInInterval(const Interval& in, int k, int y, int cell, std::vector<FitSpot>& out) {
    const double mid = (in.a + in.b) / 2.0;
    if (k == 1) {
        out.push_back({static_cast<int>(std::lround(mid)), y});
        return;
    }
    const double pitch = std::min(static_cast<double>(in.b - in.a) / (k - 1), static_cast<double>(cell) * kWidestPitchPerCell);
    for (int j = 0; j < k; ++j) out.push_back({static_cast<int>(std::lround(mid + (j - (k - 1) / 2.0) * pitch)), y});
}

// k charges in a row of several intervals: each next charge goes where most room is left, so a
// row split by the ordinary (the arms of a chevron) is filled evenly on both sides.
void SpreadInRow(const RowIntervals& row, int k, int y, int cell, std::vector<FitSpot>& out) {
    std::vector<int> given(row.size(), 0);
    for (int n = 0; n < k; ++n) {
        std::size_t best = 0;
        int room = -1;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int left = row[i].Capacity(cell) - given[i];
            if (left > room) {
                room = left;
                best = i;
            }
        }
        ++given[best];
    }
    for (std::size_t i = 0; i < row.size(); ++i)
        if (given[i] > 0) SpreadInInterval(row[i], given[i], y, cell, out);
}

// count split over rows with the given capacities: evenly, the upper rows taking the remainder,
// and what a row cannot hold moved to the rows with room.
std::vector<int> Shares(int count, const std::vector<int>& capacities) {
    const int rows = static_cast<int>(capacities.size());
    std::vector<int> share(capacities.size());
    for (int i = 0; i < rows; ++i) share[static_cast<std::size_t>(i)] = count / rows + (i < count % rows ? 1 : 0);
    int excess = 0;
    for (std::size_t i = 0; i < share.size(); ++i) {
        if (share[i] > capacities[i]) {
            excess += share[i] - capacities[i];
            share[i] = capacities[i];
        }
    }
    for (std::size_t i = 0; excess > 0 && i < share.size(); ++i) {
        const int room = std::min(excess, capacities[i] - share[i]);
        share[i] += room;
        excess -= room;
    }
    return share;
}

}  // namespace

std::string WithCount(std::string_view text, int count) { return msg::WithCountedCharges(text, count); }

float Fit::Scale(float largest) const {
    return std::min(largest, static_cast<float>(cell) * kChargeShareOfCell / kChargeExtentAtScaleOne);
}

Fit FitInRegion(const FreeSpace& space, int region, int count, int largestCell) {
    Fit fit;
    if (count < 1 || region < 0 || region >= space.Regions()) return fit;
    const int top = space.Top(region), bottom = space.Bottom(region);
    std::vector<char> centres;
    // The rows' buffers serve every cell size tried.
    std::vector<RowIntervals> rows;
    std::vector<int> capacity;
    // No cell larger than the region's largest square has a free centre: those are passed over
    // without looking at their rows.
    const int start = space.LargestSquare(region, largestCell);
    for (int cell = start - start % 2; cell >= kSmallestCell; cell -= 2) {
        // Candidate rows every two pixels, and the charges each can hold.
        const int first = top + cell / 2, last = bottom - cell / 2;
        if (last < first) continue;
        rows.resize(static_cast<std::size_t>((last - first) / 2 + 1));
        capacity.clear();
        for (int y = first, i = 0; y <= last; y += 2, ++i) {
            RowIntervals& row = rows[static_cast<std::size_t>(i)];
            IntervalsAt(space, y, cell, region, centres, row);
            capacity.push_back(Capacity(row, cell));
        }
        const int step = cell / 2;  // rows `cell` apart are `step` candidates apart
        for (int r = 1; r <= count; ++r) {
            int bestStart = -1, bestScore = 0;
            for (int s = 0; s + (r - 1) * step < static_cast<int>(rows.size()); ++s) {
                int total = 0;
                bool each = true;
                for (int j = 0; j < r; ++j) {
                    const int c = capacity[static_cast<std::size_t>(s + j * step)];
                    each = each && c > 0;
                    total += c;
                }
                if (!each || total < count) continue;
                const int middle = first + 2 * s + (r - 1) * cell / 2;
                int score = std::abs(middle - space.CentreY(region));
                // An odd number in a row the ordinary splits (the arms of a chevron) would stand
                // lopsided: any window where each row is whole or evenly split comes first.
                std::vector<int> caps;
                for (int j = 0; j < r; ++j) caps.push_back(capacity[static_cast<std::size_t>(s + j * step)]);
                const std::vector<int> share = Shares(count, caps);
                for (int j = 0; j < r; ++j)
                    if (rows[static_cast<std::size_t>(s + j * step)].size() > 1 && share[static_cast<std::size_t>(j)] % 2 == 1)
                        score += kLopsidedPenalty;
                if (bestStart < 0 || score < bestScore) {
                    bestStart = s;
                    bestScore = score;
                }
            }
            if (bestStart < 0) continue;
            std::vector<int> caps;
            for (int j = 0; j < r; ++j) caps.push_back(capacity[static_cast<std::size_t>(bestStart + j * step)]);
            const std::vector<int> share = Shares(count, caps);
            fit.cell = cell;
            for (int j = 0; j < r; ++j) {
                const std::size_t row = static_cast<std::size_t>(bestStart + j * step);
                SpreadInRow(rows[row], share[static_cast<std::size_t>(j)], first + 2 * static_cast<int>(row), cell, fit.spots);
            }
            return fit;
        }
    }
    return fit;
}

Fit FitRows(const FreeSpace& space, std::span<const int> rows, int largestCell) {
    Fit fit;
    const int r = static_cast<int>(rows.size());
    if (r == 0 || space.Regions() == 0) return fit;
    int top = space.Top(0), bottom = space.Bottom(0);
    for (int i = 1; i < space.Regions(); ++i) {
        top = std::min(top, space.Top(i));
        bottom = std::max(bottom, space.Bottom(i));
    }
    const int centre = space.Width() / 2;
    // A row of n cells needs n cells' width inside the outline (its end squares stay inside), so
    // cells wider than the widest row allows for the longest row are passed over.
    const int longest = *std::max_element(rows.begin(), rows.end());
    const int widest = space.WidestRow();
    std::vector<char> free;  // a row's free centres, for rows of more than one charge
    for (int cell = largestCell - largestCell % 2; cell >= kSmallestCell; cell -= 2) {
        if (longest * cell > widest) continue;
        // The rows fill the field; where the narrowing base will not take the lowest row, the
        // rows close up from the bottom before the charges get smaller.
        for (int cut = bottom; cut - top >= r * cell; cut -= 8) {
            const double pitchY = static_cast<double>(cut - top) / r;
            double pitchX = cell * kWidestPitchPerCell;
            bool fits = true;
            // The lowest row, where the base narrows, is the one that fails most often: it is
            // asked first. The answer does not depend on the order (the pitch is the least any
            // row allows).
            for (int i = r - 1; i >= 0 && fits; --i) {
                const int n = rows[static_cast<std::size_t>(i)];
                const int y = top + static_cast<int>(pitchY * (i + 0.5));
                if (n < 1) continue;
                if (n == 1) {
                    fits = space.BoxFree(centre, y, cell);
                    continue;
                }
                // How far the row reaches on each side of the centre: the whole row's answers at
                // once, where asking square by square walked its width.
                space.FreeCentres(y, cell, -1, free);
                if (centre < 0 || centre >= space.Width() || free[static_cast<std::size_t>(centre)] == 0) {
                    fits = false;
                    break;
                }
                int left = centre, right = centre;
                while (left > 0 && free[static_cast<std::size_t>(left - 1)] != 0) --left;
                while (right + 1 < space.Width() && free[static_cast<std::size_t>(right + 1)] != 0) ++right;
                pitchX = std::min(pitchX, 2.0 * std::min(centre - left, right - centre) / (n - 1));
                fits = pitchX >= cell;
            }
            if (!fits) continue;
            fit.cell = cell;
            for (int i = 0; i < r; ++i) {
                const int n = rows[static_cast<std::size_t>(i)];
                const int y = top + static_cast<int>(pitchY * (i + 0.5));
                for (int j = 0; j < n; ++j)
                    fit.spots.push_back({static_cast<int>(std::lround(centre + (j - (n - 1) / 2.0) * pitchX)), y});
            }
            return fit;
        }
    }
    return fit;
}

std::vector<int> FieldRows(int count) {
    // As heralds set them: 4 is two and two, 5 in saltire, 6 three, two and one, and beyond ten
    // rows that fill the field, narrowing toward the base.
    static constexpr std::array<std::array<int, 5>, kMaxChargesOnField + 1> kRows = {{
        {0},          {1},          {2},          {2, 1},       {2, 2},       {2, 1, 2},    {3, 2, 1},
        {3, 3, 1},    {3, 3, 2},    {3, 3, 3},    {4, 3, 2, 1}, {4, 4, 3},    {4, 4, 3, 1}, {4, 4, 3, 2},
        {5, 4, 3, 2}, {5, 4, 3, 2, 1}, {5, 5, 4, 2}, {5, 5, 4, 3}, {5, 5, 4, 3, 1}, {5, 5, 4, 3, 2},
        {6, 5, 4, 3, 2},
    }};
    std::vector<int> out;
    if (count < 1 || count > kMaxChargesOnField) return out;
    for (int n : kRows[static_cast<std::size_t>(count)])
        if (n > 0) out.push_back(n);
    return out;
}

void PlaceFit(DrawingState& s, const Fit& fit, float largestScale) {
    const float scale = fit.Scale(largestScale);
    for (const FitSpot& spot : fit.spots) Place(s, spot.x, spot.y, scale);
}

void FieldRowsLayout(DrawingState& s) {
    const int n = Current(s).levelCount;
    NoteLayout(s, "FieldRows");
    const std::vector<int> rows = FieldRows(n);
    const Fit fit = rows.empty() ? Fit{} : FitRows(FreeSpace::Field(s), rows, kLargestCellOnField);
    if (fit.cell == 0) {
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    PlaceFit(s, fit, kLargestScaleOnField);
}

void BetweenLayout(DrawingState& s) {
    const int n = Current(s).levelCount;
    NoteLayout(s, "BetweenLayout");
    const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s);
    const FreeSpace& space = *around;
    const int regions = space.Regions();
    if (n < 1 || n > kMaxChargesBetween || regions == 0) {
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    // Only regions that hold a charge about as large as the roomiest one: the narrow gaps
    // between chevronels or bendlets are part of the ordinary to the eye.
    std::vector<int> single(static_cast<std::size_t>(regions), 0);
    for (int r = 0; r < regions; ++r) single[static_cast<std::size_t>(r)] = FitInRegion(space, r, 1, kLargestCellBetween).cell;
    const int roomiest = *std::max_element(single.begin(), single.end());
    std::vector<int> usable;
    for (int r = 0; r < regions; ++r)
        if (single[static_cast<std::size_t>(r)] * kUsefulRegionDivisor >= roomiest) usable.push_back(r);
    // Round the regions in their order, so the first (above, dexter, in chief) takes the odd one.
    std::vector<int> share(static_cast<std::size_t>(regions), 0);
    const bool oneGroup = s.splitGroup > 0 && usable.size() == 2 && n == (s.splitGroup == 1 ? s.splitChief : s.splitBase);
    if (s.splitGroup > 0 && !oneGroup) {
        // The two groups want a side each, and there are not two sides.
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    if (oneGroup || (s.splitChief > 0 && usable.size() == 2 && s.splitChief + s.splitBase == n)) {
        // "six in chief and four in base": the written split, the upper region first.
        share[static_cast<std::size_t>(usable[0])] = s.splitChief;
        share[static_cast<std::size_t>(usable[1])] = s.splitBase;
    } else {
        for (int i = 0; i < n && !usable.empty(); ++i) ++share[static_cast<std::size_t>(usable[static_cast<std::size_t>(i) % usable.size()])];
    }
    if (FirstOrdinaryPosition(s) != OrdinaryPosition::Usual && !oneGroup) {
        // Round a moved ordinary ("a chevron enhanced between three mullets") the regions differ
        // in room by design: each region's charges take the room of their own region.
        for (int r = 0; r < regions; ++r) {
            if (share[static_cast<std::size_t>(r)] == 0) continue;
            const Fit part = FitInRegion(space, r, share[static_cast<std::size_t>(r)], kLargestCellBetween);
            if (part.cell == 0) {
                s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
                s.countMessageShown = true;
                return;
            }
            PlaceFit(s, part, kLargestScaleBetween);
        }
        return;
    }
    // One cell for all: the smallest that every region needs.
    int cell = kLargestCellBetween;
    for (int r = 0; r < regions; ++r) {
        if (share[static_cast<std::size_t>(r)] == 0) continue;
        cell = std::min(cell, FitInRegion(space, r, share[static_cast<std::size_t>(r)], cell).cell);
    }
    if (cell == 0) {
        s.messages.Show(WithCount(msg::kNoLayoutForCount, n));
        s.countMessageShown = true;
        return;
    }
    Fit all;
    all.cell = cell;
    for (int r = 0; r < regions; ++r) {
        if (share[static_cast<std::size_t>(r)] == 0) continue;
        // One group of two: both shares sized the cell, alike; this group's side alone is placed.
        if (oneGroup && r != usable[static_cast<std::size_t>(s.splitGroup - 1)]) continue;
        const Fit part = FitInRegion(space, r, share[static_cast<std::size_t>(r)], cell);
        all.spots.insert(all.spots.end(), part.spots.begin(), part.spots.end());
    }
    PlaceFit(s, all, kLargestScaleBetween);
}

bool OneInTheRoomLeft(DrawingState& s) {
    const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s);
    const FreeSpace& space = *around;
    const int regions = space.Regions();
    if (regions == 0) return false;
    // The first region (above, dexter) that holds a charge about as large as the roomiest one,
    // as the odd one of a group between the ordinary goes.
    std::vector<int> single(static_cast<std::size_t>(regions), 0);
    for (int r = 0; r < regions; ++r) single[static_cast<std::size_t>(r)] = space.LargestSquare(r);
    const int roomiest = *std::max_element(single.begin(), single.end());
    int region = 0;
    while (single[static_cast<std::size_t>(region)] * kUsefulRegionDivisor < roomiest) ++region;
    const Fit fit = FitInRegion(space, region, 1, roomiest);
    if (fit.cell == 0 || fit.spots.empty()) return false;
    NoteLayout(s, "OneInTheRoomLeft");
    const FitSpot spot = fit.spots.front();
    float scale = fit.Scale(kLargestScaleAlone);
    // Then as large as its own drawing fits there, off the ordinary and below a chief named later.
    int top = 0;
    const bool free = RoomLeftByLaterEdges(s, top);
    if (free || top > 0) {
        const auto below = [top](const Rect& r) { return r.top >= top; };
        scale = std::max(scale, LargestScaleAt(s, space, spot.x, spot.y, {}, below, kLargestScaleAlone));
    }
    Place(s, spot.x, spot.y, scale);
    return true;
}

}  // namespace esc
