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

GLObjectTextList* HallOfFameList() { return FindTextList(key::kHallOfFameList); }

// The screen's list mirrors the resident list line by line.
void RefillList() {
    GLObjectTextList* list = HallOfFameList();
    if (!list) return;
    list->ClearLines();
    for (const HallOfFameEntry& entry : learner.hallOfFame)
        list->AddLine(HallOfFameLineText(entry), key::kListLine, true);
    list->Select(0);
}

}  // namespace

void BuildHallOfFameScreen() {
    auto* list = scene->Add(std::make_unique<GLObjectTextList>(key::kHallOfFameList, 4, "data/arrow_up.MS3D",
                                                               "data/arrow_down.MS3D", 0, 0, 0));
    list->visible = false;

    AddHiddenLabel(key::kHallOfFameTitle, u"Hall of fame", 0, 1, 0, 0.5, 0.5, 0.5);
}

void ShowHallOfFameScreen() {
    LoadHallOfFame();
    RefillList();
    FlyInShown(key::kHallOfFameList);
    EnterFromLeft(key::kHallOfFameTitle);
    EnterFromLeft(key::kAbortButton);
}

void HallOfFameScreenInput(const InputEvent& input) {
    if (!input.IsPlainClick() && !input.HasMeaning()) return;
    GLObjectTextList* list = HallOfFameList();
    if (!list) return;
    MoveSelectionByArrow(*list, input);
    SelectPickedLine(*list, input);
    GLObject* abort = FindSceneObject(key::kAbortButton);
    if (abort && PointsAt(input, key::kAbortButton) && !app->transitionLock) {
        app->transitionLock = true;
        abort->FlyOut();
        list->FlyOut();
        FlyOutObject(key::kHallOfFameTitle);
        PostScreenEvent(ScreenEvent::MainMenuAfterHallOfFame, 80);
    }
}

void HideHallOfFameScreen() {
    for (const char* objectKey : {key::kHallOfFameList, key::kHallOfFameTitle, key::kAbortButton})
        SetVisible(objectKey, false);
    ClearHallOfFame();
}
