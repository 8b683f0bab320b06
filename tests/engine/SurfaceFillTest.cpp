#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "TestCanvas.h"
#include "engine/PartitionLine.h"
#include "engine/SurfaceFill.h"

namespace esc {
namespace {

SurfaceFill Pattern(PatternKind kind, int a, int b, int pieces = 0) {
    SurfaceFill f;
    f.kind = FillKind::Pattern;
    f.pattern = kind;
    f.pieces = pieces;
    f.parts = {SurfaceFill::Plain(a), SurfaceFill::Plain(b)};
    return f;
}

SurfaceFill Division(DivisionKind kind, SurfaceFill a, SurfaceFill b) {
    SurfaceFill f;
    f.kind = FillKind::Division;
    f.division = kind;
    f.parts = {std::move(a), std::move(b)};
    return f;
}

// The leaf at shield pixel (x, y) of a request.
struct Leaves {
    SurfaceMask mask;
    std::vector<int> leaves;
    Leaves(const SurfaceFill& fill, SurfaceMask m, SurfaceLay lay, int middleX = -1, int middleY = -1) : mask(std::move(m)) {
        leaves = SurfaceLeaves({fill, mask, lay, middleX, middleY});
    }
    int At(int x, int y) const {
        return leaves[static_cast<std::size_t>(y - mask.box.top) * mask.box.Width() + (x - mask.box.left)];
    }
};

// A band `breadth` wide along the line from (20, 20) at `degrees` below the x axis, in a 400 x 400 box.
SurfaceMask Band(double degrees, double breadth) {
    SurfaceMask m;
    m.box = {0, 0, 400, 400};
    m.in.assign(400 * 400, false);
    const double ux = std::cos(degrees * M_PI / 180), uy = std::sin(degrees * M_PI / 180);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            const double t = -(x + 0.5 - 20) * uy + (y + 0.5 - 20) * ux;
            m.in[static_cast<std::size_t>(y) * 400 + x] = std::abs(t) < breadth / 2;
        }
    return m;
}

// A square ring, `breadth` deep, round a 300 x 300 box.
SurfaceMask Ring(int breadth) {
    SurfaceMask m;
    m.box = {10, 10, 310, 310};
    m.in.assign(300 * 300, false);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            m.in[static_cast<std::size_t>(y) * 300 + x] = x < breadth || y < breadth || x >= 300 - breadth || y >= 300 - breadth;
    return m;
}

// Divisions nest: each part is laid in its own half or quarter of the box, to any depth.
TEST(SurfaceFill, DivisionsLayTheirPartsInTheirOwnBoxes) {
    const SurfaceMask whole = SurfaceMask::Whole({0, 0, 120, 240});
    {
        SCOPED_TRACE("per fess azure and paly of four or and gules");
        const Leaves l(Division(DivisionKind::Fess, SurfaceFill::Plain(kAzure), Pattern(PatternKind::Paly, kOr, kGules, 4)), whole,
                       SurfaceLay::Broad);
        for (int x : {5, 40, 70, 115}) EXPECT_EQ(l.At(x, 60), kAzure);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(l.At(15 + 30 * k, 180), k % 2 == 0 ? kOr : kGules) << k;
    }
    {
        SCOPED_TRACE("per pale barry of six argent and azure and vert");
        const Leaves l(Division(DivisionKind::Pale, Pattern(PatternKind::Barry, kArgent, kAzure), SurfaceFill::Plain(kVert)), whole,
                       SurfaceLay::Broad);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(l.At(30, 20 + 40 * k), k % 2 == 0 ? kArgent : kAzure) << k;
            EXPECT_EQ(l.At(90, 20 + 40 * k), kVert) << k;
        }
    }
    {
        SCOPED_TRACE("quarterly per pale or and sable and gules");
        const Leaves l(Division(DivisionKind::Cross, Division(DivisionKind::Pale, SurfaceFill::Plain(kOr), SurfaceFill::Plain(kSable)),
                                SurfaceFill::Plain(kGules)),
                       whole, SurfaceLay::Broad);
        EXPECT_EQ(l.At(10, 60), kOr);     // first quarter, its dexter half
        EXPECT_EQ(l.At(50, 60), kSable);  // first quarter, its sinister half
        EXPECT_EQ(l.At(90, 60), kGules);
        EXPECT_EQ(l.At(30, 180), kGules);
        EXPECT_EQ(l.At(70, 180), kOr);    // fourth quarter, dexter half
        EXPECT_EQ(l.At(110, 180), kSable);
    }
    {
        SCOPED_TRACE("per saltire: chief and base the first, the flanks the second");
        const Leaves l(Division(DivisionKind::Saltire, SurfaceFill::Plain(kOr), SurfaceFill::Plain(kAzure)), SurfaceMask::Whole({0, 0, 200, 200}),
                       SurfaceLay::Broad);
        EXPECT_EQ(l.At(100, 10), kOr);
        EXPECT_EQ(l.At(100, 190), kOr);
        EXPECT_EQ(l.At(10, 100), kAzure);
        EXPECT_EQ(l.At(190, 100), kAzure);
    }
    {
        SCOPED_TRACE("a middle asked for moves the line of the division");
        const Leaves l(Division(DivisionKind::Pale, SurfaceFill::Plain(kOr), SurfaceFill::Plain(kAzure)), whole, SurfaceLay::Broad, 40);
        EXPECT_EQ(l.At(38, 100), kOr);
        EXPECT_EQ(l.At(42, 100), kAzure);
    }
}

// Compony follows the surface: along a band whatever its slope, round a ring; counter-compony
// has two rows across, the squares of one row alternating with those of the other.
TEST(SurfaceFill, ComponyFollowsTheSurface) {
    for (double degrees : {0.0, 40.0, 90.0}) {
        SCOPED_TRACE(degrees);
        const double breadth = 40;
        const Leaves l(Pattern(PatternKind::Compony, kOr, kAzure), Band(degrees, breadth), SurfaceLay::Find);
        const double ux = std::cos(degrees * M_PI / 180), uy = std::sin(degrees * M_PI / 180);
        // Along the middle the pieces change every breadth: the runs between the first and the
        // last are a breadth long (to a pixel or two of the slope's steps).
        std::set<int> seen;
        std::vector<double> changes;
        int previous = -1;
        for (double s = 40; s < 360; s += 0.5) {
            const int x = static_cast<int>(20 + s * ux), y = static_cast<int>(20 + s * uy);
            if (!l.mask.Contains(x, y)) continue;
            const int here = l.At(x, y);
            seen.insert(here);
            if (previous >= 0 && here != previous) changes.push_back(s);
            previous = here;
        }
        ASSERT_GE(changes.size(), 4u);
        for (std::size_t i = 1; i < changes.size(); ++i) EXPECT_NEAR(changes[i] - changes[i - 1], breadth, 3.0) << changes[i];
        EXPECT_EQ(seen, (std::set<int>{kOr, kAzure}));
    }
    {
        SCOPED_TRACE("chequy on a band in bend: three rows across it");
        const double degrees = 40, breadth = 60;
        const Leaves l(Pattern(PatternKind::Chequy, kOr, kAzure), Band(degrees, breadth), SurfaceLay::Find);
        const double ux = std::cos(degrees * M_PI / 180), uy = std::sin(degrees * M_PI / 180);
        for (double s : {150.0, 230.0}) {
            auto at = [&](double t) { return l.At(static_cast<int>(20 + s * ux - t * uy), static_cast<int>(20 + s * uy + t * ux)); };
            EXPECT_NE(at(-breadth / 3), at(0)) << s;
            EXPECT_NE(at(0), at(breadth / 3)) << s;
            EXPECT_EQ(at(-breadth / 3), at(breadth / 3)) << s;
        }
    }
    {
        SCOPED_TRACE("a ring, compony of sixteen");
        const Leaves l(Pattern(PatternKind::Compony, kOr, kAzure), Ring(30), SurfaceLay::Ring);
        // The top middle is a boundary: its two sides differ; across the ring's breadth one piece.
        EXPECT_NE(l.At(150, 20), l.At(170, 20));
        EXPECT_EQ(l.At(150, 12), l.At(150, 37));
        int changes = 0;
        // Round the middle of the ring: sixteen pieces, sixteen changes.
        std::vector<std::pair<int, int>> path;
        for (int x = 25; x < 295; ++x) path.emplace_back(x, 25);
        for (int y = 25; y < 295; ++y) path.emplace_back(294, y);
        for (int x = 294; x >= 25; --x) path.emplace_back(x, 294);
        for (int y = 294; y >= 25; --y) path.emplace_back(25, y);
        for (std::size_t i = 1; i < path.size(); ++i)
            changes += l.At(path[i].first, path[i].second) != l.At(path[i - 1].first, path[i - 1].second);
        EXPECT_EQ(changes, 16);
    }
    {
        SCOPED_TRACE("a ring, counter-compony");
        const Leaves l(Pattern(PatternKind::CounterCompony, kOr, kAzure), Ring(30), SurfaceLay::Ring);
        for (int x : {60, 120, 200, 240}) EXPECT_NE(l.At(x, 14), l.At(x, 34)) << x;
    }
}

// The vair family in rows of bells or crutches, eight across a 400 pixel box: each place 50
// wide, each row 40 high; a bell stands on each place's edge (x = 0, 50, 100 ...).
TEST(SurfaceFill, TheVairFamilyInRows) {
    const SurfaceMask whole = SurfaceMask::Whole({0, 0, 400, 400});
    {
        SCOPED_TRACE("vairy: the next row shifted half a place");
        const Leaves l(Pattern(PatternKind::Vair, kArgent, kAzure, 8), whole, SurfaceLay::Broad);
        EXPECT_EQ(l.At(50, 30), kArgent);   // a bell, below its shoulders
        EXPECT_EQ(l.At(75, 30), kAzure);    // between two bells
        EXPECT_EQ(l.At(50, 1), kArgent);    // the bell's top point
        EXPECT_EQ(l.At(60, 1), kAzure);     // beside the point, above the shoulder
        EXPECT_EQ(l.At(75, 70), kArgent);   // the second row's bell, half a place on
        EXPECT_EQ(l.At(50, 70), kAzure);
    }
    {
        SCOPED_TRACE("counter-vair: the second row turned over, base to base");
        const Leaves l(Pattern(PatternKind::CounterVair, kOr, kGules, 8), whole, SurfaceLay::Broad);
        EXPECT_EQ(l.At(50, 30), kOr);
        EXPECT_EQ(l.At(50, 50), kOr);       // the second row's bell under the first's
        EXPECT_EQ(l.At(60, 78), kGules);    // its point at the bottom of the row
        EXPECT_EQ(l.At(50, 78), kOr);
        EXPECT_EQ(l.At(75, 50), kGules);
    }
    {
        SCOPED_TRACE("potent: a narrow stem above a broad foot");
        const Leaves l(Pattern(PatternKind::Potent, kArgent, kSable, 8), whole, SurfaceLay::Broad);
        EXPECT_EQ(l.At(55, 10), kArgent);   // the stem, a third of the place
        EXPECT_EQ(l.At(62, 10), kSable);
        EXPECT_EQ(l.At(62, 30), kArgent);   // the foot, two thirds
        EXPECT_EQ(l.At(70, 30), kSable);
        EXPECT_EQ(l.At(80, 50), kArgent);   // the next row half a place on
    }
    {
        SCOPED_TRACE("counter-potent: the second row turned over");
        const Leaves l(Pattern(PatternKind::CounterPotent, kArgent, kSable, 8), whole, SurfaceLay::Broad);
        EXPECT_EQ(l.At(62, 50), kArgent);   // foot to foot
        EXPECT_EQ(l.At(62, 70), kSable);    // the turned stem is narrow again
        EXPECT_EQ(l.At(55, 70), kArgent);
    }
}

// Fretty: bars crossing at right angles, four spaces across the 400 pixel box, one pair
// crossing on the middle column at the top; the bars are 16 pixels broad.
TEST(SurfaceFill, FrettyCrossesItsBarsOverTheGround) {
    const Leaves l(Pattern(PatternKind::Fretty, kAzure, kOr, 4), SurfaceMask::Whole({0, 0, 400, 400}), SurfaceLay::Broad);
    EXPECT_EQ(l.At(200, 0), kOr);      // the crossing on the middle column
    EXPECT_EQ(l.At(250, 50), kOr);     // along the bar in bend
    EXPECT_EQ(l.At(150, 50), kOr);     // along the bar in bend sinister
    EXPECT_EQ(l.At(200, 100), kOr);    // the next crossing, a space down
    EXPECT_EQ(l.At(250, 0), kAzure);   // the ground between them
    EXPECT_EQ(l.At(200, 50), kAzure);
    EXPECT_EQ(l.At(225, 100), kAzure);
}

// Divisions and patterns whose lines meet at a point follow their line: along a course beside
// the straight line, a few pixels to one side, the parts alternate as the line's teeth cross
// it; with no line the course lies in one part.
TEST(SurfaceFill, LinesThatMeetAtAPointFollowTheirLine) {
    constexpr int kIndented = 4, kWavy = 6;
    const SurfaceMask whole = SurfaceMask::Whole({0, 0, 400, 400});
    auto changesAlong = [&](const SurfaceFill& fill, auto point) {
        const Leaves l(fill, whole, SurfaceLay::Broad);
        int changes = 0;
        for (int k = 41; k < 160; ++k) changes += l.At(point(k).first, point(k).second) != l.At(point(k - 1).first, point(k - 1).second);
        return changes;
    };
    for (int line : {-1, kIndented, kWavy}) {
        SurfaceFill saltire = Division(DivisionKind::Saltire, SurfaceFill::Plain(kArgent), SurfaceFill::Plain(kGules));
        saltire.line = line;
        SurfaceFill gyronny = Pattern(PatternKind::Gyronny, kOr, kGules);
        gyronny.line = line;
        SurfaceFill chequy = Pattern(PatternKind::Chequy, kOr, kAzure, 4);
        chequy.line = line;
        SCOPED_TRACE(line);
        // Two pixels off the diagonal from the top left corner to the middle.
        const int saltireChanges = changesAlong(saltire, [](int k) { return std::pair{k + 2, k}; });
        // Two pixels beside the gyron line straight up from the middle.
        const int gyronnyChanges = changesAlong(gyronny, [](int k) { return std::pair{202, k}; });
        // Two pixels below the line between the first two rows of squares, 100 down; straight,
        // the course crosses one boundary of squares (at x = 100).
        const int chequyChanges = changesAlong(chequy, [](int k) { return std::pair{k, 102}; });
        if (line < 0) {
            EXPECT_EQ(saltireChanges, 0);
            EXPECT_EQ(gyronnyChanges, 0);
            EXPECT_EQ(chequyChanges, 1);
        } else {
            EXPECT_GT(saltireChanges, 2);
            EXPECT_GT(gyronnyChanges, 2);
            EXPECT_GT(chequyChanges, 3);  // more than the one square boundary the course crosses
        }
        EXPECT_TRUE(FillDrawsItsLine(saltire));
        EXPECT_TRUE(FillDrawsItsLine(gyronny));
        EXPECT_TRUE(FillDrawsItsLine(chequy));
    }
}

// A semé's ground is painted as its own treatment, and its room is the pixels the ground takes.
TEST(SurfaceFill, ASemeMarksTheRoomOfItsCharges) {
    SurfaceFill seme;
    seme.kind = FillKind::Seme;
    seme.mark = 0;
    seme.parts = {SurfaceFill::Plain(kArgent)};
    const SurfaceFill fill = Division(DivisionKind::Pale, SurfaceFill::Plain(kGules), seme);
    const SurfaceMask whole = SurfaceMask::Whole({0, 0, 200, 100});
    const SurfacePaintRequest request{fill, whole, SurfaceLay::Broad};
    const Leaves l(fill, whole, SurfaceLay::Broad);
    EXPECT_EQ(l.At(50, 50), kGules);
    EXPECT_EQ(l.At(150, 50), kArgent);
    const SurfaceMask room = SurfaceMarkMask(request, 0);
    EXPECT_FALSE(room.Contains(50, 50));
    EXPECT_TRUE(room.Contains(150, 50));
    EXPECT_TRUE(room.Contains(100, 0));
    EXPECT_FALSE(room.Contains(99, 0));
    EXPECT_FALSE(SurfaceMarkMask(request, 1).Contains(150, 50));
}

// Painting stores each leaf's code and paints only the mask.
TEST(SurfaceFill, PaintsTheMaskOnly) {
    test::Canvas c;
    c.PaintField(kArgent);
    SurfaceMask m = SurfaceMask::Whole({100, 100, 200, 200});
    m.in[0] = false;  // the top left pixel is not the surface's
    PaintSurface(c.s(), {Division(DivisionKind::Fess, SurfaceFill::Plain(kGules), SurfaceFill::Plain(kAzure)), m, SurfaceLay::Broad});
    EXPECT_EQ(c.At(100, 100), test::Colour(kArgent));
    EXPECT_EQ(c.At(101, 100), test::Colour(kGules));
    EXPECT_EQ(c.At(199, 149), test::Colour(kGules));
    EXPECT_EQ(c.At(150, 150), test::Colour(kAzure));
    EXPECT_EQ(c.At(199, 199), test::Colour(kAzure));
    EXPECT_EQ(c.At(200, 150), test::Colour(kArgent));
    EXPECT_EQ(c.At(150, 200), test::Colour(kArgent));
    EXPECT_EQ(c.s().pictureBuffer[150 * 415 + 150], kAzure);
}

// A mask of the design size drawn k times finer: each design pixel k by k picture pixels.
SurfaceMask Finer(const SurfaceMask& m, int k) {
    SurfaceMask f;
    f.box = {m.box.left * k, m.box.top * k, m.box.right * k, m.box.bottom * k};
    const int w = f.box.Width(), h = f.box.Height();
    f.in.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            f.in[static_cast<std::size_t>(y) * w + x] = m.in[static_cast<std::size_t>(y / k) * m.box.Width() + x / k];
    return f;
}

// At paint scales 2 and 4 each surface is the design's drawn finer: where the design's leaves
// are one over a pixel and its neighbours, the finer picture has that leaf at the pixel's centre.
// The lines' teeth, the lozenges, the squares and what makes a limb broad all scale with k.
TEST(SurfaceFill, AtScalesTwoAndFourTheSameLeavesLieInTheSamePlaces) {
    SurfaceMask square;  // a canton-sized square whose limb is narrower than a broad surface's
    square.box = {0, 0, 90, 90};
    square.in.assign(90 * 90, true);
    SurfaceFill indented = Division(DivisionKind::Fess, SurfaceFill::Plain(kGules), SurfaceFill::Plain(kAzure));
    indented.line = kEmbattledLine;
    SurfaceFill bendyWavy = Pattern(PatternKind::Bendy, kOr, kVert);
    bendyWavy.line = kWavyLine;
    const struct {
        const char* name;
        SurfaceFill fill;
        SurfaceMask mask;
        SurfaceLay lay;
    } cases[] = {
        {"chequy on a square", Pattern(PatternKind::Chequy, kOr, kAzure), square, SurfaceLay::Broad},
        {"chequy on the whole", Pattern(PatternKind::Chequy, kOr, kAzure), SurfaceMask::Whole({0, 0, 200, 240}),
         SurfaceLay::Broad},
        {"per fess embattled", indented, SurfaceMask::Whole({0, 0, 200, 200}), SurfaceLay::Broad},
        {"bendy wavy", bendyWavy, SurfaceMask::Whole({0, 0, 200, 200}), SurfaceLay::Broad},
        {"lozengy", Pattern(PatternKind::Lozengy, kArgent, kGules), SurfaceMask::Whole({0, 0, 200, 200}), SurfaceLay::Broad},
        {"fusilly", Pattern(PatternKind::Fusilly, kArgent, kGules), SurfaceMask::Whole({0, 0, 200, 200}), SurfaceLay::Broad},
        {"compony on a ring", Pattern(PatternKind::Compony, kArgent, kAzure), Ring(20), SurfaceLay::Ring},
    };
    for (const auto& c : cases) {
        const Leaves design(c.fill, c.mask, c.lay);
        for (const int k : {2, 4}) {
            SCOPED_TRACE(std::string(c.name) + " at k = " + std::to_string(k));
            const SurfaceMask fineMask = Finer(c.mask, k);
            SurfacePaintRequest request{c.fill, fineMask, c.lay};
            request.k = k;
            const std::vector<int> fine = SurfaceLeaves(request);
            const Rect& b = c.mask.box;
            long long compared = 0, unlike = 0;
            for (int y = b.top + 1; y + 1 < b.bottom; ++y)
                for (int x = b.left + 1; x + 1 < b.right; ++x) {
                    const int leaf = design.At(x, y);
                    bool flat = leaf >= 0;
                    for (int dy = -1; dy <= 1 && flat; ++dy)
                        for (int dx = -1; dx <= 1 && flat; ++dx) flat = design.At(x + dx, y + dy) == leaf;
                    if (!flat) continue;
                    ++compared;
                    const int fx = x * k + k / 2 - fineMask.box.left, fy = y * k + k / 2 - fineMask.box.top;
                    if (fine[static_cast<std::size_t>(fy) * fineMask.box.Width() + fx] != leaf) ++unlike;
                }
            ASSERT_GT(compared, 0);
            EXPECT_LT(static_cast<double>(unlike) / static_cast<double>(compared), 0.02) << unlike << " of " << compared;
        }
    }
}

}  // namespace
}  // namespace esc
