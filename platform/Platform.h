// The operating system, as the rest of the game sees it: one window with a GL context,
// a 64 Hz tick, typed characters and clicks, message boxes, the browser, the clock and the
// executable's folder. This is the only interface to SDL; nothing above platform/ includes it.
//
// A headless twin (see Headless below) runs the same window on SDL's offscreen driver and lets
// tests drive the game: they place the cursor, send clicks and characters, run ticks one at a
// time, set the millisecond clock and collect message boxes and opened addresses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// What the window delivers to the game; every callback runs on the one game thread.
struct WindowCallbacks {
    std::function<void()> tick;               // one per timer period (64 a second)
    std::function<void(int code)> character;  // a typed UTF-16 code unit, or 13/8/9/27
    std::function<void(int flags)> click;     // left button: 1 | 4 (Shift) | 8 (Ctrl) | 2 (right held)
    std::function<void(int width, int height)> paint;  // exposed or resized: drawable size
    std::function<void()> close;                       // the window's close request
};

// Result of creating the GL context; the scene turns each failure into its own message.
enum class ContextResult {
    Ok,
    PixelFormatFailed,
    SetPixelFormatFailed,
    CreateContextFailed,
    MakeCurrentFailed
};

struct Size {
    int width = 0;
    int height = 0;
};

// Starts SDL (video + timer). Returns false when SDL cannot start.
bool Start();
// Tears down the window and SDL.
void Stop();

// Desktop rectangle size of display 0.
Size DesktopSize();

// Opens the borderless loading window (title "lexaDRILL") at the given place and size.
bool OpenWindow(int x, int y, int width, int height);
// Shows a BMP picture (the file's bytes, which SDL decodes) as the window's icon. False when there
// is no window or SDL cannot read the picture; the default icon then stays.
bool SetWindowIcon(const uint8_t* bmp, size_t size);
// Gives the window a title bar and moves/resizes it (the play window).
void SetWindowFrame(int x, int y, int width, int height, bool bordered);
// Client (drawable) size in pixels.
Size ClientSize();

// Creates the window's GL context: double buffer, depth 16, stencil >= 1, compatibility profile.
ContextResult CreateGLContext();
bool MakeContextCurrent();
void ReleaseContext();
void SwapBuffers();
void DestroyGLContext();

// Cursor in client pixels, origin top left, y down.
void CursorPosition(int& x, int& y);

// Runs the tick loop until the window closes or RequestExit is called; returns the exit status.
int RunMainLoop(const WindowCallbacks& callbacks);

// A modal message box with an OK button (no owner, default caption). Frames pause while open.
void ShowMessage(const std::string& text);
// Opens an address (file:// or http) in the user's browser; the result is not checked.
void OpenAddress(const std::string& address);
// Debugger output: written to standard error exactly as given (no line end added).
void DebugOutput(const std::string& text);
// 32-bit millisecond counter.
uint32_t TickCountMs();
// The executable's folder, ending in '/'. Content is read from GameFolder() (platform/GameFolder.h),
// which is this folder in a portable tree and ../share/lexadrill/ from it in an installed one.
std::string ExecutableFolder();
// Ends the process with the status. In headless mode the request is recorded and the call returns,
// so callers must return right after calling it.
void RequestExit(int status);

// Test hooks. Enable before Start(): the window then lives on SDL's offscreen driver.
namespace headless {
void Enable();
bool Enabled();
// The folder that ExecutableFolder() reports (tests lay out a game folder of their own).
void SetExecutableFolder(const std::string& folder);
void SetDesktopSize(int width, int height);
// The offscreen driver never resizes a window's drawing surface, so what lies outside the size
// the window opened at is not drawn. Set before the window opens, this makes the surface at
// least width x height, so the play window's frames are drawn (and can be read back) whole.
void SetSurfaceSize(int width, int height);
void SetCursor(int x, int y);
// The clock TickCountMs() reports in headless mode; it starts at 0 and moves only with ticks
// and these calls.
void SetClockMs(uint32_t ms);
void AdvanceClockMs(uint32_t ms);
// Delivers input exactly as the real window would.
void Click(int flags = 1);
void Character(int code);
void Paint();
// Delivers the window's close request, as the real window does when the user closes it.
void Close();
// Runs n ticks through the callbacks given to RunMainLoop (which returns at once when headless).
// Window events the offscreen driver queues (resizes) are delivered before and after each tick.
// Each tick advances the clock by one tick period (15.625 ms, fractions carried), so wall-clock
// timings see 64 ticks as one second, as in a real run.
void RunTicks(int n);
// Runs the real, timed loop for durationMs of wall-clock time and returns the ticks it delivered
// (for measuring the tick pacing); ends early, returning what it has, if the window is closed.
int RunRealTimeMs(uint32_t durationMs);
// The same timed loop, ending after the first tick at which done() holds or after limitMs of
// wall-clock time, whichever comes first; returns the ticks delivered (for timing a real run).
int RunRealTimeUntil(const std::function<bool()>& done, uint32_t limitMs);
// Calls observer after every tick delivered from now on (nullptr stops it), e.g. to read back
// each frame's picture.
void ObserveTicks(const std::function<void()>& observer);
// Everything ShowMessage / OpenAddress received, oldest first.
const std::vector<std::string>& Messages();
const std::vector<std::string>& OpenedAddresses();
void ClearRecords();
// Size of the window's icon picture; 0 x 0 when it has the default icon or no window is open.
Size WindowIconSize();
// The status passed to RequestExit, or -1000 when none was requested.
int ExitStatus();
// Clears records, exit status, cursor, clock, the tick observer and the desktop-size and folder
// overrides.
void Reset();
}  // namespace headless

}  // namespace platform
