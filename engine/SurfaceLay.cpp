#include "engine/SurfaceLay.h"

#include <algorithm>
#include <cmath>

namespace esc::surface {
namespace {

// A surface whose long axis spreads this many times as far as its short one (in variance) is a
// band laid along that axis.
constexpr double kBandElongation = 6.0;

// The lengths of the runs of mask pixels along rows and columns, and the first pixel of each.
void MeasureRuns(const SurfaceMask& m, Lay& lay) {
    const int w = m.box.Width(), h = m.box.Height();
    lay.rowFirst.assign(static_cast<std::size_t>(h), -1);
    lay.rowLast.assign(static_cast<std::size_t>(h), -1);
    lay.columnFirst.assign(static_cast<std::size_t>(w), -1);
    lay.columnLast.assign(static_cast<std::size_t>(w), -1);
    std::vector<int> runs;
    for (int y = 0; y < h; ++y) {
        int start = -1;
        for (int x = 0; x <= w; ++x) {
            const bool on = x < w && m.in[static_cast<std::size_t>(y) * w + x];
            if (on) {
                if (lay.rowFirst[y] < 0) lay.rowFirst[y] = x;
                lay.rowLast[y] = x;
                if (lay.columnFirst[x] < 0) lay.columnFirst[x] = y;
                lay.columnLast[x] = y;
                if (start < 0) start = x;
            } else if (start >= 0) {
                runs.push_back(x - start);
                start = -1;
            }
        }
    }
    for (int x = 0; x < w; ++x) {
        int start = -1;
        for (int y = 0; y <= h; ++y) {
            const bool on = y < h && m.in[static_cast<std::size_t>(y) * w + x];
            if (on && start < 0) start = y;
            if (!on && start >= 0) {
                runs.push_back(y - start);
                start = -1;
            }
        }
    }
    if (!runs.empty()) {
        std::nth_element(runs.begin(), runs.begin() + static_cast<long>(runs.size() / 2), runs.end());
        lay.limb = std::max(runs[runs.size() / 2], 2);
    }
    // The grid of a narrow-limbed surface starts at its first limb's edges.
    for (int y = 0; y < h; ++y)
        if (lay.rowFirst[y] >= 0) {
            lay.x0 = m.box.left + lay.rowFirst[y];
            break;
        }
    for (int x = 0; x < w; ++x)
        if (lay.columnFirst[x] >= 0) {
            lay.y0 = m.box.top + lay.columnFirst[x];
            break;
        }
}

// The band frame of the mask's pixels in box columns [from, to).
BandFrame FindBand(const SurfaceMask& m, int from, int to) {
    BandFrame f;
    const int w = m.box.Width(), h = m.box.Height();
    auto each = [&](auto visit) {
        for (int y = 0; y < h; ++y)
            for (int x = from; x < to; ++x)
                if (m.in[static_cast<std::size_t>(y) * w + x]) visit(m.box.left + x + 0.5, m.box.top + y + 0.5);
    };
    double n = 0, sx = 0, sy = 0;
    each([&](double px, double py) {
        n += 1;
        sx += px;
        sy += py;
    });
    if (n == 0) return f;
    f.mx = sx / n;
    f.my = sy / n;
    double cxx = 0, cyy = 0, cxy = 0;
    each([&](double px, double py) {
        cxx += (px - f.mx) * (px - f.mx);
        cyy += (py - f.my) * (py - f.my);
        cxy += (px - f.mx) * (py - f.my);
    });
    const double mean = (cxx + cyy) / 2, spread = std::hypot((cxx - cyy) / 2, cxy);
    f.elongation = (mean + spread) / std::max(mean - spread, 1e-9);
    const double angle = 0.5 * std::atan2(2 * cxy, cxx - cyy);
    f.ux = std::cos(angle);
    f.uy = std::sin(angle);
    if (f.ux < -1e-9) {
        f.ux = -f.ux;
        f.uy = -f.uy;
    }
    double smin = 1e18, smax = -1e18, tmin = 1e18, tmax = -1e18;
    each([&](double px, double py) {
        const double dx = px - f.mx, dy = py - f.my;
        const double s = dx * f.ux + dy * f.uy, t = -dx * f.uy + dy * f.ux;
        smin = std::min(smin, s);
        smax = std::max(smax, s);
        tmin = std::min(tmin, t);
        tmax = std::max(tmax, t);
    });
    f.smin = smin;
    f.tmin = tmin;
    f.length = std::max(smax - smin, 1.0);
    f.breadth = std::max(tmax - tmin, 1.0);
    return f;
}

}  // namespace

Lay MakeLay(const SurfaceMask& m, SurfaceLay asked) {
    Lay lay;
    lay.box = m.box;
    lay.cx = (m.box.left + m.box.right) / 2.0;
    lay.cy = (m.box.top + m.box.bottom) / 2.0;
    MeasureRuns(m, lay);
    lay.kind = asked;
    if (asked != SurfaceLay::Find && asked != SurfaceLay::Band) return lay;
    const int w = m.box.Width();
    lay.bands[0] = FindBand(m, 0, w);
    if (asked == SurfaceLay::Band || lay.bands[0].elongation > kBandElongation) {
        lay.kind = SurfaceLay::Band;
        return lay;
    }
    lay.kind = SurfaceLay::Broad;
    // Two limbs meeting at the middle, each a band of its own?
    const BandFrame dexter = FindBand(m, 0, w / 2), sinister = FindBand(m, w / 2, w);
    if (dexter.elongation > kBandElongation && sinister.elongation > kBandElongation) {
        lay.kind = SurfaceLay::Band;
        lay.bands = {dexter, sinister};
        lay.limbs = 2;
    }
    return lay;
}

}  // namespace esc::surface
