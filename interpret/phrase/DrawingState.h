#pragma once
// The drawing state of one interpretation: the painter's state plus the words of the blazon,
// the word cursor and the interpreter's own scalars.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/PaintState.h"
#include "interpret/phrase/AttachedPhrase.h"
#include "interpret/model/GroupForm.h"
#include "interpret/model/Treatment.h"
#include "interpret/phrase/ModelReading.h"

namespace esc {

inline constexpr int kMaxBlazonChars = 199;  // the blazon buffer
inline constexpr int kMaxWords = 30;
inline constexpr int kMaxWordChars = 19;
inline constexpr int kLookAheadSlots = 4;    // empty words past the last one
inline constexpr int kMaxNamedTinctures = 10;
inline constexpr int kPlacementRingSize = 13;
// A blazon longer than the word slots is read in pieces, each fitting the blazon buffer and the
// slots; past this many pieces its words are not read.
inline constexpr int kMaxBlazonPieces = 12;
// The most characters single arms can hold and be read whole (the pieces may fill their word
// slots sooner).
inline constexpr int kMaxReadBlazonChars = kMaxBlazonPieces * kMaxBlazonChars;

// What the pieces of a long blazon still to be read name that takes room from the charges laid
// out on the field now; nothing for a blazon read in one piece.
struct LaterClauses {
    bool chief = false, canton = false, label = false, bordure = false;
    // The next piece begins "between three mullets": the charges the one charge before stands
    // between (0: it does not).
    int betweenCount = 0;
};

using WordText = FixedString<kMaxWordChars>;

struct RingEntry {
    int x = 0, y = 0;
    float scale = 0.0f;
    Rect drawn;  // the pixels the charge painted (empty when none)
};

class Vocabulary;
struct DrawingTrace;
struct OffscreenBoard;

class FreeSpace;
class OrdinaryMask;
struct MeasuredPicture;
struct BordureMiddle;

// What reading keeps of the words: the blazon's words, their classes, the cursor and which
// words were used.
struct WordsRead {
    // The blazon's words as typed, their classification, and four empty slots after the last.
    std::array<WordText, kMaxWords + kLookAheadSlots> words{};
    std::array<int, kMaxWords + kLookAheadSlots> wordType{};
    std::array<int, kMaxWords + kLookAheadSlots> wordSub1{};
    std::array<int, kMaxWords + kLookAheadSlots> wordSub2{};
    int wordCount = 0;
    int cursor = 0;
    // Which words had an effect on the drawing. A rule that reads a word for the current level
    // marks it pending; the marks count once the level is drawn, so the words of a phrase that
    // never reaches the picture (no count, words run out) stay unused. The field and the cotises
    // are drawn as they are read and mark their words used at once.
    std::array<bool, kMaxWords + kLookAheadSlots> wordUsed{};
    std::array<bool, kMaxWords + kLookAheadSlots> wordPending{};
    int levelFirstWord = 0;  // where the current level's phrase began, for the trace
    LaterClauses later;      // what the words past the slots name that takes room on the field

    // Word access that tolerates any index: outside the slots a word is empty and not found.
    std::string_view Word(int i) const;
    int Type(int i) const;
    int Sub1(int i) const;
    int Sub2(int i) const;
    // Outside the words these do nothing.
    void UseWord(int i);      // pending until the current level is drawn
    void UseWordNow(int i);   // used at once
    void CommitUsedWords();   // the pending words become used
    void ForgetUsedWords();   // a fresh word split: nothing used, nothing pending
};

// What the words said of the current level beyond its level record: how its charges are
// tinctured, parted, edged, turned and shared out. Read with the level and cleared for the next.
struct LevelReading {
    // The second tincture of a level parted "per pale gules and sable", and the partition's
    // shape; -1 and kNoShape when the level has one tincture.
    int partedTincture = -1;
    ShapeCode partedShape = kNoShape;
    // A charge's own pattern ("a lion barry of ten argent and gules"): the pieces the shape is
    // laid in across each charge; 0 for the halves of the shield. partedDetail: only the detail
    // is parted ("ducally crowned per pale argent and gules"), the body keeps one tincture.
    int partedPieces = 0;
    bool partedDetail = false;
    // The tincture of the fretty on the current level's ordinary ("a cross argent fretty azure").
    int frettyTincture = -1;
    // The tincture of the edge of the current level's charges ("a heart sable fimbriated Or"), -1: none.
    int chargeFimbriation = -1;
    int chargeOuterFimbriation = -1;  // "a mullet fimbriated argent and or": the outer edge
    int fieldFimbriation = -1;  // "per pale fimbriated or": the band along the line of the field
    // The current level's charges are voided, the field of this tincture showing through them
    // ("a mullet voided"); -1: not voided; kVoidedOverWhatLiesUnder: over a field of several
    // tinctures, each showing through where it lay.
    int voidedField = -1;
    bool sinisterCharges = false;  // the current level's hands, arms or gauntlets are left ones, mirrored
    bool reversedCharges = false;  // the current level's charges are turned upside down ("reversed")
    bool conjoined = false;  // the current level's lozenges touch point to point ("mascles conjoined")
    bool interlaced = false;  // and, conjoined, each crosses the next ("two annulets interlaced")
    bool issuant = false;    // the current level's charges rise from the edge below them ("a demi-lion issuant")
    // The form of the current level's group: a tincture per member, how its charges are turned
    // ("a butterfly bendwise", "a sword fesswise").
    GroupForm group;
    // How the words turn the current level's charges: bendwise (with bendwiseSinisterFlag along
    // a bend sinister, the other way round) or fesswise, a quarter turn with the top to the
    // dexter (a slender charge along a chief). Layouts that set charges along an ordinary turn
    // them so while they place them.
    bool bendwiseFlag = false, bendwiseSinisterFlag = false, fesswiseFlag = false;
    int detailTincture = -1;  // the tincture of the current level's charges' detail ("crowned Or"), -1: the body's
    bool uprightCharges = false;   // the current level's charges stand upright on a bend ("three mullets palewise")
    // "six in chief and four in base": how many of the current level's charges stand above and
    // below the ordinary they are between; 0 and 0 when the layout shares them out itself.
    int splitChief = 0, splitBase = 0;
    // "a bend between three decrescents and three mullets": the split is the two groups' counts,
    // and the group placed now, 1 (the first region) or 2 (the second); 0 when the level is all.
    int splitGroup = 0;
};

// The drawing state of one interpretation: the painter's state, the words read, what they said
// of the current level, and the interpreter's own scalars below.
struct DrawingState : PaintState, WordsRead, LevelReading {
    explicit DrawingState(MessageSink& sink) : PaintState(sink) {}

    // The interpreter's scalars.
    ShapeCode onOrdinaryCode = kFess;
    bool orleFlag = false;
    int attitudeOwner = 0;
    std::array<RingEntry, kPlacementRingSize> placementRing{};
    int ringNext = 0;
    int ringWritten = 0;        // entries written since ResetLevels, at most kPlacementRingSize
    bool rowsDrawn = false;     // the current level's charges were already drawn in rows
    bool stopReading = false;   // a rule completed the last level at the end of the words
    // The cotises drawn round the ordinary that charges then stand between (count and line), so
    // that the charges keep off them too.
    int betweenCotises = 0, betweenCotiseLine = -1;
    // Where the ordinary of the level last completed stood: its cotises, read after it, follow it.
    OrdinaryPosition completedPosition = OrdinaryPosition::Usual;
    ShapeCode firstOrdinaryShape = kNoShape;  // the shape level 0 was drawn with, when it is an ordinary
    // How many charges the one charge of level 0 was sized and placed to stand between, at the fess
    // point of a plain field; 0 when it was not.
    int principalRoundCount = 0;
    // The quarters named by "in the second and third quarters": bit 1 << (n - 1) for quarter n.
    int quarterMask = 0;
    // Each level's treatment when it is more than one tincture ("a canton per fess or and
    // gules"); a plain treatment otherwise.
    std::array<model::Treatment, kMaxLevels> levelTreatments{};
    // The word where a treatment's words broke off, once that was said (-1: none yet).
    int treatmentBreakTold = -1;
    bool countMessageShown = false;  // a layout already said it has no place for the count
    // pictureCount when the current level began to be laid out: which of a pair is being placed.
    int levelFirstPicture = 0;
    // Charges laid out on the field now keep below this row, their layout pressed into the room
    // under it (a chief or a label named after them); 0: the whole field.
    int roomTop = 0;
    // Charges laid out on the field now keep this far inside the shield's edge, their layout
    // drawn in evenly towards the middle (a bordure named after them); 0: the whole field.
    int roomInset = 0;
    // "supporting" / "supported by": the level of the pair that stands either side of one charge,
    // facing it, the word "supported" to mark read when that pair is drawn so, and the level of
    // the charge a combatant pair supports (-1: none).
    int supportersLevel = -1, supportedByWord = -1, heldLevel = -1;
    AttachedPhrase attached;  // "a lion rampant holding an axe": the axe's level and how it is held
    std::vector<RingEntry> attachedBearers;  // where the bearers of the attached phrase were placed
    // "three roundels each charged with as many mullets": the level whose whole group lies on each
    // charge before it (-1: none; without "each" one charge lies on each).
    int chargedOnEachLevel = -1;
    int overAllLevel = -1;    // the level written after "over all" (-1: none)
    LevelRecord outsideLevel;   // what a level index outside 0..9 reaches: reads reset values
    ModelReading model;         // the arms as read so far

    const Vocabulary* vocabulary = nullptr;
    DrawingTrace* trace = nullptr;  // filled when the caller wants to know how the blazon was read
    // The board marshalled texts are assembled on when the host has none of its own (the command
    // line, tests): made at the first marshalled drawing and kept, since a fresh 1036 x 768
    // canvas per drawing costs a good part of a whole coat's drawing.
    std::shared_ptr<OffscreenBoard> ownBoard;
    // The picture as the field left it, for a traced drawing to tell whether anything was painted
    // over it; kept between drawings so that its storage is not made anew each time.
    Bitmap fieldPicture;
    // The free space of the whole field for the last shield geometry laid out on: every layout
    // that fits charges to the space starts from it, and it depends on the outline alone.
    std::shared_ptr<const FreeSpace> fieldSpace;
    // The free space round the last ordinary charges were laid out about, with what it was made
    // from (the ordinary's record, shape, line and cotises): the layouts of one drawing ask for it
    // again and again, and drawing it on a mask is most of the work.
    std::shared_ptr<const FreeSpace> ordinarySpace;
    // The mask of the ordinary that charges lie on, kept with what it was drawn from as the free
    // space round it is: the fits of one level, each turn they try and the next drawing of the
    // same ordinary share it.
    std::shared_ptr<const OrdinaryMask> ordinaryMask;
    // The state the last ordinary drawn alone on a mask was drawn on, for the next mask.
    SpareMaskState spareMask;
    // The extent of the last charge picture measured, with its file and paint scale; forgotten
    // at the start of each drawing (a picture file may change between drawings).
    std::shared_ptr<MeasuredPicture> measuredPicture;
    // The middle line of a bordure for the last shield geometry charges were set round: it
    // depends on the outline alone, and finding it measures every pixel's distance to the edge.
    std::shared_ptr<const BordureMiddle> bordureMiddle;

};

}  // namespace esc
