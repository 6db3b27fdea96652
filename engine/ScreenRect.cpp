#include "engine/ScreenRect.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// Pixels added on every side: covers rounding of edges and a one-pixel wireframe line.
constexpr int kMargin = 2;

}  // namespace

bool ProjectBox(const double box[6], ScreenRect& rect) {
    rect = ScreenRect{};
    if (box[0] > box[3] || box[1] > box[4] || box[2] > box[5]) return true;
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (int corner = 0; corner < 8; ++corner) {
        const double in[4] = {box[(corner & 1) ? 3 : 0], box[(corner & 2) ? 4 : 1], box[(corner & 4) ? 5 : 2],
                              1};
        double eye[4], clip[4];
        for (int row = 0; row < 4; ++row) {
            eye[row] = 0;
            for (int k = 0; k < 4; ++k) eye[row] += modelView[k * 4 + row] * in[k];
        }
        for (int row = 0; row < 4; ++row) {
            clip[row] = 0;
            for (int k = 0; k < 4; ++k) clip[row] += projection[k * 4 + row] * eye[k];
        }
        if (!(clip[3] > 1e-9)) return false;
        const double x = viewport[0] + (clip[0] / clip[3] + 1) * 0.5 * viewport[2];
        const double y = viewport[1] + (clip[1] / clip[3] + 1) * 0.5 * viewport[3];
        if (!std::isfinite(x) || !std::isfinite(y)) return false;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const double left = viewport[0], bottom = viewport[1];
    const double right = left + viewport[2], top = bottom + viewport[3];
    minX = std::max(std::floor(minX) - kMargin, left);
    minY = std::max(std::floor(minY) - kMargin, bottom);
    maxX = std::min(std::ceil(maxX) + kMargin, right);
    maxY = std::min(std::ceil(maxY) + kMargin, top);
    if (minX < maxX && minY < maxY) {
        rect = ScreenRect{static_cast<int>(minX), static_cast<int>(minY), static_cast<int>(maxX),
                          static_cast<int>(maxY)};
    }
    return true;
}

void MergeRects(std::vector<ScreenRect>& rects, int64_t passCost) {
    rects.erase(std::remove_if(rects.begin(), rects.end(), [](const ScreenRect& r) { return r.Empty(); }),
                rects.end());
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < rects.size() && !merged; ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                const ScreenRect both = rects[i].Union(rects[j]);
                const bool cheaper = both.Area() <= rects[i].Area() + rects[j].Area() + passCost;
                if (!rects[i].Overlaps(rects[j]) && !cheaper) continue;
                rects[i] = both;
                rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
                break;
            }
        }
    }
}
