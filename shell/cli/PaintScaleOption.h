#pragma once
// The size a command draws its shield at: --size W (the width in pixels; the height follows the
// shield's proportions) or --scale K (K times the design size), one or the other.

#include <optional>

#include "engine/ShieldGeometry.h"
#include "shell/cli/OptionParser.h"

namespace esc {

// The options themselves, for the command table.
inline constexpr OptionSpec kSizeOption{"--size", "", ValueKind::kNumber, "W",
                                        "the shield W pixels wide (415 to 3320; the height follows)", {},
                                        kDesignImageWidth, static_cast<int>(kDesignImageWidth * kMaxPaintScale)};
inline constexpr OptionSpec kScaleOption{"--scale", "", ValueKind::kNumber, "K",
                                         "the shield K times its design size (1 to 8)", {},
                                         static_cast<int>(kMinPaintScale), static_cast<int>(kMaxPaintScale)};

// The achievement's and the saved picture's width.
inline constexpr int kAchievementSizeMin = 497, kAchievementSizeMax = 497 * 4;
inline constexpr OptionSpec kAchievementSizeOption{"--size", "", ValueKind::kNumber, "W",
                                                   "the achievement W pixels wide (497 to 1988; the height follows)",
                                                   {}, kAchievementSizeMin, kAchievementSizeMax};
inline constexpr OptionSpec kSaveSizeOption{"--size", "", ValueKind::kNumber, "W",
                                            "the picture W pixels wide (415 to 3320; the achievement 497 to 1988)", {},
                                            kDesignImageWidth, static_cast<int>(kDesignImageWidth * kMaxPaintScale)};

// The paint scale the options ask for (1 when neither is given), or nothing after telling the
// user that both were given (the command then exits with kExitUsage).
std::optional<double> PaintScaleOf(const CommandSpec& command, const ParsedOptions& options);

}  // namespace esc
