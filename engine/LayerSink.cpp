#include "engine/LayerSink.h"

#include <algorithm>
#include <cmath>

#include "engine/OrdinaryShapes.h"

namespace esc {
namespace {

void Squeeze(Bitmap& b) {
    if (b.Empty()) return;
    const int height = b.Height() - static_cast<int>(b.Height() * 9.6 * 0.01);
    Bitmap squeezed(b.Width(), std::max(height, 1), kTeal);
    squeezed.StretchDraw(b, Rect{0, 0, squeezed.Width(), squeezed.Height()});
    b = std::move(squeezed);
}

}  // namespace

void MakeRoomUnderChief(PlacedLayer& layer, int shieldHeight) {
    const int H = shieldHeight;
    // A charge the chief leaves uncovered, laid out below it already, stays where it is painted.
    if (layer.Rectangle().top > shapes::ChiefFurthestRow(H)) return;
    layer.cy = static_cast<int>(std::trunc(static_cast<double>(layer.cy) / H * 100 * (H - 50) * 0.01 + 50));
    Squeeze(layer.image);
    Squeeze(layer.background);
}

void LayerCollector::LayerPlaced(PlacedLayer layer) {
    auto same = std::find_if(layers_.begin(), layers_.end(), [&](const PlacedLayer& l) { return l.index == layer.index; });
    if (same != layers_.end()) *same = std::move(layer);
    else layers_.push_back(std::move(layer));
}

void LayerCollector::ChiefMakesRoom(int shieldHeight) {
    for (PlacedLayer& layer : layers_) MakeRoomUnderChief(layer, shieldHeight);
}

const PlacedLayer* LayerCollector::Find(int index) const {
    for (const PlacedLayer& layer : layers_)
        if (layer.index == index) return &layer;
    return nullptr;
}

}  // namespace esc
