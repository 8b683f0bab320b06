#include "interpret/layout/WithinACharge.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Messages.h"
#include "interpret/layout/FreeInterior.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/WithinAnAnnulet.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

// The most charge words that name one picture ("laurel wreath").
constexpr int kMostSurroundingNameWords = 3;
// Words between the article and the charge about that change nothing drawn ("an open birdcage").
constexpr int kMostWordsBeforeTheSurrounding = 2;
// A charge's diagonal as a share of the room's diameter, and of each circle's among several.
constexpr float kWithinTheRoomShare = 0.95f;

bool IsChargeWordType(int type) { return type == kTypeCharge || IsOtherChargeWord(type); }

// A level of picture charges standing on the field, neither on nor in nor between anything.
bool IsFreePictureLevel(const LevelRecord& level) {
    return level.levelCount >= 1 && level.levelKind != 0 && level.levelKind != kTypeOrdinary &&
           level.levelKind != kTypeRoundel && !level.levelIn && !level.levelOn && !level.levelBetween;
}

// The charge about drawn in its usual picture (no attitude: the variant placed is "esv").
bool DrawnInItsUsualVariant(const LevelRecord& level) {
    return level.levelVariant.empty() || level.levelVariant.view() == "esv";
}

bool IsAnnuletName(std::string_view name) { return name == "annulet" || name == "annulets"; }

// The charge about and where it stands: its spot, and its room in shield pixels.
struct SurroundingFit {
    int x = 0, y = 0;
    float scale = 1;
    float roomX = 0, roomY = 0, roomRadius = 0;
};

// The charge about, its drawing as large as the annulet's ring about the same centre, and its
// room there; nothing when its picture has no room.
std::optional<SurroundingFit> FitOfSurrounding(DrawingState& s, std::string_view name, std::string_view variant) {
    const std::optional<FreeInterior> room = PictureInterior(s, name, variant);
    if (!room) return std::nullopt;
    const ShieldGeometry& g = s.geometry;
    const float ring = static_cast<float>(g.W * kAnnuletWidthPercent / 100);
    const float wide = static_cast<float>(room->lastColumn - room->firstColumn + 1);
    const float high = static_cast<float>(room->lastRow - room->firstRow + 1);
    SurroundingFit fit;
    fit.scale = 2.0f * ring / std::max(wide, high);
    const float cx = static_cast<float>(g.W2), cy = static_cast<float>(g.H2 - g.Px(kRingCentreAboveTheFessPoint));
    // Picture pixel (c, r) is painted at x + (c - width / 2) * scale / 2: the drawing's box
    // centred on (cx, cy).
    const float boxX = static_cast<float>(room->firstColumn + room->lastColumn) / 2;
    const float boxY = static_cast<float>(room->firstRow + room->lastRow) / 2;
    const ChargePicture& p = s.chargePicture;
    fit.x = static_cast<int>(std::lround(cx - (boxX - static_cast<float>(p.PW) / 2) * fit.scale / 2));
    fit.y = static_cast<int>(std::lround(cy - (boxY - static_cast<float>(p.PH) / 2) * fit.scale / 2));
    fit.roomX = cx + (room->x - boxX) * fit.scale / 2;
    fit.roomY = cy + (room->y - boxY) * fit.scale / 2;
    fit.roomRadius = room->radius * fit.scale / 2;
    return fit;
}

// The spots of `count` charges within the room, each as a circle: its centre and radius.
std::vector<RingSpot> SpotsInTheRoom(const SurroundingFit& fit, int count) {
    if (count == 1)
        return {{static_cast<int>(std::lround(fit.roomX)), static_cast<int>(std::lround(fit.roomY)),
                 static_cast<int>(fit.roomRadius)}};
    return SpotsWithinACircle(static_cast<int>(std::lround(fit.roomX)), static_cast<int>(std::lround(fit.roomY)),
                              fit.roomRadius, count);
}

// Places the current level's charges in the room, each drawing's middle on its circle's centre
// and its diagonal across the circle. False when its picture is not known.
bool PlaceInTheRoom(DrawingState& s, const SurroundingFit& fit) {
    const LevelRecord& level = phrase::Current(s);
    PictureExtent e;
    if (!LevelPictureExtent(s, e)) return false;
    const float wide = static_cast<float>(e.lastColumn - e.firstColumn + 1);
    const float high = static_cast<float>(e.lastRow - e.firstRow + 1);
    const float dx = static_cast<float>(e.firstColumn + e.lastColumn) / 2 - static_cast<float>(e.width) / 2;
    const float dy = static_cast<float>(e.firstRow + e.lastRow) / 2 - static_cast<float>(e.height) / 2;
    for (const RingSpot& spot : SpotsInTheRoom(fit, level.levelCount)) {
        const float scale = 2.0f * 2.0f * static_cast<float>(spot.radius) * kWithinTheRoomShare / std::hypot(wide, high);
        Place(s, static_cast<int>(std::lround(static_cast<float>(spot.x) - dx * scale / 2)),
              static_cast<int>(std::lround(static_cast<float>(spot.y) - dy * scale / 2)), scale);
    }
    return true;
}

// The charge about is drawn as its picture stands: turned, reversed or mirrored its room moves.
bool DrawnAsItsPictureStands(const DrawingState& s) {
    return WordsTurn(s) == ChargeTurn::kAsDrawn && !s.reversedCharges && !s.sinisterCharges;
}

// The picture the words at `article` name after "a" or "an", past words that change nothing
// drawn ("within an open birdcage").
std::optional<std::string> SurroundingAfterArticle(const DrawingState& s, int article) {
    if (!EqualsIgnoringCase(s.Word(article), "a") && !EqualsIgnoringCase(s.Word(article), "an")) return std::nullopt;
    int first = article + 1;
    for (int k = 0; k < kMostWordsBeforeTheSurrounding && s.Type(first) == kTypeIgnored && !s.Word(first).empty(); ++k)
        ++first;
    return SurroundingPictureAt(s, first);
}

// "Argent, within a vol an eagle's head": the relation words begin the charges, before level 0.
bool WithinWordsOpenTheCharges(const DrawingState& s, int within) {
    for (int k = 0; k < within; ++k)
        if (IsChargeWordType(s.Type(k)) || s.Type(k) == kTypeRoundel) return false;
    return true;
}

void SayNotWithin(DrawingState& s, std::string_view about) {
    s.messages.Show(std::string(msg::kNotDrawnWithin) + std::string(s.levels[0].levelName.view()) + " within " +
                    std::string(about));
}

// Level 0 followed by "within a wreath": the charges within, in the room of the picture named.
bool ChargesBeforeTheirSurrounding(DrawingState& s, int nextWord) {
    if (s.level != 0 || !IsFreePictureLevel(phrase::Current(s)) || phrase::Current(s).levelCount > kMaxWithinTheRing)
        return false;
    const std::optional<RelationWords> after = RelationWordsAfter(s, nextWord);
    if (!after || after->kind != model::RelationKind::Within) return false;
    const std::optional<std::string> about = SurroundingAfterArticle(s, after->first + after->count);
    if (!about) return false;
    const std::optional<SurroundingFit> fit = FitOfSurrounding(s, *about, "");
    if (!fit) return false;
    NoteLayout(s, "WithinACharge(charges within)");
    return PlaceInTheRoom(s, *fit);
}

// The picture after "within" that follows level 0 ("a crown within a laurel wreath"): drawn
// about level 0's charges when they stand in its room, else said.
bool SurroundingAfterItsCharges(DrawingState& s, const RelationWords& words) {
    const LevelRecord& level = phrase::Current(s);
    const LevelRecord& within = s.levels[0];
    std::optional<SurroundingFit> fit;
    bool served = s.level == 1 && level.levelCount == 1 && IsFreePictureLevel(within) &&
                  within.levelCount <= kMaxWithinTheRing && !EqualsIgnoringCase(s.Word(words.first - 1), "all") &&
                  DrawnAsItsPictureStands(s) && DrawnInItsUsualVariant(level);
    // The words ahead named this picture, so the charges before were laid in its room.
    const std::optional<std::string> named = served ? SurroundingAfterArticle(s, words.first + words.count) : std::nullopt;
    std::string own(level.levelName.view());
    if (!own.empty() && own.back() == 's') own.pop_back();
    served = named && *named == own;
    if (served) fit = FitOfSurrounding(s, own, "");
    // What the model kept of the charges before: each in the room.
    const std::vector<model::Group>& groups = s.model.arms.groups;
    if (fit) {
        const auto first = std::find_if(groups.begin(), groups.end(), [](const model::Group& g) { return g.firstLevel == 0; });
        served = first != groups.end() && !first->members.empty() &&
                 static_cast<int>(first->members[0].placed.size()) == within.levelCount;
        for (std::size_t i = 0; served && i < first->members[0].placed.size(); ++i) {
            const ChargeSpot& at = first->members[0].placed[i].spot;
            served = std::hypot(static_cast<float>(at.x) - fit->roomX, static_cast<float>(at.y) - fit->roomY) <= fit->roomRadius;
        }
    }
    if (!fit || !served) {
        SayNotWithin(s, level.levelName.view());
        return false;
    }
    NoteLayout(s, "WithinACharge(charge about)");
    Place(s, fit->x, fit->y, fit->scale);
    return true;
}

// "within a vol an eagle's head": level 0 is the charge about, level 1 the charges within it.
bool SurroundingBeforeItsCharges(DrawingState& s, const RelationWords& words) {
    const LevelRecord& level = phrase::Current(s);
    std::string own(level.levelName.view());
    if (s.level != 0 || level.levelCount != 1 || !IsFreePictureLevel(level) || IsAnnuletName(own) ||
        !WithinWordsOpenTheCharges(s, words.first))
        return false;
    if (!own.empty() && own.back() == 's') own.pop_back();
    std::optional<SurroundingFit> fit;
    if (DrawnAsItsPictureStands(s) && DrawnInItsUsualVariant(level)) fit = FitOfSurrounding(s, own, "");
    if (!fit) {
        s.messages.Show(std::string(msg::kNotDrawnWithin) + "the charges within " + own);
        return false;
    }
    NoteLayout(s, "WithinACharge(charge about)");
    Place(s, fit->x, fit->y, fit->scale);
    return true;
}

// Level 0's one charge when it is a free picture that may hold the next phrase: its name, a
// final "s" dropped; else nothing.
std::optional<std::string> HoldingPictureName(const DrawingState& s) {
    const LevelRecord& about = s.levels[0];
    if (about.levelCount != 1 || !IsFreePictureLevel(about) || IsAnnuletName(about.levelName.view()) ||
        !DrawnInItsUsualVariant(about))
        return std::nullopt;
    std::string name(about.levelName.view());
    if (!name.empty() && name.back() == 's') name.pop_back();
    return name;
}

// "a birdcage, therein a bird": level 0 is the charge about, drawn where its room can hold
// what the words after it name.
// "therein", or "charged with" after a charge whose picture has a room: what follows stands in
// that room ("a birdcage Or, therein a bird azure" is often written "charged with a bird").
bool IsHeldInTheRoomBefore(const DrawingState& s, const std::optional<RelationWords>& r) {
    if (!r) return false;
    if (r->kind == model::RelationKind::Within) return r->passive;
    if (r->kind != model::RelationKind::ChargedWith) return false;
    const std::optional<std::string> name = HoldingPictureName(s);
    return name && PictureDeclaresARoom(s, *name, "");
}

bool SurroundingBeforeWhatItHolds(DrawingState& s, int nextWord) {
    const std::optional<RelationWords> after = RelationWordsAfter(s, nextWord);
    if (s.level != 0 || !IsHeldInTheRoomBefore(s, after)) return false;
    const std::optional<std::string> own = HoldingPictureName(s);
    if (!own || !DrawnAsItsPictureStands(s)) return false;
    const std::optional<SurroundingFit> fit = FitOfSurrounding(s, *own, "");
    if (!fit) return false;
    NoteLayout(s, "WithinACharge(charge about)");
    Place(s, fit->x, fit->y, fit->scale);
    return true;
}

// Level 1 after "therein": the charge before holds it.
bool HeldByTheChargeBefore(const DrawingState& s) {
    if (s.level != 1) return false;
    const std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
    return IsHeldInTheRoomBefore(s, before) && HoldingPictureName(s);
}

// Level 1 after "within a vol" or after "a birdcage, therein": its charges in the room.
bool ChargesAfterTheirSurrounding(DrawingState& s) {
    if (!ChargeAboutWrittenFirst(s) && !HeldByTheChargeBefore(s)) return false;
    const LevelRecord& about = s.levels[0];
    const LevelRecord& level = phrase::Current(s);
    std::string name(about.levelName.view());
    if (!name.empty() && name.back() == 's') name.pop_back();
    std::optional<SurroundingFit> fit;
    if (IsFreePictureLevel(level) && level.levelCount <= kMaxWithinTheRing && DrawnInItsUsualVariant(about))
        fit = FitOfSurrounding(s, name, "");
    if (!fit) {
        s.messages.Show(std::string(msg::kNotDrawnWithin) + std::string(level.levelName.view()) + " within " + name);
        return false;
    }
    NoteLayout(s, "WithinACharge(charges within)");
    return PlaceInTheRoom(s, *fit);
}

}  // namespace

std::optional<std::string> SurroundingPictureAt(const DrawingState& s, int first) {
    std::string joined, last;
    for (int k = first; k < first + kMostSurroundingNameWords && IsChargeWordType(s.Type(k)); ++k) {
        last = ToLower(s.Word(k));
        joined += last;
    }
    if (joined.empty()) return std::nullopt;
    for (const std::string& name : {joined, last})
        if (!IsAnnuletName(name) && phrase::PictureExists(s, name, "")) return name;
    return std::nullopt;
}

bool ChargeAboutWrittenFirst(const DrawingState& s) {
    if (s.level != 1) return false;
    const LevelRecord& about = s.levels[0];
    // The words that open level 0's phrase ("within a vol"), before its first charge word.
    // They name a picture next ("within a bordure" after a cross names none).
    std::optional<RelationWords> within;
    for (int k = s.levelFirstWord - 1; k >= 0 && !within; --k) {
        const std::optional<RelationWords> r = RelationWordsAt(s, k);
        if (r && r->kind == model::RelationKind::Within) within = r;
    }
    return within && WithinWordsOpenTheCharges(s, within->first) && SurroundingAfterArticle(s, within->first + within->count) &&
           about.levelCount == 1 && IsFreePictureLevel(about) && !IsAnnuletName(about.levelName.view());
}

bool CanStandWithinAPicture(const DrawingState& s) {
    const LevelRecord& current = s.levels[static_cast<std::size_t>(s.level)];
    const auto free = [](const LevelRecord& l) { return IsFreePictureLevel(l) && l.levelCount <= kMaxWithinTheRing; };
    if (s.level == 0) return current.levelCount == 0 || free(current);
    return s.level == 1 && current.levelCount == 0 && free(s.levels[0]);
}

bool HoldsWhatFollowsInItsRoom(const DrawingState& s) {
    int about = s.level;
    if (about > 0 && s.levels[static_cast<std::size_t>(about)].levelCount == 0) --about;
    if (about != 0) return false;
    const std::optional<std::string> name = HoldingPictureName(s);
    return name && PictureDeclaresARoom(s, *name, "");
}

bool WithinAChargeLayout(DrawingState& s, int nextWord) {
    if (s.level == 0 && SurroundingBeforeWhatItHolds(s, nextWord)) return true;
    if (s.level == 0 && ChargesBeforeTheirSurrounding(s, nextWord)) return true;
    // "a birdcage, therein a bird" (the charge after is within): the charges after their surrounding.
    if (const std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
        before && before->kind == model::RelationKind::Within && !before->passive) {
        const LevelRecord& level = phrase::Current(s);
        if (s.level == 0) return SurroundingBeforeItsCharges(s, *before);
        if (IsFreePictureLevel(level) && !IsAnnuletName(level.levelName.view()) && SurroundingPictureAt(s, before->first + before->count + 1))
            return SurroundingAfterItsCharges(s, *before);
    }
    return ChargesAfterTheirSurrounding(s);
}

}  // namespace esc
