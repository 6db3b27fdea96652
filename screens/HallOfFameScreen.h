// The hall-of-fame screen: the scrolling list of the best ten results and its way back.
#pragma once

#include "game/state/InputEvent.h"
#include "screens/Game.h"

void BuildHallOfFameScreen(Game& game);
// Reads the hall of fame from its file and shows it.
void ShowHallOfFameScreen(Game& game);
void HallOfFameScreenInput(Game& game, const InputEvent& input);
void HideHallOfFameScreen(Game& game);
