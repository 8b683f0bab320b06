// The colours charges are painted in when blazoned "proper": one table for every drawing
// (data/charges/proper.txt), one drawing a line:
//
//   crow      sable   sable   -        # drawing, then the body, second part and detail
//
// The drawing is a source's file name without ".svg"; each part is a tincture name (or,
// argent, gules, azure, sable, vert, purpure) or "-" for the painter's proper brown. The
// tincture becomes the painter's header byte of that part (tincture code + 1, 0 for "-").
#pragma once

#include "Checked.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace charge_pictures {

struct ProperColours {
    std::uint8_t o1 = 0, o2 = 0, o3 = 0;  // body, second part, detail
};

using ProperTable = std::map<std::string, ProperColours>;

// The table, or the first faulty line (its number and why).
[[nodiscard]] Checked<ProperTable> ParseProperTable(std::string_view text);

}  // namespace charge_pictures
