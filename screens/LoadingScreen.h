// The loading picture in the small start-up window, and the loading step of the first tick that
// loads every texture, font and screen object and schedules the user-name screen.
#pragma once

#include "screens/Game.h"

void BuildLoadingScreen(Game& game);
void ShowLoadingScreen(Game& game);
// buildScene adds every object after the backdrop: those the screens share, then each screen's
// own, in drawing order.
void LoadingStep(Game& game, void (*buildScene)(Game& game));
void HideLoadingScreen(Game& game);
