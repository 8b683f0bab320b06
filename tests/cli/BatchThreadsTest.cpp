// The threads of a batch: with a progress bar the calling thread only shows it, so `--jobs N`
// draws on N threads, not N-1.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "shell/cli/BatchCommand.h"

namespace esc::test {
namespace {

namespace fs = std::filesystem;

std::size_t PicturesIn(const fs::path& folder, const std::vector<BatchEntry>& entries) {
    std::size_t found = 0;
    for (const BatchEntry& e : entries) found += fs::exists(folder / (e.name + ".bmp")) ? 1 : 0;
    return found;
}

TEST(BatchThreads, WithAProgressBarTheWorkersDrawEveryEntryWhileTheCallerShowsIt) {
    std::string error;
    const auto vocabulary = Vocabulary::Load(std::string(ESCAVAL_DATA_DIR "/words1.db"), &error);
    ASSERT_TRUE(vocabulary) << error;
    const std::vector<BatchEntry> entries = EntriesOfLines(ReadBlazonLines(
        "Azure a bend Or\nOr a lion rampant gules\nErmine a chief gules\nVair\nGules three lions passant or\n"
        "Argent a chevron between three martlets sable\n"));
    const fs::path folder = fs::temp_directory_path() / ("escaval-batch-threads-" + std::to_string(::getpid()));

    for (const int jobs : {1, 2}) {
        SCOPED_TRACE("--jobs " + std::to_string(jobs));
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::thread::id caller = std::this_thread::get_id();
        std::vector<std::size_t> reported;
        bool otherThread = false, drawnWhileHeld = false;
        // The first report holds the calling thread until every picture is on disk: only threads
        // other than the caller can have drawn them (a generous deadline, never reached when right).
        const BatchProgress progress = [&](std::size_t done, std::size_t total) {
            otherThread = otherThread || std::this_thread::get_id() != caller;
            reported.push_back(done);
            if (reported.size() > 1) return;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (PicturesIn(folder, entries) < total && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            drawnWhileHeld = PicturesIn(folder, entries) == total;
        };
        PictureCache pictures;
        const BatchRun run =
            DrawBatch(*vocabulary, ESCAVAL_DATA_DIR, entries, folder.string(), BatchFormat::kBmp, jobs, pictures, progress);
        EXPECT_EQ(run.written, entries.size());
        EXPECT_FALSE(otherThread);
        ASSERT_GE(reported.size(), 2u) << "shown while drawing and at the end";
        EXPECT_TRUE(drawnWhileHeld);
        EXPECT_EQ(reported.back(), entries.size());
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace esc::test
