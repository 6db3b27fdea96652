#include "app/ScreenTable.h"

#include "app/SceneConstruction.h"
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

void LoadEverything(Game& game) { LoadingStep(game, BuildSceneObjects); }

// In drawing order: a screen's objects are drawn after those of the rows above it. The loading
// screen's own objects are built before the others, when the window opens.
const ScreenEntry kScreens[] = {
    {ScreenId::Loading, nullptr, LoadEverything, nullptr},
    {ScreenId::UserName, BuildUserNameScreen, nullptr, UserNameScreenInput},
    {ScreenId::HallOfFame, BuildHallOfFameScreen, nullptr, HallOfFameScreenInput},
    {ScreenId::Topics, BuildTopicsScreen, nullptr, TopicsScreenInput},
    {ScreenId::NextLevel, BuildNextLevelScreen, FollowPractiseSelection, NextLevelScreenInput},
    {ScreenId::GameOver, BuildGameOverScreen, FollowPractiseSelection, GameOverScreenInput},
    {ScreenId::ReviewResult, BuildReviewResultScreen, FollowPractiseSelection, ReviewResultScreenInput},
    {ScreenId::Progress, BuildProgressScreen, ProgressScreenTick, ProgressScreenInput},
    {ScreenId::ExitConfirm, BuildExitConfirm, nullptr, ExitConfirmInput},
    {ScreenId::Test, BuildTestScreen, TestClockTick, TestScreenInput},
    {ScreenId::Info, BuildInfoScreen, nullptr, InfoScreenInput},
    {ScreenId::MainMenu, nullptr, nullptr, MainMenuInput},
    {ScreenId::Learning, nullptr, nullptr, LearningScreenInput},
};

}  // namespace

const ScreenEntry* FindScreen(ScreenId id) {
    for (const ScreenEntry& entry : kScreens) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

void BuildSceneObjects(Game& game) {
    BuildScene(game);
    for (const ScreenEntry& entry : kScreens) {
        if (entry.build) entry.build(game);
    }
    BuildSpeechSign(game);
}
