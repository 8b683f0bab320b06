#include "shell/cli/WindowArt.h"

#include <cstdio>

#include "engine/ReadFileBytes.h"

namespace esc {

ArtFile ReadArtFile(const std::string& dir, const std::string& name, ArtNeed need) {
    const std::string path = dir + "/" + name;
    ArtFile out;
    std::string error;
    const FileBytes file = ReadFileBytes(path, kMaxBitmapFileBytes);
    if (file) {
        out.bitmap = DecodeBmp(file.bytes->data(), file.bytes->size(), &error);
        if (out.bitmap) return out;
    } else if (file.failure == ReadFailure::Missing && need == ArtNeed::LeftOutWhenMissing) {
        return out;
    } else {
        error = file.error;
    }
    std::fprintf(stderr, "escaval: cannot read '%s': %s\n", path.c_str(), error.c_str());
    out.failed = true;
    return out;
}

}  // namespace esc
