// Every picture of the real blazons and the armorial's sources, as a hash, against the hashes
// committed in tests/data/picture_hashes.txt: a change to the code that was meant to change
// nothing drawn shows here as the blazons whose pictures changed. When a drawing change is
// intended, rewrite the file with tools/rewrite_picture_hashes.sh and commit it with the change.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/AtomicFile.h"
#include "engine/PictureCache.h"

namespace esc {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFewestBlazons = 500;
constexpr int kDifferencesShown = 20;
constexpr const char* kRewriteVariable = "ESCAVAL_REWRITE_PICTURE_HASHES";

fs::path HashFile() { return fs::path(ESCAVAL_SOURCE_DIR) / "tests" / "data" / "picture_hashes.txt"; }

// The blazons in a fixed order, each once: the real blazons, then the armorial's source files.
std::vector<std::string> Blazons() {
    std::vector<std::string> out;
    std::map<std::string, bool> seen;
    auto add = [&](std::string blazon) {
        if (!blazon.empty() && !seen[blazon]) {
            seen[blazon] = true;
            out.push_back(std::move(blazon));
        }
    };
    std::ifstream real(fs::path(ESCAVAL_SOURCE_DIR) / "tests" / "data" / "real_blazons.txt");
    for (std::string line; std::getline(real, line);)
        if (!line.empty() && line[0] != '#') add(line);
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(fs::path(ESCAVAL_SOURCE_DIR) / "data" / "armorial"))
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    for (const fs::path& source : sources) {
        std::ifstream in(source);
        for (std::string line; std::getline(in, line);) {
            const std::size_t bar = line.find(" | ");
            if (!line.empty() && line[0] != '#' && bar != std::string::npos) add(line.substr(bar + 3));
        }
    }
    return out;
}

// 64-bit FNV-1a over the size and every pixel.
std::uint64_t Hash(const Bitmap& b) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    auto mix = [&h](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 0x100000001b3ull;
        }
    };
    mix(static_cast<std::uint32_t>(b.Width()));
    mix(static_cast<std::uint32_t>(b.Height()));
    const std::size_t n = static_cast<std::size_t>(b.Width()) * static_cast<std::size_t>(b.Height());
    for (std::size_t i = 0; i < n; ++i) mix(b.Data()[i]);
    return h;
}

std::string Hex(std::uint64_t h) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

TEST(PictureIdentity, EveryPictureAsCommitted) {
    const std::vector<std::string> blazons = Blazons();
    ASSERT_GE(blazons.size(), kFewestBlazons);
    PictureCache pictures;
    std::vector<std::pair<std::string, std::string>> drawn;  // blazon, hash
    // One state drawing every blazon in turn, as the window and each thread of a batch draw,
    // must give what a fresh state gives: nothing of one drawing may leak into the next.
    test::Drawing reused;
    reused.s().pictureCache = &pictures;
    int leaked = 0;
    const char* rewriteVariable = std::getenv(kRewriteVariable);
    const bool rewriting = rewriteVariable && std::string(rewriteVariable) == "1";
    const std::size_t stride = rewriting ? 1 : test::kSweepStride;  // the file always lists every blazon
    for (std::size_t i = 0; i < blazons.size(); i += stride) {
        const std::string& blazon = blazons[i];
        test::Drawing d;  // a fresh state for each, as the command line draws
        d.s().pictureCache = &pictures;
        d.Draw(blazon);
        drawn.emplace_back(blazon, Hex(Hash(d.s().picture)));
        reused.Draw(blazon);
        if (!(reused.s().picture == d.s().picture) && ++leaked <= kDifferencesShown)
            ADD_FAILURE() << "drawn otherwise by a state that drew the blazons before it: " << blazon;
    }
    EXPECT_EQ(leaked, 0);

    if (rewriting) {
        std::string text = "# hash of the picture<TAB>blazon; written by tools/rewrite_picture_hashes.sh\n";
        for (const auto& [blazon, hash] : drawn) text += hash + "\t" + blazon + "\n";
        ASSERT_TRUE(WriteFileAtomically(HashFile().string(), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}));
        std::printf("wrote %zu hashes to %s\n", drawn.size(), HashFile().c_str());
        return;
    }

    std::map<std::string, std::string> committed;
    std::ifstream in(HashFile());
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        if (!line.empty() && line[0] != '#' && tab != std::string::npos) committed[line.substr(tab + 1)] = line.substr(0, tab);
    }
    ASSERT_GE(committed.size(), kFewestBlazons) << "no hashes in " << HashFile();
    int changed = 0, unknown = 0;
    for (const auto& [blazon, hash] : drawn) {
        const auto found = committed.find(blazon);
        if (found == committed.end()) {
            if (++unknown <= kDifferencesShown) ADD_FAILURE() << "no committed hash for: " << blazon;
        } else if (found->second != hash) {
            if (++changed <= kDifferencesShown) ADD_FAILURE() << "drawn otherwise than committed: " << blazon;
        }
    }
    EXPECT_EQ(changed + unknown, 0) << changed << " of " << drawn.size() << " pictures changed, " << unknown
                                    << " blazons have no hash; if the change is meant, run "
                                       "tools/rewrite_picture_hashes.sh and commit tests/data/picture_hashes.txt";
}

}  // namespace
}  // namespace esc
