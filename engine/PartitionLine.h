#pragma once
// The edge profiles of the lines of partition, shared by DrawPartitionLine, the contact-sheet tool
// and the tests.
//
// A profile is `depth` rows deep (measured across the band) and `period` columns long (steps
// along the line). Row 0 lies at the outer side of the edge, row depth-1 next to the body of the
// band and is full. Each row is stored as `words` 16-bit words; column s is solid when bit
// (0x8000 >> s%16) of word s/16 is set.

#include <cstdint>

#include "engine/ShapeCode.h"

namespace esc {

// Which long edges of a band carry its line. A level band's near edge is its upper one; a steep
// band exchanges the two one-edge kinds (its near edge is the one that would be patterned).
enum class BandEdges {
    kBoth,
    kBothAndCentreCopy,  // both, and a copy reflected in the shield's centre line
    kFarEdge,            // the near edge straight
    kNearEdge,           // the far edge straight
    kFarEdgeReflected,   // kFarEdge, and a copy reflected top to bottom (left to right if steep)
};

struct LineStyle {
    int depth = 0;
    int words = 0;
    int period = 0;
    // Whether the far edge is drawn as the mirror image of the near one (the pattern points
    // outward on both sides) whatever shape draws the band; see LineStyleMirrored for the others.
    bool alwaysMirrored = false;
    const std::uint16_t* rows = nullptr;  // depth * words words, row by row
    // The times the pattern repeats across the shield when the blazon gives no count; 0 keeps
    // the profile's own period (many small repeats, as indented). Dancetty is three large teeth
    // across.
    int defaultRepeats = 0;
    // The far edge's pattern runs half a period behind the near one's: on a band with both edges
    // embattled the merlons of one side stand over the embrasures of the other.
    bool farHalfShifted = false;
    // The size the profile is drawn at where no width stretches it (a field of pieces, the
    // boundaries of a division meeting at a point), as a share of its rows and columns: the fine
    // profiles of the curved lines are drawn several times their design size.
    double designScale = 1.0;
    // At the style's default width, the least share of its own depth-to-length a narrow band
    // may flatten it to before it is repeated more often instead (0: flattened at will).
    double leastAspect = 0.0;
    // On a limb of an ordinary with both edges lined, the most of the limb's breadth one edge's
    // pattern may sink into it (0: as deep as on a line of partition). A narrow limb keeps its
    // arcs shallow rather than being bitten through from both sides.
    double limbShare = 0.0;

    // The column of the far edge's pattern at `step` along the band.
    int FarStep(int step) const { return farHalfShifted ? (step + period / 2) % period : step; }

    bool Solid(int row, int column) const {
        const std::uint16_t word = rows[row * words + column / 16];
        return (word & (0x8000u >> (column % 16))) != 0;
    }
};

inline constexpr int kPlainLine = -1;
// The styles the shapes treat apart: embattled (merlons on the near edge), bretessed (merlons on
// both edges, opposite each other), counter-embattled (merlons on both edges, each opposite an
// embrasure) and wavy.
inline constexpr int kEmbattledLine = 2;
inline constexpr int kBretessedLine = 3;
inline constexpr int kWavyLine = 6;
inline constexpr int kGapLineStyle = 15;  // a plain band with a gap along its middle
inline constexpr int kCounterEmbattledLine = 16;
// A chief's lower edge as one arch (enarched) or one point (triangular: indented, one repeat).
inline constexpr int kEnarchedLine = 17;
inline constexpr int kIndentedLine = 4;
inline constexpr int kLineStyleCount = 26;

// The profile of style lineCode, or nullptr when the style draws a plain band (-1, 11, 13, 14,
// 15, codes above 25 and any other code outside the table).
const LineStyle* FindLineStyle(int lineCode);

// Whether the far edge of a band in style lineCode mirrors the near edge. Styles 4 and 5 do so
// only on a chief or a bordure and on the last bar of barry; style 6 also on the last pale of paly.
bool LineStyleMirrored(int lineCode, ShapeCode shapeCode, ShapeCode partitionCode, BandEdges edges);

// Bands whose end points or width lie further than this from the picture are not drawn: the
// shapes never come near it, and it bounds the work of a band (see DrawPartitionLine).
inline constexpr int kBandReach = 2048;

// The most repeats a line may be given across the shield ("indented of ten"); a larger count
// would draw teeth finer than a pixel.
inline constexpr int kMaxLineRepeats = 40;

// The repeats across the shield a line in style lineCode is drawn with when the blazon gives
// `repeats` (0: none given): the style's default, or 0 for the profile's own small period.
int LineRepeats(int lineCode, int repeats);

}  // namespace esc
