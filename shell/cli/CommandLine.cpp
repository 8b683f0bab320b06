#include "shell/cli/CommandLine.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
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
#include "interpret/trace/Trace.h"
#include "interpret/read/Vocabulary.h"
#include "engine/Messages.h"
#include "shell/cli/BatchCommand.h"
#include "shell/cli/BlazonFile.h"
#include "shell/cli/CommandTable.h"
#include "shell/cli/Coverage.h"
#include "shell/cli/DataPaths.h"
#include "shell/cli/DrawingNotes.h"
#include "shell/cli/PaintScaleOption.h"
#include "shell/cli/SalvageCommand.h"
#include "shell/cli/StandardInput.h"
#include "shell/cli/TerminalText.h"

namespace esc {
namespace {

constexpr const char* kVersion = "escaval 2.0";

// Standard output through the C library: the C++ streams' start-up (locales, eight stream
// objects) was a measurable part of a drawing's whole process.
void PrintOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

bool DrawnClean(const DrawingTrace& trace) {
    // Clean as `coverage` counts it: marshalled arms are clean when every part is.
    return MeasureTrace(trace, BlazonLine{}).Clean();
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

// The blazon of `draw`: its words, or for "-" the whole of standard input (its lines one text).
std::optional<std::string> BlazonOf(const ParsedOptions& options) {
    if (options.operands.size() != 1 || options.operands[0] != kStandardStream) return options.Words();
    const FileBytes read = ReadStandardInput(kMaxStandardInputBlazonBytes);
    if (!read) {
        std::fprintf(stderr, "escaval: cannot read the blazon from standard input: %s\n", read.error.c_str());
        return std::nullopt;
    }
    std::string blazon(read.bytes->begin(), read.bytes->end());
    for (char& c : blazon)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    const std::size_t from = blazon.find_first_not_of(' '), to = blazon.find_last_not_of(' ');
    return from == std::string::npos ? std::string() : blazon.substr(from, to - from + 1);
}

// The picture as PNG on standard output.
WriteResult WriteToStandardOutput(const Bitmap& picture) {
    const std::vector<std::uint8_t> png = EncodePng(picture);
    if (std::fwrite(png.data(), 1, png.size(), stdout) != png.size() || std::fflush(stdout) != 0)
        return {std::strerror(errno)};
    return {};
}

int Draw(const std::vector<std::string>& args, const char* argv0) {
    const CommandSpec& command = CommandNamed("draw");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const ParsedOptions& options = parsed.options;
    const std::string output = options.Value("--output", "shield.png"), dataDir = options.Value("--data");
    const bool json = options.Has("--json"), explain = json || options.Has("--explain"), strict = options.Has("--strict");
    const bool quiet = options.Has("--quiet");
    const std::optional<double> scale = PaintScaleOf(command, options);
    if (!scale) return kExitUsage;
    if (explain && output == kStandardStream)
        return CommandUsageError(command, "the picture and the explanation cannot both go to standard output");
    const std::optional<std::string> blazon = BlazonOf(options);
    if (!blazon) return kExitFile;
    if (blazon->empty()) return CommandUsageError(command, "no blazon given");

    const std::string dir = FindDataDir(dataDir, argv0);
    auto vocabulary = LoadVocabulary(dir);
    if (!vocabulary) return 1;
    StderrSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    state->SetPaintScale(*scale);
    state->vocabulary = &*vocabulary;
    state->dataDir = dir;
    // A level's picture is read for its size and again to paint it: decoded once.
    PictureCache pictures;
    state->pictureCache = &pictures;
    DrawingTrace trace;
    if (explain || strict || !quiet) state->trace = &trace;
    // A text longer than a drawing reads is drawn from its start; the user is told so.
    const std::string past = PastTheBoundMessage(*blazon, PastTheBound::DrawnFromItsStart);
    const bool cut = !past.empty();
    if (cut) sink.Show(past);
    DrawHost host;
    DrawBlazon(*state, *blazon, host);
    if (!quiet) std::fputs(ForTerminal(NoteLines(DrawingNotes(trace))).c_str(), stderr);  // after the drawing's messages
    if (explain) PrintOut(json ? ExplainJson(trace) + "\n" : ForTerminal(ExplainText(trace)));
    if (output != kStandardStream) RemoveLeftoverTemporariesBeside(output);
    const WriteResult written = output == kStandardStream ? WriteToStandardOutput(state->picture)
                                                          : WritePicture(state->picture, output, Flush::kLeaveToSystem);
    if (!written) {
        const std::string named = output == kStandardStream ? "standard output" : "'" + output + "'";
        std::fprintf(stderr, "escaval: cannot write %s: %s\n", named.c_str(), written.error.c_str());
        return 1;
    }
    return strict && (cut || !DrawnClean(trace)) ? kExitNotClean : 0;
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
                         InputName(file).c_str(), kMaxCoverageLineBytes);
    return lines;
}

int Coverage(const std::vector<std::string>& args, const char* argv0) {
    const CommandSpec& command = CommandNamed("coverage");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const std::string dataDir = parsed.options.Value("--data");
    const bool json = parsed.options.Has("--json");
    if (parsed.options.operands.empty()) return CommandUsageError(command, "no file of blazons given");
    const std::string& file = parsed.options.operands[0];

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

void PrintUsage(std::FILE* to) { std::fputs(ProgramUsage().c_str(), to); }

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
        PrintUsage(stdout);
        return 0;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return 0;
    }
    if (command == "--bash-completion") {
        PrintOut(ProgramCompletion());
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
