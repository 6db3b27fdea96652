#include "screens/ResultScreens.h"

#include <memory>
#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/EventNames.h"
#include "game/ObjectKeys.h"
#include "game/UiStrings.h"
#include "learning/TestRun.h"
#include "screens/ScreenSteps.h"

namespace {

void BuildPanel(const std::string& objectKey, const std::u16string& text) {
    auto* panel = scene->Add(std::make_unique<GLObjectText>(objectKey, text, 0, 0, 0));
    panel->depthTest = true;
    panel->blend = true;
    panel->texturedColour = false;
    panel->SetColour(1, 1, 1, 1);
    panel->visible = false;
}

void ShowResult(const std::string& panelKey) {
    FlyInShown(panelKey);
    SetTextOf(key::kFinalScore, CounterLine(uiStrings.scoreLabel, testRun.score));
    FlyInShown(key::kFinalScore);
    FlyInShown(key::kArrowNext);
}

// Both screens leave the same way: only a hovered arrow counts, whatever the input was (a key
// pressed while the cursor rests on the arrow leaves too).
bool Leave(const std::string& panelKey, const std::string& event) {
    if (!Hovered(key::kArrowNext) || app->transitionLock) return false;
    app->transitionLock = true;
    for (const std::string& objectKey :
         {std::string(key::kArrowNext), panelKey, std::string(key::kFinalScore)})
        FlyOutObject(objectKey);
    scene->PostEvent(event, 50);
    return true;
}

}  // namespace

void BuildNextLevelScreen() { BuildPanel(key::kNextLevelPanel, u"Next level unlocked"); }

void BuildGameOverScreen() { BuildPanel(key::kGameOverPanel, u"Game over"); }

void ShowNextLevelScreen() { ShowResult(key::kNextLevelPanel); }

void ShowGameOverScreen() { ShowResult(key::kGameOverPanel); }

void NextLevelScreenInput(int) { Leave(key::kNextLevelPanel, event::kMainMenuAfterNextLevel); }

void GameOverScreenInput(int) {
    if (Leave(key::kGameOverPanel, event::kInfoAfterGameOver)) app->infoReturnScreen = 4;
}

void HideResultScreens() {
    for (const char* objectKey :
         {key::kNextLevelPanel, key::kGameOverPanel, key::kFinalScore, key::kArrowNext})
        SetVisible(objectKey, false);
}
