// Charges issuant from the lower edge of their space: the chief they lie on, or the chief of a
// field parted per fess.

#include "interpret/layout/Issuant.h"

#include <algorithm>
#include <string>

#include "engine/OrdinaryShapes.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Is;
using phrase::Previous;

namespace {

// How much of its space an issuant charge fills: the height above the edge, less a margin at
// the top so that it does not touch the edge of the shield or the chief's own top; and of the
// width its share of the row.
constexpr float kShareOfHeight = 0.9f;
constexpr float kShareOfWidth = 0.9f;

bool OnAChief(const DrawingState& s) {
    const LevelRecord& before = s.level > 0 ? s.levels[static_cast<std::size_t>(s.level - 1)] : s.outsideLevel;
    return s.level > 0 && before.levelOn && before.levelKind == kTypeOrdinary && s.onOrdinaryCode == ShapeCode::kChief;
}

bool InChiefOfPerFess(const DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(std::clamp(s.level, 0, kMaxLevels - 1))];
    return s.level == 0 && level.levelIn && level.levelInCode == ShapeCode::kChief && s.partitionCode == ShapeCode::kFess &&
           s.lastShapeCode == ShapeCode::kFess;
}

bool InBase(const DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(std::clamp(s.level, 0, kMaxLevels - 1))];
    return level.levelIn && level.levelInCode == kBase;
}

// The words after "issuant" that name the base it rises from: "in base", "from the base",
// "from base", "out of the base"; how many they are (0: none).
int FromTheBaseWords(const DrawingState& s) {
    if (Is(s, 1, "in") && Is(s, 2, "base")) return 2;
    if (Is(s, 1, "from") && Is(s, 2, "base")) return 2;
    if (Is(s, 1, "from") && Is(s, 2, "the") && Is(s, 3, "base")) return 3;
    if (Is(s, 1, "out") && Is(s, 2, "of") && Is(s, 3, "the") && Is(s, 4, "base")) return 4;
    return 0;
}

// Demi-charges are drawn cut at the waist, which is what rises from the edge; a lion issuant
// is a demi-lion. "demi sun" in two words is named "dsun": a "d" before the name of a charge.
bool RisesFromAnEdge(const DrawingState& s, std::string_view name) {
    if (name.rfind("demi", 0) == 0 || name == "lion" || name == "lions") return true;
    if (name.size() < 2 || name[0] != 'd' || s.vocabulary == nullptr) return false;
    const VocabularyRow* row = s.vocabulary->Lookup(LookupKey(name.substr(1)));
    return row != nullptr && (row->type == kTypeCharge || IsOtherChargeWord(row->type));
}

// The words after "issuant" that name a flank: "from sinister", "from the dexter flank"; how
// many they are (0: none), and which flank.
int FromAFlankWords(const DrawingState& s, IssuingFlank& flank) {
    int k = 1;
    if (!Is(s, k, "from")) return 0;
    ++k;
    if (Is(s, k, "the")) ++k;
    if (Is(s, k, "sinister")) {
        flank = IssuingFlank::kSinister;
    } else if (Is(s, k, "dexter")) {
        flank = IssuingFlank::kDexter;
    } else {
        return 0;
    }
    ++k;
    if (Is(s, k, "flank") || Is(s, k, "side") || Is(s, k, "edge")) ++k;
    return k - 1;
}

}  // namespace

IssuantSpace IssuantSpaceOf(const DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    // A plain chief is as deep as the shapes draw it; a field per fess is parted at half height.
    if (OnAChief(s)) return {0, shapes::ChiefLowerEdge(g), true};
    if (InChiefOfPerFess(s)) return {0, g.H / 2, true};
    // In base, from the foot of the straight sides, where the base's curve begins: the lowest
    // third of the field above it.
    if (InBase(s)) return {g.straightBottom - g.H / 3, g.straightBottom, true};
    return {};
}

// Reads "issuant from (the) base", `words` words after "issuant", as the level's place in base.
static bool StandsIssuantInBase(DrawingState& s, LevelRecord& level, int words) {
    level.levelIn = true;
    level.levelInCode = kBase;
    s.issuant = true;
    for (int k = 0; k <= words; ++k) phrase::Use(s, k);
    s.cursor += words + 1;
    return true;
}

bool IssuantRule(DrawingState& s) {
    if (!Is(s, 0, "issuant") || s.level >= kMaxLevels) return false;
    LevelRecord& level = Current(s);
    const int fromTheBase = FromTheBaseWords(s);
    if (level.levelCount == 0 && fromTheBase > 0 && !level.levelIn && !level.levelOn && level.levelKind == 0) {
        // "issuant from the base a demi-sun": the place first, the charge after it.
        return StandsIssuantInBase(s, level, fromTheBase);
    }
    if (level.levelCount < 1 || level.levelKind == 0 || level.levelKind == kTypeOrdinary) return false;
    // "an arm issuant from sinister": one charge against a flank, wherever it stands whole.
    IssuingFlank flank = IssuingFlank::kNone;
    if (const int fromAFlank = FromAFlankWords(s, flank);
        fromAFlank > 0 && level.levelCount == 1 && !level.levelIn && !level.levelOn && level.levelKind != kTypeRoundel) {
        s.group.issuingFlank = flank;
        for (int k = 0; k <= fromAFlank; ++k) phrase::Use(s, k);
        s.cursor += fromAFlank + 1;
        return true;
    }
    if (fromTheBase > 0 && !level.levelIn && !level.levelOn && !RisesFromAnEdge(s, level.levelName.view())) {
        // "a tree issuant from base": a whole charge stands in base, as when the place is named
        // first.
        return StandsIssuantInBase(s, level, fromTheBase);
    }
    if (!RisesFromAnEdge(s, level.levelName.view())) return false;
    if (fromTheBase > 0 && !level.levelIn && !level.levelOn) {
        // "a demi-sun issuant from the base", "a demi-lion issuant in base".
        level.levelIn = true;
        level.levelInCode = kBase;
        s.issuant = true;
        for (int k = 0; k <= fromTheBase; ++k) phrase::Use(s, k);
        s.cursor += fromTheBase + 1;
        return true;
    }
    if (!IssuantSpaceOf(s).valid) return false;
    if (level.levelName == "lion" || level.levelName == "lions") level.levelName.Assign("demilion");
    s.issuant = true;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

bool IssuantLayout(DrawingState& s) {
    if (!s.issuant) return false;
    const IssuantSpace space = IssuantSpaceOf(s);
    PictureExtent picture;
    // A charge that is no demi-charge stands whole in the place named ("issuant from the base a
    // tower": the tower in base).
    if (!space.valid || !RisesFromAnEdge(s, Current(s).levelName.view()) || !LevelPictureExtent(s, picture)) return false;
    const ShieldGeometry& g = s.geometry;
    const int n = std::max(1, Current(s).levelCount);
    NoteLayout(s, "Issuant(" + std::to_string(space.top) + ", " + std::to_string(space.bottom) + ")");
    // A picture at charge scale c is painted c / 2 of its size: the scale that makes its drawing
    // as tall as its share of the space, or the picture as wide as its share of the row,
    // whichever is less.
    const float drawnRows = static_cast<float>(picture.lastRow - picture.firstRow + 1);
    const float byHeight = 2.0f * kShareOfHeight * static_cast<float>(space.bottom - space.top) / drawnRows;
    const float byWidth =
        2.0f * kShareOfWidth * static_cast<float>(g.W) / static_cast<float>(n) / static_cast<float>(picture.width);
    const float scale = std::min(byHeight, byWidth);
    // The foot on the edge: the drawing's lowest row lands on the edge's row. The picture is
    // painted centred on the placement point.
    const float half = scale / 2.0f;
    const float belowCentre = (static_cast<float>(picture.lastRow) - static_cast<float>(picture.height) / 2.0f) * half;
    const int y = space.bottom - static_cast<int>(belowCentre);
    for (int i = 0; i < n; ++i) Place(s, g.W * (2 * i + 1) / (2 * n), y, scale);
    return true;
}

}  // namespace esc
