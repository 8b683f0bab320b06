#include "PartitionLineReference.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "engine/PartitionLine.h"
#include "engine/Painter.h"

namespace esc::testing {
namespace {

struct Profile {
    int t = 0, r = 0, u = 0;
    std::vector<std::uint16_t> words;  // t rows of r words
    bool farShifted = false;           // the far edge reads the column half a period on
};

// The profiles as the description writes them: the words of a row joined by a blank, rows
// separated by a slash.
Profile Parse(int t, int r, int u, const std::string& rows) {
    Profile p{t, r, u, {}};
    std::istringstream in(rows);
    std::string token;
    while (in >> token) {
        if (token == "/") continue;
        p.words.push_back(static_cast<std::uint16_t>(std::stoul(token, nullptr, 16)));
    }
    return p;
}

std::string Repeat(const std::string& row, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += row + " / ";
    return out;
}

const Profile* ProfileOf(int lineCode) {
    static const std::vector<Profile> profiles = [] {
        std::vector<Profile> p(17);
        p[2] = Parse(10, 3, 45, Repeat("0001 FFFF E000", 9) + "FFFF FFFF FFFC");
        p[3] = p[2];
        p[4] = Parse(16, 2, 31,
                     "0001 0000 / 0003 8000 / 0007 C000 / 000F E000 / 001F F000 / 003F F800 / 007F FC00 / 00FF FE00 / "
                     "01FF FF00 / 03FF FF80 / 07FF FFC0 / 0FFF FFE0 / 1FFF FFF0 / 3FFF FFF8 / 7FFF FFFC / FFFF FFFE");
        p[5] = p[4];
        p[6] = Parse(8, 4, 64,
                     "0000 003F FC00 0000 / 0000 03FF FFC0 0000 / 0000 1FFF FFF8 0000 / 0001 FFFF FFFF 8000 / "
                     "000F FFFF FFFF F000 / 001F FFFF FFFF F800 / 00FF FFFF FFFF FF00 / FFFF FFFF FFFF FFFF");
        p[8] = Parse(8, 4, 64,
                     "00FF FFFF FE00 0000 / 007F FFFF FF00 0000 / 003F FFFF FF80 0000 / 001F FFFF FFC0 0000 / "
                     "000F FFFF FFE0 0000 / 0007 FFFF FFF0 0000 / 0003 FFFF FFF8 0000 / FFFF FFFF FFFF FFFF");
        p[9] = Parse(10, 3, 46, Repeat("0001 FFFE 0000", 6) + Repeat("0000 3FF0 0000", 3) + "FFFF FFFF FFFC");
        p[12] = Parse(16, 1, 8,
                      "0800 / 0C00 / 1C00 / 1E00 / 3E00 / 3E00 / 3C00 / 7C00 / 7C00 / 7C00 / 3C00 / 3C00 / 3C00 / "
                      "7E00 / 7E00 / FF00");
        p[16] = p[2];
        p[16].farShifted = true;
        return p;
    }();
    if (lineCode < 0 || lineCode > 16 || profiles[static_cast<std::size_t>(lineCode)].t == 0) return nullptr;
    return &profiles[static_cast<std::size_t>(lineCode)];
}

void Record(PaintState& s, int x, int y) {
    if (y < 0 || y > s.geometry.shieldBottom) return;
    Crossing& c = s.crossings[static_cast<std::size_t>(y)];
    if (c.first == -1) c.first = x;
    else c.second = x;
}

bool Near(long long v) { return v >= -kBandReach && v <= kBandReach; }

}  // namespace

void ReferencePartitionLine(PaintState& s, int x1, int y1, int x2, int y2, int width, int kind, int length, int angle) {
    const int W = s.geometry.W, H = s.geometry.H, M = 2 * (W / 2);
    const int lineCode = s.lineCode;
    bool gap = false;
    if (lineCode == 15) {
        gap = true;
        s.lineCode = -1;
    }
    if (length != 0) {
        const double ex = std::trunc(x1 + length * std::cos(angle * 0.017453292));
        const double ey = std::trunc(y1 - length * std::sin(angle * 0.017453292));
        if (std::abs(ex) > kBandReach || std::abs(ey) > kBandReach) return;
        x2 = static_cast<int>(ex);
        y2 = static_cast<int>(ey);
    }
    if (!Near(x1) || !Near(y1) || !Near(x2) || !Near(y2) || !Near(width)) return;
    const int saved = s.levelTincture[s.level];

    int dx = x2 - x1, dy = y2 - y1;
    const int sx = dx > 0 ? 1 : (dx < 0 ? -1 : 0), sy = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
    const int lx = x1 > x2 ? -1 : 1;
    const bool vertical = dx == 0;
    if (dx != 0 && dy != 0) {
        if (width > 25) width -= 20;
        if ((x1 == 0 && y1 != 0) || (x1 != 0 && y1 == 0)) {
            const int h = width / 2;
            x1 -= h * lx;
            y1 -= h;
            x2 += h * lx;
            y2 += h;
            dx = x2 - x1;
            dy = y2 - y1;
        }
    }
    const int adx = std::abs(dx), ady = std::abs(dy);

    bool reflect = false;
    if (kind == 5) {
        kind = 2;
        reflect = true;
    }
    const bool centre = kind == 1;
    const Profile* profile = ProfileOf(lineCode);
    bool mirror = false;
    if (profile != nullptr) {
        const bool special = CodeOf(s.shapeCode) == 16 || CodeOf(s.shapeCode) == 19 || (CodeOf(s.partitionCode) == 8 && kind == 3);
        if (lineCode == 4 || lineCode == 5) mirror = special;
        else if (lineCode == 6) mirror = special || (CodeOf(s.shapeCode) == 9 && kind == 2);
        else mirror = true;
    }
    if (lineCode == 2 && kind != 2) kind = 3;
    int t = 0, r = 1, u = 1;
    if (profile != nullptr) {
        t = profile->t;
        r = profile->r;
        u = profile->u;
        if (CodeOf(s.partitionCode) == 1 || CodeOf(s.partitionCode) == 4) width -= t;
        if (width < 2 * t) width = 2 * t;
    } else if (s.ordinaryTreatment != OrdinaryTreatment::kNone) {
        t = 5;
    }
    const int h = width / 2;
    const bool steep = adx < ady;
    if (steep && CodeOf(s.shapeCode) == 19) kind = 3;
    const int treatment = static_cast<int>(s.ordinaryTreatment);

    auto paint = [&](int a, int y, int b) { PaintSpan(s, a, y, b); };

    int x = x1, y = y1, e = 0, row = 0, side = 0, bit = 0, word = 0, step = 0;
    const int steps = steep ? ady : adx;
    for (int j = 0; j <= steps; ++j) {
        if (!steep) {
            e += ady;
            if (e > adx) {
                e -= adx;
                y += sy;
            }
        } else {
            e += adx;
            if (e > ady) {
                e -= ady;
                x += sx;
            }
        }
        bool farZone = false;
        for (int k = -h; k <= h; ++k) {
            const int X = steep ? x + k * lx : x;
            const int Y = y - k;
            const bool nearZone = k <= -h + t - 1;
            const bool farPart = k >= h - t + 1;
            if (profile != nullptr && (nearZone || farPart)) {
                if (k == -h) {
                    row = 0;
                    side = 0;
                    farZone = false;
                }
                if (k == h - t + 1) {
                    farZone = true;
                    if (mirror) {
                        row = t - 1;
                        side = 1;
                    } else {
                        row = 0;
                        side = 0;
                    }
                }
                int column = word * 16 + bit;
                if (farZone && profile->farShifted) column = (column + u / 2) % u;
                std::uint16_t P = profile->words[static_cast<std::size_t>(row * r + column / 16)];
                if (k > 0 && !mirror) P = static_cast<std::uint16_t>(~P);
                bool solid = (P & (0x8000u >> (column % 16))) != 0;
                if (k == 0 && y >= 0) Record(s, x, y);
                const int oneSide = farZone ? 1 : 0;
                if (!steep && ((kind == 2 && oneSide == 0) || (kind == 3 && oneSide == 1))) solid = true;
                if (steep && ((kind == 2 && oneSide == 1) || (kind == 3 && oneSide == 0))) solid = true;
                if (solid) {
                    if (!steep) {
                        paint(x, y + k, x + 1);
                    } else if (!vertical) {
                        paint(X, Y, X + 1);
                        paint(X, Y - 1, X + 1);
                    } else {
                        paint(X, y, X + 1);
                    }
                    if (reflect) {
                        if (!steep) {
                            paint(x, H - (y + k), x + 1);
                        } else {
                            if (vertical) {
                                paint(W - X, y, W - X + 1);
                            } else {
                                paint(W - X, Y, W - X + 1);
                                paint(W - X, Y - 1, W - X + 1);
                            }
                            if (k == 0 && y >= 0) Record(s, W - X, y);
                        }
                    }
                    if (centre) {
                        if (!steep) paint(M - x, y + k, M - x + 1);
                        else paint(M - x + k, y, M - x + k + 1);
                        if (!steep && k == 0 && y >= 0) Record(s, M - x, y);
                    }
                }
                bool wrapped = false;
                if (side == 1) {
                    if (--row == -1) {
                        row = t - 1;
                        wrapped = true;
                    }
                } else if (++row == t) {
                    row = 0;
                    wrapped = true;
                }
                if (wrapped && k == h) {
                    if (++bit > 15) {
                        bit = 0;
                        ++word;
                    }
                }
                continue;
            }
            // A middle pixel.
            if (steep && k == 0 && y >= 0) Record(s, x, y);
            if (treatment != 0 && k > -h + t - 1 && k < h - t + 1) {
                if (treatment == 1) continue;
                if (treatment == 2) s.levelTincture[s.level] = saved;
            }
            if (gap && !steep && std::abs(k) < 3) continue;
            if (!steep) {
                paint(x, y + k, x + 1);
            } else if (vertical) {
                paint(X, y, X + 1);
            } else {
                paint(X - 1, Y, X);
                paint(X + 1, Y - 1, X + 2);
                paint(X, Y, X + 1);
                paint(X, Y - 1, X + 1);
            }
            if (reflect) {
                if (!steep) {
                    paint(x, H - (y + k), x + 1);
                } else {
                    if (vertical) {
                        paint(W - X, y, W - X + 1);
                    } else {
                        paint(W - X, Y, W - X + 1);
                        paint(W - X, Y - 1, W - X + 1);
                    }
                    if (k == 0 && y >= 0) Record(s, W - X, y);
                }
            }
            const int fillRow = steep ? y : y + k;
            if (s.fillToLeft) paint(0, fillRow, steep ? X : x);
            if (centre) {
                if (!steep) paint(M - x, y + k, M - x + 1);
                else paint(M - x + k, y, M - x + k + 1);
                if (s.fillToLeft) paint(M - x, fillRow, W);
            }
            if (treatment == 2) s.levelTincture[s.level] = s.CurrentLevel().levelSecondTincture;
        }
        if (steep) y += sy;
        else x += sx;
        if (++step == u) {
            step = 0;
            row = 0;
            bit = 0;
            word = 0;
        }
    }
    s.levelTincture[s.level] = saved;
}

}  // namespace esc::testing
