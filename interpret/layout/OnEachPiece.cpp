#include "interpret/layout/OnEachPiece.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "engine/Diminutives.h"
#include "engine/MessageSink.h"
#include "engine/Ordinaries.h"
#include "engine/Palette.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

constexpr std::int8_t kPieceMaskMark = kGules;  // the code the ordinary is drawn in on its mask
constexpr int kSmallestPiecePercent = 2;         // of the ordinary's pixels: smaller is a sliver
constexpr float kPieceBreadthShare = 0.95f;      // a charge's extent as a share of its piece's breadth
constexpr float kNearlyTheBroadest = 0.85f;      // spots this broad stand in for the broadest
constexpr double kBandElongation = 4.0;          // longer than broad by this: charges lie along it
constexpr int kLeaningDivisor = 8;  // halves' mean columns this share of the width apart: it leans
// Between these angles off the fess line a band lies bendwise; nearer either it lies as a fess or
// a pale, and its charges stand upright.
constexpr double kBendwiseFromDegrees = 20.0, kBendwiseToDegrees = 70.0;
// Chamfer distances: a step across and a step diagonally, in thirds of a pixel.
constexpr int kChamferStraight = 3, kChamferDiagonal = 4;

struct OrdinaryPiece {
    std::vector<int> pixels;   // y * width + x
    double cx = 0, cy = 0;     // the mean pixel
    double axisX = 1, axisY = 0;  // the longer axis, pointing down the shield (axisY >= 0)
    bool band = false;         // much longer than broad
};

// The mask's codes of level 0's ordinary drawn alone, as it was drawn on the shield.
std::vector<std::int8_t> OrdinaryMaskCodes(DrawingState& s) {
    NullSink sink;
    std::unique_ptr<PaintState> taken = s.spareMask.Take(sink);
    PaintState& mask = *taken;
    PrepareOrdinaryMask(s, mask, kPieceMaskMark);
    const std::string_view name = s.levels[0].levelName.view();
    if (NamesBars(name)) {
        DrawBars(mask, PiecesPlacement::kOnTheField);
    } else if (NamesPallets(name)) {
        DrawPallets(mask, PiecesPlacement::kOnTheField);
    } else {
        DrawOrdinary(mask, {mask.shapeCode, false});
    }
    std::vector<std::int8_t> codes = mask.pictureBuffer;
    s.spareMask.Give(std::move(taken));
    return codes;
}

// The 4-connected pieces of the mark, slivers dropped, each with its mean and axis, ordered top
// to bottom and then dexter to sinister.
std::vector<OrdinaryPiece> PiecesOf(const std::vector<std::int8_t>& codes, int w, int h) {
    std::vector<OrdinaryPiece> pieces;
    std::vector<char> seen(codes.size(), 0);
    std::vector<int> stack;
    std::size_t marked = 0;
    for (int start = 0; start < w * h; ++start) {
        if (codes[static_cast<std::size_t>(start)] != kPieceMaskMark || seen[static_cast<std::size_t>(start)]) continue;
        OrdinaryPiece piece;
        stack.assign(1, start);
        seen[static_cast<std::size_t>(start)] = 1;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            piece.pixels.push_back(at);
            const int x = at % w, y = at / w;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& [nx, ny] : next) {
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                const std::size_t k = static_cast<std::size_t>(ny * w + nx);
                if (codes[k] == kPieceMaskMark && !seen[k]) {
                    seen[k] = 1;
                    stack.push_back(ny * w + nx);
                }
            }
        }
        marked += piece.pixels.size();
        pieces.push_back(std::move(piece));
    }
    std::erase_if(pieces, [&](const OrdinaryPiece& p) { return p.pixels.size() * 100 < marked * kSmallestPiecePercent; });
    for (OrdinaryPiece& p : pieces) {
        const double n = static_cast<double>(p.pixels.size());
        for (int at : p.pixels) {
            p.cx += at % w;
            p.cy += at / w;
        }
        p.cx /= n;
        p.cy /= n;
        double xx = 0, yy = 0, xy = 0;
        for (int at : p.pixels) {
            const double dx = at % w - p.cx, dy = at / w - p.cy;
            xx += dx * dx;
            yy += dy * dy;
            xy += dx * dy;
        }
        // The larger eigenvalue of the covariance and its vector.
        const double mean = (xx + yy) / 2, spread = std::sqrt((xx - yy) * (xx - yy) / 4 + xy * xy);
        const double larger = mean + spread, smaller = mean - spread;
        const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
        p.axisX = std::cos(angle);
        p.axisY = std::sin(angle);
        if (p.axisY < 0) {
            p.axisX = -p.axisX;
            p.axisY = -p.axisY;
        }
        p.band = smaller <= 0 || larger / smaller >= kBandElongation * kBandElongation;
    }
    std::sort(pieces.begin(), pieces.end(), [](const OrdinaryPiece& a, const OrdinaryPiece& b) {
        return std::lround(a.cy) != std::lround(b.cy) ? a.cy < b.cy : a.cx < b.cx;
    });
    return pieces;
}

// Each marked pixel's distance to the nearest unmarked one, in thirds of a pixel.
std::vector<int> DistanceInsideThePieces(const std::vector<std::int8_t>& codes, int w, int h) {
    const int far = (w + h) * kChamferStraight;
    std::vector<int> d(static_cast<std::size_t>(w) * h, 0);
    auto at = [&](int x, int y) -> int& { return d[static_cast<std::size_t>(y * w + x)]; };
    auto get = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0 : d[static_cast<std::size_t>(y * w + x)]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (codes[static_cast<std::size_t>(y * w + x)] != kPieceMaskMark) continue;
            at(x, y) = std::min({far, get(x - 1, y) + kChamferStraight, get(x, y - 1) + kChamferStraight,
                                 get(x - 1, y - 1) + kChamferDiagonal, get(x + 1, y - 1) + kChamferDiagonal});
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            if (codes[static_cast<std::size_t>(y * w + x)] != kPieceMaskMark) continue;
            at(x, y) = std::min({at(x, y), get(x + 1, y) + kChamferStraight, get(x, y + 1) + kChamferStraight,
                                 get(x + 1, y + 1) + kChamferDiagonal, get(x - 1, y + 1) + kChamferDiagonal});
        }
    return d;
}

// The turn of charges on a piece: with a band that lies bendwise, else as the words say.
ChargeTurn TurnOnThePiece(const DrawingState& s, const OrdinaryPiece& piece) {
    if (!piece.band || s.uprightCharges || s.levels[static_cast<std::size_t>(s.level)].levelIn) return WordsTurn(s);
    const double degrees = std::atan2(piece.axisY, std::abs(piece.axisX)) * 180.0 / 3.14159265358979;
    if (degrees < kBendwiseFromDegrees || degrees > kBendwiseToDegrees) return WordsTurn(s);
    return piece.axisX > 0 ? ChargeTurn::kBendwise : ChargeTurn::kBendwiseSinister;
}

}  // namespace

bool IsOrdinaryInPieces(const LevelRecord& level) {
    return level.levelKind == kTypeOrdinary || NamesBars(level.levelName) || NamesPallets(level.levelName);
}

bool OnEachPieceOfTheOrdinary(DrawingState& s) {
    const LevelRecord& bearer = s.levels[0];
    const LevelRecord& level = phrase::Current(s);
    // The charges directly after the pieces; a later phrase ("on a chief two mullets") has its own bearer.
    if (s.level != 1 || !IsOrdinaryInPieces(bearer) || bearer.levelCount < 2 || level.levelCount < 1) return false;
    // Bars and pallets carry only what the words charge them with ("in chief as many" stands apart).
    if (bearer.levelKind != kTypeOrdinary && (!level.levelChargedOn || level.levelIn)) return false;
    const int w = s.picture.Width(), h = s.picture.Height();
    const std::vector<std::int8_t> codes = OrdinaryMaskCodes(s);
    if (w <= 0 || h <= 0 || codes.size() < static_cast<std::size_t>(w) * h) return false;
    const std::vector<OrdinaryPiece> pieces = PiecesOf(codes, w, h);
    if (static_cast<int>(pieces.size()) != bearer.levelCount) return false;
    const bool each = s.level == s.chargedOnEachLevel;
    const int onEach = each ? level.levelCount : (level.levelCount == bearer.levelCount ? 1 : 0);
    if (onEach < 1) return false;
    // More than one on a piece lie along it: only a band has a line to lie on.
    if (onEach > 1 && !std::all_of(pieces.begin(), pieces.end(), [](const OrdinaryPiece& p) { return p.band; })) return false;

    const std::vector<int> distance = DistanceInsideThePieces(codes, w, h);
    const double extent = s.geometry.Scaled(kChargeExtentAtScaleOne);
    const std::vector<int>& members = s.group.memberTinctures;
    PictureExtent picture;
    const bool loaded = s.pictureLoaded;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    const double drawnWide = known ? picture.lastColumn - picture.firstColumn + 1 : 0;
    const double drawnHigh = known ? picture.lastRow - picture.firstRow + 1 : 0;
    NoteLayout(s, "OnEachPiece(" + std::to_string(onEach) + " on each of " + std::to_string(pieces.size()) + ")");
    s.pictureLoaded = false;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const OrdinaryPiece& piece = pieces[k];
        int broadest = 0;
        for (int at : piece.pixels) broadest = std::max(broadest, distance[static_cast<std::size_t>(at)]);
        // Among the spots nearly as broad as the broadest, the one nearest the piece's middle.
        int best = piece.pixels.front();
        double bestFar = 1e18;
        for (int at : piece.pixels) {
            if (distance[static_cast<std::size_t>(at)] < kNearlyTheBroadest * broadest) continue;
            const double dx = at % w - piece.cx, dy = at / w - piece.cy, far = dx * dx + dy * dy;
            if (far < bestFar) {
                bestFar = far;
                best = at;
            }
        }
        const double breadth = 2.0 * broadest / kChamferStraight;
        ChargeTurn turn = TurnOnThePiece(s, piece);
        const bool along = turn == ChargeTurn::kBendwise || turn == ChargeTurn::kBendwiseSinister;
        // The drawing's extent across the piece, and along it: turned with a band its height
        // lies along the band and its width across.
        double across = along ? drawnWide : std::max(drawnWide, drawnHigh), lengthwise = along ? drawnHigh : drawnWide;
        // A slender drawing that leans (a feather, a quill) already lies nearly along a bend: it
        // is not turned but mirrored to lean the band's way, its length along the band and its
        // mean breadth across it.
        const bool leaning = along && known && std::abs(picture.lean) * kLeaningDivisor > picture.width;
        bool mirrorToLean = false;
        if (leaning) {
            lengthwise = std::hypot(drawnWide, drawnHigh);
            across = picture.drawnPixels / lengthwise;
            // Down a bend the upper half lies to the dexter (a lean below 0); down a bend
            // sinister to the sinister.
            mirrorToLean = (turn == ChargeTurn::kBendwise) == (picture.lean > 0);
            turn = WordsTurn(s);
        }
        float scale = static_cast<float>(kPieceBreadthShare * breadth / (across > 0 ? across * kPictureScaleFactor : extent));
        std::vector<std::pair<double, double>> spots;
        if (!piece.band) {
            spots.emplace_back(best % w, best / w);
        } else {
            // Along the band through the broad spot, as far as it stays nearly as broad, each
            // charge in its share of that length.
            const auto broadAt = [&](double t) {
                const long x = std::lround(best % w + t * piece.axisX), y = std::lround(best / w + t * piece.axisY);
                if (x < 0 || y < 0 || x >= w || y >= h) return false;
                const std::size_t i = static_cast<std::size_t>(y * w + x);
                return codes[i] == kPieceMaskMark && distance[i] >= kNearlyTheBroadest * broadest;
            };
            double from = 0, to = 0;
            while (broadAt(from - 1)) from -= 1;
            while (broadAt(to + 1)) to += 1;
            const double step = (to - from) / onEach;
            const double longest = lengthwise > 0 ? lengthwise * kPictureScaleFactor : extent;
            scale = std::min(scale, static_cast<float>(kChargeShareOfCell * step / longest));
            for (int i = 0; i < onEach; ++i) {
                const double t = onEach == 1 ? 0.0 : from + (i + 0.5) * step;
                spots.emplace_back(best % w + t * piece.axisX, best / w + t * piece.axisY);
            }
        }
        // What lies on a band bendwise sinister is the mirror image of what lies on a bend.
        const bool mirror = (turn == ChargeTurn::kBendwiseSinister || mirrorToLean) != s.sinisterCharges;
        const int own = onEach == 1 && k < members.size() ? members[k] : -1;
        for (const auto& [x, y] : spots)
            PlaceChargeIn(s, ChargeSpot{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), scale, turn, mirror, s.reversedCharges},
                          own >= 0 ? std::optional<int>(own) : std::nullopt);
    }
    return true;
}

}  // namespace esc
