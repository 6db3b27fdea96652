// See GameFigures.h. Each timed frame ends with glFinish, so a figure is the work done, not the
// commands queued; renders are reported as the median of many frames.
#include "bench/GameFigures.h"

#include <GL/gl.h>
#include <SDL_keycode.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "app/Application.h"
#include "bench/FinishFrame.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/state/AppContext.h"
#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/TestRun.h"
#include "platform/Platform.h"
#include "screens/TestScreen.h"
#include "tests/GameDriver.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFrames = 200;
constexpr int kPlayWidth = 1536, kPlayHeight = 921;     // the play window of a 1920 x 1080 desktop
constexpr int kLargeWidth = 3072, kLargeHeight = 1843;  // the play window of a 3840 x 2160 desktop

// The same words in every run, so pictures of the test screen compare from run to run.
int FixedSequence() {
    static unsigned state = 1;
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Processor time of the whole process (the rasteriser's threads included), in ms: steadier than
// wall time on a shared machine, and what a frame costs the two cores.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Frames {
    std::vector<double> wallMs, cpuMs;
};

void PrintFrames(Application& game, const char* what, const Frames& frames) {
    const std::vector<double>& ms = frames.wallMs;
    std::printf("%-44s median %7.3f ms  (min %.3f, max %.3f; cpu median %.3f ms; %zu frames, %d x %d)\n",
                what, Median(ms), *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()), Median(frames.cpuMs), ms.size(), game.Scene()->width,
                game.Scene()->height);
}

// Ticks the real 64 Hz timer delivers in 2 s while every tick renders; the first falls one period
// after the start, so 127 is full rate.
void PrintTickRate(const char* what) {
    const int ticks = platform::headless::RunRealTimeMs(2000);
    std::printf("%-44s %7.1f ticks/s (%d ticks in 2 s; 127 is full rate)\n", what, ticks / 2.0, ticks);
}

// The window's picture after the last frame, top row first, as a binary PPM.
void WritePicture(Application& game, const std::string& path) {
    platform::MakeContextCurrent();
    const int w = game.Scene()->width, h = game.Scene()->height;
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    platform::ReleaseContext();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    std::fprintf(file, "P6\n%d %d\n255\n", w, h);
    for (int row = h - 1; row >= 0; --row)
        std::fwrite(&rgb[static_cast<size_t>(row) * w * 3], 1, w * 3, file);
    std::fclose(file);
}

// What a second of play on the current screen costs: the real 64 Hz loop runs for 2 s, frames
// that show nothing new are skipped as in the game. Also counted: frames rendered whole, frames
// rendered in changed rectangles only, and frames not drawn (nothing new, or ticks run behind
// the clock), and the ticks a second the loop kept.
void PrintPlayCost(Application& game, const char* screen) {
    const uint64_t drawnBefore = game.Scene()->framesDrawn, skippedBefore = game.Scene()->framesSkipped;
    const uint64_t partialBefore = game.Scene()->framesPartial;
    const double cpuStart = ProcessCpuMs();
    const Clock::time_point start = Clock::now();
    const int loopTicks = platform::headless::RunRealTimeMs(2000);
    const double cpuMs = ProcessCpuMs() - cpuStart, wallMs = MsSince(start);
    const uint64_t drawn = game.Scene()->framesDrawn - drawnBefore,
                   partial = game.Scene()->framesPartial - partialBefore;
    const uint64_t undrawn = game.Scene()->framesSkipped - skippedBefore, ticks = drawn + undrawn;
    std::printf(
        "play %-39s %5.1f %% of ticks drawn (%3llu of %3llu), %5.1f %% of one core; "
        "full %3llu, partial %3llu, undrawn %3llu; %5.1f ticks/s at %d x %d\n",
        screen, ticks ? 100.0 * drawn / ticks : 0.0, static_cast<unsigned long long>(drawn),
        static_cast<unsigned long long>(ticks), 100.0 * cpuMs / wallMs,
        static_cast<unsigned long long>(drawn - partial), static_cast<unsigned long long>(partial),
        static_cast<unsigned long long>(undrawn), loopTicks / (wallMs / 1000.0), game.Scene()->width,
        game.Scene()->height);
}

// Renders are timed with every frame drawn: skipping would time the frames not drawn. With
// changesOnly off every frame is rendered whole; with a blinking caret the clock moves on half a
// second a frame, so each frame redraws the caret.
Frames TimeRenders(Application& game, const std::string& picture, bool changesOnly = true,
                   bool caretBlinking = false) {
    game.Scene()->skipUnchangedFrames = false;
    game.Scene()->renderChangesOnly = changesOnly;
    Frames frames;
    for (int frame = 0; frame < kFrames; ++frame) {
        if (caretBlinking && frame > 0) platform::headless::AdvanceClockMs(501);
        const Clock::time_point start = Clock::now();
        const double cpuStart = ProcessCpuMs();
        game.Scene()->Render();
        FinishFrame();
        frames.wallMs.push_back(MsSince(start));
        frames.cpuMs.push_back(ProcessCpuMs() - cpuStart);
        if (frame == 0 && !picture.empty()) WritePicture(game, picture);
    }
    game.Scene()->skipUnchangedFrames = true;
    game.Scene()->renderChangesOnly = true;
    return frames;
}

// Ticks run behind the clock (a frame took longer than a tick): they step the objects and the
// hover, and draw nothing.
Frames TimeCatchUpTicks(Application& game) {
    Frames frames;
    for (int frame = 0; frame < kFrames; ++frame) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = ProcessCpuMs();
        game.Scene()->Render(false);
        frames.wallMs.push_back(MsSince(start));
        frames.cpuMs.push_back(ProcessCpuMs() - cpuStart);
    }
    return frames;
}

// What each visible object and the mirrored floor cost on the current screen: the median frame
// with it left out, beside the whole frame. The objects' animations move on meanwhile.
void PrintCostByObject(Application& game) {
    auto medianOf = [&game] {
        std::vector<double> ms;
        for (int frame = 0; frame < 40; ++frame) {
            const double start = ProcessCpuMs();
            game.Scene()->Render();
            FinishFrame();
            ms.push_back(ProcessCpuMs() - start);
        }
        return Median(ms);
    };
    game.Scene()->skipUnchangedFrames = false;
    const double whole = medianOf();
    std::printf("    whole frame %.3f ms of processor time; without each part:\n", whole);
    game.Scene()->reflectionOff = true;
    std::printf("    %-40s %7.3f ms\n", "(mirrored floor)", medianOf());
    game.Scene()->reflectionOff = false;
    for (GLObject* object : game.Scene()->objects) {
        if (!object->visible) continue;
        object->visible = false;
        std::printf("    %-40s %7.3f ms\n", object->name.c_str(), medianOf());
        object->visible = true;
    }
    game.Scene()->skipUnchangedFrames = true;
}

bool RunUntil(const std::function<bool()>& done, int maxTicks = 600) {
    for (int tick = 0; tick < maxTicks && !done(); ++tick) platform::headless::RunTicks(1);
    return done();
}

bool ChooseLine(Application& game, const char* listKey, int line) {
    auto* list = dynamic_cast<GLObjectTextList*>(game.Scene()->FindObject(listKey));
    if (!list || !gamedriver::WaitUntilStill(list)) return false;
    for (int guard = 0; guard < 50 && list->selected != line; ++guard) {
        GLObject* arrow = FindObjectIn(list->children, list->selected < line ? "arrowdown" : "arrowup");
        if (!arrow || !gamedriver::ClickOn(*game.Scene(), arrow) || !gamedriver::WaitUntilStill(list))
            return false;
    }
    return list->selected == line && gamedriver::ClickOn(*game.Scene(), list);
}

bool Click(Application& game, const char* key) {
    GLObject* object = game.Scene()->FindObject(key);
    return object && gamedriver::WaitUntilStill(object) && gamedriver::ClickOn(*game.Scene(), object);
}

bool Fail(const char* what) {
    std::fprintf(stderr, "bench: %s\n", what);
    return false;
}

// From the user-name screen: a name, the main menu standing still.
bool ToMainMenu(Application& game) {
    for (char16_t c : std::u16string(u"ana")) platform::headless::Character(c);
    platform::headless::PressKey(SDLK_RETURN);
    if (!RunUntil([&] { return game.Context()->currentScreen == ScreenId::MainMenu; })) return false;
    return gamedriver::WaitUntilStill(game.Scene()->FindObject("main menu"));
}

bool ToScreen(Application& game, ScreenId screen) {
    return RunUntil([&game, screen] { return game.Context()->currentScreen == screen; });
}

bool StillAll(Application& game, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        if (!game.Scene()->FindObject(key) || !gamedriver::WaitUntilStill(game.Scene()->FindObject(key)))
            return false;
    }
    return true;
}

// From the main menu to the topics of the menu's line (0 learn, 1 test), the list standing still.
bool ToTopics(Application& game, int menuLine) {
    if (!ChooseLine(game, "main menu", menuLine) || !ToScreen(game, ScreenId::Topics)) return false;
    platform::headless::RunTicks(30);
    return StillAll(game, {"main menu 2"});
}

// From the topics through the information panel to the first question or entry, standing still.
bool FromTopicsTo(Application& game, ScreenId screen) {
    if (!Click(game, "main menu 2") || !ToScreen(game, ScreenId::Info)) return false;
    if (!Click(game, "arrownext") || !ToScreen(game, screen)) return false;
    return StillAll(game, {"txt 1", "arrownext", "przerwij"});
}

// From a question, aborted, through the game over and information screens to the main menu.
bool AbortTestToMainMenu(Application& game) {
    if (!Click(game, "przerwij") || !ToScreen(game, ScreenId::GameOver)) return false;
    if (!Click(game, "arrownext") || !ToScreen(game, ScreenId::Info)) return false;
    if (!Click(game, "arrownext") || !ToScreen(game, ScreenId::MainMenu)) return false;
    return StillAll(game, {"main menu"});
}

// Starts the game headless on a desktop of the size given and plays it to the user-name screen.
// Returns the loading step's time, or a negative figure when the game could not get there.
// How long Application::Start took in the last StartGame: the window, the lists folder read, the
// loading screen built.
double startApplicationMs = 0;

// `count` lists of 30 cards each in the game folder's lists folder, as a learner's own lists lie.
void WriteOwnLists(const std::string& folder, int count) {
    if (count <= 0) return;
    std::filesystem::create_directories(folder + "data/lists");
    for (int list = 0; list < count; ++list) {
        FILE* out = std::fopen((folder + "data/lists/list " + std::to_string(list) + ".csv").c_str(), "wb");
        if (!out) return;
        for (int card = 0; card < 30; ++card) std::fprintf(out, "word %d;palabra %d\n", card, card);
        std::fclose(out);
    }
}

double StartGame(Application& game, const std::string& folder, int desktopWidth, int desktopHeight,
                 int surfaceWidth, int surfaceHeight) {
    platform::headless::Enable();
    SetWordChoiceRandom(FixedSequence);
    platform::headless::SetExecutableFolder(folder);
    platform::headless::SetDesktopSize(desktopWidth, desktopHeight);
    platform::headless::SetSurfaceSize(surfaceWidth, surfaceHeight);
    const Clock::time_point startApplication = Clock::now();
    if (!game.Start()) {
        Fail("the game did not start");
        return -1;
    }
    startApplicationMs = MsSince(startApplication);
    // The loading step is the first tick, which the real timer delivers one period after the
    // loop starts; the user-name screen enters 80 ticks later, on the real 64 Hz timer. (A real
    // run may deliver the tick after the long loading one at once; here it waits a period, so
    // this figure errs long by at most one tick.)
    std::this_thread::sleep_for(std::chrono::microseconds(15625));
    const Clock::time_point loadStart = Clock::now();
    platform::headless::RunTicks(1);
    const double loadingMs = MsSince(loadStart);
    platform::headless::RunRealTimeUntil([&] { return game.Context()->currentScreen == ScreenId::UserName; },
                                         10000);
    if (game.Context()->currentScreen != ScreenId::UserName) {
        Fail("the user-name screen never entered");
        return -1;
    }
    return loadingMs;
}

void StopGame(Application& game) {
    game.Stop();
    platform::headless::Reset();
}

// Plays every screen of the table in turn, from the user-name screen, calling atScreen on each
// once it has come to rest. False when the game could not be driven there.
bool Tour(Application& game, const std::function<void(ScreenId)>& atScreen) {
    platform::headless::RunTicks(150);  // the entrance is over, the caret blinks
    atScreen(ScreenId::UserName);
    if (!ToMainMenu(game)) return Fail("the main menu never came to rest");
    atScreen(ScreenId::MainMenu);
    if (!ToTopics(game, 1)) return Fail("the topics never came to rest");
    atScreen(ScreenId::Topics);
    if (!(FromTopicsTo(game, ScreenId::Test) && !game.Run().test.answerEvaluated))
        return Fail("no question on the test screen");
    atScreen(ScreenId::Test);
    if (!AbortTestToMainMenu(game)) return Fail("no way back from the test screen");
    if (!(ChooseLine(game, "main menu", 2) && ToScreen(game, ScreenId::HallOfFame) &&
          StillAll(game, {"przerwij"})))
        return Fail("no hall of fame");
    atScreen(ScreenId::HallOfFame);
    if (!(Click(game, "przerwij") && ToScreen(game, ScreenId::MainMenu) && StillAll(game, {"main menu"})))
        return Fail("no way back from the hall of fame");
    if (!(ToTopics(game, 0) && FromTopicsTo(game, ScreenId::Learning)))
        return Fail("no entry on the learning screen");
    atScreen(ScreenId::Learning);
    return true;
}

const char* PlayName(ScreenId screen) {
    switch (screen) {
        case ScreenId::UserName:
            return "user name";
        case ScreenId::MainMenu:
            return "main menu";
        case ScreenId::Topics:
            return "topics";
        case ScreenId::Test:
            return "test question";
        case ScreenId::HallOfFame:
            return "hall of fame";
        default:
            return "learning";
    }
}

}  // namespace

bool RunGameFigures(Clock::time_point programStart, const std::string& shotsFolder, bool byObject,
                    int ownLists) {
    char pattern[] = "/tmp/lexadrill-bench-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return Fail("no temporary folder");
    const std::string folder = std::string(made) + "/";
    gamedriver::LayOutGameFolder(LEXADRILL_BUILD_DIR, folder);
    WriteOwnLists(folder, ownLists);

    Application game;

    const double loadingMs = StartGame(game, folder, 1920, 1080, kPlayWidth, kPlayHeight);
    const double toUserNameMs = MsSince(programStart);
    bool ok = loadingMs >= 0;
    bool sized = true;
    auto atScreen = [&](ScreenId screen) {
        const platform::Size client = platform::ClientSize();
        sized = sized && client.width == kPlayWidth && client.height == kPlayHeight;
        if (screen == ScreenId::MainMenu) {
            Frames empty;
            for (int frame = 0; frame < kFrames; ++frame) {
                const Clock::time_point start = Clock::now();
                const double cpuStart = ProcessCpuMs();
                platform::MakeContextCurrent();
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
                platform::SwapBuffers();
                FinishFrame();
                empty.wallMs.push_back(MsSince(start));
                empty.cpuMs.push_back(ProcessCpuMs() - cpuStart);
            }
            platform::ReleaseContext();
            PrintFrames(game, "empty frame (clear + swap)", empty);
            const Frames drawn = TimeRenders(game, shotsFolder.empty() ? "" : shotsFolder + "/menu.ppm");
            PrintFrames(game, "Render() main menu", drawn);
            const Frames whole = TimeRenders(game, "", false);
            PrintFrames(game, "Render() main menu, every frame whole", whole);
            const Frames catchUp = TimeCatchUpTicks(game);
            PrintFrames(game, "catch-up tick on the main menu (not drawn)", catchUp);
            std::printf("%-44s %7.3f of a drawn frame, %.3f of a whole one (processor time)\n",
                        "catch-up tick", Median(catchUp.cpuMs) / Median(drawn.cpuMs),
                        Median(catchUp.cpuMs) / Median(whole.cpuMs));
            if (byObject) PrintCostByObject(game);
            PrintTickRate("tick rate on the main menu");
        } else if (screen == ScreenId::Test) {
            PrintFrames(game, "Render() test screen, caret blinking",
                        TimeRenders(game, shotsFolder.empty() ? "" : shotsFolder + "/test.ppm", true, true));
            PrintFrames(game, "Render() test screen, every frame whole", TimeRenders(game, "", false, true));
            if (byObject) PrintCostByObject(game);
            PrintTickRate("tick rate on the test screen");
        }
        PrintPlayCost(game, PlayName(screen));
    };
    if (ok) ok = Tour(game, atScreen);
    if (ok && !sized) ok = Fail("not at the play size");
    std::printf("%-44s %7.1f ms\n", ("start-up with " + std::to_string(ownLists) + " own lists").c_str(),
                startApplicationMs);
    std::printf("%-44s %7.1f ms\n", "loading step (first tick)", loadingMs);
    std::printf("%-44s %7.1f ms\n", "program start to user-name screen", toUserNameMs);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-44s %7.1f MB\n", "peak resident memory", usage.ru_maxrss / 1024.0);
    StopGame(game);

    // The same screens, from a fresh game folder, in the play window of a 3840 x 2160 desktop:
    // four times the pixels.
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    gamedriver::LayOutGameFolder(LEXADRILL_BUILD_DIR, folder);
    if (ok) ok = StartGame(game, folder, 3840, 2160, kLargeWidth, kLargeHeight) >= 0;
    if (ok) ok = Tour(game, [&](ScreenId screen) { PrintPlayCost(game, PlayName(screen)); });
    StopGame(game);
    std::filesystem::remove_all(folder, ignored);
    return ok;
}
