#pragma once
// A reference band drawer for the tests: the line of partition walked pixel by pixel, one call
// of PaintSpan per pixel, with the pattern state (row, side, bit, word) kept and advanced as the
// description of the routine states it, and its own copy of the style profiles written from that
// description. DrawPartitionLine must leave exactly the same picture, picture buffer, crossing
// table and state behind.
//
// It follows the engine's documented choices where the description leads to a broken band:
// the far edge zone counts as the far side for the one-sided kinds whatever the style, a band
// narrower than twice its style's depth is drawn twice the depth wide, kind 1 keeps its copy in
// the centre line when style 2 makes its edges one-sided, and bands further than kBandReach
// from the picture are not drawn.

#include "engine/PaintState.h"

namespace esc::testing {

void ReferencePartitionLine(PaintState& state, int x1, int y1, int x2, int y2, int width, int kind, int length = 0,
                            int angle = 0);

}  // namespace esc::testing
