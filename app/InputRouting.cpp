// Input goes to the handler of the current screen; between screens and while loading it is
// dropped. The router never looks at transitionLock: handlers do, where they start a change.
#include "app/InputRouting.h"

#include "app/ScreenTable.h"
#include "game/state/AppContext.h"

void RouteInput(Game& game, const InputEvent& input) {
    const ScreenEntry* screen = FindScreen(game.app.currentScreen);
    if (screen && screen->input) screen->input(game, input);
}

void RouteClick(Game& game, const platform::Click& click) { RouteInput(game, InputEvent::Clicked(click)); }
