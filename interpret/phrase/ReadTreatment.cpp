#include "interpret/phrase/ReadTreatment.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
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

bool Is(const DrawingState& s, int i, std::string_view word) { return EqualsIgnoringCase(s.Word(i), word); }

// The pattern a word names, if it names one.
std::optional<PatternKind> PatternAt(const DrawingState& s, int i) {
    for (const PatternSpelling& p : kPatternSpellings)
        if (Is(s, i, p.word)) return p.pattern;
    if (s.Type(i) == kTypeTincture) {
        if (s.Sub1(i) == kChequy) return PatternKind::Chequy;
        if (s.Sub1(i) == kLozengy) return PatternKind::Lozengy;
        return std::nullopt;
    }
    if (s.Type(i) != kTypeOrdinary) return std::nullopt;
    switch (s.Sub1(i)) {
        case kBarry: return PatternKind::Barry;
        case kPaly: return PatternKind::Paly;
        case kBendy: return Is(s, i + 1, "sinister") ? PatternKind::BendySinister : PatternKind::Bendy;
        case kGyronny: return PatternKind::Gyronny;
        default: return std::nullopt;
    }
}

// Whether word i turns the division before it over ("per chevron reversed", "per pall inverted").
bool Turned(const DrawingState& s, int i) { return Is(s, i, "inverted") || Is(s, i, "reversed"); }

// The division named after "per" at word i, and how many words name it.
struct NamedDivision {
    DivisionKind kind;
    int words;
};
std::optional<NamedDivision> DivisionAt(const DrawingState& s, int i) {
    if (s.Type(i) != kTypeOrdinary) return std::nullopt;
    switch (s.Sub1(i)) {
        case kPale: return NamedDivision{DivisionKind::Pale, 1};
        case kFess: return NamedDivision{DivisionKind::Fess, 1};
        case kBend: return Is(s, i + 1, "sinister") ? NamedDivision{DivisionKind::BendSinister, 2} : NamedDivision{DivisionKind::Bend, 1};
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

bool IsPointInPoint(const DrawingState& s, int i) { return Is(s, i, "point") && Is(s, i + 1, "in") && Is(s, i + 2, "point"); }

// Whether word i is the quarterly of a field or an ordinary ("quarterly or and gules"), not the
// cross (which the vocabulary files under the same shape).
bool IsQuarterly(const DrawingState& s, int i) {
    return s.Type(i) == kTypeOrdinary && s.Sub1(i) == kCross && s.Sub2(i) == 0 && !Is(s, i + 1, "per");
}

class Reader {
public:
    explicit Reader(const DrawingState& s) : s_(s) {}

    // Reads a treatment at word i into `out`; i ends after it. False (with unplaced_ set) when
    // the words break off.
    bool Read(int& i, Treatment& out, int depth) {
        if (depth > kMaxDepth) return Fail(i);
        if (s_.Type(i) == kTypeTincture && !PatternAt(s_, i)) return ReadLeaf(i, out);
        if (Is(s_, i, "of") && Is(s_, i + 1, "the")) return ReadNamedByPlace(i, out);
        if (IsPointInPoint(s_, i) || (Is(s_, i, "per") && IsPointInPoint(s_, i + 1))) {
            out.form = TreatmentForm::Division;
            out.division = DivisionKind::PointInPoint;
            i += Is(s_, i, "per") ? 4 : 3;
            return ReadLineAndParts(i, out, depth, false);
        }
        if (Is(s_, i, "tierced")) {
            // "tierced per pale", "tierced in fess"; bare "tierced" is per pall.
            out.form = TreatmentForm::Division;
            out.division = DivisionKind::Pall;
            ++i;
            if (Is(s_, i, "per") || Is(s_, i, "in")) {
                const std::optional<NamedDivision> named = DivisionAt(s_, i + 1);
                const std::optional<DivisionKind> tierced = named ? Tierced(named->kind) : std::nullopt;
                if (!tierced) return Fail(i + 1);
                out.division = *tierced;
                i += 1 + named->words;
            }
            return ReadLineAndParts(i, out, depth, false);
        }
        if (Is(s_, i, "per")) {
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
            if (Is(s_, i + 2, kPlaces[k]) && static_cast<int>(k) < s_.namedTinctureCount) code = s_.namedTinctures[k];
        if (Is(s_, i + 2, "field") && s_.namedTinctureCount > 0) code = s_.namedTinctures[0];
        if (Is(s_, i + 2, "last"))
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
        if (Is(s_, i, "in") && s_.Type(i + 1) == kTypeOrdinary && (s_.Sub1(i + 1) == kChief || s_.Sub1(i + 1) == kBase)) i += 2;
    }

    bool ReadLineAndParts(int& i, Treatment& out, int depth, bool pieces) {
        if (s_.Type(i) == kTypeLine) out.line = s_.Sub1(i++);
        if (pieces && Is(s_, i, "of") && !Is(s_, i + 1, "the")) {
            if (s_.Type(i + 1) != kTypeNumber || s_.Sub1(i + 1) < 1) return Fail(i + 1);
            out.pieces = std::min(s_.Sub1(i + 1), kMaxFieldPieces);
            i += 2;
        }
        if (s_.Type(i) == kTypeTincture && s_.Sub1(i) == kCounterchanged && !Is(s_, i + 1, "and")) {
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
        if (!Is(s_, i, "and")) return Fail(i);
        ++i;
        SkipPlace(i);
        return Read(i, out.parts[1], depth + 1);
    }

    // "gules, argent and azure" (the commas gone), "gules and argent and azure"; per pile and
    // point in point also "argent and sable", the flanks in the first.
    bool ReadThreeParts(int& i, Treatment& out, int depth) {
        out.parts.resize(3);
        if (!Read(i, out.parts[0], depth + 1)) return false;
        const bool andAfterFirst = Is(s_, i, "and");
        if (andAfterFirst) ++i;
        if (!Read(i, out.parts[1], depth + 1)) return false;
        if (!Is(s_, i, "and")) {
            const bool twoWillDo = andAfterFirst && (out.division == DivisionKind::Pile || out.division == DivisionKind::PointInPoint);
            if (!twoWillDo) return Fail(i);
            out.parts.resize(2);
            return true;
        }
        ++i;
        return Read(i, out.parts[2], depth + 1);
    }

    const DrawingState& s_;
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
    return Is(s, at, "per") || IsQuarterly(s, at) || PatternAt(s, at).has_value() || BeginsTierced(s, at);
}

bool BeginsTierced(const DrawingState& s, int at) { return Is(s, at, "tierced") || IsPointInPoint(s, at); }

}  // namespace esc
