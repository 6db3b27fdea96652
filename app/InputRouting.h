// All input reaches the current screen's handler as one InputCode: 1 for a left click (with the
// key-state flags: 1 | 4 Shift | 8 Ctrl | 2 right button), otherwise the typed character
// (13 Enter, 8 Backspace).
#pragma once

#include <string>

void RouteInput(int code);
// Edits the text of the named text object: Backspace removes the last character, any other code
// is appended while the text is shorter than the object's lineWidth.
void TypeIntoText(const std::string& objectKey, int code);
