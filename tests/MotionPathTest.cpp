#include <gtest/gtest.h>

#include "engine/MotionPath.h"

namespace {

std::array<double, 3> Drive(MotionPath& path, int ticks) {
    std::array<double, 3> offset = {0, 0, 0};
    for (int i = 0; i < ticks; ++i) offset = path.BezierStep();
    return offset;
}

}  // namespace

TEST(MotionPath, EnterFromRightEndsJustRightOfHomeAfter190Ticks) {
    auto path = PathEnterFromRight();
    auto first = path->BezierStep();
    EXPECT_NEAR(first[0], 4.92, 0.01);
    auto last = Drive(*path, 189);
    EXPECT_NEAR(last[0], 0.007275, 1e-6);
    EXPECT_EQ(last[1], 0);
    EXPECT_EQ(last[2], 0);
}

TEST(MotionPath, EnterFromLeftOver90TicksEndsShortOfHome) {
    auto path = PathEnterFromLeft();
    EXPECT_NEAR(Drive(*path, 90)[0], -0.0284, 1e-6);
}

TEST(MotionPath, WrapsAfterItsPeriodAndRestartsFromFirstPoint) {
    auto path = PathEnterFromLeft();  // period 100
    auto atPeriod = Drive(*path, 100);
    EXPECT_NEAR(atPeriod[0], 0, 1e-12);
    auto restart = path->BezierStep();  // step wraps to 0: t = 0 is the first control point
    EXPECT_NEAR(restart[0], -5, 1e-12);
    EXPECT_NEAR(Drive(*path, 49)[0], Drive(*PathEnterFromLeft(), 49)[0], 1e-12);
}

TEST(MotionPath, DegenerateCurvesStayAtHome) {
    MotionPath empty;
    empty.period = 10;
    EXPECT_EQ(empty.BezierStep()[0], 0);
    EXPECT_EQ(empty.LinearStep(), 0);
    auto nudge = PathNudge(2, 1.0);  // period 2 / 3 == 0
    auto offset = Drive(*nudge, 5);
    EXPECT_EQ(offset[0], 0);
}

TEST(MotionPath, FlyThroughAndNudgeShapes) {
    auto fly = PathFlyThrough(300);
    EXPECT_EQ(fly->points.size(), 10u);
    // Half way: the weights C(10, i) / 1024 over the ten depths give -1091.9 / 1024.
    EXPECT_NEAR(Drive(*fly, 150)[2], -1091.9 / 1024, 1e-5);
    auto nudge = PathNudge(30, 0.3);
    EXPECT_EQ(nudge->period, 10);
    // Half way the quadratic weight of the middle point is 3 * 0.5 * 0.25.
    EXPECT_NEAR(Drive(*nudge, 5)[0], 0.3 * 3 * 0.125, 1e-6);
}

TEST(MotionPath, FadeInReachesTargetAfterHalfTheTicksAndHolds) {
    auto fade = FadeInPath(100, 0.8);
    ASSERT_EQ(fade->period, 50);
    double value = 0;
    for (int tick = 1; tick <= 99; ++tick) {
        value = fade->LinearStep();
        if (tick <= 50) {
            EXPECT_NEAR(value, 0.8 * tick / 50, 1e-6) << tick;
        } else {
            EXPECT_NEAR(value, 0.8, 1e-6) << tick;
        }
    }
}

TEST(MotionPath, FadeSegmentsRepeatTheJoinValue) {
    MotionPath path;
    path.points = {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}};
    path.period = 2;
    std::vector<double> values;
    for (int i = 0; i < 8; ++i) values.push_back(path.LinearStep());
    // Segment 0: 0.5, 1; then the join repeats; segment 1: 0.5, 0; then the last value holds.
    const std::vector<double> expected = {0.5, 1, 1, 0.5, 0, 0, 0, 0};
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(values[i], expected[i], 1e-6) << i;
}
