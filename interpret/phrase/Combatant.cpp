// The rampant picture of a pair turned to or from each other.

#include "interpret/phrase/Combatant.h"

#include <filesystem>
#include <string>

#include "engine/Messages.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// The attitude digits of the rampant and the passant pictures.
constexpr std::string_view kRampant = "1", kPassant = "3";

bool HasPicture(const DrawingState& s, std::string_view name, std::string_view variant) {
    std::error_code error;
    for (const std::string& file : PictureFileNames(name, variant))
        if (file.ends_with(variant) && std::filesystem::exists(s.dataDir + "/" + file, error)) return true;
    return false;
}

}  // namespace

void RampantWhenTurned(DrawingState& s, LevelRecord& level, std::string_view name) {
    // Beasts only: a bird's attitude "1" is displayed, which a pair turned to each other is not.
    if (level.levelKind != kTypeCharge || level.levelCount != 2 || !level.levelVariant.empty()) return;
    if (level.levelLine != kPairFirstTurned && level.levelLine != kPairSecondTurned) return;
    if (HasPicture(s, name, kRampant)) {
        level.levelVariant.Assign(kRampant);
        return;
    }
    if (!HasPicture(s, name, kPassant)) return;
    const std::string_view text = msg::kNoRampantPicture;
    const std::size_t at = text.find("{}");
    s.messages.Show(std::string(text.substr(0, at)) + std::string(name) + std::string(text.substr(at + 2)));
}

}  // namespace esc
