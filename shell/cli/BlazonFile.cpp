#include "shell/cli/BlazonFile.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "engine/ReadFileBytes.h"

namespace esc {

std::optional<std::vector<BlazonLine>> ReadBlazonFile(const std::string& file) {
    const FileBytes read = ReadFileBytes(file, kMaxCoverageFileBytes);
    if (!read) {
        std::fprintf(stderr, "escaval: cannot read '%s': %s\n", file.c_str(), read.error.c_str());
        return std::nullopt;
    }
    const std::string_view text(reinterpret_cast<const char*>(read.bytes->data()), read.bytes->size());
    // A picture, an archive or a program holds NUL bytes; a list of blazons never does.
    if (text.find('\0') != std::string_view::npos) {
        std::fprintf(stderr, "escaval: cannot read '%s': it is not a text file (it holds NUL bytes)\n", file.c_str());
        return std::nullopt;
    }
    std::vector<BlazonLine> lines = ReadBlazonLines(text);
    if (lines.size() > kMaxCoverageBlazons) {
        std::fprintf(stderr, "escaval: cannot read '%s': it holds %zu blazons, more than %zu\n", file.c_str(), lines.size(),
                     kMaxCoverageBlazons);
        return std::nullopt;
    }
    return lines;
}

}  // namespace esc
