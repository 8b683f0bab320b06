#include "interpret/SocietyWords.h"

#include <array>
#include <cctype>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "interpret/DrawingState.h"
#include "interpret/PhraseInterpreterTrace.h"
#include "interpret/PhraseRules.h"
#include "interpret/Placement.h"
#include "interpret/TextOps.h"
#include "interpret/Vocabulary.h"

namespace esc {
namespace {

// The words a charge phrase can begin with. A field always begins with a tincture, a fur, a
// partition or a treatment, none of which is one of these.
constexpr std::array<std::string_view, 15> kPhraseOpeners = {"a",    "an",    "on",    "in",   "two",
                                                           "three", "four", "five",  "six",   "seven",
                                                           "eight", "nine", "ten",   "eleven", "twelve"};

// A level of charge pictures or discs: beasts, birds, other charges and roundels, named.
bool IsChargeLevel(const LevelRecord& level) {
    const int kind = level.levelKind;
    const bool charge = kind == kTypeCharge || kind == kTypeRoundel || (kind >= 11 && kind <= 14);
    return charge && level.levelCount > 0 && !level.levelIn && !level.levelBetween;
}

// A badge names the tincture of its charge; a text that names none ("A lion rampant") is not a
// blazon of anything, and its field is asked for as before.
constexpr std::array<std::string_view, 12> kTinctureWords = {"or",    "argent",  "gules",    "azure",
                                                            "sable", "vert",    "purpure",  "proper",
                                                            "ermine", "ermines", "erminois", "pean"};

bool NamesATincture(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
        std::size_t end = i;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
        for (std::string_view tincture : kTinctureWords)
            if (EqualsIgnoringCase(text.substr(i, end - i), tincture)) return true;
        i = end;
    }
    return false;
}

// What the driver makes of "(Fieldless)": the word the field parser knows.
constexpr std::string_view kFieldlessWord = "fieldless ";

}  // namespace

bool MarkFieldlessBadge(std::string& text, std::size_t capacity) {
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    std::size_t end = start;
    while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
    const std::string_view first = std::string_view(text).substr(start, end - start);
    if (first.empty() || EqualsIgnoringCase(first, "fieldless")) return false;
    for (std::string_view opener : kPhraseOpeners) {
        if (EqualsIgnoringCase(first, opener)) {
            if (text.size() + kFieldlessWord.size() > capacity || !NamesATincture(text)) return false;
            text.insert(start, kFieldlessWord);
            return true;
        }
    }
    return false;
}

bool LiesOnTheChargesBefore(DrawingState& s) {
    if (s.level < 1 || s.level >= kMaxLevels) return false;
    const LevelRecord& bearer = phrase::Previous(s);
    const LevelRecord& level = phrase::Current(s);
    if (!bearer.levelOn || !IsChargeLevel(bearer) || !IsChargeLevel(level) || level.levelOn) return false;
    return level.levelCount == bearer.levelCount;
}

bool AnotherRule(DrawingState& s) {
    if (!phrase::Is(s, 0, "another") || s.level < 1) return false;
    LevelRecord& level = phrase::Current(s);
    if (level.levelCount != 0) {
        phrase::CloseBeforeNewPhrase(s);
        return true;
    }
    const LevelRecord& before = phrase::Previous(s);
    if (!IsChargeLevel(before)) return false;
    level.levelCount = 1;
    level.levelName = before.levelName;
    level.levelKind = before.levelKind;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

bool BendwiseRule(DrawingState& s) {
    if (!phrase::Is(s, 0, "bendwise") || s.rowsDrawn) return false;
    const LevelRecord& level = phrase::Current(s);
    if (!IsChargeLevel(level) || level.levelKind == kTypeRoundel || level.levelOn) return false;
    if (s.level > 0 && phrase::Previous(s).levelOn) return false;  // lying on an ordinary or a charge
    s.bendwiseCharges = true;
    phrase::Use(s, 0);
    if (phrase::Is(s, 1, "sinister")) {
        s.sinisterCharges = !s.sinisterCharges;
        phrase::Use(s, 1);
        ++s.cursor;
    }
    ++s.cursor;
    return true;
}

bool TurnLevelBendwise(DrawingState& s) {
    if (!s.bendwiseCharges) return false;
    s.bendwiseCharges = false;
    s.bendwiseFlag = true;
    return true;
}

bool UprightOnABendRule(DrawingState& s) {
    if (!phrase::Is(s, 0, "palewise") || s.rowsDrawn || s.level < 1) return false;
    const LevelRecord& level = phrase::Current(s);
    if (!IsChargeLevel(level) || level.levelKind == kTypeRoundel) return false;
    // The bend is the first phrase, opened by "on", and drawn already.
    if (s.firstOrdinaryShape != ShapeCode::kBend || !s.levels[0].levelOn) return false;
    s.uprightCharges = true;
    phrase::Use(s, 0);
    ++s.cursor;
    return true;
}

bool OppositeTheChargeBefore(DrawingState& s) {
    if (s.level != 2 || s.ringWritten < 1) return false;
    const LevelRecord& first = phrase::Previous(s);
    const LevelRecord& level = phrase::Current(s);
    if (!first.levelBetween || first.levelCount != 1 || level.levelCount != 1 || !IsChargeLevel(level)) return false;
    const int shape = s.firstOrdinaryShape;
    if (shape != ShapeCode::kFess && shape != ShapeCode::kBend && shape != ShapeCode::kBendSinister &&
        shape != ShapeCode::kPale)
        return false;
    const RingEntry& before = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
    const ShieldGeometry& g = s.geometry;
    NoteLayout(s, "OppositeTheChargeBefore");
    Place(s, g.W - before.x, g.H - before.y, before.scale);
    return true;
}

}  // namespace esc
