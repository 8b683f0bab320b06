#include "engine/ChargeAtScale.h"

#include <array>
#include <cmath>
#include <utility>

namespace esc {

void ScaleChargePicture(ChargePicture& picture, double k) {
    const int PW = picture.PW, PH = picture.PH;
    if (PW <= 0 || PH <= 0 || k == 1.0) return;
    const int width = static_cast<int>(std::lround(PW * k)), height = static_cast<int>(std::lround(PH * k));
    const std::vector<std::uint8_t>& from = picture.buffer;
    auto at = [&](int x, int y) -> std::uint8_t {
        x = x < 0 ? 0 : (x >= PW ? PW - 1 : x);
        y = y < 0 ? 0 : (y >= PH ? PH - 1 : y);
        const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(PW) + static_cast<std::size_t>(x);
        return i < from.size() ? from[i] : std::uint8_t{255};
    };
    // Where each painted column and row falls in the picture, worked out once.
    struct Sample {
        int first;
        double weight;  // of the second of the two neighbours
    };
    auto samples = [k](int count) {
        std::vector<Sample> out(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const double p = (i + 0.5) / k - 0.5, f = std::floor(p);
            out[static_cast<std::size_t>(i)] = {static_cast<int>(f), p - f};
        }
        return out;
    };
    const std::vector<Sample> columns = samples(width), rows = samples(height);
    std::vector<std::uint8_t> to(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const Sample r = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Sample c = columns[static_cast<std::size_t>(x)];
            const std::array<std::pair<std::uint8_t, double>, 4> corners = {{
                {at(c.first, r.first), (1 - c.weight) * (1 - r.weight)},
                {at(c.first + 1, r.first), c.weight * (1 - r.weight)},
                {at(c.first, r.first + 1), (1 - c.weight) * r.weight},
                {at(c.first + 1, r.first + 1), c.weight * r.weight},
            }};
            std::uint8_t best = corners[0].first;
            if (best == corners[1].first && best == corners[2].first && best == corners[3].first) {
                to[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = best;
                continue;
            }
            // The index whose corners weigh most.
            double bestWeight = -1;
            for (const auto& [index, unused] : corners) {
                double sum = 0;
                for (const auto& [other, weight] : corners)
                    if (other == index) sum += weight;
                if (sum > bestWeight + 1e-9) {
                    best = index;
                    bestWeight = sum;
                }
            }
            to[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = best;
        }
    }
    picture.buffer = std::move(to);
    picture.PW = width;
    picture.PH = height;
    picture.print = PrintChargePicture(picture);
}

}  // namespace esc
