#pragma once
// The user's own blazon database. The program never writes beside itself: on first run it
// makes the user's copy from the shipped database, and a later version's new shipped entries are
// added to that copy without touching what the user added or changed.

#include <string>
#include <vector>

namespace esc::db {

struct UserDatabase {
    std::string path;                // the database the window opens; empty when there is none
    bool readOnly = false;           // open it read-only: additions and edits are refused
    std::vector<std::string> notes;  // what the user should be told, in order
    int shippedAdded = 0;            // shipped entries new to the user's database this time
    int recovered = 0;               // entries saved from a damaged database
};

// Makes sure `userDir`/escaval1.db exists, is sound and holds every shipped entry of
// `shippedPath` that it was not offered before. A damaged file is kept beside it under a new
// name; what can be read of it goes into the new database.
UserDatabase PrepareUserDatabase(const std::string& shippedPath, const std::string& userDir);

// The digest that identifies a set of shipped entries ("Surname\tBlazon\n" per entry, in
// order): 64-bit FNV-1a as 16 hex digits.
std::string EntriesDigest(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace esc::db
