#pragma once
// Everything the painter and the shape routines read and write during one drawing. One object
// per drawing context: two contexts can paint side by side on two threads.
//
// The interpreter's drawing state (interpret/phrase/DrawingState.h) extends this with the words of the
// blazon and the interpreter's own scalars.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Bitmap.h"
#include "engine/ChargeSpans.h"
#include "engine/EdgeRingCache.h"
#include "engine/FixedString.h"
#include "engine/LayerSink.h"
#include "engine/MessageSink.h"
#include "engine/OrdinaryPosition.h"
#include "engine/ShapeCode.h"
#include "engine/ShieldGeometry.h"

namespace esc {

class PictureCache;

inline constexpr int kPictureBufferSize = 240000;  // one tincture code per pixel, at paint scale 1
inline constexpr int kChargeBufferSize = 114000;   // one decoded charge picture
inline constexpr int kMaxLevels = 10;
inline constexpr int kCrossingRows = 1024;         // more rows than any picture has, at scale 1
inline constexpr int kImageWidth = kDesignImageWidth;  // the shield image at paint scale 1
inline constexpr int kImageHeight = kDesignImageHeight;
inline constexpr int kPictureHeight = 521;         // the picture bitmap after a normal drawing
inline constexpr int kMarshallingPictureHeight = 481;
inline constexpr int kLevelNameChars = 19;
inline constexpr int kVariantChars = 3;

// levelTincture: one tincture code per level, with one more slot before level 0 that holds -1.
// A level outside -1..9 reaches a scratch slot, so a stray index never writes elsewhere.
class TinctureStack {
public:
    TinctureStack() { Reset(); }
    int& operator[](int level) {
        if (level < -1 || level >= kMaxLevels) return scratch_ = -1;
        return slots_[static_cast<std::size_t>(level + 1)];
    }
    int operator[](int level) const {
        if (level < -1 || level >= kMaxLevels) return -1;
        return slots_[static_cast<std::size_t>(level + 1)];
    }
    void Reset() { slots_.fill(-1); }

private:
    std::array<int, kMaxLevels + 1> slots_{};
    int scratch_ = -1;
};

// levelLine values that are no line style: the charges strewn over the field as a semé, and a
// pair with its first charge turned to face the second (combatant) or its second turned away
// (addorsed).
// From kFirstLevelMark on, a levelLine marks something other than a line style.
inline constexpr int kFirstLevelMark = 90;
inline constexpr int kSemeLevelLine = 97;
inline constexpr int kPairFirstTurned = 98;
inline constexpr int kPairSecondTurned = 99;

// One phrase of the blazon: an ordinary or a group of like charges.
struct LevelRecord {
    FixedString<kLevelNameChars> levelName;
    int levelKind = 0;
    int levelCount = 0;
    int levelLine = -1;
    int levelLineRepeats = 0;  // "wavy of three": the line's repeats across the shield; 0 its default
    FixedString<kVariantChars> levelVariant;
    bool levelOn = false;
    bool levelChargedOn = false;
    bool levelIn = false;
    Direction levelInCode;
    // The arrangement of a group that also has a place ("in chief two swords in saltire"): the
    // direction's shape, or kNoShape when the group is set as its place sets it.
    ShapeCode levelArrangedIn = ShapeCode::kNoShape;
    bool levelBetween = false;
    int levelSecondTincture = -1;

    bool operator==(const LevelRecord&) const = default;
};

// Where a drawn pixel also lands: the image of the layer being painted, at a position the
// caller sets (none while no sink listens or outside a charge picture or disc).
struct LayerTarget {
    Bitmap* image = nullptr;
    int lx = 0, ly = 0;
    bool mirror = false;
};

enum class OutputView { Shield, Achievement };

struct Crossing {
    int first = -1, second = -1;
};

// What reading a charge picture file found: a picture to paint, no picture (no such file, not a
// GIF file), or a GIF file that cannot be painted whole.
enum class PictureVerdict { Sound, Missing, Damaged };

// The decoded charge picture: colour indices, one byte per pixel, stride PW.
struct ChargePicture {
    std::vector<std::uint8_t> buffer;  // kChargeBufferSize bytes once a drawing has run
    int PW = 0, PH = 0;
    std::array<std::uint8_t, 13> header{};
    bool complete = false;  // the last decoding filled every row from well-formed data
    PictureVerdict verdict = PictureVerdict::Missing;  // of the last file read
    std::string damage;  // what is wrong with a damaged file ("it is cut short after 40 of 120 rows")
    // The print of the pixels as the decoder, the picture cache or the scaling left them; none
    // when not known (a picture built by hand). Whatever writes the pixels afterwards clears it.
    std::optional<ChargePicturePrint> print;
};

// What a level keeps: the level records, the tincture of each level, and the level being read
// or painted.
struct LevelState {
    TinctureStack levelTincture;
    int level = 0;
    std::array<LevelRecord, kMaxLevels> levels{};

    LevelRecord& CurrentLevel() { return levels[static_cast<std::size_t>(ClampedLevel())]; }
    const LevelRecord& CurrentLevel() const { return levels[static_cast<std::size_t>(ClampedLevel())]; }
    int ClampedLevel() const { return level < 0 ? 0 : (level >= kMaxLevels ? kMaxLevels - 1 : level); }
    int CurrentTincture() const { return levelTincture[level]; }
};

// What reading keeps of the tinctures: the tinctures named so far, in the order named ("of the
// first"), the two a counterchanged charge exchanges, and the field's record: its tinctures,
// pieces, partition and the shape last drawn.
struct TincturesRead {
    int fieldColor1 = 0, fieldColor2 = 0, fieldColor3 = 0, fieldPieces = 8;
    std::array<int, 10> namedTinctures{};
    int namedTinctureCount = 0;
    // The parts of the surface a counterchanged charge lies on (the parted field, or the parted
    // ordinary it is charged on): over a pixel of either it takes the other.
    std::array<int, 2> counterchangePair{};
    ShapeCode partitionCode = kNoShape, lastShapeCode = kNoShape;
};

// How an ordinary is drawn within its outline: whole, voided (a narrow edge along its sides, the
// field showing through) or fimbriated (a narrow edge of the level's second tincture).
enum class OrdinaryTreatment { kNone, kVoided, kFimbriated };

// What the shape routines read as the arguments of the shape being drawn: its shape code, its
// line, its treatment and cotises, and how it is drawn.
struct ShapeRequest {
    ShapeCode shapeCode = kNoShape;
    int lineCode = -1;
    // The repeats of lineCode's pattern across the shield ("nebuly of four"); 0: the style's
    // default. Set with lineCode wherever a line comes from the blazon.
    int lineRepeats = 0;
    OrdinaryTreatment ordinaryTreatment = OrdinaryTreatment::kNone;
    // Fimbriated: a second edge outside the first ("fimbriated argent and or",
    // the first named next to the ordinary); -1: one edge.
    int fimbriationOuter = -1;
    bool crossTreatment = false;
    int cotiseCount = 0, cotiseTincture = -1, cotiseLine = -1;
    // "cotised potenty of thirteen": the times the cotises' line repeats along each (0: every
    // period of the style).
    int cotisePieces = 0;
    // The breadth across of each cotise, in paint pixels, when the pieces beside an ordinary are
    // of a kind with a breadth of its own ("a bend between two bendlets": half a bend); 0: the
    // cotise's own.
    int cotiseBreadth = 0;
    bool fillToLeft = false;
    bool crusillyFitchy = false;  // the crusilly semé is of crosses crosslet fitchy
    // Where the ordinary or partition line being drawn stands ("a fess enhanced"); the reader
    // sets it for one shape and puts it back to Usual after.
    OrdinaryPosition position = OrdinaryPosition::Usual;
    // The line of an ordinary's second side when it differs from lineCode ("a fess embattled and
    // wavy"); kPlainLine (-1): both sides carry lineCode. Set and cleared with `position`.
    int secondLineCode = -1;
};

// The painter's state: the picture and its buffers, the placed pictures and their layers, and
// (as bases) the levels, the tinctures read and the arguments of the shape being drawn.
struct PaintState : LevelState, TincturesRead, ShapeRequest {
    explicit PaintState(MessageSink& sink);
    // The same with the picture and codes of an earlier state (SpareMaskState::Take).
    PaintState(MessageSink& sink, PaintState&& earlier);

    MessageChannel messages;

    // The picture bitmap and the tincture code last painted at each of its pixels.
    Bitmap picture;
    std::vector<std::int8_t> pictureBuffer;
    ShieldGeometry geometry;
    bool marshallingMode = false;
    int imageLeft = 0, imageTop = 0;  // where the shield image sits in the window

    std::vector<Crossing> crossings = std::vector<Crossing>(kCrossingRows);
    std::vector<std::uint64_t> visited;  // one bit per picture-buffer index, per drawing

    // The placed pictures. Picture files are looked up under dataDir ("lpics/lion.esv" is
    // dataDir + "/lpics/lion.esv"). pictureLoaded: the charge picture holds the picture of the
    // charges being placed, which is painted again without reading its file.
    std::string dataDir;
    bool pictureLoaded = false;
    // Why the last picture file tried could not be read when it is there but unreadable (a
    // folder in its place, no permission); empty when it was read or is simply missing.
    std::string pictureReadError;
    // The pixels the last picture painted (left/top inclusive, right/bottom exclusive; empty when
    // it painted none): layouts that fit later charges into the room left read it.
    Rect paintedBox;
    int pictureCount = -1;
    ChargePicture chargePicture;
    // The last picture made larger for the paint scale, so that reading it again (for its size,
    // then to paint it, then for the next charge of the level) does not make it again. Cleared
    // at the start of each drawing.
    struct ScaledPicture {
        std::string path;
        double k = 1.0;
        ChargePicture picture;
    } scaledPicture;
    // Decoded pictures shared by the drawings of one process (owned by the caller; none: every
    // picture is read from its file).
    PictureCache* pictureCache = nullptr;
    // The runs of the charge pictures this state painted, by picture, size and turn, kept from
    // drawing to drawing so that a picture painted again is not read pixel by pixel again.
    ChargeSpanCache chargeSpans;
    // The bordure rings laid round the shield's edge, kept from drawing to drawing by outline,
    // scale and breadth.
    EdgeRingCache edgeRings;
    // Who receives each placed picture and disc (owned by the caller; none: nobody listens and
    // no layer bitmap is made).
    LayerSink* layerSink = nullptr;
    LayerTarget layerTarget;

    // Every span painted lands mirrored across the shield's middle line, dexter for sinister
    // (column x at W - 1 - x): a shape drawn for the dexter side painted as its sinister twin.
    // Set only for the length of one shape (MirroredPainting).
    bool mirrored = false;

    // The achievement view sends painting to this bitmap instead (offset subtracted).
    OutputView view = OutputView::Shield;
    Bitmap* achievement = nullptr;
    int achievementOffsetX = 0, achievementOffsetY = 160;

    // Messages that a drawing shows at most once.
    bool shownOutOfBounds2 = false, shownOutOfBounds3 = false, shownOutOfBounds5 = false;

    // Sets the paint scale (kMinPaintScale..kMaxPaintScale; 1 the design size) and sizes the
    // picture, its tincture codes and the crossing table for it.
    void SetPaintScale(double k);
    double PaintScale() const { return geometry.k; }
    // The scale asked for by the last SetPaintScale. Each drawing is drawn at it; a marshalled
    // part drawn in a cell's shape paints at a scale of its own, and the next drawing returns.
    double requestedScale = 1.0;
    // Sizes everything for scale k without changing the scale asked for.
    void ApplyPaintScale(double k);
    // The picture bitmap's height after a drawing (normal or a marshalled part).
    // A part drawn lower than the shield (its cell's shape) is that much less high.
    int PictureHeight() const {
        const int lower = kDesignImageHeight - geometry.designHeight;
        return geometry.Px(marshallingMode ? kMarshallingPictureHeight - lower : kPictureHeight);
    }
    int PictureBufferSize() const { return static_cast<int>(pictureBuffer.size()); }
    int CrossingRows() const { return static_cast<int>(crossings.size()); }

    // Start of a drawing: clear the per-drawing sets and the once-per-drawing messages.
    void BeginDrawing();
    bool VisitedTestAndSet(int index);
    void ShowOnce(bool& shown, std::string_view text);
};

// A state for drawing one shape alone on a mask, kept from one mask to the next so that each
// mask does not make and clear a picture and buffers of its own. A copy holds none: a copied
// drawing state keeps its own.
class SpareMaskState {
public:
    SpareMaskState() = default;
    SpareMaskState(const SpareMaskState&) {}
    SpareMaskState& operator=(const SpareMaskState&) { return *this; }

    // A state as PaintState(sink) makes it, but for the picture and the codes, taken from the
    // state kept here when there is one: the codes are left for the caller to fill whole (a mask
    // is read by its codes), and the picture as the last mask left it, teal, the outline and the
    // shape's pixels, which no mask reads (a shape that reads the picture fills it first).
    std::unique_ptr<PaintState> Take(MessageSink& sink);
    // Keeps `used` for the next Take.
    void Give(std::unique_ptr<PaintState> used) { kept_ = std::move(used); }

private:
    std::unique_ptr<PaintState> kept_;
};

// A design measure (pixels at paint scale 1) in the state's picture pixels.
inline int Px(const PaintState& state, int design) { return state.geometry.Px(design); }

}  // namespace esc
