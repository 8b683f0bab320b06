// Objects and crosses whose words choose or colour a picture of their own: the fountain painted
// proper, the covered cup, the spear steeled, the cross anchory and the saltire anchored. Colours
// are sampled at points of the drawing (in its own pixels) mapped onto the shield through the box
// the charge was painted in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

// Where a drawing's painted pixels lie in its own coordinates: the outer edge of its outline.
struct Extent {
    double left, top, right, bottom;
};
constexpr Extent kFount{3.5, 3.5, 176.5, 176.5}, kOpenCup{4.5, 4.5, 135.5, 215.5}, kCoveredCup{14.5, 3.5, 125.5, 215.5},
    kCross{2.5, 2.5, 177.5, 177.5},
    kSpear{33.3, 2.4, 86.7, 217};  // the head's widest; the sharp ends' mitres, the last rows unpainted

struct Drawn {
    test::Drawing d;
    std::string picture;                     // the file the first level with pictures painted
    std::vector<PlacementTrace> placements;  // where that level placed its charges
};

std::unique_ptr<Drawn> Draw(const std::string& blazon) {
    auto out = std::make_unique<Drawn>();
    out->d.Draw(blazon);
    EXPECT_TRUE(out->d.trace.ignoredWords.empty()) << blazon;
    for (const LevelTrace& level : out->d.trace.levels) {
        for (const PictureTrace& p : level.pictures)
            if (p.drawn && out->picture.empty()) out->picture = p.file.substr(p.file.rfind('/') + 1);
        if (out->picture.empty()) continue;
        out->placements = level.placements;
        break;
    }
    return out;
}

// The shield pixel where the painter put the drawing's pixel (u, v), for a charge alone on a
// field of one tincture: the charge is the patch of pixels not in the field's colour that holds
// its placement point, and that patch's box is the drawing's extent, scaled. Measured on the
// picture, so that it holds however the layout sizes the charge.
Rgb At(const Drawn& drawn, Extent extent, double u, double v) {
    const Bitmap& picture = drawn.d.state->picture;
    const int width = picture.Width(), height = picture.Height();
    EXPECT_EQ(drawn.placements.size(), 1u);
    if (drawn.placements.empty()) return Rgb{};
    const Rgb field = drawn.d.At(drawn.placements[0].x, 2);  // at the top, a little below the outline
    int left = width, top = height, right = -1, bottom = -1;
    std::vector<char> seen(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    std::vector<std::pair<int, int>> todo{{drawn.placements[0].x, drawn.placements[0].y}};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        char& mark = seen[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
        if (mark != 0 || drawn.d.At(x, y) == field) continue;
        mark = 1;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    EXPECT_LT(left, right);
    EXPECT_GT(left, 0);  // the patch is the charge, not the shield's outline
    const double sx = (right + 1 - left) / (extent.right - extent.left), sy = (bottom + 1 - top) / (extent.bottom - extent.top);
    return drawn.d.At(left + static_cast<int>(std::floor((u - extent.left) * sx)),
                      top + static_cast<int>(std::floor((v - extent.top) * sy)));
}

// The fountain is barry wavy of six, argent and azure, whatever the blazon says of its tincture:
// down its middle column (where the waves cross their mean line) the bands alternate, starting
// argent. Band edges lie at 3 + k * 170 / 6 in the drawing; the points are midway between.
TEST(ObjectPictures, AFountainIsBarryWavyArgentAndAzure) {
    const double bandMiddles[] = {17, 45, 73, 102, 130, 158};
    for (const char* blazon : {"Sable a fountain", "Gules a fountain proper", "Or a fountain"}) {
        SCOPED_TRACE(blazon);
        const auto drawn = Draw(blazon);
        ASSERT_EQ(drawn->picture, "fount.esv");
        for (int band = 0; band < 6; ++band) {
            SCOPED_TRACE(band);
            EXPECT_EQ(At(*drawn, kFount, 90, bandMiddles[band]), test::Colour(band % 2 == 0 ? kArgent : kAzure));
        }
    }
}

// A heart proper is red, not the painter's proper brown: the middle of one heart alone on the
// field, at the fess point, is gules.
TEST(ObjectPictures, AHeartProperIsRed) {
    for (const char* blazon : {"Argent a heart proper", "Or a heart proper"}) {
        SCOPED_TRACE(blazon);
        const auto drawn = Draw(blazon);
        const ShieldGeometry& g = drawn->d.s().geometry;
        EXPECT_EQ(drawn->d.At(g.W2, g.H2), test::Colour(kGules));
    }
}

// "a covered cup" is the cup with its lid, "a cup" the open cup: beside the lid, where the open
// cup's bowl is, the covered cup shows the field.
TEST(ObjectPictures, ACoveredCupHasItsLidAndACupIsOpen) {
    const auto covered = Draw("Azure a covered cup or");
    ASSERT_EQ(covered->picture, "ccup.esv");
    EXPECT_EQ(At(*covered, kCoveredCup, 70, 40), test::Colour(kOr));     // the lid
    EXPECT_EQ(At(*covered, kCoveredCup, 20, 32), test::Colour(kAzure));  // beside it
    const auto open = Draw("Azure a cup or");
    ASSERT_EQ(open->picture, "cup.esv");
    EXPECT_EQ(At(*open, kOpenCup, 20, 32), test::Colour(kOr));  // the bowl, open to the brim
}

// "steeled" colours the spear's head (its second part); the staff keeps the spear's tincture.
TEST(ObjectPictures, SteeledColoursTheSpearsHead) {
    for (const bool steeled : {false, true}) {
        SCOPED_TRACE(steeled);
        const auto drawn = Draw(steeled ? "Or a spear sable steeled argent" : "Or a spear sable");
        ASSERT_EQ(drawn->picture, "spear.esv");
        const Rgb head = test::Colour(steeled ? kArgent : kSable);
        EXPECT_EQ(At(*drawn, kSpear, 46, 64), head);
        EXPECT_EQ(At(*drawn, kSpear, 74, 64), head);
        EXPECT_EQ(At(*drawn, kSpear, 60, 150), test::Colour(kSable));  // the staff
    }
}

// The cross anchory and the saltire anchored: the end of the upper arm (of the cross) is the
// crown of an anchor, an arc 17 to 29 from the point (90, 33) of the drawing; the points 23 from
// it at 30 degrees above the level, on either side, lie in its flukes. The saltire is the same
// drawing turned an eighth of a turn right about the centre (90, 90) and enlarged by 1.22.
TEST(ObjectPictures, AnchoredEndsAreAnchorsCrowns) {
    const auto cross = Draw("Or a cross anchory gules");
    ASSERT_EQ(cross->picture, "cros.0");
    for (const double u : {70.0, 110.0}) EXPECT_EQ(At(*cross, kCross, u, 21.5), test::Colour(kGules)) << u;
    EXPECT_EQ(At(*cross, kCross, 40, 40), test::Colour(kOr));  // between two arms

    const auto saltire = Draw("Or a saltire anchored azure");
    ASSERT_EQ(saltire->picture, "saltire.0");
    const double turn = std::acos(-1.0) / 4, grow = 1.22;
    for (const double u : {70.0, 110.0}) {
        const double x = (u - 90) * grow, y = (21.5 - 90) * grow;
        const double su = 90 + x * std::cos(turn) - y * std::sin(turn), sv = 90 + x * std::sin(turn) + y * std::cos(turn);
        EXPECT_EQ(At(*saltire, kCross, su, sv), test::Colour(kAzure)) << u;
    }
    EXPECT_EQ(At(*saltire, kCross, 90, 20), test::Colour(kOr));  // between the upper arms
}

// "anchored" turns the saltire into its picture only where that picture is drawn; in a folder
// without it the saltire stays the ordinary and the word is reported as not read, not drawn as
// the plain saltire in silence.
TEST(ObjectPictures, AnchoredIsReadOnlyWhereItsPictureIsDrawn) {
    char pattern[] = "/tmp/escaval-objects-XXXXXX";
    const char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    const std::filesystem::path root = made;
    std::filesystem::create_directories(root / "lpics");
    std::ofstream(root / "lpics" / "saltire.esv") << "GIF89a";  // the couped saltire only
    test::Drawing d;
    d.s().dataDir = root.string();
    d.Draw("Or a saltire anchored azure");
    std::filesystem::remove_all(root);
    ASSERT_FALSE(d.trace.levels.empty());
    EXPECT_NE(d.trace.levels[0].kind, 13);
    EXPECT_EQ(d.trace.ignoredWords, std::vector<std::string>{"anchored"});
}

// Without "anchored" a saltire is the ordinary, drawn throughout, not a picture.
TEST(ObjectPictures, APlainSaltireStaysTheOrdinary) {
    const auto drawn = Draw("Or a saltire azure");
    EXPECT_TRUE(drawn->picture.empty());
    ASSERT_FALSE(drawn->d.trace.levels.empty());
    EXPECT_NE(drawn->d.trace.levels[0].kind, 13);
}

}  // namespace
}  // namespace esc
