#include "app/Application.h"

#include <memory>
#include <new>

#include "app/FrameTick.h"
#include "app/InputRouting.h"
#include "app/KeyBindings.h"
#include "app/WindowIcon.h"
#include "engine/GLObject.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/ObjectKeys.h"
#include "game/SaveFolder.h"
#include "game/UiStrings.h"
#include "learning/ReviewSchedule.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"
#include "platform/WindowGeometry.h"
#include "screens/LoadingScreen.h"

namespace {

// The window has been closed: the scene (with every object the screens built and its light) and
// the application object go; the loop then ends with status 0.
void CloseApplication() {
    delete scene;
    scene = nullptr;
    delete app;
    app = nullptr;
}

platform::WindowCallbacks MessageTable() {
    platform::WindowCallbacks callbacks;
    callbacks.tick = [] { FrameTick(); };
    callbacks.character = [](int code) { RouteInput(code); };
    callbacks.click = [](int flags) {
        clickPending = true;
        RouteClick(flags);
    };
    callbacks.key = RouteKey;
    callbacks.wheel = RouteWheel;
    callbacks.paint = [](int width, int height) {
        if (scene) scene->Resize(width, height);
    };
    callbacks.close = CloseApplication;
    return callbacks;
}

}  // namespace

bool StartApplication() {
    if (!app) app = new AppContext(platform::GameFolder());
    DecideSaveFolder();
    // Schedules are read from the folder just chosen, when first asked for.
    ForgetSchedules();
    if (!platform::Start()) return false;
    const platform::Size desktop = platform::DesktopSize();
    const platform::WindowRect r = platform::LoadingWindowRect(desktop.width, desktop.height);
    if (!platform::OpenWindow(r.x, r.y, r.width, r.height)) return false;
    SetWindowIconFromGameFolder();
    InitApplication();
    platform::RunMainLoop(MessageTable());
    return true;
}

void StopApplication() {
    CloseApplication();
    platform::Stop();
}

void InitApplication() {
    const platform::Size client = platform::ClientSize();
    scene = new (std::nothrow) GLScene(client.width, client.height, 0.0, 25.0, 0.0);
    if (scene) {
        scene->SetBackgroundColour(1.0f, 1.0f, 1.0f);
        scene->AddLight(std::make_unique<GLObjectLight>(key::kLight, 0, 1.0f, 1.0f, 1.0f, -1.8, 0.0, 0.9));
        scene->viewTranslation[0] = 0.0;
        scene->viewTranslation[1] = 0.0;
        scene->viewTranslation[2] = -6.0;
    }
    SelectInterfaceTexts();
    BuildLoadingScreen();
    ShowLoadingScreen();
}

void ResizeToPlayWindow() {
    const platform::Size desktop = platform::DesktopSize();
    const platform::WindowRect r = platform::PlayWindowRect(desktop.width, desktop.height);
    platform::SetWindowFrame(r.x, r.y, r.width, r.height, true);
}
