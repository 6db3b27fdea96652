#include "screens/ResultScreens.h"

#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/UiStrings.h"
#include "learning/TestRun.h"
#include "screens/ScreenSteps.h"

namespace {

void BuildPanel(const std::string& key, const std::u16string& text) {
    auto* panel = new GLObjectText(key, text, 0, 0, 0);
    panel->depthTest = true;
    panel->blend = true;
    panel->texturedColour = false;
    panel->SetColour(1, 1, 1, 1);
    panel->visible = false;
    scene->AddObject(panel);
}

void FlyInVisible(GLObject* object) {
    if (!object) return;
    object->visible = true;
    object->FlyIn();
}

void ShowResult(const std::string& panelKey) {
    FlyInVisible(scene->FindObject(panelKey));
    GLObject* score = scene->FindObject("wynik koncowy");
    if (score) score->visible = true;
    SetTextOf("wynik koncowy", CounterLine(uiStrings.scoreLabel, testRun.score));
    if (score) score->FlyIn();
    FlyInVisible(scene->FindObject("arrownext"));
}

// Both screens leave the same way: only a hovered arrow counts, whatever the input was (a key
// pressed while the cursor rests on the arrow leaves too).
bool Leave(const std::string& panelKey, const std::string& event) {
    GLObject* arrow = scene->FindObject("arrownext");
    if (!arrow || !arrow->hovered || app->transitionLock) return false;
    app->transitionLock = true;
    for (const std::string& key : {std::string("arrownext"), panelKey, std::string("wynik koncowy")}) {
        if (GLObject* object = scene->FindObject(key)) object->FlyOut();
    }
    scene->PostEvent(event, 50);
    return true;
}

}  // namespace

void BuildNextLevelScreen() { BuildPanel("nextlevel_info", u"Next level unlocked"); }

void BuildGameOverScreen() { BuildPanel("gameover_info", u"Game over"); }

void ShowNextLevelScreen() { ShowResult("nextlevel_info"); }

void ShowGameOverScreen() { ShowResult("gameover_info"); }

void NextLevelScreenInput() { Leave("nextlevel_info", "ekran_glowny po nextlevel wjazd"); }

void GameOverScreenInput() {
    if (Leave("gameover_info", "ekran_info po gameover wjazd")) app->infoReturnScreen = 4;
}

void HideResultScreens() {
    for (const char* key : {"nextlevel_info", "gameover_info", "wynik koncowy", "arrownext"})
        SetVisible(key, false);
}
