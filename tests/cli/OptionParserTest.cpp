// The one option reader of every command, the --help it writes and the bash completion.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shell/cli/CommandLine.h"
#include "shell/cli/CommandTable.h"
#include "shell/cli/OptionParser.h"
#include "tests/cli/CommandLineFixture.h"

namespace {

using esc::CommandSpec;
using esc::OptionSpec;
using esc::ValueKind;
using esc::test::CommandLine;
using esc::test::Outcome;

constexpr std::string_view kSizes[] = {"small", "large"};
constexpr OptionSpec kOptions[] = {
    {"--output", "-o", ValueKind::kFile, "FILE", "where"},
    {"--loud", "", ValueKind::kNone, "", "louder"},
    {"--count", "-n", ValueKind::kNumber, "N", "how many", {}, 1, 9},
    {"--size", "", ValueKind::kChoice, "", "how big", kSizes},
};
constexpr CommandSpec kCommand{"paint", kOptions, "BLAZON", esc::Operands::kWords, "paint it"};

TEST(OptionParser, ReadsEveryFormAnOptionIsGivenIn) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string output, count, words;
        bool loud;
    } cases[] = {
        {"long names", {"--output", "a.png", "--count", "3", "Or"}, "a.png", "3", "Or", false},
        {"aliases", {"-o", "a.png", "-n", "3", "Or"}, "a.png", "3", "Or", false},
        {"with =", {"--output=a=b.png", "--count=3", "Or"}, "a=b.png", "3", "Or", false},
        {"the last given wins", {"-o", "a", "--output", "b", "Or"}, "b", "", "Or", false},
        {"words between options", {"Azure", "--loud", "a", "bend"}, "", "", "Azure a bend", true},
        {"- is an operand", {"-o", "-", "-"}, "-", "", "-", false},
        {"-- ends the options", {"--", "--loud", "-o"}, "", "", "--loud -o", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const esc::ParseResult r = esc::ParseOptions(kCommand, c.args);
        ASSERT_FALSE(r.exitStatus.has_value());
        EXPECT_EQ(r.options.Value("--output"), c.output);
        EXPECT_EQ(r.options.Value("--count"), c.count);
        EXPECT_EQ(r.options.Words(), c.words);
        EXPECT_EQ(r.options.Has("--loud"), c.loud);
    }
    EXPECT_EQ(esc::ParseOptions(kCommand, {"-n", "7", "Or"}).options.Number("--count", 1), 7);
    EXPECT_EQ(esc::ParseOptions(kCommand, {"Or"}).options.Number("--count", 4), 4);
}

TEST(OptionParser, WrongArgumentsAreUsageErrors) {
    const struct {
        const char* name;
        std::vector<std::string> args;
    } cases[] = {
        {"unknown option", {"--colour", "Or"}},
        {"value missing", {"Or", "--output"}},
        {"switch given a value", {"--loud=yes", "Or"}},
        {"number below its range", {"--count", "0", "Or"}},
        {"number above its range", {"--count", "10", "Or"}},
        {"not a number", {"--count", "3x", "Or"}},
        {"number too large for a long", {"--count", "99999999999999999999", "Or"}},
        {"not a choice", {"--size", "huge", "Or"}},
        {"no blazon", {"--loud"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(esc::ParseOptions(kCommand, c.args).exitStatus, esc::kExitUsage);
    }
}

// Each command's --help names every option of the table and its synopsis; the usage names
// every command.
TEST_F(CommandLine, HelpOfEveryCommandComesFromTheTable) {
    const Outcome usage = Escaval("--help");
    for (const CommandSpec& command : esc::Commands()) {
        const std::string name(command.name);
        SCOPED_TRACE(name);
        EXPECT_NE(usage.out.find("  escaval " + name + " "), std::string::npos);
        const Outcome help = Escaval(name + " --help");
        EXPECT_EQ(help.status, 0) << help.err;
        EXPECT_EQ(help.out.rfind("Usage: escaval " + name, 0), 0u) << help.out;
        for (const OptionSpec& option : command.options) {
            EXPECT_NE(help.out.find(std::string(option.name)), std::string::npos) << option.name;
            EXPECT_NE(help.out.find(std::string(option.help)), std::string::npos) << option.help;
        }
        const Outcome wrong = Escaval(name + " --no-such-option x");
        EXPECT_EQ(wrong.status, 2);
        EXPECT_NE(wrong.err.find("unknown option --no-such-option"), std::string::npos) << wrong.err;
        EXPECT_NE(wrong.err.find("Usage: escaval " + name), std::string::npos) << wrong.err;
    }
}

// The completion script is valid bash and completes commands, options and their values.
TEST_F(CommandLine, BashCompletionCompletesFromTheTable) {
    const Outcome script = Escaval("--bash-completion");
    ASSERT_EQ(script.status, 0);
    const std::filesystem::path file = dir / "escaval.bash";
    std::ofstream(file) << script.out;
    const auto complete = [&](const std::string& words) {
        const std::string command = "bash -c 'source \"" + file.string() + "\"; COMP_WORDS=(" + words +
                                    "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _escaval; echo \"${COMPREPLY[*]}\"'";
        std::string out;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            char buf[4096];
            while (std::fgets(buf, sizeof buf, pipe)) out += buf;
            ::pclose(pipe);
        }
        return out;
    };
    EXPECT_EQ(complete("escaval dr"), "draw\n");
    EXPECT_EQ(complete("escaval draw --qu"), "--quiet\n");
    EXPECT_EQ(complete("escaval batch --format \"\""), "png bmp\n");
    EXPECT_EQ(complete("escaval save --layout ab"), "above\n");
    EXPECT_EQ(complete("escaval roll --col"), "--columns\n");
}

}  // namespace
