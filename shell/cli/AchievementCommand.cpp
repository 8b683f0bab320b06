#include "shell/cli/AchievementCommand.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "engine/AtomicFile.h"
#include "engine/Bitmap.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/CommandTable.h"
#include "shell/cli/DataPaths.h"
#include "shell/cli/PaintScaleOption.h"
#include "shell/cli/WindowArt.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/ArtAtSize.h"
#include "shell/compose/TextPainter.h"

namespace esc {

int AchievementCommand(const std::vector<std::string>& args, const char* argv0) {
    const ParseResult parsed = ParseOptions(CommandNamed("achievement"), args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const ParsedOptions& options = parsed.options;
    const std::string output = options.Value("--output", "achievement.png"), dataDir = options.Value("--data");
    const std::string surname = options.Value("--surname"), blazon = options.Words();
    // --size W: the achievement W pixels wide, every part of it drawn that much finer.
    const double scale = options.Has("--size") ? options.Number("--size", compose::kAchievementDesignWidth) /
                                                     static_cast<double>(compose::kAchievementDesignWidth)
                                               : 1.0;

    const std::string dir = FindDataDir(dataDir, argv0);
    if (dir.empty()) {
        std::fprintf(stderr, "escaval: cannot find the data folder (words1.db); use --data DIR\n");
        return kExitFile;
    }
    std::string error;
    auto vocabulary = Vocabulary::Load(dir + "/words1.db", &error);
    if (!vocabulary) {
        std::fprintf(stderr, "escaval: %s\n", error.c_str());
        return kExitFile;
    }
    auto mantle = ReadArtFile(dir, "mantle2.bmp", ArtNeed::Required).bitmap;
    if (!mantle) return kExitFile;
    // A missing scroll leaves the achievement without one, as in the window; a damaged one fails.
    ArtFile scrollFile = ReadArtFile(dir, "scroll3.bmp", ArtNeed::LeftOutWhenMissing);
    if (scrollFile.failed) return kExitFile;
    auto& scroll = scrollFile.bitmap;

    StderrSink sink;
    compose::ScaleAchievementArt(dir, scale, *mantle, scroll ? &*scroll : nullptr, sink);
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &*vocabulary;
    state->dataDir = dir;
    state->SetPaintScale(compose::AchievementShieldPaintScale(scale));
    // Each picture file read once, its verdict kept, for the size and for the painting alike.
    PictureCache pictures;
    state->pictureCache = &pictures;
    DrawHost host;
    DrawBlazon(*state, blazon, host);

    // The window's surface after the backdrop is cleared, the shield as Image1 shows it.
    const compose::WindowLayout layout;
    Bitmap surface = compose::AchievementSurface(layout, scale);
    const Bitmap shield = compose::PictureAsShown(state->picture);
    compose::AchievementInputs inputs;
    inputs.shield = &shield;
    inputs.TakeTincturesOf(*state);
    inputs.mantle = &*mantle;
    inputs.scroll = scroll ? &*scroll : nullptr;
    inputs.surname = surname;
    inputs.scale = scale;
    const compose::TextPainter text;
    const compose::Achievement achievement = compose::ComposeAchievement(surface, inputs, &text, layout);

    RemoveLeftoverTemporariesBeside(output);
    if (const WriteResult written = WritePicture(achievement.capture, output); !written) {
        std::fprintf(stderr, "escaval: cannot write '%s': %s\n", output.c_str(), written.error.c_str());
        return kExitFile;
    }
    return kExitWritten;
}

}  // namespace esc
