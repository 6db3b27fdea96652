// Where the window goes on a W x H desktop. The loading window is a quarter of the desktop in each
// direction, centred; the play window is 80 % of the desktop width with a fixed 5:3 shape,
// centred, unless that is taller than the desktop (an ultra-wide one): then it is 80 % of the
// desktop height, 5:3 kept. Integer arithmetic exactly as the game has always done it (each term
// truncated on its own), so the figures are reproducible. Pure.
#pragma once

namespace platform {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

WindowRect LoadingWindowRect(int desktopWidth, int desktopHeight);
WindowRect PlayWindowRect(int desktopWidth, int desktopHeight);

}  // namespace platform
