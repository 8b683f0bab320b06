#pragma once
// The diminutives of the ordinaries: narrower pieces drawn with the shapes of the pieces they
// diminish. The closet and the barrulet are drawn as bars, the endorse as a pallet, the
// couple-close as a chevronel, the riband as a bendlet, the flasque as a flaunch; each keeps its
// own name in the level and takes a share of the usual breadth of those pieces. The fillet, a
// quarter of the chief along its lowest part, has a shape of its own.

#include <cstdint>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "engine/PaintState.h"

namespace esc {

struct Diminutive {
    std::string_view word;      // the singular
    std::string_view drawnAs;   // the plural ordinary whose shape draws it ("bars"); empty: the
                                // shape its vocabulary row names
    int breadthPercent = 100;   // of the usual breadth of that shape's pieces
};

// The diminutive a level's name (singular or plural) names, or nullptr.
const Diminutive* FindDiminutive(std::string_view levelName);
// The share, in percent, of the usual breadth of its pieces that a level of this name is drawn
// with: 100 unless it names a diminutive.
int BreadthPercentOf(std::string_view levelName);
// Whether a level of this name is drawn with the shape of the bars ("bars", "barrulets",
// "closets") or of the pallets ("pallet", "pallets", "endorses").
bool NamesBars(std::string_view levelName);
// Whether a level of this name is several whole chevrons ("two chevrons"), drawn with the
// chevronels' shape but as broad as their room allows, not as chevronels.
bool NamesWholeChevrons(std::string_view levelName);
bool NamesPallets(std::string_view levelName);

// How a run of pieces lies: bars (and closets, barrulets) across, pallets (and endorses) down.
enum class PiecesRun : std::uint8_t { Across, Down };

// The current level's pieces spread evenly within `area` ("in base three closets wavy", "in
// dexter three pallets", "on a base two bars wavy"): bars across it from its left edge to its
// right, pallets down it from its top to its bottom, each at the breadth of its kind, never wider
// than the gaps between them, in the level's line.
void DrawPiecesWithin(PaintState& state, PiecesRun run, Rect area);

// The breadth across of pieces of this name set beside the ordinary of `flanked` as its
// cotises ("a fess between two bars", "a bend between two bendlets"): the piece's own, half the
// ordinary's for the bar, pallet, bendlet and chevronel and that again shared down for their
// diminutives (a closet half a bar, a barrulet a quarter, a riband half a bendlet); 0 for an
// ordinary whose cotises have no such breadth.
int BreadthBeside(const ShieldGeometry& geometry, ShapeCode flanked, std::string_view levelName);

namespace shapes {
// The usual breadth of a piece ordinary taken down to the breadth of the current level's
// diminutive. At least one pixel.
int PieceBreadth(const PaintState& state, int usual);
// The pieces spread as the usual ones are, each narrowed to the level's breadth: a diminutive
// stands where its piece would, narrower.
Spread NarrowedToBreadth(const PaintState& state, Spread spread);
// The width to give a slanting band (a chevronel's limb, a bendlet) of the usual `width` so that
// it is drawn at the level's breadth (a slanting band is drawn narrower than it is given, see
// PartitionLineBand.h).
int SlantedPieceWidth(const PaintState& state, int width);
// A quarter of the chief's depth along its lowest part: on a chief of another tincture, or alone
// where a chief's lower edge would be. With a line, both its edges carry it.
void Fillet(PaintState& state, const ShapeOutline& outline);
}  // namespace shapes

}  // namespace esc
