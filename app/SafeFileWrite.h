// Whole-file reads and crash-safe whole-file writes for the files the game keeps (the repetition
// files and the hall of fame). A write goes to a temporary file in the target's folder, is flushed
// to the disk and then renamed over the target, so the target holds either its old or its new
// bytes, never a cut mix, whatever happens in between.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Replaces `out` with the file's bytes. False (and `out` empty) when the file cannot be opened or
// read, e.g. it does not exist or is a folder.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);

// Writes `size` bytes as the new content of `path`. False when any step failed; the old file, if
// any, is then left as it was and no temporary file stays behind.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size);

namespace safe_file_write_testing {
// Makes every following WriteFileAtomically fail at the given step, until reset with None.
enum class Fault { None, Write, Rename };
void InjectFault(Fault fault);
}  // namespace safe_file_write_testing
