#pragma once

#include <string_view>
// The reader's places: parts of the field a level's charges are set in that no shape draws.
// Their numbers are the Sub1 the vocabulary gives the place words ("dexterbase" 52) and what the
// traces print; they share no value with a shape that means something else in the same reading.

#include "engine/ShapeCode.h"

namespace esc {

enum class PlaceCode : int {
    // "in the second and third quarters".
    kInNamedQuarters = 40,
    // "an escallop in the chief point between two bendlets": the chief end of the space between
    // the bendlets, on the bend's line toward the dexter chief.
    kInChiefPointBetweenBendlets = 41,
    // "in annulo": round a ring.
    kInAnnulo = 42,
    // "in dexter chief" and "in sinister chief" (also "in the first / second quarter").
    kInDexterChief = 26,
    kInSinisterChief = 27,
    // "in dexter base", "in sinister base" (the third and fourth quarters).
    kInDexterBase = 52,
    kInSinisterBase = 53,
    // "in dexter", "in sinister": the halves of the field, as a field per pale has them.
    kInDexterHalf = 54,
    kInSinisterHalf = 55,
    // "at the honour point", "in the nombril point": the points of the pale line above and below
    // the fess point, where one charge stands.
    kInHonourPoint = 56,
    kInNombrilPoint = 57,
    // "a chevron inverted between the arms a mullet": the space between a chevron's limbs, under
    // its point or above the point of one inverted.
    kBetweenTheArms = 50,
    kBetweenTheArmsInverted = 51,
    // "three annulets one within the other": one centre, each inside the one before.
    kOneWithinTheOther = 60,
};
using enum PlaceCode;

// The direction a vocabulary word's Sub1 gives after "in": one of the places above, or the shape
// of that number ("in bend", "in chief", "in base"). The only conversion from a word's number.
Direction DirectionOfCode(int code);
// The direction after "in" of the word `word` whose Sub1 is `code`: a diminutive of an ordinary
// names its ordinary's line ("in scarpe" is in bend sinister, "in bendlet" in bend), whatever
// place shares its number; any other word as DirectionOfCode.
Direction DirectionOfWord(std::string_view word, int code);

}  // namespace esc
