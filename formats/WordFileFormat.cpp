#include "formats/WordFileFormat.h"

namespace {

bool IsTrimmedUnit(char16_t unit) { return unit == u' ' || unit == u'\r' || unit == u'\n'; }

char16_t KeyAt(size_t position) { return static_cast<char16_t>(WordFileKey[position % 5] & 0xFFFF); }

// The next field from `position` on, skipping the separators before it.
std::u16string NextField(const std::u16string& line, size_t& position) {
    position = line.find_first_not_of(u';', position);
    if (position == std::u16string::npos) {
        position = line.size();
        return std::u16string();
    }
    size_t end = line.find(u';', position);
    if (end == std::u16string::npos) end = line.size();
    std::u16string field = line.substr(position, end - position);
    position = end;
    return field;
}

}  // namespace

bool ReadWordFileLine(const uint8_t* data, size_t size, size_t& position, std::u16string& line) {
    line.clear();
    while (line.size() < kWordLineMaxUnits && position + 1 < size) {
        char16_t unit = static_cast<char16_t>(data[position] | (data[position + 1] << 8));
        position += 2;
        line += unit;
        if (unit == u'\n') break;
    }
    return !line.empty();
}

void DecodeLine(std::u16string& line) {
    // The line is read as a C string: a stored 0 ends it before anything else looks at it.
    const size_t storedZero = line.find(u'\0');
    if (storedZero != std::u16string::npos) line.resize(storedZero);
    for (int trimmed = 0; trimmed < 2 && !line.empty() && IsTrimmedUnit(line.back()); ++trimmed) {
        line.pop_back();
    }
    for (size_t i = 0; i < line.size(); ++i) {
        line[i] = static_cast<char16_t>(line[i] - KeyAt(i));
        if (line[i] == 0) {
            line.resize(i);
            break;
        }
    }
}

std::u16string EncodeLine(const std::u16string& plain) {
    std::u16string stored = plain;
    for (size_t i = 0; i < stored.size(); ++i) stored[i] = static_cast<char16_t>(stored[i] + KeyAt(i));
    return stored;
}

WordFields SplitFields(const std::u16string& line) {
    WordFields fields;
    size_t position = 0;
    fields.prompt = NextField(line, position);
    fields.answer = NextField(line, position);
    return fields;
}
