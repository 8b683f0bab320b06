// sheet_any_size: shields drawn at the design size (k = 1) and four times finer (k = 4), side by
// side at their own sizes, to be looked at for blocky or jagged edges: a line of partition, a
// charge from its drawing, a semé, and a quartered coat whose parts are drawn at the scale.
//
//   sheet_any_size --data DIR --out FILE.png

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "tools/sheets/CairoBitmap.h"

namespace {

constexpr int kMargin = 20, kHeadHeight = 44;
constexpr double kFine = 4.0;

esc::Bitmap Draw(const esc::Vocabulary& vocabulary, const std::string& dataDir, const std::string& blazon, double k) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->SetPaintScale(k);
    state->vocabulary = &vocabulary;
    state->dataDir = dataDir;
    esc::DrawHost host;
    esc::DrawBlazon(*state, blazon, host);
    return state->picture;
}

void Label(cairo_t* cr, double x, double y, const std::string& text) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 24);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::string dataDir, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--data") dataDir = argv[i + 1];
        else if (option == "--out") out = argv[i + 1];
    }
    if (dataDir.empty() || out.empty()) {
        std::fprintf(stderr, "usage: sheet_any_size --data DIR --out FILE.png\n");
        return 2;
    }
    std::string error;
    auto vocabulary = esc::Vocabulary::Load(dataDir + "/words1.db", &error);
    if (!vocabulary) {
        std::fprintf(stderr, "sheet_any_size: %s\n", error.c_str());
        return 1;
    }
    const std::vector<std::string> blazons = {
        "Azure a bend engrailed or",
        "Or a lion rampant gules",
        "Azure crusilly or",
        "Quarterly 1&4: Or a lion rampant gules 2&3: Azure a bend engrailed or",
    };
    struct Pair {
        esc::Bitmap design, fine;
    };
    std::vector<Pair> pairs;
    int width = 0, height = kMargin;
    for (const std::string& blazon : blazons) {
        pairs.push_back({Draw(*vocabulary, dataDir, blazon, 1.0), Draw(*vocabulary, dataDir, blazon, kFine)});
        width = std::max(width, 3 * kMargin + pairs.back().design.Width() + pairs.back().fine.Width());
        height += kHeadHeight + pairs.back().fine.Height() + kMargin;
    }
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    int y = kMargin;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        Label(cr, kMargin, y + 30, blazons[i] + "   (left: k = 1, 415 pixels wide; right: k = 4, 1660 pixels wide)");
        y += kHeadHeight;
        int x = kMargin;
        for (const esc::Bitmap* picture : {&pairs[i].design, &pairs[i].fine}) {
            cairo_surface_t* s = esc::sheets::SurfaceOf(*picture);
            cairo_set_source_surface(cr, s, x, y);
            cairo_paint(cr);
            cairo_surface_destroy(s);
            x += picture->Width() + kMargin;
        }
        y += pairs[i].fine.Height() + kMargin;
    }
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(sheet, out.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "sheet_any_size: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
