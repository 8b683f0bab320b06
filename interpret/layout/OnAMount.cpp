#include "interpret/layout/OnAMount.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/OrdinaryShapes.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

constexpr int kMarginAboveTheSummit = 4;      // pixels the charge's feet are set into the mount's top
constexpr float kLargestStandingScale = 2.0f;  // the charge alone would be 2.4; it has less room
constexpr int kMountFootBelowTheBase = 20;     // rows of the shield's point the mount runs into
constexpr float kWiderThanTheMount = 1.2f;      // the most a charge on a smaller mount spreads past it

bool IsSingleChargeOnMount(const LevelRecord& level) {
    return level.levelCount == 1 && !level.levelIn && !level.levelOn && !level.levelBetween &&
           level.levelKind != kTypeOrdinary && level.levelKind != kTypeRoundel && level.levelKind != 0;
}

// The mount's summit.
int MountTop(const ShieldGeometry& g) { return g.H - g.H * kMountHeightPercent / 100; }

// The word where the mount's phrase begins, when the phrase that ends at `nextWord` stands on a
// mount ("on a mount", "issuant from a mount"); -1 otherwise.
int MountPhraseAfter(const DrawingState& s, int nextWord) {
    if (EqualsIgnoringCase(s.Word(nextWord), "on")) return nextWord + 1;
    const std::optional<RelationWords> r = RelationWordsAfter(s, nextWord);
    return r && r->kind == model::RelationKind::IssuantFrom ? r->first + r->count : -1;
}

// The current level's drawing as large as the rows above the mount and the field's width allow,
// its feet on the summit.
void PlaceStandingOnTheMount(DrawingState& s, const PictureExtent& extent) {
    const ShieldGeometry& g = s.geometry;
    const int room = MountTop(g) + g.Px(kMarginAboveTheSummit);
    const float high = static_cast<float>(extent.lastRow - extent.firstRow + 1);
    const float wide = static_cast<float>(extent.lastColumn - extent.firstColumn + 1);
    const float scale = std::min({kLargestStandingScale, 2.0f * 0.9f * room / high, 2.0f * 0.9f * g.W / wide});
    // Picture row r is painted at y + (r - height / 2) * scale / 2: the drawing's lowest row at
    // `room`.
    const float lowest = (static_cast<float>(extent.lastRow) - static_cast<float>(extent.height) / 2) * scale / 2;
    Place(s, g.W2, static_cast<int>(static_cast<float>(room) - lowest), scale);
}

// The mount across the base: its foot runs down into the shield's point, short of the point's
// last rows (which the painter does not keep to the outline).
void PlaceTheMount(DrawingState& s, const PictureExtent& extent) {
    const ShieldGeometry& g = s.geometry;
    const int top = MountTop(g), foot = g.H + kMountFootBelowTheBase;
    const float high = static_cast<float>(extent.lastRow - extent.firstRow + 1);
    const float wide = static_cast<float>(extent.lastColumn - extent.firstColumn + 1);
    const float scale = std::min(2.0f * (foot - top) / high, 2.0f * g.W / wide);
    // The drawing's rows centred between the summit and the foot.
    const float drawnMiddle = (static_cast<float>(extent.firstRow + extent.lastRow) / 2 - static_cast<float>(extent.height) / 2) * scale / 2;
    Place(s, g.W2, static_cast<int>((top + foot) / 2 - drawnMiddle), scale);
}

// "on a mount vert a castle gules", "on a mount in base vert a tree", "a mount vert thereon a
// tree": one mount named first, read with "on" or charged (and in base, where a mount stands
// anyway), on any field, with one charge named right after it (its article at
// `nextWord`, or after "charged with"): the charge stands on the mount.
bool IsMountBeforeItsCharge(const DrawingState& s, const LevelRecord& mount, int nextWord) {
    const bool inBase = !mount.levelIn || mount.levelInCode == kBase;
    // "a mount vert thereon a tree" ("charged with" once read): the tree on it too.
    const auto chargedWithAt = [&s](int at) {
        return EqualsIgnoringCase(s.Word(at), "charged") && EqualsIgnoringCase(s.Word(at + 1), "with");
    };
    const bool thereon = chargedWithAt(nextWord) || chargedWithAt(nextWord - 2);
    if (chargedWithAt(nextWord)) nextWord += 2;
    if (!(mount.levelOn || thereon) || !inBase || mount.levelCount != 1 || !IsMountName(mount.levelName.view()))
        return false;
    if (!EqualsIgnoringCase(s.Word(nextWord), "a") && !EqualsIgnoringCase(s.Word(nextWord), "an")) return false;
    const int named = s.Type(nextWord + 1);
    return named != kTypeOrdinary && named != kTypeRoundel && named != kTypeNotFound && named != 0;
}

bool LoadedExtent(DrawingState& s, PictureExtent& extent) {
    const bool loaded = s.pictureLoaded;
    const bool measured = LevelPictureExtent(s, extent);
    s.pictureLoaded = loaded;
    return measured;
}

}  // namespace

bool StandsOnTheMountBefore(const DrawingState& s) {
    if (s.level != 1) return false;
    const LevelRecord& level = s.levels[1];
    const LevelRecord& mount = s.levels[0];
    return level.levelCount == 1 && !level.levelIn && !level.levelBetween && level.levelKind != kTypeOrdinary &&
           level.levelKind != kTypeRoundel && level.levelKind != 0 && (mount.levelOn || level.levelChargedOn) && mount.levelCount == 1 &&
           IsMountName(mount.levelName.view()) &&
           (!mount.levelIn || mount.levelInCode == kBase);
}

bool StandOnTheMountBeneath(DrawingState& s) {
    if (s.level < 1 || s.ringWritten < 1) return false;
    const LevelRecord& level = phrase::Current(s);
    const LevelRecord& mount = phrase::Previous(s);
    if (!level.levelChargedOn || level.levelCount != 1 || level.levelIn || level.levelKind == kTypeOrdinary ||
        level.levelKind == kTypeRoundel || level.levelKind == 0 || mount.levelCount != 1 || !IsMountName(mount.levelName.view()))
        return false;
    const int last = ((s.ringNext - 1) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
    const Rect drawn = s.placementRing[static_cast<std::size_t>(last)].drawn;
    if (drawn.right <= drawn.left || drawn.bottom <= drawn.top) return false;
    PictureExtent extent;
    if (!LoadedExtent(s, extent)) return false;
    const ShieldGeometry& g = s.geometry;
    // The charge keeps below a chief named anywhere in the blazon.
    int ceiling = g.Px(kMarginAboveTheSummit);
    for (int i = 1; i < s.wordCount; ++i)
        if (EqualsIgnoringCase(s.Word(i), "chief") && EqualsIgnoringCase(s.Word(i - 1), "a")) ceiling = g.chiefDepth + g.Px(kMarginAboveTheSummit);
    const int feet = drawn.top + g.Px(kMarginAboveTheSummit);
    if (feet <= ceiling) return false;
    NoteLayout(s, "OnAMount(on the summit of the mount before)");
    const float high = static_cast<float>(extent.lastRow - extent.firstRow + 1);
    const float wide = static_cast<float>(extent.lastColumn - extent.firstColumn + 1);
    const float scale = std::min({kLargestStandingScale, 2.0f * 0.9f * static_cast<float>(feet - ceiling) / high,
                                  2.0f * kWiderThanTheMount * static_cast<float>(drawn.right - drawn.left) / wide});
    const float lowest = (static_cast<float>(extent.lastRow) - static_cast<float>(extent.height) / 2) * scale / 2;
    Place(s, (drawn.left + drawn.right) / 2, static_cast<int>(static_cast<float>(feet) - lowest), scale);
    return true;
}

bool IsMountName(std::string_view name) {
    return EqualsIgnoringCase(name, "mount") || EqualsIgnoringCase(name, "mounts") || EqualsIgnoringCase(name, "molehill");
}

bool OnAMountLayout(DrawingState& s, int nextWord) {
    const LevelRecord& level = phrase::Current(s);
    PictureExtent extent;
    // "... on a mount", "... issuant from a mount": the words after this phrase.
    const int mount = MountPhraseAfter(s, nextWord);
    const bool onAMountAfter = mount >= 0 && EqualsIgnoringCase(s.Word(mount), "a") && IsMountName(s.Word(mount + 1));
    if (s.level == 0 && IsSingleChargeOnMount(level) && onAMountAfter) {
        if (!LoadedExtent(s, extent)) return false;
        NoteLayout(s, "OnAMount(charge)");
        PlaceStandingOnTheMount(s, extent);
        return true;
    }
    // "On a mount vert a castle gules": the mount first, in base, the castle on its summit.
    if (s.level == 0 && IsMountBeforeItsCharge(s, level, nextWord)) {
        if (!LoadedExtent(s, extent)) return false;
        NoteLayout(s, "OnAMount(mount first)");
        PlaceTheMount(s, extent);
        return true;
    }
    if (StandsOnTheMountBefore(s)) {
        if (!LoadedExtent(s, extent)) return false;
        NoteLayout(s, "OnAMount(charge after the mount)");
        PlaceStandingOnTheMount(s, extent);
        return true;
    }
    const std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
    const bool issuantFrom = before && before->kind == model::RelationKind::IssuantFrom;
    if (s.level == 1 && (level.levelOn || issuantFrom) && level.levelCount == 1 && IsMountName(level.levelName.view()) &&
        IsSingleChargeOnMount(s.levels[0])) {
        if (!LoadedExtent(s, extent)) return false;
        NoteLayout(s, "OnAMount(mount)");
        PlaceTheMount(s, extent);
        return true;
    }
    return false;
}

}  // namespace esc
