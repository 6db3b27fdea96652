// A real message box, and the end of the game while one is open. SDL shows the box from a child
// process it forks on the calling thread and waits for it, retrying the wait when a signal comes;
// so a SIGTERM (a session's logout) would only be seen once the player answered. Around the box a
// SIGTERM or SIGINT is therefore noted, the box's process is ended, and once the box call has
// returned the signal is raised again: SDL's own handler then ends the loop as on any SIGTERM, and
// the close saves what a close saves.
#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "platform/Platform.h"
#include "platform/PlatformState.h"

namespace platform::detail {

namespace {

// The platform's instance exists before any box can open, so the handler only reads its fields.
void NoteEndSignal(int signal) {
    State& state = GetState();
    state.boxEndSignal = signal;
    const char byte = 'e';
    if (state.boxWakeWatcher >= 0) (void)!write(state.boxWakeWatcher, &byte, 1);
}

// The processes this thread has started and not yet waited for: the box's, once SDL forked it.
std::set<pid_t> ChildrenOf(pid_t thread) {
    std::set<pid_t> children;
    std::ifstream list("/proc/self/task/" + std::to_string(thread) + "/children");
    for (pid_t child; list >> child;) children.insert(child);
    return children;
}

// Waits on `wake` until the box call returns ('q'); once an end signal came, ends the processes
// the box's thread started since `before` (it may not have forked yet when the signal comes).
void WatchBox(int wake, pid_t boxThread, std::set<pid_t> before) {
    for (bool ending = false;;) {
        pollfd waiting = {wake, POLLIN, 0};
        if (poll(&waiting, 1, ending ? 20 : -1) > 0) {
            char byte = 0;
            if (read(wake, &byte, 1) == 1 && byte == 'q') return;
            ending = true;
        }
        if (!ending) continue;
        for (pid_t child : ChildrenOf(boxThread)) {
            // SDL's handler, which the child inherited, would only note a SIGTERM.
            if (before.count(child) == 0) kill(child, SIGKILL);
        }
    }
}

Uint32 BoxFlags(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return SDL_MESSAGEBOX_ERROR;
        case MessageKind::Warning:
            return SDL_MESSAGEBOX_WARNING;
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

}  // namespace

bool ShowMessageBox(MessageKind kind, const std::string& text) {
    // "Error" is the caption a box without one of its own has always had.
    const char* title = kind == MessageKind::Designed ? "Error" : "lexaDRILL";
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) != 0) {
        return SDL_ShowSimpleMessageBox(BoxFlags(kind), title, text.c_str(), nullptr) == 0;
    }
    State& state = GetState();
    state.boxEndSignal = 0;
    state.boxWakeWatcher = wake[1];
    struct sigaction noting = {}, oldTerm = {}, oldInt = {};
    noting.sa_handler = NoteEndSignal;
    sigemptyset(&noting.sa_mask);
    sigaction(SIGTERM, &noting, &oldTerm);
    sigaction(SIGINT, &noting, &oldInt);
    const pid_t self = gettid();
    std::thread watcher(WatchBox, wake[0], self, ChildrenOf(self));

    const bool shown = SDL_ShowSimpleMessageBox(BoxFlags(kind), title, text.c_str(), nullptr) == 0;

    const char quit = 'q';
    (void)!write(wake[1], &quit, 1);
    watcher.join();
    sigaction(SIGTERM, &oldTerm, nullptr);
    sigaction(SIGINT, &oldInt, nullptr);
    state.boxWakeWatcher = -1;
    close(wake[0]);
    close(wake[1]);
    // Handed on to whoever handles it at other times: SDL's handler asks the loop to end.
    if (state.boxEndSignal != 0) raise(state.boxEndSignal);
    return shown;
}

}  // namespace platform::detail
