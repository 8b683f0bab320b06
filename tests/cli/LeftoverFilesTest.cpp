// Runs of the command line after others were killed while they wrote. No temporary file of a
// killed run stays in the folder a run writes (files of other names, and the temporary file of
// a writer still at work, are left alone); a database that a killed writer left half changed is
// put right before it is read, or the run says why it cannot be.

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "database/BlazonSchema.h"
#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Names the writer gives its temporary files: ".NAME.tmp-" and eight hex digits.
std::vector<std::string> Temporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.find(".tmp-") != std::string::npos) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Starts the program with `args`, its outputs thrown away; returns its process id.
pid_t Start(const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        std::vector<char*> argv{const_cast<char*>(ESCAVAL_EXE)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(ESCAVAL_EXE, argv.data());
        ::_exit(127);
    }
    return pid;
}

// The number of entries in the folder, or -1 while there is none.
int Entries(const fs::path& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) return -1;
    return static_cast<int>(std::distance(it, fs::directory_iterator()));
}

// Kills the run `pid` once `folder` holds `entries` files (0: as soon as the folder is made), or
// at once if it ended first; waits for it.
void KillOnceWritten(pid_t pid, const fs::path& folder, int entries) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Entries(folder) >= entries || std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(1ms);
    }
}

class Leftovers : public CommandLine {
protected:
    static constexpr int kEntries = 160;
    fs::path list = dir / "list.txt";
    fs::path out = dir / "shields";
    void SetUp() override {
        CommandLine::SetUp();
        std::ofstream file(list);
        const char* blazons[] = {"Azure a bend or", "Gules three lions passant guardant or", "Quarterly or and gules",
                                 "Argent a chevron between three mullets sable"};
        for (int i = 0; i < kEntries; ++i) file << blazons[i % 4] << "\n";
    }
    std::vector<std::string> BatchArgs() const {
        return {"batch", "--data", ESCAVAL_DATA_DIR, "--jobs", "2", "-o", out.string(), list.string()};
    }
};

TEST_F(Leftovers, AWholeBatchClearsWhatKilledBatchesLeft) {
    // Killed while they write, at moments spread over the run (told by the files written so
    // far), into an empty folder and over earlier pictures.
    for (int round = 0; round < 8; ++round) {
        const pid_t pid = Start(BatchArgs());
        ASSERT_GT(pid, 0);
        KillOnceWritten(pid, out, 1 + 4 * round);
    }
    // What a killed run of an earlier version left, a temporary file whose writer is still at
    // work, and files that only look like temporary files.
    fs::create_directories(out);
    const std::vector<std::string> killed = {".0001.png.tmp-0badf00d", ".index.json.tmp-1234abcd"};
    for (const std::string& name : killed) std::ofstream(out / name) << "half written";
    const std::string held = ".0002.png.tmp-aaaa5555";
    std::ofstream(out / held) << "being written";
    const int writer = ::open((out / held).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    const std::vector<std::string> others = {"notes.tmp-12345678", ".0003.png.tmp-XYZ", ".0004.png.tmp-123456789"};
    for (const std::string& name : others) std::ofstream(out / name) << "the user's";

    const Outcome r = Escaval("batch " + Data() + "--jobs 2 -o '" + out.string() + "' '" + list.string() + "'");
    ::close(writer);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> expected = {held, "notes.tmp-12345678", ".0003.png.tmp-XYZ", ".0004.png.tmp-123456789"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Temporaries(out), expected);
    EXPECT_TRUE(fs::exists(out / "0160.png"));
}

TEST_F(Leftovers, ADrawingClearsWhatKilledDrawingsLeftBesideIt) {
    const fs::path picture = dir / "shield.png";
    for (int round = 0; round < 8; ++round) {
        const pid_t pid = Start({"draw", "--data", ESCAVAL_DATA_DIR, "-o", picture.string(), "Azure a bend or"});
        std::this_thread::sleep_for(std::chrono::milliseconds(2 + 3 * round));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    std::ofstream(dir / ".shield.png.tmp-00c0ffee") << "half written";
    std::ofstream(dir / ".other.png.tmp-00c0ffee") << "half written";
    const Outcome r = Draw("-o '" + picture.string() + "' 'Gules a fess argent'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Temporaries(dir).empty()) << Temporaries(dir).front();
}

// The user's database after a writer was killed part way through a change: `batch --database`
// undoes the change and draws the entries as they were; one that may not write there says so.
TEST_F(CommandLine, BatchOfTheDatabaseAfterAKilledWriter) {
    const fs::path home = dir / "home", user = home / "escaval" / "escaval1.db";
    fs::create_directories(user.parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(user.c_str(), &db), SQLITE_OK);
    const std::string make = std::string(db::kCreateBlazonTableSql) +
                             "INSERT INTO escaval1 VALUES ('Smith', 0, 'Azure a bend or', 'A'),"
                             " ('Jones', 0, 'Or a fess gules', 'A'), ('Percy', 1, 'Or a lion rampant azure', 'T')";
    ASSERT_EQ(sqlite3_exec(db, make.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const auto leaveHalfDone = [&] {
        const pid_t writer = ::fork();
        if (writer == 0) {
            sqlite3* w = nullptr;
            sqlite3_open(user.c_str(), &w);
            const char* sql = "PRAGMA cache_size = 5; BEGIN; DELETE FROM escaval1;"
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)"
                              " INSERT INTO escaval1 SELECT 'Half' || i, 0, 'Argent', 'A' FROM n";
            ::_exit(sqlite3_exec(w, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 1);  // no commit, no close
        }
        int status = 0;
        ::waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_GT(fs::file_size(user.string() + "-journal"), 0u);
    };
    const std::string batch = "batch " + Data() + "--database -o '" + (dir / "shields").string() + "'";
    const std::string asUser = "XDG_DATA_HOME='" + home.string() + "' exec ";

    // One that may not write to the database or its folder is told what is wrong.
    leaveHalfDone();
    fs::permissions(user, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(user.string() + "-journal", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(user.parent_path(), fs::perms::owner_write, fs::perm_options::remove);
    const bool root = ::geteuid() == 0;
    const Outcome refused = Escaval(batch, asUser + (root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : ""));
    fs::permissions(user.parent_path(), fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(user, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("stopped part way through writing to it"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find("attempt to write a readonly database"), std::string::npos) << refused.err;

    // One that may write undoes the change.
    const Outcome r = Escaval(batch, asUser);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("3 drawn"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::exists(dir / "shields" / "Smith-1.png"));
    // And so does a roll of the database.
    leaveHalfDone();
    const Outcome roll = Escaval("roll " + Data() + "--database -o '" + (dir / "roll.pdf").string() + "'", asUser);
    EXPECT_EQ(roll.status, 0) << roll.err;
    EXPECT_TRUE(fs::exists(dir / "roll.pdf"));
    EXPECT_FALSE(fs::exists(user.string() + "-journal") && fs::file_size(user.string() + "-journal") > 0);
}

}  // namespace
}  // namespace esc::test
