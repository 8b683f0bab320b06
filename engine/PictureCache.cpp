#include "engine/PictureCache.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <system_error>

namespace esc {
namespace {

struct FileStamp {
    bool ok = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
};

// One look at the file (a directory entry asks the system again for its size and its time).
FileStamp StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    FileStamp stamp;
    stamp.size = static_cast<std::uintmax_t>(st.st_size);
    const auto since = std::chrono::seconds(st.st_mtim.tv_sec) + std::chrono::nanoseconds(st.st_mtim.tv_nsec);
    stamp.modified = std::chrono::file_clock::from_sys(std::chrono::sys_time<std::chrono::nanoseconds>(since));
    stamp.ok = true;
    return stamp;
}

}  // namespace

bool PictureCache::Restore(const std::string& path, ChargePicture& picture) {
    const FileStamp stamp = StampOf(path);
    if (!stamp.ok) return false;
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(path);
    if (found == entries_.end()) return false;
    const Entry& e = found->second;
    if (e.fileSize != stamp.size || e.modified != stamp.modified) {
        entries_.erase(found);
        return false;
    }
    ++hits_;
    picture.verdict = e.verdict;
    picture.damage = e.damage;
    if (e.verdict != PictureVerdict::Sound) {
        picture.complete = false;
        return true;
    }
    picture.PW = e.PW;
    picture.PH = e.PH;
    picture.header = e.header;
    picture.complete = true;
    const std::size_t n = std::min(e.pixels.size(), picture.buffer.size());
    std::copy_n(e.pixels.begin(), n, picture.buffer.begin());
    picture.print = n == e.pixels.size() ? e.print : std::nullopt;
    return true;
}

void PictureCache::Keep(const std::string& path, const ChargePicture& picture) {
    const bool sound = picture.verdict == PictureVerdict::Sound && picture.complete && picture.PW > 0 && picture.PH > 0;
    if (!sound && picture.verdict != PictureVerdict::Damaged) return;
    const FileStamp stamp = StampOf(path);
    if (!stamp.ok) return;
    Entry e;
    e.fileSize = stamp.size;
    e.modified = stamp.modified;
    if (!sound) {
        e.verdict = PictureVerdict::Damaged;
        e.damage = picture.damage;
        std::lock_guard lock(mutex_);
        entries_.insert_or_assign(path, std::move(e));
        return;
    }
    e.PW = picture.PW;
    e.PH = picture.PH;
    e.header = picture.header;
    const std::size_t area = static_cast<std::size_t>(picture.PW) * static_cast<std::size_t>(picture.PH);
    const std::size_t n = std::min(area, picture.buffer.size());
    e.pixels.assign(picture.buffer.begin(), picture.buffer.begin() + static_cast<std::ptrdiff_t>(n));
    e.print = picture.print;
    std::lock_guard lock(mutex_);
    entries_.insert_or_assign(path, std::move(e));
}

namespace {
std::string DrawnKey(const std::string& drawingPath, double k) {
    char scale[32];
    std::snprintf(scale, sizeof scale, "%.17g", k);
    return drawingPath + '\n' + scale;
}
}  // namespace

bool PictureCache::RestoreDrawn(const std::string& drawingPath, double k, ChargePicture& picture) {
    const FileStamp stamp = StampOf(drawingPath + ".svg");
    if (!stamp.ok) return false;
    std::lock_guard lock(mutex_);
    const auto found = drawn_.find(DrawnKey(drawingPath, k));
    if (found == drawn_.end()) return false;
    if (found->second.fileSize != stamp.size || found->second.modified != stamp.modified) {
        drawn_.erase(found);
        return false;
    }
    ++hits_;
    picture.buffer = found->second.picture.buffer;
    picture.PW = found->second.picture.PW;
    picture.PH = found->second.picture.PH;
    picture.print = found->second.picture.print;
    return true;
}

void PictureCache::KeepDrawn(const std::string& drawingPath, double k, const ChargePicture& picture) {
    const FileStamp stamp = StampOf(drawingPath + ".svg");
    if (!stamp.ok) return;
    DrawnEntry e{stamp.size, stamp.modified, {}};
    e.picture.buffer = picture.buffer;
    e.picture.PW = picture.PW;
    e.picture.PH = picture.PH;
    e.picture.print = picture.print;
    std::lock_guard lock(mutex_);
    drawn_.insert_or_assign(DrawnKey(drawingPath, k), std::move(e));
}

std::size_t PictureCache::Size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

std::uint64_t PictureCache::Hits() const {
    std::lock_guard lock(mutex_);
    return hits_;
}

}  // namespace esc
