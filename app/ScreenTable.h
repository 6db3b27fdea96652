// Every screen the player can be on, and what the application calls by screen: the building of
// its own objects during the loading step and its input handler. Adding a screen takes its own
// file, a row here and the rows of the screen changes that lead to it and away (app/FrameTick).
#pragma once

#include "game/ScreenId.h"

struct ScreenEntry {
    ScreenId id;
    void (*build)();  // nullptr: the screen shows only objects built for several screens
    void (*input)(int code);
};

// The screen's row; nullptr for ScreenId::None and the loading screen, which take no input.
const ScreenEntry* FindScreen(ScreenId id);
// Builds the objects several screens share, then every screen's own, in the table's order, which
// is their drawing order.
void BuildSceneObjects();
