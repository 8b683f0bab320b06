// Builds the vocabulary table "words1.db" from the readable word lists in data/vocabulary/.
//
// Each line of a word list (.words) is:   word  type  sub1  sub2   # optional comment
// Sub2 is a number, or the one or two lower-case letters of a variant code of letters
// (interpret/read/VariantCode.h), which the table holds as that code's number.
// Blank lines and lines starting with '#' are skipped. Words are lower case and unique.
//
// A spelling list (.spellings) holds the ways armorials print those words, in table "spellings1":
//   @marks                  the rows below are characters replaced anywhere in the text
//   {e'} = e
//   — = (blank)        (blank) stands for one blank, which parts the words around it
//   @words                  the rows below are whole words, one or more, in lower case
//   gu = gules
//   two and one =           nothing after '=': the words are dropped
// A '#' after a blank, or at the start of a line, begins a comment. Patterns are unique in
// their kind.
//
// A list of pointed pictures (.points) says which way each pointed charge's picture holds its
// point, in table "points1" (the way as interpret/read/PointWay.h codes it):
//   sword   up            a charge word, lower case and unique, and up or down
//
// A list of holding points (.limbs, data/charges/holding.limbs) says where each bearer's picture
// holds what it holds, in table "holds1", in the list's order (interpret/read/HoldingPoint.h):
//   beast  dragon  1*  paw  dexter  -47  -21
//
// Usage: make_vocabulary OUTPUT.db LIST.words... LIST.spellings... LIST.points... LIST.limbs

#include <sqlite3.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interpret/read/HoldingPoint.h"
#include "interpret/read/PointWay.h"
#include "interpret/read/VariantCode.h"

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

// A number, or a variant code of letters.
bool ReadSub2(const std::string& text, int& value) {
    if (const int letters = esc::LetterCode(text); letters >= 0) {
        value = letters;
        return true;
    }
    std::size_t used = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

// Each line of a table with what it says: its comment cut off, blank lines skipped, and where it
// stands ("file:line") for the messages. `read` says whether the line was sound.
template <class ReadLine>
bool ReadTableLines(const std::string& path, ReadLine read) {
    std::ifstream in(path);
    if (!in) return Fail("cannot read " + path);
    std::string line;
    int number = 0;
    bool ok = true;
    while (std::getline(in, line)) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        std::string word;
        if (!(fields >> word)) continue;
        if (!read(word, fields, path + ":" + std::to_string(number))) ok = false;
    }
    return ok;
}

// A word of a table is written in lower case.
bool LowerCase(const std::string& word, const std::string& where) {
    bool ok = true;
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') ok = Fail(where + ": '" + word + "' is not lower case");
    }
    return ok;
}

bool ReadList(const std::string& path, std::map<std::string, Row>& rows) {
    return ReadTableLines(path, [&rows](const std::string& word, std::istringstream& fields, const std::string& where) {
        Row row;
        row.word = word;
        std::string extra;
        std::string sub2;
        if (!(fields >> row.type >> row.sub1 >> sub2) || (fields >> extra) || !ReadSub2(sub2, row.sub2))
            return Fail(where + ": expected 'word type sub1 sub2' (sub2 a number or one or two letters)");
        bool ok = LowerCase(row.word, where);
        row.where = where;
        auto [it, inserted] = rows.emplace(row.word, row);
        if (!inserted) ok = Fail(where + ": '" + row.word + "' is already defined at " + it->second.where);
        return ok;
    });
}

enum class SpellingKind { Mark = 1, Words = 2 };

struct Spelling {
    SpellingKind kind = SpellingKind::Words;
    std::string pattern, replacement, where;
};

std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    std::size_t from = 0, to = text.size();
    while (from < to && blank(text[from])) ++from;
    while (to > from && blank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

// Characters that part words in a blazon: a word row holding one could never be met.
bool PartsWords(char c) {
    return std::string_view(",;.()[]{}\"!?/-:\t").find(c) != std::string_view::npos;
}

bool ReadSpellings(const std::string& path, std::vector<Spelling>& rows,
                   std::map<std::pair<int, std::string>, std::string>& seen) {
    std::ifstream in(path);
    if (!in) return Fail("cannot read " + path);
    std::string line;
    int number = 0;
    bool ok = true;
    SpellingKind kind = SpellingKind::Words;
    bool kindSet = false;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = path + ":" + std::to_string(number);
        if (!line.empty() && line[0] == '#') continue;
        if (const auto hash = line.find(" #"); hash != std::string::npos) line.erase(hash);
        line = Trimmed(line);
        if (line.empty()) continue;
        if (line == "@marks" || line == "@words") {
            kind = line == "@marks" ? SpellingKind::Mark : SpellingKind::Words;
            kindSet = true;
            continue;
        }
        if (!kindSet) {
            ok = Fail(where + ": '@marks' or '@words' must come before the first row");
            continue;
        }
        const auto equals = line.find('=', 1);
        if (equals == std::string::npos) {
            ok = Fail(where + ": expected 'pattern = replacement'");
            continue;
        }
        Spelling row{kind, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), where};
        if (row.replacement == "(blank)") row.replacement = " ";
        if (row.pattern.empty()) {
            ok = Fail(where + ": the pattern is empty");
            continue;
        }
        if (kind == SpellingKind::Words) {
            for (char c : row.pattern) {
                if (c >= 'A' && c <= 'Z') ok = Fail(where + ": '" + row.pattern + "' is not lower case");
                if (PartsWords(c)) ok = Fail(where + ": '" + row.pattern + "' holds '" + c + "', which parts words");
            }
            // One blank between words, as the rows are compared word by word.
            std::string single;
            for (char c : row.pattern)
                if (!(c == ' ' && !single.empty() && single.back() == ' ')) single += c;
            row.pattern = single;
        }
        auto [it, inserted] = seen.emplace(std::make_pair(static_cast<int>(kind), row.pattern), where);
        if (!inserted) ok = Fail(where + ": '" + row.pattern + "' is already spelt at " + it->second);
        rows.push_back(row);
    }
    return ok;
}

struct Pointed {
    std::string word;
    esc::PointWay way = esc::PointWay::kNone;
};

bool ReadPoints(const std::string& path, std::map<std::string, Pointed>& rows, std::map<std::string, std::string>& where) {
    return ReadTableLines(path, [&](const std::string& word, std::istringstream& fields, const std::string& at) {
        Pointed row;
        row.word = word;
        std::string way, extra;
        if (!(fields >> way) || (fields >> extra) || (row.way = esc::DrawnPointNamed(way)) == esc::PointWay::kNone)
            return Fail(at + ": expected 'word way' (the way up or down)");
        bool ok = LowerCase(row.word, at);
        auto [it, inserted] = where.emplace(row.word, at);
        if (!inserted) ok = Fail(at + ": '" + row.word + "' is already pointed at " + it->second);
        rows.emplace(row.word, row);
        return ok;
    });
}

struct HoldingRow {
    esc::HoldingPoint point;
    std::string where;
};

// family picture attitude limb side dx dy; "*" any picture, "-" the usual picture, "1*" digits
// that begin with 1.
bool ReadHoldingPoints(const std::string& path, std::vector<HoldingRow>& rows) {
    return ReadTableLines(path, [&rows](const std::string& family, std::istringstream& fields, const std::string& at) {
        std::string picture, attitude, limb, side, extra;
        HoldingRow row;
        row.where = at;
        esc::HoldingPoint& p = row.point;
        const auto familyCode = esc::HolderFamilyNamed(family);
        const auto limbCode = (fields >> picture >> attitude >> limb >> side) ? esc::HoldingLimbNamed(limb) : std::nullopt;
        if (!familyCode || !limbCode || !(fields >> p.dx >> p.dy) || (fields >> extra))
            return Fail(at + ": expected 'family picture attitude limb side dx dy' (beast, bird or other; paw, mouth or itself)");
        const bool itself = *limbCode == esc::Limb::Unnamed;
        if (itself ? side != "-" : side != "dexter" && side != "sinister")
            return Fail(at + ": the side is dexter or sinister, or - for a bearer that holds with itself");
        p.family = *familyCode;
        p.limb = *limbCode;
        p.sinister = side == "sinister";
        p.picture = picture == "*" ? "" : picture;
        p.prefix = attitude.ends_with('*');
        p.attitude = attitude == "-" ? "" : attitude.substr(0, attitude.size() - (p.prefix ? 1 : 0));
        bool ok = LowerCase(picture, at);
        rows.push_back(row);
        return ok;
    });
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_vocabulary OUTPUT.db LIST.words...\n");
        return 2;
    }
    std::map<std::string, Row> rows;
    std::vector<Spelling> spellings;
    std::map<std::pair<int, std::string>, std::string> spelt;
    std::map<std::string, Pointed> points;
    std::map<std::string, std::string> pointedAt;
    std::vector<HoldingRow> holds;
    bool ok = true;
    for (int i = 2; i < argc; ++i) {
        const std::string list = argv[i];
        if (EndsWith(list, ".spellings")) {
            ok = ReadSpellings(list, spellings, spelt) && ok;
        } else if (EndsWith(list, ".points")) {
            ok = ReadPoints(list, points, pointedAt) && ok;
        } else if (EndsWith(list, ".limbs")) {
            ok = ReadHoldingPoints(list, holds) && ok;
        } else {
            ok = ReadList(list, rows) && ok;
        }
    }
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
        "CREATE TABLE spellings1 (Kind INTEGER NOT NULL, Pattern TEXT NOT NULL, Replacement TEXT NOT NULL);"
        "CREATE TABLE points1 (WORD TEXT NOT NULL COLLATE NOCASE, Way INTEGER NOT NULL);"
        "CREATE TABLE holds1 (Family INTEGER NOT NULL, Picture TEXT NOT NULL, Attitude TEXT NOT NULL,"
        " Prefix INTEGER NOT NULL, Limb INTEGER NOT NULL, Sinister INTEGER NOT NULL, Dx REAL NOT NULL, Dy REAL NOT NULL);"
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
    sqlite3_prepare_v2(db, "INSERT INTO spellings1 VALUES (?, ?, ?)", -1, &st, nullptr);
    for (const Spelling& row : spellings) {
        sqlite3_reset(st);
        sqlite3_bind_int(st, 1, static_cast<int>(row.kind));
        sqlite3_bind_text(st, 2, row.pattern.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, row.replacement.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) != SQLITE_DONE) return Fail(row.where + ": " + sqlite3_errmsg(db)), 1;
    }
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db, "INSERT INTO points1 VALUES (?, ?)", -1, &st, nullptr);
    for (const auto& [word, row] : points) {
        sqlite3_reset(st);
        sqlite3_bind_text(st, 1, word.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, static_cast<int>(row.way));
        if (sqlite3_step(st) != SQLITE_DONE) return Fail(pointedAt[word] + ": " + sqlite3_errmsg(db)), 1;
    }
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db, "INSERT INTO holds1 VALUES (?, ?, ?, ?, ?, ?, ?, ?)", -1, &st, nullptr);
    for (const HoldingRow& row : holds) {
        const esc::HoldingPoint& p = row.point;
        sqlite3_reset(st);
        sqlite3_bind_int(st, 1, static_cast<int>(p.family));
        sqlite3_bind_text(st, 2, p.picture.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, p.attitude.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 4, p.prefix ? 1 : 0);
        sqlite3_bind_int(st, 5, static_cast<int>(p.limb));
        sqlite3_bind_int(st, 6, p.sinister ? 1 : 0);
        sqlite3_bind_double(st, 7, p.dx);
        sqlite3_bind_double(st, 8, p.dy);
        if (sqlite3_step(st) != SQLITE_DONE) return Fail(row.where + ": " + sqlite3_errmsg(db)), 1;
    }
    sqlite3_finalize(st);
    if (sqlite3_exec(db, "COMMIT;", nullptr, nullptr, &error) != SQLITE_OK) return Fail(error ? error : "commit"), 1;
    sqlite3_close(db);
    if (std::rename(temporary.c_str(), output.c_str()) != 0) return Fail("cannot write " + output), 1;
    return 0;
}
