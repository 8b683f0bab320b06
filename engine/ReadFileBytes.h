#pragma once
// Reading a whole data file into memory without surprises: only a regular file is read (a folder,
// a device or a pipe is refused before any byte is read, so /dev/zero cannot fill the memory and
// a pipe cannot hang the program), a file over the caller's limit is refused, and nothing throws.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace esc {

// Limits of the files the program reads, each a little over the largest such file it is given.
inline constexpr std::size_t kMaxChargePictureBytes = 1u << 20;    // a charge picture (GIF)
inline constexpr std::size_t kMaxBitmapFileBytes = 256u << 20;     // a bitmap of Bitmap::kMaxPixels at 24 bits
inline constexpr std::size_t kMaxDocumentBytes = 16u << 20;        // readme.rtf

enum class ReadFailure {
    None,
    Missing,     // no such file
    NotAFile,    // a folder, a device, a pipe or a socket
    TooLarge,    // more bytes than the limit
    Unreadable,  // permissions, an input/output error
};

struct FileBytes {
    std::optional<std::vector<std::uint8_t>> bytes;  // the whole file when it was read
    ReadFailure failure = ReadFailure::None;
    std::string error;                               // why not, for a message ("it is a folder")
    explicit operator bool() const { return bytes.has_value(); }
};

FileBytes ReadFileBytes(const std::string& path, std::size_t limit);

// The same checks without reading: an empty text when `path` names a regular file that can be
// opened for reading, otherwise why not.
std::string WhyNotReadable(const std::string& path);

}  // namespace esc
