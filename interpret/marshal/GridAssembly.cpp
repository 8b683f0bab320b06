// Drawing marshalled arms of any number of parts: each part drawn once, in the shape of its
// cell, and reduced into its cells of one grid; grand quarters assembled on their own first;
// the escutcheon and what lies over all put on last.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "engine/Messages.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/marshal/MarshalledGrid.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

MarshallingKind KindOf(MarshalledRoad road) {
    return road == MarshalledRoad::Impaled ? MarshallingKind::Impaled : MarshallingKind::Quartered;
}

std::string PlacedName(const GridText& g, const std::vector<int>& quarters) {
    if (g.impaled) return quarters.front() == 1 ? "dexter" : "sinister";
    if (g.count == 1) return "field";
    std::string name = quarters.size() == 1 ? "quarter " : "quarters ";
    for (std::size_t i = 0; i < quarters.size(); ++i) {
        if (i > 0) name += i + 1 == quarters.size() ? " and " : ", ";
        name += std::to_string(quarters[i]);
    }
    return name;
}

// A split text with the splits of the marshalled arms its parts hold.
struct GridTree {
    GridText grid;
    std::vector<std::unique_ptr<GridTree>> nested;  // per part: what it holds, or none
    std::unique_ptr<GridTree> escutcheon;           // a marshalled escutcheon, or none
};

std::string_view Plan(std::string_view text, MarshallingKind kind, int depth, GridTree& tree) {
    tree.grid = SplitGrid(text, kind);
    if (!tree.grid.error.empty()) return tree.grid.error;
    for (const std::string& part : tree.grid.texts) {
        const std::string_view inner = NestedMarshalledText(part);
        if (inner.empty()) {
            tree.nested.push_back(nullptr);
            continue;
        }
        if (depth >= 1) return msg::kQuartersTooDeep;
        auto nested = std::make_unique<GridTree>();
        if (const std::string_view error = Plan(inner, KindOf(MarshalledRoadOf(inner)), depth + 1, *nested);
            !error.empty())
            return error;
        tree.nested.push_back(std::move(nested));
    }
    // An escutcheon of quartered arms (an heiress's quarterings) is one level deep too.
    if (const std::string_view inner = NestedMarshalledText(tree.grid.escutcheon); !inner.empty()) {
        if (depth >= 1) return msg::kQuartersTooDeep;
        tree.escutcheon = std::make_unique<GridTree>();
        if (const std::string_view error = Plan(inner, KindOf(MarshalledRoadOf(inner)), depth + 1, *tree.escutcheon);
            !error.empty())
            return error;
        if (!tree.escutcheon->grid.escutcheon.empty()) return msg::kQuartersTooDeep;
    }
    return {};
}

// The assembly at the design size.
constexpr int kGridW = kImageWidth, kGridH = kImageHeight - 40;

// Puts the non-teal pixels of a whole-shield picture, reduced, over `image` at the fess point.
void PutEscutcheon(const Bitmap& shield, Bitmap& image, int W, int H) {
    const Rect place = EscutcheonPlace(W, H, shield.Width(), shield.Height());
    Bitmap reduced(place.Width(), place.Height(), kTeal);
    StretchInto(shield, reduced, {0, 0, place.Width(), place.Height()});
    const std::uint32_t teal = Bitmap::Pack(kTeal);
    for (int y = 0; y < reduced.Height(); ++y) {
        if (place.top + y < 0 || place.top + y >= image.Height()) continue;
        const std::uint32_t* in = reduced.Row(y);
        std::uint32_t* out = image.Row(place.top + y);
        for (int x = 0; x < reduced.Width(); ++x)
            if (in[x] != teal && place.left + x >= 0 && place.left + x < image.Width()) out[place.left + x] = in[x];
    }
}

// What lies over all the quarters ("a bordure vert"), drawn on two fields of different
// tinctures: the pixels the two drawings share are its own, and are put over the image.
void PutOverAll(DrawingState& s, const std::string& overAll, DrawHost& host, Bitmap& image) {
    std::array<Bitmap, 2> drawn;
    const std::array<std::string_view, 2> fields = {"Or ", "Azure "};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string text = std::string(fields[i]) + overAll;
        host.SetBlazonText(text);
        DrawMarshalledPart(s, text, host);
        if (s.trace) s.trace->parts.back().placed = "over all the quarters";
        drawn[i] = Bitmap(image.Width(), image.Height(), kTeal);
        StretchInto(s.picture, drawn[i], {0, 0, image.Width(), image.Height()});
    }
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* a = drawn[0].Row(y);
        const std::uint32_t* b = drawn[1].Row(y);
        std::uint32_t* out = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            if (a[x] == b[x]) out[x] = a[x];
    }
}

// The size of a picture in the shape of `cell`, as large as fits within W by H.
struct PartSize {
    int width = 0, height = 0;
};

// The whole assembly at the geometry's paint scale: 415 by 480 at the design size.
PartSize GridSize(const ShieldGeometry& g) { return {g.Px(kGridW), g.Px(kImageHeight) - g.Px(40)}; }
PartSize ShapeOf(const Rect& cell, int W, int H) {
    const long cw = std::max(cell.Width(), 1), ch = std::max(cell.Height(), 1);
    if (cw * H <= ch * W) return {static_cast<int>(std::max(1L, (H * cw + ch / 2) / ch)), H};
    return {W, static_cast<int>(std::max(1L, (W * ch + cw / 2) / cw))};
}

}  // namespace

// One part drawn as single arms in the shape of its cell, so that its reduction into the cell
// keeps its charges' proportions: a field as wide (or, in a low cell, as high) as the whole
// shield's in design measures, painted at the scale that makes it the cell's shape within the
// shield's size, so that its charges stand to it as they stand to a whole shield. The shield's
// own size and scale are restored after.
void DrawPartShaped(DrawingState& s, const std::string& text, DrawHost& host, const Rect& cell) {
    const PartSize grid = GridSize(s.geometry);
    const PartSize shape = ShapeOf(cell, grid.width, grid.height);
    // The part's own paint scale: the whole's scale times the cell's share of the shield.
    const double k = std::min(static_cast<double>(shape.width) / kGridW, static_cast<double>(shape.height) / kGridH);
    const double wasK = s.geometry.k;
    s.geometry.k = k;
    s.geometry.designWidth = static_cast<int>(std::lround(shape.width / k));
    s.geometry.designHeight = static_cast<int>(std::lround(shape.height / k)) + (kImageHeight - kGridH);
    DrawMarshalledPart(s, text, host);
    s.geometry.k = wasK;
    s.geometry.designWidth = kDesignImageWidth;
    s.geometry.designHeight = kDesignImageHeight;
}

namespace {

Bitmap Assemble(DrawingState& s, const GridTree& tree, DrawHost& host, PartSize size);
// Marshalled arms within the arms (a grand quarter, a quartered escutcheon): assembled on their
// own at `size`, their reading a part of the whole text's with parts of its own.
Bitmap AssembleNested(DrawingState& s, const std::string& text, const GridTree& tree, DrawHost& host, PartSize size);

// Draws the tree's parts and assembles them on a picture of `size`; single arms with an
// escutcheon keep the shape of a whole shield.
Bitmap Assemble(DrawingState& s, const GridTree& tree, DrawHost& host, PartSize size) {
    const GridText& g = tree.grid;
    const int gridW = size.width, gridH = size.height, pen = s.geometry.Px(kDividingPenWidth);
    Bitmap image;
    if (g.count == 1) {
        host.SetBlazonText(g.texts.front());
        DrawMarshalledPart(s, g.texts.front(), host, PartOutline::Shield);
        std::swap(image, s.picture);
        if (s.trace) s.trace->parts.back().placed = PlacedName(g, g.quartersOf.front());
    } else {
        image = Bitmap(gridW, gridH, kTeal);
        const std::vector<Rect> cells = GridCells(g.count, gridW, gridH, pen);
        for (std::size_t i = 0; i < g.texts.size(); ++i) {
            // A part that fills cells of two shapes (in rows of different lengths) is drawn in
            // the shape of its first and reduced into the others as it is.
            const Rect& first = cells[static_cast<std::size_t>(g.quartersOf[i].front() - 1)];
            Bitmap picture;
            if (tree.nested[i]) {
                const PartSize grid = GridSize(s.geometry);
                picture = AssembleNested(s, g.texts[i], *tree.nested[i], host, ShapeOf(first, grid.width, grid.height));
            } else {
                host.SetBlazonText(g.texts[i]);
                DrawPartShaped(s, g.texts[i], host, first);
                std::swap(picture, s.picture);
            }
            if (s.trace) s.trace->parts.back().placed = PlacedName(g, g.quartersOf[i]);
            for (const int q : g.quartersOf[i]) StretchInto(picture, image, cells[static_cast<std::size_t>(q - 1)]);
        }
        // The border, then the lines between the rows and between the cells of each row.
        DrawMarshallingBorder(image, gridW, gridH, pen);
        const std::vector<int> rows = CellsPerRow(g.count);
        const int R = static_cast<int>(rows.size());
        for (int r = 0; r < R; ++r) {
            const int top = gridH * r / R, bottom = gridH * (r + 1) / R;
            if (r > 0) image.Line(0, top, gridW, top, kBlack, pen);
            const int C = rows[static_cast<std::size_t>(r)];
            for (int c = 1; c < C; ++c)
                image.Line(gridW * c / C, top, gridW * c / C, bottom, kBlack, pen);
        }
    }
    if (!g.overAll.empty()) {
        PutOverAll(s, g.overAll, host, image);
        if (g.count > 1) DrawMarshallingBorder(image, gridW, gridH, pen);
    }
    if (tree.escutcheon) {
        // Marshalled arms on the escutcheon: assembled, then cut to a whole shield's shape,
        // which a plain field drawn as a shield gives (its outline and the teal round it).
        const Bitmap arms = AssembleNested(s, g.escutcheon, *tree.escutcheon, host, GridSize(s.geometry));
        if (s.trace) s.trace->parts.back().placed = "escutcheon over all";
        DrawingTrace* const whole = s.trace;
        s.trace = nullptr;
        DrawMarshalledPart(s, "Argent", host, PartOutline::Shield);
        s.trace = whole;
        Bitmap shaped = s.picture;
        const std::uint32_t black = Bitmap::Pack(kBlack), teal = Bitmap::Pack(kTeal);
        Bitmap stretched(shaped.Width(), shaped.Height(), kTeal);
        StretchInto(arms, stretched, {0, 0, shaped.Width(), shaped.Height()});
        for (int y = 0; y < shaped.Height(); ++y) {
            std::uint32_t* out = shaped.Row(y);
            const std::uint32_t* in = stretched.Row(y);
            for (int x = 0; x < shaped.Width(); ++x)
                if (out[x] != teal && out[x] != black) out[x] = in[x];
        }
        PutEscutcheon(shaped, image, gridW, gridH);
    } else if (!g.escutcheon.empty()) {
        host.SetBlazonText(g.escutcheon);
        DrawMarshalledPart(s, g.escutcheon, host, PartOutline::Shield);
        if (s.trace) s.trace->parts.back().placed = "escutcheon over all";
        PutEscutcheon(s.picture, image, gridW, gridH);
    }
    return image;
}

Bitmap AssembleNested(DrawingState& s, const std::string& text, const GridTree& tree, DrawHost& host, PartSize size) {
    DrawingTrace* whole = s.trace;
    DrawingTrace* part = nullptr;
    if (whole) {
        whole->parts.emplace_back();
        part = &whole->parts.back();
        part->blazon = text;
        part->road = tree.grid.impaled ? "impaled" : "quartered";
    }
    s.trace = part;
    s.messages.KeepCopyIn(part ? &part->messages : nullptr);
    Bitmap picture = Assemble(s, tree, host, size);
    if (part) part->composed = ComposeGrid(tree.grid);
    if (whole) whole->messages.insert(whole->messages.end(), part->messages.begin(), part->messages.end());
    s.messages.KeepCopyIn(whole ? &whole->messages : nullptr);
    s.trace = whole;
    return picture;
}

}  // namespace

void DrawGridText(DrawingState& s, std::string_view text, MarshallingKind kind, DrawHost& host) {
    GridTree tree;
    if (const std::string_view error = Plan(text, kind, 0, tree); !error.empty()) {
        s.messages.Show(error);
        return;
    }
    // The parts often share pictures: one cache for the drawing unless the caller has one.
    PictureCache ownPictures;
    PictureCache* const callersPictures = s.pictureCache;
    if (!callersPictures) s.pictureCache = &ownPictures;
    const bool wasMarshalling = s.marshallingMode;
    host.MarshallingStarts(kind);
    Bitmap image = Assemble(s, tree, host, GridSize(s.geometry));
    std::swap(s.picture, image);
    if (tree.grid.count > 1) s.geometry.Compute(s.geometry.ImageWidth(), s.geometry.ImageHeight(), true);
    const std::string composed = ComposeGrid(tree.grid);
    host.SetBlazonText(composed);
    if (s.trace) s.trace->composed = composed;
    host.MarshallingEnds(kind);
    s.marshallingMode = wasMarshalling;
    s.pictureCache = callersPictures;
}

}  // namespace esc
