#include "learning/Scoring.h"

#include <string>

#include "app/AppContext.h"
#include "engine/GLObjectText.h"
#include "engine/GLParticleSystem.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "learning/RepetitionStore.h"
#include "learning/TestScreen.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "screens/ScreenSteps.h"

namespace {

constexpr int kPointsPerAnswer = 10;
constexpr int kBonusPoints = 10;
// More seconds than this left on the clock earn the bonus.
constexpr int kBonusAboveSeconds = 10;

// A feedback text spins once and flies through the view, fading in and out as it goes.
void FlyThrough(const std::string& key, int period, bool spin) {
    GLObject* text = scene->FindObject(key);
    if (!text) return;
    if (spin) text->StartSpin(1000, 0, 0, 1);
    text->StartMotion(PathFlyThrough(period), period - 10);
    text->visible = true;
    text->StartFade(PathNudge(period, text->baseColour[3]), period - 10);
}

void Burst(const std::string& key) {
    if (auto* burst = dynamic_cast<GLParticleSystem*>(scene->FindObject(key))) {
        burst->Restart();
        burst->visible = true;
    }
}

void JudgeRight() {
    MarkCorrect();
    testRun.score += kPointsPerAnswer;
    ++testRun.correctCount;
    for (const char* key : {"txt 2", "txt 1"}) LeaveToLeft(scene->FindObject(key), 200, 190, 200, 190);
    if (testRun.timeLeft > kBonusAboveSeconds) {
        testRun.score += kBonusPoints;
        Burst("bonus2");
        FlyThrough("bonus1", 400, false);
    } else {
        FlyThrough("dobrze", 300, true);
        Burst("explode");
    }
}

void JudgeWrong() {
    MarkWrong();
    ++testRun.wrongCount;
    if (GLObject* prompt = scene->FindObject("txt 1")) {
        prompt->StartMotion(PathLeaveToLeft(500), 490);
        prompt->StartFade(FadeOutPath(200, prompt->baseColour[3]), 190);
    }
    // The expected answer stays readable while it slowly drifts away.
    if (GLObjectText* answer = FindText("txt 2")) {
        answer->SetText(CurrentAnswer());
        LeaveToLeft(answer, 500, 490, 500, 490);
        answer->SetActive(false);
    }
    FlyThrough("zle", 300, true);
}

}  // namespace

void EvaluateAnswer(bool correct) {
    SetTextOf("czas", u"--");
    testRun.clockRunning = false;
    testRun.answerEvaluated = true;
    if (correct) {
        JudgeRight();
    } else {
        JudgeWrong();
    }
    ++testRun.askedCount;
    platform::DebugOutput("ekran_licznik_slow=" + std::to_string(testRun.askedCount) +
                          ", >>>=" + std::to_string(testRun.toPass - testRun.correctCount) + " \n");

    if (testRun.correctCount >= testRun.toPass) {
        const TopicInfo& topic = app->topics[testRun.topicIndex];
        SaveRepetitions(topic.firstWord, topic.lastWord);
        FinishTest();
        scene->PostEvent(UnlockNextTopic(testRun.topicIndex) ? "ekran_nextlevel wjazd" : "ekran_glowny wjazd", 40);
    } else if (testRun.askedCount < testRun.testLength) {
        scene->PostEvent("ekran_test - nastepne slowo", 140);
    } else {
        FinishTest();
        scene->PostEvent("ekran_gameover wjazd", 150);
    }
}
