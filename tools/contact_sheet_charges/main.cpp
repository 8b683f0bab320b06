// contact_sheet_charges: renders labelled contact sheets of the charge pictures as the painter
// paints them on the shield, so that every drawing can be judged at the sizes it is used at.
//
//   contact_sheet_charges --charges SRC --lpics DIR --out DIR [--zoom N] [--sample NAMES]
//   contact_sheet_charges --charges SRC --lpics DIR --out DIR --close-ups NAMES
//
// SRC is data/charges (one folder per family of SVG drawings), DIR the rendered pictures of the
// build (build/data/lpics). Each drawing gives one cell, labelled with every picture file made
// from it, painted twice: a metal on a colour (Or on gules) and a colour on a metal (azure on
// argent). Writes into the output folder:
//   <family>.png   every picture of the family at the size of three on a shield (charge scale 1)
//   semee.png      every picture at the size of a semé (charge scale 0.3)
//   alone.png      a sample of each family at the size of one alone on the field (charge scale 2.4)
// --zoom N enlarges every cell N times, pixel for pixel, for close inspection; --sample replaces
// the default sample of alone.png by a comma-separated list of picture files. --close-ups NAMES
// writes only closeups.png: the named pictures ("lion" means lion.esv) magnified, row by row.

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ChargeSource.h"
#include "engine/ChargePicture.h"
#include "engine/MessageSink.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "tools/sheets/CairoBitmap.h"

namespace fs = std::filesystem;

namespace {

// The squares each picture is painted in: the build makes pictures up to 270 pixels (the
// drawing filling 228 across or 264 down, and a margin), painted at half the charge scale.
constexpr int kSquareOfThree = 140;  // scale 1.0
constexpr int kSquareOfSemee = 44;   // scale 0.3
constexpr int kSquareAlone = 328;    // scale 2.4

using esc::Bitmap;

// The family folders in the order of the sheets; any other folder follows in name order.
const char* const kFamilies[] = {"lions", "beasts", "birds", "crosses", "celestial", "plants", "shapes", "objects", "misc"};

const char* const kDefaultSample =
    "lion.esv,lion.3,dragon.esv,unicorn.3,"
    "bear.esv,buck.esv,horse.esv,moor.hd,"
    "eagle.esv,eagle.2,martlet.esv,escallop.esv,"
    "cros.1,cros.4,cros.3,cros.2,"
    "mullet.esv,sun.esv,estoile.esv,crescent.esv,"
    "rose.esv,fleurdel.esv,garb.esv,tree.esv,"
    "escutche.esv,mascle.esv,heart.esv,"
    "castle.esv,lymphad.esv,waterbou.esv,key.esv";

struct Source {
    std::string family;
    std::vector<std::string> names;  // picture files made from the drawing, its own name first
};

// One painting: a tincture on a field.
struct Pairing {
    int field, tincture;
};
const Pairing kPairings[] = {{esc::kGules, esc::kOr}, {esc::kArgent, esc::kAzure}};

struct Cell {
    std::string label;
    std::vector<Bitmap> squares;
};

bool ReadText(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

std::vector<std::string> Families(const fs::path& chargesDir) {
    std::vector<std::string> families(std::begin(kFamilies), std::end(kFamilies));
    std::vector<std::string> others;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(chargesDir, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && std::find(families.begin(), families.end(), name) == families.end()) others.push_back(name);
    }
    std::sort(others.begin(), others.end());
    families.insert(families.end(), others.begin(), others.end());
    return families;
}

std::vector<Source> ReadSources(const fs::path& chargesDir, const std::vector<std::string>& families) {
    std::vector<Source> sources;
    for (const std::string& family : families) {
        std::vector<fs::path> files;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(chargesDir / family, error)) {
            if (entry.path().extension() == ".svg") files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::string text;
            if (!ReadText(file, text)) continue;
            const auto description = charge_pictures::DescribeChargeSource(file.filename().string(), text);
            if (!description.ok()) {
                std::fprintf(stderr, "contact_sheet_charges: %s: %s\n", file.string().c_str(), description.error.c_str());
                continue;
            }
            sources.push_back({family, description.value.fileNames});
        }
    }
    return sources;
}

// The picture painted as a charge of the given tincture on a plain field, at painter scale
// `scale`, centred in a square of `side` pixels cut out of the shield.
Bitmap PaintSquare(const std::string& lpicsParent, const std::string& fileName, Pairing pairing, float scale, int side) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::PaintState>(sink);
    esc::PaintState& s = *state;
    s.BeginDrawing();
    s.picture.Fill(esc::kTeal);
    esc::DrawShieldOutline(s);
    s.levelTincture[0] = pairing.field;
    for (int y = 2; y <= s.geometry.shieldBottom - 2; ++y) esc::PaintSpan(s, 2, y, s.geometry.W - 2);
    s.dataDir = lpicsParent;
    const int cx = s.geometry.W / 2, cy = 230;
    if (esc::ReadGifPicture(s, "lpics/" + fileName) != 0) {
        std::fprintf(stderr, "contact_sheet_charges: cannot read lpics/%s\n", fileName.c_str());
    } else {
        s.levelTincture[0] = pairing.tincture;
        esc::PaintChargePicture(s, {{cx, cy, scale}, {pairing.tincture}, -1});
    }
    return s.picture.Copy(esc::Rect{cx - side / 2, cy - side / 2, cx - side / 2 + side, cy - side / 2 + side});
}

Cell MakeCell(const std::string& lpicsParent, const std::vector<std::string>& names, float scale, int side) {
    Cell cell;
    for (const std::string& name : names) cell.label += (cell.label.empty() ? "" : " ") + name;
    for (const Pairing& p : kPairings) cell.squares.push_back(PaintSquare(lpicsParent, names.front(), p, scale, side));
    return cell;
}

using esc::sheets::SurfaceOf;

// Splits a label into lines of at most `width` pixels at blanks.
std::vector<std::string> WrapLabel(cairo_t* cr, const std::string& label, double width) {
    std::vector<std::string> lines;
    std::istringstream words(label);
    std::string line;
    for (std::string word; words >> word;) {
        const std::string candidate = line.empty() ? word : line + " " + word;
        cairo_text_extents_t extents;
        cairo_text_extents(cr, candidate.c_str(), &extents);
        if (!line.empty() && extents.x_advance > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// A sheet: a title, then the cells in rows of `perRow`, each cell its squares side by side at
// `zoom` times their size with the label under them.
bool WriteSheet(const fs::path& path, const std::string& title, const std::vector<Cell>& cells, int perRow, int zoom,
                double fontSize) {
    if (cells.empty() || cells[0].squares.empty()) return false;
    const int side = cells[0].squares[0].Width() * zoom;
    const int squares = static_cast<int>(cells[0].squares.size());
    const int gap = 3, cellGap = 14, labelLines = 2, titleH = 34;
    const int lineH = static_cast<int>(fontSize + 3);
    const int cellW = squares * side + (squares - 1) * gap;
    const int cellH = side + 4 + labelLines * lineH;
    const int rows = (static_cast<int>(cells.size()) + perRow - 1) / perRow;
    const int columns = std::min(perRow, static_cast<int>(cells.size()));
    const int width = std::max(columns * (cellW + cellGap) + cellGap, 600);
    const int height = titleH + rows * (cellH + cellGap) + cellGap / 2;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 16);
    cairo_move_to(cr, cellGap, 23);
    cairo_show_text(cr, title.c_str());
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, fontSize);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double left = cellGap + static_cast<double>(static_cast<int>(i) % perRow) * (cellW + cellGap);
        const double top = titleH + static_cast<double>(static_cast<int>(i) / perRow) * (cellH + cellGap);
        for (std::size_t k = 0; k < cells[i].squares.size(); ++k) {
            cairo_surface_t* square = SurfaceOf(cells[i].squares[k]);
            cairo_save(cr);
            cairo_translate(cr, left + static_cast<double>(k) * (side + gap), top);
            cairo_scale(cr, zoom, zoom);
            cairo_set_source_surface(cr, square, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_surface_destroy(square);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        const std::vector<std::string> lines = WrapLabel(cr, cells[i].label, cellW);
        for (std::size_t l = 0; l < lines.size() && l < static_cast<std::size_t>(labelLines); ++l) {
            cairo_move_to(cr, left, top + side + 2 + static_cast<double>(l + 1) * lineH - 3);
            cairo_show_text(cr, lines[l].c_str());
        }
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, path.string().c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    if (!ok) std::fprintf(stderr, "contact_sheet_charges: cannot write %s\n", path.string().c_str());
    return ok;
}

// A close-up sheet of the named pictures, one row each: as a semé magnified three times and as
// three on a shield magnified twice, in both pairings, then alone on the field at its own size.
bool WriteCloseUps(const fs::path& path, const std::string& lpicsParent, const std::vector<std::string>& names) {
    struct Square {
        Bitmap bitmap;
        int zoom;
    };
    std::vector<std::vector<Square>> rows;
    for (const std::string& name : names) {
        std::vector<Square> row;
        for (const Pairing& p : kPairings) row.push_back({PaintSquare(lpicsParent, name, p, 0.15f, 40), 3});
        for (const Pairing& p : kPairings) row.push_back({PaintSquare(lpicsParent, name, p, 0.5f, 124), 2});
        row.push_back({PaintSquare(lpicsParent, name, kPairings[0], 1.2f, 276), 1});
        rows.push_back(std::move(row));
    }
    if (rows.empty()) return false;
    const int gap = 6, headW = 90, rowH = 282;
    int width = headW;
    for (const Square& q : rows[0]) width += q.bitmap.Width() * q.zoom + gap;
    const int height = static_cast<int>(rows.size()) * (rowH + gap);
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double top = static_cast<double>(r) * (rowH + gap);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, 4, top + 20);
        cairo_show_text(cr, names[r].c_str());
        double left = headW;
        for (const Square& q : rows[r]) {
            cairo_surface_t* square = SurfaceOf(q.bitmap);
            cairo_save(cr);
            cairo_translate(cr, left, top);
            cairo_scale(cr, q.zoom, q.zoom);
            cairo_set_source_surface(cr, square, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_surface_destroy(square);
            left += q.bitmap.Width() * q.zoom + gap;
        }
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, path.string().c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return ok;
}

std::string Capitalised(std::string word) {
    if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

}  // namespace

int main(int argc, char** argv) {
    std::string chargesDir, lpicsDir, outDir, sample = kDefaultSample, closeUps;
    int zoom = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--charges") chargesDir = argv[i + 1];
        else if (a == "--lpics") lpicsDir = argv[i + 1];
        else if (a == "--out") outDir = argv[i + 1];
        else if (a == "--zoom") zoom = std::clamp(std::atoi(argv[i + 1]), 1, 8);
        else if (a == "--sample") sample = argv[i + 1];
        else if (a == "--close-ups") closeUps = argv[i + 1];
    }
    if (chargesDir.empty() || lpicsDir.empty() || outDir.empty()) {
        std::fprintf(stderr, "usage: contact_sheet_charges --charges DIR --lpics DIR --out DIR [--zoom N] [--sample NAMES]\n");
        return 2;
    }
    // The painter looks pictures up as "lpics/<name>" under its data folder.
    const std::string lpicsParent = fs::path(lpicsDir).lexically_normal().parent_path().string();
    if (!closeUps.empty()) {
        std::vector<std::string> names;
        std::istringstream list(closeUps);
        for (std::string name; std::getline(list, name, ',');)
            if (!name.empty()) names.push_back(name.find('.') == std::string::npos ? name + ".esv" : name);
        std::error_code error;
        fs::create_directories(outDir, error);
        return WriteCloseUps(fs::path(outDir) / "closeups.png", lpicsParent, names) ? 0 : 1;
    }
    const std::vector<std::string> families = Families(chargesDir);
    const std::vector<Source> sources = ReadSources(chargesDir, families);
    if (sources.empty()) {
        std::fprintf(stderr, "contact_sheet_charges: no drawings under %s\n", chargesDir.c_str());
        return 1;
    }
    std::error_code error;
    fs::create_directories(outDir, error);
    const char* const pairingText = "Or on gules, azure on argent";
    bool ok = true;

    // One sheet per family at the size of three on a shield.
    for (const std::string& family : families) {
        std::vector<Cell> cells;
        for (const Source& source : sources)
            if (source.family == family) cells.push_back(MakeCell(lpicsParent, source.names, 0.5f, kSquareOfThree));
        if (cells.empty()) continue;
        const std::string title = Capitalised(family) + ": as three on a shield (charge scale 1.0), " + pairingText;
        ok = WriteSheet(fs::path(outDir) / (family + ".png"), title, cells, 5, zoom, 12) && ok;
    }

    // Every picture at the size of a semé.
    std::vector<Cell> cells;
    for (const Source& source : sources) cells.push_back(MakeCell(lpicsParent, source.names, 0.15f, kSquareOfSemee));
    ok = WriteSheet(fs::path(outDir) / "semee.png",
                    std::string("Every picture as a semé (charge scale 0.3), ") + pairingText, cells, 14, zoom, 9) && ok;

    // A sample of each family, alone on the field.
    std::set<std::string> wanted;
    std::istringstream list(sample);
    for (std::string name; std::getline(list, name, ',');)
        if (!name.empty()) wanted.insert(name);
    cells.clear();
    for (const Source& source : sources)
        if (wanted.count(source.names.front()) != 0) cells.push_back(MakeCell(lpicsParent, source.names, 1.2f, kSquareAlone));
    if (!cells.empty()) {
        ok = WriteSheet(fs::path(outDir) / "alone.png",
                        std::string("A sample alone on the field (charge scale 2.4), ") + pairingText, cells, 3, zoom, 13) && ok;
    }
    return ok ? 0 : 1;
}
