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
    void (*actions)(Game& game);
    ScreenId enters;
};

// The panel shown knows where it leads: before an own list's run it names the list's languages.
void EnterInfo(Game& game, ScreenId returnScreen) {
    game.app.infoReturnScreen = returnScreen;
    ShowInfoScreen(game);
}

const ScreenChange kScreenChanges[] = {
    {ScreenEvent::UserNameAfterLoading,
     [](Game& game) {
         game.scene.reflectionOff = false;
         HideLoadingScreen(game);
         ShowUserNameScreen(game);
         ResizeToPlayWindow(game);
     },
     ScreenId::UserName},
    {ScreenEvent::MainMenuAfterUserName,
     [](Game& game) {
         HideUserNameScreen(game);
         ShowMainMenu(game, true);  // the logo is already standing
     },
     ScreenId::MainMenu},
    {ScreenEvent::ExitConfirmAfterUserName,
     [](Game& game) {
         HideUserNameScreen(game);
         ShowExitConfirm(game, ScreenId::UserName);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::TopicsAfterMainMenu,
     [](Game& game) {
         HideMainMenu(game);
         ShowTopicsScreen(game);
     },
     ScreenId::Topics},
    {ScreenEvent::HallOfFameAfterMainMenu,
     [](Game& game) {
         HideMainMenu(game);
         ShowHallOfFameScreen(game);
     },
     ScreenId::HallOfFame},
    {ScreenEvent::InfoAfterMainMenu,
     [](Game& game) {
         HideMainMenu(game);
         EnterInfo(game, ScreenId::MainMenu);
     },
     ScreenId::Info},
    {ScreenEvent::ExitConfirmAfterMenuLine,
     [](Game& game) {
         HideMainMenu(game);
         ShowExitConfirm(game, ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::ExitConfirmAfterMainMenuAbort,
     [](Game& game) {
         HideMainMenu(game);
         ShowExitConfirm(game, ScreenId::MainMenu);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::MainMenuAfterExitConfirm,
     [](Game& game) {
         game.scene.reflectionOff = false;
         HideExitConfirm(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::UserNameAfterExitConfirm,
     [](Game& game) {
         HideExitConfirm(game);
         ShowUserNameScreen(game);
     },
     ScreenId::UserName},
    {ScreenEvent::InfoAfterExitConfirm,
     [](Game& game) {
         game.scene.reflectionOff = false;
         HideExitConfirm(game);
         EnterInfo(game, ScreenId::None);  // the arrow now ends the program
     },
     ScreenId::Info},
    {ScreenEvent::InfoAfterTopics,
     [](Game& game) {
         HideTopicsScreen(game);
         EnterInfo(game, game.app.sessionMode == SessionMode::Learning ? ScreenId::Learning : ScreenId::Test);
     },
     ScreenId::Info},
    {ScreenEvent::MainMenuAfterTopics,
     [](Game& game) {
         HideTopicsScreen(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::LearningAfterInfo,
     [](Game& game) {
         HideInfoScreen(game);
         ShowLearningScreen(game);
     },
     ScreenId::Learning},
    {ScreenEvent::TestAfterInfo,
     [](Game& game) {
         HideInfoScreen(game);
         ShowTestScreen(game);
     },
     ScreenId::Test},
    {ScreenEvent::MainMenuAfterInfo,
     [](Game& game) {
         HideInfoScreen(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::MainMenuAfterLearning,
     [](Game& game) {
         HideLearningScreen(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::NextLevelAfterTest,
     [](Game& game) {
         HideTestScreen(game);
         ShowNextLevelScreen(game);
     },
     ScreenId::NextLevel},
    {ScreenEvent::MainMenuAfterTest,
     [](Game& game) {
         HideTestScreen(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::GameOverAfterTest,
     [](Game& game) {
         HideTestScreen(game);
         ShowGameOverScreen(game);
     },
     ScreenId::GameOver},
    {ScreenEvent::MainMenuAfterNextLevel,
     [](Game& game) {
         HideResultScreens(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::InfoAfterGameOver,
     [](Game& game) {
         HideResultScreens(game);
         EnterInfo(game, ScreenId::MainMenu);
     },
     ScreenId::Info},
    {ScreenEvent::LearningAfterNextLevel,
     [](Game& game) {
         HideResultScreens(game);
         ShowPractiseRound(game);
     },
     ScreenId::Learning},
    {ScreenEvent::LearningAfterGameOver,
     [](Game& game) {
         HideResultScreens(game);
         ShowPractiseRound(game);
     },
     ScreenId::Learning},
    {ScreenEvent::ExitConfirmAfterTopics,
     [](Game& game) {
         HideTopicsScreen(game);
         ShowExitConfirm(game, ScreenId::Topics);
     },
     ScreenId::ExitConfirm},
    {ScreenEvent::TopicsAfterExitConfirm,
     [](Game& game) {
         game.scene.reflectionOff = false;
         HideExitConfirm(game);
         ShowTopicsScreen(game);
     },
     ScreenId::Topics},
    {ScreenEvent::TopicsAfterImport,
     [](Game& game) {
         HideTopicsScreen(game);
         RefreshTopicsList(game);
         ShowTopicsScreen(game);
     },
     ScreenId::Topics},
    {ScreenEvent::MainMenuAfterHallOfFame,
     [](Game& game) {
         HideHallOfFameScreen(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::ReviewAfterMainMenu,
     [](Game& game) {
         HideMainMenu(game);
         ShowReviewRun(game);
     },
     ScreenId::Test},
    {ScreenEvent::ReviewResultAfterReview,
     [](Game& game) {
         HideTestScreen(game);
         ShowReviewResultScreen(game);
     },
     ScreenId::ReviewResult},
    {ScreenEvent::MainMenuAfterReviewResult,
     [](Game& game) {
         HideResultScreens(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
    {ScreenEvent::LearningAfterReviewResult,
     [](Game& game) {
         HideResultScreens(game);
         ShowPractiseRound(game);
     },
     ScreenId::Learning},
    {ScreenEvent::ProgressAfterMainMenu,
     [](Game& game) {
         HideMainMenu(game);
         ShowProgressScreen(game);
     },
     ScreenId::Progress},
    {ScreenEvent::MainMenuAfterProgress,
     [](Game& game) {
         HideProgressScreen(game);
         ShowMainMenu(game, false);
     },
     ScreenId::MainMenu},
};

// Events that do their work on the current screen and leave currentScreen and the lock alone.
struct InScreenEvent {
    ScreenEvent event;
    void (*actions)(Game& game);
};

const InScreenEvent kInScreenEvents[] = {
    {ScreenEvent::TopicsShowSecondPicture,
     [](Game& game) { CompleteTopicPictureChange(game, key::kTopicPictureFirst, key::kTopicPictureSecond); }},
    {ScreenEvent::TopicsShowFirstPicture,
     [](Game& game) { CompleteTopicPictureChange(game, key::kTopicPictureSecond, key::kTopicPictureFirst); }},
    {ScreenEvent::TestNextWord, ShowNextTestQuestion},
    {ScreenEvent::LearningNextWord, ShowNextLearningEntry},
};

void Dispatch(Game& game, const std::string& name) {
    if (name.empty()) return;
    const std::optional<ScreenEvent> event = EventNamed(name);
    if (!event) {
        ReportUnknownName(UnknownName::EventName, name);  // and dropped
        return;
    }
    for (const ScreenChange& row : kScreenChanges) {
        if (*event == row.event) {
            row.actions(game);
            game.scene.RenderWholeNext();
            game.app.currentScreen = row.enters;
            game.app.transitionLock = false;
            return;
        }
    }
    for (const InScreenEvent& row : kInScreenEvents) {
        if (*event == row.event) {
            row.actions(game);
            return;
        }
    }
    ReportUnknownName(UnknownName::EventName, name);  // a name no row acts on, dropped
}

}  // namespace

void FrameTick(Game& game) {
    if (const ScreenEntry* screen = FindScreen(game.app.currentScreen); screen && screen->tick)
        screen->tick(game);
    StepSpeechSign(game);
    ImportWaitingListsWhenIdle(game);
    Dispatch(game, game.scene.PollEvent());
    game.scene.Render(platform::TickIsShown());
    // Over the frame just shown: the command line's import report waits for the play window.
    TellImportReport(game.app);
}
