#include "interpret/read/Vocabulary.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>

#include "database/TableStore.h"
#include "engine/ReadFileBytes.h"
#include "interpret/read/TextOps.h"

namespace esc {
namespace {

// The spellings of the vocabulary file. A file made before they were kept with the words has no
// such table, and is read with none.
std::optional<SpellingTable> LoadSpellings(sqlite3* db, const std::string& path, std::string* error) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'spellings1'", -1, &st,
                           nullptr) != SQLITE_OK) {
        if (error) *error = "Cannot read table '" + path + "': " + sqlite3_errmsg(db);
        return std::nullopt;
    }
    const bool present = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    if (!present) return SpellingTable();
    if (sqlite3_prepare_v2(db, "SELECT Kind, Pattern, Replacement FROM spellings1 ORDER BY rowid", -1, &st, nullptr) !=
        SQLITE_OK) {
        if (error) *error = "The spellings of '" + path + "' lack the fields Kind, Pattern, Replacement (" + sqlite3_errmsg(db) + ").";
        sqlite3_finalize(st);
        return std::nullopt;
    }
    std::vector<SpellingRow> rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        auto text = [st](int column) {
            const unsigned char* t = sqlite3_column_text(st, column);
            return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
        };
        const int kind = sqlite3_column_int(st, 0);
        if (kind != static_cast<int>(SpellingKind::Mark) && kind != static_cast<int>(SpellingKind::Words)) {
            if (error) *error = "The spellings of '" + path + "' hold a row of unknown kind " + std::to_string(kind) + ".";
            sqlite3_finalize(st);
            return std::nullopt;
        }
        rows.push_back({static_cast<SpellingKind>(kind), text(1), text(2)});
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        if (error) *error = "Cannot read table '" + path + "': " + sqlite3_errmsg(db);
        return std::nullopt;
    }
    return SpellingTable(std::move(rows));
}

// Whether the vocabulary file holds table `name`.
std::optional<bool> HasTable(sqlite3* db, const char* name, const std::string& path, std::string* error) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?", -1, &st, nullptr) != SQLITE_OK) {
        if (error) *error = "Cannot read table '" + path + "': " + sqlite3_errmsg(db);
        return std::nullopt;
    }
    sqlite3_bind_text(st, 1, name, -1, SQLITE_STATIC);
    const bool present = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    return present;
}

// The pointed pictures of the vocabulary file. A file made before they were kept with the words
// has none: the point words of every charge are then left unread, and the reader says so.
std::optional<std::vector<PointedPicture>> LoadPointed(sqlite3* db, const std::string& path, std::string* error) {
    const std::optional<bool> present = HasTable(db, "points1", path, error);
    if (!present) return std::nullopt;
    if (!*present) return std::vector<PointedPicture>();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT WORD, Way FROM points1 ORDER BY rowid", -1, &st, nullptr) != SQLITE_OK) {
        if (error) *error = "The pointed pictures of '" + path + "' lack the fields WORD, Way (" + sqlite3_errmsg(db) + ").";
        sqlite3_finalize(st);
        return std::nullopt;
    }
    std::vector<PointedPicture> rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const unsigned char* word = sqlite3_column_text(st, 0);
        const int code = sqlite3_column_int(st, 1);
        const PointWay way = DrawnPointOfCode(code);
        if (way == PointWay::kNone || word == nullptr) {
            if (error) *error = "The pointed pictures of '" + path + "' hold a row of unknown way " + std::to_string(code) + ".";
            sqlite3_finalize(st);
            return std::nullopt;
        }
        rows.push_back({ToLower(reinterpret_cast<const char*>(word)), way});
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        if (error) *error = "Cannot read table '" + path + "': " + sqlite3_errmsg(db);
        return std::nullopt;
    }
    return rows;
}

// The holding points of the vocabulary file, in their order. A file made before they were kept
// has none: every held charge is then held beside its bearer, and the layout says so.
std::optional<std::vector<HoldingPoint>> LoadHoldingPoints(sqlite3* db, const std::string& path, std::string* error) {
    const std::optional<bool> present = HasTable(db, "holds1", path, error);
    if (!present) return std::nullopt;
    if (!*present) return std::vector<HoldingPoint>();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT Family, Picture, Attitude, Prefix, Limb, Sinister, Dx, Dy FROM holds1 ORDER BY rowid", -1, &st,
                           nullptr) != SQLITE_OK) {
        if (error) *error = "The holding points of '" + path + "' lack their fields (" + sqlite3_errmsg(db) + ").";
        sqlite3_finalize(st);
        return std::nullopt;
    }
    std::vector<HoldingPoint> rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        auto text = [st](int column) {
            const unsigned char* t = sqlite3_column_text(st, column);
            return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
        };
        const int family = sqlite3_column_int(st, 0), limb = sqlite3_column_int(st, 4);
        const bool familyKnown = family >= static_cast<int>(HolderFamily::Beast) && family <= static_cast<int>(HolderFamily::Other);
        const bool limbKnown = limb == static_cast<int>(Limb::Unnamed) || limb == static_cast<int>(Limb::Paw) ||
                               limb == static_cast<int>(Limb::Mouth);
        if (!familyKnown || !limbKnown) {
            if (error) *error = "The holding points of '" + path + "' hold a row of unknown family or limb.";
            sqlite3_finalize(st);
            return std::nullopt;
        }
        rows.push_back({static_cast<HolderFamily>(family), text(1), text(2), sqlite3_column_int(st, 3) != 0,
                        static_cast<Limb>(limb), sqlite3_column_int(st, 5) != 0, static_cast<float>(sqlite3_column_double(st, 6)),
                        static_cast<float>(sqlite3_column_double(st, 7))});
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        if (error) *error = "Cannot read table '" + path + "': " + sqlite3_errmsg(db);
        return std::nullopt;
    }
    return rows;
}

}  // namespace

Vocabulary::Vocabulary(std::vector<VocabularyRow> rows, SpellingTable spellings, std::vector<PointedPicture> pointed,
                       std::vector<HoldingPoint> holds)
    : rows_(std::move(rows)), spellings_(std::move(spellings)), pointed_(std::move(pointed)), holds_(std::move(holds)) {
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const VocabularyRow& a, const VocabularyRow& b) { return db::CompareNoCase(a.word, b.word) < 0; });
}

std::optional<Vocabulary> Vocabulary::Load(const std::string& path, std::string* error) {
    // Checked before the table store opens it: a pipe in its place would hang the open, and a
    // folder or a missing file is better named as such than by the store's late error.
    if (const std::string why = WhyNotReadable(path); !why.empty()) {
        if (error) *error = "Cannot read the vocabulary table '" + path + "': " + why + ".";
        return std::nullopt;
    }
    // One statement over the four columns the interpreter reads, in the order the rows were
    // stored: the table store's view (its schema query, a sorted copy of every column) cost more
    // than the rest of a command-line drawing.
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        if (error) *error = "Cannot open table '" + path + "': " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return std::nullopt;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT WORD, Type, Sub1, Sub2 FROM words1 ORDER BY rowid", -1, &st, nullptr) != SQLITE_OK) {
        if (error) *error = "The vocabulary table '" + path + "' lacks the fields WORD, Type, Sub1, Sub2 (" + sqlite3_errmsg(db) + ").";
        sqlite3_finalize(st);
        sqlite3_close(db);
        return std::nullopt;
    }
    std::vector<VocabularyRow> rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const unsigned char* word = sqlite3_column_text(st, 0);
        auto number = [st](int column) {
            const unsigned char* text = sqlite3_column_text(st, column);
            return text ? std::atoi(reinterpret_cast<const char*>(text)) : 0;
        };
        rows.push_back({word ? reinterpret_cast<const char*>(word) : "", number(1), number(2), number(3)});
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        if (error) *error = "Cannot read table '" + path + "': " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return std::nullopt;
    }
    std::optional<SpellingTable> spellings = LoadSpellings(db, path, error);
    std::optional<std::vector<PointedPicture>> pointed = spellings ? LoadPointed(db, path, error) : std::nullopt;
    std::optional<std::vector<HoldingPoint>> holds = pointed ? LoadHoldingPoints(db, path, error) : std::nullopt;
    sqlite3_close(db);
    if (!spellings || !pointed || !holds) return std::nullopt;
    return Vocabulary(std::move(rows), std::move(*spellings), std::move(*pointed), std::move(*holds));
}

const VocabularyRow* Vocabulary::Lookup(std::string_view key) const {
    if (key.empty()) return nullptr;
    auto it = std::lower_bound(rows_.begin(), rows_.end(), key,
                               [](const VocabularyRow& row, std::string_view k) { return db::CompareNoCase(row.word, k) < 0; });
    if (it == rows_.end() || !db::StartsWithNoCase(it->word, key)) return nullptr;
    if (!FindsLongerWord(key, it->word)) return nullptr;
    return &*it;
}

PointWay Vocabulary::DrawnPoint(std::string_view name) const {
    for (const PointedPicture& row : pointed_) {
        const std::string_view word = row.word;
        if (EqualsIgnoringCase(name, word)) return row.drawn;
        // The plural: "swords", "arrows".
        if (name.size() == word.size() + 1 && EqualsIgnoringCase(name.substr(0, word.size()), word) &&
            (name.back() == 's' || name.back() == 'S'))
            return row.drawn;
    }
    return PointWay::kNone;
}

bool FindsLongerWord(std::string_view key, std::string_view word) {
    if (key.size() >= word.size()) return true;
    // The word with its final "s": the key lost it ("gules", "fleurdelis", "its").
    if (word.size() == key.size() + 1 && (word.back() == 's' || word.back() == 'S')) return true;
    // A word cut short by a letter or two at most ("bezante" for "bezantee", "surmount").
    return key.size() >= kShortestCutWord && key.size() * kCutWordShare >= word.size() * (kCutWordShare - 1);
}

std::string LookupKey(std::string_view word) {
    std::string key = ToLower(word);
    const std::size_t n = key.size();
    if (n >= 1 && key[n - 1] == 's' && (n < 2 || key[n - 2] != 's')) key.pop_back();
    if (EqualsIgnoringCase(word, "ermines") || EqualsIgnoringCase(word, "erminois")) key += 's';
    return key;
}

}  // namespace esc
