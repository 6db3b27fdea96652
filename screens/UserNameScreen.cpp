// The first screen after loading: the player types a name (ten characters at most). Enter or the
// arrow accepts it; a name containing the code word "vofu" also switches on cheat mode.
#include "screens/UserNameScreen.h"

#include <memory>

#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "formats/GlyphCodes.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "platform/Platform.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"
#include "screens/TextEntry.h"

namespace {

constexpr int kMaxNameLength = 10;

// The part of the screen that slides in from the left and leaves to the left.
const char* const kFieldKeys[] = {key::kNameField, key::kArrowNext, key::kNameLabel};

// Spaces and tabs would break the hall of fame's tab-separated lines.
std::u16string StoredName(std::u16string name) {
    for (char16_t& letter : name) {
        if (letter == u' ' || letter == u'\t') letter = u'_';
    }
    return name;
}

void AcceptName(Game& game) {
    const GLObjectText* field = FindText(game.scene, key::kNameField);
    if (!field) return;
    // Kept as the letters typed (Í is U+00CD), not as glyph codes, so the hall of fame holds them.
    std::u16string typed = GlyphTextToLetters(field->GetText());
    if (typed.size() > kMaxNameLength) typed.resize(kMaxNameLength);
    game.app.userName = typed;
    if (typed.empty()) return;
    if (typed.find(u"vofu") != std::u16string::npos) {
        platform::ShowMessage("ok");
        game.app.cheatMode = true;
    }
    game.app.userName = StoredName(typed);

    game.app.transitionLock = true;
    FlyOutUserNameScreen(game, true);
    PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterUserName, 100);
    if (GLObject* arrow = FindSceneObject(game.scene, key::kArrowNext)) arrow->hovered = false;
    game.app.currentScreen = ScreenId::None;  // no typing reaches the screen while it leaves
}

}  // namespace

void BuildUserNameScreen(Game& game) {
    AddHiddenLabel(game.scene, key::kNameLabel, game.app.strings.enterNameLabel, -0.2, 0.5, -2.1, 0.5, 0.5,
                   0.5);

    auto* field = game.scene.Add(std::make_unique<GLObjectText>(key::kNameField, u"", -0.2, 0.0, -2.1));
    field->SetVertexColour(0.2, 0.2, 0.2, 1.0);
    field->lineWidth = kMaxNameLength;
    field->depthTest = true;
    field->blend = true;
    field->texturedColour = false;
    field->visible = false;
    field->SetActive(true);
    field->SetClicked(true);
    field->editable = true;
    field->highlight = MakeHighlightBox(key::kTextHighlight);
}

void ShowUserNameScreen(Game& game) {
    EnterFromLeft(game.scene, key::kNameLabel);
    if (GLObject* field = FindSceneObject(game.scene, key::kNameField)) {
        EnterFromLeft(field);
        field->SetActive(true);
    }
    EnterFromLeft(game.scene, key::kArrowNext);
    FlyInShown(game.scene, key::kAbortButton);
    SetVisible(game.scene, key::kBackdrop, true);
    FlyInShown(game.scene, key::kLogoLexa);
    FlyInShown(game.scene, key::kLogoDrill);
}

void UserNameScreenInput(Game& game, const InputEvent& input) {
    if (Presses(game.scene, input, key::kAbortButton) && !game.app.transitionLock) {
        game.app.transitionLock = true;
        FlyOutUserNameScreen(game, false);
        PostScreenEvent(game.scene, ScreenEvent::ExitConfirmAfterUserName, 100);
    }
    const bool accepting =
        input.IsKey(platform::Key::Return) || (input.IsPlainClick() && Hovered(game.scene, key::kArrowNext));
    if (accepting && !game.app.transitionLock) {
        AcceptName(game);
        return;
    }
    // A Tab stays in the name until it is accepted, then it becomes "_" like a space.
    EditText(game, key::kNameField, input, true);
}

void FlyOutUserNameScreen(Game& game, bool accepted) {
    for (const char* objectKey : kFieldKeys)
        LeaveToLeft(FindSceneObject(game.scene, objectKey), 200, 130, 200, 190);
    FlyOutObject(game.scene, key::kAbortButton);
    for (const char* objectKey : {key::kLogoLexa, key::kLogoDrill}) {
        GLObject* logo = FindSceneObject(game.scene, objectKey);
        if (!logo) continue;
        if (accepted) {
            logo->StartSpin(360, 0, 1, 0);  // one turn, then it stays for the main menu
        } else {
            LeaveToLeft(logo, 400, 330, 100, 90);
        }
        logo->visible = true;
    }
}

void HideUserNameScreen(Game& game) {
    for (const char* objectKey : {key::kNameLabel, key::kNameField, key::kArrowNext, key::kAbortButton}) {
        SetVisible(game.scene, objectKey, false);
    }
}
