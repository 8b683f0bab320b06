#include "interpret/phrase/StrewnCharges.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/Palette.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"

namespace esc {
namespace {

// As on a field strewn all over: six charges across the shield at this scale, the rows this much
// closer than the columns, each other row shifted half a column.
constexpr int kColumnsAcrossTheShield = 6;
constexpr float kScaleOnTheField = 0.3f;
constexpr double kRowOverColumn = 0.8;
// A narrow room (a bend, a bordure) takes at least this many charges across its breadth, and
// none smaller than this part of the shield's width.
constexpr double kAcrossANarrowRoom = 2.0, kSmallestStrewnCell = 1.0 / 14;

// How broad the room is, as its area over its longer side.
double Breadth(const SurfaceMask& room) {
    const auto area = std::count(room.in.begin(), room.in.end(), true);
    return static_cast<double>(area) / std::max({room.box.Width(), room.box.Height(), 1});
}

void StrewOne(DrawingState& s, const model::Treatment& seme, const SurfaceMask& room) {
    if (std::find(room.in.begin(), room.in.end(), true) == room.in.end()) return;
    const ShieldGeometry& g = s.geometry;
    const double fieldCell = static_cast<double>(g.W) / kColumnsAcrossTheShield;
    const double cell = std::clamp(Breadth(room) / kAcrossANarrowRoom, g.W * kSmallestStrewnCell, fieldCell);
    const float scale = kScaleOnTheField * static_cast<float>(cell / fieldCell);

    // The level lent to the charges, and what placing them touches, kept to be given back.
    LevelRecord& level = s.levels[static_cast<std::size_t>(s.ClampedLevel())];
    const LevelRecord keptLevel = level;
    const int keptTincture = phrase::Tincture(s);
    const GroupForm keptGroup = s.group;
    const int keptInset = s.roomInset, keptTop = s.roomTop;
    const bool keptSinister = s.sinisterCharges, keptReversed = s.reversedCharges;
    const int keptFirstPicture = s.levelFirstPicture;
    const Bitmap picture = s.picture;
    const std::vector<std::int8_t> codes = s.pictureBuffer;

    level = LevelRecord{};
    level.levelName = FixedString<kLevelNameChars>(seme.charge);
    level.levelKind = seme.chargeKind;
    level.levelVariant = FixedString<kVariantChars>(seme.chargeVariant);
    level.levelCount = 1;
    phrase::Tincture(s) = seme.parts.size() > 1 ? seme.parts[1].FirstTincture() : kOr;
    s.group = GroupForm{};
    s.roomInset = s.roomTop = 0;
    s.sinisterCharges = s.reversedCharges = false;
    s.pictureLoaded = false;
    s.levelFirstPicture = s.pictureCount;

    const Rect& box = room.box;
    const double rowStep = cell * kRowOverColumn;
    int row = 0;
    for (double y = box.top + rowStep / 2; y < box.bottom; y += rowStep, ++row) {
        const double shift = row % 2 == 1 ? cell / 2 : 0;
        for (double x = box.left + cell / 2 + shift - cell; x < box.right + cell; x += cell) {
            const int cx = static_cast<int>(x), cy = static_cast<int>(y);
            if (room.Contains(cx, cy)) Place(s, cx, cy, scale);
        }
    }

    // Outside the room, the picture and the codes as they were: the charges are cut by its edge.
    const int width = std::min(s.picture.Width(), picture.Width()), height = std::min(s.picture.Height(), picture.Height());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (room.Contains(x, y)) continue;
            s.picture.SetPixel(x, y, picture.Pixel(x, y));
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
            if (x < g.W && i < codes.size() && i < s.pictureBuffer.size()) s.pictureBuffer[i] = codes[i];
        }

    level = keptLevel;
    phrase::Tincture(s) = keptTincture;
    s.group = keptGroup;
    s.roomInset = keptInset;
    s.roomTop = keptTop;
    s.sinisterCharges = keptSinister;
    s.reversedCharges = keptReversed;
    s.pictureLoaded = false;
    s.levelFirstPicture = keptFirstPicture;
}

}  // namespace

void StrewSemes(DrawingState& s, const model::Treatment& treatment, const SurfacePaintRequest& request) {
    const std::vector<const model::Treatment*> semes = model::SemesOf(treatment);
    SurfacePaintRequest scaled = request;  // the lines of the ground at the scale it is painted
    scaled.k = s.geometry.k;
    for (std::size_t k = 0; k < semes.size(); ++k)
        StrewOne(s, *semes[k], SurfaceMarkMask(scaled, static_cast<int>(k)));
}

}  // namespace esc
