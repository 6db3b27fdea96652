// The loading picture in the small start-up window, and the loading step of the first tick that
// loads every texture, font and screen object and schedules the user-name screen.
#pragma once

void BuildLoadingScreen();
void ShowLoadingScreen();
// buildSharedObjects adds the objects several screens share (the logo, the lists, the buttons),
// after the backdrop and before each screen's own objects.
void LoadingStep(void (*buildSharedObjects)());
void HideLoadingScreen();
