// Wings blazoned after a winged charge ("a dragon passant, wings elevated and addorsed"): how the
// charge bears them, never a charge glued to its name.

#include <array>
#include <string>
#include <string_view>

#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/VariantCode.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

// Birds are the first of the other charge classes.
constexpr int kBirdType = kTypeFirstOtherCharge;

// How a winged charge's wings are borne, blazoned after it ("a dragon passant, wings elevated and
// addorsed"). `bird` is the bird's attitude that bears them so, 0 when none does; `asDrawn` says
// the pictures of winged beasts and monsters show them so: raised behind the back. `drawing` is
// what a picture drawn with the wings so adds to the charge's variant ("eagle.1iv", the eagle
// displayed with its wings inverted; "dragon.1ds", the dragon rampant with both wings spread).
struct WingPosture {
    std::string_view word;
    int bird;
    bool asDrawn;
    std::string_view drawing = {};
};
constexpr int kDisplayedCode = 1, kRisingCode = 2, kCloseCode = 3;
constexpr std::string_view kWingsSpreadDrawing = "ds", kWingsInvertedDrawing = "iv";
// A picture's variant has at most this many letters.
constexpr std::size_t kMostWingVariantChars = 3;
constexpr std::array<WingPosture, 13> kWingPostures = {{
    {"elevated", kRisingCode, true},
    {"addorsed", kRisingCode, true},
    {"endorsed", kRisingCode, true},
    {"erect", kRisingCode, true},
    {"raised", kRisingCode, true},
    {"displayed", kDisplayedCode, false, kWingsSpreadDrawing},
    {"expanded", kDisplayedCode, false, kWingsSpreadDrawing},
    {"extended", kDisplayedCode, false, kWingsSpreadDrawing},
    {"spread", kDisplayedCode, false, kWingsSpreadDrawing},
    {"overt", kDisplayedCode, false, kWingsSpreadDrawing},
    {"close", kCloseCode, false},
    {"closed", kCloseCode, false},
    {"inverted", 0, false, kWingsInvertedDrawing},
}};

const WingPosture* PostureAt(const DrawingState& s, int i) {
    for (const WingPosture& p : kWingPostures)
        if (EqualsIgnoringCase(s.Word(i), p.word)) return &p;
    return nullptr;
}

// Words before "wings" that make the wings a charge of their own ("two wings", "a pair of wings",
// "between wings").
bool OpensWingsAsACharge(const DrawingState& s, int i) {
    if (s.Type(i) == kTypeNumber) return true;
    for (std::string_view word : {"a", "an", "of", "pair", "and", "between", "on", "within", "in"})
        if (EqualsIgnoringCase(s.Word(i), word)) return true;
    return false;
}

// Whether the level names a charge that has wings: a bird, a monster born winged, or a charge
// made winged by the prefix ("winged trout" is wtrout), after any demi or two-headed prefix.
bool HasWings(const DrawingState& s, const LevelRecord& level) {
    if (level.levelKind == kBirdType) return true;
    std::string_view name = level.levelName.view();
    // Names as the vocabulary cuts them to eight letters too: "hippogri", "seagriff", "opinicu".
    for (std::string_view monster : {"dragon", "wivern", "griffin", "cockatri", "basilisk", "harpy", "opinicu", "hippogri",
                                     "hippogry", "seagriff", "seagryph"})
        if (name.find(monster) != std::string_view::npos) return true;
    while (name.size() > 1 && (name[0] == 'd' || name[0] == 't')) name.remove_prefix(1);
    if (name.size() < 2 || name[0] != 'w' || s.vocabulary == nullptr) return false;
    const VocabularyRow* row = s.vocabulary->Lookup(LookupKey(name.substr(1)));
    return row != nullptr && (row->type == kTypeCharge || IsOtherChargeWord(row->type));
}

}  // namespace

bool ReadWingsOfTheCharge(DrawingState& s) {
    if (!Is(s, 0, "wings") || s.level < 0 || s.level >= kMaxLevels) return false;
    LevelRecord& level = Current(s);
    const bool named = !level.levelName.view().empty() && level.levelCount > 0 && (level.levelKind == kTypeCharge || IsOtherChargeWord(level.levelKind));
    if (!named || OpensWingsAsACharge(s, s.cursor - 1) || PostureAt(s, s.cursor + 1) == nullptr) return false;
    // "wings elevated and addorsed": the postures, "and" between them.
    std::string said;
    int bird = -1;
    bool asDrawn = true;
    std::string_view drawing;
    int i = s.cursor + 1;
    for (const WingPosture* p = PostureAt(s, i); p != nullptr; p = PostureAt(s, i)) {
        if (!said.empty()) {
            said += " and ";
            s.UseWord(i - 1);
        }
        said += p->word;
        if (!p->drawing.empty()) drawing = p->drawing;
        if (bird < 0 || p->bird == 0) bird = p->bird;
        asDrawn = asDrawn && p->asDrawn;
        s.UseWord(i);
        ++i;
        if (!EqualsIgnoringCase(s.Word(i), "and") || PostureAt(s, i + 1) == nullptr) break;
        ++i;
    }
    if (EqualsIgnoringCase(s.Word(s.cursor - 1), "with")) s.UseWord(s.cursor - 1);
    Use(s, 0);
    s.cursor = i;
    const std::string name(level.levelName.view());
    const std::string variant(level.levelVariant.view());
    bool drawn = false;
    const std::string drawnSo = variant + std::string(drawing);
    if (!drawing.empty() && drawnSo.size() <= kMostWingVariantChars && PictureExists(s, name, drawnSo)) {
        // A picture drawn with the wings so.
        level.levelVariant.Assign(drawnSo);
        drawn = true;
    } else if (level.levelKind == kBirdType && bird > 0) {
        // A bird's wings are its attitude: "a falcon wings elevated" is the falcon rising.
        const std::string wanted = VariantText(bird);
        if (variant.empty() && PictureExists(s, name, wanted)) {
            AppendDigits(level.levelVariant, bird);
            drawn = true;
        } else {
            drawn = variant == wanted || (bird == kRisingCode && variant == VariantText(kDisplayedCode));
        }
    } else if (level.levelKind != kBirdType) {
        drawn = asDrawn && HasWings(s, level);
    }
    if (!drawn)
        s.messages.Show("No picture of the " + name + " with wings " + said + ": it is drawn " +
                        (HasWings(s, level) ? "with the wings its picture has." : "without them."));
    return true;
}

}  // namespace esc::phrase
