#include "shell/cli/BlazonFile.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "engine/ReadFileBytes.h"
#include "shell/cli/StandardInput.h"

namespace esc {

std::optional<std::vector<BlazonLine>> ReadBlazonFile(const std::string& file) {
    // "-" reads standard input, so a list can come through a pipe.
    const FileBytes read = ReadFileOrStandardInput(file, kMaxCoverageFileBytes);
    const std::string name = InputName(file);
    if (!read) {
        std::fprintf(stderr, "escaval: cannot read '%s': %s\n", name.c_str(), read.error.c_str());
        return std::nullopt;
    }
    const std::string_view text(reinterpret_cast<const char*>(read.bytes->data()), read.bytes->size());
    // A picture, an archive or a program holds NUL bytes; a list of blazons never does.
    if (text.find('\0') != std::string_view::npos) {
        std::fprintf(stderr, "escaval: cannot read '%s': it is not a text file (it holds NUL bytes)\n", name.c_str());
        return std::nullopt;
    }
    std::vector<BlazonLine> lines = ReadBlazonLines(text);
    if (lines.size() > kMaxCoverageBlazons) {
        std::fprintf(stderr, "escaval: cannot read '%s': it holds %zu blazons, more than %zu\n", name.c_str(), lines.size(),
                     kMaxCoverageBlazons);
        return std::nullopt;
    }
    return lines;
}

}  // namespace esc
