// Replays fuzz inputs without libFuzzer: every file named on the command line, or every file of
// every folder named, is passed to the target once. A path that does not exist, or a run that
// replayed no input at all, is a failure: a corpus that went missing must not pass as clean.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kExitFailure = 1;

int RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return 0;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 0;
    bool missing = false;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p = argv[i];
        std::error_code error;
        if (std::filesystem::is_directory(p, error)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file()) runs += RunFile(e.path());
        } else if (std::filesystem::is_regular_file(p, error)) {
            runs += RunFile(p);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            missing = true;
        }
    }
    std::printf("replayed %d inputs\n", runs);
    if (runs == 0) std::fprintf(stderr, "no input was replayed\n");
    return missing || runs == 0 ? kExitFailure : 0;
}
