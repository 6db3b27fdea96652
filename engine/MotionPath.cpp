#include "engine/MotionPath.h"

#include <cmath>

namespace {

double Binomial(int n, int k) {
    double result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

MotionPathPtr MakePath(std::vector<std::array<float, 3>> points, int period) {
    auto path = std::make_unique<MotionPath>();
    path->points = std::move(points);
    path->period = period;
    return path;
}

}  // namespace

std::array<double, 3> MotionPath::BezierStep() {
    std::array<double, 3> offset = {0, 0, 0};
    if (points.empty()) return offset;
    step = step < period ? step + 1 : 0;
    // A path shorter than one tick (e.g. a nudge of fewer than 3 ticks) rests at home.
    if (period <= 0) return offset;
    const double t = static_cast<double>(step) / period;
    // N explicit points weighted as a curve of degree N: the missing last point is the origin.
    const int n = static_cast<int>(points.size());
    for (int i = 0; i < n; ++i) {
        const double weight = Binomial(n, i) * std::pow(t, i) * std::pow(1 - t, n - i);
        for (int axis = 0; axis < 3; ++axis) offset[axis] += weight * points[i][axis];
    }
    return offset;
}

double MotionPath::LinearStep() {
    if (points.empty()) return 0;
    const int n = static_cast<int>(points.size());
    if (step < period) {
        ++step;
    } else {
        step = 0;
        if (segment < n) ++segment;
    }
    // The first tick of each later segment repeats the value the previous one ended on.
    if (segment >= n - 1 || period <= 0) return points[n - 1][0];
    const double from = points[segment][0], to = points[segment + 1][0];
    return from + (to - from) * step / period;
}

MotionPathPtr PathEnterFromRight() { return MakePath({{5, 0, 0}, {1, 0, 0}, {0.5f, 0, 0}, {0, 0, 0}}, 200); }

MotionPathPtr PathLeaveToRight() { return MakePath({{0, 0, 0}, {0.5f, 0, 0}, {1, 0, 0}, {5, 0, 0}}, 200); }

MotionPathPtr PathEnterFromLeft() {
    return MakePath({{-5, 0, 0}, {-1, 0, 0}, {-0.5f, 0, 0}, {0, 0, 0}}, 100);
}

MotionPathPtr PathLeaveToLeft(int period) {
    return MakePath({{0, 0, 0}, {-0.5f, 0, 0}, {-1, 0, 0}, {-5, 0, 0}}, period);
}

MotionPathPtr PathEnterFromBack() {
    return MakePath({{0, 0, -5}, {0, 0, -1}, {0, 0, -0.5f}, {0, 0, 0}}, 100);
}

MotionPathPtr PathFlyThrough(int period) {
    std::vector<std::array<float, 3>> points;
    for (float z : {-10.0f, -1.0f, -0.5f, -0.2f, 0.0f, -0.2f, -0.5f, -1.0f, -10.0f, -30.0f}) {
        points.push_back({0, 0, z});
    }
    return MakePath(std::move(points), period);
}

MotionPathPtr PathNudge(int ticks, double dx) {
    return MakePath({{0, 0, 0}, {static_cast<float>(dx), 0, 0}, {0, 0, 0}}, ticks / 3);
}

MotionPathPtr FadeInPath(int ticks, double alpha) {
    return MakePath({{0, 0, 0}, {static_cast<float>(alpha), 0, 0}}, ticks / 2);
}

MotionPathPtr FadeOutPath(int ticks, double alpha) {
    return MakePath({{static_cast<float>(alpha), 0, 0}, {0, 0, 0}}, ticks / 2);
}
