#pragma once
// "-" for a file or a blazon names standard input, so the commands fit in pipes.

#include <cstddef>
#include <string>

#include "engine/ReadFileBytes.h"

namespace esc {

inline constexpr const char* kStandardStream = "-";
// A blazon read from standard input is at most this long (a marshalled text of four parts fits).
inline constexpr std::size_t kMaxStandardInputBlazonBytes = 4096;

// The whole of standard input when it holds at most `limit` bytes; otherwise why not.
FileBytes ReadStandardInput(std::size_t limit);
// `path` read as ReadFileBytes reads it, or standard input for "-".
FileBytes ReadFileOrStandardInput(const std::string& path, std::size_t limit);
// How messages name `path`: "standard input" for "-".
std::string InputName(const std::string& path);

}  // namespace esc
