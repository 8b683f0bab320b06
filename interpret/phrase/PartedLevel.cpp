// Levels drawn in two tinctures. Parted by a line ("a cross engrailed per pale gules and sable",
// "a lion rampant per fess argent and or"): the level is drawn once in each tincture and the
// picture keeps the first where the first part lies, the second elsewhere. A charge of a pattern
// ("a lion rampant barry of ten argent and gules", "two lions passant paly of six argent and
// gules") is drawn the same way, but the pieces are laid across each charge's own body: the
// pixels where the two drawings differ are the bodies, and each charge's box is cut into the
// pieces. Its outline and any detail in a third tincture ("crowned or") are the same in both
// drawings and so are kept. A detail parted ("ducally crowned per pale argent and gules") draws
// the detail in each tincture instead and splits each detail down its own middle. An ordinary
// fretty ("a cross argent fretty azure"): the fretty is drawn and kept only on the ordinary.

#include "interpret/phrase/PartedLevel.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/trace/Trace.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

constexpr ShapeCode kPartedPerFess = kFess, kPartedPerPale = kPale;
// A pattern named with no count ("a lion barry argent and azure") is of six pieces; more than
// kMaxFieldPieces are drawn as that many, as on the field.
constexpr int kDefaultChargePieces = 6;
// Charges whose bodies are at least this many empty rows or columns apart get boxes of their own;
// a narrower gap is a gap inside one charge (between a lion's legs, say).
constexpr int kGapBetweenCharges = 4;
// ChargeBoxes stops cutting after this many turns (each turn at least halves nothing, so the
// bound only guards against a mask of stripes).
constexpr int kMaxCuts = 12;

// A bordure of two tinctures along a line ("a bordure nebuly argent and azure"): the line runs
// down the middle of the bordure, the first tincture outside it and the second inside, the inner
// edge plain. Each pixel of the plain bordure takes the lined bordure's pixel this many pixels
// nearer the shield's centre, which carries the line out from the bordure's inner edge to about
// its middle (the bordure is some 28 pixels wide).
constexpr double kLinedBordureInset = 9.0;

// Whether the shield pixel (x, y) lies in the first part: the dexter half per pale, the chief
// half per fess.
bool InFirstPart(const ShieldGeometry& g, ShapeCode partition, int x, int y) {
    return partition == kPartedPerPale ? x < g.W2 : y < g.H2;
}

// The runs of lines of `box` (rows when `rows`, else columns) that hold a mask pixel, a run
// ending where more than kGapBetweenCharges empty lines follow. Each run is [first, end).
std::vector<std::pair<int, int>> OccupiedRuns(const std::vector<bool>& mask, int width, Rect box, bool rows) {
    std::vector<std::pair<int, int>> runs;
    const int from = rows ? box.top : box.left, to = rows ? box.bottom : box.right;
    int start = -1, last = -1;
    for (int i = from; i < to; ++i) {
        bool any = false;
        if (rows) {
            for (int x = box.left; x < box.right && !any; ++x) any = mask[static_cast<std::size_t>(i) * width + x];
        } else {
            for (int y = box.top; y < box.bottom && !any; ++y) any = mask[static_cast<std::size_t>(y) * width + i];
        }
        if (!any) continue;
        if (start < 0) {
            start = i;
        } else if (i - last - 1 > kGapBetweenCharges) {
            runs.emplace_back(start, last + 1);
            start = i;
        }
        last = i;
    }
    if (start >= 0) runs.emplace_back(start, last + 1);
    return runs;
}

void CutIntoBoxes(const std::vector<bool>& mask, int width, Rect box, int turn, std::vector<Rect>& out) {
    const std::vector<std::pair<int, int>> rows = OccupiedRuns(mask, width, box, true);
    if (rows.empty()) return;
    if (rows.size() > 1 && turn < kMaxCuts) {
        for (const auto& [top, bottom] : rows) CutIntoBoxes(mask, width, {box.left, top, box.right, bottom}, turn + 1, out);
        return;
    }
    box.top = rows.front().first;
    box.bottom = rows.back().second;
    const std::vector<std::pair<int, int>> columns = OccupiedRuns(mask, width, box, false);
    if (columns.size() > 1 && turn < kMaxCuts) {
        for (const auto& [left, right] : columns) CutIntoBoxes(mask, width, {left, box.top, right, box.bottom}, turn + 1, out);
        return;
    }
    box.left = columns.front().first;
    box.right = columns.back().second;
    out.push_back(box);
}

// What DrawPartedLevel restores before the second drawing: the picture, its codes, the pixels
// already visited by counterchanging, the counts of placed pictures and the level's record.
struct DrawingSnapshot {
    Bitmap picture;
    std::vector<std::int8_t> codes;
    std::vector<std::uint64_t> visited;
    int pictures = 0, ringNext = 0, ringWritten = 0;
    LevelRecord record;
};

DrawingSnapshot TakeSnapshot(const DrawingState& s) {
    return {s.picture, s.pictureBuffer, s.visited, s.pictureCount, s.ringNext, s.ringWritten,
            s.levels[static_cast<std::size_t>(std::clamp(s.level, 0, kMaxLevels - 1))]};
}

void Restore(DrawingState& s, const DrawingSnapshot& snapshot) {
    s.picture = snapshot.picture;
    s.pictureBuffer = snapshot.codes;
    s.visited = snapshot.visited;
    s.pictureCount = snapshot.pictures;
    s.ringNext = snapshot.ringNext;
    s.ringWritten = snapshot.ringWritten;
    s.levels[static_cast<std::size_t>(std::clamp(s.level, 0, kMaxLevels - 1))] = snapshot.record;
}

std::string PartedLayoutNote(const DrawingState& s) {
    const ShapeCode shape = s.partedShape;
    const std::string name = shape == kPartedPerPale ? "per pale" : shape == kPartedPerFess ? "per fess" : shape == kBarry ? "barry" : shape == kPaly ? "paly" : "bendy";
    if (s.partedDetail) return " (detail " + name + ")";
    if (s.partedPieces > 0) return " (" + name + " of " + std::to_string(s.partedPieces) + " on each charge)";
    return " (parted " + name + ")";
}

// The pieces of the pattern named at W0 ("barry of ten", "paly"), and the index of the word
// after them; -1 when W0 names no pattern a charge can take.
std::pair<int, int> PatternPieces(const DrawingState& s) {
    using namespace phrase;
    if (T(s, 0) != kTypeOrdinary || !ChargePatternShape(ShapeOfCode(S1(s, 0)))) return {-1, -1};
    if (Is(s, 1, "of") && T(s, 2) == kTypeNumber && S1(s, 2) > 0) return {std::min(S1(s, 2), kMaxFieldPieces), 3};
    return {S2(s, 0) > 0 ? S2(s, 0) : kDefaultChargePieces, 1};
}

// A tincture at word i, or a named tincture by its place ("second", "third" after the normaliser
// has written "of the first" as the tincture itself); -1 when word i is neither.
int TinctureAt(const DrawingState& s, int i) {
    if (s.Type(i) == kTypeTincture) return s.Sub1(i);
    static constexpr std::string_view kPlaces[] = {"first", "second", "third"};
    for (int k = 0; k < 3; ++k) {
        if (EqualsIgnoringCase(s.Word(i), kPlaces[k]) && k < s.namedTinctureCount) return s.namedTinctures[static_cast<std::size_t>(k)];
    }
    return -1;
}

}  // namespace

bool PartedTinctureShape(ShapeCode shapeCode) { return shapeCode == kPartedPerPale || shapeCode == kPartedPerFess; }

bool ChargePatternShape(ShapeCode shapeCode) { return shapeCode == kBarry || shapeCode == kPaly || shapeCode == kBendy; }

int PatternPiece(ShapeCode shapeCode, int pieces, Rect box, int x, int y) {
    const int w = std::max(box.Width(), 1), h = std::max(box.Height(), 1);
    const int dx = std::clamp(x - box.left, 0, w - 1), dy = std::clamp(y - box.top, 0, h - 1);
    const int n = std::max(pieces, 1);
    switch (shapeCode) {
        case kPartedPerPale: return dx * 2 / w;
        case kPartedPerFess: return dy * 2 / h;
        case kBarry: return dy * n / h;
        case kPaly: return dx * n / w;
        case kBendy: return (dx - dy + h - 1) * n / (w + h - 1);  // bands parallel to the bend
        default: return 0;
    }
}

std::vector<Rect> ChargeBoxes(const std::vector<bool>& mask, int width, int height) {
    std::vector<Rect> boxes;
    if (width <= 0 || height <= 0 || mask.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return boxes;
    CutIntoBoxes(mask, width, {0, 0, width, height}, 0, boxes);
    return boxes;
}

namespace phrase {

bool PatternedChargeRule(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (level.levelCount == 0 || level.levelKind == 0 || level.levelKind == kTypeOrdinary || HasTincture(s)) return false;
    const auto [pieces, after] = PatternPieces(s);
    if (pieces < 0 || T(s, after) != kTypeTincture || !Is(s, after + 1, "and") || T(s, after + 2) != kTypeTincture) return false;
    Tincture(s) = S1(s, after);
    s.partedTincture = S1(s, after + 2);
    s.partedShape = ShapeOfCode(S1(s, 0));
    s.partedPieces = pieces;
    s.partedDetail = false;
    for (int k = 0; k <= after + 2; ++k) Use(s, k);
    s.cursor += after + 2;  // on the second tincture, where the tincture's follow-up starts
    TinctureFollowUp(s);
    return true;
}

bool BordureOfTwoRule(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelLine == kPlainLine || level.levelIn || !HasTincture(s) || s.partedTincture >= 0)
        return false;
    const VocabularyRow* row = s.vocabulary != nullptr ? s.vocabulary->Lookup(LookupKey(level.levelName)) : nullptr;
    if (row == nullptr || row->type != kTypeOrdinary || ShapeOfCode(row->sub1) != kBordure) return false;
    if (!Is(s, 0, "and") || T(s, 1) != kTypeTincture) return false;
    s.partedTincture = S1(s, 1);
    s.partedShape = kBordure;
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

int ReadPartedDetail(DrawingState& s, int at, int& first) {
    if (!EqualsIgnoringCase(s.Word(at), "per") || s.Type(at + 1) != kTypeOrdinary || !PartedTinctureShape(ShapeOfCode(s.Sub1(at + 1))))
        return -1;
    const int one = TinctureAt(s, at + 2), two = TinctureAt(s, at + 4);
    if (one < 0 || two < 0 || !EqualsIgnoringCase(s.Word(at + 3), "and")) return -1;
    first = one;
    s.partedTincture = two;
    s.partedShape = ShapeOfCode(s.Sub1(at + 1));
    s.partedPieces = 2;
    s.partedDetail = true;
    return at + 4;
}

}  // namespace phrase

// The bordure along a line in two tinctures (see kLinedBordureInset), drawn over the picture.
void DrawBordureOfTwo(DrawingState& s, int first, int second) {
    const DrawingSnapshot before = TakeSnapshot(s);
    LevelRecord& level = s.levels[static_cast<std::size_t>(std::clamp(s.level, 0, kMaxLevels - 1))];
    const int line = level.levelLine;
    // The lined bordure and the plain one alone, to learn which pixels each covers.
    auto drawAlone = [&](int lineCode, int tincture) {
        Restore(s, before);
        s.picture.Fill(kUnpainted);
        level.levelLine = lineCode;
        phrase::Tincture(s) = tincture;
        ArrangeLevel(s);
        return TakeSnapshot(s);
    };
    LevelTrace* trace = CurrentLevelTrace(s);
    const DrawingSnapshot lined = drawAlone(line, first);
    const std::string layout = trace != nullptr ? trace->layout : std::string();
    const DrawingSnapshot plain = drawAlone(-1, second);
    Restore(s, before);
    level.levelLine = -1;
    phrase::Tincture(s) = second;
    ArrangeLevel(s);
    level.levelLine = line;
    phrase::Tincture(s) = first;
    if (trace != nullptr) trace->layout = layout + " (of two tinctures along its line)";

    const ShieldGeometry& g = s.geometry;
    const int width = std::min(g.W, s.picture.Width()), height = s.picture.Height();
    Rect box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (plain.picture.Pixel(x, y) == kUnpainted) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        }
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            if (plain.picture.Pixel(x, y) == kUnpainted) continue;
            // The sinister half is the dexter half's mirror image, as the shield is, so that the
            // line lies at the same depth on both sides.
            const double mx = x < cx ? x : 2 * cx - x - 1;
            const double toCentre = std::max(std::hypot(cx - mx, cy - y), 1.0);
            const int qx = static_cast<int>(std::lround(mx + (cx - mx) * kLinedBordureInset / toCentre));
            const int qy = static_cast<int>(std::lround(y + (cy - y) * kLinedBordureInset / toCentre));
            if (!lined.picture.Contains(qx, qy) || lined.picture.Pixel(qx, qy) == kUnpainted) continue;
            s.picture.SetPixel(x, y, lined.picture.Pixel(qx, qy));
            const std::size_t to = static_cast<std::size_t>(y) * g.W + x, from = static_cast<std::size_t>(qy) * g.W + qx;
            if (to < s.pictureBuffer.size() && from < lined.codes.size()) s.pictureBuffer[to] = lined.codes[from];
        }
}

namespace {

void DrawParted(DrawingState& s, bool onPreviousCharges);

}  // namespace

void DrawPartedLevel(DrawingState& s) { DrawParted(s, false); }

void PlaceOnPreviousChargesParted(DrawingState& s) {
    if (s.partedTincture < 0) {
        PlaceOnPreviousCharges(s);
        return;
    }
    DrawParted(s, true);
}

namespace {

void DrawParted(DrawingState& s, bool onPreviousCharges) {
    if (s.partedShape == kBordure && s.partedTincture >= 0 && s.view == OutputView::Shield) {
        const int second = s.partedTincture;
        s.partedTincture = -1;
        s.partedPieces = 0;
        s.partedDetail = false;
        DrawBordureOfTwo(s, phrase::Tincture(s), second);
        return;
    }
    const int first = phrase::Tincture(s), second = s.partedTincture;
    const ShapeCode partition = s.partedShape;
    // One charge or an ordinary is parted along the field's own line, which runs through it.
    // Several charges, or charges on the charges before, stand anywhere: each is parted through
    // its own box (two bowls per pale were drawn one all Or and the other all gules).
    const LevelRecord& level = phrase::Current(s);
    const bool severalCharges = level.levelCount > 1 && (level.levelKind != kTypeOrdinary || level.levelIn);
    const bool detail = s.partedDetail;
    const bool pattern = detail || s.partedPieces > 0 || onPreviousCharges || severalCharges;
    const auto arrange = [onPreviousCharges](DrawingState& state) {
        if (onPreviousCharges) {
            PlaceOnPreviousCharges(state);
        } else {
            ArrangeLevel(state);
        }
    };
    const int pieces = detail ? 2 : s.partedPieces, detailTincture = s.detailTincture;
    const std::string note = PartedLayoutNote(s);
    s.partedTincture = -1;
    s.partedPieces = 0;
    s.partedDetail = false;
    const bool known = pattern ? (PartedTinctureShape(partition) || ChargePatternShape(partition)) : PartedTinctureShape(partition);
    if (s.view != OutputView::Shield || second < 0 || !known) {
        arrange(s);
        return;
    }
    const DrawingSnapshot before = TakeSnapshot(s);
    arrange(s);
    const DrawingSnapshot inFirst = TakeSnapshot(s);

    Restore(s, before);
    if (detail) {
        s.detailTincture = second;
    } else {
        phrase::Tincture(s) = second;
    }
    // The second drawing places the same charges again: the trace keeps those of the first.
    LevelTrace* trace = CurrentLevelTrace(s);
    const std::size_t placed = trace != nullptr ? trace->placements.size() : 0;
    const std::string layout = trace != nullptr ? trace->layout : std::string();
    arrange(s);
    if (trace != nullptr) {
        trace->placements.resize(placed);
        trace->layout = layout + note;
    }

    const ShieldGeometry& g = s.geometry;
    const int width = std::min(g.W, s.picture.Width()), height = std::min(s.picture.Height(), inFirst.picture.Height());
    auto keepFirst = [&](int x, int y) {
        s.picture.SetPixel(x, y, inFirst.picture.Pixel(x, y));
        const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
        if (i < s.pictureBuffer.size() && i < inFirst.codes.size()) s.pictureBuffer[i] = inFirst.codes[i];
    };
    if (!pattern) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (InFirstPart(g, partition, x, y)) keepFirst(x, y);
    } else {
        // Where the two drawings differ lie the parts drawn in the two tinctures.
        std::vector<bool> differs(static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0)));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                differs[static_cast<std::size_t>(y) * width + x] = !(inFirst.picture.Pixel(x, y) == s.picture.Pixel(x, y));
        for (const Rect& box : ChargeBoxes(differs, width, height)) {
            for (int y = box.top; y < box.bottom; ++y)
                for (int x = box.left; x < box.right; ++x)
                    if (differs[static_cast<std::size_t>(y) * width + x] && PatternPiece(partition, pieces, box, x, y) % 2 == 0)
                        keepFirst(x, y);
        }
    }
    for (std::size_t i = 0; i < s.visited.size() && i < inFirst.visited.size(); ++i) s.visited[i] |= inFirst.visited[i];
    phrase::Tincture(s) = first;
    s.detailTincture = detailTincture;
}

// The lattice's pitch along a row, in percent of the breadth of the ordinary it lies on.
constexpr int kFrettyPitchPerBreadthPercent = 100;

// The breadth of an ordinary from the pixels its drawing changed: the median, over the columns
// it crosses, of how many of a column's pixels it covers (a cross's pale columns are few beside
// its arms').
int OrdinaryBreadthOfMask(const std::vector<std::int8_t>& before, const std::vector<std::int8_t>& after, int width) {
    if (width <= 0 || before.size() != after.size()) return 0;
    std::vector<int> perColumn(static_cast<std::size_t>(width), 0);
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) ++perColumn[i % static_cast<std::size_t>(width)];
    std::vector<int> covered;
    for (int n : perColumn)
        if (n > 0) covered.push_back(n);
    if (covered.empty()) return 0;
    std::nth_element(covered.begin(), covered.begin() + static_cast<std::ptrdiff_t>(covered.size() / 2), covered.end());
    return covered[covered.size() / 2];
}

}  // namespace

void DrawFrettyOrdinary(DrawingState& s) {
    const int tincture = s.frettyTincture;
    s.frettyTincture = -1;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    ArrangeLevel(s);
    if (s.view != OutputView::Shield || tincture < 0) return;
    // The ordinary's pixels: those its drawing changed.
    const Bitmap ordinary = s.picture;
    const std::vector<std::int8_t> codesOfOrdinary = s.pictureBuffer;
    const ShieldGeometry& g = s.geometry;
    const int own = phrase::Tincture(s);
    phrase::Tincture(s) = tincture;
    // A narrow ordinary (a chief, a fess) takes a lattice fitted to its breadth: the field's
    // lattice, a third of the shield apart, would show only a zigzag across it.
    const int breadth = OrdinaryBreadthOfMask(codesBefore, codesOfOrdinary, g.W);
    const int pitch = breadth * kFrettyPitchPerBreadthPercent / 100;
    if (breadth > 0 && pitch < g.W / 3) {
        DrawFrettyWithPitch(s, pitch);
        if (LevelTrace* trace = CurrentLevelTrace(s)) trace->layout += ", then DrawFretty on it, fitted to its breadth";
    } else {
        DrawFretty(s);
        if (LevelTrace* trace = CurrentLevelTrace(s)) trace->layout += ", then DrawFretty on it";
    }
    phrase::Tincture(s) = own;
    const int width = std::min(g.W, s.picture.Width()), height = std::min(s.picture.Height(), ordinary.Height());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
            if (i >= codesBefore.size() || i >= s.pictureBuffer.size()) continue;
            if (codesBefore[i] != codesOfOrdinary[i]) continue;  // on the ordinary: the fretty stays
            s.picture.SetPixel(x, y, ordinary.Pixel(x, y));
            s.pictureBuffer[i] = codesOfOrdinary[i];
        }
    }
}

}  // namespace esc
