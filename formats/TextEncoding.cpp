#include "formats/TextEncoding.h"

namespace {

// Windows-1252 at 0x80-0x9F; the five bytes it leaves undefined are read as their Latin-1 codes.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

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
