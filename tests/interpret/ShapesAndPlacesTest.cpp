// The word list's partition and ordinary words against the two kinds of code: a word's number read
// after "in" is a place the layouts know or a shape the routines draw. A place word added to the
// list without a place of its own would be read as a shape that draws nothing.

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/layout/Place.h"
#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

// Whether the shape, drawn as an ordinary in gules on an argent field, paints any gules.
bool ShapeDraws(ShapeCode shape) {
    NullSink sink;
    auto state = std::make_unique<PaintState>(sink);
    PaintState& s = *state;
    s.BeginDrawing();
    DrawShieldOutline(s);
    s.levelTincture[0] = kArgent;
    for (int y = 2; y <= s.geometry.shieldBottom - 2; ++y) PaintSpan(s, 2, y, s.geometry.W - 2);
    s.shapeCode = s.partitionCode = shape;
    s.namedTinctures[0] = kArgent;
    s.namedTinctures[1] = kGules;
    s.counterchangePair = {kArgent, kGules};
    s.fieldColor1 = kArgent;
    s.fieldColor2 = kGules;
    s.levelTincture[0] = kGules;
    s.levels[0].levelCount = 1;
    s.fieldPieces = 6;  // bendy is drawn of six or ten
    DrawOrdinary(s, {shape, false});
    return std::find(s.pictureBuffer.begin(), s.pictureBuffer.end(), kGules) != s.pictureBuffer.end();
}

TEST(ShapesAndPlaces, EveryPartitionWordIsAPlaceOrADrawnShape) {
    int places = 0;
    for (const VocabularyRow& row : test::GeneratedVocabulary().Rows()) {
        if (row.type != kTypeOrdinary) continue;
        SCOPED_TRACE(row.word + " " + std::to_string(row.sub1));
        const Direction toward = DirectionOfCode(row.sub1);
        EXPECT_EQ(CodeOf(toward), row.sub1);  // the number comes back for the traces
        if (toward.IsPlace()) {
            ++places;
            EXPECT_NE(toward, ShapeOfCode(row.sub1));
            continue;
        }
        EXPECT_EQ(toward, ShapeOfCode(row.sub1));
        EXPECT_TRUE(ShapeDraws(toward.shape)) << "a word read after \"in\" as a shape no routine draws";
    }
    EXPECT_GE(places, 8);  // dexter and sinister chief and base, the halves, the honour and nombril points
}

}  // namespace
}  // namespace esc
