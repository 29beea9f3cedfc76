// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace zormade {
namespace {

constexpr std::string_view kTemporaryMark = ".~tmp~";
constexpr std::string_view kTemporaryX = "XXXXXX";

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

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

// What mkstemp makes of the template, and nothing else.
bool IsTemporaryOf(std::string_view entry, std::string_view pattern) {
    const std::size_t fixed = pattern.size() - kTemporaryX.size();
    return entry.size() == pattern.size() && entry.substr(0, fixed) == pattern.substr(0, fixed) &&
           IsAlphanumeric(entry.substr(fixed));
}

// The owner and group of the file replaced; only root may give a file away, and a user only the
// groups they are in, so each is tried on its own and a refusal changes nothing.
void KeepOwner(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // The temporary file stays ours, as any new file would be.
    }
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
    // Bounded before a byte is read, and while reading, in case the file grows meanwhile.
    if (status.st_size > kLargestProfile) {
        result.error = kTooLarge;
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || result.text.size() + static_cast<std::size_t>(got) > kLargestProfile) {
            result.error = got < 0 ? errno : kTooLarge;
            result.text.clear();
            return result;
        }
        if (got == 0) return result;
        result.text.append(buffer, static_cast<std::size_t>(got));
    }
}

FileFailure ReplaceProfileFile(const std::string& path, std::string_view text) {
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat status {};
    const bool existed = ::stat(path.c_str(), &status) == 0;
    if (existed) {
        if (!S_ISREG(status.st_mode)) return {kNotARegularFile, path};
        mode = status.st_mode & 07777;
        // Root may write anything; a file nobody may write is still meant to stay as it is.
        if ((mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return {kReadOnly, path};
    }
    const std::string folderPath = FolderOf(path);
    std::string temporary = TemporaryTemplate(path);
    Descriptor file(::mkstemp(temporary.data()));
    if (file.Get() < 0) return {errno, folderPath};
    if (existed) KeepOwner(file.Get(), status);
    int error = ::fchmod(file.Get(), mode) == 0 ? 0 : errno;
    if (error == 0) error = WriteAll(file.Get(), text);
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    if (error == 0) error = file.Close();
    FileFailure failure{error, path};
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) failure = {errno, folderPath};
    if (failure.error != 0) {
        ::unlink(temporary.c_str());
        return failure;
    }
    // The rename itself reaches the disk with the folder's own sync.
    Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
    return {};
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

std::string TemporaryTemplate(const std::string& path) {
    const std::filesystem::path profile = path;
    return FolderOf(path) + "/." + profile.filename().string() + std::string(kTemporaryMark) +
           std::string(kTemporaryX);
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string pattern = std::filesystem::path(TemporaryTemplate(path)).filename().string();
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) return;
    while (const dirent* entry = ::readdir(entries)) {
        if (!IsTemporaryOf(entry->d_name, pattern)) continue;
        const std::string stale = folder + "/" + entry->d_name;
        struct stat status {};
        if (::lstat(stale.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid()) {
            ::unlink(stale.c_str());
        }
    }
    ::closedir(entries);
}

ProfileLock::ProfileLock(const std::string& profilePath, std::chrono::milliseconds wait,
                         const std::function<bool()>& cutShort)
    : path_(profilePath + ".lock") {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd_ < 0) {
        error_ = errno;
        // A lock file that is not there could not be made: the folder is what refused.
        struct stat status {};
        if (::lstat(path_.c_str(), &status) != 0 && errno == ENOENT) path_ = FolderOf(path_);
        return;
    }
    // Tried again and again rather than waited on, so that the wait has an end.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            error_ = errno;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline || (cutShort && cutShort())) return;
        ::poll(nullptr, 0, 20);
    }
    held_ = true;
}

ProfileLock::~ProfileLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace zormade
