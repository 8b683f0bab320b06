#include "shell/cli/OptionParser.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "shell/cli/CommandLine.h"

namespace esc {
namespace {

constexpr std::size_t kHelpWidth = 100;
constexpr std::size_t kOptionColumn = 28;  // where an option's help starts in --help

const OptionSpec* Find(const CommandSpec& command, std::string_view name) {
    for (const OptionSpec& option : command.options)
        if (option.name == name || (!option.alias.empty() && option.alias == name)) return &option;
    return nullptr;
}

std::string Joined(std::span<const std::string_view> items, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += std::string(i ? separator : "") + std::string(items[i]);
    return out;
}

// "--format png|bmp", "-o FILE", "--strict".
std::string Usage(const OptionSpec& option) {
    std::string out(option.aliasInSynopsis ? option.alias : option.name);
    if (option.kind == ValueKind::kChoice) out.append(" ").append(Joined(option.choices, "|"));
    else if (option.kind != ValueKind::kNone) out.append(" ").append(option.value);
    return out;
}

// The value checked against the option's kind: empty when it fits, otherwise the problem.
std::string CheckValue(const OptionSpec& option, const std::string& value) {
    if (option.kind == ValueKind::kChoice) {
        if (std::find(option.choices.begin(), option.choices.end(), value) != option.choices.end()) return {};
        std::string list;
        for (std::size_t i = 0; i < option.choices.size(); ++i)
            list += std::string(i == 0 ? "" : i + 1 == option.choices.size() ? " or " : ", ") + std::string(option.choices[i]);
        return std::string(option.name) + " takes " + list + ", not '" + value + "'";
    }
    if (option.kind == ValueKind::kNumber) {
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || errno != 0 || n < option.min || n > option.max)
            return std::string(option.name) + " takes a number from " + std::to_string(option.min) + " to " +
                   std::to_string(option.max);
    }
    return {};
}

}  // namespace

struct OptionReader {
    static void Add(ParsedOptions& parsed, std::string_view name, std::string value) {
        parsed.given_.emplace_back(std::string(name), std::move(value));
    }
};

int CommandUsageError(const CommandSpec& command, const std::string& problem) {
    std::fprintf(stderr, "escaval: %s\nUsage: %s\nescaval %.*s --help tells more.\n", problem.c_str(),
                 Synopsis(command, kHelpWidth, 7).c_str(), static_cast<int>(command.name.size()), command.name.data());
    return kExitUsage;
}

bool ParsedOptions::Has(std::string_view name) const {
    return std::any_of(given_.begin(), given_.end(), [&](const auto& g) { return g.first == name; });
}

std::string ParsedOptions::Value(std::string_view name, std::string fallback) const {
    for (auto it = given_.rbegin(); it != given_.rend(); ++it)
        if (it->first == name) return it->second;
    return fallback;
}

int ParsedOptions::Number(std::string_view name, int fallback) const {
    const std::string value = Value(name);
    return value.empty() ? fallback : static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
}

std::string ParsedOptions::Words() const {
    std::string out;
    for (const std::string& word : operands) out += (out.empty() ? "" : " ") + word;
    return out;
}

ParseResult ParseOptions(const CommandSpec& command, const std::vector<std::string>& args) {
    ParseResult result;
    const auto fail = [&](const std::string& problem) {
        result.exitStatus = CommandUsageError(command, problem);
        return result;
    };
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnd || a.size() < 2 || a[0] != '-') {
            result.options.operands.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnd = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            std::fputs(CommandHelp(command).c_str(), stdout);
            result.exitStatus = 0;
            return result;
        }
        const std::size_t equals = a.rfind("--", 0) == 0 ? a.find('=') : std::string::npos;
        const std::string name = a.substr(0, equals);
        const OptionSpec* option = Find(command, name);
        if (!option) return fail("unknown option " + name);
        if (option->kind == ValueKind::kNone) {
            if (equals != std::string::npos) return fail(std::string(option->name) + " takes no value");
            OptionReader::Add(result.options, option->name, {});
            continue;
        }
        std::string value;
        if (equals != std::string::npos) value = a.substr(equals + 1);
        else if (i + 1 < args.size()) value = args[++i];
        else return fail(name + " needs a value");
        if (const std::string problem = CheckValue(*option, value); !problem.empty()) return fail(problem);
        OptionReader::Add(result.options, option->name, std::move(value));
    }
    if (command.operands == Operands::kWords && result.options.operands.empty()) return fail("no blazon given");
    if (command.operands == Operands::kOneFile && result.options.operands.size() > 1)
        return fail(std::string(command.name) + " reads one file");
    return result;
}

std::string Synopsis(const CommandSpec& command, std::size_t width, std::size_t indent) {
    std::vector<std::string> pieces{std::string("escaval ").append(command.name)};
    for (const OptionSpec& option : command.options)
        if (!option.inOperand) pieces.push_back(option.required ? Usage(option) : std::string(1, '[').append(Usage(option)).append("]"));
    pieces.emplace_back(command.operand);
    std::string out, line;
    for (const std::string& piece : pieces) {
        if (!line.empty() && line.size() + 1 + piece.size() > width) {
            out += line + "\n";
            line = std::string(indent, ' ');
        }
        line += (line.empty() || line.back() == ' ' ? "" : " ") + piece;
    }
    return out + line;
}

std::string CommandHelp(const CommandSpec& command) {
    std::string out = "Usage: " + Synopsis(command, kHelpWidth, 7) + "\n\n" + std::string(command.description) + "\n";
    if (command.options.empty()) return out;
    out += "\nOptions:\n";
    for (const OptionSpec& option : command.options) {
        std::string left = "  " + (option.alias.empty() ? std::string() : std::string(option.alias) + ", ") +
                           std::string(option.name);
        if (option.kind == ValueKind::kChoice) left.append(" ").append(Joined(option.choices, "|"));
        else if (option.kind != ValueKind::kNone) left.append(" ").append(option.value);
        if (left.size() + 2 > kOptionColumn) left.append("\n").append(kOptionColumn, ' ');
        else left.append(kOptionColumn - left.size(), ' ');
        out += left + std::string(option.help) + "\n";
    }
    out += "  -h, --help                this help\n";
    return out;
}

std::string BashCompletion(std::string_view program, std::span<const CommandSpec> commands,
                           std::span<const std::string_view> topLevel) {
    std::string names;
    for (const CommandSpec& command : commands) names += std::string(names.empty() ? "" : " ") + std::string(command.name);
    for (std::string_view option : topLevel) names.append(" ").append(option);
    const std::string function = std::string("_").append(program);
    std::string out = "# bash completion for " + std::string(program) + "\n" + function +
                      "() {\n"
                      "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" prev=\"${COMP_WORDS[COMP_CWORD-1]}\" options=\"\"\n"
                      "    COMPREPLY=()\n"
                      "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
                      "        COMPREPLY=($(compgen -W \"" + names + "\" -- \"$cur\"))\n"
                      "        return\n"
                      "    fi\n"
                      "    case \"${COMP_WORDS[1]}\" in\n";
    for (const CommandSpec& command : commands) {
        std::string options = "--help";
        std::string values;
        for (const OptionSpec& option : command.options) {
            options.append(" ").append(option.name);
            if (!option.alias.empty()) options.append(" ").append(option.alias);
            if (option.kind == ValueKind::kNone) continue;
            std::string pattern(option.name);
            if (!option.alias.empty()) pattern.append("|").append(option.alias);
            std::string reply;
            switch (option.kind) {
                case ValueKind::kChoice: reply = "compgen -W \"" + Joined(option.choices, " ") + "\" -- \"$cur\""; break;
                case ValueKind::kFile: reply = "compgen -f -- \"$cur\""; break;
                case ValueKind::kFolder: reply = "compgen -d -- \"$cur\""; break;
                default: reply = ""; break;
            }
            values += "            " + pattern + ") " + (reply.empty() ? "" : "COMPREPLY=($(" + reply + ")); ") + "return ;;\n";
        }
        out.append("        ").append(command.name).append(")\n");
        if (!values.empty()) out += "            case \"$prev\" in\n" + values + "            esac\n";
        out += "            options=\"" + options + "\"\n";
        // A blazon is free text; a file operand is completed as a file name.
        if (command.operands == Operands::kOneFile)
            out += "            [[ \"$cur\" != -* ]] && { COMPREPLY=($(compgen -f -- \"$cur\")); return; }\n";
        out += "            ;;\n";
    }
    out += "    esac\n"
           "    [[ \"$cur\" == -* ]] && COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "}\n"
           "complete -F " + function + " " + std::string(program) + "\n";
    return out;
}

}  // namespace esc
