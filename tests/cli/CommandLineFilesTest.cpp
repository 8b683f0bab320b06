// The command line against awkward files: pictures that cannot be written, data and input files
// that are folders or devices, overlong and numerous input lines, bytes that are not UTF-8.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "shell/cli/Coverage.h"
#include "tests/SweepStride.h"
#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace {

namespace fs = std::filesystem;

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

std::string Quoted(const fs::path& p) {
    std::string quoted = "'";
    quoted += p.string();
    quoted += '\'';
    return quoted;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A picture that cannot be written leaves the file that was there before, byte for byte, and no
// temporary file beside it; the command says why and ends with status 1.
TEST_F(CommandLine, FailedWriteKeepsTheEarlierPicture) {
    const fs::path out = dir / "pictures";
    fs::create_directories(out / "folder.png");
    const std::string earlier = "an earlier picture";
    std::ofstream(out / "shield.bmp", std::ios::binary) << earlier;
    struct Case {
        const char* name;
        fs::path target;
        std::string prefix;  // what the shell runs the program with
        const char* reason;  // part of the message
    };
    const Case cases[] = {
        // A 415 by 521 bitmap is about 650 kB; the limit is 64 blocks (of 512 or 1024 bytes).
        {"the disk fills up", out / "shield.bmp", "ulimit -f 64; exec ", "too large"},
        {"the target is a folder", out / "folder.png", "exec ", "folder"},
        {"the folder is missing", out / "missing" / "x.png", "exec ", "No such file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = Escaval("draw " + Data() + "-o " + Quoted(c.target) + " Azure", c.prefix);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("escaval: cannot write '" + c.target.string() + "': "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_EQ(Slurp(out / "shield.bmp"), earlier);
        EXPECT_EQ(Names(out), (std::vector<std::string>{"folder.png", "shield.bmp"}));
    }
    // The same target written without a limit is replaced whole.
    const Outcome r = Draw("-o " + Quoted(out / "shield.bmp") + " Azure");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(out / "shield.bmp"), 54u + 1248u * 521u);
    EXPECT_EQ(Names(out), (std::vector<std::string>{"folder.png", "shield.bmp"}));
}

// A folder where a charge picture should be is a picture that cannot be read: the question
// picture stands in and the trace says so, as for a missing picture.
TEST_F(CommandLine, FolderInPlaceOfAChargePictureIsAStandIn) {
    const fs::path data = dir / "data";
    fs::create_directories(data / "lpics" / "lion.1");
    fs::create_directories(data / "lpics" / "lion.esv");
    fs::create_symlink(fs::path(ESCAVAL_DATA_DIR) / "words1.db", data / "words1.db");
    fs::create_symlink(fs::path(ESCAVAL_DATA_DIR) / "lpics" / "question.esv", data / "lpics" / "question.esv");
    const Outcome r = Escaval("draw --data " + Quoted(data) + " -o " + Quoted(dir / "l.png") +
                              " --explain 'Or a lion rampant gules'");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* line : {"cannot read the picture of lion rampant: it is a folder",
                             "a question mark stood in for lion rampant  [QUESTION PICTURE STOOD IN]"}) {
        SCOPED_TRACE(line);
        EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
    }
    EXPECT_TRUE(fs::exists(dir / "l.png"));
}

TEST_F(CommandLine, CoverageRefusesFoldersAndDevices) {
    fs::create_directories(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    struct Case {
        const char* name;
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"a folder", (dir / "folder").string(), "it is a folder"},
        {"an endless device", "/dev/zero", "it is not a regular file"},
        {"a pipe with no writer", (dir / "pipe").string(), "it is not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The time limit turns a hang into a failure rather than a stuck test.
        const Outcome r = Escaval("coverage " + Data() + Quoted(c.path), "exec timeout 20 ");
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_EQ(r.err, "escaval: cannot read '" + c.path + "': " + c.reason + "\n");
        EXPECT_EQ(r.out, "");
    }
}

TEST(CoverageLines, LongLinesAreCutWithoutSplittingACharacter) {
    const std::string head = "Or a bend azure ";
    const std::string longLine = head + std::string(5000, 'x');
    const std::string straddling = std::string(kMaxCoverageLineBytes - 1, 'a') + "\xC3\xA9" + "b";  // é at 4095..4096
    const std::string exact(kMaxCoverageLineBytes, 'c');
    const std::vector<BlazonLine> lines =
        ReadBlazonLines("Gules\r\n\n  # a comment\n" + longLine + "\n" + straddling + "\n" + exact + "\nOr");
    ASSERT_EQ(lines.size(), 5u);
    struct Expected {
        int number;
        std::string blazon;
        bool cut;
    };
    const Expected expected[] = {
        {1, "Gules", false},
        {4, longLine.substr(0, kMaxCoverageLineBytes), true},
        {5, std::string(kMaxCoverageLineBytes - 1, 'a'), true},
        {6, exact, false},
        {7, "Or", false},
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(expected[i].number);
        EXPECT_EQ(lines[i].number, expected[i].number);
        EXPECT_EQ(lines[i].blazon, expected[i].blazon);
        EXPECT_EQ(lines[i].cut, expected[i].cut);
    }
}

// An editor's byte-order mark before the first line is not read as part of its first word.
TEST_F(CommandLine, AByteOrderMarkBeforeTheFirstBlazonIsSkipped) {
    const fs::path list = dir / "marked.txt";
    std::ofstream(list, std::ios::binary) << "\xEF\xBB\xBF" << "Azure a bend or\r\nGules a chevron argent\r\n";
    const Outcome r = Escaval("coverage --json " + Data() + Quoted(list));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto report = nlohmann::json::parse(r.out);
    EXPECT_EQ(report["clean"], 2);
    ASSERT_EQ(report["lines"].size(), 2u);
    EXPECT_EQ(report["lines"][0]["blazon"], "Azure a bend or");
    EXPECT_EQ(report["lines"][0]["line"], 1);
    // Only at the very start: the same bytes later are text of the line.
    const std::vector<BlazonLine> lines = ReadBlazonLines("Or\n\xEF\xBB\xBFGules");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].blazon, "\xEF\xBB\xBFGules");
}

TEST_F(CommandLine, CoverageReportsACutLine) {
    const fs::path list = dir / "long.txt";
    std::ofstream(list) << "Gules\nOr a bend azure " << std::string(5000, 'x') << "\n";
    const Outcome text = Escaval("coverage " + Data() + Quoted(list));
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "escaval: line 2 of '" + list.string() + "' is longer than 4096 bytes; only its start was read\n");
    EXPECT_NE(text.out.find("    cut: the line is longer than 4096 bytes; only its start was read\n"), std::string::npos);
    EXPECT_NE(text.out.find("Blazons:                      2\n"), std::string::npos);

    const Outcome json = Escaval("coverage --json " + Data() + Quoted(list));
    const auto report = nlohmann::json::parse(json.out);
    ASSERT_EQ(report["lines"].size(), 2u);
    EXPECT_FALSE(report["lines"][0].contains("cut"));
    EXPECT_EQ(report["lines"][1]["cut"], true);
    EXPECT_EQ(report["lines"][1]["blazon"].get<std::string>().size(), kMaxCoverageLineBytes);
}

// 100,000 lines, one in eighty a blazon and the rest comments and blank lines, run on a terminal:
// every line is counted, the last one keeps its number, and with more than a thousand blazons
// stderr shows how far the run has come, every thousand and at the end.
TEST_F(CommandLine, CoverageOfAHundredThousandLinesShowsProgressOnATerminal) {
    if (kSanitized) GTEST_SKIP() << "a hundred thousand lines: counted in the normal build";
    constexpr int kLines = 100000, kEvery = 80, kBlazons = kLines / kEvery;
    static_assert(kBlazons > kCoverageProgressStep && kBlazons < 2 * kCoverageProgressStep);
    const fs::path list = dir / "many.txt";
    {
        std::ofstream out(list);
        for (int i = 1; i <= kLines; ++i) out << (i % kEvery == 0 ? "Or" : i % 2 ? "# comment" : "") << "\n";
    }
    const std::string out = (dir / "out").string();
    const TerminalOutcome r = RunWithStderrOnATerminal({"coverage", "--data", ESCAVAL_DATA_DIR, list.string()}, out);
    EXPECT_EQ(r.status, 0);
    const std::string total = " of " + std::to_string(kBlazons);
    EXPECT_EQ(r.shown, "\rcoverage: 1000" + total + "\rcoverage: " + std::to_string(kBlazons) + total + "\r\n");
    const std::string report = Slurp(out);
    EXPECT_NE(report.find("Blazons:                      " + std::to_string(kBlazons) + "\n"), std::string::npos);
    EXPECT_NE(report.find("line " + std::to_string(kLines) + ": ok: Or\n"), std::string::npos);
}

// Bytes that are not UTF-8 in a blazon come out of both JSON outputs as U+FFFD, so every JSON
// reader takes them.
TEST_F(CommandLine, JsonIsValidUtf8WhateverTheBlazonHolds) {
    const std::string bad = "Or a bend \xFF\xFE azure \xC3";
    const Outcome draw = Draw("-o " + Quoted(dir / "u.png") + " --explain --json '" + bad + "'");
    EXPECT_EQ(draw.status, 0) << draw.err;
    nlohmann::json explained;
    ASSERT_NO_THROW(explained = nlohmann::json::parse(draw.out)) << draw.out;
    EXPECT_EQ(explained["blazon"], "Or a bend " + kReplacement + kReplacement + " azure " + kReplacement);
    EXPECT_EQ(explained["words"][3]["text"], kReplacement + kReplacement);

    const fs::path list = dir / "bad.txt";
    std::ofstream(list) << "Gules\n" << bad << "\n";
    const Outcome coverage = Escaval("coverage --json " + Data() + Quoted(list));
    EXPECT_EQ(coverage.status, 0) << coverage.err;
    nlohmann::json report;
    ASSERT_NO_THROW(report = nlohmann::json::parse(coverage.out)) << coverage.out;
    EXPECT_EQ(report["lines"][1]["blazon"], "Or a bend " + kReplacement + kReplacement + " azure " + kReplacement);
    // A word the vocabulary lacks is a key of missingWords: keys are replaced too.
    EXPECT_TRUE(report["missingWords"].contains(kReplacement + kReplacement)) << coverage.out;
}

}  // namespace
}  // namespace esc::test
