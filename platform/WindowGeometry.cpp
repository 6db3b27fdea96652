#include "platform/WindowGeometry.h"

#include <algorithm>
#include <cstdint>

namespace platform {

WindowRect LoadingWindowRect(int desktopWidth, int desktopHeight) {
    WindowRect r;
    r.x = desktopWidth / 2 - desktopWidth / 8;
    r.y = desktopHeight / 2 - desktopHeight / 8;
    r.width = desktopWidth / 4;
    r.height = desktopHeight / 4;
    return r;
}

WindowRect PlayWindowRect(int desktopWidth, int desktopHeight) {
    WindowRect r;
    r.width = (desktopWidth * 80) / 100;
    r.height = (r.width * 60) / 100;
    if (r.height > desktopHeight) {
        // An ultra-wide desktop: the designed width would push the title bar and the window's
        // top and bottom off the screen, so the height decides instead, the shape kept.
        r.height = (desktopHeight * 80) / 100;
        r.width = (r.height * 100) / 60;
    }
    r.x = desktopWidth / 2 - r.width / 2;
    r.y = desktopHeight / 2 - r.height / 2;
    return r;
}

namespace {

// Moves [start, start + length) the least into [low, high); length fits there.
int MoveInto(int start, int length, int low, int high) { return std::clamp(start, low, high - length); }

}  // namespace

WindowRect FitWindowRect(const WindowRect& wanted, const WindowRect& usable, const WindowBorders& borders) {
    if (usable.width <= 0 || usable.height <= 0 || wanted.width <= 0 || wanted.height <= 0) return wanted;
    // The room for the picture once the frame has taken its borders.
    const int left = usable.x + borders.left, top = usable.y + borders.top;
    const int roomWidth = std::max(1, usable.width - borders.left - borders.right);
    const int roomHeight = std::max(1, usable.height - borders.top - borders.bottom);
    WindowRect r = wanted;
    if (r.width <= roomWidth && r.height <= roomHeight) {
        r.x = MoveInto(r.x, r.width, left, left + roomWidth);
        r.y = MoveInto(r.y, r.height, top, top + roomHeight);
        return r;
    }
    r.height = std::min(wanted.height, roomHeight);
    r.width = static_cast<int>(int64_t{wanted.width} * r.height / wanted.height);
    if (r.width > roomWidth) {
        r.width = roomWidth;
        r.height = static_cast<int>(int64_t{wanted.height} * r.width / wanted.width);
    }
    r.x = left + (roomWidth - r.width) / 2;
    r.y = top + (roomHeight - r.height) / 2;
    return r;
}

}  // namespace platform
