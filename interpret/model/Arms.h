#pragma once
// The arms as read: a tree of plain records that the reader fills as each phrase is completed
// and that later stages walk. It holds no words: a charge is named by its picture name, a place
// by a region, the joins between phrases by relations.
//
//   Arms
//    +- field: Surface (its treatment, and the tinctures the layouts read from it)
//    +- groups[]: Group --- kind (ordinary, charges, semé), region, arrangement, line
//    |              +- members[]: Member --- charge, count, surface, modifiers
//    +- relations[]: Relation --- kind, subject group, object group

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ChargeSpot.h"
#include "engine/OrdinaryPosition.h"
#include "engine/ShapeCode.h"
#include "interpret/model/GroupForm.h"
#include "interpret/model/Treatment.h"

namespace esc::model {

// A surface as read: its whole treatment (a tincture, a pattern, a division whose parts are
// treatments in turn), and what the layouts read of it: its first two tinctures and the shape
// code of the partition between them.
struct Surface {
    int tincture = -1;
    int secondTincture = -1;
    ShapeCode division = kNoShape;  // the partition between the two; kNoShape: one tincture
    Treatment treatment;
};

enum class GroupKind : std::uint8_t { Ordinary, Charges, Seme };

// Where on the shield a group stands.
enum class Region : std::uint8_t {
    Whole,        // the field as a whole (the usual place of a group)
    Chief,        // in chief
    Base,         // in base
    DexterChief,  // in dexter chief (also the first quarter)
    SinisterChief,
    DexterBase,   // in dexter base (the third quarter)
    SinisterBase,
    Quarters,     // in the quarters named
    OnOrdinary,   // on the ordinary of another group
    OnCharges,    // on each charge of another group
    AboutOrdinary,  // between the arms of, or about, the ordinary of another group
    Overall,      // over everything before it
    DexterHalf,   // in dexter: the dexter half, from chief to base
    SinisterHalf,
};

// How the members of a group are set out, as far as the blazon says.
enum class Arrangement : std::uint8_t {
    AsTheCountFalls,  // the usual places for the count
    InLine,           // in a line along an ordinary's direction (`lineShape`)
    Rows,             // rows named by numbers ("three, two and one")
};

// Orientation and other changes to how a member's picture is drawn.
enum class Turn : std::uint8_t { Bendwise, BendwiseSinister, Palewise, Fesswise, Reversed, ToSinister };

struct Modifiers {
    std::string variant;          // the picture variant of the attitude ("1" rampant)
    std::vector<Turn> turns;      // in the order they apply
    int fimbriation = -1;         // the tincture of an edge; -1: none
    int outerFimbriation = -1;    // a second edge outside the first ("fimbriated argent and or")
    bool voided = false;
    int cotises = 0;              // cotises each side of an ordinary (one to three)
    int cotiseTincture = -1;      // the cotises' own tincture and line; -1: the ordinary's, plain
    int cotiseLine = -1;
    int line = -1;                // the partition line of an ordinary's edges; -1: plain
    int secondLine = -1;          // the line of its second side when it differs ("embattled and wavy")
    // Where an ordinary stands: enhanced, abased, reversed, couped ...; Usual: its own place.
    OrdinaryPosition position = OrdinaryPosition::Usual;
    // Relations of the charges to the field: reaching its edges ("a sun throughout"), a pair
    // meeting at its middle ("addorsed and conjoined"), set against a flank ("issuant from
    // sinister").
    bool throughout = false;
    bool pairJoined = false;
    IssuingFlank issuingFlank = IssuingFlank::kNone;
};

// One charge of a member as it was placed: the spot its layout returned, as painted (pressed
// into the room a chief or bordure leaves, with the member's own turn, mirror and flip), and the
// tincture it was painted in.
struct PlacedCharge {
    ChargeSpot spot;
    int tincture = -1;
    friend bool operator==(const PlacedCharge&, const PlacedCharge&) = default;
};

// One kind of charge (or one ordinary) in a group, with its own count and surface.
struct Member {
    std::string charge;  // the picture or ordinary name
    int kind = 0;        // the vocabulary's class of the word that named it
    int count = 0;
    Surface surface;
    // One tincture a charge, in placing order, when the blazon lists them ("three mullets azure,
    // gules and vert"); empty: every charge in the surface's.
    std::vector<int> tinctures;
    Modifiers modifiers;
    // Each charge placed, in placing order; empty for an ordinary drawn as a shape.
    std::vector<PlacedCharge> placed;
};

struct Group {
    GroupKind kind = GroupKind::Charges;
    std::vector<Member> members;  // several kinds: a mixed group ("a mullet and a crescent")
    Region region = Region::Whole;
    Arrangement arrangement = Arrangement::AsTheCountFalls;
    Direction lineShape = kNoShape;  // the ordinary whose direction an InLine arrangement follows
    int firstLevel = 0;  // the interpreter's level of the first member

    int Count() const {
        int n = 0;
        for (const Member& m : members) n += m.count;
        return n;
    }
};

// How one group stands to another; `subject` and `object` index Arms::groups.
enum class RelationKind : std::uint8_t {
    ChargedWith,  // subject bears object on it ("a bend charged with three mullets")
    Between,      // subject's charges stand about object's ordinary
    Surmounts,    // subject is painted over object ("surmounted by", "debruised by", "over all")
    Maintains,    // subject holds object ("maintaining", "sustaining", "holding")
    Within,       // subject stands within object ("within an annulet", "environed of")
    IssuantFrom,  // subject rises from object ("issuant from a mount")
    Ensigned,     // object stands above subject ("ensigned with a crown")
    Enfiled,      // object is round subject's middle ("enfiled with a crown", "enfiling")
    Pierces,      // subject passes through object ("an arrow piercing a heart", "transfixed by")
};

struct Relation {
    RelationKind kind = RelationKind::ChargedWith;
    int subject = -1;
    int object = -1;
    // Said of every charge of the group the words follow, one of the other group to each
    // ("three cinquefoils each within an annulet", "three annulets each enclosing a mullet").
    bool each = false;
};

struct Arms {
    Surface field;
    std::vector<Group> groups;
    std::vector<Relation> relations;

    void Clear() {
        field = Surface{};
        groups.clear();
        relations.clear();
    }
};

}  // namespace esc::model
