#include <gtest/gtest.h>

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
        {"control bytes dropped", std::string("Sm\0ith Or\x01 a bend\n", 18), {{"Smith", "Or a bend"}}, {}},
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
    EXPECT_EQ(file.longBlazons, 1);
    EXPECT_EQ(DescribeImport(file, "/home/u/uescaval.txt"),
              "Imported 2 entries from '/home/u/uescaval.txt'.\n"
              "1 blazon is longer than 199 characters; only the first 199 are drawn.\n"
              "2 lines were left out (a surname, one blank, then the blazon):\n"
              "  line 2: no blank after a surname of at most 30 characters\n"
              "  line 3: no blazon after the surname");
}

TEST(ImportFile, ReadsFilesAndRefusesMissingOnes) {
    test::TempDir dir;
    std::string error;
    const auto file = ReadImportFile(dir.Write("uescaval.txt", "Smith Or a bend azure"), &error);
    ASSERT_TRUE(file.has_value()) << error;
    ASSERT_EQ(file->entries.size(), 1u);
    EXPECT_EQ(file->entries[0].blazon, "Or a bend azure");
    EXPECT_FALSE(ReadImportFile(dir.Path("none.txt"), &error).has_value());
    EXPECT_EQ(error, "Unable to open chosen file!");
}

TEST(ImportFile, Utf8Helpers) {
    EXPECT_EQ(ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(ToUtf8("\x80"), "\xE2\x82\xAC");                 // the euro sign of the code page
    EXPECT_EQ(ToUtf8("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");  // valid UTF-8 untouched
    EXPECT_EQ(ToUtf8("\xC0\x80"), "\xC3\x80\xE2\x82\xAC");      // an overlong form is not UTF-8
    EXPECT_EQ(Utf8Length("M\xC3\xBA\xC3\xB1oz"), 5u);
}

}  // namespace
}  // namespace esc::db
