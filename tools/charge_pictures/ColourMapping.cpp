#include "ColourMapping.h"

#include "GifWriter.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <unordered_map>

namespace charge_pictures {
namespace {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

struct AllowedColour {
    Rgb rgb;
    std::uint8_t index;
};

constexpr std::array<AllowedColour, 4> kAllowed = {{
    {{0, 0, 0}, kOutlineIndex},
    {{255, 255, 255}, kBodyIndex},
    {{255, 0, 0}, kSecondIndex},
    {{0, 0, 255}, kDetailIndex},
}};

// An opaque pixel within this distance of an allowed colour is that colour.
constexpr int kMaxPureDistance = 48;

int SquaredDistance(const Rgb& a, const Rgb& b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// Squared distance from p to the segment between a and b in RGB space.
double SquaredDistanceToSegment(const Rgb& p, const Rgb& a, const Rgb& b) {
    const double ux = b.r - a.r, uy = b.g - a.g, uz = b.b - a.b;
    const double wx = p.r - a.r, wy = p.g - a.g, wz = p.b - a.b;
    double t = (ux * wx + uy * wy + uz * wz) / (ux * ux + uy * uy + uz * uz);
    t = std::clamp(t, 0.0, 1.0);
    const double dx = wx - t * ux, dy = wy - t * uy, dz = wz - t * uz;
    return dx * dx + dy * dy + dz * dz;
}

bool IsBlend(const Rgb& p) {
    const double limit = double(kMaxBlendDistance) * kMaxBlendDistance;
    for (std::size_t i = 0; i < kAllowed.size(); ++i) {
        for (std::size_t j = i + 1; j < kAllowed.size(); ++j) {
            if (SquaredDistanceToSegment(p, kAllowed[i].rgb, kAllowed[j].rgb) <= limit) return true;
        }
    }
    return false;
}

enum class PixelKind : std::uint8_t { Background, Pure, Blend, Foreign };

}  // namespace

IndexedPicture MapToIndices(const Argb32Image& image) {
    assert(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
    IndexedPicture out;
    out.width = image.width;
    out.height = image.height;
    out.indices.assign(image.pixels.size(), kBackgroundIndex);
    std::vector<PixelKind> kinds(image.pixels.size(), PixelKind::Background);
    std::vector<Rgb> colours(image.pixels.size());

    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t argb = image.pixels[i];
        const int alpha = static_cast<int>(argb >> 24);
        if (alpha < 128) continue;
        ++out.opaquePixels;
        // Undo cairo's premultiplication.
        auto channel = [&](int shift) { return (static_cast<int>((argb >> shift) & 0xFF) * 255 + alpha / 2) / alpha; };
        const Rgb rgb{std::min(channel(16), 255), std::min(channel(8), 255), std::min(channel(0), 255)};
        colours[i] = rgb;
        int best = 0;
        for (int k = 1; k < static_cast<int>(kAllowed.size()); ++k) {
            if (SquaredDistance(rgb, kAllowed[k].rgb) < SquaredDistance(rgb, kAllowed[best].rgb)) best = k;
        }
        out.indices[i] = kAllowed[best].index;
        if (SquaredDistance(rgb, kAllowed[best].rgb) <= kMaxPureDistance * kMaxPureDistance) {
            kinds[i] = PixelKind::Pure;
        } else {
            kinds[i] = IsBlend(rgb) ? PixelKind::Blend : PixelKind::Foreign;
        }
    }

    auto nearAllowed = [&](int x, int y) {
        for (int yy = std::max(0, y - kFringeReach); yy <= std::min(image.height - 1, y + kFringeReach); ++yy) {
            for (int xx = std::max(0, x - kFringeReach); xx <= std::min(image.width - 1, x + kFringeReach); ++xx) {
                const PixelKind kind = kinds[static_cast<std::size_t>(yy) * image.width + xx];
                if (kind == PixelKind::Pure || kind == PixelKind::Background) return true;
            }
        }
        return false;
    };

    std::unordered_map<std::uint32_t, StrayColour> strays;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * image.width + x;
            const bool stray = kinds[i] == PixelKind::Foreign || (kinds[i] == PixelKind::Blend && !nearAllowed(x, y));
            if (!stray) continue;
            ++out.strayPixels;
            const Rgb& c = colours[i];
            const std::uint32_t key = static_cast<std::uint32_t>((c.r << 16) | (c.g << 8) | c.b);
            auto [entry, added] = strays.try_emplace(key, StrayColour{key, 0, x, y});
            ++entry->second.pixels;
        }
    }
    for (const auto& [key, stray] : strays) out.strays.push_back(stray);
    std::sort(out.strays.begin(), out.strays.end(), [](const StrayColour& a, const StrayColour& b) {
        return a.pixels != b.pixels ? a.pixels > b.pixels : a.rgb < b.rgb;
    });
    return out;
}

bool HasForbiddenColours(const IndexedPicture& picture, int scale) {
    const int area = scale * scale;
    if (!picture.strays.empty() && picture.strays.front().pixels > kMaxPixelsOfOneStrayColour * area) return true;
    return picture.strayPixels > kMaxStrayPixelsInAll * area + picture.opaquePixels / kStrayShareDivisor;
}

}  // namespace charge_pictures
