// The platform layer's private state, shared by its files (window and context, main loop) and by
// its headless twin in tests/hooks. Nothing else includes this header.
#pragma once

#include <SDL.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform::detail {

constexpr double kTickPeriodMs = 1000.0 / 64.0;
constexpr double kClockWrapMs = 4294967296.0;  // the millisecond counter is 32 bits wide

// How drawn frames reach the window (platform/FramePresent.cpp): chosen for the GL context it was
// chosen with, and again for each new one. The entry points are declared with plain types so that
// neither GLX nor EGL headers are needed.
struct FramePresenter {
    using CopySubBuffer = void (*)(void* display, unsigned long drawable, int x, int y, int width,
                                   int height);
    using GetCurrent = void* (*)();
    using GetCurrentSurface = void* (*)(int which);
    using SwapWithDamage = unsigned (*)(void* display, void* surface, const int* rects, int count);
    enum class Path { Unknown, Swap, CopyRects, DamageSwap };

    SDL_GLContext context = nullptr;
    Path path = Path::Unknown;
    CopySubBuffer copySubBuffer = nullptr;
    void* display = nullptr;
    unsigned long drawable = 0;
    SwapWithDamage swapWithDamage = nullptr;
    GetCurrent currentDisplay = nullptr;
    GetCurrentSurface currentSurface = nullptr;
};

// The platform's one instance (GetState, owned by platform/SdlPlatform.cpp), its fields by lifetime.
struct State {
    // The program's: SDL started (Start to Stop), the executable's folder (asked of SDL once).
    bool sdlStarted = false;
    std::string executableFolder;

    // The window's: from OpenWindow to Stop, its GL context from CreateGLContext to
    // DestroyGLContext (the presenter is chosen anew for each context).
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    // The window had to be opened without the requested depth/stencil/double-buffer format.
    bool pixelFormatFailed = false;
    WindowCallbacks callbacks;
    Size icon;                // of the picture the window shows as its icon; 0 x 0 for the default one
    bool tickBehind = false;  // more ticks are due right after the one being delivered
    FramePresenter presenter;

    // A message box's (platform/MessageBox.cpp), reset around each box: the signal that asked the
    // game to end while it was open (0: none), noted by a signal handler, and the pipe that wakes
    // the box's watcher (-1: no box open).
    volatile sig_atomic_t boxEndSignal = 0;
    int boxWakeWatcher = -1;

    // The headless twin's settings and records (tests/hooks/Headless.h), cleared by its Reset.
    bool headless = false;
    bool folderOverridden = false;
    std::string folder;
    bool desktopOverridden = false;
    Size desktop;
    // The offscreen driver sizes a window's drawing surface once, when it opens; a headless window
    // opens with a surface at least this large so a later, larger window frame still draws whole.
    Size surface;
    int cursorX = 0;
    int cursorY = 0;
    double clockMs = 0.0;  // headless clock, fractional so ticks add up to exact seconds
    std::vector<std::string> messages;
    std::vector<MessageKind> messageKinds;  // beside `messages`, one each
    std::vector<std::string> addresses;
    int exitStatus = -1000;
    std::function<void()> tickObserver;
    // Headless ticks only step, as a tick run behind the clock does, while nobody reads the
    // window's picture; a tick observer reads every tick, so its ticks are shown.
    bool ticksStepOnly = false;
    bool lastTickShown = false;
};

State& GetState();

// Sends one SDL event to the callbacks; returns true when it was the window's close request
// (the close callback has then run).
bool DispatchEvent(const SDL_Event& event);
// Delivers every queued event; returns true when a close request was among them.
bool DispatchPendingEvents();
// Called once per delivered tick, real or headless.
void DeliverTick();
// Runs ticks until the window closes, `done` (when given) holds after a tick or, when
// limitMs >= 0, that much time has passed. Returns the number of ticks delivered.
int RunTimedLoop(double limitMs, bool& closed, const std::function<bool()>& done = nullptr);
// Runs the close callback once and forgets every callback (the objects they reach are gone).
void DeliverClose();
// Shows a real message box (platform/MessageBox.cpp); false when none could be shown.
bool ShowMessageBox(MessageKind kind, const std::string& text);

}  // namespace platform::detail
