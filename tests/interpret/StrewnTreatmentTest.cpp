#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"

namespace esc {
namespace {

using test::Colour;

// A box of shield pixels, right and bottom exclusive.
struct Area {
    int left, top, right, bottom;
};

// How many pixels of the area are painted in the tincture.
int CountIn(const test::Drawing& d, const Area& a, int tincture) {
    int n = 0;
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) n += d.At(x, y) == Colour(tincture) ? 1 : 0;
    return n;
}

// Where a tincture must be found and where it must not.
struct Expectation {
    Area area;
    int tincture;
    bool present;
};

struct Case {
    const char* blazon;
    std::vector<Expectation> (*expect)(const ShieldGeometry&);
};

void Check(const Case& k) {
    SCOPED_TRACE(k.blazon);
    test::Drawing d;
    d.DrawClean(k.blazon);
    for (const Expectation& e : k.expect(d.s().geometry)) {
        const int n = CountIn(d, e.area, e.tincture);
        if (e.present) {
            EXPECT_GT(n, 0) << "tincture " << e.tincture << " in (" << e.area.left << ", " << e.area.top << ")-(" << e.area.right << ", "
                            << e.area.bottom << ")";
        } else {
            EXPECT_EQ(n, 0) << "tincture " << e.tincture << " in (" << e.area.left << ", " << e.area.top << ")-(" << e.area.right
                            << ", " << e.area.bottom << ")";
        }
    }
}

// A semé lies on any surface: its charges within the surface, cut by its edge, none beyond it.
TEST(StrewnTreatments, ASemeOnAnySurface) {
    const Case cases[] = {
        {"Azure, a chief argent semé of mullets gules",
         [](const ShieldGeometry& g) {
             const int e = shapes::ChiefLowerEdge(g);
             return std::vector<Expectation>{{{10, 4, g.W - 10, e - 2}, kGules, true},
                                             {{10, 4, g.W - 10, e - 2}, kArgent, true},
                                             {{10, e + 2, g.W - 10, g.H2}, kGules, false},
                                             {{10, e + 2, g.W - 10, g.H2}, kArgent, false}};
         }},
        {"Azure, a chief argent semé of crosslets gules",
         [](const ShieldGeometry& g) {
             const int e = shapes::ChiefLowerEdge(g);
             return std::vector<Expectation>{{{10, 4, g.W - 10, e - 2}, kGules, true}, {{10, e + 2, g.W - 10, g.H2}, kGules, false}};
         }},
        {"Per pale argent and semé of mullets azure",
         [](const ShieldGeometry& g) {
             return std::vector<Expectation>{{{g.W2 + 3, 10, g.W - 10, g.H2}, kAzure, true},
                                             {{10, 10, g.W2 - 3, g.H2}, kAzure, false},
                                             {{10, 10, g.W2 - 3, g.H2}, kArgent, true}};
         }},
        {"Per fess gules and or semé of cross crosslets azure",
         [](const ShieldGeometry& g) {
             const int middle = g.H2;  // the field is divided at its fess point
             return std::vector<Expectation>{{{10, middle + 3, g.W - 10, g.shieldBottom - 20}, kAzure, true},
                                             {{10, 5, g.W - 10, middle - 3}, kAzure, false}};
         }},
        {"Argent, a pale azure semé of mullets or",
         [](const ShieldGeometry& g) {
             return std::vector<Expectation>{{{g.W2 - 20, 10, g.W2 + 20, g.H - 60}, kOr, true},
                                             {{5, 5, g.W / 4, g.H2}, kOr, false},
                                             {{3 * g.W / 4, 5, g.W - 5, g.H2}, kOr, false}};
         }},
    };
    for (const Case& k : cases) Check(k);
}

// Vairy, counter-vair and potent of two tinctures on any surface: both tinctures on the
// surface, neither beyond it.
TEST(StrewnTreatments, TheVairFamilyOnAnySurface) {
    const Case cases[] = {
        {"Gules, a chief potent or and azure",
         [](const ShieldGeometry& g) {
             const int e = shapes::ChiefLowerEdge(g);
             return std::vector<Expectation>{{{10, 4, g.W - 10, e - 2}, kOr, true},
                                             {{10, 4, g.W - 10, e - 2}, kAzure, true},
                                             {{10, e + 2, g.W - 10, g.H2}, kAzure, false}};
         }},
        {"Countervair argent and azure",
         [](const ShieldGeometry& g) {
             return std::vector<Expectation>{{{10, 10, g.W - 10, g.H2}, kArgent, true}, {{10, 10, g.W - 10, g.H2}, kAzure, true}};
         }},
        {"Potenty or and sable",
         [](const ShieldGeometry& g) {
             return std::vector<Expectation>{{{10, 10, g.W - 10, g.H2}, kOr, true}, {{10, 10, g.W - 10, g.H2}, kSable, true}};
         }},
        {"Per fess gules and vairy or and azure",
         [](const ShieldGeometry& g) {
             const int middle = g.H2;  // the field is divided at its fess point
             return std::vector<Expectation>{{{10, middle + 3, g.W - 10, g.shieldBottom - 20}, kOr, true},
                                             {{10, middle + 3, g.W - 10, g.shieldBottom - 20}, kAzure, true},
                                             {{10, 5, g.W - 10, middle - 3}, kAzure, false}};
         }},
        {"Argent, a pale potent azure and or",
         [](const ShieldGeometry& g) {
             return std::vector<Expectation>{{{g.W2 - 20, 10, g.W2 + 20, g.H - 60}, kOr, true},
                                             {{g.W2 - 20, 10, g.W2 + 20, g.H - 60}, kAzure, true},
                                             {{5, 5, g.W / 4, g.H2}, kAzure, false}};
         }},
    };
    for (const Case& k : cases) Check(k);
}

// Fretty on a part of the field or on a surface the fretty ordinary rule does not reach.
TEST(StrewnTreatments, FrettyOnAPart) {
    const Case cases[] = {
        {"Per pale azure and or fretty gules",
         [](const ShieldGeometry& g) {
             return std::vector<Expectation>{{{g.W2 + 3, 10, g.W - 10, g.H2}, kGules, true}, {{10, 10, g.W2 - 3, g.H2}, kGules, false}};
         }},
        {"Per fess argent and azure fretty of four or",
         [](const ShieldGeometry& g) {
             const int middle = g.H2;  // the field is divided at its fess point
             return std::vector<Expectation>{{{10, middle + 3, g.W - 10, g.shieldBottom - 20}, kOr, true},
                                             {{10, 5, g.W - 10, middle - 3}, kOr, false}};
         }},
    };
    for (const Case& k : cases) Check(k);
}

// A division or pattern within a surface whose lines meet at a point is drawn with its line:
// no message that it was drawn straight.
TEST(StrewnTreatments, LinesWithinPatternsAreDrawn) {
    for (const char* blazon : {"Per pale argent and gyronny wavy or and gules", "Argent, a canton per saltire indented or and gules",
                               "Per fess azure and per saltire engrailed or and gules", "Gules, a chief chequy wavy or and azure",
                               "Argent, a canton per pall nebuly or and gules and azure"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.DrawClean(blazon);
    }
    // Round a bordure the squares are laid along the ring and their line is not drawn: said.
    for (const char* blazon : {"Argent, a bordure chequy wavy or and azure", "Gules, a bordure compony embattled argent and sable"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_NE(std::find(d.sink.messages.begin(), d.sink.messages.end(), std::string(msg::kTreatmentLineStraight)),
                  d.sink.messages.end());
    }
}

}  // namespace
}  // namespace esc
