#include "interpret/phrase/ReadTreatment.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

using model::Treatment;
using model::TreatmentForm;

// Nesting deeper than this is no blazon; the bound keeps a hostile text from exhausting the stack.
constexpr int kMaxDepth = 8;
// The vocabulary gives the whole chequy family one tincture code (it paints them alike on the
// field); the pattern each spelling names is told apart here.
struct PatternSpelling {
    std::string_view word;
    PatternKind pattern;
};
constexpr std::array<PatternSpelling, 6> kPatternSpellings = {{
    {"compony", PatternKind::Compony},
    {"gobony", PatternKind::Compony},
    {"componee", PatternKind::Compony},
    {"countercompony", PatternKind::CounterCompony},
    {"counter-compony", PatternKind::CounterCompony},
    {"fusilly", PatternKind::Fusilly},
}};
// The vair family: a pattern only when two tinctures follow ("a cross potent" is a cross).
constexpr std::array<PatternSpelling, 9> kVairSpellings = {{
    {"vaire", PatternKind::Vair},
    {"vairy", PatternKind::Vair},
    {"countervair", PatternKind::CounterVair},
    {"counter-vair", PatternKind::CounterVair},
    {"countervairy", PatternKind::CounterVair},
    {"potent", PatternKind::Potent},
    {"potenty", PatternKind::Potent},
    {"counterpotent", PatternKind::CounterPotent},
    {"counter-potent", PatternKind::CounterPotent},
}};
// The words that strew a charge over a surface, and how many words they take before the charge.
struct StrewnSpelling {
    std::string_view word, next;
};
constexpr std::array<StrewnSpelling, 5> kStrewnSpellings = {{
    {"semee", "of"}, {"semy", "of"}, {"seme", "of"}, {"powdered", "with"}, {"strewn", "with"},
}};
// The semés the vocabulary names by one tincture word, and the charge each strews.
struct NamedSeme {
    int code;
    std::string_view charge;
    int kind;
    std::string_view variant;
};
constexpr int kCrossKind = 13;  // the kind of a cross drawn as a picture (a cross crosslet)
constexpr std::array<NamedSeme, 4> kNamedSemes = {{
    {kGuttee, "goutte", kTypeCharge, ""},
    {kBillettee, "billet", kTypeCharge, ""},
    {kBezantee, "bezant", kTypeRoundel, ""},
    {kCrusilly, "cross", kCrossKind, "1"},
}};


// The pattern a word names, if it names one.
std::optional<PatternKind> PatternAt(const DrawingState& s, int i) {
    for (const PatternSpelling& p : kPatternSpellings)
        if (WordIs(s, i, p.word)) return p.pattern;
    // Or, first of the field and no tincture after it ("Potent, a wolf rampant sable"), in its
    // usual argent and azure.
    const bool twoTinctures = s.Type(i + 1) == kTypeTincture && WordIs(s, i + 2, "and") && s.Type(i + 3) == kTypeTincture;
    const bool alone = i == 0 && s.Type(i + 1) != kTypeTincture;
    for (const PatternSpelling& p : kVairSpellings)
        if (WordIs(s, i, p.word)) return twoTinctures || alone ? std::optional<PatternKind>(p.pattern) : std::nullopt;
    if (s.Type(i) == kTypeTincture) {
        if (s.Sub1(i) == kChequy) return PatternKind::Chequy;
        if (s.Sub1(i) == kLozengy) return PatternKind::Lozengy;
        return std::nullopt;
    }
    if (s.Type(i) != kTypeOrdinary) return std::nullopt;
    switch (ShapeOfCode(s.Sub1(i))) {
        case kBarry: return PatternKind::Barry;
        case kPaly: return PatternKind::Paly;
        case kBendy: return WordIs(s, i + 1, "sinister") ? PatternKind::BendySinister : PatternKind::Bendy;
        case kGyronny: return PatternKind::Gyronny;
        default: return std::nullopt;
    }
}

// Whether word i turns the division before it over ("per chevron reversed", "per pall inverted").
bool Turned(const DrawingState& s, int i) { return WordIs(s, i, "inverted") || WordIs(s, i, "reversed"); }

// The division named after "per" at word i, and how many words name it.
struct NamedDivision {
    DivisionKind kind;
    int words;
};
std::optional<NamedDivision> DivisionAt(const DrawingState& s, int i) {
    if (s.Type(i) != kTypeOrdinary) return std::nullopt;
    switch (ShapeOfCode(s.Sub1(i))) {
        case kPale: return NamedDivision{DivisionKind::Pale, 1};
        case kFess: return NamedDivision{DivisionKind::Fess, 1};
        case kBend: return WordIs(s, i + 1, "sinister") ? NamedDivision{DivisionKind::BendSinister, 2} : NamedDivision{DivisionKind::Bend, 1};
        case kSaltire: return NamedDivision{DivisionKind::Saltire, 1};
        case kCross: return NamedDivision{DivisionKind::Cross, 1};
        case kChevron:
            return Turned(s, i + 1) ? NamedDivision{DivisionKind::ChevronInverted, 2} : NamedDivision{DivisionKind::Chevron, 1};
        case kPall: return Turned(s, i + 1) ? NamedDivision{DivisionKind::PallReversed, 2} : NamedDivision{DivisionKind::Pall, 1};
        case kPallReversed: return NamedDivision{DivisionKind::PallReversed, 1};
        case kPiles: return NamedDivision{DivisionKind::Pile, 1};
        default: return std::nullopt;
    }
}

// The division in three that "tierced" makes of a division in two (per pall and per pile are
// in three already).
std::optional<DivisionKind> Tierced(DivisionKind d) {
    switch (d) {
        case DivisionKind::Pale: return DivisionKind::TiercedPale;
        case DivisionKind::Fess: return DivisionKind::TiercedFess;
        case DivisionKind::Bend: return DivisionKind::TiercedBend;
        case DivisionKind::BendSinister: return DivisionKind::TiercedBendSinister;
        case DivisionKind::Chevron: return DivisionKind::TiercedChevron;
        case DivisionKind::Pall:
        case DivisionKind::PallReversed:
        case DivisionKind::Pile: return d;
        default: return std::nullopt;
    }
}

// How many words strew a charge at word i ("semy of"); 0 when none do.
int StrewnWords(const DrawingState& s, int i) {
    for (const StrewnSpelling& w : kStrewnSpellings)
        if (WordIs(s, i, w.word) && WordIs(s, i + 1, w.next)) return 2;
    return 0;
}

const NamedSeme* NamedSemeAt(const DrawingState& s, int i) {
    if (s.Type(i) != kTypeTincture) return nullptr;
    for (const NamedSeme& n : kNamedSemes)
        if (s.Sub1(i) == n.code) return &n;
    return nullptr;
}

bool IsPointInPoint(const DrawingState& s, int i) { return WordIs(s, i, "point") && WordIs(s, i + 1, "in") && WordIs(s, i + 2, "point"); }

// Whether word i is the quarterly of a field or an ordinary ("quarterly or and gules"), not the
// cross (which the vocabulary files under the same shape).
bool IsQuarterly(const DrawingState& s, int i) {
    return s.Type(i) == kTypeOrdinary && ShapeOfCode(s.Sub1(i)) == kCross && s.Sub2(i) == 0 && !WordIs(s, i + 1, "per");
}

class Reader {
public:
    explicit Reader(const DrawingState& s) : s_(s) {}

    // Reads a treatment at word i into `out`; i ends after it. False (with unplaced_ set) when
    // the words break off.
    bool Read(int& i, Treatment& out, int depth) {
        if (depth > kMaxDepth) return Fail(i);
        if (StrewnWords(s_, i) > 0 && lastLeaf_.has_value()) {
            // "per pale argent and semé of mullets azure": strewn on the tincture read before.
            out.form = TreatmentForm::Seme;
            out.parts = {*lastLeaf_};
            if (!ReadStrewnCharge(i, out, depth)) return false;
            return out.parts[1].form != TreatmentForm::Counterchanged || Fail(i);
        }
        if (s_.Type(i) == kTypeTincture && !PatternAt(s_, i) && !NamedSemeAt(s_, i)) {
            if (!ReadLeaf(i, out)) return false;
            lastLeaf_ = out;
            return ReadOnTheGround(i, out, depth);
        }
        if (WordIs(s_, i, "of") && WordIs(s_, i + 1, "the")) return ReadNamedByPlace(i, out);
        if (IsPointInPoint(s_, i) || (WordIs(s_, i, "per") && IsPointInPoint(s_, i + 1))) {
            out.form = TreatmentForm::Division;
            out.division = DivisionKind::PointInPoint;
            i += WordIs(s_, i, "per") ? 4 : 3;
            return ReadLineAndParts(i, out, depth, false);
        }
        if (WordIs(s_, i, "tierced")) {
            // "tierced per pale", "tierced in fess"; bare "tierced" is per pall.
            out.form = TreatmentForm::Division;
            out.division = DivisionKind::Pall;
            ++i;
            if (WordIs(s_, i, "per") || WordIs(s_, i, "in")) {
                const std::optional<NamedDivision> named = DivisionAt(s_, i + 1);
                const std::optional<DivisionKind> tierced = named ? Tierced(named->kind) : std::nullopt;
                if (!tierced) return Fail(i + 1);
                out.division = *tierced;
                i += 1 + named->words;
            }
            return ReadLineAndParts(i, out, depth, false);
        }
        if (WordIs(s_, i, "per")) {
            const std::optional<NamedDivision> named = DivisionAt(s_, i + 1);
            if (!named) return Fail(i + 1);
            out.form = TreatmentForm::Division;
            out.division = named->kind;
            i += 1 + named->words;
            return ReadLineAndParts(i, out, depth, false);
        }
        if (IsQuarterly(s_, i)) {
            out.form = TreatmentForm::Division;
            out.division = DivisionKind::Cross;
            ++i;
            return ReadLineAndParts(i, out, depth, false);
        }
        if (const std::optional<PatternKind> pattern = PatternAt(s_, i)) {
            out.form = TreatmentForm::Pattern;
            out.pattern = *pattern;
            if (s_.Type(i) == kTypeOrdinary && s_.Sub2(i) > 0) out.pieces = std::min(s_.Sub2(i), kMaxFieldPieces);  // "burelly"
            i += *pattern == PatternKind::BendySinister ? 2 : 1;
            const bool vair = *pattern >= PatternKind::Vair && *pattern <= PatternKind::CounterPotent;
            if (vair && s_.Type(i) != kTypeTincture) {
                out.parts = {Tinctured(kArgent), Tinctured(kAzure)};
                return true;
            }
            return ReadLineAndParts(i, out, depth, true);
        }
        return Fail(i);
    }

    int unplaced = -1;

private:
    bool Fail(int i) {
        if (unplaced < 0) unplaced = i;
        return false;
    }

    // What lies on a ground just read: "argent semy of mullets azure", "or fretty gules",
    // "argent guttee gules". Nothing: the ground alone.
    bool ReadOnTheGround(int& i, Treatment& out, int depth) {
        if (WordIs(s_, i, "fretty") && depth < kMaxDepth) {
            Treatment fretty;
            fretty.form = TreatmentForm::Pattern;
            fretty.pattern = PatternKind::Fretty;
            int at = i + 1;
            if (WordIs(s_, at, "of") && s_.Type(at + 1) == kTypeNumber && s_.Sub1(at + 1) >= 1) {
                fretty.pieces = std::min(s_.Sub1(at + 1), kMaxFieldPieces);
                at += 2;
            }
            Treatment fret;
            if (s_.Type(at) != kTypeTincture || !ReadLeaf(at, fret)) return true;  // "fretty" with no tincture: the older rules say so
            fretty.parts = {out, fret};
            out = std::move(fretty);
            i = at;
            return true;
        }
        if (const NamedSeme* named = NamedSemeAt(s_, i)) {
            Treatment seme;
            seme.form = TreatmentForm::Seme;
            seme.charge = named->charge;
            seme.chargeKind = named->kind;
            seme.chargeVariant = named->variant;
            seme.parts = {out, StrewnTinctureDefault(out, named->code)};
            ++i;
            Treatment tincture;
            int at = i;
            if (s_.Type(at) == kTypeTincture && ReadLeaf(at, tincture)) {
                seme.parts[1] = tincture;
                i = at;
            }
            out = std::move(seme);
            return true;
        }
        if (StrewnWords(s_, i) > 0) {
            Treatment seme;
            seme.form = TreatmentForm::Seme;
            seme.parts = {out};
            int at = i;
            if (!ReadStrewnCharge(at, seme, depth)) return false;
            // Charges strewn counterchanged lie over the whole field, not on the part before them
            // ("per bend argent and azure mullety counterchanged"): the semé is left to be read after.
            if (seme.parts[1].form == TreatmentForm::Counterchanged) return true;
            out = std::move(seme);
            i = at;
        }
        return true;
    }

    static Treatment Tinctured(int code) {
        Treatment t;
        t.form = TreatmentForm::Tincture;
        t.tincture = code;
        return t;
    }

    // The strewn charge's tincture when none is named: a bezant is gold; others gold, or silver on gold.
    static Treatment StrewnTinctureDefault(const Treatment& ground, int code) {
        Treatment t;
        t.form = TreatmentForm::Tincture;
        t.tincture = code == kBezantee ? kOr : ground.form == TreatmentForm::Tincture && ground.tincture == kOr ? kArgent : kOr;
        return t;
    }

    // "semy of mullets azure", "semé of cross crosslets or", "powdered with roses": at word i
    // the strewing words; out holds the ground as parts[0].
    bool ReadStrewnCharge(int& i, Treatment& out, int depth) {
        int at = i + StrewnWords(s_, i);
        const int type = s_.Type(at);
        if (type == kTypeOrdinary && ShapeOfCode(s_.Sub1(at)) == kCross && s_.Type(at + 1) == kTypeAttitude && ShapeOfCode(s_.Sub1(at + 1)) == kCross) {
            // "cross crosslets", "crosses crosslet"
            out.charge = "cross";
            out.chargeKind = kCrossKind;
            out.chargeVariant = std::to_string(s_.Sub2(at + 1));
            at += 2;
        } else if (type == kTypeAttitude && ShapeOfCode(s_.Sub1(at)) == kCross) {
            // "crosslets": the crosses named by their kind alone
            out.charge = "cross";
            out.chargeKind = kCrossKind;
            out.chargeVariant = std::to_string(s_.Sub2(at));
            at += 1;
        } else if (type == kTypeCharge || type == kTypeRoundel || IsOtherChargeWord(type)) {
            out.charge = std::string(s_.Word(at));
            out.chargeKind = type;
            at += 1;
        } else {
            return Fail(at);
        }
        out.parts.resize(1);
        out.parts.push_back(StrewnTinctureDefault(out.parts[0], -1));
        Treatment tincture;
        int end = at;
        const bool named = s_.Type(end) == kTypeTincture || (WordIs(s_, end, "of") && WordIs(s_, end + 1, "the"));
        if (named && depth < kMaxDepth && (s_.Type(end) == kTypeTincture ? ReadLeaf(end, tincture) : ReadNamedByPlace(end, tincture))) {
            out.parts[1] = tincture;
            at = end;
        }
        unplaced = -1;  // a tincture that could not be read is no break: the semé is in its usual one
        i = at;
        return true;
    }

    bool ReadLeaf(int& i, Treatment& out) {
        const int code = s_.Sub1(i);
        if (code == kCounterchanged) {
            out.form = TreatmentForm::Counterchanged;
        } else if (code == kProperBrown) {
            out.form = TreatmentForm::Proper;
        } else if (code >= 0 && code < kNamedTinctureLimit) {
            out.form = TreatmentForm::Tincture;
            out.tincture = code;
        } else {
            return Fail(i);  // a semé or vairé word: a treatment of its own kind, not a leaf
        }
        ++i;
        return true;
    }

    // "of the first" ... "of the fourth" (the named tinctures by their order), "of the field"
    // (the first), "of the last" (the last tincture named before it).
    bool ReadNamedByPlace(int& i, Treatment& out) {
        static constexpr std::array<std::string_view, 5> kPlaces = {"first", "second", "third", "fourth", "fifth"};
        int code = -1;
        for (std::size_t k = 0; k < kPlaces.size(); ++k)
            if (WordIs(s_, i + 2, kPlaces[k]) && static_cast<int>(k) < s_.namedTinctureCount) code = s_.namedTinctures[k];
        if (WordIs(s_, i + 2, "field") && s_.namedTinctureCount > 0) code = s_.namedTinctures[0];
        if (WordIs(s_, i + 2, "last"))
            for (int j = i - 1; j >= 0 && code < 0; --j)
                if (s_.Type(j) == kTypeTincture && s_.Sub1(j) < kNamedTinctureLimit && s_.Sub1(j) != kCounterchanged) code = s_.Sub1(j);
        if (code < 0) return Fail(i);
        out.form = TreatmentForm::Tincture;
        out.tincture = code;
        i += 3;
        return true;
    }

    // "per chevron in chief paly ... and in base azure": the part's place named before it.
    void SkipPlace(int& i) const {
        if (WordIs(s_, i, "in") && s_.Type(i + 1) == kTypeOrdinary && (ShapeOfCode(s_.Sub1(i + 1)) == kChief || ShapeOfCode(s_.Sub1(i + 1)) == kBase)) i += 2;
    }

    bool ReadLineAndParts(int& i, Treatment& out, int depth, bool pieces) {
        if (s_.Type(i) == kTypeLine) out.line = s_.Sub1(i++);
        if (pieces && WordIs(s_, i, "of") && !WordIs(s_, i + 1, "the")) {
            if (s_.Type(i + 1) != kTypeNumber || s_.Sub1(i + 1) < 1) return Fail(i + 1);
            out.pieces = std::min(s_.Sub1(i + 1), kMaxFieldPieces);
            i += 2;
        }
        if (s_.Type(i) == kTypeTincture && s_.Sub1(i) == kCounterchanged && !WordIs(s_, i + 1, "and")) {
            // "a cross quarterly counterchanged": the field's own parts show through, exchanged.
            out = Treatment{};
            out.form = TreatmentForm::Counterchanged;
            ++i;
            return true;
        }
        if (out.form == TreatmentForm::Division && DivisionParts(out.division) == 3) return ReadThreeParts(i, out, depth);
        out.parts.resize(2);
        SkipPlace(i);
        if (!Read(i, out.parts[0], depth + 1)) return false;
        if (!WordIs(s_, i, "and")) return Fail(i);
        ++i;
        SkipPlace(i);
        return Read(i, out.parts[1], depth + 1);
    }

    // "gules, argent and azure" (the commas gone), "gules and argent and azure"; per pile and
    // point in point also "argent and sable", the flanks in the first.
    bool ReadThreeParts(int& i, Treatment& out, int depth) {
        out.parts.resize(3);
        if (!Read(i, out.parts[0], depth + 1)) return false;
        const bool andAfterFirst = WordIs(s_, i, "and");
        if (andAfterFirst) ++i;
        if (!Read(i, out.parts[1], depth + 1)) return false;
        if (!WordIs(s_, i, "and")) {
            const bool twoWillDo = andAfterFirst && (out.division == DivisionKind::Pile || out.division == DivisionKind::PointInPoint);
            if (!twoWillDo) return Fail(i);
            out.parts.resize(2);
            return true;
        }
        ++i;
        return Read(i, out.parts[2], depth + 1);
    }

    const DrawingState& s_;
    std::optional<Treatment> lastLeaf_;  // the last tincture read: the ground of a semé that names none
};

}  // namespace

TreatmentReading ReadTreatment(const DrawingState& s, int at) {
    TreatmentReading reading;
    Reader reader(s);
    int i = at;
    if (reader.Read(i, reading.treatment, 0)) {
        reading.end = i;
    } else {
        reading.treatment = {};
        reading.unplaced = reader.unplaced;
    }
    return reading;
}

bool BeginsDividedTreatment(const DrawingState& s, int at) {
    return WordIs(s, at, "per") || IsQuarterly(s, at) || PatternAt(s, at).has_value() || BeginsTierced(s, at);
}

bool BeginsStrewnTreatment(const DrawingState& s, int at) {
    if (s.Type(at) != kTypeTincture || PatternAt(s, at).has_value()) return false;
    return WordIs(s, at + 1, "fretty") || StrewnWords(s, at + 1) > 0 || NamedSemeAt(s, at + 1) != nullptr;
}

bool BeginsTierced(const DrawingState& s, int at) { return WordIs(s, at, "tierced") || IsPointInPoint(s, at); }

}  // namespace esc
