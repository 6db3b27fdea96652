#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsRegular(int fd) {
    struct stat facts {};
    return fstat(fd, &facts) == 0 && S_ISREG(facts.st_mode);
}

}  // namespace

FileLock::FileLock(const std::string& path) {
    // O_NONBLOCK: opening a FIFO that has no writer would otherwise wait for one.
    const int flags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    struct stat facts {};
    if (lstat(path.c_str(), &facts) == 0 && !S_ISREG(facts.st_mode)) {
        // Never opened at all: opening a device can do things of its own.
        problem = NameOf(path) + " is not a regular file";
        state = State::NoLock;
        return;
    }
    fd = open(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
    // A lock file another user made, in a folder this one may still write into.
    if (fd < 0) fd = open(path.c_str(), O_RDONLY | flags);
    if (fd < 0) {
        problem = std::strerror(errno);
        state = State::NoLock;
        return;
    }
    // Something else put there between the look and the open.
    if (!IsRegular(fd)) {
        close(fd);
        fd = -1;
        problem = NameOf(path) + " is not a regular file";
        state = State::NoLock;
    }
}

FileLock::State FileLock::TryTake() {
    if (state != State::Busy) return state;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        state = State::Held;
    } else if (errno != EWOULDBLOCK && errno != EINTR) {
        problem = std::strerror(errno);
        state = State::NoLock;
    }
    return state;
}

FileLock::~FileLock() {
    if (fd >= 0) close(fd);  // closing lets the lock go
}
