// The loading picture in the small start-up window, and the loading step of the first tick that
// loads every texture, font and screen object and schedules the user-name screen.
#pragma once

void BuildLoadingScreen();
void ShowLoadingScreen();
void LoadingStep();
void HideLoadingScreen();
