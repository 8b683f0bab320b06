// Charges set in an arrangement or a part of the field, their spots from the arrangement's
// geometry.

#include "interpret/layout/ArrangedCharges.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

// Long or tall drawings in an arrangement grow until their drawings meet, up to this.
constexpr float kInArrangementLargestLong = 1.8f;

// Places the spots at one scale: their own, grown where the drawings leave room. Long or tall
// drawings alone on the field ("three lions passant in pale") grow until their drawings meet: the
// square cells left two thirds of a lion passant's room empty. On a parted field, each in its own
// part ("per saltire, in pale two moose's heads", one in the chief's triangle and one in the
// base's) grows until its drawing meets that part's edge.
void GrowAndPlace(DrawingState& s, std::vector<ChargeSpot> spots) {
    if (spots.empty()) return;
    float scale = spots.front().scale;
    int top = 0;
    if (s.level == 0 && RoomLeftByLaterEdges(s, top) && CurrentDrawingIsLong(s)) {
        std::vector<std::pair<int, int>> centres;
        for (const ChargeSpot& p : spots) centres.emplace_back(p.x, p.y);
        scale = LargestCommonScale(s, FreeSpace::Field(s), centres, scale, kInArrangementLargestLong, top);
    }
    if (s.level == 0 && s.partitionCode != ShapeCode::kNoShape && RoomLeftByLaterEdges(s, top)) {
        float inParts = kInArrangementLargestLong;
        for (const ChargeSpot& p : spots) {
            const std::function<bool(const Rect&)> inPart = InTheFieldPartAt(s, p.x, p.y);
            const auto allowed = [&](const Rect& r) { return r.top >= top && inPart(r); };
            inParts = std::min(inParts, LargestScaleAt(s, FreeSpace::Field(s), p.x, p.y, {}, allowed, kInArrangementLargestLong));
        }
        scale = std::max(scale, inParts);
    }
    for (ChargeSpot& p : spots) p.scale = scale;
    PlaceSpots(s, spots);
}

bool Triangular(int n) {
    int rows = 1;
    while (rows * (rows + 1) / 2 < n) ++rows;
    return rows * (rows + 1) / 2 == n && rows >= 2;
}

// Whether the fixed tables of the ordinaries (ChargesOnOrdinary) keep this count in this
// arrangement: two in fess, and the counts of a cross, saltire, chevron or pile that their
// arms do not share evenly.
bool LeftToTheTables(Arrangement arrangement, int n) {
    switch (arrangement) {
        case Arrangement::kInFess: return n < 3;
        case Arrangement::kInCross:
        case Arrangement::kInSaltire: return n < 4 || (n % 4 != 0 && n % 4 != 1);
        case Arrangement::kInChevron: return n < 3;
        case Arrangement::kInPile: return !Triangular(n);
        case Arrangement::kInPale:
        case Arrangement::kInBend:
        case Arrangement::kInBendSinister: return false;
        default: return true;
    }
}

}  // namespace

bool ArrangementOfDirection(Direction code, Arrangement& arrangement) {
    if (code == kInAnnulo) {
        arrangement = Arrangement::kInAnnulo;
        return true;
    }
    switch (code.Shape()) {
        case ShapeCode::kFess: arrangement = Arrangement::kInFess; return true;
        case ShapeCode::kPale: arrangement = Arrangement::kInPale; return true;
        case ShapeCode::kBend: arrangement = Arrangement::kInBend; return true;
        case ShapeCode::kBendSinister: arrangement = Arrangement::kInBendSinister; return true;
        case ShapeCode::kCross: arrangement = Arrangement::kInCross; return true;
        case ShapeCode::kSaltire: arrangement = Arrangement::kInSaltire; return true;
        case ShapeCode::kChevron: arrangement = Arrangement::kInChevron; return true;
        case ShapeCode::kChevronInverted: arrangement = Arrangement::kInChevronInverted; return true;
        case ShapeCode::kPall: arrangement = Arrangement::kInPall; return true;
        case ShapeCode::kPiles: arrangement = Arrangement::kInPile; return true;
        case ShapeCode::kOrle: arrangement = Arrangement::kInOrle; return true;
        default: return false;
    }
}

bool RegionOfDirection(Direction code, RegionKind& region) {
    if (!code.IsPlace()) {
        switch (code.shape) {
            case ShapeCode::kChief: region = RegionKind::kChief; return true;
            case kBase: region = RegionKind::kBase; return true;
            case ShapeCode::kCanton: region = RegionKind::kCanton; return true;
            default: return false;
        }
    }
    switch (code.place) {
        case kInDexterChief: region = RegionKind::kDexterChief; return true;
        case kInSinisterChief: region = RegionKind::kSinisterChief; return true;
        case kBetweenTheArms: region = RegionKind::kBetweenChevronArms; return true;
        case kBetweenTheArmsInverted: region = RegionKind::kBetweenChevronInvertedArms; return true;
        default: return false;
    }
}

bool InArrangement(DrawingState& s, Direction toward, const LevelRecord& level, int n) {
    Arrangement arrangement{};
    if (!level.levelIn || n < 2 || !ArrangementOfDirection(toward, arrangement)) return false;
    if (LeftToTheTables(arrangement, n) && arrangement != Arrangement::kInChevronInverted &&
        arrangement != Arrangement::kInPall)
        return false;
    if (arrangement == Arrangement::kInOrle || arrangement == Arrangement::kInAnnulo) return false;
    const SpotLayout layout = LayoutSpots({RegionOf(s.geometry, RegionKind::kField), n, arrangement, {}});
    if (layout.nearest) return false;
    NoteLayout(s, "InArrangement(" + std::to_string(CodeOf(toward)) + ")");
    GrowAndPlace(s, layout.spots);
    return true;
}

bool PlaceArranged(DrawingState& s, Direction toward, int n) {
    Arrangement arrangement = Arrangement::kInRows;
    RegionKind region = RegionKind::kField;
    if (!ArrangementOfDirection(toward, arrangement)) {
        if (!RegionOfDirection(toward, region)) return false;
        // A chief is a band: its charges stand in a row along it.
        arrangement = region == RegionKind::kChief ? Arrangement::kInFess : Arrangement::kInRows;
    }
    const SpotLayout layout = LayoutSpots({RegionOf(s.geometry, region), n, arrangement, {}});
    if (layout.spots.empty()) return false;
    NoteLayout(s, "Arranged(" + std::to_string(CodeOf(toward)) + (layout.nearest ? ", nearest form" : "") + ")");
    if (layout.nearest) NoteNearestLayout(s, n);
    PlaceSpots(s, layout.spots);
    return true;
}

}  // namespace esc
