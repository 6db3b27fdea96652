// The information panel between screens; its arrow goes on to infoReturnScreen (0 ends the
// program), a click beside it opens the help page that ships with the game (once while the panel
// stands); typed characters do nothing.
#pragma once

#include <string>

void BuildInfoScreen();
void ShowInfoScreen();
void InfoScreenInput(int code);
void HideInfoScreen();
// The address a click beside the arrow opens: the shipped help page as a file:// URL.
std::string HelpAddress();
