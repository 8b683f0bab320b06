// A charge within another that surrounds it: the outer charge's free interior found from its
// drawing, and the charges within drawn there, the outer one about them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/ChargePicture.h"
#include "engine/Messages.h"
#include "engine/PictureRoom.h"
#include "interpret/layout/FreeInterior.h"
#include "interpret/model/Arms.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

constexpr std::uint8_t kBodyIndex = 11, kBackgroundIndex = 255;

// A picture w by h of background with the pixels `drawn(x, y)` says in the body's index.
template <class Drawn>
std::vector<std::uint8_t> SyntheticPicture(int w, int h, Drawn drawn) {
    std::vector<std::uint8_t> p(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kBackgroundIndex);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (drawn(x, y)) p[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] = kBodyIndex;
    return p;
}

// The room of a ring is its hole; of a crescent, the space between its horns (above the
// middle of its body); a charge with no hole, or one that does not close round the room, has
// none.
TEST(FreeInterior, FoundWhereTheDrawingClosesRound) {
    const int size = 120;
    const double c = 60;
    for (const double outer : {50.0, 40.0}) {
        const double inner = outer * 0.6;
        const auto ring = SyntheticPicture(size, size, [&](int x, int y) {
            const double r = std::hypot(x - c, y - c);
            return r <= outer && r >= inner;
        });
        const std::optional<FreeInterior> room = FreeInteriorOf(ring, size, size);
        ASSERT_TRUE(room.has_value()) << outer;
        EXPECT_NEAR(room->x, c, 2) << outer;
        EXPECT_NEAR(room->y, c, 2) << outer;
        EXPECT_NEAR(room->radius, inner, inner * 0.1) << outer;
    }
    // A crescent, horns upward: a disc less a disc set higher.
    const auto crescent = SyntheticPicture(size, size, [&](int x, int y) {
        return std::hypot(x - c, y - c) <= 50 && std::hypot(x - c, y - (c - 25)) > 40;
    });
    const std::optional<FreeInterior> horns = FreeInteriorOf(crescent, size, size);
    ASSERT_TRUE(horns.has_value());
    EXPECT_NEAR(horns->x, c, 3);
    EXPECT_LT(horns->y, c);
    EXPECT_GT(horns->radius, 15);
    // A disc, a bar and a cross: nothing closes round any room.
    const auto disc = SyntheticPicture(size, size, [&](int x, int y) { return std::hypot(x - c, y - c) <= 50; });
    const auto bar = SyntheticPicture(size, size, [&](int, int y) { return y > 50 && y < 70; });
    const auto cross = SyntheticPicture(size, size, [&](int x, int y) { return std::abs(x - c) < 10 || std::abs(y - c) < 10; });
    EXPECT_FALSE(FreeInteriorOf(disc, size, size).has_value());
    EXPECT_FALSE(FreeInteriorOf(bar, size, size).has_value());
    EXPECT_FALSE(FreeInteriorOf(cross, size, size).has_value());
    EXPECT_FALSE(FreeInteriorOf(std::vector<std::uint8_t>(16, kBackgroundIndex), 4, 4).has_value());
}

// The room of the charge about as painted: its placement and its picture's room.
struct PaintedRoom {
    double x = 0, y = 0, radius = 0;
};

std::optional<PaintedRoom> RoomAsPainted(Drawing& d, const LevelTrace& about) {
    if (about.placements.size() != 1) return std::nullopt;
    const std::optional<FreeInterior> room = PictureInterior(d.s(), about.name, about.variant);
    if (!room) return std::nullopt;
    const PlacementTrace& at = about.placements[0];
    const ChargePicture& p = d.s().chargePicture;
    return PaintedRoom{at.x + (room->x - p.PW / 2.0) * at.scale / 2, at.y + (room->y - p.PH / 2.0) * at.scale / 2,
                       room->radius * at.scale / 2};
}

// Written either way round ("a crown within a wreath", "within a vol an eagle's head") and
// with the other words for it: the charges within lie wholly in the room of the charge about,
// filling much of it, and the charge about is painted round the room.
TEST(WithinACharge, TheChargesWithinFillTheRoomOfTheChargeAbout) {
    struct Case { const char* blazon; int within, about, aboutLevel; };
    const Case cases[] = {
        {"Or, a rose gules within a laurel wreath vert", kGules, kVert, 1},
        {"Argent, a mullet azure within a crescent gules", kAzure, kGules, 1},
        {"Argent, a battleaxe azure environed of a maunch gules", kAzure, kGules, 1},
        {"Argent, within a vol sable an eagle's head erased gules", kGules, kSable, 0},
        {"Or, two mullets gules encircled by a laurel wreath vert", kGules, kVert, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u);
        const std::optional<PaintedRoom> room = RoomAsPainted(d, d.trace.levels[static_cast<std::size_t>(c.aboutLevel)]);
        ASSERT_TRUE(room.has_value());
        const ShieldGeometry& g = d.state->geometry;
        int inside = 0, outside = 0, about = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x) {
                const double r = std::hypot(x - room->x, y - room->y);
                if (d.At(x, y) == Colour(c.within)) ++(r <= room->radius + 1 ? inside : outside);
                if (d.At(x, y) == Colour(c.about) && r > room->radius && r < 2 * room->radius) ++about;
            }
        EXPECT_GT(inside, room->radius * room->radius * 0.15);
        EXPECT_EQ(outside, 0);
        EXPECT_GT(about, room->radius * room->radius * 0.3);
    }
}

// A picture whose room its drawing declares (the birdcage, drawn full of bars, closes round no
// free space): the charge within, written either way, is painted at the room's centre, found
// from the picture file's room and the box the cage was painted in; the cage's tincture round it.
TEST(WithinACharge, TheDeclaredRoomHoldsTheChargeWithin) {
    const char* const blazons[] = {"Azure, within an open birdcage Or a dove gules", "Azure, a birdcage Or, therein a bird gules",
                                   "Vert a birdcage Or charged with a bird gules"};
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_EQ(d.trace.levels.size(), 2u);
        const LevelTrace& cage = d.trace.levels[0];
        ASSERT_EQ(cage.placements.size(), 1u);
        const std::string file = "lpics/birdcage.esv";
        const std::optional<PictureRoom> room = ReadPictureRoom(std::string(ESCAVAL_DATA_DIR) + "/" + file);
        ASSERT_TRUE(room.has_value());
        ASSERT_EQ(ReadGifPicture(d.s(), file), 0);
        const ChargePicture& p = d.s().chargePicture;
        const PlacementTrace& at = cage.placements[0];
        const double units = kPictureRoomUnits;
        const double cx = at.x + (room->x * p.PW / units - p.PW / 2.0) * at.scale / 2;
        const double cy = at.y + (room->y * p.PH / units - p.PH / 2.0) * at.scale / 2;
        const double radius = room->radius * p.PW / units * at.scale / 2;
        // The bird's tincture at the centre (most of the few pixels about it: an inner line may cross it).
        int atCentre = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                atCentre += d.At(static_cast<int>(std::lround(cx)) + dx, static_cast<int>(std::lround(cy)) + dy) == Colour(kGules) ? 1 : 0;
        EXPECT_GT(atCentre, 12);
        // The bird fills much of the room and stays in it; the cage is painted about it.
        const ShieldGeometry& g = d.state->geometry;
        int inside = 0, outside = 0, cagePixels = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x) {
                const double r = std::hypot(x - cx, y - cy);
                if (d.At(x, y) == Colour(kGules)) ++(r <= radius + 1 ? inside : outside);
                if (d.At(x, y) == Colour(kOr) && r > radius) ++cagePixels;
            }
        EXPECT_GT(inside, radius * radius * 0.4);
        EXPECT_EQ(outside, 0);
        EXPECT_GT(cagePixels, radius * radius);
    }
}

// Within a picture with no room, or more charges than a room holds: the words are read, and
// the drawing is said not to be as written.
TEST(WithinACharge, SaidWhenTheRoomCannotHoldThem) {
    for (const char* blazon : {"Argent, a mullet azure within a lion gules", "Or, six mullets gules within a laurel wreath vert",
                               "Argent, within a lion gules a mullet azure"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        bool said = false;
        for (const std::string& m : d.sink.messages) said = said || m.starts_with(msg::kNotDrawnWithin);
        EXPECT_TRUE(said);
    }
}

// The relation words go into the model, subject and object as the words say them: "transfixed
// by" names the piercing one after the pierced.
TEST(RelationsInTheModel, WithinAndPiercing) {
    struct Case { const char* blazon; model::RelationKind kind; int subject, object; };
    const Case cases[] = {
        {"Or, a rose gules within a laurel wreath vert", model::RelationKind::Within, 0, 1},
        {"Vert, a martlet argent between the horns of a crescent Or", model::RelationKind::Within, 0, 1},
        {"Argent, within a vol sable an eagle's head erased gules", model::RelationKind::Within, 1, 0},
        {"Argent, an arrow fesswise sable piercing a heart gules", model::RelationKind::Pierces, 0, 1},
        {"Argent, a heart gules transfixed by a sword bendwise sable", model::RelationKind::Pierces, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const model::Arms& arms = d.trace.model;
        ASSERT_EQ(arms.groups.size(), 2u);
        ASSERT_EQ(arms.relations.size(), 1u);
        EXPECT_EQ(arms.relations[0].kind, c.kind);
        EXPECT_EQ(arms.relations[0].subject, c.subject);
        EXPECT_EQ(arms.relations[0].object, c.object);
    }
}

// One charge piercing another, written either way: the pierced charge's tincture in the
// middle of the field when it is painted last, and the piercing one's showing beyond the
// pierced charge on both sides.
TEST(Piercing, ThePiercingChargeShowsBeyondThePiercedOne) {
    struct Case { const char* blazon; int pierces, pierced; bool piercedLast; };
    const Case cases[] = {
        {"Argent, an arrow fesswise azure piercing a heart gules", kAzure, kGules, true},
        {"Or, a sword fesswise azure transfixing a heart gules", kAzure, kGules, true},
        {"Argent, a heart gules transfixed by an arrow fesswise azure", kAzure, kGules, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.state->geometry;
        if (c.piercedLast) {
            EXPECT_EQ(d.At(g.W2, g.H2), Colour(c.pierced));
        }
        // The pierced charge's columns, and the piercing one's pixels left and right of them.
        int first = g.W, last = -1;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == Colour(c.pierced)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        ASSERT_LT(first, last);
        EXPECT_LT(last - first, g.W / 2);
        int left = 0, right = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x) {
                if (d.At(x, y) != Colour(c.pierces)) continue;
                left += x < first ? 1 : 0;
                right += x > last ? 1 : 0;
            }
        EXPECT_GT(left, 50);
        EXPECT_GT(right, 50);
    }
}

}  // namespace
}  // namespace esc::test
