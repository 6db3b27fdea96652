// The screen state machine. Screens never switch directly: they post a named event, and when it
// falls due the row of that name below hides what is left of the old screen and shows the new
// one. The names are posted by the screens themselves, so they must match exactly.
#include "app/FrameTick.h"

#include <string>

#include "app/Application.h"
#include "app/SceneConstruction.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "screens/ExitConfirm.h"
#include "screens/HallOfFameScreen.h"
#include "screens/InfoScreen.h"
#include "screens/LearningScreen.h"
#include "screens/LoadingScreen.h"
#include "screens/MainMenu.h"
#include "screens/ResultScreens.h"
#include "screens/TestScreen.h"
#include "screens/TopicsScreen.h"
#include "screens/UserNameScreen.h"

namespace {

struct ScreenChange {
    const char* event;
    void (*actions)();
    ScreenId enters;
};

void EnterInfo(int returnScreen) {
    ShowInfoScreen();
    app->infoReturnScreen = returnScreen;
}

const ScreenChange kScreenChanges[] = {
    {"ekran_username po loading wjazd",
     [] {
         scene->reflectionOff = false;
         HideLoadingScreen();
         ShowUserNameScreen();
         ResizeToPlayWindow();
     },
     ScreenId::UserName},
    {"ekran_glowny po username wjazd",
     [] {
         HideUserNameScreen();
         ShowMainMenu(true);  // the logo is already standing
     },
     ScreenId::MainMenu},
    {"ekran_koniec po username wjazd",
     [] {
         HideUserNameScreen();
         ShowExitConfirm(ScreenId::UserName);
     },
     ScreenId::ExitConfirm},
    {"ekran_tematy wjazd",
     [] {
         HideMainMenu();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {"ekran_halloffame wjazd",
     [] {
         HideMainMenu();
         ShowHallOfFame();
     },
     ScreenId::HallOfFame},
    {"ekran_info wjazd",
     [] {
         HideMainMenu();
         EnterInfo(4);
     },
     ScreenId::Info},
    {"ekran_koniec wjazd",
     [] {
         HideMainMenu();
         ShowExitConfirm(ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {"ekran_koniec po glownym wjazd",
     [] {
         HideMainMenu();
         ShowExitConfirm(ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {"ekran_glowny po koniec wjazd",
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {"ekran_username po koniec wjazd",
     [] {
         HideExitConfirm();
         ShowUserNameScreen();
     },
     ScreenId::UserName},
    {"ekran_info po koniec wjazd",
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         EnterInfo(0);  // the arrow now ends the program
     },
     ScreenId::Info},
    {"ekran_info po tematach wjazd",
     [] {
         HideTopicsScreen();
         EnterInfo(app->sessionMode == 0 ? 7 : 6);
     },
     ScreenId::Info},
    {"ekran_glowny po tematach wjazd",
     [] {
         HideTopicsScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {"ekran_nauka po info wjazd",
     [] {
         HideInfoScreen();
         StartLearning();
     },
     ScreenId::Learning},
    {"ekran_test po info wjazd",
     [] {
         HideInfoScreen();
         StartTest();
     },
     ScreenId::Test},
    {"ekran_glowny po info wjazd",
     [] {
         HideInfoScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {"ekran_glowny po nauce wjazd",
     [] {
         HideLearningScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {"ekran_nextlevel wjazd",
     [] {
         HideTestScreen();
         ShowNextLevelScreen();
     },
     ScreenId::NextLevel},
    {"ekran_glowny wjazd",
     [] {
         HideTestScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {"ekran_gameover wjazd",
     [] {
         HideTestScreen();
         ShowGameOverScreen();
     },
     ScreenId::GameOver},
    {"ekran_glowny po nextlevel wjazd",
     [] {
         HideResultScreens();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {"ekran_info po gameover wjazd",
     [] {
         HideResultScreens();
         EnterInfo(4);
     },
     ScreenId::Info},
    {"ekran_glowny po halloffame wjazd",
     [] {
         HideHallOfFame();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
};

// Events that do their work on the current screen and leave currentScreen and the lock alone.
struct InScreenEvent {
    const char* event;
    void (*actions)();
};

const InScreenEvent kInScreenEvents[] = {
    {"ekran_tematy pokazuj bg2", [] { CompleteTopicPictureChange("bg1 temat", "bg2 temat"); }},
    {"ekran_tematy pokazuj bg1", [] { CompleteTopicPictureChange("bg2 temat", "bg1 temat"); }},
    {"ekran_test - nastepne slowo", ShowNextTestQuestion},
    {"ekran_nauka - nastepne slowo", ShowNextLearningEntry},
};

void Dispatch(const std::string& event) {
    if (event.empty()) return;
    for (const ScreenChange& row : kScreenChanges) {
        if (event == row.event) {
            row.actions();
            app->currentScreen = row.enters;
            app->transitionLock = false;
            return;
        }
    }
    for (const InScreenEvent& row : kInScreenEvents) {
        if (event == row.event) {
            row.actions();
            return;
        }
    }
    // An unknown name is dropped.
}

}  // namespace

void FrameTick() {
    if (app->currentScreen == ScreenId::Loading) {
        LoadingStep(BuildScene);
    } else if (app->currentScreen == ScreenId::Test) {
        TestClockTick();
    }
    Dispatch(scene->PollEvent());
    scene->Render();
}
