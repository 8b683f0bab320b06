#include "interpret/Marshalling.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/Messages.h"
#include "engine/Painter.h"
#include "interpret/DrawingDriver.h"
#include "interpret/Trace.h"

namespace esc {
namespace {

constexpr std::string_view kImpalingJoin = " impaling: ";
constexpr int kDividingPen = 2;
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

// A split whose parts can all be drawn: none empty, none longer than the blazon buffer.
SplitText Checked(SplitText split) {
    for (int i = 0; i < split.count; ++i) {
        const std::string& part = split.parts[static_cast<std::size_t>(i)];
        if (IsBlankText(part)) split.error = msg::kEmptyPart;
        else if (part.size() > static_cast<std::size_t>(kMaxBlazonChars)) split.error = msg::kPartTooLong;
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

// Draws one part as single arms in marshalling mode: a rectangular outline, the picture 481
// high. The part's reading goes into a trace of its own under the whole text's trace.
void DrawPart(DrawingState& s, std::string_view text, DrawHost& host) {
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
    BeginDrawing(s);
    host.BeforeDrawing();
    DrawShieldOutline(s);
    std::string buffer(text);
    InterpretSingleArms(s, buffer);
    host.ShowPicture();
    if (whole) whole->messages.insert(whole->messages.end(), part->messages.begin(), part->messages.end());
    s.messages.KeepCopyIn(whole ? &whole->messages : nullptr);
    s.trace = whole;
}

void DrawBorder(Bitmap& image, int W, int H) {
    image.Line(1, 1, W - 1, 1, kBlack, kDividingPen);
    image.Line(W - 1, 1, W - 1, H, kBlack, kDividingPen);
    image.Line(W - 1, H, 1, H, kBlack, kDividingPen);
    image.Line(1, H, 1, 1, kBlack, kDividingPen);
}

// Scales the rectangle `from` of src into the rectangle `to` of dst (each axis separately,
// nearest pixel), writing only inside `clip` and dst. Source pixels outside src read as teal.
// One pass over the rows, without the intermediate copies a copy-then-stretch would make: a
// quartered drawing stretches nine such rectangles.
void Stretch(const Bitmap& src, Rect from, Bitmap& dst, Rect to, Rect clip) {
    const int w = to.Width(), h = to.Height();
    if (w <= 0 || h <= 0 || from.Width() <= 0 || from.Height() <= 0) return;
    const int x0 = std::max({to.left, clip.left, 0}), x1 = std::min({to.right, clip.right, dst.Width()});
    const int y0 = std::max({to.top, clip.top, 0}), y1 = std::min({to.bottom, clip.bottom, dst.Height()});
    if (x0 >= x1 || y0 >= y1) return;
    std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
    for (int x = x0; x < x1; ++x)
        columns[static_cast<std::size_t>(x - x0)] =
            from.left + static_cast<int>(static_cast<long long>(x - to.left) * from.Width() / w);
    const std::uint32_t teal = Bitmap::Pack(kTeal);
    for (int y = y0; y < y1; ++y) {
        const int sy = from.top + static_cast<int>(static_cast<long long>(y - to.top) * from.Height() / h);
        const bool rowInside = sy >= 0 && sy < src.Height();
        const std::uint32_t* in = rowInside ? src.Row(sy) : nullptr;
        std::uint32_t* out = dst.Row(y);
        for (int x = x0; x < x1; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - x0)];
            out[x] = rowInside && sx >= 0 && sx < src.Width() ? in[sx] : teal;
        }
    }
}

void Stretch(const Bitmap& src, Rect from, Bitmap& dst, Rect to) {
    Stretch(src, from, dst, to, {0, 0, dst.Width(), dst.Height()});
}

Rect Whole(const Bitmap& b) { return {0, 0, b.Width(), b.Height()}; }

Rect CanvasPart(const Rect& box, int width, int height) {
    return {box.left, box.top, box.left + width, box.top + height};
}

}  // namespace

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
    if (drawFirst || s.picture.Height() != kMarshallingPictureHeight) DrawPart(s, text, host);

    const int W = s.geometry.W, H = s.geometry.H;
    if (kind == MarshallingKind::Quartered) {
        // Stretched to PaintBox3's size in every box; the box clips what does not fit.
        const Rect& box = kQuarterBoxes[static_cast<std::size_t>(part)];
        Stretch(s.picture, Whole(s.picture), board.canvas, CanvasPart(box, kBoxW, kBoxH), box);
    } else {
        const Rect& corner = part == 0 ? kPaintBox3 : kPaintBox5;
        Stretch(s.picture, Whole(s.picture), board.canvas, CanvasPart(corner, W / 2, H));
    }
    board.parts[static_cast<std::size_t>(part)] = std::string(text);
    return std::all_of(board.parts.begin(), board.parts.begin() + parts, [](const std::string& p) { return !p.empty(); });
}

std::string ShowMarshalled(DrawingState& s, MarshallingKind kind, MarshallingBoard board) {
    // The geometry of a part's drawing: W = 415, H = 480.
    s.geometry.Compute(kImageWidth, kImageHeight, true);
    const int W = s.geometry.W, H = s.geometry.H;
    Bitmap& image = board.image1;
    const Bitmap& canvas = board.canvas;
    if (kind == MarshallingKind::Impaled) {
        Stretch(canvas, CanvasPart(kPaintBox3, W / 2, H), image, {2, 1, W / 2, H});
        Stretch(canvas, CanvasPart(kPaintBox5, W / 2, H), image, {W / 2, 1, W + 1, H});
        DrawBorder(image, W, H);
        image.Line(W / 2, 0, W / 2, H, kBlack, kDividingPen);
    } else {
        const int a = kBoxW, b = kBoxH;
        Stretch(canvas, CanvasPart(kPaintBox3, a, b), image, {2, 2, a, b + 2});
        Stretch(canvas, CanvasPart(kPaintBox5, a, b), image, {a + 1, 2, 2 * a + 1, b + 2});
        Stretch(canvas, CanvasPart(kPaintBox4, a, b), image, {2, b + 3, a, 2 * b + 5});
        Stretch(canvas, CanvasPart(kPaintBox6, a, b + 2), image, {a, b + 3, 2 * a + 1, 2 * b + 7});
        DrawBorder(image, W, H);
        image.Line(W / 2, 0, W / 2, H, kBlack, kDividingPen);
        image.Line(0, H / 2, W, H / 2, kBlack, kDividingPen);
    }
    s.picture = image.Copy({0, 0, image.Width(), image.Height() - 40});
    return kind == MarshallingKind::Impaled ? ComposeImpaled(board.parts) : ComposeQuartered(board.parts);
}

void DrawMarshalledText(DrawingState& s, std::string_view text, MarshallingKind kind, DrawHost& host) {
    const SplitText split = kind == MarshallingKind::Impaled ? SplitImpaled(text) : SplitQuartered(text);
    if (!split.error.empty()) {
        s.messages.Show(split.error);
        return;
    }
    OffscreenBoard own;
    const std::optional<MarshallingBoard> hosted = host.Board();
    const MarshallingBoard board = hosted ? *hosted : own.Board();

    const bool wasMarshalling = s.marshallingMode;
    host.MarshallingStarts(kind);
    s.marshallingMode = true;
    for (int n = 0; n < split.count; ++n) {
        const std::string& part = split.parts[static_cast<std::size_t>(n)];
        host.SetBlazonText(part);
        (void)BuildPart(s, kind, n, part, true, host, board);
    }
    host.SetBlazonText(std::string(text));
    const std::string composed = ShowMarshalled(s, kind, board);
    host.SetBlazonText(composed);
    if (s.trace) s.trace->composed = composed;
    host.MarshallingEnds(kind);
    s.marshallingMode = wasMarshalling;
}

}  // namespace esc
