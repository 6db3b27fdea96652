// The schedule file: one topic's cards in their boxes, and the days the topic was practised.
// Little-endian, no padding:
//   offset 0   4 bytes  magic "LXBX"
//   offset 4   uint32   version (1)
//   offset 8   uint32   card count N
//   offset 12  uint32   practised-day count P
//   then N card records of 10 bytes, in word-list order:
//              uint8 box (0 new .. 7), uint8 flags (bit 0: the latest answer was a miss),
//              int32 day of the latest answer, int32 day the card falls due
//   then P int32 days practised, ascending.
// Days are local calendar day numbers (days since 1970-01-01). A new card's record is all zero.
// Reading is forgiving: a cut file keeps the whole records it holds, a record that breaks the rules
// below is read as a new card, and the practised days end at the first one out of order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr uint32_t kScheduleFileVersion = 1;
constexpr size_t kScheduleHeaderSize = 16;
constexpr size_t kScheduleCardSize = 10;
constexpr uint8_t kScheduleMissedFlag = 1;
constexpr uint8_t kScheduleTopBox = 7;
// Days are kept within [0, kLastScheduleDay] (the year 7445), far from overflowing arithmetic.
constexpr int32_t kLastScheduleDay = 2000000;
// The most recent practised days a file held; older ones were dropped (and are read no further back).
constexpr size_t kPractisedDaysKept = 400;

struct ScheduleCardRecord {
    uint8_t box = 0;
    uint8_t flags = 0;
    int32_t lastDay = 0;
    int32_t dueDay = 0;
};

struct ScheduleFileContent {
    std::vector<ScheduleCardRecord> cards;
    std::vector<int32_t> practisedDays;
};

enum class ScheduleRead {
    Ok,             // every card and day the header names was read
    Cut,            // the file ends early: the cards and days it holds are read
    NotASchedule,   // wrong magic word, version 0 or no whole header: nothing read
    FutureVersion,  // written by a newer game: nothing read; it must not be overwritten
};

// A record's fields, checked: box <= 7, known flags only, a new card all zero, and a boxed card
// answered on a day in [0, kLastScheduleDay] and due on a later day no later than that.
bool ScheduleCardIsValid(const ScheduleCardRecord& card);

// Reads the bytes; `content` holds what could be read (invalid cards come back as new ones). Only
// the carrying over of old files into the learner's record reads these files; nothing writes them.
ScheduleRead ReadScheduleFile(const uint8_t* data, size_t size, ScheduleFileContent& content);
