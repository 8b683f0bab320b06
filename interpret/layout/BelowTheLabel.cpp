// The room a later chief or label leaves on the field.

#include "interpret/layout/BelowTheLabel.h"

#include "engine/OrdinaryShapes.h"
#include "engine/Ordinaries.h"
#include <string>
#include <vector>

#include "database/TableStore.h"
#include "interpret/read/Normaliser.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

bool IsArticleOrNumber(const DrawingState& s, int i) {
    return i < s.wordCount && (s.Type(i) == kTypeNumber || EqualsIgnoringCase(s.Word(i), "a") || EqualsIgnoringCase(s.Word(i), "an"));
}

// Whether "in chief" at word `chief` places a group after the current level's (which has two or
// more charges on a plain field): a group named between them, or one named right after the words.
bool InChiefForALaterGroup(const DrawingState& s, int chief) {
    if (chief - 1 <= s.levelFirstWord || !EqualsIgnoringCase(s.Word(chief - 1), "in")) return false;
    if (s.partitionCode != ShapeCode::kNoShape || s.levels[0].levelCount < 2) return false;
    if (IsArticleOrNumber(s, chief + 1)) return true;
    for (int i = s.levelFirstWord + 1; i < chief - 1; ++i)
        if (IsArticleOrNumber(s, i)) return true;
    return false;
}

}  // namespace

int RoomTopBelowALaterChiefOrLabel(const DrawingState& s) {
    // The charges about the first ordinary or charge ("an anchor between three escallops, a
    // chief") stand in the room the chief leaves as the first charges do.
    const bool about = s.level == 1 && s.levels[1].levelBetween;
    if ((s.level != 0 && !about) || s.levels[0].levelCount < 1 || s.levels[0].levelLine == kSemeLevelLine) return 0;
    for (int i = s.levelFirstWord + 1; i < s.wordCount; ++i) {
        if (s.Type(i) != kTypeOrdinary) continue;
        if (ShapeOfCode(s.Sub1(i)) == ShapeCode::kChief) {
            // "a chief", "on a chief": a chief of its own over the field. "in chief" is a place.
            const bool named = EqualsIgnoringCase(s.Word(i - 1), "a") &&
                               (i - 2 <= s.levelFirstWord || !EqualsIgnoringCase(s.Word(i - 2), "in"));
            if (named) return shapes::ChiefFurthestRow(s.geometry.H) + kClearOfTheChief;
            // "three rings, in chief two saltires", "three rings and two saltires in chief": a later
            // group set in the chief on a plain field, whose row the earlier charges leave clear.
            if (!about && InChiefForALaterGroup(s, i)) return shapes::ChiefFurthestRow(s.geometry.H) + kClearOfTheChief;
            // A label on a chief lies within the chief, whatever room the chief leaves.
            return 0;
        }
        // "and a canton", "on a canton ...": the canton covers the dexter chief; the charges keep
        // clear of it as of a chief (it hid the first of three annulets).
        if (ShapeOfCode(s.Sub1(i)) == ShapeCode::kCanton && EqualsIgnoringCase(s.Word(i - 1), "a") &&
            !EqualsIgnoringCase(s.Word(i - 2), "with"))
            return CantonArea(s.geometry).bottom + kClearOfTheChief;
        // One charge alone keeps the whole field, the label lying over its head as heralds draw it.
        if (ShapeOfCode(s.Sub1(i)) == ShapeCode::kLabel && !about && s.levels[0].levelCount >= 2)
            return shapes::LabelShapeOf(s.geometry, kDefaultLabelPoints).pointBottom + kClearOfTheLabel;
    }
    // A long blazon's later pieces, past the words in the slots.
    if (s.later.chief) return shapes::ChiefFurthestRow(s.geometry.H) + kClearOfTheChief;
    if (s.later.canton) return CantonArea(s.geometry).bottom + kClearOfTheChief;
    if (s.later.label && !about && s.levels[0].levelCount >= 2)
        return shapes::LabelShapeOf(s.geometry, kDefaultLabelPoints).pointBottom + kClearOfTheLabel;
    return 0;
}

int RoomInsetWithinALaterBordure(const DrawingState& s) {
    if (s.level != 0 || s.levels[0].levelCount < 1 || s.levels[0].levelLine == kSemeLevelLine) return 0;
    for (int i = s.levelFirstWord + 1; i < s.wordCount; ++i) {
        if (s.Type(i) != kTypeOrdinary || ShapeOfCode(s.Sub1(i)) != ShapeCode::kBordure) continue;
        // "a bordure", "within a bordure", "on a bordure"; "charged with a bordure" lies on the charges.
        if (EqualsIgnoringCase(s.Word(i - 1), "a") && !EqualsIgnoringCase(s.Word(i - 2), "with"))
            return kBordureBreadth + kClearOfTheBordure;
    }
    return s.later.bordure ? kBordureBreadth + kClearOfTheBordure : 0;
}

LaterClauses LaterClausesIn(std::string_view text, const Vocabulary* vocabulary) {
    LaterClauses later;
    if (vocabulary == nullptr) return later;
    std::string bare(text);
    StripPunctuation(bare);
    std::vector<std::string> words;
    for (std::size_t i = 0; i < bare.size();) {
        while (i < bare.size() && bare[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < bare.size() && bare[i] != ' ') ++i;
        if (i > start) words.push_back(bare.substr(start, i - start));
    }
    // "between three mullets", "between a crescent and ...": the group the charge before stands
    // between, as the first "between" of the words in the slots is read (not pieces of the field).
    for (std::size_t i = 0; i + 2 < words.size(); ++i) {
        if (!EqualsIgnoringCase(words[i], "between")) continue;
        const VocabularyRow* count = vocabulary->Lookup(LookupKey(words[i + 1]));
        const VocabularyRow* what = vocabulary->Lookup(LookupKey(words[i + 2]));
        const bool piecesOfTheField = what != nullptr && what->type == kTypeOrdinary && !db::StartsWithNoCase(words[i + 2], "cross");
        if (count != nullptr && count->type == kTypeNumber && !piecesOfTheField) later.betweenCount = count->sub1;
        if ((EqualsIgnoringCase(words[i + 1], "a") || EqualsIgnoringCase(words[i + 1], "an")) && !piecesOfTheField) later.betweenCount = 1;
        break;
    }
    // As the scans above: "a chief" or "on a chief" (not "in chief"), "a canton" or "a bordure" not
    // "charged with" one, a label.
    for (std::size_t i = 1; i < words.size(); ++i) {
        const VocabularyRow* row = vocabulary->Lookup(LookupKey(words[i]));
        if (row == nullptr || row->type != kTypeOrdinary || !EqualsIgnoringCase(words[i - 1], "a")) continue;
        const std::string_view beforeArticle = i >= 2 ? std::string_view(words[i - 2]) : std::string_view();
        const ShapeCode shape = ShapeOfCode(row->sub1);
        if (shape == ShapeCode::kChief && !EqualsIgnoringCase(beforeArticle, "in")) later.chief = true;
        if (shape == ShapeCode::kCanton && !EqualsIgnoringCase(beforeArticle, "with")) later.canton = true;
        if (shape == ShapeCode::kBordure && !EqualsIgnoringCase(beforeArticle, "with")) later.bordure = true;
        if (shape == ShapeCode::kLabel) later.label = true;
    }
    return later;
}

}  // namespace esc
