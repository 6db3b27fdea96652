#include "screens/HallOfFameScreen.h"

#include <cstdint>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "learning/HallOfFame.h"
#include "screens/ScreenSteps.h"

namespace {

GLObjectTextList* HallOfFameList() { return FindTextList("halloffame"); }

// The screen's list mirrors the resident list line by line.
void RefillList() {
    GLObjectTextList* list = HallOfFameList();
    if (!list) return;
    list->ClearLines();
    for (const HallOfFameEntry& entry : hallOfFame) list->AddLine(HallOfFameLineText(entry), "i", true);
    list->Select(0);
}

}  // namespace

void BuildHallOfFame() {
    auto* list = new GLObjectTextList("halloffame", 4, "data/arrow_up.MS3D", "data/arrow_down.MS3D", 0, 0, 0);
    list->visible = false;
    scene->AddObject(list);

    AddHiddenLabel("halloffame_label", u"Hall of fame", 0, 1, 0, 0.5, 0.5, 0.5);
}

void ShowHallOfFame() {
    LoadHallOfFame();
    RefillList();
    if (GLObject* list = scene->FindObject("halloffame")) {
        list->FlyIn();
        list->visible = true;
    }
    EnterFromLeft("halloffame_label");
    EnterFromLeft("przerwij");
}

void HallOfFameInput(int code) {
    if (code != 1) return;
    GLObjectTextList* list = HallOfFameList();
    if (!list) return;
    GLObject* up = FindObjectIn(list->children, "arrowup");
    GLObject* down = FindObjectIn(list->children, "arrowdown");
    if (up && up->hovered) list->SelectPrevious();
    if (down && down->hovered) list->SelectNext();
    GLObject* abort = scene->FindObject("przerwij");
    if (abort && abort->hovered && !app->transitionLock) {
        app->transitionLock = true;
        abort->FlyOut();
        list->FlyOut();
        if (GLObject* label = scene->FindObject("halloffame_label")) label->FlyOut();
        scene->PostEvent("ekran_glowny po halloffame wjazd", 80);
    }
}

void HideHallOfFame() {
    for (const char* key : {"halloffame", "halloffame_label", "przerwij"}) SetVisible(key, false);
    ClearHallOfFame();
}
