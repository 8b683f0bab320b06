#pragma once
// "Per pale gules a lion or and azure a tower argent": a field parted in two whose halves each
// carry their own charges, the tincture of each half written before its charges. Read as the
// field parted, then each half's charges set in that half:
//   per pale gules and azure in dexterhalf a lion or in sinisterhalf a tower argent
// Per fess and per chevron set them in chief and in base; per bend in the sinister chief and the
// dexter base, per bend sinister in the dexter chief and the sinister base.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

struct DrawingState;

// The words rewritten, and what they leave in doubt (more halves opened by "and" and a
// tincture than the field has), the messages to tell.
struct HalvesRewritten {
    std::string words;
    std::vector<std::string_view> doubts;
    // A half holds one ordinary alone, drawn within it out to the half's edges.
    bool ordinaryAlone = false;
};

// The words of the first lookup (of the whole text) rewritten in the order above, or nothing
// when the text does not open so. Charges are moved into the halves (a cross "charged" on one of
// them is a charge); one ordinary alone in a part of a field per pale or per fess ("per pale
// argent a cross gules and ...") is drawn within that part. An ordinary with other words, or in a
// part of another partition, is not drawn within it, so such a text is left as it is: the driver
// then draws each part as a field of its own (PartedField.h).
[[nodiscard]] std::optional<HalvesRewritten> HalvesWithTheirCharges(const DrawingState& state);

}  // namespace esc
