#pragma once
// Words that qualify a charge of any family and choose another picture of it: a head couped,
// erased or cabossed, a fish hauriant, naiant or embowed, a beast reguardant, a lion
// double-queued, an eagle with two heads, a tree eradicated, a trefoil slipped, a tower
// triple-towered; phrases that show a charge another way ("a naked man with arms extended",
// "helmets in profile", "gauntlets backs affrontee") or add a part drawn in a picture of its own
// ("pelicans vulning themselves", "a lion ducally gorged and chained", "boys' heads each having a
// snake about his neck").
//
// Each qualifier is a Type 9 row whose Sub1 is kAnyCharge and whose Sub2 is its code below.
// Unlike an attitude digit, a qualifier is read only when the picture it asks for exists: a
// qualifier that would not change the picture (an erased head of a charge that has no erased
// head drawn) is left unread, so the blazon is reported as not drawn clean instead of falling
// back silently to the charge's usual picture.

#include <string>
#include <string_view>

#include "interpret/phrase/DrawingState.h"

namespace esc::phrase {

// Sub1 of a qualifier row: it belongs to no one family, the code decides what it does.
inline constexpr int kAnyCharge = 91;
// Sub1 of a detail word (Type 16) drawn in a picture of its own, the charge's name and the word's
// first letter: "crowned" (lionc), "belled" (cowb). Before the tincture it is read as a qualifier.
inline constexpr int kOwnPicture = 99;
// Sub1 of a detail word that only a phrase naming a picture of its own reads ("gorged of a collar",
// "collared and chained"): where the charge has no such picture the word and its tincture stay
// unread and are told, rather than colouring another part of the charge.
inline constexpr int kPartOfAPhrase = 98;

// Sub2 of a qualifier row. Codes avoid 8, 9 and 19, which Type 9 words use as treatments.
enum QualifierCode : int {
    kCouped = 61,        // a head cut straight: "hd"; another charge: "cp" (a hand couped)
    kErased = 62,        // a head torn off: "he"; another charge: "er"
    kCabossed = 63,      // a beast's head full-faced with no neck: "hc"
    kHauriant = 64,      // a fish palewise, head up: "ha"
    kNaiant = 65,        // a fish swimming fesswise: "na"
    kEmbowed = 66,       // a dolphin bent: "em" (naiant embowed too)
    kReguardant = 67,    // a beast looking back: "r" after its attitude digits
    kDoubleQueued = 68,  // two tails ("double-queued" is written "doublenowed"): the name + "dn"
    kEradicated = 69,    // a tree torn up with its roots showing: "ra"
    kSlipped = 70,       // a flower or leaf on its stalk, before the tincture: "sl"
    kErect = 71,         // a head turned snout upwards: "hr" couped, "hs" erased
    kTripleTowered = 72, // a castle or tower with three towers on it: "tt"
    kFesswise = 73,      // a charge drawn upright turned to lie along the fess: "fw"
    kPalewise = 74,      // a charge whose picture is drawn upright, as the blazon says: "pw" after its variant
    kAffronty = 75,      // facing the viewer: a head is drawn cabossed, a beast guardant, as no picture shows it
    kTergiant = 76,      // the back to the viewer: "tg" (the tortoise, drawn from above); a bird displayed
};

// The picture a qualifier asks for: the level's name and variant after it, or empty strings
// when the qualifier means nothing for this charge ("cabossed" after a variant of digits).
struct QualifiedPicture {
    std::string name, variant;
};
QualifiedPicture Qualify(int code, std::string_view name, std::string_view variant);

// Whether the word at index i is a qualifier. "slipped" is one too where it stands before the
// tincture ("three trefoils slipped vert"); after the tincture it is the detail word that colours
// the stalk ("a rose gules slipped vert"). So is a detail word with a picture of its own before
// the tincture ("three stirrups leathered or"), and "fesswise" and "palewise", words of the
// grammar that otherwise change nothing ("three stags' attires fesswise", "three skenes palewise").
bool IsQualifier(const DrawingState& s, int i);
// How many words after the qualifier at index i belong to it: those that say where the charge is
// cut, when the picture shows it so ("a hand couped at the wrist", "a boy's head couped at the
// shoulders"), or the rest of a qualifying phrase ("with arms extended"). 0 when none follow.
int WordsOfTheCut(const DrawingState& s, int i);
// Applies the qualifier at index i to the current level when the picture it asks for exists
// under the state's data folder; whether it did.
bool ApplyQualifier(DrawingState& s, int i);
// "an eagle displayed with two heads", "an eagle double-headed": the words after the cursor name
// the two-headed picture (prefix "t", as "double-headed" before the charge does; after a demi's
// "d"). When that picture exists the level's name becomes it, the words are used, the attitudes
// after them read ("with two heads displayed") and the cursor moves past them; whether it did.
bool ReadWithTwoHeads(DrawingState& s);

// After the tincture at the cursor, a phrase that adds a part drawn in a picture of its own
// followed by the part's tincture: "argent vulning themselves proper" (the blood, pelicanv),
// "sable ducally gorged and chained or" (the coronet and chain, liongc), "argent each having a
// snake about his neck proper" (boysn.hd). When that picture exists the level's name becomes it,
// the tincture after the phrase colours the part, the words are used and the cursor moves to that
// tincture; whether it did. Without the tincture the phrase is left unread; without the picture a
// phrase about the neck ("gorged with a collar gules") is passed over unread and told, the others
// are left unread.
bool ReadDetailPhrase(DrawingState& s);
// The name of the picture of the charge `name` with the added part `suffix` ("liongl"), cut so that
// the suffix stays within the picture file's stem.
std::string AddedPartPicture(std::string_view name, std::string_view suffix);

// Whether the attitude word at index i (a Type 9 word of the charge's own family) leads to a
// picture: its digits added to the level's variant name one, or the attitude words right after it
// complete one ("passant guardant" of the cat, whose only picture is cat.32). Otherwise placement
// would fall back to the usual picture and the word would change nothing.
bool AttitudeDrawn(const DrawingState& s, int i);
// When the attitude word at index i leads to no picture: the nearest attitude that has one is
// added to the level's variant instead (a bear statant drawn passant), or a word that only turns
// the head or tail of an attitude already read (`afterAttitude`: guardant, reguardant, coward) is
// read without changing it; the message says which. Whether the word was read so.
bool ReadNearestAttitude(DrawingState& s, int i, bool afterAttitude);
// Whether the word at index i is "guardant" (a beast's turn of the head) after a charge of
// another family, a bird or an object, whose pictures have no guardant form: it is read, the
// charge drawn as usual and the message says so (ReadNearestAttitude), rather than left unread
// or taken for the bird's attitude of the same digit (an eagle's 2 is rising).
bool GuardantWithoutForm(const DrawingState& s, int i);
// "erect" at the cursor after a beast's one attitude ("a bear statant erect", "a lion sejant
// erect"): no picture rears it up, so the beast is drawn rampant (standing or walking so) or in its
// attitude (sitting or lying so), and told. The word is used; the cursor stays on it.
bool ReadBeastErect(DrawingState& s);

// "wings elevated and addorsed", "with wings displayed" after a charge named already: how its
// wings are borne, not a charge of wings. A bird is drawn in the attitude that bears them so when
// it has that picture; a winged beast's picture bears them raised behind. Whether "wings" was
// read so; the message says when the picture's wings differ, or the charge has none.
bool ReadWingsOfTheCharge(DrawingState& s);

// Whether placement finds a picture file for `name` and `variant` ("esv" when empty) by the
// names it tries before falling back to the usual picture: the name without a final "s", cut
// to 8 characters, "cross" as "cros", or with "ve" as "f".
bool PictureExists(const DrawingState& s, std::string_view name, std::string_view variant);
// The variant code of a head's picture ("lion.hd").
inline constexpr std::string_view kHeadVariant = "hd";
// Whether word i is "affronty" (or a spelling of it) or "tergiant", not read yet.
bool IsAffronty(const DrawingState& s, int i);
bool IsTergiant(const DrawingState& s, int i);

}  // namespace esc::phrase
