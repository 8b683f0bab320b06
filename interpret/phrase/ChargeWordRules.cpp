#include "interpret/phrase/ChargeWordRules.h"

#include <array>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/CrossPateeThroughout.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

#include "interpret/phrase/ChargeKinds.h"

namespace esc {

using kinds::IsChargeLevel;
using kinds::IsOneOf;
using kinds::kSemeeLine;
using kinds::NamesACharge;

bool LiesOnTheChargesBefore(DrawingState& s) {
    if (s.level < 1 || s.level >= kMaxLevels) return false;
    const LevelRecord& bearer = phrase::Previous(s);
    const LevelRecord& level = phrase::Current(s);
    if (!bearer.levelOn || !IsChargeLevel(bearer) || !IsChargeLevel(level) || level.levelOn) return false;
    return level.levelCount == bearer.levelCount;
}

namespace {

constexpr int kHighestNaturalAttitudeVariant = 40;  // attitude variants of pictures run below this

// "a natural tortoise": "natural" before a charge names the picture of it as nature shows it
// (the natural rainbow, "nrainbow"); a charge with no such picture but a picture of its own is
// that picture proper. Not when a tincture of the level's own is named already.
bool NaturalMeansProper(const DrawingState& s) {
    using namespace phrase;
    if (T(s, 0) != kTypePrefix || !Is(s, 0, "natural") || HasTincture(s)) return false;
    const int next = T(s, 1);
    if (next != kTypeCharge && !IsOtherChargeWord(next)) return false;
    const std::string named = NameWord(s, 1), natural = "n" + named;
    if (!PictureExists(s, named, "") || PictureExists(s, natural, "")) return false;
    // The natural leopard is drawn only rampant and passant ("nleopard.1"): a picture in any
    // attitude is the natural charge's own.
    for (int attitude = 0; attitude <= kHighestNaturalAttitudeVariant; ++attitude)
        if (PictureExists(s, natural, std::to_string(attitude))) return false;
    return true;
}

}  // namespace

bool NaturalChargeRule(DrawingState& s) {
    if (!NaturalMeansProper(s)) return false;
    // "a natural sea-tortoise" with no picture of its own as nature shows it: the charge's
    // picture in its proper colours, as "a tortoise proper".
    phrase::Tincture(s) = kProperBrown;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

bool AnotherRule(DrawingState& s) {
    if (!phrase::Is(s, 0, "another") || s.level < 1) return false;
    LevelRecord& level = phrase::Current(s);
    if (level.levelCount != 0) {
        phrase::CloseBeforeNewPhrase(s);
        return true;
    }
    const LevelRecord& before = phrase::Previous(s);
    if (!IsChargeLevel(before)) return false;
    level.levelCount = 1;
    level.levelName = before.levelName;
    level.levelKind = before.levelKind;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

bool OrientationRule(DrawingState& s) {
    const bool bendwise = phrase::Is(s, 0, "bendwise"), fesswise = phrase::Is(s, 0, "fesswise");
    const bool upright = phrase::Is(s, 0, "palewise") || phrase::Is(s, 0, "erect");
    if ((!bendwise && !fesswise && !upright) || s.rowsDrawn) return false;
    if (phrase::ReadBeastErect(s)) {
        ++s.cursor;
        return true;
    }
    const LevelRecord& level = phrase::Current(s);
    // "three piles palewise": piles issue from the chief and point to the base, upright as they
    // are drawn, so the word says what is drawn.
    if (phrase::Is(s, 0, "palewise") && level.levelKind == kTypeOrdinary && level.levelCount > 0 &&
        (s.shapeCode == ShapeCode::kPiles || s.shapeCode == ShapeCode::kPilesInverted)) {
        phrase::Use(s, 0);
        ++s.cursor;
        return true;
    }
    // Charges set in a part of the field, an arrangement or about an ordinary turn as those alone
    // do ("in chief a sword erect", "three swords in pale fesswise", "a chevron between two keys
    // palewise"); those lying on an ordinary follow it.
    const bool charges = NamesACharge(level.levelKind) && level.levelCount > 0;
    if (!charges || level.levelKind == kTypeRoundel || level.levelOn) return false;
    if (s.level > 0 && phrase::Previous(s).levelOn) return false;  // lying on an ordinary or a charge
    if (bendwise) {
        s.group.turn = ChargeTurn::kBendwise;
        phrase::Use(s, 0);
        if (phrase::Is(s, 1, "sinister")) {
            s.sinisterCharges = !s.sinisterCharges;
            phrase::Use(s, 1);
            ++s.cursor;
        }
        ++s.cursor;
        return true;
    }
    // A picture drawn so of its own ("a fish hauriant" for "erect", "fw" for fesswise) is the
    // qualifier's: it is read there, where the picture changes.
    const int code = fesswise ? phrase::kFesswise : phrase::Is(s, 0, "erect") ? phrase::kErect : phrase::kPalewise;
    const phrase::QualifiedPicture own = phrase::Qualify(code, level.levelName.view(), level.levelVariant.view());
    if (!own.name.empty() && phrase::PictureExists(s, own.name, own.variant)) return false;
    if (fesswise) {
        s.group.turn = ChargeTurn::kFesswise;
    } else {
        s.group.upright = true;
    }
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

namespace {

// A picture at least this many times as wide as it is high lies long and low (a key, an arrow,
// a fish naiant): stood upright, it is turned a quarter.
constexpr int kLongAndLowRatio = 3, kLongAndLowOf = 2;

bool LevelPictureLiesLong(DrawingState& s) {
    PictureExtent extent;
    if (!LevelPictureExtent(s, extent)) return false;
    const int wide = extent.lastColumn - extent.firstColumn + 1, high = extent.lastRow - extent.firstRow + 1;
    return kLongAndLowOf * wide >= kLongAndLowRatio * high;
}

}  // namespace

bool TurnLevel(DrawingState& s) {
    switch (s.group.turn) {
        case ChargeTurn::kBendwise:
            s.bendwiseFlag = true;
            return true;
        case ChargeTurn::kBendwiseSinister:
            s.bendwiseFlag = s.bendwiseSinisterFlag = true;
            return true;
        case ChargeTurn::kFesswise:
            // A picture drawn long and low lies fesswise already (a stag's attire, a battering ram).
            if (LevelPictureLiesLong(s)) return false;
            s.fesswiseFlag = true;
            return true;
        case ChargeTurn::kAsDrawn: break;
    }
    // Upright: a picture drawn long and low is stood up; any other stands as drawn.
    if (s.group.upright && LevelPictureLiesLong(s)) {
        s.fesswiseFlag = true;
        return true;
    }
    return false;
}

bool UprightOnABendRule(DrawingState& s) {
    if (!phrase::Is(s, 0, "palewise") || s.rowsDrawn || s.level < 1) return false;
    const LevelRecord& level = phrase::Current(s);
    if (!IsChargeLevel(level) || level.levelKind == kTypeRoundel) return false;
    // The bend is the first phrase, opened by "on", and drawn already.
    const bool bend = s.firstOrdinaryShape == ShapeCode::kBend;
    if ((!bend && s.firstOrdinaryShape != ShapeCode::kBendSinister) || !s.levels[0].levelOn) return false;
    s.uprightCharges = true;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

namespace {

bool PartsTheFieldInTwo(const DrawingState& s) {
    if (s.levels[0].levelKind != kTypeOrdinary || s.levels[0].levelCount != 1) return false;
    switch (s.firstOrdinaryShape) {
        case ShapeCode::kFess:
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister:
        case ShapeCode::kPale:
        case ShapeCode::kChevron: return true;
        default: return false;
    }
}

// The count of the phrase of charges that begins at word i ("three mullets", "a crescent"), or 0.
int GroupAt(const DrawingState& s, int i) {
    const int count = s.Type(i) == kTypeNumber ? s.Sub1(i) : IsOneOf(s.Word(i), {"a", "an"}) ? 1 : 0;
    // A prefix may stand before the charge ("a winged serpent", "a demi lion").
    const int charge = s.Type(i + 1) == kTypePrefix ? i + 2 : i + 1;
    return count > 0 && NamesACharge(s.Type(charge)) ? count : 0;
}

}  // namespace

bool FirstGroupBetween(DrawingState& s, int nextWord) {
    if (s.level != 1 || !PartsTheFieldInTwo(s)) return false;
    const LevelRecord& level = phrase::Current(s);
    if (!level.levelBetween || !NamesACharge(level.levelKind) || level.levelCount < 1 || s.splitChief > 0) return false;
    // The phrase ended at "and" or at the group after it, the "and" read already.
    int second = 0;
    if (EqualsIgnoringCase(s.Word(nextWord), "and")) second = GroupAt(s, nextWord + 1);
    if (EqualsIgnoringCase(s.Word(nextWord - 1), "and")) second = GroupAt(s, nextWord);
    if (second == 0 || (second == 1 && level.levelCount == 1)) return false;
    s.splitChief = level.levelCount;
    s.splitBase = second;
    s.splitGroup = 1;
    return true;
}

bool SecondGroupBetween(DrawingState& s) {
    if (s.level != 2 || !PartsTheFieldInTwo(s)) return false;
    const LevelRecord& first = s.levels[1];
    const LevelRecord& level = phrase::Current(s);
    if (!first.levelBetween || !NamesACharge(first.levelKind) || !IsChargeLevel(level) || level.levelOn ||
        level.levelChargedOn)
        return false;
    if (first.levelCount == 1 && level.levelCount == 1) return false;
    // The phrase follows the first group, joined to it by "and".
    const int start = s.levelFirstWord;
    const bool joined = EqualsIgnoringCase(s.Word(start), "and") ||
                        (EqualsIgnoringCase(s.Word(start - 1), "and") && GroupAt(s, start) > 0);
    if (!joined) return false;
    s.splitChief = first.levelCount;
    s.splitBase = level.levelCount;
    s.splitGroup = 2;
    NoteLayout(s, "SecondGroupBetween");
    return true;
}

bool BothOrCrossedRule(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    if (!IsChargeLevel(level) || s.rowsDrawn) return false;
    if (phrase::Is(s, 0, "both")) {
        if (s.level < 1 || s.Type(s.cursor + 1) != kTypeTincture) return false;
        const LevelRecord& before = phrase::Previous(s);
        if (!NamesACharge(before.levelKind) || before.levelCount != 1 || level.levelCount != 1 ||
            s.levelTincture[static_cast<std::size_t>(s.level - 1)] != s.Sub1(s.cursor + 1))
            return false;
    } else if (phrase::Is(s, 0, "crossed")) {
        if (level.levelCount != 2 || !phrase::Is(s, 1, "in") || !phrase::Is(s, 2, "saltire")) return false;
    } else {
        return false;
    }
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

void SecondTinctureAfterBoth(DrawingState& s, int at) {
    if (at < 1 || !EqualsIgnoringCase(s.Word(at - 1), "both")) return;
    bool detail = false;
    for (int i = at + 1; i < s.wordCount; ++i) {
        if (s.Type(i) == kTypeTincture) {
            if (detail) phrase::Current(s).levelSecondTincture = s.Sub1(i);
            return;
        }
        // The details that colour a second part; a detail with a picture of its own is the phrase's.
        if (s.Type(i) == kTypeDetail && s.Sub1(i) != phrase::kOwnPicture &&
            s.Sub1(i) != phrase::kPartOfAPhrase) {
            detail = true;
        } else if (!IsOneOf(s.Word(i), {"and", ","})) {
            return;
        }
    }
}

namespace {
constexpr int kPictureCrossKind = 13;  // the kind of a cross drawn as a picture (a cross patée)

// "a cross patée throughout": the one cross, read as a picture so far, becomes the cross
// ordinary with the patée variant, whose arms widen to the edges. Before its tincture only: the
// level is drawn when the tincture is reached.
bool CrossPateeThroughout(DrawingState& s) {
    LevelRecord& level = phrase::Current(s);
    if (level.levelKind != kPictureCrossKind || level.levelCount != 1 || level.levelIn || level.levelOn ||
        level.levelVariant.view() != kPateeVariant || ShapeOfCode(s.Sub1(s.cursor - 2)) != ShapeCode::kCross ||
        phrase::T(s, -2) != kTypeOrdinary || s.position != OrdinaryPosition::Usual)
        return false;
    level.levelKind = kTypeOrdinary;
    s.shapeCode = ShapeCode::kCross;
    s.position = OrdinaryPosition::Throughout;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}
}  // namespace

bool ThroughoutRule(DrawingState& s) {
    if (!phrase::Is(s, 0, "throughout")) return false;
    if (CrossPateeThroughout(s)) return true;
    // "a chevron cotised throughout": the cotises drew the ordinary, and the word follows them.
    const bool afterCotises = phrase::Current(s).levelCount == 0 && s.level > 0 && phrase::Is(s, -1, "cotised");
    const LevelRecord& level = afterCotises ? phrase::Previous(s) : phrase::Current(s);
    // "a sword throughout", "a key fesswise throughout": one long charge reaches the edges of the
    // field along its axis, as the placing sizes it. "a sun throughout", "on a mullet throughout":
    // any other single charge reaches every edge, its limbs cut by the outline.
    DrawnReach reach;
    // "on a chief three frets throughout": each charge fills its share of the chief.
    const bool onAChief = s.level > 0 && phrase::Previous(s).levelOn && phrase::Previous(s).levelKind == kTypeOrdinary &&
                          s.onOrdinaryCode == ShapeCode::kChief;
    if (!afterCotises && (level.levelCount == 1 || onAChief) && IsChargeLevel(level) && CurrentDrawnReach(s, reach)) {
        s.group.throughout = true;
        phrase::Use(s, 0);
        ++s.cursor;
        return true;
    }
    // A cross with a variant (patée, flory ...) is a picture, which stops short of the edges.
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || !level.levelVariant.view().empty())
        return false;
    switch (s.shapeCode) {
        case ShapeCode::kFess:
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister:
        case ShapeCode::kPale:
        case ShapeCode::kChevron:
        case ShapeCode::kChevronInverted:
        case ShapeCode::kCross:
        case ShapeCode::kSaltire: break;
        default: return false;
    }
    if (afterCotises) {
        s.UseWordNow(s.cursor);  // the ordinary is drawn already
        // "cotised throughout between three gouttes": the charges stand between the ordinary and
        // its cotises, as the cotises' own rule sets them when "between" follows it at once.
        if (phrase::Is(s, 1, "between")) {
            phrase::Current(s).levelBetween = true;
            phrase::Use(s, 1);
            ++s.cursor;
        }
    } else {
        phrase::Use(s, 0);
        // The ordinary reaches the edges, as it is drawn anyway: the model keeps the word.
        if (s.position == OrdinaryPosition::Usual) s.position = OrdinaryPosition::Throughout;
    }
    ++s.cursor;
    return true;
}

bool FoldSemeIntoTheField(DrawingState& s) {
    if (s.level != 0) return false;
    const LevelRecord& seme = s.levels[0];
    // A semé that "in" or "on" took ("semy of oak leaves, in pale a dagger") keeps its level: the
    // arrangement it holds belongs to the phrases after it.
    if (seme.levelLine != kSemeeLine || seme.levelCount == 0 || seme.levelIn || seme.levelOn || seme.levelBetween ||
        seme.levelChargedOn)
        return false;
    if (s.trace != nullptr)
        for (LevelTrace& t : s.trace->levels)
            if (t.index == 0) t.index = kFieldSemeTrace;
    s.levels[0] = LevelRecord{};
    s.levelTincture[0] = -1;
    s.ringNext = 0;
    s.ringWritten = 0;
    return true;
}

}  // namespace esc
