// Turning the bytes of a text file into UTF-16 code units and back, for the encodings learners'
// lists come in: UTF-8, UTF-16 with its byte-order mark, and Windows-1252 (what a spreadsheet on
// Windows writes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(const uint8_t* data, size_t size);
// Well-formed UTF-8 -> UTF-16 (code points past U+FFFF as surrogate pairs). A malformed sequence
// becomes U+FFFD.
std::u16string Utf8ToUtf16(const uint8_t* data, size_t size);
std::u16string Utf8ToUtf16(const std::string& text);
// Every byte is a character: 0x80-0x9F by the Windows-1252 table, the rest as Latin-1.
std::u16string Windows1252ToUtf16(const uint8_t* data, size_t size);
// Code units in either byte order; a last odd byte is dropped.
std::u16string Utf16ToUnits(const uint8_t* data, size_t size, bool bigEndian);
// UTF-16 -> UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);
