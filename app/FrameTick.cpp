// The screen state machine. Screens never switch directly: they post a named event, and when it
// falls due the row of that name below hides what is left of the old screen and shows the new
// one. The screens post the names declared in game/names/EventNames.h, the same constants as below.
#include "app/FrameTick.h"

#include <string>

#include "app/Application.h"
#include "app/ListImports.h"
#include "app/ScreenTable.h"
#include "engine/GLScene.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/names/UnknownNames.h"
#include "game/state/AppContext.h"
#include "platform/Platform.h"
#include "screens/ExitConfirm.h"
#include "screens/HallOfFameScreen.h"
#include "screens/InfoScreen.h"
#include "screens/LearningScreen.h"
#include "screens/LoadingScreen.h"
#include "screens/MainMenu.h"
#include "screens/ProgressScreen.h"
#include "screens/ResultScreens.h"
#include "screens/SpeechSign.h"
#include "screens/TestScreen.h"
#include "screens/TopicsScreen.h"
#include "screens/UserNameScreen.h"

namespace {

struct ScreenChange {
    const char* event;
    void (*actions)();
    ScreenId enters;
};

// The panel shown knows where it leads: before an own list's run it names the list's languages.
void EnterInfo(ScreenId returnScreen) {
    app->infoReturnScreen = returnScreen;
    ShowInfoScreen();
}

const ScreenChange kScreenChanges[] = {
    {event::kUserNameAfterLoading,
     [] {
         scene->reflectionOff = false;
         HideLoadingScreen();
         ShowUserNameScreen();
         ResizeToPlayWindow();
     },
     ScreenId::UserName},
    {event::kMainMenuAfterUserName,
     [] {
         HideUserNameScreen();
         ShowMainMenu(true);  // the logo is already standing
     },
     ScreenId::MainMenu},
    {event::kExitConfirmAfterUserName,
     [] {
         HideUserNameScreen();
         ShowExitConfirm(ScreenId::UserName);
     },
     ScreenId::ExitConfirm},
    {event::kTopicsAfterMainMenu,
     [] {
         HideMainMenu();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {event::kHallOfFameAfterMainMenu,
     [] {
         HideMainMenu();
         ShowHallOfFameScreen();
     },
     ScreenId::HallOfFame},
    {event::kInfoAfterMainMenu,
     [] {
         HideMainMenu();
         EnterInfo(ScreenId::MainMenu);
     },
     ScreenId::Info},
    {event::kExitConfirmAfterMenuLine,
     [] {
         HideMainMenu();
         ShowExitConfirm(ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {event::kExitConfirmAfterMainMenuAbort,
     [] {
         HideMainMenu();
         ShowExitConfirm(ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {event::kMainMenuAfterExitConfirm,
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kUserNameAfterExitConfirm,
     [] {
         HideExitConfirm();
         ShowUserNameScreen();
     },
     ScreenId::UserName},
    {event::kInfoAfterExitConfirm,
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         EnterInfo(ScreenId::None);  // the arrow now ends the program
     },
     ScreenId::Info},
    {event::kInfoAfterTopics,
     [] {
         HideTopicsScreen();
         EnterInfo(app->sessionMode == SessionMode::Learning ? ScreenId::Learning : ScreenId::Test);
     },
     ScreenId::Info},
    {event::kMainMenuAfterTopics,
     [] {
         HideTopicsScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kLearningAfterInfo,
     [] {
         HideInfoScreen();
         ShowLearningScreen();
     },
     ScreenId::Learning},
    {event::kTestAfterInfo,
     [] {
         HideInfoScreen();
         ShowTestScreen();
     },
     ScreenId::Test},
    {event::kMainMenuAfterInfo,
     [] {
         HideInfoScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kMainMenuAfterLearning,
     [] {
         HideLearningScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kNextLevelAfterTest,
     [] {
         HideTestScreen();
         ShowNextLevelScreen();
     },
     ScreenId::NextLevel},
    {event::kMainMenuAfterTest,
     [] {
         HideTestScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kGameOverAfterTest,
     [] {
         HideTestScreen();
         ShowGameOverScreen();
     },
     ScreenId::GameOver},
    {event::kMainMenuAfterNextLevel,
     [] {
         HideResultScreens();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kInfoAfterGameOver,
     [] {
         HideResultScreens();
         EnterInfo(ScreenId::MainMenu);
     },
     ScreenId::Info},
    {event::kLearningAfterNextLevel,
     [] {
         HideResultScreens();
         ShowPractiseRound();
     },
     ScreenId::Learning},
    {event::kLearningAfterGameOver,
     [] {
         HideResultScreens();
         ShowPractiseRound();
     },
     ScreenId::Learning},
    {event::kExitConfirmAfterTopics,
     [] {
         HideTopicsScreen();
         ShowExitConfirm(ScreenId::Topics);
     },
     ScreenId::ExitConfirm},
    {event::kTopicsAfterExitConfirm,
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {event::kTopicsAfterImport,
     [] {
         HideTopicsScreen();
         RefreshTopicsList();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {event::kMainMenuAfterHallOfFame,
     [] {
         HideHallOfFameScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kReviewAfterMainMenu,
     [] {
         HideMainMenu();
         ShowReviewRun();
     },
     ScreenId::Test},
    {event::kReviewResultAfterReview,
     [] {
         HideTestScreen();
         ShowReviewResultScreen();
     },
     ScreenId::ReviewResult},
    {event::kMainMenuAfterReviewResult,
     [] {
         HideResultScreens();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {event::kLearningAfterReviewResult,
     [] {
         HideResultScreens();
         ShowPractiseRound();
     },
     ScreenId::Learning},
    {event::kProgressAfterMainMenu,
     [] {
         HideMainMenu();
         ShowProgressScreen();
     },
     ScreenId::Progress},
    {event::kMainMenuAfterProgress,
     [] {
         HideProgressScreen();
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
    {event::kTopicsShowSecondPicture,
     [] { CompleteTopicPictureChange(key::kTopicPictureFirst, key::kTopicPictureSecond); }},
    {event::kTopicsShowFirstPicture,
     [] { CompleteTopicPictureChange(key::kTopicPictureSecond, key::kTopicPictureFirst); }},
    {event::kTestNextWord, ShowNextTestQuestion},
    {event::kLearningNextWord, ShowNextLearningEntry},
};

void Dispatch(const std::string& name) {
    if (name.empty()) return;
    for (const ScreenChange& row : kScreenChanges) {
        if (name == row.event) {
            row.actions();
            scene->RenderWholeNext();
            app->currentScreen = row.enters;
            app->transitionLock = false;
            return;
        }
    }
    for (const InScreenEvent& row : kInScreenEvents) {
        if (name == row.event) {
            row.actions();
            return;
        }
    }
    ReportUnknownName(UnknownName::EventName, name);  // and dropped
}

}  // namespace

void FrameTick() {
    if (const ScreenEntry* screen = FindScreen(app->currentScreen); screen && screen->tick) screen->tick();
    StepSpeechSign();
    ImportWaitingListsWhenIdle();
    Dispatch(scene->PollEvent());
    scene->Render(platform::TickIsShown());
    // Over the frame just shown: the command line's import report waits for the play window.
    TellImportReport();
}
