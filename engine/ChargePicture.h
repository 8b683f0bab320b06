#pragma once
// Charge pictures: GIF files in the colour-index convention (0 outline, 11 body, 10 second
// part, 14 detail, anything else background), decoded into the charge picture buffer and
// painted scaled, mirrored or turned bendwise, tinted in the level's tinctures.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/PaintState.h"

namespace esc {

// Decodes the GIF data into `picture` (colour indices, PW, PH, the 13 header bytes). Returns 1
// when the data does not begin with "GIF", else 0 (also for damaged data, which stops decoding
// where it goes wrong).
int DecodeGifPicture(ChargePicture& picture, const std::uint8_t* data, std::size_t size);
// Reads `fileName` (relative to state.dataDir, e.g. "lpics/lion.esv") into the state's charge
// picture. Returns 1 when the file cannot be read (missing, a folder, a device, larger than
// kMaxChargePictureBytes) or does not begin with "GIF", else 0.
int ReadGifPicture(PaintState& state, const std::string& fileName);
// Decodes the file unless the picture loaded flag is set, paints it at the placement point at
// half the charge scale and consumes a layer. Returns 0 when painted, else ReadGifPicture's result.
int PlaceChargePicture(PaintState& state, const std::string& fileName);
// Paints the decoded picture at scale s; returns the painted height - 3.
int PaintChargePicture(PaintState& state, float s);

}  // namespace esc
