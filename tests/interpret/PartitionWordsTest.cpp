// The partition, ordinary and line words of the vocabulary reach their shapes and styles from a
// blazon, and the partitioned fields of the blazons come out in their tinctures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// Each spelling a blazon uses, with the style it must reach (after the normaliser's rewrites).
TEST(PartitionWords, EveryLineWordReachesItsStyle) {
    struct Case {
        const char* word;
        int style;
    };
    const Case cases[] = {
        {"engrailed", 0},  {"invected", 1},  {"invecked", 1},  {"embattled", 2},  {"crenellated", 2},
        {"crenellee", 2},  {"bretessed", 3}, {"counterembattled", 16}, {"counter-embattled", 16},
        {"indented", 4},   {"dancetty", 5},  {"dancette", 5},  {"dancettee", 5},  {"wavy", 6},
        {"undy", 6},       {"undee", 6},     {"nebuly", 7},    {"nebulee", 7},    {"nebule", 7},
        {"raguly", 8},     {"potenty", 9},   {"dovetailed", 10}, {"rayonny", 12}, {"rayonnee", 12},
        {"rayonne", 12},   {"gemel", 15},    {"gemelle", 15},  {"grady", 19},     {"embattled grady", 19},
        {"dentilly", 20},  {"dentelly", 20}, {"angled", 21},   {"bevilled", 22},  {"bevilly", 22},
        {"escartelly", 23}, {"champaine", 24}, {"double arched", 25},
    };
    Drawing d;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        d.Draw(std::string("Per pale ") + c.word + " or and azure");
        ASSERT_GT(d.trace.secondPass.size(), 2u);
        EXPECT_EQ(d.trace.secondPass[2].type, kTypeLine);
        EXPECT_EQ(d.trace.secondPass[2].sub1, c.style);  // (per pale itself turns 2 into 3 and spends 15)
        EXPECT_TRUE(d.sink.messages.empty());
    }
}

TEST(PartitionWords, PartitionedFieldsFromBlazons) {
    Drawing d;
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    struct Probe {
        int x, y, tincture;
    };
    struct Case {
        const char* blazon;
        int shape, pieces;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {"Per pale wavy or and azure", 3, 8, {{W / 4, H / 2, kOr}, {3 * W / 4, H / 2, kAzure}}},
        {"Per fess indented argent and sable", 0, 8, {{W / 2, H / 4, kArgent}, {W / 2, 3 * H / 4, kSable}}},
        {"Per bend sinister embattled or and gules", 2, 8,
         {{W / 4, H / 4, kOr}, {3 * W / 4, 3 * H / 4, kGules}, {W / 2, H + 20, kGules}}},
        {"Per chevron engrailed argent and vert", 4, 8, {{W / 2, H / 4, kArgent}, {W / 2, H - 30, kVert}}},
        {"Per saltire or and sable", 6, 8, {{W / 2, H / 8, kOr}, {W / 8, H / 2, kSable}}},
        {"Per cross argent and gules", 5, 8, {{W / 4, H / 4, kArgent}, {3 * W / 4, H / 4, kGules}}},
        {"Quarterly nebuly or and azure", 5, 8, {{W / 4, 3 * H / 4, kAzure}, {3 * W / 4, 3 * H / 4, kOr}}},
        {"Barry of six argent and azure", 8, 6,
         {{W / 2, 40, kArgent}, {W / 2, 120, kAzure}, {W / 2, 440, kAzure}, {W / 2, H + 20, kAzure}}},
        {"Barry wavy of six argent and azure", 8, 6, {{W / 2, 40, kArgent}, {W / 2, 450, kAzure}}},
        {"Paly of eight or and gules", 9, 8, {{20, H / 2, kOr}, {W / 8 + 20, H / 2, kGules}}},
        {"Bendy of six or and azure", 10, 6, {{W / 2, H / 2, kAzure}, {W / 2, H / 4, kOr}}},
        {"Bendy argent and azure", 10, 6, {{W / 2, H / 2, kAzure}, {W / 2, H / 4, kArgent}}},
        {"Gyronny of eight or and sable", 7, 8,
         {{W / 2 + 90, H / 2 - 30, kOr}, {W / 2 + 30, H / 2 - 90, kSable}, {W / 2 - 30, H / 2 - 90, kOr}}},
        {"Tierced per pall gules argent and azure", 30, 8,
         {{W / 2, H / 6, kGules}, {W / 6, 2 * H / 3, kArgent}, {5 * W / 6, 2 * H / 3, kAzure}}},
        {"Per pairle reversed or gules and azure", 31, 8,
         {{W / 6, H / 3, kOr}, {5 * W / 6, H / 3, kGules}, {W / 2, 5 * H / 6, kAzure}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.Draw(c.blazon);
        EXPECT_EQ(d.trace.field.shapeCode, c.shape);
        EXPECT_EQ(d.trace.field.fieldPieces, c.pieces);
        EXPECT_TRUE(d.sink.messages.empty());
        for (const Probe& p : c.probes) EXPECT_EQ(d.At(p.x, p.y), Colour(p.tincture)) << p.x << "," << p.y;
    }
}

// A partition given two lines ("indented and wavy") is drawn with the first; the second is read
// past and said, never a field left unpainted.
TEST(PartitionWords, ASecondLineOfAPartitionIsReadPast) {
    Drawing d, first;
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    for (const auto& [blazon, drawnAs] : {std::pair{"Per pale indented and wavy argent and azure", "Per pale indented argent and azure"},
                                          std::pair{"Per fess wavy and embattled or and gules", "Per fess wavy or and gules"},
                                          std::pair{"Per bend engrailed and indented vert and argent", "Per bend engrailed vert and argent"}}) {
        SCOPED_TRACE(blazon);
        d.Draw(blazon);
        first.DrawClean(drawnAs);
        EXPECT_TRUE(d.s().picture == first.s().picture);
        EXPECT_EQ(d.trace.ignoredWords.size(), 2u);  // "and" and the second line
        EXPECT_EQ(d.At(W / 5, H / 5), first.At(W / 5, H / 5));
        EXPECT_EQ(d.At(4 * W / 5, 4 * H / 5), first.At(4 * W / 5, 4 * H / 5));
    }
}

// The plural ordinaries and the flaunches are found by their plural forms.
TEST(PartitionWords, OrdinaryWordsReachTheirShapes) {
    Drawing d;
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    struct Case {
        const char* blazon;
        int x, y, tincture;
    };
    const Case cases[] = {
        {"Or two flaunches azure", 10, H / 2, kAzure},
        {"Or two flanches azure", W - 10, H / 2, kAzure},
        {"Argent three pallets gules", W / 2, H / 2, kGules},
        {"Argent two bars sable", W / 2, H / 2 - W / 9, kSable},
        {"Or a fret gules", W / 2, H / 2, kGules},
        {"Or a pairle reversed azure", W / 2, H / 4, kAzure},
        {"Argent a bordure engrailed gules", 8, H / 2, kGules},
        {"Argent a chief indented azure", W / 2, 20, kAzure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.Draw(c.blazon);
        EXPECT_EQ(d.At(c.x, c.y), Colour(c.tincture));
    }
}

}  // namespace
}  // namespace esc
