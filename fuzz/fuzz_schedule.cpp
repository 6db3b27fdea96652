// Any bytes as a schedule file: the reader stays inside them, reserves nothing the bytes do not
// hold, and gives back only valid cards and ascending days.
#include <cstdint>
#include <cstdlib>

#include "formats/ScheduleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScheduleFileContent content;
    const ScheduleRead result = ReadScheduleFile(data, size, content);
    if (content.cards.size() * kScheduleCardSize + content.practisedDays.size() * 4 > size) std::abort();
    for (const ScheduleCardRecord& card : content.cards) {
        if (!ScheduleCardIsValid(card)) std::abort();
    }
    for (size_t i = 1; i < content.practisedDays.size(); ++i) {
        if (content.practisedDays[i] <= content.practisedDays[i - 1]) std::abort();
    }
    if (result != ScheduleRead::Ok && result != ScheduleRead::Cut && !content.cards.empty()) std::abort();
    return 0;
}
