#pragma once
// The window's own bitmaps (the mantle, the scroll) as the composing commands read them. The
// mantle is needed: missing or damaged, it is said and the command fails. The scroll may be
// missing (the achievement is then drawn without it, as in the window), but a scroll file that
// is there and cannot be read whole is said and fails exactly as a damaged mantle does.

#include <optional>
#include <string>

#include "engine/Bitmap.h"

namespace esc {

enum class ArtNeed { Required, LeftOutWhenMissing };

struct ArtFile {
    std::optional<Bitmap> bitmap;
    bool failed = false;  // said on stderr; the command exits kExitFile
};

// Reads `name` from the data folder `dir`.
ArtFile ReadArtFile(const std::string& dir, const std::string& name, ArtNeed need);

}  // namespace esc
