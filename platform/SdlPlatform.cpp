// The SDL window, its GL context and the operating-system services (desktop, cursor, message
// boxes, browser, clock, folder, exit). The main loop is in MainLoop.cpp, test hooks in Headless.cpp.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/AddressOpener.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"
#include "platform/PlatformState.h"
#include "platform/ProcessStart.h"
#include "platform/Speech.h"
#include "platform/WindowGeometry.h"

namespace platform {

using detail::GetState;

namespace detail {
// The platform's one instance for the program's run (owner: this file; platform/PlatformState.h).
State& GetState() {
    static State state;
    return state;
}
}  // namespace detail

bool Start() {
    auto& s = GetState();
    if (s.sdlStarted) return true;
    if (s.headless) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        // A headless window keeps pace with no display, so the software rasteriser may work on
        // this thread: its worker threads and their scene bins hold some 60 MB. A caller's own
        // choice stands.
        setenv("LP_NUM_THREADS", "0", 0);
    }
    // The window's class, which the desktop's menu entry names (StartupWMClass), whatever the
    // executable is called; SDL reads it from these variables. A caller's own choice stands.
    setenv("SDL_VIDEO_X11_WMCLASS", "lexadrill", 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", "lexadrill", 0);
    // Without a display SDL would fall back to its offscreen driver and run without a window.
    if (!DisplayNamed()) {
        TellTerminal(kNoDisplayLine);
        return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        TellTerminal(std::string("lexadrill: SDL_Init failed: ") + SDL_GetError());
        return false;
    }
    s.sdlStarted = true;
    if (!OnAskedDriverOrDisplay()) {
        Stop();
        TellTerminal(kNoDisplayLine);
        return false;
    }
    return true;
}

void Stop() {
    auto& s = GetState();
    StopSpeech();
    DestroyGLContext();
    if (s.window) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
    }
    s.icon = Size{};
    s.callbacks = WindowCallbacks();
    s.pixelFormatFailed = false;
    if (s.sdlStarted) {
        SDL_Quit();
        s.sdlStarted = false;
    }
}

Size DesktopSize() {
    auto& s = GetState();
    if (s.desktopOverridden) return s.desktop;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return Size{};
    return Size{mode.w, mode.h};
}

namespace {

void RequestGLFormat() {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

}  // namespace

bool OpenWindow(int x, int y, int width, int height) {
    auto& s = GetState();
    if (!s.sdlStarted || s.window) return false;
    // Hidden until ShowWindow: until its first frame is drawn a window would show whatever the
    // desktop leaves in it (white on many).
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    RequestGLFormat();
    s.pixelFormatFailed = false;
    // A headless surface is opened at its requested size, then the window takes its own.
    const int surfaceWidth = s.headless ? std::max(width, s.surface.width) : width;
    const int surfaceHeight = s.headless ? std::max(height, s.surface.height) : height;
    s.window = SDL_CreateWindow("lexaDRILL", x, y, surfaceWidth, surfaceHeight, flags);
    if (s.window && (surfaceWidth != width || surfaceHeight != height)) {
        SDL_SetWindowSize(s.window, width, height);
    }
    if (!s.window) {
        // No visual offers the requested format: open the window anyway so the scene can report
        // the pixel-format failure itself and the game carries on without drawing.
        SDL_GL_ResetAttributes();
        s.window = SDL_CreateWindow("lexaDRILL", x, y, width, height, flags);
        if (!s.window) {
            TellTerminal(std::string("lexadrill: the window cannot be opened: ") + SDL_GetError());
            return false;
        }
        s.pixelFormatFailed = true;
    }
    SDL_StartTextInput();
    return true;
}

void ShowWindow() {
    auto& s = GetState();
    if (s.window) SDL_ShowWindow(s.window);
}

bool SetWindowIcon(const uint8_t* bmp, size_t size) {
    auto& s = GetState();
    if (!s.window || !bmp || size == 0 || size > INT32_MAX) return false;
    SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp, static_cast<int>(size)), 1);
    if (!icon) return false;  // a broken picture: the default icon stays
    SDL_SetWindowIcon(s.window, icon);
    s.icon = Size{icon->w, icon->h};
    SDL_FreeSurface(icon);
    return true;
}

namespace {

// The desktop without its panels. A headless window's display is no desktop: only the size a test
// set counts there, panels none.
WindowRect UsableArea(SDL_Window* window) {
    auto& s = GetState();
    if (s.desktopOverridden) return WindowRect{0, 0, s.desktop.width, s.desktop.height};
    if (s.headless) return {};
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &usable) != 0) return {};
    return WindowRect{usable.x, usable.y, usable.w, usable.h};
}

// The frame's borders, once the window manager has told them: it sets them a moment after the
// window gets its frame, so a short wait is allowed (without a window manager they stay zero).
WindowBorders FrameBorders(SDL_Window* window) {
    constexpr Uint32 kWaitMs = 60;
    WindowBorders b;
    for (const Uint32 start = SDL_GetTicks();;) {
        SDL_PumpEvents();
        if (SDL_GetWindowBordersSize(window, &b.top, &b.left, &b.bottom, &b.right) != 0) return {};
        if (b.top > 0 || SDL_GetTicks() - start >= kWaitMs) return b;
        SDL_Delay(5);
    }
}

}  // namespace

void SetWindowFrame(int x, int y, int width, int height, bool bordered) {
    auto& s = GetState();
    if (!s.window) return;
    SDL_SetWindowBordered(s.window, bordered ? SDL_TRUE : SDL_FALSE);
    SDL_SetWindowResizable(s.window, bordered ? SDL_TRUE : SDL_FALSE);
    const WindowBorders borders = bordered && !s.headless ? FrameBorders(s.window) : WindowBorders{};
    const WindowRect r = FitWindowRect(WindowRect{x, y, width, height}, UsableArea(s.window), borders);
    SDL_SetWindowSize(s.window, r.width, r.height);
    SDL_SetWindowPosition(s.window, r.x, r.y);
    SDL_ShowWindow(s.window);
}

void ToggleFullScreen() {
    auto& s = GetState();
    if (!s.window) return;
    const bool full =
        (SDL_GetWindowFlags(s.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
    // SDL keeps the windowed size and place while full screen and restores them on leaving.
    SDL_SetWindowFullscreen(s.window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

Size ClientSize() {
    auto& s = GetState();
    Size size;
    if (!s.window) return size;
    if (s.context) {
        SDL_GL_GetDrawableSize(s.window, &size.width, &size.height);
    } else {
        SDL_GetWindowSize(s.window, &size.width, &size.height);
    }
    return size;
}

ContextResult CreateGLContext() {
    auto& s = GetState();
    if (!s.window || s.pixelFormatFailed) return ContextResult::PixelFormatFailed;
    if (!(SDL_GetWindowFlags(s.window) & SDL_WINDOW_OPENGL)) return ContextResult::SetPixelFormatFailed;
    if (s.context) DestroyGLContext();
    s.context = SDL_GL_CreateContext(s.window);
    if (!s.context) {
        TellTerminal(std::string("lexadrill: SDL_GL_CreateContext failed: ") + SDL_GetError());
        return ContextResult::CreateContextFailed;
    }
    // Frames are paced by the tick timer, not by the display's refresh.
    SDL_GL_SetSwapInterval(0);
    if (SDL_GL_MakeCurrent(s.window, s.context) != 0) return ContextResult::MakeCurrentFailed;
    return ContextResult::Ok;
}

bool MakeContextCurrent() {
    auto& s = GetState();
    if (!s.window || !s.context) return false;
    return SDL_GL_MakeCurrent(s.window, s.context) == 0;
}

void ReleaseContext() {
    auto& s = GetState();
    if (s.window) SDL_GL_MakeCurrent(s.window, nullptr);
}

void SwapBuffers() {
    auto& s = GetState();
    if (s.window && s.context) SDL_GL_SwapWindow(s.window);
}

void* GLFunction(const char* name) { return SDL_GL_GetProcAddress(name); }

void DestroyGLContext() {
    auto& s = GetState();
    if (!s.context) return;
    if (s.window) SDL_GL_MakeCurrent(s.window, nullptr);
    SDL_GL_DeleteContext(s.context);
    s.context = nullptr;
}

void CursorPosition(int& x, int& y) {
    auto& s = GetState();
    if (s.headless) {
        x = s.cursorX;
        y = s.cursorY;
        return;
    }
    SDL_GetMouseState(&x, &y);
}

void ShowMessage(const std::string& text, MessageKind kind) {
    auto& s = GetState();
    if (s.headless) {
        s.messages.push_back(text);
        s.messageKinds.push_back(kind);
        return;
    }
    // Blocks this, the only, thread: no frames run while the box is open.
    if (!detail::ShowMessageBox(kind, text)) std::fprintf(stderr, "%s\n", text.c_str());
}

void OpenAddress(const std::string& address) {
    auto& s = GetState();
    // Looked for headless too, so the tests see what a player without one is told.
    const char* searchPath = std::getenv("PATH");
    if (FindProgram(kAddressOpener, searchPath ? searchPath : "").empty()) {
        // Said in a box where the player looks, and on the terminal, where the path can be copied.
        TellTerminal(NoOpenerLine(address));
        ShowMessage(NoOpenerLine(address), MessageKind::Information);
        return;
    }
    if (s.headless) {
        s.addresses.push_back(address);
        return;
    }
    SDL_OpenURL(address.c_str());
}

void DebugOutput(const std::string& text) {
    const char* trace = std::getenv("LEXADRILL_TRACE");
    if (trace == nullptr || std::string(trace) != "1") return;
    // Written exactly: the traces carry their own line ends.
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

std::string GraphicsError() { return SDL_GetError(); }

uint32_t TickCountMs() {
    auto& s = GetState();
    if (s.headless) return static_cast<uint32_t>(static_cast<uint64_t>(s.clockMs));
    return SDL_GetTicks();
}

std::string ExecutableFolder() {
    auto& s = GetState();
    if (s.folderOverridden) return s.folder;
    if (s.executableFolder.empty()) {
        char* base = SDL_GetBasePath();
        s.executableFolder = base ? base : "./";  // SDL cannot tell only on exotic systems
        SDL_free(base);
        if (s.executableFolder.empty() || s.executableFolder.back() != '/') s.executableFolder.push_back('/');
    }
    return s.executableFolder;
}

void RequestExit(int status) {
    auto& s = GetState();
    StopSpeech();  // bounded, as on the window's close
    if (s.headless) {
        s.exitStatus = status;
        return;
    }
    // Only the game's own streams: flushing all of them would also wait for the lock of the speech
    // library's socket stream, which a reader left inside the library may hold for good.
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}

}  // namespace platform
