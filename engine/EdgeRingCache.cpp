#include "engine/EdgeRingCache.h"

#include <algorithm>

#include "engine/BordureRing.h"

namespace esc {
namespace {

constexpr std::size_t kMostRingBytes = std::size_t{48} << 20;

std::size_t KeptEdgeRingBytes(const EdgeRing& ring) {
    return (ring.along.size() + ring.depth.size()) * sizeof(float) + ring.mask.in.size() / 8;
}

}  // namespace

std::shared_ptr<const EdgeRing> EdgeRingCache::RingFor(const ShieldGeometry& g, int breadth) {
    ++uses_;
    // The ring reads the bounds only where the base is curved (a rectangle ends on its bottom row).
    RingKey key{g.W, g.shieldBottom, g.baseTop, g.Px(2), breadth, {}};
    if (g.baseTop < g.shieldBottom) key.baseBounds = g.baseBounds;
    for (KeptRing& kept : kept_)
        if (kept.key == key) {
            kept.lastUse = uses_;
            ++hits_;
            return kept.ring;
        }
    ++misses_;
    auto ring = std::make_shared<const EdgeRing>(BordureRing(g, breadth));
    // Past the bound in bytes too (a ring at a large paint scale is large), the rings used longest
    // ago are dropped; the one laid now is kept all the same.
    std::size_t bytes = KeptEdgeRingBytes(*ring);
    for (const KeptRing& kept : kept_) bytes += KeptEdgeRingBytes(*kept.ring);
    while (!kept_.empty() && (kept_.size() >= kMostRings || bytes > kMostRingBytes)) {
        const auto oldest = std::min_element(kept_.begin(), kept_.end(), [](const KeptRing& a, const KeptRing& b) { return a.lastUse < b.lastUse; });
        bytes -= KeptEdgeRingBytes(*oldest->ring);
        kept_.erase(oldest);
    }
    kept_.push_back({std::move(key), ring, uses_});
    return ring;
}

}  // namespace esc
