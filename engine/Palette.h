#pragma once
// Tincture codes and the colours they are painted in.

#include <array>
#include <string_view>

#include "engine/Bitmap.h"

namespace esc {

// Tincture codes 0 to 18, in the order of the tincture name table, and the codes added after
// them: lozengy (19, the one code below 20 that was free) and lozengy bendwise (22, after the
// two plain colours 20 and 21).
enum Tincture : int {
    kOr = 0, kArgent = 1, kGules = 2, kAzure = 3, kSable = 4, kVert = 5, kPurpure = 6,
    kCounterchanged = 7, kErmine = 8, kErmines = 9, kErminois = 10, kPean = 11, kVair = 12,
    kChequy = 13, kVaire = 14, kGuttee = 15, kBillettee = 16, kBezantee = 17, kCrusilly = 18,
    kProperBrown = 20,  // plain in the brown of entry 8 ("fount" pictures use it as "proper")
    kLozengy = 19,      // upright lozenges in fieldColor1 and fieldColor2
    kPlainWhite = 21,
    kLozengyBendwise = 22,  // lozenges lying in bend, in fieldColor1 and fieldColor2
};
inline constexpr int kTinctureCount = 23;
inline constexpr int kNamedTinctureLimit = 13;  // codes below this count as named tinctures

inline constexpr std::array<std::string_view, kTinctureCount> kTinctureNames = {
    "Or", "Argent", "Gules", "Azure", "Sable", "Vert", "Purpure", "Counterchanged", "Ermine",
    "Ermines", "Erminois", "Pean", "Vair", "Chequy", "Vaire", "Guttee", "Billettee", "Bezantee",
    "Crusilly", "Lozengy", "", "", "Lozengy bendwise"};

// The name of a tincture code; codes outside the table, and the plain colours 20 and 21, have no
// name (empty).
inline std::string_view TinctureName(int code) {
    return code >= 0 && code < kTinctureCount ? kTinctureNames[code] : std::string_view{};
}

inline constexpr std::array<Rgb, 24> kPalette = {{
    {255, 255, 0},   {192, 192, 192}, {255, 0, 0},     {0, 0, 255},   {0, 0, 0},
    {0, 255, 0},     {128, 0, 128},   {128, 128, 128}, {102, 51, 0},  {255, 255, 255},
    {0, 255, 0},     {0, 255, 255},   {153, 153, 0},   {76, 76, 76},  {153, 0, 51},
    {0, 51, 153},    {0, 0, 0},       {0, 128, 0},     {128, 0, 0},   {128, 128, 128},
    {128, 0, 0},     {0, 0, 0},       {0, 255, 0},     {0, 255, 255},
}};

// The palette entry a plotted code reaches: the code itself up to 99, code - 88 from 100 on.
// Codes that reach no entry give -1 and are not painted.
inline constexpr int PaletteEntry(int code) {
    const int entry = code >= 100 ? code - 88 : code;
    return entry >= 0 && entry < static_cast<int>(kPalette.size()) ? entry : -1;
}

}  // namespace esc
