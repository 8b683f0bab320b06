#pragma once
// The last column to hand PaintSpan for a run that ends at lastColumn: PaintSpan(x1, y, x2)
// covers x2 for plain colours and counterchanged runs, and stops at x2 - 1 for patterned and
// chequy ones.

#include "engine/Palette.h"

namespace esc {

inline int SpanEndFor(int code, int lastColumn) {
    const bool inclusive = IsPlainTincture(code) || code == kCounterchanged || code == kProperBrown || code == kPlainWhite;
    return inclusive ? lastColumn : lastColumn + 1;
}

}  // namespace esc
