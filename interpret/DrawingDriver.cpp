#include "interpret/DrawingDriver.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "database/TableStore.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/layout/BelowTheLabel.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/FieldParser.h"
#include "interpret/phrase/HalvesWithCharges.h"
#include "interpret/marshal/MarshalledGrid.h"
#include "interpret/marshal/Marshalling.h"
#include "interpret/marshal/PartedField.h"
#include "interpret/phrase/LineWidth.h"
#include "interpret/read/BlazonPieces.h"
#include "interpret/read/CrossedPartitions.h"
#include "interpret/read/Normaliser.h"
#include "interpret/read/OrdinaryNamedAgain.h"
#include "interpret/read/PartitionAfterTinctures.h"
#include "interpret/read/PassiveHold.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/marshal/PrintedMarshalling.h"
#include "interpret/read/FieldlessBadge.h"
#include "interpret/marshal/PrintedWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/trace/Trace.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {


std::vector<WordTrace> WordsOf(const DrawingState& s) {
    std::vector<WordTrace> out;
    for (int i = 0; i < s.wordCount; ++i) out.push_back({std::string(s.Word(i)), s.Type(i), s.Sub1(i), s.Sub2(i)});
    return out;
}

// Words whose Type names an ordinary or a charge: a blazon holding one and drawn as a bare field
// lost something.
bool NamesOrdinaryOrCharge(int type) {
    return type == kTypeOrdinary || type == kTypeCharge || type == kTypeRoundel || IsOtherChargeWord(type);
}

// Whether the words after the field name an ordinary or a charge.
bool NamesMoreThanTheField(const DrawingTrace& trace) {
    for (std::size_t i = static_cast<std::size_t>(std::max(trace.field.cursor, 0)); i < trace.secondPass.size(); ++i)
        if (NamesOrdinaryOrCharge(trace.secondPass[i].type)) return true;
    return false;
}

// After the phrases: which words had an effect, and whether anything beyond the field was painted
// (`field`: the picture as the field left it, kept only when more than the field is named).
void FinishWordTrace(const DrawingState& s, DrawingTrace& trace, bool names, const Bitmap& field) {
    for (std::size_t i = 0; i < trace.secondPass.size(); ++i) {
        WordTrace& w = trace.secondPass[i];
        w.used = s.wordUsed[i];
        if (!w.used && std::find(trace.ignoredWords.begin(), trace.ignoredWords.end(), w.text) == trace.ignoredWords.end())
            trace.ignoredWords.push_back(w.text);
    }
    trace.fieldOnly = names && s.picture == field;
}

// Where word `n` (from 0) of `text` begins, the words parted by blanks; the text's size when it
// has no such word.
std::size_t WordStart(std::string_view text, int n) {
    std::size_t i = 0;
    for (int word = 0; i < text.size(); ++word) {
        while (i < text.size() && printed::IsBlank(text[i])) ++i;
        if (word == n || i == text.size()) return i;
        while (i < text.size() && !printed::IsBlank(text[i])) ++i;
    }
    return text.size();
}

// The words of `whole` from `kept` on, which a drawing does not read (the blazon buffer holds
// kMaxBlazonChars characters and kMaxWords words), are told: the shield is not as blazoned.
void TellTheWordsLeftOut(DrawingState& s, std::string_view whole, std::size_t kept) {
    const std::string_view rest = whole.substr(std::min(kept, whole.size()));
    const std::size_t first = WordStart(rest, 0);
    if (first == rest.size()) return;
    constexpr int kWordsQuoted = 6;
    const std::size_t quotedEnd = WordStart(rest, kWordsQuoted);
    std::string quoted(rest.substr(first, quotedEnd - first));
    while (!quoted.empty() && printed::IsBlank(quoted.back())) quoted.pop_back();
    if (quotedEnd < rest.size()) quoted += " ...";
    s.messages.Show("The blazon is longer than a drawing reads (" + std::to_string(kMaxBlazonChars) +
                    " characters, " + std::to_string(kMaxWords) + " words): \"" + quoted + "\" is not read.");
}

}  // namespace

void SplitWords(DrawingState& s, std::string_view text) {
    s.wordCount = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && printed::IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !printed::IsBlank(text[i])) ++i;
        if (i == start) break;
        if (s.wordCount < kMaxWords) s.words[static_cast<std::size_t>(s.wordCount++)].Assign(text.substr(start, i - start));
    }
    s.ForgetUsedWords();
    for (int k = s.wordCount; k < kMaxWords + kLookAheadSlots; ++k) {
        s.words[static_cast<std::size_t>(k)].Clear();
        s.wordType[static_cast<std::size_t>(k)] = kTypeNotFound;
    }
}

void LookUpWords(DrawingState& s, bool collectTinctures) {
    for (int i = 0; i < s.wordCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const VocabularyRow* row = s.vocabulary ? s.vocabulary->Lookup(LookupKey(s.words[index].view())) : nullptr;
        if (row == nullptr) {
            // Nothing of an earlier word or drawing is kept: a word not found reads as empty.
            s.wordType[index] = kTypeNotFound;
            s.wordSub1[index] = 0;
            s.wordSub2[index] = 0;
            continue;
        }
        s.wordType[index] = row->type;
        s.wordSub1[index] = row->sub1;
        s.wordSub2[index] = row->sub2;
        if (collectTinctures && row->type == kTypeTincture && IsNamedTincture(row->sub1) &&
            s.namedTinctureCount < kMaxNamedTinctures) {
            s.namedTinctures[static_cast<std::size_t>(s.namedTinctureCount++)] = row->sub1;
        }
    }
}

void PutCrossFormsAfterTheCross(DrawingState& s) {
    for (int i = 0; i + 1 < s.wordCount; ++i) {
        const auto a = static_cast<std::size_t>(i), b = a + 1;
        if (s.wordType[a] != kTypeAttitude || ShapeOfCode(s.wordSub1[a]) != kCross) continue;
        if (s.wordType[b] != kTypeOrdinary || ShapeOfCode(s.wordSub1[b]) != kCross || !db::StartsWithNoCase(s.words[b].view(), "cros")) continue;
        std::swap(s.words[a], s.words[b]);
        std::swap(s.wordType[a], s.wordType[b]);
        std::swap(s.wordSub1[a], s.wordSub1[b]);
        std::swap(s.wordSub2[a], s.wordSub2[b]);
        ++i;
    }
}

void BeginDrawing(DrawingState& s) {
    s.PaintState::BeginDrawing();
    // The measures of pictures are kept; which one this drawing has found the same is not.
    if (s.measuredPicture) {
        s.measuredPicture->file.clear();
        s.measuredPicture->last = nullptr;
    }
    (void)s.picture.Resize(s.geometry.ImageWidth(), s.PictureHeight());
    s.picture.Fill(kTeal);
    // A drawing never depends on an earlier one.
    s.namedTinctures.fill(0);
    s.namedTinctureCount = 0;
    s.wordCount = 0;
    s.wordType.fill(kTypeNotFound);
    s.wordSub1.fill(0);
    s.wordSub2.fill(0);
    s.level = 0;
    s.partitionCode = kNoShape;
    s.fieldPieces = 8;
    s.levelTincture.Reset();
    s.pictureCount = -1;
}

namespace {

// The first piece of a blazon (the whole of one that fits the word slots): the field and the
// phrases after it. Whether the shield's outline is still to be drawn round it (a field of parts
// each drawn as a field of its own has its outline).
bool ReadFirstPiece(DrawingState& s, std::string& text) {
    DrawingTrace* trace = s.trace;
    if (s.vocabulary != nullptr && !s.vocabulary->Spellings().Empty()) {
        PartitionBeforeItsTinctures(text, *s.vocabulary);
        CrossedPartitionsCounterchanged(text, *s.vocabulary);
        ChargesOnTheOrdinaryNamedAgain(text, *s.vocabulary);
    }
    // A colon of single arms ("Per pale: or and azure") labels nothing: it parts words as the
    // other punctuation does (after the marks, whose markups may hold one: "{e:}").
    std::replace(text.begin(), text.end(), ':', ' ');
    if (trace) trace->respelled = text;
    MarkFieldlessBadge(text, kMaxBlazonChars);
    const std::string copy = text;
    StripPunctuation(text);
    SplitWords(s, text);
    s.namedTinctureCount = 0;
    LookUpWords(s, true);
    if (trace) {
        trace->firstPass = WordsOf(s);
        trace->namedTinctures.assign(s.namedTinctures.begin(), s.namedTinctures.begin() + s.namedTinctureCount);
    }

    // "Per pale gules a lion or and azure a tower argent": each part a field of its own, its
    // charges laid out in it as in a whole shield. Only the whole shield is so divided: a part
    // being drawn is read as it stands. A half per pale or per fess holding one ordinary alone
    // is left to the placement words, which draw the ordinary out to the half's edges, and so
    // are the partitions the parts' drawing does not take (per chevron).
    text = copy;
    const std::optional<HalvesRewritten> halves = HalvesWithTheirCharges(s);
    if (!(halves && halves->ordinaryAlone) && !s.marshallingMode) {
        if (const std::optional<PartedField> parted = ReadPartedField(copy, s.vocabulary);
            parted && parted->named == PartsNamed::ByTincture) {
            if (trace) trace->road = "parted";
            DrawHost partsHost;
            DrawPartedField(s, *parted, partsHost);
            return false;
        }
    }
    if (halves) {
        text = halves->words;
        for (const std::string_view doubt : halves->doubts) s.messages.Show(doubt);
    }
    Normalise(text, s.namedTinctures[0], s.namedTinctures[1], s.namedTinctures[2], kMaxBlazonChars);
    // "a sword grasped by a hand" is read as "a hand grasping a sword".
    if (std::string turned = text; TurnPassiveHold(turned) && turned.size() <= static_cast<std::size_t>(kMaxBlazonChars)) text = turned;
    if (trace) trace->normalised = text;
    SplitWords(s, text);
    TellTheWordsLeftOut(s, text, WordStart(text, kMaxWords));
    // "of the first" is read above in the order printed; the halves' tinctures now come first,
    // and the field's painting takes the tinctures named in the order the words are read.
    if (halves) {
        s.namedTinctures.fill(0);
        s.namedTinctureCount = 0;
    }
    LookUpWords(s, halves.has_value());
    PutCrossFormsAfterTheCross(s);
    ReadLineWidths(s);
    if (trace) trace->secondPass = WordsOf(s);

    // The buffer is kept from one drawing to the next: what a picture reads of it is only what
    // its decoding or the cache wrote (PW by PH), so it is not cleared.
    if (s.chargePicture.buffer.size() != static_cast<std::size_t>(kChargeBufferSize)) {
        s.chargePicture.buffer.assign(kChargeBufferSize, 0);
        s.chargePicture.print.reset();
    }
    s.pictureCount = -1;
    ParseField(s);
    s.pictureCount = 0;
    // The field alone, to tell afterwards whether the phrases painted anything over it: only a
    // traced drawing whose words name more than the field asks, and the copy goes into storage
    // the state keeps from one drawing to the next.
    const bool names = trace != nullptr && NamesMoreThanTheField(*trace);
    if (names) s.fieldPicture = s.picture;
    InterpretCharges(s);
    if (trace) FinishWordTrace(s, *trace, names, s.fieldPicture);
    return true;
}

// A later piece of a long blazon, read on over the shield the pieces before painted: the
// tinctures they named are kept for "of the first", and its phrases are the next levels.
void ReadLaterPiece(DrawingState& s, std::string text) {
    std::replace(text.begin(), text.end(), ':', ' ');
    std::string bare = text;
    StripPunctuation(bare);
    SplitWords(s, bare);
    LookUpWords(s, true);  // its tinctures follow those named before
    Normalise(text, s.namedTinctures[0], s.namedTinctures[1], s.namedTinctures[2], kMaxBlazonChars);
    if (std::string turned = text; TurnPassiveHold(turned) && turned.size() <= static_cast<std::size_t>(kMaxBlazonChars)) text = turned;
    SplitWords(s, text);
    TellTheWordsLeftOut(s, text, WordStart(text, kMaxWords));
    LookUpWords(s, false);
    PutCrossFormsAfterTheCross(s);
    ReadLineWidths(s);
    const Bitmap before = s.trace != nullptr ? s.picture : Bitmap{};
    const std::vector<WordTrace> words = s.trace != nullptr ? WordsOf(s) : std::vector<WordTrace>{};
    InterpretLaterPiece(s);
    if (DrawingTrace* trace = s.trace) {
        trace->pieces.push_back(text);
        const std::size_t first = trace->secondPass.size();
        trace->secondPass.insert(trace->secondPass.end(), words.begin(), words.end());
        DrawingTrace piece;
        piece.secondPass.assign(trace->secondPass.begin() + static_cast<std::ptrdiff_t>(first), trace->secondPass.end());
        FinishWordTrace(s, piece, false, before);
        for (std::size_t i = 0; i < piece.secondPass.size(); ++i) trace->secondPass[first + i].used = piece.secondPass[i].used;
        for (const std::string& word : piece.ignoredWords)
            if (std::find(trace->ignoredWords.begin(), trace->ignoredWords.end(), word) == trace->ignoredWords.end())
                trace->ignoredWords.push_back(word);
        if (s.picture != before) trace->fieldOnly = false;
    }
}

// A phrase the words of one piece left open, read on in the next: its level, and where in the
// trace's words lie those it read so far (pending until the level is drawn).
struct OpenPhrase {
    int level = -1;
    std::vector<std::size_t> traced;
};

OpenPhrase OpenPhraseOf(const DrawingState& s) {
    OpenPhrase open;
    if (s.trace == nullptr || s.level < 0 || s.level >= kMaxLevels || s.levels[static_cast<std::size_t>(s.level)].levelCount == 0)
        return open;
    open.level = s.level;
    const std::size_t first = s.trace->secondPass.size() - std::min(s.trace->secondPass.size(), static_cast<std::size_t>(s.wordCount));
    for (int i = 0; i < s.wordCount; ++i)
        if (s.wordPending[static_cast<std::size_t>(i)]) open.traced.push_back(first + static_cast<std::size_t>(i));
    return open;
}

// The words no piece used, in order, each once.
void RecountIgnoredWords(DrawingTrace& trace) {
    trace.ignoredWords.clear();
    for (const WordTrace& w : trace.secondPass)
        if (!w.used && std::find(trace.ignoredWords.begin(), trace.ignoredWords.end(), w.text) == trace.ignoredWords.end())
            trace.ignoredWords.push_back(w.text);
}

// The text of the pieces from `from` on, joined.
std::string PiecesFrom(const BlazonPieces& cut, std::size_t from) {
    std::string rest;
    for (std::size_t i = from; i < cut.pieces.size(); ++i) rest += (rest.empty() ? "" : " ") + cut.pieces[i];
    return rest;
}

}  // namespace

void InterpretSingleArms(DrawingState& s, std::string& text) {
    // "(Fieldless)" is read as the word inside its brackets.
    constexpr std::string_view kFieldless = "(fieldless)";
    if (text.size() >= kFieldless.size() && EqualsIgnoringCase(std::string_view(text).substr(0, kFieldless.size()), kFieldless))
        text = "fieldless" + text.substr(kFieldless.size());
    // The words as armorials print them read as the vocabulary's words, before any lookup.
    const bool respells = s.vocabulary != nullptr && !s.vocabulary->Spellings().Empty();
    auto respelled = [&](std::string_view piece) { return respells ? s.vocabulary->Spellings().Respell(piece) : std::string(piece); };
    // A text longer than the blazon buffer or the word slots is read in pieces cut at its clauses
    // as printed (respelling drops the punctuation), each fitting both as respelled and
    // normalised ("in the first quarter" is two words read).
    const PieceFits fits = [&](std::string_view piece) {
        std::string read = respelled(piece);
        if (read.size() > static_cast<std::size_t>(kMaxBlazonChars)) return false;
        Normalise(read, kOr, kArgent, kGules, kMaxBlazonChars);
        return FitsOneReading(read, kMaxBlazonChars, kMaxWords);
    };
    BlazonPieces cut;
    if (fits(text)) {
        cut.pieces.push_back(respelled(text));
    } else {
        cut = CutIntoPieces(text, fits, kMaxBlazonPieces);
        for (std::string& piece : cut.pieces) piece = respelled(piece);
        if (cut.pieces.empty()) cut.pieces.emplace_back();
        if (cut.cutsInsideAClause > 0) s.messages.Show(msg::kPieceCutInsideAClause);
        TellTheWordsLeftOut(s, cut.unread, 0);
    }
    if (s.trace && cut.pieces.size() > 1) s.trace->pieces.push_back(cut.pieces[0]);
    // The room a chief or bordure in a later piece takes is known before the first places its charges.
    s.later = LaterClausesIn(PiecesFrom(cut, 1), s.vocabulary);
    text = cut.pieces[0];
    const bool single = ReadFirstPiece(s, text);
    for (std::size_t i = 1; i < cut.pieces.size(); ++i) {
        if (!single || s.level >= kMaxLevels) {
            TellTheWordsLeftOut(s, PiecesFrom(cut, i), 0);
            break;
        }
        const OpenPhrase open = OpenPhraseOf(s);
        s.later = LaterClausesIn(PiecesFrom(cut, i + 1), s.vocabulary);
        ReadLaterPiece(s, cut.pieces[i]);
        // The phrase ended in this piece and was drawn: its words in the piece before had effect.
        if (open.level >= 0 && s.level > open.level)
            for (const std::size_t t : open.traced) s.trace->secondPass[t].used = true;
    }
    if (s.trace && cut.pieces.size() > 1) RecountIgnoredWords(*s.trace);
    s.later = LaterClauses{};
    if (single && !IsFieldless(s)) DrawShieldOutline(s);
}

namespace {

struct Road {
    bool quartered = false, impaled = false, escutcheon = false;
};

// A text with "Quarterly" and a colon is a marshalled text even when its first label is
// misspelt ("Quarterly (1&4): ..."): it is refused with the label's message rather than read
// as single arms with its labels ignored.
// Only what stands outside brackets counts: a grand quarter's words do not decide the road, and
// single arms with an escutcheon over all ("A escutcheon: B") are marshalled too.
Road RoadOf(std::string_view text) {
    const MarshalledRoad road = MarshalledRoadOf(text);
    return {road == MarshalledRoad::Quartered, road == MarshalledRoad::Impaled, road == MarshalledRoad::Escutcheon};
}

}  // namespace

namespace {

// What follows every drawing of a blazon, single, parted or marshalled.
void EndBlazonDrawing(DrawingState& s, DrawHost& host) {
    host.ShowPicture();
    host.AfterDrawing();
    s.messages.KeepCopyIn(nullptr);
    host.EndWait();
}

}  // namespace

void DrawBlazon(DrawingState& s, std::string_view blazon, DrawHost& host) {
    host.BeginWait();
    // Every drawing, single or marshalled, at the scale asked for.
    if (s.geometry.k != s.requestedScale) s.ApplyPaintScale(s.requestedScale);
    BeginDrawing(s);
    host.BeforeDrawing();
    DrawShieldOutline(s);

    // A marshalled text is read whole (each of its parts is held to the blazon buffer), so a
    // text composed from long parts draws again as it was composed.
    std::string text(blazon.substr(0, kMaxMarshalledChars));
    s.messages.KeepCopyIn(s.trace ? &s.trace->messages : nullptr);
    // Marshalled arms as armorials print them ("Quarterly: 1st and 4th, ...; 2nd and 3rd, ...",
    // "..., impaling, ...") are read in the form the marshalling reader takes.
    const std::string typed = text;
    // A field parted into parts that each carry their own tincture and charges: each part is a
    // field of its own.
    // Parts named by their tinctures alone are first offered to the placement words, within
    // the reading of single arms.
    std::optional<PartedField> parted = ReadPartedField(text, s.vocabulary);
    if (parted && parted->named == PartsNamed::ByTincture) parted.reset();
    std::optional<std::string> read;
    if (!parted) read = ReadPrintedMarshalling(text);
    // Labels printed in another tongue ("Parti, au 1 ..., au 2 ...", "Écartelé, aux 1 et 4 ...")
    // are read once the words are respelled, part by part, the punctuation between parts kept.
    if (!parted && !read && s.vocabulary != nullptr && !s.vocabulary->Spellings().Empty()) {
        const std::string respelled = s.vocabulary->Spellings().RespellKeepingParts(text);
        parted = ReadPartedField(respelled, s.vocabulary);
        if (parted && parted->named == PartsNamed::ByTincture) parted.reset();
        if (!parted) read = ReadPrintedMarshalling(respelled);
    }
    if (parted) {
        if (s.trace) {
            s.trace->blazon = text;
            s.trace->road = "parted";
        }
        DrawPartedField(s, *parted, host);
        EndBlazonDrawing(s, host);
        return;
    }
    if (read) text = *read;

    const Road road = RoadOf(text);
    const bool quartered = road.quartered || road.escutcheon, impaled = road.impaled;
    // Single arms are read whole, in pieces when long: only what lies past the pieces a drawing
    // reads is left out, and told.
    if (!quartered && !impaled && !read) text = std::string(blazon);
    if (s.trace) s.trace->blazon = read ? typed : text;
    if (s.trace && read) s.trace->respelled = text;
    if (s.trace) s.trace->road = road.escutcheon ? "escutcheon" : quartered ? "quartered" : impaled ? "impaled" : "single";
    if (quartered || impaled) {
        DrawMarshalledText(s, text, quartered ? MarshallingKind::Quartered : MarshallingKind::Impaled, host);
    } else {
        InterpretSingleArms(s, text);
    }
    EndBlazonDrawing(s, host);
}

void DrawCurrentBlazon(DrawingState& state, DrawHost& host) { DrawBlazon(state, host.FetchBlazon(), host); }

}  // namespace esc
