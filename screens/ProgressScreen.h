// The progress picture, built from the word schedule alone (CurrentProgress()): per topic a bar of
// its cards by box group (new, boxes 1-2, 3-4, 5-7), the last 14 days with the days practised and
// the streak, and the cards falling due on each of the next 7 days. With nothing answered yet it
// shows the empty picture and one line saying how to start. The back arrow leads to the main menu.
#pragma once

#include "game/InputEvent.h"

void BuildProgressScreen();
void ShowProgressScreen();
void ProgressScreenInput(const InputEvent& input);
void HideProgressScreen();
