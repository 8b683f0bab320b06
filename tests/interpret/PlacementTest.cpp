// PlaceCharge: the picture file names tried and the question picture; roundels painted as discs
// (pixels of the shield and of the layer image); the placement ring read by charges upon
// charges; and the bounds of the ring and of the layer records.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "PhraseTestState.h"
#include "engine/Palette.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"

namespace esc {
namespace {

using test::BareState;
using test::Point;

// A folder of picture files, each a sound GIF of one pixel, which is enough for the placement to
// count it as drawn.
class PictureFolder {
public:
    explicit PictureFolder(std::initializer_list<const char*> files) {
        char pattern[] = "/tmp/escaval-placement-XXXXXX";
        root_ = mkdtemp(pattern);
        std::filesystem::create_directories(root_ / "lpics");
        for (const char* f : files) {
            std::ofstream out(root_ / "lpics" / f, std::ios::binary);
            // Header and screen of 1 by 1, one image of 1 by 1: codes clear, 1, end at 3 bits.
            out << "GIF89a" << std::string("\x01\0\x01\0\0\0\0", 7) << std::string("\x2C\0\0\0\0\x01\0\x01\0\0", 10)
                << std::string("\x02\x02\x4C\x01\0;", 6);
        }
    }
    ~PictureFolder() { std::filesystem::remove_all(root_); }
    std::string Path() const { return root_.string(); }

private:
    std::filesystem::path root_;
};

struct Tried {
    std::string file;
    bool drawn, standIn;
    friend bool operator==(const Tried&, const Tried&) = default;
};
std::ostream& operator<<(std::ostream& out, const Tried& t) {
    return out << t.file << (t.drawn ? " drawn" : " missing") << (t.standIn ? " (stand-in)" : "");
}

TEST(PlaceCharge, FileNamesAndFallbacks) {
    struct Case {
        const char* name;
        const char* levelName;
        const char* variant;
        std::initializer_list<const char*> files;
        std::vector<Tried> tried;
    } cases[] = {
        {"plural", "lions", "", {"lion.esv"}, {{"lpics/lion.esv", true, false}}},
        {"variant as extension", "lions", "12", {"lion.12"}, {{"lpics/lion.12", true, false}}},
        {"variant missing: the plain picture",
         "lion",
         "3",
         {"lion.esv"},
         {{"lpics/lion.3", false, false}, {"lpics/lion.esv", true, false}}},
        {"capitals as typed", "Lion", "", {"lion.esv"}, {{"lpics/lion.esv", true, false}}},
        {"crosses", "crosses", "", {"crose.esv"}, {{"lpics/crose.esv", true, false}}},
        {"cross", "cross", "17", {"cros.17"}, {{"lpics/cros.17", true, false}}},
        {"ve becomes f", "wolves", "", {"wolf.esv"}, {{"lpics/wolve.esv", false, false}, {"lpics/wolf.esv", true, false}}},
        {"eight characters", "escallops", "", {"escallop.esv"}, {{"lpics/escallop.esv", true, false}}},
        {"cut to eight", "fleurdelis", "", {"fleurdel.esv"}, {{"lpics/fleurdel.esv", true, false}}},
        {"question stands in",
         "wolves",
         "",
         {"question.esv"},
         {{"lpics/wolve.esv", false, false}, {"lpics/wolf.esv", false, false}, {"lpics/question.esv", true, true}}},
        {"not even the question picture",
         "wolves",
         "",
         {},
         {{"lpics/wolve.esv", false, false}, {"lpics/wolf.esv", false, false}, {"lpics/question.esv", false, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFolder folder(c.files);
        BareState b;
        b.s().dataDir = folder.Path();
        b.Level(0, 1, 4, c.levelName).levelVariant.Assign(c.variant);
        PlaceCharge(b.s(), ChargeSpot{100, 100, 1.0f});
        std::vector<Tried> tried;
        for (const PictureTrace& p : b.TraceOf(0)->pictures) tried.push_back({p.file, p.drawn, p.standIn});
        EXPECT_EQ(tried, c.tried);
        const bool drawn = !tried.empty() && tried.back().drawn;
        EXPECT_EQ(b.s().pictureCount, drawn ? 1 : 0);
    }
}

TEST(PlaceCharge, TheQuestionPictureStandsInForTheRestOfTheLevel) {
    PictureFolder folder({"question.esv"});
    BareState b;
    b.s().dataDir = folder.Path();
    b.Level(0, 2, 4, "wombats");
    Place(b.s(), 100, 100, 1.0f);
    EXPECT_EQ(b.s().levels[0].levelName, "question");
    Place(b.s(), 200, 100, 1.0f);
    const auto& pictures = b.TraceOf(0)->pictures;
    ASSERT_FALSE(pictures.empty());
    for (const PictureTrace& p : pictures)
        if (p.drawn) {
            EXPECT_TRUE(p.standIn) << p.file;
        }
    EXPECT_EQ(b.s().pictureCount, 2);
    // One ring entry per charge, however many names were tried.
    EXPECT_EQ(b.s().ringWritten, 2);
}

TEST(PlaceCharge, TheSecondChargeOfALevelPaintsThePictureAlreadyRead) {
    PictureFolder folder({"wolf.esv"});
    BareState b;
    b.s().dataDir = folder.Path();
    b.Level(0, 2, 4, "wolves");
    Place(b.s(), 100, 100, 1.0f);
    Place(b.s(), 200, 100, 1.0f);
    EXPECT_EQ(b.s().pictureCount, 2);
    // The trace names the file the picture came from, not the first name tried for the second.
    std::vector<Tried> tried;
    for (const PictureTrace& p : b.TraceOf(0)->pictures) tried.push_back({p.file, p.drawn, p.standIn});
    EXPECT_EQ(tried, (std::vector<Tried>{{"lpics/wolve.esv", false, false}, {"lpics/wolf.esv", true, false}}));
}

TEST(PlaceCharge, KindZeroPlacesNothing) {
    BareState b;
    b.Level(0, 1, 0, "mullet");
    Place(b.s(), 100, 100, 1.0f);
    EXPECT_EQ(b.s().ringWritten, 0);
    EXPECT_EQ(b.s().pictureCount, 0);
}

TEST(PlaceCharge, AFountIsPaintedInTheProperColour) {
    BareState b;
    b.Level(0, 1, 10, "founts");
    b.s().levelTincture[0] = kArgent;
    Place(b.s(), 207, 240, 1.0f);
    EXPECT_EQ(b.s().levelTincture[0], kProperBrown);
    EXPECT_EQ(b.s().picture.Pixel(207, 240), kPalette[kErmine]);  // code 20 paints the brown of entry 8
}

// A roundel at scale 1.0: radius 55 in a 150 by 150 layer; the one-pixel sable rim ends every
// column, above and below.
TEST(DrawDisc, RimBodyAndLayerImage) {
    BareState b;
    b.PaintField(kArgent);
    const Rgb field = kPalette[kArgent];
    b.Level(0, 1, 10, "torteaux");
    const int x = 207, y = 240, r = 55;
    Place(b.s(), x, y, 1.0f);
    const Bitmap& pic = b.s().picture;
    const Rgb sable = kPalette[kSable], gules = kPalette[kGules];
    struct Sample {
        const char* what;
        int px, py;
        Rgb colour;
    } samples[] = {
        {"top of the centre column", x, y - r, sable},
        {"bottom of the centre column", x, y + r, sable},
        {"just inside the top", x, y - r + 1, gules},
        {"just inside the bottom", x, y + r - 1, gules},
        {"centre", x, y, gules},
        {"above the disc", x, y - r - 1, field},
        {"the last column", x + r, y, gules},
        {"right of the disc", x + r + 1, y, field},
        {"inside, diagonally", x + 30, y - 30, gules},
        {"outside, diagonally", x + 40, y + 40, field},
    };
    for (const Sample& s : samples) EXPECT_EQ(pic.Pixel(s.px, s.py), s.colour) << s.what;

    // Every column of the disc runs from a rim pixel through the body to a rim pixel.
    for (int px = x - r; px <= x + r; ++px) {
        int top = y, bottom = y;
        while (pic.Pixel(px, top - 1) != field) --top;
        while (pic.Pixel(px, bottom + 1) != field) ++bottom;
        ASSERT_EQ(pic.Pixel(px, top), sable) << "column " << px;
        ASSERT_EQ(pic.Pixel(px, bottom), sable) << "column " << px;
        ASSERT_EQ(top - y, y - bottom) << "column " << px;
        for (int py = top + 1; py < bottom; ++py) ASSERT_EQ(pic.Pixel(px, py), gules) << px << "," << py;
    }

    // Everything well inside the circle is painted, nothing well outside it.
    for (int py = y - r - 3; py <= y + r + 3; ++py) {
        for (int px = x - r - 3; px <= x + r + 3; ++px) {
            const double d = std::hypot(px - x, py - y);
            const Rgb c = pic.Pixel(px, py);
            if (d < r - 1) {
                ASSERT_TRUE(c == gules || c == sable) << px << "," << py;
            }
            if (d > r + 1) {
                ASSERT_EQ(c, field) << px << "," << py;
            }
        }
    }

    ASSERT_EQ(b.layers.Layers().size(), 1u);
    const PlacedLayer& layer = b.layers.Layers()[0];
    EXPECT_EQ(layer.cx, x);
    EXPECT_EQ(layer.cy, y);
    ASSERT_EQ(layer.image.Width(), 150);
    ASSERT_EQ(layer.image.Height(), 150);
    ASSERT_EQ(layer.background.Width(), 150);
    EXPECT_EQ(layer.image.Pixel(0, 0), kTeal);
    EXPECT_EQ(layer.image.Pixel(75, 75), gules);
    EXPECT_EQ(layer.image.Pixel(75, 75 - r), sable);
    EXPECT_EQ(layer.image.Pixel(75 + r, 75), gules);
    EXPECT_EQ(layer.image.Pixel(75 + r + 1, 75), kTeal);
    EXPECT_EQ(layer.background.Pixel(75, 75), field) << "what lay under the disc";
    EXPECT_EQ(b.s().pictureCount, 1);
    EXPECT_EQ(b.s().levelTincture[0], kGules) << "the level's tincture is restored after the rim";
    EXPECT_EQ(b.s().layerTarget.image, nullptr);
}

TEST(DrawDisc, SizeFollowsTheScale) {
    struct Case {
        float scale;
        int d, r;
    } cases[] = {{1.0f, 150, 55}, {0.5f, 75, 27}, {2.4f, 360, 132}, {0.3f, 45, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        BareState b;
        b.Level(0, 1, 10, "plates");
        b.s().levelTincture[0] = kArgent;
        Place(b.s(), 207, 240, c.scale);
        ASSERT_NE(b.layers.Find(0), nullptr);
        EXPECT_EQ(b.layers.Find(0)->image.Width(), c.d);
        EXPECT_EQ(b.s().picture.Pixel(207, 240 - c.r), kPalette[kSable]);
        EXPECT_NE(b.s().picture.Pixel(207, 240 - c.r - 1), kPalette[kSable]);
    }
}

// Charges upon charges take the positions the previous level wrote into the ring, oldest
// first, at half their scale; they do not write the ring themselves.
TEST(PlacementRing, ChargesUponCharges) {
    struct Case {
        const char* name;
        std::vector<int> rows;   // how level 0 is placed (rows), or empty for none
        int previousCount;
        std::size_t expected;    // charges placed on level 1
    } cases[] = {
        {"three", {3}, 3, 3},
        {"fourteen: only the last thirteen are in the ring", {5, 5, 4}, 14, 13},
        {"seven on the field draw nothing: nothing to charge", {}, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BareState b;
        b.Level(0, c.previousCount);
        if (!c.rows.empty()) RowLayout(b.s(), c.rows);
        const std::vector<Point> below = b.Points(0);
        const std::vector<float> belowScales = b.Scales(0);
        const int ringNext = b.s().ringNext;

        b.Level(1, 1, 10, "plates").levelChargedOn = true;
        PlaceOnPreviousCharges(b.s());
        const std::vector<Point> above = b.Points(1);
        ASSERT_EQ(above.size(), c.expected);
        for (std::size_t k = 0; k < above.size(); ++k) {
            const std::size_t from = below.size() - above.size() + k;
            EXPECT_EQ(above[k], below[from]);
            EXPECT_NEAR(b.Scales(1)[k], belowScales[from] / 2, 1e-5);
        }
        EXPECT_EQ(b.s().ringNext, ringNext) << "charged-on placements do not write the ring";
    }
}

TEST(PlacementRing, WrapsAfterThirteenEntries) {
    BareState b;
    b.Level(0, 15);
    RowLayout(b.s(), std::vector<int>{5, 5, 5});
    EXPECT_EQ(b.s().ringNext, 15 % kPlacementRingSize);
    EXPECT_EQ(b.s().ringWritten, kPlacementRingSize);
    const std::vector<Point> points = b.Points(0);
    EXPECT_EQ(b.s().placementRing[0].x, points[13].x);
    EXPECT_EQ(b.s().placementRing[1].x, points[14].x);
}

// Twenty layers handed on: later charges are painted and counted but handed to nobody.
TEST(PlaceCharge, MoreThanTwentyCharges) {
    BareState b;
    b.Level(0, 25, 10, "bezants");
    b.s().levelTincture[0] = kOr;
    RowLayout(b.s(), std::vector<int>{5, 5, 5, 5, 5});
    const std::vector<Point> points = b.Points(0);
    ASSERT_EQ(points.size(), 25u);
    EXPECT_EQ(b.s().pictureCount, 25);
    ASSERT_EQ(b.layers.Layers().size(), static_cast<std::size_t>(kMaxLayers));
    const PlacedLayer& last = b.layers.Layers().back();
    EXPECT_EQ(last.index, kMaxLayers - 1);
    EXPECT_EQ(last.cx, points[19].x);
    EXPECT_EQ(last.cy, points[19].y);
    EXPECT_EQ(b.s().picture.Pixel(points[24].x, points[24].y), kPalette[kOr]) << "the 25th is painted";
}

// With nobody listening (the command line) the same disc is painted and no layer is made.
TEST(PlaceCharge, NoSinkPaintsTheSamePixels) {
    BareState with, without;
    without.s().layerSink = nullptr;
    for (BareState* b : {&with, &without}) {
        b->PaintField(kArgent);
        b->Level(0, 1, 10, "torteaux");
        Place(b->s(), 207, 240, 1.0f);
    }
    EXPECT_TRUE(with.s().picture == without.s().picture);
    EXPECT_EQ(with.layers.Layers().size(), 1u);
    EXPECT_TRUE(without.layers.Layers().empty());
}

}  // namespace
}  // namespace esc
