#include "engine/OrdinaryPosition.h"

#include "engine/OrdinaryShapes.h"

namespace esc {

bool ShapeTakesPosition(ShapeCode shapeCode, bool partition, OrdinaryPosition position) {
    switch (position) {
        case OrdinaryPosition::Usual: return true;
        case OrdinaryPosition::Enhanced:
        case OrdinaryPosition::Abased:
            if (partition)
                return shapeCode == kFess || shapeCode == kBend || shapeCode == kBendSinister || shapeCode == kChevron ||
                       shapeCode == kChevronInverted;
            // A pale is raised off the point or lowered off the chief; a pile's point is raised, or
            // its foot lowered off the chief.
            return shapeCode == kFess || shapeCode == kBend || shapeCode == kBendSinister || shapeCode == kChevron ||
                   shapeCode == kChevronInverted || shapeCode == kPale || shapeCode == kPiles;
        case OrdinaryPosition::Couped:
            return !partition && (shapeCode == kFess || shapeCode == kPale || shapeCode == kBend ||
                                  shapeCode == kBendSinister || shapeCode == kChevron || shapeCode == kBendlets ||
                                  shapeCode == kBendletsSinister);
        case OrdinaryPosition::InDexter:
        case OrdinaryPosition::InSinister: return !partition && shapeCode == kPale;
        default: return false;
    }
}

std::string_view PositionName(OrdinaryPosition position) {
    switch (position) {
        case OrdinaryPosition::Enhanced: return "enhanced";
        case OrdinaryPosition::Abased: return "abased";
        case OrdinaryPosition::Reversed: return "reversed";
        case OrdinaryPosition::Throughout: return "throughout";
        case OrdinaryPosition::Couped: return "couped";
        case OrdinaryPosition::InDexter: return "in dexter";
        case OrdinaryPosition::InSinister: return "in sinister";
        default: return "usual";
    }
}

}  // namespace esc
