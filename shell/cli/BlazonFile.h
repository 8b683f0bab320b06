#pragma once
// The list files of `coverage`, `batch` and `roll` (one blazon a line), read with the same bounds
// and refusals: a file that cannot be read, that is not text (it holds a NUL byte), or that holds
// more than kMaxCoverageBlazons blazons is refused with a message on stderr.

#include <optional>
#include <string>
#include <vector>

#include "shell/cli/Coverage.h"

namespace esc {

std::optional<std::vector<BlazonLine>> ReadBlazonFile(const std::string& file);

}  // namespace esc
