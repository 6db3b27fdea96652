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

// What the window manager's frame adds around the window's picture on each side.
struct WindowBorders {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

// The window `wanted` (its picture's rectangle) placed so that it and its frame lie within the
// usable part of the desktop (panels left out): unchanged where it already does; moved the least
// into it where only its place is wrong; else made smaller, its shape kept, and centred in it.
// An empty usable area (unknown) leaves it as it is.
WindowRect FitWindowRect(const WindowRect& wanted, const WindowRect& usable, const WindowBorders& borders);

}  // namespace platform
