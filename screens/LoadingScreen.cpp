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

void LoadSharedTextures(Game& game) {
    const std::string& folder = game.app.exeDirNarrow;
    game.scene.textures.LoadJpeg(folder + "gfx/mirror.jpg");
    game.scene.textures.LoadJpeg(folder + "gfx/glowny_bg.jpg");
    game.scene.textures.LoadJpeg(game.app.infoPicturePath);
    for (int row = 0; row < 3; ++row) game.scene.textures.LoadJpeg(game.app.topics[row].picturePath);
    game.scene.textures.LoadJpeg(folder + "gfx/blocked.jpg");
    game.scene.textures.LoadJpeg(game.app.nativeFlagPath);
    game.scene.textures.LoadJpeg(game.app.foreignFlagPath);
    game.scene.textures.LoadTga(folder + "gfx/particle.tga");
}

// The grey backdrop behind every later screen; added first so it is drawn first.
void BuildBackdrop(Game& game) {
    auto* backdrop = game.scene.Add(
        std::make_unique<GLObjectPlaneGradient>(key::kBackdrop, 0.0, 0.0, -6.0, 25.0, 15.0, 15.0));
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

void BuildLoadingScreen(Game& game) {
    game.app.userName = u"player";
    game.scene.textures.LoadJpeg(game.app.exeDirNarrow + "gfx/loading.jpg");
    auto* picture = game.scene.Add(
        std::make_unique<GLObjectPlane>(key::kLoadingPicture, 1.0f, 0.0, 0.0, 2.0, 4.0, 0.0, 2.0));
    picture->rotation[0] = 90.0;
    picture->depthTest = true;
    picture->blend = true;
    picture->texturedColour = true;
    picture->SetColour(1.0, 1.0, 1.0, 1.0);
    picture->texture = game.scene.textures.Find("gfx/loading.jpg");
    picture->textured = true;
}

void ShowLoadingScreen(Game& game) {
    SetVisible(game.scene, key::kLoadingPicture, true);
    game.app.currentScreen = ScreenId::Loading;
}

void LoadingStep(Game& game, void (*buildScene)(Game& game)) {
    // The picture goes on screen before the long work starts; the window shows nothing before it.
    platform::ShowWindow();
    game.scene.Render();
    platform::MakeContextCurrent();
    LoadSharedTextures(game);
    platform::ReleaseContext();
    game.scene.Render();

    game.app.currentScreen = ScreenId::None;  // the step runs once

    // The first text object loads the font; its display lists are compiled here, with the context
    // current, so the long work stays inside the loading step rather than the first drawn frame.
    platform::MakeContextCurrent();
    BuildBackdrop(game);
    buildScene(game);
    glyphfont::ListBase();
    platform::ReleaseContext();

    LeaveToLeft(FindSceneObject(game.scene, key::kLoadingPicture), 200, 190, 100, 90);
    PostScreenEvent(game.scene, ScreenEvent::UserNameAfterLoading, 80);
}

void HideLoadingScreen(Game& game) { SetVisible(game.scene, key::kLoadingPicture, false); }
