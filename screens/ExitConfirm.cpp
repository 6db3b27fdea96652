// "Are you sure?": "yes" goes on to the information screen (whose arrow then ends the program),
// "no" goes back to the screen that asked.
#include "screens/ExitConfirm.h"

#include <memory>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/TextFit.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/OwnTopics.h"
#include "platform/Platform.h"
#include "platform/ProcessStart.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"
#include "screens/TopicsScreen.h"
#include "unicode/Utf8Utf16.h"

namespace {

constexpr char16_t kExitQuestionText[] = u"Are you sure?";

// "yes" to removing the selected own list: its copy and progress go, and the topics follow.
void RemoveSelectedList(Game& game) {
    const std::string list = SelectedOwnList(game);
    if (list.empty()) return;
    const ListRemoval removal = RemoveOwnList(game.app, game.learner, list);
    if (removal.removed) platform::TellTerminal("lexadrill: removed the list " + list);
    if (!removal.problem.empty())
        platform::ShowMessage(
            list + (removal.removed ? " was removed, but " : " could not be removed: ") + removal.problem,
            removal.removed ? platform::MessageKind::Warning : platform::MessageKind::Error);
    RefreshTopicsList(game);
}

}  // namespace

void BuildExitConfirm(Game& game) {
    AddHiddenLabel(game.scene, key::kExitQuestion, kExitQuestionText, 0.0, 1.0, 0.1, 0.4, 0.4, 0.4);

    auto* answers = game.scene.Add(std::make_unique<GLObjectTextList>(
        key::kExitAnswers, 2, "data/arrow_up.MS3D", "data/arrow_down.MS3D", 0.0, 0.0, 0.1));
    answers->AddLine(u"yes", key::kLine1, true);  // in the order of ExitAnswer
    answers->AddLine(u"no", key::kLine2, true);
    answers->Select(
        LineOf(ExitAnswer::Yes));  // a click chooses the selected answer, so it is shown from the start
    answers->visible = false;
}

namespace {

// Removing a list cannot be undone, so that question starts on "no"; the exit question gets back
// the selection it had, as designed.
void SelectFirstAnswer(Game& game, bool removing) {
    GLObjectTextList* answers = FindTextList(game.scene, key::kExitAnswers);
    if (!answers) return;
    if (removing) {
        if (game.app.screens.exitAnswerKept < 0) game.app.screens.exitAnswerKept = answers->selected;
        answers->SelectOffScreen(LineOf(ExitAnswer::No));
    } else if (game.app.screens.exitAnswerKept >= 0) {
        answers->SelectOffScreen(game.app.screens.exitAnswerKept);
        game.app.screens.exitAnswerKept = -1;
    }
}

}  // namespace

void ShowExitConfirm(Game& game, ScreenId returnScreen) {
    game.app.exitReturnScreen = returnScreen;
    // Asked from the topics screen, the question is whether to remove the selected own list.
    const std::string list = returnScreen == ScreenId::Topics ? SelectedOwnList(game) : "";
    SelectFirstAnswer(game, !list.empty());
    // A long list name is cut to keep the question inside the window.
    constexpr double kQuestionRoomEm = 15;
    const std::u16string remove = u"Remove ", mark = u"?";
    SetTextOf(
        game.scene, key::kExitQuestion,
        list.empty()
            ? std::u16string(kExitQuestionText)
            : remove + CutToWidth(Utf8ToUtf16(list), kQuestionRoomEm - TextWidthEm(remove + mark)) + mark);
    FlyInShown(game.scene, key::kExitQuestion);
    FlyInShown(game.scene, key::kExitAnswers);
}

void ExitConfirmInput(Game& game, const InputEvent& input) {
    if (!input.IsPlainClick() && !input.HasMeaning()) return;
    GLObjectTextList* answers = FindTextList(game.scene, key::kExitAnswers);
    if (!answers) return;
    MoveSelectionByArrow(*answers, input);
    // "no" is a click away from being selected, never from ending the game.
    if (SelectPickedLine(*answers, input)) return;

    if (!ChoosesSelectedLine(*answers, input) || game.app.transitionLock) return;
    game.app.transitionLock = true;
    if (GLObject* question = FindSceneObject(game.scene, key::kExitQuestion)) question->FlyOut();
    answers->FlyOut();
    if (answers->selected == LineOf(ExitAnswer::Yes) && game.app.exitReturnScreen == ScreenId::Topics) {
        RemoveSelectedList(game);
        PostScreenEvent(game.scene, ScreenEvent::TopicsAfterExitConfirm, 50);
    } else if (answers->selected == LineOf(ExitAnswer::Yes)) {
        PostScreenEvent(game.scene, ScreenEvent::InfoAfterExitConfirm, 50);
    } else if (answers->selected == LineOf(ExitAnswer::No)) {
        ReturnFromExitConfirm(game);
    }
}

void ReturnFromExitConfirm(Game& game) {
    if (game.app.exitReturnScreen == ScreenId::MainMenu) {
        PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterExitConfirm, 50);
    } else if (game.app.exitReturnScreen == ScreenId::UserName) {
        PostScreenEvent(game.scene, ScreenEvent::UserNameAfterExitConfirm, 50);
    } else if (game.app.exitReturnScreen == ScreenId::Topics) {
        PostScreenEvent(game.scene, ScreenEvent::TopicsAfterExitConfirm, 50);
    }
}

void HideExitConfirm(Game& game) {
    SetVisible(game.scene, key::kExitQuestion, false);
    SetVisible(game.scene, key::kExitAnswers, false);
}
