#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/FitLayout.h"

namespace esc {
namespace {

// Charges on a parted field, each in a part of its own, grow until their drawings come near that
// part's edge (the parting line or the outline) and never cross it: the field drawn bare says
// which part each pixel belongs to, and the painter's box of each charge which charge a changed
// pixel belongs to. Per chevron two in chief and one in base (the two were 1.0, the one 0.9), per
// fess and per pale two of one kind (1.0 and 1.2), quarterly two in chief (1.0).
TEST(InTheirParts, ChargesOnAPartedFieldFillTheirPart) {
    struct Case {
        const char* charged;
        const char* bare;
        int charges;
    };
    const Case cases[] = {
        {"Per chevron azure and sable, a horse passant and a horseshoe inverted argent.", "Per chevron azure and sable.", 2},
        {"Per chevron Or and vert, in base a maple tree couped Or.", "Per chevron Or and vert.", 1},
        {"Per chevron argent and azure, a garden rose and a rosebud both gules, slipped and leaved vert, in base a cup "
         "argent.",
         "Per chevron argent and azure.", 3},
        {"Per fess azure and vert, two boars passant counter-passant Or.", "Per fess azure and vert.", 2},
        {"Per pale argent and gules, two lions rampant combatant counterchanged", "Per pale argent and gules", 2},
        {"Quarterly vert and sable, in chief two roosters respectant Or.", "Quarterly vert and sable.", 2},
    };
    constexpr int kInside = 3;  // the margin kept, less the pixels a parting line's edge and the painter blur
    constexpr int kNear = 16;   // the margin, twice: the drawing was stopped by its part's edge (or the largest scale)
    for (const Case& k : cases) {
        SCOPED_TRACE(k.charged);
        test::Drawing bare, with;
        bare.DrawClean(k.bare);
        with.DrawClean(k.charged);
        const DrawingState& s = with.s();
        const ShieldGeometry& g = s.geometry;
        const FreeSpace& space = FreeSpace::Field(bare.s());
        ASSERT_EQ(s.ringWritten, k.charges);
        const int first = (s.ringNext - s.ringWritten + kPlacementRingSize) % kPlacementRingSize;
        for (int c = 0; c < k.charges; ++c) {
            SCOPED_TRACE(c);
            const RingEntry& e = s.placementRing[static_cast<std::size_t>((first + c) % kPlacementRingSize)];
            const Rgb part = bare.At(e.x, e.y);
            const auto inPart = [&](int x, int y) {
                return x >= 0 && y >= 0 && x < g.W && y < g.H && space.BoxFree(x, y, 1) && bare.At(x, y) == part;
            };
            int pixels = 0, outside = 0, nearest = kNear + 1;
            for (int y = e.drawn.top; y < e.drawn.bottom; ++y)
                for (int x = e.drawn.left; x < e.drawn.right; ++x) {
                    if (!space.BoxFree(x, y, 1) || with.At(x, y) == bare.At(x, y)) continue;
                    ++pixels;
                    if (!inPart(x, y)) ++outside;
                    for (int d = 1; d < nearest; ++d)
                        if (!inPart(x - d, y) || !inPart(x + d, y) || !inPart(x, y - d) || !inPart(x, y + d)) {
                            nearest = d;
                            break;
                        }
                }
            ASSERT_GT(pixels, 200);
            EXPECT_EQ(outside, 0) << "pixels past the charge's part";
            EXPECT_GE(nearest, kInside);
            EXPECT_LE(nearest, kNear) << "the charge stops short of its part's edge";
        }
    }
}

}  // namespace
}  // namespace esc
