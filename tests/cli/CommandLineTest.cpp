// The command line as a user runs it: exit statuses, output files and messages.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/Bitmap.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CommandLine : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("escaval-cli-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // A draw command with the generated data named explicitly (builds may share one data folder).
    Outcome Draw(const std::string& args) { return Escaval("draw --data '" + std::string(ESCAVAL_DATA_DIR) + "' " + args); }

    Outcome Escaval(const std::string& args) {
        const std::string command = std::string("'") + ESCAVAL_EXE + "' " + args + " > '" + (dir / "out").string() +
                                    "' 2> '" + (dir / "err").string() + "'";
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = Slurp(dir / "out");
        r.err = Slurp(dir / "err");
        return r;
    }
};

TEST_F(CommandLine, DrawsPngAndBmp) {
    const fs::path png = dir / "a.png", bmp = dir / "a.BMP";
    Outcome r = Draw("-o '" + png.string() + "' 'Azure a bend Or'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Slurp(png).substr(1, 3), "PNG");
    r = Draw("-o '" + bmp.string() + "' Gules");
    EXPECT_EQ(r.status, 0) << r.err;
    const auto picture = esc::ReadBmp(bmp.string());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Width(), 415);
    EXPECT_EQ(picture->Height(), 521);
    EXPECT_EQ(picture->Pixel(200, 200), (esc::Rgb{255, 0, 0}));
}

TEST_F(CommandLine, MessagesGoToStderrAndThePictureIsStillWritten) {
    const fs::path png = dir / "b.png";
    const Outcome r = Draw("-o '" + png.string() + "' 'Per chevron argent gules'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Expecting 'and'.\n");
    EXPECT_TRUE(fs::exists(png));
}

TEST_F(CommandLine, ExitStatuses) {
    EXPECT_EQ(Escaval("--help").status, 0);
    const Outcome version = Escaval("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("escaval"), std::string::npos);
    EXPECT_EQ(Escaval("draw").status, 2);
    EXPECT_EQ(Draw("--bogus Azure").status, 2);
    EXPECT_EQ(Escaval("frobnicate").status, 2);
    EXPECT_EQ(Draw("-o").status, 2);
    const Outcome unwritable = Draw("-o /nonexistent-dir/x.png Azure");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
    EXPECT_EQ(Escaval("draw --data /nonexistent-dir Azure").status, 1);
}

TEST_F(CommandLine, ExplainAsJson) {
    const Outcome r = Draw("-o '" + (dir / "c.png").string() + "' --explain --json 'Per pale wavy or and azure'");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* key : {"\"normalised\"", "\"words\"", "\"field\"", "\"messages\"", "\"levels\"", "\"lineCode\": 6"}) {
        SCOPED_TRACE(key);
        EXPECT_NE(r.out.find(key), std::string::npos);
    }
    const Outcome text = Draw("-o '" + (dir / "c.png").string() + "' --explain 'Argent guttee gules'");
    EXPECT_NE(text.out.find("Normalised:"), std::string::npos);
    EXPECT_NE(text.out.find("semee"), std::string::npos);
}

}  // namespace
