// Frames that would show nothing new are not drawn again, and a drawn frame renders only the
// rectangles that changed. The game is played with the same input once rendering every frame
// whole and once skipping unchanged frames and rendering changes only; after every tick both
// windows must show exactly the same picture, and the second run must really have skipped and
// rendered partial frames. Rectangles narrowed on purpose must show in the pictures.
#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/Application.h"
#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "screens/TestScreen.h"
#include "tests/GameHarness.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

unsigned sequenceState = 1;

int FixedSequence() {
    unsigned& state = sequenceState;
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

struct TickPicture {
    std::vector<unsigned char> rgb;
    ScreenId screen;
    bool drawn;
    bool partial;
    int width;
};

// Where two pictures of the same size differ: the pixel count and the bounding box.
std::string Difference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, int width) {
    int count = 0, x0 = width, y0 = 1 << 30, x1 = -1, y1 = -1;
    for (size_t i = 0; i < a.size() && i < b.size(); i += 3) {
        if (a[i] == b[i] && a[i + 1] == b[i + 1] && a[i + 2] == b[i + 2]) continue;
        const int pixel = static_cast<int>(i / 3), x = pixel % width, y = pixel / width;
        ++count;
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    return std::to_string(count) + " pixels differ in x " + std::to_string(x0) + "-" + std::to_string(x1) +
           ", y " + std::to_string(y0) + "-" + std::to_string(y1) + " (from the bottom)";
}

class FrameSkipTest : public GameTest {
protected:
    std::vector<TickPicture> ticks;
    size_t exposedAt = 0;  // the first tick after an expose
    uint64_t partialFrames = 0;
    // When set, each tick is compared with the same tick of this reference run as it is recorded,
    // and the pictures stop being read (and drawn) at the first one that differs.
    const std::vector<TickPicture>* reference = nullptr;
    size_t firstDifference = 0;
    bool differed = false;

    void TearDown() override {
        SetWordChoiceRandom(nullptr);  // the next test draws its words as a fresh process does
        GameTest::TearDown();
    }

    // The window's picture after each tick, as the player sees it.
    void Record() {
        const platform::Size size = platform::ClientSize();
        TickPicture picture{std::vector<unsigned char>(static_cast<size_t>(size.width) * size.height * 3),
                            Screen(), Scene().lastFrameDrawn, Scene().framesPartial != partialFrames,
                            size.width};
        partialFrames = Scene().framesPartial;
        platform::MakeContextCurrent();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, size.width, size.height, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
        platform::ReleaseContext();
        const size_t tick = ticks.size();
        ticks.push_back(std::move(picture));
        if (reference && tick < reference->size() && ticks[tick].rgb != (*reference)[tick].rgb) {
            differed = true;
            firstDifference = tick;
            platform::headless::ObserveTicks(nullptr);  // the rest of the game only steps
        }
    }

    // Restarts the game on a fresh game folder and a surface large enough for the play window,
    // every random draw fixed. Without `changesOnly` every frame is drawn and rendered whole.
    void Restart(bool changesOnly, int inset = 0) {
        application.Stop();
        std::filesystem::remove_all(folder);
        gamedriver::LayOutGameFolder(LEXADRILL_BUILD_DIR, folder);
        sequenceState = 1;
        ticks.clear();
        differed = false;
        platform::headless::SetDesktopSize(kSmallDesktopWidth, kSmallDesktopHeight);
        platform::headless::SetSurfaceSize(kSmallDesktopWidth, kSmallDesktopHeight);
        // The cursor stays where the last click left it: both runs start with it over nothing, or
        // the first run's last click could leave the second hovering the name field.
        platform::headless::SetCursor(0, 0);
        std::srand(1);
        SetWordChoiceRandom(FixedSequence);
        ASSERT_TRUE(application.Start());
        Scene().skipUnchangedFrames = changesOnly;
        Scene().renderChangesOnly = changesOnly;
        Scene().rectangleInset = inset;
        partialFrames = 0;
        platform::headless::ObserveTicks([this] { Record(); });
    }

    // Loading the words reseeds rand() from the clock; the bursts must fly alike in both runs.
    void FixBursts() { std::srand(2); }

    // Waits until the object stands still, lets the screen idle, clicks it and waits for `next`.
    void IdleThenClick(const std::string& key, ScreenId next, int idleTicks = 64) {
        WaitUntilStill(key);
        RunTicks(idleTicks);
        ClickObject(key);
        RunUntilScreen(next);
    }

    void FromMenu(int line, ScreenId next, const std::string& keyToSettle) {
        WaitUntilStill("main menu");
        ChooseMenuLine(line);
        RunUntilScreen(next);
        WaitUntilStill(keyToSettle);
    }

    // Every screen, with its entrances, exits, hovers, scrolls, carets, clock and bursts.
    void Play() {
        LoadToUserName();
        RunTicks(100);  // the caret blinks
        EnterName(u"ana");
        RunTicks(64);
        ClickChildOf("main menu", "arrowdown");  // hover box, scroll, the spin moves on
        FromMenu(0, ScreenId::Topics, "main menu 2");
        ClickChildOf("main menu 2", "arrowdown");  // the topic picture changes
        RunTicks(200);
        ClickChildOf("main menu 2", "arrowup");
        RunTicks(200);
        IdleThenClick("main menu 2", ScreenId::Info, 0);
        IdleThenClick("arrownext", ScreenId::Learning);
        FixBursts();
        WaitUntilStill("arrownext");
        RunTicks(64);
        platform::headless::Paint();  // an expose draws even an unchanged frame
        exposedAt = ticks.size();
        RunTicks(1);
        ClickObject("arrownext");  // the next entry
        RunTicks(150);
        IdleThenClick("przerwij", ScreenId::MainMenu, 0);
        FromMenu(1, ScreenId::Topics, "main menu 2");
        IdleThenClick("main menu 2", ScreenId::Info, 0);
        IdleThenClick("arrownext", ScreenId::Test, 0);
        FixBursts();
        for (const std::u16string& typed : {CurrentAnswer(Run().words), std::u16string(u"zzz")}) {
            RunTicks(130);  // the clock steps each second
            Type(typed);
            Key(13);
            for (int tick = 0; tick < 200 && Run().test.answerEvaluated; ++tick) RunTicks(1);
        }
        IdleThenClick("przerwij", ScreenId::GameOver, 70);
        IdleThenClick("arrownext", ScreenId::Info);
        IdleThenClick("arrownext", ScreenId::MainMenu, 0);
        FromMenu(2, ScreenId::HallOfFame, "przerwij");
        IdleThenClick("przerwij", ScreenId::MainMenu);
        FromMenu(4, ScreenId::ExitConfirm, "menu tak-nie");
        RunTicks(64);
    }
};

TEST_F(FrameSkipTest, SkippedAndPartialFramesShowExactlyWhatRenderingEveryFrameWholeShows) {
    Restart(false);
    Play();
    const std::vector<TickPicture> whole = std::move(ticks);
    for (const TickPicture& tick : whole) ASSERT_TRUE(tick.drawn && !tick.partial);

    Restart(true);
    Play();
    platform::headless::ObserveTicks(nullptr);
    ASSERT_EQ(ticks.size(), whole.size()) << "both runs take the same road";

    std::map<ScreenId, int> skipped, partial, seen;
    for (size_t i = 0; i < ticks.size(); ++i) {
        ASSERT_EQ(ticks[i].screen, whole[i].screen) << "tick " << i;
        ASSERT_TRUE(ticks[i].rgb == whole[i].rgb)
            << "tick " << i << " on screen " << static_cast<int>(ticks[i].screen) << ", "
            << (ticks[i].partial ? "partial"
                : ticks[i].drawn ? "whole"
                                 : "not drawn")
            << ": " << Difference(ticks[i].rgb, whole[i].rgb, ticks[i].width);
        ++seen[ticks[i].screen];
        if (!ticks[i].drawn) ++skipped[ticks[i].screen];
        if (ticks[i].partial) ++partial[ticks[i].screen];
    }
    for (const auto& [screen, count] : seen) {
        std::printf("screen %d: %d of %d ticks not drawn, %d partial\n", static_cast<int>(screen),
                    skipped[screen], count, partial[screen]);
    }
    // Where nothing moves for a while, frames must be skipped. (Game over is not such a screen
    // here: the "zzz" above put a word on its list of words to practise, whose selected line spins.)
    for (ScreenId still : {ScreenId::UserName, ScreenId::Info, ScreenId::Learning, ScreenId::Test}) {
        EXPECT_GT(skipped[still], 0) << static_cast<int>(still);
    }
    // Where a line spins or a caret blinks, only its rectangles are rendered.
    for (ScreenId spinning : {ScreenId::UserName, ScreenId::MainMenu, ScreenId::Topics, ScreenId::Test,
                              ScreenId::HallOfFame, ScreenId::ExitConfirm}) {
        EXPECT_GT(partial[spinning], 0) << static_cast<int>(spinning);
    }
    ASSERT_GT(exposedAt, 0u);
    EXPECT_FALSE(ticks[exposedAt - 1].drawn);
    EXPECT_TRUE(ticks[exposedAt].drawn && !ticks[exposedAt].partial)
        << "the tick after an expose draws whole";

    // The rectangles are no larger than the pictures need: narrowed by a few pixels, they leave
    // pixels of earlier frames behind.
    reference = &whole;
    Restart(true, 3);
    Play();
    platform::headless::ObserveTicks(nullptr);
    reference = nullptr;
    EXPECT_EQ(Screen(), whole.back().screen) << "the run took the same road";
    ASSERT_TRUE(differed);
    std::printf("narrowed rectangles first differ at tick %zu of %zu\n", firstDifference, whole.size());
}

}  // namespace
