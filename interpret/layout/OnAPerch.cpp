#include "interpret/layout/OnAPerch.h"

#include <algorithm>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

constexpr int kBirdKind = kTypeFirstOtherCharge;  // Type 11: the birds
constexpr float kLargestPerchedScale = 1.8f;      // the bird alone would be 2.4; it has less room

bool IsSingleBird(const LevelRecord& level) {
    return level.levelCount == 1 && level.levelKind == kBirdKind && !level.levelIn && !level.levelOn &&
           !level.levelBetween;
}

// Whether word `k` names a charge a bird can stand on: a picture charge, not a mount (which has
// a layout of its own) and not an ordinary.
bool NamesAPerch(const DrawingState& s, int k) {
    const int type = s.Type(k);
    return (type == kTypeCharge || IsOtherChargeWord(type)) && !IsMountName(s.Word(k));
}

int PerchMiddle(const ShieldGeometry& g) { return g.H * kPerchMiddlePercent / 100; }

float Span(int first, int last) { return static_cast<float>(last - first + 1); }

}  // namespace

bool OnAPerchLayout(DrawingState& s, int nextWord) {
    const ShieldGeometry& g = s.geometry;
    if (s.partitionCode != ShapeCode::kNoShape) return false;
    const LevelRecord& level = phrase::Current(s);
    PictureExtent extent;
    if (s.level == 0 && IsSingleBird(level)) {
        if (!EqualsIgnoringCase(s.Word(nextWord), "on") || !EqualsIgnoringCase(s.Word(nextWord + 1), "a") ||
            !NamesAPerch(s, nextWord + 2))
            return false;
        const bool loaded = s.pictureLoaded;
        const bool measured = LevelPictureExtent(s, extent);
        s.pictureLoaded = loaded;
        if (!measured) return false;
        NoteLayout(s, "OnAPerch(bird)");
        // As large as the rows above the perch and the field's width allow, its feet on the
        // perch's middle (the perch, drawn after it, covers them as if gripped).
        const int room = PerchMiddle(g);
        const float scale = std::min({kLargestPerchedScale, 2.0f * 0.9f * room / Span(extent.firstRow, extent.lastRow),
                                      2.0f * 0.9f * g.W / Span(extent.firstColumn, extent.lastColumn)});
        // Picture row r is painted at y + (r - height / 2) * scale / 2: the lowest row at `room`.
        const float lowest = (static_cast<float>(extent.lastRow) - static_cast<float>(extent.height) / 2) * scale / 2;
        Place(s, g.W2, static_cast<int>(static_cast<float>(room) - lowest), scale);
        return true;
    }
    if (s.level == 1 && level.levelOn && level.levelCount == 1 && IsSingleBird(s.levels[0]) &&
        level.levelKind != kTypeOrdinary && level.levelKind != kTypeRoundel && !IsMountName(level.levelName.view())) {
        const bool loaded = s.pictureLoaded;
        const bool measured = LevelPictureExtent(s, extent);
        s.pictureLoaded = loaded;
        if (!measured) return false;
        NoteLayout(s, "OnAPerch(perch)");
        // Laid across the field: a perch drawn upright (a branch) is turned fesswise.
        float high = Span(extent.firstRow, extent.lastRow), wide = Span(extent.firstColumn, extent.lastColumn);
        const bool turn = high > wide;
        if (turn) std::swap(high, wide);
        const float across = static_cast<float>(g.W * kPerchWidthPercent / 100);
        const float below = static_cast<float>(g.H - PerchMiddle(g));
        const float scale = std::min(2.0f * across / wide, 2.0f * 2.0f * 0.55f * below / high);
        const int y = PerchMiddle(g);
        PlaceTurned(s, g.W2, y, scale, turn ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn);
        return true;
    }
    return false;
}

}  // namespace esc
