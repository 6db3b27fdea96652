// A word's repetition count as every store of the game keeps it (the designed topics' files, an own
// list's counts): 0 means learned, a wrong answer raises it up to 5, a right one lowers it, and a
// word never tested counts 1. The one rule for a stored count the updates could never have made
// (a damaged file: bytes 0xFF read as -1, a count of two billion): it is read as a new word's, as a
// count the file does not hold at all is. Old files moved elsewhere are read through it too.
#pragma once

#include <cstdint>

constexpr int32_t kLearnedCount = 0;
constexpr int32_t kHighestCount = 5;
constexpr int32_t kNewWordCount = 1;

constexpr int32_t CountAsRead(int32_t stored) {
    return stored < kLearnedCount || stored > kHighestCount ? kNewWordCount : stored;
}
