// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

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

// What the running user makes inside another user's folder is that user's, as far as it may be
// given (only root may give it).
void GiveToFolderOwner(const std::string& folder, const std::function<void(uid_t, gid_t)>& give) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0 && status.st_uid != ::geteuid())
        give(status.st_uid, status.st_gid);
}

// The list of a file's attribute names, NUL-separated; empty where the file system has none.
std::vector<char> AttributeNames(const std::string& path) {
    for (;;) {
        const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
        if (size <= 0) return {};
        std::vector<char> names(static_cast<std::size_t>(size));
        const ssize_t got = ::listxattr(path.c_str(), names.data(), names.size());
        if (got < 0 && errno == ERANGE) continue;  // more names came meanwhile
        names.resize(static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        return names;
    }
}

// The user's own extended attributes of the file replaced; the others belong to the system.
void KeepUserAttributes(int fd, const std::string& path) {
    const std::vector<char> names = AttributeNames(path);
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        if (name.rfind("user.", 0) != 0) continue;
        const ssize_t size = ::getxattr(path.c_str(), name.c_str(), nullptr, 0);
        if (size < 0) continue;
        std::vector<char> value(static_cast<std::size_t>(size));
        // A size of 0 asks for the size: an empty value is set from nothing.
        const ssize_t got =
            size == 0 ? 0 : ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
        if (got >= 0) ::fsetxattr(fd, name.c_str(), value.data(), static_cast<std::size_t>(got), 0);
    }
}

}  // namespace

ProfileFileText ReadProfileFile(const std::string& path, long long largest) {
    ProfileFileText result;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) result.error = errno;
        return result;
    }
    result.exists = true;
    if (!S_ISREG(status.st_mode)) {
        result.error = NotARegularFile;
        return result;
    }
    // Without blocking, in case something else took the regular file's place since the stat.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) {
        result.error = errno;
        return result;
    }
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        result.error = NotARegularFile;
        return result;
    }
    // Bounded before a byte is read, and while reading, in case the file grows meanwhile.
    if (status.st_size > largest) {
        result.error = TooLarge;
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || result.text.size() + static_cast<std::size_t>(got) >
                           static_cast<unsigned long long>(largest)) {
            result.error = got < 0 ? errno : TooLarge;
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
        if (!S_ISREG(status.st_mode)) return {NotARegularFile, path};
        mode = status.st_mode & 07777;
        // Root may write anything; a file nobody may write is still meant to stay as it is.
        if ((mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return {ReadOnly, path};
    }
    const std::string folderPath = FolderOf(path);
    std::string temporary = TemporaryTemplate(path);
    Descriptor file(::mkstemp(temporary.data()));
    if (file.Get() < 0) return {errno, folderPath};
    if (existed) {
        KeepOwner(file.Get(), status);
        KeepUserAttributes(file.Get(), path);
    } else {
        GiveToFolderOwner(folderPath, [&file](uid_t uid, gid_t gid) {
            if (::fchown(file.Get(), uid, gid) != 0) {
                // Not root: the file stays the running user's.
            }
        });
    }
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

FileFailure MakeFolders(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode) ? FileFailure{} : FileFailure{ENOTDIR, path};
    if (errno != ENOENT) return {errno, path};
    const std::string parent = FolderOf(path);
    if (parent != path) {
        const FileFailure above = MakeFolders(parent);
        if (above.error != 0) return above;
    }
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return {errno, path};
    GiveToFolderOwner(parent, [&path](uid_t uid, gid_t gid) {
        if (::chown(path.c_str(), uid, gid) != 0) {
            // Not root: the folder stays the running user's.
        }
    });
    return {};
}

int CheckLink(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) || link.st_uid == ::geteuid())
        return 0;
    struct stat target {};
    return ::stat(path.c_str(), &target) == 0 && target.st_uid == ::geteuid() ? 0 : ForeignLink;
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
    struct stat status {};
    const bool existed = ::lstat(path_.c_str(), &status) == 0;
    // Nothing but a regular file of its own name: a link could lead anywhere, a socket or a
    // device opens as something else.
    if (existed && !S_ISREG(status.st_mode)) {
        error_ = S_ISLNK(status.st_mode) ? SymbolicLink : NotARegularFile;
        return;
    }
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY,
                 S_IRUSR | S_IWUSR);
    if (fd_ < 0) {
        error_ = errno;
        // A lock file that is not there could not be made: the folder is what refused.
        if (::lstat(path_.c_str(), &status) != 0 && errno == ENOENT) path_ = FolderOf(path_);
        return;
    }
    if (!existed) {
        GiveToFolderOwner(FolderOf(path_), [this](uid_t uid, gid_t gid) {
            if (::fchown(fd_, uid, gid) != 0) {
                // Not root: the lock file stays the running user's.
            }
        });
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
