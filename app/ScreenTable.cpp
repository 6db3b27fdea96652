#include "app/ScreenTable.h"

#include "app/SceneConstruction.h"
#include "screens/ExitConfirm.h"
#include "screens/HallOfFameScreen.h"
#include "screens/InfoScreen.h"
#include "screens/LearningScreen.h"
#include "screens/MainMenu.h"
#include "screens/ProgressScreen.h"
#include "screens/ResultScreens.h"
#include "screens/TestScreen.h"
#include "screens/TopicsScreen.h"
#include "screens/UserNameScreen.h"

namespace {

// In drawing order: a screen's objects are drawn after those of the rows above it.
const ScreenEntry kScreens[] = {
    {ScreenId::UserName, BuildUserNameScreen, UserNameScreenInput},
    {ScreenId::HallOfFame, BuildHallOfFameScreen, HallOfFameScreenInput},
    {ScreenId::Topics, BuildTopicsScreen, TopicsScreenInput},
    {ScreenId::NextLevel, BuildNextLevelScreen, NextLevelScreenInput},
    {ScreenId::GameOver, BuildGameOverScreen, GameOverScreenInput},
    {ScreenId::ReviewResult, BuildReviewResultScreen, ReviewResultScreenInput},
    {ScreenId::Progress, BuildProgressScreen, ProgressScreenInput},
    {ScreenId::ExitConfirm, BuildExitConfirm, ExitConfirmInput},
    {ScreenId::Test, BuildTestScreen, TestScreenInput},
    {ScreenId::Info, BuildInfoScreen, InfoScreenInput},
    {ScreenId::MainMenu, nullptr, MainMenuInput},
    {ScreenId::Learning, nullptr, LearningScreenInput},
};

}  // namespace

const ScreenEntry* FindScreen(ScreenId id) {
    for (const ScreenEntry& entry : kScreens) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

void BuildSceneObjects() {
    BuildScene();
    for (const ScreenEntry& entry : kScreens) {
        if (entry.build) entry.build();
    }
}
