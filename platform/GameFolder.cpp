#include "platform/GameFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/Platform.h"

namespace platform {

std::string InstalledContentFolder(const std::string& executableFolder) {
    std::string prefix = executableFolder;
    while (!prefix.empty() && prefix.back() == '/') prefix.pop_back();
    const size_t slash = prefix.find_last_of('/');
    prefix = slash == std::string::npos ? std::string("/") : prefix.substr(0, slash + 1);
    return prefix + "share/lexadrill/";
}

std::string ChooseGameFolder(const std::string& executableFolder, bool besideHasData, bool installedHasData) {
    if (!besideHasData && installedHasData) return InstalledContentFolder(executableFolder);
    return executableFolder;
}

std::string GameFolder() {
    const std::string executable = ExecutableFolder();
    const std::string installed = InstalledContentFolder(executable);
    return ChooseGameFolder(executable, IsFolder(executable + "data"), IsFolder(installed + "data"));
}

bool PathExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsWritableFolder(const std::string& path) {
    return IsFolder(path) && faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string FolderProblem(const std::string& path) {
    std::string existing = path;
    while (existing.size() > 1 && existing.back() == '/') existing.pop_back();
    // Up to the nearest part of the path that exists: the folders below it would be made in it.
    for (;;) {
        struct stat info;
        if (stat(existing.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) return std::strerror(ENOTDIR);
            if (faccessat(AT_FDCWD, existing.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
                return std::strerror(errno);
            return "";
        }
        // A file on the way, a link loop, a folder that may not be searched: nothing can be made.
        if (errno != ENOENT) return std::strerror(errno);
        const size_t slash = existing.find_last_of('/');
        if (slash == std::string::npos) return std::strerror(ENOENT);
        existing = slash == 0 ? "/" : existing.substr(0, slash);
    }
}

bool MakeFolders(const std::string& path) {
    std::string partial;
    size_t at = 0;
    while (at != std::string::npos) {
        at = path.find('/', at + 1);
        partial = path.substr(0, at);
        if (partial.empty() || IsFolder(partial)) continue;
        if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return IsFolder(path);
}

std::string EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeFolder() {
    std::string home = EnvironmentVariable("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
        home = found->pw_dir;
    }
    return home;
}

}  // namespace platform
