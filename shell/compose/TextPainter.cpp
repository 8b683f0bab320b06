#include "shell/compose/TextPainter.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <span>

#include "engine/TextEncoding.h"

namespace esc::compose {
namespace {

// The families of each face, first choice first. Each is looked for among the installed fonts by
// name: fontconfig's nearest match would give any font for any name, silently.
// Gamaliel (fonts-gamaliel) reads best of the free blackletters; Blankenburg is the next.
constexpr std::array<const char*, 3> kBlackletterFamilies{"Gamaliel", "Blankenburg", "DejaVu Serif"};
constexpr std::array<const char*, 1> kBodyFamilies{"DejaVu Sans"};

std::span<const char* const> FamiliesOf(Face face) {
    if (face == Face::Blackletter) return kBlackletterFamilies;
    return kBodyFamilies;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace

// Named outside the file's private namespace: the painter's faces hold it.
struct Font {
    std::string family;
    cairo_font_face_t* face = nullptr;
};

namespace {

cairo_font_face_t* FaceOfFile(const FcChar8* file, int index) {
    // Only the file and its index: sizes and hinting come from the painter's own options.
    FcPattern* byFile = FcPatternCreate();
    if (!byFile) return nullptr;
    FcPatternAddString(byFile, FC_FILE, file);
    FcPatternAddInteger(byFile, FC_INDEX, index);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(byFile);
    FcPatternDestroy(byFile);
    if (cairo_font_face_status(face) == CAIRO_STATUS_SUCCESS) return face;
    cairo_font_face_destroy(face);
    return nullptr;
}

// The installed font whose family name begins with `family` ("Blankenburg" finds
// "Blankenburg_UNZ1A"), its regular style preferred; the fonts are taken in the order of their
// files, so the same system always gives the same font. No face when none is installed.
Font FindInstalledFont(const char* family) {
    Font found;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr);
    FcFontSet* fonts = all && objects ? FcFontList(nullptr, all, objects) : nullptr;
    if (objects) FcObjectSetDestroy(objects);
    if (all) FcPatternDestroy(all);
    if (!fonts) return found;
    std::string bestFile, bestFamily;
    int bestIndex = 0, bestRank = 3;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8 *name = nullptr, *file = nullptr, *style = nullptr;
        int index = 0;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) != FcResultMatch ||
            FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch ||
            !StartsWithIgnoringCase(reinterpret_cast<const char*>(name), family))
            continue;
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        const bool regular = FcPatternGetString(fonts->fonts[i], FC_STYLE, 0, &style) == FcResultMatch &&
                             (std::strcmp(reinterpret_cast<const char*>(style), "Regular") == 0 ||
                              std::strcmp(reinterpret_cast<const char*>(style), "Book") == 0);
        const bool exact = std::strlen(reinterpret_cast<const char*>(name)) == std::strlen(family);
        const int rank = (regular ? 0 : 1) + (exact ? 0 : 1);
        const std::string path(reinterpret_cast<const char*>(file));
        if (rank < bestRank || (rank == bestRank && path < bestFile)) {
            bestRank = rank;
            bestFile = path;
            bestIndex = index;
            bestFamily = reinterpret_cast<const char*>(name);
        }
    }
    FcFontSetDestroy(fonts);
    if (bestFile.empty()) return found;
    found.face = FaceOfFile(reinterpret_cast<const FcChar8*>(bestFile.c_str()), bestIndex);
    if (found.face) found.family = bestFamily;
    return found;
}

// Whatever font fontconfig offers for `family` when no font of that name is installed.
Font FindNearestFont(const char* family) {
    Font found;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return found;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return found;
    FcChar8 *name = nullptr, *file = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch &&
        FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        found.face = FaceOfFile(file, index);
        if (found.face) found.family = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(match);
    return found;
}

// One character placed: which font of the face draws it, its glyph and where its pen starts.
struct PlacedGlyph {
    std::size_t font = 0;
    unsigned long glyph = 0;
    double x = 0;
};

struct Line {
    std::vector<PlacedGlyph> glyphs;
    double advance = 0;
    double ascent = 0, descent = 0;
    std::vector<char32_t> missing, substituted;
    bool invalidUtf8 = false;
};

}  // namespace

std::string LetterSpacedName(std::string_view surname) {
    const std::vector<char32_t> chars = DecodeUtf8(surname);
    if (static_cast<int>(chars.size()) > kLetterSpacedMaxChars) return std::string(surname);
    std::string spaced;
    for (char32_t c : chars) {
        AppendUtf8(spaced, c);
        spaced += ' ';
    }
    return spaced;
}

struct TextPainter::Faces {
    std::array<std::vector<Font>, 2> fonts;  // by Face

    ~Faces() {
        for (auto& list : fonts)
            for (Font& f : list) cairo_font_face_destroy(f.face);
    }

    const std::vector<Font>& Of(Face face) const { return fonts[face == Face::Blackletter ? 0 : 1]; }

    // The line's glyphs at `pixelSize`, each character from the first font that has it. The
    // scaled fonts made for it are returned in `scaled` (one per font; the caller destroys them).
    Line Layout(std::string_view utf8, const TextStyle& style, std::vector<cairo_scaled_font_t*>& scaled) const {
        Line line;
        const std::vector<Font>& list = Of(style.face);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_matrix_t size, identity;
        cairo_matrix_init_scale(&size, style.pixelSize, style.pixelSize);
        cairo_matrix_init_identity(&identity);
        for (const Font& f : list) scaled.push_back(cairo_scaled_font_create(f.face, &size, &identity, options));
        cairo_font_options_destroy(options);

        if (!scaled.empty()) {
            cairo_font_extents_t fe;
            cairo_scaled_font_extents(scaled[0], &fe);
            line.ascent = fe.ascent;
            line.descent = fe.descent;
        }
        const std::vector<char32_t> chars = DecodeUtf8(utf8, &line.invalidUtf8);
        double pen = 0;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            std::string one;
            AppendUtf8(one, chars[i]);
            PlacedGlyph placed;
            bool found = false;
            for (std::size_t k = 0; k < scaled.size() && !found; ++k) {
                cairo_glyph_t* glyphs = nullptr;
                int count = 0;
                if (cairo_scaled_font_text_to_glyphs(scaled[k], 0, 0, one.data(), static_cast<int>(one.size()), &glyphs,
                                                     &count, nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
                    count == 1 && glyphs[0].index != 0) {
                    placed = {k, glyphs[0].index, pen};
                    found = true;
                    if (k > 0) line.substituted.push_back(chars[i]);
                }
                cairo_glyph_free(glyphs);
            }
            if (!found) {
                // The first font's empty box stands for it, so the gap shows.
                line.missing.push_back(chars[i]);
                placed = {0, 0, pen};
            }
            if (!scaled.empty()) {
                cairo_glyph_t g{placed.glyph, 0, 0};
                cairo_text_extents_t te;
                cairo_scaled_font_glyph_extents(scaled[placed.font], &g, 1, &te);
                pen += te.x_advance;
                if (i + 1 < chars.size()) pen += style.letterSpacing;
            }
            line.glyphs.push_back(placed);
        }
        line.advance = pen;
        return line;
    }
};

TextPainter::TextPainter() : faces_(std::make_unique<Faces>()) {
    for (Face face : {Face::Blackletter, Face::Body}) {
        auto& list = faces_->fonts[face == Face::Blackletter ? 0 : 1];
        for (const char* family : FamiliesOf(face))
            if (Font f = FindInstalledFont(family); f.face) list.push_back(f);
        // With none of its families installed the face still draws, in whatever fontconfig
        // offers; Family() names it and Paint reports every character as substituted or missing.
        if (list.empty())
            if (Font f = FindNearestFont(FamiliesOf(face).back()); f.face) list.push_back(f);
    }
}

TextPainter::~TextPainter() = default;

std::string TextPainter::Family(Face face) const {
    const auto& list = faces_->Of(face);
    return list.empty() ? std::string() : list.front().family;
}

namespace {

TextExtent ExtentOf(const Line& line) {
    TextExtent e;
    e.width = static_cast<int>(std::lround(line.advance));
    e.ascent = static_cast<int>(std::lround(line.ascent));
    e.height = static_cast<int>(std::lround(line.ascent + line.descent));
    return e;
}

void DestroyAll(std::vector<cairo_scaled_font_t*>& scaled) {
    for (cairo_scaled_font_t* s : scaled) cairo_scaled_font_destroy(s);
    scaled.clear();
}

}  // namespace

TextExtent TextPainter::Measure(std::string_view utf8, const TextStyle& style) const {
    std::vector<cairo_scaled_font_t*> scaled;
    const Line line = faces_->Layout(utf8, style, scaled);
    DestroyAll(scaled);
    return ExtentOf(line);
}

namespace {

// What a laid-out line reports, and where it stands in `box`: centred across in whole pixels, as
// the page and the dialogs place their texts, and at the top or centred down.
template <typename LaidOutLine>
TextResult Placed(const LaidOutLine& line, const TextStyle& style, Rect box) {
    TextResult result;
    result.extent = ExtentOf(line);
    result.missing = line.missing;
    result.substituted = line.substituted;
    result.invalidUtf8 = line.invalidUtf8;
    const int left = box.left + (box.Width() - result.extent.width) / 2;
    const int top = style.vertical == VerticalAlign::Top ? box.top : box.top + (box.Height() - result.extent.height) / 2;
    result.drawn = {left, top, left + result.extent.width, top + result.extent.height};
    return result;
}

}  // namespace

TextResult TextPainter::Paint(Bitmap& target, std::string_view utf8, const TextStyle& style, Rect box) const {
    std::vector<cairo_scaled_font_t*> scaled;
    const Line line = faces_->Layout(utf8, style, scaled);
    TextResult result = Placed(line, style, box);
    const int left = result.drawn.left, top = result.drawn.top;

    // Glyphs may reach past their advance and the line (swashes, accents): paint through a margin.
    const int margin = static_cast<int>(std::ceil(style.pixelSize)) + 2;
    const Rect area{std::max(0, result.drawn.left - margin), std::max(0, result.drawn.top - margin),
                    std::min(target.Width(), result.drawn.right + margin),
                    std::min(target.Height(), result.drawn.bottom + margin)};
    if (scaled.empty() || line.glyphs.empty() || area.Width() <= 0 || area.Height() <= 0) {
        DestroyAll(scaled);
        return result;
    }

    // The bitmap's 0xFFRRGGBB words are cairo's opaque ARGB32 pixels: the area is copied in,
    // painted over with blending, and copied back.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, area.Width(), area.Height());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        const int stride = cairo_image_surface_get_stride(surface);
        unsigned char* data = cairo_image_surface_get_data(surface);
        const std::size_t rowBytes = static_cast<std::size_t>(area.Width()) * sizeof(std::uint32_t);
        cairo_surface_flush(surface);
        for (int y = 0; y < area.Height(); ++y)
            std::memcpy(data + static_cast<std::size_t>(y) * stride, target.Row(area.top + y) + area.left, rowBytes);
        cairo_surface_mark_dirty(surface);

        cairo_t* cr = cairo_create(surface);
        cairo_set_source_rgb(cr, style.colour.r / 255.0, style.colour.g / 255.0, style.colour.b / 255.0);
        const double baseline = top + line.ascent - area.top;
        for (std::size_t k = 0; k < scaled.size(); ++k) {
            std::vector<cairo_glyph_t> run;
            for (const PlacedGlyph& g : line.glyphs)
                if (g.font == k) run.push_back({g.glyph, left + g.x - area.left, baseline});
            if (run.empty()) continue;
            cairo_set_scaled_font(cr, scaled[k]);
            cairo_show_glyphs(cr, run.data(), static_cast<int>(run.size()));
        }
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        for (int y = 0; y < area.Height(); ++y) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
            std::uint32_t* dst = target.Row(area.top + y) + area.left;
            // Opaque over opaque stays opaque; the alpha byte is set all the same.
            for (int x = 0; x < area.Width(); ++x) dst[x] = src[x] | 0xFF000000u;
        }
    }
    cairo_surface_destroy(surface);
    DestroyAll(scaled);
    return result;
}

TextResult TextPainter::PaintGlyphs(cairo_t* cr, std::string_view utf8, const TextStyle& style, Rect box) const {
    std::vector<cairo_scaled_font_t*> scaled;
    const Line line = faces_->Layout(utf8, style, scaled);
    TextResult result = Placed(line, style, box);  // as Paint places it
    const int left = result.drawn.left, top = result.drawn.top;
    if (cr == nullptr) {
        DestroyAll(scaled);
        return result;
    }
    cairo_save(cr);
    cairo_set_source_rgb(cr, style.colour.r / 255.0, style.colour.g / 255.0, style.colour.b / 255.0);
    const double baseline = top + line.ascent;
    for (std::size_t k = 0; k < scaled.size(); ++k) {
        std::vector<cairo_glyph_t> run;
        for (const PlacedGlyph& g : line.glyphs)
            if (g.font == k) run.push_back({g.glyph, left + g.x, baseline});
        if (run.empty()) continue;
        cairo_set_font_face(cr, cairo_scaled_font_get_font_face(scaled[k]));
        cairo_set_font_size(cr, style.pixelSize);
        cairo_show_glyphs(cr, run.data(), static_cast<int>(run.size()));
    }
    cairo_restore(cr);
    DestroyAll(scaled);
    return result;
}

}  // namespace esc::compose
