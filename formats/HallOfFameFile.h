// The hall-of-fame file and its ordering rule, kept apart from the screen so they can be tested and
// fuzzed without GL or a disk: bytes of "data/hof.hof" to entries, entries to bytes, and where a new
// result goes in the list.
//
// The file: the UTF-16LE byte-order mark FF FE, then one line per entry, "%s\t%d\r\n" (name, TAB,
// decimal score, CR LF), every character one little-endian 16-bit unit; ten lines at most.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct HallOfFameEntry {
    std::u16string name;
    int32_t score = 0;
};

// Entries written to the file; the resident list may hold more until the next load.
constexpr size_t kHallOfFameFileEntries = 10;

// Every readable line of the file, in file order and without a limit. The first two bytes are
// skipped unread; lines are read at most 1999 units at a time; a line is kept only when it has a
// name before a TAB and a score after it (the score read like strtol: blanks, one sign, digits,
// clamped to 32 bits; no digits give 0). Anything else is skipped.
std::vector<HallOfFameEntry> ParseHallOfFame(const std::string& bytes);

// The file's bytes for the first ten entries. A TAB, LF or NUL inside a name would split or cut
// the line when it is read back, so each is written as "_".
std::string FormatHallOfFame(const std::vector<HallOfFameEntry>& entries);

// Offers a result to a list in descending score order: it goes above the first entry with a
// strictly lower score (equal scores stay above it); at the end it is appended only while the list
// holds fewer than ten entries, otherwise it is dropped.
void InsertHallOfFameEntry(std::vector<HallOfFameEntry>& list, const HallOfFameEntry& entry);

// The text of the entry's line on the hall-of-fame screen: "%s - %d".
std::u16string HallOfFameLineText(const HallOfFameEntry& entry);
