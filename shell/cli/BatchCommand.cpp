#include "shell/cli/BatchCommand.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "database/BlazonDatabase.h"
#include "database/BlazonSchema.h"
#include "engine/AtomicFile.h"
#include "engine/Bitmap.h"
#include "engine/ReadFileBytes.h"
#include "interpret/DrawingDriver.h"
#include "interpret/trace/Trace.h"
#include "shell/cli/BlazonFile.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/CommandTable.h"
#include "shell/cli/DataPaths.h"
#include "shell/cli/PaintScaleOption.h"
#include "shell/cli/StandardInput.h"

namespace esc {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr int kNameDigits = 4;
// The progress bar: its width in characters, and how often the calling thread redraws it.
constexpr int kProgressBarWidth = 30;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

const char* Extension(BatchFormat format) { return format == BatchFormat::kBmp ? ".bmp" : ".png"; }

// What the workers of one batch share: the next entry to hand out, how many are drawn, and how
// many workers have run out of entries (the calling thread waits on `finished` for that).
struct Handout {
    std::atomic<std::size_t> next{0}, done{0};
    std::mutex mutex;
    std::condition_variable finished;
    int workersDone = 0;
    double paintScale = 1.0;  // every shield of the batch is drawn at it
};

// One worker: its own drawing state, reused from blazon to blazon, as the window reuses its own.
void DrawShare(const Vocabulary& vocabulary, const std::string& dataDir, const std::vector<BatchEntry>& entries,
               const std::string& folder, BatchFormat format, PictureCache& pictures, Handout& handout,
               std::vector<BatchResult>& results) {
    std::atomic<std::size_t>& next = handout.next;
    std::atomic<std::size_t>& done = handout.done;
    NullSink sink;  // messages are kept in the trace
    auto state = std::make_unique<DrawingState>(sink);
    state->SetPaintScale(handout.paintScale);
    state->vocabulary = &vocabulary;
    state->dataDir = dataDir;
    state->pictureCache = &pictures;
    DrawHost host;
    for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < entries.size();) {
        const BatchEntry& entry = entries[i];
        DrawingTrace trace;
        state->trace = &trace;
        DrawBlazon(*state, entry.blazon, host);
        state->trace = nullptr;
        BatchResult& result = results[i];
        result.coverage = MeasureTrace(trace, {entry.line, entry.blazon, entry.cut});
        result.coverage.cut = entry.cut;
        if (format != BatchFormat::kNone) {
            const std::string file = entry.name + Extension(format);
            const WriteResult written = format == BatchFormat::kBmp
                                            ? WriteBmp(state->picture, folder + "/" + file, Flush::kLeaveToSystem)
                                            : WritePng(state->picture, folder + "/" + file, Flush::kLeaveToSystem);
            if (written)
                result.file = file;
            else
                result.error = written.error;
        }
        done.fetch_add(1, std::memory_order_release);
    }
    {
        const std::lock_guard lock(handout.mutex);
        ++handout.workersDone;
    }
    handout.finished.notify_one();
}

std::string SafeName(const std::string& surname) {
    std::string name;
    for (const unsigned char c : surname)
        name += (std::isalnum(c) && c < 0x80) || c == '-' || c == '_' ? static_cast<char>(c) : '_';
    return name.empty() ? "_" : name;
}

class ProgressBar {
public:
    ProgressBar() : shown_(::isatty(STDERR_FILENO) == 1), start_(std::chrono::steady_clock::now()) {}
    void operator()(std::size_t done, std::size_t total) const {
        if (!shown_ || total == 0 || ended_) return;
        const int filled = static_cast<int>(kProgressBarWidth * done / total);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        std::fprintf(stderr, "\r[%s%s] %zu of %zu, %.0f a second", std::string(filled, '#').c_str(),
                     std::string(kProgressBarWidth - filled, '.').c_str(), done, total, seconds > 0 ? done / seconds : 0.0);
        if (done == total) std::fputc('\n', stderr);
        std::fflush(stderr);
        ended_ = done == total;
    }

private:
    bool shown_;
    mutable bool ended_ = false;  // the whole bar is shown once
    std::chrono::steady_clock::time_point start_;
};

// The user's blazon database when the window has made one, else the shipped one it is made from.
std::string DatabasePath(const std::string& dataDir) {
    std::string base;
    if (const char* value = std::getenv("XDG_DATA_HOME"); value && value[0] == '/')
        base = value;
    else if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        base = std::string(home) + "/.local/share";
    const std::string user = base + "/escaval/" + std::string(db::kBlazonFileName);
    std::error_code ec;
    if (!base.empty() && fs::is_regular_file(user, ec)) return user;
    return dataDir + "/" + std::string(db::kBlazonFileName);
}

std::optional<std::vector<std::pair<std::string, std::string>>> ReadArms(const std::string& path) {
    std::string error;
    auto database = db::BlazonDatabase::Open(path, db::OpenMode::ReadOnly, &error);
    if (!database) {
        std::fprintf(stderr, "escaval: cannot read the blazon database '%s': %s\n", path.c_str(), error.c_str());
        return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> arms;
    db::Table& view = database->Main();
    for (int i = 0; i < view.RecordCount(); ++i)
        if (view.GoToIndex(i)) arms.emplace_back(database->Surname(), database->Blazon());
    return arms;
}

}  // namespace

std::optional<std::vector<std::pair<std::string, std::string>>> ReadDatabaseArms(const std::string& dataDir) {
    return ReadArms(DatabasePath(dataDir));
}

BatchRun DrawBatch(const Vocabulary& vocabulary, const std::string& dataDir, const std::vector<BatchEntry>& entries,
                   const std::string& folder, BatchFormat format, int jobs, PictureCache& pictures,
                   const BatchProgress& progress, double paintScale) {
    BatchRun run;
    run.results.resize(entries.size());
    const auto start = std::chrono::steady_clock::now();
    Handout handout;
    handout.paintScale = paintScale;
    const int threads = std::clamp(jobs, 1, static_cast<int>(std::max<std::size_t>(entries.size(), 1)));
    // Every one of `threads` draws. With a progress bar the calling thread only shows it, waking
    // now and then and at once when the last worker is done; without one it is the last worker.
    const int spawned = progress ? threads : threads - 1;
    std::vector<std::thread> workers;
    for (int t = 0; t < spawned; ++t)
        workers.emplace_back(DrawShare, std::cref(vocabulary), std::cref(dataDir), std::cref(entries), std::cref(folder),
                             format, std::ref(pictures), std::ref(handout), std::ref(run.results));
    if (progress) {
        std::unique_lock lock(handout.mutex);
        do {
            lock.unlock();
            progress(handout.done.load(std::memory_order_acquire), entries.size());
            lock.lock();
        } while (!handout.finished.wait_for(lock, kProgressInterval, [&] { return handout.workersDone == spawned; }));
    } else {
        DrawShare(vocabulary, dataDir, entries, folder, format, pictures, handout, run.results);
    }
    for (std::thread& worker : workers) worker.join();
    if (progress) progress(entries.size(), entries.size());
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const BatchResult& r : run.results) {
        if (!r.file.empty()) ++run.written;
        if (!r.error.empty()) ++run.failed;
        if (!r.coverage.Clean()) ++run.notClean;
    }
    return run;
}

std::vector<BatchEntry> EntriesOfLines(const std::vector<BlazonLine>& lines) {
    int digits = kNameDigits;
    if (!lines.empty()) digits = std::max(digits, static_cast<int>(std::to_string(lines.back().number).size()));
    std::vector<BatchEntry> entries;
    entries.reserve(lines.size());
    for (const BlazonLine& line : lines) {
        std::string number = std::to_string(line.number);
        entries.push_back({line.blazon, {}, std::string(digits - number.size(), '0') + number, line.number, line.cut});
    }
    return entries;
}

std::vector<BatchEntry> EntriesOfArms(const std::vector<std::pair<std::string, std::string>>& arms) {
    std::map<std::string, int> seen;
    std::vector<BatchEntry> entries;
    entries.reserve(arms.size());
    for (const auto& [surname, blazon] : arms) {
        const std::string name = SafeName(surname);
        entries.push_back({blazon, surname, name + "-" + std::to_string(++seen[name]), 0, false});
    }
    return entries;
}

std::string BatchIndexJson(const std::vector<BatchEntry>& entries, const BatchRun& run, BatchFormat format) {
    Json index;
    index["format"] = format == BatchFormat::kBmp ? "bmp" : format == BatchFormat::kPng ? "png" : "none";
    index["count"] = entries.size();
    index["written"] = run.written;
    index["notClean"] = run.notClean;
    index["failed"] = run.failed;
    index["seconds"] = run.seconds;
    index["shieldsPerSecond"] = run.seconds > 0 ? static_cast<double>(entries.size()) / run.seconds : 0.0;
    Json list = Json::array();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BatchEntry& e = entries[i];
        const BatchResult& r = run.results[i];
        Json item;
        item["file"] = r.file.empty() ? Json(nullptr) : Json(r.file);
        if (e.line > 0) item["line"] = e.line;
        else item["surname"] = e.surname;
        item["blazon"] = e.blazon;
        item["clean"] = r.coverage.Clean();
        item["missingWords"] = r.coverage.missingWords;
        item["ignoredWords"] = r.coverage.ignoredWords;
        item["standIns"] = r.coverage.standIns;
        item["standInCharges"] = r.coverage.standInCharges;
        item["messages"] = r.coverage.messages;
        item["fieldOnly"] = r.coverage.fieldOnly;
        if (e.cut) item["cut"] = true;
        if (!r.error.empty()) item["error"] = r.error;
        list.push_back(std::move(item));
    }
    index["entries"] = std::move(list);
    // Bytes of the input that are not UTF-8 are each written as U+FFFD.
    return index.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

int BatchCommand(const std::vector<std::string>& args, const char* argv0) {
    const CommandSpec& command = CommandNamed("batch");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const ParsedOptions& options = parsed.options;
    const std::string folder = options.Value("--output", "shields"), dataDir = options.Value("--data");
    const BatchFormat format = options.Value("--format", "png") == "bmp" ? BatchFormat::kBmp : BatchFormat::kPng;
    const bool strict = options.Has("--strict"), database = options.Has("--database");
    const int jobs = options.Number("--jobs", static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    const std::string file = options.operands.empty() ? std::string() : options.operands[0];
    const std::optional<double> scale = PaintScaleOf(command, options);
    if (!scale) return kExitUsage;
    if (file.empty() == !database)
        return CommandUsageError(command, "batch draws a FILE of blazons or --database, one of the two");

    const std::string dir = FindDataDir(dataDir, argv0);
    if (dir.empty()) {
        std::fprintf(stderr, "escaval: cannot find the data folder (words1.db); use --data DIR\n");
        return 1;
    }
    std::vector<BatchEntry> entries;
    if (database) {
        const auto arms = ReadDatabaseArms(dir);
        if (!arms) return 1;
        entries = EntriesOfArms(*arms);
    } else {
        const auto lines = ReadBlazonFile(file);
        if (!lines) return 1;
        entries = EntriesOfLines(*lines);
    }
    std::string error;
    const auto vocabulary = Vocabulary::Load(dir + "/words1.db", &error);
    if (!vocabulary) {
        std::fprintf(stderr, "escaval: %s\n", error.c_str());
        return 1;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) {
        std::fprintf(stderr, "escaval: cannot make the folder '%s'\n", folder.c_str());
        return 1;
    }
    RemoveLeftoverTemporaries(folder);  // what batches killed while writing here left

    PictureCache pictures;
    const BatchRun run = DrawBatch(*vocabulary, dir, entries, folder, format, jobs, pictures, ProgressBar(), *scale);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!run.results[i].error.empty())
            std::fprintf(stderr, "escaval: cannot write '%s/%s%s': %s\n", folder.c_str(), entries[i].name.c_str(),
                         Extension(format), run.results[i].error.c_str());
    const std::string json = BatchIndexJson(entries, run, format);
    const WriteResult indexWritten = WriteFileAtomically(
        folder + "/index.json", {reinterpret_cast<const std::uint8_t*>(json.data()), json.size()});
    if (!indexWritten)
        std::fprintf(stderr, "escaval: cannot write '%s/index.json': %s\n", folder.c_str(), indexWritten.error.c_str());
    std::printf("%zu drawn, %zu written to %s, %zu not clean, %zu not written, in %.2f s (%.0f shields a second, %d "
                "threads)\n",
                entries.size(), run.written, folder.c_str(), run.notClean, run.failed, run.seconds,
                run.seconds > 0 ? entries.size() / run.seconds : 0.0, std::min<int>(jobs, std::max<int>(1, entries.size())));
    if (run.failed > 0 || !indexWritten) return 1;
    return strict && run.notClean > 0 ? kExitNotClean : 0;
}

}  // namespace esc
