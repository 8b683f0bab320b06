// The band and the cotises drawn from requests: what the request names is drawn, and the state's
// own line, shape and cotises are left as they were.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ShapeTestSupport.h"

namespace esc::testing {
namespace {

// The runs of `code` down column x: a band split along its middle is two.
int RunsDown(const Shield& shield, int x, int code) {
    int runs = 0;
    for (int y = 1; y < shield.g().H; ++y) runs += shield.Code(x, y) == code && shield.Code(x, y - 1) != code;
    return runs;
}

TEST(ShapeRequests, BandTakesItsLineFromTheRequest) {
    Shield shield(kArgent);
    PaintState& s = shield.state();
    const int W = shield.g().W;
    struct Case {
        const char* name;
        int stateLine, requestLine, runs;
    };
    for (const Case& c : {Case{"gap asked, plain held", kPlainLine, kGapLineStyle, 2},
                          Case{"plain asked, gap held", kGapLineStyle, kPlainLine, 1}}) {
        SCOPED_TRACE(c.name);
        shield.Reset(kArgent);
        s.levelTincture[0] = kGules;
        s.lineCode = c.stateLine;
        const BandRequest band{.x1 = 0, .y1 = 100, .x2 = W, .y2 = 100, .width = 20, .line = {.style = c.requestLine}};
        DrawPartitionLine(s, band);
        EXPECT_EQ(RunsDown(shield, W / 2, kGules), c.runs);
        EXPECT_EQ(s.lineCode, c.stateLine);  // a gap line in a request spends nothing of the state
    }
}

TEST(ShapeRequests, CotisesAreTheRequestsAndLeaveTheStateAlone) {
    Shield shield(kArgent);
    PaintState& s = shield.state();
    const ShieldGeometry& g = shield.g();
    const int c = (g.chiefDepth - 10) / 2;
    CotiseRequest fess;
    fess.shape = kFess;
    fess.tincture = kAzure;
    DrawCotises(s, fess);
    for (int y : {g.H / 2 - c - 20, g.H / 2 + c + 20}) EXPECT_EQ(shield.Code(g.W / 2 + 7, y), kAzure) << y;
    EXPECT_EQ(s.cotiseCount, 0);
    EXPECT_EQ(s.shapeCode, kNoShape);
    EXPECT_EQ(s.lineCode, kPlainLine);

    // Each cotise of a gemel line takes the line anew: both are split.
    shield.Reset(kArgent);
    s.lineCode = kWavyLine;
    fess.line.style = kGapLineStyle;
    DrawCotises(s, fess);
    EXPECT_EQ(RunsDown(shield, g.W / 2, kAzure), 4);
    EXPECT_EQ(s.lineCode, kWavyLine);
}

// One ordinary (or a field and its ordinary) as the reader hands it over: the state's shape,
// partition, treatment, line, tinctures and cotises set, then DrawOrdinary asked (and the
// cotises drawn and spent).
struct ReaderDrawing {
    const char* name;
    void (*draw)(PaintState& s);
};

void VoidedCross(PaintState& s) {
    s.shapeCode = kCross;
    s.partitionCode = kNoShape;
    s.ordinaryTreatment = OrdinaryTreatment::kVoided;
    s.lineCode = kPlainLine;
    s.levelTincture[0] = kGules;
    DrawOrdinary(s, {s.shapeCode, false});
}

void FimbriatedSaltire(PaintState& s) {
    s.shapeCode = kSaltire;
    s.partitionCode = kNoShape;
    s.ordinaryTreatment = OrdinaryTreatment::kFimbriated;
    s.lineCode = kPlainLine;
    s.levelTincture[0] = kAzure;
    s.levels[0].levelSecondTincture = kOr;
    DrawOrdinary(s, {s.shapeCode, false});
}

void CottisedBend(PaintState& s) {
    s.shapeCode = kBend;
    s.partitionCode = kNoShape;
    s.ordinaryTreatment = OrdinaryTreatment::kNone;
    s.lineCode = kPlainLine;
    s.levelTincture[0] = kGules;
    s.cotiseCount = 1;
    s.cotiseTincture = kSable;
    s.cotiseLine = kPlainLine;
    DrawOrdinary(s, {s.shapeCode, false});
    // The bend leaves its cotises to the reader, which draws and spends them next.
    DrawAndSpendCotises(s);
}

// "Per pale or and azure, a fess wavy gules": the partition, then the fess on it.
void PerPaleWithAFess(PaintState& s) {
    s.shapeCode = s.partitionCode = kPale;
    s.ordinaryTreatment = OrdinaryTreatment::kNone;
    s.fieldColor1 = kOr;
    s.fieldColor2 = kAzure;
    s.namedTinctures[0] = kOr;
    s.namedTinctures[1] = kAzure;
    s.counterchangePair = {kOr, kAzure};
    s.lineCode = kPlainLine;
    DrawOrdinary(s, {s.shapeCode, true});
    s.shapeCode = kFess;
    s.lineCode = kWavyLine;
    s.levelTincture[0] = kGules;
    DrawOrdinary(s, {s.shapeCode, false});
}

// A chief's wavy line turns the other way from a fess's.
void WavyFimbriatedChief(PaintState& s) {
    s.shapeCode = kChief;
    s.partitionCode = kNoShape;
    s.ordinaryTreatment = OrdinaryTreatment::kFimbriated;
    s.lineCode = kWavyLine;
    s.levelTincture[0] = kVert;
    s.levels[0].levelSecondTincture = kArgent;
    DrawOrdinary(s, {s.shapeCode, false});
}

constexpr ReaderDrawing kReaderDrawings[] = {{"voided cross", VoidedCross},
                                             {"fimbriated saltire", FimbriatedSaltire},
                                             {"cottised bend", CottisedBend},
                                             {"per pale with a fess", PerPaleWithAFess},
                                             {"wavy fimbriated chief", WavyFimbriatedChief}};

// The picture and its codes after a drawing.
struct DrawnPicture {
    Bitmap picture;
    std::vector<std::int8_t> codes;
};

DrawnPicture Taken(Shield& shield) { return {shield.state().picture, shield.state().pictureBuffer}; }

// The field painted afresh under the next drawing, leaving every field of the state as the
// drawing before left it (its shape, partition, treatment, line, mirroring).
void FieldAgain(Shield& shield, int field) {
    PaintState& s = shield.state();
    s.picture.Fill(kTeal);
    std::fill(s.pictureBuffer.begin(), s.pictureBuffer.end(), static_cast<std::int8_t>(-100));
    DrawShieldOutline(s);
    const int tincture = s.levelTincture[0];
    s.levelTincture[0] = field;
    for (int y = 2; y <= s.geometry.shieldBottom - 2; ++y) PaintSpan(s, 2, y, s.geometry.W - 2);
    s.levelTincture[0] = tincture;
    ResetCrossings(s);
}

// What an ordinary leaves in the state is what the reader set for it: drawn after another of a
// different shape, partition and treatment on the same state, it paints what it paints alone.
TEST(ShapeRequests, OrdinaryDrawnAfterAnotherPaintsAsAlone) {
    std::vector<DrawnPicture> alone;
    Shield blank(kArgent);
    const DrawnPicture field = Taken(blank);
    for (const ReaderDrawing& d : kReaderDrawings) {
        Shield shield(kArgent);
        d.draw(shield.state());
        alone.push_back(Taken(shield));
        EXPECT_FALSE(alone.back().picture == field.picture) << d.name << " painted nothing";
    }
    for (std::size_t first = 0; first < std::size(kReaderDrawings); ++first)
        for (std::size_t second = 0; second < std::size(kReaderDrawings); ++second) {
            if (first == second) continue;
            SCOPED_TRACE(std::string(kReaderDrawings[second].name) + " after " + kReaderDrawings[first].name);
            Shield shield(kArgent);
            PaintState& s = shield.state();
            kReaderDrawings[first].draw(s);
            FieldAgain(shield, kArgent);
            kReaderDrawings[second].draw(s);
            const DrawnPicture after = Taken(shield);
            EXPECT_TRUE(after.picture == alone[second].picture);
            EXPECT_TRUE(after.codes == alone[second].codes);
        }
}

// DrawOrdinary hands the shape, the field's partition and the treatment to its bands and leaves
// the state's own as the reader set them, a partition drawn over a voided ordinary's treatment too.
TEST(ShapeRequests, OrdinaryLeavesTheStatesShapeFields) {
    for (const ReaderDrawing& d : kReaderDrawings) {
        SCOPED_TRACE(d.name);
        Shield shield(kArgent);
        PaintState& s = shield.state();
        d.draw(s);
        const ShapeCode shape = s.shapeCode, partition = s.partitionCode;
        const OrdinaryTreatment treatment = s.ordinaryTreatment;
        DrawOrdinary(s, {kBendSinister, false, kBend, OrdinaryTreatment::kVoided});
        DrawOrdinary(s, {kSaltire, true});
        EXPECT_EQ(s.shapeCode, shape);
        EXPECT_EQ(s.partitionCode, partition);
        EXPECT_EQ(s.ordinaryTreatment, treatment);
        EXPECT_FALSE(s.mirrored);
    }
}

}  // namespace
}  // namespace esc::testing
