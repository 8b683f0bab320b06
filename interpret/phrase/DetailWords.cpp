#include "interpret/phrase/DetailWords.h"

#include <algorithm>
#include <string>

#include "engine/Palette.h"
#include "interpret/phrase/PartBeforeTincture.h"
#include "interpret/phrase/PartedLevel.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

// Whether a detail word of the picture's second part ("armed", "langued") stands among the words
// of the current level already read, before the cursor.
bool DetailOfTheSecondPartReadBefore(const DrawingState& s) {
    for (int k = std::max(s.levelFirstWord, 0); k < s.cursor; ++k)
        if (s.Type(k) == kTypeDetail && s.Sub1(k) != kOwnPicture) return true;
    return false;
}

}  // namespace

// Step b: detail words after the tincture ("armed and langued azure", "crowned or", "accorned
// collared and belled azure"). The tincture that follows them is the second tincture, and for a
// Sub1 99 word the detail tincture as well; each Sub1 99 word also names a picture of its own (the
// charge's name and the word's first letter, a letter for each such word: a crowned lion is
// "lionc", a cow belled "cowb"; "winged" after the tincture names the winged beast, "wlion"). A
// Sub1 99 word whose picture is not drawn is read with its tincture and told as read, not drawn;
// the charge is drawn as it is rather than as the question picture. Only the detail words and
// "and" are looked through, so a later phrase's tincture is never taken.
void ReadDetailRunAfterTincture(DrawingState& s) {
    LevelRecord& level = Current(s);
    std::string named = level.levelName.str();
    if (!named.empty() && named.back() == 's') named.pop_back();
    bool detail = false;
    bool second = false;
    bool phraseOnly = false;  // "collared": a word that only a phrase with its picture reads
    std::string unshown;      // Sub1 99 words whose picture is not drawn ("a castle windowed")
    for (int i = s.cursor + 1; i < s.wordCount; ++i) {
        const int type = s.Type(i);
        // "or, crowned of the last": the tincture named last before the words.
        const bool ofTheLast = EqualsIgnoringCase(s.Word(i), "of") && EqualsIgnoringCase(s.Word(i + 1), "the") &&
                               EqualsIgnoringCase(s.Word(i + 2), "last");
        if (type == kTypeTincture || ofTheLast) {
            if (!detail && !second && unshown.empty()) return;
            if (phraseOnly && !detail) return;  // no collar drawn: told unread, no other part tinted
            if (!unshown.empty()) TellThePartIsNotDrawn(s, unshown);
            int code = s.Sub1(i), end = i;
            if (ofTheLast) {
                int last = s.cursor;
                while (last > 0 && s.Type(last) != kTypeTincture) --last;
                code = s.Sub1(last);
                end = i + 2;
            }
            if (detail) {
                level.levelName.Assign(named);
                s.detailTincture = code;
            }
            std::string said;
            for (int k = s.cursor + 1; k < i; ++k) {
                if (!said.empty()) said += ' ';
                said += s.Word(k);
            }
            if (second && level.levelSecondTincture >= 0 && level.levelSecondTincture != code &&
                DetailOfTheSecondPartReadBefore(s)) {
                // "armed or langued gules": claws and tongue are one part of the picture, in one
                // tincture; the later one paints it, and the earlier is told as not drawn.
                s.messages.Show("\"" + said + "\" is read, but the picture of the " + level.levelName.str() +
                                " paints its details in one tincture: " + std::string(TinctureName(code)) +
                                " is drawn, not " + std::string(TinctureName(level.levelSecondTincture)) + ".");
            }
            if (second) level.levelSecondTincture = code;
            if (second && !detail) TellWhenThePartIsNotDrawn(s, said, code);
            for (int k = s.cursor + 1; k <= end; ++k) s.UseWord(k);
            s.cursor = end;
            return;
        }
        // "a lion azure winged or": the winged beast's picture, whose wings are its detail.
        if (type == kTypePrefix && EqualsIgnoringCase(s.Word(i), "winged")) {
            const std::string winged = "w" + named;
            if (!PictureExists(s, winged, level.levelVariant.view())) return;
            named = winged;
            detail = true;
            continue;
        }
        if (type != kTypeDetail) {
            int partedFirst = -1;
            const int last = detail && !second ? ReadPartedDetail(s, i, partedFirst) : -1;
            if (last >= 0) {
                // "ducally crowned per pale argent and gules": the crown in both, split.
                level.levelName.Assign(named);
                s.detailTincture = partedFirst;
                for (int k = s.cursor + 1; k <= last; ++k) s.UseWord(k);
                s.cursor = last;
                return;
            }
            // "ducally crowned": the crown the crowned picture has.
            const bool ducally = EqualsIgnoringCase(s.Word(i), "ducally") && s.Type(i + 1) == kTypeDetail;
            if (!EqualsIgnoringCase(s.Word(i), "and") && !ducally) return;
            continue;
        }
        if (s.Sub1(i) != kOwnPicture) {
            phraseOnly = phraseOnly || s.Sub1(i) == kPartOfAPhrase;
            second = true;
            continue;
        }
        // The picture that shows this detail too; one drawn for the first already may show it
        // (bearm.hd, the bear's head muzzled, is also bearmr.hd: the muzzle has its ring).
        const std::string withIt = named + ToLower(s.Word(i).substr(0, 1));
        if (!PictureExists(s, withIt, level.levelVariant.view())) {
            if (!unshown.empty()) unshown += ' ';
            unshown += s.Word(i);
            continue;
        }
        named = withIt;
        detail = true;
    }
}

}  // namespace esc::phrase
