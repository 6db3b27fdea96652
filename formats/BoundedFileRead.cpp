#include "formats/BoundedFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>

namespace {

void ReportRefusal(const std::string& path, const FileLimit& limit, FileReadResult result) {
    if (result == FileReadResult::TooLarge) {
        std::fprintf(stderr, "lexadrill: %s %s refused: larger than the %zu bytes allowed\n", limit.kind,
                     path.c_str(), limit.maxBytes);
    } else {
        std::fprintf(stderr, "lexadrill: %s %s refused: %s\n", limit.kind, path.c_str(),
                     result == FileReadResult::NotRegular ? "not a regular file" : "read failed");
    }
}

// Reads to the end, but never more than limit + 1 bytes: one byte past the limit tells a file that
// grew (or reported no size, as some special files do) from one that fits.
FileReadResult ReadAtMost(int fd, size_t limit, size_t expected, std::vector<uint8_t>& bytes) {
    bytes.resize(expected < limit ? expected + 1 : limit + 1);
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > limit) return FileReadResult::TooLarge;
            bytes.resize(std::min(limit + 1, bytes.size() * 2));
        }
        const ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            return FileReadResult::ReadFailed;
        }
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    if (filled > limit) return FileReadResult::TooLarge;
    bytes.resize(filled);
    return FileReadResult::Ok;
}

FileReadResult ReadOpenFile(int fd, size_t limit, std::vector<uint8_t>& bytes) {
    struct stat info;
    if (fstat(fd, &info) != 0) return FileReadResult::ReadFailed;
    if (!S_ISREG(info.st_mode)) return FileReadResult::NotRegular;
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > limit)
        return FileReadResult::TooLarge;
    return ReadAtMost(fd, limit, static_cast<size_t>(info.st_size), bytes);
}

}  // namespace

FileReadResult ReadBoundedFile(const std::string& path, const FileLimit& limit, std::vector<uint8_t>& bytes) {
    bytes.clear();
    // Non-blocking, so that a named pipe with no writer or a device opens at once and is then
    // refused by its type instead of holding the game in open().
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileReadResult::Missing;
    FileReadResult result = FileReadResult::ReadFailed;
    try {
        result = ReadOpenFile(fd, limit.maxBytes, bytes);
    } catch (const std::bad_alloc&) {
        result = FileReadResult::ReadFailed;
    }
    close(fd);
    if (result != FileReadResult::Ok) {
        std::vector<uint8_t>().swap(bytes);  // a refused file leaves no memory held
        ReportRefusal(path, limit, result);
    }
    return result;
}

bool ReadFileWithin(const std::string& path, const FileLimit& limit, std::vector<uint8_t>& bytes) {
    return ReadBoundedFile(path, limit, bytes) == FileReadResult::Ok;
}
