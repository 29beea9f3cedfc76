// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace zormade {
namespace {

constexpr std::string_view kTemporarySuffix = ".XXXXXX";

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, so that a failed close is seen.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool IsAlphanumeric(std::string_view text) {
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            return false;
        }
    }
    return true;
}

// "<name>." and six letters or digits, as mkstemp makes them; the earlier settings code left
// "<name>.XXXXXX.XXXXXX" and "<name>.XXXXXX.lock" behind as well.
bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    if (entry.size() < name.size() + 7 || entry.substr(0, name.size()) != name ||
        entry[name.size()] != '.') {
        return false;
    }
    const std::string_view rest = entry.substr(name.size() + 1);
    if (!IsAlphanumeric(rest.substr(0, 6))) return false;
    const std::string_view tail = rest.substr(6);
    return tail.empty() || tail == ".lock" ||
           (tail.size() == 7 && tail[0] == '.' && IsAlphanumeric(tail.substr(1)));
}

}  // namespace

ProfileFileText ReadProfileFile(const std::string& path) {
    ProfileFileText result;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) result.error = errno;
        return result;
    }
    result.exists = true;
    if (!S_ISREG(status.st_mode)) {
        result.error = kNotARegularFile;
        return result;
    }
    // Without blocking, in case something else took the regular file's place since the stat.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) {
        result.error = errno;
        return result;
    }
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        result.error = kNotARegularFile;
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.error = errno;
            result.text.clear();
            return result;
        }
        if (got == 0) return result;
        result.text.append(buffer, static_cast<std::size_t>(got));
    }
}

int ReplaceProfileFile(const std::string& path, std::string_view text) {
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) return kNotARegularFile;
        mode = status.st_mode & 07777;
        // Root may write anything; a file nobody may write is still meant to stay as it is.
        if ((mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return kReadOnly;
    }
    std::string temporary = path + std::string(kTemporarySuffix);
    Descriptor file(::mkstemp(temporary.data()));
    if (file.Get() < 0) return errno;
    int error = ::fchmod(file.Get(), mode) == 0 ? 0 : errno;
    if (error == 0) error = WriteAll(file.Get(), text);
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    if (error == 0) error = file.Close();
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    // The rename itself reaches the disk with the folder's own sync.
    Descriptor folder(::open(std::filesystem::path(path).parent_path().c_str(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
    return 0;
}

std::string LinkTarget(const std::string& path) {
    std::filesystem::path target = path;
    std::error_code error;
    // The kernel's own limit on links in a row.
    for (int links = 0; links < 40 && std::filesystem::is_symlink(target, error); ++links) {
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::filesystem::path profile = path;
    const std::string folder = profile.parent_path().empty() ? "." : profile.parent_path().string();
    const std::string name = profile.filename().string();
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) return;
    while (const dirent* entry = ::readdir(entries)) {
        if (!IsTemporaryOf(entry->d_name, name)) continue;
        const std::string stale = folder + "/" + entry->d_name;
        struct stat status {};
        if (::lstat(stale.c_str(), &status) == 0 && S_ISREG(status.st_mode)) ::unlink(stale.c_str());
    }
    ::closedir(entries);
}

ProfileLock::ProfileLock(const std::string& profilePath) {
    const std::string lockPath = profilePath + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        error_ = errno;
        return;
    }
}

ProfileLock::~ProfileLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace zormade
