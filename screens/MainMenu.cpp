// The main menu: a click on the list chooses the line selected at that moment; the arrows move
// the selection first. Every choice flies the menu out and schedules the next screen.
#include "screens/MainMenu.h"

#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/EventNames.h"
#include "game/ObjectKeys.h"

namespace {

// The objects that leave together, in this order.
const char* const kLeaving[] = {key::kMainMenuPicture, key::kMainMenu, key::kLogoLexa, key::kLogoDrill};

void FlyOutMainMenu() {
    for (const char* objectKey : kLeaving) scene->FindObject(objectKey)->FlyOut();
}

void FlyInShown(const char* objectKey) {
    GLObject* object = scene->FindObject(objectKey);
    object->FlyIn();
    object->visible = true;
}

}  // namespace

void ShowMainMenu(bool logoShown) {
    if (!scene->lights.empty()) scene->lights[0]->position[2] = 0.9;
    FlyInShown(key::kMainMenu);
    FlyInShown(key::kMainMenuPicture);
    scene->FindObject(key::kBackdrop)->visible = true;
    if (!logoShown) {
        FlyInShown(key::kLogoLexa);
        FlyInShown(key::kLogoDrill);
    }
    app->currentScreen = ScreenId::MainMenu;
}

void HideMainMenu() {
    for (const char* objectKey :
         {key::kMainMenu, key::kMainMenuPicture, key::kLogoLexa, key::kLogoDrill, key::kAbortButton}) {
        scene->FindObject(objectKey)->visible = false;
    }
}

void MainMenuInput(int code) {
    auto* menu = static_cast<GLObjectTextList*>(scene->FindObject(key::kMainMenu));
    GLObject* up = FindObjectIn(menu->children, key::kListArrowUp);
    GLObject* down = FindObjectIn(menu->children, key::kListArrowDown);
    GLObject* abort = scene->FindObject(key::kAbortButton);
    if (code != 1) return;

    // The abort button is not shown here; it can only still be hovered from the screen that hid
    // it. This road does not take the lock.
    if (abort->hovered) {
        FlyOutMainMenu();
        scene->PostEvent(event::kExitConfirmAfterMainMenuAbort, 80);
        return;
    }
    if (up != nullptr && up->hovered) menu->SelectPrevious();
    if (down != nullptr && down->hovered) menu->SelectNext();

    if (!menu->hovered || app->transitionLock) return;
    app->transitionLock = true;
    FlyOutMainMenu();
    switch (menu->selected) {
        case 0:
            scene->PostEvent(event::kTopicsAfterMainMenu, 80);
            app->sessionMode = 0;
            break;
        case 1:
            scene->PostEvent(event::kTopicsAfterMainMenu, 80);
            app->sessionMode = 1;
            break;
        case 2:
            scene->PostEvent(event::kHallOfFameAfterMainMenu, 80);
            break;
        case 3:
            scene->PostEvent(event::kInfoAfterMainMenu, 80);
            break;
        case 4:
            scene->PostEvent(event::kExitConfirmAfterMenuLine, 80);
            break;
        default:
            break;
    }
}
