// PlaceCharge: the picture file of the current level (or a disc for a roundel) at the placement
// point, handed to the layer sink and recorded in the placement ring; PlaceRow; DrawDisc; and the
// charges placed upon the charges of the level before.

#include "interpret/layout/Placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/ChargePicture.h"
#include "interpret/layout/AttachedCharges.h"
#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/phrase/Combatant.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/OnEachPiece.h"
#include "interpret/layout/PairsOnTheSpot.h"
#include "interpret/layout/SpotOfTheGroupForm.h"
#include "interpret/phrase/Fimbriated.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/phrase/VoidedCharge.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Previous;
using phrase::Tincture;

namespace {

constexpr std::size_t kFileStemChars = 8;
constexpr std::string_view kPictureFolder = "lpics/";
constexpr std::string_view kQuestion = "question";

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The three file names tried for a name (final "s" already dropped) and an extension. Picture
// files are named in lower case, so the name is folded first: a blazon may write "Lion".
std::array<std::string, 3> FileNames(std::string_view name, std::string_view extension) {
    const std::string stem = ToLower(name.substr(0, kFileStemChars));
    std::string first = stem;
    ReplaceAll(first, "cross", "cros");
    if (!ContainsIgnoringCase(first, "cros") && !first.empty() && first.back() == 's') first.pop_back();
    std::string second = stem;
    ReplaceAll(second, "ve", "f");  // "wolve" is drawn as "wolf"
    const std::string ext(extension);
    return {std::string(kPictureFolder) + first + "." + ext, std::string(kPictureFolder) + second + "." + ext,
            std::string(kPictureFolder) + stem + ".esv"};
}

bool TryPictures(DrawingState& s, const ChargeSpot& spot, std::string_view name, bool standIn) {
    LevelRecord& level = Current(s);
    if (level.levelVariant.empty()) level.levelVariant.Assign("esv");
    // A picture read for an earlier charge of the level is painted again whatever the name tried;
    // the trace already names the file it was read from.
    const bool reused = s.pictureLoaded;
    // Charges strewn as a semé are no layers and no pictures of the count.
    const bool counted = level.levelLine != kSemeLevelLine;
    const ChargePaintRequest request{spot, {Tincture(s), level.levelSecondTincture, s.detailTincture, -1},
                                     counted ? s.pictureCount : -1};
    for (const std::string& file : FileNames(name, level.levelVariant.view())) {
        const bool drawn = PlaceChargePicture(s, file, request) == 0;
        if (drawn && counted) ++s.pictureCount;
        const bool damaged = !drawn && s.chargePicture.verdict == PictureVerdict::Damaged;
        if (!reused) NotePicture(s, file, drawn, standIn, damaged);
        if (drawn) return true;
        // A damaged file is the charge's picture all the same: no other name stands in for it.
        if (damaged) {
            const std::string_view text = msg::kDamagedPicture;
            const std::size_t first = text.find("{}"), second = text.find("{}", first + 2);
            std::string shown(text.substr(0, first));
            shown.append(file).append(text.substr(first + 2, second - first - 2));
            shown.append(s.chargePicture.damage).append(text.substr(second + 2));
            s.messages.Show(shown);
            return false;
        }
    }
    return false;
}

void PlaceRoundel(DrawingState& s, const ChargeSpot& spot) {
    const int x = spot.x, y = spot.y;
    // The charge scale is in design pixels; the disc is drawn at the paint scale.
    const float scale = spot.scale * static_cast<float>(s.geometry.k);
    const int d = static_cast<int>(scale * 150.0f);
    const int r = static_cast<int>(scale * kRoundelRadiusAtScaleOne);
    s.paintedBox = {x - r, y - r, x + r + 1, y + r + 1};
    // Counted like a picture; past the last layer handed on it is painted but not movable.
    const bool hasLayer = s.layerSink != nullptr && s.pictureCount >= 0 && s.pictureCount < kMaxLayers && SizeIsAcceptable(d, d);
    PlacedLayer layer;
    if (hasLayer) {
        layer.index = s.pictureCount;
        layer.cx = x;
        layer.cy = y;
        layer.background = s.picture.Copy(Rect{x - d / 2, y - d / 2, x - d / 2 + d, y - d / 2 + d});
        layer.image = Bitmap(d, d, kTeal);
    }
    DrawDisc(s, x, y, r, d, hasLayer ? &layer.image : nullptr);
    if (hasLayer) s.layerSink->LayerPlaced(std::move(layer));
    ++s.pictureCount;
}

// Column heights of a disc of radius r by the midpoint ellipse algorithm with both radii r:
// heights[i] is how far column i (counted from the centre) reaches above and below the centre.
std::vector<int> ColumnHeights(int r) {
    std::vector<int> heights(static_cast<std::size_t>(r) + 1, -1);
    auto record = [&](long long x, long long y) {
        if (x >= 0 && x <= r && heights[static_cast<std::size_t>(x)] < 0) heights[static_cast<std::size_t>(x)] = static_cast<int>(y);
    };
    const double r2 = static_cast<double>(r) * r;
    long long x = 0, y = r;
    double px = 0, py = 2 * r2 * y;
    double p = r2 - r2 * r + 0.25 * r2;
    while (px < py) {
        record(x, y);
        ++x;
        px += 2 * r2;
        if (p < 0) {
            p += r2 + px;
        } else {
            --y;
            py -= 2 * r2;
            p += r2 + px - py;
        }
    }
    p = r2 * (x + 0.5) * (x + 0.5) + r2 * (y - 1) * (y - 1) - r2 * r2;
    while (y >= 0) {
        record(x, y);
        --y;
        py -= 2 * r2;
        if (p > 0) {
            p += r2 - py;
        } else {
            ++x;
            px += 2 * r2;
            p += r2 - py + px;
        }
    }
    return heights;
}

// n pixels of row y from x1 in `code`, also into the layer image from lx. The row painter
// covers x1..x2 for plain and counterchanged codes and x1..x2-1 for patterns.
void PaintRun(DrawingState& s, int x1, int y, int n, int lx, int code) {
    if (n <= 0) return;
    s.layerTarget.lx = lx;
    if (code == kCounterchanged) {
        // Counterchanging decides pixel by pixel; each pixel keeps its own layer position.
        for (int i = 0; i < n; ++i) {
            s.layerTarget.lx = lx + i;
            PaintSpan(s, SpanRequest{x1 + i, y, x1 + i, code});
        }
    } else if (IsPlainTincture(code) || code == kProperBrown || code == kPlainWhite) {
        PaintSpan(s, SpanRequest{x1, y, x1 + n - 1, code});
    } else {
        PaintSpan(s, SpanRequest{x1, y, x1 + n, code});
    }
}

}  // namespace

std::array<std::string, 3> PictureFileNames(std::string_view name, std::string_view extension) {
    return FileNames(name, extension);
}

float ShrinkingScale(int n) { return std::max(kMinChargeScale, 1.0f - 0.1f * static_cast<float>(n)); }

bool MirroredInPair(int lineCode, int index) {
    return (lineCode == kPairFirstTurned && index == 0) || (lineCode == kPairSecondTurned && index == 1);
}

namespace {

// The level's picture, or its disc, or the question picture standing in for it.
void PaintLevelCharge(DrawingState& s, LevelRecord& level, const ChargeSpot& spot) {
    for (const bool standIn : {false, true}) {
        std::string name = level.levelName.str();
        if (!name.empty() && name.back() == 's') name.pop_back();
        if (name == "fount") Tincture(s) = kProperBrown;
        if (level.levelKind == kTypeRoundel) {
            PlaceRoundel(s, spot);
            return;
        }
        if (!standIn) RampantWhenTurned(s, level, name);
        if (!standIn) PaintChargeFimbriation(s, spot, name);
        // A charge voided over a field of several tinctures shows what lay under it.
        std::optional<Bitmap> under;
        if (!standIn && s.voidedField == kVoidedOverWhatLiesUnder) under = s.picture;
        if (TryPictures(s, spot, name, standIn || name == kQuestion)) {
            if (!standIn) VoidPaintedCharge(s, under ? &*under : nullptr);
            return;
        }
        if (standIn) return;  // not even the question picture could be read: left undrawn
        // The question picture stands in for the rest of the level too.
        level.levelName.Assign(kQuestion);
        level.levelVariant.Clear();
    }
}

}  // namespace

ChargeTurn WordsTurn(const DrawingState& s) {
    if (s.bendwiseFlag) return s.bendwiseSinisterFlag ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
    return s.fesswiseFlag ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn;
}

void PlaceChargeIn(DrawingState& s, const ChargeSpot& spot, std::optional<int> tincture) {
    LevelRecord& level = Current(s);
    if (level.levelKind == 0) return;
    // The painter paints in the level's tincture: a member's own is set for this charge alone.
    const int levelsOwn = Tincture(s);
    if (tincture) Tincture(s) = *tincture;
    NotePlacement(s, spot);
    s.model.NotePlaced(s.level, spot, Tincture(s));

    RingEntry* entry = nullptr;
    if (!level.levelChargedOn) {
        entry = &s.placementRing[static_cast<std::size_t>(s.ringNext)];
        *entry = {spot.x, spot.y, spot.scale, {}};
        s.ringNext = (s.ringNext + 1) % kPlacementRingSize;
        s.ringWritten = std::min(s.ringWritten + 1, kPlacementRingSize);
    }
    s.paintedBox = {};
    PaintLevelCharge(s, level, spot);
    // What the charge painted, for layouts that fit later charges into the room it left.
    if (entry != nullptr) entry->drawn = s.paintedBox;
    if (tincture) Tincture(s) = levelsOwn;
}

void PlaceCharge(DrawingState& s, const ChargeSpot& spot) { PlaceChargeIn(s, spot, std::nullopt); }

namespace {

// Whether one charge alone, fitted to the whole field, already keeps clear of the chief above and
// the bordure round it that the room is made for: it then keeps its place and size.
bool AloneInTheRoom(DrawingState& s, int x, int y, float scale, ChargeTurn turn) {
    DrawnReach reach;
    if (!DrawnReachTurned(s, turn, reach)) return false;
    const int across = static_cast<int>(std::ceil(reach.across * scale));
    const int upDown = static_cast<int>(std::ceil(reach.upDown * scale));
    if (y - upDown < std::max(s.roomTop, s.roomInset)) return false;
    if (s.roomInset == 0) return true;
    return x - across >= s.roomInset && x + across <= s.geometry.W - s.roomInset && y + upDown <= s.geometry.straightBottom;
}

// One charge at the fess point that does not keep clear of the chief or bordure named after it:
// set in the middle of the room they leave and made as large as the room holds (never larger
// than it was). Pressing the whole field into the room made a sword or a tree under a chief a
// fifth smaller than the room allowed. False when its drawing is unknown.
bool FitAloneInTheRoom(DrawingState& s, ChargeTurn turn, int& y, float& scale) {
    DrawnReach reach;
    if (!DrawnReachTurned(s, turn, reach)) return false;
    const ShieldGeometry& g = s.geometry;
    const int top = std::max(s.roomTop, s.roomInset), bottom = g.straightBottom;
    const int halfWide = g.W2 - s.roomInset;
    if (bottom - top < 2 || halfWide < 1) return false;
    scale = std::min({scale, static_cast<float>(bottom - top) / 2.0f / reach.upDown, static_cast<float>(halfWide) / reach.across});
    y = (top + bottom) / 2;
    return true;
}

// A long charge throughout: set at the field's middle across its axis and as large as reaches
// the farther edge of the field along it (upright: chief and base; fesswise: the flanks; bendwise:
// the flank at the end of its diagonal). A little past it, so that the outline cuts it.
constexpr float kThroughoutOvershoot = 1.05f;
constexpr float kThroughoutDiagonal = 0.7071f;  // the share of a length at 45 degrees along each axis

// A charge that is not long ("a sun throughout", "a cross patée throughout" drawn as its
// picture) stands at the middle of the shield and reaches every edge: the farther of the flanks
// and of chief and base decides, and the outline cuts what passes the nearer ones.
void ReachEveryEdge(const ShieldGeometry& g, const DrawnReach& reach, ChargeSpot& spot) {
    spot.x = g.W2;
    spot.y = g.shieldBottom / 2;
    const float needed = std::max(static_cast<float>(g.W2) / reach.across, static_cast<float>(spot.y) / reach.upDown);
    spot.scale = std::max(spot.scale, needed * kThroughoutOvershoot);
}

void ReachTheEdgesAlongItsAxis(DrawingState& s, ChargeSpot& spot) {
    DrawnReach reach;
    if (!DrawnReachTurned(s, spot.turn, reach)) return;
    const ShieldGeometry& g = s.geometry;
    if (const int count = Current(s).levelCount; count > 1) {
        FillTheShareOfTheChief(s, reach, count, spot);
        return;
    }
    // Long or not as it is drawn upright: turned bendwise, every drawing reaches alike both ways.
    DrawnReach upright;
    if (!DrawnReachTurned(s, ChargeTurn::kAsDrawn, upright)) return;
    if (upright.across < kLongDrawing * upright.upDown && upright.upDown < kLongDrawing * upright.across) {
        ReachEveryEdge(g, reach, spot);
        return;
    }
    float needed = 0.0f;
    // A picture drawn long and low lies fesswise as drawn.
    const bool along = spot.turn == ChargeTurn::kFesswise || (spot.turn == ChargeTurn::kAsDrawn && reach.across > reach.upDown);
    switch (along ? ChargeTurn::kFesswise : spot.turn) {
        case ChargeTurn::kAsDrawn:
            // From the top of the field to the foot of the shield's point.
            spot.x = g.W2;
            spot.y = g.shieldBottom / 2;
            needed = static_cast<float>(spot.y) / reach.upDown;
            break;
        case ChargeTurn::kFesswise:
            spot.y = g.H2;
            needed = static_cast<float>(std::max(spot.x, g.W - spot.x)) / reach.across;
            break;
        case ChargeTurn::kBendwise:
        case ChargeTurn::kBendwiseSinister: {
            // Along the diagonal the long reach of the upright drawing runs to the flank; the
            // turned reach counts its breadth too.
            spot.x = g.W2;
            spot.y = g.H2;
            needed = static_cast<float>(g.W2) / (std::max(upright.across, upright.upDown) * kThroughoutDiagonal);
            break;
        }
    }
    spot.scale = std::max(spot.scale, needed * kThroughoutOvershoot);
}

// One charge on a spot whose turn and flip are final: a pair's mirroring, the room left by a
// chief or bordure, a left hand's mirroring and the member's own tincture applied.
void PlaceOne(DrawingState& s, ChargeSpot spot) {
    // A member of a group of several kinds paints only the places it takes of the group's.
    if (ModelReading& group = s.model; group.spotTo > 0) {
        const int k = group.spotSeen++;
        if (k < group.spotFrom || k >= group.spotTo) return;
    }
    // A pair combatant or addorsed is turned in whatever layout sets it, the first placed (the
    // dexter one, as every layout places them) or the second; layouts that already asked for
    // the turn get the same answer.
    const LevelRecord& level = Current(s);
    const int index = s.pictureCount - s.levelFirstPicture;
    // Pairs side by side turn each pair on its own spot instead.
    const bool pairsTurned = s.group.pairs == PairForm::kAddorsed || s.group.pairs == PairForm::kCombatant;
    if (level.levelCount == 2 && (level.levelLine == kPairFirstTurned || level.levelLine == kPairSecondTurned) &&
        (index == 0 || index == 1) && !pairsTurned)
        spot.mirror = MirroredInPair(level.levelLine, index);
    if (index >= 0 && static_cast<std::size_t>(index) < s.group.memberTurns.size()) {
        const MemberTurn& own = s.group.memberTurns[static_cast<std::size_t>(index)];
        spot.mirror = spot.mirror != own.mirror;
        spot.flip = spot.flip != own.flip;
    }
    int& x = spot.x;
    int& y = spot.y;
    float& scale = spot.scale;
    bool pressed = (s.roomInset > 0 || s.roomTop > 0) && !(level.levelCount == 1 && AloneInTheRoom(s, x, y, scale, spot.turn));
    if (pressed && level.levelCount == 1 && x == s.geometry.W2 && y == s.geometry.H2 && FitAloneInTheRoom(s, spot.turn, y, scale))
        pressed = false;
    if (pressed && s.roomInset > 0) {
        // The layout drawn in evenly towards the middle of the shield, clear of the bordure.
        const int W = s.geometry.W, inner = W - 2 * s.roomInset;
        x = s.geometry.W2 + (x - s.geometry.W2) * inner / W;
        y = s.roomInset + y * inner / W;
        scale *= static_cast<float>(inner) / static_cast<float>(W);
    }
    if (pressed && s.roomTop > 0) {
        // The layout pressed into the room below roomTop, each charge smaller in proportion.
        const int H = s.geometry.H;
        y = s.roomTop + y * (H - s.roomTop) / H;
        scale *= static_cast<float>(H - s.roomTop) / static_cast<float>(H);
        // Charges conjoined keep touching across too: their steps shrink with them.
        if (s.conjoined) x = s.geometry.W2 + (x - s.geometry.W2) * (H - s.roomTop) / H;
    }
    spot.mirror = spot.mirror != s.sinisterCharges;  // a left hand turns the other way, also in a pair
    // "three mullets azure, gules and vert": each member in its own tincture, in placing order.
    const std::vector<int>& members = s.group.memberTinctures;
    const bool ownTincture = index >= 0 && index < static_cast<int>(members.size());
    if (s.group.throughout) ReachTheEdgesAlongItsAxis(s, spot);
    if (s.group.pairJoined && (index == 0 || index == 1)) JoinThePair(s, index, spot);
    if (s.group.issuingFlank != IssuingFlank::kNone && level.levelCount == 1) IssueFromTheFlank(s, spot);
    if (s.group.pairs != PairForm::kSingle && s.group.pairs != PairForm::kPairsNamed) {
        PlacePairOnTheSpot(s, spot, ownTincture ? members[static_cast<std::size_t>(index)] : -1);
        return;
    }
    PlaceChargeIn(s, spot, ownTincture ? std::optional<int>(members[static_cast<std::size_t>(index)]) : std::nullopt);
}

}  // namespace

void Place(DrawingState& s, int x, int y, float scale, bool mirror) {
    PlaceOne(s, ChargeSpot{x, y, scale, WordsTurn(s), mirror, s.reversedCharges});
}

void PlaceTurned(DrawingState& s, int x, int y, float scale, ChargeTurn turn, bool mirror) {
    PlaceOne(s, ChargeSpot{x, y, scale, turn, mirror, s.reversedCharges});
}

void PlaceSpots(DrawingState& s, std::span<const ChargeSpot> spots) {
    for (ChargeSpot spot : spots) {
        // The spot's turn, if it has one, stands for the words'; its flip adds to "reversed".
        if (spot.turn == ChargeTurn::kAsDrawn) spot.turn = WordsTurn(s);
        spot.flip = s.reversedCharges != spot.flip;
        PlaceOne(s, spot);
    }
}

void PlaceRow(DrawingState& s, int n, int y, float scale) {
    if (n < 3) return;  // the spacing rule divides by n - 2
    const int sp = s.geometry.W / (n + 1), q = sp / 4;
    const int step = sp + q / (n - 2) + n - 2;
    const float used = scale == 0.0f ? ShrinkingScale(n) : scale;
    for (int i = 0, x = sp - q; i < n; ++i, x += step) Place(s, x, y, used);
}

void DrawDisc(DrawingState& s, int x, int y, int r, int d, Bitmap* layerImage) {
    if (r < 0) return;
    const std::vector<int> heights = ColumnHeights(r);
    const int own = Tincture(s);
    s.layerTarget = {layerImage, 0, 0, false};
    for (int j = -r; j <= r; ++j) {
        const int row = y + j, reach = j < 0 ? -j : j;
        // Columns 0..inner-1 cover this row inside the disc; columns inner..outer-1 end on it.
        int inner = 0, outer = 0;
        for (int h : heights) {
            if (h > reach) ++inner;
            if (h >= reach) ++outer;
        }
        s.layerTarget.ly = d / 2 - (row - y);
        if (outer > inner) {
            PaintRun(s, x - (outer - 1), row, outer - inner, d / 2 - (outer - 1), kSable);
            PaintRun(s, x + inner, row, outer - inner, d / 2 + inner, kSable);
        }
        if (inner > 0) PaintRun(s, x - (inner - 1), row, 2 * inner - 1, d / 2 - (inner - 1), own);
    }
    s.layerTarget = {};
}

void PlaceOnPreviousCharges(DrawingState& s) {
    // "two bars each charged with a mullet": bars and pallets are shapes with no spots of their
    // own; each piece found on their mask takes its charge.
    if (s.level == 1 && IsOrdinaryInPieces(s.levels[0]) && OnEachPieceOfTheOrdinary(s)) return;
    if (GroupOnEachLayout(s)) return;  // "each charged with three mullets"
    NoteLayout(s, "on each charge of the level before");
    s.pictureLoaded = false;
    // The ring holds the last 13 placements; only entries that were written are read.
    const int n = std::min({Previous(s).levelCount, s.ringWritten, kPlacementRingSize});
    // One on each bearer: another count ("three roundels charged with two mullets") has no
    // layout here, and is told rather than drawn as one a bearer.
    if (Current(s).levelCount > 1 && Current(s).levelCount != Previous(s).levelCount)
        s.messages.Show(WithCount(msg::kNoLayoutForCount, Current(s).levelCount));
    for (int k = 0; k < n; ++k) {
        const int index = ((s.ringNext - n + k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
        const RingEntry& entry = s.placementRing[static_cast<std::size_t>(index)];
        // "each charged with a feather sable and gules": the k-th bearer's charge in the k-th.
        const std::vector<int>& members = s.group.memberTinctures;
        const int own = k < static_cast<int>(members.size()) ? members[static_cast<std::size_t>(k)] : -1;
        PlaceChargeIn(s, ChargeSpot{entry.x, entry.y, entry.scale / 2, WordsTurn(s), s.sinisterCharges, s.reversedCharges},
                      own >= 0 ? std::optional<int>(own) : std::nullopt);
    }
    // Bearers drawn as shapes keep no spots: what should lie on them is told, not left off unsaid.
    if (n < Previous(s).levelCount) s.messages.Show(std::string(msg::kNotOnEachBearer) + Previous(s).levelName.str());
}

}  // namespace esc
