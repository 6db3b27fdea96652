// Reading a whole file the game is given, safely whatever sits at its path: only a regular file
// (after following links) is read, opening never waits on a pipe or a device, and no more than the
// kind's limit (FileLimits.h) is ever read or held.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/FileLimits.h"

enum class FileReadResult {
    Ok,
    Missing,     // cannot be opened (does not exist, no permission)
    NotRegular,  // a folder, a pipe, a device, a socket
    TooLarge,    // holds more than the limit
    ReadFailed,
};

// Replaces `bytes` with the file's content; `bytes` is empty on every result but Ok. A file that
// is there but refused (not a regular file, past its limit, unreadable) is reported with one line
// on standard error naming the file and the reason; a missing file is not reported.
FileReadResult ReadBoundedFile(const std::string& path, const FileLimit& limit, std::vector<uint8_t>& bytes);

// ReadBoundedFile(...) == FileReadResult::Ok.
bool ReadFileWithin(const std::string& path, const FileLimit& limit, std::vector<uint8_t>& bytes);
