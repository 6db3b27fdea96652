// The hall-of-fame screen: the scrolling list of the best ten results and its way back.
#pragma once

#include "game/state/InputEvent.h"

void BuildHallOfFameScreen();
// Reads the hall of fame from its file and shows it.
void ShowHallOfFameScreen();
void HallOfFameScreenInput(const InputEvent& input);
void HideHallOfFameScreen();
