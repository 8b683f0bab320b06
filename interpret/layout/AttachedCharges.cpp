// Charges attached to the charges before them. The bearers' places are read back from the
// placement ring (their centres, scales and the pixels they painted), so the attached charge is
// set on what was drawn, wherever a layout put it.

#include "interpret/layout/AttachedCharges.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/Messages.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

constexpr int kBird = 11;
constexpr std::string_view kUsualVariant = "esv";

// The limb a bearer holds with when none is named: a beast its forepaw, a bird its beak.
Limb UsualLimb(int kind) { return kind == kBird ? Limb::Mouth : Limb::Paw; }

// A held charge against its bearer; an ensign above its bearer; a crown round a blade.
constexpr float kHeldShare = 0.33f, kEnsignShare = 0.45f, kEnfilingShare = 0.5f, kSurmountingShare = 0.6f;
// A sheaf held in one limb spreads over this share of one held charge's width.
constexpr float kSheafSpread = 1.5f;
// A bearer's painted box when the ring has none: half its side per unit of scale.
constexpr float kHalfSidePerScale = 45.0f;
// A charge of a group laid on a bearer fills this share of the room to its neighbour.
constexpr float kCellFill = 0.8f;
// The group laid on each bearer keeps inside this share of the bearer's box.
constexpr int kInnerNumerator = 3, kInnerDenominator = 5;
// An ensign overlaps the top of its bearer by this share of its own height.
constexpr int kEnsignOverlapDivisor = 5;

Rect BearerBox(const RingEntry& e) {
    if (e.drawn.Width() > 0 && e.drawn.Height() > 0) return e.drawn;
    const int half = static_cast<int>(kHalfSidePerScale * e.scale);
    return {e.x - half, e.y - half, e.x + half, e.y + half};
}

Rect Union(Rect a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The last `n` placements of the ring, oldest first.
std::vector<RingEntry> Bearers(const DrawingState& s, int n) {
    n = std::min({n, s.ringWritten, kPlacementRingSize});
    std::vector<RingEntry> out;
    for (int k = 0; k < n; ++k) {
        const int index = ((s.ringNext - n + k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
        out.push_back(s.placementRing[static_cast<std::size_t>(index)]);
    }
    return out;
}

// `count` charges of the current level laid out as the count falls inside `box`.
void PlaceGroupIn(DrawingState& s, const Rect& box, int count) {
    if (count <= 1) {
        const float scale = static_cast<float>(std::min(box.Width(), box.Height())) / (2.0f * kHalfSidePerScale);
        Place(s, box.left + box.Width() / 2, box.top + box.Height() / 2, scale);
        return;
    }
    LayoutRequest request;
    request.region.box = box;
    request.region.straightBottom = box.bottom;
    request.count = count;
    request.arrangement = Arrangement::kInRows;
    SpotLayout layout = LayoutSpots(request);
    // Each as large as the room between it and its nearest neighbour: the spots' own scales are
    // those of the field's charges, far too small inside one charge.
    int cell = std::min(box.Width(), box.Height());
    for (std::size_t i = 0; i < layout.spots.size(); ++i)
        for (std::size_t j = i + 1; j < layout.spots.size(); ++j)
            cell = std::min(cell, std::max(std::abs(layout.spots[i].x - layout.spots[j].x), std::abs(layout.spots[i].y - layout.spots[j].y)));
    const float scale = static_cast<float>(cell) * kCellFill / (2.0f * kHalfSidePerScale);
    for (ChargeSpot& spot : layout.spots) spot.scale = scale;
    PlaceSpots(s, layout.spots);
}

std::string Said(const LevelRecord& held, const LevelRecord& bearer) {
    const auto name = [](const LevelRecord& l) { return l.levelName.empty() ? std::string("charge") : l.levelName.str(); };
    return "the " + name(held) + " held by the " + name(bearer);
}

// Where a held charge goes when its bearer's picture has no known holding point: beside the
// bearer on the side it faces (the dexter; the sinister when the sinister limb is named), its
// middle a little above the bearer's, smaller than when held in a limb so that it keeps clear of
// the bearer. False when that place is off the shield.
struct HeldSpot {
    int x = 0, y = 0;
    float scale = 0.0f;
};

constexpr float kHeldBesideShare = 0.3f;
// A charge gripped at an end ("at the hilt") is held this share of its half-height from its middle.
constexpr float kGripNearTheEnd = 0.75f;
// The held charge overlaps its bearer's painted box by this share of its own half-side, as a
// thing grasped at its edge; its middle lies this share of the bearer's half-height above the
// bearer's.
constexpr float kHeldBesideOverlap = 0.8f, kHeldBesideRise = 0.25f;

bool HeldBesideSpot(const RingEntry& b, bool sinister, HeldSpot& out) {
    const Rect box = BearerBox(b);
    out.scale = b.scale * kHeldBesideShare;
    const int half = static_cast<int>(kHalfSidePerScale * out.scale);
    const int reach = half - static_cast<int>(kHeldBesideOverlap * static_cast<float>(half));
    out.x = sinister ? box.right + reach : box.left - reach;
    out.y = box.top + box.Height() / 2 - static_cast<int>(kHeldBesideRise * static_cast<float>(box.Height()) / 2.0f);
    return half > 0 && out.x - half >= 0 && out.x + half <= kImageWidth && out.y - half >= 0;
}

bool HeldLayout(DrawingState& s, const std::vector<RingEntry>& bearers) {
    const LevelRecord& bearer = s.attached.bearer >= 0 ? phrase::Level(s, s.attached.bearer) : phrase::Previous(s);
    const LevelRecord& held = phrase::Current(s);
    const Limb limb = s.attached.limb == Limb::Unnamed ? UsualLimb(bearer.levelKind) : s.attached.limb;
    LimbPlace place;
    static const std::vector<HoldingPoint> kNoHoldingPoints;
    const std::vector<HoldingPoint>& rows = s.vocabulary != nullptr ? s.vocabulary->HoldingPoints() : kNoHoldingPoints;
    const bool limbKnown =
        FindLimbPlace(rows, bearer.levelKind, bearer.levelName.view(), bearer.levelVariant.view(), limb, s.attached.sinister, place);
    // One held by each bearer when there are as many or "each" says so; else the first holds all.
    const bool each = s.attached.each || static_cast<int>(bearers.size()) == held.levelCount;
    const std::size_t holders = each ? bearers.size() : 1;
    std::vector<HeldSpot> spots;
    for (std::size_t i = 0; i < holders; ++i) {
        const RingEntry& b = bearers[i];
        HeldSpot spot{b.x + static_cast<int>(place.dx * b.scale), b.y + static_cast<int>(place.dy * b.scale), b.scale * kHeldShare};
        if (!limbKnown && !HeldBesideSpot(b, s.attached.sinister, spot)) {
            s.messages.Show(std::string(msg::kHeldNotDrawn) + Said(held, bearer));
            s.countMessageShown = true;  // said: not also as a count no layout places
            return true;
        }
        spots.push_back(spot);
    }
    NoteLayout(s, limbKnown ? "Held" : "Held beside its bearer, on the side it faces (no holding point is known)");
    DrawnReach reach;
    const bool atAnEnd = s.attached.grip != Grip::Middle && CurrentDrawnReach(s, reach);
    for (std::size_t i = 0; i < holders; ++i) {
        const int x = spots[i].x;
        const float scale = spots[i].scale;
        // Gripped at an end: the charge moved along its height so that the end is in the limb.
        int y = spots[i].y;
        if (atAnEnd) {
            const int shift = static_cast<int>(reach.upDown * scale * kGripNearTheEnd);
            y += s.attached.grip == Grip::LowerEnd ? -shift : shift;
        }
        const int count = each ? std::max(1, held.levelCount / static_cast<int>(holders)) : held.levelCount;
        // Several in one limb are held together as a sheaf: side by side, close, each as large
        // as one held alone.
        const float step = kHalfSidePerScale * scale * kSheafSpread / static_cast<float>(count);
        for (int k = 0; k < count; ++k)
            Place(s, x + static_cast<int>(step * (static_cast<float>(k) - static_cast<float>(count - 1) / 2.0f)), y, scale);
    }
    return true;
}

bool EnsignedLayout(DrawingState& s, const std::vector<RingEntry>& bearers, bool each) {
    NoteLayout(s, "Ensigned");
    const auto ensign = [&](const Rect& box, float bearerScale) {
        const float scale = bearerScale * kEnsignShare;
        const int half = static_cast<int>(kHalfSidePerScale * scale);
        const int y = std::max(half, box.top - half + 2 * half / kEnsignOverlapDivisor);
        Place(s, box.left + box.Width() / 2, y, scale);
    };
    if (each) {
        for (const RingEntry& b : bearers) ensign(BearerBox(b), b.scale);
        return true;
    }
    Rect all = BearerBox(bearers.front());
    float largest = 0.0f;
    for (const RingEntry& b : bearers) {
        all = Union(all, BearerBox(b));
        largest = std::max(largest, b.scale);
    }
    ensign(all, largest);
    return true;
}

bool EnfiledLayout(DrawingState& s, const std::vector<RingEntry>& bearers, bool each) {
    NoteLayout(s, "Enfiled");
    if (each) {
        for (const RingEntry& b : bearers) Place(s, b.x, b.y, b.scale * kEnfilingShare);
        return true;
    }
    // Round the middle of them all: where a pair in saltire crosses.
    int x = 0, y = 0;
    float largest = 0.0f;
    for (const RingEntry& b : bearers) {
        x += b.x;
        y += b.y;
        largest = std::max(largest, b.scale);
    }
    const int n = static_cast<int>(bearers.size());
    Place(s, x / n, y / n, largest * kEnfilingShare);
    return true;
}

}  // namespace

bool FindLimbPlace(const std::vector<HoldingPoint>& rows, int kind, std::string_view name, std::string_view variant, Limb limb,
                   bool sinister, LimbPlace& out) {
    const HolderFamily family = kind == kBird ? HolderFamily::Bird : kind == kTypeCharge ? HolderFamily::Beast : HolderFamily::Other;
    if (variant == kUsualVariant) variant = {};  // the usual picture, no attitude named
    for (const HoldingPoint& row : rows) {
        if (row.family != family) continue;
        if (row.limb != Limb::Unnamed && (row.limb != limb || row.sinister != sinister)) continue;
        if (!row.picture.empty() && !name.starts_with(row.picture)) continue;
        const bool variantMatches = row.prefix ? variant.starts_with(row.attitude) : variant == row.attitude;
        if (!variantMatches) continue;
        out = {row.dx, row.dy};
        return true;
    }
    return false;
}

bool AttachedLayout(DrawingState& s) {
    if (s.level != s.attached.level || s.attached.how == Attachment::None) return false;
    const LevelRecord& level = phrase::Current(s);
    if (level.levelCount < 1 || level.levelIn) return false;
    // A second phrase held by the same bearer finds it where the first found it.
    if (s.attached.bearer < 0) s.attachedBearers = Bearers(s, phrase::Previous(s).levelCount);
    const std::vector<RingEntry> bearers = s.attachedBearers;
    if (bearers.empty()) return false;
    const bool each = s.attached.each || static_cast<int>(bearers.size()) == level.levelCount;
    switch (s.attached.how) {
        case Attachment::Held: return HeldLayout(s, bearers);
        case Attachment::Ensigned: return EnsignedLayout(s, bearers, each);
        case Attachment::Enfiled: return EnfiledLayout(s, bearers, each);
        case Attachment::Surmounted:
            NoteLayout(s, "Surmounting each");
            for (const RingEntry& b : bearers) Place(s, b.x, b.y, b.scale * kSurmountingShare);
            return true;
        case Attachment::None: break;
    }
    return false;
}

bool GroupOnEachLayout(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    // "each charged with three mullets", or one charge charged with several ("a maunch charged
    // with three crosses"): the whole group lies within each bearer.
    const bool each = s.level == s.chargedOnEachLevel, oneBearer = phrase::Previous(s).levelCount == 1;
    if ((!each && !oneBearer) || level.levelCount < 2) return false;
    const std::vector<RingEntry> bearers = Bearers(s, phrase::Previous(s).levelCount);
    if (bearers.empty()) return false;
    NoteLayout(s, each ? "the group on each charge of the level before" : "the group on the one charge of the level before");
    s.pictureLoaded = false;
    for (const RingEntry& b : bearers) {
        const Rect box = BearerBox(b);
        const int w = box.Width() * kInnerNumerator / kInnerDenominator, h = box.Height() * kInnerNumerator / kInnerDenominator;
        const int cx = box.left + box.Width() / 2, cy = box.top + box.Height() / 2;
        PlaceGroupIn(s, Rect{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2}, level.levelCount);
    }
    return true;
}

}  // namespace esc
