#include "formats/HallOfFameFile.h"

#include <cstdint>
#include <limits>

namespace {

// One read of a line takes at most this many units (a 2000-unit buffer with its terminator).
constexpr size_t kMaxLineUnits = 1999;

std::u16string DecodeUtf16Le(const std::string& bytes, size_t offset) {
    std::u16string units;
    if (bytes.size() <= offset) return units;
    units.reserve((bytes.size() - offset) / 2);
    for (size_t i = offset; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                              (static_cast<uint8_t>(bytes[i + 1]) << 8)));
    }
    return units;
}

void AppendUtf16Le(std::string& out, const std::u16string& text) {
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

std::u16string ToU16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Splits at runs of TABs, skipping leading ones, as the C library's token reader does.
std::vector<std::u16string> SplitAtTabs(const std::u16string& line) {
    std::vector<std::u16string> pieces;
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && line[pos] == u'\t') ++pos;
        if (pos >= line.size()) break;
        size_t end = line.find(u'\t', pos);
        if (end == std::u16string::npos) end = line.size();
        pieces.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return pieces;
}

// Leading blanks, one sign, decimal digits; stops at the first other unit; clamps to 32 bits.
int32_t ReadDecimal(const std::u16string& text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) negative = text[pos++] == u'-';
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
        value = value * 10 + (text[pos] - u'0');
        if (value > limit) value = limit;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

bool HasContentBeforeLineEnd(const std::u16string& piece) {
    for (char16_t c : piece) {
        if (c != u'\r' && c != u'\n') return true;
    }
    return false;
}

}  // namespace

std::vector<HallOfFameEntry> ParseHallOfFame(const std::string& bytes) {
    const std::u16string units = DecodeUtf16Le(bytes, 2);
    std::vector<HallOfFameEntry> entries;
    size_t pos = 0;
    while (pos < units.size()) {
        size_t end = pos;
        while (end < units.size() && end - pos < kMaxLineUnits && units[end] != u'\n') ++end;
        if (end < units.size() && end - pos < kMaxLineUnits) ++end;  // the LF belongs to its line
        std::u16string line = units.substr(pos, end - pos);
        pos = end;
        // The line was a C string: a NUL ends it.
        const size_t nul = line.find(u'\0');
        if (nul != std::u16string::npos) line.resize(nul);
        const std::vector<std::u16string> pieces = SplitAtTabs(line);
        if (pieces.size() < 2 || !HasContentBeforeLineEnd(pieces[0]) || !HasContentBeforeLineEnd(pieces[1])) {
            continue;
        }
        entries.push_back(HallOfFameEntry{pieces[0], ReadDecimal(pieces[1])});
    }
    return entries;
}

std::string FormatHallOfFame(const std::vector<HallOfFameEntry>& entries) {
    std::string bytes = "\xFF\xFE";
    for (size_t i = 0; i < entries.size() && i < kHallOfFameFileEntries; ++i) {
        std::u16string name = entries[i].name;
        for (char16_t& c : name) {
            if (c == u'\t' || c == u'\n' || c == u'\0') c = u'_';
        }
        AppendUtf16Le(bytes, name + u'\t' + ToU16(std::to_string(entries[i].score)) + u"\r\n");
    }
    return bytes;
}

void InsertHallOfFameEntry(std::vector<HallOfFameEntry>& list, const HallOfFameEntry& entry) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].score < entry.score) {
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), entry);
            return;
        }
    }
    if (list.size() < kHallOfFameFileEntries) list.push_back(entry);
}

std::u16string HallOfFameLineText(const HallOfFameEntry& entry) {
    return entry.name + u" - " + ToU16(std::to_string(entry.score));
}
