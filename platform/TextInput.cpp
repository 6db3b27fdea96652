#include "platform/TextInput.h"

#include <SDL_keycode.h>

namespace platform {

char16_t CharacterForKey(int32_t sdlKeycode) { return sdlKeycode == SDLK_TAB ? u'\t' : 0; }

bool GameKeyFor(int32_t sdlKeycode, bool repeat, Key& key) {
    struct Row {
        int32_t sdlKeycode;
        Key key;
        bool repeats;  // a held key keeps delivering it
    };
    static constexpr Row kKeys[] = {
        {SDLK_UP, Key::Up, true},
        {SDLK_DOWN, Key::Down, true},
        {SDLK_BACKSPACE, Key::Backspace, true},
        {SDLK_LEFT, Key::Left, false},
        {SDLK_RIGHT, Key::Right, false},
        {SDLK_RETURN, Key::Return, false},
        {SDLK_KP_ENTER, Key::Return, false},
        {SDLK_ESCAPE, Key::Escape, false},
        {SDLK_F1, Key::F1, false},
        {SDLK_F2, Key::F2, false},
        {SDLK_F3, Key::F3, false},
        {SDLK_DELETE, Key::Delete, false},
    };
    for (const Row& row : kKeys) {
        if (row.sdlKeycode != sdlKeycode) continue;
        key = row.key;
        return row.repeats || !repeat;
    }
    return false;
}

}  // namespace platform
