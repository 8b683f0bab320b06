#include "interpret/layout/WithinAnAnnulet.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

constexpr int kRingCentreAboveTheFessPoint = 10;  // pixels: the shield is full width a little higher

bool IsSingleCharge(const LevelRecord& level) {
    return level.levelCount == 1 && !level.levelIn && !level.levelOn && !level.levelBetween &&
           level.levelKind != kTypeOrdinary && level.levelKind != 0;
}

// Places the current level's drawing with its middle at (x, y): picture row r is painted at
// y + (r - height / 2) * scale / 2, and columns alike.
void PlaceDrawingCentred(DrawingState& s, const PictureExtent& e, int x, int y, float scale) {
    const float dx = (static_cast<float>(e.firstColumn + e.lastColumn) / 2 - static_cast<float>(e.width) / 2) * scale / 2;
    const float dy = (static_cast<float>(e.firstRow + e.lastRow) / 2 - static_cast<float>(e.height) / 2) * scale / 2;
    Place(s, static_cast<int>(std::lround(x - dx)), static_cast<int>(std::lround(y - dy)), scale);
}

}  // namespace

bool WithinAnAnnuletLayout(DrawingState& s, int nextWord) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = phrase::Current(s);
    const int ring = g.W * kAnnuletWidthPercent / 100;
    const int cx = g.W2, cy = g.H2 - kRingCentreAboveTheFessPoint;
    // The phrase ends at the words that say "within" ("within", "environed of") or, those
    // stepped over, at the article after them.
    const std::optional<RelationWords> after = RelationWordsAfter(s, nextWord);
    const int article = after ? after->first + after->count : -1;
    const bool charge = s.level == 0 && IsSingleCharge(level) && level.levelKind != kTypeRoundel && after &&
                        after->kind == model::RelationKind::Within &&
                        (EqualsIgnoringCase(s.Word(article), "an") || EqualsIgnoringCase(s.Word(article), "a")) &&
                        EqualsIgnoringCase(s.Word(article + 1), "annulet");
    const std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
    const bool annulet = s.level == 1 && level.levelName == "annulet" && IsSingleCharge(level) && IsSingleCharge(s.levels[0]) &&
                         before && before->kind == model::RelationKind::Within;
    if (!charge && !annulet) return false;
    PictureExtent extent;
    const bool loaded = s.pictureLoaded;
    const bool measured = LevelPictureExtent(s, extent);
    s.pictureLoaded = loaded;
    if (!measured) return false;
    const float wide = static_cast<float>(extent.lastColumn - extent.firstColumn + 1);
    const float high = static_cast<float>(extent.lastRow - extent.firstRow + 1);
    if (annulet) {
        NoteLayout(s, "WithinAnAnnulet(ring)");
        PlaceDrawingCentred(s, extent, cx, cy, 2.0f * static_cast<float>(ring) / std::max(wide, high));
    } else {
        NoteLayout(s, "WithinAnAnnulet(charge)");
        const float room = static_cast<float>(ring * kWithinTheRingPercent / 100);
        PlaceDrawingCentred(s, extent, cx, cy, 2.0f * room / std::hypot(wide, high));
    }
    return true;
}

}  // namespace esc
