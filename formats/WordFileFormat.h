// The word-list file "data/words_free.enc": a 2-byte byte-order mark, then lines of UTF-16LE code
// units, each "prompt;answer" with the unit at position i stored as plain + WordFileKey[i mod 5]
// (16-bit wrap-around) and the line's CR LF stored as is. Pure functions, shared by the game's
// reader and the encoder tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t WordFileKey[5] = {2, 4, 1, 6, 3};
constexpr size_t kWordFileHeaderBytes = 2;
// One read takes at most this many units; a longer stored line is read as several lines.
constexpr size_t kWordLineMaxUnits = 1999;

// Reads the line that starts at byte `position` (begin at kWordFileHeaderBytes): up to and
// including LF, at most kWordLineMaxUnits units, ending early at the end of the data (a last odd
// byte is not a unit). Advances `position`. False when no unit was left to read.
bool ReadWordFileLine(const uint8_t* data, size_t size, size_t& position, std::u16string& line);

// Stored line -> plain text, read as a C string: a stored 0 ends it; then trims up to two trailing
// units that are space, CR or LF, and unshifts; a unit that unshifts to 0 ends the line there.
void DecodeLine(std::u16string& line);

// Plain text -> stored line, without the terminator. The inverse of DecodeLine for any text whose
// units are all non-zero and whose stored form holds no 0 and does not end in space, CR or LF.
std::u16string EncodeLine(const std::u16string& plain);

struct WordFields {
    std::u16string prompt;
    std::u16string answer;
};

// The first two fields of a decoded line split at ";" the way wcstok does it: a run of semicolons
// is one separator and leading ones are skipped. A missing field is empty.
WordFields SplitFields(const std::u16string& line);
