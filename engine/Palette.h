#pragma once
// Tincture codes and the colours they are painted in.

#include <array>
#include <string_view>

#include "engine/Bitmap.h"

namespace esc {

// Tincture codes 0 to 18, in the order of the tincture name table, and the codes added after
// them: lozengy (19, the one code below 20 that was free), lozengy bendwise (22, after the two
// plain colours 20 and 21) and the stains and rarer colours (24 to 28). Code 23 stays unnamed:
// its palette entry is the one picture code 111 reaches, so a tincture there would share it.
enum Tincture : int {
    kOr = 0, kArgent = 1, kGules = 2, kAzure = 3, kSable = 4, kVert = 5, kPurpure = 6,
    kCounterchanged = 7, kErmine = 8, kErmines = 9, kErminois = 10, kPean = 11, kVair = 12,
    kChequy = 13, kVaire = 14, kGuttee = 15, kBillettee = 16, kBezantee = 17, kCrusilly = 18,
    kProperBrown = 20,  // plain in the brown of entry 8 ("fount" pictures use it as "proper")
    kLozengy = 19,      // upright lozenges in fieldColor1 and fieldColor2
    kPlainWhite = 21,
    kLozengyBendwise = 22,  // lozenges lying in bend, in fieldColor1 and fieldColor2
    // The stains and the rarer colours, each plain in a colour of its own.
    kTenne = 24, kSanguine = 25, kMurrey = 26, kCeleste = 27, kCarnation = 28,
};
inline constexpr int kTinctureCount = 29;
inline constexpr int kNamedTinctureLimit = 13;  // codes below this, and the stains, are named tinctures

// Tenné, sanguine, murrey, bleu celeste and carnation.
inline constexpr bool IsStain(int code) { return code >= kTenne && code <= kCarnation; }
// A tincture painted flat in its own palette colour: the metals and colours and the stains.
inline constexpr bool IsPlainTincture(int code) { return (code >= kOr && code < kCounterchanged) || IsStain(code); }
// A code that counts as a named tincture ("of the first", counterchanging): the metals, colours
// and furs, and the stains.
inline constexpr bool IsNamedTincture(int code) { return (code >= 0 && code < kNamedTinctureLimit) || IsStain(code); }

inline constexpr std::array<std::string_view, kTinctureCount> kTinctureNames = {
    "Or", "Argent", "Gules", "Azure", "Sable", "Vert", "Purpure", "Counterchanged", "Ermine",
    "Ermines", "Erminois", "Pean", "Vair", "Chequy", "Vaire", "Guttee", "Billettee", "Bezantee",
    "Crusilly", "Lozengy", "", "", "Lozengy bendwise", "", "Tenne", "Sanguine", "Murrey", "Celeste",
    "Carnation"};

// The name of a tincture code; codes outside the table, and the plain colours 20 and 21, have no
// name (empty).
inline std::string_view TinctureName(int code) {
    return code >= 0 && code < kTinctureCount ? kTinctureNames[code] : std::string_view{};
}

// Entries 0 to 23 as the table of codes gives them (12 to 23 also reached by the picture codes
// 100 to 111); 24 to 28 the stains: tenné a tawny orange, sanguine blood red, murrey the
// reddish purple of the mulberry, bleu celeste sky blue, carnation the colour of flesh.
inline constexpr std::array<Rgb, 29> kPalette = {{
    {255, 255, 0},   {192, 192, 192}, {255, 0, 0},     {0, 0, 255},   {0, 0, 0},
    {0, 255, 0},     {128, 0, 128},   {128, 128, 128}, {102, 51, 0},  {255, 255, 255},
    {0, 255, 0},     {0, 255, 255},   {153, 153, 0},   {76, 76, 76},  {153, 0, 51},
    {0, 51, 153},    {0, 0, 0},       {0, 128, 0},     {128, 0, 0},   {128, 128, 128},
    {128, 0, 0},     {0, 0, 0},       {0, 255, 0},     {0, 255, 255}, {204, 102, 0},
    {155, 27, 27},   {140, 30, 90},   {135, 206, 235}, {241, 194, 160},
}};

inline constexpr int kLastPictureCode = 111;  // picture codes 100 to 111 reach entries 12 to 23

// The palette entry a plotted code reaches: the code itself up to 99, code - 88 from 100 to 111.
// Codes that reach no entry give -1 and are not painted.
inline constexpr int PaletteEntry(int code) {
    if (code > kLastPictureCode) return -1;
    const int entry = code >= 100 ? code - 88 : code;
    return entry >= 0 && entry < static_cast<int>(kPalette.size()) ? entry : -1;
}

}  // namespace esc
