#include "app/Application.h"

#include <cstdio>
#include <memory>
#include <new>

#include "app/FrameTick.h"
#include "app/InputRouting.h"
#include "app/KeyBindings.h"
#include "app/ListImports.h"
#include "app/WindowIcon.h"
#include "engine/GLObject.h"
#include "engine/GLScene.h"
#include "game/names/ObjectKeys.h"
#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "learning/LearnerRecord.h"
#include "learning/OwnTopics.h"
#include "learning/ReviewSchedule.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"
#include "platform/ProcessStart.h"
#include "platform/WindowGeometry.h"
#include "screens/LoadingScreen.h"
#include "screens/TestScreen.h"

namespace {

// The window has been closed: a run's save still waiting for the folder's lock is done, the scene
// (with every object the screens built and its light) and the application object go; the loop
// then ends with status 0.
void CloseApplication() {
    SaveRunEndNow();
    record::StopRecord();
    delete scene;
    scene = nullptr;
    delete app;
    app = nullptr;
}

// The record's integrity check, run beside the game, found the file damaged: told once, in the
// game's words; the game plays on with a fresh record.
void TellRecordCheck() {
    const std::string notice = record::PollRecordCheck();
    if (notice.empty()) return;
    platform::TellTerminal("lexadrill: " + notice);
    platform::ShowMessage(notice);
}

platform::WindowCallbacks MessageTable() {
    platform::WindowCallbacks callbacks;
    callbacks.tick = [] {
        TellRecordCheck();
        FrameTick();
    };
    callbacks.character = RouteCharacter;
    callbacks.click = [](platform::Click click) {
        if (scene) scene->clickPending = true;
        RouteClick(click);
    };
    callbacks.key = RouteKey;
    callbacks.wheel = RouteWheel;
    callbacks.paint = [](int width, int height) {
        if (scene) scene->Resize(width, height);
    };
    callbacks.close = CloseApplication;
    callbacks.fileDropped = QueueListImport;
    return callbacks;
}

}  // namespace

bool StartApplication(const std::vector<std::string>& listsToImport) {
    if (!app) app = new AppContext(platform::GameFolder());
    app->listsToImport.insert(app->listsToImport.end(), listsToImport.begin(), listsToImport.end());
    DecideSaveFolder();
    ReadListsFolder();
    // The record of the folder just chosen; schedules are read from it when first asked for.
    const record::StartReport record = OpenLearnerRecord();
    if (!record.migratedLine.empty()) {
        std::printf("%s\n", record.migratedLine.c_str());
        std::fflush(stdout);
    }
    if (!record.notice.empty()) platform::TellTerminal("lexadrill: " + record.notice);
    if (!platform::Start()) return false;
    const platform::Size desktop = platform::DesktopSize();
    const platform::WindowRect r = platform::LoadingWindowRect(desktop.width, desktop.height);
    if (!platform::OpenWindow(r.x, r.y, r.width, r.height)) return false;
    SetWindowIconFromGameFolder();
    // Told once, in the window: the game plays on whatever became of the record.
    if (!record.notice.empty()) platform::ShowMessage(record.notice);
    // Files named on the command line are read before the topics are built.
    ImportWaitingLists();
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
    app->strings = InterfaceTexts();
    BuildLoadingScreen();
    ShowLoadingScreen();
}

void ResizeToPlayWindow() {
    const platform::Size desktop = platform::DesktopSize();
    const platform::WindowRect r = platform::PlayWindowRect(desktop.width, desktop.height);
    platform::SetWindowFrame(r.x, r.y, r.width, r.height, true);
    // This tick's frame is the play window's first: drawn whole at its size, not at the loading
    // window's (the rest would show the bare clear colour until the window's resize comes in).
    const platform::Size client = platform::ClientSize();
    if (scene) scene->Resize(client.width, client.height);
}
