// Input goes to the handler of the current screen; between screens and while loading it is
// dropped. The router never looks at transitionLock: handlers do, where they start a change.
#include "app/InputRouting.h"

#include "app/ScreenTable.h"
#include "game/state/AppContext.h"

void RouteInput(const InputEvent& input) {
    const ScreenEntry* screen = FindScreen(app->currentScreen);
    if (screen && screen->input) screen->input(input);
}

void RouteClick(const platform::Click& click) { RouteInput(InputEvent::Clicked(click)); }
