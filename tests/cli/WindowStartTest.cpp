// The command line starts without any window or text library, and hands a start with no command
// to the window program beside it, and the composing commands to theirs.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace fs = std::filesystem;

namespace {

// The shared libraries a program loads, as the dynamic loader lists them.
std::string LoadedLibraries(const fs::path& program, const fs::path& scratch) {
    const fs::path listing = scratch / "ldd.txt";
    const std::string command = "ldd '" + program.string() + "' > '" + listing.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return Slurp(listing);
}

}  // namespace

TEST_F(CommandLine, LoadsNoWindowLibrary) {
    const std::string libraries = LoadedLibraries(ESCAVAL_EXE, dir);
    // The listing must be a real one, or the absence below proves nothing.
    ASSERT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
    // Nor any text or display library: those cost more to load than a whole drawing.
    for (const char* library : {"libcairo", "libfontconfig", "libX11", "libGL"})
        EXPECT_EQ(libraries.find(library), std::string::npos) << library;
    // The composing commands' program loads text libraries but no window library either.
    EXPECT_EQ(fs::path(ESCAVAL_COMPOSE_EXE).parent_path(), fs::path(ESCAVAL_EXE).parent_path());
    const std::string composer = LoadedLibraries(ESCAVAL_COMPOSE_EXE, dir);
    EXPECT_NE(composer.find("libcairo"), std::string::npos) << composer;
    EXPECT_EQ(composer.find("libQt"), std::string::npos) << composer;
#ifdef ESCAVAL_WINDOW_EXE
    // The window program is built beside the command line, and is the one that loads the toolkit.
    EXPECT_EQ(fs::path(ESCAVAL_WINDOW_EXE).parent_path(), fs::path(ESCAVAL_EXE).parent_path());
    EXPECT_NE(LoadedLibraries(ESCAVAL_WINDOW_EXE, dir).find("libQt6Widgets"), std::string::npos);
#endif
}

// A copy of the command line in a folder of its own, with a stand-in window program that records
// how it was started.
class WindowStart : public CommandLine {
protected:
    fs::path program = dir / "escaval";
    fs::path window = dir / "escaval-window";
    fs::path record = dir / "window-args.txt";

    void SetUp() override {
        CommandLine::SetUp();
        fs::copy_file(ESCAVAL_EXE, program, fs::copy_options::overwrite_existing);
    }
    void InstallStandIn() {
        std::ofstream(window) << "#!/bin/sh\necho started \"$@\" > '" << record.string() << "'\nexit 7\n";
        fs::permissions(window, fs::perms::owner_all);
    }
    Outcome Run(const std::string& args) {
        const std::string command = "cd '" + dir.string() + "' && ./escaval " + args + " > out 2> err";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = Slurp(dir / "out");
        r.err = Slurp(dir / "err");
        return r;
    }
};

TEST_F(WindowStart, NoCommandOrOnlyWindowOptionsStartTheWindowBeside) {
    InstallStandIn();
    const struct {
        const char* args;
        const char* expected;
    } cases[] = {
        {"", "started"},
        {"-platform offscreen", "started -platform offscreen"},
        {"-reverse -style fusion", "started -reverse -style fusion"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        fs::remove(record);
        const Outcome r = Run(c.args);
        EXPECT_EQ(r.status, 7) << r.err;  // the window program's own status: this process was replaced
        ASSERT_TRUE(fs::exists(record));
        EXPECT_EQ(Slurp(record), std::string(c.expected) + "\n");
    }
    // A command, or an option the window does not know, stays with the command line.
    for (const char* args : {"--version", "-platform", "-bogus"}) {
        SCOPED_TRACE(args);
        fs::remove(record);
        const Outcome r = Run(args);
        EXPECT_NE(r.status, 7);
        EXPECT_FALSE(fs::exists(record));
    }
}

TEST_F(WindowStart, AMissingProgramBesideIsNamed) {
    const struct {
        const char* args;
        const char* program;
        const char* what;
    } cases[] = {
        {"", "escaval-window", "the window"},
        {"save Azure", "escaval-compose", "'save'"},
        {"print --pdf x.pdf Azure", "escaval-compose", "'print'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome r = Run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find((dir / c.program).string() + "' that runs " + c.what), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("is missing"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("escaval draw"), std::string::npos) << r.err;  // the usage follows
    }
}

}  // namespace esc::test
