#include "screens/TestFeedback.h"

#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLParticleSystem.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "game/ObjectKeys.h"
#include "screens/ScreenSteps.h"

namespace {

// A feedback text spins once and flies through the view, fading in and out as it goes.
void FlyThrough(const std::string& objectKey, int period, bool spin) {
    GLObject* text = scene->FindObject(objectKey);
    if (!text) return;
    if (spin) text->StartSpin(1000, 0, 0, 1);
    text->StartMotion(PathFlyThrough(period), period - 10);
    text->visible = true;
    text->StartFade(PathNudge(period, text->baseColour[3]), period - 10);
}

void Burst(const std::string& objectKey) {
    if (auto* burst = dynamic_cast<GLParticleSystem*>(scene->FindObject(objectKey))) {
        burst->Restart();
        burst->visible = true;
    }
}

}  // namespace

void ShowRightAnswer(bool bonus) {
    for (const char* objectKey : {key::kAnswerText, key::kPromptText})
        LeaveToLeft(scene->FindObject(objectKey), 200, 190, 200, 190);
    if (bonus) {
        Burst(key::kBonusBurst);
        FlyThrough(key::kBonusFeedback, 400, false);
    } else {
        FlyThrough(key::kCorrectFeedback, 300, true);
        Burst(key::kCorrectBurst);
    }
}

void ShowWrongAnswer(const std::u16string& expected) {
    if (GLObject* prompt = scene->FindObject(key::kPromptText)) {
        prompt->StartMotion(PathLeaveToLeft(500), 490);
        prompt->StartFade(FadeOutPath(200, prompt->baseColour[3]), 190);
    }
    // The expected answer stays readable while it slowly drifts away.
    if (GLObjectText* answer = FindText(key::kAnswerText)) {
        answer->SetText(expected);
        LeaveToLeft(answer, 500, 490, 500, 490);
        answer->SetActive(false);
    }
    FlyThrough(key::kWrongFeedback, 300, true);
}
