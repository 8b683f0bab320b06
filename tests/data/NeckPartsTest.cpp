// Parts about a beast's neck or behind its head, each in a picture of its own: the collar, the
// ducal coronet, the collar or coronet with a chain, and flames. The part is the detail: only
// its pixels change with the tincture blazoned for it, and the collar lies on the neck line that
// the picture's table gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../interpret/TestDrawing.h"

namespace esc {
namespace {

std::string NeckPictureDrawn(const test::Drawing& d) {
    for (const LevelTrace& level : d.trace.levels)
        for (const PictureTrace& p : level.pictures)
            if (p.drawn && !p.standIn) {
                const std::string file = p.file.substr(p.file.rfind('/') + 1);
                // a picture with no variant is stored with an extension of its own
                return file.ends_with(".esv") ? file.substr(0, file.size() - 4) : file;
            }
    return "";
}

// The pixels two drawings of one charge in different detail tinctures paint differently.
struct NeckChange {
    int count = 0, inTincture = 0;
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

NeckChange ChangedBetween(const test::Drawing& a, const test::Drawing& b, int tincture) {
    NeckChange c;
    for (int y = 0; y < a.state->picture.Height(); ++y) {
        for (int x = 0; x < a.state->picture.Width(); ++x) {
            if (a.At(x, y) == b.At(x, y)) continue;
            ++c.count;
            if (a.At(x, y) == test::Colour(tincture)) ++c.inTincture;
            c.left = std::min(c.left, x), c.right = std::max(c.right, x);
            c.top = std::min(c.top, y), c.bottom = std::max(c.bottom, y);
        }
    }
    return c;
}

// The extent of the charge: the pixels that are not the field's azure.
NeckChange ChargeExtent(const test::Drawing& d) {
    test::Drawing field;
    field.DrawClean("Azure");
    return ChangedBetween(d, field, kAzure);
}

struct NeckCase {
    const char* charge;  // as blazoned, without the tinctures
    const char* part;    // the words of the part, before its tincture
    const char* picture;
};

// Draws the charge or with its part gules and again with it argent: the picture chosen, and the
// changed pixels are the part's, in its tincture.
NeckChange ExpectPartAlone(const NeckCase& c, test::Drawing& red) {
    test::Drawing white;
    red.DrawClean(std::string("Azure ") + c.charge + " or " + c.part + " gules");
    white.DrawClean(std::string("Azure ") + c.charge + " or " + c.part + " argent");
    EXPECT_EQ(NeckPictureDrawn(red), c.picture);
    const NeckChange change = ChangedBetween(red, white, kGules);
    EXPECT_GT(change.count, 30);
    EXPECT_GT(change.inTincture, change.count * 3 / 4);
    return change;
}

// A collar: the changed pixels hold the neck point of the picture's table, mapped from the
// drawing's box to the charge's extent.
TEST(NeckParts, TheCollarLiesOnTheNeck) {
    struct CollarCase {
        NeckCase words;
        double neckX, neckY, boxW, boxH;  // the table's neck point and the drawing's box
    };
    const CollarCase cases[] = {
        {{"a lion rampant", "gorged of a collar", "liongl.1"}, 103, 99, 200, 220},
        {{"a stag", "collared", "buckgl"}, 51, 94, 200, 220},
        {{"a boar's head couped", "gorged with a collar", "boargl.hd"}, 127, 150, 180, 180},
        {{"a swan", "collared", "swangl"}, 59, 66, 220, 200},
    };
    for (const CollarCase& c : cases) {
        SCOPED_TRACE(c.words.charge);
        test::Drawing red;
        const NeckChange change = ExpectPartAlone(c.words, red);
        const NeckChange body = ChargeExtent(red);
        const double x = body.left + (body.right - body.left) * c.neckX / c.boxW;
        const double y = body.top + (body.bottom - body.top) * c.neckY / c.boxH;
        const double slackX = 0.08 * (body.right - body.left), slackY = 0.08 * (body.bottom - body.top);
        EXPECT_GE(x, change.left - slackX);
        EXPECT_LE(x, change.right + slackX);
        EXPECT_GE(y, change.top - slackY);
        EXPECT_LE(y, change.bottom + slackY);
    }
}

// A ducal coronet about the neck, and the collar or coronet with its chain, which hangs below it.
TEST(NeckParts, CoronetsAndChainsTakeTheirTincture) {
    const NeckCase coronets[] = {
        {"a talbot's head couped", "ducally gorged", "talbotgd.hd"},
        {"a swan", "gorged of a ducal coronet", "swangd"},
        {"a bear passant", "ducally gorged", "beargd.3"},
    };
    for (const NeckCase& c : coronets) {
        SCOPED_TRACE(c.charge);
        test::Drawing red;
        ExpectPartAlone(c, red);
    }
    const NeckCase chained[] = {
        {"a talbot's head couped", "collared and chained", "talbotgn.hd"},
        {"a stag's head couped", "gorged of a collar and chained", "buckgn.hd"},
        {"a bear's head couped", "ducally gorged and chained", "beargc.hd"},
    };
    for (const NeckCase& c : chained) {
        SCOPED_TRACE(c.charge);
        test::Drawing red;
        const NeckChange change = ExpectPartAlone(c, red);
        const NeckChange body = ChargeExtent(red);
        EXPECT_GT(change.bottom, (body.top + body.bottom) / 2) << "the chain hangs low";
    }
}

// Flames rise behind the head; where a charge has no such picture the words are told unread.
TEST(NeckParts, FlamesAndTheUnreadPart) {
    const NeckCase flames[] = {
        {"a boar's head couped", "enflamed", "boaren.hd"},
        {"a bear's head couped", "the bristles enflamed", "bearen.hd"},
    };
    for (const NeckCase& c : flames) {
        SCOPED_TRACE(c.charge);
        test::Drawing red;
        ExpectPartAlone(c, red);
    }
    for (const char* blazon : {"Azure an eagle displayed or gorged of a collar gules",
                               "Azure a bull passant or collared gules"}) {
        test::Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(d.trace.ignoredWords.empty() && d.sink.messages.empty()) << blazon;
    }
}

}  // namespace
}  // namespace esc
