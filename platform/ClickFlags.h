// The key-state flags a left click carries to the game: 1 (the left button itself) OR 4 while
// Shift is held, OR 8 while Ctrl is held, OR 2 while the right button is down. Pure.
#pragma once

namespace platform {

int ClickFlags(bool shiftHeld, bool ctrlHeld, bool rightButtonDown);

}  // namespace platform
