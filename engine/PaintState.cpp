#include "engine/PaintState.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <utility>

namespace esc {

PaintState::PaintState(MessageSink& sink)
    : messages(sink),
      picture(kImageWidth, kPictureHeight, kTeal),
      pictureBuffer(kPictureBufferSize, 0),
      visited((kPictureBufferSize + 63) / 64, 0) {
    geometry.Compute(kImageWidth, kImageHeight, false);
}

PaintState::PaintState(MessageSink& sink, PaintState&& earlier)
    : messages(sink),
      picture(std::move(earlier.picture)),
      pictureBuffer(std::move(earlier.pictureBuffer)),
      visited(std::move(earlier.visited)) {
    geometry.Compute(kImageWidth, kImageHeight, false);
    if (picture.Width() != kImageWidth || picture.Height() != kPictureHeight) {
        (void)picture.Resize(kImageWidth, kPictureHeight);
        picture.Fill(kTeal);
    }
    pictureBuffer.resize(kPictureBufferSize);
    visited.assign((kPictureBufferSize + 63) / 64, 0);
}

std::unique_ptr<PaintState> SpareMaskState::Take(MessageSink& sink) {
    if (!kept_) return std::make_unique<PaintState>(sink);
    auto made = std::make_unique<PaintState>(sink, std::move(*kept_));
    kept_.reset();
    return made;
}

void PaintState::SetPaintScale(double k) {
    assert(k >= kMinPaintScale && k <= kMaxPaintScale);
    requestedScale = std::clamp(k, kMinPaintScale, kMaxPaintScale);
    ApplyPaintScale(requestedScale);
}

void PaintState::ApplyPaintScale(double k) {
    k = std::clamp(k, kMinPaintScale, kMaxPaintScale);
    geometry.k = k;
    const auto area = static_cast<std::size_t>(std::llround(kPictureBufferSize * k * k));
    pictureBuffer.assign(area, 0);
    visited.assign((area + 63) / 64, 0);
    crossings.assign(static_cast<std::size_t>(geometry.Px(kCrossingRows)), Crossing{});
    geometry.Compute(geometry.ImageWidth(), geometry.ImageHeight(), marshallingMode);
    (void)picture.Resize(geometry.ImageWidth(), PictureHeight());
    picture.Fill(kTeal);
}

void PaintState::BeginDrawing() {
    scaledPicture = {};
    // The charge picture kept from the last drawing is not this drawing's picture.
    pictureLoaded = false;
    // What each pixel was painted as: an earlier shield's codes changed how charges that read them
    // were painted in a state reused from shield to shield.
    std::fill(pictureBuffer.begin(), pictureBuffer.end(), std::int8_t{0});
    std::fill(visited.begin(), visited.end(), 0);
    shownOutOfBounds2 = shownOutOfBounds3 = shownOutOfBounds5 = false;
}

bool PaintState::VisitedTestAndSet(int index) {
    std::uint64_t& word = visited[static_cast<std::size_t>(index) / 64];
    const std::uint64_t bit = std::uint64_t{1} << (index % 64);
    const bool was = (word & bit) != 0;
    word |= bit;
    return was;
}

void PaintState::ShowOnce(bool& shown, std::string_view text) {
    if (shown) return;
    shown = true;
    messages.Show(text);
}

}  // namespace esc
