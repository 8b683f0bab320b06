// An ordinary of lozenges conjoined: each limb of the ordinary is a row of lozenges set point to
// point along its middle line, as broad as the limb (a fess's stand upright across it, as many
// as fit its length). A fusil is long and narrow, a mascle a lozenge voided. Each lozenge (or
// each of a mascle's four sides) is a convex area painted row by row.

#include "engine/ConjoinedLozenges.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"

namespace esc {
namespace {

// A lozenge's length over its breadth: the fusil's and the plain lozenge's (mascles).
constexpr double kFusilShapeTallness = 1.5, kLozengeShapeTallness = 1.2;
// Counted ("a bend of five lozenges"), each stretched along its limb keeps at least this much
// length over breadth: a lozenge's and a fusil's.
constexpr double kCountedLozengeTallness = 1.5, kCountedFusilTallness = 2.0;
// The chevron's apex and the fall of its limbs (as the chevron is drawn), in degrees from the
// horizontal toward the base.
constexpr double kChevronFallDegrees = 40.0;

struct LozengePoint {
    double x, y;
};

// The lozenges along one limb: from (x0, y0) in the direction (ux, uy), `length` long; the
// first lozenge's point `start` along (its middle half a lozenge further), the rest end to end.
// Fitted, the lozenges are stretched a little so that whole ones meet both ends.
// With `pieces` above 0, fitted to that many, and no broader than a lozenge of that length
// (`tallness`, length over breadth) is: a long limb of few keeps them lozenges, not squares.
void AlongLimb(std::vector<Lozenge>& out, double x0, double y0, double ux, double uy, double length, double halfLength,
               double halfBreadth, double start, bool fit, int pieces = 0, double tallness = kCountedLozengeTallness) {
    if (pieces > 0) {
        halfLength = (length - start) / (2.0 * pieces);
        halfBreadth = std::min(halfBreadth, halfLength / tallness);
    } else if (fit) {
        const int n = std::max(1, static_cast<int>(std::lround((length - start) / (2 * halfLength))));
        halfLength = (length - start) / (2.0 * n);
    }
    // So many counted: the last ends at the limb's end, not a rounding short of it.
    const double end = pieces > 0 ? length - halfLength / 2 : length;
    for (double s = start + halfLength; s - halfLength < end; s += 2 * halfLength)
        out.push_back({x0 + s * ux, y0 + s * uy, ux, uy, halfLength, halfBreadth});
}

std::array<LozengePoint, 4> Corners(const Lozenge& z, double scale) {
    const double ax = z.ux * z.halfLength * scale, ay = z.uy * z.halfLength * scale;
    const double bx = -z.uy * z.halfBreadth * scale, by = z.ux * z.halfBreadth * scale;
    return {{{z.cx + ax, z.cy + ay}, {z.cx + bx, z.cy + by}, {z.cx - ax, z.cy - ay}, {z.cx - bx, z.cy - by}}};
}

// Paints the convex polygon row by row: each row's span between its crossings of the edges.
template <std::size_t N>
void PaintConvex(PaintState& state, const std::array<LozengePoint, N>& p) {
    double top = p[0].y, bottom = p[0].y;
    for (const LozengePoint& q : p) {
        top = std::min(top, q.y);
        bottom = std::max(bottom, q.y);
    }
    const int last = std::min(static_cast<int>(std::ceil(bottom)), state.geometry.shieldBottom);
    for (int y = std::max(static_cast<int>(std::floor(top)), 0); y <= last; ++y) {
        const double row = y + 0.5;
        double left = 1e18, right = -1e18;
        for (std::size_t i = 0; i < N; ++i) {
            const LozengePoint a = p[i], b = p[(i + 1) % N];
            if ((row < a.y && row < b.y) || (row > a.y && row > b.y) || a.y == b.y) continue;
            const double x = a.x + (row - a.y) * (b.x - a.x) / (b.y - a.y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (left > right) continue;
        const int from = static_cast<int>(std::lround(left)), to = static_cast<int>(std::lround(right)) - 1;
        if (to >= from) PaintSpan(state, std::max(from, 0), y, std::min(to, state.geometry.W));
    }
}

}  // namespace

bool Lozenge::Contains(double x, double y, double scale) const {
    const double dx = x - cx, dy = y - cy;
    const double along = std::abs(dx * ux + dy * uy), across = std::abs(-dx * uy + dy * ux);
    return along / (halfLength * scale) + across / (halfBreadth * scale) <= 1.0;
}

namespace {

// How far from its centre the lozenge's outline lies in the unit direction (dx, dy).
double ReachOfLozenge(const Lozenge& z, double dx, double dy) {
    const double along = std::abs(dx * z.ux + dy * z.uy), across = std::abs(-dx * z.uy + dy * z.ux);
    return 1.0 / (along / z.halfLength + across / z.halfBreadth);
}

}  // namespace

std::vector<Lozenge> JointsOfConjoined(const std::vector<Lozenge>& all) {
    // Lozenges a pixel or so apart along the line between their centres count as meeting.
    constexpr double kMeetingSlack = 1.5;
    std::vector<Lozenge> joints;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const Lozenge &a = all[i], &b = all[j];
            const double dx = b.cx - a.cx, dy = b.cy - a.cy, apart = std::hypot(dx, dy);
            if (apart <= 0) continue;
            const double ux = dx / apart, uy = dy / apart;
            const double reachA = ReachOfLozenge(a, ux, uy), reachB = ReachOfLozenge(b, ux, uy);
            if (std::abs(reachA + reachB - apart) > kMeetingSlack) continue;
            // Across the meeting, each lozenge's own breadth there bounds the joint's.
            const double wideA = ReachOfLozenge(a, -uy, ux), wideB = ReachOfLozenge(b, -uy, ux);
            joints.push_back({a.cx + ux * reachA, a.cy + uy * reachA, ux, uy, kMascleJoin * std::min(reachA, reachB),
                              kMascleJoin * std::min(wideA, wideB)});
        }
    return joints;
}

bool ShapeTakesLozenges(ShapeCode shapeCode) {
    return shapeCode == kFess || shapeCode == kBend || shapeCode == kBendSinister || shapeCode == kPale ||
           shapeCode == kChevron || shapeCode == kCross || shapeCode == kSaltire;
}

std::vector<Lozenge> ConjoinedLozenges(const ShieldGeometry& g, ShapeCode shapeCode, bool fusils, int count) {
    const double tallness = fusils ? kFusilShapeTallness : kLozengeShapeTallness;
    const double counted = fusils ? kCountedFusilTallness : kCountedLozengeTallness;
    const double W = g.W, H = g.H, D = g.chiefDepth, B = g.shieldBottom;
    std::vector<Lozenge> out;
    // A limb of breadth `breadth` whose lozenges lie along it.
    auto along = [&](double breadth) { return std::pair{breadth / 2 * tallness, breadth / 2}; };
    switch (shapeCode) {
        case kFess: {
            // Upright across the fess: their long axes run down it, their side points meet.
            const double halfLength = D / 2, halfBreadth = halfLength / tallness;
            const int n = count > 0 ? count : std::max(1, static_cast<int>(std::lround(W / (2 * halfBreadth))));
            const double step = W / n;
            for (int i = 0; i < n; ++i) out.push_back({step * (i + 0.5), H / 2, 0, 1, halfLength, step / 2});
            break;
        }
        case kPale: {
            const auto [a, b] = along(D + g.Px(10));
            AlongLimb(out, W / 2, 0, 0, 1, B, a, b, 0, true, count, counted);
            break;
        }
        case kBend:
        case kBendSinister: {
            const auto [a, b] = along(D + g.Px(10));
            const double length = std::hypot(W, H), ux = W / length, uy = H / length;
            if (shapeCode == kBend) AlongLimb(out, 0, 0, ux, uy, length, a, b, 0, true, count, counted);
            else AlongLimb(out, W, 0, -ux, uy, length, a, b, 0, true, count, counted);
            break;
        }
        case kChevron: {
            // One lozenge upright at the apex; each limb from where its outline crosses the limb.
            const auto [a, b] = along(D);
            const double apex = D / 2 + H / 3, fall = kChevronFallDegrees * std::numbers::pi / 180;
            // Counted, the limb ends at the flank, so that its last lozenge is whole.
            const double ux = std::cos(fall), uy = std::sin(fall), length = (W / 2) / ux + (count > 1 ? 0.0 : b);
            const Lozenge top{W / 2, apex, 0, 1, a, b};
            out.push_back(top);
            const double start = 1.0 / (uy / a + ux / b);
            const int limb = count > 1 ? (count - 1) / 2 : 0;
            AlongLimb(out, W / 2, apex, -ux, uy, length, a, b, start, false, limb, counted);
            AlongLimb(out, W / 2, apex, ux, uy, length, a, b, start, false, limb, counted);
            break;
        }
        case kCross:
        case kSaltire: {
            // One lozenge at the crossing; the limbs from it outward each way.
            const auto [a, b] = along(D * 0.8);
            const double cx = W / 2, cy = H / 2;
            const double length = std::hypot(W, B);
            std::vector<LozengePoint> ways;
            if (shapeCode == kCross) {
                ways = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
            } else {
                const double d = std::hypot(W, H);
                ways = {{-W / d, -H / d}, {W / d, H / d}, {W / d, -H / d}, {-W / d, H / d}};
            }
            const Lozenge middle{cx, cy, ways[0].x, ways[0].y, a, b};
            out.push_back(middle);
            for (const LozengePoint& u : ways) {
                // Each limb's first lozenge from where the middle one's outline crosses the limb.
                const double along = std::abs(u.x * middle.ux + u.y * middle.uy), across = std::abs(-u.x * middle.uy + u.y * middle.ux);
                // Counted, each limb's lozenges reach the edge of the field its way.
                const double toX = u.x < 0 ? cx / -u.x : u.x > 0 ? (W - cx) / u.x : length;
                const double toY = u.y < 0 ? cy / -u.y : u.y > 0 ? (B - cy) / u.y : length;
                AlongLimb(out, cx, cy, u.x, u.y, count > 1 ? std::min(toX, toY) : length, a, b,
                          1.0 / (along / a + across / b), false, count > 1 ? (count - 1) / 4 : 0);
            }
            break;
        }
        default: break;
    }
    return out;
}

bool DrawnAsLozenges(const PaintState& s, ShapeCode shape) {
    const std::string_view variant = s.CurrentLevel().levelVariant.view();
    return (variant == kFusillyVariant || variant == kMasculyVariant || variant == kOfLozengesVariant) &&
           ShapeTakesLozenges(shape);
}

void DrawConjoinedLozenges(PaintState& s, const ShapeOutline& outline) {
    const ShapeCode shape = outline.shape;
    if (s.lineCode != kPlainLine || outline.treatment != OrdinaryTreatment::kNone) s.messages.Show(msg::kOrdinaryDrawnPlain);
    const std::string_view variant = s.CurrentLevel().levelVariant.view();
    const bool mascles = variant == kMasculyVariant, fusils = variant == kFusillyVariant;
    // "of five": so many (its count kept as the level's line repeats).
    const int count = s.CurrentLevel().levelLineRepeats;
    const std::vector<Lozenge> lozenges = ConjoinedLozenges(s.geometry, shape, fusils, count);
    for (const Lozenge& z : lozenges) {
        const std::array<LozengePoint, 4> outer = Corners(z, 1.0);
        if (!mascles) {
            PaintConvex(s, outer);
            continue;
        }
        // A mascle: its four sides, each between the outer lozenge and the void.
        const std::array<LozengePoint, 4> inner = Corners(z, kMascleVoid);
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t j = (i + 1) % 4;
            PaintConvex(s, std::array<LozengePoint, 4>{{outer[i], outer[j], inner[j], inner[i]}});
        }
    }
    // Mascles' frames meet in thin points: joined over each meeting, they read as conjoined.
    if (mascles)
        for (const Lozenge& joint : JointsOfConjoined(lozenges)) PaintConvex(s, Corners(joint, 1.0));
    if (s.cotiseCount != 0) shapes::DrawAndSpendCotises(s, outline);
}

}  // namespace esc
