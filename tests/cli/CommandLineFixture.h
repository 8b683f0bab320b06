#pragma once
// Runs the command line as a user runs it, through the shell, and collects its exit status and
// its two outputs.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace esc::test {

struct Outcome {
    int status = -1;  // the exit status; -1 when the program was ended by a signal
    std::string out, err;
};

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
