// One piece of input as a screen receives it: a click with what was held, a typed character or a
// named key. Each press or character reaches a screen once, as exactly one of these. A key the key
// table (app/KeyBindings) gives a row on that screen comes with its meaning there: the button it
// presses, or the list it steps or chooses in; the screen's buttons and lists answer it as they
// answer a plain click on them.
#pragma once

#include <string>

#include "platform/Platform.h"

struct KeyMeaning {
    enum class Act {
        None,            // no row: the screen's own handling (a text field's Return and Backspace)
        Press,           // the button `objectKey`
        SelectPrevious,  // the list `objectKey` steps up, as by its up arrow
        SelectNext,      // and down
        ChooseSelected,  // the list's selected line is chosen
        ChooseLine,      // the list's line `line` is selected, and chosen once it is
    };
    Act act = Act::None;
    const char* objectKey = nullptr;
    int line = 0;

    bool Is(Act what, const std::string& key) const {
        return act == what && objectKey != nullptr && key == objectKey;
    }
};

struct InputEvent {
    enum class Kind { Click, Character, Key };

    Kind kind = Kind::Click;
    platform::Click click;                      // for a click
    char16_t character = 0;                     // for a typed character: one UTF-16 code unit
    platform::Key key = platform::Key::Return;  // for a named key
    KeyMeaning meaning;                         // for a named key: what it does on this screen

    static constexpr InputEvent Clicked(platform::Click held) {
        return {Kind::Click, held, 0, platform::Key::Return, KeyMeaning{}};
    }
    static constexpr InputEvent Typed(char16_t unit) {
        return {Kind::Character, platform::Click{}, unit, platform::Key::Return, KeyMeaning{}};
    }
    static constexpr InputEvent Pressed(platform::Key named, KeyMeaning meaning = KeyMeaning{}) {
        return {Kind::Key, platform::Click{}, 0, named, meaning};
    }

    bool IsClick() const { return kind == Kind::Click; }
    // A left click with no key held and no other button down.
    bool IsPlainClick() const { return kind == Kind::Click && click.IsPlain(); }
    bool IsKey(platform::Key named) const { return kind == Kind::Key && key == named; }
    bool IsCharacter() const { return kind == Kind::Character; }
    // A key with a meaning on this screen: the screen answers it as a plain click on what it names.
    bool HasMeaning() const { return kind == Kind::Key && meaning.act != KeyMeaning::Act::None; }
    // The key's meaning on this screen is `act` on the object `objectKey`.
    bool Means(KeyMeaning::Act act, const std::string& objectKey) const {
        return kind == Kind::Key && meaning.Is(act, objectKey);
    }
    // The same press or character (the key table's triggers; a key's meaning is not compared).
    bool operator==(const InputEvent& other) const {
        return kind == other.kind && click == other.click && character == other.character &&
               (kind != Kind::Key || key == other.key);
    }
};
