// The information panel between screens; its arrow goes on to infoReturnScreen (0 ends the
// program), any other input opens the help page that ships with the game.
#pragma once

#include <string>

void BuildInfoScreen();
void ShowInfoScreen();
void InfoScreenInput(int code);
void HideInfoScreen();
// The address opened by any input other than the arrow: the shipped help page as a file:// URL.
std::string HelpAddress();
