#pragma once
// Writing a file so that readers only ever see the old file or the whole new one: the bytes go
// to a temporary file in the target's folder, are flushed to the disk, and the temporary file is
// renamed over the target. A failure at any step removes the temporary file and leaves the target
// as it was. Where the file system allows, the temporary file has no name until the bytes are
// all written, so a process killed meanwhile leaves nothing behind; while it has one
// (".NAME.tmp-XXXXXXXX"), its writer holds a lock on it.

#include <cstdint>
#include <span>
#include <string>

namespace esc {

struct [[nodiscard]] WriteResult {
    std::string error;  // empty when the file was written; otherwise why not ("No space left on device")
    explicit operator bool() const { return error.empty(); }
};

// Whether the new file is flushed to the disk before it replaces the old one. Every file the
// user keeps (databases, exports, saved pictures) is; pictures the command line draws from a
// blazon, which the same command makes again, are only renamed into place: the flush costs
// many times the drawing.
enum class Flush { kToDisk, kLeaveToSystem };

WriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                                Flush flush = Flush::kToDisk);

// Removes from `folder` the named temporary files of this writer that processes killed while
// writing left there: those made before this call that no living writer holds. Other files,
// whatever their names, are left alone. Returns how many were removed.
int RemoveLeftoverTemporaries(const std::string& folder);
// The same for the folder of the file at `path`.
int RemoveLeftoverTemporariesBeside(const std::string& path);

}  // namespace esc
