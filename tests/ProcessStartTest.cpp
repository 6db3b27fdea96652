// The real game executable started as a child of the suite under hostile start-up conditions: no
// display, a display that cannot be reached, a video driver that fails, standard error a pipe
// nobody reads, all three standard streams closed; each case checks the exit status and what the
// game said. And on a virtual display of its own, a SIGTERM while a message box is open.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tests/GameDriver.h"

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

// Whether a unix socket at `address` (a leading '@' names the abstract namespace) takes a connection.
bool Connects(const std::string& address) {
    sockaddr_un where = {};
    where.sun_family = AF_UNIX;
    if (address.size() >= sizeof where.sun_path) return false;
    std::copy(address.begin(), address.end(), where.sun_path);
    if (address[0] == '@') where.sun_path[0] = '\0';
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.size());
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&where), length) == 0;
    close(fd);
    return connected;
}

// An X display number no server answers at. A server is reached through its abstract socket
// whether or not its file in /tmp/.X11-unix exists (another Xvfb of the machine, a chroot's), so
// only a failed connection to both proves the number free.
std::string DeadDisplay() {
    for (int number = 97; number > 50; --number) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        if (!Connects("@" + socket) && !Connects(socket)) return "DISPLAY=:" + std::to_string(number);
    }
    ADD_FAILURE() << "every display from :51 to :97 answers";
    return "DISPLAY=:97";
}

const StartCase kStartCases[] = {
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

// Everything the pipe brings until its writers close it (or, with `untilLine`, up to a line end),
// for at most limitMs: a child that hangs with the pipe open fails the case instead of holding the
// suite.
std::string ReadUntilClosed(int fd, int limitMs, bool untilLine = false) {
    std::string said;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!untilLine || said.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        pollfd waiting = {fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
            ADD_FAILURE() << "the pipe is still open after " << limitMs << " ms";
            return said;
        }
        char buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) return said;
        said.append(buffer, static_cast<size_t>(n));
    }
    return said;
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
        const std::string said = c.streams == Streams::ErrorToPipe ? ReadUntilClosed(error[0], 20000) : "";
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

INSTANTIATE_TEST_SUITE_P(Child, ProcessStart, ::testing::ValuesIn(kStartCases),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace

namespace {

// A virtual X display of the suite's own (Xvfb picks a display number no server holds and says it
// on a pipe once it is ready), ended with the test.
class VirtualDisplay {
public:
    VirtualDisplay() {
        if (access("/usr/bin/Xvfb", X_OK) != 0) return;
        int ready[2];
        if (pipe(ready) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            // Not the suite's environment: a sanitized suite's preloaded runtime would check the
            // server and its keymap compiler for leaks and fail them.
            char* const serverEnvironment[] = {const_cast<char*>("PATH=/usr/bin:/bin"), nullptr};
            execle("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr), serverEnvironment);
            _exit(127);
        }
        close(ready[1]);
        const std::string said = ReadUntilClosed(ready[0], 20000, true);
        close(ready[0]);
        if (!said.empty() && said.back() == '\n') number = said.substr(0, said.size() - 1);
    }
    ~VirtualDisplay() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        int status = 0;
        Ended(pid, status, 10000);
    }
    // ":<number>", or "" when no display could be started.
    std::string Name() const { return number.empty() ? "" : ":" + number; }

private:
    pid_t pid = -1;
    std::string number;
};

// The processes the game's main thread started and has not waited for: a message box's.
std::vector<pid_t> ChildrenOf(pid_t pid) {
    std::ifstream list("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children");
    std::vector<pid_t> children;
    for (pid_t child; list >> child;) children.push_back(child);
    return children;
}

}  // namespace

// At a logout the session sends SIGTERM: with a message box open (here the command line's import
// report, over the play window's first frame) the game still ends at once, status 0, the box gone
// with it, and what it imported kept. The time it took is printed; the bound is only a generous
// "soon".
TEST(ProcessStartOnADisplay, SigtermWhileAMessageBoxIsOpenEndsTheGame) {
    VirtualDisplay display;
    if (display.Name().empty()) GTEST_SKIP() << "no Xvfb to show a message box on";
    char pattern[] = "/tmp/lexadrill-box-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    gamedriver::LayOutGameFolder(LEXADRILL_BUILD_DIR, folder);
    std::filesystem::copy_file(kGame, folder + "lexadrill");
    std::ofstream(folder + "words.csv") << "dog;Hund\ncat;Katze\n";

    std::vector<std::string> environment = {
        "PATH=/usr/bin:/bin", "HOME=" + folder, "DISPLAY=" + display.Name(),
        "SPEECHD_ADDRESS=unix_socket:" + folder + "no-speech.sock", "XDG_DATA_HOME=" + folder + "player"};
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "LD_PRELOAD"}) {
        if (const char* value = std::getenv(name)) environment.push_back(std::string(name) + "=" + value);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = folder + "lexadrill", list = folder + "words.csv";
    char* argv[] = {program.data(), list.data(), nullptr};
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1), dup2(quiet, 2);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    std::vector<pid_t> box;
    for (int waited = 0; waited < 60000 && box.empty(); waited += 20) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        box = ChildrenOf(pid);
    }
    int status = 0;
    if (box.empty()) {
        Ended(pid, status, 0);
        FAIL() << "no message box opened";
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the box stands
    const auto asked = std::chrono::steady_clock::now();
    kill(pid, SIGTERM);
    ASSERT_TRUE(Ended(pid, status, 5000)) << "the open box held the game";
    std::printf("ended %.1f ms after SIGTERM\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count());
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (pid_t child : box) EXPECT_NE(kill(child, 0), 0) << "the box is gone with the game";
    EXPECT_TRUE(std::filesystem::exists(folder + "data/lists/words.csv"));
    std::filesystem::remove_all(folder);
}
