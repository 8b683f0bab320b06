// Levels drawn in two tinctures. Parted by a line ("a cross engrailed per pale gules and sable",
// "a lion rampant per fess argent and or"): the level is drawn once in each tincture and the
// picture keeps the first where the first part lies, the second elsewhere. An ordinary fretty
// ("a cross argent fretty azure"): the fretty is drawn and kept only on the ordinary.

#include "interpret/PartedLevel.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/Ordinaries.h"
#include "interpret/ArrangeLevel.h"
#include "interpret/PhraseInterpreterTrace.h"
#include "interpret/PhraseRules.h"
#include "interpret/Trace.h"

namespace esc {
namespace {

constexpr int kPerFess = 0, kPerPale = 3;

// Whether the shield pixel (x, y) lies in the first part: the dexter half per pale, the chief
// half per fess.
bool InFirstPart(const ShieldGeometry& g, int partition, int x, int y) {
    return partition == kPerPale ? x < g.W2 : y < g.H2;
}

}  // namespace

bool PartedTinctureShape(int shapeCode) { return shapeCode == kPerPale || shapeCode == kPerFess; }

void DrawPartedLevel(DrawingState& s) {
    const int first = phrase::Tincture(s), second = s.partedTincture, partition = s.partedShape;
    s.partedTincture = -1;
    if (s.view != OutputView::Shield || second < 0 || !PartedTinctureShape(partition)) {
        ArrangeLevel(s);
        return;
    }
    // What the second drawing starts from: the picture, its codes, the pixels already visited
    // by counterchanging, and the counts of placed pictures.
    const Bitmap before = s.picture;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    const std::vector<std::uint64_t> visitedBefore = s.visited;
    const int pictures = s.pictureCount, ringNext = s.ringNext, ringWritten = s.ringWritten;
    const LevelRecord record = s.levels[static_cast<std::size_t>(s.level)];

    ArrangeLevel(s);
    const Bitmap inFirst = s.picture;
    const std::vector<std::int8_t> codesInFirst = s.pictureBuffer;
    const std::vector<std::uint64_t> visitedInFirst = s.visited;

    s.picture = before;
    s.pictureBuffer = codesBefore;
    s.visited = visitedBefore;
    s.pictureCount = pictures;
    s.ringNext = ringNext;
    s.ringWritten = ringWritten;
    s.levels[static_cast<std::size_t>(s.level)] = record;
    phrase::Tincture(s) = second;
    // The second drawing places the same charges again: the trace keeps those of the first.
    LevelTrace* trace = CurrentLevelTrace(s);
    const std::size_t placed = trace != nullptr ? trace->placements.size() : 0;
    const std::string layout = trace != nullptr ? trace->layout : std::string();
    ArrangeLevel(s);
    if (trace != nullptr) {
        trace->placements.resize(placed);
        trace->layout = layout + " (parted " + (partition == kPerPale ? "per pale" : "per fess") + ")";
    }

    const ShieldGeometry& g = s.geometry;
    const int width = std::min(g.W, s.picture.Width()), height = std::min(s.picture.Height(), inFirst.Height());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!InFirstPart(g, partition, x, y)) continue;
            s.picture.SetPixel(x, y, inFirst.Pixel(x, y));
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
            if (i < s.pictureBuffer.size() && i < codesInFirst.size()) s.pictureBuffer[i] = codesInFirst[i];
        }
    }
    for (std::size_t i = 0; i < s.visited.size() && i < visitedInFirst.size(); ++i) s.visited[i] |= visitedInFirst[i];
    phrase::Tincture(s) = first;
}

void DrawFrettyOrdinary(DrawingState& s) {
    const int tincture = s.frettyTincture;
    s.frettyTincture = -1;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    ArrangeLevel(s);
    if (s.view != OutputView::Shield || tincture < 0) return;
    // The ordinary's pixels: those its drawing changed.
    const Bitmap ordinary = s.picture;
    const std::vector<std::int8_t> codesOfOrdinary = s.pictureBuffer;
    const int own = phrase::Tincture(s);
    phrase::Tincture(s) = tincture;
    DrawFretty(s);
    phrase::Tincture(s) = own;
    if (LevelTrace* trace = CurrentLevelTrace(s)) trace->layout += ", then DrawFretty on it";
    const ShieldGeometry& g = s.geometry;
    const int width = std::min(g.W, s.picture.Width()), height = std::min(s.picture.Height(), ordinary.Height());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
            if (i >= codesBefore.size() || i >= s.pictureBuffer.size()) continue;
            if (codesBefore[i] != codesOfOrdinary[i]) continue;  // on the ordinary: the fretty stays
            s.picture.SetPixel(x, y, ordinary.Pixel(x, y));
            s.pictureBuffer[i] = codesOfOrdinary[i];
        }
    }
}

}  // namespace esc
