#pragma once
// Text painted into the program's own bitmaps without a window: the surname on the scroll, the
// names under saved shields and on the printed page. Glyphs come from the fonts installed on the
// system (found through fontconfig, rasterised by cairo), antialiased over what the bitmap holds.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Bitmap.h"

struct _cairo;  // cairo_t, kept out of this header

namespace esc::compose {

// The faces the program writes in. Each names the families tried, first to last.
enum class Face {
    Blackletter,  // the surname: "Gamaliel", else "Blankenburg", else "DejaVu Serif"
    Body          // plain captions: "DejaVu Sans"
};

enum class VerticalAlign { Top, Centre };

struct TextStyle {
    Face face = Face::Blackletter;
    double pixelSize = 37.0;     // the em size in pixels (28 points at 96 dpi is 37.3)
    double letterSpacing = 0.0;  // extra pixels after every character but the last
    Rgb colour = kBlack;
    VerticalAlign vertical = VerticalAlign::Centre;
};

// Points at a resolution, as pixels of the em.
constexpr double PointsToPixels(double points, double dpi) { return points * dpi / 72.0; }

struct TextExtent {
    int width = 0;   // the advance of the whole string, letter-spacing included
    int height = 0;  // the face's ascent plus descent: the height of a line, whatever the text
    int ascent = 0;
};

struct [[nodiscard]] TextResult {
    TextExtent extent;
    Rect drawn;                          // where the line was set (its advance by its height)
    std::vector<char32_t> missing;       // characters no face could draw (drawn as a box)
    std::vector<char32_t> substituted;   // characters drawn from a later family of the face
    bool invalidUtf8 = false;            // bytes that are not UTF-8, drawn as U+FFFD
    // True when every character was drawn by the face's own glyphs.
    bool Complete() const { return missing.empty() && substituted.empty() && !invalidUtf8; }
};

// A surname of 12 characters or fewer is written with a blank after each character, as on the
// scroll; a longer one as it is.
inline constexpr int kLetterSpacedMaxChars = 12;
std::string LetterSpacedName(std::string_view surname);

class TextPainter {
public:
    // Finds the faces once; painting and measuring reuse them.
    TextPainter();
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // The family actually used for `face` (e.g. "Gamaliel" or "DejaVu Serif"); empty
    // when the system has no font at all.
    std::string Family(Face face) const;

    TextExtent Measure(std::string_view utf8, const TextStyle& style) const;

    // Paints `utf8` in one line, centred across `box` and, as `style.vertical` says, centred
    // down it or with the line's top at box.top. Nothing outside the bitmap is touched; the
    // text may overflow the box (it is not clipped to it).
    TextResult Paint(Bitmap& target, std::string_view utf8, const TextStyle& style, Rect box) const;
    // The same line set as glyphs on a cairo context whose units are the pixels of `box` (a PDF
    // page scaled to its pixels): the text stays text, at any resolution the page is shown. With
    // no context the line is only laid out: the result says what would be drawn.
    TextResult PaintGlyphs(_cairo* cr, std::string_view utf8, const TextStyle& style, Rect box) const;

private:
    struct Faces;
    std::unique_ptr<Faces> faces_;
};

}  // namespace esc::compose
