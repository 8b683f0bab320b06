#pragma once
// A file layer over SQLite's own that stops the process at one chosen moment of a commit, so a
// kill lands exactly there and not a moment sooner or later. Registered as the default in a
// child process only. The layer lives in the object: no globals.

#include <sqlite3.h>

#include <cstring>
#include <functional>
#include <string_view>

namespace esc::test {

enum class CommitMoment {
    None,
    FirstDatabaseWrite,  // the journal is written and synced; the database pages are being written
    JournalDelete,       // every page is in the database; the journal is about to be removed
};

class PausingVfs {
public:
    // `stop` is called once, at `moment`, after Arm(); it is expected not to return.
    PausingVfs(CommitMoment moment, std::function<void()> stop) : moment_(moment), stop_(std::move(stop)) {
        real_ = sqlite3_vfs_find(nullptr);
        vfs_ = *real_;
        vfs_.szOsFile = static_cast<int>(sizeof(File)) + real_->szOsFile;
        vfs_.zName = "pausing";
        vfs_.pAppData = this;
        vfs_.pNext = nullptr;
        vfs_.xOpen = &Open;
        vfs_.xDelete = &Delete;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~PausingVfs() { sqlite3_vfs_unregister(&vfs_); }
    PausingVfs(const PausingVfs&) = delete;
    PausingVfs& operator=(const PausingVfs&) = delete;

    void Arm() { armed_ = true; }

private:
    struct File {
        sqlite3_file base;
        PausingVfs* owner;
        bool mainDatabase;
        sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    };

    static PausingVfs& Of(sqlite3_vfs* vfs) { return *static_cast<PausingVfs*>(vfs->pAppData); }
    static File& Of(sqlite3_file* f) { return *reinterpret_cast<File*>(f); }

    void StopAt(CommitMoment m) {
        if (armed_ && moment_ == m) {
            armed_ = false;
            stop_();
        }
    }

    static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags) {
        PausingVfs& self = Of(vfs);
        File& f = Of(file);
        f.owner = &self;
        f.mainDatabase = (flags & SQLITE_OPEN_MAIN_DB) != 0;
        f.base.pMethods = nullptr;
        const int rc = self.real_->xOpen(self.real_, name, f.Real(), flags, outFlags);
        if (f.Real()->pMethods) f.base.pMethods = &kMethods;
        return rc;
    }
    static int Delete(sqlite3_vfs* vfs, const char* name, int syncDir) {
        PausingVfs& self = Of(vfs);
        const std::string_view n = name ? name : "";
        if (n.size() > 8 && n.substr(n.size() - 8) == "-journal") self.StopAt(CommitMoment::JournalDelete);
        return self.real_->xDelete(self.real_, name, syncDir);
    }

    static int Close(sqlite3_file* f) { return Of(f).Real()->pMethods->xClose(Of(f).Real()); }
    static int Read(sqlite3_file* f, void* p, int n, sqlite3_int64 at) { return Of(f).Real()->pMethods->xRead(Of(f).Real(), p, n, at); }
    static int Write(sqlite3_file* f, const void* p, int n, sqlite3_int64 at) {
        if (Of(f).mainDatabase) Of(f).owner->StopAt(CommitMoment::FirstDatabaseWrite);
        return Of(f).Real()->pMethods->xWrite(Of(f).Real(), p, n, at);
    }
    static int Truncate(sqlite3_file* f, sqlite3_int64 n) { return Of(f).Real()->pMethods->xTruncate(Of(f).Real(), n); }
    static int Sync(sqlite3_file* f, int flags) { return Of(f).Real()->pMethods->xSync(Of(f).Real(), flags); }
    static int FileSize(sqlite3_file* f, sqlite3_int64* n) { return Of(f).Real()->pMethods->xFileSize(Of(f).Real(), n); }
    static int Lock(sqlite3_file* f, int l) { return Of(f).Real()->pMethods->xLock(Of(f).Real(), l); }
    static int Unlock(sqlite3_file* f, int l) { return Of(f).Real()->pMethods->xUnlock(Of(f).Real(), l); }
    static int CheckReserved(sqlite3_file* f, int* out) { return Of(f).Real()->pMethods->xCheckReservedLock(Of(f).Real(), out); }
    static int FileControl(sqlite3_file* f, int op, void* arg) { return Of(f).Real()->pMethods->xFileControl(Of(f).Real(), op, arg); }
    static int SectorSize(sqlite3_file* f) { return Of(f).Real()->pMethods->xSectorSize(Of(f).Real()); }
    static int Device(sqlite3_file* f) { return Of(f).Real()->pMethods->xDeviceCharacteristics(Of(f).Real()); }

    // Version 1: no shared memory and no memory mapping, which the rollback journal does not use.
    static constexpr sqlite3_io_methods kMethods = {
        1, &Close, &Read, &Write, &Truncate, &Sync, &FileSize, &Lock, &Unlock, &CheckReserved, &FileControl,
        &SectorSize, &Device, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

    sqlite3_vfs vfs_{};
    sqlite3_vfs* real_ = nullptr;
    CommitMoment moment_;
    std::function<void()> stop_;
    bool armed_ = false;
};

}  // namespace esc::test
