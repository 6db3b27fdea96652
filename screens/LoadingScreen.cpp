// The loading picture and the one-time loading step. The texture order matters: slots 0-10 are
// fixed (loading picture, floor, menu picture, information panel, three topic pictures, lock
// sign, the two flags, particle sprite) whatever the topics screen loads later.
#include "screens/LoadingScreen.h"

#include <memory>

#include "engine/GLScene.h"
#include "engine/GlyphFont.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "platform/Platform.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

void LoadSharedTextures() {
    const std::string& folder = app->exeDirNarrow;
    scene->textures.LoadJpeg(folder + "gfx/mirror.jpg");
    scene->textures.LoadJpeg(folder + "gfx/glowny_bg.jpg");
    scene->textures.LoadJpeg(app->infoPicturePath);
    for (int row = 0; row < 3; ++row) scene->textures.LoadJpeg(app->topics[row].picturePath);
    scene->textures.LoadJpeg(folder + "gfx/blocked.jpg");
    scene->textures.LoadJpeg(app->nativeFlagPath);
    scene->textures.LoadJpeg(app->foreignFlagPath);
    scene->textures.LoadTga(folder + "gfx/particle.tga");
}

// The grey backdrop behind every later screen; added first so it is drawn first.
void BuildBackdrop() {
    auto* backdrop =
        scene->Add(std::make_unique<GLObjectPlaneGradient>(key::kBackdrop, 0.0, 0.0, -6.0, 25.0, 15.0, 15.0));
    backdrop->rotation[0] = 90.0;
    backdrop->vertexColour = true;
    const float shades[4] = {0.4f, 0.2f, 0.1f, 0.2f};
    for (int corner = 0; corner < 4; ++corner) {
        backdrop->cornerRed[corner] = shades[corner];
        backdrop->cornerGreen[corner] = shades[corner];
        backdrop->cornerBlue[corner] = shades[corner];
        backdrop->cornerAlpha[corner] = 1.0f;
    }
    backdrop->visible = false;
}

}  // namespace

void BuildLoadingScreen() {
    app->userName = u"player";
    scene->textures.LoadJpeg(app->exeDirNarrow + "gfx/loading.jpg");
    auto* picture =
        scene->Add(std::make_unique<GLObjectPlane>(key::kLoadingPicture, 1.0f, 0.0, 0.0, 2.0, 4.0, 0.0, 2.0));
    picture->rotation[0] = 90.0;
    picture->depthTest = true;
    picture->blend = true;
    picture->texturedColour = true;
    picture->SetColour(1.0, 1.0, 1.0, 1.0);
    picture->texture = scene->textures.Find("gfx/loading.jpg");
    picture->textured = true;
}

void ShowLoadingScreen() {
    SetVisible(key::kLoadingPicture, true);
    app->currentScreen = ScreenId::Loading;
}

void LoadingStep(void (*buildScene)()) {
    // The picture goes on screen before the long work starts; the window shows nothing before it.
    platform::ShowWindow();
    scene->Render();
    platform::MakeContextCurrent();
    LoadSharedTextures();
    platform::ReleaseContext();
    scene->Render();

    app->currentScreen = ScreenId::None;  // the step runs once

    // The first text object loads the font; its display lists are compiled here, with the context
    // current, so the long work stays inside the loading step rather than the first drawn frame.
    platform::MakeContextCurrent();
    BuildBackdrop();
    buildScene();
    glyphfont::ListBase();
    platform::ReleaseContext();

    LeaveToLeft(FindSceneObject(key::kLoadingPicture), 200, 190, 100, 90);
    PostScreenEvent(ScreenEvent::UserNameAfterLoading, 80);
}

void HideLoadingScreen() { SetVisible(key::kLoadingPicture, false); }
