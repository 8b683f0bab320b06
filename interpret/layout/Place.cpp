#include "interpret/layout/Place.h"

namespace esc {

Direction DirectionOfCode(int code) {
    switch (static_cast<PlaceCode>(code)) {
        case kInNamedQuarters:
        case kInChiefPointBetweenBendlets:
        case kInAnnulo:
        case kInDexterChief:
        case kInSinisterChief:
        case kInDexterBase:
        case kInSinisterBase:
        case kInDexterHalf:
        case kInSinisterHalf:
        case kInHonourPoint:
        case kInNombrilPoint:
        case kBetweenTheArms:
        case kBetweenTheArmsInverted:
        case kOneWithinTheOther: return static_cast<PlaceCode>(code);
    }
    return ShapeOfCode(code);
}

}  // namespace esc
