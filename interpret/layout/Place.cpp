#include "interpret/layout/Place.h"

#include <array>

#include "interpret/read/TextOps.h"

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

namespace {

struct PieceLine {
    std::string_view piece;  // singular
    ShapeCode line;
};
constexpr std::array<PieceLine, 11> kPieceLines = {{
    {"scarpe", ShapeCode::kBendSinister}, {"bendlet", ShapeCode::kBend},    {"riband", ShapeCode::kBend},
    {"ribbon", ShapeCode::kBend},         {"pallet", ShapeCode::kPale},     {"endorse", ShapeCode::kPale},
    {"bar", ShapeCode::kFess},            {"barrulet", ShapeCode::kFess},   {"closet", ShapeCode::kFess},
    {"chevronel", ShapeCode::kChevron},   {"coupleclose", ShapeCode::kChevron},
}};

}  // namespace

Direction DirectionOfWord(std::string_view word, int code) {
    std::string_view singular = word;
    if (singular.size() > 1 && (singular.back() == 's' || singular.back() == 'S')) singular.remove_suffix(1);
    for (const PieceLine& p : kPieceLines)
        if (EqualsIgnoringCase(singular, p.piece) || EqualsIgnoringCase(word, p.piece)) return p.line;
    return DirectionOfCode(code);
}

}  // namespace esc
