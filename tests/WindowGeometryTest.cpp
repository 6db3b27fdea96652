#include <gtest/gtest.h>

#include "platform/WindowGeometry.h"

using platform::LoadingWindowRect;
using platform::PlayWindowRect;

TEST(WindowGeometry, FullHdDesktop) {
    const auto loading = LoadingWindowRect(1920, 1080);
    EXPECT_EQ(loading.width, 480);
    EXPECT_EQ(loading.height, 270);
    EXPECT_EQ(loading.x, 720);
    EXPECT_EQ(loading.y, 405);

    const auto play = PlayWindowRect(1920, 1080);
    EXPECT_EQ(play.width, 1536);
    EXPECT_EQ(play.height, 921);
    EXPECT_EQ(play.x, 192);
    EXPECT_EQ(play.y, 80);
}

TEST(WindowGeometry, LaptopDesktopTruncatesEachStep) {
    const auto play = PlayWindowRect(1366, 768);
    EXPECT_EQ(play.width, 1092);  // 1092.8 truncated
    EXPECT_EQ(play.height, 655);  // from the truncated width, not from 1366 * 0.48
    EXPECT_EQ(play.x, 137);       // 683 - 546
    EXPECT_EQ(play.y, 57);        // 384 - 327
}

TEST(WindowGeometry, LoadingTermsTruncateSeparately) {
    // 1366 / 2 - 1366 / 8 = 683 - 170; one combined expression (3 * 1366 / 8) would give 512.
    const auto loading = LoadingWindowRect(1366, 770);
    EXPECT_EQ(loading.x, 513);
    EXPECT_EQ(loading.width, 341);
    EXPECT_EQ(loading.y, 385 - 96);
    EXPECT_EQ(loading.height, 192);
}

TEST(WindowGeometry, PlayWindowKeepsFiveToThreeWhateverTheHeight) {
    // A tall desktop: the height still follows the width, and the window may stick out at the top.
    const auto play = PlayWindowRect(1000, 400);
    EXPECT_EQ(play.width, 800);
    EXPECT_EQ(play.height, 480);
    EXPECT_EQ(play.x, 100);
    EXPECT_EQ(play.y, -40);
}
