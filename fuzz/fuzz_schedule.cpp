// Any bytes as a schedule file: the reader stays inside them, reserves nothing the bytes do not
// hold, gives back only valid cards and ascending days, and what it read writes back and reads
// again to the same cards and days.
#include <cstdint>
#include <cstdlib>

#include "formats/ScheduleFile.h"

namespace {

bool SameContent(const ScheduleFileContent& a, const ScheduleFileContent& b) {
    if (a.cards.size() != b.cards.size() || a.practisedDays != b.practisedDays) return false;
    for (size_t i = 0; i < a.cards.size(); ++i) {
        const ScheduleCardRecord& x = a.cards[i];
        const ScheduleCardRecord& y = b.cards[i];
        if (x.box != y.box || x.flags != y.flags || x.lastDay != y.lastDay || x.dueDay != y.dueDay)
            return false;
    }
    return true;
}

}  // namespace

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
    if (content.practisedDays.size() > kPractisedDaysKept) return 0;  // writing keeps only the latest
    const std::vector<uint8_t> written = WriteScheduleFile(content);
    ScheduleFileContent again;
    if (ReadScheduleFile(written.data(), written.size(), again) != ScheduleRead::Ok) std::abort();
    if (!SameContent(content, again)) std::abort();
    return 0;
}
