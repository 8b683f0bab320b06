// Charges grown to fill the ordinary they lie on (see the header).

#include "interpret/layout/OnTheOrdinary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/Diminutives.h"
#include "engine/MessageSink.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/layout/ChargeSilhouette.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

constexpr std::int8_t kMark = kGules;  // the code the ordinary is painted in on its mask
// Kept clear between a charge's drawing and the ordinary's edge (a line engrailed or indented
// eats into the band, and the mask is drawn with the ordinary's own line), and between charges.
constexpr int kMarginOnOrdinary = 5;
constexpr int kMarginBetween = 10;
// A bordure, and an orle or tressure, named later cover this much inside the outline.
constexpr int kBordureReach = 36;
constexpr int kOrleReach = 64;
constexpr int kSlideStep = 2;           // the points along the middle tried, this far apart
constexpr float kScalePrecision = 0.01f;
// One long drawing is laid along the bend only when it comes out this much larger so: a mullet
// or a lion rampant keeps the usual turn.
constexpr float kBetterLaidAlong = 1.1f;

}  // namespace

// The ordinary of level 0 drawn alone on an empty mask, as it was drawn on the shield, and a prefix
// sum of its pixels. The drawing state keeps the last one with what it was drawn from: the layouts
// of a drawing, and the turns each tries, ask for the same mask again and again.
class OrdinaryMask {
public:
    explicit OrdinaryMask(DrawingState& s) : key_(KeyOf(s)) {
        const LevelRecord& first = s.levels[0];
        NullSink sink;
        std::unique_ptr<PaintState> taken = s.spareMask.Take(sink);
        PaintState& mask = *taken;
        PrepareOrdinaryMask(s, mask, kMark);
        if (NamesBars(first.levelName)) {
            DrawBars(mask, PiecesPlacement::kOnTheField);
        } else {
            DrawOrdinary(mask, {mask.shapeCode, false});
        }
        width_ = s.picture.Width();
        height_ = s.geometry.H + 40;
        height_ = std::min(height_, s.picture.Height());
        marked_.assign(static_cast<std::size_t>(width_) * height_, 0);
        const std::size_t size = std::min(mask.pictureBuffer.size(), marked_.size());
        for (std::size_t i = 0; i < size; ++i) marked_[i] = mask.pictureBuffer[i] == kMark ? 1 : 0;
        s.spareMask.Give(std::move(taken));
        // Prefix sums row by row: a row's running count added to the sums above; a row with no
        // mark, most of them, repeats the sums above.
        sums_.assign(static_cast<std::size_t>(width_ + 1) * (height_ + 1), 0);
        for (int y = 0; y < height_; ++y) {
            const char* row = marked_.data() + static_cast<std::size_t>(y) * width_;
            const int* above = &sums_[Index(1, y)];
            int* here = &sums_[Index(1, y + 1)];
            if (std::find(row, row + width_, 1) == row + width_) {
                std::copy(above, above + width_, here);
                continue;
            }
            int rowSum = 0;
            for (int x = 0; x < width_; ++x) {
                rowSum += row[x];
                here[x] = above[x] + rowSum;
            }
        }
    }

    // Everything the mask is drawn from: the ordinary's record, shape and line, the partition, the
    // shield's geometry and the picture's size (the cotises are not drawn on it).
    static FreeSpace::OrdinaryKey KeyOf(const DrawingState& s) {
        FreeSpace::OrdinaryKey key = FreeSpace::KeyOf(s);
        key.cotises = 0;
        key.cotiseLine = -1;
        return key;
    }
    const FreeSpace::OrdinaryKey& Key() const { return key_; }

    bool Marked(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && marked_[static_cast<std::size_t>(y) * width_ + x] != 0;
    }
    // Whether every pixel of the square of side 2 * half + 1 about (x, y) is the ordinary's.
    bool SquareMarked(int x, int y, int half) const {
        const int x1 = x - half, y1 = y - half, x2 = x + half + 1, y2 = y + half + 1;
        if (x1 < 0 || y1 < 0 || x2 > width_ || y2 > height_) return false;
        const int count = sums_[Index(x2, y2)] - sums_[Index(x1, y2)] - sums_[Index(x2, y1)] + sums_[Index(x1, y1)];
        return count == (x2 - x1) * (y2 - y1);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The middle of the ordinary's run in column x (across) or row y (down) that holds `at`, the
    // middle found in the column or row before: -1 when none does.
    int MiddleOfRun(int line, int at, Slide slide) const {
        const auto marked = [&](int k) { return slide == Slide::kAcross ? Marked(line, k) : Marked(k, line); };
        if (!marked(at)) return -1;
        int first = at, last = at;
        while (marked(first - 1)) --first;
        while (marked(last + 1)) ++last;
        return (first + last) / 2;
    }

    // Where a square of side `side` centred on a pixel lies clear of the outline, one byte a pixel
    // of `field`'s rows: the field's space depends on the geometry alone, which the key holds, so
    // the last answer is kept with the mask for the next fit that asks for the same side.
    const std::vector<char>& ClearOfTheOutline(const FreeSpace& field, int side) const {
        if (clearSide_ == side) return clear_;
        const int w = field.Width(), h = std::max(field.Height(), 0);
        clear_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
        std::vector<char> row;
        for (int y = 0; y < h; ++y) {
            field.FreeCentres(y, side, -1, row);
            std::copy(row.begin(), row.end(), clear_.begin() + static_cast<std::ptrdiff_t>(y) * w);
        }
        clearSide_ = side;
        return clear_;
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * (width_ + 1) + x; }
    FreeSpace::OrdinaryKey key_;
    int width_ = 0, height_ = 0;
    std::vector<char> marked_;
    std::vector<int> sums_;
    // A mask belongs to one drawing state, and a state draws on one thread.
    mutable int clearSide_ = -1;
    mutable std::vector<char> clear_;
};

namespace {

// What the blazon names after the charges at the shield's edge: the first row below a chief and
// the reach of a bordure, orle or tressure inside the outline. False when a canton, quarter,
// escutcheon or another ordinary is named, drawn over the band where the tables keep clear of it.
struct LaterEdges {
    int top = 0, inset = 0;
};

bool ReadLaterEdges(const DrawingState& s, LaterEdges& edges) {
    const auto startsWith = [](std::string_view word, std::string_view start) {
        return word.size() >= start.size() && EqualsIgnoringCase(word.substr(0, start.size()), start);
    };
    edges = {};
    for (int i = std::max(s.levelFirstWord, 0); i < s.wordCount; ++i) {
        const std::string_view word = s.Word(i);
        if (startsWith(word, "chief")) {
            edges.top = std::max(edges.top, s.geometry.chiefDepth + kMarginOnOrdinary);
        } else if (startsWith(word, "bordure") || startsWith(word, "within")) {
            edges.inset = std::max(edges.inset, kBordureReach);
        } else if (startsWith(word, "orle") || startsWith(word, "tressure")) {
            edges.inset = std::max(edges.inset, kOrleReach);
        } else if (startsWith(word, "canton") || startsWith(word, "quarter") || startsWith(word, "escutcheon") ||
                   startsWith(word, "inescutcheon")) {
            return false;
        } else if (s.Type(i) == kTypeOrdinary && i > s.levelFirstWord + 1 &&
                   (EqualsIgnoringCase(s.Word(i - 1), "a") || EqualsIgnoringCase(s.Word(i - 1), "an") ||
                    s.Type(i - 1) == kTypeNumber)) {
            return false;  // "a bendlet" over all
        }
    }
    return true;
}

// The points a spot may take, nearest its table's place first.
std::vector<std::pair<int, int>> PointsOf(const OrdinaryMask& mask, const SpotOnOrdinary& spot) {
    std::vector<std::pair<int, int>> points{{spot.x, spot.y}};
    if (spot.slide == Slide::kNone) return points;
    const bool across = spot.slide == Slide::kAcross;
    const int line = across ? spot.x : spot.y, at = across ? spot.y : spot.x;
    int start = mask.MiddleOfRun(line, at, spot.slide);
    if (start < 0) return points;
    // The table's own place where it is the middle already (a pale's odd width rounds either way).
    if (std::abs(start - at) <= 1) start = at;
    points.clear();
    const auto point = [across](int l, int m) { return across ? std::pair{l, m} : std::pair{m, l}; };
    points.push_back(point(line, start));
    // Outward both ways at once, each side following its run from the one before.
    int before = start, after = start;
    for (int d = kSlideStep; d <= spot.reach; d += kSlideStep) {
        if (before >= 0) {
            before = mask.MiddleOfRun(line - d, before, spot.slide);
            if (before >= 0) points.push_back(point(line - d, before));
        }
        if (after >= 0) {
            after = mask.MiddleOfRun(line + d, after, spot.slide);
            if (after >= 0) points.push_back(point(line + d, after));
        }
        if (before < 0 && after < 0) break;
    }
    return points;
}

}  // namespace

namespace {

// std::lround of a float, inline: the sum is exact in double, so the truncation rounds half
// away from zero as lround does.
int RoundToInt(float v) {
    return v >= 0 ? static_cast<int>(static_cast<double>(v) + 0.5) : -static_cast<int>(0.5 - static_cast<double>(v));
}

// The mask of the ordinary of level 0, kept in the state while what it is drawn from stays.
const OrdinaryMask& KeptOrdinaryMask(DrawingState& s) {
    if (!s.ordinaryMask || !(s.ordinaryMask->Key() == OrdinaryMask::KeyOf(s)))
        s.ordinaryMask = std::make_shared<const OrdinaryMask>(s);
    return *s.ordinaryMask;
}

// FitOnTheOrdinary with the ordinary's mask the state keeps (it does not depend on the charges'
// turn, so the turns tried for one level share it too).
OrdinaryFit FitWithMask(DrawingState& s, std::span<const SpotOnOrdinary> spots, float table, float largest, ChargeTurn turn,
                        bool mirrored) {
    OrdinaryFit fit;
    const LevelRecord& ordinary = s.levels[0];
    LaterEdges edges;
    ChargeSilhouette shape;
    if (spots.empty() || s.level < 1 || !ordinary.levelOn || !ReadLaterEdges(s, edges) || !CurrentSilhouette(s, turn, mirrored, shape))
        return fit;
    const OrdinaryMask& mask = KeptOrdinaryMask(s);
    const FreeSpace& field = FreeSpace::Field(s);
    // Where the square kept clear of the outline may stand, worked out once for every pixel: the
    // outline's answers row by row, not square by square for every point of every drawing tried.
    const int clearSide = 2 * std::max(edges.inset, kMarginOnOrdinary) + 1;
    const int fieldWidth = field.Width(), fieldHeight = field.Height();
    const std::vector<char>& clear = mask.ClearOfTheOutline(field, clearSide);
    const auto clearOfTheOutline = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < fieldWidth && y < fieldHeight &&
               clear[static_cast<std::size_t>(y) * static_cast<std::size_t>(fieldWidth) + static_cast<std::size_t>(x)] != 0;
    };
    std::vector<std::vector<std::pair<int, int>>> choices;
    for (const SpotOnOrdinary& spot : spots) choices.push_back(PointsOf(mask, spot));

    // What the charges before painted ("a rose between two choughs" on a fess: the rose) is kept clear.
    const std::vector<Rect> taken = PaintedBoxesSoFar(s);
    // The outline's points are tried farthest from the centre first: a drawing that does not fit
    // is refused by its rim, and every point must hold, so the order changes no answer.
    std::vector<std::pair<float, float>> rim = shape.points;
    std::stable_sort(rim.begin(), rim.end(), [](const auto& a, const auto& b) {
        return a.first * a.first + a.second * a.second > b.first * b.first + b.second * b.second;
    });
    // The outline at one scale, rounded once for every point tried at it, and its bounds.
    std::vector<std::pair<int, int>> offsets;
    Rect bounds;
    float offsetsScale = -1;
    const auto scaleTo = [&](float scale) {
        if (scale == offsetsScale) return;
        offsetsScale = scale;
        offsets.clear();
        bounds = {0, 0, 0, 0};
        for (const auto& [dx, dy] : rim) {
            const int ox = RoundToInt(dx * scale), oy = RoundToInt(dy * scale);
            offsets.emplace_back(ox, oy);
            bounds = offsets.size() == 1 ? Rect{ox, oy, ox + 1, oy + 1}
                                         : Rect{std::min(bounds.left, ox), std::min(bounds.top, oy), std::max(bounds.right, ox + 1),
                                                std::max(bounds.bottom, oy + 1)};
        }
    };
    const auto holds = [&](int x, int y) {
        // The boxes taken matter only where the outline's bounds reach into them.
        bool nearTaken = false;
        for (const Rect& t : taken)
            nearTaken = nearTaken || (x + bounds.right > t.left - kMarginBetween && x + bounds.left < t.right + kMarginBetween &&
                                      y + bounds.bottom > t.top - kMarginBetween && y + bounds.top < t.bottom + kMarginBetween);
        for (const auto& [ox, oy] : offsets) {
            const int px = x + ox, py = y + oy;
            // The ordinary is drawn past the outline (a bend to the field's corner): only what lies inside counts.
            if (py < edges.top || !clearOfTheOutline(px, py) || !mask.SquareMarked(px, py, kMarginOnOrdinary)) return false;
            if (nearTaken)
                for (const Rect& t : taken)
                    if (px >= t.left - kMarginBetween && px < t.right + kMarginBetween && py >= t.top - kMarginBetween &&
                        py < t.bottom + kMarginBetween)
                        return false;
        }
        return true;
    };
    // Two drawings of one turn are apart when their centres are farther apart than their extents
    // along one of the drawing's own axes.
    const auto apart = [&](const std::pair<int, int>& a, const std::pair<int, int>& b, float scale) {
        const float dx = static_cast<float>(a.first - b.first), dy = static_cast<float>(a.second - b.second);
        return std::abs(dx * shape.ux + dy * shape.uy) >= 2 * shape.halfAlongU * scale + kMarginBetween ||
               std::abs(dx * shape.vx + dy * shape.vy) >= 2 * shape.halfAlongV * scale + kMarginBetween;
    };
    std::vector<std::pair<int, int>> chosen, fitted;
    float fittedScale = -1;
    const auto place = [&](float scale) {
        scaleTo(scale);
        chosen.clear();
        for (const auto& points : choices) {
            bool found = false;
            for (const auto& p : points) {
                if (!std::all_of(chosen.begin(), chosen.end(), [&](const auto& c) { return apart(c, p, scale); })) continue;
                if (!holds(p.first, p.second)) continue;
                chosen.push_back(p);
                found = true;
                break;
            }
            if (!found) return false;
        }
        // The places of the last scale that held, kept so the answer is not placed again.
        fitted = chosen;
        fittedScale = scale;
        return true;
    };
    const float from = table + kScalePrecision;
    if (largest <= from || !place(from)) return fit;
    float low = from, high = largest;
    if (place(high)) {
        low = high;
    } else {
        while (high - low > kScalePrecision) {
            const float mid = (low + high) / 2;
            (place(mid) ? low : high) = mid;
        }
    }
    if (fittedScale != low && !place(low)) return fit;
    chosen = fitted;
    fit.scale = low;
    for (std::size_t i = 0; i < spots.size(); ++i) {
        SpotOnOrdinary at = spots[i];
        at.x = chosen[i].first;
        at.y = chosen[i].second;
        fit.at.push_back(at);
    }
    return fit;
}

}  // namespace

OrdinaryFit FitOnTheOrdinary(DrawingState& s, std::span<const SpotOnOrdinary> spots, float table, float largest, ChargeTurn turn,
                             bool mirrored) {
    return FitWithMask(s, spots, table, largest, turn, mirrored);
}

namespace {

constexpr float kLargestOneOnABend = 2.4f;
// A drawing whose halves' mean columns lie more than this share of its width apart leans (a
// quill drawn bendwise sinister).
constexpr int kOrdinaryLeanDivisor = 8;

}  // namespace

bool FillTheBend(DrawingState& s, int n, bool sinister, ChargeTurn turn) {
    const ShieldGeometry& g = s.geometry;
    const bool bendwise = turn == ChargeTurn::kBendwise || turn == ChargeTurn::kBendwiseSinister;
    if (n < 1 || n > 3 || !bendwise) return false;
    // On a bend sinister, the bend's own fit mirrored: its places with column x at W - 1 - x, its
    // turns the bend's with every drawing mirrored. The band is the bend's mirror pixel for
    // pixel, so the charges come out placed and sized exactly as on the bend.
    const auto across = [&](int x) { return sinister ? g.W - 1 - x : x; };
    if (sinister) turn = turn == ChargeTurn::kBendwiseSinister ? ChargeTurn::kBendwise : ChargeTurn::kBendwiseSinister;
    std::vector<SpotOnOrdinary> spots;
    const int reach = n == 1 ? g.W2 : g.W / 8;
    const auto spot = [&](int x, int y) { spots.push_back({across(x), y, Slide::kAcross, reach}); };
    float table = 0.65f;
    if (n == 1) {
        spot(g.W2, g.H2);
        table = 0.75f;
    } else if (n == 2) {
        spot(g.W3, g.H3);
        spot(g.W - g.W3, g.H - g.H3);
    } else {
        spot(g.W4 + g.Px(2), g.H4 - 1);
        spot(g.W2 - g.Px(2), g.H2 + 1);
        spot(g.W - g.W4 - g.Px(2), g.H - g.H4 + g.Px(2));
    }
    const float largest = n == 1 ? kLargestOneOnABend : kLargestOnABend;
    // The turns tried, the usual one first: turned with the bend; turned the other way, which lays
    // a long drawing (a fish naiant, a lion passant) with its length along the band; and for one
    // drawing that already leans (a quill), upright and mirrored to lean the bend's way.
    struct Turn {
        bool turned, other, mirrored;
    };
    std::vector<Turn> turns{{true, false, false}, {true, true, false}};
    PictureExtent extent;
    const bool loaded = s.pictureLoaded;
    if (n == 1 && LevelPictureExtent(s, extent) && std::abs(extent.lean) * kOrdinaryLeanDivisor > extent.width) {
        const int lean = s.reversedCharges ? -extent.lean : extent.lean;  // upside down it leans the other way
        turns.push_back({false, false, lean > 0});
    }
    s.pictureLoaded = loaded;
    const bool usual = turn == ChargeTurn::kBendwiseSinister;
    const ChargeTurn upright = s.fesswiseFlag ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn;
    const auto turnOf = [&](const Turn& t) {
        if (!t.turned) return upright;
        return t.other != usual ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
    };
    OrdinaryFit best;
    Turn chosen = turns[0];
    for (const Turn& t : turns) {
        // Another turn must do clearly better than the usual one.
        const float beat = best.scale > 0 ? best.scale * kBetterLaidAlong : table;
        OrdinaryFit fit = FitWithMask(s, spots, std::max(table, beat), largest, turnOf(t), t.mirrored != sinister);
        if (fit.scale > 0) {
            best = std::move(fit);
            chosen = t;
        }
    }
    if (best.scale > 0)
        for (const SpotOnOrdinary& at : best.at)
            PlaceTurned(s, at.x, at.y, best.scale, turnOf(chosen), chosen.mirrored != sinister);
    return best.scale > 0;
}

}  // namespace esc
