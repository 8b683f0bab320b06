// What `draw` tells on stderr of a drawing that is not drawn as written, blazons too long for the
// blazon buffer, and standard input and output in pipes.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/Bitmap.h"
#include "shell/cli/DrawingNotes.h"
#include "tests/cli/CommandLineFixture.h"

namespace {

namespace fs = std::filesystem;
using esc::test::CommandLine;
using esc::test::Outcome;
using esc::test::Slurp;

std::string Quoted(const fs::path& p) { return "'" + p.string() + "'"; }

// The lines of `text` that begin with "note: ".
std::vector<std::string> Notes(const std::string& text) {
    std::vector<std::string> notes;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        if (line.rfind("note: ", 0) == 0) notes.push_back(line);
        start = end + 1;
    }
    return notes;
}

TEST_F(CommandLine, DrawNotesWhatWasNotDrawnAsWritten) {
    const struct {
        const char* name;
        const char* blazon;
        std::vector<std::string> notes;
    } cases[] = {
        {"clean", "Azure a bend Or", {}},
        {"word not read, and a question mark for its phrase",
         "Azure a frobnitz or",
         {"note: not read: \"frobnitz\"", "note: no picture of \"a frobnitz or\": a question mark stands in"}},
        {"words read past",
         "Argent a cross between twelve crosslets sable",
         {"note: \"twelve\" read past", "note: \"crosslets\" read past", "note: \"sable\" read past"}},
        {"six words not read: four and the rest counted", "Or qxa qxb qxc qxd qxe qxf",
         {"note: not read: \"qxa\"", "note: not read: \"qxb\"", "note: not read: \"qxc\"", "note: not read: \"qxd\"",
          "note: and 2 more"}},
        {"a count no layout sets, drawn in the nearest form", "Argent six roundels in cross gules",
         {"note: No layout sets 6 charges so: the nearest form is drawn."}},
    };
    const fs::path png = dir / "n.png";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = Draw("-o " + Quoted(png) + " '" + c.blazon + "'");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Notes(r.err), c.notes) << r.err;
        const Outcome quiet = Draw("--quiet -o " + Quoted(png) + " '" + c.blazon + "'");
        EXPECT_EQ(quiet.status, 0);
        EXPECT_TRUE(Notes(quiet.err).empty()) << quiet.err;
        EXPECT_EQ(Draw("--strict --quiet -o " + Quoted(png) + " '" + c.blazon + "'").status, c.notes.empty() ? 0 : 3);
    }
}

// A group drawn otherwise than written is told, and coverage does not count its shield clean.
TEST_F(CommandLine, NearestFormIsNotCountedClean) {
    const fs::path list = dir / "nearest.txt";
    std::ofstream(list) << "Argent six roundels in cross gules\nArgent five roundels in cross gules\n";
    const Outcome r = Escaval("coverage " + Data() + Quoted(list));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("line 1: NOT CLEAN"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("line 2: ok"), std::string::npos) << r.out;
}

TEST_F(CommandLine, NotesAreFewThenCounted) {
    const auto numbered = [](int n) {
        std::vector<std::string> notes;
        for (int i = 1; i <= n; ++i) notes.push_back("n" + std::to_string(i));
        return notes;
    };
    EXPECT_EQ(esc::NoteLines({}), "");
    EXPECT_EQ(esc::NoteLines(numbered(esc::kMaxNoteLines + 1)).find("more"), std::string::npos)
        << "\"and 1 more\" would take the line the note takes";
    const std::string many = esc::NoteLines(numbered(9));
    EXPECT_EQ(Notes(many).size(), esc::kMaxNoteLines + 1);
    EXPECT_NE(many.find("note: n4\nnote: and 5 more\n"), std::string::npos) << many;
}

// The messages the drawing raises stay as they were: the notes come after them.
TEST_F(CommandLine, DrawingMessagesComeFirstAndUnchanged) {
    const Outcome r = Draw("-o " + Quoted(dir / "m.png") + " 'Per chevron argent gules'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err.rfind("Expecting 'and'.\n", 0), 0u) << r.err;
}

// A data folder holding the vocabulary and the question picture only: every other charge stands in.
class BareData : public CommandLine {
protected:
    fs::path data;
    void SetUp() override {
        CommandLine::SetUp();
        data = dir / "data";
        fs::create_directories(data / "lpics");
        fs::create_symlink(fs::path(ESCAVAL_DATA_DIR) / "words1.db", data / "words1.db");
        fs::create_symlink(fs::path(ESCAVAL_DATA_DIR) / "lpics" / "question.esv", data / "lpics" / "question.esv");
    }
    Outcome DrawBare(const std::string& args) { return Escaval("draw --data " + Quoted(data) + " " + args); }
};

TEST_F(BareData, StandInsAreNamedByTheChargeAndItsAttitude) {
    const Outcome r = DrawBare("-o " + Quoted(dir / "l.png") + " --explain --json 'Or a lion rampant gules'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Notes(r.err), std::vector<std::string>{"note: no picture of \"lion rampant\": a question mark stands in"});
    const auto json = nlohmann::json::parse(r.out);
    const auto& pictures = json["levels"][0]["pictures"];
    ASSERT_FALSE(pictures.empty());
    for (const auto& p : pictures) {
        EXPECT_EQ(p["charge"], "lion rampant");
        EXPECT_TRUE(p.contains("file")) << "the old key stays beside the new";
    }
    EXPECT_EQ(pictures.back()["file"], "lpics/question.esv");

    const Outcome text = DrawBare("-o " + Quoted(dir / "l.png") + " --explain 'Or a lion rampant gules'");
    EXPECT_NE(text.out.find("a question mark stood in for lion rampant"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("lpics/"), std::string::npos) << "the text names charges, not files";

    const fs::path list = dir / "list.txt";
    std::ofstream(list) << "Or a lion rampant gules\n";
    const Outcome coverage = Escaval("coverage --json --data " + Quoted(data) + " " + Quoted(list));
    const auto report = nlohmann::json::parse(coverage.out);
    EXPECT_EQ(report["standInCharges"]["lion rampant"], 1);
    EXPECT_FALSE(report["standIns"].empty()) << "the files stay under their old key";
    EXPECT_EQ(report["lines"][0]["standInCharges"], nlohmann::json::array({"lion rampant"}));
    const Outcome plain = Escaval("coverage --data " + Quoted(data) + " " + Quoted(list));
    EXPECT_NE(plain.out.find("    question picture for: lion rampant\n"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.find("Charges with no picture: lion rampant (1)\n"), std::string::npos) << plain.out;
}

// A folder where a charge picture should be: the drawing goes on with the question picture and
// the note says which picture could not be read, and why.
TEST_F(BareData, UnreadablePictureIsNamedWithWhy) {
    fs::create_directories(data / "lpics" / "lion.1");
    const Outcome r = DrawBare("-o " + Quoted(dir / "l.png") + " 'Or a lion rampant gules'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("note: cannot read picture lion.1: it is a folder\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("a question mark stands in"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir / "l.png"));
    const Outcome json = DrawBare("-o " + Quoted(dir / "l.png") + " --json 'Or a lion rampant gules'");
    EXPECT_EQ(nlohmann::json::parse(json.out)["levels"][0]["pictures"][0]["error"], "it is a folder");
}

TEST_F(CommandLine, BlazonLongerThanTheBufferIsSaid) {
    // Longer than the blazon buffer, the text is read whole in pieces: nothing is cut.
    std::string blazon = "Azure";
    while (blazon.size() < 250) blazon += " a bend or";
    const fs::path png = dir / "long.png";
    const Outcome whole = Draw("--quiet -o " + Quoted(png) + " '" + blazon + "'");
    EXPECT_EQ(whole.status, 0);
    EXPECT_EQ(whole.err.find("characters;"), std::string::npos) << whole.err;
    // Past the pieces a drawing reads, the rest is cut and that is said.
    while (blazon.size() < 3000) blazon += " a bend or";
    const std::string said = "The blazon has " + std::to_string(blazon.size()) + " characters;";
    const Outcome r = Draw("--quiet -o " + Quoted(png) + " '" + blazon + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(png));
    EXPECT_EQ(Draw("--strict -o " + Quoted(png) + " '" + blazon + "'").status, 3);
    // At the bound nothing is said.
    const Outcome fits = Draw("--strict -o " + Quoted(png) + " '" + blazon.substr(0, 199) + "'");
    EXPECT_EQ(fits.err.find("characters;"), std::string::npos) << fits.err;
}

TEST_F(CommandLine, StandardInputAndOutputInPipes) {
    const fs::path bmp = dir / "in.bmp";
    const Outcome in = Escaval("draw " + Data() + "-o " + Quoted(bmp) + " -", "printf 'Gules\\n' | exec ");
    EXPECT_EQ(in.status, 0) << in.err;
    const auto picture = esc::ReadBmp(bmp.string());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Pixel(picture->Width() / 2, picture->Height() / 2), (esc::Rgb{255, 0, 0}));

    const Outcome out = Draw("-o - Gules");
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(Draw("-o - --explain Gules").status, 2) << "the picture and the explanation would mix";

    const Outcome coverage =
        Escaval("coverage " + Data() + "-", "printf 'Gules\\n# skipped\\nAzure a frobnitz\\n' | exec ");
    EXPECT_EQ(coverage.status, 0) << coverage.err;
    EXPECT_NE(coverage.out.find("line 1: ok: Gules"), std::string::npos) << coverage.out;
    EXPECT_NE(coverage.out.find("line 3: NOT CLEAN: Azure a frobnitz"), std::string::npos) << coverage.out;

    const fs::path shields = dir / "shields";
    const Outcome batch = Escaval("batch " + Data() + "-o " + Quoted(shields) + " -", "printf 'Gules\\nAzure\\n' | exec ");
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_TRUE(fs::exists(shields / "0001.png"));
    EXPECT_TRUE(fs::exists(shields / "0002.png"));
}

}  // namespace
