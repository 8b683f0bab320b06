#pragma once
// Rewrites of the normaliser that read a run of words rather than one pattern: places named by
// their ordinals ("of the second and first", "in the first quarter ..., in the second ...").

#include <cstddef>
#include <string>

namespace esc {

// "of the second and first": two tinctures named by their places share one "of the". The
// second is given its own ("of the second and of the first") so that each is read as a tincture.
// True when the text changed; the text never grows past `capacity`.
bool GiveEachPlaceItsOfThe(std::string& text, std::size_t capacity);

// "in the first quarter a salmon, in the second a beacon, in the third ...": once a quarter is
// named with its word, the ordinals after "in the" name the quarters that follow, each written
// as the place that quarter is. True when the text changed; it never grows past `capacity`.
bool GiveEachOrdinalItsQuarter(std::string& text, std::size_t capacity);

}  // namespace esc
