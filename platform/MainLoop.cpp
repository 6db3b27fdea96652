// The tick loop: 64 ticks a second on the clock's grid, waiting (not spinning) between them, input
// delivered in the order it arrives among the ticks. When a frame takes longer than a tick, the
// ticks that fell due meanwhile run undrawn before the next drawn one, so animations keep their
// pace and only the frame rate drops; a stall's backlog is dropped. Window events become the
// callbacks given to RunMainLoop.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "platform/Platform.h"
#include "platform/PlatformState.h"
#include "platform/TextInput.h"
#include "unicode/Utf8Utf16.h"

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
            const char16_t unit = CharacterForKey(sym);
            if (unit != 0 && cb.character) cb.character(unit);
            Key key;
            if (cb.key && GameKeyFor(sym, event.key.repeat != 0, key)) cb.key(key);
            return false;
        }
        case SDL_MOUSEWHEEL: {
            const int notches =
                event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            if (notches != 0 && cb.wheel) cb.wheel(notches);
            return false;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT && cb.click) {
                const SDL_Keymod mod = SDL_GetModState();
                const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
                cb.click(Click{(mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0,
                               (buttons & SDL_BUTTON_RMASK) != 0});
            }
            return false;
        case SDL_DROPFILE:
            if (event.drop.file != nullptr) {
                const std::string path = event.drop.file;
                SDL_free(event.drop.file);
                if (cb.fileDropped) cb.fileDropped(path);
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
    s.lastTickShown = TickIsShown();
    if (s.callbacks.tick) s.callbacks.tick();
    if (s.headless && s.tickObserver) {
        // A copy: the observer may stop observing from within.
        const std::function<void()> observer = s.tickObserver;
        observer();
    }
}

void DeliverClose() {
    auto& s = GetState();
    WindowCallbacks callbacks = s.callbacks;
    s.callbacks = WindowCallbacks();  // after the close nothing may reach the deleted objects
    if (callbacks.close) callbacks.close();
}

}  // namespace detail

namespace {

// A backlog older than this is a stall (a suspended process, a message box, a dragged window):
// it is dropped, not replayed.
constexpr double kStallMs = 250.0;

double NowMs() {
    return static_cast<double>(SDL_GetPerformanceCounter()) * 1000.0 /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

// Delivers the queued events that arrived before `dueTicksMs` on SDL's millisecond clock (events
// carry their arrival time), leaving later ones queued; true when the window's close request
// was among them.
bool DispatchEventsBefore(Uint32 dueTicksMs) {
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
        if (SDL_TICKS_PASSED(event.common.timestamp, dueTicksMs + 1)) return false;
        if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1) return false;
        if (detail::DispatchEvent(event)) return true;
    }
    return false;
}

}  // namespace

bool TickIsShown() {
    const auto& s = GetState();
    return !s.tickBehind && !(s.headless && s.ticksStepOnly && !s.tickObserver);
}

namespace detail {

int RunTimedLoop(double limitMs, bool& closed, const std::function<bool()>& done) {
    closed = false;
    int ticks = 0;
    const double start = NowMs();
    // SDL's millisecond clock (the events' timestamps) less this loop's clock.
    const double eventClockOffset = static_cast<double>(SDL_GetTicks()) - start;
    double next = start + detail::kTickPeriodMs;
    auto& s = GetState();
    for (;;) {
        const double now = NowMs();
        // With a limit, the ticks that fell due within it still run, and none after it.
        const double horizon = limitMs >= 0 ? std::min(now, start + limitMs) : now;
        if (next <= horizon) {
            // Ticks follow the clock: every tick that fell due while the last frame drew runs now,
            // each after the input that came before it, and only the last one draws. A backlog
            // longer than a stall is dropped: the tick due now runs, and the grid starts from it.
            if (horizon - next > kStallMs) {
                next += std::floor((horizon - next) / detail::kTickPeriodMs) * detail::kTickPeriodMs;
            }
            const int due = static_cast<int>(std::floor((horizon - next) / detail::kTickPeriodMs)) + 1;
            for (int tick = 0; tick < due; ++tick) {
                if (DispatchEventsBefore(
                        static_cast<Uint32>(static_cast<int64_t>(next + eventClockOffset)))) {
                    s.tickBehind = false;
                    closed = true;
                    return ticks;
                }
                s.tickBehind = tick + 1 < due;
                detail::DeliverTick();
                s.tickBehind = false;
                ++ticks;
                next += detail::kTickPeriodMs;
                if (done && done()) return ticks;
            }
            continue;
        }
        if (limitMs >= 0 && now - start >= limitMs) {
            closed = detail::DispatchPendingEvents();
            return ticks;
        }
        if (detail::DispatchPendingEvents()) {
            closed = true;
            return ticks;
        }
        double wait = next - NowMs();
        if (limitMs >= 0 && start + limitMs - now < wait) wait = start + limitMs - now;
        if (wait > 0) SDL_Delay(static_cast<Uint32>(wait) + 1);
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
