#pragma once
// Rules of the phrase interpreter about charges and groups of charges: a phrase lying on the
// charges before it, "another", "bendwise", "palewise" on a bend, two groups between an
// ordinary, "both", "crossed", "throughout", and a semé folded into the field.

namespace esc {

struct DrawingState;

// "(Fieldless) On a bell Or a cross crosslet gules", "On a goutte per pale Or and gules a dragon
// sable": the current phrase lies on the charges of the phrase before it, which "on" opened and
// which are charges (not an ordinary), as "a bell Or charged with a cross crosslet gules" puts
// it. Only a phrase of charges, and as many as there are charges to bear them (or one on one).
bool LiesOnTheChargesBefore(DrawingState& state);

// "a natural tortoise": "natural" before a charge with no picture of it as nature shows it (as
// the natural rainbow has) but a picture of its own gives that picture proper. Reads "natural"
// and returns true; false, reading nothing, otherwise.
bool NaturalChargeRule(DrawingState& state);

// "on a rose sable another argent": "another" opens a phrase of one charge like those of the
// phrase before. A phrase still open ends at the word, which is then read again. Returns whether
// the rule applied at the cursor.
bool AnotherRule(DrawingState& state);

// How the phrase's charges lie, for any charge: "a butterfly bendwise azure", "an arum lily
// bendwise sinister argent" (turned as on a bend, mirrored for sinister), "a sword fesswise" (a
// quarter turn, where no picture is drawn fesswise of its own), "a key palewise", "a sword erect"
// (upright: a picture drawn long and low is stood up). Read only for charges standing on the
// field or round an ordinary; on an ordinary they lie as it does. Returns whether the rule
// applied at the cursor.
bool OrientationRule(DrawingState& state);

// Called as a level is drawn: turns its pictures as its phrase said, and returns whether it did
// (the caller turns them back once the level is drawn).
bool TurnLevel(DrawingState& state);

// "on a bend Or three fleurs-de-lis palewise sable": the charges on a bend stand upright instead
// of being turned with it. Read for charges lying on a bend; on a bend sinister they stand
// upright already, and the word is read as what is drawn. Returns whether the rule applied at
// the cursor.
bool UprightOnABendRule(DrawingState& state);

// "a bend between three decrescents and three mullets", "a chevron between two mullets and a
// crescent": two groups of charges between an ordinary that parts the field into two sides (fess,
// bend, bend sinister, pale, chevron), the first group on the first side (above, or to dexter),
// the second on the other, both sized alike. FirstGroupBetween is asked as the first group (level
// 1, between the ordinary of level 0) is laid out, `nextWord` the first word after it; it sets the
// split and returns whether the next phrase is such a group. SecondGroupBetween is asked as the
// next phrase is laid out, and sets the split for it. One charge and one charge are
// OppositeTheChargeBefore's.
bool FirstGroupBetween(DrawingState& state, int nextWord);
bool SecondGroupBetween(DrawingState& state);

// "a garden rose and a rosebud both gules": "both" before the tincture that the phrase before
// took too (the tincture search gives it to a phrase that names none); "two swords crossed in
// saltire": "crossed" before "in saltire", which crosses them. Returns whether the rule applied
// at the cursor.
bool BothOrCrossedRule(DrawingState& state);
// "a garden rose and a rosebud both gules, slipped and leaved vert": the rose, closed when the
// rosebud's phrase opens, takes the tincture after "both" (at word `tinctureWord`) and also the
// second tincture the details after it name, which are the pair's. The words stay the rosebud's.
void SecondTinctureAfterBoth(DrawingState& state, int tinctureWord);

// "a chevron cotised throughout", "a pale throughout": the ordinary reaches the edges of the
// field, as the fess, bend, pale, chevron (plain or inverted), cross and saltire are drawn; the
// word says what is drawn and is read after those alone (a pile throughout would be drawn
// otherwise and is reported). "a cross patée throughout" turns the cross's picture into the cross
// ordinary whose arms widen to the edges. "a sword throughout", "a key fesswise throughout": one
// long charge is drawn as long as reaches the field's edges along its axis (the outline cuts
// it). Returns whether the rule applied at the cursor.
bool ThroughoutRule(DrawingState& state);

// "Azure, ermined, a pale embattled between four escallops Or", "Azure semy of mullets or, a
// chevron between three escallops or": a semé strewn over the whole field is part of the field.
// Called as a level is completed: when it is that semé (level 0, drawn), its record is cleared
// and the next phrase is read as level 0 again, so that the ordinary after it is the first
// ordinary and the charges between it keep their layout. The semé's trace is kept, with the
// index kFieldSemeTrace. Returns whether it did.
bool FoldSemeIntoTheField(DrawingState& state);

}  // namespace esc
