#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestDrawing.h"
#include "engine/Painter.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

TEST(FieldParser, EveryFormReadsItsWords) {
    struct Case {
        const char* blazon;
        const char* form;
        int colour1, colour2, pieces, partition, shape, line, cursor;
    };
    const int bend = 1, pale = 3, paly = 9, gyronny = 7, wavy = 6, pall = 30, barry = 8, chevronInverted = 34, chevronny = 37;
    const Case cases[] = {
        {"Azure", "plain", 0, 0, 8, -1, -1, -1, 1},
        {"Azure a bend or", "plain", 0, 0, 8, -1, -1, -1, 1},
        {"Per bend sinister argent and gules", "per", kArgent, kGules, 8, bend, 2, -1, 6},
        {"Per Bend Sinister argent and gules", "per", kArgent, kGules, 8, bend, 2, -1, 6},  // any case
        {"Per pale wavy or and azure", "per", kOr, kAzure, 8, pale, pale, wavy, 6},
        {"Paly of six or and azure", "partition word", kOr, kAzure, 6, paly, paly, -1, 6},
        {"Gyronny or and sable", "partition word", kOr, kSable, 8, gyronny, gyronny, -1, 4},  // of eight
        {"Gyronny of eight or and sable", "partition word", kOr, kSable, 8, gyronny, gyronny, -1, 6},
        {"Chequy or and azure", "chequy", kOr, kAzure, 8, -1, -1, -1, 4},
        {"Lozengy argent and gules", "lozengy", kArgent, kGules, 8, -1, -1, -1, 4},
        {"Lozengy or and azure a bordure gules", "lozengy", kOr, kAzure, 8, -1, -1, -1, 4},
        {"Lozengy bendwise or and sable", "lozengy bendwise", kOr, kSable, 8, -1, -1, -1, 5},
        {"Lozengy", "lozengy", 0, 0, 8, -1, -1, -1, 1},
        {"Argent guttee gules", "semee", kArgent, kGules, 8, -1, -1, -1, 3},
        {"Gules billety or a fess argent", "semee", kGules, kOr, 8, -1, -1, -1, 3},
        {"Azure bezanty", "semee", kAzure, kOr, 8, -1, -1, -1, 2},
        {"Or fretty azure", "plain", 0, 0, 8, -1, -1, -1, 3},
        {"Tierced per pall gules argent and azure", "per", kGules, kAzure, 8, pall, pall, -1, 6},
        // Burelly is barry of ten unless a number is written; per chevron inverted its own shape.
        {"Burelly argent and gules", "partition word", kArgent, kGules, 10, barry, barry, -1, 4},
        {"Burelly of twelve argent and gules", "partition word", kArgent, kGules, 12, barry, barry, -1, 6},
        {"Barry argent and gules", "partition word", kArgent, kGules, 8, barry, barry, -1, 4},
        {"Chevronny of twelve or and gules", "partition word", kOr, kGules, 12, chevronny, chevronny, -1, 6},
        {"Per chevron inverted or and azure", "per", kOr, kAzure, 8, chevronInverted, chevronInverted, -1, 6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.Draw(k.blazon);
        const FieldTrace& f = d.trace.field;
        EXPECT_EQ(f.form, k.form);
        EXPECT_EQ(f.fieldColor1, k.colour1);
        EXPECT_EQ(f.fieldColor2, k.colour2);
        EXPECT_EQ(f.fieldPieces, k.pieces);
        EXPECT_EQ(f.partitionCode, k.partition);
        EXPECT_EQ(f.shapeCode, k.shape);
        EXPECT_EQ(f.lineCode, k.line);
        EXPECT_EQ(f.cursor, k.cursor);
    }
}

TEST(FieldParser, EveryMessage) {
    struct Case { const char* blazon; const char* message; };
    const Case cases[] = {
        {"A lion rampant", "Color or partition required: the blazon names no tincture, and none is guessed."},
        {"Per lion argent and gules", "Partition expected."},
        {"Per pall argent and or", "Expecting a color."},
        {"Per chevron argent gules", "Expecting 'and'."},
        {"Per pale argent and lion", "Expecting second color."},
        {"Paly of lions or and azure", "Expecting a number."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        Drawing d;
        d.Draw(k.blazon);
        ASSERT_EQ(d.sink.messages.size(), 1u);
        EXPECT_EQ(d.sink.messages[0], k.message);
        EXPECT_EQ(d.trace.messages, d.sink.messages);
        EXPECT_EQ(d.At(1, 100), kBlack);  // the drawing went on: the outline is there
    }
}

TEST(FieldParser, PlainFieldPaintedFromRowTwoToBottomMinusTwo) {
    Drawing d;
    d.Draw("Azure");
    EXPECT_EQ(d.At(100, 2), Colour(kAzure));
    EXPECT_EQ(d.At(207, d.s().geometry.shieldBottom - 2), Colour(kAzure));
    EXPECT_NE(d.At(207, d.s().geometry.shieldBottom - 1), Colour(kAzure));
}

// Below the curves of the base only the foot of the point is inside the outline: bands that run
// down to the lowest rows (bendy, a bend wavy, a bend sinister) paint nothing beside it there.
TEST(FieldParser, NothingIsPaintedBesideTheFootOfThePoint) {
    for (const char* blazon : {"Bendy of six argent and azure", "Argent a bend wavy sable", "Or a bend sinister gules",
                               "Per bend sinister argent and vert", "Paly of eight or and gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        const ShieldGeometry& g = d.s().geometry;
        int painted = 0;
        for (int y = g.H + 30; y < d.s().picture.Height(); ++y)
            for (int x = 0; x < g.W; ++x)
                if (std::abs(x - g.W / 2) > 3 && d.At(x, y) != kTeal) ++painted;
        EXPECT_EQ(painted, 0);
    }
}

TEST(FieldParser, ChequyRowsAndSemeTincture) {
    Drawing d;
    d.Draw("Chequy or and azure");
    EXPECT_EQ(d.trace.field.tincture, kChequy);
    EXPECT_EQ(d.At(10, 10), Colour(kOr));
    EXPECT_EQ(d.At(60, 10), Colour(kAzure));
    d.Draw("Argent guttee gules");
    EXPECT_EQ(d.trace.field.tincture, kGuttee);
    EXPECT_EQ(d.At(47, 4), Colour(kGules));
    EXPECT_EQ(d.At(30, 16), Colour(kArgent));
    d.Draw("Azure crusilly");  // no tincture for the crosses: gold
    EXPECT_EQ(d.trace.field.fieldColor2, kOr);
}

// The first tincture named is the lozenge on the centre line whose top point is on row 2; the
// second fills the gaps beside it on the row of its side points. Charges go over the lozenges.
TEST(FieldParser, LozengyFormsPaintBothTinctures) {
    struct Case {
        const char* blazon;
        int tincture, x, y, colour;
    };
    const int middle = kLozengyTop + kLozengeHeight / 2;  // the row of the side points
    const Case cases[] = {
        {"Lozengy argent and gules", kLozengy, 207, middle, kArgent},
        {"Lozengy argent and gules", kLozengy, 207 + kLozengeWidth / 2, middle, kGules},
        {"Lozengy or and azure a chevron gules", kLozengy, 207 - kLozengeWidth, middle, kOr},
        {"Lozengy or and azure a chevron gules", kLozengy, 207, 240, kGules},
        {"Lozengy or and azure a bordure gules", kLozengy, 6, 240, kGules},
        {"Lozengy bendwise or and sable", kLozengyBendwise, 207 + 3, kLozengyTop + 6, kOr},
        {"Lozengy bendwise or and sable", kLozengyBendwise, 207 - 3, kLozengyTop + 6, kSable},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon + std::string(" at ") + std::to_string(k.x) + "," + std::to_string(k.y));
        Drawing d;
        d.Draw(k.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        EXPECT_EQ(d.trace.field.tincture, k.tincture);
        EXPECT_EQ(d.At(k.x, k.y), Colour(k.colour));
    }
}

TEST(FieldParser, LookAheadPastTheLastWordFindsEmptyWords) {
    Drawing d;
    d.Draw("Azure");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(d.s().Word(i).empty());
        EXPECT_EQ(d.s().Type(i), -1);
    }
}

}  // namespace
}  // namespace esc
