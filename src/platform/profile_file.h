// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace zormade {

// The profile's file on disk. Every result is 0 or a reason: an errno value, or one of these.
enum ProfileFileError {
    NotARegularFile = -1,
    ReadOnly = -2,
    TooLarge = -3,
    // A link, not the running user's own, to a file or folder of another user's.
    ForeignLink = -4,
    SymbolicLink = -5,
};

// Far more than any profile the game writes; a larger file is not read at all.
constexpr long long kLargestProfile = 64LL << 20;

struct ProfileFileText {
    int error = 0;
    bool exists = false;
    std::string text;
};

// Opens nothing but a regular file, and never waits: a FIFO or a device at the path is an error.
// A missing file (or folder) is no error. A file over `largest` bytes is not read.
ProfileFileText ReadProfileFile(const std::string& path, long long largest = kLargestProfile);

// A failure and the file or folder it happened on.
struct FileFailure {
    int error = 0;
    std::string path;
};

// Replaces the file's content whole or not at all: a temporary file beside it, every write
// checked, synced, then renamed over it with the old file's permission bits, owner and group
// (as far as this process may give them) and its user extended attributes. A new file takes the
// owner of its folder. A file without write permission is left as it is.
FileFailure ReplaceProfileFile(const std::string& path, std::string_view text);

// Makes the folder and those above it that are missing; each takes the owner of the folder it is
// made in, so that root's run in a player's home leaves nothing the player cannot write.
FileFailure MakeFolders(const std::string& path);

// 0 when `path` is no link, or a link that the running user may follow: one of their own, or one
// that leads to a file or folder of theirs; ForeignLink otherwise.
int CheckLink(const std::string& path);

// The file a chain of symbolic links ends at, existing or not.
std::string LinkTarget(const std::string& path);

// The name ReplaceProfileFile's temporary files take beside `path`, six letters or digits in
// place of the X's: hidden, and of a shape nobody names a file of their own.
std::string TemporaryTemplate(const std::string& path);

// This process's temporary files beside `path` that a write killed before its rename left:
// only regular files of this user whose names match the template exactly. Only safe while the
// lock is held, when no other write can be under way.
void RemoveStaleTemporaries(const std::string& path);

// How long an exit waits for another copy of the game to finish its write.
constexpr std::chrono::milliseconds kLongestLockWait{5000};

// An exclusive lock on a file beside the profile, held for this object's life. Waits at most
// `wait`, and less once `cutShort` says so; Held() then says it was not had. A lock file that
// cannot be used (a link, a socket, a folder) is not had either, and Error() says why.
class ProfileLock {
public:
    ProfileLock(const std::string& profilePath, std::chrono::milliseconds wait,
                const std::function<bool()>& cutShort);
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;
    // Why the lock file could not be opened or locked; Path() names it, or its folder when that
    // would not let it be made.
    int Error() const { return error_; }
    const std::string& Path() const { return path_; }
    bool Held() const { return held_; }

private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
    bool held_ = false;
};

}  // namespace zormade
