// Placeholder bodies until the shapes are written.
#include "engine/Ordinaries.h"

namespace esc {

void DrawPartitionLine(PaintState&, int, int, int, int, int, int, int, int) {}
void DrawOrdinary(PaintState&, int) {}
void DrawBars(PaintState&, int) {}
void DrawPallets(PaintState&, int) {}
void DrawCotises(PaintState&) {}
void DrawFret(PaintState&) {}
void DrawFretty(PaintState&) {}
void DrawFlaunchCurve(PaintState&, int, int, int, int, int, int, int, int) {}

}  // namespace esc
