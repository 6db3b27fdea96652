// The operating system, as the rest of the game sees it: one window with a GL context,
// a 64 Hz tick, typed characters and clicks, message boxes, the browser, the clock and the
// executable's folder. This is the only interface to SDL; nothing above platform/ includes it.
//
// The same window can run headless, on SDL's offscreen driver, driven by the tests through the
// hooks of tests/hooks/Headless.h, which only the tests and the benchmark link.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// The keys the game acts on beyond typed text, each delivered once per press on key-down (Up, Down
// and Backspace also while held). A key delivered here never arrives as a character too.
enum class Key { Up, Down, Left, Right, Return, Escape, Backspace, F1, F2, F3, Delete };

// A click of the left button, and what was held with it: Shift, Ctrl, the right button.
struct Click {
    bool shiftHeld = false;
    bool ctrlHeld = false;
    bool rightButtonDown = false;

    // Nothing held: the click the game's buttons and lists answer.
    constexpr bool IsPlain() const { return !shiftHeld && !ctrlHeld && !rightButtonDown; }
    constexpr bool operator==(const Click& other) const {
        return shiftHeld == other.shiftHeld && ctrlHeld == other.ctrlHeld &&
               rightButtonDown == other.rightButtonDown;
    }
};

// What the window delivers to the game; every callback runs on the one game thread.
struct WindowCallbacks {
    std::function<void()> tick;                    // one per timer period (64 a second)
    std::function<void(char16_t unit)> character;  // a typed UTF-16 code unit (Tab is '\t')
    std::function<void(Click click)> click;        // the left button, with what was held
    std::function<void(Key key)> key;
    std::function<void(int notches)> wheel;  // the mouse wheel: > 0 turned away from the player (up)
    std::function<void(int width, int height)> paint;  // exposed or resized: drawable size
    std::function<void()> close;                       // the window's close request
    std::function<void(const std::string& path)> fileDropped;  // a file dropped onto the window
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

// Opens the borderless loading window (title "lexaDRILL") at the given place and size, hidden
// until ShowWindow: the caller shows it right before drawing its first frame.
bool OpenWindow(int x, int y, int width, int height);
void ShowWindow();
// Shows a BMP picture (the file's bytes, which SDL decodes) as the window's icon. False when there
// is no window or SDL cannot read the picture; the default icon then stays.
bool SetWindowIcon(const uint8_t* bmp, size_t size);
// Gives the window a title bar and moves/resizes it (the play window); a bordered window can be
// resized and maximised by the player. Where the window and its frame would not lie within the
// desktop's usable area, it is moved or made smaller there, its shape kept.
void SetWindowFrame(int x, int y, int width, int height, bool bordered);
// Switches the window between desktop full screen and its frame (F11, Alt+Enter); leaving full
// screen gives the frame back its size and place.
void ToggleFullScreen();
// Client (drawable) size in pixels.
Size ClientSize();

// Creates the window's GL context: double buffer, depth 16, stencil >= 1, compatibility profile.
ContextResult CreateGLContext();
bool MakeContextCurrent();
void ReleaseContext();
void SwapBuffers();
// A rectangle of window pixels, x right and y up from the bottom row (GL's window coordinates).
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};
// Shows what was drawn into the back buffer. Given the rectangles that changed since the last
// frame shown, and a driver that copies parts of the back buffer to the window, only those are
// shown and the back buffer is left as it is: then it returns true, and the back buffer still
// holds the whole picture. Otherwise the buffers are swapped (naming the rectangles to the
// compositor where it takes them) and the new back buffer holds nothing to rely on.
bool ShowFrame(const std::vector<PixelRect>& changed);
// Which of those ways the window uses, in words; the first frame shown also writes it as a trace.
std::string FramePresentPath();
void DestroyGLContext();
// The address of a GL entry point beyond OpenGL 1.1 (framebuffer objects, clip control), or
// nullptr when the driver has none; only meaningful while the context is current.
void* GLFunction(const char* name);

// Cursor in client pixels, origin top left, y down.
void CursorPosition(int& x, int& y);

// Runs the tick loop until the window closes or RequestExit is called; returns the exit status.
int RunMainLoop(const WindowCallbacks& callbacks);
// False while the tick being delivered has more ticks due right behind it (a frame took longer
// than a tick): that tick runs without drawing, and only the last of them draws.
bool TickIsShown();

// Who speaks in a message box, and of what. The design's own boxes keep the caption a box without
// one of its own always had, "Error"; the game's own boxes are titled "lexaDRILL", with the icon of
// what they tell.
enum class MessageKind { Designed, Information, Warning, Error };
// What SDL said of the last failure, e.g. of the GL context; the messages that tell the player
// name it.
std::string GraphicsError();
// A modal message box with an OK button (no owner). Frames pause while it is open; a SIGTERM or
// SIGINT meanwhile closes it and then ends the game as it does at any other time.
void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Designed);
// Opens an address (file:// or http) in the user's browser; the result is not checked.
void OpenAddress(const std::string& address);
// Debugger output (the load trace, the cheat lines, the answer counters): written to standard
// error exactly as given (no line end added), and only when LEXADRILL_TRACE=1 is set, the
// equivalent of a debugger attached; otherwise whoever started the game could read the answers.
// Lines meant for the player's terminal are said by TellTerminal (platform/ProcessStart.h).
void DebugOutput(const std::string& text);
// 32-bit millisecond counter.
uint32_t TickCountMs();
// The executable's folder, ending in '/'. Content is read from GameFolder() (platform/GameFolder.h),
// which is this folder in a portable tree and ../share/lexadrill/ from it in an installed one.
std::string ExecutableFolder();
// Ends the process with the status. In headless mode the request is recorded and the call returns,
// so callers must return right after calling it.
void RequestExit(int status);

}  // namespace platform
