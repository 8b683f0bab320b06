#pragma once
// What kind of phrase a level or a word is, as the rules about single charges and groups ask it.

#include <initializer_list>
#include <string_view>

#include "engine/PaintState.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc::kinds {

// Words that name a charge: charges, roundels, beasts and birds.
inline bool NamesACharge(int type) { return type == kTypeCharge || type == kTypeRoundel || IsOtherChargeWord(type); }

// A level of charge pictures or discs, named, standing on the field.
inline bool IsChargeLevel(const LevelRecord& level) {
    return NamesACharge(level.levelKind) && level.levelCount > 0 && !level.levelIn && !level.levelBetween;
}

template <typename Keys>
bool IsOneOf(std::string_view word, const Keys& keys) {
    for (std::string_view key : keys)
        if (EqualsIgnoringCase(word, key)) return true;
    return false;
}
inline bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> keys) {
    return IsOneOf<std::initializer_list<std::string_view>>(word, keys);
}

constexpr int kSemeeLine = 97;  // the line code of a level strewn over the field

}  // namespace esc::kinds
