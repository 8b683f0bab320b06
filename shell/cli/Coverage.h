#pragma once
// How much of a list of blazons the program draws as written: for each blazon the words the
// vocabulary does not know, the pictures the question picture stood in for and the messages of
// the interpretation, and the same counted over the whole list.

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PictureCache.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

struct DrawingTrace;

// Bounds on the input, so that any file gives an answer in bounded memory: a longer line is cut
// (and the cut reported), a larger file or one with more blazons is refused.
inline constexpr std::size_t kMaxCoverageLineBytes = 4096;
inline constexpr std::size_t kMaxCoverageFileBytes = 32u << 20;
inline constexpr std::size_t kMaxCoverageBlazons = 200000;
// Progress is reported for lists longer than this, every this many blazons.
inline constexpr std::size_t kCoverageProgressStep = 1000;

struct BlazonLine {
    int number = 0;  // 1-based line of the file
    std::string blazon;
    bool cut = false;  // the line was longer than kMaxCoverageLineBytes and only its start was kept
};

struct CoverageLine {
    int number = 0;
    std::string blazon;
    std::vector<std::string> missingWords;  // words of the normalised text with no row, in lower case
    std::vector<std::string> standIns;      // picture files that were not found, so the question picture was drawn
    // The same charges as the blazon names them, with their attitude ("pegasus rampant").
    std::vector<std::string> standInCharges;
    // Picture files that are there but could not be read, each with why ("lion.1: it is a folder").
    std::vector<std::string> unreadablePictures;
    std::vector<std::string> messages;      // messages of the interpretation, in order
    // Words the vocabulary holds that had no effect on the drawing, in lower case (words not
    // found are listed under missingWords only).
    std::vector<std::string> ignoredWords;
    bool fieldOnly = false;                 // ordinaries or charges named, only the field painted
    bool cut = false;                       // only the first kMaxCoverageLineBytes of the line were read
    // Drawn as written: every word found and used, no question picture, no message.
    bool Clean() const {
        return missingWords.empty() && ignoredWords.empty() && standIns.empty() && messages.empty() && !fieldOnly;
    }
};

struct CoverageReport {
    std::vector<CoverageLine> lines;
    int withMissingWords = 0, withStandIns = 0, withMessages = 0, withIgnoredWords = 0, withFieldOnly = 0, clean = 0;
    std::map<std::string, int> missingWords;  // word -> number of blazons it is missing from
    std::map<std::string, int> standIns;      // picture file -> number of blazons that wanted it
    std::map<std::string, int> standInCharges;  // charge as named -> number of blazons that wanted it
    std::map<std::string, int> ignoredWords;  // word -> number of blazons in which it had no effect
    // word -> number of blazons that did not read it: not found, or found and without effect
    std::map<std::string, int> unreadWords;
};

// The byte-order mark some editors write at the start of a UTF-8 file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One blazon per line; blank lines and lines whose first non-blank character is '#' are skipped.
// A byte-order mark at the start of the text is skipped.
// A line longer than kMaxCoverageLineBytes keeps its first bytes up to that many (never half a
// UTF-8 character) and is marked cut.
std::vector<BlazonLine> ReadBlazonLines(std::string_view text);

// Draws the blazon off-screen through the drawing driver and notes what went wrong.
CoverageLine MeasureBlazon(const Vocabulary& vocabulary, const std::string& dataDir, const BlazonLine& line,
                           PictureCache* pictures = nullptr);
// What went wrong in a drawing made with `trace` set, as MeasureBlazon notes it.
CoverageLine MeasureTrace(const DrawingTrace& trace, const BlazonLine& line);
// Called with the number of blazons drawn and the total, every kCoverageProgressStep blazons and
// after the last, when there are more than kCoverageProgressStep of them.
using CoverageProgress = std::function<void(std::size_t done, std::size_t total)>;
CoverageReport MeasureCoverage(const Vocabulary& vocabulary, const std::string& dataDir, std::vector<BlazonLine> lines,
                               const CoverageProgress& progress = {});

// Word and count pairs, most frequent first, ties in alphabetical order.
std::vector<std::pair<std::string, int>> MostFrequent(const std::map<std::string, int>& counts);

// Every line and a summary with the `topWords` most frequent missing words; the last line is
// the words not read (not found or without effect), most frequent first.
std::string CoverageText(const CoverageReport& report, std::size_t topWords);
// One JSON object on one line: total, clean, withMissingWords, withStandIns, withMessages,
// withIgnoredWords, withFieldOnly, missingWords (word -> count), standIns (file -> count),
// standInCharges (charge -> count), ignoredWords (word -> count), unreadWords (a list of
// {"word", "count"}, most frequent first) and lines (a cut line also has "cut").
// Always valid UTF-8: bytes of the file that are not are each replaced by U+FFFD.
std::string CoverageJson(const CoverageReport& report);

}  // namespace esc
