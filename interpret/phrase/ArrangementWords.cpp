// Arrangements and turnings written after a phrase's charge.

#include "interpret/phrase/ArrangementWords.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "interpret/layout/FitLayout.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/PhraseInterpreter.h"
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

constexpr int kInBendSinisterWords = 3;  // "in bend sinister"
// The ring's centre stands a little above the fess point, where the shield is still full width,
// and its radius leaves room for the charges between it and the edges.
constexpr double kRingCentreShare = 0.45;   // of the height, from the top
constexpr double kRingRadiusShare = 0.28;   // of the width
constexpr float kLargestInAnnulo = 0.7f;
constexpr int kFewestInAnnulo = 2;
// The orle's bands: their middle lines' distance from the sides, the chief and the base (as the
// shapes draw the orle), and the largest charge the band holds.
constexpr int kOrleSideInset = 23, kOrleChiefInset = 20, kOrleBaseInset = 30;
constexpr float kLargestOnOrle = 0.16f;
constexpr int kBordureShape = 19;
constexpr int kChargesOfABordureSeme = 8;  // the count the bordure's own layout sets round it
constexpr int kVoidedTreatmentWord = 8;  // Sub2 of "voided" in the vocabulary
constexpr int kVoided = 1;               // the ordinary treatment the shapes draw as voided

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

bool InAnnuloRule(DrawingState& s) {
    if (!Is(s, 0, "in") || !Is(s, 1, "annulo")) return false;
    LevelRecord& level = Current(s);
    if (!LevelOfCharges(level) || level.levelIn || level.levelCount < kFewestInAnnulo) return false;
    level.levelIn = true;
    level.levelInCode = kInAnnulo;
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
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
    s.ordinaryTreatment = kVoided;
    Use(s, 1);
    ++s.cursor;
}

void OnOrleLayout(DrawingState& s, int n) {
    if (n < 1) return;
    const ShieldGeometry& g = s.geometry;
    // The middle lines of the orle's four bands as the shapes draw them.
    const int left = kOrleSideInset, right = g.W - kOrleSideInset, top = kOrleChiefInset, bottom = g.H - kOrleBaseInset;
    const int across = right - left, down = bottom - top, perimeter = 2 * (across + down);
    const float spacing = static_cast<float>(perimeter) / static_cast<float>(n) * kChargeShareOfCell /
                          static_cast<float>(kChargeExtentAtScaleOne);
    const float scale = std::max(kMinChargeScale, std::min(kLargestOnOrle, spacing));
    for (int i = 0; i < n; ++i) {
        // Clockwise from the middle of the chief side.
        int along = (across / 2 + perimeter * i / n) % perimeter, x = 0, y = 0;
        if (along <= across) {
            x = left + along;
            y = top;
        } else if ((along -= across) <= down) {
            x = right;
            y = top + along;
        } else if ((along -= down) <= across) {
            x = right - along;
            y = bottom;
        } else {
            along -= across;
            x = left;
            y = bottom - along;
        }
        Place(s, x, y, scale);
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

// Each charge in annulo is turned to follow the ring, all going round it one way: the charge at
// the top faces dexter, as drawn, so they go round against the clock, and the one k eighths of
// the ring further clockwise is turned k eighths clockwise. The painter turns a picture an eighth
// back (in bend), an eighth on (in bend sinister), a quarter back (fesswise) and half round
// (mirrored and upside down); the other eighths are these with half a round.
struct Turn {
    bool bendwise = false, bendwiseSinister = false, quarter = false, over = false;
};
constexpr std::array<Turn, 8> kTurnsRound = {{
    {},                           // as drawn
    {false, true, false, false},  // an eighth
    {false, false, true, true},   // a quarter: a quarter back and half round
    {true, false, false, true},   // three eighths: an eighth back and half round
    {false, false, false, true},  // half round
    {false, true, false, true},   // five eighths: an eighth on and half round
    {false, false, true, false},  // three quarters: a quarter back
    {true, false, false, false},  // seven eighths: an eighth back
}};

void InAnnuloLayout(DrawingState& s, int n) {
    if (n < kFewestInAnnulo) return;
    const ShieldGeometry& g = s.geometry;
    const double cx = g.W2, cy = g.H * kRingCentreShare, r = g.W * kRingRadiusShare;
    // Neighbours on the ring are a chord apart; each charge takes its share of that.
    const double chord = 2.0 * r * std::sin(std::numbers::pi / n);
    const float scale = std::min(kLargestInAnnulo, static_cast<float>(chord) * kChargeShareOfCell / kChargeExtentAtScaleOne);
    // Each is turned as it would go round the ring, all one way (two chase each other: one at its
    // top, the other at its foot, half round).
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * std::numbers::pi * i / n;
        const int eighth = static_cast<int>(std::lround(8.0 * i / n)) % 8;
        const Turn turn = kTurnsRound[static_cast<std::size_t>(eighth)];
        s.bendwiseFlag = turn.bendwise || turn.bendwiseSinister;
        s.bendwiseSinisterFlag = turn.bendwiseSinister;
        s.fesswiseFlag = turn.quarter;
        // Half round is mirrored and upside down (Place paints upside down what is reversed).
        const bool reversed = s.reversedCharges;
        s.reversedCharges = reversed != turn.over;
        Place(s, static_cast<int>(std::lround(cx + r * std::sin(a))), static_cast<int>(std::lround(cy - r * std::cos(a))),
              std::max(kMinChargeScale, scale), turn.over);
        s.reversedCharges = reversed;
        s.bendwiseFlag = s.bendwiseSinisterFlag = s.fesswiseFlag = false;
    }
}

}  // namespace esc
