#include "shell/cli/CommandLine.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/AtomicFile.h"
#include "engine/Bitmap.h"
#include "engine/PictureCache.h"
#include "engine/ReadFileBytes.h"
#include "interpret/DrawingDriver.h"
#include "interpret/Trace.h"
#include "interpret/Vocabulary.h"
#include "shell/cli/BatchCommand.h"
#include "shell/cli/BlazonFile.h"
#include "shell/cli/Coverage.h"
#include "shell/cli/DataPaths.h"
#include "shell/cli/SalvageCommand.h"
#include "shell/cli/TerminalText.h"

namespace esc {
namespace {

constexpr const char* kVersion = "escaval 2.0";

// Standard output through the C library: the C++ streams' start-up (locales, eight stream
// objects) was a measurable part of a drawing's whole process.
void PrintOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

constexpr const char* kUsage =
    "Usage:\n"
    "  escaval [WINDOW OPTIONS]       open the program's window (the program escaval-window beside\n"
    "                                 this one; options such as -platform NAME are passed to it)\n"
    "  escaval draw [-o FILE] [--explain] [--json] [--strict] [--data DIR] BLAZON\n"
    "                                 draw BLAZON to FILE (PNG, or BMP for .bmp; default shield.png)\n"
    "                                 --explain prints how the blazon was read, each word used or\n"
    "                                 ignored (--json: as JSON)\n"
    "                                 --strict exits with status 3 when the picture is not clean: a\n"
    "                                 word not found or ignored, a question picture, a message, or\n"
    "                                 only the field painted (the picture is written all the same)\n"
    "  escaval coverage [--json] [--data DIR] FILE\n"
    "                                 draw every blazon of FILE (one a line; blank and '#' lines\n"
    "                                 skipped) off-screen and report the words not found, the\n"
    "                                 words ignored, question pictures and messages, per line and\n"
    "                                 in total; a blazon is clean when it has none of them\n"
    "  escaval achievement [-o FILE] [--surname NAME] [--data DIR] BLAZON\n"
    "                                 the achievement of BLAZON (the shield in the mantle recoloured\n"
    "                                 in its tinctures, NAME on the scroll) as the window shows it,\n"
    "                                 to FILE (PNG, or BMP for .bmp; default achievement.png)\n"
    "  escaval save [--layout none|above|below|scroll] [--surname NAME] [--dir DIR] [--format bmp|png]\n"
    "               [--achievement] [--data DIR] BLAZON\n"
    "                                 save BLAZON as the save dialog does: in a layout (default none)\n"
    "                                 with NAME above, below or on the scroll, in DIR (default the\n"
    "                                 current folder) as the first free NAMEPR00.bmp to NAMEPR99.bmp\n"
    "                                 (six characters of NAME); prints the path written\n"
    "  escaval print --pdf FILE [--surname NAME] [--achievement] [--data DIR] BLAZON\n"
    "                                 the page the print command prints, A4 at 300 dpi, as a PDF\n"
    "  escaval batch [-o DIR] [--format png|bmp] [--jobs N] [--strict] [--data DIR] FILE|--database\n"
    "                                 draw every blazon of FILE (one a line, named by line number:\n"
    "                                 0001.png ...) or every entry of the blazon database (named by\n"
    "                                 surname and number: Smith-1.png ...) into DIR (default shields)\n"
    "                                 on N threads (default all cores); writes DIR/index.json with\n"
    "                                 each file's blazon and what was not drawn clean, prints a\n"
    "                                 summary; --strict exits with status 3 when one is not clean\n"
    "  escaval roll [-o FILE.pdf] [--columns N] [--data DIR] FILE|--database\n"
    "                                 a roll of arms: A4 pages of N shields across (default 4) and\n"
    "                                 one row more down, each with its surname and its blazon in\n"
    "                                 small type, as a PDF (default roll.pdf); a line of FILE is\n"
    "                                 'Surname | Blazon' or a blazon alone\n"
    "  escaval salvage [-o NEW.db] FILE\n"
    "                                 read every entry that can still be read from the damaged\n"
    "                                 blazon database FILE into the new database NEW.db (default\n"
    "                                 salvaged.db, never replaced); FILE is only read\n"
    "  escaval --help | --version\n";

bool DrawnClean(const DrawingTrace& trace) {
    const bool standIn = std::any_of(trace.levels.begin(), trace.levels.end(), [](const LevelTrace& l) {
        return std::any_of(l.pictures.begin(), l.pictures.end(), [](const PictureTrace& p) { return p.standIn; });
    });
    // Marshalled arms have no words of their own: they are clean when every part is.
    return trace.ignoredWords.empty() && !standIn && trace.messages.empty() && !trace.fieldOnly &&
           std::all_of(trace.parts.begin(), trace.parts.end(), DrawnClean);
}

// The vocabulary of the data folder, or a message and nullopt.
std::optional<Vocabulary> LoadVocabulary(const std::string& dir) {
    if (dir.empty()) {
        std::fprintf(stderr, "escaval: cannot find the data folder (words1.db); use --data DIR\n");
        return std::nullopt;
    }
    std::string error;
    auto vocabulary = Vocabulary::Load(dir + "/words1.db", &error);
    if (!vocabulary) std::fprintf(stderr, "escaval: %s\n", error.c_str());
    return vocabulary;
}

int Draw(const std::vector<std::string>& args, const char* argv0) {
    std::string output = "shield.png", dataDir, blazon;
    bool explain = false, json = false, strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output" || a == "--data") {
            if (i + 1 >= args.size()) return UsageError(a + " needs a value");
            (a == "--data" ? dataDir : output) = args[++i];
        } else if (a == "--explain") {
            explain = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--strict") {
            strict = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return UsageError("unknown option " + a);
        } else {
            blazon += (blazon.empty() ? "" : " ") + a;
        }
    }
    if (blazon.empty()) return UsageError("no blazon given");
    if (json && !explain) explain = true;

    const std::string dir = FindDataDir(dataDir, argv0);
    auto vocabulary = LoadVocabulary(dir);
    if (!vocabulary) return 1;
    StderrSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &*vocabulary;
    state->dataDir = dir;
    // A level's picture is read for its size and again to paint it: decoded once.
    PictureCache pictures;
    state->pictureCache = &pictures;
    DrawingTrace trace;
    if (explain || strict) state->trace = &trace;
    DrawHost host;
    DrawBlazon(*state, blazon, host);
    if (explain) PrintOut(json ? ExplainJson(trace) + "\n" : ForTerminal(ExplainText(trace)));
    RemoveLeftoverTemporariesBeside(output);
    if (const WriteResult written = WritePicture(state->picture, output, Flush::kLeaveToSystem); !written) {
        std::fprintf(stderr, "escaval: cannot write '%s': %s\n", output.c_str(), written.error.c_str());
        return 1;
    }
    return strict && !DrawnClean(trace) ? kExitNotClean : 0;
}

// How many of the most frequent words not found the plain summary names.
constexpr std::size_t kCoverageTopWords = 20;

// Progress of a long coverage run, on one line of the terminal rewritten in place. Nothing is
// written when stderr is not a terminal, so logs and redirected output hold only the messages.
class TerminalProgress {
public:
    TerminalProgress() : shown_(::isatty(STDERR_FILENO) == 1) {}
    void operator()(std::size_t done, std::size_t total) const {
        if (!shown_) return;
        std::fprintf(stderr, "\rcoverage: %zu of %zu", done, total);
        if (done == total) std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    bool shown_;
};

// The blazons of the coverage file, or a message and nullopt. Lines cut to the length limit are
// named on stderr.
std::optional<std::vector<BlazonLine>> ReadCoverageFile(const std::string& file) {
    auto lines = ReadBlazonFile(file);
    if (!lines) return std::nullopt;
    for (const BlazonLine& line : *lines)
        if (line.cut)
            std::fprintf(stderr, "escaval: line %d of '%s' is longer than %zu bytes; only its start was read\n", line.number,
                         file.c_str(), kMaxCoverageLineBytes);
    return lines;
}

int Coverage(const std::vector<std::string>& args, const char* argv0) {
    std::string dataDir, file;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--data") {
            if (i + 1 >= args.size()) return UsageError(a + " needs a value");
            dataDir = args[++i];
        } else if (a == "--json") {
            json = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("unknown option " + a);
        } else if (!file.empty()) {
            return UsageError("coverage reads one file");
        } else {
            file = a;
        }
    }
    if (file.empty()) return UsageError("no file of blazons given");

    auto lines = ReadCoverageFile(file);
    if (!lines) return 1;
    const std::string dir = FindDataDir(dataDir, argv0);
    auto vocabulary = LoadVocabulary(dir);
    if (!vocabulary) return 1;
    const CoverageReport report = MeasureCoverage(*vocabulary, dir, std::move(*lines), TerminalProgress());
    PrintOut(json ? CoverageJson(report) + "\n" : ForTerminal(CoverageText(report, kCoverageTopWords)));
    return 0;
}

}  // namespace

namespace {

// Options the window's toolkit reads (`escaval -platform offscreen`), with whether each takes a
// value: given only these, the program opens its window rather than running a command.
struct WindowOption {
    const char* name;
    bool takesValue;
};
constexpr WindowOption kWindowOptions[] = {
    {"-platform", true}, {"-platformpluginpath", true}, {"-platformtheme", true}, {"-plugin", true},
    {"-style", true},    {"-stylesheet", true},         {"-session", true},       {"-display", true},
    {"-geometry", true}, {"-qwindowgeometry", true},    {"-qwindowtitle", true},  {"-qwindowicon", true},
    {"-reverse", false}, {"-widgetcount", false},       {"-nograb", false},       {"-dograb", false},
    {"-sync", false},
};

}  // namespace

bool IsCommandLine(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '\0') return false;
    for (int i = 1; i < argc; ++i) {
        const WindowOption* found = nullptr;
        for (const WindowOption& option : kWindowOptions)
            if (std::strcmp(argv[i], option.name) == 0) found = &option;
        if (!found) return true;
        if (found->takesValue && ++i >= argc) return true;  // a value missing: let the usage say so
    }
    return false;
}

void PrintUsage(std::FILE* to) { std::fputs(kUsage, to); }

int UsageError(const std::string& problem) {
    std::fprintf(stderr, "escaval: %s\n", problem.c_str());
    PrintUsage(stderr);
    return kExitUsage;
}

int RunCommandLine(int argc, char** argv) {
    // Past a file size limit (ulimit -f) a write then fails with an error the writer reports and
    // cleans up after, instead of the signal ending the program with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
        // The program's own start opens the window instead; a caller reaching here has no command.
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("%s\n", kVersion);
        return 0;
    }
    if (command == "draw") return Draw(args, argv[0]);
    if (command == "coverage") return Coverage(args, argv[0]);
    if (command == "batch") return BatchCommand(args, argv[0]);
    if (command == "salvage") return SalvageCommand(args);
    return UsageError("unknown command " + command);
}

}  // namespace esc
