// The charge_pictures tool end to end: small drawings written here, rendered by the tool,
// read back with giflib.
#include "TestGif.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "DrawingChecks.h"
#include "FillBox.h"
#include "GifWriter.h"
#include "engine/PictureRoom.h"

namespace charge_pictures_test {
namespace {

namespace fs = std::filesystem;
namespace cp = charge_pictures;

std::string Svg(int width, int height, const std::string& rootAttributes, const std::string& body,
                bool crisp = true) {
    return "<?xml version=\"1.0\"?>\n<!-- test drawing -->\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
           std::to_string(width) + " " + std::to_string(height) + "\"" +
           (crisp ? " shape-rendering=\"crispEdges\"" : "") + " " + rootAttributes + ">\n" + body + "\n</svg>\n";
}

std::string Rect(int x, int y, int w, int h, const std::string& fill, const std::string& extra = "") {
    return "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" + std::to_string(w) +
           "\" height=\"" + std::to_string(h) + "\" fill=\"" + fill + "\" " + extra + "/>";
}

std::set<std::string> FilesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().filename() != ".charge_pictures") names.insert(entry.path().filename().string());
    }
    return names;
}

// A body rectangle with a 2-pixel outline, a red and a blue square inside it.
constexpr int kWidth = 40, kHeight = 30;
constexpr int kBodyX = 8, kBodyY = 6, kBodyW = 24, kBodyH = 18, kStroke = 2;
constexpr int kSquare = 4, kRedX = 12, kBlueX = 24, kSquareY = 12;

std::string TestDrawing(const std::string& rootAttributes) {
    return Svg(kWidth, kHeight, rootAttributes,
               Rect(kBodyX, kBodyY, kBodyW, kBodyH, "#ffffff",
                    "stroke=\"#000000\" stroke-width=\"" + std::to_string(kStroke) + "\"") +
                   Rect(kRedX, kSquareY, kSquare, kSquare, "#ff0000") +
                   Rect(kBlueX, kSquareY, kSquare, kSquare, "#0000ff"));
}

TEST(ChargePicturesTool, PaintsEachRoleInItsIndex) {
    ScratchDir dir;
    WriteText(dir / "block.svg", TestDrawing(""));
    const ToolRun run = RunTool({(dir / "out").string(), (dir / "block.svg").string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const DecodedGif gif = DecodeWithGiflib(dir / "out" / "block.esv");
    ASSERT_EQ(gif.error, "");
    ASSERT_EQ(gif.width, kWidth);
    ASSERT_EQ(gif.height, kHeight);
    // The stroke straddles the rectangle's edge: kStroke / 2 pixels each side of it.
    const struct {
        const char* what;
        int x, y, index;
    } points[] = {
        {"centre of the body", kBodyX + kBodyW / 2, kBodyY + kBodyH / 2 + 3, 11},
        {"left edge", kBodyX, kBodyY + kBodyH / 2, 0},
        {"just outside the left edge", kBodyX - kStroke / 2, kBodyY + kBodyH / 2, 0},
        {"just inside the left edge", kBodyX + kStroke / 2 - 1, kBodyY + kBodyH / 2, 0},
        {"first body column", kBodyX + kStroke / 2, kBodyY + kBodyH / 2, 11},
        {"top edge", kBodyX + kBodyW / 2, kBodyY, 0},
        {"bottom edge", kBodyX + kBodyW / 2, kBodyY + kBodyH - 1, 0},
        {"outside, left", kBodyX - kStroke / 2 - 1, kBodyY + kBodyH / 2, 255},
        {"outside, corner", 0, 0, 255},
        {"outside, below", kWidth / 2, kHeight - 1, 255},
        {"red square", kRedX + kSquare / 2, kSquareY + kSquare / 2, 10},
        {"red square's last pixel", kRedX + kSquare - 1, kSquareY + kSquare - 1, 10},
        {"beside the red square", kRedX + kSquare, kSquareY, 11},
        {"blue square", kBlueX + kSquare / 2, kSquareY + kSquare / 2, 14},
    };
    for (const auto& point : points) {
        SCOPED_TRACE(point.what);
        EXPECT_EQ(gif.At(point.x, point.y), point.index);
    }
}

TEST(ChargePicturesTool, WritesTheHeaderBytesAndColourTable) {
    const struct {
        const char* name;
        std::string attributes;
        std::array<std::uint8_t, 4> bytes;
    } cases[] = {
        {"none set", "", {0, 0, 0, 0}},
        {"all set", "data-o1=\"6\" data-o2=\"0x70\" data-o3=\"255\" data-turn=\"1\"", {6, 0x70, 255, 1}},
        {"turn only", "data-turn='3'", {0, 0, 0, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        WriteText(dir / "block.svg", TestDrawing(c.attributes));
        const ToolRun run = RunTool({dir.path().string(), (dir / "block.svg").string()});
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        const DecodedGif gif = DecodeWithGiflib(dir / "block.esv");
        ASSERT_EQ(gif.error, "");
        const std::array<std::uint8_t, 13> header = {'G', 'I', 'F', '8', '9', 'a', c.bytes[0], c.bytes[1],
                                                     c.bytes[2], c.bytes[3], 0xF7, 255, 0};
        EXPECT_EQ(gif.header, header);
        ASSERT_EQ(gif.colours.size(), 256u);
        EXPECT_EQ(gif.colours[0], (std::array<int, 3>{0, 0, 0}));
        EXPECT_EQ(gif.colours[10], (std::array<int, 3>{255, 0, 0}));
        EXPECT_EQ(gif.colours[11], (std::array<int, 3>{255, 255, 255}));
        EXPECT_EQ(gif.colours[14], (std::array<int, 3>{0, 0, 255}));
        EXPECT_EQ(gif.colours[255], (std::array<int, 3>{0, 128, 128}));
    }
}

TEST(ChargePicturesTool, ProperColoursComeFromOneTable) {
    // Two drawings, one named in the table: its header bytes are the tinctures' codes + 1, the
    // other's stay 0.
    ScratchDir dir;
    WriteText(dir / "crow.svg", TestDrawing(""));
    WriteText(dir / "lion.svg", TestDrawing(""));
    WriteText(dir / "proper.txt", "# drawing body second detail\ncrow  sable gules -   # a crow proper\n");
    const ToolRun run = RunTool({"--proper", (dir / "proper.txt").string(), (dir / "out").string(),
                                 (dir / "crow.svg").string(), (dir / "lion.svg").string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const DecodedGif crow = DecodeWithGiflib(dir / "out" / "crow.esv");
    const DecodedGif lion = DecodeWithGiflib(dir / "out" / "lion.esv");
    ASSERT_EQ(crow.error, "");
    ASSERT_EQ(lion.error, "");
    EXPECT_EQ(crow.header[6], 5);  // sable, code 4
    EXPECT_EQ(crow.header[7], 3);  // gules, code 2
    EXPECT_EQ(crow.header[8], 0);
    EXPECT_EQ(lion.header[6], 0);
}

TEST(ChargePicturesTool, RefusesProperColoursOutsideTheTable) {
    const struct {
        const char* name;
        std::string table;
        std::string attributes;
        const char* message;
    } cases[] = {
        {"a drawing sets its own", "", "data-o1=\"5\"", "proper table"},
        {"a line names no drawing", "crow sable sable -\nraven sable sable -\n", "", "raven, which is no drawing"},
        {"not a tincture", "crow brown sable -\n", "", "line 1: \"brown\" is not a tincture"},
        {"a part missing", "crow sable sable\n", "", "line 1: wants a drawing and three parts"},
        {"a drawing twice", "crow sable sable -\ncrow or or -\n", "", "line 2: the drawing crow is named twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        WriteText(dir / "crow.svg", TestDrawing(c.attributes));
        WriteText(dir / "proper.txt", c.table);
        const ToolRun run =
            RunTool({"--proper", (dir / "proper.txt").string(), (dir / "out").string(), (dir / "crow.svg").string()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    }
}

TEST(ChargePicturesTool, NamesPicturesAfterTheirSources) {
    const struct {
        const char* source;
        std::string attributes;
        std::set<std::string> files;
    } cases[] = {
        {"mullet.svg", "", {"mullet.esv"}},
        {"lion.3.svg", "", {"lion.3"}},
        {"escallop.svg", "", {"escallop.esv"}},
        {"cros.17.svg", "", {"cros.17"}},
        {"lion.svg", "data-also=\" lion.1  lion.12\"", {"lion.esv", "lion.1", "lion.12"}},
        {"leopard.hd.svg", "data-also=\"leoplis\"", {"leopard.hd", "leoplis.esv"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        ScratchDir dir;
        WriteText(dir / c.source, TestDrawing(c.attributes));
        const ToolRun run = RunTool({(dir / "out").string(), (dir / c.source).string()});
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(FilesIn(dir / "out"), c.files);
        const std::vector<std::uint8_t> first = ReadBytes(dir / "out" / *c.files.begin());
        for (const std::string& file : c.files) EXPECT_TRUE(ReadBytes(dir / "out" / file) == first) << file;
    }
}

TEST(ChargePicturesTool, RefusesWhatThePainterCannotUse) {
    const std::string green = Rect(10, 10, 20, 20, "#00ff00");
    const struct {
        const char* name;
        const char* source;
        std::string svg;
        const char* message;
    } cases[] = {
        {"stem of 9 characters", "greyhound.svg", TestDrawing(""), "longer than 8"},
        {"variant of 4 characters", "lion.1234.svg", TestDrawing(""), "longer than 3"},
        {"two dots", "lion.1.2.svg", TestDrawing(""), "more than one dot"},
        {"capital letter", "Lion.svg", TestDrawing(""), "lower-case"},
        {"data-also name too long", "lion.svg", TestDrawing("data-also=\"lion.1 fleurdelis\""), "data-also"},
        {"size one row past the limit", "big.svg", Svg(380, 301, "", green), "114000"},
        {"a green fill", "green.svg", Svg(40, 40, "", green), "#00ff00"},
        {"a grey fill", "grey.svg", Svg(40, 40, "", Rect(10, 10, 20, 20, "#808080")), "#808080"},
        {"a green fill, anti-aliased", "soft.svg",
         Svg(40, 40, "", "<circle cx=\"20\" cy=\"20\" r=\"12\" fill=\"#00ff00\"/>", false), "#00ff00"},
        {"header byte out of range", "lion.svg", TestDrawing("data-o1=\"256\""), "data-o1"},
        {"header byte not a number", "lion.svg", TestDrawing("data-turn=\"yes\""), "data-turn"},
        {"no natural size", "lion.svg",
         "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 40 30\">" + green + "</svg>", "width and height"},
        {"not XML", "lion.svg", "<svg width=\"40\" height=\"30\"", "lion.svg: refused"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        WriteText(dir / c.source, c.svg);
        const ToolRun run = RunTool({(dir / "out").string(), (dir / c.source).string()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_TRUE(FilesIn(dir / "out").empty());
    }
}

TEST(ChargePicturesTool, AcceptsAntiAliasingAndTheLimitItself) {
    const struct {
        const char* name;
        std::string svg;
    } cases[] = {
        {"size at the limit", Svg(380, 300, "", Rect(10, 10, 360, 280, "#ffffff"))},
        {"a speck of green", Svg(40, 40, "", Rect(10, 10, 20, 20, "#ffffff") + Rect(12, 12, 2, 2, "#00ff00"))},
        {"smooth edges between every pair",
         Svg(60, 60, "",
             "<circle cx=\"30\" cy=\"30\" r=\"25\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"3\"/>"
             "<circle cx=\"22\" cy=\"26\" r=\"9\" fill=\"#ff0000\" stroke=\"#000000\" stroke-width=\"1.3\"/>"
             "<circle cx=\"40\" cy=\"34\" r=\"8\" fill=\"#0000ff\"/>"
             "<path d=\"M 10 50 L 50 8\" stroke=\"#ff0000\" stroke-width=\"2.5\"/>",
             false)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        WriteText(dir / "ok.svg", c.svg);
        const ToolRun run = RunTool({dir.path().string(), (dir / "ok.svg").string()});
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        const DecodedGif gif = DecodeWithGiflib(dir / "ok.esv");
        ASSERT_EQ(gif.error, "");
        for (std::uint8_t index : gif.indices) {
            ASSERT_TRUE(index == 0 || index == 10 || index == 11 || index == 14 || index == 255) << int(index);
        }
    }
}

TEST(ChargePicturesTool, RefusesTwoDrawingsOfOneName) {
    ScratchDir dir;
    WriteText(dir / "lion.svg", TestDrawing("data-also=\"lion.1\""));
    WriteText(dir / "lion.1.svg", TestDrawing(""));
    const ToolRun run = RunTool({(dir / "out").string(), (dir / "lion.svg").string(), (dir / "lion.1.svg").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("lion.1 is already made from"), std::string::npos) << run.errors;
}

TEST(ChargePicturesTool, RemovesPicturesWhoseNameWasDropped) {
    ScratchDir dir;
    WriteText(dir / "lion.svg", TestDrawing("data-also=\"lion.1\""));
    ASSERT_EQ(RunTool({(dir / "out").string(), (dir / "lion.svg").string()}).exitCode, 0);
    EXPECT_EQ(FilesIn(dir / "out"), (std::set<std::string>{"lion.esv", "lion.1"}));

    WriteText(dir / "lion.svg", TestDrawing(""));
    WriteText(dir / "mullet.svg", TestDrawing(""));
    ASSERT_EQ(RunTool({(dir / "out").string(), (dir / "lion.svg").string(), (dir / "mullet.svg").string()}).exitCode, 0);
    EXPECT_EQ(FilesIn(dir / "out"), (std::set<std::string>{"lion.esv", "mullet.esv"}));
}

// The box of the pixels that are not background.
struct Painted {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Painted PaintedBox(const DecodedGif& gif) {
    Painted box;
    for (int y = 0; y < gif.height; ++y) {
        for (int x = 0; x < gif.width; ++x) {
            if (gif.At(x, y) == 255) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST(ChargePicturesTool, FillGrowsTheSilhouetteToItsBoxKeepingProportions) {
    // A wide drawing reaches the width first, a tall one the height; a drawing already larger
    // than the box shrinks to it. The silhouette is centred with the margin all round.
    const struct {
        const char* name;
        int naturalW, naturalH, x, y, w, h;
        bool byWidth;
    } cases[] = {
        {"wide, small, off-centre", 60, 40, 4, 20, 30, 12, true},
        {"tall, in a wide box", 200, 100, 90, 5, 20, 80, false},
        {"square, larger than the box", 300, 300, 10, 10, 280, 280, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        // Outlined, as every charge must be: the 1-pixel stroke adds half a pixel all round.
        WriteText(dir / "shape.svg",
                  Svg(c.naturalW, c.naturalH, "",
                      Rect(c.x, c.y, c.w, c.h, "#ffffff", "stroke=\"#000000\" stroke-width=\"1\"") +
                          Rect(c.x, c.y, c.w / 2, c.h / 2, "#ff0000")));
        const ToolRun run = RunTool({"--fill", (dir / "out").string(), (dir / "shape.svg").string()});
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        const DecodedGif gif = DecodeWithGiflib(dir / "out" / "shape.esv");
        ASSERT_EQ(gif.error, "");
        const Painted box = PaintedBox(gif);
        const int spanW = box.right - box.left + 1, spanH = box.bottom - box.top + 1;
        if (c.byWidth) {
            EXPECT_NEAR(spanW, cp::kSilhouetteWidth, 1);
            EXPECT_LE(spanH, cp::kSilhouetteHeight + 1);
        } else {
            EXPECT_NEAR(spanH, cp::kSilhouetteHeight, 1);
            EXPECT_LE(spanW, cp::kSilhouetteWidth + 1);
        }
        // Proportions kept: the spans stand as the drawn rectangle's sides.
        EXPECT_NEAR(static_cast<double>(spanW) / spanH, (c.w + 1.0) / (c.h + 1.0), 0.03);
        EXPECT_EQ(gif.width, spanW + 2 * cp::kPictureMargin);
        EXPECT_EQ(gif.height, spanH + 2 * cp::kPictureMargin);
        EXPECT_EQ(box.left, cp::kPictureMargin);
        EXPECT_EQ(box.top, cp::kPictureMargin);
        // The red quarter stays the upper left quarter.
        EXPECT_EQ(gif.At(box.left + spanW / 4, box.top + spanH / 4), 10);
        EXPECT_EQ(gif.At(box.right - spanW / 4, box.bottom - spanH / 4), 11);
    }
}

// A room the drawing declares (data-room="cx cy r", the drawing's units) is written into the
// picture where the resizing put it, in thousandths of the picture's size: a room declared at
// the middle of a rectangle lands at the middle of its painted box. A room that is not three
// numbers is refused.
TEST(ChargePicturesTool, WritesTheDeclaredRoomWhereTheDrawingLies) {
    ScratchDir dir;
    WriteText(dir / "cage.svg", Svg(60, 40, "data-room=\"30 20 10\"",
                                    Rect(10, 5, 40, 30, "#ffffff", "stroke=\"#000000\" stroke-width=\"1\"")));
    WriteText(dir / "bad.svg", Svg(60, 40, "data-room=\"30 20\"",
                                   Rect(10, 5, 40, 30, "#ffffff", "stroke=\"#000000\" stroke-width=\"1\"")));
    ASSERT_EQ(RunTool({"--fill", (dir / "out").string(), (dir / "cage.svg").string()}).exitCode, 0);
    const std::optional<esc::PictureRoom> room = esc::PictureRoomOfGif(ReadBytes(dir / "out" / "cage.esv"));
    ASSERT_TRUE(room.has_value());
    const DecodedGif gif = DecodeWithGiflib(dir / "out" / "cage.esv");
    ASSERT_EQ(gif.error, "");
    const Painted box = PaintedBox(gif);
    const double units = esc::kPictureRoomUnits;
    EXPECT_NEAR(room->x * gif.width / units, (box.left + box.right) / 2.0, 1.5);
    EXPECT_NEAR(room->y * gif.height / units, (box.top + box.bottom) / 2.0, 1.5);
    // The radius is a quarter of the rectangle's width, as drawn.
    EXPECT_NEAR(room->radius * gif.width / units, (box.right - box.left + 1) / 4.0, 1.5);
    EXPECT_NE(RunTool({"--fill", (dir / "out2").string(), (dir / "bad.svg").string()}).exitCode, 0);
}

TEST(ChargePicturesTool, FillRefusesAChargeWithoutItsContour) {
    // The same shape passes with its black contour and is refused without it: on a field of its
    // own tincture it would not show.
    for (const bool outlined : {true, false}) {
        SCOPED_TRACE(outlined ? "outlined" : "bare");
        ScratchDir dir;
        WriteText(dir / "block.svg",
                  Svg(60, 40, "", Rect(5, 5, 50, 30, "#ffffff", outlined ? "stroke=\"#000000\" stroke-width=\"3\"" : "")));
        const ToolRun run = RunTool({"--fill", (dir / "out").string(), (dir / "block.svg").string()});
        if (outlined) {
            EXPECT_EQ(run.exitCode, 0) << run.errors;
        } else {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_NE(run.errors.find("silhouette's edge is outline"), std::string::npos) << run.errors;
        }
    }
}

TEST(ChargePicturesTool, DrawingChecksMeasureTheEdgeAndTheFill) {
    // A 12 x 10 block of body: first bare, then with a ring of outline round it.
    cp::IndexedPicture picture;
    picture.width = 12;
    picture.height = 10;
    picture.indices.assign(120, 11);
    EXPECT_EQ(cp::OutlinedEdgePercent(picture), 0);
    for (int x = 0; x < 12; ++x) picture.indices[x] = picture.indices[9 * 12 + x] = 0;
    for (int y = 0; y < 10; ++y) picture.indices[y * 12] = picture.indices[y * 12 + 11] = 0;
    EXPECT_EQ(cp::OutlinedEdgePercent(picture), 100);
    // The upper half of the right-hand column red: 5 of the 40 edge pixels.
    for (int y = 0; y < 5; ++y) picture.indices[y * 12 + 11] = 10;
    EXPECT_EQ(cp::OutlinedEdgePercent(picture), (40 - 5) * 100 / 40);
    EXPECT_NE(cp::FillFault(picture), "");

    // Spanning the box across (less the tolerance) fills it, whatever its height.
    cp::IndexedPicture wide;
    wide.width = cp::kSilhouetteWidth - cp::kFillTolerance + 2 * cp::kPictureMargin;
    wide.height = 40;
    EXPECT_EQ(cp::FillFault(wide), "");
    wide.width -= 1;
    EXPECT_NE(cp::FillFault(wide), "");
}

TEST(ChargePicturesTool, FittingStaysWithinTheBufferAndKeepsAnEmptyDrawing) {
    // A hair-thin drawing would need a picture past the limit at the full height.
    const cp::Fitting thin = cp::FitSilhouette({0, 0, 0, 9}, 1, 10, 2000);
    EXPECT_LE(static_cast<long>(thin.width) * thin.height, 2000);
    EXPECT_GT(thin.scale, 1.0);
    const cp::Fitting empty = cp::FitSilhouette({}, 40, 30, cp::kMaxPicturePixels);
    EXPECT_EQ(empty.width, 40);
    EXPECT_EQ(empty.height, 30);
    EXPECT_EQ(empty.scale, 1.0);
}

TEST(ChargePicturesTool, BitmapModeWritesBottomUpRowsOverWhite) {
    ScratchDir dir;
    // 10 x 6: green in the upper left 5 x 3, transparent elsewhere.
    WriteText(dir / "art.svg", Svg(10, 6, "", Rect(0, 0, 5, 3, "#00ff00")));
    const ToolRun run = RunTool({"--bmp", (dir / "art.bmp").string(), (dir / "art.svg").string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const std::vector<std::uint8_t> bmp = ReadBytes(dir / "art.bmp");
    constexpr int kRowBytes = 32;  // 10 * 3 padded to a multiple of 4
    ASSERT_EQ(bmp.size(), 54u + 6 * kRowBytes);
    auto u32 = [&](int at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; };
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(2), static_cast<int>(bmp.size()));
    EXPECT_EQ(u32(10), 54);                   // pixel data offset
    EXPECT_EQ(u32(18), 10);                   // width
    EXPECT_EQ(u32(22), 6);                    // height, positive: bottom-up
    EXPECT_EQ(bmp[28], 24);                   // bits per pixel
    auto bgr = [&](int x, int y) {            // y counted from the top of the picture
        const int at = 54 + (5 - y) * kRowBytes + x * 3;
        return std::array<int, 3>{bmp[at], bmp[at + 1], bmp[at + 2]};
    };
    EXPECT_EQ(bgr(0, 0), (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(bgr(4, 2), (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(bgr(5, 0), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(bgr(0, 3), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(bgr(9, 5), (std::array<int, 3>{255, 255, 255}));
}

}  // namespace
}  // namespace charge_pictures_test
