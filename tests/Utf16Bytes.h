// The bytes of a text as the game's UTF-16LE files store it, for tests that check files exactly.
#pragma once

#include <string>

inline std::string Utf16Le(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}
