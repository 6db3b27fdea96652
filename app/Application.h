// Start-up and tear-down of the game, and the one owner of its state: the application's state, the
// scene, the learner and the run. It opens the window at its loading size, builds the scene with its
// light, the interface texts and the loading screen, and turns window events into calls with that
// state: tick -> FrameTick, key and character -> the key table (app/KeyBindings), click -> RouteClick
// (after raising the scene's clickPending), paint -> the scene's Resize, close -> scene and
// application state deleted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "platform/Platform.h"
#include "screens/Game.h"

struct AppContext;
class GLScene;

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Makes the application's state with the word lists to import first (the command line's),
    // starts the platform, opens the loading window centred on the desktop and builds the scene.
    // Then, in a real run, runs the tick loop until the window closes; in headless mode it returns
    // at once with everything ready for the first tick, which the test drives. Returns false,
    // having shown nothing, when the platform or the window cannot start.
    bool Start(const std::vector<std::string>& listsToImport = {});
    // Deletes whatever is left of the scene and the application's state and stops the platform.
    // Safe to call after the window's close already deleted them, and more than once.
    void Stop();

    // The application's state and the scene from Start until the window's close; nullptr otherwise.
    AppContext* Context() const { return context.get(); }
    GLScene* Scene() const { return scene.get(); }
    // What the screens work on; only while Context() and Scene() are there.
    Game State();
    // The learner and the run live as long as this object, the program's run.
    Learner& TheLearner() { return learner; }
    LearningRun& Run() { return run; }

private:
    // Everything between window creation and the first tick: scene, light, view, interface texts,
    // loading screen.
    void Init();
    // The window has been closed: a run's save still waiting for the folder's lock is done, the
    // scene and the application's state go.
    void Close();
    // Every event reaches the game only while the scene and the application's state are there.
    platform::WindowCallbacks MessageTable();
    // Calls use(Game&) while they are there; nothing otherwise.
    template <typename Use>
    void WithState(Use use);

    std::unique_ptr<AppContext> context;
    std::unique_ptr<GLScene> scene;
    Learner learner;
    LearningRun run;
};

// Gives the window a title bar and its play size: 80 % of the desktop width, 5:3, centred (80 %
// of the height when that would not fit, platform/WindowGeometry.h).
// The resize that follows reaches the scene as a paint.
void ResizeToPlayWindow(Game& game);
