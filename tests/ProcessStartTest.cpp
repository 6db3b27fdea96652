// The real game executable started as a child of the suite under hostile start-up conditions: no
// display, a display that cannot be reached, a video driver that fails, standard error a pipe
// nobody reads, all three standard streams closed. Each case checks the exit status and what the
// game said.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string kGame = LEXADRILL_BUILD_DIR "/lexadrill";
const std::string kNoDisplay = "lexadrill: no display (DISPLAY and WAYLAND_DISPLAY unset or unreachable)\n";

enum class Streams { ErrorToPipe, ErrorToClosedPipe, AllClosed };

struct StartCase {
    const char* name;
    std::vector<std::string> environment;  // besides PATH, HOME and a sanitizer build's settings
    Streams streams;
    bool exitsByItself;      // else it runs until SIGTERM
    int status;              // the exit status
    const char* lastLine;    // standard error's last line, whole; nullptr: not read
    const char* linePrefix;  // or only how it begins
};

// Names the case in test listings (CTest's included) instead of its bytes.
void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

// An X display number with no server behind it.
std::string DeadDisplay() {
    for (int number = 97; number > 50; --number) {
        struct stat info;
        if (stat(("/tmp/.X11-unix/X" + std::to_string(number)).c_str(), &info) != 0) {
            return "DISPLAY=:" + std::to_string(number);
        }
    }
    return "DISPLAY=:97";
}

const StartCase kCases[] = {
    {"NoDisplay", {}, Streams::ErrorToPipe, true, 1, kNoDisplay.c_str(), nullptr},
    {"UnreachableDisplay", {DeadDisplay()}, Streams::ErrorToPipe, true, 1, kNoDisplay.c_str(), nullptr},
    {"FailedDriver",
     {"SDL_VIDEODRIVER=x11"},
     Streams::ErrorToPipe,
     true,
     1,
     nullptr,
     "lexadrill: SDL_Init failed: "},
    // Without SIGPIPE ignored the line kills it: status 141 from a shell.
    {"BrokenPipe", {}, Streams::ErrorToClosedPipe, true, 1, nullptr, nullptr},
    // Closed streams become /dev/null before SDL opens anything, and SIGTERM still ends the game.
    {"ClosedStreams",
     {"SDL_VIDEODRIVER=offscreen", "LP_NUM_THREADS=0"},
     Streams::AllClosed,
     false,
     0,
     nullptr,
     nullptr},
};

// Whether the process has a handler for the signal (SDL installs the SIGTERM one when it starts).
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

std::string LinkOf(const std::string& path) {
    char target[256] = {};
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<size_t>(n)) : "";
}

// Waits for the child to end, at most limitMs; kills it when it does not (a hang).
bool Ended(pid_t pid, int& status, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += 10) {
        if (waitpid(pid, &status, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

class ProcessStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(ProcessStart, ExitStatusAndWhatTheGameSays) {
    const StartCase& c = GetParam();
    ASSERT_EQ(access(kGame.c_str(), X_OK), 0) << kGame;
    std::vector<std::string> environment = {"PATH=/usr/bin:/bin", "HOME=/tmp"};
    // A sanitizer build's settings, the driver libraries it keeps loaded included, hold for the game too.
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "LD_PRELOAD"}) {
        if (const char* value = std::getenv(name)) environment.push_back(std::string(name) + "=" + value);
    }
    environment.insert(environment.end(), c.environment.begin(), c.environment.end());
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = kGame;
    char* argv[] = {program.data(), nullptr};

    int error[2];
    ASSERT_EQ(pipe2(error, O_CLOEXEC), 0);
    if (c.streams == Streams::ErrorToClosedPipe) close(error[0]);  // nobody will ever read
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (c.streams == Streams::AllClosed) {
            close(0), close(1), close(2);
        } else {
            dup2(error[1], 2);
        }
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(error[1]);

    int status = 0;
    if (c.exitsByItself) {
        std::string said;
        if (c.streams == Streams::ErrorToPipe) {
            char buffer[512];
            ssize_t n;
            while ((n = read(error[0], buffer, sizeof buffer)) > 0)
                said.append(buffer, static_cast<size_t>(n));
        }
        ASSERT_TRUE(Ended(pid, status, 20000)) << "still running";
        if (c.lastLine != nullptr || c.linePrefix != nullptr) {
            ASSERT_FALSE(said.empty());
            EXPECT_EQ(said.back(), '\n') << "a whole line: " << said;
            const size_t start = said.rfind('\n', said.size() - 2);
            const std::string last = said.substr(start == std::string::npos ? 0 : start + 1);
            if (c.lastLine != nullptr) {
                EXPECT_EQ(last, c.lastLine);
            }
            if (c.linePrefix != nullptr) {
                EXPECT_EQ(last.rfind(c.linePrefix, 0), 0u) << last;
            }
        }
    } else {
        for (int waited = 0; waited < 20000 && !Catches(pid, SIGTERM); waited += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_TRUE(Catches(pid, SIGTERM)) << "SDL never started";
        for (int fd = 0; fd <= 2; ++fd) {
            EXPECT_EQ(LinkOf("/proc/" + std::to_string(pid) + "/fd/" + std::to_string(fd)), "/dev/null")
                << fd;
        }
        kill(pid, SIGTERM);
        ASSERT_TRUE(Ended(pid, status, 20000)) << "SIGTERM did not end it";
    }
    if (c.streams != Streams::ErrorToClosedPipe) close(error[0]);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), c.status);
}

INSTANTIATE_TEST_SUITE_P(Child, ProcessStart, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
