#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/GLScene.h"
#include "platform/WindowGeometry.h"

using platform::FitWindowRect;
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

// Where the designed window (80 % of the width, 5:3) fits the desktop's height it keeps its size
// and place exactly; where it does not (ultra-wide desktops, a short one), 80 % of the height
// decides, 5:3 kept, and the window lies wholly on the screen.
TEST(WindowGeometry, PlayWindowFitsTheDesktopsHeight) {
    struct Case {
        int desktopWidth, desktopHeight;
        int x, y, width, height;
    } cases[] = {
        {1920, 1080, 192, 80, 1536, 921},
        {1366, 768, 137, 57, 1092, 655},
        {2560, 1440, 256, 106, 2048, 1228},
        {1920, 1152, 192, 116, 1536, 921},
        {1024, 768, 103, 139, 819, 491},
        {1920, 1200, 192, 140, 1536, 921},
        {3840, 2160, 384, 159, 3072, 1843},
        // Fits to the last row: 2048 x 1228 on 1228 rows.
        {2560, 1228, 256, 0, 2048, 1228},
        // One row short: scaled down (1227 * 80 / 100 = 981 high, 981 * 100 / 60 = 1635 wide).
        {2560, 1227, 463, 123, 1635, 981},
        {2560, 1080, 560, 108, 1440, 864},
        {3440, 1440, 760, 144, 1920, 1152},
        {5120, 1440, 1600, 144, 1920, 1152},
        {5120, 2160, 1120, 216, 2880, 1728},
        {3840, 1080, 1200, 108, 1440, 864},
        {1000, 400, 234, 40, 533, 320},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.desktopWidth) + " x " + std::to_string(c.desktopHeight));
        const auto play = PlayWindowRect(c.desktopWidth, c.desktopHeight);
        EXPECT_EQ(play.x, c.x);
        EXPECT_EQ(play.y, c.y);
        EXPECT_EQ(play.width, c.width);
        EXPECT_EQ(play.height, c.height);
        EXPECT_GE(play.y, 0);
        EXPECT_LE(play.y + play.height, c.desktopHeight);
        EXPECT_LE(play.x + play.width, c.desktopWidth);
    }
}

// The play window within the desktop's usable area and its frame: kept where it fits, moved the
// least where only its place is wrong, else smaller with its shape and centred in the room left.
TEST(WindowGeometry, PlayWindowFitsTheUsableAreaWithItsFrame) {
    struct Case {
        const char* name;
        platform::WindowRect wanted, usable;
        platform::WindowBorders borders;
        platform::WindowRect fitted;
    } cases[] = {
        {"fits with its title bar",
         {192, 80, 1536, 921},
         {0, 0, 1920, 1080},
         {20, 0, 0, 0},
         {192, 80, 1536, 921}},
        {"a panel below, still fits",
         {137, 57, 1092, 655},
         {0, 0, 1366, 720},
         {28, 1, 1, 1},
         {137, 57, 1092, 655}},
        {"title bar off the top: moved down",
         {192, 80, 1536, 921},
         {0, 100, 1920, 980},
         {20, 0, 0, 0},
         {192, 120, 1536, 921}},
        {"a panel on the right: moved left",
         {256, 106, 2048, 1228},
         {0, 0, 2200, 1440},
         {0, 2, 2, 2},
         {150, 106, 2048, 1228}},
        // The desktop exactly as tall as the picture: the title bar's 20 rows come off its height.
        {"as tall as the desktop",
         {256, 0, 2048, 1228},
         {0, 0, 2560, 1228},
         {20, 0, 0, 0},
         {273, 20, 2014, 1208}},
        {"a panel and a frame all round",
         {192, 80, 1536, 921},
         {0, 40, 1920, 900},
         {30, 5, 5, 5},
         {239, 70, 1442, 865}},
        {"narrower than tall", {0, 0, 1200, 720}, {0, 0, 1000, 2000}, {0, 0, 0, 0}, {0, 700, 1000, 600}},
        {"usable area unknown", {192, 80, 1536, 921}, {0, 0, 0, 0}, {20, 0, 0, 0}, {192, 80, 1536, 921}},
        // The shapes a player then gives the window (snapped to half the screen, a portrait screen,
        // a strip) start from these; the view shows the whole picture in any of them (below).
        {"the left half of a 1920 x 1080 desktop",
         {192, 80, 1536, 921},
         {0, 0, 960, 1050},
         {30, 1, 1, 1},
         {1, 252, 958, 574}},
        {"a portrait screen", {192, 80, 1536, 921}, {0, 0, 1080, 1920}, {30, 1, 1, 1}, {1, 651, 1078, 646}},
        {"a strip", {192, 80, 1536, 921}, {0, 0, 3840, 700}, {30, 1, 1, 1}, {1362, 30, 1115, 669}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const platform::WindowRect r = FitWindowRect(c.wanted, c.usable, c.borders);
        EXPECT_EQ(r.x, c.fitted.x);
        EXPECT_EQ(r.y, c.fitted.y);
        EXPECT_EQ(r.width, c.fitted.width);
        EXPECT_EQ(r.height, c.fitted.height);
    }
}

// The view in a window of any shape: the designed 45 degrees for the designed 5:3 (a pixel's
// rounding of it included) and anything wider, which then sees more at the sides; a narrower
// window sees the designed width and more above and below. Either way the designed picture (at the
// origin's depth, 6 units from the eye) lies wholly inside.
TEST(WindowGeometry, TheViewShowsTheDesignedPictureInAnyWindowShape) {
    const double designedHalfHeight = 6 * std::tan(22.5 * M_PI / 180),
                 designedHalfWidth = designedHalfHeight * 5 / 3;
    const struct {
        int width, height;
        bool designedView;
    } cases[] = {
        {1536, 921, true}, {3072, 1843, true},  {1092, 655, true},  {533, 320, true},   {480, 270, true},
        {958, 574, true},  {3440, 900, true},   {1920, 1080, true}, {960, 1050, false}, {720, 1280, false},
        {1078, 646, true}, {1000, 1000, false}, {1599, 960, true},  {1598, 960, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const double fovy = ViewFieldOfViewY(c.width, c.height);
        if (c.designedView) {
            EXPECT_EQ(fovy, 45.0);
        } else {
            EXPECT_GT(fovy, 45.0);
        }
        const double halfHeight = 6 * std::tan(fovy / 2 * M_PI / 180);
        const double halfWidth = halfHeight * c.width / c.height;
        EXPECT_GE(halfHeight, designedHalfHeight - 1e-9);
        EXPECT_GE(halfWidth, designedHalfWidth * (1 - 2.0 / c.width));  // within a pixel's rounding
    }
    EXPECT_EQ(ViewFieldOfViewY(800, 0), 45.0) << "a minimised window";
}
