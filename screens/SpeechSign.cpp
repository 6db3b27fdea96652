#include "screens/SpeechSign.h"

#include <memory>

#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// A quarter of a second per segment of the fade: in, standing in full for six (over a second and
// a half, time to read it), out.
constexpr int kSegmentTicks = 16;
constexpr int kStandingSegments = 6;
constexpr int kSegments = kStandingSegments + 2;

// A screen over the mirrored floor steps every object twice a tick; the sign's steps follow, so
// it stands as long on every screen.
int StepsPerTick(Game& game) { return game.scene.reflectionOff ? 1 : 2; }

MotionPathPtr SignFade(Game& game, double alpha) {
    auto path = std::make_unique<MotionPath>();
    const float full = static_cast<float>(alpha);
    path->points.push_back({0, 0, 0});
    for (int point = 0; point <= kStandingSegments; ++point) path->points.push_back({full, 0, 0});
    path->points.push_back({0, 0, 0});
    path->period = kSegmentTicks * StepsPerTick(game);
    return path;
}

}  // namespace

void BuildSpeechSign(Game& game) {
    GLObjectText* sign =
        AddHiddenLabel(game.scene, key::kSpeechSign, u"speech off", -0.6, -2.0, 0.5, 0.4, 0.4, 0.4);
    sign->scale = 0.5;
    sign->depthTest = false;  // over whatever the screen shows there
}

void ShowSpeechSign(Game& game, bool speechOn) {
    // While loading (the small window) the screens' objects do not exist yet.
    if (game.app.currentScreen == ScreenId::Loading) return;
    GLObjectText* sign = FindText(game.scene, key::kSpeechSign);
    if (!sign) return;
    sign->SetText(speechOn ? u"speech on" : u"speech off");
    // A fade takes one step more per segment (the step that starts the next one).
    sign->StartFade(SignFade(game, sign->baseColour[3]),
                    kSegments * (kSegmentTicks * StepsPerTick(game) + 1));
    sign->colour[3] = 0;
    sign->visible = true;
}

void StepSpeechSign(Game& game) {
    if (game.app.currentScreen == ScreenId::Loading) return;
    GLObjectText* sign = FindText(game.scene, key::kSpeechSign);
    if (sign && sign->visible && !sign->fadePath) sign->visible = false;
}
