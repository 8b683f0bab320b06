#include "interpret/phrase/PartBeforeTincture.h"

#include <string>

#include "engine/Palette.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

// The colour index a picture paints its second part in (claws, stalk, string, fruit).
constexpr std::uint8_t kSecondPartIndex = 10;

bool PartWord(const DrawingState& s, int k) {
    return T(s, k) == kTypeDetail && S1(s, k) != kOwnPicture && S1(s, k) != kPartOfAPhrase;
}

}  // namespace

bool PartBeforeTheTinctureRule(DrawingState& s) {
    // The run begins after the charge or its attitudes: after "and" its first word was read
    // otherwise ("slipped and leaved", the slip a picture of its own), and the rest is left unread.
    if (!PartWord(s, 0) || HasTincture(s) || Is(s, -1, "and")) return false;
    const LevelRecord& level = Current(s);
    // A charge drawn slipped has the slip in a picture of its own, which the qualifier read.
    if (level.levelVariant.view().starts_with("sl")) return false;
    if (level.levelCount < 1 || !kinds::NamesACharge(level.levelKind) || level.levelKind == kTypeRoundel) return false;
    // The run: detail words, "and" between two of them, then the tincture.
    int end = 1;
    while (PartWord(s, end) || (Is(s, end, "and") && PartWord(s, end + 1))) ++end;
    if (T(s, end) != kTypeTincture) return false;
    std::string said;
    for (int k = 0; k < end; ++k) {
        Use(s, k);
        if (!said.empty()) said += ' ';
        said += W(s, k);
    }
    TellWhenThePartIsNotDrawn(s, said, S1(s, end));
    s.cursor += end;
    return true;
}

void TellWhenThePartIsNotDrawn(DrawingState& s, const std::string& said, int tincture) {
    // Parts a picture draws in its lines (a ladybird's spots) are sable as they stand.
    if (tincture != kSable && LevelPictureHasPart(s, kSecondPartIndex) == PicturePart::NotDrawn)
        s.messages.Show("\"" + said + "\" is read, not drawn: the picture of the " + Current(s).levelName.str() +
                        " has no such part, and is drawn whole in its tincture.");
}

void TellThePartIsNotDrawn(DrawingState& s, const std::string& said) {
    s.messages.Show("\"" + said + "\" is read, not drawn: the picture of the " + Current(s).levelName.str() +
                    " has no such part.");
}

}  // namespace esc::phrase
