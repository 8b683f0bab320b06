#pragma once
// Marshalled arms: two coats impaled side by side, or four quartered, written in one text
// ("X impaling: Y", "Quarterly 1&4: A 2&3: B") or built from separate entries. Each part is
// drawn as a whole shield with a rectangular outline (the picture 481 high), a reduced copy of
// it is put on the window's canvas (the halves) or in a paint box (the quarters), and the copies
// are assembled into a 415 by 480 picture with a black border and dividing lines.
//
// The canvas and the image the copies pass through are plain bitmaps the host owns, so the
// command line assembles a picture exactly as the window does.
//
//   window canvas (1036 wide)                       picture 415 x 480
//   +--------+                +--------+            +-----------+-----------+
//   |PaintBox3  (56,184)      |PaintBox5 (761,184)  |  1 (Box3) |  2 (Box5) |
//   |207x238 |                |205x238 |            +-----------+-----------+
//   |PaintBox4  (56,449)      |PaintBox6 (761,449)  |  3 (Box4) |  4 (Box6) |
//   |207x237 |                |205x237 |            +-----------+-----------+
//   +--------+                +--------+

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Bitmap.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

class DrawHost;

inline constexpr int kMaxParts = 4;
// The most quarters a marshalled text can have ("Quarterly of 16 ...").
inline constexpr int kMaxQuarters = 16;
// Sixteen parts each as long as single arms are read ("Quarterly of 16 1: a ... 16: p") and an
// escutcheon over all. A marshalled text up to this long is read whole, so a text composed from
// parts each read whole draws again exactly as it was composed.
inline constexpr int kMaxMarshalledChars = 20 + (kMaxQuarters + 1) * (kMaxReadBlazonChars + 14);

enum class MarshallingKind { Impaled, Quartered };

// The paint boxes of the quarters, on the window's canvas (right and bottom exclusive).
inline constexpr Rect kPaintBox3{56, 184, 56 + 207, 184 + 238};   // quarter 1; the dexter half's corner
inline constexpr Rect kPaintBox5{761, 184, 761 + 205, 184 + 238}; // quarter 2; the sinister half's corner
inline constexpr Rect kPaintBox4{56, 449, 56 + 207, 449 + 237};   // quarter 3
inline constexpr Rect kPaintBox6{761, 449, 761 + 205, 449 + 237}; // quarter 4
inline constexpr std::array<Rect, kMaxParts> kQuarterBoxes{kPaintBox3, kPaintBox5, kPaintBox4, kPaintBox6};
inline constexpr int kCanvasWidth = 1036, kCanvasHeight = 768;

// One text per quarter; impaled arms use the first two as the dexter and sinister halves.
using PartTexts = std::array<std::string, kMaxParts>;

// Where a part's reduced copy goes on the canvas: the rectangle it is stretched into, and the
// rectangle that clips it.
struct CanvasPlace {
    Rect to, clip;
};

// The parts' pictures themselves, kept by a board that no window shows: the picture is then
// assembled from them directly, exactly as from the canvas copies, without making those.
struct KeptParts {
    std::array<Bitmap, kMaxParts> pictures;
    std::array<CanvasPlace, kMaxParts> places{};
};

// What marshalling paints on besides the picture: the window's canvas (window coordinates), the
// image the picture is shown in, and the part texts, which outlive a drawing. With `kept` set
// the canvas is not used.
struct MarshallingBoard {
    Bitmap& canvas;
    Bitmap& image1;
    PartTexts& parts;
    KeptParts* kept = nullptr;
};

// A board of its own, for a host without a window.
struct OffscreenBoard {
    Bitmap canvas{0, 0, kTeal};  // not drawn on: the parts are kept
    Bitmap image1{kImageWidth, kImageHeight, kTeal};
    PartTexts parts;
    KeptParts kept;
    MarshallingBoard Board() { return {canvas, image1, parts, &kept}; }
};

// The parts of a marshalled text, or the fixed text of the message that refuses it.
struct SplitText {
    std::string_view error;  // empty when the text was split
    PartTexts parts;         // impaled: dexter and sinister in the first two
    int count = 0;           // 2 or 4
};

// "X impaling: Y": the dexter text is everything before the word that carries the first ':',
// the sinister text starts two characters after it.
[[nodiscard]] SplitText SplitImpaled(std::string_view text);
// "Quarterly 1&4: A 2&3: B" and the "1:", "2:", "3:", "4:" forms.
[[nodiscard]] SplitText SplitQuartered(std::string_view text);

// The combined texts the blazon box receives.
std::string ComposeImpaled(const PartTexts& parts);
std::string ComposeQuartered(const PartTexts& parts);

// The driver's road for a text holding "impaling:" or "quarterly 1". After a message nothing is
// drawn and the modes are as they were. The parts are drawn as single arms.
void DrawMarshalledText(DrawingState& state, std::string_view text, MarshallingKind kind, DrawHost& host);

// Shared with the grid of any number of parts (MarshalledGrid.h).
// One part drawn as single arms, in marshalling mode (a rectangle, the picture 481 high) or as
// a whole shield; its reading goes into a trace of its own under the whole text's trace.
enum class PartOutline { Rectangle, Shield };
void DrawMarshalledPart(DrawingState& state, std::string_view text, DrawHost& host,
                        PartOutline outline = PartOutline::Rectangle);
// Scales the whole of src into the rectangle `to` of dst (each axis separately, nearest pixel).
void StretchInto(const Bitmap& src, Bitmap& dst, Rect to);
// The black pen of the border and the dividing lines (`pen` wide: kDividingPenWidth at the
// design size, k times that at paint scale k).
void DrawMarshallingBorder(Bitmap& image, int W, int H, int pen);
inline constexpr int kDividingPenWidth = 2;

// The builder's steps: take `text` as part `part` (0-based) of `kind`, drawing it first when
// `drawFirst` is set or the picture is not a part's; then its reduced copy is put in place.
// Returns whether every part of `kind` is now set (Show may run).
bool BuildPart(DrawingState& state, MarshallingKind kind, int part, std::string_view text, bool drawFirst, DrawHost& host,
               MarshallingBoard board);
// Assembles the picture from the reduced copies; returns the combined text.
std::string ShowMarshalled(DrawingState& state, MarshallingKind kind, MarshallingBoard board);

}  // namespace esc
