// Every window shows the scene from its first frame: the loading window is shown only as its first
// frame is drawn, and the play window's first frame is the user-name screen drawn whole at the
// play window's size, its backdrop everywhere, never the bare clear colour beside a frame drawn at
// the loading window's size.
#include <GL/gl.h>

#include <filesystem>
#include <vector>

#include "app/Application.h"
#include "platform/Platform.h"
#include "tests/GameHarness.h"
#include "tests/hooks/Headless.h"

namespace {

struct ShownFrame {
    ScreenId screen;
    bool windowShown;
    double whiteShare;  // of the window's pixels, the share that is pure white
};

class FirstFrameTest : public GameTest {
protected:
    void Restart() {
        application.Stop();
        std::filesystem::remove_all(folder);
        gamedriver::LayOutGameFolder(LEXADRILL_BUILD_DIR, folder);
        platform::headless::SetDesktopSize(kSmallDesktopWidth, kSmallDesktopHeight);
        platform::headless::SetSurfaceSize(kSmallDesktopWidth, kSmallDesktopHeight);
        ASSERT_TRUE(application.Start());
        platform::headless::ObserveTicks([this] { Record(); });
    }

    void Record() {
        const platform::Size size = platform::ClientSize();
        std::vector<unsigned char> rgb(static_cast<size_t>(size.width) * size.height * 3);
        platform::MakeContextCurrent();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, size.width, size.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        platform::ReleaseContext();
        size_t white = 0;
        for (size_t i = 0; i < rgb.size(); i += 3)
            white += rgb[i] == 255 && rgb[i + 1] == 255 && rgb[i + 2] == 255;
        frames.push_back(ShownFrame{Screen(), platform::headless::WindowShown(),
                                    rgb.empty() ? 1.0 : 3.0 * static_cast<double>(white) / rgb.size()});
    }

    std::vector<ShownFrame> frames;
};

TEST_F(FirstFrameTest, EveryWindowShowsTheSceneFromItsFirstFrame) {
    Restart();
    EXPECT_FALSE(platform::headless::WindowShown()) << "the loading window waits for its first frame";
    LoadToUserName();
    RunTicks(10);
    platform::headless::ObserveTicks(nullptr);
    ASSERT_FALSE(frames.empty());
    EXPECT_TRUE(frames.front().windowShown);
    EXPECT_LT(frames.front().whiteShare, 0.9) << "the loading picture is drawn in the first frame";
    int playFrames = 0;
    for (size_t tick = 0; tick < frames.size(); ++tick) {
        if (frames[tick].screen != ScreenId::UserName) continue;
        ++playFrames;
        EXPECT_LT(frames[tick].whiteShare, 0.01)
            << "tick " << tick << ", the play window's frame " << playFrames;
    }
    EXPECT_GT(playFrames, 10);
}

}  // namespace
