#include "unicode/Utf8Utf16.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMalformed = 0xFFFFFFFF;

// Reads the character at `i` by the header's rule and moves `i` past the bytes it took: its code
// point, or kMalformed.
char32_t NextCodePoint(const uint8_t* data, size_t size, size_t& i) {
    const uint8_t lead = data[i];
    size_t length = 0;
    char32_t point = 0, minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kMalformed;
    }
    size_t taken = 1;
    while (taken < length && i + taken < size && (data[i + taken] & 0xC0) == 0x80) {
        point = (point << 6) | (data[i + taken] & 0x3F);
        ++taken;
    }
    i += taken;
    if (taken < length) return kMalformed;
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return kMalformed;
    return point;
}

void AppendUtf16(std::u16string& text, char32_t point) {
    if (point == kMalformed) point = kReplacement;
    if (point < 0x10000) {
        text.push_back(static_cast<char16_t>(point));
    } else {
        point -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
    }
}

void AppendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (point >> 6)));
        text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (point >> 12)));
        text.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (point >> 18)));
        text.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(const uint8_t* data, size_t size) {
    std::u16string text;
    text.reserve(size);
    for (size_t i = 0; i < size;) AppendUtf16(text, NextCodePoint(data, size, i));
    return text;
}

std::u16string Utf8ToUtf16(const std::string& text) {
    return Utf8ToUtf16(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

bool IsValidUtf8(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size;) {
        if (NextCodePoint(data, size, i) == kMalformed) return false;
    }
    return true;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t point = text[i];
        if (point >= 0xD800 && point <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            point = 0x10000 + ((point - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (point >= 0xD800 && point <= 0xDFFF) {
            point = kReplacement;
        }
        AppendUtf8(utf8, point);
    }
    return utf8;
}
