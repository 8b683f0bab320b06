#pragma once

namespace esc {

// The integer midpoint scheme on doubled coordinates for a quarter circle of radius r, as the
// shield outline and the bordure's lower corners trace it: calls plot(s, t) for every even t.
template <typename Plot>
void QuarterCircle(int r, Plot plot) {
    int s = 2 * r, t = 0, e = -2 * r;
    while (t <= s) {
        if (t % 2 == 0) plot(s, t);
        e += t;
        ++t;
        if (e >= 0) {
            e -= s;
            --s;
        }
    }
}

}  // namespace esc
