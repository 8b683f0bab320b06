#include <gtest/gtest.h>

#include <filesystem>

#include "database/BlazonDatabase.h"
#include "tests/database/BlazonTestData.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {

struct Fixture {
    test::TempDir dir;
    std::string path = dir.Path("escaval1.db");
    std::optional<BlazonDatabase> db;
    int changes = 0;

    explicit Fixture(const std::vector<test::BlazonRow>& rows = test::SampleRows(), OpenMode mode = OpenMode::ReadWrite) {
        test::WriteBlazonDatabase(path, rows);
        std::string error;
        db = BlazonDatabase::Open(path, mode, &error);
        EXPECT_TRUE(db.has_value()) << error;
        db->Main().OnDataChange([this] { ++changes; });
    }
    std::vector<std::string> Surnames(Table& view) {
        std::vector<std::string> out;
        const int at = view.CurrentIndex();
        view.DisableControls();
        for (int i = 0; i < view.RecordCount(); ++i) {
            view.GoToIndex(i);
            out.push_back(view.FieldText("Surname"));
        }
        view.GoToIndex(at);
        view.EnableControls();
        return out;
    }
    std::string Current() { return db->Surname(); }
};

using Names = std::vector<std::string>;

TEST(BlazonDatabase, MainViewIsBySurnameAndHidesEntriesWithoutBlazon) {
    Fixture f;
    EXPECT_EQ(f.Surnames(f.db->Main()), (Names{"abbot", "Howard", "Nevill", "Neville", "Percy", "Smith"}));
    EXPECT_EQ(f.Current(), "abbot");
}

TEST(BlazonDatabase, RecordFilterKeepsEntriesHoldingTheSearchText) {
    Fixture f;
    f.db->SetSearchText("GULES A");
    EXPECT_EQ(f.Surnames(f.db->Main()), (Names{"abbot", "Howard", "Nevill", "Neville"}));
    f.db->SetSearchText("saltire");
    EXPECT_EQ(f.Surnames(f.db->Main()), (Names{"Nevill", "Neville"}));
    f.db->SetSearchText("");
    EXPECT_EQ(f.db->Main().RecordCount(), 6);
}

TEST(BlazonDatabase, OriginFiltersEmptyTheSearchText) {
    Fixture f;
    const struct {
        OriginFilter filter;
        Names names;
    } cases[] = {
        {OriginFilter::Original, {"abbot", "Howard", "Nevill", "Neville", "Percy"}},
        {OriginFilter::UserAdded, {"Smith"}},
        {OriginFilter::Combined, {"abbot", "Howard", "Nevill", "Neville", "Percy", "Smith"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(OriginExpression(c.filter));
        f.db->SetSearchText("azure");
        f.db->SetOriginFilter(c.filter);
        EXPECT_EQ(f.db->SearchText(), "");
        EXPECT_EQ(f.Surnames(f.db->Main()), c.names);
        EXPECT_EQ(f.db->Origin(), c.filter);
    }
}

TEST(BlazonDatabase, SearchFindsTheNextMatchInEitherDirection) {
    Fixture f;
    int direction = 1;
    // Case does not matter: "a lion rampant". The search starts from an entry the new text hides.
    EXPECT_FALSE(f.db->Search("LION", direction));
    EXPECT_EQ(f.Current(), "Percy");
    EXPECT_EQ(direction, 1);

    f.db->SetSearchText("");
    f.db->Main().First();
    direction = 1;
    f.db->Search("", direction);  // an empty search text moves one record
    EXPECT_EQ(f.Current(), "Howard");
}

TEST(BlazonDatabase, SearchTurnsAtEitherEnd) {
    Fixture f;
    int direction = 1;
    const Names forward = {"Howard", "Nevill", "Neville"};
    for (const std::string& name : forward) {
        EXPECT_FALSE(f.db->Search("gules", direction));
        EXPECT_EQ(f.Current(), name);
    }
    // Off the end: it stays on the last visible entry and the direction turns.
    EXPECT_TRUE(f.db->Search("gules", direction));
    EXPECT_EQ(f.Current(), "Neville");
    EXPECT_EQ(direction, -1);
    const Names backward = {"Nevill", "Howard", "abbot"};
    for (const std::string& name : backward) {
        EXPECT_FALSE(f.db->Search("gules", direction));
        EXPECT_EQ(f.Current(), name);
    }
    EXPECT_TRUE(f.db->Search("gules", direction));
    EXPECT_EQ(f.Current(), "abbot");
    EXPECT_EQ(direction, 1);
}

TEST(BlazonDatabase, SearchFromAHiddenEntryTurnsWhenNothingLiesBeyondIt) {
    Fixture f;
    f.db->LookUp("Smith");
    int direction = 1;
    EXPECT_TRUE(f.db->Search("saltire", direction));  // nothing after Smith holds it
    EXPECT_EQ(direction, -1);
    EXPECT_EQ(f.Current(), "Neville");
    f.db->SetSearchText("");
    f.db->LookUp("abbot");
    direction = -1;
    EXPECT_TRUE(f.db->Search("bend", direction));
    EXPECT_EQ(direction, 1);
    EXPECT_EQ(f.Current(), "Howard");
}

TEST(BlazonDatabase, SearchOnAnEmptyViewStops) {
    Fixture f;
    int direction = 1;
    EXPECT_TRUE(f.db->Search("purpure", direction));
    EXPECT_EQ(f.db->Main().RecordCount(), 0);
    EXPECT_EQ(f.Current(), "");
}

TEST(BlazonDatabase, LookUpFindsTheNearestSurname) {
    Fixture f;
    const struct {
        const char* typed;
        const char* found;
    } cases[] = {{"nev", "Nevill"}, {"Neville", "Neville"}, {"NEVILLEZ", "Percy"}, {"A", "abbot"}, {"Zouche", "Smith"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        f.db->LookUp(c.typed);
        EXPECT_EQ(f.Current(), c.found);
    }
}

TEST(BlazonDatabase, AddRecordsUserEntriesAndTheSameSurnameTwice) {
    Fixture f;
    std::string error;
    const int before = f.changes;
    ASSERT_TRUE(f.db->Add("Smith", "Argent a bend sable", &error)) << error;
    ASSERT_TRUE(f.db->Add("Smith", "Or a chief gules", &error)) << error;
    EXPECT_GT(f.changes, before);  // the new entry becomes current and is drawn
    EXPECT_EQ(f.Current(), "Smith");
    EXPECT_EQ(f.db->Blazon(), "Or a chief gules");
    EXPECT_EQ(test::Query(f.path, "SELECT count(*) FROM escaval1 WHERE Surname = 'Smith' AND Origin = 'A' AND Id = 0"), "3");
    f.db->SetOriginFilter(OriginFilter::UserAdded);
    EXPECT_EQ(f.db->Main().RecordCount(), 3);
}

TEST(BlazonDatabase, ImportWritesUserEntriesWithoutNotifyingMeanwhile) {
    Fixture f;
    const ImportFile file = ParseImportFile("Grey Barry of six argent and azure\r\nSmith Sable a fess or\nWyatt Gules");
    int during = 0;
    f.db->Main().OnDataChange([&] { ++during; });
    std::string error;
    ASSERT_TRUE(f.db->Import(file.entries, &error)) << error;
    EXPECT_EQ(during, 0);
    EXPECT_EQ(f.db->Main().RecordCount(), 9);
    f.db->SetOriginFilter(OriginFilter::UserAdded);  // imported entries count as the user's own
    EXPECT_EQ(f.Surnames(f.db->Main()), (Names{"Grey", "Smith", "Smith", "Wyatt"}));
}

TEST(BlazonDatabase, FailedImportLeavesTheDatabaseAsItWas) {
    Fixture f;
    // The second entry is refused by the file itself, after the first was written.
    test::Query(f.path, "CREATE TRIGGER refuse BEFORE INSERT ON escaval1 WHEN NEW.Surname = 'Refused' "
                        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const ImportFile file = ParseImportFile("Grey Or\nRefused Gules\nWyatt Azure\n");
    std::string error;
    EXPECT_FALSE(f.db->Import(file.entries, &error));
    EXPECT_NE(error.find("refused"), std::string::npos);
    EXPECT_EQ(test::Query(f.path, "SELECT count(*) FROM escaval1"), "8");
    EXPECT_EQ(f.db->Main().RecordCount(), 6);
}

// The last report comes with every row written and nothing yet committed, so a process stopped
// there dies inside its transaction.
TEST(BlazonDatabase, ImportReportsProgressUntilJustBeforeItCommits) {
    Fixture f;
    std::vector<ImportEntry> entries;
    for (int i = 0; i < 2500; ++i) entries.push_back({"Name" + std::to_string(i), "Argent a bend sable", i + 1});
    std::vector<std::size_t> reports;
    std::vector<std::string> seenByOthers;
    ASSERT_TRUE(f.db->Import(entries, nullptr, [&](std::size_t rows) {
        reports.push_back(rows);
        seenByOthers.push_back(test::Query(f.path, "SELECT count(*) FROM escaval1"));
    }));
    EXPECT_EQ(reports, (std::vector<std::size_t>{1000, 2000, 2500}));
    EXPECT_EQ(seenByOthers, (Names{"8", "8", "8"}));
    EXPECT_EQ(test::Query(f.path, "SELECT count(*) FROM escaval1"), "2508");
}

TEST(BlazonDatabase, ReadOnlyDatabaseRefusesWrites) {
    Fixture f(test::SampleRows(), OpenMode::ReadOnly);
    std::string error;
    EXPECT_FALSE(f.db->Add("Smith", "Or", &error));
    EXPECT_EQ(error, "The blazon database is read-only: the entry cannot be added.");
    EXPECT_FALSE(f.db->Import(ParseImportFile("Smith Or").entries, &error));
    EXPECT_EQ(test::Query(f.path, "SELECT count(*) FROM escaval1"), "8");
}

TEST(BlazonDatabase, BrowserViewIsBySurnameAndIdWithTheSameFilters) {
    Fixture f({{"Grey", 2, "Gules a lion rampant", "T"}, {"Grey", 1, "Barry argent and azure", "T"}, {"Ash", 0, "Or", "A"}});
    Table* browser = f.db->Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(f.Surnames(*browser), (Names{"Ash", "Grey", "Grey"}));
    browser->GoToIndex(1);
    EXPECT_EQ(browser->FieldText("Id"), "1");
    f.db->SetSearchText("lion");
    EXPECT_EQ(browser->RecordCount(), 1);
    f.db->SetOriginFilter(OriginFilter::UserAdded);
    EXPECT_EQ(f.Surnames(*browser), (Names{"Ash"}));
}

TEST(BlazonDatabase, GoToRowidFollowsAnotherViewsRecord) {
    Fixture f;
    Table* browser = f.db->Browser();
    ASSERT_NE(browser, nullptr);
    browser->Last();
    const long long rowid = browser->Current()->rowid;
    const int before = f.changes;
    EXPECT_TRUE(BlazonDatabase::GoToRowid(f.db->Main(), rowid));
    EXPECT_EQ(f.Current(), "Smith");
    EXPECT_EQ(f.changes, before + 1);  // one notification, for the record it ends on
    EXPECT_TRUE(BlazonDatabase::GoToRowid(f.db->Main(), rowid));
    EXPECT_EQ(f.changes, before + 1);
    EXPECT_FALSE(BlazonDatabase::GoToRowid(f.db->Main(), 9999));
    EXPECT_EQ(f.Current(), "Smith");
}

TEST(BlazonDatabase, OpenRefusesFilesThatAreNotBlazonTables) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(BlazonDatabase::Open(dir.Write("junk.db", "not a database at all, just some text"), OpenMode::ReadWrite, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(BlazonDatabase::Open(dir.Path("missing.db"), OpenMode::ReadWrite, &error));
}

TEST(BlazonDatabase, BlazonHolds) {
    EXPECT_TRUE(BlazonHolds("Or a LION rampant", "lion r"));
    EXPECT_TRUE(BlazonHolds("Or", ""));
    EXPECT_FALSE(BlazonHolds("", ""));
    EXPECT_FALSE(BlazonHolds("Or a lion", "lions"));
}

}  // namespace
}  // namespace esc::db
