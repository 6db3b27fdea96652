// How typed text reaches the game: SDL's UTF-8 text input becomes UTF-16 code units (one
// character each, by the game's one conversion, unicode/Utf8Utf16.h), Tab (which has no text input
// of its own) the character '\t', and the keys the game acts on become its named keys. Pure
// functions: no SDL state is touched.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace platform {

// The character a key press types when the key has no text input of its own: Tab '\t'; 0 for
// every other key (its text, if any, arrives as text input; named keys arrive as keys).
char16_t CharacterForKey(int32_t sdlKeycode);

// The game key a key press stands for; false for other keys, and for a held key's repeats except
// Up, Down and Backspace (a held Return or Escape must not choose twice).
bool GameKeyFor(int32_t sdlKeycode, bool repeat, Key& key);

}  // namespace platform
