// Input goes to the handler of the current screen; between screens and while loading it is
// dropped. The router never looks at transitionLock: handlers do, where they start a change.
#include "app/InputRouting.h"

#include "app/ScreenTable.h"
#include "game/AppContext.h"
#include "screens/TextEntry.h"

void RouteInput(int code) {
    if (const ScreenEntry* screen = FindScreen(app->currentScreen)) screen->input(code);
}

void RouteClick(int flags) {
    const ClickRouting routing;
    RouteInput(flags);
}
