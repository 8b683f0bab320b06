// What the program reads damaged and what it cannot write: a cut or oversized picture is said and
// never painted in part, a failed write to the standard streams never ends with status 0, text the
// user typed reaches a terminal with its control bytes escaped, a list file is read within the same
// bounds by every command, and a count with a sign or a fraction is a word not read.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace damaged_input {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

void Put(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Whether every byte of `text` belongs to a whole UTF-8 character.
bool WholeUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > text.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// Where the image descriptor of a GIF file begins: after the header, the global colour table and
// any extension blocks.
std::size_t ImageDescriptorAt(const std::string& gif) {
    std::size_t at = 13;
    if (static_cast<unsigned char>(gif[10]) & 0x80) at += 3u << ((gif[10] & 0x07) + 1);
    while (at < gif.size() && gif[at] == 0x21) {
        at += 2;
        while (at < gif.size() && gif[at] != 0) at += static_cast<unsigned char>(gif[at]) + 1u;
        ++at;
    }
    return at;
}

// A copy of the data folder whose files a test may damage.
class DamagedData : public CommandLine {
protected:
    fs::path data;
    void SetUp() override {
        CommandLine::SetUp();
        data = dir / "data";
        fs::copy(ESCAVAL_DATA_DIR, data, fs::copy_options::recursive);
    }
    std::string DataArg() const { return "--data " + Quoted(data) + " "; }
    Outcome Run(const std::string& args) { return Escaval(args); }
};

TEST_F(DamagedData, DamagedChargePictureIsSaidAndTheQuestionPictureStandsIn) {
    const fs::path mullet = data / "lpics" / "mullet.esv";
    const std::string sound = Slurp(mullet);
    const std::string blazon = "'Azure a mullet or'";
    // What a missing picture draws: the question picture.
    fs::rename(mullet, dir / "mullet.esv");
    ASSERT_EQ(Run("draw " + DataArg() + "-o " + Quoted(dir / "missing.png") + " " + blazon).status, 0);
    const std::string missing = Slurp(dir / "missing.png");

    std::string huge = sound;
    const std::size_t d = ImageDescriptorAt(sound);
    ASSERT_EQ(huge[d], 0x2C);
    for (std::size_t i = d + 5; i < d + 9; ++i) huge[i] = static_cast<char>(0xFF);  // 65535 by 65535
    const struct {
        const char* name;
        std::string bytes;
        const char* damage;
    } cases[] = {
        {"cut in half", sound.substr(0, sound.size() / 2), "it is cut short after "},
        {"a huge size", huge, "its size 65535 by 65535 is beyond the largest picture read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Put(mullet, c.bytes);
        const std::string said = "The picture file 'lpics/mullet.esv' is damaged and is not drawn: " + std::string(c.damage);

        const Outcome draw = Run("draw --strict --explain " + DataArg() + "-o " + Quoted(dir / "d.png") + " " + blazon);
        EXPECT_EQ(draw.status, 3) << draw.err;
        EXPECT_TRUE(Has(draw.err, said)) << draw.err;
        EXPECT_TRUE(Has(draw.out, "the picture of mullet is damaged, not drawn\n")) << draw.out;
        EXPECT_FALSE(Has(draw.out, "picture of mullet drawn")) << draw.out;
        EXPECT_TRUE(Has(draw.out, "a question mark stood in for mullet  [QUESTION PICTURE STOOD IN]")) << draw.out;
        // Not a row of the damaged file is painted: the drawing is the one of a missing picture.
        EXPECT_TRUE(Slurp(dir / "d.png") == missing);

        Put(dir / "list.txt", "Azure a mullet or\nAzure a bend or\n");
        const Outcome coverage = Run("coverage --json " + DataArg() + Quoted(dir / "list.txt"));
        ASSERT_EQ(coverage.status, 0) << coverage.err;
        const auto report = nlohmann::json::parse(coverage.out);
        EXPECT_EQ(report["clean"], 1);
        EXPECT_EQ(report["lines"][0]["clean"], false);
        EXPECT_EQ(report["lines"][0]["standIns"], nlohmann::json::array({"mullet.esv"}));
        EXPECT_TRUE(Has(report["lines"][0]["messages"][0].get<std::string>(), said));

        const Outcome achievement = Run("achievement " + DataArg() + "-o " + Quoted(dir / "a.png") + " " + blazon);
        EXPECT_TRUE(Has(achievement.err, said)) << achievement.err;
        const Outcome save = Run("save " + DataArg() + "--dir " + Quoted(dir) + " " + blazon);
        EXPECT_TRUE(Has(save.err, said)) << save.err;
    }
}

// The scroll is read only by what shows it; there, damaged, it fails as a damaged mantle does.
TEST_F(DamagedData, DamagedScrollFailsAsADamagedMantleDoes) {
    for (const char* art : {"scroll3.bmp", "mantle2.bmp"}) {
        const fs::path file = data / art;
        const std::string sound = Slurp(file);
        std::string negative = sound;
        for (int i = 22; i < 26; ++i) negative[static_cast<std::size_t>(i)] = i == 25 ? '\x80' : '\0';  // height -2^31
        const std::pair<std::string, std::string> damages[] = {
            {sound.substr(0, sound.size() / 2), "it is cut short: "},
            {negative, "is beyond the largest picture read"},
        };
        for (const auto& [bytes, damage] : damages) {
            SCOPED_TRACE(std::string(art) + ": " + damage);
            Put(file, bytes);
            const std::string said = "escaval: cannot read '" + file.string() + "': ";
            const std::string scrollShown[] = {
                "achievement " + DataArg() + "-o " + Quoted(dir / "a.png") + " --surname Smith Or",
                "save --achievement " + DataArg() + "--dir " + Quoted(dir) + " --surname Smith Or",
                "print " + DataArg() + "--pdf " + Quoted(dir / "p.pdf") + " --achievement --surname Smith Or",
            };
            for (const std::string& command : scrollShown) {
                const Outcome r = Run(command);
                EXPECT_EQ(r.status, 1) << command << "\n" << r.err;
                EXPECT_TRUE(Has(r.err, said) && Has(r.err, damage)) << command << "\n" << r.err;
            }
            if (std::string(art) == "scroll3.bmp") {
                const Outcome scroll = Run("save --layout scroll " + DataArg() + "--dir " + Quoted(dir) + " --surname Smith Or");
                EXPECT_EQ(scroll.status, 1) << scroll.err;
                EXPECT_TRUE(Has(scroll.err, said)) << scroll.err;
                const Outcome plain = Run("save --layout below " + DataArg() + "--dir " + Quoted(dir) + " --surname Smith Or");
                EXPECT_EQ(plain.status, 0) << plain.err;
                EXPECT_EQ(plain.err, "");
            }
        }
        Put(file, sound);
    }
    // Missing, the scroll is left out as the window leaves it out.
    fs::remove(data / "scroll3.bmp");
    const Outcome missing = Run("save --layout scroll " + DataArg() + "--dir " + Quoted(dir) + " --surname Smith Or");
    EXPECT_EQ(missing.status, 0) << missing.err;
}

// Each command whose standard output is /dev/full fails with one line naming it, as cat does.
TEST_F(CommandLine, WritesToAFullDeviceFail) {
    Put(dir / "list.txt", "Or\nAzure a bend or\n");
    const std::string list = Quoted(dir / "list.txt");
    const std::string commands[] = {
        "--help",
        "--version",
        "draw " + Data() + "-o " + Quoted(dir / "d.png") + " --explain Or",
        "draw " + Data() + "-o " + Quoted(dir / "d.png") + " --explain --json Or",
        "coverage " + Data() + list,
        "coverage --json " + Data() + list,
        "save " + Data() + "--dir " + Quoted(dir) + " Or",
        "batch " + Data() + "--jobs 1 -o " + Quoted(dir / "shields") + " " + list,
        "roll " + Data() + "-o " + Quoted(dir / "r.pdf") + " " + list,
    };
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        const std::string run = "exec '" + std::string(ESCAVAL_EXE) + "' " + command + " > /dev/full 2> '" +
                                (dir / "err").string() + "'";
        const int raw = std::system(run.c_str());
        ASSERT_TRUE(WIFEXITED(raw));
        EXPECT_EQ(WEXITSTATUS(raw), 1);
        EXPECT_EQ(Slurp(dir / "err"), "escaval: write error on standard output: No space left on device\n");
    }
    // A message that cannot be written to standard error fails the run too.
    const std::string run = "exec '" + std::string(ESCAVAL_EXE) + "' draw " + Data() + "-o " + Quoted(dir / "d.png") +
                            " 'Per pale' > /dev/null 2> /dev/full";
    const int raw = std::system(run.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
}

// Control bytes the user typed are shown escaped in every text for a terminal and kept exact in
// JSON; a long word is cut between characters, never inside one.
TEST_F(CommandLine, UserTextReachesTheTerminalEscaped) {
    const std::string hostile = "Azure a mullet\x1b]0;owned\x07 or\x1b[2J";
    const std::string shown = "mullet\\x1b]0;owned\\x07";
    const Outcome explain = Draw("-o " + Quoted(dir / "e.png") + " --explain '" + hostile + "'");
    EXPECT_FALSE(Has(explain.out, "\x1b") || Has(explain.out, "\x07")) << explain.out;
    EXPECT_TRUE(Has(explain.out, shown)) << explain.out;
    const Outcome json = Draw("-o " + Quoted(dir / "e.png") + " --explain --json '" + hostile + "'");
    EXPECT_EQ(nlohmann::json::parse(json.out)["blazon"], hostile);

    const std::string longWord = "Azure a " + [] {
        std::string w;
        for (int i = 0; i < 15; ++i) w += "\xD0\xB6";  // a Cyrillic letter, 30 bytes: more than a word holds
        return w;
    }() + " or";
    Put(dir / "list.txt", hostile + "\n" + longWord + "\n");
    const Outcome coverage = Escaval("coverage " + Data() + Quoted(dir / "list.txt"));
    EXPECT_EQ(coverage.status, 0) << coverage.err;
    EXPECT_FALSE(Has(coverage.out, "\x1b") || Has(coverage.out, "\x07")) << coverage.out;
    EXPECT_TRUE(Has(coverage.out, "line 1: NOT CLEAN: Azure a " + shown + " or\\x1b[2J\n")) << coverage.out;
    EXPECT_TRUE(WholeUtf8(coverage.out)) << coverage.out;
    EXPECT_TRUE(Has(coverage.out, "words not found: \xD0\xB6\xD0\xB6\xD0\xB6\xD0\xB6\xD0\xB6\xD0\xB6\xD0\xB6\xD0\xB6\xD0\xB6\n"))
        << coverage.out;
    const Outcome words = Draw("-o " + Quoted(dir / "e.png") + " --explain '" + longWord + "'");
    EXPECT_TRUE(WholeUtf8(words.out)) << words.out;

    // A surname with control bytes, named in a message on stderr.
    const Outcome save = Escaval("save " + Data() + "--dir " + Quoted(dir) + " --layout above --surname 'A\x1b[2JB' Or");
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_FALSE(Has(save.err, "\x1b")) << save.err;
    EXPECT_TRUE(Has(save.err, "'A\\x1b[2JB'")) << save.err;
}

// roll reads its list as coverage and batch do: the same refusals, the same bound.
TEST_F(CommandLine, RollReadsItsListWithinTheBoundsOfCoverageAndBatch) {
    const char binary[] = "Or\n\0\x01\x02 Azure\n";
    Put(dir / "binary.txt", std::string(binary, sizeof binary - 1));
    {
        std::ofstream many(dir / "many.txt");
        for (int i = 0; i < 200001; ++i) many << "Or\n";
    }
    const std::pair<std::string, std::string> files[] = {
        {"binary.txt", "': it is not a text file (it holds NUL bytes)\n"},
        {"many.txt", "': it holds 200001 blazons, more than 200000\n"},
    };
    for (const auto& [name, refusal] : files) {
        const std::string file = Quoted(dir / name);
        const std::string said = "escaval: cannot read '" + (dir / name).string() + refusal;
        for (const std::string& command : {"roll -o " + Quoted(dir / "r.pdf") + " " + file, "coverage " + file,
                                           "batch -o " + Quoted(dir / "s") + " " + file}) {
            SCOPED_TRACE(command);
            const Outcome r = Escaval(command.substr(0, command.find(' ') + 1) + Data() + command.substr(command.find(' ') + 1),
                                      "exec timeout 60 ");
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, said);
        }
    }
    EXPECT_FALSE(fs::exists(dir / "r.pdf"));
}

TEST_F(CommandLine, RollShowsProgressOnATerminal) {
    {
        std::ofstream list(dir / "list.txt");
        for (int i = 0; i < 60; ++i) list << "Or\n";
    }
    const TerminalOutcome r = RunWithStderrOnATerminal(
        {"roll", "--data", ESCAVAL_DATA_DIR, "-o", (dir / "r.pdf").string(), (dir / "list.txt").string()},
        (dir / "out").string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.shown, "\rroll: 0 of 60\rroll: 50 of 60\rroll: 60 of 60\r\n");
}

// A count is a whole number the vocabulary holds: a sign, a fraction or a number past the largest
// is a word not read, and nothing is drawn as another count.
TEST_F(CommandLine, CountsWithASignOrAFractionAreNotRead) {
    const struct {
        const char* blazon;
        const char* word;
    } cases[] = {
        {"Azure -3 mullets or", "-3"},
        {"Paly of -1 or and azure", "-1"},
        {"Azure 1.5 mullets or", "1.5"},
        {"Azure 2,5 mullets or", "2,5"},
        {"Azure .5 mullets or", ".5"},
        {"Azure 21 mullets or", "21"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blazon);
        const Outcome r = Draw("--strict --explain --json -o " + Quoted(dir / "c.png") + " '" + c.blazon + "'");
        EXPECT_EQ(r.status, 3) << r.err;
        const auto explained = nlohmann::json::parse(r.out);
        bool notRead = false;
        for (const auto& w : explained["words"])
            if (w["text"] == c.word) notRead = w["type"] == -1 && w["used"] == false;
        EXPECT_TRUE(notRead) << explained["words"].dump();
        for (const auto& level : explained["levels"]) EXPECT_NE(level["count"], 3) << level.dump();
    }
    // Marks elsewhere are still punctuation: a plain count, and words joined by a hyphen.
    EXPECT_EQ(Draw("--strict -o " + Quoted(dir / "c.png") + " 'Azure, 3 mullets or.'").status, 0);
    EXPECT_EQ(Draw("--strict -o " + Quoted(dir / "c.png") + " 'Per pale or and azure, a bend counter-changed'").status, 0);
}

}  // namespace damaged_input
}  // namespace esc::test
