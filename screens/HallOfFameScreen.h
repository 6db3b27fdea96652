// The hall-of-fame screen: the scrolling list of the best ten results and its way back.
#pragma once

void BuildHallOfFameScreen();
// Reads the hall of fame from its file and shows it.
void ShowHallOfFameScreen();
void HallOfFameScreenInput(int code);
void HideHallOfFameScreen();
