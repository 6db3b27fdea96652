// The screen state machine. Screens never switch directly: they post an event, and when it falls due
// the row of that event below hides what is left of the old screen and shows the new one. The scene's
// queue carries the event's name (game/names/EventNames.h); it is turned back into its value once,
// and the rows are found by the value.
#include "app/FrameTick.h"

#include <optional>
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
    ScreenEvent event;
    void (*actions)();
    ScreenId enters;
};

// The panel shown knows where it leads: before an own list's run it names the list's languages.
void EnterInfo(ScreenId returnScreen) {
    app->infoReturnScreen = returnScreen;
    ShowInfoScreen();
}

const ScreenChange kScreenChanges[] = {
    {ScreenEvent::UserNameAfterLoading,
     [] {
         scene->reflectionOff = false;
         HideLoadingScreen();
         ShowUserNameScreen();
         ResizeToPlayWindow();
     },
     ScreenId::UserName},
    {ScreenEvent::MainMenuAfterUserName,
     [] {
         HideUserNameScreen();
         ShowMainMenu(true);  // the logo is already standing
     },
     ScreenId::MainMenu},
    {ScreenEvent::ExitConfirmAfterUserName,
     [] {
         HideUserNameScreen();
         ShowExitConfirm(ScreenId::UserName);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::TopicsAfterMainMenu,
     [] {
         HideMainMenu();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {ScreenEvent::HallOfFameAfterMainMenu,
     [] {
         HideMainMenu();
         ShowHallOfFameScreen();
     },
     ScreenId::HallOfFame},
    {ScreenEvent::InfoAfterMainMenu,
     [] {
         HideMainMenu();
         EnterInfo(ScreenId::MainMenu);
     },
     ScreenId::Info},
    {ScreenEvent::ExitConfirmAfterMenuLine,
     [] {
         HideMainMenu();
         ShowExitConfirm(ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::ExitConfirmAfterMainMenuAbort,
     [] {
         HideMainMenu();
         ShowExitConfirm(ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::MainMenuAfterExitConfirm,
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::UserNameAfterExitConfirm,
     [] {
         HideExitConfirm();
         ShowUserNameScreen();
     },
     ScreenId::UserName},
    {ScreenEvent::InfoAfterExitConfirm,
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         EnterInfo(ScreenId::None);  // the arrow now ends the program
     },
     ScreenId::Info},
    {ScreenEvent::InfoAfterTopics,
     [] {
         HideTopicsScreen();
         EnterInfo(app->sessionMode == SessionMode::Learning ? ScreenId::Learning : ScreenId::Test);
     },
     ScreenId::Info},
    {ScreenEvent::MainMenuAfterTopics,
     [] {
         HideTopicsScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::LearningAfterInfo,
     [] {
         HideInfoScreen();
         ShowLearningScreen();
     },
     ScreenId::Learning},
    {ScreenEvent::TestAfterInfo,
     [] {
         HideInfoScreen();
         ShowTestScreen();
     },
     ScreenId::Test},
    {ScreenEvent::MainMenuAfterInfo,
     [] {
         HideInfoScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::MainMenuAfterLearning,
     [] {
         HideLearningScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::NextLevelAfterTest,
     [] {
         HideTestScreen();
         ShowNextLevelScreen();
     },
     ScreenId::NextLevel},
    {ScreenEvent::MainMenuAfterTest,
     [] {
         HideTestScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::GameOverAfterTest,
     [] {
         HideTestScreen();
         ShowGameOverScreen();
     },
     ScreenId::GameOver},
    {ScreenEvent::MainMenuAfterNextLevel,
     [] {
         HideResultScreens();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::InfoAfterGameOver,
     [] {
         HideResultScreens();
         EnterInfo(ScreenId::MainMenu);
     },
     ScreenId::Info},
    {ScreenEvent::LearningAfterNextLevel,
     [] {
         HideResultScreens();
         ShowPractiseRound();
     },
     ScreenId::Learning},
    {ScreenEvent::LearningAfterGameOver,
     [] {
         HideResultScreens();
         ShowPractiseRound();
     },
     ScreenId::Learning},
    {ScreenEvent::ExitConfirmAfterTopics,
     [] {
         HideTopicsScreen();
         ShowExitConfirm(ScreenId::Topics);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::TopicsAfterExitConfirm,
     [] {
         scene->reflectionOff = false;
         HideExitConfirm();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {ScreenEvent::TopicsAfterImport,
     [] {
         HideTopicsScreen();
         RefreshTopicsList();
         ShowTopicsScreen();
     },
     ScreenId::Topics},
    {ScreenEvent::MainMenuAfterHallOfFame,
     [] {
         HideHallOfFameScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::ReviewAfterMainMenu,
     [] {
         HideMainMenu();
         ShowReviewRun();
     },
     ScreenId::Test},
    {ScreenEvent::ReviewResultAfterReview,
     [] {
         HideTestScreen();
         ShowReviewResultScreen();
     },
     ScreenId::ReviewResult},
    {ScreenEvent::MainMenuAfterReviewResult,
     [] {
         HideResultScreens();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::LearningAfterReviewResult,
     [] {
         HideResultScreens();
         ShowPractiseRound();
     },
     ScreenId::Learning},
    {ScreenEvent::ProgressAfterMainMenu,
     [] {
         HideMainMenu();
         ShowProgressScreen();
     },
     ScreenId::Progress},
    {ScreenEvent::MainMenuAfterProgress,
     [] {
         HideProgressScreen();
         ShowMainMenu(false);
     },
     ScreenId::MainMenu},
};

// Events that do their work on the current screen and leave currentScreen and the lock alone.
struct InScreenEvent {
    ScreenEvent event;
    void (*actions)();
};

const InScreenEvent kInScreenEvents[] = {
    {ScreenEvent::TopicsShowSecondPicture,
     [] { CompleteTopicPictureChange(key::kTopicPictureFirst, key::kTopicPictureSecond); }},
    {ScreenEvent::TopicsShowFirstPicture,
     [] { CompleteTopicPictureChange(key::kTopicPictureSecond, key::kTopicPictureFirst); }},
    {ScreenEvent::TestNextWord, ShowNextTestQuestion},
    {ScreenEvent::LearningNextWord, ShowNextLearningEntry},
};

void Dispatch(const std::string& name) {
    if (name.empty()) return;
    const std::optional<ScreenEvent> event = EventNamed(name);
    if (!event) {
        ReportUnknownName(UnknownName::EventName, name);  // and dropped
        return;
    }
    for (const ScreenChange& row : kScreenChanges) {
        if (*event == row.event) {
            row.actions();
            scene->RenderWholeNext();
            app->currentScreen = row.enters;
            app->transitionLock = false;
            return;
        }
    }
    for (const InScreenEvent& row : kInScreenEvents) {
        if (*event == row.event) {
            row.actions();
            return;
        }
    }
    ReportUnknownName(UnknownName::EventName, name);  // a name no row acts on, dropped
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
