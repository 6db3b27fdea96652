// Any bytes as an own topic's counts file: every record read stays within the bytes and the field
// cap, and each record takes at least its fixed part of the bytes.
#include <cstdint>
#include <cstdlib>

#include "formats/OwnTopicCountsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<OwnCardCount> cards = ParseOwnTopicCounts(data, size);
    for (const OwnCardCount& card : cards) {
        if (card.prompt.size() > kMaxCountedFieldUnits || card.answer.size() > kMaxCountedFieldUnits)
            std::abort();
    }
    if (cards.size() * 12 > size) std::abort();  // a count and two lengths each
    return 0;
}
