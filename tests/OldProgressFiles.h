// The bytes of the files the game kept progress in before the learner's record, built apart from
// the game (which now only reads them, to carry them over once): a topic's schedule file
// (formats/ScheduleFile.h) and an own topic's counts file (formats/OwnTopicCountsFile.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct OldCard {
    int box;
    int32_t last;
    int32_t due;
    bool missed;
};

struct OldCount {
    std::u16string prompt;
    std::u16string answer;
    int32_t count;
};

inline void PutOldU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

inline std::vector<uint8_t> OldScheduleBytes(uint32_t version, const std::vector<OldCard>& cards,
                                             const std::vector<int32_t>& days) {
    std::vector<uint8_t> bytes{'L', 'X', 'B', 'X'};
    PutOldU32(bytes, version);
    PutOldU32(bytes, static_cast<uint32_t>(cards.size()));
    PutOldU32(bytes, static_cast<uint32_t>(days.size()));
    for (const OldCard& card : cards) {
        bytes.push_back(static_cast<uint8_t>(card.box));
        bytes.push_back(card.missed ? 1 : 0);
        PutOldU32(bytes, static_cast<uint32_t>(card.last));
        PutOldU32(bytes, static_cast<uint32_t>(card.due));
    }
    for (int32_t day : days) PutOldU32(bytes, static_cast<uint32_t>(day));
    return bytes;
}

inline std::vector<uint8_t> OldCountsBytes(const std::vector<OldCount>& cards) {
    std::vector<uint8_t> bytes{'L', 'X', 'C', 'O', 'U', 'N', 'T', '1'};
    for (const OldCount& card : cards) {
        PutOldU32(bytes, static_cast<uint32_t>(card.count));
        for (const std::u16string* field : {&card.prompt, &card.answer}) {
            PutOldU32(bytes, static_cast<uint32_t>(field->size()));
            for (char16_t unit : *field) {
                bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
                bytes.push_back(static_cast<uint8_t>(unit >> 8));
            }
        }
    }
    return bytes;
}
