#pragma once
// How much of a list of blazons the program draws as written: for each blazon the words the
// vocabulary does not know, the pictures the question picture stood in for and the messages of
// the interpretation, and the same counted over the whole list.

#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "interpret/Vocabulary.h"

namespace esc {

struct BlazonLine {
    int number = 0;  // 1-based line of the file
    std::string blazon;
};

struct CoverageLine {
    int number = 0;
    std::string blazon;
    std::vector<std::string> missingWords;  // words of the normalised text with no row, in lower case
    std::vector<std::string> standIns;      // picture files that were not found, so the question picture was drawn
    std::vector<std::string> messages;      // messages of the interpretation, in order
    bool Clean() const { return missingWords.empty() && standIns.empty(); }
};

struct CoverageReport {
    std::vector<CoverageLine> lines;
    int withMissingWords = 0, withStandIns = 0, withMessages = 0, clean = 0;
    std::map<std::string, int> missingWords;  // word -> number of blazons it is missing from
    std::map<std::string, int> standIns;      // picture file -> number of blazons that wanted it
};

// One blazon per line; blank lines and lines whose first non-blank character is '#' are skipped.
std::vector<BlazonLine> ReadBlazonLines(std::istream& in);

// Draws the blazon off-screen through the drawing driver and notes what went wrong.
CoverageLine MeasureBlazon(const Vocabulary& vocabulary, const std::string& dataDir, const BlazonLine& line);
CoverageReport MeasureCoverage(const Vocabulary& vocabulary, const std::string& dataDir,
                               const std::vector<BlazonLine>& lines);

// Word and count pairs, most frequent first, ties in alphabetical order.
std::vector<std::pair<std::string, int>> MostFrequent(const std::map<std::string, int>& counts);

// Every line and a summary with the `topWords` most frequent missing words.
std::string CoverageText(const CoverageReport& report, std::size_t topWords);
// One JSON object: total, clean, withMissingWords, withStandIns, withMessages, missingWords
// (word -> count), standIns (file -> count) and lines.
std::string CoverageJson(const CoverageReport& report);

}  // namespace esc
