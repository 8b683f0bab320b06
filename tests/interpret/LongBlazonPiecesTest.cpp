// Blazons longer than the blazon buffer or the word slots are read whole, in pieces cut where
// their clauses begin, each later piece read on over the same shield.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestDrawing.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/read/BlazonPieces.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using test::PaintedExtent;

bool FitsTheSlots(std::string_view piece) { return FitsOneReading(piece, kMaxBlazonChars, kMaxWords); }

bool ToldLongerThanRead(const Drawing& d) {
    for (const std::string& m : d.sink.messages)
        if (m.find("longer than a drawing reads") != std::string::npos) return true;
    return false;
}

// The last level whose name holds `name`.
const LevelTrace* LevelNamed(const Drawing& d, std::string_view name) {
    const LevelTrace* found = nullptr;
    for (const LevelTrace& l : d.trace.levels)
        if (l.name.find(name) != std::string::npos) found = &l;
    return found;
}

TEST(BlazonPieces, CutAtTheLatestClauseBoundTheWindowHolds) {
    const std::string description = "a lion rampant gules, armed and langued azure, crowned or, holding in its dexter "
                                    "forepaw a sword argent hilted or, and in its sinister forepaw a key azure";
    // Without its commas: the clause words alone bound it.
    std::string bare = description;
    bare.erase(std::remove(bare.begin(), bare.end(), ','), bare.end());
    struct Case {
        std::string text, secondPiece;
    } cases[] = {
        {"Argent, " + description + ", on a chief azure three mullets or", "on a chief azure three mullets or"},
        {"Argent, " + description + "; a bordure engrailed sable", "a bordure engrailed sable"},
        {"Argent " + bare + " all within a bordure sable", "all within a bordure sable"},
        {"Argent " + bare + " the whole within a bordure sable", "the whole within a bordure sable"},
        {"Argent " + bare + " between three mullets sable", "between three mullets sable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const BlazonPieces cut = CutIntoPieces(c.text, FitsTheSlots, kMaxBlazonPieces);
        ASSERT_EQ(cut.pieces.size(), 2u);
        EXPECT_EQ(cut.pieces[1], c.secondPiece);
        EXPECT_EQ(cut.cutsInsideAClause, 0);
        EXPECT_TRUE(cut.unread.empty());
        for (const std::string& piece : cut.pieces) EXPECT_TRUE(FitsTheSlots(piece)) << piece;
    }
    // No bound in the window: cut at a word, and counted so.
    std::string plain = "Argent";
    for (int i = 0; i < 40; ++i) plain += " lion";
    const BlazonPieces atAWord = CutIntoPieces(plain, FitsTheSlots, kMaxBlazonPieces);
    EXPECT_EQ(atAWord.pieces.size(), 2u);
    EXPECT_EQ(atAWord.cutsInsideAClause, 1);
}

// Text of thousands of characters and words, or one "word" of thousands: every piece fits, and
// what lies past the pieces a drawing reads is kept to be told.
TEST(BlazonPieces, EndlessTextEndsInADefinedCut) {
    std::string words = "Argent";
    while (words.size() < 6000) words += ", a bend gules";
    const std::string unbroken(5000, 'x');
    for (const std::string& text : {words, unbroken}) {
        const BlazonPieces cut = CutIntoPieces(text, FitsTheSlots, kMaxBlazonPieces);
        EXPECT_EQ(cut.pieces.size(), static_cast<std::size_t>(kMaxBlazonPieces));
        EXPECT_FALSE(cut.unread.empty());
        for (const std::string& piece : cut.pieces) EXPECT_TRUE(FitsTheSlots(piece));
    }
}

// A long blazon whose last clause is a chief with charges: the chief and its charges are drawn,
// and the charges of the first piece keep below the chief.
TEST(LongBlazon, LastClauseAChiefWithCharges) {
    const char* const blazons[] = {
        "Argent, three lions rampant gules, armed and langued azure, crowned or, each holding in its dexter "
        "forepaw a sword argent hilted or, on a chief azure three mullets of six points or",
        "Argent, two lions passant in pale gules, armed and langued azure, crowned or, between two flaunches "
        "sable, each charged with a mullet argent, on a chief azure three mullets of six points or",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(ToldLongerThanRead(d));
        EXPECT_TRUE(d.trace.ignoredWords.empty()) << testing::PrintToString(d.trace.ignoredWords);
        ASSERT_EQ(d.trace.pieces.size(), 2u);
        const ShieldGeometry& g = d.s().geometry;
        const int chiefBottom = shapes::ChiefFurthestRow(g.H);
        // The chief's colour at its lower edge between the mullets, the mullets gold on it.
        EXPECT_EQ(d.At(g.W / 8, shapes::ChiefLowerEdge(g) - 3), Colour(kAzure));
        const LevelTrace* mullets = LevelNamed(d, "mullet");
        ASSERT_NE(mullets, nullptr);
        ASSERT_EQ(mullets->placements.size(), 3u);
        for (const PlacementTrace& p : mullets->placements) {
            EXPECT_LT(p.y, chiefBottom);
            EXPECT_EQ(d.At(p.x, p.y), Colour(kOr));
        }
        // The lions keep clear of the chief: no gules above its lower edge.
        EXPECT_GT(PaintedExtent(d, Colour(kGules)).top, chiefBottom);
    }
}

// A long blazon ending in a bordure: the bordure is drawn round all, its charges on it.
TEST(LongBlazon, LastClauseABordure) {
    const char* const blazons[] = {
        "Gules, three lions passant guardant in pale or, armed and langued azure, ducally crowned argent, all "
        "within a bordure sable charged with eight bezants, each charged with a cross couped gules",
        "Argent, a lion rampant gules, armed and langued azure, crowned or, holding in its dexter forepaw a "
        "sword argent hilted or, and in its sinister forepaw a key azure, all within a bordure engrailed sable",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(ToldLongerThanRead(d));
        EXPECT_TRUE(d.trace.ignoredWords.empty()) << testing::PrintToString(d.trace.ignoredWords);
        ASSERT_EQ(d.trace.pieces.size(), 2u);
        const ShieldGeometry& g = d.s().geometry;
        // Halfway across the bordure's breadth on either flank, between the places of its charges.
        EXPECT_EQ(d.At(kBordureBreadth / 2, (g.H4 + g.H2) / 2), Colour(kSable));
        EXPECT_EQ(d.At(g.W - 1 - kBordureBreadth / 2, g.H2 + g.H4 / 2), Colour(kSable));
    }
}

// A long description of one charge, then "between three ...": the group stands between that
// charge, which is set smaller to leave them room, as the words read at once would.
TEST(LongBlazon, LongChargeThenBetweenThree) {
    struct Case {
        const char* blazon;
        int tincture;
    } cases[] = {
        {"Argent, a lion rampant queue fourchy gules, armed and langued azure, crowned or, holding in its "
         "dexter forepaw a sword argent hilted and pommelled or, between three mullets of six points sable",
         kSable},
        {"Azure, a lion rampant or, armed and langued gules, crowned argent, holding in its dexter forepaw a "
         "sword argent hilted and pommelled or, between three fleurs-de-lis argent, a bordure or", kArgent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_FALSE(ToldLongerThanRead(d));
        for (const std::string& m : d.sink.messages) EXPECT_EQ(m.find("No layout"), std::string::npos) << m;
        ASSERT_EQ(d.trace.levels.at(0).placements.size(), 1u);
        const LevelTrace* group = nullptr;
        for (const LevelTrace& l : d.trace.levels)
            if (l.placements.size() == 3u) group = &l;
        ASSERT_NE(group, nullptr);
        // Each of the group is painted where it was placed, clear of the lion.
        for (const PlacementTrace& p : group->placements) EXPECT_EQ(d.At(p.x, p.y), Colour(c.tincture));
    }
}

// A phrase the first piece leaves open ("in chief a lion passant guardant" with its tincture
// still to come) is read on in the next: drawn in the tincture named there, its words counted.
TEST(LongBlazon, PhraseOpenAtAPieceEndIsReadOn) {
    const char* const blazons[] = {
        "Per fess azure and or a fess wavy barry wavy of four argent and gules in chief a lion passant guardant "
        "between two roses slipped and leaved of the second and in base a tower triple towered proper",
        "Per fess azure and or a fess wavy barry wavy of four argent and gules in chief a lion passant guardant "
        "between two mullets of six points of the second and in base a tower triple towered proper",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        ASSERT_EQ(d.trace.pieces.size(), 2u);
        EXPECT_TRUE(d.trace.ignoredWords.empty()) << testing::PrintToString(d.trace.ignoredWords);
        const LevelTrace* lion = LevelNamed(d, "lion");
        ASSERT_NE(lion, nullptr);
        ASSERT_EQ(lion->placements.size(), 1u);
        EXPECT_LT(lion->placements[0].y, d.s().geometry.H2);  // in chief
        // Or somewhere on the lion's body about its placement, never the field's azure alone.
        const PlacementTrace& p = lion->placements[0];
        bool gold = false;
        for (int dx = -20; dx <= 20 && !gold; dx += 2)
            for (int dy = -20; dy <= 20 && !gold; dy += 2) gold = d.At(p.x + dx, p.y + dy) == Colour(kOr);
        EXPECT_TRUE(gold);
    }
}

// A marshalled part longer than the blazon buffer is read in pieces as single arms are.
TEST(LongBlazon, LongMarshalledPart) {
    const std::string longPart = "Argent, a lion rampant gules, armed and langued azure, crowned or, holding in its dexter "
                                 "forepaw a sword argent hilted or, and in its sinister forepaw a key azure, on a chief "
                                 "azure three mullets of six points or";
    ASSERT_GT(longPart.size(), static_cast<std::size_t>(kMaxBlazonChars));
    for (const std::string& blazon : {"Quarterly, 1st and 4th, " + longPart + "; 2nd and 3rd, Azure, a bend or",
                                      "Quarterly 1&4: " + longPart + " 2&3: Azure a bend or"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_EQ(d.trace.road, "quartered");
        for (const std::string& m : d.sink.messages) EXPECT_EQ(m.find("Improper format"), std::string::npos) << m;
        ASSERT_FALSE(d.trace.parts.empty());
        EXPECT_EQ(d.trace.parts[0].pieces.size(), 2u);
        EXPECT_TRUE(d.trace.parts[0].ignoredWords.empty());
    }
}

// Input of thousands of characters and words: a defined drawing, the words past the pieces told.
TEST(LongBlazon, ThousandsOfWordsAreToldNotWrittenPast) {
    std::string words = "Argent";
    while (words.size() < 8000) words += " a bend gules and";
    for (const std::string& text : {words, "Argent " + std::string(6000, 'q'), std::string(3000, ';')}) {
        Drawing d;
        d.Draw(text);
        EXPECT_LE(d.s().wordCount, kMaxWords);
        EXPECT_FALSE(d.sink.messages.empty());
    }
}

}  // namespace
}  // namespace esc
