// The one conversion between UTF-8 (files, paths, the text the window types) and UTF-16 (every text
// the game shows), with one rule for malformed UTF-8, so a file's words and typed words that are
// the same bytes become the same text. Pure functions.
//
// The rule: a byte that cannot start a character (a stray continuation byte, 0xF8-0xFF) is one
// U+FFFD. A lead byte takes the continuation bytes its length asks for; cut short (by another byte
// or the end), the bytes taken are one U+FFFD and reading goes on at the byte that cut it; whole
// but overlong, an encoded surrogate or past U+10FFFF, the sequence is one U+FFFD.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// UTF-8 -> UTF-16 (code points past U+FFFF as surrogate pairs), malformed bytes by the rule above.
std::u16string Utf8ToUtf16(const uint8_t* data, size_t size);
std::u16string Utf8ToUtf16(const std::string& text);
// True when no byte is malformed by the rule above.
bool IsValidUtf8(const uint8_t* data, size_t size);
// UTF-16 -> UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);
