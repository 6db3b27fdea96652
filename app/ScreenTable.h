// Every screen the player can be on, and what the application calls by screen: the building of
// its own objects during the loading step, its work on every tick and its input handler. Adding a
// screen takes its own file, a row here and the rows of the screen changes that lead to it and
// away (app/FrameTick).
#pragma once

#include "game/state/InputEvent.h"
#include "game/state/ScreenId.h"
#include "screens/Game.h"

struct ScreenEntry {
    ScreenId id;
    void (*build)(Game& game);  // nullptr: the screen shows only objects built for several screens
    void (*tick)(Game& game);   // nullptr: nothing to do on a tick beyond the scene's own
    void (*input)(Game& game, const InputEvent& input);  // nullptr: the screen takes no input
};

// The screen's row; nullptr for ScreenId::None.
const ScreenEntry* FindScreen(ScreenId id);
// Builds the objects several screens share, then every screen's own, in the table's order, which
// is their drawing order.
void BuildSceneObjects(Game& game);
