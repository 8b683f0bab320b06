// Arrangements and turnings written after a phrase's charge.

#include "interpret/phrase/ArrangementWords.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "interpret/layout/Conjoined.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Is;
using phrase::S1;
using phrase::T;
using phrase::Use;

namespace {

constexpr int kInBendSinisterWords = 3;  // "in bend sinister"
constexpr int kFewestInAnnulo = 2;
constexpr int kFewestWithinTheOther = 2;
constexpr int kWithinTheOtherWords = 4;  // "one within the other"
constexpr float kInnerRingShare = 0.6f;  // of the ring about it, each inner one's scale
// The orle's bands: their middle lines' distance from the sides, the chief and the base (as the
// shapes draw the orle), and the largest charge the band holds.
constexpr int kOrleSideInset = 23, kOrleChiefInset = 20, kOrleWordsBaseInset = 30;
constexpr float kLargestOnOrle = 0.16f;
constexpr ShapeCode kBordureShape = kBordure;
constexpr int kChargesOfABordureSeme = 8;  // the count the bordure's own layout sets round it
constexpr int kVoidedTreatmentWord = 8;  // Sub2 of "voided" in the vocabulary

bool LevelOfCharges(const LevelRecord& level) {
    return level.levelCount >= 1 && level.levelKind != 0 && level.levelKind != kTypeOrdinary;
}

}  // namespace

bool InBendSinisterRule(DrawingState& s) {
    if (!Is(s, 0, "in") || !Is(s, 1, "bend") || !Is(s, 2, "sinister")) return false;
    LevelRecord& level = Current(s);
    if (!LevelOfCharges(level) || level.levelIn) return false;
    level.levelIn = true;
    level.levelInCode = ShapeCode::kBendSinister;
    for (int k = 0; k < kInBendSinisterWords; ++k) Use(s, k);
    s.cursor += kInBendSinisterWords;
    return true;
}

namespace {
// "two horses' heads erased addorsed and conjoined", "two lions combatant conjoined": the pair
// touches at the middle of the field. Read for a pair standing alone on the field.
bool ConjoinedPairRule(DrawingState& s) {
    const int at = Is(s, 0, "and") ? 1 : 0;
    if (!Is(s, at, "conjoined") || s.group.pairJoined) return false;
    const LevelRecord& level = Current(s);
    if (s.level != 0 || !LevelOfCharges(level) || level.levelCount != 2 || level.levelIn || level.levelOn ||
        (level.levelLine != kPairFirstTurned && level.levelLine != kPairSecondTurned) ||
        s.partitionCode != ShapeCode::kNoShape)
        return false;
    s.group.pairJoined = true;
    for (int k = 0; k <= at; ++k) Use(s, k);
    s.cursor += at + 1;
    return true;
}
}  // namespace

bool ConjoinedAfterTheLineRule(DrawingState& s) {
    if (ConjoinedPairRule(s)) return true;
    if (!Is(s, 0, "conjoined") || s.conjoined) return false;
    const LevelRecord& level = Current(s);
    if (!LevelOfCharges(level) || !level.levelIn || level.levelCount < 2 || !IsLozengeCharge(level.levelName.view()))
        return false;
    // Right after the line's words: "in bend", "in bend sinister", "in chevron".
    const bool afterTheLine = (T(s, -1) == kTypeOrdinary && Is(s, -2, "in")) ||
                              (Is(s, -1, "sinister") && T(s, -2) == kTypeOrdinary && Is(s, -3, "in"));
    if (!afterTheLine || !ConjoinedLineDrawn(level.levelInCode.Shape(), level.levelCount)) return false;
    s.conjoined = true;
    Use(s, 0);
    ++s.cursor;
    return true;
}

bool InAnnuloRule(DrawingState& s) {
    if (!Is(s, 0, "in") || !Is(s, 1, "annulo")) return false;
    LevelRecord& level = Current(s);
    if (LevelOfCharges(level) && !level.levelIn && level.levelCount == 1 && !s.rowsDrawn) {
        // "a dragon in annulo": one charge curled into a ring. Its picture so ("an") is drawn
        // where there is one; otherwise the charge is drawn in its usual form and that is told.
        constexpr std::string_view kCurledInAnnuloVariant = "an";
        const std::string name(level.levelName.view());
        if (level.levelVariant.view().empty() && phrase::PictureExists(s, name, kCurledInAnnuloVariant))
            level.levelVariant.Assign(kCurledInAnnuloVariant);
        else
            s.messages.Show("No picture of the " + name + " in annulo: it is drawn without it.");
        Use(s, 0);
        Use(s, 1);
        s.cursor += 2;
        return true;
    }
    if (!LevelOfCharges(level) || level.levelIn || level.levelCount < kFewestInAnnulo) return false;
    level.levelIn = true;
    level.levelInCode = kInAnnulo;
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

bool OneWithinTheOtherRule(DrawingState& s) {
    if (!Is(s, 0, "one") || !Is(s, 1, "within") || !Is(s, 2, "the") || !Is(s, 3, "other")) return false;
    LevelRecord& level = Current(s);
    if (!LevelOfCharges(level) || level.levelIn || level.levelCount < kFewestWithinTheOther) return false;
    level.levelIn = true;
    level.levelInCode = kOneWithinTheOther;
    for (int k = 0; k < kWithinTheOtherWords; ++k) Use(s, k);
    s.cursor += kWithinTheOtherWords;
    return true;
}

void OneWithinTheOtherLayout(DrawingState& s, int n) {
    if (n < kFewestWithinTheOther) return;
    NoteLayout(s, "OneWithinTheOther");
    const ShieldGeometry& g = s.geometry;
    // The outermost as large as one charge alone on the field; each inner one smaller by a share
    // that keeps it clear of the band of the one about it (an annulet's hole is about two thirds
    // of its breadth).
    std::vector<ChargeSpot> spots;
    float scale = kAloneScale;
    for (int i = 0; i < n; ++i, scale *= kInnerRingShare) spots.push_back({g.W2, g.H2, scale});
    PlaceSpots(s, spots);
}

bool TwoRowsRule(DrawingState& s) {
    if (T(s, 0) != kTypeNumber || !Is(s, 1, "and") || T(s, 2) != kTypeNumber) return false;
    const LevelRecord& level = Current(s);
    if (!LevelOfCharges(level) || level.levelIn || level.levelBetween || level.levelOn || level.levelCount < 2)
        return false;
    if (S1(s, 0) < 1 || S1(s, 2) < 1 || S1(s, 0) + S1(s, 2) != level.levelCount) return false;
    phrase::FindTincture(s);
    phrase::ReadRows(s);
    if (T(s, 0) == kTypeTincture) s.UseWordNow(s.cursor);
    ++s.cursor;  // the tincture after the rows, already taken
    return true;
}

bool ContournyRule(DrawingState& s) {
    if (!Is(s, 0, "contourny") && !Is(s, 0, "contourne")) return false;
    if (!LevelOfCharges(Current(s)) || s.rowsDrawn) return false;
    s.sinisterCharges = !s.sinisterCharges;
    Use(s, 0);
    // "a leopard rampant contourny guardant": attitude words after it go on with the attitude.
    phrase::ReadAttitudes(s);
    ++s.cursor;
    return true;
}

namespace {
// The attitude words that only turn the head or the tail of an attitude already read.
constexpr int kHeadTurnedGuardant = 2, kTailTurnedCoward = 0;

// "couchant, wings elevated and addorsed, coward": a word turning the head or the tail that
// stands apart from the attitude it belongs to, read as if it followed it.
bool TurnsTheAttitudeRead(DrawingState& s) {
    if (T(s, 0) != kTypeAttitude || phrase::S1(s, 0) != s.attitudeOwner || s.attitudeOwner != kTypeCharge) return false;
    const int code = phrase::S2(s, 0);
    return (code == kHeadTurnedGuardant || code == kTailTurnedCoward) && !Current(s).levelVariant.view().empty();
}

// "a boar's head erased close", "a bear's head couped close": a head cut off close behind the
// ears, no neck left, as the pictures of heads are cut.
bool HeadCutCloseRule(DrawingState& s) {
    if (!Is(s, 0, "close")) return false;
    const LevelRecord& level = Current(s);
    const std::string_view variant = level.levelVariant.view();
    if (!LevelOfCharges(level) || (variant != phrase::kHeadVariant && variant != "he")) return false;
    if (!Is(s, -1, "couped") && !Is(s, -1, "erased") && !Is(s, -1, "head")) return false;
    Use(s, 0);
    ++s.cursor;
    return true;
}

}  // namespace

bool FacingWordRule(DrawingState& s) {
    if (HeadCutCloseRule(s)) return true;
    // Past the attitude words ("a lion sejant erect affronty", "a bird close, tergiant"): the
    // charge's nearest picture, told, as right after its attitude.
    const bool turning = TurnsTheAttitudeRead(s);
    if (!turning && !Is(s, 0, "affronty") && !Is(s, 0, "affrontee") && !Is(s, 0, "affronte") && !Is(s, 0, "tergiant"))
        return false;
    const auto at = static_cast<std::size_t>(s.cursor);
    if (s.cursor < 0 || s.wordUsed[at] || s.wordPending[at]) return false;  // read with the attitude
    if (!LevelOfCharges(Current(s)) || s.rowsDrawn) return false;
    if (turning && phrase::AttitudeDrawn(s, s.cursor)) {
        phrase::AppendDigits(Current(s).levelVariant, phrase::S2(s, 0));
    } else if (!phrase::ReadNearestAttitude(s, s.cursor, turning)) {
        return false;
    }
    Use(s, 0);
    ++s.cursor;
    return true;
}

void ContournyAfterTincture(DrawingState& s) {
    if (!Is(s, 1, "contourny") && !Is(s, 1, "contourne")) return;
    if (!LevelOfCharges(Current(s)) || s.rowsDrawn) return;
    s.sinisterCharges = !s.sinisterCharges;
    Use(s, 1);
    ++s.cursor;
}

void VoidedAfterTincture(DrawingState& s) {
    if (T(s, 1) != kTypeAttitude || phrase::S2(s, 1) != kVoidedTreatmentWord) return;
    const LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelIn || level.levelCount < 1) return;
    s.ordinaryTreatment = OrdinaryTreatment::kVoided;
    Use(s, 1);
    ++s.cursor;
}

void OnOrleLayout(DrawingState& s, int n) {
    if (n < 1) return;
    const ShieldGeometry& g = s.geometry;
    // The middle lines of the orle's four bands as the shapes draw them.
    const int left = kOrleSideInset, right = g.W - kOrleSideInset, top = kOrleChiefInset, bottom = g.H - kOrleWordsBaseInset;
    const int across = right - left, down = bottom - top, perimeter = 2 * (across + down);
    const float spacing = static_cast<float>(perimeter) / static_cast<float>(n) * kChargeShareOfCell /
                          static_cast<float>(kChargeExtentAtScaleOne);
    const float scale = std::max(kMinChargeScale, std::min(kLargestOnOrle, spacing));
    for (int i = 0; i < n; ++i) {
        const PathPoint p = PointRoundRectangle(Rect{left, top, right, bottom}, i, n);
        Place(s, p.x, p.y, scale);
    }
}

bool SemeOnBordureRule(DrawingState& s) {
    const bool seme = (Is(s, 0, "semee") || Is(s, 0, "semy") || Is(s, 0, "seme")) && Is(s, 1, "of");
    const bool powdered = Is(s, 0, "powdered") && Is(s, 1, "with");
    if (!seme && !powdered) return false;
    auto isBordure = [](const LevelRecord& l) { return l.levelKind == kTypeOrdinary && l.levelCount == 1 && !l.levelIn; };
    if (s.shapeCode != kBordureShape) return false;
    if (isBordure(Current(s)) && phrase::HasTincture(s)) {
        phrase::CompleteAndReread(s);  // the bordure is drawn first
    } else if (!(Current(s).levelCount == 0 && s.level >= 1 && isBordure(phrase::Previous(s)))) {
        return false;  // its tincture already drew it, or no bordure was read
    }
    phrase::Previous(s).levelOn = true;
    s.onOrdinaryCode = kBordureShape;
    Current(s).levelCount = kChargesOfABordureSeme;
    Use(s, 0);
    Use(s, 1);
    s.pictureLoaded = false;
    s.cursor += 2;
    return true;
}

void InAnnuloLayout(DrawingState& s, int n) {
    if (n < kFewestInAnnulo) return;
    const SpotLayout ring = LayoutSpots({RegionOf(s.geometry, RegionKind::kField), n, Arrangement::kInAnnulo, {}});
    PlaceSpots(s, ring.spots);
}

int ArrangementWordsAt(const DrawingState& s, int i) {
    if (EqualsIgnoringCase(s.Word(i), "in")) {
        if (EqualsIgnoringCase(s.Word(i + 1), "annulo")) return 2;
        if (s.Type(i + 1) != kTypeOrdinary) return 0;
        const bool turned = EqualsIgnoringCase(s.Word(i + 2), "sinister") || EqualsIgnoringCase(s.Word(i + 2), "inverted");
        return turned ? 3 : 2;
    }
    int k = i;
    while (s.Type(k) == kTypeNumber) ++k;
    if (k == i) return 0;
    if (EqualsIgnoringCase(s.Word(k), "and") && s.Type(k + 1) == kTypeNumber) k += 2;
    return k - i >= 2 ? k - i : 0;
}

bool MemberTincturesRule(DrawingState& s) {
    const LevelRecord& level = Current(s);
    // "two bendlets each charged with a feather sable and gules": one charge on each bearer,
    // a tincture for each, in the order the bearers were placed.
    const bool onEachBearer = level.levelCount == 1 && s.level > 0 && s.chargedOnEachLevel == s.level;
    const int n = onEachBearer ? phrase::Previous(s).levelCount : level.levelCount;
    if (n < 2 || n > kMaxWords || !LevelOfCharges(level) || level.levelKind == kTypeOrdinary || T(s, 0) != kTypeTincture)
        return false;
    std::vector<int> tinctures{S1(s, 0)};
    int k = 1;
    while (static_cast<int>(tinctures.size()) < n) {
        const bool last = static_cast<int>(tinctures.size()) == n - 1;
        if (last != Is(s, k, "and")) return false;  // "and" before the last, and only there
        if (last) ++k;
        if (T(s, k) != kTypeTincture) return false;
        tinctures.push_back(S1(s, k++));
    }
    if (T(s, k) == kTypeTincture) return false;  // more tinctures than charges
    s.group.memberTinctures = std::move(tinctures);
    for (int j = 1; j < k; ++j) Use(s, j);
    s.cursor += k - 1;
    return true;
}

bool TincturesBySideRule(DrawingState& s) {
    if (!Is(s, 0, "the") || !Is(s, 1, "dexter") || T(s, 2) != kTypeTincture) return false;
    const int sinister = Is(s, 3, "and") ? 4 : 3;
    if (!Is(s, sinister, "the") || !Is(s, sinister + 1, "sinister") || T(s, sinister + 2) != kTypeTincture) return false;
    const LevelRecord& level = Current(s);
    if (level.levelCount != 2 || !LevelOfCharges(level) || phrase::HasTincture(s)) return false;
    phrase::Tincture(s) = S1(s, 2);
    s.group.memberTinctures = {S1(s, 2), S1(s, sinister + 2)};
    for (int k = 0; k <= sinister + 2; ++k) Use(s, k);
    s.cursor += sinister + 2;
    phrase::TinctureFollowUp(s);
    return true;
}

void PassTheGroupsTincture(DrawingState& s) {
    const int at = s.cursor;
    if (at < 0 || at >= s.wordCount || T(s, 0) != kTypeTincture || S1(s, 0) != phrase::Tincture(s)) return;
    const std::size_t i = static_cast<std::size_t>(at);
    if (!s.wordPending[i] && !s.wordUsed[i]) return;
    MemberTincturesRule(s);  // "three roundels in fess azure, gules and vert"
    ++s.cursor;
}

bool BetweenTheArmsRule(DrawingState& s) {
    if (!Is(s, 0, "between") || !(Is(s, 1, "the") || Is(s, 1, "its")) || !Is(s, 2, "arms")) return false;
    const LevelRecord& level = Current(s);
    const bool chevron = s.shapeCode == ShapeCode::kChevron || s.shapeCode == ShapeCode::kChevronInverted;
    if (level.levelKind != kTypeOrdinary || level.levelIn || !chevron) return false;
    LevelRecord& next = phrase::Level(s, s.level + 1);
    next.levelIn = true;
    next.levelInCode = s.shapeCode == ShapeCode::kChevron ? kBetweenTheArms : kBetweenTheArmsInverted;
    int words = 3;
    if (Is(s, 3, "thereof")) ++words;
    for (int k = 0; k < words; ++k) Use(s, k);
    s.cursor += words;
    return true;
}

void InvertedArrangement(DrawingState& s, Direction& code) {
    if (code != ShapeCode::kChevron || !Is(s, 1, "inverted")) return;
    code = ShapeCode::kChevronInverted;
    Use(s, 1);
    ++s.cursor;
}

}  // namespace esc
