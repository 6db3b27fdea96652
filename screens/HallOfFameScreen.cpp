#include "screens/HallOfFameScreen.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "learning/HallOfFame.h"
#include "learning/Learner.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

GLObjectTextList* HallOfFameList(Game& game) { return FindTextList(game.scene, key::kHallOfFameList); }

// The screen's list mirrors the resident list line by line.
void RefillList(Game& game) {
    GLObjectTextList* list = HallOfFameList(game);
    if (!list) return;
    list->ClearLines();
    for (const HallOfFameEntry& entry : game.learner.hallOfFame)
        list->AddLine(HallOfFameLineText(entry), key::kListLine, true);
    list->Select(0);
}

}  // namespace

void BuildHallOfFameScreen(Game& game) {
    auto* list = game.scene.Add(std::make_unique<GLObjectTextList>(
        key::kHallOfFameList, 4, "data/arrow_up.MS3D", "data/arrow_down.MS3D", 0, 0, 0));
    list->visible = false;

    AddHiddenLabel(game.scene, key::kHallOfFameTitle, u"Hall of fame", 0, 1, 0, 0.5, 0.5, 0.5);
}

void ShowHallOfFameScreen(Game& game) {
    LoadHallOfFame(game.learner);
    RefillList(game);
    FlyInShown(game.scene, key::kHallOfFameList);
    EnterFromLeft(game.scene, key::kHallOfFameTitle);
    EnterFromLeft(game.scene, key::kAbortButton);
}

void HallOfFameScreenInput(Game& game, const InputEvent& input) {
    if (!input.IsPlainClick() && !input.HasMeaning()) return;
    GLObjectTextList* list = HallOfFameList(game);
    if (!list) return;
    MoveSelectionByArrow(*list, input);
    SelectPickedLine(*list, input);
    GLObject* abort = FindSceneObject(game.scene, key::kAbortButton);
    if (abort && PointsAt(game.scene, input, key::kAbortButton) && !game.app.transitionLock) {
        game.app.transitionLock = true;
        abort->FlyOut();
        list->FlyOut();
        FlyOutObject(game.scene, key::kHallOfFameTitle);
        PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterHallOfFame, 80);
    }
}

void HideHallOfFameScreen(Game& game) {
    for (const char* objectKey : {key::kHallOfFameList, key::kHallOfFameTitle, key::kAbortButton})
        SetVisible(game.scene, objectKey, false);
    ClearHallOfFame(game.learner);
}
