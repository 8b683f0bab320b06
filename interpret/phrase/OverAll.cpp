#include "interpret/phrase/OverAll.h"

#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/Layouts.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"

namespace esc {

using phrase::Current;

bool PlacesPictures(const LevelRecord& level);

namespace {


bool IsEscutcheon(const LevelRecord& level) { return level.levelName == "escutcheon" || level.levelName == "escutcheons"; }

}  // namespace

void MarkOverAll(DrawingState& s) {
    // The phrase after the words is the current level when nothing of it is read yet, else the
    // next one: a level with a count ends before a new phrase starts.
    s.overAllLevel = Current(s).levelCount == 0 ? s.level : s.level + 1;
}

bool OverAllLayout(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (s.level != s.overAllLevel || !PlacesPictures(level) || level.levelIn) return false;
    const ShieldGeometry& g = s.geometry;
    PictureExtent picture;
    if (level.levelCount == 1 && IsEscutcheon(level)) {
        const bool loaded = s.pictureLoaded;
        const bool known = LevelPictureExtent(s, picture);
        s.pictureLoaded = loaded;
        if (known) {
            NoteLayout(s, "OverAll(inescutcheon)");
            const float width = static_cast<float>(g.W * kInescutcheonWidthPercent) / 100.0f;
            Place(s, g.W2, g.H2, width / (static_cast<float>(picture.width) * kPictureScaleFactor));
            return true;
        }
    }
    NoteLayout(s, "OverAll");
    FieldLayout(s);
    return true;
}

}  // namespace esc
