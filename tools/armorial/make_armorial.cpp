// Builds the shipped blazon database "escaval1.db" from the armorial sources in data/armorial/.
//
// Each line of a source is "Surname | Blazon"; blank lines and lines starting with '#' are
// skipped. Every entry gets Origin 'T' and, as Id, its number among the entries of the same
// surname (1 for the first Grey, 2 for the next), so that the order Surname;Id follows the
// sources. The file also records the digest of its entries, by which the program recognises
// a new set of shipped entries.
//
// Usage: make_armorial OUTPUT.db SOURCE.txt...

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "database/BlazonSchema.h"
#include "database/TableStore.h"
#include "database/UserDatabase.h"
#include "engine/TextEncoding.h"

namespace {

struct Entry {
    std::string surname, blazon, where;
    int id = 0;
};

bool Fail(const std::string& text) {
    std::fprintf(stderr, "make_armorial: %s\n", text.c_str());
    return false;
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool ReadSource(const std::string& path, std::vector<Entry>& entries) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail("cannot read " + path);
    std::string line;
    int number = 0;
    bool ok = true;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = path + ":" + std::to_string(number);
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        const auto bar = line.find(" | ");
        if (bar == std::string::npos || line.find('|', bar + 3) != std::string::npos) {
            ok = Fail(where + ": expected 'Surname | Blazon'");
            continue;
        }
        Entry e{Trimmed(line.substr(0, bar)), Trimmed(line.substr(bar + 3)), where};
        if (e.surname.empty() || e.blazon.empty()) ok = Fail(where + ": empty surname or blazon");
        if (!esc::IsValidUtf8(line)) ok = Fail(where + ": not UTF-8");
        if (esc::Utf8Length(e.surname) > static_cast<std::size_t>(esc::db::kMaxSurnameChars))
            ok = Fail(where + ": surname longer than 30 characters");
        if (esc::Utf8Length(e.blazon) > static_cast<std::size_t>(esc::db::kMaxBlazonChars))
            ok = Fail(where + ": blazon longer than 199 characters");
        entries.push_back(std::move(e));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_armorial OUTPUT.db SOURCE.txt...\n");
        return 2;
    }
    std::vector<Entry> entries;
    bool ok = true;
    for (int i = 2; i < argc; ++i) ok = ReadSource(argv[i], entries) && ok;

    // Ids by surname, and no surname and blazon pair twice.
    std::map<std::string, int, bool (*)(const std::string&, const std::string&)> counts(
        [](const std::string& a, const std::string& b) { return esc::db::CompareNoCase(a, b) < 0; });
    std::map<std::pair<std::string, std::string>, std::string> seen;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (Entry& e : entries) {
        e.id = ++counts[e.surname];
        auto [it, inserted] = seen.emplace(std::make_pair(e.surname, e.blazon), e.where);
        if (!inserted) ok = Fail(e.where + ": the same entry is at " + it->second);
        pairs.emplace_back(e.surname, e.blazon);
    }
    if (!ok) return 1;
    if (entries.empty()) return Fail("no entries"), 1;

    const std::string output = argv[1];
    const std::string temporary = output + ".tmp";
    std::remove(temporary.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(temporary.c_str(), &db) != SQLITE_OK) return Fail("cannot create " + temporary), 1;
    const std::string schema = std::string("PRAGMA journal_mode=OFF;") + esc::db::kCreateBlazonTableSql +
                               esc::db::kCreateInfoTableSql + "BEGIN;";
    char* error = nullptr;
    if (sqlite3_exec(db, schema.c_str(), nullptr, nullptr, &error) != SQLITE_OK) return Fail(error ? error : "schema"), 1;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO escaval1 (Surname, Id, Blazon, Origin) VALUES (?, ?, ?, 'T')", -1, &st, nullptr);
    for (const Entry& e : entries) {
        sqlite3_reset(st);
        sqlite3_bind_text(st, 1, e.surname.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, e.id);
        sqlite3_bind_text(st, 3, e.blazon.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) != SQLITE_DONE) return Fail(e.where + ": " + sqlite3_errmsg(db)), 1;
    }
    sqlite3_finalize(st);
    const std::string info = "INSERT INTO escaval_info VALUES ('" + std::string(esc::db::kArmorialDigestKey) + "', '" +
                             esc::db::EntriesDigest(pairs) + "'), ('entries', '" + std::to_string(entries.size()) + "');";
    if (sqlite3_exec(db, (info + "COMMIT;").c_str(), nullptr, nullptr, &error) != SQLITE_OK) return Fail(error ? error : "commit"), 1;
    sqlite3_close(db);
    if (std::rename(temporary.c_str(), output.c_str()) != 0) return Fail("cannot write " + output), 1;
    std::printf("make_armorial: %zu entries\n", entries.size());
    return 0;
}
