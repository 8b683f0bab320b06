#include "interpret/layout/EachWithinARing.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "interpret/layout/FreeInterior.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/layout/WithinAnAnnulet.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {


bool IsRingName(std::string_view name) { return name == "annulet" || name == "annulets"; }

// A group of picture charges standing free on the field that rings can hold one by one.
bool IsGroupForEachRing(const LevelRecord& level) {
    return level.levelCount >= 1 && level.levelKind != 0 && level.levelKind != kTypeOrdinary &&
           level.levelKind != kTypeRoundel && !level.levelIn && !level.levelOn && !level.levelBetween &&
           !UsualRows(level.levelCount).empty();
}

// "an annulet" at word `article`.
bool RingNamedAt(const DrawingState& s, int article) {
    return (EqualsIgnoringCase(s.Word(article), "an") || EqualsIgnoringCase(s.Word(article), "a")) &&
           IsRingName(ToLower(s.Word(article + 1)));
}

// The "each" word just before the relation words that open the current level's phrase, with
// those words; nothing when the phrase is not opened so.
std::optional<RelationWords> EachRelationOpeningTheLevel(const DrawingState& s) {
    std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
    // A tincture closed the phrase before: this one opens at "each" itself.
    if (!before && EqualsIgnoringCase(s.Word(s.levelFirstWord), "each")) before = RelationWordsAt(s, s.levelFirstWord + 1);
    if (!before || before->kind != model::RelationKind::Within || !EqualsIgnoringCase(s.Word(before->first - 1), "each"))
        return std::nullopt;
    return before;
}

// The ring's hole in the ring's picture, and that picture's size; leaves the picture unloaded.
struct RingHole {
    FreeInterior room;
    int width = 0, height = 0;
};
std::optional<RingHole> MeasureRingHole(DrawingState& s) {
    const std::optional<FreeInterior> room = PictureInterior(s, "annulet", "");
    if (!room) return std::nullopt;
    return RingHole{*room, s.chargePicture.PW, s.chargePicture.PH};
}

// Where the current level's drawing stands in the hole of a ring placed at `ring`, its middle on
// the hole's centre and its diagonal across the hole.
ChargeSpot SpotInTheHole(const RingHole& hole, const PictureExtent& e, const ChargeSpot& ring) {
    const float holeX = static_cast<float>(ring.x) + (hole.room.x - static_cast<float>(hole.width) / 2) * ring.scale / 2;
    const float holeY = static_cast<float>(ring.y) + (hole.room.y - static_cast<float>(hole.height) / 2) * ring.scale / 2;
    // The charge's diagonal takes the share of the ring's outer diameter it takes within one
    // large annulet, so a charge in a small ring looks as one in the large ring does.
    const float ringWide = static_cast<float>(std::max(hole.room.lastColumn - hole.room.firstColumn, hole.room.lastRow - hole.room.firstRow) + 1);
    const float across = ringWide * ring.scale / 2 * static_cast<float>(kWithinTheRingPercent) / 100;
    const float wide = static_cast<float>(e.lastColumn - e.firstColumn + 1);
    const float high = static_cast<float>(e.lastRow - e.firstRow + 1);
    const float scale = 2.0f * across / std::hypot(wide, high);
    const float dx = static_cast<float>(e.firstColumn + e.lastColumn) / 2 - static_cast<float>(e.width) / 2;
    const float dy = static_cast<float>(e.firstRow + e.lastRow) / 2 - static_cast<float>(e.height) / 2;
    ChargeSpot spot = ring;
    spot.x = static_cast<int>(std::lround(holeX - dx * scale / 2));
    spot.y = static_cast<int>(std::lround(holeY - dy * scale / 2));
    spot.scale = scale;
    return spot;
}

// The spots of the rings about a group of `count` charges: the rows the count takes alone.
std::vector<ChargeSpot> RingSpots(const DrawingState& s, int count) {
    LayoutRequest request;
    request.region = RegionOf(s.geometry, RegionKind::kField);
    request.count = count;
    return LayoutSpots(request).spots;
}

// The current level's drawing measured, and the ring's hole; the picture to be decoded again.
bool MeasureBoth(DrawingState& s, RingHole& hole, PictureExtent& extent) {
    const std::optional<RingHole> measured = MeasureRingHole(s);
    if (!measured) return false;
    hole = *measured;
    s.pictureLoaded = false;
    const bool known = LevelPictureExtent(s, extent);
    s.pictureLoaded = false;
    return known;
}

// Level 0 followed by "each within an annulet": each charge in the hole of its ring's spot.
bool ChargesEachBeforeTheirRing(DrawingState& s, int nextWord) {
    const LevelRecord& level = phrase::Current(s);
    if (s.level != 0 || !IsGroupForEachRing(level)) return false;
    bool ringed = false;
    // The phrase ends at "each" or at the relation words after it.
    for (int k = nextWord - 2; k <= nextWord && !ringed; ++k) {
        const std::optional<RelationWords> r = EachRingRelationAt(s, k);
        ringed = r && !r->passive && RingNamedAt(s, r->first + r->count);
    }
    if (!ringed) return false;
    const std::vector<ChargeSpot> rings = RingSpots(s, level.levelCount);
    RingHole hole;
    PictureExtent extent;
    if (static_cast<int>(rings.size()) != level.levelCount || !MeasureBoth(s, hole, extent)) return false;
    NoteLayout(s, "EachWithinARing(charges within)");
    for (const ChargeSpot& ring : rings) {
        const ChargeSpot spot = SpotInTheHole(hole, extent, ring);
        Place(s, spot.x, spot.y, spot.scale);
    }
    return true;
}

// Level 1, the annulet after "each within": one ring at each spot the charges before stand in.
bool RingsAboutEachCharge(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const std::optional<RelationWords> words = EachRelationOpeningTheLevel(s);
    if (s.level != 1 || !words || words->passive || !IsRingName(level.levelName.view())) return false;
    const LevelRecord& held = s.levels[0];
    if (!IsGroupForEachRing(held) || (level.levelCount != 1 && level.levelCount != held.levelCount)) return false;
    const std::vector<ChargeSpot> rings = RingSpots(s, held.levelCount);
    if (static_cast<int>(rings.size()) != held.levelCount) return false;
    NoteLayout(s, "EachWithinARing(rings)");
    for (const ChargeSpot& ring : rings) Place(s, ring.x, ring.y, ring.scale);
    return true;
}

// Level 1 after "annulets each enclosing": one charge in the hole of every ring placed before.
bool ChargesEachInTheRingsBefore(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const std::optional<RelationWords> words = EachRelationOpeningTheLevel(s);
    if (s.level != 1 || !words || !words->passive || level.levelCount != 1 || !IsGroupForEachRing(level)) return false;
    const LevelRecord& rings = s.levels[0];
    if (!IsRingName(rings.levelName.view()) || rings.levelCount < 1) return false;
    // The ring keeps the last placements: those of the annulets, the level before.
    const int n = rings.levelCount;
    if (n > s.ringWritten || n > kPlacementRingSize) return false;
    RingHole hole;
    PictureExtent extent;
    if (!MeasureBoth(s, hole, extent)) return false;
    NoteLayout(s, "EachWithinARing(charges in the rings before)");
    // Every placement writes the ring: the rings' entries are read before any is placed.
    std::vector<ChargeSpot> ringSpots;
    for (int k = 0; k < n; ++k) {
        const int index = ((s.ringNext - n + k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
        const RingEntry& entry = s.placementRing[static_cast<std::size_t>(index)];
        ringSpots.push_back(ChargeSpot{entry.x, entry.y, entry.scale, WordsTurn(s), s.sinisterCharges, s.reversedCharges});
    }
    for (const ChargeSpot& ring : ringSpots) PlaceCharge(s, SpotInTheHole(hole, extent, ring));
    return true;
}

}  // namespace

std::optional<RelationWords> EachRingRelationAt(const DrawingState& s, int each) {
    if (!EqualsIgnoringCase(s.Word(each), "each")) return std::nullopt;
    const std::optional<RelationWords> r = RelationWordsAt(s, each + 1);
    if (!r || r->kind != model::RelationKind::Within) return std::nullopt;
    return r;
}

bool IsEachInARing(const DrawingState& s, int each) {
    const std::optional<RelationWords> r = EachRingRelationAt(s, each);
    if (!r) return false;
    if (!r->passive) return RingNamedAt(s, r->first + r->count);
    // The annulets' phrase is still open, or closed by their tincture with nothing after it yet.
    int rings = s.level;
    if (rings > 0 && s.levels[static_cast<std::size_t>(rings)].levelCount == 0) --rings;
    const LevelRecord& group = s.levels[static_cast<std::size_t>(rings)];
    return rings == 0 && IsRingName(group.levelName.view()) && IsGroupForEachRing(group);
}

bool EachWithinARingLayout(DrawingState& s, int nextWord) {
    return ChargesEachBeforeTheirRing(s, nextWord) || RingsAboutEachCharge(s) || ChargesEachInTheRingsBefore(s);
}

}  // namespace esc
