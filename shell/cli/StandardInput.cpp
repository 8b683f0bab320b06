#include "shell/cli/StandardInput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace esc {

FileBytes ReadStandardInput(std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, stdin);
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (bytes.size() > limit)
            return {std::nullopt, ReadFailure::TooLarge, "it holds more than " + std::to_string(limit) + " bytes"};
        if (got < sizeof chunk) break;
    }
    if (std::ferror(stdin)) return {std::nullopt, ReadFailure::Unreadable, std::strerror(errno)};
    return {std::move(bytes), ReadFailure::None, {}};
}

FileBytes ReadFileOrStandardInput(const std::string& path, std::size_t limit) {
    return path == kStandardStream ? ReadStandardInput(limit) : ReadFileBytes(path, limit);
}

std::string InputName(const std::string& path) { return path == kStandardStream ? "standard input" : path; }

}  // namespace esc
