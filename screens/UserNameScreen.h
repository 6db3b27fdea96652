// The player types a name of up to ten characters; Enter or the arrow accepts it.
#pragma once

#include "game/state/InputEvent.h"

void BuildUserNameScreen();
void ShowUserNameScreen();
void UserNameScreenInput(const InputEvent& input);
void FlyOutUserNameScreen(bool accepted);
void HideUserNameScreen();
