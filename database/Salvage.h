#pragma once
// Reading what can still be read from a damaged blazon database.

#include <string>
#include <vector>

#include "database/SafeFiles.h"

namespace esc::db {

class Connection;

struct SalvagedRow {
    std::string surname;
    long long id = 0;
    std::string blazon;
    std::string origin;
};

// How many damaged stretches of the table are stepped over before giving up.
inline constexpr int kMaxSalvageHoles = 1000;

// Every row of the blazon table in the file at `path` that can still be read, in rowid order.
// The file is opened read-only and stays as it is. The schema is read tolerantly (a file cut
// short fails every ordinary query, even of the schema); the rows are read through the table's
// tree rowid by rowid, stepping over damaged pages, and then every page of the file that is laid
// out as a page of the table's rows is read on its own, so that rows under a damaged inner page
// come back too. Pages on the file's list of free pages are left out: they hold deleted rows.
// Fields the table lacks take their defaults (Id 0, Origin 'A').
std::vector<SalvagedRow> SalvageBlazonRows(const std::string& path);

// How many of `rows` are the user's own (any Origin but 'T').
int CountOwnRows(const std::vector<SalvagedRow>& rows);

// Writes `rows` into the blazon table of the open, empty database `c` and records the shipped
// ones among them as offered. One transaction; false when it failed (c.Error() says why).
bool InsertSalvagedRows(Connection& c, const std::vector<SalvagedRow>& rows);

// Makes a new, sound database at `target` holding `rows`: written beside it under a temporary
// name and put in place only if `target` does not exist. Never replaces a file.
InstallResult WriteSalvagedDatabase(const std::string& target, const std::vector<SalvagedRow>& rows, std::string* error);

}  // namespace esc::db
