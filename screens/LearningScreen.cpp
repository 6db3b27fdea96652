#include "screens/LearningScreen.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "game/AppContext.h"
#include "learning/RepetitionStore.h"
#include "learning/WordList.h"
#include "screens/ScreenSteps.h"

namespace {

// A step to the next entry is under way: the arrow is ignored until the entry is shown.
bool stepping = false;
// The screen is on its way out; nothing more may start a change (the frame tick clears the lock
// right after the entry, so an empty topic's departure needs a guard of its own).
bool leaving = false;

const char* const kScreenObjects[] = {"txt 1", "przerwij", "arrownext", "txt 2", "flag 1", "flag 2", "wynik"};

void ShowCounter() {
    SetTextOf("wynik", u"words: " + NumberText(static_cast<int>(wordList.currentWord) + 1) + u" of " +
                           NumberText(static_cast<int>(WordCount())));
}

void ShowEntryTexts() {
    SetTextOf("txt 1", CurrentPrompt());
    SetTextOf("txt 2", CurrentAnswer());
}

}  // namespace

void StartLearning() {
    if (!scene->lights.empty()) scene->lights[0]->position[2] = -0.6;
    wordList.currentWord = 0;
    stepping = false;
    leaving = false;

    const GLObjectTextList* topicsList = FindTextList("main menu 2");
    const int row = topicsList ? topicsList->selected : 0;
    const TopicInfo& topic = app->topics[row >= 0 && row < app->topicCount ? row : 0];
    LoadTopicEntries(app->wordFilePath, topic.firstWord, topic.lastWord);
    LoadRepetitions(topic.firstWord, topic.lastWord);
    wordList.currentWord = 0;

    if (WordCount() == 0) {
        // Nothing to study (the word list is missing): straight back to the main menu.
        LeaveLearning();
        return;
    }

    EnterFromLeft("txt 1");
    EnterFromLeft("przerwij");
    if (GLObjectText* answer = FindText("txt 2")) {
        answer->editable = false;
        answer->SetActive(false);
        EnterFromLeft(answer);
    }
    EnterFromLeft("arrownext");
    EnterFromLeft("flag 1");
    EnterFromLeft("flag 2");
    EnterFromLeft("wynik");
    ShowCounter();
    ShowEntryTexts();
}

void LearningInput(int code) {
    if (code != 1 || leaving) return;
    GLObject* abort = scene->FindObject("przerwij");
    if (abort && abort->hovered && !app->transitionLock) {
        app->transitionLock = true;
        LeaveLearning();
        return;
    }
    GLObject* next = scene->FindObject("arrownext");
    if (!next || !next->hovered || stepping) return;
    if (wordList.currentWord + 1 >= WordCount()) {
        app->transitionLock = true;
        LeaveLearning();
        return;
    }
    ++wordList.currentWord;
    stepping = true;
    ShowCounter();
    for (const char* key : {"txt 1", "txt 2"}) {
        if (GLObject* text = scene->FindObject(key)) {
            text->StartMotion(PathLeaveToLeft(100), 150);
            text->StartFade(FadeOutPath(30, text->baseColour[3]), 30);
        }
    }
    scene->PostEvent("ekran_nauka - nastepne slowo", 40);
}

void ShowNextLearningEntry() {
    ShowEntryTexts();
    for (const char* key : {"txt 1", "txt 2"}) {
        if (GLObject* text = scene->FindObject(key)) {
            text->StartMotion(PathEnterFromRight(), 150);
            text->StartFade(FadeInPath(60, text->baseColour[3]), 50);
        }
    }
    stepping = false;
}

void LeaveLearning() {
    leaving = true;
    for (const char* key : {"txt 1", "txt 2", "flag 1", "flag 2", "przerwij", "arrownext", "wynik"}) {
        LeaveToLeft(scene->FindObject(key), 100, 90, 50, 50);
    }
    scene->PostEvent("ekran_glowny po nauce wjazd", 50);
}

void HideLearningScreen() {
    for (const char* key : kScreenObjects) SetVisible(key, false);
    leaving = false;
}
