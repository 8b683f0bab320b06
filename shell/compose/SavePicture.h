#pragma once
// The pictures the save dialog writes, composed without a window so that the dialog and
// `escaval save` write the same file: the shield (or the achievement) alone, with the surname
// above or below it, or standing on the scroll with the surname written on it. And the name the
// file is given: the surname's first six characters and two digits, the first free in the folder.
//
//   "Name above"        "Name below"        "Name below w/ scroll"
//   +-------------+     +-------------+     +-------------+
//   |  S u r n a  | th  | 5   shield  |     | 5   shield  |
//   |   10 gap    |     |             | sh  |             | sh
//   |  5 shield   | sh  |             |     |  ___________|
//   |             |     |  S u r n a  | th  | (  scroll   )| 95, name 68 above the foot
//   +-------------+ 5   +-------------+     +-------------+
//   height th + sh + 10                      height sh + 95

#include <optional>
#include <string>
#include <string_view>

#include "engine/Bitmap.h"
#include "shell/compose/TextPainter.h"

namespace esc::compose {

enum class SaveLayout { NoName, NameAbove, NameBelow, NameBelowWithScroll };
enum class PictureFormat { Bmp, Png };

// The name is written in the blackletter face at 28 points on a 96 dpi screen.
inline constexpr double kSaveNamePoints = 28.0;
inline constexpr double kScreenDpi = 96.0;
inline constexpr int kSaveMargin = 5;        // white border round the stretched picture
inline constexpr int kNameGap = 10;          // between the name and the picture
inline constexpr int kScrollBand = 95;       // the scroll layout's extra height
inline constexpr int kScrollOverhang = 3;    // the scroll runs this far past the foot (cut off)
inline constexpr int kScrollNameRise = 68;   // the name's top above the foot on the scroll
inline constexpr int kCornerRows = 80;       // rows above the foot whitened below the base
inline constexpr Rgb kScrollTransparent{0, 255, 0};  // lime: where the scroll picture is not
inline constexpr int kScrollWidth = 460, kScrollHeight = 95;  // the scroll picture

// The file name: at most six characters of the surname, two digits 00 to 99, the extension.
inline constexpr int kNamePrefixChars = 6;
inline constexpr int kMaxSaveNumber = 99;

TextStyle SaveNameStyle();

// The surname's first six characters, each that cannot stand in a file name replaced by '_':
// path separators, control characters, characters Windows refuses (< > : " | ? *), a dot
// that begins the name or stands beside another dot, and bytes that are not UTF-8. The file
// therefore always lands in the chosen folder and is never hidden.
std::string SafeNamePrefix(std::string_view surname);
std::string SaveFileName(std::string_view prefix, int number, PictureFormat format);
const char* ExtensionOf(PictureFormat format);

// The first name of SafeNamePrefix(surname) with 00 to 99 that names nothing in `folder`
// (no file, folder or link of that name); nullopt when all hundred are taken.
std::optional<std::string> ChooseSaveFileName(const std::string& folder, std::string_view surname, PictureFormat format);

// The picture bitmap as the save dialog takes it: in every column, the pixels above the foot
// that are not black are whitened, up the last kCornerRows rows, so the teal below the shield's
// base does not show round the printed or saved shield.
void WhitenCornersBelowBase(Bitmap& source);

// The achievement ("mantsave.bmp") as the dialog's source: one column and one row larger, white.
Bitmap AchievementSaveSource(const Bitmap& capture);

// The output picture of `layout` from `source`; `surname` is letter-spaced as on the scroll.
// `scroll` is the 460 by 95 scroll picture (lime transparent); without one the scroll layout has
// a blank band. Text reports characters the face could not draw (null: nothing to report).
// At `scale` every measure of the layout (margins, gap, the name's size, the scroll's band) is
// that many times its design size; the source is then the shield drawn as large.
Bitmap ComposeSaveLayout(const Bitmap& source, SaveLayout layout, std::string_view surname, const TextPainter& text,
                         const Bitmap* scroll, TextResult* textResult = nullptr, double scale = 1.0);

// The rectangle the scroll layout stretches the scroll into, for a source sw by sh at `scale`
// (its bottom runs past the output's foot).
Rect SaveScrollRect(int sw, int sh, double scale);

// The source stretched into (5, 5, width - 5, height - 5) of a white preview of that size.
Bitmap PreviewOf(const Bitmap& output, int width, int height);

}  // namespace esc::compose
