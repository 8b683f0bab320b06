#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>

#include "database/ImportFile.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {

struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::pair<std::string, std::string>> entries;  // surname, blazon
    std::vector<int> problemLines;
};

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const std::string kLongBlazon = "Argent" + Repeat(" a bend sable", 20);  // 266 characters

TEST(ImportFile, LinesAndFields) {
    const std::vector<Case> cases = {
        {"crlf", "Smith Argent a bend sable\r\nJones Or a fess gules\r\n",
         {{"Smith", "Argent a bend sable"}, {"Jones", "Or a fess gules"}}, {}},
        // A bare line feed and the end of the file keep every character of the line.
        {"bare lf", "Smith Argent a bend sable\nJones Or a fess gules",
         {{"Smith", "Argent a bend sable"}, {"Jones", "Or a fess gules"}}, {}},
        {"bare cr", "Smith Argent\rJones Or\r", {{"Smith", "Argent"}, {"Jones", "Or"}}, {}},
        {"mixed ends", "A Or\r\nB Gules\nC Azure\rD Vert", {{"A", "Or"}, {"B", "Gules"}, {"C", "Azure"}, {"D", "Vert"}}, {}},
        // A line longer than 199 characters stays one entry.
        {"long line", "Long " + kLongBlazon + "\r\nShort Or\r\n", {{"Long", kLongBlazon}, {"Short", "Or"}}, {}},
        {"blank lines skipped", "\r\n   \r\nSmith Or\r\n\r\n", {{"Smith", "Or"}}, {}},
        {"byte order mark", "\xEF\xBB\xBFSmith Or\n", {{"Smith", "Or"}}, {}},
        {"blanks and tabs", "  Smith \t  Argent  a bend\t\n", {{"Smith", "Argent  a bend"}}, {}},
        {"control bytes dropped", "Sm\x02ith Or\x01 a bend\n", {{"Smith", "Or a bend"}}, {}},
        {"old end-of-file mark", "Smith Or\r\n\x1A", {{"Smith", "Or"}}, {}},
        {"windows western", "Mu\xF1oz Or a cross vert\n", {{"Mu\xC3\xB1oz", "Or a cross vert"}}, {}},
        {"utf-8 kept", "Mu\xC3\xB1oz Or\n", {{"Mu\xC3\xB1oz", "Or"}}, {}},
        {"surname of 30", Repeat("x", 30) + " Or\n", {{Repeat("x", 30), "Or"}}, {}},
        {"surname of 31", Repeat("x", 31) + " Or\n", {}, {1}},
        {"no blank", "Smith\nJones Or\n", {{"Jones", "Or"}}, {1}},
        {"nothing after surname", "Smith   \nJones Or\n", {{"Jones", "Or"}}, {1}},
        {"empty file", "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportFile file = ParseImportFile(c.bytes);
        std::vector<std::pair<std::string, std::string>> got;
        for (const ImportEntry& e : file.entries) got.emplace_back(e.surname, e.blazon);
        EXPECT_EQ(got, c.entries);
        std::vector<int> lines;
        for (const ImportProblem& p : file.problems) lines.push_back(p.line);
        EXPECT_EQ(lines, c.problemLines);
    }
}

TEST(ImportFile, LineNumbersCountEveryLineEnd) {
    const ImportFile file = ParseImportFile("A Or\r\n\r\nB\nC Gules\rD Vert");
    ASSERT_EQ(file.entries.size(), 3u);
    EXPECT_EQ(file.entries[0].line, 1);
    EXPECT_EQ(file.entries[1].line, 4);
    EXPECT_EQ(file.entries[2].line, 5);
    ASSERT_EQ(file.problems.size(), 1u);
    EXPECT_EQ(file.problems[0].line, 3);
    EXPECT_EQ(file.problems[0].fault, ImportFault::NoSeparator);
}

TEST(ImportFile, DescriptionCountsEntriesLongBlazonsAndLeftOutLines) {
    const ImportFile file = ParseImportFile("Long " + kLongBlazon + "\nSmith\nJones   \nA Or\n");
    ASSERT_EQ(file.entries.size(), 2u);
    EXPECT_EQ(file.entries[0].blazon, kLongBlazon);  // whole
    EXPECT_EQ(DescribeImport(file, "/home/u/uescaval.txt", 1),
              "Imported 2 entries from '/home/u/uescaval.txt'.\n"
              "1 blazon is longer than a drawing reads; each is kept whole, and Draw asks for it shortened.\n"
              "2 lines were left out (a surname, one blank, then the blazon):\n"
              "  line 2: no blank after a surname of at most 30 characters\n"
              "  line 3: no blazon after the surname");
}

// Bytes that are not text give nothing to import, however many lines happen to look like entries.
TEST(ImportFile, BinaryDataIsRefusedWhole) {
    std::string random;
    std::uint32_t x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1103515245u + 12345u;
        random += static_cast<char>(1 + (x >> 16) % 255);  // no NUL: the lines themselves must tell
    }
    const std::string western = "Mu\xF1oz Or a cross vert\r\n";  // not UTF-8, but text
    const std::string binaryLine = "Smith Or\x01\x90\xC3\r\n";        // neither
    struct Case {
        const char* name;
        std::string bytes;
        bool text;
    };
    const std::vector<Case> cases = {
        {"a NUL byte", std::string("Smith Or\r\nJones Gu\0les\r\n", 24), false},
        {"UTF-16", std::string("\xFF\xFES\0m\0 \0O\0r\0\r\0\n\0", 16), false},
        {"random bytes", random, false},
        {"most lines binary", binaryLine + binaryLine + "Smith Or\r\n" + binaryLine, false},
        {"half the lines binary", binaryLine + "Smith Or\r\n", true},
        {"every line Western", western + western + western, true},
        {"blank lines do not count", binaryLine + "\r\n  \r\n\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportFile file = ParseImportFile(c.bytes);
        EXPECT_EQ(file.notText, !c.text);
        if (!c.text) {
            EXPECT_TRUE(file.entries.empty());
            EXPECT_TRUE(file.problems.empty());
        }
    }
}

TEST(ImportFile, ReadingRefusesWhatIsNotAFileOfBlazonsWithAMessage) {
    test::TempDir dir;
    std::string error;
    const auto file = ReadImportFile(dir.Write("uescaval.txt", "Smith Or a bend azure"), &error);
    ASSERT_TRUE(file.has_value()) << error;
    ASSERT_EQ(file->entries.size(), 1u);
    EXPECT_EQ(file->entries[0].blazon, "Or a bend azure");

    const std::string fifo = dir.Path("pipe.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // reading it would wait for a writer for ever
    struct Case {
        const char* name;
        std::string path;
        std::string message;  // the start of what the user reads
    };
    const auto quoted = [](const std::string& path) { return std::string(1, '\'').append(path).append(1, '\''); };
    const std::vector<Case> cases = {
        {"missing", dir.Path("none.txt"), "Unable to open chosen file!\n" + quoted(dir.Path("none.txt")) + ": there is no such file."},
        {"a folder", dir.Path(), quoted(dir.Path()) + " is a folder"},
        {"a device", "/dev/zero", "'/dev/zero' is not a file of blazons"},
        {"a named pipe", fifo, quoted(fifo) + " is not a file of blazons"},
        {"binary", dir.Write("picture.txt", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), "The file '"},
        {"too large", dir.Write("large.txt", std::string(kMaxImportFileBytes + 1, 'x')), "The file '"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        error.clear();
        EXPECT_FALSE(ReadImportFile(c.path, &error).has_value());
        EXPECT_EQ(error.substr(0, c.message.size()), c.message) << error;
    }
    EXPECT_NE(error.find("too large"), std::string::npos);
    ReadImportFile(dir.Path("picture.txt"), &error);
    EXPECT_NE(error.find("is not a text file of blazons; nothing was imported"), std::string::npos) << error;
}

}  // namespace
}  // namespace esc::db
