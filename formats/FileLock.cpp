#include "formats/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {

constexpr int kRetryMs = 10;

void SleepMs(int ms) {
    timespec pause{0, static_cast<long>(ms) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

}  // namespace

FileLock::FileLock(const std::string& path) {
    const int flags = O_NOFOLLOW | O_CLOEXEC;
    fd = open(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
    // A lock file another user made, in a folder this one may still write into.
    if (fd < 0) fd = open(path.c_str(), O_RDONLY | flags);
    if (fd < 0) return;
    for (int waited = 0; waited <= kLockWaitMs; waited += kRetryMs) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            held = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        SleepMs(kRetryMs);
    }
}

FileLock::~FileLock() {
    if (fd >= 0) close(fd);  // closing lets the lock go
}
