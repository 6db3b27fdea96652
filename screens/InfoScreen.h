// The information panel between screens; its arrow goes on to infoReturnScreen (None ends the
// program), a click beside it opens the help page that ships with the game (once while the panel
// stands); typed characters do nothing.
#pragma once

#include <string>

#include "game/state/InputEvent.h"

void BuildInfoScreen();
void ShowInfoScreen();
void InfoScreenInput(const InputEvent& input);
void HideInfoScreen();
// The address a click beside the arrow opens: the shipped help page as a file:// URL.
std::string HelpAddress();
