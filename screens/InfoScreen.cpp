// The information panel. Its arrow goes on to the screen recorded in infoReturnScreen, or ends
// the program when that is None; a click beside the arrow opens the help page that ships with the
// game, once while the panel stands (a browser per stray click or typed letter helps no one).
// Typed characters do nothing here.
#include "screens/InfoScreen.h"

#include <cstdio>
#include <memory>

#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/EventNames.h"
#include "game/ObjectKeys.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"
#include "screens/ScreenSteps.h"

namespace {

// Percent-encodes what a file:// address cannot carry as is (spaces, non-ASCII bytes, '#', ...).
std::string EncodePath(const std::string& path) {
    std::string encoded;
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            encoded += escape;
        }
    }
    return encoded;
}

// The arrow: the panel leaves for the screen recorded in infoReturnScreen, or the program ends.
void GoOn() {
    app->transitionLock = true;
    FlyOutObject(key::kArrowNext);
    FlyOutObject(key::kInfoPanel);
    switch (app->infoReturnScreen) {
        case ScreenId::Test:
            scene->PostEvent(event::kTestAfterInfo, 50);
            break;
        case ScreenId::Learning:
            scene->PostEvent(event::kLearningAfterInfo, 50);
            break;
        case ScreenId::MainMenu:
            scene->PostEvent(event::kMainMenuAfterInfo, 50);
            break;
        case ScreenId::None:
            platform::RequestExit(0);  // nothing is saved on this road
            break;
        default:
            break;
    }
}

}  // namespace

std::string HelpAddress() { return "file://" + EncodePath(platform::GameFolder() + "data/help.html"); }

void BuildInfoScreen() {
    auto* panel =
        scene->Add(std::make_unique<GLObjectPlane>(key::kInfoPanel, 1.0f, 0.0, 0.0, 0.0, 4.0, 0.0, 4.0));
    panel->rotation[0] = 90.0;
    panel->texture = scene->textures.Find(app->infoPicturePath);
    panel->textured = true;
    panel->depthTest = true;
    panel->blend = true;
    panel->texturedColour = true;
    panel->SetColour(1.0, 1.0, 1.0, 1.0);
    panel->visible = false;
}

void ShowInfoScreen() {
    app->screens.helpOpened = false;
    for (const char* objectKey : {key::kInfoPanel, key::kArrowNext}) FlyInShown(objectKey);
}

void InfoScreenInput(const InputEvent& input) {
    // Return and Escape press the arrow.
    if (input.Means(KeyMeaning::Act::Press, key::kArrowNext)) {
        if (!app->transitionLock) GoOn();
        return;
    }
    if (!input.IsClick()) return;  // typed characters and keys without a row do nothing here
    if (Hovered(key::kArrowNext)) {
        // Only a plain click goes on, and only once; any other click on the arrow does nothing.
        if (input.IsPlainClick() && !app->transitionLock) GoOn();
        return;
    }
    if (app->screens.helpOpened) return;
    app->screens.helpOpened = true;
    platform::OpenAddress(HelpAddress());
}

void HideInfoScreen() {
    for (const char* objectKey : {key::kInfoPanel, key::kArrowNext}) SetVisible(objectKey, false);
}
