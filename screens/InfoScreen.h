// The information panel between screens; its arrow goes on to infoReturnScreen (None ends the
// program), a click beside it opens the help page that ships with the game (once while the panel
// stands); typed characters do nothing.
#pragma once

#include <string>

#include "game/state/InputEvent.h"
#include "screens/Game.h"

void BuildInfoScreen(Game& game);
void ShowInfoScreen(Game& game);
void InfoScreenInput(Game& game, const InputEvent& input);
void HideInfoScreen(Game& game);
// The address a click beside the arrow opens: the shipped help page as a file:// URL.
std::string HelpAddress();
