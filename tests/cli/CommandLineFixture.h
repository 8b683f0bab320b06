#pragma once
// Runs the command line as a user runs it, through the shell, and collects its exit status and
// its two outputs.

#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
    // "exec timeout 20 ". The program is exec'd, so an end by a signal shows as status -1.
    Outcome Escaval(const std::string& args, const std::string& prefix = "exec ") {
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
