// Typing into a text field of the scene: the one rule every screen's field follows.
#pragma once

#include <string>

// Edits the text of the named text object: Backspace removes the last character, any other code
// is appended while the text is shorter than the object's lineWidth. Control characters and
// letters without a glyph are not typed (they would be invisible or show as another letter),
// except Tab where the field takes it.
void TypeIntoText(const std::string& objectKey, int code, bool takesTab = false);

// Held while a click is routed: its key-state flags (5 for a Shift-click, 9 for a Ctrl-click) are
// not characters, whatever code they share with one, so no field takes them.
class ClickRouting {
public:
    ClickRouting();
    ~ClickRouting();
    ClickRouting(const ClickRouting&) = delete;
    ClickRouting& operator=(const ClickRouting&) = delete;
};

// True while a click is routed (a ClickRouting stands), false for a typed character.
bool RoutingClick();
