// The headless twin's hooks: tests place the cursor, send input, run ticks, move the clock and
// read what would have been shown to the player.
#include "tests/hooks/Headless.h"

#include "platform/PlatformState.h"

namespace platform::headless {

using detail::GetState;

void Enable() { GetState().headless = true; }

bool Enabled() { return GetState().headless; }

void SetExecutableFolder(const std::string& folder) {
    auto& s = GetState();
    s.folder = folder;
    if (s.folder.empty() || s.folder.back() != '/') s.folder.push_back('/');
    s.folderOverridden = true;
}

void SetDesktopSize(int width, int height) {
    auto& s = GetState();
    s.desktop = Size{width, height};
    s.desktopOverridden = true;
}

void SetSurfaceSize(int width, int height) { GetState().surface = Size{width, height}; }

void SetCursor(int x, int y) {
    auto& s = GetState();
    s.cursorX = x;
    s.cursorY = y;
}

void SetClockMs(uint32_t ms) { GetState().clockMs = ms; }

void AdvanceClockMs(uint32_t ms) {
    auto& s = GetState();
    s.clockMs += ms;
    if (s.clockMs >= detail::kClockWrapMs) s.clockMs -= detail::kClockWrapMs;
}

void Click(const platform::Click& click) {
    const auto& cb = GetState().callbacks;
    if (cb.click) cb.click(click);
}

void Character(char16_t unit) {
    const auto& cb = GetState().callbacks;
    if (cb.character) cb.character(unit);
}

void TypeText(const std::string& utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    utf8.copy(event.text.text, sizeof event.text.text - 1);
    detail::DispatchEvent(event);
}

void PressKey(int32_t sdlKeycode, bool alt, bool repeat) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = sdlKeycode;
    event.key.keysym.mod = alt ? KMOD_LALT : KMOD_NONE;
    event.key.repeat = repeat ? 1 : 0;
    detail::DispatchEvent(event);
}

void DropFile(const std::string& path) {
    SDL_Event event{};
    event.type = SDL_DROPFILE;
    // The dispatch frees the name as SDL's own events require.
    event.drop.file = SDL_strdup(path.c_str());
    detail::DispatchEvent(event);
}

void TurnWheel(int notches) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = notches;
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    detail::DispatchEvent(event);
}

void Paint() {
    const auto& cb = GetState().callbacks;
    const Size size = ClientSize();
    if (cb.paint) cb.paint(size.width, size.height);
}

void Close() { detail::DeliverClose(); }

void RunTicks(int n) {
    auto& s = GetState();
    for (int i = 0; i < n; ++i) {
        if (s.sdlStarted && detail::DispatchPendingEvents()) return;
        detail::DeliverTick();
    }
    if (s.sdlStarted) detail::DispatchPendingEvents();
}

const std::vector<std::string>& Messages() { return GetState().messages; }

const std::vector<MessageKind>& MessageKinds() { return GetState().messageKinds; }

const std::vector<std::string>& OpenedAddresses() { return GetState().addresses; }

void ClearRecords() {
    auto& s = GetState();
    s.messages.clear();
    s.messageKinds.clear();
    s.addresses.clear();
}

bool WindowShown() {
    SDL_Window* window = GetState().window;
    return window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
}

Size WindowIconSize() { return GetState().icon; }

int ExitStatus() { return GetState().exitStatus; }

void Reset() {
    auto& s = GetState();
    ClearRecords();
    s.exitStatus = -1000;
    s.cursorX = s.cursorY = 0;
    s.clockMs = 0.0;
    s.desktopOverridden = false;
    s.surface = Size{};
    s.folderOverridden = false;
    s.folder.clear();
    s.tickObserver = nullptr;
    s.ticksStepOnly = false;
}

void ObserveTicks(const std::function<void()>& observer) { GetState().tickObserver = observer; }

void DrawTicks(bool draw) { GetState().ticksStepOnly = !draw; }

bool LastTickShown() { return GetState().lastTickShown; }

int RunRealTimeMs(uint32_t durationMs) {
    bool closed = false;
    return detail::RunTimedLoop(static_cast<double>(durationMs), closed);
}

int RunRealTimeUntil(const std::function<bool()>& done, uint32_t limitMs) {
    bool closed = false;
    return detail::RunTimedLoop(static_cast<double>(limitMs), closed, done);
}

}  // namespace platform::headless
