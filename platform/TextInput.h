// How typed text reaches the game: SDL's UTF-8 text input becomes UTF-16 code units (one
// character each), Tab (which has no text input of its own) the character '\t', and the keys the
// game acts on become its named keys. Also the UTF-8 <-> UTF-16 conversions the rest of the game needs for
// paths and texts. Pure functions: no SDL state is touched.
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

// The character a key press types when the key has no text input of its own: Tab '\t'; 0 for
// every other key (its text, if any, arrives as text input; named keys arrive as keys).
char16_t CharacterForKey(int32_t sdlKeycode);

// The game key a key press stands for; false for other keys, and for a held key's repeats except
// Up, Down and Backspace (a held Return or Escape must not choose twice).
bool GameKeyFor(int32_t sdlKeycode, bool repeat, Key& key);

}  // namespace platform
