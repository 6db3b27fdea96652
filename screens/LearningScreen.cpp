#include "screens/LearningScreen.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
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

// A step to the next entry is under way (app->screens.learningStepping): the arrow is ignored
// until the entry is shown. While the screen is on its way out (learningLeaving) nothing more may
// start a change (the frame tick clears the lock right after the entry, so an empty topic's
// departure needs a guard of its own).

const char* const kScreenObjects[] = {key::kPromptText, key::kAbortButton, key::kArrowNext, key::kAnswerText,
                                      key::kNativeFlag, key::kForeignFlag, key::kScore};

void ShowCounter() {
    SetTextOf(key::kScore, u"words: " + NumberText(static_cast<int>(currentRun.words.currentWord) + 1) +
                               u" of " + NumberText(static_cast<int>(WordCount())));
}

void ShowEntryTexts() {
    SetWordText(key::kPromptText, CurrentPrompt());
    SetWordText(key::kAnswerText, CurrentAnswer());
    ShowSideLanguages(CurrentLanguages());
    SpeakForeignWord(CurrentEntry(), CurrentLanguages());
}

// The screen's entry over the loaded word list, from its first entry.
void EnterLearning() {
    currentRun.words.currentWord = 0;
    if (WordCount() == 0) {
        // Nothing to study (the word list is missing): straight back to the main menu.
        LeaveLearning();
        return;
    }

    EnterFromLeft(key::kPromptText);
    EnterFromLeft(key::kAbortButton);
    EnterAnswerField(false);
    EnterFromLeft(key::kArrowNext);
    EnterFromLeft(key::kNativeFlag);
    EnterFromLeft(key::kForeignFlag);
    EnterFromLeft(key::kScore);
    ShowCounter();
    ShowEntryTexts();
}

// The state of a fresh entry to the screen, before its words are loaded.
void ResetLearning() {
    if (!scene->lights.empty()) scene->lights[0]->position[2] = -0.6;
    currentRun.words.currentWord = 0;
    app->screens.learningStepping = false;
    app->screens.learningLeaving = false;
}

// The shown pair leaves to the left and pair `index` follows once it has gone.
void StepTo(unsigned index) {
    currentRun.words.currentWord = index;
    app->screens.learningStepping = true;
    ShowCounter();
    for (const char* objectKey : {key::kPromptText, key::kAnswerText}) {
        if (GLObject* text = FindSceneObject(objectKey)) {
            text->StartMotion(PathLeaveToLeft(100), 150);
            text->StartFade(FadeOutPath(30, text->baseColour[3]), 30);
        }
    }
    PostScreenEvent(ScreenEvent::LearningNextWord, 40);
}

}  // namespace

void ShowLearningScreen() {
    ResetLearning();
    const GLObjectTextList* topicsList = FindTextList(key::kTopicsList);
    const int row = topicsList ? topicsList->selected : 0;
    const int shown = row >= 0 && row < app->topicCount ? row : 0;
    LoadTopicWords(currentRun.words, shown, ChosenDirection(shown));
    EnterLearning();
}

void ShowPractiseRound() {
    ResetLearning();
    LoadMissedEntriesAsWordList();
    EnterLearning();
}

void LearningScreenInput(const InputEvent& input) {
    if ((!input.IsPlainClick() && !input.HasMeaning()) || app->screens.learningLeaving) return;
    if (PointsAt(input, key::kAbortButton) && !app->transitionLock) {
        app->transitionLock = true;
        LeaveLearning();
        return;
    }
    if (!PointsAt(input, key::kArrowNext) || app->screens.learningStepping) return;
    if (currentRun.words.currentWord + 1 >= WordCount()) {
        app->transitionLock = true;
        LeaveLearning();
        return;
    }
    StepTo(currentRun.words.currentWord + 1);
}

void ShowPreviousLearningPair() {
    if (app->screens.learningLeaving || app->screens.learningStepping || app->transitionLock ||
        currentRun.words.currentWord == 0)
        return;
    StepTo(currentRun.words.currentWord - 1);
}

void SpeakLearningAnswerAgain() {
    if (app->screens.learningLeaving || app->screens.learningStepping ||
        currentRun.words.currentWord >= WordCount())
        return;
    SpeakForeignWord(CurrentEntry(), CurrentLanguages());
}

void ShowNextLearningEntry() {
    ShowEntryTexts();
    for (const char* objectKey : {key::kPromptText, key::kAnswerText}) {
        if (GLObject* text = FindSceneObject(objectKey)) {
            text->StartMotion(PathEnterFromRight(), 150);
            text->StartFade(FadeInPath(60, text->baseColour[3]), 50);
        }
    }
    app->screens.learningStepping = false;
}

void LeaveLearning() {
    app->screens.learningLeaving = true;
    for (const char* objectKey : {key::kPromptText, key::kAnswerText, key::kNativeFlag, key::kForeignFlag,
                                  key::kAbortButton, key::kArrowNext, key::kScore}) {
        LeaveToLeft(FindSceneObject(objectKey), 100, 90, 50, 50);
    }
    PostScreenEvent(ScreenEvent::MainMenuAfterLearning, 50);
}

void HideLearningScreen() {
    for (const char* objectKey : kScreenObjects) SetVisible(objectKey, false);
    app->screens.learningLeaving = false;
}
