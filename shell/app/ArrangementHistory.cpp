#include "shell/app/ArrangementHistory.h"

#include <algorithm>

namespace esc::app {
namespace {

// The smallest rectangle outside which a and b, of one size, agree (empty when they are equal).
Rect DifferingRegion(const Bitmap& a, const Bitmap& b) {
    Rect r{a.Width(), a.Height(), 0, 0};
    for (int y = 0; y < a.Height(); ++y) {
        const std::uint32_t* pa = a.Row(y);
        const std::uint32_t* pb = b.Row(y);
        if (std::equal(pa, pa + a.Width(), pb)) continue;
        int first = 0, last = a.Width() - 1;
        while (pa[first] == pb[first]) ++first;
        while (pa[last] == pb[last]) --last;
        r = {std::min(r.left, first), std::min(r.top, y), std::max(r.right, last + 1), y + 1};
    }
    return r.right > r.left ? r : Rect{};
}

}  // namespace

Rect ArrangedPicture::Rectangle() const {
    const int w = background ? background->Width() : 0, h = background ? background->Height() : 0;
    return {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
}

void ArrangementHistory::Stack::Push(ArrangementSnapshot snapshot) {
    if (top_) {
        Older older;
        const Bitmap& was = top_->canvas;
        older.whole = was.Width() != snapshot.canvas.Width() || was.Height() != snapshot.canvas.Height();
        if (older.whole) {
            older.pixels = was;
        } else {
            older.region = DifferingRegion(was, snapshot.canvas);
            if (older.region.Width() > 0) older.pixels = was.Copy(older.region);
        }
        top_->canvas = Bitmap();
        older.rest = std::move(*top_);
        older_.push_back(std::move(older));
        if (older_.size() >= kMaxUndoSteps) older_.pop_front();
    }
    top_ = std::move(snapshot);
}

ArrangementSnapshot ArrangementHistory::Stack::Pop() {
    ArrangementSnapshot out = std::move(*top_);
    top_.reset();
    if (!older_.empty()) {
        Older older = std::move(older_.back());
        older_.pop_back();
        top_ = std::move(older.rest);
        if (older.whole) {
            top_->canvas = std::move(older.pixels);
        } else {
            top_->canvas = out.canvas;
            if (older.region.Width() > 0) top_->canvas.Draw(older.pixels, older.region.left, older.region.top);
        }
    }
    return out;
}

void ArrangementHistory::Stack::Clear() {
    top_.reset();
    older_.clear();
}

void ArrangementHistory::Record(ArrangementSnapshot before) {
    undo_.Push(std::move(before));
    redo_.Clear();
}

void ArrangementHistory::Clear() {
    undo_.Clear();
    redo_.Clear();
}

std::optional<ArrangementSnapshot> ArrangementHistory::Undo(ArrangementSnapshot current) {
    if (undo_.Empty()) return std::nullopt;
    redo_.Push(std::move(current));
    return undo_.Pop();
}

std::optional<ArrangementSnapshot> ArrangementHistory::Redo(ArrangementSnapshot current) {
    if (redo_.Empty()) return std::nullopt;
    undo_.Push(std::move(current));
    return redo_.Pop();
}

}  // namespace esc::app
