// An advisory lock (flock) on a lock file: processes that take the same file's lock before reading
// and rewriting the files beside it do so one at a time. Nothing here ever blocks: the file is
// opened without waiting (a FIFO at its name must not hang the game) and the lock is asked for
// without waiting; how long to keep asking is the caller's choice. Only a regular file is a lock
// file: anything else at the name (a FIFO, a folder, a device, a link, which is never followed)
// means there is no lock to be had. The lock file is created when missing.
#pragma once

#include <string>

class FileLock {
public:
    enum class State {
        Held,   // taken by this object
        Busy,   // another holder has it: ask again later
        NoLock  // none can be had here (see Problem())
    };

    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Asks for the lock once, without waiting; Held stays held until the object goes.
    State TryTake();
    // Why no lock can be had, e.g. "lexadrill.lock is not a regular file" or the open's error
    // text; "" while it may still be had.
    const std::string& Problem() const { return problem; }

private:
    int fd = -1;
    State state = State::Busy;
    std::string problem;
};
