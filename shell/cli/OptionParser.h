#pragma once
// One reader of options for every command: each command describes its options in a table, and
// the same table parses the arguments, writes the command's --help and the shell's completion.

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

enum class ValueKind {
    kNone,    // a switch: --strict
    kText,    // any text: --surname NAME
    kFile,    // a file name (completed as one): -o FILE
    kFolder,  // a folder name: --data DIR
    kNumber,  // a whole number from `min` to `max`: --jobs N
    kChoice,  // one of `choices`: --format png|bmp
};

struct OptionSpec {
    std::string_view name;   // "--output"
    std::string_view alias;  // "-o", or empty
    ValueKind kind = ValueKind::kNone;
    std::string_view value;  // what the value is called in the usage: "FILE", "N"
    std::string_view help;   // one line for the command's --help
    std::span<const std::string_view> choices = {};
    int min = 0, max = 0;
    bool required = false;  // shown without brackets; the command checks it is there
    bool inOperand = false;  // the synopsis names it with the operand ("FILE|--database")
    bool aliasInSynopsis = false;  // the synopsis shows the alias ("-o FILE") rather than the name
};

// What a command takes besides its options.
enum class Operands {
    kWords,     // the words of a blazon, joined with blanks (at least one)
    kOneFile,   // at most one file; the command says what it needs when none is given
};

struct CommandSpec {
    std::string_view name;          // "draw"
    std::span<const OptionSpec> options;
    std::string_view operand;       // "BLAZON", "FILE|--database"
    Operands operands = Operands::kWords;
    std::string_view description;   // lines of the usage, without indentation
};

// The options given, by their long names, and the operands in order.
class ParsedOptions {
public:
    bool Has(std::string_view name) const;
    // The value of the last `name` given, or `fallback`.
    std::string Value(std::string_view name, std::string fallback = {}) const;
    // A number option's value (already checked to lie in its range), or `fallback`.
    int Number(std::string_view name, int fallback) const;

    std::vector<std::string> operands;
    // The operands joined with blanks: the blazon of a command that takes words.
    std::string Words() const;

private:
    friend struct OptionReader;
    std::vector<std::pair<std::string, std::string>> given_;
};

struct ParseResult {
    ParsedOptions options;
    // Set when the command is done before it starts: --help was printed (status 0) or the
    // arguments are wrong (the problem and the usage on stderr, status kExitUsage).
    std::optional<int> exitStatus;
};

// Reads `args` (the arguments after the command's name). "--name value", "--name=value", the
// short alias, "--" (everything after it is an operand) and "-" (an operand: standard input)
// are understood; "--help" and "-h" print the command's help.
ParseResult ParseOptions(const CommandSpec& command, const std::vector<std::string>& args);

// A usage error of the command: the problem and the command's synopsis on stderr. Returns
// kExitUsage.
int CommandUsageError(const CommandSpec& command, const std::string& problem);

// "escaval draw [-o FILE] [--explain] ... BLAZON", wrapped after `width` columns with the
// following lines indented by `indent` blanks.
std::string Synopsis(const CommandSpec& command, std::size_t width, std::size_t indent);
// The command's --help: its synopsis, its description and one line per option.
std::string CommandHelp(const CommandSpec& command);
// A bash completion script for a program with these commands and top-level options.
std::string BashCompletion(std::string_view program, std::span<const CommandSpec> commands,
                           std::span<const std::string_view> topLevel);

}  // namespace esc
