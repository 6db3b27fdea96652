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
    r.x = desktopWidth / 2 - r.width / 2;
    r.y = desktopHeight / 2 - r.height / 2;
    return r;
}

}  // namespace platform
