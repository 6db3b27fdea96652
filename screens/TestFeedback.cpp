#include "screens/TestFeedback.h"

#include <string>

#include "engine/GLObjectText.h"
#include "engine/GLParticleSystem.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "screens/ScreenSteps.h"

namespace {

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

}  // namespace

void ShowRightAnswer(bool bonus) {
    for (const char* key : {"txt 2", "txt 1"}) LeaveToLeft(scene->FindObject(key), 200, 190, 200, 190);
    if (bonus) {
        Burst("bonus2");
        FlyThrough("bonus1", 400, false);
    } else {
        FlyThrough("dobrze", 300, true);
        Burst("explode");
    }
}

void ShowWrongAnswer(const std::u16string& expected) {
    if (GLObject* prompt = scene->FindObject("txt 1")) {
        prompt->StartMotion(PathLeaveToLeft(500), 490);
        prompt->StartFade(FadeOutPath(200, prompt->baseColour[3]), 190);
    }
    // The expected answer stays readable while it slowly drifts away.
    if (GLObjectText* answer = FindText("txt 2")) {
        answer->SetText(expected);
        LeaveToLeft(answer, 500, 490, 500, 490);
        answer->SetActive(false);
    }
    FlyThrough("zle", 300, true);
}
