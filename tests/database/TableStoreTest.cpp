#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "database/TableStore.h"

namespace esc::db {
namespace {

// A blazon table in a temporary file.
struct TempTable {
    std::string path;
    explicit TempTable(const std::vector<std::vector<std::string>>& rows) {
        path = (std::filesystem::temp_directory_path() / ("escaval-table-" + std::to_string(::getpid()) + "-" +
                                                          std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".db"))
                   .string();
        std::filesystem::remove(path);
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE escaval1 (Surname TEXT COLLATE NOCASE, Id INTEGER, Blazon TEXT, Origin TEXT COLLATE NOCASE)",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
        auto t = Table::Open(path, "escaval1", {"Surname", "Id"}, OpenMode::ReadWrite, nullptr);
        if (t) t->InsertMany(rows);
    }
    ~TempTable() { std::filesystem::remove(path); }
    Table Open() { return std::move(*Table::Open(path, "escaval1", {"Surname", "Id"}, OpenMode::ReadWrite, nullptr)); }
};

const std::vector<std::vector<std::string>> kRows = {
    {"Percy", "1", "Or a lion rampant azure", "T"},
    {"abbot", "1", "Gules a chevron between three pears or", "T"},
    {"Neville", "1", "Gules a saltire argent", "T"},
    {"Smith", "1", "Azure a fess or", "A"},
    {"Nevill", "2", "Gules a saltire argent", "T"},
};

TEST(TableStore, RowsInIndexOrderIgnoringCase) {
    TempTable temp(kRows);
    Table t = temp.Open();
    ASSERT_EQ(t.RecordCount(), 5);
    std::vector<std::string> order;
    t.First();
    do order.push_back(t.FieldText("surname")); while (t.MoveBy(1) == 1);
    EXPECT_EQ(order, (std::vector<std::string>{"abbot", "Nevill", "Neville", "Percy", "Smith"}));
    EXPECT_TRUE(t.Eof());
}

TEST(TableStore, NavigationFlags) {
    TempTable temp(kRows);
    Table t = temp.Open();
    t.First();
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.MoveBy(-1), 0);
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.MoveBy(3), 3);
    EXPECT_FALSE(t.Bof());
    EXPECT_EQ(t.MoveBy(10), 1);
    EXPECT_TRUE(t.Eof());
    t.Last();
    EXPECT_EQ(t.FieldText("Surname"), "Smith");
}

TEST(TableStore, LocateAndFindNearest) {
    TempTable temp(kRows);
    Table t = temp.Open();
    EXPECT_TRUE(t.Locate("Surname", "nev"));
    EXPECT_EQ(t.FieldText("Surname"), "Nevill");
    EXPECT_FALSE(t.Locate("Surname", "zz"));
    EXPECT_EQ(t.FieldText("Surname"), "Nevill");  // unchanged
    t.FindNearest("O");
    EXPECT_EQ(t.FieldText("Surname"), "Percy");
    t.FindNearest("zzz");
    EXPECT_EQ(t.FieldText("Surname"), "Smith");
    EXPECT_EQ(t.FieldInt("ID"), 1);
}

TEST(TableStore, FiltersAndNotifications) {
    TempTable temp(kRows);
    Table t = temp.Open();
    int changes = 0;
    t.OnDataChange([&] { ++changes; });
    t.SetFilter("Origin='t'");
    t.SetFiltered(true);
    EXPECT_EQ(t.RecordCount(), 4);
    t.SetRecordFilter([](const Record& r) { return r.values[2].find("saltire") != std::string::npos; });
    EXPECT_EQ(t.RecordCount(), 2);
    const int before = changes;
    t.MoveBy(1);
    EXPECT_EQ(changes, before + 1);
    t.DisableControls();
    t.First();
    EXPECT_EQ(changes, before + 1);  // no notifications while disabled
    t.EnableControls();
    t.SetFiltered(false);
    EXPECT_EQ(t.RecordCount(), 5);
}

TEST(TableStore, InsertAppendAndTheirRows) {
    TempTable temp(kRows);
    Table t = temp.Open();
    ASSERT_TRUE(t.Insert({"Howard", "1", "Gules a bend between six cross crosslets fitchy argent", "A"}));
    EXPECT_EQ(t.FieldText("Surname"), "Howard");
    ASSERT_TRUE(t.Append({{"Surname", "Howard"}, {"Blazon", "Argent a lion"}}));
    EXPECT_EQ(t.FieldText("Blazon"), "Argent a lion");
    EXPECT_EQ(t.FieldText("Origin"), "");
    EXPECT_EQ(t.RecordCount(), 7);
    std::string error;
    EXPECT_FALSE(t.Append({{"NoSuchField", "x"}}, &error));
    EXPECT_FALSE(error.empty());
    Table again = temp.Open();  // written to the file
    EXPECT_EQ(again.RecordCount(), 7);
}

TEST(TableStore, MissingFileOrTableIsReported) {
    std::string error;
    EXPECT_FALSE(Table::Open("/nonexistent/escaval1.db", "escaval1", {"Surname"}, OpenMode::ReadOnly, &error).has_value());
    EXPECT_FALSE(error.empty());
    TempTable temp(kRows);
    EXPECT_FALSE(Table::Open(temp.path, "nosuchtable", {"Surname"}, OpenMode::ReadOnly, &error).has_value());
    EXPECT_FALSE(Table::Open(temp.path, "escaval1", {"NoField"}, OpenMode::ReadOnly, &error).has_value());
}

}  // namespace
}  // namespace esc::db
