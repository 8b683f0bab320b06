#pragma once
// The shapes the ordinary and partition routines draw, and the one conversion between a shape
// and the number the vocabulary and the traces give it.

namespace esc {

// Shape codes, as the vocabulary gives them (Sub1 of a partition or ordinary word).
enum class ShapeCode : int {
    // No ordinary or partition drawn yet.
    kNoShape = -1,
    kFess = 0, kBend = 1, kBendSinister = 2, kPale = 3, kChevron = 4, kCross = 5, kSaltire = 6,
    kGyronny = 7, kBarry = 8, kPaly = 9, kBendy = 10, kFlaunches = 12, kChevronels = 14, kChief = 16,
    kLabel = 18, kBordure = 19, kCanton = 20, kPallets = 21, kBendlets = 22, kChequyNext = 23,
    kPiles = 24, kOrle = 25, kBendletsSinister = 27, kPall = 30, kPallReversed = 31,
    // The tressure, plain or flory counterflory; a level count of two draws the double tressure.
    kTressure = 32, kTressureFlory = 33,
    // The chevron turned point down: per chevron inverted and the chevron inverted.
    kChevronInverted = 34,
    // Quarterly whose line across the fess point has the line style (the line down the pale is
    // plain): "quarterly per fess indented".
    kQuarterlyPerFessLined = 35,
    // Quarterly whose line down the pale has the line style (the line across is plain):
    // "quarterly per pale dovetailed".
    kQuarterlyPerPaleLined = 59,
    // Bendlets enhanced: set toward the sinister chief.
    kBendletsEnhanced = 36,
    // Chevronny: the field in chevrons of the two tinctures by turns.
    kChevronny = 37,
    // Chevronels interlaced (braced): set side by side at one height, each limb crossing its
    // neighbour's.
    kChevronelsInterlaced = 38,
    // Base esquires: right-angled triangles in the lower outer corners of the chief. A count of
    // one draws the dexter one; kBaseEsquireSinister the sinister one alone.
    kBaseEsquires = 39, kBaseEsquireSinister = 43,
    // Chevronels and piles turned over: chevronels point down, piles issue from the base.
    kChevronelsInverted = 44, kPilesInverted = 45,
    // The base, the lowest part of the field (also the direction "in base"), and the gyron, one
    // triangle of gyronny.
    kBase = 17, kGyron = 46,
    // A bar alone: no ordinary the vocabulary names, the shape whose cotises a cotised bar takes.
    kBar = 47,
    // The fillet, a quarter of the chief along its lowest part (Diminutives.h).
    kFilletShape = 48,
    // The point pointed: a point rising from the whole base to the fess point ("a point pointed
    // vert").
    kPointPointed = 58,
};
// The shapes are named without the enum's name wherever the shapes are used.
using enum ShapeCode;

// The shape a vocabulary word's Sub1 names (its number kept as the word list gives it), and the
// number a shape is written with in traces and layout notes. The only conversions.
constexpr ShapeCode ShapeOfCode(int code) { return static_cast<ShapeCode>(code); }
constexpr int CodeOf(ShapeCode shape) { return static_cast<int>(shape); }

// A place the reader names that no shape draws ("in dexter base", "at the honour point"). Its
// values are the reader's own (interpret/layout/Place.h); the engine only keeps them in the level
// records.
enum class PlaceCode : int;
inline constexpr PlaceCode kNoPlace = static_cast<PlaceCode>(-1);

// Where a level's charges go: along or in the place of a shape ("in bend", "in chief", "in
// base"), or to one of the reader's places. Either a shape or a place, never both.
struct Direction {
    // A level without a direction keeps the fess's code; it is read only with levelIn.
    ShapeCode shape = ShapeCode::kFess;
    PlaceCode place = kNoPlace;

    constexpr Direction() = default;
    constexpr Direction(ShapeCode s) : shape(s) {}
    constexpr Direction(PlaceCode p) : shape(ShapeCode::kNoShape), place(p) {}

    constexpr bool IsPlace() const { return place != kNoPlace; }
    // The shape, or kNoShape for a place.
    constexpr ShapeCode Shape() const { return IsPlace() ? ShapeCode::kNoShape : shape; }

    friend constexpr bool operator==(Direction, Direction) = default;
    friend constexpr bool operator==(Direction d, ShapeCode s) { return !d.IsPlace() && d.shape == s; }
    friend constexpr bool operator==(Direction d, PlaceCode p) { return d.IsPlace() && d.place == p; }
};
// The number a direction is written with in traces and layout notes: the shape's or the place's.
constexpr int CodeOf(Direction d) { return d.IsPlace() ? static_cast<int>(d.place) : CodeOf(d.shape); }

}  // namespace esc
