#include "interpret/model/Treatment.h"

#include <array>
#include <string_view>

#include "engine/Palette.h"

namespace esc::model {
namespace {

constexpr std::array<std::string_view, 15> kPatternNames = {
    "barry", "paly", "bendy", "bendy sinister", "chequy", "lozengy", "fusilly", "gyronny", "compony", "counter-compony",
    "vairy", "counter-vair", "potent", "counter-potent", "fretty"};
constexpr std::array<std::string_view, 17> kDivisionNames = {
    "per pale", "per fess", "per bend", "per bend sinister", "per saltire", "quarterly", "per chevron", "per chevron inverted",
    "tierced per pale", "tierced per fess", "tierced per bend", "tierced per bend sinister", "tierced per chevron",
    "per pall", "per pall reversed", "per pile", "point in point"};
constexpr std::array<std::string_view, 6> kFormNames = {"tincture", "pattern", "division", "counterchanged", "proper", "seme"};

int LeafCode(const Treatment& t) {
    switch (t.form) {
        case TreatmentForm::Counterchanged: return kCounterchanged;
        case TreatmentForm::Proper: return kProperBrown;
        default: return t.tincture;
    }
}

void CollectLeaves(const Treatment& t, std::vector<int>& out) {
    if (t.IsPlain()) {
        out.push_back(LeafCode(t));
        return;
    }
    for (const Treatment& part : t.parts) CollectLeaves(part, out);
}

void CollectSemes(const Treatment& t, std::vector<const Treatment*>& out) {
    if (t.form == TreatmentForm::Seme) out.push_back(&t);
    for (const Treatment& part : t.parts) CollectSemes(part, out);
}

SurfaceFill ToFill(const Treatment& t, int& semes) {
    if (t.IsPlain()) return SurfaceFill::Plain(LeafCode(t));
    SurfaceFill fill;
    if (t.form == TreatmentForm::Seme) {
        // The painter paints the ground; the charges are placed over what it reaches.
        fill.kind = FillKind::Seme;
        fill.mark = semes++;
        fill.tincture = t.FirstTincture();
        if (!t.parts.empty()) fill.parts.push_back(ToFill(t.parts[0], semes));
        return fill;
    }
    fill.kind = t.form == TreatmentForm::Pattern ? FillKind::Pattern : FillKind::Division;
    fill.pattern = t.pattern;
    fill.division = t.division;
    fill.pieces = t.pieces;
    fill.line = t.line;
    fill.tincture = t.FirstTincture();
    for (const Treatment& part : t.parts) fill.parts.push_back(ToFill(part, semes));
    return fill;
}

}  // namespace

bool Treatment::HasSeme() const {
    std::vector<const Treatment*> semes;
    CollectSemes(*this, semes);
    return !semes.empty();
}

std::vector<const Treatment*> SemesOf(const Treatment& treatment) {
    std::vector<const Treatment*> semes;
    CollectSemes(treatment, semes);
    return semes;
}

bool Treatment::HasStraightenedLine() const {
    if (line >= 0 && !FillDrawsItsLine(ToSurfaceFill(*this))) return true;
    for (const Treatment& part : parts)
        if (part.HasStraightenedLine()) return true;
    return false;
}

int Treatment::FirstTincture() const {
    std::vector<int> leaves;
    CollectLeaves(*this, leaves);
    return leaves.empty() ? -1 : leaves.front();
}

std::pair<int, int> Treatment::FirstTwoTinctures() const {
    std::vector<int> leaves;
    CollectLeaves(*this, leaves);
    const int first = leaves.empty() ? -1 : leaves.front();
    for (int code : leaves)
        if (code != first) return {first, code};
    return {first, -1};
}

std::string Treatment::Describe() const {
    switch (form) {
        case TreatmentForm::Counterchanged: return "counterchanged";
        case TreatmentForm::Proper: return "proper";
        case TreatmentForm::Tincture: {
            const std::string_view name = TinctureName(tincture);
            return name.empty() ? std::to_string(tincture) : std::string(name);
        }
        default: break;
    }
    std::string text(form == TreatmentForm::Seme      ? "seme of " + charge
                     : form == TreatmentForm::Pattern ? std::string(PatternName(pattern))
                                                      : std::string(DivisionName(division)));
    if (position != OrdinaryPosition::Usual) {
        text += ' ';
        text += PositionName(position);
    }
    if (line >= 0) text += " (line " + std::to_string(line) + ")";
    if (pieces > 0) text += " of " + std::to_string(pieces);
    text += " (";
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? " | " : "") + parts[i].Describe();
    return text + ")";
}

std::string_view FormName(TreatmentForm form) { return kFormNames[static_cast<std::size_t>(form)]; }
std::string_view PatternName(PatternKind pattern) { return kPatternNames[static_cast<std::size_t>(pattern)]; }
std::string_view DivisionName(DivisionKind division) { return kDivisionNames[static_cast<std::size_t>(division)]; }

SurfaceFill ToSurfaceFill(const Treatment& t) {
    int semes = 0;
    return ToFill(t, semes);
}

}  // namespace esc::model
