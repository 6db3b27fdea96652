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
#include "platform/ProcessStart.h"
#include "platform/WindowGeometry.h"
#include "screens/LoadingScreen.h"
#include "screens/TestScreen.h"

namespace {

// The record's integrity check, run beside the game, found the file damaged: told once, in the
// game's words; the game plays on with a fresh record.
void TellRecordCheck() {
    const std::string notice = record::PollRecordCheck();
    if (notice.empty()) return;
    platform::TellTerminal("lexadrill: " + notice);
    platform::ShowMessage(notice);
}

}  // namespace

Application::Application() = default;

Application::~Application() = default;

Game Application::State() { return Game{*context, *scene, learner, run}; }

template <typename Use>
void Application::WithState(Use use) {
    if (!context || !scene) return;
    Game game = State();
    use(game);
}

void Application::Close() {
    WithState(SaveRunEndNow);
    record::StopRecord();
    scene.reset();
    context.reset();
}

platform::WindowCallbacks Application::MessageTable() {
    platform::WindowCallbacks callbacks;
    callbacks.tick = [this] {
        TellRecordCheck();
        WithState(FrameTick);
    };
    callbacks.character = [this](char16_t unit) {
        WithState([unit](Game& game) { RouteCharacter(game, unit); });
    };
    callbacks.click = [this](platform::Click click) {
        WithState([click](Game& game) {
            game.scene.clickPending = true;
            RouteClick(game, click);
        });
    };
    callbacks.key = [this](platform::Key key) { WithState([key](Game& game) { RouteKey(game, key); }); };
    callbacks.wheel = [this](int notches) {
        WithState([notches](Game& game) { RouteWheel(game, notches); });
    };
    callbacks.paint = [this](int width, int height) {
        if (scene) scene->Resize(width, height);
    };
    callbacks.close = [this] { Close(); };
    callbacks.fileDropped = [this](const std::string& path) {
        if (context) QueueListImport(*context, path);
    };
    return callbacks;
}

bool Application::Start(const std::vector<std::string>& listsToImport) {
    if (!context) context = std::make_unique<AppContext>(platform::GameFolder());
    context->listsToImport.insert(context->listsToImport.end(), listsToImport.begin(), listsToImport.end());
    DecideSaveFolder();
    ReadListsFolder(*context, learner);
    // The record of the folder just chosen; schedules are read from it when first asked for.
    const record::StartReport record = OpenLearnerRecord(*context, learner);
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
    ImportWaitingLists(*context, learner);
    Init();
    platform::RunMainLoop(MessageTable());
    return true;
}

void Application::Stop() {
    Close();
    platform::Stop();
}

void Application::Init() {
    const platform::Size client = platform::ClientSize();
    scene.reset(new (std::nothrow) GLScene(client.width, client.height, 0.0, 25.0, 0.0));
    context->strings = InterfaceTexts();
    if (!scene) return;
    scene->SetBackgroundColour(1.0f, 1.0f, 1.0f);
    scene->AddLight(std::make_unique<GLObjectLight>(key::kLight, 0, 1.0f, 1.0f, 1.0f, -1.8, 0.0, 0.9));
    scene->viewTranslation[0] = 0.0;
    scene->viewTranslation[1] = 0.0;
    scene->viewTranslation[2] = -6.0;
    Game game = State();
    BuildLoadingScreen(game);
    ShowLoadingScreen(game);
}

void ResizeToPlayWindow(Game& game) {
    const platform::Size desktop = platform::DesktopSize();
    const platform::WindowRect r = platform::PlayWindowRect(desktop.width, desktop.height);
    platform::SetWindowFrame(r.x, r.y, r.width, r.height, true);
    // This tick's frame is the play window's first: drawn whole at its size, not at the loading
    // window's (the rest would show the bare clear colour until the window's resize comes in).
    const platform::Size client = platform::ClientSize();
    game.scene.Resize(client.width, client.height);
}
