// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zormade {

// The profile's file on disk. Every result is 0 or a reason: an errno value, or one of these.
enum ProfileFileError { kNotARegularFile = -1, kReadOnly = -2 };

struct ProfileFileText {
    int error = 0;
    bool exists = false;
    std::string text;
};

// Opens nothing but a regular file, and never waits: a FIFO or a device at the path is an error.
// A missing file (or folder) is no error.
ProfileFileText ReadProfileFile(const std::string& path);

// Replaces the file's content whole or not at all: a temporary file beside it, every write
// checked, synced, then renamed over it with the old file's permission bits. A file without
// write permission is left as it is.
int ReplaceProfileFile(const std::string& path, std::string_view text);

// The file a chain of symbolic links ends at, existing or not.
std::string LinkTarget(const std::string& path);

// Temporary files of writes that were killed before their rename, beside `path`. Only safe
// while the lock is held, when no other write can be under way.
void RemoveStaleTemporaries(const std::string& path);

// An exclusive lock on a file beside the profile, held for this object's life.
class ProfileLock {
public:
    explicit ProfileLock(const std::string& profilePath);
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;
    int Error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace zormade
