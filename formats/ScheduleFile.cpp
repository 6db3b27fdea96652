#include "formats/ScheduleFile.h"

#include <algorithm>

namespace {

constexpr uint8_t kScheduleMagic[4] = {'L', 'X', 'B', 'X'};

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool DayInRange(int32_t day) { return day >= 0 && day <= kLastScheduleDay; }

}  // namespace

bool ScheduleCardIsValid(const ScheduleCardRecord& card) {
    if (card.box > kScheduleTopBox || (card.flags & ~kScheduleMissedFlag) != 0) return false;
    if (card.box == 0) return card.flags == 0 && card.lastDay == 0 && card.dueDay == 0;
    return DayInRange(card.lastDay) && DayInRange(card.dueDay) && card.dueDay > card.lastDay;
}

ScheduleRead ReadScheduleFile(const uint8_t* data, size_t size, ScheduleFileContent& content) {
    content = ScheduleFileContent{};
    if (size < kScheduleHeaderSize || !std::equal(kScheduleMagic, kScheduleMagic + 4, data))
        return ScheduleRead::NotASchedule;
    const uint32_t version = ReadU32(data + 4);
    if (version == 0) return ScheduleRead::NotASchedule;
    if (version > kScheduleFileVersion) return ScheduleRead::FutureVersion;
    const size_t cardCount = ReadU32(data + 8);
    const size_t dayCount = ReadU32(data + 12);

    // Counts are trusted only as far as the bytes go, so a huge count reserves nothing.
    size_t offset = kScheduleHeaderSize;
    const size_t cardsHeld = std::min(cardCount, (size - offset) / kScheduleCardSize);
    content.cards.reserve(cardsHeld);
    for (size_t i = 0; i < cardsHeld; ++i, offset += kScheduleCardSize) {
        ScheduleCardRecord card;
        card.box = data[offset];
        card.flags = data[offset + 1];
        card.lastDay = static_cast<int32_t>(ReadU32(data + offset + 2));
        card.dueDay = static_cast<int32_t>(ReadU32(data + offset + 6));
        content.cards.push_back(ScheduleCardIsValid(card) ? card : ScheduleCardRecord{});
    }
    if (cardsHeld < cardCount) return ScheduleRead::Cut;

    const size_t daysHeld = std::min(dayCount, (size - offset) / 4);
    for (size_t i = 0; i < daysHeld; ++i, offset += 4) {
        const int32_t day = static_cast<int32_t>(ReadU32(data + offset));
        if (!DayInRange(day) || (!content.practisedDays.empty() && day <= content.practisedDays.back()))
            break;
        content.practisedDays.push_back(day);
    }
    return daysHeld < dayCount ? ScheduleRead::Cut : ScheduleRead::Ok;
}
