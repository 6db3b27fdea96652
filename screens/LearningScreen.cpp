#include "screens/LearningScreen.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/MissedEntries.h"
#include "learning/RepetitionStore.h"
#include "learning/SpokenWord.h"
#include "learning/TopicDirection.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"
#include "screens/SideLanguageCards.h"

namespace {

// A step to the next entry is under way (AppContext::screens.learningStepping): the arrow is ignored
// until the entry is shown. While the screen is on its way out (learningLeaving) nothing more may
// start a change (the frame tick clears the lock right after the entry, so an empty topic's
// departure needs a guard of its own).

const char* const kScreenObjects[] = {key::kPromptText, key::kAbortButton, key::kArrowNext, key::kAnswerText,
                                      key::kNativeFlag, key::kForeignFlag, key::kScore};

void ShowCounter(Game& game) {
    SetTextOf(game.scene, key::kScore,
              u"words: " + NumberText(static_cast<int>(game.run.words.currentWord) + 1) + u" of " +
                  NumberText(static_cast<int>(WordCount(game.run.words))));
}

void ShowEntryTexts(Game& game) {
    SetWordText(game.scene, key::kPromptText, CurrentPrompt(game.run.words));
    SetWordText(game.scene, key::kAnswerText, CurrentAnswer(game.run.words));
    ShowSideLanguages(game, CurrentLanguages(game.run.words));
    SpeakForeignWord(CurrentEntry(game.run.words), CurrentLanguages(game.run.words));
}

// The screen's entry over the loaded word list, from its first entry.
void EnterLearning(Game& game) {
    game.run.words.currentWord = 0;
    if (WordCount(game.run.words) == 0) {
        // Nothing to study (the word list is missing): straight back to the main menu.
        LeaveLearning(game);
        return;
    }

    EnterFromLeft(game.scene, key::kPromptText);
    EnterFromLeft(game.scene, key::kAbortButton);
    EnterAnswerField(game.scene, false);
    EnterFromLeft(game.scene, key::kArrowNext);
    EnterFromLeft(game.scene, key::kNativeFlag);
    EnterFromLeft(game.scene, key::kForeignFlag);
    EnterFromLeft(game.scene, key::kScore);
    ShowCounter(game);
    ShowEntryTexts(game);
}

// The state of a fresh entry to the screen, before its words are loaded.
void ResetLearning(Game& game) {
    if (!game.scene.lights.empty()) game.scene.lights[0]->position[2] = -0.6;
    game.run.words.currentWord = 0;
    game.app.screens.learningStepping = false;
    game.app.screens.learningLeaving = false;
}

// The shown pair leaves to the left and pair `index` follows once it has gone.
void StepTo(Game& game, unsigned index) {
    game.run.words.currentWord = index;
    game.app.screens.learningStepping = true;
    ShowCounter(game);
    for (const char* objectKey : {key::kPromptText, key::kAnswerText}) {
        if (GLObject* text = FindSceneObject(game.scene, objectKey)) {
            text->StartMotion(PathLeaveToLeft(100), 150);
            text->StartFade(FadeOutPath(30, text->baseColour[3]), 30);
        }
    }
    PostScreenEvent(game.scene, ScreenEvent::LearningNextWord, 40);
}

}  // namespace

void ShowLearningScreen(Game& game) {
    ResetLearning(game);
    const GLObjectTextList* topicsList = FindTextList(game.scene, key::kTopicsList);
    const int row = topicsList ? topicsList->selected : 0;
    const int shown = game.app.HasTopicRow(row) ? row : 0;
    LoadTopicWords(game.app, game.learner, game.run.words, shown,
                   ChosenDirection(game.app, game.learner, shown));
    EnterLearning(game);
}

void ShowPractiseRound(Game& game) {
    ResetLearning(game);
    LoadMissedEntriesAsWordList(game.run);
    EnterLearning(game);
}

void LearningScreenInput(Game& game, const InputEvent& input) {
    if ((!input.IsPlainClick() && !input.HasMeaning()) || game.app.screens.learningLeaving) return;
    if (PointsAt(game.scene, input, key::kAbortButton) && !game.app.transitionLock) {
        game.app.transitionLock = true;
        LeaveLearning(game);
        return;
    }
    if (!PointsAt(game.scene, input, key::kArrowNext) || game.app.screens.learningStepping) return;
    if (game.run.words.currentWord + 1 >= WordCount(game.run.words)) {
        game.app.transitionLock = true;
        LeaveLearning(game);
        return;
    }
    StepTo(game, game.run.words.currentWord + 1);
}

void ShowPreviousLearningPair(Game& game) {
    if (game.app.screens.learningLeaving || game.app.screens.learningStepping || game.app.transitionLock ||
        game.run.words.currentWord == 0)
        return;
    StepTo(game, game.run.words.currentWord - 1);
}

void SpeakLearningAnswerAgain(Game& game) {
    if (game.app.screens.learningLeaving || game.app.screens.learningStepping ||
        game.run.words.currentWord >= WordCount(game.run.words))
        return;
    SpeakForeignWord(CurrentEntry(game.run.words), CurrentLanguages(game.run.words));
}

void ShowNextLearningEntry(Game& game) {
    ShowEntryTexts(game);
    for (const char* objectKey : {key::kPromptText, key::kAnswerText}) {
        if (GLObject* text = FindSceneObject(game.scene, objectKey)) {
            text->StartMotion(PathEnterFromRight(), 150);
            text->StartFade(FadeInPath(60, text->baseColour[3]), 50);
        }
    }
    game.app.screens.learningStepping = false;
}

void LeaveLearning(Game& game) {
    game.app.screens.learningLeaving = true;
    for (const char* objectKey : {key::kPromptText, key::kAnswerText, key::kNativeFlag, key::kForeignFlag,
                                  key::kAbortButton, key::kArrowNext, key::kScore}) {
        LeaveToLeft(FindSceneObject(game.scene, objectKey), 100, 90, 50, 50);
    }
    PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterLearning, 50);
}

void HideLearningScreen(Game& game) {
    for (const char* objectKey : kScreenObjects) SetVisible(game.scene, objectKey, false);
    game.app.screens.learningLeaving = false;
}
