#include "app/SafeFileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

safe_file_write_testing::Fault injectedFault = safe_file_write_testing::Fault::None;

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

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    out.clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    uint8_t buffer[16384];
    bool ok = true;
    for (;;) {
        size_t got = std::fread(buffer, 1, sizeof buffer, file);
        out.insert(out.end(), buffer, buffer + got);
        if (got < sizeof buffer) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    if (!ok) out.clear();
    return ok;
}

bool WriteFileAtomically(const std::string& path, const void* data, size_t size) {
    const std::string temporary = path + ".tmp";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = injectedFault != safe_file_write_testing::Fault::Write &&
              WriteAll(fd, static_cast<const uint8_t*>(data), size) && fsync(fd) == 0;
    if (close(fd) != 0) ok = false;
    if (ok && injectedFault != safe_file_write_testing::Fault::Rename) {
        ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    } else {
        ok = false;
    }
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

namespace safe_file_write_testing {
void InjectFault(Fault fault) { injectedFault = fault; }
}  // namespace safe_file_write_testing
