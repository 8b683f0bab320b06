// Placement constructions read by the phrase interpreter beyond a single direction.

#include "interpret/phrase/PlacementWords.h"

#include <vector>

#include "engine/Palette.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/MixedGroup.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Is;
using phrase::S1;
using phrase::T;
using phrase::Use;

namespace {

constexpr int kSplitWords = 7;  // "six in chief and four in base"
constexpr ShapeCode kCrossCode = kCross, kSaltireCode = kSaltire, kPaleCode = kPale;
constexpr int kAngles = 4;  // of a cross or saltire

}  // namespace

bool SplitRowsRule(DrawingState& s) {
    if (T(s, 0) != kTypeNumber || s.level != 1 || s.splitChief > 0) return false;
    const LevelRecord& level = Current(s);
    if (!level.levelBetween || level.levelCount < 2 || level.levelKind == 0 || level.levelKind == kTypeOrdinary) return false;
    // Above and below: only the ordinaries that part the field into a chief and a base side.
    const LevelRecord& first = s.levels[0];
    const ShapeCode shape = s.firstOrdinaryShape;
    if (first.levelKind != kTypeOrdinary || (shape != ShapeCode::kFess && shape != ShapeCode::kChevron)) return false;
    if (!(Is(s, 1, "in") && Is(s, 2, "chief") && Is(s, 3, "and") && T(s, 4) == kTypeNumber && Is(s, 5, "in") &&
          Is(s, 6, "base")))
        return false;
    const int chief = S1(s, 0), base = S1(s, 4);
    if (chief < 1 || base < 1 || chief + base != level.levelCount) return false;
    s.splitChief = chief;
    s.splitBase = base;
    for (int k = 0; k < kSplitWords; ++k) Use(s, k);
    s.cursor += kSplitWords;
    return true;
}

bool BetweenRowsRule(DrawingState& s) {
    if (T(s, 0) != kTypeNumber || s.level != 1 || S1(s, 0) != 2 || !Is(s, 1, "and") || T(s, 2) != kTypeNumber ||
        S1(s, 2) != 1)
        return false;
    const LevelRecord& level = Current(s);
    if (!level.levelBetween || level.levelCount != 3 || level.levelKind == 0 || level.levelKind == kTypeOrdinary) return false;
    const ShapeCode shape = s.firstOrdinaryShape;
    if (s.levels[0].levelKind != kTypeOrdinary || (shape != ShapeCode::kFess && shape != ShapeCode::kChevron)) return false;
    for (int k = 0; k < 3; ++k) Use(s, k);
    s.cursor += 3;
    return true;
}

bool UsualRowsRule(DrawingState& s) {
    if (T(s, 0) != kTypeNumber || s.level != 0 || s.partitionCode != ShapeCode::kNoShape || phrase::HasTincture(s)) return false;
    const LevelRecord& level = Current(s);
    if (level.levelCount < 2 || level.levelKind == 0 || level.levelKind == kTypeOrdinary || level.levelIn ||
        level.levelBetween || level.levelOn)
        return false;
    // The rows: numbers, the last after "and".
    std::vector<int> rows;
    int k = 0;
    for (; T(s, k) == kTypeNumber; ++k) rows.push_back(S1(s, k));
    if (!Is(s, k, "and") || T(s, k + 1) != kTypeNumber) return false;
    rows.push_back(S1(s, k + 1));
    if (rows != FieldRows(level.levelCount)) return false;
    // Only where drawing the rows at once would lose the details after the tincture.
    if (T(s, k + 2) != kTypeTincture || T(s, k + 3) != kTypeDetail) return false;
    for (int i = 0; i <= k + 1; ++i) Use(s, i);
    s.cursor += k + 2;
    return true;
}

bool MixedGroupRowsRule(DrawingState& s) {
    const ModelReading& reading = s.model;
    if (T(s, 0) != kTypeNumber || reading.mixedNextLevel != s.level || reading.mixedLine != kNoShape || s.level < 1) return false;
    const LevelRecord& level = Current(s);
    if (level.levelCount < 1 || reading.mixedPlaced + level.levelCount != reading.mixedTotal) return false;
    const std::vector<int> rows = RowsEndingTheGroup(s, s.cursor);
    if (rows.empty() || rows != FieldRows(reading.mixedTotal)) return false;
    // The numbers, "and" and the last number.
    const int words = static_cast<int>(rows.size()) + 1;
    for (int i = 0; i < words; ++i) Use(s, i);
    s.cursor += words;
    return true;
}

bool CantonedRule(DrawingState& s) {
    if (!Is(s, 0, "cantoned") || !Is(s, 1, "with") || !(T(s, 2) == kTypeNumber && S1(s, 2) == kAngles)) return false;
    const LevelRecord& level = Current(s);
    if (s.level != 0 || level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn) return false;
    if (s.shapeCode != kCrossCode && s.shapeCode != kSaltireCode) return false;
    Use(s, 0);
    ++s.cursor;
    return true;
}

bool InPaleInItsQuarterRule(DrawingState& s) {
    if (!Is(s, 0, "in") || T(s, 1) != kTypeOrdinary || ShapeOfCode(S1(s, 1)) != kPaleCode) return false;
    const LevelRecord& level = Current(s);
    const bool inAQuarter = level.levelInCode == kInNamedQuarters || level.levelInCode == kInDexterChief ||
                            level.levelInCode == kInSinisterChief;
    if (!level.levelIn || !inAQuarter || level.levelCount != 1 || level.levelKind == 0 || level.levelKind == kTypeOrdinary)
        return false;
    // Upright pictures only: the ones drawn point upwards.
    if (!(level.levelName == "sword")) return false;
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

bool TheLatterRule(DrawingState& s) {
    if (!Is(s, 0, "the") || !(Is(s, 1, "latter") || Is(s, 1, "last")) || !Is(s, 2, "charged") || !Is(s, 3, "with"))
        return false;
    const LevelRecord& level = Current(s);
    auto isOrdinary = [](const LevelRecord& l) { return l.levelKind == kTypeOrdinary && l.levelCount > 0 && !l.levelIn; };
    if (isOrdinary(level) && s.level >= 1 && isOrdinary(phrase::Previous(s))) {
        // The second ordinary is still open: the charged-with rule draws it and lays the charges on it.
    } else if (level.levelCount == 0 && s.level >= 2 && isOrdinary(phrase::Previous(s)) &&
               isOrdinary(phrase::Level(s, s.level - 2))) {
        // Already drawn (its tincture ended it): the charges go on the ordinary that name shows.
        const VocabularyRow* row =
            s.vocabulary == nullptr ? nullptr : s.vocabulary->Lookup(LookupKey(phrase::Previous(s).levelName.view()));
        if (row == nullptr || row->type != kTypeOrdinary) return false;
        s.onOrdinaryCode = ShapeOfCode(row->sub1);
    } else {
        return false;
    }
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

namespace {

constexpr int kFacingEachOther = kPairFirstTurned;

// The pair is laid out by the field's own layout for two (side by side at the fess point), so it
// must lie on the plain field.
bool OnThePlainField(const DrawingState& s) { return s.level <= 1 && !s.levels[0].levelOn && !s.levels[0].levelIn; }
constexpr float kHeldToPairScale = 2.0f;

bool PhraseOfOneCharge(const DrawingState& s, int k) { return Is(s, k, "a") || Is(s, k, "an"); }

bool PhraseOfTwoCharges(const DrawingState& s, int k) { return T(s, k) == kTypeNumber && S1(s, k) == 2; }

}  // namespace

bool SupportRule(DrawingState& s) {
    if (s.level != 1 || Current(s).levelCount != 0 || s.supportersLevel >= 0 || s.heldLevel >= 0) return false;
    const LevelRecord& before = phrase::Previous(s);
    const bool picture = before.levelKind != 0 && before.levelKind != kTypeOrdinary && !before.levelIn && !before.levelOn;
    if (!picture) return false;
    if (Is(s, 0, "supporting") && before.levelCount == 2 && before.levelLine == kFacingEachOther &&
        PhraseOfOneCharge(s, 1)) {
        // The pair, combatant, is drawn; the charge of the next phrase goes between them.
        s.heldLevel = s.level;
        Use(s, 0);
        ++s.cursor;
        return true;
    }
    if (Is(s, 0, "supported") && Is(s, 1, "by") && before.levelCount == 1 && PhraseOfTwoCharges(s, 2)) {
        s.supportersLevel = s.level;
        s.supportedByWord = s.cursor;
        s.cursor += 2;
        return true;
    }
    return false;
}

void PrepareSupporters(DrawingState& s) {
    if (s.level != s.supportersLevel || !OnThePlainField(s)) return;
    LevelRecord& level = Current(s);
    if (level.levelCount != 2 || level.levelKind == 0 || level.levelKind == kTypeOrdinary || level.levelIn) return;
    level.levelLine = kFacingEachOther;
    s.UseWord(s.supportedByWord);
    s.UseWord(s.supportedByWord + 1);
}

bool InTheChiefPointRule(DrawingState& s) {
    // "in chief point" (the spellings write "in the chief point" so).
    constexpr int kChiefPointWords = 3;
    if (!Is(s, 0, "in") || !Is(s, 1, "chief") || !Is(s, 2, "point")) return false;
    LevelRecord& level = Current(s);
    if (level.levelCount != 1 || level.levelKind == 0 || level.levelKind == kTypeOrdinary || level.levelIn) return false;
    level.levelIn = true;
    level.levelInCode = ShapeCode::kChief;  // one charge in chief stands at the chief point
    // "... in the chief point sable between two bendlets": the chief point of the space the
    // bendlets leave between them, which is on the bend's line.
    const int after = phrase::T(s, kChiefPointWords) == kTypeTincture ? kChiefPointWords + 1 : kChiefPointWords;
    if (Is(s, after, "between") && T(s, after + 1) == kTypeNumber && S1(s, after + 1) == 2 &&
        T(s, after + 2) == kTypeOrdinary && ShapeOfCode(S1(s, after + 2)) == ShapeCode::kBendlets)
        level.levelInCode = kInChiefPointBetweenBendlets;
    for (int k = 0; k < kChiefPointWords; ++k) Use(s, k);
    s.cursor += kChiefPointWords;
    return true;
}

void CompleteInItsOwnTincture(DrawingState& s) {
    if (s.level >= kMaxLevels || s.stopReading) return;
    const LevelRecord& level = Current(s);
    if (level.levelCount < 1 || level.levelName.empty()) return;
    // "a natural tortoise" last: proper from its first word, so no tincture word ends it.
    const bool properFromTheStart = phrase::Tincture(s) == kProperBrown && level.levelKind != 0;
    if (!properFromTheStart && (phrase::HasTincture(s) || !(level.levelName == "erminespot"))) return;
    if (!properFromTheStart) phrase::Tincture(s) = kSable;
    s.cursor = s.wordCount;
    CompleteLevel(s);
}

bool HeldBetweenLayout(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (s.level != s.heldLevel || level.levelCount != 1 || level.levelIn || s.ringWritten < 2) return false;
    // The pair's two placements are the last two the ring holds.
    const RingEntry& first = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 2) % kPlacementRingSize)];
    const RingEntry& second = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
    NoteLayout(s, "HeldBetween");
    // As tall as the pair stands and as broad as the gap between them: twice one of theirs.
    Place(s, (first.x + second.x) / 2, (first.y + second.y) / 2, first.scale * kHeldToPairScale);
    return true;
}

}  // namespace esc
