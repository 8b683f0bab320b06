#include "interpret/layout/FreeInterior.h"

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/ChargePicture.h"
#include "engine/PictureRoom.h"
#include "interpret/layout/Placement.h"

namespace esc {

namespace {

// Chamfer steps of the distance map (a straight step 3, a diagonal one 4): a distance of d
// pixels is about 3d.
constexpr int kInteriorStraightStep = 3, kInteriorDiagonalStep = 4;
// A room smaller than this share of the drawing's larger side holds no charge worth drawing.
constexpr float kSmallestInteriorShare = 0.12f;
// How far a room's centre may stand from the middle of the drawing's box, as a share of the
// box's half width and half height.
constexpr float kInteriorOffMiddleShare = 0.6f;
// The most rooms, largest first, looked at for one the drawing closes round.
constexpr std::size_t kMostInteriorCandidates = 6000;

// How many of kInteriorRays directions from (x, y) meet the drawing before they leave its box
// (`drawn` less its frame of one pixel), or 0 when fewer than three of the four directions along
// the axes do.
// Of the four directions along the axes, at least three must meet it too: the angle between a
// cross's arms is open on two sides.
int EnclosingRays(const std::vector<std::uint8_t>& drawn, int w, int h, int x, int y) {
    int hits = 0, axisHits = 0;
    for (int k = 0; k < kInteriorRays; ++k) {
        const double a = 2 * std::numbers::pi * k / kInteriorRays;
        const double dx = std::cos(a), dy = std::sin(a);
        for (double t = 1;; t += 1) {
            const int px = static_cast<int>(std::lround(x + dx * t)), py = static_cast<int>(std::lround(y + dy * t));
            if (px < 1 || py < 1 || px >= w - 1 || py >= h - 1) break;  // into the frame: out of the box
            if (drawn[static_cast<std::size_t>(py) * static_cast<std::size_t>(w) + static_cast<std::size_t>(px)] != 0) {
                ++hits;
                axisHits += k % (kInteriorRays / 4) == 0 ? 1 : 0;
                break;
            }
        }
    }
    return axisHits >= 3 ? hits : 0;
}

// The drawing's extent (first and last drawn column and row), the disc left empty; nothing for
// an empty picture.
std::optional<FreeInterior> DrawnExtentOf(std::span<const std::uint8_t> pixels, int width, int height) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return std::nullopt;
    FreeInterior room;
    room.firstColumn = width;
    room.firstRow = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (IsDrawnIndex(pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)])) {
                room.firstColumn = std::min(room.firstColumn, x);
                room.lastColumn = std::max(room.lastColumn, x);
                room.firstRow = std::min(room.firstRow, y);
                room.lastRow = std::max(room.lastRow, y);
            }
    if (room.lastColumn < room.firstColumn) return std::nullopt;
    return room;
}

}  // namespace

std::optional<FreeInterior> DeclaredInteriorOf(std::span<const std::uint8_t> pixels, int width, int height,
                                               const PictureRoom& declared) {
    std::optional<FreeInterior> room = DrawnExtentOf(pixels, width, height);
    if (!room) return std::nullopt;
    const float units = static_cast<float>(kPictureRoomUnits);
    room->x = static_cast<float>(declared.x) * static_cast<float>(width) / units;
    room->y = static_cast<float>(declared.y) * static_cast<float>(height) / units;
    room->radius = static_cast<float>(declared.radius) * static_cast<float>(width) / units;
    return room;
}

std::optional<FreeInterior> FreeInteriorOf(std::span<const std::uint8_t> pixels, int width, int height) {
    std::optional<FreeInterior> extent = DrawnExtentOf(pixels, width, height);
    if (!extent) return std::nullopt;
    FreeInterior room = *extent;
    // The drawing's box with a frame of one pixel round it that counts as drawn: a room is
    // bounded by the box as by the drawing (the open side of a crescent).
    const int w = room.lastColumn - room.firstColumn + 3, h = room.lastRow - room.firstRow + 3;
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); };
    std::vector<std::uint8_t> drawn(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 1);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            drawn[at(x, y)] = IsDrawnIndex(pixels[static_cast<std::size_t>(room.firstRow + y - 1) * static_cast<std::size_t>(width) +
                                                  static_cast<std::size_t>(room.firstColumn + x - 1)])
                                  ? 1
                                  : 0;
    // Each background pixel's distance to the nearest drawn one, in two sweeps.
    constexpr int kFar = 1 << 28;
    std::vector<int> distance(drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) distance[i] = drawn[i] != 0 ? 0 : kFar;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            int& d = distance[at(x, y)];
            d = std::min({d, distance[at(x - 1, y)] + kInteriorStraightStep, distance[at(x, y - 1)] + kInteriorStraightStep,
                          distance[at(x - 1, y - 1)] + kInteriorDiagonalStep, distance[at(x + 1, y - 1)] + kInteriorDiagonalStep});
        }
    for (int y = h - 2; y >= 1; --y)
        for (int x = w - 2; x >= 1; --x) {
            int& d = distance[at(x, y)];
            d = std::min({d, distance[at(x + 1, y)] + kInteriorStraightStep, distance[at(x, y + 1)] + kInteriorStraightStep,
                          distance[at(x + 1, y + 1)] + kInteriorDiagonalStep, distance[at(x - 1, y + 1)] + kInteriorDiagonalStep});
        }
    // The rooms large enough, largest first and, of equal ones, nearest the box's middle.
    const int smallest = static_cast<int>(kSmallestInteriorShare * static_cast<float>(std::max(w, h) - 2) * kInteriorStraightStep);
    const float mx = static_cast<float>(w) / 2, my = static_cast<float>(h) / 2;
    std::vector<std::size_t> order;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            if (distance[at(x, y)] >= smallest) order.push_back(at(x, y));
    const auto offMiddle = [&](std::size_t i) {
        const float x = static_cast<float>(i % static_cast<std::size_t>(w)) - mx, y = static_cast<float>(i / static_cast<std::size_t>(w)) - my;
        return x * x + y * y;
    };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return distance[a] != distance[b] ? distance[a] > distance[b] : offMiddle(a) < offMiddle(b);
    });
    if (order.size() > kMostInteriorCandidates) order.resize(kMostInteriorCandidates);
    for (const std::size_t i : order) {
        const int x = static_cast<int>(i % static_cast<std::size_t>(w)), y = static_cast<int>(i / static_cast<std::size_t>(w));
        // A room off to one side (between a beast's legs) is not the middle the charge closes round.
        if (std::abs(static_cast<float>(x) - mx) > kInteriorOffMiddleShare * mx ||
            std::abs(static_cast<float>(y) - my) > kInteriorOffMiddleShare * my)
            continue;
        // The frame is no part of the drawing for the rays: they look within the box alone.
        if (EnclosingRays(drawn, w, h, x, y) < kEnclosingRays) continue;
        room.x = static_cast<float>(room.firstColumn + x - 1);
        room.y = static_cast<float>(room.firstRow + y - 1);
        room.radius = static_cast<float>(distance[i]) / kInteriorStraightStep;
        return room;
    }
    return std::nullopt;
}

std::optional<FreeInterior> PictureInterior(DrawingState& s, std::string_view name, std::string_view variant) {
    std::string stem(name);
    if (!stem.empty() && stem.back() == 's') stem.pop_back();
    const std::string_view extension = variant.empty() ? std::string_view("esv") : variant;
    std::optional<FreeInterior> room;
    for (const std::string& file : PictureFileNames(stem, extension)) {
        if (ReadGifPicture(s, file) != 0) {
            if (s.chargePicture.verdict == PictureVerdict::Damaged) break;
            continue;
        }
        const ChargePicture& p = s.chargePicture;
        const std::size_t area = static_cast<std::size_t>(std::max(p.PW, 0)) * static_cast<std::size_t>(std::max(p.PH, 0));
        if (p.buffer.size() < area) break;
        const std::span<const std::uint8_t> pixels(p.buffer.data(), area);
        // A room the drawing declares (a cage's inside, drawn full of bars) is taken as it says.
        if (const std::optional<PictureRoom> declared = ReadPictureRoom(s.dataDir.empty() ? file : s.dataDir + "/" + file))
            room = DeclaredInteriorOf(pixels, p.PW, p.PH, *declared);
        else
            room = FreeInteriorOf(pixels, p.PW, p.PH);
        break;
    }
    s.pictureLoaded = false;  // the buffer holds this picture: the next placement decodes its own
    return room;
}

bool PictureDeclaresARoom(const DrawingState& s, std::string_view name, std::string_view variant) {
    std::string stem(name);
    if (!stem.empty() && stem.back() == 's') stem.pop_back();
    const std::string_view extension = variant.empty() ? std::string_view("esv") : variant;
    for (const std::string& file : PictureFileNames(stem, extension))
        if (ReadPictureRoom(s.dataDir.empty() ? file : s.dataDir + "/" + file)) return true;
    return false;
}

}  // namespace esc
