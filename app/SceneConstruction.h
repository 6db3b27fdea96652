// Creates, once, the named objects several screens share (logo, backgrounds, main-menu list,
// arrows, abort button, word texts, flags, score texts). Every object is created hidden.
#pragma once

#include "screens/Game.h"

void BuildScene(Game& game);
