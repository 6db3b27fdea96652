// Input reaches the current screen's handler as one InputEvent (game/InputEvent.h): a click with
// its key-state flags, a typed character or a named key that the key table (app/KeyBindings) has
// no row for.
#pragma once

#include "game/InputEvent.h"

void RouteInput(const InputEvent& input);
// RouteInput for a click's key-state flags (1 | 4 Shift | 8 Ctrl | 2 right button).
void RouteClick(int flags);
