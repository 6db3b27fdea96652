// Turning the bytes of a text file into UTF-16 code units, for the encodings learners' lists come
// in besides UTF-8 (unicode/Utf8Utf16.h): UTF-16 with its byte-order mark, and Windows-1252 (what a
// spreadsheet on Windows writes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Every byte is a character: 0x80-0x9F by the Windows-1252 table, the rest as Latin-1.
std::u16string Windows1252ToUtf16(const uint8_t* data, size_t size);
// Code units in either byte order; a last odd byte is dropped.
std::u16string Utf16ToUnits(const uint8_t* data, size_t size, bool bigEndian);
