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
void FlyThrough(Game& game, const std::string& objectKey, int period, bool spin) {
    GLObject* text = FindSceneObject(game.scene, objectKey);
    if (!text) return;
    if (spin) text->StartSpin(1000, 0, 0, 1);
    text->StartMotion(PathFlyThrough(period), period - 10);
    text->visible = true;
    text->StartFade(PathNudge(period, text->baseColour[3]), period - 10);
}

void Burst(Game& game, const std::string& objectKey) {
    if (GLParticleSystem* burst = FindParticleSystem(game.scene, objectKey)) {
        burst->Restart();
        burst->visible = true;
    }
}

}  // namespace

void ShowRightAnswer(Game& game, bool bonus) {
    for (const char* objectKey : {key::kAnswerText, key::kPromptText})
        LeaveToLeft(FindSceneObject(game.scene, objectKey), 200, 190, 200, 190);
    if (bonus) {
        Burst(game, key::kBonusBurst);
        FlyThrough(game, key::kBonusFeedback, 400, false);
    } else {
        FlyThrough(game, key::kCorrectFeedback, 300, true);
        Burst(game, key::kCorrectBurst);
    }
}

namespace {

// The expected answer stays readable while it slowly drifts away.
GLObjectText* ShowExpectedLeaving(Game& game, const std::u16string& expected) {
    LeaveToLeft(FindSceneObject(game.scene, key::kPromptText), 500, 490, 200, 190);
    SetWordText(game.scene, key::kAnswerText, expected);
    GLObjectText* answer = FindText(game.scene, key::kAnswerText);
    if (answer) {
        LeaveToLeft(answer, 500, 490, 500, 490);
        answer->SetActive(false);
    }
    return answer;
}

}  // namespace

void ShowWrongAnswer(Game& game, const std::u16string& expected) {
    ShowExpectedLeaving(game, expected);
    FlyThrough(game, key::kWrongFeedback, 300, true);
}

void ShowAlmostAnswer(Game& game, const std::u16string& spelling, size_t markFirst, size_t markCount) {
    if (GLObjectText* answer = ShowExpectedLeaving(game, spelling)) answer->SetMark(markFirst, markCount);
    FlyThrough(game, key::kAlmostFeedback, 300, true);
}

void ShowExpectedSpelling(Game& game, const std::u16string& expected) {
    SetWordText(game.scene, key::kAnswerText, expected);
}
