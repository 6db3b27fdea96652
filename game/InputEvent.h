// One piece of input as a screen receives it: a click with its key-state flags, a typed character
// or a named key. Each press or character reaches a screen once, as exactly one of these.
#pragma once

#include "platform/Platform.h"

struct InputEvent {
    enum class Kind { Click, Character, Key };

    Kind kind = Kind::Click;
    int clickFlags = 0;      // for a click: 1 | 4 Shift | 8 Ctrl | 2 right button (platform/ClickFlags.h)
    char16_t character = 0;  // for a typed character: one UTF-16 code unit
    platform::Key key = platform::Key::Return;  // for a named key

    static constexpr InputEvent Click(int flags) { return {Kind::Click, flags, 0, platform::Key::Return}; }
    static constexpr InputEvent Typed(char16_t unit) {
        return {Kind::Character, 0, unit, platform::Key::Return};
    }
    static constexpr InputEvent Pressed(platform::Key named) { return {Kind::Key, 0, 0, named}; }

    bool IsClick() const { return kind == Kind::Click; }
    // A left click with no key held and no other button down.
    bool IsPlainClick() const { return kind == Kind::Click && clickFlags == 1; }
    bool IsKey(platform::Key named) const { return kind == Kind::Key && key == named; }
    bool IsCharacter() const { return kind == Kind::Character; }
    bool operator==(const InputEvent& other) const {
        return kind == other.kind && clickFlags == other.clickFlags && character == other.character &&
               (kind != Kind::Key || key == other.key);
    }
};
