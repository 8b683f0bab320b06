#pragma once
// Reading what can still be read from a damaged blazon database.

#include <string>
#include <vector>

namespace esc::db {

struct SalvagedRow {
    std::string surname;
    long long id = 0;
    std::string blazon;
    std::string origin;
};

// How many damaged stretches of the table are stepped over before giving up.
inline constexpr int kMaxSalvageHoles = 1000;

// Every row of the blazon table in the file at `path` that can still be read, in rowid order.
// The file is opened read-only and stays as it is. A row on a damaged page is lost; the reading
// goes on after it. Fields the table lacks take their defaults (Id 0, Origin 'A').
std::vector<SalvagedRow> SalvageBlazonRows(const std::string& path);

}  // namespace esc::db
