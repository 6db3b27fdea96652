#include "platform/SafeFileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes the rename itself survive a power cut; a failure here does not undo the write.
void SyncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// The process id and the attempt's number: a name a running save holds, or one left by a killed
// save, is skipped by the next attempt (the file is only ever created new).
std::string TemporaryName(const std::string& path, unsigned attempt) {
    return path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(attempt);
}

// Creates the temporary file for `path` in the same folder, as a new file only: an existing file or
// link of the chosen name is never opened (O_EXCL), a link is never followed (O_NOFOLLOW). The
// mode is the one any new file of the player gets (0666 less the umask).
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    for (unsigned attempt = 1; attempt <= 100; ++attempt) {
        temporary = TemporaryName(path, attempt);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileWriteResult WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    std::string temporary;
    const int fd = CreateTemporaryBeside(path, temporary);
    if (fd < 0) return FileWriteResult{errno != 0 ? errno : EIO};
    int error = 0;
    if (!WriteAll(fd, static_cast<const uint8_t*>(data), size) || fsync(fd) != 0) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0) {
        if (std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
        return FileWriteResult{error};
    }
    SyncFolder(FolderOf(path));
    return FileWriteResult{};
}
