#include "platform/WindowGeometry.h"

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

}  // namespace platform
