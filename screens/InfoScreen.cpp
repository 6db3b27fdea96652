// The information panel. Its arrow goes on to the screen recorded in infoReturnScreen, or ends
// the program when that is 0; any other input opens the help page that ships with the game.
#include "screens/InfoScreen.h"

#include <cstdio>
#include <memory>

#include "engine/GLScene.h"
#include "engine/TextureTable.h"
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

}  // namespace

std::string HelpAddress() { return "file://" + EncodePath(platform::GameFolder() + "data/help.html"); }

void BuildInfoScreen() {
    auto* panel =
        scene->Add(std::make_unique<GLObjectPlane>(key::kInfoPanel, 1.0f, 0.0, 0.0, 0.0, 4.0, 0.0, 4.0));
    panel->rotation[0] = 90.0;
    panel->texture = FindTexture(app->infoPicturePath);
    panel->textured = true;
    panel->depthTest = true;
    panel->blend = true;
    panel->texturedColour = true;
    panel->SetColour(1.0, 1.0, 1.0, 1.0);
    panel->visible = false;
}

void ShowInfoScreen() {
    for (const char* objectKey : {key::kInfoPanel, key::kArrowNext}) FlyInShown(objectKey);
}

void InfoScreenInput(int code) {
    if (code == 1 && Hovered(key::kArrowNext) && !app->transitionLock) {
        app->transitionLock = true;
        FlyOutObject(key::kArrowNext);
        FlyOutObject(key::kInfoPanel);
        switch (app->infoReturnScreen) {
            case 6:
                scene->PostEvent(event::kTestAfterInfo, 50);
                break;
            case 7:
                scene->PostEvent(event::kLearningAfterInfo, 50);
                break;
            case 4:
                scene->PostEvent(event::kMainMenuAfterInfo, 50);
                break;
            case 0:
                platform::RequestExit(0);  // nothing is saved on this road
                return;
            default:
                break;
        }
        return;
    }
    platform::OpenAddress(HelpAddress());
}

void HideInfoScreen() {
    for (const char* objectKey : {key::kInfoPanel, key::kArrowNext}) SetVisible(objectKey, false);
}
