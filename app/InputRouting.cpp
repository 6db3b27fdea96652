// Input goes to the handler of the current screen; between screens and while loading it is
// dropped. The router never looks at transitionLock: handlers do, where they start a change.
#include "app/InputRouting.h"

#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "screens/ExitConfirm.h"
#include "screens/HallOfFameScreen.h"
#include "screens/InfoScreen.h"
#include "screens/LearningScreen.h"
#include "screens/MainMenu.h"
#include "screens/ResultScreens.h"
#include "screens/TestScreen.h"
#include "screens/TextEntry.h"
#include "screens/TopicsScreen.h"
#include "screens/UserNameScreen.h"

namespace {

struct InputHandler {
    ScreenId screen;
    void (*handle)(int code);
};

const InputHandler kHandlers[] = {
    {ScreenId::UserName, UserNameInput},
    {ScreenId::MainMenu, MainMenuInput},
    {ScreenId::Topics, TopicsScreenInput},
    {ScreenId::Test, TestInput},
    {ScreenId::Learning, LearningInput},
    {ScreenId::Info, InfoScreenInput},
    // The result screens decide on hover state alone.
    {ScreenId::NextLevel, [](int) { NextLevelScreenInput(); }},
    {ScreenId::GameOver, [](int) { GameOverScreenInput(); }},
    {ScreenId::HallOfFame, HallOfFameInput},
    {ScreenId::ExitConfirm, ExitConfirmInput},
};

}  // namespace

void RouteInput(int code) {
    for (const InputHandler& handler : kHandlers) {
        if (handler.screen == app->currentScreen) {
            handler.handle(code);
            return;
        }
    }
}

void RouteClick(int flags) {
    const ClickRouting routing;
    RouteInput(flags);
}
