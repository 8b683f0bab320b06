// Charges set in an arrangement or a part of the field, their spots from the arrangement's
// geometry.

#include "interpret/layout/ArrangedCharges.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/ConvergingInPile.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
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

// The box within which a group on an ordinary is arranged: the chief, the base, the canton, the
// band of a fess or a pale as they are drawn, and the crossing of a cross or saltire or the middle
// of a bend or chevron (a square as wide as the cross's limb). False for ordinaries that have no
// one box.
constexpr int kChevronMiddleAbove = 15;  // the chevron's middle lies this far above the fess point
constexpr int kLimbPerTen = 8;           // a cross's limb is eight tenths of the chief's depth

bool BoxOfTheOrdinary(const ShieldGeometry& g, ShapeCode code, LayoutRegion& region) {
    const int half = g.chiefDepth / 2, limb = g.chiefDepth * kLimbPerTen / 10 / 2;
    const auto box = [&](int left, int top, int right, int bottom) {
        region = {{left, top, right, bottom}, std::min(bottom, g.straightBottom)};
        return true;
    };
    switch (code) {
        case ShapeCode::kChief: return box(0, 0, g.W, shapes::ChiefLowerEdge(g));
        case ShapeCode::kBase: return box(0, shapes::BaseUpperEdge(g), g.W, g.H);
        case ShapeCode::kCanton: region = RegionOf(g, RegionKind::kCanton); return true;
        case ShapeCode::kFess: return box(0, g.H2 - half, g.W, g.H2 + half);
        case ShapeCode::kPale: return box(g.W2 - shapes::PaleHalfWidth(g), 0, g.W2 + shapes::PaleHalfWidth(g), g.H);
        case ShapeCode::kCross:
        case ShapeCode::kSaltire:
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister: return box(g.W2 - limb, g.H2 - limb, g.W2 + limb, g.H2 + limb);
        case ShapeCode::kChevron: {
            const int y = g.H2 - g.Px(kChevronMiddleAbove);
            return box(g.W2 - limb, y - limb, g.W2 + limb, y + limb);
        }
        default: return false;
    }
}

// The box of a part of the field a group is set in ("in base", "in dexter chief").
bool BoxOfThePart(const ShieldGeometry& g, Direction code, LayoutRegion& region) {
    RegionKind kind{};
    if (code == kInDexterHalf) {
        kind = RegionKind::kDexterHalf;
    } else if (code == kInSinisterHalf) {
        kind = RegionKind::kSinisterHalf;
    } else if (code == ShapeCode::kCanton || !RegionOfDirection(code, kind)) {
        return false;
    }
    region = RegionOf(g, kind);
    return true;
}

// A column alone on a plain field set in chief or in base has the half of the field on that side
// for its room, below a chief named later (the chief's or base's own band, a fifth of the
// height, drew three in pale as specks). The box stays as it was elsewhere.
constexpr int kClearOfALaterChief = 6;

void GrowToTheRoomOfThePart(DrawingState& s, Direction code, LayoutRegion& region) {
    const ShieldGeometry& g = s.geometry;
    RegionKind kind{};
    int top = 0;
    if (s.level != 0 || s.partitionCode != ShapeCode::kNoShape || !RegionOfDirection(code, kind) ||
        !RoomLeftByLaterEdges(s, top))
        return;
    if (kind == RegionKind::kChief) {
        // The group's own "in chief" is no chief: only "a chief" or "on a chief" named later is.
        top = 0;
        for (int i = std::max(s.levelFirstWord, 0) + 1; i < s.wordCount; ++i)
            if (EqualsIgnoringCase(s.Word(i), "chief") && EqualsOneOfIgnoringCase(s.Word(i - 1), "a|on"))
                top = g.chiefDepth + g.Px(kClearOfALaterChief);
        region = {{0, top, g.W, g.H2}, std::min(g.H2, g.straightBottom)};
    } else if (kind == RegionKind::kBase) {
        region = RegionOf(g, RegionKind::kField);
        region.box.top = g.H2;
    }
}

// A pair in saltire crossing at the middle of the box, each turned along a diagonal, as large as
// the box holds the crossing (no larger than a crossed pair alone on the field).
constexpr float kCrossedPairLargest = 2.0f;
constexpr int kLevelsBackToTheOrdinary = 3;
constexpr float kOnTheBandLargest = 1.0f;  // a charge on a moved ordinary
// A moved chevron's limbs fall at 40 degrees; its charges reach out this share of the width.
constexpr double kChevronLimbTangent = 0.8391;
constexpr int kChevronLimbReachPercent = 34;  // as far back as later levels look for what they lie on
constexpr int kCrossedPairMargin = 6;

bool PlaceCrossedPair(DrawingState& s, const Rect& box) {
    DrawnReach reach;
    if (!DrawnReachTurned(s, ChargeTurn::kBendwise, reach)) return false;
    const float margin = static_cast<float>(s.geometry.Px(kCrossedPairMargin));
    const float byWidth = (static_cast<float>(box.Width()) / 2 - margin) / reach.across;
    const float byHeight = (static_cast<float>(box.Height()) / 2 - margin) / reach.upDown;
    const float scale = std::clamp(std::min(byWidth, byHeight), kMinChargeScale, kCrossedPairLargest);
    const int x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
    const ChargeSpot spots[] = {{x, y, scale, ChargeTurn::kBendwise, false, false},
                                {x, y, scale, ChargeTurn::kBendwise, true, false}};
    PlaceSpots(s, spots);
    return true;
}

}  // namespace

bool ArrangedWithinItsPlace(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const int n = level.levelCount;
    if (!level.levelIn || n < 2 || !PlacesPictures(level)) return false;
    const ShieldGeometry& g = s.geometry;
    LayoutRegion region;
    Direction direction = ShapeCode::kNoShape;
    if (level.levelArrangedIn != ShapeCode::kNoShape) {
        // "in base two swords in saltire"
        if (!BoxOfThePart(g, level.levelInCode, region)) return false;
        // A column is what the band of the chief or base cannot hold.
        if (level.levelArrangedIn == ShapeCode::kPale) GrowToTheRoomOfThePart(s, level.levelInCode, region);
        direction = level.levelArrangedIn;
    } else {
        // "on a chief two arrows in saltire": the group lies on the ordinary of a level just
        // before ("on a chief between two mitres two arrows in saltire").
        bool on = false;
        for (int back = 1; back <= kLevelsBackToTheOrdinary && s.level - back >= 0 && !on; ++back) {
            const LevelRecord& before = phrase::Level(s, s.level - back);
            on = before.levelOn && before.levelKind == kTypeOrdinary;
        }
        if (!on || !BoxOfTheOrdinary(g, s.onOrdinaryCode, region)) return false;
        direction = level.levelInCode;
    }
    Arrangement arrangement{};
    if (!ArrangementOfDirection(direction, arrangement) || arrangement == Arrangement::kInOrle ||
        arrangement == Arrangement::kInAnnulo)
        return false;
    NoteLayout(s, "ArrangedWithin(" + std::to_string(CodeOf(direction)) + ")");
    if (n == 2 && arrangement == Arrangement::kInSaltire) return PlaceCrossedPair(s, region.box);
    // Long charges in pile within a place are set in the triangle's rows, not converging.
    if (arrangement == Arrangement::kInPile && CurrentDrawingIsSlender(s)) NoteNearestLayout(s, n);
    const SpotLayout layout = LayoutSpots({region, n, arrangement, {}});
    if (layout.spots.empty()) return false;
    if (layout.nearest) NoteNearestLayout(s, n);
    PlaceSpots(s, layout.spots);
    return true;
}

bool OnTheMovedOrdinary(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const OrdinaryPosition position = FirstOrdinaryPosition(s);
    if (s.level != 1 || !s.levels[0].levelOn || s.levels[0].levelKind != kTypeOrdinary || level.levelIn ||
        !PlacesPictures(level) || level.levelCount < 1 ||
        (position != OrdinaryPosition::Enhanced && position != OrdinaryPosition::Abased))
        return false;
    const ShieldGeometry& g = s.geometry;
    const int shift = PlaceOf(g, position).shift, n = level.levelCount;
    Arrangement arrangement{};
    ChargeTurn turn = ChargeTurn::kAsDrawn;
    LayoutRegion region;
    // The band the charges lie in, moved with the ordinary: the fess's breadth, or the field
    // moved up or down for the lines of a bend or chevron.
    switch (s.onOrdinaryCode) {
        case ShapeCode::kFess:
            arrangement = Arrangement::kInFess;
            region = {{0, g.H2 + shift - g.chiefDepth / 2, g.W, g.H2 + shift + g.chiefDepth / 2}, g.straightBottom};
            break;
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister:
            arrangement = s.onOrdinaryCode == ShapeCode::kBend ? Arrangement::kInBend : Arrangement::kInBendSinister;
            turn = s.onOrdinaryCode == ShapeCode::kBend ? ChargeTurn::kBendwise : ChargeTurn::kBendwiseSinister;
            {
                // The moved diagonal within the field: the box it is the diagonal of.
                const int cut = std::abs(shift) * g.W / g.H;
                const bool sinister = s.onOrdinaryCode == ShapeCode::kBendSinister;
                const int left = (shift < 0) != sinister ? cut : 0, right = g.W - ((shift > 0) != sinister ? cut : 0);
                region = {{left, std::max(shift, 0), right, g.H + std::min(shift, 0)}, g.straightBottom};
            }
            break;
        case ShapeCode::kChevron: {
            // Along the chevron's middle line, which falls at 40 degrees from its apex: an odd
            // one at the apex, the rest shared by the limbs, evenly out to near the flanks.
            NoteLayout(s, "OnTheMovedOrdinary(" + std::to_string(CodeOf(s.onOrdinaryCode)) + ")");
            const int apex = g.chiefDepth / 2 + g.H / 3 + shift, perLimb = n / 2;
            const float scale = ScaleForCell(g.chiefDepth, kOnTheBandLargest);
            std::vector<ChargeSpot> spots;
            if (n % 2 == 1) spots.push_back({g.W2, apex, scale});
            for (int i = 1; i <= perLimb; ++i) {
                const int out = g.W * kChevronLimbReachPercent / 100 * i / perLimb;
                const int y = apex + static_cast<int>(out * kChevronLimbTangent);
                spots.push_back({g.W2 - out, y, scale});
                spots.push_back({g.W2 + out, y, scale});
            }
            PlaceSpots(s, spots);
            return true;
        }
        default: return false;
    }
    const SpotLayout layout = LayoutSpots({region, n, arrangement, {}});
    if (layout.spots.empty()) return false;
    NoteLayout(s, "OnTheMovedOrdinary(" + std::to_string(CodeOf(s.onOrdinaryCode)) + ")");
    if (layout.nearest) NoteNearestLayout(s, n);
    // No larger than the band's breadth holds a charge (a bend's and a chevron's are the fess's).
    const float breadth = ScaleForCell(g.chiefDepth, kOnTheBandLargest);
    std::vector<ChargeSpot> spots = layout.spots;
    for (ChargeSpot& spot : spots) {
        spot.scale = std::min(spot.scale, breadth);
        if (!s.uprightCharges) spot.turn = turn;
    }
    PlaceSpots(s, spots);
    return true;
}

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

bool BesideTheChargeInItsPart(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    if (s.level < 1 || !level.levelBetween || level.levelIn || level.levelCount != 2 || !PlacesPictures(level)) return false;
    const LevelRecord& before = phrase::Previous(s);
    const bool inAPart = before.levelInCode == ShapeCode::kChief || before.levelInCode == kBase;
    if (!before.levelIn || !inAPart || before.levelCount != 1 || !PlacesPictures(before) || s.ringWritten < 1) return false;
    // Beside a principal charge the row is the main charge's layouts' (RowOfThreeBesideTheMain).
    if (s.levels[0].levelKind != kTypeOrdinary) return false;
    const RingEntry& middle =
        s.placementRing[static_cast<std::size_t>((s.ringNext - 1 + kPlacementRingSize) % kPlacementRingSize)];
    // Three in a row across the field, the one between in the middle.
    const ShieldGeometry& g = s.geometry;
    const int step = g.W / 3;
    const float scale = ScaleForCell(step, std::max(middle.scale, kMinChargeScale));
    NoteLayout(s, "BesideTheChargeInItsPart");
    Place(s, middle.x - step, middle.y, scale);
    Place(s, middle.x + step, middle.y, scale);
    return true;
}

}  // namespace esc
