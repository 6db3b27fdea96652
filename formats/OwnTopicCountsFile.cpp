#include "formats/OwnTopicCountsFile.h"

#include <algorithm>
#include <cstring>

#include "formats/RepetitionCount.h"

namespace {

constexpr char kMagic[] = "LXCOUNT1";
constexpr size_t kMagicBytes = sizeof kMagic - 1;

bool ReadUint32(const uint8_t* data, size_t size, size_t& at, uint32_t& value) {
    if (size - at < 4) return false;
    value = static_cast<uint32_t>(data[at]) | static_cast<uint32_t>(data[at + 1]) << 8 |
            static_cast<uint32_t>(data[at + 2]) << 16 | static_cast<uint32_t>(data[at + 3]) << 24;
    at += 4;
    return true;
}

bool ReadUnits(const uint8_t* data, size_t size, size_t& at, std::u16string& text) {
    uint32_t units = 0;
    if (!ReadUint32(data, size, at, units) || units > kMaxCountedFieldUnits || (size - at) / 2 < units)
        return false;
    text.resize(units);
    for (uint32_t i = 0; i < units; ++i, at += 2)
        text[i] = static_cast<char16_t>(data[at] | static_cast<uint16_t>(data[at + 1]) << 8);
    return true;
}

}  // namespace

std::vector<OwnCardCount> ParseOwnTopicCounts(const uint8_t* data, size_t size) {
    std::vector<OwnCardCount> cards;
    if (data == nullptr || size < kMagicBytes || std::memcmp(data, kMagic, kMagicBytes) != 0) return cards;
    size_t at = kMagicBytes;
    while (at < size) {
        OwnCardCount card;
        uint32_t count = 0;
        if (!ReadUint32(data, size, at, count) || !ReadUnits(data, size, at, card.prompt) ||
            !ReadUnits(data, size, at, card.answer))
            break;
        card.count = CountAsRead(static_cast<int32_t>(count));
        cards.push_back(std::move(card));
    }
    return cards;
}
