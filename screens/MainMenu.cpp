// The main menu: a click on the list chooses the line selected at that moment; the arrows move
// the selection first. Every choice flies the menu out and schedules the next screen.
#include "screens/MainMenu.h"

#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"

namespace {

// The objects that leave together, in this order.
const char* const kLeaving[] = {"bg glowny", "main menu", "lexa", "drill"};

void FlyOutMainMenu() {
    for (const char* key : kLeaving) scene->FindObject(key)->FlyOut();
}

void FlyInShown(const char* key) {
    GLObject* object = scene->FindObject(key);
    object->FlyIn();
    object->visible = true;
}

}  // namespace

void ShowMainMenu(bool logoShown) {
    if (!scene->lights.empty()) scene->lights[0]->position[2] = 0.9;
    FlyInShown("main menu");
    FlyInShown("bg glowny");
    scene->FindObject("w")->visible = true;
    if (!logoShown) {
        FlyInShown("lexa");
        FlyInShown("drill");
    }
    app->currentScreen = ScreenId::MainMenu;
}

void HideMainMenu() {
    for (const char* key : {"main menu", "bg glowny", "lexa", "drill", "przerwij"}) {
        scene->FindObject(key)->visible = false;
    }
}

void MainMenuInput(int code) {
    auto* menu = static_cast<GLObjectTextList*>(scene->FindObject("main menu"));
    GLObject* up = FindObjectIn(menu->children, "arrowup");
    GLObject* down = FindObjectIn(menu->children, "arrowdown");
    GLObject* abort = scene->FindObject("przerwij");
    if (code != 1) return;

    // The abort button is not shown here; it can only still be hovered from the screen that hid
    // it. This road does not take the lock.
    if (abort->hovered) {
        FlyOutMainMenu();
        scene->PostEvent("ekran_koniec po glownym wjazd", 80);
        return;
    }
    if (up != nullptr && up->hovered) menu->SelectPrevious();
    if (down != nullptr && down->hovered) menu->SelectNext();

    if (!menu->hovered || app->transitionLock) return;
    app->transitionLock = true;
    FlyOutMainMenu();
    switch (menu->selected) {
        case 0:
            scene->PostEvent("ekran_tematy wjazd", 80);
            app->sessionMode = 0;
            break;
        case 1:
            scene->PostEvent("ekran_tematy wjazd", 80);
            app->sessionMode = 1;
            break;
        case 2:
            scene->PostEvent("ekran_halloffame wjazd", 80);
            break;
        case 3:
            scene->PostEvent("ekran_info wjazd", 80);
            break;
        case 4:
            scene->PostEvent("ekran_koniec wjazd", 80);
            break;
        default:
            break;
    }
}
