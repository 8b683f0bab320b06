// An ordinary on an ordinary: drawn as on the whole field, then every pixel outside the ordinary
// it lies on is put back as it was.

#include "interpret/layout/OrdinaryOnOrdinary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Diminutives.h"
#include "engine/MessageSink.h"
#include "engine/Messages.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Painter.h"
#include "engine/SpanEnd.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

constexpr std::int8_t kUnmarked = -100, kHostMark = 2;

// The shape of the ordinary of the level before, which the current ordinary lies on. Reading an
// ordinary that itself bears charges ("on a chief or on a pale gules a lion") makes its own shape
// the one charges are borne on before it is drawn: its host is then the shape the host's name
// names.
ShapeCode HostOrdinaryShape(const DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const LevelRecord& host = s.levels[static_cast<std::size_t>(s.level - 1)];
    if (!level.levelOn || s.onOrdinaryCode != s.shapeCode || s.vocabulary == nullptr) return s.onOrdinaryCode;
    const VocabularyRow* row = s.vocabulary->Lookup(LookupKey(host.levelName.view()));
    if (row == nullptr || row->type != kTypeOrdinary) return s.onOrdinaryCode;
    return ShapeOfCode(row->sub1);
}

bool LiesOnTheOrdinaryBefore(const DrawingState& s) {
    if (s.level < 1 || s.level >= kMaxLevels) return false;
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const LevelRecord& host = s.levels[static_cast<std::size_t>(s.level - 1)];
    if (level.levelKind != kTypeOrdinary || level.levelIn || level.levelBetween) return false;
    if (!host.levelOn || host.levelKind != kTypeOrdinary || host.levelIn) return false;
    const ShapeCode hostShape = HostOrdinaryShape(s);
    // A canton holds what it bears in its own way (drawn within it), and pallets and bars on a
    // chief are set across its depth.
    // Base esquires are drawn in the chief's own corners already.
    if (hostShape == ShapeCode::kChief &&
        (NamesPallets(level.levelName) || NamesBars(level.levelName) || s.shapeCode == ShapeCode::kBaseEsquires ||
         s.shapeCode == ShapeCode::kBaseEsquireSinister))
        return false;
    return hostShape != ShapeCode::kCanton && hostShape != ShapeCode::kNoShape;
}

// "on an escutcheon gules a bend or", "upon a heart sable a bend sinister ermine", "an
// escutcheon argent charged with a bend gules": an ordinary on the one charge of the phrase
// before, which was painted last.
bool LiesOnTheChargeBefore(const DrawingState& s) {
    if (s.level < 1 || s.level >= kMaxLevels || s.ringWritten < 1) return false;
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const LevelRecord& host = s.levels[static_cast<std::size_t>(s.level - 1)];
    if (level.levelKind != kTypeOrdinary || level.levelIn || level.levelBetween) return false;
    return (host.levelOn || level.levelChargedOn) && host.levelKind != kTypeOrdinary && host.levelKind != 0 && host.levelCount == 1 && !host.levelIn &&
           s.levelTincture[s.level - 1] >= 0;
}

// "on an escutcheon or a lion rampant within a double tressure gules": the ordinary about the one
// charge before, which itself lies on the one charge of the phrase before it, lies on that charge
// too (painted last but one), not on the field.
bool LiesAboutTheChargeOnACharge(const DrawingState& s) {
    if (s.level < 2 || s.level >= kMaxLevels || s.ringWritten < 2) return false;
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const LevelRecord& within = s.levels[static_cast<std::size_t>(s.level - 1)];
    const LevelRecord& host = s.levels[static_cast<std::size_t>(s.level - 2)];
    if (level.levelKind != kTypeOrdinary || level.levelIn || level.levelBetween) return false;
    if (within.levelKind == kTypeOrdinary || within.levelKind == 0 || within.levelCount != 1 || within.levelIn ||
        within.levelOn || within.levelBetween)
        return false;
    if (!host.levelOn || host.levelKind == kTypeOrdinary || host.levelKind == 0 || host.levelCount != 1 || host.levelIn ||
        s.levelTincture[s.level - 2] < 0)
        return false;
    // "within" between the charge's phrase and the ordinary's word.
    for (int i = std::max(s.levelFirstWord - 1, 0); i < s.wordCount && s.Type(i) != kTypeOrdinary; ++i)
        if (EqualsIgnoringCase(s.Word(i), "within")) return true;
    return false;
}

// The pixels of the charge `back` levels before the current one, painted `back` placements ago:
// those of its tincture within the box it painted.
std::vector<std::int8_t> ChargeHostPixels(const DrawingState& s, int back) {
    std::vector<std::int8_t> host(s.pictureBuffer.size(), kUnmarked);
    const RingEntry& last = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - back) % kPlacementRingSize)];
    const int w = s.geometry.W, tincture = s.levelTincture[s.level - back];
    for (int y = std::max(last.drawn.top, 0); y < last.drawn.bottom; ++y)
        for (int x = std::max(last.drawn.left, 0); x < std::min(last.drawn.right, w); ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
            if (i < host.size() && s.pictureBuffer[i] == tincture) host[i] = kHostMark;
        }
    return host;
}

// The pixels of the host ordinary, the one of level `hostLevel` drawn as `shape`: drawn alone on
// an empty picture as it was drawn on the shield.
std::vector<std::int8_t> HostPixels(const DrawingState& s, int hostLevel, ShapeCode shape) {
    NullSink sink;
    PaintState mask(sink);
    mask.marshallingMode = s.marshallingMode;
    // Drawn at the drawing's paint scale, as the host was.
    if (mask.geometry.k != s.geometry.k) mask.ApplyPaintScale(s.geometry.k);
    if (mask.picture.Width() != s.picture.Width() || mask.picture.Height() != s.picture.Height())
        (void)mask.picture.Resize(s.picture.Width(), s.picture.Height());
    DrawShieldOutline(mask);
    std::fill(mask.pictureBuffer.begin(), mask.pictureBuffer.end(), kUnmarked);
    mask.level = 0;
    mask.levels[0] = s.levels[static_cast<std::size_t>(hostLevel)];
    mask.levelTincture[0] = kHostMark;
    mask.partitionCode = s.partitionCode;
    mask.lineCode = mask.levels[0].levelLine;
    DrawOrdinary(mask, {shape, false});
    return mask.pictureBuffer;
}

// Chevronels on a pale stand one above another down its length, each across the pale's breadth
// (laid on the field's own chevronels they would crowd round the fess point in a nest of
// apexes). Each has a slot of the pale's length; its drop across the pale and its band's depth
// fill kChevronelShareOfSlot of the slot, the band never deeper than half the pale is broad.
constexpr int kPaleTopPercent = 6, kPaleFootPercent = 94, kChevronelShareOfSlot = 65;
constexpr double kDropPerAcross = 0.839;  // tan 40: the limbs fall at 40 degrees
// A slanted band's width as the band painter takes it: its depth in rows and this much more.
constexpr int kSlantedBandAllowance = 20;

void ChevronelsDownThePale(DrawingState& s) {
    using shapes::BandFrom;
    const ShieldGeometry& g = s.geometry;
    const int n = shapes::RepeatCount(s);
    if (n < 1) return;
    const int top = g.H * kPaleTopPercent / 100, slot = (g.H * kPaleFootPercent / 100 - top) / n;
    const int half = shapes::PaleHalfWidth(g);
    const int drop = static_cast<int>(half * kDropPerAcross);
    const int depth = std::clamp(slot * kChevronelShareOfSlot / 100 - drop, 2, half);
    const int width = depth + kSlantedBandAllowance;
    const ShapeOutline outline = OutlineOfState(s);
    for (int i = 0; i < n; ++i) {
        const int apex = top + i * slot + (slot - drop) / 2;  // the slot's middle between apex and limb ends
        BandFrom(s, outline, g.W / 2, apex, 220, g.W / 2, width);
        BandFrom(s, outline, g.W / 2, apex, 320, g.W / 2, width);
    }
}

// The box round the host's pixels.
Rect HostBox(const std::vector<std::int8_t>& host, int width) {
    Rect box{width, 0, 0, 0};
    bool any = false;
    for (std::size_t i = 0; i < host.size(); ++i) {
        if (host[i] != kHostMark) continue;
        const int x = static_cast<int>(i % static_cast<std::size_t>(width)), y = static_cast<int>(i / static_cast<std::size_t>(width));
        if (!any) box.top = y;
        any = true;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x + 1);
        box.bottom = y + 1;
    }
    return any ? box : Rect{};
}

// The whole field's ordinaries whose one charge lies at the fess point: on a chief, where they
// are drawn reduced into it, that spot is the chief's middle.
bool BearsOneAtTheMiddle(ShapeCode shape) {
    return shape == ShapeCode::kCross || shape == ShapeCode::kSaltire || shape == ShapeCode::kPale || shape == ShapeCode::kFess ||
           shape == ShapeCode::kBend || shape == ShapeCode::kBendSinister;
}

// The middle line of an ordinary that runs across the field, from end to end in field pixels:
// the line several charges on it are spread along. Nothing for the others.
struct LineAcrossTheField {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
std::optional<LineAcrossTheField> MiddleLineOf(const ShieldGeometry& g, ShapeCode shape) {
    const double w = g.W, h = g.H, midX = g.W2, midY = g.H2, margin = g.W / 10.0;
    switch (shape) {
        case ShapeCode::kFess: return LineAcrossTheField{margin, midY, w - margin, midY};
        case ShapeCode::kPale: return LineAcrossTheField{midX, margin, midX, h - margin};
        case ShapeCode::kBend: return LineAcrossTheField{margin, margin, w - margin, h - margin};
        case ShapeCode::kBendSinister: return LineAcrossTheField{w - margin, margin, margin, h - margin};
        default: return std::nullopt;
    }
}

// The ordinary's breadth at (x, y) as painted: the shorter of the runs of its tincture across and
// down through the point; 0 when the point is not on it.
int BreadthOfTheBearerAt(const DrawingState& s, int x, int y, int tincture) {
    const int w = s.geometry.W, h = s.picture.Height();
    const auto on = [&](int px, int py) {
        if (px < 0 || py < 0 || px >= w || py >= h) return false;
        const std::size_t i = static_cast<std::size_t>(py) * static_cast<std::size_t>(w) + static_cast<std::size_t>(px);
        return i < s.pictureBuffer.size() && s.pictureBuffer[i] == tincture;
    };
    if (!on(x, y)) return 0;
    int left = x, right = x, top = y, bottom = y;
    while (on(left - 1, y)) --left;
    while (on(right + 1, y)) ++right;
    while (on(x, top - 1)) --top;
    while (on(x, bottom + 1)) ++bottom;
    return std::min(right - left + 1, bottom - top + 1);
}

// A charge's extent as a share of its slot along the line.
constexpr double kChargeShareOfItsSlot = 0.85;

// How much of the chief's depth a charge on the ordinary within it stands.
constexpr float kChargeShareOfChiefDepth = 0.8f;
constexpr float kChargeOnChiefFallbackScale = 0.4f;  // a picture with no extent: as on a chief

// A plain bordure on a charge (an escutcheon, a lozenge, a roundel): the charge's pixels lying
// within the bordure's breadth, reduced as the charge is from the shield, of the charge's own
// edge, so that its inner edge follows the charge's outline rather than the shield's.
void BordureAlongTheHost(DrawingState& s, const std::vector<std::int8_t>& host, Rect box) {
    const ShieldGeometry& g = s.geometry;
    const double breadth = static_cast<double>(g.Px(kBordureBreadth - 3)) * box.Width() / std::max(g.W, 1);
    // The box and a pixel's margin round it, which lies off the host.
    const int left = box.left - 1, top = box.top - 1, w = box.Width() + 2, h = box.Height() + 2;
    auto onHost = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= g.W) return false;
        const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
        return i < host.size() && host[i] == kHostMark;
    };
    // Each pixel's distance to the nearest pixel outside the host's outline, by two sweeps of a
    // chamfer. Outside is what the margin reaches without crossing the host: a charge lying on
    // the host (the mullet within the bordure) is a hole in its pixels, not a piece of its edge.
    constexpr float kFarFromEdge = 1e9f, kDiagonalStep = 1.4142f;
    std::vector<float> distance(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kFarFromEdge);
    auto at = [&](int x, int y) -> float& { return distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)]; };
    std::vector<std::pair<int, int>> reached;
    auto reach = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || at(x, y) == 0 || onHost(left + x, top + y)) return;
        at(x, y) = 0;
        reached.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!reached.empty()) {
        const auto [x, y] = reached.back();
        reached.pop_back();
        reach(x - 1, y);
        reach(x + 1, y);
        reach(x, y - 1);
        reach(x, y + 1);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float& d = at(x, y);
            if (x > 0) d = std::min(d, at(x - 1, y) + 1);
            if (y > 0) d = std::min({d, at(x, y - 1) + 1, x > 0 ? at(x - 1, y - 1) + kDiagonalStep : kFarFromEdge,
                                     x + 1 < w ? at(x + 1, y - 1) + kDiagonalStep : kFarFromEdge});
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            float& d = at(x, y);
            if (x + 1 < w) d = std::min(d, at(x + 1, y) + 1);
            if (y + 1 < h) d = std::min({d, at(x, y + 1) + 1, x + 1 < w ? at(x + 1, y + 1) + kDiagonalStep : kFarFromEdge,
                                         x > 0 ? at(x - 1, y + 1) + kDiagonalStep : kFarFromEdge});
        }
    const int code = s.levelTincture[s.level];
    auto inBordure = [&](int x, int y) { return at(x, y) > 0 && at(x, y) <= breadth; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w;) {
            if (!inBordure(x, y)) {
                ++x;
                continue;
            }
            int last = x;
            while (last + 1 < w && inBordure(last + 1, y)) ++last;
            PaintSpan(s, left + x, top + y, SpanEndFor(code, left + last));
            x = last + 1;
        }
}

}  // namespace

bool ChargesOnTheOrdinaryWithinTheChief(DrawingState& s, int back) {
    const int bearerLevel = s.level - back, chiefLevel = bearerLevel - 1;
    if (chiefLevel < 0 || bearerLevel >= kMaxLevels) return false;
    const LevelRecord& chief = s.levels[static_cast<std::size_t>(chiefLevel)];
    const LevelRecord& bearer = s.levels[static_cast<std::size_t>(bearerLevel)];
    if (chief.levelKind != kTypeOrdinary || !chief.levelOn || chief.levelIn || chief.levelName != "chief") return false;
    if (bearer.levelKind != kTypeOrdinary || !bearer.levelOn || bearer.levelIn || bearer.levelBetween) return false;
    // Pallets and bars on a chief are set across its depth, not reduced into it.
    if (NamesPallets(bearer.levelName) || NamesBars(bearer.levelName)) return false;
    const ShapeCode shape = s.onOrdinaryCode;
    const LevelRecord& level = phrase::Current(s);
    if (level.levelIn) return false;
    // "on a chief or on a pale between two lions gules a lion or": the pair beside the pale lie
    // on the chief, as about a pale on a chief that bears nothing.
    if (level.levelBetween) {
        NoteLayout(s, "ChargesOnTheOrdinaryWithinTheChief(beside it on the chief)");
        s.shapeCode = ShapeCode::kChief;
        ChargesOnOrdinary(s, ShapeCode::kChief);
        return true;
    }
    NoteLayout(s, "ChargesOnTheOrdinaryWithinTheChief(" + std::to_string(CodeOf(shape)) + ")");
    const int n = level.levelCount;
    const std::optional<LineAcrossTheField> line = MiddleLineOf(s.geometry, shape);
    if (n < 1 || (n > 1 && !line) || !BearsOneAtTheMiddle(shape)) {
        NoteLayout(s, "none: no places for these charges on an ordinary within a chief");
        s.messages.Show(WithCount(msg::kNoLayoutForCount, level.levelCount));
        return true;
    }
    const Rect box = HostBox(HostPixels(s, chiefLevel, ShapeCode::kChief), s.geometry.W);
    if (box.Width() <= 0 || box.Height() <= 0) return false;
    const ShieldGeometry& g = s.geometry;
    // A point of the field the ordinary was drawn on, brought into the chief as it was.
    const auto inTheChief = [&](double fx, double fy) {
        return std::pair<int, int>{box.left + static_cast<int>(std::lround(fx * box.Width() / g.W)),
                                   box.top + static_cast<int>(std::lround(fy * box.Height() / g.H))};
    };
    PictureExtent picture;
    const bool loaded = s.pictureLoaded;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    float scale = known && picture.height > 0
                      ? kChargeShareOfChiefDepth * static_cast<float>(box.Height()) /
                            (static_cast<float>(picture.height) * kPictureScaleFactor)
                      : kChargeOnChiefFallbackScale;
    // No larger than a band is broad where the charge lies (a fess within a chief is a third of
    // its depth); on a cross or saltire the charge takes the crossing, broader than a limb.
    // A disc (a roundel) has no picture: its diameter is what it spans.
    const int drawnMost = known ? std::max(picture.lastColumn - picture.firstColumn, picture.lastRow - picture.firstRow) + 1
                                : static_cast<int>(2 * kRoundelRadiusAtScaleOne / kPictureScaleFactor);
    const auto fitTheBreadth = [&](int x, int y) {
        const int breadth = line ? BreadthOfTheBearerAt(s, x, y, s.levelTincture[bearerLevel]) : 0;
        if (drawnMost > 0 && breadth > 0)
            scale = std::min(scale, static_cast<float>(kChargeShareOfItsSlot * breadth / (drawnMost * kPictureScaleFactor)));
    };
    if (n == 1) {
        const auto [x, y] = inTheChief(g.W2, g.H2);
        fitTheBreadth(x, y);
        Place(s, x, y, scale);
        return true;
    }
    // Several lie evenly along the ordinary's middle line, each in its share of the line as the
    // chief brings it in, no larger than one alone.
    const auto [x0, y0] = inTheChief(line->x0, line->y0);
    const auto [x1, y1] = inTheChief(line->x1, line->y1);
    const double share = std::hypot(static_cast<double>(x1 - x0), static_cast<double>(y1 - y0)) / n;
    if (drawnMost > 0)
        scale = std::min(scale, static_cast<float>(kChargeShareOfItsSlot * share / (drawnMost * kPictureScaleFactor)));
    fitTheBreadth((x0 + x1) / 2, (y0 + y1) / 2);
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n;
        Place(s, static_cast<int>(std::lround(x0 + t * (x1 - x0))), static_cast<int>(std::lround(y0 + t * (y1 - y0))), scale);
    }
    return true;
}

bool OrdinaryOnOrdinaryLayout(DrawingState& s) {
    const bool onOrdinary = LiesOnTheOrdinaryBefore(s);
    bool onCharge = !onOrdinary && LiesOnTheChargeBefore(s);
    const bool aboutCharge = !onOrdinary && !onCharge && LiesAboutTheChargeOnACharge(s);
    if (!onOrdinary && !onCharge && !aboutCharge) return false;
    const ShapeCode hostShape = onOrdinary ? HostOrdinaryShape(s) : s.onOrdinaryCode;
    const std::vector<std::int8_t> host = onCharge ? ChargeHostPixels(s, 1) : aboutCharge ? ChargeHostPixels(s, 2)
                                                                              : HostPixels(s, s.level - 1, hostShape);
    // The bitmap the painter writes to: the shield's picture, or the achievement's with the
    // shield's pixel (x, y) at (x - offsetX, y - offsetY).
    const bool achievement = s.view == OutputView::Achievement;
    Bitmap* target = achievement ? s.achievement : &s.picture;
    const int offsetX = achievement ? s.achievementOffsetX : 0, offsetY = achievement ? s.achievementOffsetY : 0;
    const Bitmap before = target != nullptr ? *target : Bitmap();
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    s.words[0].Assign(phrase::Current(s).levelName);
    NoteLayout(s, aboutCharge ? "DrawOrdinaryOn(the charge the charge within lies on, " + std::to_string(CodeOf(s.shapeCode)) + ")"
                              : "DrawOrdinaryOn(" + std::to_string(CodeOf(hostShape)) + ", " +
                                    std::to_string(CodeOf(s.shapeCode)) + ")");
    if (aboutCharge) onCharge = true;  // from here drawn as on that charge
    const Rect box = onCharge ? HostBox(host, s.geometry.W) : Rect{};
    if (onCharge && box.Width() <= 0) {
        NoteLayout(s, "none: the charge it lies on left no pixels of its tincture");
        s.messages.Show(WithCount(msg::kNoLayoutForCount, 1));
        return true;
    }
    if (onCharge) {
        // The charge is a small field of its own: the ordinary drawn as on a whole field,
        // reduced into the charge's box, and kept only on the charge.
        if (s.shapeCode == ShapeCode::kBordure && s.lineCode <= kPlainLine && s.ordinaryTreatment == OrdinaryTreatment::kNone)
            BordureAlongTheHost(s, host, box);
        else
            DrawOrdinaryWithin(s, s.shapeCode, box);
    } else if (hostShape == ShapeCode::kPale && s.shapeCode == ShapeCode::kChevronels) {
        if (s.lineCode < kPlainLine) s.lineCode = kPlainLine;
        ChevronelsDownThePale(s);
    } else if (hostShape == ShapeCode::kChief) {
        // A chief is a small field of its own across the top: the ordinary is drawn as it would
        // lie on a whole field, reduced into the chief (a cross on a chief crosses the chief).
        DrawOrdinaryWithin(s, s.shapeCode, HostBox(host, s.geometry.W));
    } else {
        DrawOrdinary(s, {s.shapeCode, false});
    }
    // Everything off the host is put back as it was, a run of such pixels at a time.
    const int w = s.geometry.W, h = s.picture.Height();
    const auto onHost = [&](std::size_t i) { return i < host.size() && host[i] == kHostMark; };
    const auto restore = [&](int y, int from, int to) {  // pixels from .. to-1 of row y
        const int ty = y - offsetY;
        if (target != nullptr && ty >= 0 && ty < before.Height()) {
            const int a = std::max(from - offsetX, 0), b = std::min(to - offsetX, before.Width());
            if (a < b) std::copy(before.Row(ty) + a, before.Row(ty) + b, target->Row(ty) + a);
        }
        const std::size_t rowStart = static_cast<std::size_t>(y) * w;
        const std::size_t limit = std::min(s.pictureBuffer.size(), codesBefore.size());
        const std::size_t a = std::min(rowStart + static_cast<std::size_t>(from), limit);
        const std::size_t b = std::min(rowStart + static_cast<std::size_t>(to), limit);
        std::copy(codesBefore.begin() + static_cast<std::ptrdiff_t>(a), codesBefore.begin() + static_cast<std::ptrdiff_t>(b),
                  s.pictureBuffer.begin() + static_cast<std::ptrdiff_t>(a));
    };
    for (int y = 0; y < h; ++y) {
        const std::size_t rowStart = static_cast<std::size_t>(y) * w;
        for (int x = 0; x < w;) {
            if (onHost(rowStart + static_cast<std::size_t>(x))) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < w && !onHost(rowStart + static_cast<std::size_t>(end))) ++end;
            restore(y, x, end);
            x = end;
        }
    }
    return true;
}

}  // namespace esc
