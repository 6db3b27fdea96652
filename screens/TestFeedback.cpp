#include "screens/TestFeedback.h"

#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLParticleSystem.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "game/names/ObjectKeys.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// A feedback text spins once and flies through the view, fading in and out as it goes.
void FlyThrough(const std::string& objectKey, int period, bool spin) {
    GLObject* text = FindSceneObject(objectKey);
    if (!text) return;
    if (spin) text->StartSpin(1000, 0, 0, 1);
    text->StartMotion(PathFlyThrough(period), period - 10);
    text->visible = true;
    text->StartFade(PathNudge(period, text->baseColour[3]), period - 10);
}

void Burst(const std::string& objectKey) {
    if (GLParticleSystem* burst = FindParticleSystem(objectKey)) {
        burst->Restart();
        burst->visible = true;
    }
}

}  // namespace

void ShowRightAnswer(bool bonus) {
    for (const char* objectKey : {key::kAnswerText, key::kPromptText})
        LeaveToLeft(FindSceneObject(objectKey), 200, 190, 200, 190);
    if (bonus) {
        Burst(key::kBonusBurst);
        FlyThrough(key::kBonusFeedback, 400, false);
    } else {
        FlyThrough(key::kCorrectFeedback, 300, true);
        Burst(key::kCorrectBurst);
    }
}

namespace {

// The expected answer stays readable while it slowly drifts away.
GLObjectText* ShowExpectedLeaving(const std::u16string& expected) {
    LeaveToLeft(FindSceneObject(key::kPromptText), 500, 490, 200, 190);
    SetWordText(key::kAnswerText, expected);
    GLObjectText* answer = FindText(key::kAnswerText);
    if (answer) {
        LeaveToLeft(answer, 500, 490, 500, 490);
        answer->SetActive(false);
    }
    return answer;
}

}  // namespace

void ShowWrongAnswer(const std::u16string& expected) {
    ShowExpectedLeaving(expected);
    FlyThrough(key::kWrongFeedback, 300, true);
}

void ShowAlmostAnswer(const std::u16string& spelling, size_t markFirst, size_t markCount) {
    if (GLObjectText* answer = ShowExpectedLeaving(spelling)) answer->SetMark(markFirst, markCount);
    FlyThrough(key::kAlmostFeedback, 300, true);
}

void ShowExpectedSpelling(const std::u16string& expected) { SetWordText(key::kAnswerText, expected); }
