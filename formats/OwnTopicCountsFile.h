// The counts file of one topic of a learner's own list, bytes <-> values. Each card's count is
// kept with the card's words, so a list imported again keeps the counts of the cards whose words
// did not change, wherever they now fall. The file: the 8 bytes "LXCOUNT1" (the format's version
// is its last character), then one record per card: the count as a little-endian int32, then the
// prompt and the answer, each as a little-endian uint32 of UTF-16 units followed by those units
// (little-endian).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct OwnCardCount {
    std::u16string prompt;
    std::u16string answer;
    int32_t count = 0;
};

// A field holds at most this many units; a record claiming more ends the reading.
constexpr uint32_t kMaxCountedFieldUnits = 4096;

// The records of a whole file in file order, each count outside its range read as a new word's
// (formats/RepetitionCount.h). Another magic gives none; a cut or oversized record ends the list there.
// Only the carrying over of old files into the learner's record reads these files; nothing writes them.
std::vector<OwnCardCount> ParseOwnTopicCounts(const uint8_t* data, size_t size);
