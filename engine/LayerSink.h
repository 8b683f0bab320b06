#pragma once
// Where the painter hands each placed charge picture and disc, for whoever lets the user move
// them afterwards (the window's arrangement editor). The painter keeps nothing of them itself:
// with no sink (the command line, batch drawing) no layer bitmap is ever made.

#include <vector>

#include "engine/Bitmap.h"

namespace esc {

// Placed pictures a drawing hands on. The ones placed after these are painted as usual but
// handed to nobody, so they cannot be moved.
inline constexpr int kMaxLayers = 20;

// One placed picture or disc, as it was painted.
struct PlacedLayer {
    int index = 0;        // placement order in the drawing, from 0
    int cx = 0, cy = 0;   // centre on the picture
    Bitmap background;    // what the shield showed under the picture's rectangle
    Bitmap image;         // the charge as painted, on teal (teal is see-through)

    // (cx - w/2, cy - h/2) with the background's size; the division truncates toward zero.
    Rect Rectangle() const {
        const int w = background.Width(), h = background.Height();
        return {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
    }
};

class LayerSink {
public:
    virtual ~LayerSink() = default;
    // A picture or disc was painted; index is below kMaxLayers.
    virtual void LayerPlaced(PlacedLayer layer) = 0;
    // A chief is about to cover the top of a shield of height shieldHeight: every layer handed
    // on so far that reaches under it moves down and shrinks (MakeRoomUnderChief below).
    virtual void ChiefMakesRoom(int shieldHeight) = 0;
};

// The chief's room for a placed picture that reaches under it: its centre moves into the part of
// the shield below the chief and its bitmaps lose 9.6 percent of their height. A picture wholly
// below the lowest row a chief reaches (laid out there for the chief) is left as it is.
void MakeRoomUnderChief(PlacedLayer& layer, int shieldHeight);

// A sink that keeps every layer in placement order (a later layer of the same index replaces
// the earlier one). Drawings that want the layers without an editor use it.
class LayerCollector final : public LayerSink {
public:
    void LayerPlaced(PlacedLayer layer) override;
    void ChiefMakesRoom(int shieldHeight) override;
    const std::vector<PlacedLayer>& Layers() const { return layers_; }
    // The layer of index i, or null when none was handed on.
    const PlacedLayer* Find(int index) const;

private:
    std::vector<PlacedLayer> layers_;
};

}  // namespace esc
