#include "database/UserDatabase.h"

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "database/BlazonSchema.h"
#include "database/Salvage.h"
#include "database/SafeFiles.h"
#include "database/SqliteConnection.h"

namespace esc::db {
namespace fs = std::filesystem;
namespace {

// The fixed parts of what the user is told.
namespace note {
constexpr const char* kInUse = "Your blazon database is in use by another program; try again later.";
constexpr const char* kShownReadOnly = "It is shown read-only meanwhile: entries cannot be added or changed.";
constexpr const char* kShippedShown = "The shipped entries are shown meanwhile; entries cannot be added.";
constexpr const char* kShippedOnly = "The shipped entries are shown; entries cannot be added.";
constexpr const char* kRecoverHint =
    "Nothing in the kept file has been changed; \"escaval salvage\" reads it again into a database of its own.";
}  // namespace note

// Another copy of the program may be making or replacing the file: the attempts start again
// from the top when the file changed under us, at most this often.
constexpr int kMaxAttempts = 3;


// The four fields as they are added to a table that lacks them.
struct FieldDefinition {
    const char* name;
    const char* definition;
};
constexpr FieldDefinition kBlazonFields[] = {
    {"surname", "Surname TEXT COLLATE NOCASE DEFAULT ''"},
    {"id", "Id INTEGER DEFAULT 0"},
    {"blazon", "Blazon TEXT DEFAULT ''"},
    {"origin", "Origin TEXT COLLATE NOCASE DEFAULT 'A'"},
};

bool IsShippedFileUsable(const std::string& path) {
    Connection c;
    if (!c.Open(ReadOnlyUri(path), SQLITE_OPEN_READONLY, kStartupBusyTimeoutMs)) return false;
    return c.Text("SELECT count(*) FROM pragma_table_info('escaval1') WHERE lower(name) IN ('surname', 'id', 'blazon', 'origin')") ==
           std::optional<std::string>("4");
}

// Adds what the user's database lacks: the blazon table, any of its four fields, its index and
// the tables of facts and offered shipped entries. Runs inside the caller's write transaction.
bool RepairSchema(Connection& c, bool& repaired) {
    // Only the user's own file counts: the shipped one is attached under the same table name.
    const auto present = c.Column("SELECT lower(name) FROM pragma_table_info('escaval1', 'main')");
    if (!present) return false;
    if (present->empty()) {
        repaired = true;
        if (!c.Exec(kCreateBlazonTableSql)) return false;
    } else {
        for (const FieldDefinition& f : kBlazonFields) {
            bool found = false;
            for (const std::string& name : *present) found = found || name == f.name;
            if (found) continue;
            repaired = true;
            if (!c.Exec(std::string("ALTER TABLE escaval1 ADD COLUMN ") + f.definition)) return false;
        }
        if (!c.Exec("CREATE INDEX IF NOT EXISTS esvnme ON escaval1 (Surname, Id)")) return false;
    }
    return c.Exec(std::string(kCreateInfoTableSql) + kCreateShippedTableSql);
}

// Adds to the open database every shipped entry it was not offered before and records the
// shipped digest. Runs inside the caller's write transaction; the shipped file is attached.
bool TakeInShipped(Connection& c, int& added) {
    added = 0;
    const auto digest = c.Text("SELECT Value FROM shipped.escaval_info WHERE Key = ?", std::string(kArmorialDigestKey));
    const auto merged = c.Text("SELECT Value FROM escaval_info WHERE Key = ?", std::string(kMergedDigestKey));
    if (digest && digest == merged) return true;
    // A database made before the program remembered its shipped entries: what it holds with
    // Origin 'T' counts as offered.
    bool ok = c.Exec("INSERT OR IGNORE INTO shipped_entries SELECT Surname, Blazon FROM escaval1 WHERE Origin = 'T'"
                     " AND NOT EXISTS (SELECT 1 FROM escaval_info WHERE Key = 'merged_digest')");
    ok = ok && c.Exec("INSERT INTO escaval1 (Surname, Id, Blazon, Origin)"
                      " SELECT s.Surname, s.Id, s.Blazon, 'T' FROM shipped.escaval1 AS s WHERE NOT EXISTS"
                      " (SELECT 1 FROM shipped_entries AS o WHERE o.Surname = s.Surname AND o.Blazon = s.Blazon)"
                      " ORDER BY s.rowid");
    if (ok) added = sqlite3_changes(c.Get());
    ok = ok && c.Exec("INSERT OR IGNORE INTO shipped_entries SELECT Surname, Blazon FROM shipped.escaval1");
    ok = ok && c.Exec("INSERT OR REPLACE INTO escaval_info VALUES ('merged_digest', " + SqlString(digest.value_or("")) + ")");
    if (!ok) added = 0;
    return ok;
}

enum class Outcome { Done, Busy, Failed };

struct Result {
    Outcome outcome = Outcome::Done;
    std::string error;  // SQLite's words when it failed
};

Result FailureOf(Connection& c) { return {c.Busy() ? Outcome::Busy : Outcome::Failed, c.Error()}; }

// One write transaction over the open user's database: mends its schema and takes in the new
// shipped entries. Taking the write lock also tells whether another program is writing.
Result UpdateInPlace(Connection& c, const std::string& shippedPath, bool& repaired, int& added) {
    repaired = false;
    added = 0;
    const bool withShipped = !shippedPath.empty() && IsShippedFileUsable(shippedPath);
    if (withShipped && !c.Exec("ATTACH DATABASE " + SqlString(ReadOnlyUri(shippedPath)) + " AS shipped")) return FailureOf(c);
    Result result;
    if (!c.Exec("BEGIN IMMEDIATE")) {
        result = FailureOf(c);
    } else if (!RepairSchema(c, repaired) || (withShipped && !TakeInShipped(c, added)) || !c.Exec("COMMIT")) {
        result = FailureOf(c);
        c.Exec("ROLLBACK");
    }
    if (result.outcome != Outcome::Done) repaired = false, added = 0;
    if (withShipped) c.Exec("DETACH DATABASE shipped");
    return result;
}

// What a read-write open and SQLite's integrity check say of the user's database.
enum class Health { Sound, Damaged, Busy, Unusable };

struct Examination {
    Health health = Health::Sound;
    std::string error;
    bool readOnlyFile = false;  // the file or its folder refuses writing
};

// Opening read-write lets SQLite undo an interrupted write from its journal before anything is
// read; a read-only open cannot, and would take such a file for a damaged one.
Examination Examine(Connection& c, const std::string& path, int busyTimeoutMs) {
    Examination e;
    if (!c.Open(path, SQLITE_OPEN_READWRITE, busyTimeoutMs)) {
        e.health = Health::Unusable;
        e.error = c.Error();
        return e;
    }
    e.readOnlyFile = c.ReadOnly();
    const auto check = c.Column("PRAGMA integrity_check");
    if (check) {
        if (check->size() != 1 || check->front() != "ok") e.health = Health::Damaged;
        return e;
    }
    e.error = c.Error();
    switch (c.Code()) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED: e.health = Health::Busy; break;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB: e.health = Health::Damaged; break;
        default: e.health = Health::Unusable; break;  // out of memory, an I/O error: nothing is proven
    }
    return e;
}

// Whether the user's entries can be read at all while another program holds the file.
bool CanBeRead(const std::string& path) {
    Connection c;
    return c.Open(ReadOnlyUri(path), SQLITE_OPEN_READONLY, 0) && c.Text("SELECT count(*) FROM escaval1").has_value();
}

// Builds a new user database at `target` from `salvaged` rows and the shipped entries. It is
// written to a temporary file of its own beside `target` and put in place only if no other
// process made `target` meanwhile, so `target` is always either absent or complete.
InstallResult CreateUserDatabase(const std::string& target, const std::string& shippedPath,
                                 const std::vector<SalvagedRow>& salvaged, int& added, std::string& error) {
    const auto temporary = MakeTemporaryBeside(target, &error);
    if (!temporary) return InstallResult::Failed;
    bool ok;
    {
        Connection c;
        ok = c.Open(*temporary, SQLITE_OPEN_READWRITE, kStartupBusyTimeoutMs);
        ok = ok && c.Exec(std::string(kCreateBlazonTableSql) + kCreateInfoTableSql + kCreateShippedTableSql);
        ok = ok && InsertSalvagedRows(c, salvaged);
        bool repaired = false;
        ok = ok && UpdateInPlace(c, shippedPath, repaired, added).outcome == Outcome::Done;
        if (!ok) error = c.Error();
    }
    if (!ok) {
        std::error_code ec;
        fs::remove(*temporary, ec);
        return InstallResult::Failed;
    }
    return InstallWithoutReplacing(*temporary, target, &error);
}

std::string AsideName(const std::string& path) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string name = path + ".damaged-" + stamp;
    std::error_code ec;
    for (int n = 2; fs::exists(name, ec); ++n) name = path + ".damaged-" + stamp + "-" + std::to_string(n);
    return name;
}

std::string Plural(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

// The work of one start-up; `result` collects what happened.
class Preparation {
public:
    Preparation(const std::string& shippedPath, const std::string& userDir, const PrepareOptions& options, UserDatabase& result)
        : shippedPath_(shippedPath), userDir_(userDir), options_(options), result_(result) {
        std::error_code ec;
        haveShipped_ = fs::exists(shippedPath, ec);
        userPath_ = (fs::path(userDir) / kBlazonFileName).string();
    }

    void Run();

private:
    enum class Step { Finished, Again };
    Step Attempt();
    Step Create();
    Step UseSound(Connection& c, bool readOnlyFile);
    Step SetAside(const std::optional<FileIdentity>& examined);
    void InUse();
    void ShowShipped(const std::string& why);
    std::chrono::milliseconds Wait() const { return std::chrono::milliseconds(options_.busyTimeoutMs); }

    const std::string& shippedPath_;
    const std::string& userDir_;
    const PrepareOptions& options_;
    UserDatabase& result_;
    std::string userPath_;
    bool haveShipped_ = false;
};

void Preparation::ShowShipped(const std::string& why) {
    result_.notes.push_back(why);
    if (haveShipped_) {
        result_.path = shippedPath_;
        result_.readOnly = true;
        result_.notes.emplace_back(note::kShippedOnly);
    }
}

void Preparation::Run() {
    std::error_code ec;
    fs::create_directories(userDir_, ec);
    if (ec || !fs::is_directory(userDir_, ec)) {
        ShowShipped("Cannot make the folder '" + userDir_ + "' for your blazon database" + (ec ? ": " + ec.message() : std::string()) + ".");
        return;
    }
    if (!haveShipped_) result_.notes.push_back("The shipped blazon database '" + shippedPath_ + "' was not found.");
    {
        // Copies of the program make their temporary databases under the folder's lock: holding
        // it, whatever temporary file was there before this start was left by a killed one.
        const auto startedAt = std::chrono::system_clock::now();
        FolderLock lock(userDir_, std::chrono::milliseconds(0));
        if (lock.Held()) RemoveLeftoverTemporaries(userPath_, startedAt);
    }
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt)
        if (Attempt() == Step::Finished) return;
    ShowShipped("Your blazon database '" + userPath_ + "' kept changing while the program started; try again later.");
}

Preparation::Step Preparation::Attempt() {
    std::error_code ec;
    if (!fs::exists(userPath_, ec)) return Create();
    const auto identity = IdentityOf(userPath_);
    Connection c;
    const Examination e = Examine(c, userPath_, options_.busyTimeoutMs);
    switch (e.health) {
        case Health::Sound: return UseSound(c, e.readOnlyFile);
        case Health::Busy: InUse(); return Step::Finished;
        case Health::Damaged: c.Close(); return SetAside(identity);
        case Health::Unusable: break;
    }
    if (!fs::exists(userPath_, ec)) return Step::Again;  // set aside by another copy meanwhile
    // A killed writer's half-done change that this program may not undo reads to SQLite as an
    // attempt to write; the user is told what it is.
    std::string why = e.error;
    c.Close();
    if (std::string undo; !UndoInterruptedWrite(userPath_, &undo)) why = undo;
    ShowShipped("Your blazon database '" + userPath_ + "' cannot be opened: " + why + ". It has been left as it is.");
    return Step::Finished;
}

Preparation::Step Preparation::Create() {
    FolderLock lock(userDir_, Wait());
    std::error_code ec;
    if (fs::exists(userPath_, ec)) return Step::Again;  // another copy made it while we waited
    std::string error;
    switch (CreateUserDatabase(userPath_, shippedPath_, {}, result_.shippedAdded, error)) {
        case InstallResult::Installed: result_.path = userPath_; return Step::Finished;
        case InstallResult::TargetExists: result_.shippedAdded = 0; return Step::Again;
        case InstallResult::Failed: break;
    }
    ShowShipped("Cannot make your blazon database '" + userPath_ + "': " + error);
    return Step::Finished;
}

Preparation::Step Preparation::UseSound(Connection& c, bool readOnlyFile) {
    result_.path = userPath_;
    if (readOnlyFile) {
        result_.readOnly = true;
        result_.notes.push_back("Your blazon database '" + userPath_ + "' is read-only: entries cannot be added or changed.");
        return Step::Finished;
    }
    // SQLite writes a journal beside the database for every change: a folder that refuses new
    // files refuses every change, however writable the file itself is.
    if (::access(userDir_.c_str(), W_OK | X_OK) != 0) {
        result_.readOnly = true;
        result_.notes.push_back("The folder '" + userDir_ +
                                "' of your blazon database is read-only: entries cannot be added or changed.");
        return Step::Finished;
    }
    const Result update = UpdateInPlace(c, shippedPath_, result_.repaired, result_.shippedAdded);
    if (update.outcome == Outcome::Busy) {
        InUse();
    } else if (update.outcome == Outcome::Failed) {
        result_.notes.push_back("Your blazon database could not be brought up to date: " + update.error);
    } else if (result_.repaired) {
        result_.notes.push_back("Your blazon database lacked a table or field the program needs; it has been added, and "
                                "every entry kept.");
    }
    return Step::Finished;
}

void Preparation::InUse() {
    result_.inUse = true;
    std::string told = note::kInUse;
    if (CanBeRead(userPath_)) {
        result_.path = userPath_;
        result_.readOnly = true;
        told += std::string(" ") + note::kShownReadOnly;
    } else if (haveShipped_) {
        result_.path = shippedPath_;
        result_.readOnly = true;
        told += std::string(" ") + note::kShippedShown;
    } else {
        result_.path.clear();
    }
    result_.notes.push_back(told);
}

Preparation::Step Preparation::SetAside(const std::optional<FileIdentity>& examined) {
    FolderLock lock(userDir_, Wait());
    // Another copy of the program may have set it aside and made a new one while we looked.
    if (!examined || IdentityOf(userPath_) != examined) return Step::Again;
    const std::string aside = AsideName(userPath_);
    std::error_code ec;
    fs::rename(userPath_, aside, ec);
    if (ec) {
        ShowShipped("Your blazon database '" + userPath_ + "' is damaged and cannot be set aside: " + ec.message() +
                    ". It has been left as it is.");
        return Step::Finished;
    }
    for (const char* suffix : {"-journal", "-wal", "-shm"}) fs::rename(userPath_ + suffix, aside + suffix, ec);
    result_.setAside = aside;
    const std::vector<SalvagedRow> rows = SalvageBlazonRows(aside);
    result_.recovered = static_cast<int>(rows.size());
    result_.recoveredOwn = CountOwnRows(rows);
    std::string error;
    const InstallResult made = CreateUserDatabase(userPath_, shippedPath_, rows, result_.shippedAdded, error);
    std::string told = "Your blazon database was damaged. It has been kept as '" + aside + "'";
    if (made == InstallResult::Installed) {
        result_.path = userPath_;
        told += ", and a new one made with the " + Plural(result_.recovered, "entry", "entries") + " that could be read from it (" +
                Plural(result_.recoveredOwn, "of your own", "of your own") + "). ";
        result_.notes.push_back(told + note::kRecoverHint);
        return Step::Finished;
    }
    if (made == InstallResult::TargetExists) {
        result_.notes.push_back(told + "; another copy of the program made a new one meanwhile, which is used. " + note::kRecoverHint);
        return Step::Again;
    }
    ShowShipped(told + ", but a new one cannot be made: " + error);
    return Step::Finished;
}

}  // namespace

bool UndoInterruptedWrite(const std::string& path, std::string* error) {
    std::error_code ec;
    const std::string journal = path + "-journal";
    if (!fs::is_regular_file(journal, ec) || fs::file_size(journal, ec) == 0 || ec) return true;
    {
        // A journal that is not left over (another program is writing now, or keeps its
        // journals) leaves the database readable.
        Connection reader;
        if (reader.Open(ReadOnlyUri(path), SQLITE_OPEN_READONLY, 0) && reader.Text("SELECT count(*) FROM sqlite_master"))
            return true;
    }
    Connection c;
    if (c.Open(path, SQLITE_OPEN_READWRITE, kStartupBusyTimeoutMs) && !c.ReadOnly() &&
        c.Text("SELECT count(*) FROM sqlite_master"))
        return true;
    if (c.Busy()) return true;  // a writer at work: the open that follows says so
    if (error) {
        *error = "a program was stopped part way through writing to it, and what it left half done (in '" + journal +
                 "') can only be undone by a program that may write to the database and its folder";
        const std::string why = c.ReadOnly() ? "the file is read-only" : c.Error();
        if (!why.empty()) *error += " (" + why + ")";
    }
    return false;
}

std::string EntriesDigest(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::uint64_t h = 14695981039346656037ull;
    const auto mix = [&h](std::string_view s) {
        for (unsigned char c : s) {
            h ^= c;
            h *= 1099511628211ull;
        }
    };
    for (const auto& [surname, blazon] : entries) {
        mix(surname);
        mix("\t");
        mix(blazon);
        mix("\n");
    }
    char out[17];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(h));
    return out;
}

UserDatabase PrepareUserDatabase(const std::string& shippedPath, const std::string& userDir, const PrepareOptions& options) {
    UserDatabase result;
    Preparation(shippedPath, userDir, options, result).Run();
    return result;
}

}  // namespace esc::db
