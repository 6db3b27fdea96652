// ScreenRect: a rectangle of window pixels (GL's window coordinates: x right, y up from the
// bottom row; x1 and y1 one past the last pixel), and what a frame drew where: the rectangles an
// object's draws covered, or "unknown" when one of them could not be bounded.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

struct ScreenRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    int64_t Area() const { return Empty() ? 0 : int64_t{x1 - x0} * (y1 - y0); }
    bool Overlaps(const ScreenRect& other) const {
        return x0 < other.x1 && other.x0 < x1 && y0 < other.y1 && other.y0 < y1;
    }
    ScreenRect Union(const ScreenRect& other) const {
        return {std::min(x0, other.x0), std::min(y0, other.y0), std::max(x1, other.x1),
                std::max(y1, other.y1)};
    }
};

struct DrawnArea {
    std::vector<ScreenRect> rects;
    bool unknown = false;

    void Clear() {
        rects.clear();
        unknown = false;
    }
    bool Touches(const ScreenRect& rect) const {
        for (const ScreenRect& drawnRect : rects) {
            if (drawnRect.Overlaps(rect)) return true;
        }
        return unknown;
    }
};

// The window rectangle a box (min x, y, z, max x, y, z in the current model-view's coordinates)
// lands in under the current GL matrices and viewport, widened by a margin for rasterisation and
// clamped to the window; false when the box reaches behind the eye (it cannot be bounded then).
// An empty box (a minimum above its maximum) gives an empty rectangle.
bool ProjectBox(const double box[6], ScreenRect& rect);

// Merges two rectangles into their union while they overlap or the union costs no more than the
// two apart, where each rectangle costs its area plus passCost; drops the empty ones.
void MergeRects(std::vector<ScreenRect>& rects, int64_t passCost);
