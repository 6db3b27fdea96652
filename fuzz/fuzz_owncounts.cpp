// Any bytes as an own topic's counts file: every record read stays within the bytes and the field
// cap, and what is read is written back to the same records.
#include <cstdint>
#include <cstdlib>

#include "formats/OwnTopicCountsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<OwnCardCount> cards = ParseOwnTopicCounts(data, size);
    for (const OwnCardCount& card : cards) {
        if (card.prompt.size() > kMaxCountedFieldUnits || card.answer.size() > kMaxCountedFieldUnits) std::abort();
    }
    const std::vector<uint8_t> again = FormatOwnTopicCounts(cards);
    if (ParseOwnTopicCounts(again.data(), again.size()).size() != cards.size()) std::abort();
    return 0;
}
