#include "interpret/phrase/ModelRecorder.h"

#include <algorithm>
#include <optional>

#include "engine/Diminutives.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/Layouts.h"
#include "engine/Palette.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/ReadTreatment.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/layout/WithinACharge.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// The relation a phrase attached to the charges before it holds to them.
model::RelationKind AttachedRelation(Attachment how) {
    switch (how) {
        case Attachment::Ensigned: return model::RelationKind::Ensigned;
        case Attachment::Enfiled: return model::RelationKind::Enfiled;
        case Attachment::Surmounted:
        case Attachment::Held:
        case Attachment::None: break;
    }
    return model::RelationKind::Maintains;
}

using model::GroupKind;
using model::Region;
using model::RelationKind;
using model::Turn;


// The tincture code painted at (x, y), -1 outside the picture.
int CodeAt(const DrawingState& s, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(s.picture.Width()) + static_cast<std::size_t>(x);
    if (x < 0 || y < 0 || at >= s.pictureBuffer.size()) return -1;
    return s.pictureBuffer[at];
}

// Where a level read "in ..." stands, or kWhole when "in" names a line to set it in.
Region RegionOfIn(Direction in) {
    if (in == kChief) return Region::Chief;
    if (in == kBase) return Region::Base;
    if (!in.IsPlace()) return Region::Whole;
    switch (in.place) {
        case kInChiefPointBetweenBendlets: return Region::Chief;
        case kInDexterChief: return Region::DexterChief;
        case kInSinisterChief: return Region::SinisterChief;
        case kInDexterBase: return Region::DexterBase;
        case kInSinisterBase: return Region::SinisterBase;
        case kInDexterHalf: return Region::DexterHalf;
        case kInSinisterHalf: return Region::SinisterHalf;
        case kInNamedQuarters: return Region::Quarters;
        default: return Region::Whole;
    }
}

model::Treatment Leaf(int code) {
    model::Treatment t;
    if (code == kCounterchanged) {
        t.form = model::TreatmentForm::Counterchanged;
    } else if (code == kProperBrown) {
        t.form = model::TreatmentForm::Proper;
    } else {
        t.tincture = code;
    }
    return t;
}

// The treatment a surface of two tinctures parted by a shape code stands for: the shapes'
// partitions and patterns of two; one tincture when the shape is none of those.
model::Treatment TreatmentOfShape(ShapeCode shape, int first, int second) {
    model::Treatment t;
    t.form = model::TreatmentForm::Division;
    switch (shape) {
        case ShapeCode::kPale: t.division = DivisionKind::Pale; break;
        case ShapeCode::kFess: t.division = DivisionKind::Fess; break;
        case ShapeCode::kBend: t.division = DivisionKind::Bend; break;
        case ShapeCode::kBendSinister: t.division = DivisionKind::BendSinister; break;
        case ShapeCode::kCross: t.division = DivisionKind::Cross; break;
        case ShapeCode::kSaltire: t.division = DivisionKind::Saltire; break;
        case ShapeCode::kChevron: t.division = DivisionKind::Chevron; break;
        case ShapeCode::kChevronInverted: t.division = DivisionKind::ChevronInverted; break;
        case ShapeCode::kBarry: t.form = model::TreatmentForm::Pattern; t.pattern = PatternKind::Barry; break;
        case ShapeCode::kPaly: t.form = model::TreatmentForm::Pattern; t.pattern = PatternKind::Paly; break;
        case ShapeCode::kBendy: t.form = model::TreatmentForm::Pattern; t.pattern = PatternKind::Bendy; break;
        case ShapeCode::kGyronny: t.form = model::TreatmentForm::Pattern; t.pattern = PatternKind::Gyronny; break;
        default: return Leaf(first);
    }
    t.parts = {Leaf(first), Leaf(second)};
    return t;
}

// The field's treatment: as the words read when they read to where the field parser stopped,
// else what was painted.
model::Treatment FieldTreatment(const DrawingState& s, const model::Surface& field) {
    const TreatmentReading reading = ReadTreatment(s, 0);
    if (reading.Read() && reading.end == s.cursor) return reading.treatment;
    if (field.division != kNoShape && field.secondTincture >= 0) return TreatmentOfShape(field.division, field.tincture, field.secondTincture);
    return Leaf(field.tincture);
}

model::Member MemberOfLevel(DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    model::Member m;
    m.charge = level.levelName.str();
    m.kind = level.levelKind;
    m.count = level.levelCount;
    m.surface.tincture = s.levelTincture[s.level];
    m.surface.secondTincture = s.partedTincture >= 0 ? s.partedTincture : level.levelSecondTincture;
    m.surface.division = s.partedTincture >= 0 ? s.partedShape : kNoShape;
    m.tinctures = s.group.memberTinctures;
    m.placed = s.model.TakePlaced(s.level);
    if (!s.model.levelTreatment.IsPlain()) {
        m.surface.treatment = s.model.levelTreatment;
    } else if (m.surface.division != kNoShape && m.surface.secondTincture >= 0) {
        m.surface.treatment = TreatmentOfShape(m.surface.division, m.surface.tincture, m.surface.secondTincture);
    } else {
        m.surface.treatment = Leaf(m.surface.tincture);
    }
    s.model.levelTreatment = model::Treatment{};
    model::Modifiers& mod = m.modifiers;
    mod.variant = level.levelVariant.str();
    if (s.bendwiseFlag || s.group.turn == ChargeTurn::kBendwise)
        mod.turns.push_back(s.bendwiseSinisterFlag ? Turn::BendwiseSinister : Turn::Bendwise);
    if (s.group.turn == ChargeTurn::kFesswise) mod.turns.push_back(Turn::Fesswise);
    if (s.uprightCharges || s.group.upright) mod.turns.push_back(Turn::Palewise);
    if (s.reversedCharges) mod.turns.push_back(Turn::Reversed);
    if (s.sinisterCharges) mod.turns.push_back(Turn::ToSinister);
    mod.throughout = s.group.throughout;
    mod.pairJoined = s.group.pairJoined;
    mod.issuingFlank = s.group.issuingFlank;
    mod.fimbriation = s.chargeFimbriation;
    mod.outerFimbriation = s.chargeOuterFimbriation;
    if (level.levelKind == kTypeOrdinary && s.ordinaryTreatment == OrdinaryTreatment::kFimbriated) {
        mod.fimbriation = level.levelSecondTincture;
        mod.outerFimbriation = s.fimbriationOuter;
    }
    mod.voided = s.voidedField != -1 || (level.levelKind == kTypeOrdinary && s.ordinaryTreatment == OrdinaryTreatment::kVoided);
    if (level.levelKind == kTypeOrdinary) mod.cotises = s.cotiseCount;
    mod.line = level.levelLine < kFirstLevelMark ? level.levelLine : -1;
    if (level.levelKind == kTypeOrdinary) {
        mod.position = s.position;
        mod.secondLine = s.secondLineCode;
        if (s.shapeCode == ShapeCode::kChevronInverted || s.shapeCode == ShapeCode::kPallReversed ||
            s.shapeCode == ShapeCode::kChevronelsInverted || s.shapeCode == ShapeCode::kPilesInverted)
            mod.position = OrdinaryPosition::Reversed;
    }
    return m;
}

// The words of the current level's phrase before its first article, number, "on" or "in": the
// words that join it to the phrase before. [first, end) of them.
std::pair<int, int> LeadWords(const DrawingState& s) {
    const int first = std::max(s.levelFirstWord - 1, 0);
    int end = first;
    while (end <= s.cursor && end < s.wordCount) {
        const std::string_view w = s.Word(end);
        if (s.Type(end) == kTypeNumber || EqualsIgnoringCase(w, "a") || EqualsIgnoringCase(w, "an") ||
            EqualsIgnoringCase(w, "on") || EqualsIgnoringCase(w, "in") || s.Type(end) == kTypeOrdinary ||
            s.Type(end) == kTypeCharge)
            break;
        ++end;
    }
    return {first, end};
}

std::optional<RelationWords> RelationInLead(const DrawingState& s, std::pair<int, int> lead) {
    for (int i = lead.first; i < lead.second; ++i)
        if (std::optional<RelationWords> r = RelationWordsAt(s, i)) return r;
    return std::nullopt;
}

int LastGroupOfKind(const model::Arms& arms, GroupKind kind) {
    for (int i = static_cast<int>(arms.groups.size()) - 1; i >= 0; --i)
        if (arms.groups[static_cast<std::size_t>(i)].kind == kind) return i;
    return -1;
}

void AddRelation(model::Arms& arms, RelationKind kind, int subject, int object, bool each = false) {
    if (subject < 0 || object < 0 || subject == object) return;
    for (const model::Relation& r : arms.relations)
        if (r.kind == kind && r.subject == subject && r.object == object) return;
    arms.relations.push_back({kind, subject, object, each});
}

}  // namespace

void RecordField(DrawingState& s) {
    ModelReading& reading = s.model;
    reading.Clear();
    model::Surface& field = reading.arms.field;
    const ShieldGeometry& g = s.geometry;
    // Read from the painted field: a point in dexter chief and one in sinister base.
    field.tincture = CodeAt(s, g.W4, g.H4);
    const int other = CodeAt(s, g.W - g.W4, g.H - g.H4);
    if (s.partitionCode != kNoShape) {
        field.division = s.partitionCode;
        field.secondTincture = other;
    }
    field.treatment = FieldTreatment(s, field);
    if (field.treatment.form == model::TreatmentForm::Division) {
        field.treatment.position = s.position;
        field.treatment.lineFimbriation = s.fieldFimbriation;
    }
}

void RecordCotises(DrawingState& s) {
    const int cotised = s.level - 1;
    for (model::Group& group : s.model.arms.groups) {
        if (group.kind != GroupKind::Ordinary || group.firstLevel != cotised || group.members.empty()) continue;
        model::Modifiers& mod = group.members.back().modifiers;
        mod.cotises = s.cotiseCount;
        mod.cotiseTincture = s.cotiseTincture;
        mod.cotiseLine = s.cotiseLine;
    }
}

void RecordLevel(DrawingState& s) {
    if (s.level < 0 || s.level >= kMaxLevels) return;
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    if (level.levelCount == 0 || (level.levelKind == 0 && level.levelName.empty())) return;
    model::Arms& arms = s.model.arms;
    const int before = static_cast<int>(arms.groups.size()) - 1;

    model::Group group;
    group.firstLevel = s.level;
    // Bars and pallets and their diminutives are ordinaries wherever they stand ("in base two
    // bars", "between two barrulets"), drawn with their shapes, never pictures.
    const bool pieces = NamesBars(level.levelName) || NamesPallets(level.levelName);
    group.kind = level.levelLine == kSemeLevelLine                                   ? GroupKind::Seme
                 : (level.levelKind == kTypeOrdinary && !level.levelIn) || pieces ? GroupKind::Ordinary
                                                                                   : GroupKind::Charges;
    if (level.levelIn) {
        group.region = RegionOfIn(level.levelInCode);
        if (group.region == Region::Whole) {
            group.arrangement = model::Arrangement::InLine;
            group.lineShape = level.levelInCode;
        }
    }
    if (s.rowsDrawn) group.arrangement = model::Arrangement::Rows;
    if (level.levelBetween) group.region = Region::AboutOrdinary;
    // The level before is marked "on" when what follows lies on it ("on a bend", "a bend charged
    // with"); this one is marked "charged on" when it lies on the charges before.
    const LevelRecord* previous = s.level > 0 ? &s.levels[static_cast<std::size_t>(s.level - 1)] : nullptr;
    const bool liesOnPrevious = previous != nullptr && (previous->levelOn || level.levelChargedOn);
    if (liesOnPrevious)
        group.region = previous->levelKind == kTypeOrdinary && !previous->levelIn ? Region::OnOrdinary : Region::OnCharges;
    if (s.overAllLevel == s.level) group.region = Region::Overall;

    const std::pair<int, int> lead = LeadWords(s);
    const std::optional<RelationWords> words = RelationInLead(s, lead);
    // "within a vol an eagle's head": the eagle's head stands within the group before.
    const bool withinTheFirst = ChargeAboutWrittenFirst(s);

    // A member of the group before: charges that follow charges with no relation between them,
    // in the same place (or the second part of "between a crescent and a mullet").
    if (before >= 0 && group.kind == GroupKind::Charges && !words && !withinTheFirst) {
        model::Group& last = arms.groups[static_cast<std::size_t>(before)];
        const bool samePlace = last.region == group.region ||
                               (last.region == Region::AboutOrdinary && group.region == Region::Whole);
        if (last.kind == GroupKind::Charges && samePlace && last.firstLevel + static_cast<int>(last.members.size()) == s.level) {
            // "a mullet and a crescent in pale": the line read with the last member sets out all.
            if (group.arrangement == model::Arrangement::InLine && last.arrangement == model::Arrangement::AsTheCountFalls) {
                last.arrangement = model::Arrangement::InLine;
                last.lineShape = group.lineShape;
            }
            last.members.push_back(MemberOfLevel(s));
            return;
        }
    }

    group.members.push_back(MemberOfLevel(s));
    arms.groups.push_back(std::move(group));
    const int self = before + 1;
    const int lastOrdinary = LastGroupOfKind(arms, GroupKind::Ordinary);
    if (liesOnPrevious) AddRelation(arms, RelationKind::ChargedWith, before, self);
    if (level.levelBetween && lastOrdinary >= 0) AddRelation(arms, RelationKind::Between, self, lastOrdinary);
    if (s.overAllLevel == s.level) AddRelation(arms, RelationKind::Surmounts, self, before);
    if (s.heldLevel == s.level) AddRelation(arms, RelationKind::Maintains, before, self);
    if (withinTheFirst) AddRelation(arms, RelationKind::Within, self, before);
    // "each surmounted by" names the upper one: its relation is the words' own, below.
    if (s.attached.level == s.level && s.attached.how != Attachment::Surmounted) AddRelation(arms, AttachedRelation(s.attached.how), before, self);
    if (!words) return;
    if (words->kind == RelationKind::Between) {
        if (lastOrdinary >= 0) AddRelation(arms, RelationKind::Between, self, lastOrdinary);
    } else if (words->kind == RelationKind::Surmounts || words->passive) {
        // "surmounted by", "over all" and "transfixed by" name the upper one, "enclosing" the
        // one within
        AddRelation(arms, words->kind, self, before, EqualsIgnoringCase(s.Word(words->first - 1), "each"));
    } else {
        AddRelation(arms, words->kind, before, self, EqualsIgnoringCase(s.Word(words->first - 1), "each"));
    }
}

}  // namespace esc
