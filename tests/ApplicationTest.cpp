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
#include "learning/HallOfFame.h"
#include "learning/MissedEntries.h"
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
        application.Stop();
        std::remove((folder + "gfx/icon.bmp").c_str());
        rmdir((folder + "gfx").c_str());
        rmdir(folder.c_str());
    }
    std::string folder;
    Application application;
};

TEST_F(ApplicationStart, OpensTheLoadingWindowAndBuildsEverythingBeforeTheFirstTick) {
    ASSERT_TRUE(application.Start());
    ASSERT_NE(application.Context(), nullptr);
    EXPECT_EQ(application.Context()->exeDirNarrow, folder);
    EXPECT_EQ(application.Context()->wordFilePath, folder + "data/words_free.enc");
    const platform::Size client = platform::ClientSize();
    EXPECT_EQ(client.width, 480);
    EXPECT_EQ(client.height, 270);
    ASSERT_NE(application.Scene(), nullptr);
    EXPECT_EQ(application.Scene()->width, 480);
    EXPECT_EQ(application.Scene()->height, 270);
    EXPECT_EQ(application.Scene()->viewTranslation[2], -6.0);
    ASSERT_EQ(application.Scene()->lights.size(), 1u);
    EXPECT_EQ(application.Scene()->lights[0]->name, "light 0");
    EXPECT_EQ(application.Context()->strings.menuLearn, u"learn");
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);
}

TEST_F(ApplicationStart, PlayWindowSizeReachesTheScene) {
    ASSERT_TRUE(application.Start());
    Game game = application.State();
    ResizeToPlayWindow(game);
    platform::headless::RunTicks(0);  // delivers the resize, as the next pass of the loop would
    EXPECT_EQ(platform::ClientSize().width, 1536);
    EXPECT_EQ(platform::ClientSize().height, 921);
    ASSERT_NE(application.Scene(), nullptr);
    EXPECT_EQ(application.Scene()->width, 1536);
    EXPECT_EQ(application.Scene()->height, 921);
}

TEST_F(ApplicationStart, ClickRaisesClickPendingBeforeRouting) {
    ASSERT_TRUE(application.Start());
    application.Scene()->clickPending = false;
    platform::headless::Click();
    EXPECT_TRUE(application.Scene()->clickPending);  // still set: only the next Render() consumes it
}

TEST_F(ApplicationStart, ClosingTheWindowDeletesSceneAndApplication) {
    ASSERT_TRUE(application.Start());
    platform::headless::Close();
    EXPECT_EQ(application.Scene(), nullptr);
    EXPECT_EQ(application.Context(), nullptr);
    platform::headless::RunTicks(3);  // nothing may reach the deleted objects any more
    application.Stop();               // and tear-down after a close is harmless
}

// Each application holds the game's state of its own: a second one in the same process starts
// from none of what the first left, and the window's events reach the one running.
TEST_F(ApplicationStart, ASecondApplicationStartsFromItsOwnState) {
    ASSERT_TRUE(application.Start());
    application.Context()->userName = u"ana";
    application.Run().missed.push_back(MissedEntry{WordEntry{u"dog", u"perro"}, {}});
    application.TheLearner().hallOfFame.push_back(HallOfFameEntry{u"ana", 10});
    application.Stop();

    Application second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.Context()->userName, u"player");
    EXPECT_TRUE(second.Run().missed.empty());
    EXPECT_TRUE(second.TheLearner().hallOfFame.empty());
    second.Scene()->clickPending = false;
    platform::headless::Click();
    EXPECT_TRUE(second.Scene()->clickPending);
    second.Stop();
    EXPECT_EQ(application.Run().missed.size(), 1u) << "the first application's run is its own";
}

TEST_F(ApplicationStart, BrokenIconFileIsIgnored) {
    ASSERT_EQ(mkdir((folder + "gfx").c_str(), 0755), 0);
    std::ofstream(folder + "gfx/icon.bmp") << "BM\x10\x00\x00\x00garbage";
    ASSERT_TRUE(application.Start());
    EXPECT_NE(application.Scene(), nullptr);
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
    char path[PATH_MAX] = {0};
    ASSERT_GT(readlink("/proc/self/exe", path, sizeof(path) - 1), 0);
    std::string expected(path);
    expected.erase(expected.rfind('/') + 1);
    EXPECT_EQ(platform::ExecutableFolder(), expected);
}

}  // namespace
