#pragma once
// Where a bearer holds what it holds, measured on its picture: a beast's raised forepaw, a bird's
// beak, the fist of an arm. The rows live in data/charges/holding.limbs, beside the drawings they
// were measured on; make_vocabulary builds them into the vocabulary file (table "holds1"), and
// the held charge's layout reads them in order, the more particular rows first.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "interpret/phrase/AttachedPhrase.h"

namespace esc {

// The family of a bearer's word: beasts (the charge words), birds, and every other picture.
enum class HolderFamily : std::uint8_t { Beast = 1, Bird = 2, Other = 3 };

struct HoldingPoint {
    HolderFamily family = HolderFamily::Beast;
    std::string picture;   // the picture's name begins with this (empty: any of the family)
    std::string attitude;  // the picture's attitude digits, or their beginning when `prefix`
    bool prefix = false;
    Limb limb = Limb::Unnamed;  // Unnamed: the bearer is itself a limb and holds with it
    bool sinister = false;
    float dx = 0.0f, dy = 0.0f;  // from the picture's centre, pixels per unit of charge scale
};

constexpr std::optional<HolderFamily> HolderFamilyNamed(std::string_view name) {
    if (name == "beast") return HolderFamily::Beast;
    if (name == "bird") return HolderFamily::Bird;
    if (name == "other") return HolderFamily::Other;
    return std::nullopt;
}

// The limb a row names: "paw", "mouth", or "itself" for a bearer that is a limb.
constexpr std::optional<Limb> HoldingLimbNamed(std::string_view name) {
    if (name == "paw") return Limb::Paw;
    if (name == "mouth") return Limb::Mouth;
    if (name == "itself") return Limb::Unnamed;
    return std::nullopt;
}

}  // namespace esc
