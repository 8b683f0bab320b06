#pragma once
// Runs the command line and collects its exit status and its two outputs: most commands through
// the command line's own entry point, called in a child of the test program (its output streams,
// its exit and its memory are its own, and no program is started for it); the rest as a user
// runs them, through the shell.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/SweepStride.h"
#if defined(ESCAVAL_TEST_SANITIZED)
#include <sanitizer/lsan_interface.h>
#endif
#include "engine/Allocator.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/ComposeCommands.h"
#include "shell/cli/StandardStreams.h"

namespace esc::test {

struct Outcome {
    int status = -1;  // the exit status; -1 when the program was ended by a signal
    std::string out, err;
};

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program run with its stderr on a pseudo-terminal (where it shows progress) and its stdout
// into the file `out`: what the terminal showed, and the exit status (-1 when it did not exit).
struct TerminalOutcome {
    int status = -1;
    std::string shown;
};

inline TerminalOutcome RunWithStderrOnATerminal(const std::vector<std::string>& args, const std::string& out) {
    TerminalOutcome r;
    int terminal = -1, side = -1;
    if (::openpty(&terminal, &side, nullptr, nullptr, nullptr) != 0) return r;
    std::vector<char*> argv{const_cast<char*>(ESCAVAL_EXE)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return r;
    if (child == 0) {
        ::close(terminal);
        ::dup2(side, STDERR_FILENO);
        if (!std::freopen(out.c_str(), "w", stdout)) ::_exit(3);
        ::execv(ESCAVAL_EXE, argv.data());
        ::_exit(4);
    }
    ::close(side);
    char buf[512];
    for (ssize_t n; (n = ::read(terminal, buf, sizeof buf)) > 0;) r.shown.append(buf, static_cast<std::size_t>(n));
    ::close(terminal);
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status)) r.status = WEXITSTATUS(status);
    return r;
}

// The words the shell makes of `line`: blanks split, single quotes keep everything, double quotes
// and a backslash keep what they hold. Nothing when the line asks the shell for more than words
// (a redirection, a pipe, a variable, a pattern, a comment): such a line is run by the shell.
inline std::optional<std::vector<std::string>> ShellWords(std::string_view line) {
    constexpr std::string_view kShellOnly = "|&;<>()$`*?[]#~{}!";
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else if (c == '\'') {
            const std::size_t end = line.find('\'', i + 1);
            if (end == std::string_view::npos) return std::nullopt;
            word.append(line.substr(i + 1, end - i - 1));
            i = end;
            inWord = true;
        } else if (c == '"') {
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '$' || line[j] == '`' || line[j] == '!') return std::nullopt;
                if (line[j] == '\\' && j + 1 < line.size() && std::string_view("$`\"\\").find(line[j + 1]) != std::string_view::npos) ++j;
                word += line[j];
            }
            if (j >= line.size()) return std::nullopt;
            i = j;
            inWord = true;
        } else if (c == '\\') {
            if (i + 1 >= line.size() || line[i + 1] == '\n') return std::nullopt;
            word += line[++i];
            inWord = true;
        } else if (kShellOnly.find(c) != std::string_view::npos || (c == '=' && !inWord)) {
            return std::nullopt;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// The program's own start for a command, as `escaval` and `escaval-compose` make it, with no
// window: the exit status.
inline int RunCommandWords(const std::vector<std::string>& words) {
    std::vector<std::string> storage{ESCAVAL_EXE};
    storage.insert(storage.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& w : storage) argv.push_back(w.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(storage.size());
    esc::KeepFreedMemoryForReuse();
    if (argc >= 2 && esc::IsComposeCommand(argv[1])) {
        std::signal(SIGXFSZ, SIG_IGN);
        return esc::FinishStandardStreams(
            esc::RunComposeCommand(argv[1], std::vector<std::string>(words.begin() + 1, words.end()), argv[0]));
    }
    // Held whole until the last flush, as the program holds output into a file (the child ends
    // before the buffer goes).
    std::vector<char> standardOutputBuffer(1 << 16);
    std::setvbuf(stdout, standardOutputBuffer.data(), _IOFBF, standardOutputBuffer.size());
    return esc::FinishStandardStreams(esc::RunCommandLine(argc, argv.data()));
}

// Whether the command is run in a child of the test program rather than by the program: a
// command of the command line (not the window's) that names its data folder (the program finds
// one beside itself, the test program does not).
inline bool RunsInAChild(const std::vector<std::string>& words) {
    std::vector<std::string> storage{ESCAVAL_EXE};
    storage.insert(storage.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& w : storage) argv.push_back(w.data());
    if (!esc::IsCommandLine(static_cast<int>(argv.size()), argv.data())) return false;
    for (const std::string& w : words)
        if (w == "--data" || w.rfind("--data=", 0) == 0) return true;
    return false;
}

// The command run by its entry point in a forked child, stdout and stderr into the files `out`
// and `err`: the exit status (-1 when the child was ended by a signal).
inline int RunInAChild(const std::vector<std::string>& words, const std::string& out, const std::string& err) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (o < 0 || e < 0 || ::dup2(o, STDOUT_FILENO) < 0 || ::dup2(e, STDERR_FILENO) < 0) ::_exit(4);
        ::close(o);
        ::close(e);
        const int status = RunCommandWords(words);
#if defined(ESCAVAL_TEST_SANITIZED)
        // What the program's exit would check: memory the command lost ends it as a leak does.
        __lsan_do_leak_check();
#endif
        ::_exit(status);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A data folder like the built one, its window pictures' drawings taken from the sources or left
// out.
inline std::filesystem::path DataFolderWithArt(const std::filesystem::path& dir, bool withArtDrawings) {
    namespace fs = std::filesystem;
    const fs::path data = dir / (withArtDrawings ? "drawn" : "bare");
    fs::create_directories(data / "drawings");
    for (const auto& entry : fs::directory_iterator(ESCAVAL_DATA_DIR))
        if (entry.path().filename() != "drawings") fs::create_symlink(entry.path(), data / entry.path().filename());
    for (const auto& entry : fs::directory_iterator(fs::path(ESCAVAL_DATA_DIR) / "drawings"))
        if (entry.path().stem() != "mantle2" && entry.path().stem() != "scroll3")
            fs::create_symlink(entry.path(), data / "drawings" / entry.path().filename());
    if (withArtDrawings)
        for (const char* name : {"mantle2.svg", "scroll3.svg"})
            fs::copy_file(fs::path(ESCAVAL_SOURCE_DIR) / "data/art" / name, data / "drawings" / name);
    return data;
}

class CommandLine : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("escaval-cli-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static std::string Data() { return "--data '" + std::string(ESCAVAL_DATA_DIR) + "' "; }

    // A draw command with the generated data named explicitly (builds may share one data folder).
    Outcome Draw(const std::string& args) { return Escaval("draw " + Data() + args); }

    // `prefix` comes before the program in the shell's command line: "ulimit -f 64; exec " or
    // "exec timeout 20 ". The program is exec'd, so an end by a signal shows as status -1. With
    // no other prefix, a command that is words only runs in a child of the test program.
    Outcome Escaval(const std::string& args, const std::string& prefix = "exec ") {
        if (prefix == "exec ")
            if (const auto words = ShellWords(args); words && RunsInAChild(*words)) {
                Outcome r;
                r.status = RunInAChild(*words, (dir / "out").string(), (dir / "err").string());
                r.out = Slurp(dir / "out");
                r.err = Slurp(dir / "err");
                return r;
            }
        return Shell(args, prefix);
    }

    // The program started by the shell, whatever the command.
    Outcome Shell(const std::string& args, const std::string& prefix = "exec ") {
        const std::string command = prefix + "'" + ESCAVAL_EXE + "' " + args + " > '" + (dir / "out").string() +
                                    "' 2> '" + (dir / "err").string() + "'";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = Slurp(dir / "out");
        r.err = Slurp(dir / "err");
        return r;
    }
};

}  // namespace esc::test
