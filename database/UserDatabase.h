#pragma once
// The user's own blazon database. The program never writes beside itself: on first run it
// makes the user's copy from the shipped database, and a later version's new shipped entries are
// added to that copy without touching what the user added or changed.
//
// The user's entries are never thrown away. A database that SQLite opens for writing is used as
// it is (an interrupted write is undone by SQLite itself when it is opened so); one that another
// program holds is shown read-only or not at all, and left alone; only a file that fails
// SQLite's integrity check, or is not a database at all, is set aside under a new name, and
// every entry that can still be read from it goes into the new one.

#include <string>
#include <vector>

namespace esc::db {

// How long start-up waits for another program that holds the user's database: longer than any
// write of this program takes, short enough not to leave the user wondering.
inline constexpr int kStartupBusyTimeoutMs = 5000;

struct PrepareOptions {
    int busyTimeoutMs = kStartupBusyTimeoutMs;
};

struct UserDatabase {
    std::string path;                // the database the window opens; empty when there is none
    bool readOnly = false;           // open it read-only: additions and edits are refused
    bool inUse = false;              // another program held the user's database past the wait
    bool repaired = false;           // a missing table or field was added in place
    std::string setAside;            // where a damaged database was kept; empty when none was
    std::vector<std::string> notes;  // what the user should be told, in order
    int shippedAdded = 0;            // shipped entries new to the user's database this time
    int recovered = 0;               // entries saved from a damaged database
    int recoveredOwn = 0;            // of those, the user's own (Origin 'A')
};

// Makes sure `userDir`/escaval1.db exists, is sound and holds every shipped entry of
// `shippedPath` that it was not offered before. Safe when two copies of the program start at
// once: one makes the database and the other opens it.
UserDatabase PrepareUserDatabase(const std::string& shippedPath, const std::string& userDir,
                                 const PrepareOptions& options = {});

// Undoes what a writer that was stopped part way through (killed, or its machine lost power)
// left half done in the database at `path`, so that it can be opened read-only: SQLite plays the
// journal back only on a connection that may write. True when the database can be read now
// (there was nothing to undo, or it was undone); false with `error` saying plainly why not.
bool UndoInterruptedWrite(const std::string& path, std::string* error);

// The digest that identifies a set of shipped entries ("Surname\tBlazon\n" per entry, in
// order): 64-bit FNV-1a as 16 hex digits.
std::string EntriesDigest(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace esc::db
