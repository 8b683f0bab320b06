#pragma once
// The bordure rings a drawing state has laid, kept from drawing to drawing: a ring depends only
// on the shield's outline, the paint scale and the ring's breadth, and laying one reads every
// pixel of the picture. Owned by one state and used by one thread; copying a state starts an
// empty cache.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/ShieldGeometry.h"

namespace esc {

struct EdgeRing;

class EdgeRingCache {
public:
    // The most rings kept; past it the ring used longest ago is dropped.
    static constexpr std::size_t kMostRings = 4;

    EdgeRingCache() = default;
    EdgeRingCache(const EdgeRingCache&) {}
    EdgeRingCache& operator=(const EdgeRingCache&) {
        kept_.clear();
        return *this;
    }

    // The ring of `breadth` picture pixels along the shield of geometry g, as BordureRing lays
    // it: a kept one when the outline, scale and breadth are those of one laid before.
    std::shared_ptr<const EdgeRing> RingFor(const ShieldGeometry& g, int breadth);

    std::uint64_t Hits() const { return hits_; }
    std::uint64_t Misses() const { return misses_; }

private:
    // What a ring is laid from: the outline's measures and its base's bounds.
    struct RingKey {
        int W = 0, shieldBottom = 0, baseTop = 0, penEdge = 0, breadth = 0;
        std::vector<BaseBound> baseBounds;
        bool operator==(const RingKey&) const = default;
    };
    struct KeptRing {
        RingKey key;
        std::shared_ptr<const EdgeRing> ring;
        std::uint64_t lastUse = 0;
    };

    std::vector<KeptRing> kept_;
    std::uint64_t uses_ = 0, hits_ = 0, misses_ = 0;
};

}  // namespace esc
