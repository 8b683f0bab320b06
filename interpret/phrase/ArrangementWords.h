#pragma once
// Arrangements and turnings written after a phrase's charge: "in bend sinister", "in annulo",
// rows written "one and two", "contourny", and the ring layout "in annulo" draws.

#include "interpret/layout/Place.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// "three mullets in bend sinister": the charges along the bend sinister, not the bend. At "in"
// after a phrase's charges. False, reading nothing, otherwise.
bool InBendSinisterRule(DrawingState& state);
// "five lozenges in bend conjoined", "five fusils in fess conjoined": "conjoined" written after
// the line the lozenge-shaped charges stand in sets them point to point as it does before it.
// At "conjoined" after "in" and the line. False, reading nothing, otherwise.
bool ConjoinedAfterTheLineRule(DrawingState& state);
// "six mullets in annulo": the charges set round a ring about the middle of the field.
bool InAnnuloRule(DrawingState& state);
// "three annulets one within the other": the charges about one centre, each smaller than the
// one before, at "one" after a phrase's two or more charges. False, reading nothing, otherwise.
bool OneWithinTheOtherRule(DrawingState& state);
// Places the level's charges about the fess point, the largest first.
void OneWithinTheOtherLayout(DrawingState& state, int count);
// "three roses one and two": rows written as two numbers joined by "and" that make up the count
// are drawn as those rows, top row first.
bool TwoRowsRule(DrawingState& state);
// "a lion rampant gules contourny": the charge turned to face the sinister (its picture mirrored).
bool ContournyRule(DrawingState& state);
// "affronty" or "tergiant" standing apart from the attitude words: read as after them
// (ReadNearestAttitude), the nearest picture drawn and told.
bool FacingWordRule(DrawingState& state);
// The same right after the phrase's tincture, which is read before the word after it would be
// reached: the cursor moves onto "contourny".
void ContournyAfterTincture(DrawingState& state);
// "a bend gules voided": "voided" after an ordinary's tincture, as it is read before it: the
// ordinary's inside in the field's tincture, its edges kept. The cursor moves onto "voided".
void VoidedAfterTincture(DrawingState& state);
// "an orle gules charged with eight mullets or": the charges evenly along the orle's band, from
// the middle of its chief side, each as large as the band is broad.
void OnOrleLayout(DrawingState& state, int count);
// "a bordure gules semy of bezants": the semé strewn on the bordure alone. At "semy" ("semee",
// "seme", "powdered with") right after the bordure's tincture: the bordure is drawn and the next
// phrase's charges are set round it, as a bordure charged with eight is drawn.
bool SemeOnBordureRule(DrawingState& state);
// Places the level's charges round the ring of "in annulo", the first at the top.
void InAnnuloLayout(DrawingState& state, int count);

// How many words from index i write a group's arrangement: "in bend" and "in annulo" 2, "in bend
// sinister" and "in chevron inverted" 3, rows "two and one" 3, "3, 3 and 1" 4; 0 when none does.
int ArrangementWordsAt(const DrawingState& state, int i);
// At the group's tincture: "three mullets azure, gules and vert", one tincture a member in the
// order the charges are placed, the last after "and". The tinctures go to the group's form, the
// words are read and the cursor moves onto the last. False, reading nothing, otherwise.
bool MemberTincturesRule(DrawingState& state);
// "two keys in saltire, the dexter or the sinister argent": a pair's tinctures named by side, the
// dexter charge's first, as the group's when it has none yet. The words are read and the
// tincture's follow-up goes on from the sinister one. False, reading nothing, otherwise.
bool TincturesBySideRule(DrawingState& state);
// After a group's arrangement is read: the tincture after it, already taken as the group's
// ("three roundels in bend sable"), is passed over, with the members' tinctures listed after it.
void PassTheGroupsTincture(DrawingState& state);
// "a chevron inverted gules between the arms a mullet": at "between the arms" (or "its arms")
// after a chevron, the next phrase's charges stand between its limbs. False, reading nothing,
// otherwise.
bool BetweenTheArmsRule(DrawingState& state);
// "in chevron inverted": at "inverted" right after "in chevron", the direction turned over.
void InvertedArrangement(DrawingState& state, Direction& code);

}  // namespace esc
