// Marshalled arms on one grid: 2 to 16 quarters in rows as armorials draw them, quarters named
// in any order and repeated, grand quarters, an escutcheon over all; and the texts refused.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Messages.h"
#include "interpret/marshal/MarshalledGrid.h"
#include "interpret/marshal/PrintedMarshalling.h"

namespace esc::grid_test {
namespace {

using test::Colour;
using test::Drawing;

constexpr int kW = 415, kH = 480;

// Six tinctures in turn, so that neighbouring cells differ.
const std::vector<std::pair<const char*, int>> kTinctures = {{"Or", kOr},       {"Gules", kGules}, {"Azure", kAzure},
                                                             {"Vert", kVert},   {"Sable", kSable}, {"Purpure", kPurpure},
                                                             {"Argent", kArgent}};

// The centre of cell `cell` of a grid whose rows hold `rows` cells, the picture divided evenly.
std::pair<int, int> CellCentre(const std::vector<int>& rows, int cell) {
    const int R = static_cast<int>(rows.size());
    for (int r = 0; r < R; ++r) {
        const int C = rows[static_cast<std::size_t>(r)];
        if (cell < C) return {kW * (2 * cell + 1) / (2 * C), kH * (2 * r + 1) / (2 * R)};
        cell -= C;
    }
    return {-1, -1};
}

TEST(MarshalledGrid, EveryCountInItsRows) {
    // The counts armorials draw as even grids, and the rows the others take.
    const std::vector<std::pair<int, std::vector<int>>> counts = {
        {2, {2}},          {3, {2, 1}},       {5, {3, 2}},       {6, {3, 3}},       {7, {4, 3}},
        {8, {4, 4}},       {9, {3, 3, 3}},    {10, {4, 3, 3}},   {11, {4, 4, 3}},   {12, {4, 4, 4}},
        {13, {5, 4, 4}},   {14, {5, 5, 4}},   {15, {5, 5, 5}},   {16, {4, 4, 4, 4}}};
    Drawing d;
    for (const auto& [count, rows] : counts) {
        SCOPED_TRACE(count);
        std::string text = "Quarterly of " + std::to_string(count);
        for (int q = 1; q <= count; ++q) text += " " + std::to_string(q) + ": " + kTinctures[(q - 1) % kTinctures.size()].first;
        d.Draw(text);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_EQ(d.trace.road, "quartered");
        ASSERT_EQ(d.trace.parts.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(d.trace.parts[1].placed, "quarter 2");
        ASSERT_EQ(d.s().picture.Width(), kW);
        ASSERT_EQ(d.s().picture.Height(), kH);
        for (int q = 0; q < count; ++q) {
            const auto [x, y] = CellCentre(rows, q);
            EXPECT_EQ(d.At(x, y), Colour(kTinctures[static_cast<std::size_t>(q) % kTinctures.size()].second))
                << "quarter " << q + 1 << " at " << x << "," << y;
        }
        // A dividing line between the first two cells, and one under the first row.
        EXPECT_EQ(d.At(kW / rows[0], kH / (2 * static_cast<int>(rows.size()))), kBlack);
        if (rows.size() > 1) {
            EXPECT_EQ(d.At(kW / (2 * rows[0]), kH / static_cast<int>(rows.size())), kBlack);
        }
        // The composed text draws the same picture again.
        const Bitmap first = d.s().picture;
        const std::string composed = d.trace.composed;
        d.Draw(composed);
        EXPECT_TRUE(d.s().picture == first);
    }
}

// The run of `colour` through (x, y) along one axis: its first and last pixel.
std::pair<int, int> RunThrough(const Drawing& d, int x, int y, bool across, Rgb colour) {
    auto at = [&](int t) { return across ? d.At(t, y) : d.At(x, t); };
    int lo = across ? x : y, hi = lo;
    const int end = across ? kW : kH;
    while (lo > 0 && at(lo - 1) == colour) --lo;
    while (hi + 1 < end && at(hi + 1) == colour) ++hi;
    return {lo, hi};
}

TEST(MarshalledGrid, ACellIsTheShapeOfItsPartOfTheShield) {
    // A roundel in every cell stays round: as wide as it is high, whatever the cell's shape
    // (tall in two halves and in rows of three or four, low in the wide cell of three).
    const std::vector<std::pair<int, std::vector<int>>> counts = {{2, {2}}, {3, {2, 1}}, {6, {3, 3}}, {8, {4, 4}}};
    Drawing d;
    for (const auto& [count, rows] : counts) {
        SCOPED_TRACE(count);
        std::string text = "Quarterly of " + std::to_string(count);
        for (int q = 1; q <= count; ++q) text += " " + std::to_string(q) + ": Gules a roundel Or";
        d.Draw(text);
        EXPECT_TRUE(d.sink.messages.empty());
        for (int q = 0; q < count; ++q) {
            SCOPED_TRACE(q + 1);
            const auto [cx, cy] = CellCentre(rows, q);
            // The roundel's column through the cell's centre, then its row through the
            // roundel's own centre.
            const auto [top, bottom] = RunThrough(d, cx, cy, false, Colour(kOr));
            ASSERT_GT(bottom, top);
            const auto [left, right] = RunThrough(d, cx, (top + bottom) / 2, true, Colour(kOr));
            const int high = bottom - top + 1, wide = right - left + 1;
            EXPECT_NEAR(wide, high, 2 + high / 20) << "at " << cx << "," << cy;
        }
    }
}

TEST(MarshalledGrid, QuartersNamedInAnyOrderAndRepeated) {
    Drawing d;
    d.Draw("Quarterly of 6 1&6: Or 2&3&5: Gules 4: Azure");
    EXPECT_TRUE(d.sink.messages.empty());
    // One drawing for each part, whatever the quarters it fills.
    ASSERT_EQ(d.trace.parts.size(), 3u);
    EXPECT_EQ(d.trace.parts[0].placed, "quarters 1 and 6");
    EXPECT_EQ(d.trace.parts[1].placed, "quarters 2, 3 and 5");
    const std::vector<int> rows = {3, 3};
    const int want[] = {kOr, kGules, kGules, kAzure, kGules, kOr};
    for (int q = 0; q < 6; ++q) {
        const auto [x, y] = CellCentre(rows, q);
        EXPECT_EQ(d.At(x, y), Colour(want[q])) << "quarter " << q + 1;
    }
    EXPECT_EQ(d.trace.composed, "Quarterly of 6 1&6: Or 2&3&5: Gules 4: Azure");
}

TEST(MarshalledGrid, GrandQuartersAreQuarteredInTheirCells) {
    Drawing d;
    d.Draw("Quarterly 1&4: (Quarterly 1&4: Or 2&3: Gules) 2&3: Azure");
    EXPECT_TRUE(d.sink.messages.empty());
    ASSERT_EQ(d.trace.parts.size(), 2u);
    EXPECT_EQ(d.trace.parts[0].road, "quartered");
    EXPECT_EQ(d.trace.parts[0].placed, "quarters 1 and 4");
    ASSERT_EQ(d.trace.parts[0].parts.size(), 2u);
    EXPECT_EQ(d.trace.parts[0].parts[1].blazon, "Gules");
    // Grand quarter 1 (top left) and 4 (bottom right), each quartered Or and Gules.
    for (const auto& [x0, y0] : {std::pair{0, 0}, std::pair{kW / 2, kH / 2}}) {
        SCOPED_TRACE(x0);
        EXPECT_EQ(d.At(x0 + kW / 8, y0 + kH / 8), Colour(kOr));
        EXPECT_EQ(d.At(x0 + 3 * kW / 8, y0 + kH / 8), Colour(kGules));
        EXPECT_EQ(d.At(x0 + kW / 8, y0 + 3 * kH / 8), Colour(kGules));
        EXPECT_EQ(d.At(x0 + 3 * kW / 8, y0 + 3 * kH / 8), Colour(kOr));
    }
    EXPECT_EQ(d.At(3 * kW / 4, kH / 4), Colour(kAzure));
    EXPECT_EQ(d.At(kW / 4, 3 * kH / 4), Colour(kAzure));

    // Grand quarters of six quarters, and impaled arms whose dexter half is quartered.
    d.Draw("Quarterly of 6 1: (Quarterly 1: Vert 2: Or 3: Or 4: Vert) 2&3&4&5&6: Sable");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.At(kW / 12, kH / 8), Colour(kVert));
    EXPECT_EQ(d.At(3 * kW / 12, kH / 8), Colour(kOr));
    EXPECT_EQ(d.At(kW / 2, kH / 4), Colour(kSable));
    d.Draw("(Quarterly 1&4: Or 2&3: Gules) impaling: Azure");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.trace.road, "impaled");
    EXPECT_EQ(d.At(kW / 8, kH / 4), Colour(kOr));
    EXPECT_EQ(d.At(3 * kW / 8, kH / 4), Colour(kGules));
    EXPECT_EQ(d.At(3 * kW / 4, kH / 2), Colour(kAzure));
}

TEST(MarshalledGrid, AnEscutcheonOverAllAtTheFessPoint) {
    Drawing d;
    d.Draw("Quarterly 1&4: Or 2&3: Gules escutcheon: Azure");
    EXPECT_TRUE(d.sink.messages.empty());
    ASSERT_EQ(d.trace.parts.size(), 3u);
    EXPECT_EQ(d.trace.parts[2].placed, "escutcheon over all");
    // A whole shield a third as wide as the arms, centred on the fess point, over the dividing
    // lines; the quarters round it.
    const Rect e = EscutcheonPlace(kW, kH, kImageWidth, kPictureHeight);
    EXPECT_EQ(e.Width(), kW / 3);
    EXPECT_EQ(d.At(kW / 2, kH / 2), Colour(kAzure));
    EXPECT_EQ(d.At(e.left + 6, e.top + 6), Colour(kAzure));
    EXPECT_EQ(d.At(e.right - 6, e.top + 6), Colour(kAzure));
    // The shield's base curves in: its lower corners show the quarters beneath.
    EXPECT_EQ(d.At(e.left + 2, e.bottom - 3), Colour(kGules));
    EXPECT_EQ(d.At(e.right - 2, e.bottom - 3), Colour(kOr));
    EXPECT_EQ(d.At(kW / 4, kH / 4), Colour(kOr));
    EXPECT_EQ(d.At(3 * kW / 4, kH / 4), Colour(kGules));
    EXPECT_EQ(d.At(e.left - 6, kH / 4 + kH / 8), Colour(kOr));

    // Over impaled arms, over six quarters, and over single arms (an escutcheon of pretence),
    // which keep their shield's shape.
    d.Draw("Or impaling: Gules escutcheon: Vert a bend argent");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.At(kW / 2, e.top + 6), Colour(kVert));
    EXPECT_EQ(d.At(kW / 4, kH / 2), Colour(kOr));
    EXPECT_EQ(d.At(3 * kW / 4, kH / 2), Colour(kGules));
    d.Draw("Quarterly of 6 1&3&5: Or 2&4&6: Sable escutcheon: Gules");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.At(kW / 2, kH / 2), Colour(kGules));
    EXPECT_EQ(d.At(kW / 6, kH / 4), Colour(kOr));
    // An escutcheon of quartered arms: quartered within a whole shield's shape.
    d.Draw("Quarterly 1&4: Or 2&3: Gules escutcheon: (Quarterly 1&4: Azure 2&3: Argent)");
    EXPECT_TRUE(d.sink.messages.empty());
    ASSERT_EQ(d.trace.parts.size(), 3u);
    EXPECT_EQ(d.trace.parts[2].road, "quartered");
    EXPECT_EQ(d.trace.parts[2].parts.size(), 2u);
    EXPECT_EQ(d.At(e.left + e.Width() / 4, e.top + e.Height() / 4), Colour(kAzure));
    EXPECT_EQ(d.At(e.right - e.Width() / 4, e.top + e.Height() / 4), Colour(kArgent));
    EXPECT_EQ(d.At(e.left + e.Width() / 4, e.top + 5 * e.Height() / 8), Colour(kArgent));
    EXPECT_EQ(d.At(e.left + 2, e.bottom - 3), Colour(kGules));
    d.Draw("Argent escutcheon: Sable");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.trace.road, "escutcheon");
    EXPECT_EQ(d.s().picture.Height(), kPictureHeight);
    EXPECT_EQ(d.At(kW / 2, kH / 2), Colour(kSable));
    EXPECT_EQ(d.At(kW / 8, kH / 2), Colour(kArgent));
    EXPECT_EQ(d.trace.composed, "Argent escutcheon: Sable");
}

// A bordure or an ordinary over all the quarters lies over the whole grid and its lines.
TEST(MarshalledGrid, AChargeOverAllTheQuarters) {
    Drawing d;
    d.Draw("Quarterly of 6 1: Or 2: Gules 3: Argent 4: Sable 5: Or 6: Gules overall: a bordure vert");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.trace.parts.back().placed, "over all the quarters");
    const std::vector<int> rows = {3, 3};
    const int want[] = {kOr, kGules, kArgent, kSable, kOr, kGules};
    for (int q = 0; q < 6; ++q) {
        const auto [x, y] = CellCentre(rows, q);
        EXPECT_EQ(d.At(x, y), Colour(want[q])) << "quarter " << q + 1;
    }
    // The bordure runs round the whole shield, over the lines between the cells.
    for (const auto& [x, y] : {std::pair{10, kH / 4}, std::pair{kW - 10, 3 * kH / 4}, std::pair{kW / 3, 10},
                               std::pair{2 * kW / 3, kH - 10}})
        EXPECT_EQ(d.At(x, y), Colour(kVert)) << x << "," << y;
    EXPECT_EQ(d.At(0, kH / 2), kBlack) << "the border";
    d.Draw("Quarterly 1&4: Argent 2&3: Or overall: a bend sable");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.At(kW / 2 + 3, kH / 2 + 3), Colour(kSable));
    EXPECT_EQ(d.At(kW / 4, 3 * kH / 4), Colour(kOr));
    EXPECT_EQ(d.At(3 * kW / 4, kH / 4), Colour(kOr));
}

TEST(MarshalledGrid, ARefusedTextDrawsNothing) {
    const std::vector<std::pair<std::string, std::string_view>> cases = {
        {"Quarterly of 6 1: Or 2: Gules", msg::kQuarterNotNamedOnce},
        {"Quarterly 1: Or 2: Gules 5: Azure", msg::kQuarterNotNamedOnce},
        {"Quarterly of 6 1&2: Or 2: Gules 3&4&5&6: Azure", msg::kQuarterNotNamedOnce},
        {"Quarterly 1: Or 17: Gules", msg::kTooManyQuarters},
        {"Quarterly of 20 1: Or 2: Gules", msg::kTooManyQuarters},
        {"Quarterly of 6 1: Or two: Gules 3&4&5&6: Azure", msg::kExpectingQuarterLabel},
        {"Quarterly 1&4: Or 2&3: Gules escutcheon: ", msg::kEmptyPart},
        {"Quarterly 1&4: (Quarterly 1&4: Or 2&3: (Quarterly 1&4: Or 2&3: Vert)) 2&3: Azure", msg::kQuartersTooDeep},
        {"Quarterly 1&4: (Quarterly 1&4: Or 2&3: Gules escutcheon: (Or impaling: Vert)) 2&3: Azure", msg::kQuartersTooDeep},
    };
    Drawing empty;
    empty.Draw("");
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        Drawing d;
        d.Draw(text);
        EXPECT_EQ(d.sink.messages, std::vector<std::string>{std::string(message)});
        EXPECT_TRUE(d.trace.parts.empty());
        EXPECT_FALSE(d.s().marshallingMode);
        EXPECT_TRUE(d.s().picture == empty.s().picture);
    }
}

// Any text of printed marshalling pieces is read into a form that is either drawn, every part
// of it in place, or refused with one message and nothing drawn.
TEST(MarshalledGrid, AnyPrintedTextGivesADefinedResult) {
    const char* pieces[] = {"Quarterly ", "of six ", "1 ", "and ", "4 ", "6 ", "2, ", "3 ", ", ", "; ", "grand quarters ",
                            "quarterly ", "i ", "ii and iii ", "over all an escutcheon of ", "Or ", "Gules ", "impaling ",
                            "(", ")", "all within a bordure vert ", "the last ", ": ", "escutcheon: ", "overall: "};
    std::mt19937 random(11);
    int drawn = 0, refused = 0;
    Drawing d;
    for (int trial = 0; trial < 600; ++trial) {
        if (trial % static_cast<int>(test::kSweepStride) != 0) {  // the same texts, a sample of them read
            const int skipped = 2 + static_cast<int>(random() % 14);
            for (int i = 0; i < skipped; ++i) (void)random();
            continue;
        }
        std::string text;
        const int n = 2 + static_cast<int>(random() % 14);
        for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
        SCOPED_TRACE(text);
        (void)ReadPrintedMarshalling(text);
        d.Draw(text);
        if (d.trace.road == "single") continue;
        const bool isRefused = d.trace.parts.empty();
        if (isRefused) {
            ++refused;
            EXPECT_EQ(d.sink.messages.size(), 1u);
        } else {
            ++drawn;
            EXPECT_FALSE(d.trace.composed.empty());
        }
    }
    EXPECT_GT(drawn, 20 / static_cast<int>(test::kSweepStride));
    EXPECT_GT(refused, 20 / static_cast<int>(test::kSweepStride));
}

// What a grand quarter's own words say does not decide how the whole text is read.
TEST(MarshalledGrid, OnlyWordsOutsideBracketsChooseTheRoad) {
    EXPECT_EQ(MarshalledRoadOf("(Quarterly 1&4: Or 2&3: Gules) impaling: Azure"), MarshalledRoad::Impaled);
    EXPECT_EQ(MarshalledRoadOf("Quarterly 1&4: (Or impaling: Gules) 2&3: Azure"), MarshalledRoad::Quartered);
    EXPECT_EQ(MarshalledRoadOf("Quarterly or and gules escutcheon: Azure"), MarshalledRoad::Escutcheon);
    EXPECT_EQ(MarshalledRoadOf("Or a lion (note: rampant)"), MarshalledRoad::Single);
    // The four-quarter and two-half forms keep the reader's own assembly.
    EXPECT_FALSE(NeedsGrid("Quarterly 1&4: Or 2&3: Azure", MarshallingKind::Quartered));
    EXPECT_FALSE(NeedsGrid("Quarterly 1: Or 2: Gules x: Azure y: Sable", MarshallingKind::Quartered));
    EXPECT_FALSE(NeedsGrid("Or (for Smith) impaling: Azure", MarshallingKind::Impaled));
    EXPECT_TRUE(NeedsGrid("Quarterly 1: Or 2: Gules 3: Azure 4: Sable 5: Vert", MarshallingKind::Quartered));
}

}  // namespace
}  // namespace esc::grid_test
