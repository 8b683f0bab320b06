// ArrangeLevel decides how a completed level is drawn; the charges about an ordinary ("a chevron
// between three martlets") are placed in ChargesBetween.cpp.

#include "interpret/layout/ArrangeLevel.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/Diminutives.h"
#include "engine/Messages.h"
#include "engine/Ordinaries.h"
#include "interpret/layout/AboutABendwiseCharge.h"
#include "interpret/layout/ArrangedCharges.h"
#include "interpret/layout/AttachedCharges.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/BelowTheLabel.h"
#include "interpret/layout/BetweenAcrossTheOrdinary.h"
#include "interpret/layout/BetweenTheWhole.h"
#include "interpret/layout/Conjoined.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/InPartsOfTheField.h"
#include "interpret/layout/Issuant.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/MixedGroup.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/layout/OnAPerch.h"
#include "interpret/layout/OnTheOrdinary.h"
#include "interpret/layout/OrdinariesAboutTheFess.h"
#include "interpret/layout/OrdinaryOnOrdinary.h"
#include "interpret/layout/PairBetween.h"
#include "interpret/layout/PiecesWithinPieces.h"
#include "interpret/phrase/OverAll.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PlacementWords.h"
#include "interpret/layout/PrincipalCharge.h"
#include "interpret/layout/ChargesInLine.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/phrase/TwoAndOne.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/layout/EachWithinARing.h"
#include "interpret/layout/WithinAnAnnulet.h"
#include "interpret/layout/WithinACharge.h"
#include "interpret/layout/Piercing.h"

namespace esc {

using phrase::Current;
using phrase::Level;

namespace {

// Charges on bars ("on two bars three water bougets"): shared out as evenly as they go, the
// upper bars taking the odd ones, each bar's share in a row along its middle and kept within it.
constexpr float kChargeShareOfBar = 0.9f;      // of the bar's width, the height a charge takes
constexpr int kUsualPictureHeight = 270;       // the tallest charge picture, in pixels (264 and margins)

void OnBars(DrawingState& s, int n) {
    const ShieldGeometry& g = s.geometry;
    const int bars = s.levels[0].levelCount;
    const BarRows rows = BarsOnTheField(g, bars);
    if (n < 1 || rows.centres.empty()) return;
    NoteLayout(s, "OnBars(" + std::to_string(bars) + ")");
    const int most = (n + bars - 1) / bars;
    const float byBar = kChargeShareOfBar * rows.width / (g.Px(kUsualPictureHeight) * kPictureScaleFactor);
    const float byRow = kChargeShareOfBar * g.W / (most + 1) / (g.Px(kUsualPictureHeight) * kPictureScaleFactor);
    const float scale = std::min(byBar, byRow);
    // Each charge free to slide along its bar a little, then all grown to fill the bars' depth.
    std::vector<SpotOnOrdinary> spots;
    for (int b = 0; b < bars; ++b) {
        const int k = n / bars + (b < n % bars ? 1 : 0);
        for (int j = 0; j < k; ++j)
            spots.push_back({g.W * (j + 1) / (k + 1), rows.centres[static_cast<std::size_t>(b)], Slide::kAcross, g.W / (2 * (k + 1))});
    }
    if (FillTheBars(s, spots, scale)) return;
    for (const SpotOnOrdinary& spot : spots) Place(s, spot.x, spot.y, scale);
}

// One charge set on the field after an ordinary, not on it, in it or between it ("a pile gules, a
// mullet argent"): it stands in the room the ordinary leaves.
bool BesideTheOrdinaryBefore(DrawingState& s) {
    const LevelRecord& first = s.levels[0];
    const LevelRecord& level = s.levels[1];
    return s.level == 1 && first.levelKind == kTypeOrdinary && !first.levelIn && !first.levelOn &&
           level.levelCount == 1 && PlacesPictures(level) && !level.levelIn && !level.levelBetween &&
           !Level(s, 2).levelBetween && s.firstOrdinaryShape != ShapeCode::kNoShape;
}

void DrawPlainLevel(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (s.level == 1 && s.levels[0].levelOn && NamesBars(s.levels[0].levelName)) {
        OnBars(s, level.levelCount);
    } else if (s.level == 1 && s.levels[0].levelOn) {
        if (!OnTheMovedOrdinary(s)) ChargesOnOrdinary(s);
    } else if (NamesBars(level.levelName)) {
        NoteLayout(s, "DrawBars(0)");
        DrawBars(s, PiecesPlacement::kOnTheField);
    } else if (NamesPallets(level.levelName)) {
        NoteLayout(s, "DrawPallets(0)");
        DrawPallets(s, PiecesPlacement::kOnTheField);
    } else if (level.levelName == "fret") {
        NoteLayout(s, "DrawFret");
        DrawFret(s);
    } else if (BesideTheOrdinaryBefore(s) && OneInTheRoomLeft(s)) {
        // "a base azure, a rose gules": the rose above the base, not over it.
    } else {
        s.roomTop = RoomTopBelowALaterChiefOrLabel(s);
        s.roomInset = RoomInsetWithinALaterBordure(s);
        FieldLayout(s);
        s.roomTop = 0;
        s.roomInset = 0;
    }
}

// "On a bend a lion between a harp and a portcullis": one charge "between" and the one joined
// to it by "and" need the two places a pair between takes on the ordinary; on a chief they take
// its outer thirds one by one, on any other ordinary they are left undrawn (and said so) rather
// than drawn over the charge they flank.
bool OneOfAPairBetweenOnTheOrdinary(DrawingState& s) {
    const LevelRecord& level = Current(s);
    const LevelRecord& before = Level(s, s.level - 1);
    if (level.levelCount != 1) return false;
    return (level.levelBetween && !before.levelOn) || (before.levelBetween && before.levelCount == 1);
}

// Levels 2 and up lie on an earlier ordinary or follow a direction; otherwise they are not drawn.
// Whether the level `back` levels before the current one is read "on" and what lies between
// belongs to it: up to three levels back, or further when every level between is a group about
// the ordinary ("on a fess between in chief a sheep between two garbs and in base a horn a bar":
// the bar is on the fess).
bool OnTheOrdinaryBack(DrawingState& s, int back) {
    if (!Level(s, s.level - back).levelOn) return false;
    if (back <= 3) return true;
    for (int k = s.level - back + 1; k < s.level; ++k)
        if (!Level(s, k).levelBetween && !Level(s, k).levelIn) return false;
    return true;
}

void DrawLaterLevel(DrawingState& s) {
    // "... over all a bend sinister between four fleurs-de-lys": the group stands about the
    // ordinary just laid over all, not on an ordinary charged before it.
    const LevelRecord& before = Level(s, s.level - 1);
    if (Current(s).levelBetween && s.overAllLevel == s.level - 1 && before.levelKind == kTypeOrdinary && !before.levelIn &&
        !before.levelOn && !before.levelChargedOn && s.shapeCode != kNoShape) {
        ChargesBetween(s, s.shapeCode);
        return;
    }
    for (int back = 1; back <= s.level; ++back) {
        if (OnTheOrdinaryBack(s, back)) {
            if (back > 1 && OneOfAPairBetweenOnTheOrdinary(s)) {
                if (OneOfAPairOnTheChief(s)) return;
                NoteLayout(s, "none: one of a pair between on the ordinary");
                return;
            }
            if (ChargesOnTheOrdinaryWithinTheChief(s, back)) return;
            s.shapeCode = s.onOrdinaryCode;
            ChargesOnOrdinary(s);
            return;
        }
    }
    if (Level(s, s.level - 1).levelIn) {
        // Toward the shape last read or drawn, or the place the level before was set in.
        const Direction toward = s.shapeCode != kNoShape ? Direction(s.shapeCode) : Level(s, s.level - 1).levelInCode;
        ChargesOnOrdinary(s, toward);
        return;
    }
    if (SecondGroupBetween(s)) {
        ChargesBetween(s, s.firstOrdinaryShape);
        return;
    }
    if (BetweenTheWholeLayout(s)) return;
    if (AboutAChargeLyingAsABend(s)) return;  // the second of a pair about a charge lying bendwise
    if (OppositeTheChargeBefore(s)) return;
    if (SecondOfAPairBetween(s)) return;
    NoteLayout(s, "none: not on, in or between an ordinary");
}

// "Per pale argent a cross gules and azure ...", read as "in dexterhalf a cross gules": one
// ordinary named in a part of a field parted in two (per pale its halves, per fess its chief and
// base) is drawn within that part, as it would cover a whole field. The part's rectangle, or
// nothing for any other level.
std::optional<Rect> PartHoldingTheOrdinary(const DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    if (level.levelKind != kTypeOrdinary || !level.levelIn || level.levelCount != 1) return std::nullopt;
    const ShieldGeometry& g = s.geometry;
    // The field's division as read (the painter's partition code is the last shape read).
    const ShapeCode division = s.model.arms.field.division;
    if (division == ShapeCode::kPale && level.levelInCode == kInDexterHalf) return Rect{0, 0, g.W2, g.shieldBottom};
    if (division == ShapeCode::kPale && level.levelInCode == kInSinisterHalf) return Rect{g.W2, 0, g.W, g.shieldBottom};
    if (division == ShapeCode::kFess && level.levelInCode == ShapeCode::kChief) return Rect{0, 0, g.W, g.H2};
    if (division == ShapeCode::kFess && level.levelInCode == kBase) return Rect{0, g.H2, g.W, g.shieldBottom};
    return std::nullopt;
}

// The ordinary drawn within a part of the field: painted over the part's rectangle, then what
// lay outside the shield there (the picture's background) is put back, so that the ordinary
// keeps to the shield's curved base.
void DrawOrdinaryWithinThePart(DrawingState& s, Rect part) {
    const Bitmap before = s.picture;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    DrawOrdinaryWithin(s, s.shapeCode, part);
    const int W = s.picture.Width();
    for (int y = std::max(part.top, 0); y < part.bottom && y < s.picture.Height(); ++y)
        for (int x = std::max(part.left, 0); x < part.right && x < W; ++x) {
            if (!(before.Pixel(x, y) == kTeal)) continue;
            s.picture.SetPixel(x, y, kTeal);
            const std::size_t at = static_cast<std::size_t>(y) * s.geometry.W + x;
            if (at < s.pictureBuffer.size() && at < codesBefore.size()) s.pictureBuffer[at] = codesBefore[at];
        }
}

// Level 2 stands between the ordinary of level 0 that level 1's charges lie on. On a chief the
// charges between ("on a chief a lion between two mullets") lie on the chief too.
bool BetweenTheOrdinaryCharged(const DrawingState& s) {
    const LevelRecord& first = s.levels[0];
    return s.level == 2 && s.levels[2].levelBetween && first.levelOn && first.levelKind == kTypeOrdinary &&
           s.firstOrdinaryShape != ShapeCode::kNoShape && s.firstOrdinaryShape != ShapeCode::kChief && PlacesPictures(s.levels[1]) &&
           PlacesPictures(s.levels[2]);
}

}  // namespace

// Levels whose charges are pictures (or discs), not shapes the ordinary routines draw.
bool PlacesPictures(const LevelRecord& level) {
    if (level.levelKind == 0 || (level.levelKind == kTypeOrdinary && !level.levelIn)) return false;
    return !NamesBars(level.levelName) && !NamesPallets(level.levelName) && level.levelName != "fret";
}

void ArrangeLevel(DrawingState& s) {
    const int savedCursor = s.cursor;
    LevelRecord& level = Current(s);
    PrepareSupporters(s);
    s.lineCode = level.levelLine;
    s.lineRepeats = level.levelLineRepeats;
    s.cursor = 0;
    s.pictureLoaded = false;
    const int placedBefore = s.pictureCount;
    s.levelFirstPicture = s.pictureCount;
    s.countMessageShown = false;
    InTheLineOfTwoPiecesAbout(s, savedCursor);
    bool ordinaryInItsPart = false;  // an ordinary drawn within a part of the field places no picture

    if (s.orleFlag) {
        OrleLayout(s);
        s.orleFlag = false;
    } else if (const std::optional<Rect> part = PartHoldingTheOrdinary(s)) {
        // "per pale argent a cross gules and azure a mullet or": the cross within the dexter half.
        s.words[0].Assign(level.levelName);
        NoteLayout(s, "DrawOrdinaryWithin(part of the field, " + std::to_string(CodeOf(s.shapeCode)) + ")");
        DrawOrdinaryWithinThePart(s, *part);
        ordinaryInItsPart = true;
    } else if (IssuantLayout(s)) {
        // Drawn rising from the lower edge of its space.
    } else if (HeldBetweenLayout(s) || AttachedLayout(s)) {
        // Between the pair that supports it, or held, ensigned or enfiled by the charges before.
    } else if (OverAllLayout(s)) {
        // Across the whole shield, whatever ordinary the charges before it lay on.
    } else if (EachWithinARingLayout(s, savedCursor)) {
        // "three cinquefoils each within an annulet": a ring about each, each in its ring's hole.
    } else if (WithinAnAnnuletLayout(s, savedCursor)) {
        // "a griffin within an annulet": the ring about the centre, the griffin inside it.
    } else if (WithinAChargeLayout(s, savedCursor)) {
        // "a crown within a laurel wreath": the wreath as one charge alone, the crown in its middle.
    } else if (PiercingLayout(s, savedCursor)) {
        // "an arrow piercing a heart": the heart small in the middle, the arrow across it.
    } else if (TwoAndOneOfTwoKinds(s, savedCursor)) {
        // "two mullets and a crescent": one group of three, two and one.
    } else if (InLineWithTheChargesBefore(s, savedCursor)) {
        // One charge each, set in a pale or fess together with the first phrase's.
    } else if (BesideTheChargeInItsPart(s)) {
        // "in chief a sheep between two garbs": the garbs either side of the sheep in chief.
    } else if (MixedGroupLayout(s, savedCursor)) {
        // "a mullet, a crescent and an escallop": one group of three, a place each.
    } else if (level.levelKind == kTypeOrdinary && !level.levelIn && s.level > 0 && phrase::Previous(s).levelOn &&
               phrase::Previous(s).levelKind == kTypeOrdinary && s.onOrdinaryCode == ShapeCode::kCanton) {
        // "on a canton argent a cross gules": the ordinary drawn within the canton, as it would
        // lie on a whole field.
        s.words[0].Assign(level.levelName);
        NoteLayout(s, "DrawOrdinaryWithin(canton, " + std::to_string(CodeOf(s.shapeCode)) + ")");
        DrawOrdinaryWithin(s, s.shapeCode, CantonArea(s.geometry));
    } else if (PiecesWithinPiecesLayout(s)) {
        // "within two bendlets, as many bendlets dancetty": one run of four, outer and inner.
    } else if (OrdinaryOnOrdinaryLayout(s)) {
        // "a pale charged with a chevron": the chevron within the pale only.
    } else if (OnAMountLayout(s, savedCursor)) {
        // "a hen on a mount": the mount in base, the hen standing on it.
    } else if (OnAPerchLayout(s, savedCursor)) {
        // "an owl on a branch": the branch across the lower field, the owl standing on it.
    } else if (PiecesBesideTheOrdinary(s)) {
        // "a bend between two bendlets": the bendlets are the bend's cotises.
    } else if (ChevronsAboutTheFess(s)) {
        // "a fess between two chevrons": one above the fess, one below.
    } else if (BetweenAcrossTheOrdinary(s)) {
        // "a saltire between two crescents in pale": one in the space above, one below.
    } else if (ArrangedWithinItsPlace(s)) {
        // "on a chief two arrows in saltire": crossed on the chief, not across the field.
    } else if (level.levelKind == kTypeOrdinary || level.levelIn) {
        if (!level.levelIn) {
            s.words[0].Assign(level.levelName);
            NoteLayout(s, "DrawOrdinary(" + std::to_string(CodeOf(s.shapeCode)) + ")");
            if (s.level == 0) s.firstOrdinaryShape = s.shapeCode;
            DrawOrdinary(s, {s.shapeCode, false});
        } else if (level.levelCount == 1 && s.level == 0 && level.levelInCode == ShapeCode::kPale && PlacesPictures(level)) {
            // "a crosier in pale": one charge upright stands as one alone on the field (the
            // table for charges on a pale drew it at a pale's breadth).
            DrawPlainLevel(s);
        } else if (SecondGroupInTheOrdinarysWay(s)) {
            // "a bend between a roundel and four mullets in bend": the side the first group leaves.
        } else {
            s.shapeCode = level.levelInCode.Shape();
            if (!ConjoinedInLine(s, s.shapeCode, level.levelCount)) ChargesOnOrdinary(s, level.levelInCode);
        }
    } else if (BetweenOnTheOrdinary(s)) {
        // "on a bend a mullet between two crescents": the two lie on the bend beside the one.
    } else if (BetweenTheOrdinaryCharged(s)) {
        // "on a chevron four lozenges between three fleurs-de-lis": the last charges stand round
        // the ordinary of level 0, not on it with its own charges.
        ChargesBetween(s, s.firstOrdinaryShape);
    } else if (!level.levelBetween || s.level != 1) {
        if (s.level <= 1) {
            DrawPlainLevel(s);
        } else {
            DrawLaterLevel(s);
        }
    } else {
        FirstGroupBetween(s, savedCursor);  // "between three mullets and three crescents": a side each
        s.roomTop = RoomTopBelowALaterChiefOrLabel(s);
        ChargesBetween(s, s.shapeCode);
        s.roomTop = 0;
    }
    // A layout with no place for some of the charges says so, rather than drawing fewer.
    if (PlacesPictures(level) && !ordinaryInItsPart && s.pictureCount - placedBefore < level.levelCount && !s.countMessageShown)
        s.messages.Show(WithCount(msg::kNoLayoutForCount, level.levelCount));
    s.cursor = savedCursor;
}

}  // namespace esc
