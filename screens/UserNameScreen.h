// The player types a name of up to ten characters; Enter or the arrow accepts it.
#pragma once

#include "game/state/InputEvent.h"
#include "screens/Game.h"

void BuildUserNameScreen(Game& game);
void ShowUserNameScreen(Game& game);
void UserNameScreenInput(Game& game, const InputEvent& input);
void FlyOutUserNameScreen(Game& game, bool accepted);
void HideUserNameScreen(Game& game);
