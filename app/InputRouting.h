// All input reaches the current screen's handler as one InputCode: 1 for a left click (with the
// key-state flags: 1 | 4 Shift | 8 Ctrl | 2 right button), otherwise the typed character
// (13 Enter, 8 Backspace).
#pragma once

#include <string>

void RouteInput(int code);
// RouteInput for a click's key-state flags; the text fields take nothing from it.
void RouteClick(int flags);
