// Input reaches the current screen's handler as one InputEvent (game/state/InputEvent.h): a click with
// what was held, a typed character, or a named key with its meaning there from the key table
// (app/KeyBindings), or without one where the table has no row for it.
#pragma once

#include "game/state/InputEvent.h"
#include "screens/Game.h"

void RouteInput(Game& game, const InputEvent& input);
// RouteInput for a left click and what was held with it.
void RouteClick(Game& game, const platform::Click& click);
