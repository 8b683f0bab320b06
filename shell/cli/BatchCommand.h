#pragma once
// `escaval batch`: every blazon of a file, or every entry of the user's database, drawn into a
// folder on all cores, with index.json saying what each picture is and how well it was read.

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "engine/PictureCache.h"
#include "interpret/read/Vocabulary.h"
#include "shell/cli/Coverage.h"

namespace esc {

// The most threads `batch --jobs` draws on.
inline constexpr int kMaxJobs = 256;

struct BatchEntry {
    std::string blazon;
    std::string surname;  // empty for a blazon of a file
    std::string name;     // the picture's file name without its extension ("0001", "Smith-2")
    int line = 0;         // the line of the file; 0 for a database entry
    bool cut = false;     // only the start of a long line was read
};

enum class BatchFormat { kPng, kBmp, kNone };  // kNone draws without writing (measurement)

struct BatchResult {
    std::string file;   // the file name written (empty when none)
    std::string error;  // why it could not be written
    CoverageLine coverage;
};

struct BatchRun {
    std::vector<BatchResult> results;  // in the order of the entries
    double seconds = 0;
    std::size_t written = 0, notClean = 0, failed = 0;
};

// Called from the calling thread with the number of entries done: at once and then now and then
// while `jobs` other threads draw (the calling thread draws nothing), and with the total at the end.
using BatchProgress = std::function<void(std::size_t done, std::size_t total)>;

// Draws every entry with `jobs` threads (each its own drawing state; the vocabulary and the
// picture cache are shared read-only and locked) into `folder` as name.png or name.bmp. The
// folder must exist. Files are renamed into place, not flushed to the disk: a flush per file
// cost more than the drawing, and one of the whole file system waits on every other writer.
BatchRun DrawBatch(const Vocabulary& vocabulary, const std::string& dataDir, const std::vector<BatchEntry>& entries,
                   const std::string& folder, BatchFormat format, int jobs, PictureCache& pictures,
                   const BatchProgress& progress = {}, double paintScale = 1.0);

// Entries of a file's blazons, named by line number with at least four digits ("0001").
std::vector<BatchEntry> EntriesOfLines(const std::vector<BlazonLine>& lines);
// An entry per surname and blazon, named by the surname (letters, digits, '-' and '_' kept,
// anything else '_') and its number among the entries of that name ("Smith-1", "Smith-2").
std::vector<BatchEntry> EntriesOfArms(const std::vector<std::pair<std::string, std::string>>& arms);

// index.json: {"format", "count", "written", "notClean", "failed", "seconds", "shieldsPerSecond",
// "entries": [{"file", "line" | "surname", "blazon", "clean", "missingWords", "ignoredWords",
// "standIns", "messages", "fieldOnly", ("error")}]}.
std::string BatchIndexJson(const std::vector<BatchEntry>& entries, const BatchRun& run, BatchFormat format);

// The surnames and blazons of the user's blazon database (the shipped one while the user has
// none), in the window's order; nullopt, with a message, when it cannot be read.
std::optional<std::vector<std::pair<std::string, std::string>>> ReadDatabaseArms(const std::string& dataDir);

int BatchCommand(const std::vector<std::string>& args, const char* argv0);

}  // namespace esc
