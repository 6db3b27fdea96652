#include "platform/ProcessStart.h"

#include <SDL.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

const char* const kNoDisplayLine = "lexadrill: no display (DISPLAY and WAYLAND_DISPLAY unset or unreachable)";

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

}  // namespace

void MakeStandardDescriptorsValid() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number, which is this one: the lower ones are valid by now.
        const int opened = open("/dev/null", O_RDWR);
        if (opened > 2) close(opened);
    }
}

void IgnoreBrokenPipes() {
    // Caught and dropped rather than SIG_IGN: an ignored signal stays ignored across exec, and the
    // browser the help page starts in must get SIGPIPE as usual.
    struct sigaction action = {};
    action.sa_handler = [](int) {};
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPIPE, &action, nullptr);
}

void TellTerminal(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

bool VideoDriverAsked() { return Set("SDL_VIDEODRIVER"); }

bool DisplayNamed() { return VideoDriverAsked() || Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

bool OnAskedDriverOrDisplay() {
    if (VideoDriverAsked()) return true;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

}  // namespace platform
