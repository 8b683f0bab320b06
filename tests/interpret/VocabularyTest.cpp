#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "TestDrawing.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

TEST(LookupKey, FinalLettersAndCase) {
    struct Case { const char* word; const char* key; };
    const Case cases[] = {
        {"lions", "lion"},     {"Bars", "bar"},          {"cross", "cross"},     {"fess", "fess"},
        {"ermines", "ermines"}, {"ERMINOIS", "erminois"}, {"Gules", "gule"},     {"s", ""},
        {"Azure,", "azure,"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.word);
        EXPECT_EQ(LookupKey(k.word), k.key);
    }
}

TEST(Vocabulary, PrefixLookupInIndexOrder) {
    const Vocabulary v({{"lions", 4, 2, 0}, {"lion", 4, 1, 0}, {"lioncel", 4, 3, 0}, {"Argent", 1, 1, 0}, {"bend", 2, 1, 0},
                        {"bendlet", 2, 22, 0}, {"gules", 1, 2, 0}, {"bezantee", 1, 9, 0}});
    struct Case { const char* key; int sub1; };
    const Case cases[] = {
        {"lion", 1}, {"ARGENT", 1}, {"bend", 1}, {"bendlet", 22},
        {"gule", 2},      // the row with the final "s" the key lost
        {"bezante", 9},   // a word that lost its last letter (an accent read as one "e")
        {"lionce", 3},    // covers all but a fifth of the word
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.key);
        const VocabularyRow* row = v.Lookup(k.key);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->sub1, k.sub1);
    }
    // A key too short for the word it begins, or covering too little of it, is not that word:
    // abbreviations are spelling rows, read before the lookup.
    for (const char* key : {"arg", "be", "lio", "lionc", "bendl", "gu", "bezant"}) EXPECT_EQ(v.Lookup(key), nullptr) << key;
    EXPECT_EQ(v.Lookup("bends"), nullptr);    // longer than every row it resembles
    EXPECT_EQ(v.Lookup("azure,"), nullptr);
    EXPECT_EQ(v.Lookup(""), nullptr);
}

TEST(Vocabulary, ShortWordsAreNotTheChargesTheyBegin) {
    // Each word once drew the charge whose name it begins; now it is not found (and told), or a
    // word read past, and no level is named after that charge. "port" is the gate of a castle, a
    // detail word, read past where no charge has it.
    struct Case { const char* blazon; const char* word; const char* notCharge; };
    const Case cases[] = {
        {"Argent a port gules", "port", "portcullis"},
        {"Gules a bill argent", "bill", "billet"},
        {"Or a cross of St Chad gules", "St", "staff"},
        {"Argent les trois lions gules", "les", "leaf"},
        {"Or a lion gules IV", "IV", "ivy"},
        {"Argent a tres gules", "tres", "tree"},
        {"Argent a be gules", "be", "beacon"},
        {"Argent a corn gules", "corn", "cornflower"},
        {"Argent a mar gules", "mar", "marguerite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.Draw(c.blazon);
        bool seen = false;
        for (const WordTrace& w : d.trace.secondPass) {
            if (w.text != c.word) continue;
            seen = true;
            EXPECT_TRUE(w.type == kTypeNotFound || w.type == kTypeIgnored || w.type == kTypeDetail) << w.type;
            EXPECT_FALSE(w.used);
        }
        EXPECT_TRUE(seen);
        for (const LevelTrace& l : d.trace.levels) EXPECT_EQ(l.name.find(c.notCharge), std::string::npos) << l.name;
        EXPECT_NE(std::find(d.trace.ignoredWords.begin(), d.trace.ignoredWords.end(), c.word), d.trace.ignoredWords.end());
    }
    // "birds" and "vol" are charges of their own now (the bird, a pair of wings conjoined), never
    // the birdbolt or "volant" they begin.
    for (const char* blazon : {"Or a fess between three birds sable", "Azure a vol or"}) {
        test::Drawing d;
        d.Draw(blazon);
        for (const LevelTrace& l : d.trace.levels) {
            EXPECT_EQ(l.name.find("birdbolt"), std::string::npos) << l.name;
            EXPECT_EQ(l.name.find("volant"), std::string::npos) << l.name;
        }
    }
    // "firs" once drew the fire it begins; it is the fir tree now, a row of its own.
    test::Drawing firs;
    firs.Draw("Argent three firs vert");
    ASSERT_FALSE(firs.trace.levels.empty());
    for (const LevelTrace& l : firs.trace.levels) EXPECT_EQ(l.name.find("fire"), std::string::npos) << l.name;
    EXPECT_TRUE(firs.trace.ignoredWords.empty());
}

TEST(Vocabulary, WordsThatBeginALongerRowFindTheirOwn) {
    // Rows that the lookup once reached only through a longer word, and the spellings that
    // replace the abbreviations it took for their words.
    struct Case { const char* blazon; const char* word; int type; int sub1; };
    const Case cases[] = {
        {"Argent a sword gules hilt and pommel or", "hilt", 16, 0},
        {"Argent a sword gules hilt and pommel or", "pommel", 16, 0},
        {"Argent a rose gules barbs vert", "barbs", 16, 0},
        {"Or a bend azure for diff", "difference", kTypeIgnored, 0},
        {"Or an eagle displ sable", "displayed", kTypeAttitude, 11},
        {"Or a lion sable dex", "dexter", kTypeIgnored, 0},
        {"Dor a fess gules", "or", kTypeTincture, 0},
        {"Azur a fess or", "azure", kTypeTincture, 3},
        {"Or deux lions gules", "two", kTypeNumber, 2},
        {"Argent a castle triple towered gules", "tripletowered", kTypeAttitude, 91},
        {"Argent a quatre foil gules", "quatrefoil", 14, 0},
        {"Argent a cinque foil gules", "cinquefoil", 14, 0},
        {"Argent, a lion rampant gu.", "gules", kTypeTincture, 2},
        {"Argent a chevron gu. between three roses az.", "gules", kTypeTincture, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        test::Drawing d;
        d.Draw(c.blazon);
        bool seen = false;
        for (const WordTrace& w : d.trace.secondPass) {
            if (!EqualsIgnoringCase(w.text, c.word)) continue;
            seen = true;
            EXPECT_EQ(w.type, c.type);
            EXPECT_EQ(w.sub1, c.sub1);
        }
        EXPECT_TRUE(seen);
    }
}

TEST(Vocabulary, GeneratedTableHoldsEveryTincture) {
    const Vocabulary& v = test::GeneratedVocabulary();
    // Every tincture with a name of one word (20 and 21 have none; "Lozengy bendwise" is read
    // by the field parser from two).
    for (int code = 0; code < kTinctureCount; ++code) {
        if (TinctureName(code).empty() || TinctureName(code).find(' ') != std::string_view::npos) continue;
        SCOPED_TRACE(std::string(TinctureName(code)));
        const VocabularyRow* row = v.Lookup(LookupKey(TinctureName(code)));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->type, kTypeTincture);
        EXPECT_EQ(row->sub1, code);
    }
    // Words recognised by their text never find a partition row first.
    for (const char* word : {"per", "and", "of", "a", "an", "on", "between", "in", "the", "with"}) {
        SCOPED_TRACE(word);
        const VocabularyRow* row = v.Lookup(LookupKey(word));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->word, word);
        EXPECT_NE(row->type, kTypeOrdinary);
    }
}

// The pointed pictures come from the table built with the words: the way each picture holds its
// point, found by the singular or the plural; a charge with no point has none.
TEST(Vocabulary, PointedPicturesAreReadFromTheTable) {
    const Vocabulary& v = test::GeneratedVocabulary();
    EXPECT_EQ(v.DrawnPoint("sword"), PointWay::kUp);
    EXPECT_EQ(v.DrawnPoint("Swords"), PointWay::kUp);
    EXPECT_EQ(v.DrawnPoint("arrows"), PointWay::kDown);
    EXPECT_EQ(v.DrawnPoint("pheon"), PointWay::kDown);
    EXPECT_EQ(v.DrawnPoint("arrowsheaves"), PointWay::kUp);
    EXPECT_EQ(v.DrawnPoint("mullet"), PointWay::kNone);
    EXPECT_EQ(v.DrawnPoint("swordss"), PointWay::kNone);

    // A file made before the table was kept reads with none; a way the reader does not know is
    // refused with a message, not read in part.
    const std::string path = ::testing::TempDir() + "points_" + std::to_string(::getpid()) + ".db";
    auto make = [&](const std::string& sql) {
        std::remove(path.c_str());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    };
    const std::string words =
        "CREATE TABLE words1 (WORD TEXT, Type INTEGER, Sub1 INTEGER, Sub2 INTEGER);"
        "INSERT INTO words1 VALUES ('sword', 14, 0, 0);";
    make(words);
    std::string error;
    auto old = Vocabulary::Load(path, &error);
    ASSERT_TRUE(old.has_value()) << error;
    EXPECT_EQ(old->DrawnPoint("sword"), PointWay::kNone);
    make(words + "CREATE TABLE points1 (WORD TEXT, Way INTEGER); INSERT INTO points1 VALUES ('Sword', 2);");
    auto pointed = Vocabulary::Load(path, &error);
    ASSERT_TRUE(pointed.has_value()) << error;
    EXPECT_EQ(pointed->DrawnPoint("swords"), PointWay::kDown);
    make(words + "CREATE TABLE points1 (WORD TEXT, Way INTEGER); INSERT INTO points1 VALUES ('sword', 3);");
    error.clear();
    EXPECT_FALSE(Vocabulary::Load(path, &error).has_value());
    EXPECT_NE(error.find("unknown way 3"), std::string::npos) << error;
    std::remove(path.c_str());
}

TEST(Vocabulary, LozengyIsATinctureBesideTheLozengeCharge) {
    const Vocabulary& v = test::GeneratedVocabulary();
    struct Case { const char* word; int type, sub1; };
    const Case cases[] = {
        {"Lozengy", kTypeTincture, kLozengy}, {"lozenge", 14, 0}, {"lozenges", 14, 0},  // Type 14: the geometric charges
        {"bendwise", kTypeIgnored, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.word);
        const VocabularyRow* row = v.Lookup(LookupKey(k.word));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->type, k.type);
        EXPECT_EQ(row->sub1, k.sub1);
    }
}

TEST(Vocabulary, EveryWordIsFoundAsItselfOrItsSingular) {
    // A row never hides behind another row that a prefix lookup finds first.
    const Vocabulary& v = test::GeneratedVocabulary();
    for (const VocabularyRow& row : v.Rows()) {
        SCOPED_TRACE(row.word);
        const VocabularyRow* found = v.Lookup(LookupKey(row.word));
        ASSERT_NE(found, nullptr);
        const bool plural = row.word.size() > 1 && row.word.back() == 's';
        if (!plural) EXPECT_EQ(found->word, row.word);
        else EXPECT_TRUE(found->word == row.word || found->word + "s" == row.word || found->type == row.type);
    }
}

// Forms of the printed armorials that the reading took for other words.
TEST(ArmorialForms, ACrossFormBeforeTheCrossIsReadAfterIt) {
    struct Case { const char* before; const char* after; const char* variant; };
    const Case cases[] = {
        {"Argent a papal cross gules", "Argent a cross papal gules", "pp"},
        {"Or a patriarchal cross azure", "Or a cross patriarchal azure", "pt"},
        {"Azure a moline cross or", "Azure a cross moline or", "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        test::Drawing a, b;
        a.DrawClean(c.before);
        b.Draw(c.after);
        ASSERT_FALSE(a.trace.levels.empty());
        EXPECT_EQ(a.trace.levels[0].variant, c.variant);
        EXPECT_TRUE(a.state->picture == b.state->picture);
    }
    // A cross's form after a quarterly field is no cross.
    test::Drawing d;
    d.Draw("Quarterly or and azure a cross moline gules");
    ASSERT_FALSE(d.trace.levels.empty());
    EXPECT_EQ(d.trace.levels[0].variant, "3");
}

TEST(ArmorialForms, WaterIsBarryWavyArgentAndAzure) {
    for (const char* blazon : {"Gules a base water", "Gules a base barry wavy water", "Gules on water in base a lion or"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        d.Draw(blazon);
        const ShieldGeometry& g = d.state->geometry;
        bool argent = false, azure = false;
        // Down a line through the base (the lowest fifth of the shield), clear of the charge.
        for (int y = g.H * 83 / 100; y < g.H * 92 / 100; ++y) {
            const Rgb c = d.At(g.W / 4, y);
            argent = argent || c == test::Colour(kArgent);
            azure = azure || c == test::Colour(kAzure);
            EXPECT_NE(c, test::Colour(kGules)) << "row " << y;
        }
        EXPECT_TRUE(argent);
        EXPECT_TRUE(azure);
    }
}

TEST(ArmorialForms, TheAssHeadIsTheAss) {
    test::Drawing d;
    d.Draw("Argent an ass's head couped sable");
    for (const WordTrace& w : d.trace.secondPass) EXPECT_NE(w.text, "asss");
    ASSERT_FALSE(d.trace.levels.empty());
    EXPECT_EQ(d.trace.levels[0].name.rfind("ass", 0), 0u) << d.trace.levels[0].name;
}

}  // namespace
}  // namespace esc
