// The platform's loop speaking a word (tests/probes/speech_exit_probe) against speech services that
// stall as a wedged one does: every road out of the game ends it soon, whatever the service does,
// and a stall or a missing service is told once on standard error, in the game's words. The exit
// times are printed; the bound is only a generous "soon".
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/hooks/FakeSpeechService.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Stall = FakeSpeechService::Stall;

const std::string kProbe = LEXADRILL_BUILD_DIR "/tests/speech_exit_probe";
const std::string kNoAnswerLine = "lexadrill: speech is off: the speech service does not answer\n";
// Far above what an exit takes, below the speech limits (so a road that only ends when the
// library's wait runs out fails).
constexpr std::chrono::milliseconds kExitBound{2000};

std::string SocketPath(const char* name) {
    return "/tmp/lexadrill-" + std::to_string(getpid()) + "-" + name + ".sock";
}

// The probe as a child process with its standard input and error on pipes.
class Probe {
public:
    explicit Probe(const std::string& speechAddress) {
        std::vector<std::string> settings = {"SPEECHD_ADDRESS=" + speechAddress, "SDL_VIDEODRIVER=offscreen",
                                             "LP_NUM_THREADS=0"};
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string setting = *entry;
            if (setting.rfind("SPEECHD_ADDRESS=", 0) != 0 && setting.rfind("SDL_VIDEODRIVER=", 0) != 0)
                settings.push_back(setting);
        }
        std::vector<char*> environment;
        for (std::string& setting : settings) environment.push_back(setting.data());
        environment.push_back(nullptr);
        int input[2], errors[2];
        if (pipe2(input, O_CLOEXEC) != 0 || pipe2(errors, O_CLOEXEC) != 0) return;
        char* const arguments[] = {const_cast<char*>(kProbe.c_str()), nullptr};
        pid = fork();
        if (pid == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(errors[1], STDERR_FILENO);
            execve(kProbe.c_str(), arguments, environment.data());
            _exit(127);
        }
        close(input[0]);
        close(errors[1]);
        toProbe = input[1];
        fromProbe = errors[0];
        fcntl(fromProbe, F_SETFL, O_NONBLOCK);
    }
    ~Probe() {
        if (pid > 0 && !ended) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (toProbe >= 0) close(toProbe);
        if (fromProbe >= 0) close(fromProbe);
    }

    bool Started() const { return pid > 0; }
    void Tell(const std::string& road) {
        const std::string line = road + "\n";
        ASSERT_EQ(write(toProbe, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    }
    void Terminate() { kill(pid, SIGTERM); }
    // Waits for the probe's end; false when `limit` passed first.
    bool WaitForEnd(std::chrono::milliseconds limit) {
        return Until(limit, [&] { return (ended = waitpid(pid, &status, WNOHANG) == pid); });
    }
    bool EndedWell() const { return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0; }
    // Waits until standard error holds `text`; false when `limit` passed first.
    bool WaitForError(const std::string& text, std::chrono::milliseconds limit) {
        return Until(limit, [&] { return ReadErrors().find(text) != std::string::npos; });
    }
    const std::string& ReadErrors() {
        char bytes[4096];
        for (ssize_t got; (got = read(fromProbe, bytes, sizeof bytes)) > 0;)
            errors.append(bytes, static_cast<size_t>(got));
        return errors;
    }

private:
    template <class Done>
    bool Until(std::chrono::milliseconds limit, Done done) {
        for (const auto until = Clock::now() + limit; Clock::now() < until;) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

    pid_t pid = -1;
    int toProbe = -1, fromProbe = -1;
    bool ended = false;
    int status = 0;
    std::string errors;
};

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

enum class Road { Terminate, Close, Exit };

struct RoadCase {
    const char* name;
    Stall stall;
    Road road;
};

// Every road out, against a service that accepts and never answers (the speech thread waits in the
// library's connect) and one that stalls on SPEAK (it waits for a reply, holding the library's
// socket stream).
TEST(SpeechExit, EveryRoadEndsTheGameWhateverTheServiceDoes) {
    const RoadCase cases[] = {
        {"SIGTERM, silent handshake", Stall::Handshake, Road::Terminate},
        {"window close, silent handshake", Stall::Handshake, Road::Close},
        {"exit question, silent handshake", Stall::Handshake, Road::Exit},
        {"SIGTERM, stalled SPEAK", Stall::Speak, Road::Terminate},
        {"window close, stalled SPEAK", Stall::Speak, Road::Close},
        {"exit question, stalled SPEAK", Stall::Speak, Road::Exit},
    };
    for (const RoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSpeechService service(SocketPath("stall"), c.stall);
        Probe probe(service.Address());
        ASSERT_TRUE(probe.Started());
        ASSERT_TRUE(service.WaitUntilStalled(std::chrono::seconds(20))) << probe.ReadErrors();
        const auto asked = Clock::now();
        if (c.road == Road::Terminate) {
            probe.Terminate();
        } else {
            probe.Tell(c.road == Road::Close ? "close" : "exit");
        }
        ASSERT_TRUE(probe.WaitForEnd(kExitBound))
            << "still running " << kExitBound.count() << " ms after asked";
        EXPECT_TRUE(probe.EndedWell()) << probe.ReadErrors();
        std::printf("exit after %s: %.1f ms\n", c.name,
                    std::chrono::duration<double, std::milli>(Clock::now() - asked).count());
    }
}

// A service that stops answering, and none at all: one line in the game's words, speech off for
// the rest of the run (the next word does not connect again), and the game still ends as asked.
TEST(SpeechExit, ANonAnsweringServiceIsToldOnceAndLeftAlone) {
    for (const bool listening : {true, false}) {
        SCOPED_TRACE(listening ? "stalled on SPEAK" : "nothing listening");
        std::unique_ptr<FakeSpeechService> service;
        if (listening) service = std::make_unique<FakeSpeechService>(SocketPath("told"), Stall::Speak);
        Probe probe(listening ? service->Address() : "unix_socket:" + SocketPath("nobody"));
        ASSERT_TRUE(probe.Started());
        ASSERT_TRUE(probe.WaitForError(kNoAnswerLine, std::chrono::seconds(20))) << probe.ReadErrors();
        probe.Tell("speak");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (service) {
            EXPECT_EQ(service->Connections(), 1) << "speech stays off for the run";
        }
        probe.Tell("close");
        ASSERT_TRUE(probe.WaitForEnd(kExitBound));
        EXPECT_TRUE(probe.EndedWell());
        EXPECT_EQ(Occurrences(probe.ReadErrors(), kNoAnswerLine), 1u) << probe.ReadErrors();
        EXPECT_EQ(probe.ReadErrors().find("utospawn"), std::string::npos) << probe.ReadErrors();
    }
}

}  // namespace
