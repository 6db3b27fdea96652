// How typed text reaches the game: SDL's UTF-8 text input becomes UTF-16 code units (one input
// code each), and the keys that arrive only as key presses become the control codes the game
// expects. Also the UTF-8 <-> UTF-16 conversions the rest of the game needs for paths and texts.
// Pure functions: no SDL state is touched.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace platform {

// Decodes UTF-8 to UTF-16 code units. A character outside the Basic Multilingual Plane becomes a
// surrogate pair (two codes). Each malformed byte (stray continuation, truncated or overlong
// sequence, encoded surrogate, value past U+10FFFF) becomes one U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

// Encodes UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

// The code a key press delivers when the key has no text of its own: Return and keypad Enter 13,
// Backspace 8, Tab 9, Escape 27; 0 for every other key (its text, if any, arrives as text input).
int ControlCodeForKey(int32_t sdlKeycode);

// The game key a key press stands for; false for other keys, and for a held key's repeats except
// Up and Down (a held Return or Escape must not choose twice).
bool GameKeyFor(int32_t sdlKeycode, bool repeat, Key& key);

}  // namespace platform
