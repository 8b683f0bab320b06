#pragma once
// Rearranging the charges of a drawing by hand, on the picture Image1 shows: select a picture
// with the left button, move it, resize it about its centre or grow it evenly by dragging one of
// three handles; mark others with the right button and flip them, give them the selected
// picture's size or line them up with it from the popup menu. Every change can be undone back
// to the picture as drawn. The blazon is never read again: the editor moves the pictures the
// painter handed on (LayerSink) over the canvas, putting back what lay beneath them.
//
// Everything works on the off-screen canvas in picture coordinates; the window only turns mouse
// and key events into these calls and shows the handles and cursors this class describes.
//
//        (left-4, top-4)    (middle-4, top-4)     (right-4, top-4)
//              [#]---------------[#]---------------[#]      handles, 9 by 9 over
//               |  Resize          Move  Proportional|      8 by 8 inverted squares
//               :  . . . . dotted focus frame . . .  :
//               |                                    |
//               +------------------------------------+

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "engine/Bitmap.h"
#include "engine/LayerSink.h"
#include "shell/app/ArrangementHistory.h"

namespace esc::app {

enum class MouseButton { Left, Right };
enum class Handle { Resize = 0, Move = 1, Proportional = 2 };
// The cursor over a handle: the diagonal from top-left to bottom-right, the drag cursor, the
// diagonal from top-right to bottom-left.
enum class HandleCursor { DiagonalFalling, Drag, DiagonalRising };
enum class PopupItem { FlipHorizontal = 0, FlipVertical, MatchSize, AlignHorizontal, AlignVertical };
inline constexpr int kPopupItems = 5;
enum class DragState { Idle = 0, Pressed = 1, Dragging = 2 };

inline constexpr int kHandleSide = 9;       // the handle controls
inline constexpr int kMarkSquareSide = 8;   // the inverted squares beneath them
// Proportional resize waits until the pointer's offsets from the corner differ by more than this.
inline constexpr int kProportionalThreshold = 9;
// A picture dragged smaller than one pixel keeps one; larger than this (four shields high) stops
// growing, so that a wild drag cannot ask for a bitmap of millions of pixels.
inline constexpr int kMinPictureSide = 1;
inline constexpr int kMaxPictureSide = 2080;

struct HandleControl {
    Handle handle;
    Rect rect;            // picture coordinates, kHandleSide square
    const char* hint;     // "Resize", "Move", "Proportional resize"
    HandleCursor cursor;
};

// The dotted focus frame and the three squares, drawn by inversion: drawing twice removes them.
void ToggleFocusFrame(Bitmap& canvas, Rect r);
void ToggleMarkSquares(Bitmap& canvas, Rect r);

class ArrangementEditor final : public LayerSink {
public:
    // `canvas` is Image1's picture, kept by the caller for the editor's life; `changed` is told
    // after every change to it.
    explicit ArrangementEditor(Bitmap& canvas, std::function<void()> changed = {});

    // LayerSink: the drawing in progress hands its pictures on.
    void LayerPlaced(PlacedLayer layer) override;
    void ChiefMakesRoom(int shieldHeight) override;

    // A new drawing: the last drawing's pictures, selection, marks and history go without
    // drawing anything (the picture is painted afresh).
    void BeginDrawing();
    // The picture shown is not laid out as the pictures were handed on (marshalled arms are
    // reduced copies of whole shields): nothing can be arranged until the next drawing.
    void DropPictures();

    // Image1MouseDown, at picture coordinates. Returns whether the popup menu opens.
    [[nodiscard]] bool MouseDown(MouseButton button, int x, int y);
    // The handle controls, the pointer at picture coordinates.
    void HandleDown(Handle handle);
    void HandleMove(Handle handle, int px, int py);
    void HandleUp(Handle handle, int px, int py);
    // The popup menu: which items are enabled, and the action of an item.
    bool PopupEnabled(PopupItem item) const;
    void Popup(PopupItem item);

    // Used by printing, saving and the achievement: no frame or square stays on the picture.
    void ClearSelection();
    void ClearMarks(bool redraw);

    // Beyond the handles: the arrow keys move the selected picture by (dx, dy); undo and redo of
    // every change since the drawing. Each returns whether anything changed.
    bool Nudge(int dx, int dy);
    bool Undo();
    bool Redo();
    bool CanUndo() const { return dragState_ == DragState::Idle && history_.CanUndo(); }
    bool CanRedo() const { return dragState_ == DragState::Idle && history_.CanRedo(); }

    // The last picture placed whose rectangle holds (x, y), or -1.
    int HitTest(int x, int y) const;
    int PictureCount() const { return static_cast<int>(pictures_.size()); }
    const ArrangedPicture& Picture(int i) const { return pictures_[static_cast<std::size_t>(i)]; }
    int Selected() const { return selected_; }
    Rect SelectionRect() const { return selectionRect_; }
    int MarkedCount() const { return markedCount_; }
    DragState Drag() const { return dragState_; }
    bool HandlesShown() const { return handlesShown_; }
    std::array<HandleControl, 3> Handles() const;

private:
    ArrangementSnapshot Snapshot() const;
    void Restore(const ArrangementSnapshot& snapshot);
    void ToggleSelectionMarks(Rect r);
    void DrawPictureInRect(Rect r, int i);
    void MoveToRect(Rect r, int i, Rect old);
    void FlipAll(bool horizontal);
    void MoveMarked(PopupItem item);
    void Changed() const {
        if (changed_) changed_();
    }

    Bitmap& canvas_;
    std::function<void()> changed_;
    std::vector<ArrangedPicture> pictures_;
    int selected_ = -1;
    Rect selectionRect_;
    std::optional<Rect> previousRect_;  // the selected picture's rectangle as last drawn
    int markedCount_ = 0;
    DragState dragState_ = DragState::Idle;
    bool handlesShown_ = false;
    std::array<bool, kPopupItems> popupEnabled_{true, true, false, false, false};
    ArrangementHistory history_;
    std::optional<ArrangementSnapshot> dragStart_;  // the state before the drag under way
};

}  // namespace esc::app
