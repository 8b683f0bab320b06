#include "interpret/trace/PhraseInterpreterTrace.h"

#include <algorithm>

#include "engine/Messages.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

LevelTrace* TraceOf(DrawingState& s, int index) {
    if (s.trace == nullptr || index < 0 || index >= kMaxLevels) return nullptr;
    std::vector<LevelTrace>& levels = s.trace->levels;
    auto it = std::find_if(levels.begin(), levels.end(), [index](const LevelTrace& l) { return l.index == index; });
    if (it != levels.end()) return &*it;
    auto at = std::find_if(levels.begin(), levels.end(), [index](const LevelTrace& l) { return l.index > index; });
    at = levels.insert(at, LevelTrace{});
    at->index = index;
    return &*at;
}

void CopyFlags(LevelTrace& t, const LevelRecord& r) {
    t.on = r.levelOn;
    t.chargedOn = r.levelChargedOn;
    t.in = r.levelIn;
    t.inCode = CodeOf(r.levelInCode);
    t.between = r.levelBetween;
}

void CopyRecord(LevelTrace& t, const DrawingState& s, int index) {
    const LevelRecord& r = s.levels[static_cast<std::size_t>(index)];
    t.name = r.levelName.str();
    t.kind = r.levelKind;
    t.count = r.levelCount;
    t.tincture = s.levelTincture[index];
    t.secondTincture = r.levelSecondTincture;
    t.line = r.levelLine;
    t.variant = r.levelVariant.str();
    CopyFlags(t, r);
    // The phrase runs from where the level began to the word that completed it.
    t.phrase.clear();
    t.attitude.clear();
    const int last = std::min(s.cursor, s.wordCount - 1);
    for (int i = std::max(s.levelFirstWord, 0); i <= last; ++i) {
        if (!t.phrase.empty()) t.phrase += ' ';
        t.phrase += s.Word(i);
        if (s.Type(i) != kTypeAttitude) continue;
        if (!t.attitude.empty()) t.attitude += ' ';
        t.attitude += s.Word(i);
    }
}

// The entry of `level` (the current level when none is named), holding the level as it was read
// before its first charge was placed (placing can change the record: the variant "esv", the name
// "question").
LevelTrace* Snapshotted(DrawingState& s, int level) {
    LevelTrace* t = TraceOf(s, level);
    if (t != nullptr && t->count == 0) CopyRecord(*t, s, level);
    return t;
}
LevelTrace* Snapshotted(DrawingState& s) { return Snapshotted(s, s.level); }

}  // namespace

LevelTrace* CurrentLevelTrace(DrawingState& s) { return TraceOf(s, s.level); }

void SnapshotLevel(DrawingState& s) { Snapshotted(s); }

void NoteLayout(DrawingState& s, std::string_view layout) { NoteLayoutOf(s, s.level, layout); }

void NoteLayoutOf(DrawingState& s, int level, std::string_view layout) {
    LevelTrace* t = Snapshotted(s, level);
    if (t == nullptr) return;
    if (!t->layout.empty()) t->layout += ", then ";
    t->layout += layout;
}

void NoteNearestLayout(DrawingState& s, int count) {
    if (LevelTrace* t = Snapshotted(s)) t->note = msg::WithCountedCharges(msg::kNearestLayout, count);
}

void NotePlacement(DrawingState& s, const ChargeSpot& spot) {
    if (LevelTrace* t = Snapshotted(s))
        t->placements.push_back({spot.x, spot.y, spot.scale, spot.mirror,
                                 spot.turn == ChargeTurn::kBendwise || spot.turn == ChargeTurn::kBendwiseSinister});
}

void NotePicture(DrawingState& s, const std::string& file, bool drawn, bool standIn, bool damaged) {
    LevelTrace* t = CurrentLevelTrace(s);
    if (t == nullptr) return;
    for (const PictureTrace& p : t->pictures)
        if (p.file == file && p.drawn == drawn && p.standIn == standIn) return;
    t->pictures.push_back({file, drawn, standIn, damaged, drawn ? std::string() : s.pictureReadError});
}

void FinishLevelTraces(DrawingState& s) {
    if (s.trace == nullptr) return;
    s.trace->model = s.model.arms;
    for (LevelTrace& t : s.trace->levels)
        if (t.index >= 0) CopyFlags(t, s.levels[static_cast<std::size_t>(t.index)]);
    // A level that began but was never completed: the words ran out before its phrase ended.
    if (s.level >= 0 && s.level < kMaxLevels && s.levels[static_cast<std::size_t>(s.level)].levelCount > 0) {
        LevelTrace* t = Snapshotted(s);
        if (t->layout.empty()) t->layout = "not drawn: the phrase was never completed";
    }
}

}  // namespace esc
