// Builds the vocabulary table "words1.db" from the readable word lists in data/vocabulary/.
//
// Each line of a word list is:   word  type  sub1  sub2   # optional comment
// Blank lines and lines starting with '#' are skipped. Words are lower case and unique.
//
// Usage: make_vocabulary OUTPUT.db LIST.words...

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    std::string word;
    int type = 0, sub1 = 0, sub2 = 0;
    std::string where;
};

bool Fail(const std::string& text) {
    std::fprintf(stderr, "make_vocabulary: %s\n", text.c_str());
    return false;
}

bool ReadList(const std::string& path, std::map<std::string, Row>& rows) {
    std::ifstream in(path);
    if (!in) return Fail("cannot read " + path);
    std::string line;
    int number = 0;
    bool ok = true;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = path + ":" + std::to_string(number);
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        Row row;
        if (!(fields >> row.word)) continue;
        std::string extra;
        if (!(fields >> row.type >> row.sub1 >> row.sub2) || (fields >> extra)) {
            ok = Fail(where + ": expected 'word type sub1 sub2'");
            continue;
        }
        for (char c : row.word) {
            if (c >= 'A' && c <= 'Z') ok = Fail(where + ": '" + row.word + "' is not lower case");
        }
        row.where = where;
        auto [it, inserted] = rows.emplace(row.word, row);
        if (!inserted) ok = Fail(where + ": '" + row.word + "' is already defined at " + it->second.where);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_vocabulary OUTPUT.db LIST.words...\n");
        return 2;
    }
    std::map<std::string, Row> rows;
    bool ok = true;
    for (int i = 2; i < argc; ++i) ok = ReadList(argv[i], rows) && ok;
    if (!ok) return 1;

    const std::string output = argv[1];
    const std::string temporary = output + ".tmp";
    std::remove(temporary.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(temporary.c_str(), &db) != SQLITE_OK) return Fail("cannot create " + temporary), 1;
    char* error = nullptr;
    const char* schema =
        "PRAGMA journal_mode=OFF;"
        "CREATE TABLE words1 (WORD TEXT NOT NULL COLLATE NOCASE, Type INTEGER, Sub1 INTEGER, Sub2 INTEGER);"
        "CREATE UNIQUE INDEX Word ON words1 (WORD COLLATE NOCASE);"
        "BEGIN;";
    if (sqlite3_exec(db, schema, nullptr, nullptr, &error) != SQLITE_OK) return Fail(error ? error : "schema"), 1;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO words1 VALUES (?, ?, ?, ?)", -1, &st, nullptr);
    for (const auto& [word, row] : rows) {
        sqlite3_reset(st);
        sqlite3_bind_text(st, 1, word.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, row.type);
        sqlite3_bind_int(st, 3, row.sub1);
        sqlite3_bind_int(st, 4, row.sub2);
        if (sqlite3_step(st) != SQLITE_DONE) return Fail(row.where + ": " + sqlite3_errmsg(db)), 1;
    }
    sqlite3_finalize(st);
    if (sqlite3_exec(db, "COMMIT;", nullptr, nullptr, &error) != SQLITE_OK) return Fail(error ? error : "commit"), 1;
    sqlite3_close(db);
    if (std::rename(temporary.c_str(), output.c_str()) != 0) return Fail("cannot write " + output), 1;
    return 0;
}
