// Long charges in pile converge toward the base: the outer ones lean in, every charge lies on a
// line through one meeting point below the middle of the field, and the field shows between
// them near the top. Short charges in pile keep their rows; forms that cannot be drawn so are
// noted, not counted clean.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/Palette.h"
#include "interpret/layout/ConvergingInPile.h"
#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

constexpr double kInPileTestRadians = 3.14159265358979323846 / 180.0;

// Whether a pixel within two of (x, y) is in `tincture` (a shaft turned on the diagonal is a
// few pixels wide, and the turn rounds).
bool TinctureNear(const test::Drawing& d, double x, double y, int tincture) {
    const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (d.At(cx + dx, cy + dy) == test::Colour(tincture)) return true;
    return false;
}

// The lean each placed charge is drawn at, from the fan of its count, in radians.
std::vector<double> DrawnLeans(int count, bool upsideDown) {
    std::vector<double> leans;
    const InPileFan fan = InPileFanOf(count);
    for (int i = 0; i < fan.count; ++i) {
        ChargeTurn turn{};
        int lean = 0;
        TurnOfLean(fan.leans[static_cast<std::size_t>(i)], upsideDown, turn, lean);
        leans.push_back(lean * kInPileTestRadians);
    }
    return leans;
}

TEST(LongChargesInPile, ConvergeTowardTheBase) {
    struct Case {
        const char* blazon;
        int count, field, charges;
        bool upsideDown;
    };
    const Case cases[] = {
        {"Azure three arrows in pile or", 3, kAzure, kOr, false},
        {"Argent three bird-bolts in pile gules", 3, kArgent, kGules, false},
        {"Argent three swords in pile points in base sable", 3, kArgent, kSable, true},
        {"Or two arrows in pile azure", 2, kOr, kAzure, false},
        {"Argent three arrows meeting in point sable", 3, kArgent, kSable, false},
        {"Vert three spears in pile argent", 3, kVert, kArgent, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        ASSERT_EQ(d.trace.levels.size(), 1u);
        EXPECT_TRUE(d.trace.levels[0].note.empty());
        const std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_EQ(static_cast<int>(placed.size()), c.count);
        const std::vector<double> leans = DrawnLeans(c.count, c.upsideDown);
        // The outer ones lean in: their lines cross below the middle of the field, and every
        // charge lies on its line through that point.
        const PlacementTrace &first = placed.front(), &last = placed.back();
        EXPECT_TRUE(first.bendwise && last.bendwise);
        const double tf = std::tan(leans.front()), tl = std::tan(leans.back());
        const double meetY = (last.x - first.x - last.y * tl + first.y * tf) / (tf - tl);
        const double meetX = first.x - (first.y - meetY) * tf;
        EXPECT_GT(meetY, d.s().geometry.H2);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const PlacementTrace& p = placed[i];
            const double reach = std::hypot(meetX - p.x, meetY - p.y);
            // Along its own line: the spot's centre and halfway out toward either end.
            EXPECT_NEAR(p.x, meetX - reach * std::sin(leans[i]), 3.0) << "charge " << i;
            for (const double t : {-0.4, 0.0, 0.4}) {
                const double x = p.x - t * reach * std::sin(leans[i]), y = p.y - t * reach * std::cos(leans[i]);
                EXPECT_TRUE(TinctureNear(d, x, y, c.charges)) << "charge " << i << " at " << t << ": " << x << ", " << y;
            }
            // The field between this charge and the next, out near their upper ends.
            if (i + 1 < placed.size()) {
                const double between = (leans[i] + leans[i + 1]) / 2;
                const double x = meetX - 1.7 * reach * std::sin(between), y = meetY - 1.7 * reach * std::cos(between);
                EXPECT_EQ(d.At(static_cast<int>(x), static_cast<int>(y)), test::Colour(c.field)) << "after " << i;
            }
        }
    }
}

// "Meeting in point" and "their points meeting in base" are the pile's words; piles meeting
// in base are piles in point.
TEST(LongChargesInPile, MeetingIsInPile) {
    test::ExpectDrawnAlike("Argent three arrows meeting in point sable", "Argent three arrows in pile sable");
    test::ExpectDrawnAlike("Argent three swords their points meeting in base gules",
                           "Argent three swords in pile points in base gules");
    test::ExpectDrawnAlike("Argent three piles meeting in base vert", "Argent three piles in point vert");
}

// Forms set out some other way say so: fans the pictures cannot be turned to, and long charges
// in pile on an ordinary. Short charges in pile keep their rows, upright.
TEST(LongChargesInPile, OtherFormsAreNoted) {
    for (const char* blazon : {"Argent four arrows in pile sable", "Argent five swords in pile gules"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        ASSERT_FALSE(d.trace.levels.empty());
        EXPECT_FALSE(d.trace.levels[0].note.empty());
    }
    test::Drawing onChief;
    onChief.Draw("Argent on a chief azure three swords in pile or");
    bool noted = false;
    for (const LevelTrace& l : onChief.trace.levels) noted = noted || !l.note.empty();
    EXPECT_TRUE(noted);
    test::Drawing rows;
    rows.DrawClean("Argent three mullets in pile gules");
    for (const PlacementTrace& p : test::AllPlacements(rows)) EXPECT_FALSE(p.bendwise);
}

}  // namespace
}  // namespace esc
