// Pictures of the playing screens for the README, taken from the game's own frame buffer at the
// play size of a 1920 x 1080 desktop. Not part of the suite: run it on purpose with
//   LEXADRILL_SHOTS=<folder> lexadrill_tests --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
// It writes binary PPM files (topics, test, great, hall-of-fame) into that folder.
#include <GL/gl.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "learning/TestScreen.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "tests/GameHarness.h"

namespace {

class ScreenshotTest : public GameTest {
protected:
    std::string shots;

    // The frame just drawn, bottom row last, as a binary PPM.
    void Shoot(const std::string& name) {
        const int width = scene->width, height = scene->height;
        std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
        platform::MakeContextCurrent();  // the scene lets go of it after every frame
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_FRONT);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        platform::ReleaseContext();
        std::ofstream out(shots + "/" + name + ".ppm", std::ios::binary);
        out << "P6\n" << width << " " << height << "\n255\n";
        for (int row = height - 1; row >= 0; --row) {
            out.write(reinterpret_cast<const char*>(&pixels[static_cast<size_t>(row) * width * 3]), width * 3);
        }
        ASSERT_TRUE(out.good()) << name;
    }

    void RunUntilScreen(ScreenId screen) {
        for (int tick = 0; tick < 400 && Screen() != screen; ++tick) RunTicks(1);
        ASSERT_EQ(Screen(), screen);
    }
};

}  // namespace

TEST_F(ScreenshotTest, DISABLED_Screenshots) {
    const char* folderName = std::getenv("LEXADRILL_SHOTS");
    if (folderName == nullptr) GTEST_SKIP() << "LEXADRILL_SHOTS names no folder";
    shots = folderName;
    platform::headless::SetDesktopSize(1920, 1080);
    LoadToUserName();
    EnterName(u"ana");

    // Test mode, so the hall of fame gets an entry afterwards.
    ChooseMenuLine(1);
    RunUntilScreen(ScreenId::Topics);
    WaitUntilStill("main menu 2");
    RunTicks(100);
    Shoot("topics");

    ClickObject("main menu 2");
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::Test);
    for (int answer = 0; answer < 3; ++answer) {
        Type(CurrentAnswer());
        Key(13);
        for (int tick = 0; tick < 200 && testRun.answerEvaluated; ++tick) RunTicks(1);
    }
    WaitUntilStill("txt 1");
    Type(CurrentAnswer().substr(0, 3));
    Shoot("test");

    Type(CurrentAnswer().substr(3));
    Key(13);
    ASSERT_TRUE(Object("bonus1")->visible);
    RunTicks(120);
    Shoot("great");

    WaitUntilStill("przerwij");
    for (int tick = 0; tick < 200 && testRun.answerEvaluated; ++tick) RunTicks(1);
    ClickObject("przerwij");
    RunUntilScreen(ScreenId::GameOver);
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::MainMenu);
    WaitUntilStill("main menu");
    ChooseMenuLine(2);
    RunUntilScreen(ScreenId::HallOfFame);
    WaitUntilStill("halloffame");
    Shoot("hall-of-fame");
}
