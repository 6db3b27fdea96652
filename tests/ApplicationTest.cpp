#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>

#include "app/Application.h"
#include "engine/GLScene.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"

namespace {

class ApplicationStart : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/lexadrill-app-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
        platform::headless::Enable();
        platform::headless::Reset();
        platform::headless::SetExecutableFolder(folder);
        platform::headless::SetDesktopSize(1920, 1080);
    }
    void TearDown() override {
        StopApplication();
        std::remove((folder + "gfx/icon.bmp").c_str());
        rmdir((folder + "gfx").c_str());
        rmdir(folder.c_str());
    }
    std::string folder;
};

TEST_F(ApplicationStart, OpensTheLoadingWindowAndBuildsEverythingBeforeTheFirstTick) {
    ASSERT_TRUE(StartApplication());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->exeDirNarrow, folder);
    EXPECT_EQ(app->wordFilePath, folder + "data/words_free.enc");
    const platform::Size client = platform::ClientSize();
    EXPECT_EQ(client.width, 480);
    EXPECT_EQ(client.height, 270);
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->width, 480);
    EXPECT_EQ(scene->height, 270);
    EXPECT_EQ(scene->viewTranslation[2], -6.0);
    ASSERT_EQ(scene->lights.size(), 1u);
    EXPECT_EQ(scene->lights[0]->name, "light 0");
    EXPECT_EQ(app->strings.menuLearn, u"learn");
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);
}

TEST_F(ApplicationStart, PlayWindowSizeReachesTheScene) {
    ASSERT_TRUE(StartApplication());
    ResizeToPlayWindow();
    platform::headless::RunTicks(0);  // delivers the resize, as the next pass of the loop would
    EXPECT_EQ(platform::ClientSize().width, 1536);
    EXPECT_EQ(platform::ClientSize().height, 921);
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->width, 1536);
    EXPECT_EQ(scene->height, 921);
}

TEST_F(ApplicationStart, ClickRaisesClickPendingBeforeRouting) {
    ASSERT_TRUE(StartApplication());
    scene->clickPending = false;
    platform::headless::Click();
    EXPECT_TRUE(scene->clickPending);  // still set: only the next Render() consumes it
}

TEST_F(ApplicationStart, ClosingTheWindowDeletesSceneAndApplication) {
    ASSERT_TRUE(StartApplication());
    platform::headless::Close();
    EXPECT_EQ(scene, nullptr);
    EXPECT_EQ(app, nullptr);
    platform::headless::RunTicks(3);  // nothing may reach the deleted objects any more
    StopApplication();                // and tear-down after a close is harmless
}

TEST_F(ApplicationStart, BrokenIconFileIsIgnored) {
    ASSERT_EQ(mkdir((folder + "gfx").c_str(), 0755), 0);
    std::ofstream(folder + "gfx/icon.bmp") << "BM\x10\x00\x00\x00garbage";
    ASSERT_TRUE(StartApplication());
    EXPECT_NE(scene, nullptr);
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
    char path[PATH_MAX] = {0};
    ASSERT_GT(readlink("/proc/self/exe", path, sizeof(path) - 1), 0);
    std::string expected(path);
    expected.erase(expected.rfind('/') + 1);
    EXPECT_EQ(platform::ExecutableFolder(), expected);
}

}  // namespace
