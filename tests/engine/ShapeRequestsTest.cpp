// The band and the cotises drawn from requests: what the request names is drawn, and the state's
// own line, shape and cotises are left as they were.

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

}  // namespace
}  // namespace esc::testing
