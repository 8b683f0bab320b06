#include "interpret/layout/WithinAnAnnulet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <optional>

#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// A drawing's diagonal as a share of the circle kept for it among several within the ring.
constexpr float kDrawingShareOfItsCircle = 0.95f;
// A charge conjoined to the ring reaches this share of the hole's diameter: into the ring.
constexpr float kConjoinedIntoTheRing = 1.04f;
// A ring set in chief or in base: its size as a share of a third of the field's height (as the
// whole field's ring is to the width), and its centre kept off the top edge and above the point
// of the base (pixels).
constexpr int kRingShareOfAThird = 100, kRingBelowTheTop = 16, kRingAboveTheBase = 40;

// A group of charges on the field that a ring can hold: one to kMaxWithinTheRing of them.
bool IsGroupForTheRing(const LevelRecord& level) {
    return level.levelCount >= 1 && level.levelCount <= kMaxWithinTheRing && !level.levelIn && !level.levelOn &&
           !level.levelBetween && level.levelKind != kTypeOrdinary && level.levelKind != 0;
}

bool IsSingleRingCharge(const LevelRecord& level) { return level.levelCount == 1 && IsGroupForTheRing(level); }

// One charge set in chief or in base ("in chief a star within an annulet"), which a ring can hold
// in that part of the field.
bool IsOneInAPartForTheRing(const LevelRecord& level) {
    LevelRecord plain = level;
    plain.levelIn = false;
    const bool part = level.levelInCode == ShapeCode::kChief || level.levelInCode == kBase;
    return level.levelIn && part && level.levelCount == 1 && IsGroupForTheRing(plain);
}

// Places the current level's drawing with its middle at (x, y): picture row r is painted at
// y + (r - height / 2) * scale / 2, and columns alike.
void PlaceDrawingCentred(DrawingState& s, const PictureExtent& e, int x, int y, float scale) {
    const float dx = (static_cast<float>(e.firstColumn + e.lastColumn) / 2 - static_cast<float>(e.width) / 2) * scale / 2;
    const float dy = (static_cast<float>(e.firstRow + e.lastRow) / 2 - static_cast<float>(e.height) / 2) * scale / 2;
    Place(s, static_cast<int>(std::lround(x - dx)), static_cast<int>(std::lround(y - dy)), scale);
}

// The level of the charge a ring holds: the first one, or the second after a fess, which leaves
// the chief and the base clear for one charge and its ring set there ("a fess, in chief a lion
// within an annulet").
int RingHolderLevel(const DrawingState& s) {
    const LevelRecord& first = s.levels[0];
    const bool fessFirst = s.levels.size() > 1 && first.levelKind == kTypeOrdinary && !first.levelIn && !first.levelOn &&
                           s.firstOrdinaryShape == ShapeCode::kFess;
    return fessFirst && IsOneInAPartForTheRing(s.levels[1]) ? 1 : 0;
}

}  // namespace

bool WithinAnAnnuletLayout(DrawingState& s, int nextWord) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = phrase::Current(s);
    int ring = g.W * kAnnuletWidthPercent / 100;
    const int cx = g.W2;
    int cy = g.H2 - g.Px(kRingCentreAboveTheFessPoint);
    // The phrase ends at the words that say "within" ("within", "environed of") or, those
    // stepped over, at the article after them.
    const std::optional<RelationWords> after = RelationWordsAfter(s, nextWord);
    const int article = after ? after->first + after->count : -1;
    const int holder = RingHolderLevel(s);
    const LevelRecord& held = s.levels[holder];
    const bool forTheRing = holder == 0 ? IsGroupForTheRing(held) || IsOneInAPartForTheRing(held) : true;
    const bool charge = s.level == holder && forTheRing && level.levelKind != kTypeRoundel && after &&
                        after->kind == model::RelationKind::Within &&
                        (EqualsIgnoringCase(s.Word(article), "an") || EqualsIgnoringCase(s.Word(article), "a")) &&
                        EqualsIgnoringCase(s.Word(article + 1), "annulet");
    const std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
    const bool annulet = s.level == holder + 1 && level.levelName == "annulet" && IsSingleRingCharge(level) &&
                         forTheRing && held.levelKind != kTypeRoundel &&
                         before && before->kind == model::RelationKind::Within;
    if (!charge && !annulet) return false;
    // "in chief a star within an annulet": one charge and its ring in the middle of the third of
    // the field they are set in, as large as that third holds.
    if (const LevelRecord& first = held; first.levelIn) {
        const bool chief = first.levelInCode == ShapeCode::kChief;
        const int third = g.H / 3;
        ring = std::min(ring, third * kRingShareOfAThird / 100);
        cy = chief ? third / 2 + g.Px(kRingBelowTheTop) : g.H - third / 2 - g.Px(kRingAboveTheBase);
    }
    PictureExtent extent;
    const bool loaded = s.pictureLoaded;
    const bool measured = LevelPictureExtent(s, extent);
    s.pictureLoaded = loaded;
    if (!measured) return false;
    const float wide = static_cast<float>(extent.lastColumn - extent.firstColumn + 1);
    const float high = static_cast<float>(extent.lastRow - extent.firstRow + 1);
    if (annulet) {
        NoteLayout(s, "WithinAnAnnulet(ring)");
        PlaceDrawingCentred(s, extent, cx, cy, 2.0f * static_cast<float>(ring) / std::max(wide, high));
    } else if (level.levelCount == 1 && EqualsIgnoringCase(s.Word(after->first + 2), "conjoined")) {
        // "within and conjoined to an annulet": the drawing's farthest reach meets the ring,
        // a little into it so that no gap shows.
        NoteLayout(s, "WithinAnAnnulet(conjoined)");
        const float hole = static_cast<float>(ring) * static_cast<float>(kHoleShareOfTheRing);
        PlaceDrawingCentred(s, extent, cx, cy, 2.0f * hole * kConjoinedIntoTheRing / std::max(wide, high));
    } else if (level.levelCount == 1) {
        NoteLayout(s, "WithinAnAnnulet(charge)");
        const float room = static_cast<float>(ring * kWithinTheRingPercent / 100);
        PlaceDrawingCentred(s, extent, cx, cy, 2.0f * room / std::hypot(wide, high));
    } else {
        NoteLayout(s, "WithinAnAnnulet(" + std::to_string(level.levelCount) + " charges)");
        for (const RingSpot& spot : SpotsWithinTheRing(g, level.levelCount)) {
            const float room = 2.0f * static_cast<float>(spot.radius) * kDrawingShareOfItsCircle;
            PlaceDrawingCentred(s, extent, spot.x, spot.y, 2.0f * room / std::hypot(wide, high));
        }
    }
    return true;
}

std::vector<RingSpot> SpotsWithinTheRing(const ShieldGeometry& g, int count) {
    const double hole = g.W * kAnnuletWidthPercent / 100.0 / 2 * kHoleShareOfTheRing;
    return SpotsWithinACircle(g.W2, g.H2 - g.Px(kRingCentreAboveTheFessPoint), hole, count);
}

std::vector<RingSpot> SpotsWithinACircle(int cx, int cy, double hole, int count) {
    std::vector<RingSpot> spots;
    if (count < 2 || count > kMaxWithinTheRing) return spots;
    // Each charge in a circle of its own, the circles touching round the middle and the hole's
    // edge: their centres on a circle of radius rho, each of radius rho * sin(pi / n), which
    // equals hole - rho.
    const double half = std::numbers::pi / count;
    const double rho = hole / (1 + std::sin(half));
    const int radius = static_cast<int>(hole - rho);
    // An odd count stands with one charge at the foot (two and one), an even one in pairs side
    // by side (two in fess, two and two).
    const double start = count % 2 == 1 ? std::numbers::pi / 2 : std::numbers::pi / 2 + half;
    for (int k = 0; k < count; ++k) {
        const double a = start + 2 * half * k;
        spots.push_back({cx + static_cast<int>(std::lround(rho * std::cos(a))), cy + static_cast<int>(std::lround(rho * std::sin(a))),
                         radius});
    }
    // Top row first, each row from the dexter.
    std::sort(spots.begin(), spots.end(), [](const RingSpot& a, const RingSpot& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return spots;
}

}  // namespace esc
