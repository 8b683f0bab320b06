// What a charge drawing says about the picture files made from it: their names (from the
// source's file name and the root attribute data-also) and the painter's header bytes (from
// the root attributes data-o1, data-o2, data-o3 and data-turn).
#pragma once

#include "Checked.h"
#include "GifWriter.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace charge_pictures {

// Picture file names are "stem.variant" as the charge placement forms them.
constexpr std::size_t kMaxStemChars = 8;
constexpr std::size_t kMaxVariantChars = 3;
constexpr std::string_view kDefaultVariant = "esv";

// "lion" -> "lion.esv", "lion.3" -> "lion.3"; refuses an empty or over-long stem or variant,
// a second dot, and characters other than lower-case letters, digits, '-' and '_'.
[[nodiscard]] Checked<std::string> PictureFileName(std::string_view pictureName);

// The attributes of the document's root element (the first element after any XML
// declaration, comments, processing instructions and document type), entities decoded.
[[nodiscard]] Checked<std::map<std::string, std::string>> RootAttributes(std::string_view svgText);

// The disc where a charge blazoned within this one is painted (a cage's inside), in the
// drawing's own units: the root attribute data-room="cx cy r".
struct DrawingRoom {
    double x = 0, y = 0, radius = 0;
};

struct ChargeSource {
    std::vector<std::string> fileNames;  // the first from the source's own name, then data-also
    PictureHeader header;
    std::optional<DrawingRoom> room;
};

// sourceFileName is the file's base name ("lion.3.svg").
[[nodiscard]] Checked<ChargeSource> DescribeChargeSource(std::string_view sourceFileName, std::string_view svgText);

}  // namespace charge_pictures
