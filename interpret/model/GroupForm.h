#pragma once
// How a group of charges is formed beyond its count and charge: the tincture of each member when
// the blazon lists them ("three mullets azure, gules and vert") and the way its charges are
// turned ("three swords fesswise"). Plain data, read from the words, handed to the layouts.

#include <vector>

#include "engine/ChargeSpot.h"

namespace esc {

// One member turned apart from its group ("those in chief addorsed"): mirrored, flipped, or both,
// on top of how the group is turned.
struct MemberTurn {
    bool mirror = false;
    bool flip = false;
};

// How each member of a group is made of two charges: single, or "pairs of" read and the
// crossing not yet ("three pairs of keys ... in saltire"), or two charges crossed on the
// member's spot, bendwise one each way (in saltire) or one upright and one fesswise (in cross),
// or two side by side, back to back (addorsed) or face to face (combatant).
enum class PairForm { kSingle, kPairsNamed, kCrossedInSaltire, kCrossedInCross, kAddorsed, kCombatant };

// The flank a charge issues from ("an arm issuant from sinister"): none, or the side whose
// edge hides the charge's cut end.
enum class IssuingFlank { kNone, kDexter, kSinister };

struct GroupForm {
    // One tincture code a member, in the order the charges are placed; empty when the group has
    // the one tincture of its level.
    std::vector<int> memberTinctures;
    // How every charge of the group is turned (kAsDrawn: as its picture stands).
    ChargeTurn turn = ChargeTurn::kAsDrawn;
    // One turn a member, in the order the charges are placed; empty when all are turned alike.
    std::vector<MemberTurn> memberTurns;
    // "palewise", "erect": set upright, a picture drawn long and low turned to stand.
    bool upright = false;
    // Each member a pair of charges crossed on its spot ("three pairs of arrows in saltire").
    PairForm pairs = PairForm::kSingle;
    // "a sword throughout": the one long charge reaches the edges of the field along its axis.
    bool throughout = false;
    // "two horses' heads addorsed and conjoined": a pair turned to or from each other, their
    // drawings touching at the middle of the field.
    bool pairJoined = false;
    // "an arm issuant from sinister": the one charge set against that flank, its far side cut
    // by the edge, facing the other flank.
    IssuingFlank issuingFlank = IssuingFlank::kNone;
};

}  // namespace esc
