#include "shell/cli/SaveCommands.h"

#include <algorithm>
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
#include "shell/cli/TerminalText.h"
#include "shell/cli/WindowArt.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/ArtAtSize.h"
#include "shell/compose/PdfPages.h"
#include "shell/compose/PrintPage.h"
#include "shell/compose/SavePicture.h"
#include "shell/compose/TextPainter.h"

namespace esc {
namespace {

// What both commands read: the options they share and the blazon.
struct Request {
    std::string dataDir, surname, blazon;
    bool achievement = false;
    double paintScale = 1.0;  // of the shield drawn
    double achievementScale = 1.0;  // the achievement composed this many times its window size
    bool scrollShown = true;  // the scroll is read (and a damaged one fails) only when shown
};

// What `save` and `print` share of their arguments.
Request RequestOf(const ParsedOptions& options) {
    return {options.Value("--data"), options.Value("--surname"), options.Words(), options.Has("--achievement")};
}

// The drawn shield as Image1 shows it, and what the achievement wrote, as the window holds them
// when the save dialog opens or the page is printed.
struct Drawn {
    Bitmap picture;
    std::optional<Bitmap> scroll;  // picture 0 of the scroll list
    std::optional<compose::Achievement> achievement;
    std::optional<Bitmap> mantle;  // the template the achievement was recoloured from
    compose::AchievementInputs tinctures;  // what the mantle takes from the arms
    std::string dataDir;
};

std::optional<Drawn> DrawRequest(const Request& request, const char* argv0, const compose::TextPainter& text) {
    const std::string dir = FindDataDir(request.dataDir, argv0);
    if (dir.empty()) {
        std::fprintf(stderr, "escaval: cannot find the data folder (words1.db); use --data DIR\n");
        return std::nullopt;
    }
    std::string error;
    auto vocabulary = Vocabulary::Load(dir + "/words1.db", &error);
    if (!vocabulary) {
        std::fprintf(stderr, "escaval: %s\n", error.c_str());
        return std::nullopt;
    }
    Drawn drawn;
    drawn.dataDir = dir;
    // Missing, the scroll is left out, as in the window; damaged, it is said as the mantle is.
    if (request.scrollShown) {
        const ArtFile scroll = ReadArtFile(dir, "scroll3.bmp", ArtNeed::LeftOutWhenMissing);
        if (scroll.failed) return std::nullopt;
        if (scroll.bitmap) drawn.scroll = scroll.bitmap->Copy({0, 0, compose::kScrollWidth, compose::kScrollHeight});
    }

    StderrSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &*vocabulary;
    state->dataDir = dir;
    state->SetPaintScale(request.paintScale);
    // Each picture file read once, its verdict kept, for the size and for the painting alike.
    PictureCache pictures;
    state->pictureCache = &pictures;
    DrawHost host;
    DrawBlazon(*state, request.blazon, host);
    drawn.picture = compose::PictureAsShown(state->picture);

    if (request.achievement) {
        auto mantle = ReadArtFile(dir, "mantle2.bmp", ArtNeed::Required).bitmap;
        if (!mantle) return std::nullopt;
        drawn.mantle = *mantle;
        const double scale = request.achievementScale;
        std::optional<Bitmap> scroll = drawn.scroll;
        compose::ScaleAchievementArt(dir, scale, *mantle, scroll ? &*scroll : nullptr, sink);
        const compose::WindowLayout layout;
        Bitmap surface = compose::AchievementSurface(layout, scale);
        compose::AchievementInputs inputs;
        inputs.shield = &drawn.picture;
        inputs.TakeTincturesOf(*state);
        drawn.tinctures = inputs;
        inputs.mantle = &*mantle;
        inputs.scroll = scroll ? &*scroll : nullptr;
        inputs.surname = request.surname;
        inputs.scale = scale;
        drawn.achievement = compose::ComposeAchievement(surface, inputs, &text, layout);
    }
    return drawn;
}

void ReportText(const compose::TextResult& result, const std::string& surname) {
    if (!result.Complete())
        std::fprintf(stderr, "escaval: some characters of '%s' are not in the name's face and were drawn otherwise\n",
                     ForTerminal(surname, LineBreaks::Escaped).c_str());
}

}  // namespace

int SaveCommand(const std::vector<std::string>& args, const char* argv0) {
    const CommandSpec& command = CommandNamed("save");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const ParsedOptions& options = parsed.options;
    Request request = RequestOf(options);
    const std::string folder = options.Value("--dir", ".");
    const compose::PictureFormat format =
        options.Value("--format", "bmp") == "png" ? compose::PictureFormat::Png : compose::PictureFormat::Bmp;
    std::optional<compose::SaveLayout> layout;
    if (options.Has("--layout")) {
        const std::string named = options.Value("--layout");
        layout = named == "above"    ? compose::SaveLayout::NameAbove
                 : named == "below"  ? compose::SaveLayout::NameBelow
                 : named == "scroll" ? compose::SaveLayout::NameBelowWithScroll
                                     : compose::SaveLayout::NoName;
    }
    // The achievement is saved as it shows, standing on its own scroll with the surname: the
    // layouts are the shield's alone, and asking for one with it is refused rather than ignored.
    if (request.achievement && layout)
        return CommandUsageError(command, "--layout applies to the shield alone; with --achievement the achievement is "
                                          "saved as it shows, on its own scroll");
    // --size W: the saved picture W pixels wide. The shield alone and its layouts are as wide as
    // the shield, the achievement as wide as its mantle; every measure of them follows.
    if (options.Has("--size")) {
        const int width = options.Number("--size", kDesignImageWidth);
        if (request.achievement) {
            if (width < kAchievementSizeMin || width > kAchievementSizeMax)
                return CommandUsageError(command, "with --achievement, --size is the achievement's width, " +
                                                      std::to_string(kAchievementSizeMin) + " to " +
                                                      std::to_string(kAchievementSizeMax));
            request.achievementScale = width / static_cast<double>(compose::kAchievementDesignWidth);
            request.paintScale = compose::AchievementShieldPaintScale(request.achievementScale);
        } else {
            request.paintScale = width / static_cast<double>(kDesignImageWidth);
        }
    }
    // The achievement stands on its own scroll; the shield alone shows one only in that layout.
    request.scrollShown = request.achievement || layout == compose::SaveLayout::NameBelowWithScroll;

    const compose::TextPainter text;
    auto drawn = DrawRequest(request, argv0, text);
    if (!drawn) return kExitFile;
    Bitmap output;
    if (drawn->achievement) {
        // What `escaval achievement` writes.
        output = drawn->achievement->capture;
    } else {
        Bitmap source = drawn->picture;
        compose::WhitenCornersBelowBase(source);
        compose::TextResult name;
        // The scroll of that layout is drawn as large as it is laid, from its drawing.
        std::optional<Bitmap> scroll = drawn->scroll;
        if (scroll && request.paintScale != 1.0) {
            StderrSink sink;
            const Rect band = compose::SaveScrollRect(source.Width(), source.Height(), request.paintScale);
            scroll = compose::ArtAtSize(drawn->dataDir, "scroll3.bmp", *scroll, band.Width(), band.Height(),
                                        compose::kScrollTransparent, sink);
        }
        output = compose::ComposeSaveLayout(source, layout.value_or(compose::SaveLayout::NoName), request.surname, text,
                                            scroll ? &*scroll : nullptr, &name, request.paintScale);
        if (layout && *layout != compose::SaveLayout::NoName) ReportText(name, request.surname);
    }

    const std::optional<std::string> file = compose::ChooseSaveFileName(folder, request.surname, format);
    if (!file) {
        std::fprintf(stderr, "escaval: all hundred names %s to %s are taken in '%s'; nothing was saved\n",
                     compose::SaveFileName(compose::SafeNamePrefix(request.surname), 0, format).c_str(),
                     compose::SaveFileName(compose::SafeNamePrefix(request.surname), compose::kMaxSaveNumber, format).c_str(),
                     folder.c_str());
        return kExitFile;
    }
    const std::string path = (folder.empty() || folder.back() == '/' ? folder : folder + "/") + *file;
    RemoveLeftoverTemporariesBeside(path);
    if (const WriteResult written = WritePicture(output, path); !written) {
        std::fprintf(stderr, "escaval: cannot write '%s': %s\n", path.c_str(), written.error.c_str());
        return kExitFile;
    }
    std::printf("%s\n", path.c_str());
    return kExitWritten;
}

int PrintCommand(const std::vector<std::string>& args, const char* argv0) {
    const CommandSpec& command = CommandNamed("print");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const Request request = RequestOf(parsed.options);
    const std::string pdf = parsed.options.Value("--pdf");
    if (pdf.empty()) return CommandUsageError(command, "print writes a PDF file: --pdf FILE");

    const compose::TextPainter text;
    const int pw = compose::MmToPixels(compose::kA4WidthMm, compose::kPrintDpi);
    const int ph = compose::MmToPixels(compose::kA4HeightMm, compose::kPrintDpi);
    // Everything on the page is drawn at the printer's resolution: the shield as wide as the page
    // prints it, the mantle and the scroll from their drawings at their printed sizes.
    const compose::PrintLayout layout = compose::PrintLayoutFor(pw, ph, request.achievement);
    Request printed = request;
    printed.paintScale = compose::PrintShieldPaintScale(layout);
    auto drawn = DrawRequest(printed, argv0, text);
    if (!drawn) return kExitFile;
    StderrSink sink;
    const compose::PrintArt art =
        compose::PrintArtAtSize(drawn->dataDir, layout, drawn->achievement && drawn->mantle ? &*drawn->mantle : nullptr,
                                drawn->tinctures, drawn->scroll ? &*drawn->scroll : nullptr, sink);
    compose::PrintInputs inputs;
    inputs.shield = &drawn->picture;
    inputs.mantle = art.mantle ? &*art.mantle : nullptr;
    inputs.scroll = art.scroll ? &*art.scroll : nullptr;
    inputs.surname = request.surname;
    inputs.nameAsText = true;  // set as text on the PDF page, sharp at the printer's resolution
    const compose::PrintedPage page = compose::ComposePrintPage(pw, ph, compose::kPrintDpi, inputs, text);

    compose::PdfPages pages;
    std::vector<compose::PdfPages::Text> texts;
    if (!page.nameText.empty()) texts.push_back({page.nameText, page.nameStyle, page.nameBox});
    for (const compose::PdfPages::Text& t : texts) ReportText(text.PaintGlyphs(nullptr, t.utf8, t.style, t.box), request.surname);
    if (!pages.AddPage(page.page, compose::kPrintDpi, texts, text)) {
        std::fprintf(stderr, "escaval: the page could not be composed\n");
        return kExitFile;
    }
    RemoveLeftoverTemporariesBeside(pdf);
    if (const WriteResult written = pages.Finish(pdf); !written) {
        std::fprintf(stderr, "escaval: cannot write '%s': %s\n", pdf.c_str(), written.error.c_str());
        return kExitFile;
    }
    return kExitWritten;
}

}  // namespace esc
