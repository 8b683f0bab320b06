#pragma once
// Charge pictures: GIF files in the colour-index convention (0 outline, 11 body, 10 second
// part, 14 detail, anything else background), decoded into the charge picture buffer and
// painted scaled, mirrored or turned bendwise, tinted in the level's tinctures.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ChargeSpot.h"
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
// The tinctures a charge picture is painted in: the body (index 11, and the outline's grey
// test); the second part (index 10) and the detail (index 14), each -1 for the body's; and a
// silhouette tincture: at 0 or more every drawn pixel (outline too) is painted in it, the edge of
// a charge fimbriated painted under the charge.
struct ChargeTinctures {
    int body = 0;
    int second = -1;
    int detail = -1;
    int silhouette = -1;
};

// One charge picture to paint: where and how it is turned (the spot), its tinctures, and the
// index of the layer it is handed on as (-1: none, a charge strewn in a semé or a silhouette).
struct ChargePaintRequest {
    ChargeSpot spot;
    ChargeTinctures tinctures;
    int layer = -1;
};

// Decodes the file unless the picture loaded flag is set and paints it on the request's spot at
// half the spot's scale (pictures are drawn at twice their size). Returns 0 when painted, else
// ReadGifPicture's result.
int PlaceChargePicture(PaintState& state, const std::string& fileName, const ChargePaintRequest& request);
// Paints the decoded picture on the request's spot at the spot's scale; returns the painted
// height - 3. Nothing of the request is kept.
int PaintChargePicture(PaintState& state, const ChargePaintRequest& request);

}  // namespace esc
