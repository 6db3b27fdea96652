// Crash-safe whole-file writes for the files the game keeps (the repetition files and the hall of
// fame). A write goes to a temporary file in the target's folder, is flushed to the disk and then
// renamed over the target, so the target holds either its old or its new bytes, never a cut mix,
// whatever happens in between. The temporary file is always created new under a name no file
// holds yet, never through a link or an existing file, so a save can only replace its target
// (a link at the target is replaced, not followed); a temporary file left by a killed save is
// never used again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// How a write ended: error 0 when the new content is in place, otherwise the errno of the step
// that failed (ENOSPC for a full disk).
struct FileWriteResult {
    int error = 0;
    explicit operator bool() const { return error == 0; }
};

// Writes `size` bytes as the new content of `path`. When any step fails the old file, if any, is
// left as it was and no temporary file stays behind.
FileWriteResult WriteFileAtomically(const std::string& path, const void* data, size_t size);
