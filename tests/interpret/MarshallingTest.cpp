#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Messages.h"
#include "interpret/DrawingDriver.h"
#include "interpret/marshal/Marshalling.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

struct SplitCase {
    const char* name;
    MarshallingKind kind;
    std::string text;
    std::string_view error;  // empty: split into `parts`
    PartTexts parts;
};

TEST(Marshalling, SplittingTheTexts) {
    const auto I = MarshallingKind::Impaled, Q = MarshallingKind::Quartered;
    const std::vector<SplitCase> cases = {
        {"impaled", I, "Or a lion Gules impaling: Azure three mullets Or", {}, {"Or a lion Gules", "Azure three mullets Or"}},
        {"impaled, any word carries the colon", I, "Or a bend impaled with: Azure", {}, {"Or a bend impaled", "Azure"}},
        {"impaled without a colon", I, "Or impaling Azure", msg::kExpectingColon, {}},
        {"impaled with no blank before the colon", I, "impaling: Azure", msg::kEmptyPart, {}},
        {"impaled with nothing after", I, "Or a bend impaling:", msg::kEmptyPart, {}},
        {"impaled with blanks after", I, "Or a bend impaling:   ", msg::kEmptyPart, {}},
        // Quarter 1 keeps the blank before label 2.
        {"1&4 and 2&3", Q, "Quarterly 1&4: Or 2&3: Azure", {}, {"Or ", "Azure", "Azure", "Or "}},
        {"four labels", Q, "Quarterly 1: Or 2: Gules 3: Azure 4: Sable", {}, {"Or ", "Gules", "Azure", "Sable"}},
        {"1&4 with 2 and 3", Q, "Quarterly 1&4: Or 2: Gules 3: Azure", {}, {"Or ", "Gules", "Azure", "Or "}},
        {"1 with 2&3 takes 4 from the third colon", Q, "Quarterly 1: Or 2&3: Gules 4: Sable", {}, {"Or ", "Gules", "Gules", "Sable"}},
        {"later labels are not compared", Q, "Quarterly 1: Or 2: Gules x: Azure y: Sable", {}, {"Or ", "Gules", "Azure", "Sable"}},
        {"parts with their words", Q, "Quarterly 1&4: Or a lion gules 2&3: Azure three mullets or", {},
         {"Or a lion gules ", "Azure three mullets or", "Azure three mullets or", "Or a lion gules "}},
        {"no colon", Q, "Quarterly 1&4 Or 2&3 Azure", msg::kExpectingColon, {}},
        {"one colon", Q, "Quarterly 1&4: Or and azure", msg::kExpectingSecondColon, {}},
        {"label 1 in brackets", Q, "Quarterly (1&4): Or 2&3: Azure", msg::kExpectingLabel1, {}},
        {"label 1 spelt out", Q, "Quarterly first: Or 2&3: Azure", msg::kExpectingLabel1, {}},
        {"label 1 with a blank", Q, "Quarterly 1 & 4: Or 2&3: Azure", msg::kExpectingLabel1, {}},
        {"label 2 wrong", Q, "Quarterly 1&4: Or 2and3: Azure", msg::kExpectingLabel2, {}},
        {"label 2 with its brackets", Q, "Quarterly 1&4: Or (2&3): Azure", msg::kExpectingLabel2, {}},
        // Labels that call for a part the text does not hold.
        {"label 2 without a third part", Q, "Quarterly 1&4: Or 2: Gules", msg::kExpectingLabel3, {}},
        {"label 1 without a fourth part", Q, "Quarterly 1: Or 2&3: Gules", msg::kExpectingLabel4, {}},
        {"labels 1 and 2 with three parts", Q, "Quarterly 1: Or 2: Gules 3: Azure", msg::kExpectingLabel4, {}},
        {"empty first quarter", Q, "Quarterly 1&4: 2&3: Azure", msg::kEmptyPart, {}},
        {"empty last quarter", Q, "Quarterly 1&4: Or 2&3: ", msg::kEmptyPart, {}},
        {"a part past what a marshalled text holds", Q,
         "Quarterly 1&4: Or" + std::string(kMaxMarshalledChars, 'a') + " 2&3: Azure", msg::kPartTooLong, {}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SplitText split = c.kind == MarshallingKind::Impaled ? SplitImpaled(c.text) : SplitQuartered(c.text);
        EXPECT_EQ(split.error, c.error);
        EXPECT_EQ(split.parts, c.parts);
        if (c.error.empty()) {
            EXPECT_EQ(split.count, c.kind == MarshallingKind::Impaled ? 2 : 4);
        }
    }
}

// Any text of label-like pieces is either split into parts that can all be drawn, or refused
// with no parts; a split text composes into one that splits into the same parts again (quarter
// 1 gaining the blank before label 2).
TEST(Marshalling, AnyTextGivesADefinedResult) {
    const char* pieces[] = {"Quarterly", " ", "1", "&", "4", ":", "2", "3", "Or", "a", "  ", "(", "1&4:", "2&3:"};
    std::mt19937 random(7);
    int splitTexts = 0, refused = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        std::string text;
        const int n = 1 + static_cast<int>(random() % 16);
        for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
        for (const MarshallingKind kind : {MarshallingKind::Impaled, MarshallingKind::Quartered}) {
            SCOPED_TRACE(text);
            const SplitText split = kind == MarshallingKind::Impaled ? SplitImpaled(text) : SplitQuartered(text);
            if (!split.error.empty()) {
                ++refused;
                EXPECT_EQ(split.parts, PartTexts{});
                continue;
            }
            ++splitTexts;
            ASSERT_EQ(split.count, kind == MarshallingKind::Impaled ? 2 : 4);
            for (int i = 0; i < split.count; ++i) {
                const std::string& part = split.parts[static_cast<std::size_t>(i)];
                EXPECT_NE(part.find_first_not_of(' '), std::string::npos);
                EXPECT_LE(part.size(), 199u);
            }
            if (kind == MarshallingKind::Quartered) {
                const SplitText again = SplitQuartered(ComposeQuartered(split.parts));
                EXPECT_EQ(again.error, "");
                EXPECT_EQ(again.parts[1], split.parts[1]);
                EXPECT_EQ(again.parts[0], split.parts[0] + " ");
            }
        }
    }
    // Both outcomes must have arisen for the test to mean anything.
    EXPECT_GT(splitTexts, 100);
    EXPECT_GT(refused, 100);
}

TEST(Marshalling, ComposingTheTexts) {
    struct Case {
        const char* name;
        PartTexts parts;
        std::string quartered;
    };
    const std::vector<Case> cases = {
        {"equal parts", {"Or ", "Azure", "Azure", "Or "}, "Quarterly 1&4: Or  2&3: Azure"},
        {"all different", {"Or", "Gules", "Azure", "Sable"}, "Quarterly 1: Or 2: Gules 3: Azure 4: Sable"},
        {"1 and 4 equal", {"Or", "Gules", "Azure", "Or"}, "Quarterly 1&4: Or 2: Gules 3: Azure"},
        {"2 and 3 equal", {"Or", "Gules", "Gules", "Sable"}, "Quarterly 1: Or 2&3: Gules 4: Sable"},
        // The comparison is exact: case and blanks count.
        {"case differs", {"Or", "Gules", "gules", "or"}, "Quarterly 1: Or 2: Gules 3: gules 4: or"},
        {"a blank differs", {"Or ", "Gules", "Gules", "Or"}, "Quarterly 1: Or  2&3: Gules 4: Or"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ComposeQuartered(c.parts), c.quartered);
        // What is composed splits back into the same parts.
        const SplitText again = SplitQuartered(c.quartered);
        EXPECT_EQ(again.error, "");
        for (std::size_t i = 0; i < 4; ++i) {
            // Quarter 1 gains the blank before label 2 when it is split again.
            const std::string expected = i == 0 || (i == 3 && c.parts[0] == c.parts[3]) ? c.parts[i] + " " : c.parts[i];
            EXPECT_EQ(again.parts[i], expected) << i;
        }
    }
    EXPECT_EQ(ComposeImpaled({"Or a lion gules", "Azure three mullets or"}), "Or a lion gules impaling: Azure three mullets or");
}

// A refused text: the message, the empty shield of a normal drawing, the modes as they were.
TEST(Marshalling, ARefusedTextDrawsNothing) {
    const std::vector<std::pair<std::string, std::string_view>> cases = {
        {"Or impaling Azure quarterly 1", msg::kExpectingColon},
        {"Quarterly 1&4: Or", msg::kExpectingSecondColon},
        {"Quarterly (1&4): Or 2&3: Azure", msg::kExpectingLabel1},
        {"Quarterly 1&4: Or 2-3: Azure", msg::kExpectingLabel2},
        {"Quarterly 1&4: Or 2: Azure", msg::kExpectingLabel3},
        {"Or a bend impaling:", msg::kEmptyPart},
    };
    Drawing empty;
    empty.Draw("");
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        Drawing d;
        d.Draw(text);
        EXPECT_EQ(d.sink.messages, std::vector<std::string>{std::string(message)});
        EXPECT_EQ(d.trace.messages, d.sink.messages);
        EXPECT_TRUE(d.trace.parts.empty());
        EXPECT_FALSE(d.s().marshallingMode);
        EXPECT_TRUE(d.s().picture == empty.s().picture);
    }
}

// Sample points a few pixels inside each quarter or half of the assembled picture, away from
// the parts' own outlines and the dividing lines.
constexpr int kW = 415, kH = 480;

TEST(Marshalling, QuarteredPictureInItsTinctures) {
    Drawing d;
    d.Draw("Quarterly 1: Or 2: Gules 3: Azure 4: Sable");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.trace.road, "quartered");
    ASSERT_EQ(d.s().picture.Width(), kW);
    ASSERT_EQ(d.s().picture.Height(), kH);
    EXPECT_FALSE(d.s().marshallingMode);
    const struct {
        const char* name;
        int left, top, right, bottom, tincture;
    } quarters[] = {
        {"1", 8, 8, kW / 2 - 6, kH / 2 - 6, kOr},
        {"2", kW / 2 + 6, 8, kW - 8, kH / 2 - 6, kGules},
        {"3", 8, kH / 2 + 6, kW / 2 - 6, kH - 8, kAzure},
        {"4", kW / 2 + 6, kH / 2 + 6, kW - 8, kH - 8, kSable},
    };
    for (const auto& q : quarters) {
        SCOPED_TRACE(q.name);
        for (int x : {q.left, (q.left + q.right) / 2, q.right})
            for (int y : {q.top, (q.top + q.bottom) / 2, q.bottom}) EXPECT_EQ(d.At(x, y), Colour(q.tincture)) << x << "," << y;
    }
    // The pale and fess lines, 2 wide, and the border.
    for (int y : {20, kH / 4, kH / 2 + 20, kH - 20}) {
        EXPECT_EQ(d.At(kW / 2 - 1, y), kBlack) << y;
        EXPECT_EQ(d.At(kW / 2, y), kBlack) << y;
        EXPECT_EQ(d.At(0, y), kBlack);
        EXPECT_EQ(d.At(1, y), kBlack);
        EXPECT_EQ(d.At(kW - 1, y), kBlack);
    }
    for (int x : {20, kW / 4, kW / 2 + 40, kW - 20}) {
        EXPECT_EQ(d.At(x, kH / 2 - 1), kBlack) << x;
        EXPECT_EQ(d.At(x, kH / 2), kBlack) << x;
        EXPECT_EQ(d.At(x, 0), kBlack);
        EXPECT_EQ(d.At(x, 1), kBlack);
        EXPECT_EQ(d.At(x, kH - 1), kBlack);
    }
    EXPECT_EQ(d.trace.composed, "Quarterly 1: Or  2: Gules 3: Azure 4: Sable");
}

TEST(Marshalling, ImpaledPictureInItsTinctures) {
    Drawing d;
    d.Draw("Or impaling: Azure");
    EXPECT_TRUE(d.sink.messages.empty());
    ASSERT_EQ(d.s().picture.Height(), kH);
    for (int y : {10, kH / 4, kH / 2, kH - 10}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(d.At(8, y), Colour(kOr));
        EXPECT_EQ(d.At(kW / 2 - 6, y), Colour(kOr));
        EXPECT_EQ(d.At(kW / 2 + 6, y), Colour(kAzure));
        EXPECT_EQ(d.At(kW - 8, y), Colour(kAzure));
        EXPECT_EQ(d.At(kW / 2 - 1, y), kBlack);
        EXPECT_EQ(d.At(kW / 2, y), kBlack);
    }
    // No fess line in impaled arms.
    EXPECT_EQ(d.At(kW / 4, kH / 2), Colour(kOr));
    EXPECT_EQ(d.At(kW / 4, kH / 2 - 1), Colour(kOr));
    EXPECT_EQ(d.trace.composed, "Or impaling: Azure");
}

// A charged part keeps its charge in its quarter: the roundel's centre, as placed on the part's
// own 415 by 481 picture, scaled into quarter 1 and quarter 4.
TEST(Marshalling, AChargeShowsInItsQuarter) {
    Drawing d;
    d.Draw("Quarterly 1&4: Argent a roundel gules 2&3: Azure");
    ASSERT_EQ(d.trace.parts.size(), 4u);
    const DrawingTrace& q1 = d.trace.parts[0];
    ASSERT_FALSE(q1.levels.empty());
    ASSERT_FALSE(q1.levels[0].placements.empty());
    const PlacementTrace centre = q1.levels[0].placements[0];
    // Part picture -> paint box (207 by 238) -> quarter 1 (2..207 by 2..240) or quarter 4
    // (207..415 by 241..483).
    const int bx = centre.x * 207 / kW, by = centre.y * 238 / 481;
    const int x1 = 2 + bx * 205 / 207, y1 = 2 + by;
    const int x4 = 207 + bx * 208 / 207, y4 = 241 + by * 242 / 240;
    EXPECT_EQ(d.At(x1, y1), Colour(kGules));
    EXPECT_EQ(d.At(x4, y4), Colour(kGules));
    // Quarters 2 and 3 hold the plain part at the same places.
    EXPECT_EQ(d.At(x1 + 207, y1), Colour(kAzure));
    EXPECT_EQ(d.At(x4 - 207, y4), Colour(kAzure));
    // And the field of quarter 1 is argent beside the roundel.
    EXPECT_EQ(d.At(10, 10), Colour(kArgent));
}

// A part is a rectangle whose base never curves: layouts that keep clear of a shield's base
// measure from the rectangle's foot, so every charge of a part lands inside its picture.
TEST(Marshalling, ChargesOfAPartStayInsideIt) {
    const char* const parts[] = {
        "Gules three lions passant guardant in pale or",
        "Azure three fishes naiant in pale argent",
        "Or six lioncels three two and one in pile sable",
        "Argent a double tressure flory counterflory gules",
    };
    for (const char* part : parts) {
        SCOPED_TRACE(part);
        Drawing d;
        d.Draw(std::string("Quarterly 1&4: ") + part + " 2&3: Azure");
        ASSERT_EQ(d.trace.parts.size(), 4u);
        int placed = 0;
        for (const LevelTrace& level : d.trace.parts[0].levels)
            for (const PlacementTrace& at : level.placements) {
                ++placed;
                EXPECT_GT(at.y, 0);
                EXPECT_LT(at.y, 440) << "placed below the part's field";
            }
        EXPECT_TRUE(d.trace.parts[0].messages.empty());
        if (std::string(part).find("tressure") != std::string::npos) {
            // The bands run inside the rectangle's foot, not off the picture: the lower band
            // shows in quarter 1 just above the dividing fess line.
            bool bandNearFoot = false;
            for (int y = 200; y < 238; ++y) bandNearFoot = bandNearFoot || d.At(100, y) == Colour(kGules);
            EXPECT_TRUE(bandNearFoot);
        } else {
            EXPECT_GE(placed, 3);
        }
    }
}

TEST(Marshalling, EachPartHasItsOwnReading) {
    Drawing d;
    d.Draw("Or a bend azure impaling: Per pale gules");
    ASSERT_EQ(d.trace.parts.size(), 2u);
    EXPECT_EQ(d.trace.parts[0].blazon, "Or a bend azure");
    EXPECT_EQ(d.trace.parts[1].blazon, "Per pale gules");
    ASSERT_FALSE(d.trace.parts[0].levels.empty());
    EXPECT_EQ(d.trace.parts[0].levels[0].name, "bend");
    // The sinister part's field error is shown once, while that part is drawn, and kept both in
    // its own reading and in the whole text's.
    ASSERT_EQ(d.sink.messages.size(), 1u);
    EXPECT_TRUE(d.trace.parts[0].messages.empty());
    EXPECT_EQ(d.trace.parts[1].messages, d.sink.messages);
    EXPECT_EQ(d.trace.messages, d.sink.messages);
}

// A composed text longer than the blazon buffer is read whole, so it draws again as composed.
TEST(Marshalling, ALongComposedTextDrawsAgainWhole) {
    std::string a = "Or", b = "Gules", c = "Azure", e = "Vert";
    for (std::string* p : {&a, &b, &c, &e})
        while (p->size() < 150) *p += " and";
    Drawing first;
    first.Draw("Quarterly 1: " + a + " 2: " + b + " 3: " + c + " 4: " + e);
    EXPECT_GT(first.trace.composed.size(), 199u);
    Drawing again;
    again.Draw(first.trace.composed);
    ASSERT_EQ(again.trace.parts.size(), 4u);
    EXPECT_EQ(again.trace.parts[1].blazon, b);
    EXPECT_EQ(again.trace.parts[3].blazon, e);
    // Quarter 1 keeps the blank before label 2, one more each time the text goes round.
    EXPECT_EQ(again.trace.parts[0].blazon, a + "  ");
    EXPECT_TRUE(again.s().picture == first.s().picture);
    EXPECT_EQ(again.At(kW - 20, kH - 20), Colour(kVert));
}

// The builder's steps on a board the test owns: equal texts for 1 and 4 and for 2 and 3 compose
// the "1&4" and "2&3" form, and Show is possible only once every part is set.
// A board as the window has one: the reduced copies are drawn on its canvas.
struct CanvasBoard {
    Bitmap canvas{kCanvasWidth, kCanvasHeight, kTeal};
    Bitmap image1{kImageWidth, kImageHeight, kTeal};
    PartTexts parts;
    MarshallingBoard Board() { return {canvas, image1, parts}; }
};

TEST(Marshalling, BuildingFromSeparateTexts) {
    Drawing d;
    CanvasBoard board;
    DrawHost host;
    const std::vector<std::string> texts = {"Or a lion gules", "Azure", "Azure", "Or a lion gules"};
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(n);
        const bool all = BuildPart(d.s(), MarshallingKind::Quartered, n, texts[static_cast<std::size_t>(n)], true, host, board.Board());
        EXPECT_EQ(all, n == 3);
        // The part's reduced copy fills its paint box: its middle is the part's field.
        const Rect& box = kQuarterBoxes[static_cast<std::size_t>(n)];
        EXPECT_EQ(board.canvas.Pixel(box.left + 10, box.top + 10), Colour(n == 1 || n == 2 ? kAzure : kOr));
    }
    EXPECT_EQ(ShowMarshalled(d.s(), MarshallingKind::Quartered, board.Board()), "Quarterly 1&4: Or a lion gules 2&3: Azure");
    Drawing text;
    text.Draw("Quarterly 1&4: Or a lion gules 2&3: Azure");
    EXPECT_TRUE(d.s().picture == text.s().picture);
    // An empty text is not taken.
    EXPECT_FALSE(BuildPart(d.s(), MarshallingKind::Impaled, 0, "", true, host, board.Board()));
}

// The command line keeps the parts' pictures and assembles from them; the window draws reduced
// copies on its canvas first. Both must give the same picture, pixel for pixel, and drawing
// again on the same state (whose board is reused) must too.
struct CanvasHost : DrawHost {
    CanvasBoard board;
    std::optional<MarshallingBoard> Board() override { return board.Board(); }
};

TEST(Marshalling, KeptPartsAssembleAsTheCanvasDoes) {
    const std::vector<std::string> texts = {
        "Or a lion gules impaling: Azure three mullets or",
        "Quarterly 1&4: Or a lion rampant gules 2&3: Azure three mullets or",
        "Quarterly 1: Or 2: Gules 3: Azure 4: Sable",
        "Quarterly 1: Argent a chevron between three mullets gules 2&3: Per bend or and vert 4: Sable a cross argent",
        "Gules three escallops argent impaling: Quarterly argent and gules",
        "Quarterly 1&4: Gules a fess chequy argent and azure 2&3: Or a lion rampant gules",
    };
    Drawing kept;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        kept.Draw(text);
        Drawing onCanvas;
        CanvasHost host;
        DrawBlazon(onCanvas.s(), text, host);
        ASSERT_EQ(kept.s().picture.Width(), onCanvas.s().picture.Width());
        ASSERT_EQ(kept.s().picture.Height(), onCanvas.s().picture.Height());
        int differing = 0;
        for (int y = 0; y < kept.s().picture.Height(); ++y)
            for (int x = 0; x < kept.s().picture.Width(); ++x)
                differing += kept.At(x, y) != onCanvas.At(x, y);
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
}  // namespace esc
