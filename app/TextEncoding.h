// Conversions between the UTF-16 text the game shows and the UTF-8 of file paths, debug output
// and the content sources.
#pragma once

#include <string>

// Unpaired surrogates become U+FFFD, so any code unit sequence converts.
std::string Utf16ToUtf8(const std::u16string& text);
// Strict: false on any malformed, overlong or surrogate-coding sequence (`out` is then partial).
bool Utf8ToUtf16(const std::string& text, std::u16string& out);
