#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FitLayout.h"

namespace esc {
namespace {

using test::Colour;

// The pixels of the shield where a charged ordinary differs from the same ordinary drawn bare
// (the charges), and those of the bare ordinary: the ordinary's colour read at a point of it.
struct ChargedOrdinary {
    int w = 0, h = 0;
    std::vector<char> onOrdinary, charge;
    int charges = 0;  // pixels of the charges
    bool OnOrdinary(int x, int y) const {
        return x >= 0 && y >= 0 && x < w && y < h && onOrdinary[static_cast<std::size_t>(y) * w + x] != 0;
    }
    bool Charge(int x, int y) const { return charge[static_cast<std::size_t>(y) * w + x] != 0; }
    // The distance from the charges to the nearest pixel off the ordinary, up to `limit`.
    int Clearance(int limit) const {
        int least = limit;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!Charge(x, y)) continue;
                for (int dy = -least; dy <= least; ++dy)
                    for (int dx = -least; dx <= least; ++dx)
                        if (std::max(std::abs(dx), std::abs(dy)) < least && !OnOrdinary(x + dx, y + dy))
                            least = std::max(std::abs(dx), std::abs(dy));
            }
        return least;
    }
};

ChargedOrdinary DrawBoth(const std::string& charged, const std::string& bare, double pointX, double pointY) {
    test::Drawing plain, with;
    plain.DrawClean(bare);
    with.DrawClean(charged);
    const ShieldGeometry& g = plain.s().geometry;
    const FreeSpace& space = FreeSpace::Field(plain.s());
    ChargedOrdinary c;
    c.w = g.W;
    c.h = g.H;
    c.onOrdinary.assign(static_cast<std::size_t>(c.w) * c.h, 0);
    c.charge.assign(c.onOrdinary.size(), 0);
    const Rgb ordinary = plain.At(static_cast<int>(g.W * pointX), static_cast<int>(g.H * pointY));
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * c.w + x;
            c.onOrdinary[i] = plain.At(x, y) == ordinary && space.BoxFree(x, y, 1);
            if (space.BoxFree(x, y, 1) && with.At(x, y) != plain.At(x, y)) {
                c.charge[i] = 1;
                ++c.charges;
            }
        }
    return c;
}

// Charges on a bend, a bend sinister, a chevron, a cross, a fess, a pale and bars lie wholly on the ordinary with a
// margin, and grow until their drawings come near its edge: the band, not a fixed scale, bounds
// them (water bougets were half a bar deep, quatrefoils and mascles a third of the band). A bordure
// or chief named later takes its own room.
TEST(OnTheOrdinary, ChargesStayOnTheOrdinaryAndReachItsEdge) {
    struct Case {
        const char* charged;
        const char* bare;
        double x, y;  // a point of the ordinary, as shares of the shield's width and height
    };
    const Case cases[] = {
        {"Argent on a bend azure three mascles or", "Argent a bend azure", 0.5, 0.5},
        {"Azure on a bend sinister or three fleurs-de-lis gules", "Azure a bend sinister or", 0.5, 0.5},
        {"Azure on a bend or three fleurs-de-lis gules", "Azure a bend or", 0.5, 0.5},
        {"Or on a chevron sable three quatrefoils or", "Or a chevron sable", 0.5, 0.42},
        {"Gules on a chevron argent a lion rampant sable", "Gules a chevron argent", 0.5, 0.42},
        {"Argent on a cross sable a leopard's face or", "Argent a cross sable", 0.5, 0.5},
        {"Or on two bars gules three water bougets argent", "Or two bars gules", 0.5, 0.3},
        {"Sable, on a bend Or a cross-peen hammer sable, a bordure argent.", "Sable, a bend Or, a bordure argent.", 0.5, 0.5},
        {"Argent on a bend gules a sword sable, a chief azure", "Argent a bend gules, a chief azure", 0.5, 0.5},
        {"Argent on a fess gules three escallops or", "Argent a fess gules", 0.5, 0.5},
        {"Or on a pale azure three fleurs-de-lis or", "Or a pale azure", 0.5, 0.5},
    };
    constexpr int kInside = 2;  // the margin kept, less a pixel the painter may touch beside a run
    constexpr int kNear = 9;    // the margin and a little: the drawing was stopped by the edge
    for (const Case& k : cases) {
        SCOPED_TRACE(k.charged);
        const ChargedOrdinary c = DrawBoth(k.charged, k.bare, k.x, k.y);
        ASSERT_GT(c.charges, 200);
        int offOrdinary = 0;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) offOrdinary += c.Charge(x, y) && !c.OnOrdinary(x, y);
        EXPECT_EQ(offOrdinary, 0) << "charge pixels off the ordinary";
        const int clearance = c.Clearance(kNear + 1);
        EXPECT_GE(clearance, kInside);
        EXPECT_LE(clearance, kNear) << "the charges stop short of the ordinary's edge";
    }
}

// One drawing longer than it is wide lies along the bend: a quill drawn leaning, a sword upright, a
// lion passant on a bend and on a bend sinister. The charge's pixels spread along the band's direction (their
// main axis within some degrees of the ordinary's own) and are long.
TEST(OnTheOrdinary, OneLongDrawingLiesAlongTheBend) {
    struct Case {
        const char* charged;
        const char* bare;
        bool slender;  // a slender drawing reaches kLeastLengthShare of the shield's width
    };
    const Case cases[] = {
        {"Or, on a bend sable a quill inverted argent", "Or, a bend sable", true},
        {"Argent on a bend azure a sword argent", "Argent a bend azure", true},
        {"Or on a bend azure a lion passant or", "Or a bend azure", false},
        {"Or on a bend sinister azure a lion passant or", "Or a bend sinister azure", false},
    };
    constexpr double kDegrees = 180.0 / 3.14159265358979323846;
    constexpr double kLeastLengthShare = 0.3;  // of the shield's width
    // A beast is as deep as it is long, near enough: laid along the band it is longer than the
    // band is broad, which across it it could not be.
    constexpr double kLongerThanTheBand = 1.05;
    // A lion passant's pixels lie some degrees off its own length (the tail raised); across the
    // band they would lie some ninety degrees off.
    constexpr double kLeastAngle = 20.0;
    // The main axis of a set of pixels, in degrees, and the set's length along it.
    const auto axis = [](const ChargedOrdinary& c, bool charge, double& degrees, double& length) {
        double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                if (charge ? !c.Charge(x, y) : !c.OnOrdinary(x, y)) continue;
                n += 1;
                sx += x;
                sy += y;
                sxx += static_cast<double>(x) * x;
                syy += static_cast<double>(y) * y;
                sxy += static_cast<double>(x) * y;
            }
        const double mx = sx / n, my = sy / n;
        const double cxx = sxx / n - mx * mx, cyy = syy / n - my * my, cxy = sxy / n - mx * my;
        const double angle = 0.5 * std::atan2(2 * cxy, cxx - cyy);
        degrees = angle * kDegrees;
        double low = 1e9, high = -1e9;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                if (charge ? !c.Charge(x, y) : !c.OnOrdinary(x, y)) continue;
                const double along = (x - mx) * std::cos(angle) + (y - my) * std::sin(angle);
                low = std::min(low, along);
                high = std::max(high, along);
            }
        length = high - low;
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.charged);
        const ChargedOrdinary c = DrawBoth(k.charged, k.bare, 0.5, 0.5);
        ASSERT_GT(c.charges, 200);
        double chargeAngle = 0, chargeLength = 0, bandAngle = 0, bandLength = 0;
        axis(c, true, chargeAngle, chargeLength);
        axis(c, false, bandAngle, bandLength);
        EXPECT_NEAR(chargeAngle, bandAngle, kLeastAngle);
        if (k.slender) {
            EXPECT_GE(chargeLength, kLeastLengthShare * c.w);
        } else {
            long long bandPixels = 0;
            for (char on : c.onOrdinary) bandPixels += on;
            EXPECT_GE(chargeLength, kLongerThanTheBand * static_cast<double>(bandPixels) / bandLength);
        }
    }
    // On the bend sinister the lion is the mirror image of the one on the bend, placed and sized
    // alike (the painter's mirror and the slide along the band may stand a pixel off).
    const ChargedOrdinary bend = DrawBoth(cases[2].charged, cases[2].bare, 0.5, 0.5);
    const ChargedOrdinary sinister = DrawBoth(cases[3].charged, cases[3].bare, 0.5, 0.5);
    int unmatched = 0;
    for (int y = 1; y + 1 < bend.h; ++y)
        for (int x = 1; x + 1 < bend.w; ++x) {
            if (!bend.Charge(x, y)) continue;
            const int m = bend.w - 1 - x;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) near = near || sinister.Charge(m + dx, y + dy);
            unmatched += !near;
        }
    EXPECT_LT(unmatched, bend.charges / 50) << "of " << bend.charges << " pixels of the lion on the bend";
    EXPECT_NEAR(sinister.charges, bend.charges, bend.charges / 50);
}

// One bar on a fess, and one pallet or more on a pale, are narrower bands drawn along the
// ordinary's middle within it (both came out as the question picture): the band's
// colour at the middle, the ordinary's beside it, the field beyond.
TEST(OnTheOrdinary, ABarOnAFessAndPalletsOnAPaleLieAlongItsMiddle) {
    struct Case {
        const char* blazon;
        bool pale;  // a pale (the band upright), else a fess
        int field, ordinary, band;
    };
    const Case cases[] = {
        {"Vert on a fess argent a bar azure", false, kVert, kArgent, kAzure},
        {"Gules a fess or charged with a bar sable", false, kGules, kOr, kSable},
        {"Sable, on a fesse argent, a bar gules.", false, kSable, kArgent, kGules},
        {"Vert on a pale argent a pallet azure", true, kVert, kArgent, kAzure},
        {"Gules a pale or charged with a pallet sable", true, kGules, kOr, kSable},
        {"Azure on a pale argent a palet gules", true, kAzure, kArgent, kGules},
    };
    for (const Case& c : cases) {
        test::Drawing d;
        d.DrawClean(c.blazon);
        for (const LevelTrace& level : d.trace.levels)
            for (const PictureTrace& picture : level.pictures) EXPECT_FALSE(picture.standIn) << c.blazon;
        const ShieldGeometry& g = d.s().geometry;
        const int D = g.chiefDepth;
        if (c.pale) {
            const int half = shapes::PaleHalfWidth(g);
            for (int y : {g.H / 4, g.H2}) {
                EXPECT_EQ(d.At(g.W2, y), Colour(c.band)) << c.blazon;
                for (int side : {-1, 1}) {
                    EXPECT_EQ(d.At(g.W2 + side * half * 3 / 4, y), Colour(c.ordinary)) << c.blazon;
                    EXPECT_EQ(d.At(g.W2 + side * (half + D / 4), y), Colour(c.field)) << c.blazon;
                }
            }
        } else {
            for (int x : {g.W / 4, g.W2, g.W - g.W / 4}) {
                EXPECT_EQ(d.At(x, g.H2), Colour(c.band)) << c.blazon;
                for (int side : {-1, 1}) {
                    EXPECT_EQ(d.At(x, g.H2 + side * D * 3 / 8), Colour(c.ordinary)) << c.blazon;
                    EXPECT_EQ(d.At(x, g.H2 + side * D), Colour(c.field)) << c.blazon;
                }
            }
        }
    }
}

// A pair between a chevron, and the upper two of three, stand in the dexter and sinister chief
// clear of the chevron (one stood on the apex, touching it); the middle above the apex is left
// free.
TEST(BesideTheOrdinary, ThoseAboveAChevronStandClearInTheChiefCorners) {
    const char* const blazons[] = {
        "Argent a chevron gules between two roundels sable",
        "Or a chevron azure between two lions rampant gules",
        "Argent a chevron sable between three mullets gules",
        "Argent a chevron gules between two annulets azure",
    };
    constexpr int kClear = 2;  // pixels between a charge and the chevron
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        // The bare chevron in the same tinctures: the charged blazon less "between ...".
        std::string bare(blazon);
        bare = bare.substr(0, bare.find(" between"));
        const ChargedOrdinary c = DrawBoth(blazon, bare, 0.5, 0.42);
        ASSERT_GT(c.charges, 200);
        const int apexColumn = c.w / 2, middle = c.w / 10;
        int dexter = 0, sinister = 0, overApex = 0, near = 0;
        for (int y = 0; y < c.h / 2; ++y)
            for (int x = 0; x < c.w; ++x) {
                if (!c.Charge(x, y)) continue;
                (x < apexColumn ? dexter : sinister) += 1;
                overApex += std::abs(x - apexColumn) < middle;
                for (int dy = -kClear; dy <= kClear; ++dy)
                    for (int dx = -kClear; dx <= kClear; ++dx) near += c.OnOrdinary(x + dx, y + dy);
            }
        EXPECT_GT(dexter, 200);
        EXPECT_GT(sinister, 200);
        EXPECT_NEAR(dexter, sinister, (dexter + sinister) / 10);
        EXPECT_EQ(overApex, 0) << "charge pixels over the chevron's apex";
        EXPECT_EQ(near, 0) << "charge pixels within " << kClear << " of the chevron";
    }
}

}  // namespace
}  // namespace esc
