#pragma once
// The undo and redo history of the arrangement editor. Each entry is the editor's whole state
// before (or, for redo, after) one change: the canvas, the pictures and the selection. Only the
// newest entry of each stack holds the whole canvas; the older ones keep the rectangle in which
// their canvas differs from the entry after them, and the pictures' bitmaps are shared between
// entries until a change replaces them, so a long session costs little memory.

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "engine/Bitmap.h"

namespace esc::app {

// Changes the history keeps; past them the oldest is forgotten.
inline constexpr std::size_t kMaxUndoSteps = 500;

// One placed picture, as the editor keeps it. The bitmaps are never changed in place: a change
// puts a new bitmap in, so that the history can share the old one.
struct ArrangedPicture {
    bool present = false;  // false: its slot was never filled (a picture that painted nothing)
    int cx = 0, cy = 0;
    std::shared_ptr<const Bitmap> background;  // what lies under it; its size is the picture's size
    std::shared_ptr<const Bitmap> image;       // as painted, on teal; stretched to that size when drawn
    bool marked = false;
    Rect markRect;  // where the mark's dotted frame was drawn
    // (cx - w/2, cy - h/2, + w, + h) with the background's size w by h.
    Rect Rectangle() const;
};

struct ArrangementSnapshot {
    Bitmap canvas;
    std::vector<ArrangedPicture> pictures;
    int selected = -1;
    Rect selectionRect;
    std::optional<Rect> previousRect;
    int markedCount = 0;
    bool handlesShown = false;
    std::array<bool, 5> popupEnabled{};
};

class ArrangementHistory {
public:
    // A change is about to be made from `before`: it can be undone, and nothing can be redone.
    void Record(ArrangementSnapshot before);
    void Clear();
    bool CanUndo() const { return !undo_.Empty(); }
    bool CanRedo() const { return !redo_.Empty(); }
    // The state to go back to; `current` becomes what Redo returns.
    std::optional<ArrangementSnapshot> Undo(ArrangementSnapshot current);
    std::optional<ArrangementSnapshot> Redo(ArrangementSnapshot current);
    std::size_t UndoSteps() const { return undo_.Size(); }

private:
    class Stack {
    public:
        void Push(ArrangementSnapshot snapshot);
        ArrangementSnapshot Pop();
        bool Empty() const { return !top_; }
        std::size_t Size() const { return top_ ? older_.size() + 1 : 0; }
        void Clear();

    private:
        // An older entry: its canvas is the next entry's with `pixels` drawn at `region`, or
        // `pixels` itself when the two differ in size.
        struct Older {
            bool whole = false;
            Rect region;
            Bitmap pixels;
            ArrangementSnapshot rest;  // its canvas left empty
        };
        std::optional<ArrangementSnapshot> top_;
        std::deque<Older> older_;
    };
    Stack undo_, redo_;
};

}  // namespace esc::app
