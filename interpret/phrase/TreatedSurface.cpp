// A surface of more than one tincture is drawn in two steps: the surface as the shapes draw it,
// in its first tincture, which tells which pixels it covers; then the treatment painted over
// those pixels alone. The shapes need to know nothing of treatments, and any treatment the
// reader builds draws on any surface the shapes draw.

#include "interpret/phrase/TreatedSurface.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/BordureRing.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "engine/SurfaceFill.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/phrase/PartedLevel.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/ReadTreatment.h"
#include "interpret/phrase/StrewnCharges.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

// A picture-buffer code no painting stores: what still holds it after the surface was drawn was
// not painted by it.
constexpr std::int8_t kUnpaintedCode = -99;
// A colour no tincture paints, for the same purpose in the picture.
constexpr Rgb kUnpaintedColour{1, 2, 3};

// The shape code that stands for the treatment's top division or pattern, for the layouts that
// place charges by the field's partition.
ShapeCode ShapeOf(const model::Treatment& t) {
    if (t.form == model::TreatmentForm::Pattern) {
        switch (t.pattern) {
            case PatternKind::Barry: return kBarry;
            case PatternKind::Paly: return kPaly;
            case PatternKind::Bendy:
            case PatternKind::BendySinister: return kBendy;
            case PatternKind::Gyronny: return kGyronny;
            default: return kNoShape;
        }
    }
    switch (t.division) {
        case DivisionKind::Pale: return kPale;
        case DivisionKind::Fess: return kFess;
        case DivisionKind::Bend: return kBend;
        case DivisionKind::BendSinister: return kBendSinister;
        case DivisionKind::Saltire: return kSaltire;
        case DivisionKind::Cross: return kCross;
        case DivisionKind::Chevron: return kChevron;
        case DivisionKind::ChevronInverted: return kChevronInverted;
        case DivisionKind::Pall: return kPall;
        case DivisionKind::PallReversed: return kPallReversed;
        case DivisionKind::Pile: return kPiles;
        default: return kNoShape;  // the tierced fields: the field's places, as on one tincture
    }
}

// Whether a division or pattern has parts that are all single tinctures.
bool PlainParts(const model::Treatment& t) {
    return std::all_of(t.parts.begin(), t.parts.end(), [](const model::Treatment& p) { return p.IsPlain(); });
}

// Whether the field parser's own forms draw this field: a division in two or a pattern, or per
// pall written so, whose parts are all single tinctures. Per pile and the fields in three that
// other words name are painted as treatments.
bool FieldParserDraws(const DrawingState& s, const model::Treatment& t) {
    if (!PlainParts(t)) return false;
    // Of the vair family the field's own rules paint vairy alone.
    if (t.form == model::TreatmentForm::Pattern &&
        (t.pattern == PatternKind::CounterVair || t.pattern == PatternKind::Potent || t.pattern == PatternKind::CounterPotent))
        return false;
    if (t.form != model::TreatmentForm::Division) return true;
    if (t.division == DivisionKind::Pall || t.division == DivisionKind::PallReversed) return EqualsIgnoringCase(s.Word(0), "per");
    return DivisionParts(t.division) == 2;
}

// Whether the ordinary's own tincture rules draw this treatment: chequy and lozengy of two
// tinctures with no line, laid on the shield's grid as on the field.
bool TinctureRulesDraw(const model::Treatment& t) {
    return t.form == model::TreatmentForm::Pattern && (t.pattern == PatternKind::Chequy || t.pattern == PatternKind::Lozengy) &&
           PlainParts(t) && t.pieces == 0 && t.line < 0;
}

// Whether the parted charges' own means draw this treatment: per pale, per fess, barry, paly or
// bendy of two tinctures, with no line.
bool PartedLevelDraws(const model::Treatment& t) {
    const bool parted = t.form == model::TreatmentForm::Division && (t.division == DivisionKind::Pale || t.division == DivisionKind::Fess);
    const bool pattern = t.form == model::TreatmentForm::Pattern &&
                         (t.pattern == PatternKind::Barry || t.pattern == PatternKind::Paly || t.pattern == PatternKind::Bendy);
    return (parted || pattern) && t.line < 0 && PlainParts(t);
}

// Whether the level is a bend or a chevron: the shield's grid of squares would lie across it,
// so its chequy and lozengy follow its own limbs instead.
bool LiesAslant(const DrawingState& s, const LevelRecord& level) {
    if (level.levelKind != kTypeOrdinary || s.vocabulary == nullptr) return false;
    const VocabularyRow* row = s.vocabulary->Lookup(LookupKey(level.levelName));
    return row != nullptr && row->type == kTypeOrdinary && (ShapeOfCode(row->sub1) == kBend || ShapeOfCode(row->sub1) == kChevron);
}

bool BeginsDivision(std::string_view word) {
    for (const std::string_view division : {"per", "party", "parted", "tierced", "quarterly"})
        if (EqualsIgnoringCase(word, division)) return true;
    return false;
}

// Whether the older rules draw what lies on this surface as the treatment would: a fretty
// ordinary, vairy of two tinctures, a bordure semé (its charges set round it), an ordinary
// guttee, billettee, bezantee or crusilly (the field's pattern of drops, billets, bezants or
// crosslets laid over it: `namedSeme`), and anything strewn on charges, whose semé the charges'
// own means do not strew.
bool OlderRulesDraw(const LevelRecord& level, const model::Treatment& t, bool namedSeme) {
    const bool ordinary = level.levelKind == kTypeOrdinary;
    if (t.form == model::TreatmentForm::Pattern && PlainParts(t)) {
        if (t.pattern == PatternKind::Vair) return true;
        if (t.pattern == PatternKind::Fretty && ordinary) return true;
    }
    if (!ordinary) return t.HasSeme() || (t.form == model::TreatmentForm::Pattern && t.pattern == PatternKind::Fretty);
    if (t.form == model::TreatmentForm::Seme && t.parts.front().IsPlain()) {
        if (namedSeme) return true;
        const std::string_view name = level.levelName.view();
        return EqualsIgnoringCase(name, "bordure") || EqualsIgnoringCase(name, "border");
    }
    return false;
}

// Chequy, compony or counter-compony with a line: round a ring (a bordure, an orle) the squares
// are laid along it and their line is not drawn.
bool SquaresWithALine(const model::Treatment& t) {
    const bool squares = t.pattern == PatternKind::Chequy || t.pattern == PatternKind::Compony ||
                         t.pattern == PatternKind::CounterCompony;
    if (t.form == model::TreatmentForm::Pattern && squares && t.line >= 0) return true;
    for (const model::Treatment& part : t.parts)
        if (SquaresWithALine(part)) return true;
    return false;
}

// Compony, counter-compony or chequy over the whole of a plain bordure: cut into panes square
// across it round the shield's edge, the bordure of an even breadth all round.
bool CutRoundTheEdge(const DrawingState& s, const model::Treatment& t) {
    if (s.shapeCode != kBordure || s.lineCode >= 0 || t.form != model::TreatmentForm::Pattern) return false;
    return t.pattern == PatternKind::Compony || t.pattern == PatternKind::CounterCompony || t.pattern == PatternKind::Chequy;
}

void TellStraightLines(DrawingState& s, const model::Treatment& t, SurfaceLay lay = SurfaceLay::Find) {
    if (t.HasStraightenedLine() || (lay == SurfaceLay::Ring && SquaresWithALine(t))) s.messages.Show(msg::kTreatmentLineStraight);
}

}  // namespace

void TellUnplaced(DrawingState& s, const TreatmentReading& reading, int at) {
    // Once for the words of one break: a reading that starts within them again is not said twice.
    if (reading.Read() || reading.unplaced < 0 || at <= s.treatmentBreakTold) return;
    // A pattern whose words run out after one tincture ("a bend lozengy argent", a bend of
    // lozenges) is no division broken off: the older rules read it, and say what they leave
    // unread. A division ("per", "tierced", "quarterly") that runs out is broken off.
    const bool atEnd = reading.unplaced >= s.wordCount;
    if (atEnd && !BeginsDivision(s.Word(at))) return;
    s.treatmentBreakTold = reading.unplaced;
    std::string message(msg::kTreatmentWordUnplaced);
    const std::string_view word = atEnd ? std::string_view("the end") : s.Word(reading.unplaced);
    message.replace(message.find("{}"), 2, word);
    s.messages.Show(message);
}

bool TreatedField(DrawingState& s) {
    const TreatmentReading reading = ReadTreatment(s, 0);
    const model::Treatment& t = reading.treatment;
    if (!reading.Read()) {
        // The field parser reads the usual forms its own way and leaves what it cannot read
        // unused (read past); a field in three is read here alone.
        if (BeginsTierced(s, 0)) TellUnplaced(s, reading, 0);
        return false;
    }
    // A field semé that names no tincture and ends the blazon ("Azure semy of fleurs-de-lis"):
    // no later phrase lends the charges a tincture, so the treatment strews them in the usual one.
    const bool semeAlone = t.form == model::TreatmentForm::Seme && reading.end >= s.wordCount && s.Type(reading.end - 1) != kTypeTincture;
    if (t.IsPlain() || (FieldParserDraws(s, t) && !semeAlone)) return false;
    const auto [first, second] = t.FirstTwoTinctures();
    s.fieldColor1 = first;
    s.fieldColor2 = second < 0 ? first : second;
    s.shapeCode = s.partitionCode = s.lastShapeCode = ShapeOf(t);
    s.lineCode = t.line;
    s.lineRepeats = 0;
    const ShieldGeometry& g = s.geometry;
    const SurfaceFill fill = model::ToSurfaceFill(t);
    const SurfaceMask mask = SurfaceMask::Whole({2, 2, g.W - 1, g.shieldBottom - 1});
    const SurfacePaintRequest request{fill, mask, SurfaceLay::Broad, g.W2, g.H2};
    PaintSurface(s, request);
    StrewSemes(s, t, request);
    s.levelTincture[s.level] = first;
    for (int i = 0; i < reading.end; ++i) s.UseWord(i);
    s.cursor = reading.end;
    TellStraightLines(s, t);
    if (s.trace) s.trace->field.form = "treatment " + t.Describe();
    return true;
}

namespace phrase {

bool TreatedLevelRule(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (level.levelKind == 0 || level.levelCount == 0 || level.levelIn || HasTincture(s)) return false;
    if (!BeginsDividedTreatment(s, s.cursor) && !BeginsStrewnTreatment(s, s.cursor)) return false;
    const TreatmentReading reading = ReadTreatment(s, s.cursor);
    TellUnplaced(s, reading, s.cursor);
    const int after = s.cursor + 1;
    const bool namedSeme = s.Type(after) == kTypeTincture && s.Sub1(after) >= kGuttee && s.Sub1(after) <= kCrusilly;
    if (!reading.Read() || OlderRulesDraw(level, reading.treatment, namedSeme)) return false;
    // Drawn by the tinctures' or the parted charges' own means, the treatment is the model's all the same.
    if ((TinctureRulesDraw(reading.treatment) && !LiesAslant(s, level)) ||
        (level.levelKind != kTypeOrdinary && (reading.treatment.IsPlain() || PartedLevelDraws(reading.treatment)))) {
        if (!reading.treatment.IsPlain()) s.model.levelTreatment = reading.treatment;
        return false;
    }
    // A division that comes to one tincture ("quarterly counterchanged") is that tincture.
    if (!reading.treatment.IsPlain()) s.levelTreatments[static_cast<std::size_t>(s.ClampedLevel())] = reading.treatment;
    Tincture(s) = reading.treatment.FirstTincture();
    for (int i = s.cursor; i < reading.end; ++i) s.UseWord(i);
    s.cursor = reading.end - 1;  // on the last tincture, where the tincture's follow-up starts
    TinctureFollowUp(s);
    return true;
}

}  // namespace phrase

void ForgetUndrawnTreatment(DrawingState& s) {
    if (!LevelIsTreated(s)) return;
    s.levelTreatments[static_cast<std::size_t>(s.ClampedLevel())] = model::Treatment{};
    s.messages.Show(msg::kTreatmentInFirstTincture);
}

bool LevelIsTreated(const DrawingState& s) { return !s.levelTreatments[static_cast<std::size_t>(s.ClampedLevel())].IsPlain(); }

namespace {

// The charges of the current level drawn twice, in their first tincture and in another, which
// tells the pixels of their bodies (those in the other tincture there and not here: outlines and
// details in tinctures of their own are alike in both); each charge's body is then painted in the treatment, laid in that charge's own box.
void DrawTreatedCharges(DrawingState& s, const model::Treatment& t) {
    const int first = t.FirstTincture();
    // Not sable: a sable charge has a grey outline, which would differ too.
    const int probe = first == kGules ? kAzure : kGules;
    struct Saved {
        Bitmap picture;
        std::vector<std::int8_t> codes;
        std::vector<std::uint64_t> visited;
        int pictures, ringNext, ringWritten;
        LevelRecord record;
    };
    LevelRecord& record = s.levels[static_cast<std::size_t>(s.ClampedLevel())];
    const Saved before{s.picture, s.pictureBuffer, s.visited, s.pictureCount, s.ringNext, s.ringWritten, record};
    LevelTrace* trace = CurrentLevelTrace(s);
    const std::size_t placed = trace != nullptr ? trace->placements.size() : 0;
    phrase::Tincture(s) = probe;
    ArrangeLevel(s);
    const Bitmap probed = s.picture;
    s.picture = before.picture;
    s.pictureBuffer = before.codes;
    s.visited = before.visited;
    s.pictureCount = before.pictures;
    s.ringNext = before.ringNext;
    s.ringWritten = before.ringWritten;
    record = before.record;
    if (trace != nullptr) {
        trace->placements.resize(placed);
        trace->layout.clear();
    }
    phrase::Tincture(s) = first;
    ArrangeLevel(s);
    const int width = std::min(s.picture.Width(), probed.Width()), height = std::min(s.picture.Height(), probed.Height());
    std::vector<bool> body(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            body[static_cast<std::size_t>(y) * width + x] = probed.Pixel(x, y) == kPalette[probe] && !(s.picture.Pixel(x, y) == probed.Pixel(x, y));
    const SurfaceFill fill = model::ToSurfaceFill(t);
    for (const Rect& box : ChargeBoxes(body, width, height)) {
        SurfaceMask mask;
        mask.box = box;
        mask.in.assign(static_cast<std::size_t>(box.Width()) * static_cast<std::size_t>(box.Height()), false);
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                mask.in[static_cast<std::size_t>(y - box.top) * box.Width() + (x - box.left)] = body[static_cast<std::size_t>(y) * width + x];
        PaintSurface(s, {fill, mask, SurfaceLay::Broad});
    }
}

}  // namespace

void DrawTreatedLevel(DrawingState& s) {
    model::Treatment& kept = s.levelTreatments[static_cast<std::size_t>(s.ClampedLevel())];
    const model::Treatment t = kept;
    kept = model::Treatment{};
    s.model.levelTreatment = t;
    if (phrase::Current(s).levelKind != kTypeOrdinary) {
        if (s.view == OutputView::Shield) {
            DrawTreatedCharges(s, t);
        } else {
            ArrangeLevel(s);  // the achievement's copy of the shield: the charges in their first tincture
        }
        TellStraightLines(s, t);
        if (LevelTrace* trace = CurrentLevelTrace(s)) trace->layout += " (" + t.Describe() + " on each charge)";
        return;
    }
    // The surface alone, over a picture and a buffer of codes that no painting leaves: some
    // shapes plot part of their pixels without storing a code (the lines of partition).
    const std::vector<std::int8_t> before = s.pictureBuffer;
    const Bitmap pictureBefore = s.picture;
    std::fill(s.pictureBuffer.begin(), s.pictureBuffer.end(), kUnpaintedCode);
    s.picture.Fill(kUnpaintedColour);
    ArrangeLevel(s);
    const ShieldGeometry& g = s.geometry;
    const int width = std::min(g.W, s.picture.Width()), height = s.picture.Height();
    auto painted = [&](int x, int y) {
        const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
        return !(s.picture.Pixel(x, y) == kUnpaintedColour) || (i < s.pictureBuffer.size() && s.pictureBuffer[i] != kUnpaintedCode);
    };
    Rect box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (painted(x, y)) box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    SurfaceMask mask;
    mask.box = box.Width() > 0 && box.Height() > 0 ? box : Rect{};
    mask.in.assign(static_cast<std::size_t>(mask.box.Width()) * static_cast<std::size_t>(mask.box.Height()), false);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (painted(x, y)) mask.in[static_cast<std::size_t>(y - box.top) * mask.box.Width() + (x - box.left)] = true;
    // Outside the surface, the picture and the codes as they were.
    for (int y = 0; y < s.picture.Height(); ++y)
        for (int x = 0; x < s.picture.Width(); ++x)
            if (s.picture.Pixel(x, y) == kUnpaintedColour) s.picture.SetPixel(x, y, pictureBefore.Pixel(x, y));
    for (std::size_t i = 0; i < s.pictureBuffer.size(); ++i)
        if (s.pictureBuffer[i] == kUnpaintedCode) s.pictureBuffer[i] = before[i];
    const ShapeCode shape = s.shapeCode;
    std::shared_ptr<const EdgeRing> laid;
    if (CutRoundTheEdge(s, t)) {
        laid = s.edgeRings.RingFor(g, g.Px(kBordureBreadth));
        const EdgeRing& ring = *laid;
        // What the shape painted inside the even bordure's inner edge is the field again.
        if (s.view == OutputView::Shield)
            for (int y = box.top; y < box.bottom; ++y)
                for (int x = box.left; x < box.right; ++x) {
                    if (!mask.Contains(x, y) || ring.mask.Contains(x, y)) continue;
                    if (x < s.picture.Width() && y < s.picture.Height()) s.picture.SetPixel(x, y, pictureBefore.Pixel(x, y));
                    const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
                    if (i < s.pictureBuffer.size()) s.pictureBuffer[i] = before[i];
                }
        mask = laid->mask;
        box = mask.box;
    }
    const SurfaceLay lay = shape == kBordure || shape == kOrle || shape == kTressure || shape == kTressureFlory ? SurfaceLay::Ring : SurfaceLay::Find;
    // Divided on the shield's own lines where the surface spans them, as the shapes centre it.
    const int middleX = box.left < g.W2 && g.W2 < box.right ? g.W2 : -1;
    const int middleY = box.top < g.H2 && g.H2 < box.bottom ? g.H2 : -1;
    const SurfaceFill fill = model::ToSurfaceFill(t);
    SurfacePaintRequest request{fill, mask, lay, middleX, middleY};
    if (laid != nullptr && !laid->mask.in.empty()) request.edge = laid.get();
    PaintSurface(s, request);
    StrewSemes(s, t, request);
    TellStraightLines(s, t, lay);
    if (LevelTrace* trace = CurrentLevelTrace(s)) trace->layout += " (" + t.Describe() + ")";
}

}  // namespace esc
