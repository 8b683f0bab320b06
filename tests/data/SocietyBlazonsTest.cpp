// The society-style list (tests/data/society_blazons.txt): devices and badges as a society of
// historical re-creation registers them, measured as `escaval coverage` measures them. The aim is
// half of them drawn clean; the test holds the share reached so far, so that it may only grow. A
// failure names every blazon that is not drawn clean, with its reasons.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "../interpret/TestDrawing.h"
#include "shell/cli/Coverage.h"

namespace esc {
namespace {

namespace fs = std::filesystem;

// The share of the list drawn clean, in thousandths: reached so far (about 54%, past the aim of
// half; raise it as the list draws cleaner).
constexpr int kSocietyCleanPerMille = 540;
// The list holds at least this many blazons; fewer means it was cut or not found.
constexpr std::size_t kFewestSocietyBlazons = 300;

std::string ReadSocietyList() {
    std::ifstream in(fs::path(ESCAVAL_SOURCE_DIR) / "tests" / "data" / "society_blazons.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Reasons(const CoverageLine& line) {
    std::string out;
    for (const std::string& w : line.missingWords) out += " not found: " + w + ";";
    for (const std::string& w : line.ignoredWords) out += " ignored: " + w + ";";
    for (const std::string& p : line.standIns) out += " question picture for " + p + ";";
    for (const std::string& m : line.messages) out += " message: " + m + ";";
    if (line.fieldOnly) out += " only the field painted;";
    return out;
}

TEST(SocietyBlazons, DrawCleanAtLeastTheShareReached) {
    std::vector<BlazonLine> lines = ReadBlazonLines(ReadSocietyList());
    ASSERT_GE(lines.size(), kFewestSocietyBlazons) << "tests/data/society_blazons.txt is missing or short";
    for (const BlazonLine& line : lines) ASSERT_NE(line.blazon.front(), '#') << "a comment line was read as a blazon";
    const CoverageReport report = MeasureCoverage(test::GeneratedVocabulary(), ESCAVAL_DATA_DIR, std::move(lines));
    const int total = static_cast<int>(report.lines.size());
    std::string unclean;
    for (const CoverageLine& line : report.lines)
        if (!line.Clean()) unclean += "\n  line " + std::to_string(line.number) + ": " + line.blazon + "\n     " + Reasons(line);
    EXPECT_GE(report.clean * 1000, total * kSocietyCleanPerMille)
        << report.clean << " of " << total << " drawn clean; not clean:" << unclean;
}

}  // namespace
}  // namespace esc
