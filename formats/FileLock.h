// An advisory lock (flock) on a lock file, held while the object stands: processes that take the
// same file's lock before reading and rewriting the files beside it do so one at a time. The lock
// file is created when missing and never followed through a link. Waiting is bounded: a holder
// that never lets go (a stopped process) delays the next one by at most kLockWaitMs, which then
// goes on without the lock rather than hang.
#pragma once

#include <string>

constexpr int kLockWaitMs = 3000;

class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when the lock file could not be opened or the wait ran out.
    bool Held() const { return held; }

private:
    int fd = -1;
    bool held = false;
};
