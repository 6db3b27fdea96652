#include "formats/TextEncoding.h"

namespace {

// Windows-1252 at 0x80-0x9F; the five bytes it leaves undefined are read as their Latin-1 codes.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Reads one UTF-8 sequence at `i`: its code point, or -1 when malformed. Advances `i` past it
// (one byte when malformed).
long NextCodePoint(const uint8_t* data, size_t size, size_t& i) {
    const uint8_t lead = data[i];
    int length = 0;
    long point = 0;
    long minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (size - i < static_cast<size_t>(length)) {
        ++i;
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        const uint8_t next = data[i + k];
        if ((next & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        point = (point << 6) | (next & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += length;
    return point;
}

void AppendCodePoint(std::u16string& text, long point) {
    if (point < 0) {
        text.push_back(0xFFFD);
    } else if (point < 0x10000) {
        text.push_back(static_cast<char16_t>(point));
    } else {
        point -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
    }
}

}  // namespace

bool IsValidUtf8(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size;) {
        if (NextCodePoint(data, size, i) < 0) return false;
    }
    return true;
}

std::u16string Utf8ToUtf16(const uint8_t* data, size_t size) {
    std::u16string text;
    text.reserve(size);
    for (size_t i = 0; i < size;) AppendCodePoint(text, NextCodePoint(data, size, i));
    return text;
}

std::u16string Utf8ToUtf16(const std::string& text) {
    return Utf8ToUtf16(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::u16string Windows1252ToUtf16(const uint8_t* data, size_t size) {
    std::u16string text(size, u'\0');
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        text[i] = byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
    }
    return text;
}

std::u16string Utf16ToUnits(const uint8_t* data, size_t size, bool bigEndian) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i + 1 < size; i += 2) {
        const unsigned first = data[i], second = data[i + 1];
        text[i / 2] = static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return text;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        long point = text[i];
        if (point >= 0xD800 && point <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            point = 0x10000 + ((point - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (point >= 0xD800 && point <= 0xDFFF) {
            point = 0xFFFD;
        }
        if (point < 0x80) {
            utf8.push_back(static_cast<char>(point));
        } else if (point < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | (point >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else if (point < 0x10000) {
            utf8.push_back(static_cast<char>(0xE0 | (point >> 12)));
            utf8.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xF0 | (point >> 18)));
            utf8.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        }
    }
    return utf8;
}
