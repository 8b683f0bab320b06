#pragma once
// Ordinaries with something set about them: the fess and its diminutives, and the groups of
// charges between an ordinary.
// "A fess between two chevrons": one chevron above the fess and one below it. Drawn as two
// chevronels at the centre they would lie behind the fess, the lower half of each showing as
// thin lines under it and nothing above it.

#include "engine/Ordinaries.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// Draws the current level as the chevrons round the fess of level 0 when it is two plain
// chevronels "between" a plain fess; false, drawing nothing, otherwise.
bool ChevronsAboutTheFess(DrawingState& state);

// Where the two chevrons lie: the centre of each apex on the pale line and the width of their
// limbs, for the shield's geometry (exposed for the tests, which sample the same points).
struct ChevronsAboutTheFessGeometry {
    int upperApexY = 0, lowerApexY = 0;
    int width = 0;
    int fessTop = 0, fessBottom = 0;
};
ChevronsAboutTheFessGeometry ChevronsAboutTheFessOf(const ShieldGeometry& geometry);

// "a fess between in chief a bar": pieces beside a fess placed in chief (or in base) lie on that
// side of it only; pieces placed nowhere lie on both sides.
CotiseSides SidesOfThePiecesBeside(const LevelRecord& level);

// "Sable three bars Or, in chief as many cinquefoils": the charges in a row in the room above
// the first bar, as large as that room allows; false, placing nothing, when level 0 is not bars
// on the field.
bool InChiefAboveTheBars(DrawingState& state, int n);

// "a bend between a roundel and four mullets in bend", "a pale between a sun and three mullets
// in pale": the second group of charges between, written in the ordinary's own direction, takes
// the side the first group leaves (it was laid on the ordinary). False, drawing nothing, for any
// other level.
bool SecondGroupInTheOrdinarysWay(DrawingState& state);

// "on a bend azure a mullet between two crescents Or": one charge between two, all on the
// ordinary, the two beside the one where the ordinary's row of three has its outer charges (they
// were set round the ordinary, on the field). Fess, bend, bend sinister, pale and chevron; false,
// drawing nothing, for any other level.
bool BetweenOnTheOrdinary(DrawingState& state);

// "a bend between two bendlets", "a fess between two barrulets", "a pale between two endorses",
// "a chevron between two couple-closes": pieces that run the way of the ordinary of level 0 they
// stand between are drawn as its cotises, in their own tincture and line (four of them as double
// cotises); false, drawing nothing, for any other level.
bool PiecesBesideTheOrdinary(DrawingState& state);

}  // namespace esc
