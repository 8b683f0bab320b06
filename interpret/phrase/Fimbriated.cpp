#include "interpret/phrase/Fimbriated.h"

#include <array>
#include <utility>

#include "engine/ChargePicture.h"
#include "engine/Palette.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

bool FimbriatesAnOrdinary(const LevelRecord& level) { return level.levelKind == kTypeOrdinary && !level.levelIn; }

// The first tincture named from the cursor on, or -1.
int NextTincture(const DrawingState& s) {
    for (int i = s.cursor; i < s.wordCount; ++i)
        if (s.Type(i) == kTypeTincture && s.Sub1(i) != kCounterchanged) return s.Sub1(i);
    return -1;
}

// The edge is the silhouette shifted this far each way (six pixels, diagonals included).
constexpr std::array<std::pair<int, int>, 8> kEdgeShifts = {{{6, 0}, {-6, 0}, {0, 6}, {0, -6}, {4, 4}, {4, -4}, {-4, 4}, {-4, -4}}};

}  // namespace

bool ReadFimbriated(DrawingState& s) {
    s.ordinaryTreatment = OrdinaryTreatment::kFimbriated;
    const LevelRecord& level = phrase::Current(s);
    if (FimbriatesAnOrdinary(level)) {
        phrase::Use(s, 0);
        ++s.cursor;
        return false;
    }
    const int at = s.cursor;
    ++s.cursor;
    if (level.levelKind == kTypeRoundel) return false;
    if (phrase::T(s, 0) == kTypeTincture && phrase::S1(s, 0) != kCounterchanged) {
        s.chargeFimbriation = phrase::S1(s, 0);
        s.UseWord(at);
        phrase::Use(s, 0);
        ++s.cursor;
        ReadOuterFimbriation(s);
        return true;
    }
    s.chargeFimbriation = NextTincture(s);
    if (s.chargeFimbriation >= 0) s.UseWord(at);
    return false;
}

void ReadOuterFimbriation(DrawingState& s) {
    if (!phrase::Is(s, 0, "and") || phrase::T(s, 1) != kTypeTincture || phrase::S1(s, 1) == kCounterchanged) return;
    // "per fess or a cross sable fimbriated azure and gules three annulets": a tincture followed
    // at once by a count or a charge begins the next part of the field, not a second edge.
    const int after = phrase::T(s, 2);
    if (after == kTypeNumber || after == kTypeOrdinary || after == kTypeCharge) return;
    if (FimbriatesAnOrdinary(phrase::Current(s))) s.fimbriationOuter = phrase::S1(s, 1);
    else s.chargeOuterFimbriation = phrase::S1(s, 1);
    phrase::Use(s, 0);
    phrase::Use(s, 1);
    s.cursor += 2;
}

void FimbriationFromLaterTincture(DrawingState& s) {
    LevelRecord& level = phrase::Current(s);
    if (!FimbriatesAnOrdinary(level) || level.levelSecondTincture >= 0) return;
    level.levelSecondTincture = NextTincture(s);
}

void PaintChargeFimbriation(DrawingState& s, const ChargeSpot& spot, const std::string& name) {
    if (s.chargeFimbriation < 0) return;
    const LevelRecord& level = phrase::Current(s);
    const bool loaded = s.pictureLoaded;
    // A double edge: the outer one first, twice as far out, then the inner one over it.
    for (const int times : {2, 1}) {
        const int tincture = times == 2 ? s.chargeOuterFimbriation : s.chargeFimbriation;
        if (tincture < 0) continue;
        ChargePaintRequest edge{spot, {phrase::Tincture(s), level.levelSecondTincture, s.detailTincture, tincture}, -1};
        for (const auto& [dx, dy] : kEdgeShifts) {
            edge.spot.x = spot.x + Px(s, times * dx);
            edge.spot.y = spot.y + Px(s, times * dy);
            for (const std::string& file : PictureFileNames(name, level.levelVariant.empty() ? "esv" : level.levelVariant.view()))
                if (PlaceChargePicture(s, file, edge) == 0 || s.chargePicture.verdict == PictureVerdict::Damaged) break;
        }
    }
    // The charge itself reads its picture as though the edge had not: its trace names the file.
    s.pictureLoaded = loaded;
}

}  // namespace esc
