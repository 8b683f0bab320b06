// A level completed: its charges or ordinary drawn as read (parted, treated, strewn or on the
// charges before), then the next level opened; and the levels cleared before a drawing.

#include "interpret/phrase/PhraseInterpreter.h"
#include "engine/Diminutives.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/phrase/ChiefPieces.h"
#include "interpret/phrase/CounterchangeGround.h"
#include "interpret/layout/Issuant.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/phrase/OverAll.h"
#include "interpret/phrase/PartedLevel.h"
#include "interpret/phrase/TreatedSurface.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PartBeforeTincture.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/MemberTurns.h"
#include "interpret/phrase/PointWords.h"
#include "interpret/phrase/ModelRecorder.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/phrase/PairOf.h"
#include "interpret/phrase/Fimbriated.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/VoidedCharge.h"
#include "interpret/phrase/OrdinaryPositionWords.h"
#include "interpret/phrase/Reversed.h"
#include "interpret/phrase/AttachedWords.h"
#include "interpret/phrase/PlacementWords.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using namespace phrase;

void ResetLevels(DrawingState& s) {
    for (LevelRecord& l : s.levels) l = LevelRecord{};
    for (int i = 0; i < kMaxLevels; ++i) s.levelTincture[i] = -1;
    s.ringNext = 0;
    s.ringWritten = 0;
    s.pictureCount = 0;
    s.bendwiseFlag = false;
    s.orleFlag = false;
}

namespace {

// "an escutcheon argent charged with a bend gules": an ordinary on the one charge before is drawn
// as the ordinaries are, within that charge, not placed as a picture on it.
bool OrdinaryOnTheOneChargeBefore(DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    return s.level > 0 && level.levelKind == kTypeOrdinary && !level.levelIn && Previous(s).levelCount == 1 &&
           Previous(s).levelKind != 0 && !NamesBars(level.levelName) && !NamesPallets(level.levelName);
}

}  // namespace

void CompleteLevel(DrawingState& s) {
    LevelRecord& level = Current(s);
    if (level.levelCount == 0) {
        phrase::Tincture(s) = -1;
        --s.cursor;
        return;
    }
    SnapshotLevel(s);
    if (phrase::Tincture(s) == kProperBrown && !level.levelIn &&
        (level.levelKind == kTypeOrdinary || NamesBars(level.levelName) || NamesPallets(level.levelName)))
        s.messages.Show(std::string(msg::kOrdinaryHasNoProperColour) + level.levelName.str());
    const bool turned = TurnLevel(s);
    // A counterchanged level exchanges the parts of what it lies on; what is drawn outside a
    // level's completion (rows drawn as read) lies on the field.
    s.counterchangePair = CounterchangeGroundOfLevel(s);
    if (s.rowsDrawn) {
        // Drawn in rows the moment its numbers were read; drawing it again would double it.
        NoteLayout(s, "(already drawn in rows)");
    } else if (StandsOnTheMountBefore(s)) {
        // "on a mount vert a castle": the castle stands on the mount, not within it.
        ArrangeLevel(s);
    } else if (StandOnTheMountBeneath(s)) {
        // "a mount thereon a tree", the mount placed elsewhere: the tree on its summit.
    } else if (LiesOnTheChargesBefore(s)) {
        PlaceOnPreviousChargesParted(s);
    } else if (!level.levelChargedOn || Previous(s).levelKind == kTypeOrdinary || OrdinaryOnTheOneChargeBefore(s)) {
        if (level.levelLine == kSemeLevelLine) {
            SemeeLayout(s);
        } else if (LevelIsTreated(s)) {
            DrawTreatedLevel(s);
        } else if (s.partedTincture >= 0) {
            DrawPartedLevel(s);
        } else if (s.frettyTincture >= 0) {
            DrawFrettyOrdinary(s);
        } else {
            ArrangeLevel(s);
        }
    } else {
        PlaceOnPreviousChargesParted(s);
    }
    ForgetUndrawnTreatment(s);
    s.counterchangePair = CounterchangeGroundOfField(s);
    RecordLevel(s);
    if (turned) s.bendwiseFlag = s.bendwiseSinisterFlag = s.fesswiseFlag = false;
    s.uprightCharges = false;
    s.group = GroupForm{};
    // A level that names nothing ("three lions two and one or armed azure" read as a second
    // level "two and one ...") paints nothing: its words had no effect, whatever rules read them.
    const bool paintsNothing = level.levelKind == 0 && level.levelName.empty() && !s.rowsDrawn &&
                               level.levelLine != kSemeLevelLine && s.partedTincture < 0 && s.frettyTincture < 0;
    if (paintsNothing) {
        s.wordPending.fill(false);
    } else {
        s.CommitUsedWords();
    }
    s.rowsDrawn = false;
    s.conjoined = false;
    s.interlaced = false;
    s.issuant = false;
    s.splitChief = s.splitBase = s.splitGroup = 0;
    s.sinisterCharges = false;
    s.reversedCharges = false;
    s.ordinaryTreatment = OrdinaryTreatment::kNone;
    s.completedPosition = level.levelKind == kTypeOrdinary ? s.position : OrdinaryPosition::Usual;
    s.position = OrdinaryPosition::Usual;
    s.secondLineCode = kPlainLine;
    s.fimbriationOuter = -1;
    s.chargeFimbriation = -1;
    s.chargeOuterFimbriation = -1;
    s.voidedField = -1;
    s.crossTreatment = false;
    if (!FoldSemeIntoTheField(s)) ++s.level;
    s.detailTincture = -1;
    --s.cursor;
    s.levelFirstWord = s.cursor + 1;  // the word that completed the level is read again
}

}  // namespace esc
