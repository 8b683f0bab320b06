#include "shell/cli/CommandTable.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "shell/cli/BatchCommand.h"
#include "shell/cli/PaintScaleOption.h"
#include "shell/cli/RollCommand.h"

namespace esc {
namespace {

constexpr std::size_t kUsageWidth = 100;
constexpr std::size_t kSynopsisIndent = 15;
constexpr std::size_t kDescriptionIndent = 33;

constexpr std::string_view kPictureFormats[] = {"png", "bmp"};
constexpr std::string_view kSaveFormats[] = {"bmp", "png"};
constexpr std::string_view kSaveLayouts[] = {"none", "above", "below", "scroll"};
constexpr std::string_view kTopLevel[] = {"--help", "--version"};

constexpr OptionSpec kData{"--data", "", ValueKind::kFolder, "DIR", "the data folder (default: found beside the program)"};
constexpr OptionSpec kSurname{"--surname", "", ValueKind::kText, "NAME", "the surname written on the picture"};

constexpr OptionSpec kDrawOptions[] = {
    {"--output", "-o", ValueKind::kFile, "FILE", "the picture: PNG, or BMP for .bmp; - writes it to standard output",
     {}, 0, 0, false, false, true},
    {"--explain", "", ValueKind::kNone, "", "print how the blazon was read, each word used or ignored"},
    {"--json", "", ValueKind::kNone, "", "print the reading as JSON"},
    {"--strict", "", ValueKind::kNone, "", "exit with status 3 when the picture is not drawn clean"},
    {"--quiet", "", ValueKind::kNone, "", "no notes on stderr of what was not drawn as written"},
    kSizeOption,
    kScaleOption,
    kData,
};
constexpr OptionSpec kCoverageOptions[] = {
    {"--json", "", ValueKind::kNone, "", "the report as one JSON object"},
    kData,
};
constexpr OptionSpec kAchievementOptions[] = {
    {"--output", "-o", ValueKind::kFile, "FILE", "the picture: PNG, or BMP for .bmp (default achievement.png)", {}, 0, 0,
     false, false, true},
    kSurname,
    kAchievementSizeOption,
    kData,
};
constexpr OptionSpec kSaveOptions[] = {
    {"--layout", "", ValueKind::kChoice, "", "where the surname stands (default none)", kSaveLayouts},
    kSurname,
    {"--dir", "", ValueKind::kFolder, "DIR", "the folder saved into (default the current folder)"},
    {"--format", "", ValueKind::kChoice, "", "the picture's format (default bmp)", kSaveFormats},
    {"--achievement", "", ValueKind::kNone, "", "save the achievement rather than the shield"},
    kSaveSizeOption,
    kData,
};
constexpr OptionSpec kPrintOptions[] = {
    {"--pdf", "", ValueKind::kFile, "FILE", "the PDF written", {}, 0, 0, true},
    kSurname,
    {"--achievement", "", ValueKind::kNone, "", "print the achievement rather than the shield"},
    kData,
};
constexpr OptionSpec kBatchOptions[] = {
    {"--output", "-o", ValueKind::kFolder, "DIR", "the folder of pictures (default shields)", {}, 0, 0, false, false, true},
    {"--format", "", ValueKind::kChoice, "", "the pictures' format (default png)", kPictureFormats},
    {"--jobs", "-j", ValueKind::kNumber, "N", "threads that draw (default all cores)", {}, 1, kMaxJobs},
    {"--strict", "", ValueKind::kNone, "", "exit with status 3 when a picture is not drawn clean"},
    kSizeOption,
    kScaleOption,
    kData,
    {"--database", "", ValueKind::kNone, "", "draw every entry of the blazon database", {}, 0, 0, false, true},
};
constexpr OptionSpec kRollOptions[] = {
    {"--output", "-o", ValueKind::kFile, "FILE.pdf", "the PDF written (default roll.pdf)", {}, 0, 0, false, false, true},
    {"--columns", "", ValueKind::kNumber, "N", "shields across a page (default 4)", {}, 1, kRollMaxColumns},
    kSizeOption,
    kScaleOption,
    kData,
    {"--database", "", ValueKind::kNone, "", "a roll of every entry of the blazon database", {}, 0, 0, false, true},
};

constexpr OptionSpec kSalvageOptions[] = {
    {"--output", "-o", ValueKind::kFile, "NEW.db", "the new database (default salvaged.db; never replaced)", {}, 0, 0,
     false, false, true},
};

constexpr CommandSpec kCommands[] = {
    {"draw", kDrawOptions, "BLAZON", Operands::kWords,
     "draw BLAZON to FILE (PNG, or BMP for .bmp; default shield.png;\n"
     "- writes PNG to standard output); BLAZON - is read from\n"
     "standard input; --size W draws the shield W pixels wide, --scale\n"
     "K K times its size of 415 pixels\n"
     "--explain prints how the blazon was read, each word used or\n"
     "ignored (--json: as JSON)\n"
     "--strict exits with status 3 when the picture is not clean: a\n"
     "word not found or ignored, a question picture, a message, or\n"
     "only the field painted (the picture is written all the same)\n"
     "notes on stderr name what was not drawn as written (--quiet:\n"
     "none)"},
    {"coverage", kCoverageOptions, "FILE", Operands::kOneFile,
     "draw every blazon of FILE (one a line; blank and '#' lines\n"
     "skipped; - is standard input) off-screen and report the words\n"
     "not found, the words ignored, question pictures and messages,\n"
     "per line and in total; a blazon is clean when it has none of them"},
    {"achievement", kAchievementOptions, "BLAZON", Operands::kWords,
     "the achievement of BLAZON (the shield in the mantle recoloured\n"
     "in its tinctures, NAME on the scroll) as the window shows it,\n"
     "to FILE (PNG, or BMP for .bmp; default achievement.png)"},
    {"save", kSaveOptions, "BLAZON", Operands::kWords,
     "save BLAZON as the save dialog does: in a layout (default none)\n"
     "with NAME above, below or on the scroll, in DIR (default the\n"
     "current folder) as the first free NAMEPR00.bmp to NAMEPR99.bmp\n"
     "(six characters of NAME); prints the path written"},
    {"print", kPrintOptions, "BLAZON", Operands::kWords,
     "the page the print command prints, A4 at 300 dpi, as a PDF"},
    {"batch", kBatchOptions, "FILE|--database", Operands::kOneFile,
     "draw every blazon of FILE (one a line, named by line number:\n"
     "0001.png ...; - is standard input) or every entry of the blazon\n"
     "database (named by surname and number: Smith-1.png ...) into DIR\n"
     "(default shields) on N threads (default all cores); writes\n"
     "DIR/index.json with each file's blazon and what was not drawn\n"
     "clean, prints a summary; --strict exits with status 3 when one\n"
     "is not clean"},
    {"roll", kRollOptions, "FILE|--database", Operands::kOneFile,
     "a roll of arms: A4 pages of N shields across (default 4) and\n"
     "one row more down, each with its surname and its blazon in\n"
     "small type, as a PDF (default roll.pdf); a line of FILE is\n"
     "'Surname | Blazon' or a blazon alone"},
    {"salvage", kSalvageOptions, "FILE", Operands::kOneFile,
     "read every entry that can still be read from the damaged\n"
     "blazon database FILE into the new database NEW.db (default\n"
     "salvaged.db, never replaced); FILE is only read"},
};

std::string Indented(std::string_view text, std::size_t indent) {
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        out += std::string(indent, ' ') + std::string(text.substr(start, end - start)) + "\n";
        start = end + 1;
    }
    return out;
}

}  // namespace

std::span<const CommandSpec> Commands() { return kCommands; }

const CommandSpec& CommandNamed(std::string_view name) {
    for (const CommandSpec& command : kCommands)
        if (command.name == name) return command;
    std::abort();  // a command the table does not hold: a fault of the program
}

std::string ProgramUsage() {
    std::string out =
        "Usage:\n"
        "  escaval [WINDOW OPTIONS]       open the program's window (the program escaval-window beside\n"
        "                                 this one; options such as -platform NAME are passed to it)\n";
    for (const CommandSpec& command : kCommands)
        out += "  " + Synopsis(command, kUsageWidth, kSynopsisIndent) + "\n" + Indented(command.description, kDescriptionIndent);
    out += "  escaval COMMAND --help         the options of COMMAND\n"
           "  escaval --help | --version\n";
    return out;
}

std::string ProgramCompletion() { return BashCompletion("escaval", kCommands, kTopLevel); }

}  // namespace esc
