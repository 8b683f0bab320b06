// The arrangement editor on an off-screen canvas: pictures of one colour each are handed on as
// the painter hands them, so that where a picture lands after a change can be checked against a
// canvas painted by hand; then a real drawing through the window's handlers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArrangementTestWindow.h"
#include "engine/OrdinaryShapes.h"
#include "shell/app/ArrangementEditor.h"
#include "tests/shell/app/TestPictures.h"

namespace esc::app {
namespace {

constexpr Rgb kField{0, 0, 255}, kGreen{0, 255, 0};
constexpr int kW = 415, kH = 520;

Rect Centred(int cx, int cy, int w, int h) { return {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h}; }

// A field of one colour and the pictures placed on it as the painter places them: what lay
// under each is its background, the picture is drawn with teal see-through.
struct Board {
    Bitmap canvas{kW, kH, kField};
    ArrangementEditor editor{canvas};
    int placed = 0;

    void Place(int cx, int cy, const Bitmap& image) {
        const Rect r = Centred(cx, cy, image.Width(), image.Height());
        PlacedLayer layer{placed++, cx, cy, canvas.Copy(r), image};
        canvas.Draw(image, r.left, r.top, kTeal);
        editor.LayerPlaced(std::move(layer));
    }
    void Place(int cx, int cy, int w, int h, Rgb colour) { Place(cx, cy, Bitmap(w, h, colour)); }
    void Select(int i) {
        const ArrangedPicture& p = editor.Picture(i);
        EXPECT_FALSE(editor.MouseDown(MouseButton::Left, p.cx, p.cy));
        ASSERT_EQ(editor.Selected(), i);
    }
    bool Mark(int i) {
        const ArrangedPicture& p = editor.Picture(i);
        return editor.MouseDown(MouseButton::Right, p.cx, p.cy);
    }
    void Drag(Handle h, int x, int y) {
        editor.HandleDown(h);
        editor.HandleMove(h, x, y);
        editor.HandleUp(h, x, y);
    }
};

// The field with squares of one colour painted on it: what an arrangement should leave.
Bitmap Expected(const std::vector<std::pair<Rect, Rgb>>& squares) {
    Bitmap b(kW, kH, kField);
    for (const auto& [r, c] : squares) b.FillRect(r, c);
    return b;
}

#define EXPECT_CANVAS(board, expected) \
    EXPECT_TRUE((board).canvas == (expected)) << FirstDifference((board).canvas, (expected))

TEST(ArrangementEditorHitTest, OverlapSelectsTheLaterPictureAndOutsideClearsTheSelection) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);    // 80..120
    b.Place(110, 110, 40, 40, kGreen);  // 90..130, placed later
    const Bitmap drawn = b.canvas;
    struct Case {
        const char* name;
        int x, y, selected;
    } cases[] = {{"in the overlap", 115, 115, 1},    {"only the first", 85, 85, 0}, {"only the second", 125, 125, 1},
                 {"right edge is outside", 130, 100, -1}, {"left edge is inside", 80, 100, 0}, {"on the field", 300, 300, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(b.editor.MouseDown(MouseButton::Left, c.x, c.y));
        EXPECT_EQ(b.editor.Selected(), c.selected);
        EXPECT_EQ(b.editor.HandlesShown(), c.selected >= 0);
    }
    // The click on the field cleared the selection and its marks: the canvas is as drawn.
    EXPECT_CANVAS(b, drawn);
}

// Selection marks are inverted pixels: the frame's dots on the border and the three squares;
// drawing them twice leaves the canvas as it was.
TEST(ArrangementEditorMarks, SelectionMarksAreInvertedAndDrawnTwiceVanish) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);  // 80..120
    const Bitmap drawn = b.canvas;
    b.Select(0);
    const Rgb invertedRed{0, 255, 255}, invertedField{255, 255, 0};
    EXPECT_EQ(b.canvas.Pixel(80, 80), kPureRed);              // a dot of the frame inside a square: inverted twice
    EXPECT_EQ(b.canvas.Pixel(77, 77), invertedField);     // the top-left square outside the picture
    EXPECT_EQ(b.canvas.Pixel(100, 77), invertedField);    // the top-middle square
    EXPECT_EQ(b.canvas.Pixel(123, 83), invertedField);    // the top-right square's last pixel
    EXPECT_EQ(b.canvas.Pixel(124, 83), kField);           // beyond it
    EXPECT_EQ(b.canvas.Pixel(118, 83), invertedRed);      // the top-right square inside the picture
    EXPECT_EQ(b.canvas.Pixel(80, 100), invertedRed);      // a dot of the left border ((x + y) even)
    EXPECT_EQ(b.canvas.Pixel(80, 101), kPureRed);             // between two dots
    EXPECT_EQ(b.canvas.Pixel(100, 100), kPureRed);            // inside, untouched
    ToggleFocusFrame(b.canvas, b.editor.SelectionRect());
    ToggleMarkSquares(b.canvas, b.editor.SelectionRect());
    EXPECT_CANVAS(b, drawn);
}

TEST(ArrangementEditorHandles, PlacesHintsAndCursors) {
    Board b;
    b.Place(100, 100, 41, 40, kPureRed);  // 80..121 by 80..120
    b.Select(0);
    const std::array<HandleControl, 3> h = b.editor.Handles();
    EXPECT_EQ(h[0].rect, (Rect{76, 76, 85, 85}));
    EXPECT_EQ(h[1].rect, (Rect{80 + 41 / 2 - 4, 76, 80 + 41 / 2 + 5, 85}));
    EXPECT_EQ(h[2].rect, (Rect{117, 76, 126, 85}));
    EXPECT_STREQ(h[0].hint, "Resize");
    EXPECT_STREQ(h[1].hint, "Move");
    EXPECT_STREQ(h[2].hint, "Proportional resize");
    EXPECT_EQ(h[0].cursor, HandleCursor::DiagonalFalling);
    EXPECT_EQ(h[1].cursor, HandleCursor::Drag);
    EXPECT_EQ(h[2].cursor, HandleCursor::DiagonalRising);
}

// Each handle's rule, one drag each, checked by the whole canvas after the selection is cleared.
TEST(ArrangementEditorDrag, EachHandleRule) {
    struct Case {
        const char* name;
        Handle handle;
        int x, y;
        Rect after;
    } cases[] = {
        {"Resize 10 left and 10 up: 20 wider and higher about the centre", Handle::Resize, 70, 70, {70, 70, 130, 130}},
        {"Resize 10 right and 5 down: smaller about the centre", Handle::Resize, 90, 85, {90, 85, 110, 115}},
        {"Move: the top centre follows the pointer", Handle::Move, 200, 300, {180, 300, 220, 340}},
        {"Proportional 20 right at the same height: each side grows 10", Handle::Proportional, 140, 80, {70, 70, 130, 130}},
        {"Proportional 20 right and 20 down: nothing", Handle::Proportional, 140, 100, {80, 80, 120, 120}},
        {"Proportional 30 left and 10 down: each side shrinks 15", Handle::Proportional, 90, 90, {95, 95, 105, 105}},
        {"Proportional offsets 9 apart: nothing", Handle::Proportional, 129, 80, {80, 80, 120, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Board b;
        b.Place(100, 100, 40, 40, kPureRed);
        b.Select(0);
        b.Drag(c.handle, c.x, c.y);
        EXPECT_EQ(b.editor.SelectionRect(), c.after);
        EXPECT_EQ(b.editor.Picture(0).Rectangle(), c.after);
        EXPECT_EQ(b.editor.Drag(), DragState::Idle);
        b.editor.ClearSelection();
        EXPECT_CANVAS(b, Expected({{c.after, kPureRed}}));
    }
}

// A slow drag of the proportional handle: each move is measured from the rectangle's corner as
// it is by then, so the picture grows in steps.
TEST(ArrangementEditorDrag, ProportionalDragGrowsInSteps) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    b.Select(0);
    b.editor.HandleDown(Handle::Proportional);
    const struct {
        int x, y;
        Rect after;
    } steps[] = {{125, 80, {80, 80, 120, 120}},   // 5 right: too little
                 {130, 80, {75, 75, 125, 125}},   // 10 right of 120: each side 5
                 {130, 75, {75, 75, 125, 125}},   // 5 right of 125, at its top: too little
                 {140, 75, {68, 68, 132, 132}}};  // 15 right of 125: each side 7
    for (const auto& s : steps) {
        b.editor.HandleMove(Handle::Proportional, s.x, s.y);
        EXPECT_EQ(b.editor.SelectionRect(), s.after) << s.x << "," << s.y;
    }
    b.editor.HandleUp(Handle::Proportional, 140, 75);
    EXPECT_EQ(b.editor.Picture(0).Rectangle(), (Rect{68, 68, 132, 132}));
}

// 0 idle -> 1 pressed -> 2 dragging -> 0; the first move leaves the frame drawn at the press as a
// ghost, which goes with the old place's background; a release without a move applies the
// release point once.
TEST(ArrangementEditorDrag, StatesGhostAndReleaseWithoutMove) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    b.Select(0);
    EXPECT_EQ(b.editor.Drag(), DragState::Idle);
    b.editor.HandleDown(Handle::Move);
    EXPECT_EQ(b.editor.Drag(), DragState::Pressed);
    EXPECT_EQ(b.canvas.Pixel(77, 77), kField) << "the squares go at the press";
    // The left border: red, not-xor magenta, is red exclusive-or green; where the frame has a dot
    // it is inverted once more.
    EXPECT_EQ(b.canvas.Pixel(80, 101), (Rgb{255, 255, 0}));
    EXPECT_EQ(b.canvas.Pixel(80, 100), (Rgb{0, 0, 255}));
    b.editor.HandleMove(Handle::Move, 250, 300);
    EXPECT_EQ(b.editor.Drag(), DragState::Dragging);
    EXPECT_EQ(b.canvas.Pixel(80, 100), (Rgb{0, 0, 255})) << "the ghost frame stays at the old place";
    EXPECT_EQ(b.canvas.Pixel(230, 300), (Rgb{255, 255, 0})) << "the band: a dot of the new frame on the field";
    EXPECT_EQ(b.canvas.Pixel(230, 301), kField);
    b.editor.HandleUp(Handle::Move, 250, 300);
    EXPECT_EQ(b.editor.Drag(), DragState::Idle);
    b.editor.ClearSelection();
    EXPECT_CANVAS(b, Expected({{{230, 300, 270, 340}, kPureRed}}));

    Board still;
    still.Place(100, 100, 40, 40, kPureRed);
    still.Select(0);
    still.editor.HandleDown(Handle::Resize);
    still.editor.HandleUp(Handle::Resize, 75, 78);
    EXPECT_EQ(still.editor.Picture(0).Rectangle(), (Rect{75, 78, 120, 120}));
    still.editor.ClearSelection();
    EXPECT_CANVAS(still, Expected({{{75, 78, 120, 120}, kPureRed}}));
}

TEST(ArrangementEditorDrag, RectanglesTurnedInsideOutKeepOnePixel) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    b.Select(0);
    b.Drag(Handle::Resize, 130, 130);  // past the centre: right would be 70
    EXPECT_EQ(b.editor.Picture(0).Rectangle().Width(), kMinPictureSide);
    EXPECT_EQ(b.editor.Picture(0).Rectangle().Height(), kMinPictureSide);
}

TEST(ArrangementEditorPopup, ItemsTwoToFourOnlyWithASelectionAndMarks) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    b.Place(250, 100, 40, 40, kGreen);
    b.Place(300, 400, 40, 40, kPureYellow);
    auto targets = [&] {
        return b.editor.PopupEnabled(PopupItem::MatchSize) && b.editor.PopupEnabled(PopupItem::AlignHorizontal) &&
               b.editor.PopupEnabled(PopupItem::AlignVertical);
    };
    // With nothing selected or marked there is nothing to flip either.
    EXPECT_FALSE(b.editor.PopupEnabled(PopupItem::FlipHorizontal));
    EXPECT_FALSE(b.editor.PopupEnabled(PopupItem::FlipVertical));
    EXPECT_FALSE(targets());
    // Marking with nothing selected opens the menu with the three disabled and counts nothing;
    // the marked picture can be flipped.
    EXPECT_TRUE(b.Mark(1));
    EXPECT_FALSE(targets());
    EXPECT_TRUE(b.editor.PopupEnabled(PopupItem::FlipHorizontal));
    EXPECT_EQ(b.editor.MarkedCount(), 0);
    // Unmarking counts down all the same, below 0, until a selection resets the count.
    EXPECT_TRUE(b.Mark(1)) << "count -1, not 0: the menu opens again";
    EXPECT_EQ(b.editor.MarkedCount(), -1);
    b.Select(0);
    EXPECT_EQ(b.editor.MarkedCount(), 0);
    EXPECT_FALSE(targets());
    EXPECT_TRUE(b.Mark(0)) << "the selected picture opens the menu, unmarked";
    EXPECT_FALSE(targets());
    EXPECT_FALSE(b.editor.Picture(0).marked);
    EXPECT_TRUE(b.Mark(1));
    EXPECT_TRUE(targets());
    EXPECT_EQ(b.editor.MarkedCount(), 1);
    EXPECT_TRUE(b.Mark(2));
    EXPECT_EQ(b.editor.MarkedCount(), 2);
    EXPECT_TRUE(b.Mark(2)) << "unmarked, one still marked: the menu opens again";
    EXPECT_EQ(b.editor.MarkedCount(), 1);
    b.Select(2);
    EXPECT_FALSE(targets()) << "a new selection clears the marks";
    EXPECT_EQ(b.editor.MarkedCount(), 0);
}

TEST(ArrangementEditorMarks, RightClickOnAMarkedPictureUnmarksItAndRemovesItsFrame) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    b.Place(250, 100, 40, 40, kGreen);  // 230..270 by 80..120
    b.Select(0);
    const Bitmap selected = b.canvas;
    EXPECT_TRUE(b.Mark(1));
    EXPECT_TRUE(b.editor.Picture(1).marked);
    EXPECT_EQ(b.canvas.Pixel(230, 80), (Rgb{255, 0, 255})) << "a dot of the mark's frame";
    EXPECT_FALSE(b.Mark(1)) << "none left marked: no menu";
    EXPECT_FALSE(b.editor.Picture(1).marked);
    EXPECT_EQ(b.editor.MarkedCount(), 0);
    EXPECT_CANVAS(b, selected);
}

// Two marked pictures line up on the selected one's centre line; the selected one stays.
TEST(ArrangementEditorPopup, MarkTwoAndAlignOnAThird) {
    struct Case {
        const char* name;
        PopupItem item;
        Rect green, yellow;
    } cases[] = {
        {"horizontal", PopupItem::AlignHorizontal, Centred(250, 100, 40, 40), Centred(330, 100, 30, 50)},
        {"vertical", PopupItem::AlignVertical, Centred(100, 200, 40, 40), Centred(100, 400, 30, 50)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Board b;
        b.Place(100, 100, 40, 40, kPureRed);
        b.Place(250, 200, 40, 40, kGreen);
        b.Place(330, 400, 30, 50, kPureYellow);
        b.Select(0);
        EXPECT_TRUE(b.Mark(1));
        EXPECT_TRUE(b.Mark(2));
        b.editor.Popup(c.item);
        EXPECT_EQ(b.editor.Selected(), 0);
        EXPECT_EQ(b.editor.MarkedCount(), 0);
        EXPECT_FALSE(b.editor.Picture(1).marked);
        b.editor.ClearSelection();
        EXPECT_CANVAS(b, Expected({{Centred(100, 100, 40, 40), kPureRed}, {c.green, kGreen}, {c.yellow, kPureYellow}}));
    }
}

TEST(ArrangementEditorPopup, MatchSizeGivesTheMarkedTheSelectedSizeAboutTheirCentres) {
    Board b;
    b.Place(100, 100, 60, 30, kPureRed);
    b.Place(250, 200, 20, 20, kGreen);
    b.Place(300, 400, 40, 40, kPureYellow);  // not marked: unchanged
    b.Select(0);
    EXPECT_TRUE(b.Mark(1));
    b.editor.Popup(PopupItem::MatchSize);
    b.editor.ClearSelection();
    EXPECT_CANVAS(b, Expected({{Centred(100, 100, 60, 30), kPureRed},
                               {Centred(250, 200, 60, 30), kGreen},
                               {Centred(300, 400, 40, 40), kPureYellow}}));
}

TEST(ArrangementEditorPopup, FlipTwiceRestoresThePictureExactly) {
    for (const PopupItem item : {PopupItem::FlipHorizontal, PopupItem::FlipVertical}) {
        const bool horizontal = item == PopupItem::FlipHorizontal;
        SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
        Board b;
        Bitmap image(40, 40, kPureRed);
        image.FillRect(horizontal ? Rect{20, 0, 40, 40} : Rect{0, 20, 40, 40}, kGreen);
        image.FillRect({0, 0, 5, 5}, kTeal);  // see-through corner
        b.Place(100, 100, image);
        b.Place(250, 200, image);  // marked: flipped as well
        b.Select(0);
        const Bitmap before = b.canvas;
        EXPECT_TRUE(b.Mark(1));
        b.editor.Popup(item);
        // The picture's first half is now green, its last red, and the see-through corner moved.
        EXPECT_EQ(b.canvas.Pixel(85, 110), horizontal ? kGreen : kPureRed);
        EXPECT_EQ(b.canvas.Pixel(90, 90), kGreen);
        EXPECT_EQ(b.canvas.Pixel(235, 190), kGreen);
        EXPECT_EQ(b.canvas.Pixel(horizontal ? 117 : 83, horizontal ? 84 : 117), kField) << "the see-through corner, mirrored";
        EXPECT_EQ(b.editor.Selected(), 0);
        EXPECT_TRUE(b.editor.HandlesShown());
        // The mark went with the first flip (its frame with the background put back): mark the
        // second again to flip both back.
        EXPECT_TRUE(b.Mark(1));
        b.editor.Popup(item);
        EXPECT_CANVAS(b, before);
    }
}

TEST(ArrangementEditorKeys, ArrowsNudgeTheSelectedPictureAndEscapeClears) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    EXPECT_FALSE(b.editor.Nudge(1, 0)) << "nothing selected";
    b.Select(0);
    EXPECT_TRUE(b.editor.Nudge(1, 0));
    EXPECT_TRUE(b.editor.Nudge(0, -10));
    EXPECT_TRUE(b.editor.Nudge(-10, 0));
    EXPECT_EQ(b.editor.Picture(0).Rectangle(), (Rect{71, 70, 111, 110}));
    b.editor.ClearSelection();  // what Escape calls
    EXPECT_EQ(b.editor.Selected(), -1);
    EXPECT_FALSE(b.editor.HandlesShown());
    EXPECT_CANVAS(b, Expected({{{71, 70, 111, 110}, kPureRed}}));
}

// Every edit is undone back to the drawn arrangement and redone to the last; a new edit after
// an undo ends what could be redone.
TEST(ArrangementEditorUndo, EveryEditBackToTheDrawnArrangementAndForward) {
    Board b;
    b.Place(100, 100, 40, 40, kPureRed);
    b.Place(250, 200, 40, 40, kGreen);
    b.Place(330, 400, 30, 50, kPureYellow);
    const Bitmap drawn = b.canvas;
    EXPECT_FALSE(b.editor.CanUndo());
    b.Select(0);
    std::vector<Bitmap> states{b.canvas};
    b.Drag(Handle::Move, 150, 120);
    states.push_back(b.canvas);
    b.Drag(Handle::Proportional, 190, 90);
    states.push_back(b.canvas);
    ASSERT_TRUE(b.editor.Nudge(0, 10));
    // Undo goes back to the state just before each edit, marks included.
    EXPECT_TRUE(b.Mark(1));
    EXPECT_TRUE(b.Mark(2));
    states.push_back(b.canvas);
    b.editor.Popup(PopupItem::AlignVertical);
    states.push_back(b.canvas);
    b.editor.Popup(PopupItem::FlipVertical);
    states.push_back(b.canvas);
    const Bitmap last = b.canvas;

    for (int k = static_cast<int>(states.size()) - 2; k >= 0; --k) {
        ASSERT_TRUE(b.editor.Undo());
        EXPECT_TRUE(b.canvas == states[static_cast<std::size_t>(k)]) << "undo to state " << k << ": " << FirstDifference(b.canvas, states[static_cast<std::size_t>(k)]);
    }
    EXPECT_FALSE(b.editor.Undo());
    b.editor.ClearSelection();
    EXPECT_CANVAS(b, drawn);
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(b.editor.Redo());
        EXPECT_TRUE(b.canvas == states[k]) << "redo to state " << k << ": " << FirstDifference(b.canvas, states[k]);
    }
    EXPECT_FALSE(b.editor.Redo());
    EXPECT_CANVAS(b, last);

    ASSERT_TRUE(b.editor.Undo());
    ASSERT_TRUE(b.editor.Nudge(1, 1));
    EXPECT_FALSE(b.editor.CanRedo());
    // A new drawing ends the history.
    b.editor.BeginDrawing();
    EXPECT_FALSE(b.editor.CanUndo());
    EXPECT_EQ(b.editor.PictureCount(), 0);
}

// The painter hands on twenty pictures; the ones after are drawn but not movable.
TEST(ArrangementEditorBound, PicturesPastTheTwentiethCannotBeSelected) {
    Board b;
    for (int i = 0; i < kMaxLayers + 3; ++i) b.Place(30 + (i % 6) * 60, 40 + (i / 6) * 60, 40, 40, kPureRed);
    EXPECT_EQ(b.editor.PictureCount(), kMaxLayers);
    const Bitmap drawn = b.canvas;
    EXPECT_FALSE(b.editor.MouseDown(MouseButton::Left, 30 + (kMaxLayers % 6) * 60, 40 + (kMaxLayers / 6) * 60));
    EXPECT_EQ(b.editor.Selected(), -1);
    EXPECT_CANVAS(b, drawn);
    b.Select(kMaxLayers - 1);
}

// A picture reaching under the chief moves down and shrinks; one laid out below the chief stays.
TEST(ArrangementEditorChief, PlacedPicturesMakeRoomUnderAChief) {
    Board b;
    b.Place(100, 60, 40, 100, kPureRed);
    const int below = shapes::ChiefFurthestRow(kH) + 1 + 50;
    b.Place(300, below, 40, 100, kPureRed);
    b.editor.ChiefMakesRoom(kH);
    EXPECT_EQ(b.editor.Picture(0).cy, static_cast<int>(60.0 / kH * 100 * (kH - 50) * 0.01 + 50));
    EXPECT_EQ(b.editor.Picture(0).background->Height(), 91);
    EXPECT_EQ(b.editor.Picture(1).cy, below);
    EXPECT_EQ(b.editor.Picture(1).background->Height(), 100);
}

// Through the window's handlers, with the shipped pictures: the drawing hands its charges to the
// editor, a drag changes Image1, and drawing again draws what the blazon gives.
TEST(ArrangementEditorDrawing, ANewDrawingDrawsTheBlazonsArrangement) {
    test::ArrangeWindow w;
    w.Draw("Hill", "Azure three mullets or");
    ASSERT_TRUE(w.messages.messages.empty()) << w.messages.messages.front();
    const Bitmap drawn = w.c().Picture().Image1();
    ArrangementEditor& e = w.editor();
    ASSERT_EQ(e.PictureCount(), 3);
    const ArrangedPicture& first = e.Picture(0);
    const int cx = first.cx, cy = first.cy;
    EXPECT_EQ(drawn.Pixel(cx, cy), (Rgb{255, 255, 0})) << "a mullet or at the first centre";
    ASSERT_FALSE(e.MouseDown(MouseButton::Left, cx, cy));
    ASSERT_EQ(e.Selected(), 0);
    const Rect r = e.SelectionRect();
    w.MoveSelectedTo(cx, r.top + 150);
    e.ClearSelection();
    EXPECT_EQ(w.c().Picture().Image1().Pixel(cx, cy + 150), (Rgb{255, 255, 0})) << "the mullet moved down";
    EXPECT_EQ(w.c().Picture().Image1().Pixel(cx, cy), (Rgb{0, 0, 255})) << "azure where it was";

    w.c().DrawBtnClick();
    EXPECT_TRUE(w.c().Picture().Image1() == drawn) << FirstDifference(w.c().Picture().Image1(), drawn);
    EXPECT_EQ(e.Selected(), -1);
    EXPECT_FALSE(e.CanUndo());
    EXPECT_EQ(e.PictureCount(), 3);
}

}  // namespace
}  // namespace esc::app
