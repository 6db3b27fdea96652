// The tick loop: 64 ticks a second, waiting (not spinning) between them, input delivered in the
// order it arrives, and a late tick never made up with a burst. Window events become the
// callbacks given to RunMainLoop.
#include <SDL.h>

#include <cmath>
#include <functional>

#include "platform/ClickFlags.h"
#include "platform/Platform.h"
#include "platform/PlatformState.h"
#include "platform/TextInput.h"

namespace platform {

using detail::GetState;

namespace detail {

bool DispatchEvent(const SDL_Event& event) {
    const WindowCallbacks& cb = GetState().callbacks;
    switch (event.type) {
        case SDL_QUIT:
            DeliverClose();
            return true;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                DeliverClose();
                return true;
            }
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                const Size size = ClientSize();
                if (cb.paint) cb.paint(size.width, size.height);
            }
            return false;
        case SDL_TEXTINPUT:
            if (cb.character) {
                for (char16_t code : Utf8ToUtf16(event.text.text)) cb.character(code);
            }
            return false;
        case SDL_KEYDOWN: {
            const SDL_Keycode sym = event.key.keysym.sym;
            const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
            const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
            if (sym == SDLK_F11 || (alt && enter)) {
                if (!event.key.repeat) ToggleFullScreen();
                return false;
            }
            const int code = ControlCodeForKey(sym);
            if (code != 0 && cb.character) cb.character(code);
            Key key;
            if (cb.key && GameKeyFor(sym, event.key.repeat != 0, key)) cb.key(key);
            return false;
        }
        case SDL_MOUSEWHEEL: {
            const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            if (notches != 0 && cb.wheel) cb.wheel(notches);
            return false;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT && cb.click) {
                const SDL_Keymod mod = SDL_GetModState();
                const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
                cb.click(ClickFlags((mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0,
                                    (buttons & SDL_BUTTON_RMASK) != 0));
            }
            return false;
        default:
            return false;
    }
}

bool DispatchPendingEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (DispatchEvent(event)) return true;
    }
    return false;
}

void DeliverTick() {
    auto& s = GetState();
    if (s.headless) {
        s.clockMs += kTickPeriodMs;
        if (s.clockMs >= kClockWrapMs) s.clockMs -= kClockWrapMs;
    }
    if (s.callbacks.tick) s.callbacks.tick();
    if (s.headless && s.tickObserver) s.tickObserver();
}

void DeliverClose() {
    auto& s = GetState();
    WindowCallbacks callbacks = s.callbacks;
    s.callbacks = WindowCallbacks();  // after the close nothing may reach the deleted objects
    if (callbacks.close) callbacks.close();
}

}  // namespace detail

namespace {

double NowMs() {
    return static_cast<double>(SDL_GetPerformanceCounter()) * 1000.0 /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

}  // namespace

namespace detail {

int RunTimedLoop(double limitMs, bool& closed, const std::function<bool()>& done) {
    closed = false;
    int ticks = 0;
    const double start = NowMs();
    double next = start + detail::kTickPeriodMs;
    for (;;) {
        if (detail::DispatchPendingEvents()) {
            closed = true;
            return ticks;
        }
        const double now = NowMs();
        if (limitMs >= 0 && now - start >= limitMs) return ticks;
        if (now >= next) {
            detail::DeliverTick();
            ++ticks;
            if (done && done()) return ticks;
            next += detail::kTickPeriodMs;
            // A tick that ran late (a long frame, an open message box) is not made up: like a
            // timer message left pending, at most one tick is owed and runs at once; the ones
            // after it stay on the original 64 Hz grid.
            const double after = NowMs();
            if (next < after) {
                next += std::floor((after - next) / detail::kTickPeriodMs) * detail::kTickPeriodMs;
            }
            continue;
        }
        double wait = next - now;
        if (limitMs >= 0 && start + limitMs - now < wait) wait = start + limitMs - now;
        SDL_Delay(static_cast<Uint32>(wait) + 1);
    }
}

}  // namespace detail

int RunMainLoop(const WindowCallbacks& callbacks) {
    auto& s = GetState();
    s.callbacks = callbacks;
    if (s.headless) return 0;  // tests drive the ticks themselves
    bool closed = false;
    detail::RunTimedLoop(-1.0, closed);
    return 0;
}

}  // namespace platform
