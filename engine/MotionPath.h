// Tick-driven curves: a Bézier motion offset relative to an object's home, and a piecewise
// linear alpha fade (value in x). One path belongs to one object at a time.
#pragma once

#include <array>
#include <memory>
#include <vector>

struct MotionPath {
    std::vector<std::array<float, 3>> points;  // control points
    int period = 0;                            // ticks per curve (per segment for fades)
    int segment = 0;                           // fade only
    int step = 0;

    // Motion: advances one step and returns the offset. The curve's implicit last control point
    // is the origin, and the step wraps to 0 after `period`.
    std::array<double, 3> BezierStep();
    // Fade: advances one step and returns the value (see the fade rules in MotionPath.cpp).
    double LinearStep();
};

using MotionPathPtr = std::unique_ptr<MotionPath>;

MotionPathPtr PathEnterFromRight();
MotionPathPtr PathLeaveToRight();
MotionPathPtr PathEnterFromLeft();
MotionPathPtr PathLeaveToLeft(int period);
MotionPathPtr PathEnterFromBack();
MotionPathPtr PathFlyThrough(int period);
MotionPathPtr PathNudge(int ticks, double dx);
MotionPathPtr FadeInPath(int ticks, double alpha);
MotionPathPtr FadeOutPath(int ticks, double alpha);
