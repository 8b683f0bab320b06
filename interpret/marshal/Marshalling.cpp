#include "interpret/marshal/Marshalling.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/marshal/MarshalledGrid.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

constexpr std::string_view kImpalingJoin = " impaling: ";
constexpr int kDividingPen = kDividingPenWidth;
// The paint boxes take a part at the size of PaintBox3; the narrower boxes clip it.
constexpr int kBoxW = 207, kBoxH = 238;

constexpr std::size_t kNone = std::string_view::npos;

// Where the word that carries the colon at `colon` begins: one past the nearest blank before
// it, or the start of the text when there is none.
std::size_t WordStart(std::string_view text, std::size_t colon) {
    const std::size_t blank = text.rfind(' ', colon);
    return blank == kNone ? 0 : blank + 1;
}

// The part after the colon at `colon` (two characters on: the colon and the blank after it),
// up to `end`.
std::string PartAfter(std::string_view text, std::size_t colon, std::size_t end) {
    const std::size_t start = std::min(colon + 2, text.size());
    return std::string(text.substr(start, end > start ? end - start : 0));
}

bool IsBlankText(std::string_view text) { return text.find_first_not_of(" \t\r\n") == kNone; }

// A split whose parts can all be drawn: none empty, none longer than a marshalled text holds (a
// part longer than the blazon buffer is read in pieces as single arms are).
SplitText Checked(SplitText split) {
    for (int i = 0; i < split.count; ++i) {
        const std::string& part = split.parts[static_cast<std::size_t>(i)];
        if (IsBlankText(part)) split.error = msg::kEmptyPart;
        else if (part.size() > static_cast<std::size_t>(kMaxMarshalledChars)) split.error = msg::kPartTooLong;
        if (!split.error.empty()) break;
    }
    if (!split.error.empty()) split.parts = {};
    return split;
}

SplitText Refused(std::string_view error) {
    SplitText split;
    split.error = error;
    return split;
}

// The border's pen runs along the picture's edges, `pen` wide: its lines stand half a pen in
// from the left and top and from the right, and on the last row H of the assembly.
void DrawBorder(Bitmap& image, int W, int H, int pen) {
    const int near = pen / 2, far = W - pen + pen / 2;
    image.Line(near, near, far, near, kBlack, pen);
    image.Line(far, near, far, H, kBlack, pen);
    image.Line(far, H, near, H, kBlack, pen);
    image.Line(near, H, near, near, kBlack, pen);
}

// One axis of a nearest-pixel stretch of [f0, f0 + fLen) onto [o0, o0 + oLen): for each target
// coordinate of [t0, t1), the source coordinate it reads, or -1 where that falls outside
// [0, limit) (read as teal).
std::vector<int> AxisMap(int t0, int t1, int o0, int oLen, int f0, int fLen, int limit) {
    std::vector<int> map(static_cast<std::size_t>(std::max(t1 - t0, 0)));
    for (int t = t0; t < t1; ++t) {
        const int f = f0 + static_cast<int>(static_cast<long long>(t - o0) * fLen / oLen);
        map[static_cast<std::size_t>(t - t0)] = f >= 0 && f < limit ? f : -1;
    }
    return map;
}

// Writes dst from (x0, y0) on: pixel (x0 + i, y0 + j) takes src's (columns[i], rows[j]), teal
// where either is -1.
void Gather(const Bitmap& src, const std::vector<int>& columns, const std::vector<int>& rows, Bitmap& dst, int x0,
            int y0) {
    const std::uint32_t teal = Bitmap::Pack(kTeal);
    const std::size_t n = columns.size();
    // A stretch's map is monotonic, so the columns it reads form one run [i0, i1) with teal on
    // either side; that run is copied without a test per pixel.
    std::size_t i0 = 0, i1 = n;
    while (i0 < n && columns[i0] < 0) ++i0;
    while (i1 > i0 && columns[i1 - 1] < 0) --i1;
    const bool oneRun = std::all_of(columns.begin() + static_cast<std::ptrdiff_t>(i0),
                                    columns.begin() + static_cast<std::ptrdiff_t>(i1), [](int c) { return c >= 0; });
    const int* column = columns.data();
    for (std::size_t j = 0; j < rows.size(); ++j) {
        std::uint32_t* out = dst.Row(y0 + static_cast<int>(j)) + x0;
        if (rows[j] < 0) {
            std::fill_n(out, n, teal);
            continue;
        }
        const std::uint32_t* in = src.Row(rows[j]);
        if (!oneRun) {
            for (std::size_t i = 0; i < n; ++i) out[i] = column[i] >= 0 ? in[column[i]] : teal;
            continue;
        }
        std::fill(out, out + i0, teal);
        for (std::size_t i = i0; i < i1; ++i) out[i] = in[column[i]];
        std::fill(out + i1, out + n, teal);
    }
}

// The part of `to` a stretch writes: inside `clip` and inside dst.
Rect Written(Rect to, Rect clip, int width, int height) {
    return {std::max({to.left, clip.left, 0}), std::max({to.top, clip.top, 0}), std::min({to.right, clip.right, width}),
            std::min({to.bottom, clip.bottom, height})};
}

// Scales the rectangle `from` of src into the rectangle `to` of dst (each axis separately,
// nearest pixel), writing only inside `clip` and dst. Source pixels outside src read as teal.
// One pass over the rows, without the intermediate copies a copy-then-stretch would make.
void Stretch(const Bitmap& src, Rect from, Bitmap& dst, Rect to, Rect clip) {
    if (to.Width() <= 0 || to.Height() <= 0 || from.Width() <= 0 || from.Height() <= 0) return;
    const Rect out = Written(to, clip, dst.Width(), dst.Height());
    if (out.left >= out.right || out.top >= out.bottom) return;
    Gather(src, AxisMap(out.left, out.right, to.left, to.Width(), from.left, from.Width(), src.Width()),
           AxisMap(out.top, out.bottom, to.top, to.Height(), from.top, from.Height(), src.Height()), dst, out.left,
           out.top);
}

void Stretch(const Bitmap& src, Rect from, Bitmap& dst, Rect to) {
    Stretch(src, from, dst, to, {0, 0, dst.Width(), dst.Height()});
}

// The two stretches of a part (the part's picture into place.to on a teal canvas, within
// place.clip; then the canvas rectangle `from` into `to` of dst) done as one: each axis's two
// maps composed, so dst receives exactly what the two would give, without the canvas.
void StretchKept(const Bitmap& part, CanvasPlace place, Rect from, Bitmap& dst, Rect to, int canvasWidth,
                 int canvasHeight) {
    if (to.Width() <= 0 || to.Height() <= 0 || from.Width() <= 0 || from.Height() <= 0) return;
    const Rect out = Written(to, {0, 0, dst.Width(), dst.Height()}, dst.Width(), dst.Height());
    if (out.left >= out.right || out.top >= out.bottom) return;
    const bool partDrawn = part.Width() > 0 && part.Height() > 0 && place.to.Width() > 0 && place.to.Height() > 0;
    const Rect onCanvas = Written(place.to, place.clip, canvasWidth, canvasHeight);
    auto compose = [&](std::vector<int> canvasMap, int written0, int written1, int to0, int toLen, int partLen) {
        for (int& c : canvasMap) {
            if (c < written0 || c >= written1 || !partDrawn) {
                c = -1;  // a canvas pixel the part's copy did not reach: teal
                continue;
            }
            const int f = static_cast<int>(static_cast<long long>(c - to0) * partLen / toLen);
            c = f >= 0 && f < partLen ? f : -1;
        }
        return canvasMap;
    };
    const std::vector<int> columns =
        compose(AxisMap(out.left, out.right, to.left, to.Width(), from.left, from.Width(), canvasWidth),
                onCanvas.left, onCanvas.right, place.to.left, place.to.Width(), part.Width());
    const std::vector<int> rows =
        compose(AxisMap(out.top, out.bottom, to.top, to.Height(), from.top, from.Height(), canvasHeight),
                onCanvas.top, onCanvas.bottom, place.to.top, place.to.Height(), part.Height());
    Gather(part, columns, rows, dst, out.left, out.top);
}

Rect Whole(const Bitmap& b) { return {0, 0, b.Width(), b.Height()}; }

// A rectangle of the design measured in picture pixels at the geometry's paint scale (the
// canvas and the assembly are k times finer at k, as the parts are).
Rect Px(const ShieldGeometry& g, const Rect& r) { return {g.Px(r.left), g.Px(r.top), g.Px(r.right), g.Px(r.bottom)}; }

// `width` by `height` from the corner of a paint box of the canvas at the geometry's scale.
Rect CanvasPart(const ShieldGeometry& g, const Rect& box, int width, int height) {
    const Rect b = Px(g, box);
    return {b.left, b.top, b.left + width, b.top + height};
}

// Where part n's reduced copy goes on the canvas. A quarter is stretched to PaintBox3's size in
// every box, and the box clips what does not fit; a half is stretched to half the part's width.
CanvasPlace PlaceOfPart(const ShieldGeometry& g, MarshallingKind kind, int part) {
    if (kind == MarshallingKind::Quartered) {
        const Rect& box = kQuarterBoxes[static_cast<std::size_t>(part)];
        return {CanvasPart(g, box, g.Px(kBoxW), g.Px(kBoxH)), Px(g, box)};
    }
    return {CanvasPart(g, part == 0 ? kPaintBox3 : kPaintBox5, g.W / 2, g.H),
            {0, 0, g.Px(kCanvasWidth), g.Px(kCanvasHeight)}};
}

}  // namespace

void DrawMarshalledPart(DrawingState& s, std::string_view text, DrawHost& host, PartOutline outline) {
    DrawingTrace* whole = s.trace;
    DrawingTrace* part = nullptr;
    if (whole) {
        whole->parts.emplace_back();
        part = &whole->parts.back();
        part->blazon = std::string(text);
        part->road = "single";
    }
    s.trace = part;
    s.messages.KeepCopyIn(part ? &part->messages : nullptr);
    const bool wasMarshalling = s.marshallingMode;
    s.marshallingMode = outline == PartOutline::Rectangle;
    BeginDrawing(s);
    host.BeforeDrawing();
    DrawShieldOutline(s);
    std::string buffer(text);
    InterpretSingleArms(s, buffer);
    host.ShowPicture();
    s.marshallingMode = wasMarshalling;
    if (whole) whole->messages.insert(whole->messages.end(), part->messages.begin(), part->messages.end());
    s.messages.KeepCopyIn(whole ? &whole->messages : nullptr);
    s.trace = whole;
}

void StretchInto(const Bitmap& src, Bitmap& dst, Rect to) { Stretch(src, Whole(src), dst, to); }

void DrawMarshallingBorder(Bitmap& image, int W, int H, int pen) { DrawBorder(image, W, H, pen); }

SplitText SplitImpaled(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == kNone) return Refused(msg::kExpectingColon);
    SplitText split;
    split.count = 2;
    // The dexter text ends at the blank before the word that carries the colon; with no blank
    // before it there is no dexter text.
    const std::size_t wordStart = WordStart(text, colon);
    split.parts[0] = std::string(text.substr(0, wordStart == 0 ? 0 : wordStart - 1));
    split.parts[1] = PartAfter(text, colon, text.size());
    return Checked(std::move(split));
}

SplitText SplitQuartered(std::string_view text) {
    std::array<std::size_t, kMaxParts> colons{kNone, kNone, kNone, kNone};
    int found = 0;
    for (std::size_t from = 0; found < kMaxParts; ++found) {
        const std::size_t c = text.find(':', from);
        if (c == kNone) break;
        colons[static_cast<std::size_t>(found)] = c;
        from = c + 1;
    }
    if (found < 1) return Refused(msg::kExpectingColon);
    if (found < 2) return Refused(msg::kExpectingSecondColon);

    const std::size_t label1Start = WordStart(text, colons[0]);
    const std::string_view label1 = text.substr(label1Start, colons[0] - label1Start);
    if (label1 != "1&4" && label1 != "1") return Refused(msg::kExpectingLabel1);
    const std::size_t label2Start = WordStart(text, colons[1]);
    const std::string_view label2 = text.substr(label2Start, colons[1] - label2Start);
    if (label2 != "2&3" && label2 != "2") return Refused(msg::kExpectingLabel2);

    // A later part ends at the blank before the word that carries the next colon, or at the end.
    auto partAfter = [&](int k) {
        const std::size_t next = k + 1 < found ? colons[static_cast<std::size_t>(k + 1)] : kNone;
        const std::size_t end = next == kNone ? text.size() : std::max<std::size_t>(WordStart(text, next), 1) - 1;
        return PartAfter(text, colons[static_cast<std::size_t>(k)], end);
    };

    SplitText split;
    split.count = kMaxParts;
    // Quarter 1 ends where label 2 begins: it keeps the blank before the label.
    split.parts[0] = PartAfter(text, colons[0], label2Start);
    split.parts[1] = partAfter(1);
    int next = 2;
    if (label2 == "2") {
        if (next >= found) return Refused(msg::kExpectingLabel3);
        split.parts[2] = partAfter(next++);
    } else {
        split.parts[2] = split.parts[1];
    }
    if (label1 == "1") {
        if (next >= found) return Refused(msg::kExpectingLabel4);
        split.parts[3] = partAfter(next);
    } else {
        split.parts[3] = split.parts[0];
    }
    return Checked(std::move(split));
}

std::string ComposeImpaled(const PartTexts& p) { return p[0] + std::string(kImpalingJoin) + p[1]; }

std::string ComposeQuartered(const PartTexts& p) {
    const bool oneAndFour = p[0] == p[3], twoAndThree = p[1] == p[2];
    std::string text = "Quarterly ";
    text += oneAndFour ? "1&4: " : "1: ";
    text += p[0];
    text += twoAndThree ? " 2&3: " : " 2: ";
    text += p[1];
    if (!twoAndThree) text += " 3: " + p[2];
    if (!oneAndFour) text += " 4: " + p[3];
    return text;
}

bool BuildPart(DrawingState& s, MarshallingKind kind, int part, std::string_view text, bool drawFirst, DrawHost& host,
               MarshallingBoard board) {
    const int parts = kind == MarshallingKind::Quartered ? kMaxParts : 2;
    if (part < 0 || part >= parts || text.empty()) return false;
    s.marshallingMode = true;
    if (drawFirst || s.picture.Height() != s.geometry.Px(kMarshallingPictureHeight)) DrawMarshalledPart(s, text, host);

    const CanvasPlace place = PlaceOfPart(s.geometry, kind, part);
    if (board.kept) {
        // No window shows the copies: the part's picture itself is kept (swapped, not copied)
        // and assembled from directly.
        std::swap(s.picture, board.kept->pictures[static_cast<std::size_t>(part)]);
        board.kept->places[static_cast<std::size_t>(part)] = place;
    } else {
        Stretch(s.picture, Whole(s.picture), board.canvas, place.to, place.clip);
    }
    board.parts[static_cast<std::size_t>(part)] = std::string(text);
    return std::all_of(board.parts.begin(), board.parts.begin() + parts, [](const std::string& p) { return !p.empty(); });
}

std::string ShowMarshalled(DrawingState& s, MarshallingKind kind, MarshallingBoard board) {
    // The geometry of a part's drawing: W = 415, H = 480 at the design size, k times that at k.
    const ShieldGeometry& g = s.geometry;
    s.geometry.Compute(g.ImageWidth(), g.ImageHeight(), true);
    const int W = g.W, H = g.H, pen = g.Px(kDividingPen);
    Bitmap& image = board.image1;
    // Canvas rectangle `from` of part n into `to` of the image.
    auto assemble = [&](int n, Rect from, Rect to) {
        if (board.kept)
            StretchKept(board.kept->pictures[static_cast<std::size_t>(n)], board.kept->places[static_cast<std::size_t>(n)],
                        from, image, to, g.Px(kCanvasWidth), g.Px(kCanvasHeight));
        else
            Stretch(board.canvas, from, image, to);
    };
    if (kind == MarshallingKind::Impaled) {
        assemble(0, CanvasPart(g, kPaintBox3, W / 2, H), {g.Px(2), g.Px(1), W / 2, H});
        assemble(1, CanvasPart(g, kPaintBox5, W / 2, H), {W / 2, g.Px(1), W + g.Px(1), H});
        DrawBorder(image, W, H, pen);
        image.Line(W / 2, 0, W / 2, H, kBlack, pen);
    } else {
        // The quarters' places on the assembly at the design size, a and b PaintBox3's size.
        const int a = kBoxW, b = kBoxH;
        const int pa = g.Px(a), pb = g.Px(b);
        assemble(0, CanvasPart(g, kPaintBox3, pa, pb), Px(g, {2, 2, a, b + 2}));
        assemble(1, CanvasPart(g, kPaintBox5, pa, pb), Px(g, {a + 1, 2, 2 * a + 1, b + 2}));
        assemble(2, CanvasPart(g, kPaintBox4, pa, pb), Px(g, {2, b + 3, a, 2 * b + 5}));
        assemble(3, CanvasPart(g, kPaintBox6, pa, g.Px(b + 2)), Px(g, {a, b + 3, 2 * a + 1, 2 * b + 7}));
        DrawBorder(image, W, H, pen);
        image.Line(W / 2, 0, W / 2, H, kBlack, pen);
        image.Line(0, H / 2, W, H / 2, kBlack, pen);
    }
    // The picture takes the image less its last 40 rows; same width, so resizing reuses its storage.
    const int rows = image.Height() - g.Px(40);
    if (s.picture.Resize(image.Width(), rows))
        for (int y = 0; y < rows; ++y)
            std::copy_n(image.Row(y), static_cast<std::size_t>(image.Width()), s.picture.Row(y));
    return kind == MarshallingKind::Impaled ? ComposeImpaled(board.parts) : ComposeQuartered(board.parts);
}

void DrawMarshalledText(DrawingState& s, std::string_view text, MarshallingKind kind, DrawHost& host) {
    // More or fewer than four quarters, quarters that are marshalled themselves, an escutcheon
    // over all: one grid of any number of parts.
    if (NeedsGrid(text, kind)) {
        DrawGridText(s, text, kind, host);
        return;
    }
    const SplitText split = kind == MarshallingKind::Impaled ? SplitImpaled(text) : SplitQuartered(text);
    if (!split.error.empty()) {
        s.messages.Show(split.error);
        return;
    }
    // A window's canvas and image are at the design size: at another scale the parts are kept
    // on a board of the drawing's own, sized for that scale.
    const std::optional<MarshallingBoard> hosted = s.geometry.k == 1.0 ? host.Board() : std::nullopt;
    if (!hosted && !s.ownBoard) s.ownBoard = std::make_shared<OffscreenBoard>();
    // The own board is reused: each part's box on the canvas is written whole before it is read,
    // and the image is cleared, so nothing of an earlier drawing shows.
    if (!hosted) {
        (void)s.ownBoard->image1.Resize(s.geometry.Px(kImageWidth), s.geometry.Px(kImageHeight));
        s.ownBoard->image1.Fill(kTeal);
    }
    const MarshallingBoard board = hosted ? *hosted : s.ownBoard->Board();

    // The parts of one text often share pictures ("1&4" draws quarter 1 twice): without a cache
    // of the caller's, one for this drawing decodes each picture file once.
    PictureCache ownPictures;
    PictureCache* const callersPictures = s.pictureCache;
    if (!callersPictures) s.pictureCache = &ownPictures;

    const bool wasMarshalling = s.marshallingMode;
    host.MarshallingStarts(kind);
    s.marshallingMode = true;
    for (int n = 0; n < split.count; ++n) {
        const std::string& part = split.parts[static_cast<std::size_t>(n)];
        host.SetBlazonText(part);
        (void)BuildPart(s, kind, n, part, true, host, board);
        if (s.trace && !s.trace->parts.empty())
            s.trace->parts.back().placed = kind == MarshallingKind::Impaled ? (n == 0 ? "dexter" : "sinister")
                                                                            : "quarter " + std::to_string(n + 1);
    }
    host.SetBlazonText(std::string(text));
    const std::string composed = ShowMarshalled(s, kind, board);
    host.SetBlazonText(composed);
    if (s.trace) s.trace->composed = composed;
    host.MarshallingEnds(kind);
    s.marshallingMode = wasMarshalling;
    s.pictureCache = callersPictures;
}

}  // namespace esc
