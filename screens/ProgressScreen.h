// The progress picture, built from the learner's record each time it is shown (CurrentProgress()):
// a list of every topic's name that scrolls as the topics list does (its arrows, Up and Down, the
// wheel), beside each shown name a bar of its cards by box group (new, boxes 1-2, 3-4, 5-7) and its
// recall over the last 30 days; the last 14 days with the days practised, each day's answers and
// the streak; the recall of all answers over 30 days; and the cards falling due on each of the next
// 7 days. With nothing answered yet it shows the empty picture and one line saying how to start.
// The back arrow leads to the main menu.
#pragma once

#include "game/state/InputEvent.h"
#include "screens/Game.h"

void BuildProgressScreen(Game& game);
void ShowProgressScreen(Game& game);
// Once a tick: the bars and recalls follow the names when the list has scrolled.
void ProgressScreenTick(Game& game);
void ProgressScreenInput(Game& game, const InputEvent& input);
void HideProgressScreen(Game& game);
