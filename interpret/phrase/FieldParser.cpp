#include "interpret/phrase/FieldParser.h"

#include "interpret/phrase/OrdinaryPositionWords.h"

#include <algorithm>

#include "engine/Messages.h"
#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/phrase/PartedLevel.h"
#include "interpret/phrase/ReadTreatment.h"
#include "interpret/phrase/TreatedSurface.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/trace/Trace.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {


// Shape codes the field parser tests (the shapes' own codes).
constexpr ShapeCode kFessCode = kFess, kChevronCode = kChevron, kQuarterlyCode = kCross, kBarryCode = kBarry,
                    kChevronInvertedCode = kChevronInverted, kQuarterlyPerFessLinedCode = kQuarterlyPerFessLined,
                    kQuarterlyPerPaleLinedCode = kQuarterlyPerPaleLined, kPaleDivisionCode = kPale;
// Quarters of a pattern named with no count ("quarterly ermine and paly or and gules") are of six.
constexpr int kDefaultQuarterPieces = 6;
// Sub2 of "fimbriated" among the ordinary treatments.
constexpr int kFimbriatedWord = 19;

void PaintRows(DrawingState& s, int fromRow, int toRow, int x1, int x2) {
    for (int y = fromRow; y <= toRow; ++y) PaintSpan(s, x1, y, x2);
}

// "Argent guttee gules": a semé word after the field's tincture gives the code the field is
// painted in. Every spelling the vocabulary has for one ("gutty", "billety", "bezanty",
// "crusily") is read as the word itself.
int SemeeCode(const DrawingState& s, int index) {
    if (s.Type(index) != kTypeTincture) return -1;
    const int code = s.Sub1(index);
    return code == kGuttee || code == kBillettee || code == kBezantee || code == kCrusilly ? code : -1;
}

int Fail(DrawingState& s, std::string_view message) {
    s.messages.Show(message);
    return 1;
}

// "Quarterly ermine and paly of six or and gules": the first and fourth quarters of the one
// tincture, the second and third each of the pattern, its pieces laid across the quarter. Whether
// the words say that; the field is then painted and the cursor stands after them.
bool QuarterlyOfAPattern(DrawingState& s) {
    if (ShapeOfCode(s.Sub1(0)) != kQuarterlyCode || s.Type(1) != kTypeTincture || !WordIs(s, 2, "and") || s.Type(3) != kTypeOrdinary ||
        !ChargePatternShape(ShapeOfCode(s.Sub1(3))))
        return false;
    int at = 4, pieces = s.Sub2(3) > 0 ? s.Sub2(3) : kDefaultQuarterPieces;
    if (WordIs(s, 4, "of") && s.Type(5) == kTypeNumber && s.Sub1(5) > 0) {
        pieces = std::min(s.Sub1(5), kMaxFieldPieces);
        at = 6;
    }
    if (s.Type(at) != kTypeTincture || !WordIs(s, at + 1, "and") || s.Type(at + 2) != kTypeTincture) return false;
    const ShapeCode pattern = ShapeOfCode(s.Sub1(3));
    const int second = s.Sub1(at + 2);
    s.fieldColor1 = s.Sub1(1);
    s.fieldColor2 = s.Sub1(at);
    s.shapeCode = s.lastShapeCode = s.partitionCode = kQuarterlyCode;
    s.lineCode = -1;
    s.fieldPieces = pieces;
    for (int i = 0; i <= at + 2; ++i) s.UseWord(i);
    s.cursor = at + 3;
    DrawOrdinary(s, {s.shapeCode, true});
    // The second and third quarters, as Quarterly() lays them, take the pattern's second
    // tincture on every other piece.
    const ShieldGeometry& g = s.geometry;
    const Rect quarters[] = {{g.W / 2, 0, g.W + 1, g.H / 2}, {0, g.H / 2, g.W / 2, g.shieldBottom + 1}};
    for (const Rect& q : quarters) {
        for (int y = q.top; y < q.bottom; ++y) {
            int runStart = -1;
            for (int x = q.left; x <= q.right; ++x) {
                const bool odd = x < q.right && PatternPiece(pattern, pieces, q, x, y) % 2 == 1;
                if (odd && runStart < 0) runStart = x;
                if (odd || runStart < 0) continue;
                if (IsPlainTincture(second)) {
                    PlotRun(s, runStart, y, x, second);
                } else {
                    PaintSpan(s, SpanRequest{runStart, y, x, second});
                }
                runStart = -1;
            }
        }
    }
    return true;
}

// "per pale fimbriated or, gules and azure", "per bend gules and azure fimbriated or": the
// tincture of the narrow band along the line, read with its word.
void ReadLineFimbriation(DrawingState& s) {
    if (s.Type(s.cursor) != kTypeAttitude || s.Sub2(s.cursor) != kFimbriatedWord || s.Type(s.cursor + 1) != kTypeTincture)
        return;
    s.fieldFimbriation = s.Sub1(s.cursor + 1);
    s.UseWord(s.cursor);
    s.UseWord(s.cursor + 1);
    s.cursor += 2;
}

// A partition word first: "Paly of six or and azure", "Barry wavy argent and gules".
void PartitionWordField(DrawingState& s) {
    if (QuarterlyOfAPattern(s) || TreatedField(s)) return;
    s.fieldColor1 = s.namedTinctures[0];
    s.fieldColor2 = s.namedTinctures[1];
    s.shapeCode = s.lastShapeCode = ShapeOfCode(s.Sub1(0));
    s.UseWord(0);
    s.cursor = 1;
    const ShapeCode linedDivision = s.Type(2) == kTypeOrdinary ? ShapeOfCode(s.Sub1(2)) : kNoShape;
    if (s.shapeCode == kQuarterlyCode && WordIs(s, 1, "per") && (linedDivision == kFessCode || linedDivision == kPaleDivisionCode) &&
        s.Type(3) == kTypeLine) {
        // "Quarterly per fess indented": the line across has the style, the line down is plain;
        // "quarterly per pale dovetailed" the other way about.
        s.shapeCode = s.lastShapeCode = linedDivision == kFessCode ? kQuarterlyPerFessLinedCode : kQuarterlyPerPaleLinedCode;
        s.lineCode = s.Sub1(3);
        s.lineRepeats = s.Sub2(3);
        for (int i = 1; i <= 3; ++i) s.UseWord(i);
        s.cursor = 4;
    } else if (s.Type(1) == kTypeLine) {
        s.lineCode = s.Sub1(1);
        s.lineRepeats = s.Sub2(1);
        s.UseWord(1);
        s.cursor = 2;
    }
    ReadLineFimbriation(s);
    if (s.fieldFimbriation >= 0) {
        // The edge's tincture was named first: the field's are the two after it.
        if (s.Type(s.cursor) == kTypeTincture) s.fieldColor1 = s.Sub1(s.cursor);
        if (s.Type(s.cursor + 2) == kTypeTincture) s.fieldColor2 = s.Sub1(s.cursor + 2);
    }
    if (WordIs(s, s.cursor, "of") && s.Type(s.cursor + 1) == kTypeTincture) {
        // "Barry nebuly of argent and azure", "Cheveronny of ermine and gules": the "of" only
        // leads to the tinctures, and the pieces are those of the word alone.
        s.UseWord(s.cursor);
        ++s.cursor;
    }
    s.fieldPieces = 8;
    // "Burelly argent and gules": barry of the word's own count when no number follows.
    if (s.lastShapeCode == kBarryCode && s.Sub2(0) > 0) s.fieldPieces = s.Sub2(0);
    // "Gyronny or and sable" with no number is gyronny of eight, as the word alone means; four
    // pieces would be the quarters of a field quarterly.
    // "Bendy argent and azure" with no number is bendy of six; the shapes draw bendy only of six
    // and of ten, and eight would leave the field in its first tincture.
    if (s.lastShapeCode == ShapeCode::kBendy && s.Type(s.cursor) == kTypeTincture) s.fieldPieces = 6;
    const bool countBefore = WordIs(s, s.cursor, "of");
    if (countBefore) {
        if (s.Type(s.cursor + 1) != kTypeNumber) s.messages.Show(msg::kExpectingANumber);
        s.fieldPieces = s.Sub1(s.cursor + 1);
        if (s.fieldPieces < 1) s.fieldPieces = 8;  // a count below one never reaches the shapes
        if (s.Type(s.cursor + 1) == kTypeNumber) {
            s.UseWord(s.cursor);
            s.UseWord(s.cursor + 1);
        }
        s.cursor += 2;
    }
    // Only a tincture or the "and" between two counts among the three words stepped over.
    for (int i = s.cursor; i < s.cursor + 3; ++i)
        if (s.Type(i) == kTypeTincture || WordIs(s, i, "and")) s.UseWord(i);
    s.cursor += 3;  // the tinctures and the "and" between them: the named tinctures stand in
    // "Barry argent and azure of six": the count after the tinctures, as French blazon writes it
    // ("fascé d'argent et d'azur de six pièces").
    if (!countBefore && WordIs(s, s.cursor, "of") && s.Type(s.cursor + 1) == kTypeNumber && s.Sub1(s.cursor + 1) >= 1) {
        s.fieldPieces = s.Sub1(s.cursor + 1);
        s.UseWord(s.cursor);
        s.UseWord(s.cursor + 1);
        s.cursor += 2;
    }
    s.partitionCode = s.shapeCode;
    DrawOrdinary(s, {s.shapeCode, true});
    if (s.fieldFimbriation >= 0) DrawLineFimbriation(s, s.fieldFimbriation);
}

// "Per bend sinister wavy argent and gules".
int PerField(DrawingState& s) {
    if (TreatedField(s)) return 0;
    if (BeginsTierced(s, 0)) return 1;  // a field in three is read as a treatment alone, which said where it broke off
    s.fieldColor1 = s.namedTinctures[0];
    s.fieldColor2 = s.namedTinctures[1];
    if (s.Type(1) != kTypeOrdinary) return Fail(s, msg::kPartitionExpected);
    s.shapeCode = s.partitionCode = s.lastShapeCode = ShapeOfCode(s.Sub1(1));
    s.UseWord(0);
    s.UseWord(1);
    s.cursor = 2;
    if (WordIs(s, s.cursor, "sinister")) {
        s.shapeCode = kBendSinister;
        s.UseWord(s.cursor);
        ++s.cursor;
    } else if (s.shapeCode == kChevronCode && (WordIs(s, s.cursor, "inverted") || WordIs(s, s.cursor, "reversed"))) {
        s.shapeCode = s.partitionCode = s.lastShapeCode = kChevronInvertedCode;
        s.UseWord(s.cursor);
        ++s.cursor;
    } else if (s.shapeCode == ShapeCode::kPall && (WordIs(s, s.cursor, "inverted") || WordIs(s, s.cursor, "reversed"))) {
        s.shapeCode = s.partitionCode = s.lastShapeCode = ShapeCode::kPallReversed;
        s.UseWord(s.cursor);
        ++s.cursor;
    }
    // "per fess enhanced", "per chevron wavy abased": the line moved up or down.
    auto readPosition = [&s] {
        if (s.position != OrdinaryPosition::Usual) return;
        s.position = PartitionPositionAt(s, s.cursor);
        if (s.position == OrdinaryPosition::Usual) return;
        s.UseWord(s.cursor);
        ++s.cursor;
    };
    readPosition();
    if (s.Type(s.cursor) == kTypeLine) {
        s.lineCode = s.Sub1(s.cursor);
        s.lineRepeats = s.Sub2(s.cursor);
        s.UseWord(s.cursor);
        ++s.cursor;
    } else {
        s.lineCode = -1;
    }
    // "per pale indented and wavy": a line of partition has one style; the second is read past
    // (and said so) and the field is drawn with the first.
    if (s.lineCode >= 0 && WordIs(s, s.cursor, "and") && s.Type(s.cursor + 1) == kTypeLine && s.Type(s.cursor + 2) == kTypeTincture)
        s.cursor += 2;
    readPosition();
    ReadLineFimbriation(s);
    // "Party saltirewise of gules and ermine": the "of" only leads to the tinctures.
    if (WordIs(s, s.cursor, "of") && s.Type(s.cursor + 1) == kTypeTincture) {
        s.UseWord(s.cursor);
        ++s.cursor;
    }
    if (s.Type(s.cursor) == kTypeTincture) {
        s.fieldColor1 = s.Sub1(s.cursor);
        s.UseWord(s.cursor);
    }
    ++s.cursor;
    if (s.shapeCode == ShapeCode::kPall || s.shapeCode == ShapeCode::kPallReversed) {
        if (s.Type(s.cursor) != kTypeTincture) return Fail(s, msg::kExpectingAColor);
        s.fieldColor3 = s.Sub1(s.cursor);
        s.UseWord(s.cursor);
        ++s.cursor;
    }
    if (!WordIs(s, s.cursor, "and")) return Fail(s, msg::kExpectingAnd);
    s.UseWord(s.cursor);
    ++s.cursor;
    if (s.Type(s.cursor) != kTypeTincture) return Fail(s, msg::kExpectingSecondColor);
    s.fieldColor2 = s.Sub1(s.cursor);
    s.UseWord(s.cursor);
    ++s.cursor;
    if (s.fieldFimbriation < 0) ReadLineFimbriation(s);
    s.levelTincture[s.level] = s.fieldColor1;
    DrawOrdinary(s, {s.shapeCode, true});
    if (s.fieldFimbriation >= 0) DrawLineFimbriation(s, s.fieldFimbriation);
    return 0;
}

// A tincture first: plain, fur, chequy, vairé or lozengy, semé, fretty.
int TinctureField(DrawingState& s, FieldTrace* trace) {
    const ShieldGeometry& g = s.geometry;
    // "Countervair argent and azure": a pattern the forms below do not paint.
    if ((BeginsDividedTreatment(s, 0) || BeginsStrewnTreatment(s, 0)) && TreatedField(s)) return 0;
    s.levelTincture[s.level] = s.Sub1(0);
    if (s.Type(0) == kTypeNotFound && s.wordCount > 0) {
        // The word the field should have been read from is named, or the user would see a shield
        // left unpainted with nothing to say why.
        constexpr std::string_view kText = msg::kFieldWordNotRead;
        constexpr std::size_t kAt = kText.find("{}");
        static_assert(kAt != std::string_view::npos);
        std::string message(kText.substr(0, kAt));
        message.append(s.Word(0)).append(kText.substr(kAt + 2));
        return Fail(s, message);
    }
    if (s.Type(0) != kTypeTincture) {
        // Words that name what lies on the field, with the field's tincture left unsaid.
        if (s.wordCount == 0) return Fail(s, msg::kColorOrPartitionRequired);
        return Fail(s, s.namedTinctureCount == 0 ? msg::kNoTinctureNamed : msg::kFieldTinctureNotNamed);
    }
    s.UseWord(0);
    int code = s.levelTincture[s.level];
    if (code == kChequy || code == kVaire || code == kLozengy) {
        // "Lozengy bendwise or and sable": the word after lozengy turns the lozenges.
        int at = 1;
        if (code == kLozengy && WordIs(s, 1, "bendwise")) {
            code = s.levelTincture[s.level] = kLozengyBendwise;
            s.UseWord(1);
            at = 2;
        }
        if (s.Type(at) == kTypeTincture) {
            s.fieldColor1 = s.Sub1(at);
            s.UseWord(at);
            s.cursor = at + 2;
            if (s.Type(at + 2) == kTypeTincture) {
                s.fieldColor2 = s.Sub1(at + 2);
                s.UseWord(at + 1);
                s.UseWord(at + 2);
                s.cursor = at + 3;
            }
        } else {
            s.cursor = at;
        }
        if (trace) {
            trace->form = code == kChequy ? "chequy" : code == kVaire ? "vaire" : code == kLozengy ? "lozengy" : "lozengy bendwise";
            trace->tincture = code;
        }
        PaintRows(s, 2, g.shieldBottom - 5, 1, g.W - g.Px(2));
        return 0;
    }
    const int semee = SemeeCode(s, 1);
    if (semee >= 0) {
        s.fieldColor1 = code;
        // Semé without a tincture named: gold, or silver on a gold field.
        s.fieldColor2 = code == kOr ? kArgent : kOr;
        s.UseWord(1);
        // "semee of crosses crosslet fitchy": the crosslets of the semé with pointed feet.
        s.crusillyFitchy = semee == kCrusilly && WordIs(s, 2, "fitchee");
        if (s.crusillyFitchy) s.UseWord(2);
        for (int i = 2; i < s.wordCount; ++i) {
            if (s.Type(i) == kTypeTincture) {
                s.fieldColor2 = s.Sub1(i);
                break;
            }
        }
        s.levelTincture[s.level] = semee;
        s.cursor = s.crusillyFitchy ? 2 : 1;
        if (trace) trace->form = "semee";
    } else {
        s.cursor = 0;
        if (trace) trace->form = "plain";
    }
    if (trace) trace->tincture = s.levelTincture[s.level];
    PaintRows(s, 2, g.shieldBottom - 2, 2, g.W - g.Px(2));
    ++s.cursor;
    s.levelTincture[s.level] = s.namedTinctures[1];
    if (WordIs(s, s.cursor, "fretty")) {
        ++s.cursor;
        if (s.Type(s.cursor) == kTypeTincture) {
            s.levelTincture[s.level] = s.Sub1(s.cursor);
            s.UseWord(s.cursor - 1);
            s.UseWord(s.cursor);
            DrawFretty(s);
        }
        ++s.cursor;
    }
    if (s.Type(s.cursor) == kTypeTincture) {
        // The tincture of the semé just read, or a second field tincture that nothing paints.
        if (semee >= 0) s.UseWord(s.cursor);
        ++s.cursor;
    }
    return 0;
}

}  // namespace

// The ground of a badge: white, which every picture format shows alike.
constexpr Rgb kBadgeGround{255, 255, 255};

bool IsFieldless(const DrawingState& s) { return WordIs(s, 0, "fieldless"); }

int ParseField(DrawingState& s) {
    s.lastShapeCode = s.shapeCode = kNoShape;
    s.lineCode = -1;
    s.lineRepeats = 0;
    s.position = OrdinaryPosition::Usual;
    s.secondLineCode = kPlainLine;
    s.levelTincture[-1] = -1;
    s.cursor = 0;
    s.fieldColor1 = s.fieldColor2 = s.fieldColor3 = 0;
    s.crusillyFitchy = false;
    s.fieldFimbriation = -1;
    s.treatmentBreakTold = -1;
    FieldTrace* trace = s.trace ? &s.trace->field : nullptr;

    int result = 0;
    if (IsFieldless(s)) {
        // A badge: its charges stand on a white ground, with no field and no shield.
        if (trace) trace->form = "fieldless";
        s.UseWord(0);
        s.picture.Fill(kBadgeGround);
        s.cursor = 1;
    } else if (s.Type(0) == kTypeOrdinary) {
        if (trace) trace->form = "partition word";
        PartitionWordField(s);
    } else if (WordIs(s, 0, "per") || BeginsTierced(s, 0)) {
        if (trace) trace->form = "per";
        result = PerField(s);
    } else {
        result = TinctureField(s, trace);
    }
    if (result == 0) s.lastShapeCode = s.shapeCode;
    // The field's words count once it is painted; after a message the field is not what they say.
    if (result == 0) {
        s.CommitUsedWords();
    } else {
        s.wordPending.fill(false);
    }
    if (trace) {
        if (result != 0) trace->form = "error";
        trace->fieldColor1 = s.fieldColor1;
        trace->fieldColor2 = s.fieldColor2;
        trace->fieldColor3 = s.fieldColor3;
        trace->fieldPieces = s.fieldPieces;
        trace->partitionCode = CodeOf(s.partitionCode);
        trace->shapeCode = CodeOf(s.shapeCode);
        trace->lastShapeCode = CodeOf(s.lastShapeCode);
        trace->lineCode = s.lineCode;
        trace->result = result;
        trace->cursor = s.cursor;
    }
    return result;
}

}  // namespace esc
