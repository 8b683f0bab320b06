#pragma once
// A field parted in two or three whose parts each carry a tincture and charges of their own,
// each part a field of its own:
//
//   Per fess I azure six mullets or; II per pale or an anchor sable and vert a garb or
//   Per pale, dexter ..., sinister ...          Per fess, in chief ..., in base ...
//   Per pale gules a lion or and of the last three ships argent
//   Tierced per fess argent a rose gules and azure a star or and vert a tree or
//
// The parts are named by numbers (I, II, III, or 1, 2, 3), by places (chief, base, dexter,
// sinister, fess, pale), or only by their order, each opening with its tincture after "and". "Of the first",
// "of the last" name the tinctures of the whole text, so they are replaced by the tincture they
// name before the parts are read apart. A part may itself be parted (one level deep): the shield
// is then a grid. Each part is drawn as a whole field and kept to its part of the shield.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

class DrawHost;
class Vocabulary;
struct DrawingState;

enum class PartedShape { Pale, Fess, Bend, BendSinister };
// How the parts are told apart: by numbers, by places, or by each part's tincture after "and".
enum class PartsNamed { ByNumber, ByPlace, ByTincture };

struct PartedField;

struct FieldPart {
    std::string text;                 // its blazon; empty when it is parted again
    std::string placed;               // where it lies ("chief", "dexter base")
    std::vector<PartedField> parted;  // the part parted again: one field, or none
};

struct PartedField {
    PartedShape shape = PartedShape::Pale;
    PartsNamed named = PartsNamed::ByNumber;
    std::string line;  // the partition's line ("wavy"), or empty
    std::vector<FieldPart> parts;
    // Where the words leave a doubt (a charge that may lie over the whole field, an "and"
    // that may open a part or not): the messages to tell, fixed texts.
    std::vector<std::string_view> doubts;
};

// The most parts a field is parted into (tierced).
inline constexpr int kMaxFieldParts = 3;

// The text read as a parted field, or nothing when it is not written so. The vocabulary tells
// tinctures and numbers; without one nothing is read.
[[nodiscard]] std::optional<PartedField> ReadPartedField(std::string_view text, const Vocabulary* vocabulary);

// The plain field parted the same way in argent, gules and azure, which tells the parts apart.
[[nodiscard]] std::string PartitionMapText(const PartedField& field);

// Draws the field: the picture becomes the whole shield with each part drawn in its place.
void DrawPartedField(DrawingState& state, const PartedField& field, DrawHost& host);

}  // namespace esc
