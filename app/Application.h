// Start-up and tear-down of the game: the application object, the window at its loading size,
// the scene with its light, the interface texts, the loading screen, and the table that turns
// window events into calls: tick -> FrameTick, key and character -> the key table (app/KeyBindings),
// click -> RouteClick (after raising the scene's clickPending), paint -> the scene's Resize, close -> scene
// and application deleted.
#pragma once

#include <string>
#include <vector>

// Creates `app` with the word lists to import first (the command line's), starts the platform, opens the
// loading window centred on the desktop and runs InitApplication. Then, in a real run, runs the tick loop
// until the window closes; in headless mode it returns at once with everything ready for the first tick,
// which the test drives. Returns false, having shown nothing, when the platform or the window cannot start.
bool StartApplication(const std::vector<std::string>& listsToImport = {});

// Deletes whatever is left of the scene and the application object and stops the platform.
// Safe to call after the window's close already deleted them, and more than once.
void StopApplication();

// Everything between window creation and the first tick: scene, light, view, interface texts,
// loading screen.
void InitApplication();

// Gives the window a title bar and its play size: 80 % of the desktop width, 5:3, centred (80 %
// of the height when that would not fit, platform/WindowGeometry.h).
// The resize that follows reaches the scene as a paint.
void ResizeToPlayWindow();
