#include "screens/ResultScreens.h"

#include <memory>
#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/MissedEntries.h"
#include "learning/SpokenWord.h"
#include "learning/TestRun.h"
#include "learning/TopicWords.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// Lines of the words to practise shown at once, above the panel.
constexpr int kPractiseLinesShown = 3;

void BuildPanel(Game& game, const std::string& objectKey, const std::u16string& text) {
    auto* panel = game.scene.Add(std::make_unique<GLObjectText>(objectKey, text, 0, 0, 0));
    panel->depthTest = true;
    panel->blend = true;
    panel->texturedColour = false;
    panel->SetColour(1, 1, 1, 1);
    panel->visible = false;
}

// One list and heading serve both screens. Lines are drawn inside the list's own transform, so a
// list at height y shows its first line at 2y: here 1.6, above the panel, the next two below it.
void BuildWordsToPractise(Game& game) {
    AddHiddenLabel(game.scene, key::kPractiseTitle, game.app.strings.summaryTitle, 0, 2.1, 0, 0.5, 0.5, 0.5)
        ->scale = 0.7;
    auto* list = game.scene.Add(std::make_unique<GLObjectTextList>(
        key::kPractiseList, kPractiseLinesShown, "data/arrow_up.MS3D", "data/arrow_down.MS3D", 0, 0.8, 0));
    list->visible = false;
}

// "prompt - answer": the glyph font has no dash of its own (U+2014 would draw nothing).
std::u16string PractiseLineText(const WordEntry& entry) { return entry.prompt + u" - " + entry.answer; }

// How wide a line may be, in scene units, for the list's arrows at its right to stay inside the
// window; a longer line is made smaller, at most by half, then cut.
constexpr double kPractiseLineRoom = 7.0, kPractiseLineSmallest = 0.5;

void FillWordsToPractise(Game& game) {
    GLObjectTextList* list = FindTextList(game.scene, key::kPractiseList);
    if (!list) return;
    list->ClearLines();
    list->firstVisible = 0;
    list->scrollingUp = list->scrollingDown = false;
    list->scrollAmount = 0;
    if (game.run.missed.empty()) {
        // Shown as a disabled line: there is nothing to choose.
        list->AddLine(u"no word missed", key::kListLine, false);
    } else {
        for (const MissedEntry& missed : game.run.missed)
            list->AddLineWithin(PractiseLineText(missed.words), key::kListLine, true, kPractiseLineRoom,
                                kPractiseLineSmallest);
        list->Select(0);
    }
    game.app.screens.spokenPractiseLine = -1;
    game.app.screens.practiseListMoved = false;
}

// The next-level screen's panel: "Test passed" for an own list, which unlocks nothing.
const char* NextLevelPanel(Game& game) {
    return OwnTopicOfRow(game.app, game.learner, game.run.test.topicIndex) != nullptr ? key::kPassedPanel
                                                                                      : key::kNextLevelPanel;
}

// Under the panel: a test's score, or how many of a review's cards were answered right.
void ShowResult(Game& game, const std::string& panelKey, const std::u16string& finalLine) {
    FlyInShown(game.scene, panelKey);
    SetTextOf(game.scene, key::kFinalScore, finalLine);
    FlyInShown(game.scene, key::kFinalScore);
    FlyInShown(game.scene, key::kArrowNext);
    FillWordsToPractise(game);
    FlyInShown(game.scene, key::kPractiseTitle);
    FlyInShown(game.scene, key::kPractiseList);
    FollowPractiseSelection(game);
}

void FlyOutResult(Game& game, const std::string& panelKey) {
    for (const std::string& objectKey :
         {std::string(key::kArrowNext), panelKey, std::string(key::kFinalScore),
          std::string(key::kPractiseTitle), std::string(key::kPractiseList)})
        FlyOutObject(game.scene, objectKey);
}

// Both screens leave the same way: by a key pressing the arrow (Return, Escape), or by any other
// input while the cursor rests on the arrow (a click there, or a key the screen gives no meaning
// pressed there, leaves too).
bool Leave(Game& game, const InputEvent& input, const std::string& panelKey, ScreenEvent event) {
    const bool onArrow = input.HasMeaning() ? input.Means(KeyMeaning::Act::Press, key::kArrowNext)
                                            : Hovered(game.scene, key::kArrowNext);
    if (!onArrow || game.app.transitionLock) return false;
    game.app.transitionLock = true;
    FlyOutResult(game, panelKey);
    PostScreenEvent(game.scene, event, 50);
    return true;
}

// The list's arrows and a click on another line move its selection; a click on the selected line,
// which starts
// a learning round of the missed entries (a list saying none were missed chooses nothing).
bool ChoosePractise(Game& game, const InputEvent& input, const std::string& panelKey, ScreenEvent event) {
    GLObjectTextList* list = FindTextList(game.scene, key::kPractiseList);
    if ((!input.IsPlainClick() && !input.HasMeaning()) || !list) return false;
    // Moved by a key (Up, Down or the wheel), the list has the keyboard's attention on this showing.
    if (input.HasMeaning() && (StepsUp(*list, input) || StepsDown(*list, input)))
        game.app.screens.practiseListMoved = true;
    MoveSelectionByArrow(*list, input);
    if (SelectPickedLine(*list, input)) return true;
    if (!ChoosesSelectedLine(*list, input) || game.app.transitionLock || game.run.missed.empty())
        return false;
    game.app.transitionLock = true;
    FlyOutResult(game, panelKey);
    PostScreenEvent(game.scene, event, 50);
    return true;
}

}  // namespace

void BuildNextLevelScreen(Game& game) {
    BuildPanel(game, key::kNextLevelPanel, u"Next level unlocked");
    BuildWordsToPractise(game);
    BuildPanel(game, key::kPassedPanel, u"Test passed");
}

void BuildGameOverScreen(Game& game) { BuildPanel(game, key::kGameOverPanel, u"Game over"); }

void BuildReviewResultScreen(Game& game) { BuildPanel(game, key::kReviewPanel, u"Review done"); }

void ShowNextLevelScreen(Game& game) {
    ShowResult(game, NextLevelPanel(game), CounterLine(game.app.strings.scoreLabel, game.run.test.score));
}

void ShowGameOverScreen(Game& game) {
    ShowResult(game, key::kGameOverPanel, CounterLine(game.app.strings.scoreLabel, game.run.test.score));
}

void ShowReviewResultScreen(Game& game) {
    // A review broken off says so; the line below counts the answers given before.
    SetTextOf(game.scene, key::kReviewPanel, game.run.test.brokenOff ? u"review stopped" : u"Review done");
    ShowResult(game, key::kReviewPanel,
               CounterLine(game.app.strings.correctLabel, game.run.test.correctCount) + u" of " +
                   NumberText(game.run.test.askedCount));
}

void NextLevelScreenInput(Game& game, const InputEvent& input) {
    if (ChoosePractise(game, input, NextLevelPanel(game), ScreenEvent::LearningAfterNextLevel)) return;
    Leave(game, input, NextLevelPanel(game), ScreenEvent::MainMenuAfterNextLevel);
}

void GameOverScreenInput(Game& game, const InputEvent& input) {
    if (ChoosePractise(game, input, key::kGameOverPanel, ScreenEvent::LearningAfterGameOver)) return;
    if (Leave(game, input, key::kGameOverPanel, ScreenEvent::InfoAfterGameOver))
        game.app.infoReturnScreen = ScreenId::MainMenu;
}

void ReviewResultScreenInput(Game& game, const InputEvent& input) {
    if (ChoosePractise(game, input, key::kReviewPanel, ScreenEvent::LearningAfterReviewResult)) return;
    Leave(game, input, key::kReviewPanel, ScreenEvent::MainMenuAfterReviewResult);
}

void FollowPractiseSelection(Game& game) {
    const GLObjectTextList* list = FindTextList(game.scene, key::kPractiseList);
    if (!list || list->selected == game.app.screens.spokenPractiseLine) return;
    if (list->selected < 0 || list->selected >= static_cast<int>(game.run.missed.size())) return;
    game.app.screens.spokenPractiseLine = list->selected;
    const MissedEntry& missed = game.run.missed[game.app.screens.spokenPractiseLine];
    SpeakForeignWord(missed.words, missed.languages);
}

bool PractiseListHasAttention(Game& game) {
    if (!game.app.screens.practiseListMoved) return false;
    // A list saying that no word was missed (a disabled line) has nothing to choose.
    const GLObjectTextList* list = FindTextList(game.scene, key::kPractiseList);
    return list && !list->lines.empty() && list->lines.front()->visible;
}

void SpeakPractiseSelectionAgain(Game& game) {
    const GLObjectTextList* list = FindTextList(game.scene, key::kPractiseList);
    if (!list || list->selected < 0 || list->selected >= static_cast<int>(game.run.missed.size())) return;
    SpeakForeignWord(game.run.missed[list->selected].words, game.run.missed[list->selected].languages);
}

void HideResultScreens(Game& game) {
    for (const char* objectKey :
         {key::kNextLevelPanel, key::kPassedPanel, key::kGameOverPanel, key::kReviewPanel, key::kFinalScore,
          key::kArrowNext, key::kPractiseTitle, key::kPractiseList})
        SetVisible(game.scene, objectKey, false);
}
