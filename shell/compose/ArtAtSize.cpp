#include "shell/compose/ArtAtSize.h"

#include <filesystem>

#include "engine/ChargeDrawing.h"
#include "shell/compose/Achievement.h"

namespace esc::compose {
namespace {

// The window pictures are drawn in a handful of flat colours; more means it is not one of them.
constexpr std::size_t kMostArtColours = 16;
constexpr Rgb kScrollGround{0, 255, 0};  // lime, the scroll picture's transparent colour

}  // namespace

std::string ArtDrawingPath(const std::string& dataDir, std::string_view pictureName) {
    const std::filesystem::path name{std::string(pictureName)};
    return (std::filesystem::path(dataDir) / "drawings" / name.stem()).string() + ".svg";
}

std::string ArtEnlargedMessage(std::string_view pictureName, std::string_view why) {
    return "The drawing of the picture '" + std::string(pictureName) + "' " + std::string(why) +
           ": it is its picture enlarged, less sharp.";
}

Bitmap ArtAtSize(const std::string& dataDir, std::string_view pictureName, const Bitmap& picture, int width, int height,
                 Rgb ground, MessageSink& sink) {
    if (picture.Width() == width && picture.Height() == height) return picture;
    std::string why;
    Bitmap drawn;
    const std::vector<Rgb> colours = ColoursOf(picture, kMostArtColours);
    if (colours.empty()) {
        why = "cannot be used: its picture has more than " + std::to_string(kMostArtColours) + " colours";
    } else {
        switch (DrawArtAtSize(ArtDrawingPath(dataDir, pictureName), width, height, colours, ground, drawn, why)) {
            case DrawingOutcome::Drawn: return drawn;
            case DrawingOutcome::NoDrawing: why = "is not installed"; break;
            case DrawingOutcome::Unreadable: why = "cannot be read (" + why + ")"; break;
        }
    }
    sink.Show(ArtEnlargedMessage(pictureName, why));
    Bitmap enlarged(width, height, ground);
    enlarged.StretchDraw(picture, {0, 0, width, height});
    return enlarged;
}

}  // namespace esc::compose

namespace esc::compose {

void ScaleAchievementArt(const std::string& dataDir, double scale, Bitmap& mantle, Bitmap* scroll, MessageSink& sink) {
    if (scale == 1.0) return;
    // The mantle's white is transparent; the scroll's drawing lays its own lime ground.
    mantle = ArtAtSize(dataDir, "mantle2.bmp", mantle, AtScale(mantle.Width(), scale), AtScale(mantle.Height(), scale),
                       kWhite, sink);
    if (scroll != nullptr && !scroll->Empty()) {
        const Bitmap picture = scroll->Copy({0, 0, kScrollPictureWidth, kScrollPictureHeight});
        *scroll = ArtAtSize(dataDir, "scroll3.bmp", picture, AtScale(kScrollPictureWidth, scale),
                            AtScale(kScrollPictureHeight, scale), kScrollGround, sink);
    }
}

}  // namespace esc::compose
