// Forms the armorials print: a field parted by two lines at once and counterchanged, a charge
// named by a back-reference to the piece before ("therein", "issuant therefrom"), and an ordinary
// "raised".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// Each part of the field takes the other tincture across each line: the four points lie one in
// each part the two lines make, well clear of both (the chevron's arms and the bends run from the
// flanks' tops to the base, the pale and the fess through the middle).
TEST(CrossedPartitions, EachPartTakesTheOtherTinctureAcrossEachLine) {
    struct Case {
        const char* blazon;
        int first, second;
        // The points as fractions of the shield: above or dexter of the outer line, then beyond it.
        double ax, ay, bx, by;
    };
    const std::vector<Case> cases = {
        {"Per pale and per chevron argent and gules counterchanged", kArgent, kGules, 0.25, 0.12, 0.40, 0.80},
        {"Per chevron and per pale or and azure counterchanged", kOr, kAzure, 0.25, 0.12, 0.40, 0.80},
        {"Per bend and per pale or and azure counterchanged", kOr, kAzure, 0.25, 0.12, 0.25, 0.88},
        {"Parted per pale and per bend sinister counterchanged, or and gules.", kOr, kGules, 0.40, 0.12, 0.25, 0.85},
        {"Per pale indented and per fess argent and sable counterchanged", kArgent, kSable, 0.20, 0.25, 0.20, 0.70},
        {"Per fess and per pale vert and or counterchanged", kVert, kOr, 0.20, 0.25, 0.20, 0.70},
    };
    Drawing d;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        auto at = [&](double fx, double fy) { return d.At(static_cast<int>(fx * g.W), static_cast<int>(fy * g.H)); };
        // Dexter and sinister of the pale (or the fess's centre line) across from each other.
        EXPECT_EQ(at(c.ax, c.ay), Colour(c.first));
        EXPECT_EQ(at(1.0 - c.ax, c.ay), Colour(c.second));
        EXPECT_EQ(at(c.bx, c.by), Colour(c.second));
        EXPECT_EQ(at(1.0 - c.bx, c.by), Colour(c.first));
    }
    // Two lines neither of which runs through the other's parts are no field the reader makes:
    // the words are told, not drawn as something else.
    d.Draw("Per bend and per chevron argent and gules counterchanged");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

// A field of pieces parted and counterchanged: across the line every piece takes the other
// tincture, so the points facing each other across the pale are always of the two tinctures.
TEST(CrossedPartitions, PiecesCounterchangedAcrossTheLine) {
    struct Case {
        const char* blazon;
        int first, second;
    };
    const std::vector<Case> cases = {
        {"Per pale barry wavy argent and azure all counterchanged", kArgent, kAzure},
        {"Per pale barry of eight or and gules counterchanged", kOr, kGules},
        {"Party per pale barry nebuly of six argent and vert counterchanged", kArgent, kVert},
    };
    Drawing d;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        int firstSeen = 0;
        for (int y = g.H / 10; y < g.straightBottom; y += 7) {
            const int dx = g.W / 4, sx = g.W - 1 - g.W / 4;
            const Rgb dexter = d.At(dx, y), sinister = d.At(sx, y);
            const bool opposite = (dexter == Colour(c.first) && sinister == Colour(c.second)) ||
                                  (dexter == Colour(c.second) && sinister == Colour(c.first));
            // Rows near a piece's edge are passed over: a wavy or nebuly edge need not cross both
            // points at the same height.
            const bool clear = d.At(dx, y - 8) == dexter && d.At(dx, y + 8) == dexter &&
                               d.At(sx, y - 8) == sinister && d.At(sx, y + 8) == sinister;
            if (clear && (dexter == Colour(c.first) || dexter == Colour(c.second))) {
                EXPECT_TRUE(opposite) << "row " << y;
            }
            firstSeen += dexter == Colour(c.first);
        }
        EXPECT_GT(firstSeen, 0);
    }
    test::ExpectDrawnAlike("Per fess paly or and azure counterchanged", "Per fess paly or and azure and paly azure and or");
}

// Two partitions that together make one of the program's own are read as it, in either order.
TEST(CrossedPartitions, TwoThatMakeOneOfTheProgramsOwnAreReadAsIt) {
    test::ExpectDrawnAlike("Per saltire and per fess argent and gules", "Gyronny of six argent and gules");
    test::ExpectDrawnAlike("Per fess and per saltire or and vert six annulets counterchanged",
                           "Gyronny of six or and vert six annulets counterchanged");
    test::ExpectDrawnAlike("Per fess and per pale argent and gules counterchanged", "Quarterly argent and gules");
}

// "Therein" and "issuant therefrom" name what lies on the piece just named: drawn as the charge
// that piece is charged with.
TEST(BackReferences, WhatLiesThereinIsDrawnOnThePieceNamedBefore) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Azure, a crescent or, therein a mullet azure", "Azure a crescent or charged with a mullet azure"},
        {"Gules an annulet or therein a cross crosslet argent", "Gules an annulet or charged with a cross crosslet argent"},
        {"Or, a tower sable, issuant therefrom a demi-lion gules", "Or a tower sable charged with a demi-lion gules"},
        {"Argent a chief sable thereon three mullets or", "Argent on a chief sable three mullets or"},
    };
    for (const auto& [printed, plain] : cases) test::ExpectDrawnAlike(printed, plain);
}

// An ordinary "raised" is the ordinary enhanced: the same picture, and not the usual one.
TEST(RaisedOrdinary, IsDrawnEnhanced) {
    for (const char* ordinary : {"fess", "chevron", "bend"}) {
        const std::string raised = std::string("Gules a ") + ordinary + " raised or";
        const std::string enhanced = std::string("Gules a ") + ordinary + " enhanced or";
        test::ExpectDrawnAlike(raised.c_str(), enhanced.c_str());
        Drawing usual, moved;
        usual.DrawClean(std::string("Gules a ") + ordinary + " or");
        moved.DrawClean(raised);
        EXPECT_FALSE(usual.s().picture == moved.s().picture) << ordinary;
    }
}

}  // namespace
}  // namespace esc
