// Drawing a parted field whose parts are fields of their own. The plain field parted the same
// way in argent, gules and azure tells which part each pixel of the shield lies in, so the
// partition's line and the shield's outline are the engine's own. Each part is then drawn as a
// whole field in the shape of a box within its part, reduced into that box, and kept to its
// part's pixels; pixels of the part beyond the box take the box's nearest edge (the field).
//
//   per bend: the part above the line         per fess, the base per pale again
//   +-----------+                              +-----------+
//   |\    [box] |  box: the largest within     |   chief   |
//   |  \        |  the triangle                +-----+-----+
//   |    \      |                              | b.dx| b.sn|   each cell its own box
//   +------\----+                              +-----+-----+
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/Palette.h"
#include "interpret/DrawingDriver.h"
#include "interpret/marshal/MarshalledGrid.h"
#include "interpret/marshal/PartedField.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

constexpr std::array<int, kMaxFieldParts> kPartMapCodes = {kArgent, kGules, kAzure};

// The part of the map a pixel shows, or -1 (the outline, the teal round the shield).
int MapPartOf(std::uint32_t pixel) {
    for (std::size_t k = 0; k < kPartMapCodes.size(); ++k)
        if (pixel == Bitmap::Pack(kPalette[static_cast<std::size_t>(kPartMapCodes[k])])) return static_cast<int>(k);
    return -1;
}

// The pixels of the picture one part covers.
struct PartPixels {
    std::vector<char> in;
    Rect bounds{};
    long count = 0;
    bool Has(int x, int y, int width) const {
        return x >= 0 && y >= 0 && x < width && static_cast<std::size_t>(y) * width + x < in.size() &&
               in[static_cast<std::size_t>(y) * width + x] != 0;
    }
};

void BoundPartPixels(PartPixels& p, int width, int height) {
    Rect b{width, height, 0, 0};
    p.count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (p.in[static_cast<std::size_t>(y) * width + x]) {
                b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1), std::max(b.bottom, y + 1)};
                ++p.count;
            }
    p.bounds = p.count > 0 ? b : Rect{};
}

// A part's own drawing and the box of the picture it is reduced into. The drawing's frame (the
// outline of a part drawn as a rectangle) is left out; a pixel of the part beyond the box shows
// the part's field, the colour most of the drawing's edge shows.
struct PartPicture {
    const Bitmap& picture;
    Rect box;
    Rect inner{};
    std::uint32_t field = 0;

    PartPicture(const Bitmap& drawn, Rect into) : picture(drawn), box(into) {
        const int inset = std::min(3 * drawn.Width() / kDesignImageWidth + 2, std::min(drawn.Width(), drawn.Height()) / 4);
        inner = {inset, inset, drawn.Width() - inset, drawn.Height() - inset};
        std::vector<std::pair<std::uint32_t, int>> seen;
        auto count = [&](int x, int y) {
            const std::uint32_t pixel = drawn.Row(y)[x];
            for (auto& [colour, n] : seen)
                if (colour == pixel) {
                    ++n;
                    return;
                }
            seen.emplace_back(pixel, 1);
        };
        constexpr int kRingStep = 2;
        for (int x = inner.left; x < inner.right; x += kRingStep) {
            count(x, inner.top);
            count(x, inner.bottom - 1);
        }
        for (int y = inner.top; y < inner.bottom; y += kRingStep) {
            count(inner.left, y);
            count(inner.right - 1, y);
        }
        const auto most = std::max_element(seen.begin(), seen.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        field = most == seen.end() ? Bitmap::Pack(kTeal) : most->first;
    }

    std::uint32_t At(int x, int y) const {
        if (!box.Contains(x, y) || inner.Width() <= 0 || inner.Height() <= 0) return field;
        const int px = inner.left + static_cast<int>(static_cast<long long>(x - box.left) * inner.Width() / box.Width());
        const int py = inner.top + static_cast<int>(static_cast<long long>(y - box.top) * inner.Height() / box.Height());
        return picture.Row(py)[px];
    }
};

// Whether the points along the edge from (x0, y0) to (x1, y1) (one of them fixed) all lie in
// the part.
bool PartEdgeWithin(const PartPixels& p, int width, int x0, int y0, int x1, int y1) {
    constexpr int kEdgeStep = 2;
    for (int x = x0; x <= x1; x += kEdgeStep)
        for (int y = y0; y <= y1; y += kEdgeStep)
            if (!p.Has(x, y, width)) return false;
    return p.Has(x1, y1, width);
}

// The box a part's drawing is reduced into: the part's bounds when it fills most of them (a
// half per pale or per fess, a cell of a grid), otherwise the box grown from the part's middle
// while it stays within the part (the triangle of a field per bend), no more than half again as
// wide as high or high as wide.
Rect BoxOfPart(const PartPixels& p, int width) {
    const long boundsArea = static_cast<long>(p.bounds.Width()) * p.bounds.Height();
    constexpr long kFilledShare = 4;  // of five
    if (boundsArea == 0 || p.count * 5 >= boundsArea * kFilledShare) {
        // A part drawn in a cell's shape can be at most about twice as high as wide (a field
        // tierced per pale is not): a narrower part's drawing takes the middle of its height.
        constexpr int kHighestShare = 2;
        Rect box = p.bounds;
        if (box.Height() > kHighestShare * box.Width()) {
            const int middle = (box.top + box.bottom) / 2, high = kHighestShare * box.Width();
            box.top = middle - high / 2;
            box.bottom = box.top + high;
        }
        return box;
    }
    long sx = 0, sy = 0;
    for (int y = p.bounds.top; y < p.bounds.bottom; ++y)
        for (int x = p.bounds.left; x < p.bounds.right; ++x)
            if (p.Has(x, y, width)) {
                sx += x;
                sy += y;
            }
    const int cx = static_cast<int>(sx / p.count), cy = static_cast<int>(sy / p.count);
    Rect box{cx, cy, cx + 1, cy + 1};
    for (bool grew = true; grew;) {
        grew = false;
        const bool wider = box.Width() * 2 <= box.Height() * 3, higher = box.Height() * 2 <= box.Width() * 3;
        if (wider && PartEdgeWithin(p, width, box.left - 1, box.top, box.left - 1, box.bottom - 1)) --box.left, grew = true;
        if (wider && PartEdgeWithin(p, width, box.right, box.top, box.right, box.bottom - 1)) ++box.right, grew = true;
        if (higher && PartEdgeWithin(p, width, box.left, box.top - 1, box.right - 1, box.top - 1)) --box.top, grew = true;
        if (higher && PartEdgeWithin(p, width, box.left, box.bottom, box.right - 1, box.bottom)) ++box.bottom, grew = true;
    }
    return box;
}

// Pixels of a part that its parts' map left to none (the map's edge) go to the part nearest
// along their row.
void GiveLeftoverPixels(const PartPixels& within, std::vector<PartPixels>& parts, int width) {
    auto owner = [&](int x, int y) {
        for (std::size_t k = 0; k < parts.size(); ++k)
            if (parts[k].Has(x, y, width)) return static_cast<int>(k);
        return -1;
    };
    for (int y = within.bounds.top; y < within.bounds.bottom; ++y)
        for (int x = within.bounds.left; x < within.bounds.right; ++x) {
            if (!within.Has(x, y, width) || owner(x, y) >= 0) continue;
            for (int d = 1; d < within.bounds.Width(); ++d) {
                const int k = std::max(owner(x - d, y), owner(x + d, y));
                if (k < 0) continue;
                parts[static_cast<std::size_t>(k)].in[static_cast<std::size_t>(y) * width + x] = 1;
                break;
            }
        }
}

// The drawing's steps share the host, the picture being made and the whole text's trace.
struct PartedDrawing {
    DrawingState& s;
    DrawHost& host;
    Bitmap& image;
    DrawingTrace* trace;

    int Width() const { return image.Width(); }

    // A drawing that is not a part of the arms (the map of the parts): no trace of its own.
    void DrawUntraced(const std::string& text, const Rect* shapedTo) {
        s.trace = nullptr;
        if (shapedTo) DrawPartShaped(s, text, host, *shapedTo);
        else DrawMarshalledPart(s, text, host, PartOutline::Shield);
        s.trace = trace;
        s.messages.KeepCopyIn(trace ? &trace->messages : nullptr);
    }

    // The part's pixels, told apart by the map of `field` drawn in `box` (the whole shield when
    // `box` is null).
    std::vector<PartPixels> Divide(const PartedField& field, const PartPixels* within, const Rect* box) {
        DrawUntraced(PartitionMapText(field), box);
        const int W = Width(), H = image.Height();
        std::vector<PartPixels> parts(field.parts.size());
        for (PartPixels& p : parts) p.in.assign(static_cast<std::size_t>(W) * H, 0);
        const Rect whole{0, 0, W, H};
        const Rect& area = within ? within->bounds : whole;
        std::optional<PartPicture> map;
        if (box) map.emplace(s.picture, *box);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                if (within && !within->Has(x, y, W)) continue;
                const std::uint32_t pixel = map ? map->At(x, y)
                                                : (x < s.picture.Width() && y < s.picture.Height() ? s.picture.Row(y)[x] : 0);
                const int k = MapPartOf(pixel);
                if (k >= 0 && static_cast<std::size_t>(k) < parts.size())
                    parts[static_cast<std::size_t>(k)].in[static_cast<std::size_t>(y) * W + x] = 1;
            }
        if (within) GiveLeftoverPixels(*within, parts, W);
        for (PartPixels& p : parts) BoundPartPixels(p, W, H);
        return parts;
    }

    void Paint(const std::string& text, const std::string& placed, const PartPixels& p) {
        if (p.count == 0) return;
        const Rect box = BoxOfPart(p, Width());
        DrawPartShaped(s, text, host, box);
        if (trace && !trace->parts.empty()) {
            trace->parts.back().placed = placed;
            trace->parts.back().partBox = {box.left, box.top, box.right, box.bottom, s.picture.Width(), s.picture.Height()};
        }
        const PartPicture drawn(s.picture, box);
        for (int y = p.bounds.top; y < p.bounds.bottom; ++y) {
            std::uint32_t* out = image.Row(y);
            for (int x = p.bounds.left; x < p.bounds.right; ++x)
                if (p.Has(x, y, Width())) out[x] = drawn.At(x, y);
        }
    }
};

}  // namespace

void DrawPartedField(DrawingState& s, const PartedField& field, DrawHost& host) {
    DrawingTrace* const trace = s.trace;
    for (const std::string_view doubt : field.doubts) s.messages.Show(doubt);
    Bitmap image;
    PartedDrawing d{s, host, image, trace};
    // The map of the whole shield is also the picture's start: its outline and the teal round it.
    d.DrawUntraced(PartitionMapText(field), nullptr);
    image = s.picture;
    const std::vector<PartPixels> parts = d.Divide(field, nullptr, nullptr);
    for (std::size_t k = 0; k < field.parts.size(); ++k) {
        const FieldPart& part = field.parts[k];
        if (part.parted.empty()) {
            d.Paint(part.text, part.placed, parts[k]);
            continue;
        }
        const PartedField& inner = part.parted.front();
        const std::vector<PartPixels> cells = d.Divide(inner, &parts[k], &parts[k].bounds);
        for (std::size_t j = 0; j < inner.parts.size(); ++j)
            d.Paint(inner.parts[j].text, part.placed + ", " + inner.parts[j].placed, cells[j]);
    }
    // The geometry is left as a whole shield's, as a drawing of single arms leaves it.
    d.DrawUntraced(PartitionMapText(field), nullptr);
    std::swap(s.picture, image);
}

}  // namespace esc
