// The game's own figures, measured on the real game driven headless at the play size of a
// 1920 x 1080 desktop (1536 x 921): an empty frame, a Render() of the main menu and of the test
// screen with the caret blinking (each also rendered whole every frame), per screen what 2 s of
// play cost and how its frames were drawn (whole, changed rectangles only, not drawn), the
// loading step, the time from the program's start to the user-name screen, the tick rate while
// rendering and the peak resident memory; then the same screens' play at 3072 x 1843, the play
// window of a 3840 x 2160 desktop, with the ticks a second the loop kept.
#pragma once

#include <chrono>
#include <string>

// Prints one line per figure to standard output. When shotsFolder is not empty, the main menu
// and the test screen are also written there as binary PPM pictures (menu.ppm, test.ppm), read
// back from the first frame measured. With byObject, each render figure is followed by what
// each visible object and the mirrored floor cost. Returns false when the game could not be
// driven there. With ownLists, that many lists of 30 cards lie in the lists folder at the start,
// and the start-up figure (Application::Start: window, lists read, loading screen) says so.
bool RunGameFigures(std::chrono::steady_clock::time_point programStart, const std::string& shotsFolder,
                    bool byObject, int ownLists = 0);
