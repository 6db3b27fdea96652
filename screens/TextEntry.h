// Typing into a text field of the scene: the one rule every screen's field follows.
#pragma once

#include <string>

#include "game/state/InputEvent.h"
#include "screens/Game.h"

// Edits the text of the named text object: Backspace removes the last character, a typed character
// is appended while the text is shorter than the object's lineWidth. Control characters and
// letters without a glyph are not typed (they would be invisible or show as another letter),
// except Tab where the field takes it. Clicks and other keys leave the text alone.
void EditText(Game& game, const std::string& objectKey, const InputEvent& input, bool takesTab = false);
