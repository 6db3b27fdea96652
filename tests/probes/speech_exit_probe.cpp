// A small program that plays the platform's part of the game: it opens a window, asks for one word
// to be spoken (through the service SPEECHD_ADDRESS names) and runs the tick loop until it is
// asked to end, by the road named on its standard input: "close" (the window's close button) or
// "exit" (the exit question's and the information arrow's RequestExit), or by SIGTERM from outside.
// "speak" asks for one more word.
// The speech tests start it against stalled services and time how soon it ends.
#include <SDL.h>
#include <poll.h>
#include <unistd.h>

#include <string>

#include "platform/Platform.h"
#include "platform/ProcessStart.h"
#include "platform/Speech.h"

namespace {

// The road read from standard input, once a whole word has arrived; "" until then.
std::string ReadRoad() {
    static std::string typed;  // owned by the tick loop: what has come so far
    pollfd input{STDIN_FILENO, POLLIN, 0};
    if (poll(&input, 1, 0) <= 0) return "";
    char bytes[32];
    const ssize_t got = read(STDIN_FILENO, bytes, sizeof bytes);
    if (got > 0) typed.append(bytes, static_cast<size_t>(got));
    const size_t end = typed.find('\n');
    if (end == std::string::npos) return "";
    const std::string road = typed.substr(0, end);
    typed.erase(0, end + 1);
    return road;
}

void TakeRoad(const std::string& road) {
    if (road == "close") {
        SDL_Event close{};
        close.type = SDL_WINDOWEVENT;
        close.window.event = SDL_WINDOWEVENT_CLOSE;
        SDL_PushEvent(&close);
    } else if (road == "exit") {
        platform::RequestExit(0);
    } else if (road == "speak") {
        platform::Speak("adi\xC3\xB3s", "es");
    }
}

}  // namespace

int main() {
    platform::MakeStandardDescriptorsValid();
    platform::IgnoreBrokenPipes();
    if (!platform::Start() || !platform::OpenWindow(0, 0, 64, 48)) return 2;
    platform::Speak("hola", "es");
    platform::WindowCallbacks callbacks;
    callbacks.tick = [] { TakeRoad(ReadRoad()); };
    platform::RunMainLoop(callbacks);
    platform::Stop();
    return 0;
}
