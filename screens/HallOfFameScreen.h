// The hall-of-fame screen: the scrolling list of the best ten results and its way back.
#pragma once

void BuildHallOfFame();
// Reads the hall of fame from its file and shows it.
void ShowHallOfFame();
void HallOfFameInput(int code);
void HideHallOfFame();
