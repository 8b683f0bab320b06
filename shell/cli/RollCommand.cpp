#include "shell/cli/RollCommand.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "engine/AtomicFile.h"
#include "engine/PictureCache.h"
#include "engine/ReadFileBytes.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "shell/cli/BatchCommand.h"
#include "shell/cli/BlazonFile.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/CommandTable.h"
#include "shell/cli/Coverage.h"
#include "shell/cli/DataPaths.h"
#include "shell/cli/PaintScaleOption.h"
#include "shell/cli/StandardInput.h"
#include "shell/cli/TerminalText.h"
#include "shell/compose/PdfPages.h"
#include "shell/compose/TextPainter.h"

namespace esc {
namespace {

// The drawing's own size: the roll keeps its proportions.
constexpr int kDrawingWidth = 415, kDrawingHeight = 521;
// Shares of a page: the margin round it, the surname's and the blazon's type.
constexpr double kMarginShare = 0.05;
constexpr double kNameShare = 0.09;         // of a cell's height
constexpr double kBlazonLineShare = 0.045;  // of a cell's height, per line
constexpr double kShieldWidthShare = 0.8;   // of a cell's width at most
constexpr Rgb kDrawingBackground = kTeal;    // outside the shield's outline

// Averages the drawing's pixels over each pixel of the box (the outside of the shield as white
// paper), so that lines and charges keep their weight when the shield is made smaller.
void DrawReduced(Bitmap& page, const Bitmap& drawing, Rect box) {
    const int w = box.Width(), h = box.Height();
    for (int y = 0; y < h; ++y) {
        const int sy0 = y * drawing.Height() / h, sy1 = std::max(sy0 + 1, (y + 1) * drawing.Height() / h);
        for (int x = 0; x < w; ++x) {
            const int sx0 = x * drawing.Width() / w, sx1 = std::max(sx0 + 1, (x + 1) * drawing.Width() / w);
            unsigned r = 0, g = 0, b = 0, n = 0;
            for (int sy = sy0; sy < sy1; ++sy) {
                const std::uint32_t* row = drawing.Row(sy);
                for (int sx = sx0; sx < sx1; ++sx) {
                    Rgb c = Bitmap::Unpack(row[sx]);
                    if (c == kDrawingBackground) c = kWhite;
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++n;
                }
            }
            page.SetPixel(box.left + x, box.top + y,
                          {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n), static_cast<std::uint8_t>(b / n)});
        }
    }
}

// The blazon in at most kRollBlazonLines lines that fit the width, words kept whole; what does
// not fit ends the last line with an ellipsis.
std::vector<std::string> BlazonLines(const compose::TextPainter& text, const compose::TextStyle& style,
                                     const std::string& blazon, int width) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < blazon.size();) {
        const std::size_t space = blazon.find(' ', at);
        const std::size_t end = space == std::string::npos ? blazon.size() : space;
        if (end > at) words.push_back(blazon.substr(at, end - at));
        at = end + 1;
    }
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string longer = lines.back().empty() ? words[i] : lines.back() + " " + words[i];
        if (lines.back().empty() || text.Measure(longer, style).width <= width) {
            lines.back() = longer;
            continue;
        }
        if (static_cast<int>(lines.size()) == kRollBlazonLines) {
            std::string& last = lines.back();
            while (!last.empty() && text.Measure(last + " \u2026", style).width > width) last.pop_back();
            last += " \u2026";
            break;
        }
        lines.push_back(words[i]);
    }
    return lines;
}

// A long roll shows its progress on the terminal every this many shields.
constexpr std::size_t kRollProgressStep = 50;

struct RollEntry {
    std::string surname, blazon;
};

}  // namespace

RollLayout RollLayoutFor(int columns, double dpi) {
    RollLayout l;
    l.pageWidth = compose::MmToPixels(compose::kA4WidthMm, dpi);
    l.pageHeight = compose::MmToPixels(compose::kA4HeightMm, dpi);
    l.columns = columns;
    l.rows = columns + 1;
    l.margin = static_cast<int>(l.pageWidth * kMarginShare);
    l.cellWidth = (l.pageWidth - 2 * l.margin) / l.columns;
    l.cellHeight = (l.pageHeight - 2 * l.margin) / l.rows;
    l.nameHeight = static_cast<int>(l.cellHeight * kNameShare);
    l.blazonLineHeight = static_cast<int>(l.cellHeight * kBlazonLineShare);
    const int room = l.cellHeight - l.nameHeight - kRollBlazonLines * l.blazonLineHeight - l.blazonLineHeight;
    l.shieldHeight = room;
    l.shieldWidth = room * kDrawingWidth / kDrawingHeight;
    if (l.shieldWidth > l.cellWidth * kShieldWidthShare) {
        l.shieldWidth = static_cast<int>(l.cellWidth * kShieldWidthShare);
        l.shieldHeight = l.shieldWidth * kDrawingHeight / kDrawingWidth;
    }
    return l;
}

Rect RollLayout::ShieldBox(int n) const {
    const int left = margin + (n % columns) * cellWidth + (cellWidth - shieldWidth) / 2;
    const int top = margin + (n / columns) * cellHeight;
    return {left, top, left + shieldWidth, top + shieldHeight};
}

Rect RollLayout::NameBox(int n) const {
    const int left = margin + (n % columns) * cellWidth;
    const int top = margin + (n / columns) * cellHeight + shieldHeight;
    return {left, top, left + cellWidth, top + nameHeight};
}

Rect RollLayout::BlazonBox(int n, int line) const {
    const Rect name = NameBox(n);
    const int top = name.bottom + line * blazonLineHeight;
    return {name.left, top, name.right, top + blazonLineHeight};
}

int RollCommand(const std::vector<std::string>& args, const char* argv0) {
    const CommandSpec& command = CommandNamed("roll");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const ParsedOptions& options = parsed.options;
    const std::string output = options.Value("--output", "roll.pdf"), dataDir = options.Value("--data");
    const int columns = options.Number("--columns", kRollDefaultColumns);
    const bool database = options.Has("--database");
    const std::string file = options.operands.empty() ? std::string() : options.operands[0];
    const std::optional<double> asked = PaintScaleOf(command, options);
    if (!asked) return kExitUsage;
    if (file.empty() == !database)
        return CommandUsageError(command, "roll takes a FILE of blazons or --database, one of the two");
    const std::string dir = FindDataDir(dataDir, argv0);
    if (dir.empty()) {
        std::fprintf(stderr, "escaval: cannot find the data folder (words1.db); use --data DIR\n");
        return 1;
    }

    // A line of the file is "Surname | Blazon" or a blazon alone.
    std::vector<RollEntry> entries;
    if (database) {
        const auto arms = ReadDatabaseArms(dir);
        if (!arms) return 1;
        for (const auto& [surname, blazon] : *arms) entries.push_back({surname, blazon});
    } else {
        // The bounds and refusals of coverage and batch: a roll of a binary file or of a million
        // lines is not made.
        const auto lines = ReadBlazonFile(file);
        if (!lines) return 1;
        for (const BlazonLine& line : *lines) {
            const std::size_t bar = line.blazon.find(" | ");
            if (bar == std::string::npos)
                entries.push_back({{}, line.blazon});
            else
                entries.push_back({line.blazon.substr(0, bar), line.blazon.substr(bar + 3)});
        }
    }
    if (entries.empty()) {
        std::fprintf(stderr, "escaval: no blazon to put on the roll\n");
        return 1;
    }
    std::string error;
    const auto vocabulary = Vocabulary::Load(dir + "/words1.db", &error);
    if (!vocabulary) {
        std::fprintf(stderr, "escaval: %s\n", error.c_str());
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const RollLayout layout = RollLayoutFor(columns);
    NullSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    // Each shield is drawn at least as large as it is printed (a roll of one or two columns
    // prints it wider than its design size) and at the scale asked for, then averaged down.
    const double printedScale = layout.ShieldBox(0).Width() / static_cast<double>(kImageWidth);
    state->SetPaintScale(std::clamp(std::max(*asked, printedScale), kMinPaintScale, kMaxPaintScale));
    state->vocabulary = &*vocabulary;
    state->dataDir = dir;
    PictureCache pictures;
    state->pictureCache = &pictures;
    DrawHost host;
    const compose::TextPainter text;
    const compose::TextStyle nameStyle{compose::Face::Blackletter, layout.nameHeight * 0.75, 0.0, kBlack,
                                       compose::VerticalAlign::Centre};
    const compose::TextStyle blazonStyle{compose::Face::Body, layout.blazonLineHeight * 0.8, 0.0, kBlack,
                                         compose::VerticalAlign::Centre};
    compose::PdfPages pdf;
    Bitmap page;
    const ProgressLine progress("roll");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries.size() > kRollProgressStep && (i % kRollProgressStep == 0)) progress(i, entries.size());
        const int n = static_cast<int>(i % layout.PerPage());
        if (n == 0) page = Bitmap(layout.pageWidth, layout.pageHeight, kWhite);
        DrawBlazon(*state, entries[i].blazon, host);
        DrawReduced(page, state->picture, layout.ShieldBox(n));
        if (!entries[i].surname.empty()) (void)text.Paint(page, entries[i].surname, nameStyle, layout.NameBox(n));
        const std::vector<std::string> lines = BlazonLines(text, blazonStyle, entries[i].blazon, layout.cellWidth * 19 / 20);
        for (std::size_t k = 0; k < lines.size(); ++k)
            (void)text.Paint(page, lines[k], blazonStyle, layout.BlazonBox(n, static_cast<int>(k)));
        if (n == layout.PerPage() - 1 || i + 1 == entries.size()) {
            if (!pdf.AddPage(page, kRollDpi)) {
                std::fprintf(stderr, "escaval: cannot make the page of the roll\n");
                return 1;
            }
        }
    }
    if (entries.size() > kRollProgressStep) progress(entries.size(), entries.size());
    RemoveLeftoverTemporariesBeside(output);
    if (const WriteResult written = pdf.Finish(output); !written) {
        std::fprintf(stderr, "escaval: cannot write '%s': %s\n", output.c_str(), written.error.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu shields on %d pages of %d written to %s in %.2f s\n", entries.size(), pdf.PageCount(),
                layout.PerPage(), output.c_str(), seconds);
    return 0;
}

}  // namespace esc
