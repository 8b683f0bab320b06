#include "shell/cli/PaintScaleOption.h"

namespace esc {

std::optional<double> PaintScaleOf(const CommandSpec& command, const ParsedOptions& options) {
    const bool size = options.Has(kSizeOption.name), scale = options.Has(kScaleOption.name);
    if (size && scale) {
        (void)CommandUsageError(command, "--size and --scale say the same thing: give one of them");
        return std::nullopt;
    }
    if (size) return options.Number(kSizeOption.name, kDesignImageWidth) / static_cast<double>(kDesignImageWidth);
    if (scale) return static_cast<double>(options.Number(kScaleOption.name, 1));
    return 1.0;
}

}  // namespace esc
