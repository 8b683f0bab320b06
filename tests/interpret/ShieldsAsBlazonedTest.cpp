// Drawings that were wrong while the drawing called itself clean (labels, ordinaries laid on
// ordinaries, charges that overlapped, lines of charges, turned charges): each case is checked by
// the pixels at points computed from the shield's geometry, where the wrong drawing and the
// right one differ.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/Layouts.h"

namespace esc {
namespace {

bool BoxesOverlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The painted boxes of every charge placed, first placed first; each pair apart.
std::vector<Rect> BoxesApart(test::Drawing& d, std::size_t count) {
    std::vector<Rect> boxes = PaintedBoxesSoFar(d.s());
    std::reverse(boxes.begin(), boxes.end());
    EXPECT_EQ(boxes.size(), count);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(BoxesOverlap(boxes[i], boxes[j])) << "charges " << i + 1 << " and " << j + 1 << " overlap";
    return boxes;
}

// A label is a bar couped clear of the top edge and the flanks, with its points hanging from it
// far enough to read, the field (or what lies on it) between them: it was a thin strip along
// the top edge with stubs a few pixels long.
TEST(Label, ABarWithItsPointsPendantInChief) {
    struct Case { const char* blazon; int points; int labelTincture, fieldAbove; };
    const Case cases[] = {
        {"Barry of six argent and azure a label of five points gules", 5, kGules, kArgent},
        {"Or a lion rampant sable a label gules", 3, kGules, kOr},
        {"Argent a chevron sable in chief a label of three points gules", 3, kGules, kArgent},
        {"Azure semee of fleurs-de-lis or a label gules", 3, kGules, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const LabelShape l = shapes::LabelShapeOf(g, c.points);
        const Rgb label = test::Colour(c.labelTincture);
        const int barRow = (l.barTop + l.barBottom) / 2;
        EXPECT_EQ(d.At(g.W / 2, barRow), label) << "the bar";
        EXPECT_EQ(d.At(l.left + 3, barRow), label) << "the bar's dexter end";
        EXPECT_NE(d.At(l.left / 2, barRow), label) << "beyond the bar's end";
        EXPECT_NE(d.At(g.W - l.left / 2, barRow), label) << "beyond the bar's sinister end";
        if (c.fieldAbove >= 0) {
            EXPECT_EQ(d.At(g.W / 2, l.barTop / 2), test::Colour(c.fieldAbove)) << "above the bar";
        }
        // The points are at least twice as long as the bar is deep.
        ASSERT_GE(l.pointBottom - l.barBottom, 2 * (l.barBottom - l.barTop));
        const int foot = l.pointBottom - 2, halfway = (l.barBottom + l.pointBottom) / 2;
        for (int i = 0; i < c.points; ++i) {
            SCOPED_TRACE("point " + std::to_string(i + 1));
            EXPECT_EQ(d.At(l.PointCentre(i), halfway), label);
            EXPECT_EQ(d.At(l.PointCentre(i), foot), label);
            EXPECT_NE(d.At(l.PointCentre(i), l.pointBottom + 4), label) << "below the point";
            if (i + 1 < c.points) {
                EXPECT_NE(d.At((l.PointCentre(i) + l.PointCentre(i + 1)) / 2, foot), label) << "between";
            }
        }
        EXPECT_NE(d.At(l.PointCentre(0) - l.pointFootWidth, foot), label) << "dexter of the first point";
    }
}

// Charges on the field with a label named after them stand below its points (the label hid the
// top row of ten torteaux); one charge alone keeps the field, the label over its head.
TEST(Label, ChargesOnTheFieldStandBelowIt) {
    struct Case { const char* blazon; std::size_t count; };
    const Case cases[] = {
        {"Argent ten torteaux a label of three points azure", 10},
        {"Or three torteaux a label azure", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const LabelShape l = shapes::LabelShapeOf(d.s().geometry, kDefaultLabelPoints);
        for (const Rect& box : BoxesApart(d, c.count)) EXPECT_GT(box.top, l.pointBottom);
    }
    test::Drawing alone, labelled;
    alone.DrawClean("Or a lion rampant sable");
    labelled.DrawClean("Or a lion rampant sable a label gules");
    const std::vector<PlacementTrace> a = test::AllPlacements(alone), b = test::AllPlacements(labelled);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0].y, b[0].y);
    EXPECT_EQ(a[0].scale, b[0].scale);
}

// Charges on the field with a chief, a canton or a bordure named after them stand below the chief,
// clear of the canton and inside the bordure: the chief or bordure, painted last, hid the top row
// of ten torteaux (and a canton one of three annulets wholly). A roundel's middle shows its tincture. One charge that keeps clear
// of them at its own size is left as it stands.
TEST(ChiefAndBordure, ChargesOnTheFieldStandClearOfThem) {
    struct Case { const char* blazon; std::size_t count; int tincture; bool chief, bordure, canton = false; };
    const Case cases[] = {
        {"Argent ten torteaux a chief azure", 10, kGules, true, false},
        {"Or six annulets sable a chief gules", 6, -1, true, false},
        {"Argent six crosses crosslet fitchy sable a chief azure", 6, -1, true, false},
        {"Argent ten torteaux a bordure azure", 10, kGules, false, true},
        {"Argent ten torteaux a chief gules and a bordure azure", 10, kGules, true, true},
        {"Or a sword gules a chief azure", 1, -1, true, false},
        {"Argent three annulets and a canton gules", 3, -1, false, false, true},
        {"Argent three torteaux, a canton azure", 3, kGules, false, false, true},
        {"Or six annulets sable, on a canton gules a cross argent", 6, -1, false, false, true},
        // Rows written out ("three two and one") are drawn as their numbers are read, before the
        // chief or bordure is: they keep clear of them all the same.
        {"Azure seven bezants three three and one a chief or", 7, kOr, true, false},
        {"Argent ten torteaux four three two and one a chief azure", 10, kGules, true, false},
        {"Or six annulets sable three two and one a chief gules", 6, -1, true, false},
        {"Argent ten torteaux four three two and one a bordure azure", 10, kGules, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        for (const Rect& box : BoxesApart(d, c.count)) {
            if (c.chief) {
                EXPECT_GT(box.top, shapes::ChiefFurthestRow(g.H));
            }
            if (c.canton) {
                const Rect canton = CantonArea(g);
                EXPECT_TRUE(box.left >= canton.right || box.top >= canton.bottom)
                    << "a charge at (" << box.left << ", " << box.top << ") under the canton";
            }
            if (c.bordure) {
                EXPECT_GE(box.top, kBordureBreadth);
                EXPECT_GE(box.left, kBordureBreadth);
                EXPECT_LE(box.right, g.W - kBordureBreadth);
            }
            if (c.tincture >= 0) {
                EXPECT_EQ(d.At((box.left + box.right) / 2, (box.top + box.bottom) / 2), test::Colour(c.tincture));
            }
        }
    }
    // A lion rampant alone already stands clear of either.
    test::Drawing alone;
    alone.DrawClean("Or a lion rampant gules");
    for (const char* blazon : {"Or a lion rampant gules a chief azure", "Or a lion rampant gules a bordure azure"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.DrawClean(blazon);
        const std::vector<PlacementTrace> a = test::AllPlacements(alone), b = test::AllPlacements(d);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(a[0].y, b[0].y);
        EXPECT_EQ(a[0].scale, b[0].scale);
    }
    // One that does not (a sword, a tree) is set in the room below the chief and fills most of
    // its height, no larger than alone.
    for (const char* blazon : {"Or a sword gules a chief azure", "Argent an oak tree vert, a chief azure"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<Rect> boxes = BoxesApart(d, 1);
        ASSERT_EQ(boxes.size(), 1u);
        const int room = g.straightBottom - shapes::ChiefFurthestRow(g.H);
        EXPECT_GE(boxes[0].Height() * 10, room * 8) << boxes[0].Height() << " of " << room;
        EXPECT_LE(test::AllPlacements(d)[0].scale, kAloneScale);
    }
    // "in chief" is a place, not a chief; "charged with a bordure" lies on the charges.
    test::Drawing inChief, charged;
    inChief.DrawClean("Argent three mullets in chief gules");
    for (const PlacementTrace& p : test::AllPlacements(inChief)) EXPECT_LT(p.y, inChief.s().geometry.H3);
    test::Drawing plain;
    plain.Draw("Vert three escutcheons argent");
    charged.Draw("Vert three escutcheons argent each charged with a bordure engrailed or");
    const std::vector<PlacementTrace> p = test::AllPlacements(plain), q = test::AllPlacements(charged);
    ASSERT_GE(q.size(), 3u);
    for (std::size_t i = 0; i < 3 && i < p.size(); ++i) EXPECT_EQ(p[i].scale, q[i].scale);
}

// An ordinary laid on an ordinary lies within it: the chevron on a pale, a bend on a fess were
// painted across the whole field. Every pixel of the second ordinary's tincture lies on the
// first (drawn alone for its pixels), and there are enough of them to show it was drawn.
TEST(OrdinaryOnOrdinary, LiesWithinTheOrdinaryItIsOn) {
    struct Case { const char* host; const char* blazon; int hostTincture, tincture; };
    const Case cases[] = {
        {"Gules a pale argent", "Gules a pale argent charged with a chevron sable", kArgent, kSable},
        {"Or a pale gules", "Or a pale gules charged with three chevrons argent", kGules, kArgent},
        {"Or a pale wavy gules", "Or a pale wavy gules charged with three chevronels argent", kGules, kArgent},
        {"Azure a fess argent", "Azure on a fess argent a bend gules", kArgent, kGules},
        {"Or a bend sable", "Or on a bend sable a fess argent", kSable, kArgent},
        {"Or a cross gules", "Or on a cross gules a saltire argent", kGules, kArgent},
        {"Argent a chevron gules", "Argent on a chevron gules a pale or", kGules, kOr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing host, d;
        host.DrawClean(c.host);
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const Rgb hostColour = test::Colour(c.hostTincture), colour = test::Colour(c.tincture);
        // Inside the shield's outline (which is drawn in black) down to where the base curves.
        int on = 0, off = 0;
        for (int y = 4; y < g.straightBottom; ++y)
            for (int x = 4; x < g.W - 4; ++x) {
                if (!(d.At(x, y) == colour)) continue;
                (host.At(x, y) == hostColour ? on : off) += 1;
            }
        EXPECT_EQ(off, 0) << "pixels of the second ordinary off the first";
        EXPECT_GT(on, g.W * g.H / 100) << "the second ordinary drawn";
    }
}

// Chevronels on a pale stand one above another down it, not nested round the fess point: down
// the pale's centre line the first lies in the upper quarter and the last below two thirds.
TEST(OrdinaryOnOrdinary, ChevronelsOnAPaleRunDownIt) {
    test::Drawing d;
    d.DrawClean("Or a pale gules charged with three chevrons argent");
    const ShieldGeometry& g = d.s().geometry;
    std::vector<int> starts;
    bool inside = false;
    for (int y = 0; y < g.H; ++y) {
        const bool argent = d.At(g.W / 2, y) == test::Colour(kArgent);
        if (argent && !inside) starts.push_back(y);
        inside = argent;
    }
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_LT(starts.front(), g.H / 4);
    EXPECT_GT(starts.back(), 2 * g.H / 3);
    // Each spans the pale: argent just inside both edges below its apex.
    const int half = shapes::PaleHalfWidth(g);
    for (int start : starts) {
        SCOPED_TRACE("chevronel at row " + std::to_string(start));
        int found = 0;
        for (int y = start; y < start + g.H / 6; ++y)
            if (d.At(g.W / 2 - half + 3, y) == test::Colour(kArgent) && d.At(g.W / 2 + half - 3, y) == test::Colour(kArgent)) ++found;
        EXPECT_GT(found, 0);
    }
}

// "two axes and a horse passant", "two mullets and a crescent": two phrases, two and one, are one
// group of three, the two side by side above and the one below between them (the one was drawn
// the size of a charge alone, over the two). Under a chief or within a bordure they keep clear.
TEST(ChargesApart, TwoAndAOneOfAnotherKindAreAGroupOfThree) {
    struct Case { const char* blazon; int clearAbove; };
    const int chief = shapes::ChiefLowerEdge(test::Drawing().s().geometry);
    const Case cases[] = {
        {"Per chevron sable and azure, two axes and a horse passant argent.", 0},
        {"Argent two mullets and a crescent gules", 0},
        {"Per fess or and azure, two mullets and a crescent counterchanged", 0},
        {"Argent two mullets and a crescent gules a chief azure", chief},
        {"Argent two mullets and a crescent gules within a bordure azure", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<PlacementTrace> at = test::AllPlacements(d);
        ASSERT_EQ(at.size(), 3u);
        EXPECT_EQ(at[0].y, at[1].y);
        EXPECT_LT(at[0].x, g.W2);
        EXPECT_GT(at[1].x, g.W2);
        EXPECT_GT(at[2].y, at[0].y);
        EXPECT_NEAR(at[2].x, g.W2, 2);
        const std::vector<Rect> boxes = BoxesApart(d, 3);
        for (const Rect& box : boxes) EXPECT_GE(box.top, c.clearAbove) << "under the chief";
    }
}

// "a saltire gules between two crescents in pale": one in the angle above the saltire and one
// below, on the pale line, and not a pixel of either on the saltire (they were set down the
// middle as if the field were empty, over its limbs).
TEST(ChargesApart, BetweenAnOrdinaryInPaleOrFessTakeTheSpacesTheLineCrosses) {
    struct Case { const char* blazon; bool inPale; };
    const Case cases[] = {
        {"Quarterly vert and sable, a saltire gules between two crescents in pale argent", true},
        {"Argent a saltire gules between two mullets in fess azure", false},
        {"Or a chevron gules between two roses in pale azure", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<PlacementTrace> at = test::AllPlacements(d);
        ASSERT_EQ(at.size(), 2u);
        for (const PlacementTrace& p : at) EXPECT_EQ(c.inPale ? p.x : p.y, c.inPale ? g.W2 : g.H2);
        for (const Rect& box : BoxesApart(d, 2)) {
            int onTheOrdinary = 0;
            for (int y = box.top; y < box.bottom; ++y)
                for (int x = box.left; x < box.right; ++x) onTheOrdinary += d.At(x, y) == test::Colour(kGules) ? 1 : 0;
            EXPECT_EQ(onTheOrdinary, 0);
        }
    }
}

// "a lion rampant and in chief a sphere between two estoiles": the three in one row above the
// lion, at one height, none reaching into the lion's box (the estoiles stood below the sphere,
// over the lion's paws).
TEST(ChargesApart, InChiefOneBetweenTwoIsARowAboveTheMainCharge) {
    for (const char* blazon : {"Azure a lion rampant and in chief a sphere between two estoiles or",
                               "Gules a lion rampant argent in base a rose between two mullets or"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.DrawClean(blazon);
        const ShieldGeometry& g = d.s().geometry;
        const std::vector<PlacementTrace> at = test::AllPlacements(d);
        ASSERT_EQ(at.size(), 4u);
        EXPECT_NEAR(at[1].x, g.W2, 2);
        EXPECT_EQ(at[2].y, at[1].y);
        EXPECT_EQ(at[3].y, at[1].y);
        EXPECT_LT(at[2].x, at[1].x);
        EXPECT_GT(at[3].x, at[1].x);
        BoxesApart(d, 4);
    }
}

// "a bend between a roundel and four mullets in bend", "a pale between a sun and three mullets in
// pale": the second group stands in a line the ordinary's way on its own side (the four mullets
// stood in an L), and none of them on the ordinary.
TEST(InLineBeside, TheSecondGroupInTheOrdinarysWayIsALine) {
    struct Case { const char* blazon; int count; const char* ordinaryAlone; int ordinary, charges; };
    const Case cases[] = {
        {"Per bend azure and argent, a bend between a roundel and four mullets in bend counterchanged.", 4, nullptr, 0, 0},
        {"Or a pale gules between a sun and three mullets in pale azure", 3, "Or a pale gules", kGules, kAzure},
        {"Argent a bend sinister vert between a crescent and three mullets in bend sinister gules", 3,
         "Argent a bend sinister vert", kVert, kGules},
        {"Argent a fess gules between a crescent and three mullets in fess azure", 3, "Argent a fess gules", kGules, kAzure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.DrawClean(c.blazon);
        const std::vector<PlacementTrace> at = test::AllPlacements(d);
        ASSERT_EQ(at.size(), static_cast<std::size_t>(c.count + 1));
        // Every step from one to the next is the same step, along the ordinary's line.
        const int stepX = at[2].x - at[1].x, stepY = at[2].y - at[1].y;
        EXPECT_GT(std::abs(stepX) + std::abs(stepY), 40);
        for (std::size_t i = 2; i < at.size(); ++i) {
            EXPECT_NEAR(at[i].x - at[i - 1].x, stepX, 3) << "charge " << i;
            EXPECT_NEAR(at[i].y - at[i - 1].y, stepY, 3) << "charge " << i;
        }
        BoxesApart(d, at.size());
        if (c.ordinaryAlone == nullptr) continue;
        // Not a pixel of the charges where the ordinary lies.
        test::Drawing alone;
        alone.DrawClean(c.ordinaryAlone);
        const ShieldGeometry& g = d.s().geometry;
        int onTheOrdinary = 0, charges = 0;
        for (int y = 4; y < g.straightBottom; ++y)
            for (int x = 4; x < g.W - 4; ++x) {
                if (!(d.At(x, y) == test::Colour(c.charges))) continue;
                ++charges;
                onTheOrdinary += alone.At(x, y) == test::Colour(c.ordinary) ? 1 : 0;
            }
        EXPECT_GT(charges, 0);
        EXPECT_EQ(onTheOrdinary, 0);
    }
}

// A pair combatant or addorsed with no attitude is rampant, taller than wide (wolves, bears and
// horses stood four-footed, wider than tall); a beast with no rampant picture is drawn standing
// and the drawing says so; an attitude blazoned is kept.
TEST(Combatant, APairTurnedIsRampant) {
    // `shape`: 1 taller than wide (rampant), -1 wider than tall (standing), 0 not measured.
    struct Case { const char* blazon; int shape; bool reported; const char* picture; };
    const Case cases[] = {
        {"Argent two wolves combatant sable", 1, false, "lpics/wolf.1"},
        {"Argent two bears addorsed sable", 1, false, "lpics/bear.1"},
        {"Argent two horses combatant sable", 1, false, "lpics/horse.1"},
        {"Argent two wolves passant combatant sable", -1, false, "lpics/wolf.3"},
        {"Quarterly sable and vert, two enfields combattant Or.", -1, true, "lpics/enfield.esv"},
        // A bird's "1" is displayed: a pair of birds combatant keeps its own picture.
        {"Argent two falcons combatant sable", 0, false, "lpics/falcon.esv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        EXPECT_EQ(d.sink.messages.size(), c.reported ? 1u : 0u);
        ASSERT_FALSE(d.trace.levels.empty());
        bool drawn = false;
        for (const PictureTrace& p : d.trace.levels[0].pictures) drawn = drawn || (p.drawn && p.file == c.picture);
        EXPECT_TRUE(drawn) << c.picture;
        for (const Rect& box : BoxesApart(d, 2)) {
            if (c.shape > 0) {
                EXPECT_GT(box.Height(), box.Width());
            } else if (c.shape < 0) {
                EXPECT_LT(box.Height(), box.Width());
            }
        }
    }
}

// Charges in annulo go round the ring, each turned as it goes: at the sides of the ring a fish
// stands on end (taller than wide), at the top and foot it lies along (wider than tall), and the
// one at the foot is the one at the top turned half round, pixel for pixel about its centre
// (they were all drawn alike, naiant).
TEST(InAnnulo, EachChargeIsTurnedRoundTheRing) {
    for (const char* blazon : {"Argent, eight fish naiant in annulo sable", "Argent four fish naiant in annulo sable"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.DrawClean(blazon);
        const std::vector<PlacementTrace> at = test::AllPlacements(d);
        const std::vector<Rect> boxes = BoxesApart(d, at.size());
        ASSERT_TRUE(at.size() == 8 || at.size() == 4);
        const std::size_t quarter = at.size() / 4;
        for (std::size_t side : {quarter, 3 * quarter}) EXPECT_GT(boxes[side].Height(), boxes[side].Width()) << side;
        for (std::size_t end : {std::size_t{0}, 2 * quarter}) EXPECT_LT(boxes[end].Height(), boxes[end].Width()) << end;
        const Rect& top = boxes[0];
        const Rect& foot = boxes[2 * quarter];
        const Rgb sable = test::Colour(kSable);
        int painted = 0, turned = 0;
        for (int y = top.top; y < top.bottom; ++y)
            for (int x = top.left; x < top.right; ++x) {
                if (!(d.At(x, y) == sable)) continue;
                ++painted;
                // The same offset from the box's far corner in the one at the foot, a pixel either way.
                const int fx = foot.right - 1 - (x - top.left), fy = foot.bottom - 1 - (y - top.top);
                bool found = false;
                for (int dy = -1; dy <= 1 && !found; ++dy)
                    for (int dx = -1; dx <= 1 && !found; ++dx) found = d.At(fx + dx, fy + dy) == sable;
                turned += found ? 1 : 0;
            }
        ASSERT_GT(painted, 100);
        EXPECT_GT(static_cast<double>(turned) / painted, 0.9);
    }
}

}  // namespace
}  // namespace esc
