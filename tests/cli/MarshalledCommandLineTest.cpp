// Marshalled arms on the command line: the assembled picture, each part's reading, and a text
// that is clean only when every part is.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/Bitmap.h"
#include "engine/Palette.h"
#include "tests/cli/CommandLineFixture.h"

namespace {

namespace fs = std::filesystem;
using esc::test::CommandLine;
using esc::test::Outcome;

esc::Rgb Colour(int entry) { return esc::kPalette[static_cast<std::size_t>(entry)]; }

TEST_F(CommandLine, DrawsImpaledAndQuarteredArms) {
    const fs::path bmp = dir / "m.bmp";
    Outcome r = Draw("-o '" + bmp.string() + "' 'Or a lion gules impaling: Azure three mullets or'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    auto picture = esc::ReadBmp(bmp.string());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 415);
    EXPECT_EQ(picture->Height(), 480);
    EXPECT_EQ(picture->Pixel(10, 10), Colour(esc::kOr));
    EXPECT_EQ(picture->Pixel(404, 10), Colour(esc::kAzure));
    EXPECT_EQ(picture->Pixel(207, 240), esc::kBlack) << "the pale line";

    r = Draw("-o '" + bmp.string() + "' 'Quarterly 1&4: Or 2&3: Gules'");
    ASSERT_EQ(r.status, 0) << r.err;
    picture = esc::ReadBmp(bmp.string());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Pixel(100, 120), Colour(esc::kOr));
    EXPECT_EQ(picture->Pixel(310, 120), Colour(esc::kGules));
    EXPECT_EQ(picture->Pixel(100, 360), Colour(esc::kGules));
    EXPECT_EQ(picture->Pixel(310, 360), Colour(esc::kOr));
    EXPECT_EQ(picture->Pixel(100, 240), esc::kBlack) << "the fess line";

    // A refused text: its message, and the empty shield is still written.
    r = Draw("-o '" + bmp.string() + "' 'Quarterly (1&4): Or 2&3: Gules'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Improper format! - Expecting '1:' or '1&4:'\n");
}

TEST_F(CommandLine, ExplainGivesEachPartItsReading) {
    const Outcome r = Draw("-o '" + (dir / "m.png").string() +
                           "' --explain --json 'Quarterly 1&4: Or a lion rampant gules 2&3: Azure three mullets or'");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["road"], "quartered");
    ASSERT_EQ(json["parts"].size(), 4u);
    EXPECT_EQ(json["parts"][0]["blazon"], "Or a lion rampant gules ");
    EXPECT_EQ(json["parts"][1]["blazon"], "Azure three mullets or");
    EXPECT_EQ(json["parts"][3]["placed"], "quarter 4");
    EXPECT_EQ(json["parts"][0]["levels"][0]["name"], "lion");
    EXPECT_EQ(json["parts"][2]["levels"][0]["count"], 3);
    EXPECT_EQ(json["composed"], "Quarterly 1&4: Or a lion rampant gules  2&3: Azure three mullets or");
    // Single arms keep their reading as it was, without parts.
    const Outcome single = Draw("-o '" + (dir / "m.png").string() + "' --explain --json 'Or a lion gules'");
    EXPECT_FALSE(nlohmann::json::parse(single.out).contains("parts"));
    const Outcome text = Draw("-o '" + (dir / "m.png").string() + "' --explain 'Or impaling: Gules a bend or'");
    EXPECT_NE(text.out.find("Part 2 of 2 (sinister):\nBlazon:      Gules a bend or\n"), std::string::npos) << text.out;
}

TEST_F(CommandLine, MarshalledArmsAreCleanWhenEveryPartIs) {
    struct Case {
        const char* name;
        const char* blazon;
        int status;
    };
    const Case cases[] = {
        {"every part clean", "Or a lion rampant gules impaling: Azure three mullets or", 0},
        {"a word not found in one part", "Or a lion rampant gules impaling: Azure a frobnitz or", 3},
        {"a field message in one quarter", "Quarterly 1&4: Or 2&3: Per pale gules", 3},
        {"refused", "Quarterly 1&4: Or 2: Gules", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = Draw("--strict -o '" + (dir / "s.png").string() + "' '" + c.blazon + "'");
        EXPECT_EQ(r.status, c.status) << r.err;
    }
    const fs::path list = dir / "marshalled.txt";
    std::ofstream(list) << "Quarterly 1&4: Or a lion rampant gules 2&3: Azure three mullets or\n"
                           "Or a bend azure impaling: Gules a frobnitz or\n";
    const Outcome r = Escaval("coverage --data '" + std::string(ESCAVAL_DATA_DIR) + "' '" + list.string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("line 1: ok: Quarterly"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("line 2: NOT CLEAN: Or a bend azure impaling: Gules a frobnitz or\n    words not found: frobnitz"),
              std::string::npos)
        << r.out;
}

// Grand quarters and an escutcheon over all: --explain gives every part where it went, a grand
// quarter with its own parts, and the words not read inside a grand quarter are counted.
TEST_F(CommandLine, GrandQuartersAndEscutcheonExplainedAndCounted) {
    const Outcome r = Draw("-o '" + (dir / "g.png").string() +
                           "' --explain --json 'Quarterly: 1 and 4, grand quarters, quarterly i and iv Or, ii and iii "
                           "Gules; 2 and 3, Azure; over all an escutcheon of pretence Argent'");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["road"], "quartered");
    EXPECT_EQ(json["respelled"], "Quarterly 1&4: (Quarterly of 4 1&4: Or 2&3: Gules) 2&3: Azure escutcheon: Argent");
    ASSERT_EQ(json["parts"].size(), 3u);
    EXPECT_EQ(json["parts"][0]["placed"], "quarters 1 and 4");
    EXPECT_EQ(json["parts"][0]["road"], "quartered");
    ASSERT_EQ(json["parts"][0]["parts"].size(), 2u);
    EXPECT_EQ(json["parts"][0]["parts"][1]["blazon"], "Gules");
    EXPECT_EQ(json["parts"][0]["parts"][1]["placed"], "quarters 2 and 3");
    EXPECT_EQ(json["parts"][2]["placed"], "escutcheon over all");
    const Outcome text = Draw("-o '" + (dir / "g.png").string() + "' --explain 'Quarterly of 6 1&6: Or 2&3&5: Gules 4: Azure'");
    EXPECT_NE(text.out.find("Part 2 of 3 (quarters 2, 3 and 5):\nBlazon:      Gules\n"), std::string::npos) << text.out;

    const fs::path list = dir / "grand.txt";
    std::ofstream(list) << "Quarterly 1&4: (Quarterly 1&4: Or 2&3: Gules a frobnitz or) 2&3: Azure\n"
                           "Quarterly of 6 1: Or 2: Gules 3: Azure 4: Vert 5: Sable 6: Argent escutcheon: Or\n";
    const Outcome coverage = Escaval("coverage --data '" + std::string(ESCAVAL_DATA_DIR) + "' '" + list.string() + "'");
    EXPECT_EQ(coverage.status, 0) << coverage.err;
    EXPECT_NE(coverage.out.find("line 1: NOT CLEAN"), std::string::npos) << coverage.out;
    EXPECT_NE(coverage.out.find("words not found: frobnitz"), std::string::npos) << coverage.out;
    EXPECT_NE(coverage.out.find("line 2: ok"), std::string::npos) << coverage.out;
}

}  // namespace
