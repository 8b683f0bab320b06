// contact_sheet_shapes: renders labelled contact sheets of every partition and ordinary, plain and
// with every line word of the vocabulary, so that the shapes and the line mapping can be judged
// by eye.
//
//   contact_sheet_shapes --data DIR --out DIR
//
// Partitions are drawn from blazons through the whole drawing driver (so the sheet also shows
// how the vocabulary maps each line word); ordinaries are drawn by calling the shape routines on a
// plain field with the state set by hand. Writes partitions.png, ordinaries.png, pieces.png,
// lines.png, positions.png (ordinaries and partition lines enhanced, abased, couped, voided) and
// variants.png (bretessed and counter-embattled, two lines, chiefs, per pall with a line, lines
// named by side, enarched, ordinaries of fusils and mascles, moved ordinaries cotised, bordures
// compony) into the output folder.

#include <cairo.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "tools/sheets/CairoBitmap.h"

namespace {

using esc::Bitmap;

struct LineWord {
    std::string word;
    int code = -1;
};

struct Row {
    std::string head;
    std::vector<Bitmap> cells;
};

// The line words of the vocabulary, one per style, in style order (the first word of a style).
std::vector<LineWord> LineWords(const esc::Vocabulary& vocabulary) {
    std::vector<LineWord> words;
    for (int code = 0; code < 64; ++code) {
        for (const esc::VocabularyRow& row : vocabulary.Rows()) {
            if (row.type == esc::kTypeLine && row.sub1 == code) {
                words.push_back({row.word, code});
                break;
            }
        }
    }
    return words;
}

Bitmap DrawBlazonPicture(const esc::Vocabulary& vocabulary, const std::string& blazon) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &vocabulary;
    esc::DrawHost host;
    esc::DrawBlazon(*state, blazon, host);
    return state->picture;
}

// An ordinary on a plain field of Or, drawn in gules by `draw` after `setUp` has set the state.
Bitmap DrawOrdinaryPicture(int lineCode, const std::function<void(esc::PaintState&)>& draw) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::PaintState>(sink);
    esc::PaintState& s = *state;
    s.BeginDrawing();
    s.picture.Fill(esc::kTeal);
    esc::DrawShieldOutline(s);
    s.levelTincture[0] = esc::kOr;
    for (int y = 2; y <= s.geometry.shieldBottom - 2; ++y) esc::PaintSpan(s, 2, y, s.geometry.W - 2);
    s.namedTinctures[0] = esc::kOr;
    s.namedTinctures[1] = esc::kGules;
    s.counterchangePair = {esc::kOr, esc::kGules};
    s.fieldColor1 = esc::kOr;
    s.fieldColor2 = esc::kGules;
    s.levelTincture[0] = esc::kGules;
    s.lineCode = lineCode;
    s.levels[0].levelCount = 1;
    s.levels[0].levelLine = lineCode;
    draw(s);
    esc::DrawShieldOutline(s);
    return s.picture;
}

// A sheet: column heads across the top, one row per shape, every cell the picture scaled down.
bool WriteSheet(const std::string& path, const std::string& title, const std::vector<std::string>& columns,
                const std::vector<Row>& rows, double scale) {
    if (rows.empty() || rows[0].cells.empty()) return false;
    const int cellW = static_cast<int>(rows[0].cells[0].Width() * scale);
    const int cellH = static_cast<int>(rows[0].cells[0].Height() * scale);
    const int gap = 6, headW = 150, headH = 44, titleH = 36;
    const int width = headW + static_cast<int>(columns.size()) * (cellW + gap) + gap;
    const int height = titleH + headH + static_cast<int>(rows.size()) * (cellH + gap) + gap;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_font_size(cr, 20);
    cairo_move_to(cr, gap, 26);
    cairo_show_text(cr, title.c_str());
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        cairo_move_to(cr, headW + static_cast<double>(c) * (cellW + gap) + 2, titleH + headH - 10);
        cairo_show_text(cr, columns[c].c_str());
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double top = titleH + headH + static_cast<double>(r) * (cellH + gap);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, gap, top + cellH / 2.0);
        cairo_show_text(cr, rows[r].head.c_str());
        for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
            const Bitmap& b = rows[r].cells[c];
            cairo_surface_t* cell = esc::sheets::SurfaceOf(b);
            cairo_save(cr);
            cairo_translate(cr, headW + static_cast<double>(c) * (cellW + gap), top);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, cell, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_surface_destroy(cell);
        }
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    if (!ok) std::fprintf(stderr, "contact_sheet_shapes: cannot write %s\n", path.c_str());
    return ok;
}

struct OrdinarySpec {
    std::string name;
    std::function<void(esc::PaintState&)> draw;
};

// Sets up one ordinary as the phrase interpreter would hand it over and draws it.
std::function<void(esc::PaintState&)> Shape(esc::ShapeCode code, int count = 1, std::optional<esc::ShapeCode> partition = {}) {
    return [=](esc::PaintState& s) {
        s.shapeCode = code;
        s.partitionCode = partition.value_or(code);
        s.levels[0].levelCount = count;
        esc::DrawOrdinary(s, {code, false});
    };
}

std::vector<OrdinarySpec> Ordinaries() {
    using namespace esc;
    return {
        {"fess", Shape(kFess)},
        {"fess cotised", [](PaintState& s) {
             Shape(kFess)(s);
             s.levelTincture[0] = kGules;
             s.cotiseCount = 1;
             s.cotiseTincture = kAzure;
             s.cotiseLine = s.lineCode;
             DrawAndSpendCotises(s);
         }},
        {"bend", Shape(kBend)},
        {"bend sinister", Shape(kBendSinister, 1, kBend)},
        {"pale", Shape(kPale)},
        {"chevron", Shape(kChevron)},
        {"cross", Shape(kCross)},
        {"saltire", Shape(kSaltire)},
        {"chief", Shape(kChief)},
        {"bordure", Shape(kBordure)},
        {"canton", Shape(kCanton)},
        {"orle", Shape(kOrle)},
        {"pall", Shape(kPall)},
        {"pall reversed", Shape(kPallReversed)},
        {"flaunches", Shape(kFlaunches)},
        {"label of 3", [](PaintState& s) { s.levels[0].levelLine = 3; Shape(kLabel)(s); }},
        {"2 bars", [](PaintState& s) { s.levels[0].levelCount = 2; s.shapeCode = kFess; DrawBars(s, PiecesPlacement::kOnTheField); }},
        {"3 bars", [](PaintState& s) { s.levels[0].levelCount = 3; s.shapeCode = kFess; DrawBars(s, PiecesPlacement::kOnTheField); }},
        {"3 pallets", [](PaintState& s) { s.levels[0].levelCount = 3; DrawPallets(s, PiecesPlacement::kOnTheField); }},
        {"2 bendlets", Shape(kBendlets, 2)},
        {"3 chevronels", Shape(kChevronels, 3)},
        {"pile", Shape(kPiles, 1)},
        {"3 piles", Shape(kPiles, 3)},
        {"fret", [](PaintState& s) { DrawFret(s); }},
        {"fretty", [](PaintState& s) { DrawFretty(s); }},
    };
}

}  // namespace

int main(int argc, char** argv) {
    std::string dataDir, outDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--data") dataDir = argv[i + 1];
        else if (a == "--out") outDir = argv[i + 1];
    }
    if (dataDir.empty() || outDir.empty()) {
        std::fprintf(stderr, "usage: contact_sheet_shapes --data DIR --out DIR\n");
        return 2;
    }
    std::string error;
    auto vocabulary = esc::Vocabulary::Load(dataDir + "/words1.db", &error);
    if (!vocabulary) {
        std::fprintf(stderr, "contact_sheet_shapes: %s\n", error.c_str());
        return 1;
    }
    const std::vector<LineWord> lines = LineWords(*vocabulary);
    std::vector<std::string> heads = {"plain"};
    for (const LineWord& l : lines) heads.push_back(l.word + " (" + std::to_string(l.code) + ")");

    // Partitions, from blazons: {head, text before the line word, text after it}.
    const std::vector<std::vector<std::string>> partitions = {
        {"per fess", "Per fess", "or and azure"},
        {"per pale", "Per pale", "or and azure"},
        {"per bend", "Per bend", "or and azure"},
        {"per bend sinister", "Per bend sinister", "or and azure"},
        {"per chevron", "Per chevron", "or and azure"},
        {"per saltire", "Per saltire", "or and azure"},
        {"quarterly", "Quarterly", "or and azure"},
        {"gyronny of 8", "Gyronny", "of eight or and azure"},
        {"barry of 6", "Barry", "of six or and azure"},
        {"paly of 6", "Paly", "of six or and azure"},
        {"bendy of 6", "Bendy", "of six or and azure"},
        {"tierced per pall", "Tierced per pall", "gules argent and azure"},
        {"per pall reversed", "Per pairle reversed", "gules argent and azure"},
    };
    std::vector<Row> rows;
    for (const auto& p : partitions) {
        Row row{p[0], {}};
        row.cells.push_back(DrawBlazonPicture(*vocabulary, p[1] + " " + p[2]));
        for (const LineWord& l : lines) row.cells.push_back(DrawBlazonPicture(*vocabulary, p[1] + " " + l.word + " " + p[2]));
        rows.push_back(std::move(row));
    }
    bool ok = WriteSheet(outDir + "/partitions.png", "Partitions, plain and with each line word (drawn from blazons)", heads,
                         rows, 1.0 / 3);

    rows.clear();
    for (const OrdinarySpec& o : Ordinaries()) {
        Row row{o.name, {}};
        row.cells.push_back(DrawOrdinaryPicture(-1, o.draw));
        for (const LineWord& l : lines) row.cells.push_back(DrawOrdinaryPicture(l.code, o.draw));
        rows.push_back(std::move(row));
    }
    ok = WriteSheet(outDir + "/ordinaries.png", "Ordinaries, plain and with each line style", heads, rows, 1.0 / 3) && ok;

    // Multiplied partitions by their number of pieces.
    const std::vector<std::string> counts = {"two", "three", "four", "five", "six", "seven", "eight", "ten", "twelve", "sixteen"};
    rows.clear();
    for (const std::string& word : {std::string("Gyronny"), std::string("Barry"), std::string("Paly"), std::string("Bendy")}) {
        Row row{word + " of N", {}};
        for (const std::string& n : counts) row.cells.push_back(DrawBlazonPicture(*vocabulary, word + " of " + n + " or and azure"));
        rows.push_back(std::move(row));
    }
    ok = WriteSheet(outDir + "/pieces.png", "Gyronny, barry, paly and bendy of N", counts, rows, 1.0 / 3) && ok;

    // Each line word at full size across a fess, to judge its outline.
    rows.clear();
    std::vector<std::string> lineHeads = {"a fess", "per pale"};
    for (const LineWord& l : lines) {
        Row row{l.word, {}};
        Bitmap fess = DrawOrdinaryPicture(l.code, Shape(esc::kFess));
        row.cells.push_back(fess.Copy(esc::Rect{0, 150, esc::kImageWidth, 330}));
        Bitmap pale = DrawBlazonPicture(*vocabulary, "Per pale " + l.word + " or and azure");
        row.cells.push_back(pale.Copy(esc::Rect{120, 40, 120 + esc::kImageWidth, 220}));
        rows.push_back(std::move(row));
    }
    ok = WriteSheet(outDir + "/lines.png", "Each line word, full size: a fess, and per pale", lineHeads, rows, 1.0) && ok;

    // Ordinaries and partition lines in each position, and the variants of their lines.
    const std::vector<std::string> positions = {"", "enhanced", "abased", "couped", "voided"};
    const std::vector<std::vector<std::string>> placed = {
        {"fess", "Or a fess", "gules"},
        {"bend", "Or a bend", "gules"},
        {"bend sinister", "Or a bend sinister", "gules"},
        {"chevron", "Or a chevron", "gules"},
        {"chevron reversed", "Or a chevron reversed", "gules"},
        {"pale", "Or a pale", "gules"},
        {"fess wavy", "Or a fess wavy", "gules"},
        {"per fess", "Per fess", "or and azure"},
        {"per fess indented", "Per fess indented", "or and azure"},
        {"per bend", "Per bend", "or and azure"},
        {"per bend sinister wavy", "Per bend sinister wavy", "or and azure"},
        {"per chevron", "Per chevron", "or and azure"},
        {"per chevron wavy", "Per chevron wavy", "or and azure"},
    };
    std::vector<std::string> positionHeads;
    for (const std::string& p : positions) positionHeads.push_back(p.empty() ? "usual" : p);
    rows.clear();
    for (const auto& p : placed) {
        Row row{p[0], {}};
        // A line of partition is moved up or down, never couped or voided.
        const std::size_t columns = p[0].rfind("per ", 0) == 0 ? 3 : positions.size();
        for (std::size_t c = 0; c < columns; ++c)
            row.cells.push_back(
                DrawBlazonPicture(*vocabulary, p[1] + (positions[c].empty() ? "" : " " + positions[c]) + " " + p[2]));
        rows.push_back(std::move(row));
    }
    ok = WriteSheet(outDir + "/positions.png", "Positions (a cell the same as usual: the position is read past and said)",
                    positionHeads, rows, 1.0 / 3) && ok;

    const std::vector<std::vector<std::string>> variants = {
        {"bretessed", "Or a fess bretessed gules", "Or a pale bretessed gules", "Per fess bretessed or and azure"},
        {"counter-embattled", "Or a fess counter-embattled gules", "Or a pale counter-embattled gules",
         "Per fess counter-embattled or and azure"},
        {"two lines", "Or a fess embattled and wavy gules", "Or a pale indented and wavy gules",
         "Or a chevron engrailed and invected gules"},
        {"two lines", "Or a bend indented and engrailed gules", "Or a bend sinister wavy and embattled gules",
         "Or a chevron reversed embattled and indented gules"},
        {"chiefs", "Or a chief enarched gules", "Or a chief triangular gules", "Or a chief indented gules"},
        {"per pall", "Per pall wavy gules, argent and azure", "Per pall indented gules, argent and azure",
         "Per pall reversed embattled gules, argent and azure"},
        {"couped, nowy", "Or a fess humetty gules", "Or a bend sinister couped gules", "Or a saltire nowy gules"},
        {"each side named", "Or a fess indented on the upper side and wavy on the lower gules",
         "Or a pale wavy on the sinister side and engrailed on the dexter gules", "Or a bend engrailed and invected gules"},
        {"enarched", "Or a fess enarched gules", "Or a base enarched vert", "Argent a fess enarched gules fimbriated or"},
        {"point, per pile", "Or a point pointed vert", "Per pile indented gules and argent", "Per pile wavy or and azure"},
        {"fusilly", "Argent a pale fusilly gules", "Argent a fess fusilly gules", "Argent a bend fusilly gules"},
        {"fusilly", "Argent a chevron fusilly gules", "Argent a cross fusilly gules", "Argent a saltire fusilly gules"},
        {"masculy", "Argent a fess masculy gules", "Argent a pale masculy gules", "Argent a bend sinister masculy gules"},
        {"moved, cotised", "Or a fess enhanced gules cotised azure", "Or a bend abased gules cotised azure",
         "Or a fess couped gules cotised azure"},
        {"bordures", "Argent a bordure compony or and azure", "Argent a bordure counter-compony or and azure",
         "Argent a bordure compony gules and argent"},
    };
    rows.clear();
    for (const auto& v : variants) {
        Row row{v[0], {}};
        for (std::size_t i = 1; i < v.size(); ++i) row.cells.push_back(DrawBlazonPicture(*vocabulary, v[i]));
        rows.push_back(std::move(row));
    }
    ok = WriteSheet(outDir + "/variants.png", "Variants of lines and ordinaries", {"", "", ""}, rows, 1.0 / 3) && ok;
    return ok ? 0 : 1;
}
