#pragma once
// A surface painted in a treatment: any set of shield pixels (the field, a part of it, an
// ordinary as drawn) filled with a tincture, a pattern of two treatments, or a division whose
// parts are treatments in turn, to any depth. The interpreter hands the painter a mask of the
// surface's pixels and the tree; the painter decides for each pixel which leaf it lies in.

#include <cstdint>
#include <vector>

#include "engine/PaintState.h"

namespace esc {

struct EdgeRing;

// Seme: the ground (parts[0]) strewn with charges that the interpreter places over the pixels
// this node reaches (SurfaceMarkMask); the painter paints the ground alone.
enum class FillKind : std::uint8_t { Tincture, Pattern, Division, Seme };

// Patterns of two treatments laid over a surface. The vair family is laid in rows of bells (vairy),
// of bells base to base (counter-vair), of crutch heads (potent) and of crutch heads head to head
// (counter-potent); fretty is a trellis of the second part over the first.
enum class PatternKind : std::uint8_t {
    Barry, Paly, Bendy, BendySinister, Chequy, Lozengy, Fusilly, Gyronny, Compony, CounterCompony,
    Vair, CounterVair, Potent, CounterPotent, Fretty,
};

// Divisions of a surface into two treatments: the first takes the chief, the dexter, the dexter
// chief, the chief and base (per saltire), the first and fourth quarters (per cross, quarterly).
// Then the divisions into three, their parts in the order heralds name them: tierced per pale
// (dexter, middle, sinister), per fess and per chevron (chief, middle, base), per bend and bend
// sinister (the chief side first); per pall (chief, dexter, sinister), per pall reversed (dexter,
// sinister, base); per pile (dexter flank, the pile from the chief, sinister flank) and point in
// point (dexter, the point rising from the base, sinister). Per pile and point in point also take
// two parts, the flanks then sharing the first.
enum class DivisionKind : std::uint8_t {
    Pale, Fess, Bend, BendSinister, Saltire, Cross, Chevron, ChevronInverted,
    TiercedPale, TiercedFess, TiercedBend, TiercedBendSinister, TiercedChevron, Pall, PallReversed, Pile, PointInPoint,
};

// How many parts a division has (2 or 3).
int DivisionParts(DivisionKind division);

struct SurfaceFill {
    FillKind kind = FillKind::Tincture;
    int tincture = 0;  // a tincture or fur code (a leaf)
    PatternKind pattern = PatternKind::Barry;
    DivisionKind division = DivisionKind::Pale;
    int pieces = 0;  // of a pattern; 0: the usual count for the surface
    int line = -1;   // the line the pieces or parts meet along (kPlainLine: straight)
    std::vector<SurfaceFill> parts;  // two for a pattern or a division, three for a tierced one; a semé's ground
    int mark = -1;                   // a semé: its number, for SurfaceMarkMask

    static SurfaceFill Plain(int code) { return SurfaceFill{FillKind::Tincture, code, {}, {}, 0, -1, {}, -1}; }
};

// How the pieces of a compony, counter-compony or chequy surface are laid: along the shield's
// own axes (Broad: the field, a canton, a cross), along the surface's longest direction (Band: a
// bend, a chief, a pale), or round the surface's middle (Ring: a bordure, an orle). Find looks
// at the mask: a surface much longer than it is broad is a band.
enum class SurfaceLay : std::uint8_t { Find, Broad, Band, Ring };

// The pixels of one surface, within `box` (shield pixels, right and bottom exclusive).
struct SurfaceMask {
    Rect box;
    std::vector<bool> in;  // box.Width() * box.Height(), row by row

    bool Contains(int x, int y) const {
        if (!box.Contains(x, y)) return false;
        return in[static_cast<std::size_t>(y - box.top) * static_cast<std::size_t>(box.Width()) +
                  static_cast<std::size_t>(x - box.left)];
    }
    // Every pixel of `box`.
    static SurfaceMask Whole(Rect box);
};

// What one painting call needs: the treatment and the surface it fills.
struct SurfacePaintRequest {
    const SurfaceFill& fill;
    const SurfaceMask& mask;
    SurfaceLay lay = SurfaceLay::Find;
    // Where the divisions of the surface meet, when not at the middle of its box: an ordinary
    // that spans the shield's pale or fess line is divided on that line (a cross quarterly at
    // the cross's own centre). Below 0: the box's middle.
    int middleX = -1, middleY = -1;
    // The paint scale the mask is drawn at: the lines' teeth, the lozenges, the squares and the
    // breadth that makes a limb broad are design measures, this many picture pixels each.
    // PaintSurface takes it from the painter.
    double k = 1.0;
    // A bordure that follows the shield's edge (BordureRing): its compony, counter-compony and
    // chequy are cut square across it at equal steps round the edge. It must outlive the request.
    const EdgeRing* edge = nullptr;
};

// The tincture code of the leaf that each pixel of the mask lies in (-1 outside the mask),
// row by row over the mask's box. Painting and tests share it.
std::vector<int> SurfaceLeaves(const SurfacePaintRequest& request);

// The pixels of the request's mask that lie in the semé numbered `mark` (its ground and charges'
// room), in the mask's box.
SurfaceMask SurfaceMarkMask(const SurfacePaintRequest& request, int mark);

// Whether PaintSurface draws the line of this fill's own division or pattern (the lines of
// lozengy, fusilly, compony and the vair family are drawn straight).
bool FillDrawsItsLine(const SurfaceFill& fill);

// Paints every pixel of the mask in its leaf's tincture (furs in their pattern), storing the
// codes in the picture buffer as PaintSpan does.
void PaintSurface(PaintState& state, const SurfacePaintRequest& request);

}  // namespace esc
