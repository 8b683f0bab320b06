#include "shell/app/ArrangementEditor.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace esc::app {
namespace {

constexpr std::uint32_t kInvert = 0x00FFFFFFu;
// The drag outline: a magenta pen in the not-xor mode turns each pixel into the inverse of
// magenta exclusive-or the pixel, which is the pixel exclusive-or green.
constexpr std::uint32_t kNotXorMagenta = 0x0000FF00u;

void XorPixel(Bitmap& canvas, int x, int y, std::uint32_t mask) {
    if (canvas.Contains(x, y)) canvas.Row(y)[x] ^= mask;
}

// Calls f(x, y) once for every pixel on the border of r.
template <typename F>
void ForEachBorderPixel(Rect r, F f) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    for (int x = r.left; x < r.right; ++x) f(x, r.top);
    if (r.bottom - 1 > r.top)
        for (int x = r.left; x < r.right; ++x) f(x, r.bottom - 1);
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        f(r.left, y);
        if (r.right - 1 > r.left) f(r.right - 1, y);
    }
}

void XorOutline(Bitmap& canvas, Rect r, std::uint32_t mask) {
    ForEachBorderPixel(r, [&](int x, int y) { XorPixel(canvas, x, y, mask); });
}

struct Corner {
    int x, y;
};

// The three handle positions of r: top-left corner, middle of the top edge, top-right corner.
std::array<Corner, 3> HandleCentres(Rect r) {
    return {Corner{r.left, r.top}, Corner{r.left + (r.right - r.left) / 2, r.top}, Corner{r.right, r.top}};
}

// A rectangle of w by h centred on (cx, cy), the halves truncated as the pictures' are.
Rect CentredRect(int cx, int cy, int w, int h) { return {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h}; }

// Sizes outside kMinPictureSide..kMaxPictureSide are brought back to them from the top-left.
Rect Bounded(Rect r) {
    r.right = r.left + std::clamp(r.right - r.left, kMinPictureSide, kMaxPictureSide);
    r.bottom = r.top + std::clamp(r.bottom - r.top, kMinPictureSide, kMaxPictureSide);
    return r;
}

Bitmap Mirrored(const Bitmap& b, bool horizontal) {
    Bitmap out(b.Width(), b.Height());
    for (int y = 0; y < b.Height(); ++y) {
        const std::uint32_t* from = b.Row(horizontal ? y : b.Height() - 1 - y);
        std::uint32_t* to = out.Row(y);
        if (horizontal) std::reverse_copy(from, from + b.Width(), to);
        else std::copy_n(from, b.Width(), to);
    }
    return out;
}

}  // namespace

void ToggleFocusFrame(Bitmap& canvas, Rect r) {
    // Every other pixel of the border, as a dotted focus rectangle.
    ForEachBorderPixel(r, [&](int x, int y) {
        if (((x + y) & 1) == 0) XorPixel(canvas, x, y, kInvert);
    });
}

void ToggleMarkSquares(Bitmap& canvas, Rect r) {
    for (const Corner c : HandleCentres(r)) {
        const int half = kMarkSquareSide / 2;
        for (int y = c.y - half; y < c.y + half; ++y)
            for (int x = c.x - half; x < c.x + half; ++x) XorPixel(canvas, x, y, kInvert);
    }
}

ArrangementEditor::ArrangementEditor(Bitmap& canvas, std::function<void()> changed)
    : canvas_(canvas), changed_(std::move(changed)) {}

void ArrangementEditor::LayerPlaced(PlacedLayer layer) {
    // The painter hands on at most kMaxLayers pictures; a later one of the same index (a picture
    // painted again) replaces the earlier.
    if (layer.index < 0 || layer.index >= kMaxLayers) return;
    const auto at = static_cast<std::size_t>(layer.index);
    if (pictures_.size() <= at) pictures_.resize(at + 1);
    ArrangedPicture& p = pictures_[at];
    p.present = true;
    p.cx = layer.cx;
    p.cy = layer.cy;
    p.background = std::make_shared<const Bitmap>(std::move(layer.background));
    p.image = std::make_shared<const Bitmap>(std::move(layer.image));
    p.marked = false;
}

void ArrangementEditor::ChiefMakesRoom(int shieldHeight) {
    for (ArrangedPicture& p : pictures_) {
        if (!p.present) continue;
        PlacedLayer layer{0, p.cx, p.cy, *p.background, *p.image};
        MakeRoomUnderChief(layer, shieldHeight);
        p.cy = layer.cy;
        p.background = std::make_shared<const Bitmap>(std::move(layer.background));
        p.image = std::make_shared<const Bitmap>(std::move(layer.image));
    }
}

void ArrangementEditor::BeginDrawing() {
    DropPictures();
    history_.Clear();
}

void ArrangementEditor::DropPictures() {
    pictures_.clear();
    selected_ = -1;
    selectionRect_ = {};
    previousRect_.reset();
    markedCount_ = 0;
    dragState_ = DragState::Idle;
    dragStart_.reset();
    handlesShown_ = false;
    popupEnabled_ = {true, true, false, false, false};
}

int ArrangementEditor::HitTest(int x, int y) const {
    for (int i = PictureCount() - 1; i >= 0; --i) {
        const ArrangedPicture& p = Picture(i);
        if (p.present && p.Rectangle().Contains(x, y)) return i;
    }
    return -1;
}

std::array<HandleControl, 3> ArrangementEditor::Handles() const {
    const std::array<Corner, 3> c = HandleCentres(selectionRect_);
    auto at = [&](std::size_t k) { return Rect{c[k].x - 4, c[k].y - 4, c[k].x - 4 + kHandleSide, c[k].y - 4 + kHandleSide}; };
    return {HandleControl{Handle::Resize, at(0), "Resize", HandleCursor::DiagonalFalling},
            HandleControl{Handle::Move, at(1), "Move", HandleCursor::Drag},
            HandleControl{Handle::Proportional, at(2), "Proportional resize", HandleCursor::DiagonalRising}};
}

void ArrangementEditor::ToggleSelectionMarks(Rect r) {
    ToggleFocusFrame(canvas_, r);
    ToggleMarkSquares(canvas_, r);
}

void ArrangementEditor::DrawPictureInRect(Rect r, int i) {
    ArrangedPicture& p = pictures_[static_cast<std::size_t>(i)];
    canvas_.StretchDraw(*p.image, r, kTeal);
    p.cx = r.left + (r.right - r.left) / 2;
    p.cy = r.top + (r.bottom - r.top) / 2;
}

void ArrangementEditor::MoveToRect(Rect r, int i, Rect old) {
    r = Bounded(r);
    ArrangedPicture& p = pictures_[static_cast<std::size_t>(i)];
    canvas_.Draw(*p.background, old.left, old.top);
    p.background = std::make_shared<const Bitmap>(canvas_.Copy(r));
    DrawPictureInRect(r, i);
}

void ArrangementEditor::ClearMarks(bool redraw) {
    for (int i = 0; i < PictureCount(); ++i) {
        ArrangedPicture& p = pictures_[static_cast<std::size_t>(i)];
        if (p.marked && redraw && i != selected_) ToggleFocusFrame(canvas_, p.markRect);
        p.marked = false;
    }
    markedCount_ = 0;
    Changed();
}

void ArrangementEditor::ClearSelection() {
    if (dragState_ != DragState::Idle) return;  // a drag ends with its mouse up first
    if (selected_ >= 0) ToggleSelectionMarks(selectionRect_);
    ClearMarks(true);
    handlesShown_ = false;
    selected_ = -1;
    previousRect_.reset();
    Changed();
}

bool ArrangementEditor::MouseDown(MouseButton button, int x, int y) {
    if (dragState_ != DragState::Idle) return false;
    const int i = HitTest(x, y);
    if (i < 0) {
        ClearSelection();
        return false;
    }
    ArrangedPicture& p = pictures_[static_cast<std::size_t>(i)];
    if (button == MouseButton::Left) {
        if (previousRect_ && selected_ >= 0) {
            ToggleSelectionMarks(selectionRect_);
            previousRect_.reset();
            selected_ = -1;
            handlesShown_ = false;
        }
        selectionRect_ = p.Rectangle();
        previousRect_ = selectionRect_;
        ClearMarks(true);
        ToggleSelectionMarks(selectionRect_);
        handlesShown_ = true;
        selected_ = i;
        popupEnabled_[2] = popupEnabled_[3] = popupEnabled_[4] = false;
        Changed();
        return false;
    }
    // The right button marks and unmarks. Marking with nothing selected does not count, but
    // unmarking does, so the count can fall below 0 until the next selection resets it.
    if (i != selected_) ToggleFocusFrame(canvas_, p.Rectangle());
    bool open = false;
    if (!p.marked || i == selected_) {
        if (selected_ >= 0 && i != selected_) ++markedCount_;
        const bool withTargets = selected_ >= 0 && markedCount_ > 0;
        popupEnabled_[2] = popupEnabled_[3] = popupEnabled_[4] = withTargets;
        open = true;
        if (i != selected_) {
            p.marked = true;
            p.markRect = p.Rectangle();
        }
    } else {
        p.marked = false;
        --markedCount_;
        open = markedCount_ != 0;
    }
    Changed();
    return open;
}

void ArrangementEditor::HandleDown(Handle) {
    if (selected_ < 0 || dragState_ != DragState::Idle) return;
    dragStart_ = Snapshot();
    dragState_ = DragState::Pressed;
    XorOutline(canvas_, selectionRect_, kNotXorMagenta);
    // The squares and the frame go, then the frame comes back: it stays as the ghost of where
    // the picture was.
    ToggleSelectionMarks(selectionRect_);
    ToggleFocusFrame(canvas_, selectionRect_);
    Changed();
}

void ArrangementEditor::HandleMove(Handle handle, int px, int py) {
    if (dragState_ == DragState::Idle) return;
    if (dragState_ == DragState::Dragging) ToggleFocusFrame(canvas_, selectionRect_);
    dragState_ = DragState::Dragging;
    Rect& r = selectionRect_;
    switch (handle) {
        case Handle::Resize: {
            const int dx = px - r.left, dy = py - r.top;
            r.left = px;
            r.top = py;
            r.right -= dx;
            r.bottom -= dy;
            break;
        }
        case Handle::Move: {
            const int q = px + (r.right - r.left) / 2;
            const int dx = q - r.right, dy = py - r.top;
            r.left += dx;
            r.top = py;
            r.right = q;
            r.bottom += dy;
            break;
        }
        case Handle::Proportional: {
            const int dx = px - r.right, dy = py - r.top;
            if (std::abs(dx - dy) > kProportionalThreshold) {
                const int h = dx / 2;
                r.left -= h;
                r.top -= h;
                r.right += h;
                r.bottom += h;
            }
            break;
        }
    }
    ToggleFocusFrame(canvas_, r);
    Changed();
}

void ArrangementEditor::HandleUp(Handle handle, int px, int py) {
    if (dragState_ == DragState::Idle || selected_ < 0) return;
    ToggleFocusFrame(canvas_, selectionRect_);
    if (handle == Handle::Resize) {
        selectionRect_.left = px;
        selectionRect_.top = py;
    } else if (handle == Handle::Move) {
        selectionRect_.top = py;
    }
    selectionRect_ = Bounded(selectionRect_);
    MoveToRect(selectionRect_, selected_, previousRect_.value_or(Picture(selected_).Rectangle()));
    ToggleSelectionMarks(selectionRect_);
    previousRect_ = selectionRect_;
    dragState_ = DragState::Idle;
    // A press and release that changed nothing is no step to undo.
    if (dragStart_ && !(dragStart_->canvas == canvas_)) history_.Record(std::move(*dragStart_));
    dragStart_.reset();
    Changed();
}

bool ArrangementEditor::PopupEnabled(PopupItem item) const {
    // The flips act on the selected and the marked pictures: with none of them there is nothing
    // to flip, and the menu says so as the Edit menu's entries do.
    if (item == PopupItem::FlipHorizontal || item == PopupItem::FlipVertical) {
        if (selected_ >= 0) return true;
        return std::any_of(pictures_.begin(), pictures_.end(), [](const ArrangedPicture& p) { return p.present && p.marked; });
    }
    return popupEnabled_[static_cast<std::size_t>(item)];
}

void ArrangementEditor::Popup(PopupItem item) {
    if (dragState_ != DragState::Idle || !PopupEnabled(item)) return;
    ArrangementSnapshot before = Snapshot();
    if (item == PopupItem::FlipHorizontal || item == PopupItem::FlipVertical) FlipAll(item == PopupItem::FlipHorizontal);
    else MoveMarked(item);
    // The marks' frames went with the backgrounds put back.
    ClearMarks(false);
    if (!(before.canvas == canvas_)) history_.Record(std::move(before));
    Changed();
}

void ArrangementEditor::FlipAll(bool horizontal) {
    for (int i = 0; i < PictureCount(); ++i) {
        ArrangedPicture& p = pictures_[static_cast<std::size_t>(i)];
        if (!p.present || !(p.marked || i == selected_)) continue;
        if (i == selected_) handlesShown_ = false;
        const Rect r = p.Rectangle();
        canvas_.Draw(*p.background, r.left, r.top);
        p.image = std::make_shared<const Bitmap>(Mirrored(*p.image, horizontal));
        DrawPictureInRect(r, i);
    }
    // The selected picture's frame went with its background; the parts of its squares outside
    // it are inverted back and the whole marks drawn again over the flipped picture.
    if (selected_ >= 0) {
        ToggleSelectionMarks(selectionRect_);
        handlesShown_ = true;
    }
}

void ArrangementEditor::MoveMarked(PopupItem item) {
    if (selected_ < 0) return;
    ToggleSelectionMarks(selectionRect_);
    const ArrangedPicture& reference = Picture(selected_);
    const int selW = selectionRect_.Width(), selH = selectionRect_.Height();
    for (int i = 0; i < PictureCount(); ++i) {
        const ArrangedPicture& p = Picture(i);
        if (!p.present || !p.marked) continue;
        const Rect old = p.Rectangle();
        const int w = old.Width(), h = old.Height();
        Rect r;
        switch (item) {
            case PopupItem::MatchSize: r = CentredRect(p.cx, p.cy, selW, selH); break;
            case PopupItem::AlignHorizontal: r = CentredRect(p.cx, reference.cy, w, h); break;
            case PopupItem::AlignVertical: r = CentredRect(reference.cx, p.cy, w, h); break;
            default: continue;
        }
        MoveToRect(r, i, old);
    }
    ToggleSelectionMarks(selectionRect_);
}

bool ArrangementEditor::Nudge(int dx, int dy) {
    if (selected_ < 0 || dragState_ != DragState::Idle || (dx == 0 && dy == 0)) return false;
    history_.Record(Snapshot());
    ToggleSelectionMarks(selectionRect_);
    const Rect old = previousRect_.value_or(selectionRect_);
    selectionRect_ = {selectionRect_.left + dx, selectionRect_.top + dy, selectionRect_.right + dx, selectionRect_.bottom + dy};
    MoveToRect(selectionRect_, selected_, old);
    ToggleSelectionMarks(selectionRect_);
    previousRect_ = selectionRect_;
    Changed();
    return true;
}

ArrangementSnapshot ArrangementEditor::Snapshot() const {
    return {canvas_, pictures_, selected_, selectionRect_, previousRect_, markedCount_, handlesShown_, popupEnabled_};
}

void ArrangementEditor::Restore(const ArrangementSnapshot& s) {
    if (s.canvas.Width() == canvas_.Width() && s.canvas.Height() == canvas_.Height()) canvas_ = s.canvas;
    pictures_ = s.pictures;
    selected_ = s.selected;
    selectionRect_ = s.selectionRect;
    previousRect_ = s.previousRect;
    markedCount_ = s.markedCount;
    handlesShown_ = s.handlesShown;
    popupEnabled_ = s.popupEnabled;
    Changed();
}

bool ArrangementEditor::Undo() {
    if (!CanUndo()) return false;
    std::optional<ArrangementSnapshot> s = history_.Undo(Snapshot());
    if (s) Restore(*s);
    return s.has_value();
}

bool ArrangementEditor::Redo() {
    if (!CanRedo()) return false;
    std::optional<ArrangementSnapshot> s = history_.Redo(Snapshot());
    if (s) Restore(*s);
    return s.has_value();
}

}  // namespace esc::app
