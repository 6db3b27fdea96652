// The game's own figures, measured on the real game driven headless at the play size of a
// 1920 x 1080 desktop (1536 x 921): an empty frame, a Render() of the main menu and of the test
// screen with a question shown, the loading step, the time from the program's start to the
// user-name screen, the tick rate while rendering and the peak resident memory.
#pragma once

#include <chrono>
#include <string>

// Prints one line per figure to standard output. When shotsFolder is not empty, the main menu
// and the test screen are also written there as binary PPM pictures (menu.ppm, test.ppm), read
// back from the first frame measured. Returns false when the game could not be driven there.
bool RunGameFigures(std::chrono::steady_clock::time_point programStart, const std::string& shotsFolder);
