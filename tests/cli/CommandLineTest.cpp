// The command line as a user runs it: exit statuses, output files and messages.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/Bitmap.h"
#include "tests/cli/CommandLineFixture.h"

namespace {

namespace fs = std::filesystem;
using esc::test::CommandLine;
using esc::test::Outcome;
using esc::test::Slurp;

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

// --size W draws the shield W pixels wide, its height in proportion; --scale K K times its
// design size; the two together, or a size out of range, are usage errors.
TEST_F(CommandLine, DrawsAtASizeOrAScale) {
    struct Case {
        const char* options;
        int width, height;
    };
    const Case cases[] = {{"--scale 2", 830, 1042}, {"--size 1000", 1000, 1255}, {"--size 415", 415, 521}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        const fs::path bmp = dir / "sized.bmp";
        const Outcome r = Draw(std::string(c.options) + " -o '" + bmp.string() + "' Gules");
        ASSERT_EQ(r.status, 0) << r.err;
        const auto picture = esc::ReadBmp(bmp.string());
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.height);
        EXPECT_EQ(picture->Pixel(c.width / 2, c.height / 2), (esc::Rgb{255, 0, 0}));
    }
    // Marshalled arms at the size asked for too, quietly: each quarter in its tincture.
    for (const Case& c : {Case{"--scale 2", 830, 960}, Case{"--size 1000", 1000, 1157}}) {
        SCOPED_TRACE(std::string("quartered ") + c.options);
        const fs::path bmp = dir / "quartered.bmp";
        const Outcome r = Draw(std::string(c.options) + " -o '" + bmp.string() + "' 'Quarterly 1&4: Gules 2&3: Or'");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const auto picture = esc::ReadBmp(bmp.string());
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.height);
        EXPECT_EQ(picture->Pixel(c.width / 4, c.height / 4), (esc::Rgb{255, 0, 0}));
        EXPECT_EQ(picture->Pixel(3 * c.width / 4, c.height / 4), (esc::Rgb{255, 255, 0}));
        EXPECT_EQ(picture->Pixel(3 * c.width / 4, 3 * c.height / 4), (esc::Rgb{255, 0, 0}));
    }
    for (const char* wrong : {"--scale 2 --size 900", "--scale 9", "--size 400", "--size 4000"}) {
        SCOPED_TRACE(wrong);
        EXPECT_EQ(Draw(std::string(wrong) + " -o '" + (dir / "x.png").string() + "' Gules").status, 2);
    }
}

TEST_F(CommandLine, MessagesGoToStderrAndThePictureIsStillWritten) {
    const fs::path png = dir / "b.png";
    // --quiet leaves out the notes that follow, never the drawing's own messages.
    const Outcome r = Draw("--quiet -o '" + png.string() + "' 'Per chevron argent gules'");
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
    for (const char* key : {"\"normalised\"", "\"words\"", "\"field\"", "\"messages\"", "\"levels\"", "\"lineCode\": 6",
                            "{\"text\": \"wavy\", \"type\": 3, \"sub1\": 6, \"sub2\": 0, \"used\": true}",
                            "\"ignoredWords\": [], \"fieldOnly\": false"}) {
        SCOPED_TRACE(key);
        EXPECT_NE(r.out.find(key), std::string::npos);
    }
    const Outcome text = Draw("-o '" + (dir / "c.png").string() + "' --explain 'Argent guttee gules'");
    EXPECT_NE(text.out.find("Normalised:"), std::string::npos);
    EXPECT_NE(text.out.find("semee"), std::string::npos);
}

// A small list of blazons whose results are known: one clean, one with a word the vocabulary
// lacks (which also draws the question picture), one with a field message, one with two
// unknown words, one whose words are stepped over so that only its field is painted, comments
// and blank lines between them.
constexpr const char* kCoverageList =
    "# blazons for the coverage command\n"
    "Azure a bend Or\n"
    "\n"
    "Azure a frobnitz or\n"
    "   # an indented comment\n"
    "Per chevron argent gules\n"
    "Argent two frobnitzes and a quuxle gules\n"
    "Or lions azure\n";

TEST_F(CommandLine, CoverageReportsEachLineAndTheTotals) {
    const fs::path list = dir / "blazons.txt";
    std::ofstream(list) << kCoverageList;
    const Outcome r = Escaval("coverage --data '" + std::string(ESCAVAL_DATA_DIR) + "' '" + list.string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"clean line by its file line", "line 2: ok: Azure a bend Or\n"},
        {"missing word", "line 4: NOT CLEAN: Azure a frobnitz or\n    words not found: frobnitz\n"},
        {"a message makes the line not clean",
         "line 6: NOT CLEAN: Per chevron argent gules\n    words ignored: per, chevron, argent, gules\n"
         "    message: Expecting 'and'.\n"},
        {"two missing words", "    words not found: frobnitzes, quuxle\n"},
        {"stand-in named by its words", "    question picture for: \"two frobnitzes and a\", \"a quuxle gules\"\n"},
        {"words stepped over", "line 8: NOT CLEAN: Or lions azure\n    words ignored: lions, azure\n"
                               "    only the field was painted\n"},
        {"total", "Blazons:                      5\n"},
        {"clean share", "Drawn clean:                  1 (20.0%)\n"},
        {"with words ignored", "With words ignored:           2\n"},
        {"with field only", "Only the field painted:       1\n"},
        {"with missing words", "With words not found:         2\n"},
        {"with stand-ins", "With the question picture:    2\n"},
        {"with messages", "With interpretation messages: 1\n"},
        {"most frequent first", "Most frequent words not found: frobnitz (1), frobnitzes (1), quuxle (1)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(r.out.find(c.text), std::string::npos) << r.out;
    }
    EXPECT_EQ(r.out.find("comment"), std::string::npos) << "comment lines are not blazons";
    // The last line: every word not read, not found or without effect, most frequent first.
    const std::size_t last = r.out.rfind('\n', r.out.size() - 2) + 1;
    EXPECT_EQ(r.out.substr(last, 37), "Words not read, most frequent first: ") << r.out;
    EXPECT_NE(r.out.find("frobnitz (1), ", last), std::string::npos) << r.out.substr(last);
    EXPECT_NE(r.out.find("per (1)", last), std::string::npos) << "ignored words count too";
}

TEST_F(CommandLine, CoverageAsJson) {
    const fs::path list = dir / "blazons.txt";
    std::ofstream(list) << kCoverageList << "Or a frobnitz azure\n";
    const Outcome r = Escaval("coverage --json --data '" + std::string(ESCAVAL_DATA_DIR) + "' '" + list.string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* key : {"{\"total\": 6", "\"clean\": 1", "\"withMissingWords\": 3", "\"withStandIns\": 3",
                            "\"withMessages\": 1", "\"withIgnoredWords\": 2", "\"withFieldOnly\": 1",
                            "\"missingWords\": {\"frobnitz\": 2, \"frobnitzes\": 1, \"quuxle\": 1}",
                            "\"lines\": [{\"line\": 2, \"blazon\": \"Azure a bend Or\", \"clean\": true",
                            "\"ignoredWords\": [\"lions\", \"azure\"], \"fieldOnly\": true",
                            "\"messages\": [\"Expecting 'and'.\"]"}) {
        SCOPED_TRACE(key);
        EXPECT_NE(r.out.find(key), std::string::npos) << r.out;
    }
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one JSON object on one line";
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["ignoredWords"]["lions"], 1);
    EXPECT_EQ(json["ignoredWords"].size(), 6u) << "the field words after the message, and those of the line with no count";
    // Words not read, found or not, as a list most frequent first.
    ASSERT_TRUE(json["unreadWords"].is_array());
    ASSERT_GE(json["unreadWords"].size(), 2u);
    EXPECT_EQ(json["unreadWords"][0]["word"], "frobnitz");
    EXPECT_EQ(json["unreadWords"][0]["count"], 2);
    EXPECT_EQ(json["unreadWords"][1]["count"], 1);
    EXPECT_EQ(json["unreadWords"].size(), 9u) << "not found and without effect, each once";
}

// --strict: exit 3 for every way a picture can fall short of its blazon, 0 for one drawn as
// written; the picture is written either way.
TEST_F(CommandLine, StrictDrawExitsThreeWhenNotClean) {
    struct Case {
        const char* name;
        const char* blazon;
        int status;
    };
    const Case cases[] = {
        {"drawn as written", "Azure A Lion Rampant Or", 0},
        {"word not found", "Azure a frobnitz or", 3},
        {"field message", "Per pale wavy or", 3},
        {"words stepped over, field only", "Or lions azure", 3},
        {"one word stepped over", "Argent a cross between twelve crosslets sable", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path png = dir / "strict.png";
        fs::remove(png);
        const Outcome r = Draw("--strict -o '" + png.string() + "' '" + c.blazon + "'");
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_TRUE(fs::exists(png));
        const Outcome plain = Draw("-o '" + png.string() + "' '" + c.blazon + "'");
        EXPECT_EQ(plain.status, 0) << "without --strict a written picture is success";
    }
    EXPECT_NE(Escaval("--help").out.find("--strict exits with status 3"), std::string::npos);
}

TEST_F(CommandLine, CoverageExitStatuses) {
    const std::string data = "--data '" + std::string(ESCAVAL_DATA_DIR) + "' ";
    const fs::path empty = dir / "empty.txt";
    std::ofstream(empty) << "# nothing but a comment\n";
    const Outcome none = Escaval("coverage " + data + "'" + empty.string() + "'");
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.out.find("Blazons:                      0\n"), std::string::npos);
    const Outcome unreadable = Escaval("coverage " + data + "/nonexistent-dir/blazons.txt");
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("cannot read"), std::string::npos);
    EXPECT_EQ(Escaval("coverage " + data).status, 2);
    EXPECT_EQ(Escaval("coverage --bogus " + data + "'" + empty.string() + "'").status, 2);
    EXPECT_EQ(Escaval("coverage " + data + "'" + empty.string() + "' '" + empty.string() + "'").status, 2);
    EXPECT_NE(Escaval("--help").out.find("escaval coverage [--json]"), std::string::npos);
}

}  // namespace
