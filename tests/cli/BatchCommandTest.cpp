// `escaval batch` as a user runs it: the pictures it writes and their names, index.json, the
// summary and the exit statuses; and the naming of database entries.

#include <nlohmann/json.hpp>

#include "shell/cli/BatchCommand.h"
#include "tests/SweepStride.h"
#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace fs = std::filesystem;

namespace {

constexpr const char* kNotClean = "Azure a frobnicator or";

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

class BatchFixture : public CommandLine {
protected:
    fs::path list = dir / "list.txt";
    fs::path out = dir / "shields";  // "out" and "err" hold the outputs
    void SetUp() override {
        CommandLine::SetUp();
        // Lines 1, 3 and 5 hold blazons; line 2 is blank and line 4 a comment.
        std::ofstream(list) << "Azure a bend Or\n\n" << kNotClean << "\n# a comment\nOr a lion rampant gules\n";
    }
    Outcome RunBatch(const std::string& args) { return Escaval("batch " + Data() + args); }
};

TEST_F(BatchFixture, WritesEveryBlazonByLineNumberAsDrawWould) {
    const Outcome r = RunBatch("--jobs 2 -o '" + out.string() + "' '" + list.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(FilesIn(out), (std::vector<std::string>{"0001.png", "0003.png", "0005.png", "index.json"}));
    EXPECT_NE(r.out.find("3 drawn, 3 written to"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1 not clean"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("shields a second"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");  // no progress bar when stderr is not a terminal
    // Two threads, each reusing its drawing state, give the files `draw` gives byte for byte.
    const struct {
        const char* file;
        const char* blazon;
    } expected[] = {{"0001.png", "Azure a bend Or"}, {"0003.png", kNotClean}, {"0005.png", "Or a lion rampant gules"}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.file);
        ASSERT_EQ(Draw("-o '" + (dir / "single.png").string() + "' '" + e.blazon + "'").status, 0);
        EXPECT_TRUE(Slurp(out / e.file) == Slurp(dir / "single.png"));
    }
}

// --scale and --size draw every entry, marshalled arms too, as `draw` does at that scale.
TEST_F(BatchFixture, MarshalledArmsAtAScaleAsDrawDrawsThem) {
    std::ofstream(list) << "Quarterly 1&4: Or a bend azure 2&3: Gules\nAzure a bend or impaling: Argent a cross gules\n"
                        << "Quarterly of 6 1: Or 2: Azure 3: Gules 4: Vert 5: Argent 6: Sable\n";
    for (const char* option : {"--scale 2", "--size 1000"}) {
        SCOPED_TRACE(option);
        fs::remove_all(out);
        const Outcome r = RunBatch(std::string(option) + " -o '" + out.string() + "' '" + list.string() + "'");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("3 drawn, 3 written to"), std::string::npos) << r.out;
        const char* blazons[] = {"Quarterly 1&4: Or a bend azure 2&3: Gules", "Azure a bend or impaling: Argent a cross gules",
                                 "Quarterly of 6 1: Or 2: Azure 3: Gules 4: Vert 5: Argent 6: Sable"};
        for (int i = 0; i < 3; ++i) {
            const std::string file = "000" + std::to_string(i + 1) + ".png";
            SCOPED_TRACE(file);
            ASSERT_EQ(Draw(std::string(option) + " -o '" + (dir / "single.png").string() + "' '" + blazons[i] + "'").status, 0);
            EXPECT_TRUE(Slurp(out / file) == Slurp(dir / "single.png"));
            // The width in the PNG's header, big-endian after the signature and the chunk's head.
            const std::string png = Slurp(out / file);
            ASSERT_GT(png.size(), 24u);
            const int width = (static_cast<unsigned char>(png[16]) << 24) | (static_cast<unsigned char>(png[17]) << 16) |
                              (static_cast<unsigned char>(png[18]) << 8) | static_cast<unsigned char>(png[19]);
            EXPECT_EQ(width, std::string(option) == "--scale 2" ? 830 : 1000);
        }
    }
}

TEST_F(BatchFixture, IndexSaysWhatEachFileIsAndHowWellItWasRead) {
    ASSERT_EQ(RunBatch("-o '" + out.string() + "' '" + list.string() + "'").status, 0);
    const auto index = nlohmann::json::parse(Slurp(out / "index.json"));
    EXPECT_EQ(index["format"], "png");
    EXPECT_EQ(index["count"], 3);
    EXPECT_EQ(index["written"], 3);
    EXPECT_EQ(index["notClean"], 1);
    EXPECT_EQ(index["failed"], 0);
    EXPECT_GT(index["shieldsPerSecond"].get<double>(), 0);
    const auto& entries = index["entries"];
    ASSERT_EQ(entries.size(), 3u);
    const int lines[] = {1, 3, 5};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& e = entries[i];
        for (const char* key : {"file", "line", "blazon", "clean", "missingWords", "ignoredWords", "standIns",
                                "standInCharges", "messages", "fieldOnly"})
            EXPECT_TRUE(e.contains(key)) << key;
        EXPECT_EQ(e["line"], lines[i]);
        EXPECT_FALSE(e.contains("surname"));
        EXPECT_EQ(e["clean"], i != 1);
    }
    EXPECT_EQ(entries[1]["blazon"], kNotClean);
    EXPECT_EQ(entries[1]["missingWords"], nlohmann::json::array({"frobnicator"}));
    EXPECT_EQ(entries[2]["file"], "0005.png");
}

TEST_F(BatchFixture, FormatStrictAndErrors) {
    Outcome r = RunBatch("--format bmp --strict -o '" + out.string() + "' '" + list.string() + "'");
    EXPECT_EQ(r.status, 3) << r.err;  // written, but one was not clean
    EXPECT_EQ(FilesIn(out), (std::vector<std::string>{"0001.bmp", "0003.bmp", "0005.bmp", "index.json"}));
    EXPECT_EQ(Slurp(out / "0001.bmp").substr(0, 2), "BM");

    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"", 2},
        {"--database '" + list.string() + "'", 2},
        {"--jobs 0 '" + list.string() + "'", 2},
        {"--format gif '" + list.string() + "'", 2},
        {"--bogus '" + list.string() + "'", 2},
        {"'" + (dir / "missing.txt").string() + "'", 1},
        {"-o '" + list.string() + "' '" + list.string() + "'", 1},  // the output folder is a file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        r = RunBatch(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err, "");
    }
}

TEST_F(BatchFixture, TheDatabaseByItsSurnames) {
    if (kSanitized) GTEST_SKIP() << "a whole armorial: drawn in the normal build";
    // No user database in this data home: the entries are those of the shipped one.
    const Outcome r = Escaval("batch " + Data() + "--database -o '" + out.string() + "'",
                              "XDG_DATA_HOME='" + dir.string() + "' exec ");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto index = nlohmann::json::parse(Slurp(out / "index.json"));
    const std::size_t count = index["count"];
    ASSERT_GT(count, 1000u);
    EXPECT_EQ(FilesIn(out).size(), count + 1);
    for (const auto& e : index["entries"]) {
        ASSERT_TRUE(e.contains("surname"));
        ASSERT_TRUE(fs::exists(out / e["file"].get<std::string>())) << e["file"];
    }
}

TEST(BatchNames, SurnamesMadeSafeAndNumbered) {
    const std::vector<BatchEntry> entries = EntriesOfArms(
        {{"Smith", "Azure"}, {"O'Neill", "Or"}, {"O Neill", "Gules"}, {"Smith", "Vert"}, {"", "Sable"}, {"Dürer", "Argent"}});
    std::vector<std::string> names;
    for (const BatchEntry& e : entries) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Smith-1", "O_Neill-1", "O_Neill-2", "Smith-2", "_-1", "D__rer-1"}));
    EXPECT_EQ(entries[1].surname, "O'Neill");

    std::vector<BlazonLine> lines{{7, "Azure", false}, {12345, "Or", false}};
    const std::vector<BatchEntry> numbered = EntriesOfLines(lines);
    EXPECT_EQ(numbered[0].name, "00007");  // as wide as the last line number, at least four digits
    EXPECT_EQ(numbered[1].name, "12345");
}

}  // namespace esc::test
