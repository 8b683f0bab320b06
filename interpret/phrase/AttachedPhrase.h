#pragma once
// A phrase whose charges belong to the charges of the phrase before it rather than to the field:
// held in a paw, a beak or a hand, set above them ("ensigned with a crown"), or round them
// ("enfiled with a crown"). The reader marks the phrase; its layout finds the place on the
// bearers already painted.

#include <cstdint>

namespace esc {

enum class Attachment : std::uint8_t {
    None,
    Held,      // "holding", "grasping", "maintaining", "sustaining"
    Ensigned,  // "ensigned with": above the bearer, as a crown above a shield
    Enfiled,   // "enfiled with", "enfiling": round the bearer's middle, as a crown round a blade
    Surmounted,  // "each surmounted by": over the middle of each bearer
};

// The part of the bearer that holds: named ("in its mouth") or taken from the bearer's kind.
enum class Limb : std::uint8_t { Unnamed, Paw, Mouth, Hand };

// Where the holder grips a held charge, along its length as drawn: at its middle, or at the end
// that is drawn lowest ("grasped at the hilt": a sword's hilt, an axe's haft), or highest ("by
// the blade", "by the point").
enum class Grip : std::uint8_t { Middle, LowerEnd, UpperEnd };

struct AttachedPhrase {
    int level = -1;  // the level of the attached phrase (-1: none)
    Attachment how = Attachment::None;
    Limb limb = Limb::Unnamed;
    bool sinister = false;  // "in the sinister paw"
    bool each = false;      // "each holding": one on each bearer
    // "holding in the dexter paw a sword and in the sinister seven arrows": the second phrase is
    // held by the first one's bearer, which is this level (-1: the level before the phrase).
    int bearer = -1;
    Grip grip = Grip::Middle;
};

}  // namespace esc
