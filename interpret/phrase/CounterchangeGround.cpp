#include "interpret/phrase/CounterchangeGround.h"

#include <optional>

#include "engine/Palette.h"

namespace esc {

namespace {

// The two tinctures of a parted or patterned surface, when it has two a charge can exchange.
std::optional<std::array<int, 2>> PartsOfSurface(const model::Surface& surface) {
    const model::Treatment& t = surface.treatment;
    if (t.form == model::TreatmentForm::Division || t.form == model::TreatmentForm::Pattern) {
        const auto [first, second] = t.FirstTwoTinctures();
        if (first >= 0 && second >= 0 && first != kCounterchanged && second != kCounterchanged)
            return std::array<int, 2>{first, second};
    }
    if (surface.division != kNoShape && surface.tincture >= 0 && surface.secondTincture >= 0 &&
        surface.tincture != surface.secondTincture)
        return std::array<int, 2>{surface.tincture, surface.secondTincture};
    return std::nullopt;
}

// The recorded member drawn as `level`, or null when none was recorded for it.
const model::Member* MemberDrawnAs(const model::Arms& arms, int level) {
    for (const model::Group& group : arms.groups) {
        const int index = level - group.firstLevel;
        if (index >= 0 && index < static_cast<int>(group.members.size())) return &group.members[static_cast<std::size_t>(index)];
    }
    return nullptr;
}

}  // namespace

std::array<int, 2> CounterchangeGroundOfLevel(const DrawingState& s) {
    if (s.level > 0 && s.level < kMaxLevels) {
        // "on a chief per pale ... three mullets counterchanged", "a bend ... charged with":
        // the level before is marked "on", or this one "charged on" the charges before.
        const LevelRecord& previous = s.levels[static_cast<std::size_t>(s.level - 1)];
        const LevelRecord& current = s.levels[static_cast<std::size_t>(s.level)];
        if (previous.levelOn || current.levelChargedOn) {
            if (const model::Member* host = MemberDrawnAs(s.model.arms, s.level - 1))
                if (const auto parts = PartsOfSurface(host->surface)) return *parts;
        }
    }
    return CounterchangeGroundOfField(s);
}

std::array<int, 2> CounterchangeGroundOfField(const DrawingState& s) {
    if (const auto parts = PartsOfSurface(s.model.arms.field)) return *parts;
    return {s.namedTinctures[0], s.namedTinctures[1]};
}

}  // namespace esc
